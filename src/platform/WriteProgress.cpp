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

void WriteProgress::ReportParsed() {
    Show(QCoreApplication::translate("wifi", "已读取模块参数"), false);
}

void WriteProgress::Note(const QString& text) {
    note_ = text;
    Show(text, false);
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

void WriteProgress::Refused(InFlight command, unsigned step) {
    if (command == InFlight::Write) {
        Show(QCoreApplication::translate("wifi", "模块拒绝了%1，参数未保存")
                 .arg(WaitText(command, step)),
             true);
    } else {
        Show(QCoreApplication::translate("wifi", "模块拒绝了%1").arg(WaitText(command, step)),
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

void WriteProgress::TimedOut(InFlight command, unsigned step) {
    if (command != InFlight::Write) {
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
}

void WriteProgress::Completed() {
    Show(QCoreApplication::translate("wifi", "写入 %1/%1：参数已保存").arg(kCompletionStep), false);
}

}  // namespace wifi
