#include "wording/Messages.h"

#include <cstdio>

#include <cstdlib>

#include "protocol/Commands.h"
#include "protocol/Dispatcher.h"
#include "protocol/Secrets.h"
#include "serial/PortSettings.h"
#include "serial/SerialLink.h"
#include "serial/TrafficFormat.h"

namespace wifi {

namespace {

Text Literal(std::string_view s) {
    return Text::Literal(std::string(s));
}

Text Port(const std::string& port) {
    return Text::Literal(port);
}

// A command line as it is shown: the key masked, as in every error.
Text Command(const std::string& line) {
    return Text::Literal(MaskSecret(line));
}

// A value as the module reported it, every byte visible.
Text Reported(const std::string& value) {
    return Text::Literal(VisibleBytes(value));
}

Message Problem(Text text, Text next, std::string detail = {}) {
    return Message{std::move(text), true, std::move(detail), std::move(next)};
}

Message Note(Text text) {
    return Message{std::move(text), false, {}, {}};
}

// The next steps, each said after what happened.
Text ConnectAgainAfterChecking() {
    return Text(UI_TEXT("请检查模块的电源和接线，然后重新连接。"));
}
Text SubmitAgainAfterChecking() {
    return Text(UI_TEXT("请检查模块的电源和接线，然后重新提交。"));
}
Text ReadAgainToSeeTheSave() {
    return Text(UI_TEXT("请重新读取模块，确认参数是否已保存。"));
}
Text ConnectAgainThenSubmit() {
    return Text(UI_TEXT("请重新连接模块，然后重新提交。"));
}
Text CorrectThenSubmit() {
    return Text(UI_TEXT("请改正后重新提交。"));
}
Text ConnectFirst() {
    return Text(UI_TEXT("请先连接模块。"));
}

}  // namespace

Text Said(const Message& message) {
    if (message.next.empty() || message.text.empty()) {
        return message.text;
    }
    return Text(UI_TEXT("%1。%2"), {message.text, message.next});
}

Text Both(const Text& first, const Text& second) {
    if (first.empty() || second.empty()) {
        return first.empty() ? second : first;
    }
    return Text(UI_TEXT("%1；%2"), {first, second});
}

namespace {

// "%1; %2" over a list of texts.
Text Joined(const std::vector<Text>& items) {
    Text all;
    for (const Text& item : items) {
        all = Both(all, item);
    }
    return all;
}

}  // namespace

Message PortFailure(const CommError& error) {
    const std::string& port = error.port();
    // The system's own words; for a failure of no kind of ours, the
    // description is all there is.
    std::string detail = error.detail();
    if (detail.empty() && error.kind() == CommFailure::Other) {
        detail = error.what();
    }
    switch (error.kind()) {
        case CommFailure::NoPortSelected:
            return Problem(Text(UI_TEXT("未选择串口")), Text(UI_TEXT("请先在“串口”中选择一个。")),
                           detail);
        case CommFailure::NoSuchDevice:
            return Problem(Text(UI_TEXT("串口 %1 不存在"), {Port(port)}),
                           Text(UI_TEXT("请检查设备是否插好，然后重新选择串口。")), detail);
        case CommFailure::Busy:
            return Problem(Text(UI_TEXT("串口 %1 正被其他程序使用"), {Port(port)}),
                           Text(UI_TEXT("请关闭使用它的程序，然后重试。")), detail);
        case CommFailure::PermissionDenied:
            return Problem(Text(UI_TEXT("没有权限打开串口 %1"), {Port(port)}),
                           Text(UI_TEXT("请把用户加入 dialout 组，然后重新登录。")), detail);
        case CommFailure::Unplugged: return PortLost(port, detail);
        case CommFailure::PortClosed:
            return Problem(Text(UI_TEXT("串口 %1 未打开"), {Port(port)}), ConnectFirst(), detail);
        case CommFailure::NotASerialPort:
            return Problem(Text(UI_TEXT("%1 不是串口"), {Port(port)}),
                           Text(UI_TEXT("请选择一个串口（wifi-config ports 列出所有串口）。")),
                           detail);
        case CommFailure::Other: break;
    }
    const Text next(UI_TEXT("请重新连接模块；如果仍然失败，请重新插好设备。"));
    return port.empty() ? Problem(Text(UI_TEXT("串口操作失败")), next, detail)
                        : Problem(Text(UI_TEXT("串口 %1 操作失败"), {Port(port)}), next, detail);
}

Message PortLost(const std::string& port, const std::string& detail) {
    return Problem(Text(UI_TEXT("串口 %1 已断开：设备被拔出或线路挂断，连接已关闭"), {Port(port)}),
                   Text(UI_TEXT("请插好设备，然后重新连接。")), detail);
}

UnnamedPort PortWhenNoneNamed(const std::vector<std::string>& found) {
    if (found.size() == 1) {
        return {found.front(),
                Note(Text(UI_TEXT("未指定 --port：使用唯一的串口 %1"), {Port(found.front())}))};
    }
    if (found.empty()) {
        return {{},
                Problem(Text(UI_TEXT("未指定 --port，本机也没有串口")),
                        Text(UI_TEXT("请插好设备，或用 --port 指定设备。")))};
    }
    std::string list;
    for (const std::string& port : found) {
        list.append(list.empty() ? "" : ", ").append(port);
    }
    return {{},
            Problem(Text(UI_TEXT("未指定 --port；本机的串口有 %1"), {Text::Literal(list)}),
                    Text(UI_TEXT("用 wifi-config ports --probe 找出接着模块的串口，再用 --port "
                                 "指定。")))};
}

Text StepText(unsigned step, unsigned source) {
    if (step == 0 || step > kStepCount) {
        return Text(UI_TEXT("开始配置"));
    }
    if (step == kStepCount) {
        return Text(UI_TEXT("保存参数"));
    }
    return Text(UI_TEXT("第 %1 步（%2）"),
                {Text::Number(step), Text::Named(FieldOfStep(step, source))});
}

Text AwaitedReply(InFlight command, unsigned step) {
    switch (command) {
        case InFlight::Query: return Text(UI_TEXT("读取配置的应答"));
        case InFlight::Connect: return Text(UI_TEXT("连接请求的应答"));
        case InFlight::Write: return Text(UI_TEXT("%1的确认"), {StepText(step)});
        case InFlight::None: break;
    }
    return {};
}

Text Seconds(ReplyClock::Duration duration) {
    const long long ms = duration.count();
    if (ms % 1000 == 0) {
        return Text::Number(ms / 1000);
    }
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(ms) / 1000.0);
    return Text::Literal(text);
}

Message ReportRead() {
    return Note(Text(UI_TEXT("已读取模块参数")));
}

Message Writing(unsigned step, const StepCommand& command) {
    return Note(Text(UI_TEXT("写入 %1/%2：%3"), {Text::Number(step), Text::Number(kCompletionStep),
                                                 Text::Named(FieldOfStep(step, command.source))}));
}

Message StepWithoutValue(unsigned step, const StepCommand& command) {
    return Problem(Text(UI_TEXT("%1没有模块接受的值：没有再发送，参数未保存"),
                        {StepText(step, command.source)}),
                   CorrectThenSubmit());
}

namespace {

// The refusal's own line, when it says more than "ERROR".
Message WithReply(Message message, const std::string& reply) {
    if (!reply.empty() && !IsReplyLine(reply, token::kError)) {
        message.text = Text(UI_TEXT("%1（模块的应答：“%2”）"), {message.text, Reported(reply)});
    }
    return message;
}

Message RefusalWithoutReply(const Exchange& what);

}  // namespace

Message Refusal(const Exchange& what) {
    return WithReply(RefusalWithoutReply(what), what.reply);
}

namespace {

Message RefusalWithoutReply(const Exchange& what) {
    const Text handshakeNext(UI_TEXT("请确认该串口连接的是本模块，然后重新连接。"));
    switch (what.command) {
        case InFlight::Query:
            return Problem(Text(UI_TEXT("模块拒绝了读取配置（AT+SZ_CHECKCONFIG=ALL）")),
                           handshakeNext);
        case InFlight::Connect: {
            const Text refused(UI_TEXT("模块拒绝了连接请求（AT+SZ_CONNECT=START）"));
            return what.writing
                       ? Problem(WithSaveState(refused, NothingSaved()), ConnectAgainThenSubmit())
                       : Problem(refused, handshakeNext);
        }
        case InFlight::Write: break;
        case InFlight::None: return {};
    }
    if (what.step == 0) {
        return Problem(Text(UI_TEXT("模块拒绝了开始配置（AT+SZ_CONFIGURE=START），参数未保存")),
                       ConnectAgainThenSubmit());
    }
    if (what.step == kStepCount) {
        return Problem(Text(UI_TEXT("模块拒绝了保存参数（AT+SZ_SAVE_CONFIG=SAVE），参数未保存")),
                       Text(UI_TEXT("请重新提交；如果仍被拒绝，请重启模块。")));
    }
    return Problem(Text(UI_TEXT("模块拒绝了%1：%2，没有再发送，参数未保存"),
                        {StepText(what.step), Command(what.line)}),
                   Text(UI_TEXT("请检查这一项的值，然后重新提交。")));
}

}  // namespace

Message NoAnswer(const Exchange& what, bool incomplete, ReplyClock::Duration timeout) {
    const Text awaited = AwaitedReply(what.command, what.step);
    Text text;
    bool answeredOtherwise = false;
    if (what.keptSending) {
        text = Text(UI_TEXT("等待%1时模块一直在发送，但 %2 秒内没有完整的应答"),
                    {awaited, Seconds(timeout)});
        if (!what.reply.empty()) {
            text = Text(UI_TEXT("%1（最后一行：“%2”）"), {text, Reported(what.reply)});
        }
        answeredOtherwise = true;
    } else if (!what.reply.empty()) {
        // Something came, but not what the command awaits ("+OK", "ok").
        text = what.command == InFlight::Write
                   ? Text(UI_TEXT("模块应答了“%1”，这不是确认"), {Reported(what.reply)})
                   : Text(UI_TEXT("模块应答了“%1”，不是%2"), {Reported(what.reply), awaited});
        answeredOtherwise = true;
    } else {
        text = incomplete ? Text(UI_TEXT("等待%1时应答不完整：%2 秒内没有再收到数据"),
                                 {awaited, Seconds(timeout)})
                          : Text(UI_TEXT("等待%2时 %1 秒内没有应答"), {Seconds(timeout), awaited});
    }
    const Text notThisModule(UI_TEXT("请确认该串口连接的是本模块，并且它使用这些命令。"));
    if (!what.writing) {
        return Problem(Text(UI_TEXT("%1，连接已关闭"), {text}),
                       answeredOtherwise ? notThisModule : ConnectAgainAfterChecking());
    }
    if (what.command == InFlight::Write && what.step > 0) {
        text = Text(UI_TEXT("已确认至第 %1 步，%2"), {Text::Number(what.step - 1), text});
    }
    const bool save = what.command == InFlight::Write && what.step == kStepCount;
    return Problem(WithSaveState(text, save ? SaveNotConfirmed() : NothingSaved()),
                   save                ? ReadAgainToSeeTheSave()
                   : answeredOtherwise ? notThisModule
                                       : SubmitAgainAfterChecking());
}

Message RepliesOutOfStep(const Exchange& lastSent) {
    if (lastSent.step >= kStepCount) {
        return Problem(Text(UI_TEXT("保存未确认：模块多发了应答（应答比命令多）")),
                       ReadAgainToSeeTheSave());
    }
    return Problem(Text(UI_TEXT("参数未保存：模块在%1之后多发了应答（应答比命令多）"),
                        {Command(lastSent.line)}),
                   ConnectAgainThenSubmit());
}

Message SubmitNotTaken(SubmitRefusal why) {
    return why == SubmitRefusal::Busy
               ? Problem(Text(UI_TEXT("正在等待模块应答，未发送")),
                         Text(UI_TEXT("请等当前的应答或写入结束后再提交。")))
               : Problem(Text(UI_TEXT("模块未连接，未发送")), ConnectFirst());
}

Text RuleBreakText(RuleBreak why) {
    switch (why) {
        case RuleBreak::ControlCharacter: return Text(UI_TEXT("含有换行或其他控制字符"));
        case RuleBreak::TooLong:
            return Text(UI_TEXT("超过 %1 字节"), {Text::Number(kSsidMaxBytes)});
        case RuleBreak::NotANumber: return Text(UI_TEXT("应为 0 到 65535 之间的数字"));
        case RuleBreak::NoValue: return Text(UI_TEXT("未选择"));
        case RuleBreak::NotEncodable: return Text(UI_TEXT("含有当前编码无法表示的字符"));
        case RuleBreak::Unknown: return Text(UI_TEXT("的值未知，请先填写或选择"));
        case RuleBreak::TooLongToSend:
            return Text(UI_TEXT("太长，无法作为一条命令发送（一条命令最多 %1 字节）"),
                        {Text::Number(static_cast<long long>(kMaxLineBytes))});
        case RuleBreak::None: break;
    }
    return {};
}

Message ValueNotSent(unsigned step, unsigned source, RuleBreak why, bool underDhcp) {
    const Text field = Text::Named(FieldOfStep(step, source));
    return Problem(
        Text(UI_TEXT("%1%2，未发送"), {field, RuleBreakText(why)}),
        underDhcp ? Text(UI_TEXT("请取消勾选“启动DHCP”，填写后重新提交。")) : CorrectThenSubmit());
}

Message WriteCompleted() {
    return Note(Text(UI_TEXT("写入 %1/%1：参数已保存"), {Text::Number(kCompletionStep)}));
}

Message WriteVerified() {
    return Note(
        Text(UI_TEXT("写入 %1/%1：参数已保存，读回校验一致"), {Text::Number(kCompletionStep)}));
}

Message ReadingBack() {
    return Note(Text(UI_TEXT("已保存，正在读回校验…")));
}

Text ProtocolNotVerified() {
    return Text(UI_TEXT("%1无法读回校验：没有模块报告它"), {Text::Named(*FindField("protocol"))});
}

Text FormValueText(const Field& field, const std::string& value) {
    switch (field.kind) {
        case FieldKind::List:
        case FieldKind::KeyIndex: {
            const int index = value.empty() ? -1 : std::atoi(value.c_str());
            if (index >= 0 && static_cast<std::size_t>(index) < field.names.size()) {
                return Literal(field.names[static_cast<std::size_t>(index)]);
            }
            return Literal("-");
        }
        case FieldKind::Flag: return Literal(value == "0" ? "false" : "true");
        case FieldKind::Text:
            if (IsSecret(field)) {
                return Literal(kMaskedSecret);
            }
            return Text::Literal("\"" + VisibleBytes(value) + "\"");
        case FieldKind::Address:
        case FieldKind::Command: break;
    }
    return Text::Literal(value);
}

Text ReadBackItem(const ReadBackField& f) {
    const Text name = Text::Named(*f.field);
    const Text wrote = FormValueText(*f.field, f.wrote);
    if (f.has) {
        return Text(UI_TEXT("%1：写入 %2，模块为 %3"),
                    {name, wrote, FormValueText(*f.field, *f.has)});
    }
    if (f.reported) {
        const bool key = IsSecret(*f.field);
        return Text(UI_TEXT("%1：写入 %2，无法判断（模块报告了“%3”）"),
                    {name, wrote, key ? Literal(kMaskedSecret) : Reported(*f.reported)});
    }
    return Text(UI_TEXT("%1：写入 %2，无法判断（模块的报告缺少 %3）"),
                {name, wrote, Literal(f.field->reportKey)});
}

Message ReadBackOutcome(const ReadBack& outcome) {
    switch (outcome.result) {
        case ReadBackResult::Verified: return WriteVerified();
        case ReadBackResult::Differs: {
            std::vector<Text> items;
            for (const ReadBackField& f : outcome.fields) {
                items.push_back(ReadBackItem(f));
            }
            return Problem(Text(UI_TEXT("保存后读回，模块的参数与写入的不符：%1"), {Joined(items)}),
                           Text(UI_TEXT("请重新提交；如果仍然不符，请检查模块。")));
        }
        case ReadBackResult::NotVerified: break;
    }
    Text why;
    switch (outcome.why) {
        case ReadBackFailure::Refused: why = Refusal(outcome.exchange).text; break;
        case ReadBackFailure::NoAnswer:
            why = NoAnswer({outcome.exchange.command, 0, false, outcome.exchange.line,
                            outcome.exchange.reply, outcome.exchange.keptSending},
                           false, ReplyClock::Duration(0))
                      .text;
            break;
        case ReadBackFailure::PortGone:
            why = Text(UI_TEXT("模块保存后断开，没有在限时内回来"));
            break;
        case ReadBackFailure::CannotTell: {
            std::vector<Text> items;
            for (const ReadBackField& f : outcome.fields) {
                items.push_back(ReadBackItem(f));
            }
            why = Joined(items);
            break;
        }
        case ReadBackFailure::None: break;
    }
    return Problem(Text(UI_TEXT("参数已保存，但未能读回校验：%1"), {why}), ReadAgainToSeeTheSave());
}

Text SaveStateAfter(unsigned lastStepSent, bool saveAcknowledged) {
    if (saveAcknowledged) {
        return SavedNotVerified();
    }
    return lastStepSent >= kStepCount ? SaveNotConfirmed() : NothingSaved();
}

Message WriteCutOff(const Exchange& during) {
    const bool acknowledged = during.step >= kCompletionStep;
    const bool sent =
        acknowledged || (during.command == InFlight::Write && during.step == kStepCount);
    return Problem(
        WithSaveState(Text(UI_TEXT("连接已断开")),
                      SaveStateAfter(sent ? kStepCount : 0, acknowledged)),
        sent ? ReadAgainToSeeTheSave() : Text(UI_TEXT("请插好设备，重新连接后再提交。")));
}

Message Modified() {
    return Note(Text(UI_TEXT("已修改，尚未写入")));
}

Message UnknownDhcp(const std::string& reported) {
    return Note(Text(UI_TEXT("模块报告的 DHCP 值“%1”无法识别：请勾选或取消勾选“启动DHCP”后再提交"),
                     {Text::Literal(reported)}));
}

Message UnknownFieldsNotGiven(const std::vector<UnknownValue>& unknown) {
    std::vector<Text> items;
    for (const UnknownValue& u : unknown) {
        const Text name = Text::Named(*u.field);
        if (u.field->reportKey.empty()) {
            // How to give it: "--set protocol=TCP 或 --set protocol=UDP".
            Text ways;
            for (const auto value : u.field->names) {
                std::string set("--set ");
                set.append(u.field->name).append("=").append(value);
                ways =
                    ways.empty() ? Literal(set) : Text(UI_TEXT("%1 或 %2"), {ways, Literal(set)});
            }
            items.push_back(ways.empty()
                                ? Text(UI_TEXT("%1：没有模块报告它"), {name})
                                : Text(UI_TEXT("%1：没有模块报告它，请给出 %2"), {name, ways}));
        } else if (!u.reported) {
            items.push_back(
                Text(UI_TEXT("%1：模块的报告缺少 %2"), {name, Literal(u.field->reportKey)}));
        } else {
            items.push_back(
                Text(UI_TEXT("%1：模块报告了“%2”，表单无法表示"), {name, Reported(*u.reported)}));
        }
    }
    return Problem(
        Text(UI_TEXT("%1；未发送任何命令：请用 --set NAME=VALUE 或在 --from 配置文件中给出值"),
             {Joined(items)}),
        {});
}

Message ReportedValueBreaks(const Field& field, RuleBreak why) {
    return Problem(Text(UI_TEXT("模块报告的%1%2：请用 --set %3=... 给出值"),
                        {Text::Named(field), RuleBreakText(why), Text::Named(field)}),
                   {});
}

std::vector<Message> UnknownFieldsRead(const std::vector<UnknownValue>& unknown) {
    Text absent;
    Text others;
    for (const UnknownValue& u : unknown) {
        const Text name = Text::Named(*u.field);
        if (!u.field->reportKey.empty() && !u.reported) {
            absent = absent.empty() ? name : Text(UI_TEXT("%1, %2"), {absent, name});
            continue;
        }
        const Text item = u.field->reportKey.empty() ? Text(UI_TEXT("%1（没有模块报告它）"), {name})
                                                     : Text(UI_TEXT("%1（模块报告了“%2”）"),
                                                            {name, Reported(*u.reported)});
        others = others.empty() ? item : Text(UI_TEXT("%1, %2"), {others, item});
    }
    std::vector<Message> said;
    if (!absent.empty()) {
        said.push_back(Note(Text(UI_TEXT("模块的报告缺少 %1（显示为 null）"), {absent})));
    }
    if (!others.empty()) {
        said.push_back(Note(Text(UI_TEXT("值未知，显示为 null：%1"), {others})));
    }
    return said;
}

Message TextInOtherEncoding(const Field& field, TextEncoding detected) {
    return Note(Text(UI_TEXT("%1是 %2 编码，已改用 %2 显示"),
                     {Text::Named(field), Literal(EncodingDisplayName(detected))}));
}

Message TextInNoEncoding(const Field& field) {
    return Note(Text(UI_TEXT("%1含有无法识别的字节（显示为 \uFFFD），不修改则原样写回"),
                     {Text::Named(field)}));
}

Message TextNotInChosenEncoding(const Field& field, TextEncoding chosen) {
    return Note(Text(UI_TEXT("%1不是 %2 编码，显示为 \uFFFD，不修改则原样写回"),
                     {Text::Named(field), Literal(EncodingDisplayName(chosen))}));
}

Text ProfileInOtherEncoding(const Field& field, TextEncoding found, TextEncoding chosen) {
    return Text(UI_TEXT("%1是 %2 编码，不是 %3：文字按 %2 解码，配置文件标为 %2"),
                {Text::Named(field), Literal(EncodingName(found)), Literal(EncodingName(chosen))});
}

Text ProfileTextAsBytes(const Field& field, TextEncoding encoding) {
    return Text(UI_TEXT("%1不是有效的 %2 文字：按字节以十六进制给出"),
                {Text::Named(field), Literal(EncodingName(encoding))});
}

Text UnsavedEditsQuestion() {
    return Text(UI_TEXT("修改过的参数还没有写入模块。仍要关闭吗？"));
}

Text ReadAgainQuestion() {
    return Text(
        UI_TEXT("修改过的参数还没有写入模块。重新读取会用模块的参数替换它们，仍要重新读取吗？"));
}

Text AlreadyAsGiven(const std::vector<std::string>& fields) {
    std::string names;
    for (const std::string& f : fields) {
        names += (names.empty() ? "" : ", ") + f;
    }
    return Text(UI_TEXT("模块已是给定的值，仍然写入：%1"), {Text::Literal(names)});
}

Message ImportedNotYetWritten() {
    return Note(Text(UI_TEXT("已导入配置，尚未写入模块：请提交参数")));
}

Text LanguageNextTime() {
    return Text(UI_TEXT("下次打开窗口时使用新的语言。"));
}

Text WindowTitle(std::string_view caption, const std::string& port, bool connected) {
    // The caption is a marked source text of the template: a literal.
    if (!connected) {
        return Text(caption.data());
    }
    const auto link = ParsePortSettings(kLinkSettings);
    const char parity = link->parity == PortSettings::Parity::None   ? 'N'
                        : link->parity == PortSettings::Parity::Even ? 'E'
                                                                     : 'O';
    const std::string settings = std::to_string(link->baud) + " " + std::to_string(link->dataBits) +
                                 parity + std::to_string(link->stopBits);
    return Text(UI_TEXT("%1 — %2 %3"),
                {Text(caption.data()), Text::Literal(port), Text::Literal(settings)});
}

Text OnPort(const std::string& port, const Text& text) {
    return Text(UI_TEXT("串口 %1：%2"), {Port(port), text});
}

Message FileNotSaved(const std::string& path, const std::string& why) {
    return Problem(Text(UI_TEXT("无法保存 %1"), {Text::Literal(path)}),
                   Text(UI_TEXT("请换一个文件夹或文件名。")), why);
}

Message FileNotOpened(const std::string& path, const std::string& why) {
    return Problem(Text(UI_TEXT("无法打开 %1"), {Text::Literal(path)}),
                   Text(UI_TEXT("请检查文件是否存在、能否读取。")), why);
}

Message ProfileNotValid(const std::string& path, const Text& why) {
    return Problem(Text(UI_TEXT("%1 不是有效的配置文件：%2"), {Text::Literal(path), why}),
                   Text(UI_TEXT("请改正文件，然后重新导入。")));
}

Message ImportNeedsAConnection() {
    return Problem(Text(UI_TEXT("模块未连接，无法导入配置")), ConnectFirst());
}

Message ImportRefusedFields(const std::vector<const Field*>& fields) {
    Text names;
    for (const Field* f : fields) {
        names = names.empty() ? Text::Named(*f) : Text(UI_TEXT("%1、%2"), {names, Text::Named(*f)});
    }
    return Problem(Text(UI_TEXT("以下字段当前不能修改，未导入：%1"), {names}),
                   Text(UI_TEXT("请等写入结束后重新导入。")));
}

Text NothingSaved() {
    return Text(UI_TEXT("参数未保存"));
}

Text SaveNotConfirmed() {
    return Text(UI_TEXT("保存未确认"));
}

Text SavedNotVerified() {
    return Text(UI_TEXT("参数已保存，但未读回校验"));
}

Text WithSaveState(const Text& failure, const Text& saveState) {
    return saveState.empty() ? failure : Text(UI_TEXT("%1，%2"), {failure, saveState});
}

Text Interrupted(const Text& saveState) {
    return WithSaveState(Text(UI_TEXT("已中断；没有再发送")), saveState);
}

Text WaitingForAModule() {
    return Text(UI_TEXT("等待模块…"));
}

Text Verifying() {
    return Text(UI_TEXT("校验…"));
}

Text ModuleOk() {
    return Text(UI_TEXT("成功，请取下模块"));
}

Text ModuleFailed(StationFailure why, const std::string& fields) {
    Text reason;
    switch (why) {
        case StationFailure::Refused: reason = Text(UI_TEXT("模块拒绝了命令")); break;
        case StationFailure::Differs:
            reason = Text(UI_TEXT("校验不符：%1"), {Text::Literal(fields)});
            break;
        case StationFailure::NoAnswer: reason = Text(UI_TEXT("模块没有应答")); break;
        case StationFailure::PortFailed: reason = Text(UI_TEXT("串口出错")); break;
        case StationFailure::CannotWrite: reason = Text(UI_TEXT("配置无法写入")); break;
        case StationFailure::Interrupted: reason = Text(UI_TEXT("已中断")); break;
    }
    return Text(UI_TEXT("失败（%1），请取下模块"), {reason});
}

Text StationStep(unsigned step) {
    return Text(UI_TEXT("写入 %1/%2"), {Text::Number(step), Text::Number(kCompletionStep)});
}

Text UnitVerdict(bool ok, int unit, const std::string& port, const std::string& seconds,
                 const Text& more) {
    const Text verdict = ok ? Text(UI_TEXT("✔ 成功")) : Text(UI_TEXT("✘ 失败"));
    const Text line(UI_TEXT("%1  #%2  %3  %4"),
                    {verdict, Text::Number(unit), Text::Literal(port), Text::Literal(seconds)});
    return more.empty() ? line : Text(UI_TEXT("%1  %2"), {line, more});
}

Text RowsRanOut() {
    return Text(UI_TEXT("单元文件的行已用完"));
}

Text StationInterrupted() {
    return Text(UI_TEXT("已中断"));
}

Text AlreadyConfigured() {
    return Text(UI_TEXT("已是此配置"));
}

Text RemoveTheModule() {
    return Text(UI_TEXT("请取下模块"));
}

Text StationCount(int ok, int failed, const Text& state) {
    return Text(UI_TEXT("成功 %1 · 失败 %2 · %3"), {Text::Number(ok), Text::Number(failed), state});
}

Text StationSummary(int ok, int failed) {
    return Text(UI_TEXT("%1 个成功，%2 个失败"), {Text::Number(ok), Text::Number(failed)});
}

}  // namespace wifi
