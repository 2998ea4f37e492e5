#pragma once

#include <QDialog>
#include <QHash>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

#include "form/ConfigDlg.h"
#include "ports/PortInfo.h"
#include "protocol/ReplyTimeout.h"
#include "qt/DialogUnits.h"
#include "qt/QtControls.h"
#include "qtserial/QtPortSource.h"
#include "qtserial/QtReplyClock.h"
#include "qtserial/SerialComm.h"
#include "serial/CommError.h"
#include "serial/TappedComm.h"
#include "window/WindowSession.h"

class QComboBox;
class QLabel;
class QMenu;
class QToolButton;

namespace wifi {

class PortComboBox;
class TrafficWindow;

// The configuration window, built from the dialog template: every item at its
// place in dialog units, the lists filled, the tab order of the template, and
// every notification of its controls passed to the dialog's message map. What
// the window decides beyond that, its window session decides; the window
// draws what the session asks for.
class QtConfigWindow : public QDialog, private WindowShell {
    Q_OBJECT
  public:
    static constexpr double kDefaultTimeoutSeconds = kDefaultReplyTimeout.count() / 1000.0;

    // namedPorts: devices named on the command line; the first is selected.
    // timeoutSeconds: how long any answer of the module is awaited.
    // portSource: what the system reports of its serial ports.
    explicit QtConfigWindow(const QStringList& namedPorts = {},
                            double timeoutSeconds = kDefaultTimeoutSeconds,
                            QWidget* parent = nullptr, PortSource portSource = QtSystemPorts);
    ~QtConfigWindow() override;

    CConfigDlg& dlg() { return *dlg_; }
    WindowSession& session() { return *session_; }
    SerialComm& comm() { return *comm_; }
    QtControls& controls() { return controls_; }
    QWidget* Item(int id) const { return controls_.Widget(id); }
    // Every item in template order (labels and group boxes included).
    const QList<QWidget*>& Items() const { return items_; }
    const DialogUnits& units() const { return units_; }
    QLabel* progress() const { return progress_; }
    // The progress line's whole message, however much of it fits.
    QString progressText() const { return QString::fromStdString(session_->progressText()); }
    QComboBox* encoding() const { return encoding_; }
    PortComboBox* ports() const { return ports_; }
    // The traffic view, made when first asked for.
    TrafficWindow* traffic();
    // The window's menu: profiles, read again, the traffic view, the
    // language; opened by its button, a right click, Shift+F10 and the Menu
    // key, edit fields included.
    QMenu* menu() const { return menu_; }
    QToolButton* menuButton() const { return menuButton_; }
    // The module's values again, the port closed and opened; with edits not
    // yet written, the user is asked first.
    void OnReadAgain();

    // The form to a profile file, as the command line writes one; what went
    // wrong, or nothing.
    std::optional<Message> ExportProfile(const QString& path);
    // A profile file into the form, as typed edits, checked by the fields'
    // rules; nothing is sent, and the progress line says so. What went
    // wrong, or nothing.
    std::optional<Message> ImportProfile(const QString& path);

  public slots:
    // Escape and the close box: with edits not yet written to a connected
    // module, the user is asked once.
    void reject() override;

    // Closing remembers the port, the position and the encoding.
    void done(int result) override;

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Shift+F10 and the Menu key in any of the window's fields.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildItems();
    void FitToScreen();
    void WireNotifications();
    void Handle(const std::function<void()>& handler);
    // The actions of the context menu, with their shortcuts: profiles, the
    // traffic view, the language.
    void BuildActions();
    void PopUpMenu(const QPoint& globalPos);

    // What the session asks of the window.
    bool Ask(const QuestionText& question) override;
    void Tell(const BoxText& box, BoxKind kind) override;
    std::optional<std::string> ChooseFile(const FileChoice& choice) override;
    void ShowProgress(const std::string& text, bool problem) override;
    void ShowTitle(const std::string& title) override;
    void ShowEncoding(TextEncoding encoding) override;
    void ShowPorts() override;
    void Later(std::function<void()> task) override;
    std::vector<ScreenArea> Screens() const override;
    PreferenceStore& Store() override;

    QFont font_;
    DialogUnits units_;
    // Outlives the lists that use it: the application owns it.
    QStyle* comboStyle_;
    QtControls controls_;
    std::unique_ptr<SerialComm> comm_;
    // What the form drives: the serial port, every line also told to the
    // traffic view.
    std::unique_ptr<TappedComm> tapped_;
    TrafficWindow* traffic_ = nullptr;
    QList<QAction*> actions_;
    QMenu* menu_ = nullptr;
    QToolButton* menuButton_ = nullptr;
    std::unique_ptr<CConfigDlg> dlg_;
    std::unique_ptr<WindowSession> session_;
    std::unique_ptr<PreferenceStore> store_;
    QList<QWidget*> items_;
    // The form the template describes, at its size; in a scroll area that
    // shows all of it where the screen has room, and scrolls where not.
    QWidget* form_ = nullptr;
    PortComboBox* ports_ = nullptr;
    QLabel* progress_ = nullptr;
    bool progressCut_ = false;  // the line shows the message's start
    bool portsAsked_ = false;   // the system's ports, once drawn
    QComboBox* encoding_ = nullptr;
    QtReplyClock clock_;
};

}  // namespace wifi
