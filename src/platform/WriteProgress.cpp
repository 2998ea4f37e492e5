#include "platform/WriteProgress.h"

#include <QLabel>

#include "form/Fields.h"

namespace wifi {

QString WriteProgress::StepLabel(unsigned step, unsigned source) {
    if (step == 0 || step > kStepCount) {
        return QStringLiteral("开始配置");
    }
    const std::string_view label = FieldOfStep(step, source).label;
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
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
    const QString name = StepLabel(step, command.source);
    switch (command.skip) {
        case StepSkip::None:
            Show(QStringLiteral("写入 %1/%2：%3").arg(step).arg(kCompletionStep).arg(name), false);
            break;
        case StepSkip::NoToken:
            Show(QStringLiteral("第 %1 步停止：%2未选择").arg(step).arg(name), true);
            break;
        case StepSkip::LineEnd:
            Show(QStringLiteral("第 %1 步停止：%2含有换行").arg(step).arg(name), true);
            break;
    }
}

void WriteProgress::Refused(InFlight command, unsigned step) {
    switch (command) {
        case InFlight::Query: Show(QStringLiteral("模块拒绝了读取配置"), true); break;
        case InFlight::Connect: Show(QStringLiteral("模块拒绝了连接请求"), true); break;
        default:
            Show(QStringLiteral("模块拒绝了%1（第 %2 步），参数未保存")
                     .arg(StepLabel(step))
                     .arg(step),
                 true);
    }
}

void WriteProgress::SubmitRefused(SubmitRefusal why) {
    Show(why == SubmitRefusal::Busy ? QStringLiteral("正在等待模块应答，未发送")
                                    : QStringLiteral("模块未连接，请先连接模块"),
         true);
}

void WriteProgress::Completed() {
    Show(QStringLiteral("写入 %1/%1：参数已保存").arg(kCompletionStep), false);
}

}  // namespace wifi
