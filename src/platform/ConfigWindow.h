#pragma once

#include <QDialog>
#include <QHash>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

#include "form/ConfigDlg.h"
#include "platform/DialogUnits.h"
#include "platform/QtControls.h"
#include "platform/SerialComm.h"
#include "platform/WriteProgress.h"
#include "serial/CommError.h"

class QComboBox;
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
    static constexpr int kDefaultTimeoutSeconds = 10;

    // namedPorts: devices named on the command line; the first is selected.
    // timeoutSeconds: how long any answer of the module is awaited.
    explicit ConfigWindow(const QStringList& namedPorts = {},
                          int timeoutSeconds = kDefaultTimeoutSeconds, QWidget* parent = nullptr);
    ~ConfigWindow() override;

    CConfigDlg& dlg() { return *dlg_; }
    SerialComm& comm() { return *comm_; }
    QtControls& controls() { return controls_; }
    QWidget* Item(int id) const { return controls_.Widget(id); }
    // Every item in template order (labels and group boxes included).
    const QList<QWidget*>& Items() const { return items_; }
    const DialogUnits& units() const { return units_; }
    QLabel* progress() const { return progress_; }
    QComboBox* encoding() const { return encoding_; }

  public slots:
    // Escape and the close box: with edits not yet written to a connected
    // module, the user is asked once.
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildItems(const QStringList& namedPorts);
    void WireNotifications();
    void Handle(const std::function<void()>& handler);
    void ShowFailure(const CommError& error);
    void OnPortLost(const QString& description, const QString& detail);
    // Starts the clock when a new command awaits its reply, stops it when
    // none does.
    void WatchWait();
    void OnWaitExpired();
    void OnForeignText(int id, std::optional<TextEncoding> detected);
    static QString FieldLabelOf(int id);

    QFont font_;
    DialogUnits units_;
    // Outlives the lists that use it: the application owns it.
    QStyle* comboStyle_;
    QtControls controls_;
    std::unique_ptr<SerialComm> comm_;
    std::unique_ptr<CConfigDlg> dlg_;
    std::unique_ptr<WriteProgress> progressEvents_;
    QList<QWidget*> items_;
    PortComboBox* ports_ = nullptr;
    QLabel* progress_ = nullptr;
    QComboBox* encoding_ = nullptr;
    int timeoutMs_;
    QTimer waitTimer_;
    InFlight watched_ = InFlight::None;
    unsigned watchedStep_ = 0;
};

}  // namespace wifi
