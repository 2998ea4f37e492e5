#include "platform/Messages.h"

#include "form/Fields.h"
#include "protocol/WriteSequence.h"

namespace wifi {

namespace {

QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QString PortFailureText(const CommError& error) {
    const QString port = QString::fromStdString(error.port());
    switch (error.kind()) {
        case CommFailure::NoPortSelected:
            return QStringLiteral("未选择串口：请先在“串口”中选择一个。");
        case CommFailure::NoSuchDevice: return QStringLiteral("串口 %1 不存在。").arg(port);
        case CommFailure::Busy: return QStringLiteral("串口 %1 正被其他程序使用。").arg(port);
        case CommFailure::PermissionDenied:
            return QStringLiteral("没有权限打开串口 %1：请把用户加入 dialout 组后重新登录。")
                .arg(port);
        case CommFailure::Unplugged: return PortLostText(port);
        case CommFailure::PortClosed:
            return QStringLiteral("串口 %1 未打开：请先连接模块。").arg(port);
        case CommFailure::Other: break;
    }
    return port.isEmpty() ? QStringLiteral("串口操作失败。")
                          : QStringLiteral("串口 %1 操作失败。").arg(port);
}

QString PortLostText(const QString& port) {
    return QStringLiteral("串口 %1 已断开：设备被拔出或线路挂断，连接已关闭。").arg(port);
}

QString StepLabel(unsigned step, unsigned source) {
    if (step == 0 || step > kStepCount) {
        return QStringLiteral("开始配置");
    }
    return Utf8(FieldOfStep(step, source).label);
}

QString WaitText(InFlight command, unsigned step) {
    switch (command) {
        case InFlight::Query: return QStringLiteral("读取配置");
        case InFlight::Connect: return QStringLiteral("连接请求");
        case InFlight::Write:
            return step == 0 ? StepLabel(0)
                             : QStringLiteral("第 %1 步（%2）").arg(step).arg(StepLabel(step));
        case InFlight::None: break;
    }
    return QString();
}

QString RuleBreakText(RuleBreak why) {
    switch (why) {
        case RuleBreak::ControlCharacter: return QStringLiteral("含有换行或其他控制字符");
        case RuleBreak::TooLong:
            return QStringLiteral("超过 %1 字节").arg(static_cast<int>(kSsidMaxBytes));
        case RuleBreak::NotANumber: return QStringLiteral("应为 0 到 65535 之间的数字");
        case RuleBreak::NoValue: return QStringLiteral("未选择");
        case RuleBreak::NotEncodable: return QStringLiteral("含有当前编码无法表示的字符");
        case RuleBreak::None: break;
    }
    return QString();
}

}  // namespace wifi
