#pragma once

#include <QDialog>
#include <QHash>
#include <QStringList>
#include <functional>
#include <memory>

#include "form/ConfigDlg.h"
#include "platform/DialogUnits.h"
#include "platform/QtControls.h"
#include "platform/SerialComm.h"
#include "platform/WriteProgress.h"

class QLabel;

namespace wifi {

class PortComboBox;

// The configuration window, built from the dialog template: every item at its
// place in dialog units, the lists filled, the tab order of the template, and
// every notification of its controls passed to the dialog's message map. A
// serial control error ends the handler and shows its description.
class ConfigWindow : public QDialog {
    Q_OBJECT
  public:
    // namedPorts: devices named on the command line; the first is selected.
    explicit ConfigWindow(const QStringList& namedPorts = {}, QWidget* parent = nullptr);
    ~ConfigWindow() override;

    CConfigDlg& dlg() { return *dlg_; }
    SerialComm& comm() { return *comm_; }
    QtControls& controls() { return controls_; }
    QWidget* Item(int id) const { return controls_.Widget(id); }
    // Every item in template order (labels and group boxes included).
    const QList<QWidget*>& Items() const { return items_; }
    const DialogUnits& units() const { return units_; }
    QLabel* progress() const { return progress_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildItems(const QStringList& namedPorts);
    void WireNotifications();
    void Handle(const std::function<void()>& handler);
    void OnPortLost(const QString& description);

    QFont font_;
    DialogUnits units_;
    QtControls controls_;
    std::unique_ptr<SerialComm> comm_;
    std::unique_ptr<CConfigDlg> dlg_;
    std::unique_ptr<WriteProgress> progressEvents_;
    QList<QWidget*> items_;
    PortComboBox* ports_ = nullptr;
    QLabel* progress_ = nullptr;
};

}  // namespace wifi
