#include "platform/Messages.h"

#include <QCoreApplication>

#include "form/Fields.h"
#include "platform/Translations.h"
#include "protocol/WriteSequence.h"

namespace wifi {

QString PortFailureText(const CommError& error) {
    const QString port = QString::fromStdString(error.port());
    switch (error.kind()) {
        case CommFailure::NoPortSelected:
            return QCoreApplication::translate("wifi", "未选择串口：请先在“串口”中选择一个。");
        case CommFailure::NoSuchDevice:
            return QCoreApplication::translate("wifi", "串口 %1 不存在。").arg(port);
        case CommFailure::Busy:
            return QCoreApplication::translate("wifi", "串口 %1 正被其他程序使用。").arg(port);
        case CommFailure::PermissionDenied:
            return QCoreApplication::translate(
                       "wifi", "没有权限打开串口 %1：请把用户加入 dialout 组后重新登录。")
                .arg(port);
        case CommFailure::Unplugged: return PortLostText(port);
        case CommFailure::PortClosed:
            return QCoreApplication::translate("wifi", "串口 %1 未打开：请先连接模块。").arg(port);
        case CommFailure::Other: break;
    }
    return port.isEmpty() ? QCoreApplication::translate("wifi", "串口操作失败。")
                          : QCoreApplication::translate("wifi", "串口 %1 操作失败。").arg(port);
}

QString PortLostText(const QString& port) {
    return QCoreApplication::translate("wifi", "串口 %1 已断开：设备被拔出或线路挂断，连接已关闭。")
        .arg(port);
}

QString StepLabel(unsigned step, unsigned source) {
    if (step == 0 || step > kStepCount) {
        return QCoreApplication::translate("wifi", "开始配置");
    }
    return FieldText(FieldOfStep(step, source).label);
}

QString WaitText(InFlight command, unsigned step) {
    switch (command) {
        case InFlight::Query: return QCoreApplication::translate("wifi", "读取配置");
        case InFlight::Connect: return QCoreApplication::translate("wifi", "连接请求");
        case InFlight::Write:
            return step == 0 ? StepLabel(0)
                             : QCoreApplication::translate("wifi", "第 %1 步（%2）")
                                   .arg(step)
                                   .arg(StepLabel(step));
        case InFlight::None: break;
    }
    return QString();
}

QString RuleBreakText(RuleBreak why) {
    switch (why) {
        case RuleBreak::ControlCharacter:
            return QCoreApplication::translate("wifi", "含有换行或其他控制字符");
        case RuleBreak::TooLong:
            return QCoreApplication::translate("wifi", "超过 %1 字节")
                .arg(static_cast<int>(kSsidMaxBytes));
        case RuleBreak::NotANumber:
            return QCoreApplication::translate("wifi", "应为 0 到 65535 之间的数字");
        case RuleBreak::NoValue: return QCoreApplication::translate("wifi", "未选择");
        case RuleBreak::NotEncodable:
            return QCoreApplication::translate("wifi", "含有当前编码无法表示的字符");
        case RuleBreak::Unknown:
            return QCoreApplication::translate("wifi", "的值未知，请先填写或选择");
        case RuleBreak::None: break;
    }
    return QString();
}

}  // namespace wifi
