// The window's profiles: the form saved to, and filled from, the same JSON
// file the command line reads and writes; the session decides, the window's
// widgets take the values as a person's edits.
#include "qt/QtConfigWindow.h"
#include "qt/WindowInput.h"

namespace wifi {

std::optional<Message> QtConfigWindow::ExportProfile(const QString& path) {
    return session_->ExportProfileTo(path.toStdString());
}

std::optional<Message> QtConfigWindow::ImportProfile(const QString& path) {
    WindowInput input(controls_, [this](int id, Notification code) {
        Handle([this, id, code] { dlg_->Dispatch(id, code); });
    });
    return session_->ImportProfileFrom(path.toStdString(), input);
}

}  // namespace wifi
