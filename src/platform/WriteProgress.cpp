#include "platform/WriteProgress.h"

#include <QLabel>
#include <array>
#include <utility>

namespace wifi {

QString WriteProgress::FieldLabel(std::string_view field) {
    static const std::array<std::pair<std::string_view, const char*>, 22> labels = {{
        {"ssid", "网络名称"},      {"netType", "网络类型"},    {"security", "安全模式"},
        {"keyFormat", "密钥格式"}, {"keyIndex", "密钥索引"},   {"key", "密钥"},
        {"dhcp", "DHCP"},          {"ip", "IP地址"},           {"netmask", "子网掩码"},
        {"gateway", "网关地址"},   {"dns", "DNS服务器"},       {"protocol", "协议类型"},
        {"csMode", "C/S模式"},     {"serverIp", "服务器地址"}, {"serverPort", "端口号"},
        {"baudRate", "波特率"},    {"parity", "检验位"},       {"dataBits", "数据位"},
        {"stopBits", "停止位"},    {"frameLen", "组帧长度"},   {"frameTime", "组帧周期"},
        {"save", "保存参数"},
    }};
    for (const auto& [name, label] : labels) {
        if (name == field) {
            return QString::fromUtf8(label);
        }
    }
    return QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()));
}

void WriteProgress::Show(const QString& text, bool problem) {
    label_->setText(text);
    label_->setToolTip(text);
    label_->setStyleSheet(problem ? QStringLiteral("color: #b00020;") : QString());
}

void WriteProgress::ReportParsed() {
    Show(QStringLiteral("已读取模块参数"), false);
}

void WriteProgress::Connected() {
    Show(QString(), false);
}

void WriteProgress::StepPerformed(unsigned step, const StepCommand& command) {
    const QString name = FieldLabel(command.field);
    switch (command.skip) {
        case StepSkip::None:
            Show(QStringLiteral("写入 %1/22：%2").arg(step).arg(name), false);
            break;
        case StepSkip::NoToken:
            Show(QStringLiteral("第 %1 步停止：%2未选择").arg(step).arg(name), true);
            break;
        case StepSkip::LineEnd:
            Show(QStringLiteral("第 %1 步停止：%2含有换行").arg(step).arg(name), true);
            break;
    }
}

void WriteProgress::Refused(unsigned step) {
    const QString what = step == 0 || step > kStepCount ? QStringLiteral("开始配置")
                                                        : FieldLabel(WriteSteps()[step - 1].field);
    Show(QStringLiteral("模块拒绝了%1（第 %2 步）").arg(what).arg(step), true);
}

void WriteProgress::Completed() {
    Show(QStringLiteral("写入 22/22：参数已保存"), false);
}

}  // namespace wifi
