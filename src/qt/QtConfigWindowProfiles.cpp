// The window's profiles: the form saved to, and filled from, the same JSON
// file the command line reads and writes.
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "form/ControlIds.h"
#include "profile/FormProfile.h"
#include "qt/QtConfigWindow.h"
#include "qt/Translations.h"
#include "qt/WindowInput.h"
#include "wording/Messages.h"
#include "wording/WindowTexts.h"

namespace wifi {

std::optional<Message> QtConfigWindow::ExportProfile(const QString& path) {
    return ExportFormProfile(path.toStdString(), controls_, dlg_->UnknownFields(),
                             controls_.encoding(), QtTextConverters());
}

std::optional<Message> QtConfigWindow::ImportProfile(const QString& path) {
    // The form takes values only from a connected module: what the file
    // leaves out keeps the module's values, as on the command line.
    if (!dlg_->IsConnected()) {
        return ImportNeedsAConnection();
    }
    WindowInput input(controls_, [this](int id, Notification code) {
        Handle([this, id, code] { dlg_->Dispatch(id, code); });
    });
    auto wrong = ImportFormProfile(path.toStdString(), controls_, input, controls_.encoding());
    if (!wrong) {
        progressLine_.Imported();
    }
    return wrong;
}

void QtConfigWindow::OnExportProfile() {
    // Named after the network, so that a folder of profiles reads as a list
    // of networks.
    const auto* ssid = qobject_cast<QLineEdit*>(Item(IDC_SSID));
    const QString suggested = QString::fromStdString(ProfileFileName(ssid->text().toStdString()));
    QString path =
        QFileDialog::getSaveFileName(this, UiText(kExportTitle), suggested, UiText(kProfileFilter));
    if (path.isEmpty()) {
        return;
    }
    path = QString::fromStdString(WithJsonSuffix(path.toStdString()));
    if (const auto error = ExportProfile(path)) {
        ShowMessageBox(*error, true);
    }
}

void QtConfigWindow::OnImportProfile() {
    const QString path = QFileDialog::getOpenFileName(this, UiText(kImportTitle), QString(),
                                                      UiText(kProfileOpenFilter));
    if (path.isEmpty()) {
        return;
    }
    if (const auto error = ImportProfile(path)) {
        ShowMessageBox(*error, true);
    }
}

}  // namespace wifi
