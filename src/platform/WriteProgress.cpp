#include "platform/WriteProgress.h"

#include <QCoreApplication>

#include <QLabel>

#include "platform/Messages.h"

namespace wifi {

void WriteProgress::Show(const QString& text, bool problem) {
    label_->setText(text);
    label_->setToolTip(text);
    label_->setStyleSheet(problem ? QStringLiteral("color: #b00020;") : QString());
}

void WriteProgress::ReportParsed(const std::vector<UnknownValue>& unknown) {
    Show(QCoreApplication::translate("wifi", "已读取模块参数"), false);
    note_.clear();
    // A list without a selection and a blank address show themselves; the
    // DHCP box cannot look unknown, so it is said.
    for (const UnknownValue& u : unknown) {
        if (u.field->kind == FieldKind::Flag) {
            note_ =
                QCoreApplication::translate(
                    "wifi", "模块报告的 DHCP 值“%1”无法识别：请勾选或取消勾选“启动DHCP”后再提交")
                    .arg(QString::fromStdString(u.reported.value_or(std::string())));
        }
    }
}

void WriteProgress::Note(const QString& text) {
    note_ = note_.isEmpty() ? text : note_ + QStringLiteral("；") + text;
    Show(note_, false);
}

void WriteProgress::Connected() {
    Show(note_, false);
    note_.clear();
}

void WriteProgress::StepPerformed(unsigned step, const StepCommand& command) {
    const QString name = StepLabel(step, command.source);
    switch (command.skip) {
        case StepSkip::None:
            Show(QCoreApplication::translate("wifi", "写入 %1/%2：%3")
                     .arg(step)
                     .arg(kCompletionStep)
                     .arg(name),
                 false);
            break;
        case StepSkip::NoToken:
        case StepSkip::LineEnd:
            Show(QCoreApplication::translate("wifi", "第 %1 步停止：%2%3，参数未保存")
                     .arg(step)
                     .arg(name)
                     .arg(RuleBreakText(command.skip == StepSkip::NoToken
                                            ? RuleBreak::NoValue
                                            : RuleBreak::ControlCharacter)),
                 true);
            break;
    }
}

void WriteProgress::Refused(const Exchange& what) {
    if (what.writing) {
        Show(QCoreApplication::translate("wifi", "模块拒绝了%1，参数未保存")
                 .arg(WaitText(what.command, what.step)),
             true);
    } else {
        Show(QCoreApplication::translate("wifi", "模块拒绝了%1")
                 .arg(WaitText(what.command, what.step)),
             true);
    }
}

void WriteProgress::SubmitRefused(SubmitRefusal why) {
    Show(why == SubmitRefusal::Busy
             ? QCoreApplication::translate("wifi", "正在等待模块应答，未发送")
             : QCoreApplication::translate("wifi", "模块未连接，请先连接模块"),
         true);
}

void WriteProgress::ValueRejected(unsigned step, unsigned source, RuleBreak why) {
    Show(QCoreApplication::translate("wifi", "%1%2，未发送")
             .arg(StepLabel(step, source))
             .arg(RuleBreakText(why)),
         true);
}

void WriteProgress::TimedOut(const Exchange& what, bool incomplete) {
    const InFlight command = what.command;
    const unsigned step = what.step;
    if (command == InFlight::Connect && what.writing) {
        Show(QCoreApplication::translate("wifi", "连接请求无应答，参数未保存"), true);
    } else if (command != InFlight::Write) {
        Show(QCoreApplication::translate("wifi", "%1无应答，连接已关闭")
                 .arg(WaitText(command, step)),
             true);
    } else if (step == 0) {
        Show(QCoreApplication::translate("wifi", "开始配置无应答，参数未保存"), true);
    } else if (step < kStepCount) {
        Show(QCoreApplication::translate("wifi", "已确认至第 %1 步，%2无应答，参数未保存")
                 .arg(step - 1)
                 .arg(WaitText(command, step)),
             true);
    } else {
        Show(QCoreApplication::translate("wifi", "已确认至第 %1 步，保存参数无应答，保存未确认")
                 .arg(step - 1),
             true);
    }
    if (onTimedOut) {
        onTimedOut(WaitText(command, step), incomplete);
    }
}

void WriteProgress::OutOfStep(unsigned lastSent) {
    if (lastSent >= kStepCount) {
        Show(QCoreApplication::translate("wifi", "模块多发了应答，保存未确认"), true);
    } else {
        Show(QCoreApplication::translate("wifi", "模块在%1之后多发了应答，参数未保存")
                 .arg(StepLabel(lastSent)),
             true);
    }
}

void WriteProgress::Completed() {
    Show(QCoreApplication::translate("wifi", "写入 %1/%1：参数已保存").arg(kCompletionStep), false);
}

}  // namespace wifi
