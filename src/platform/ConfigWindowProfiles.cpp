// The window's profiles: the form saved to, and filled from, the same JSON
// file the command line reads and writes.
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "form/ControlIds.h"
#include "platform/ConfigWindow.h"
#include "platform/Translations.h"
#include "platform/WindowInput.h"
#include "profile/Profile.h"
#include "wording/Messages.h"
#include "wording/WindowTexts.h"

namespace wifi {

std::optional<Message> ConfigWindow::ExportProfile(const QString& path) {
    FormReading reading = ReadForm(controls_, controls_.encoding(), QtTextConverters());
    for (const UnknownValue& u : dlg_->UnknownFields()) {
        reading.form[std::string(u.field->name)] = nullptr;  // nobody knows it: no value
    }
    std::string error;
    if (!WriteFileBytes(path.toStdString(), FormAsJson(reading.form) + "\n", error)) {
        return FileNotSaved(path.toStdString(), error);
    }
    return std::nullopt;
}

std::optional<Message> ConfigWindow::ImportProfile(const QString& path) {
    // The form takes values only from a connected module: what the file
    // leaves out keeps the module's values, as on the command line.
    if (!dlg_->IsConnected()) {
        return ImportNeedsAConnection();
    }
    std::string error;
    const auto bytes = ReadFileBytes(path.toStdString(), kMaxProfileBytes, error);
    if (!bytes) {
        return FileNotOpened(path.toStdString(), error);
    }
    Text wrong;
    const auto settings = ParseProfile(*bytes, controls_.encoding(), wrong);
    if (!settings) {
        return ProfileNotValid(path.toStdString(), wrong);
    }
    WindowInput input(controls_, [this](int id, Notification code) {
        Handle([this, id, code] { dlg_->Dispatch(id, code); });
    });
    std::vector<const Field*> refused;
    for (const Setting& s : *settings) {
        if (!ApplyAsUser(controls_, input, s)) {
            refused.push_back(s.field);
        }
    }
    if (!refused.empty()) {
        return ImportRefusedFields(refused);
    }
    progressLine_.Imported();
    return std::nullopt;
}

void ConfigWindow::OnExportProfile() {
    // Named after the network, so that a folder of profiles reads as a list
    // of networks.
    const auto* ssid = qobject_cast<QLineEdit*>(Item(IDC_SSID));
    const QString suggested = QString::fromStdString(ProfileFileName(ssid->text().toStdString()));
    QString path = QFileDialog::getSaveFileName(this, UiText(kExportTitle), suggested,
                                                UiText(kProfileFilter));
    if (path.isEmpty()) {
        return;
    }
    path = QString::fromStdString(WithJsonSuffix(path.toStdString()));
    if (const auto error = ExportProfile(path)) {
        ShowMessageBox(*error, true);
    }
}

void ConfigWindow::OnImportProfile() {
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
