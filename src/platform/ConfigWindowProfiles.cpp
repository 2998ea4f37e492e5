// The window's profiles: the form saved to, and filled from, the same JSON
// file the command line reads and writes.
#include <QFileDialog>
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
    return std::nullopt;
}

void ConfigWindow::OnExportProfile() {
    const QString path =
        QFileDialog::getSaveFileName(this, UiText(kExportTitle), QString(), UiText(kProfileFilter));
    if (path.isEmpty()) {
        return;
    }
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
