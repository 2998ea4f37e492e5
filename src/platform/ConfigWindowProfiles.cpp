// The window's profiles: the form saved to, and filled from, the same JSON
// file the command line reads and writes.
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>

#include "form/ControlIds.h"
#include "platform/ConfigWindow.h"
#include "platform/Translations.h"
#include "platform/WindowInput.h"
#include "profile/Profile.h"

namespace wifi {

QString ConfigWindow::ExportProfile(const QString& path) {
    FormReading reading = ReadForm(controls_, controls_.encoding());
    for (const UnknownValue& u : dlg_->UnknownFields()) {
        // Nobody knows it: a profile gives no value for it.
        reading.form[QString::fromUtf8(u.field->name.data(), qsizetype(u.field->name.size()))] =
            QJsonValue();
    }
    QSaveFile file(path);
    const std::string json = FormAsJson(reading.form) + "\n";
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(json.data(), static_cast<qint64>(json.size())) !=
            static_cast<qint64>(json.size()) ||
        !file.commit()) {
        return tr("无法保存 %1：%2").arg(path, file.errorString());
    }
    return {};
}

QString ConfigWindow::ImportProfile(const QString& path) {
    // The form takes values only from a connected module: what the file
    // leaves out keeps the module's values, as on the command line.
    if (!controls_.IsWindowEnabled(IDC_SSID)) {
        return tr("请先连接模块，再导入配置");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return tr("无法打开 %1：%2").arg(path, file.errorString());
    }
    std::string error;
    const auto settings = ParseProfile(file.read(kMaxProfileBytes + 1), path.toStdString(),
                                       controls_.encoding(), error);
    if (!settings) {
        return tr("%1 不是有效的配置文件：%2").arg(path, QString::fromStdString(error));
    }
    WindowInput input(controls_, [this](int id, Notification code) {
        Handle([this, id, code] { dlg_->Dispatch(id, code); });
    });
    QStringList refused;
    for (const Setting& s : *settings) {
        if (!ApplyAsUser(controls_, input, s)) {
            refused << FieldText(s.field->label);
        }
    }
    if (!refused.isEmpty()) {
        return tr("以下字段当前不能修改，未导入：%1").arg(refused.join(QStringLiteral("、")));
    }
    return {};
}

void ConfigWindow::OnExportProfile() {
    const QString path =
        QFileDialog::getSaveFileName(this, tr("导出配置"), QString(), tr("配置文件 (*.json)"));
    if (path.isEmpty()) {
        return;
    }
    if (const QString error = ExportProfile(path); !error.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), error);
    }
}

void ConfigWindow::OnImportProfile() {
    const QString path = QFileDialog::getOpenFileName(this, tr("导入配置"), QString(),
                                                      tr("配置文件 (*.json);;所有文件 (*)"));
    if (path.isEmpty()) {
        return;
    }
    if (const QString error = ImportProfile(path); !error.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), error);
    }
}

}  // namespace wifi
