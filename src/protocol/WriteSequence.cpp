#include "protocol/WriteSequence.h"

#include "protocol/Commands.h"

namespace wifi {

namespace {

constexpr std::array<std::string_view, kStepCount> kSteps = {
    cmd::kSsid,          cmd::kNetworkType, cmd::kSecurity,
    cmd::kWepIndex,      cmd::kSecurityKey, cmd::kDhcp,
    cmd::kIpDefault,     cmd::kMaskDefault, cmd::kGateDefault,
    cmd::kDnsDefault,    cmd::kTcpUdpModel, cmd::kScModel,
    cmd::kTcpServerIp,   cmd::kScPort,      cmd::kBaudRate,
    cmd::kUartDataCheck, cmd::kUartDataBit, cmd::kUartDataStopBit,
    cmd::kDateLength,    cmd::kDateTimeout, cmd::kSaveConfig,
};

// The value a list index stands for in its command; nothing when the command
// has no token for it.
template <std::size_t N>
std::optional<std::string_view> Token(const std::array<std::string_view, N>& tokens, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) {
        return std::nullopt;
    }
    return tokens[static_cast<std::size_t>(index)];
}

// The key slot digit is zero-based; the letter is the key format.
constexpr std::array<std::string_view, 8> kWepIndices = {"0H", "1H", "2H", "3H",
                                                         "0A", "1A", "2A", "3A"};

std::optional<std::string_view> WepIndex(int keyFormat, int keyIndex) {
    if (keyFormat < 0 || keyFormat > 1 || keyIndex < 0 || keyIndex > 3) {
        return std::nullopt;
    }
    return kWepIndices[static_cast<std::size_t>(keyFormat) * 4 +
                       static_cast<std::size_t>(keyIndex)];
}

// Parity is the one mapped step that always sends: anything but odd or even
// is no parity, an empty value.
std::string_view ParityValue(int parity) {
    return parity == 1 || parity == 2 ? cmd::kParityValues[static_cast<std::size_t>(parity)]
                                      : cmd::kParityValues[0];
}

std::optional<std::string_view> DhcpValue(int dhcp) {
    if (dhcp < 0) {
        return std::nullopt;
    }
    return cmd::kDhcpValues[dhcp > 0 ? 1 : 0];
}

std::optional<std::string_view> StepValue(unsigned step, const WriteSource& src) {
    const ConfigSnapshot& s = src.snapshot;
    switch (step) {
        case 1: return src.ssid;
        case 2: return Token(cmd::kNetworkTypeValues, s.netType);
        case 3: return Token(cmd::kSecurityValues, s.security);
        case 4: return WepIndex(s.keyFormat, s.keyIndex);
        case 5: return src.key;
        case 6: return DhcpValue(src.dhcp);
        case 7: return s.ipText;
        case 8: return s.maskText;
        case 9: return s.gatewayText;
        case 10: return s.dnsText;
        case 11: return Token(cmd::kProtocolValues, s.protocol);
        case 12: return Token(cmd::kCsModeValues, s.csMode);
        case 13: return s.serverIpText;
        case 14: return src.serverPort;
        case 15: return s.baudText;
        case 16: return ParityValue(s.parity);
        case 17: return s.dataBitsText;
        case 18: return s.stopBitsText;
        case 19: return src.frameLen;
        case 20: return src.frameTime;
        case 21: return cmd::kSaveValue;
        default: return std::nullopt;
    }
}

}  // namespace

const std::array<std::string_view, kStepCount>& WriteSteps() {
    return kSteps;
}

StepCommand BuildStepCommand(unsigned step, const WriteSource& source) {
    if (step < 1 || step > kStepCount) {
        return {};
    }
    StepCommand out;
    if (step == 4) {
        const int format = source.snapshot.keyFormat;
        out.source = format < 0 || format > 1 ? 0 : 1;
    }
    const auto value = StepValue(step, source);
    if (!value) {
        out.skip = StepSkip::NoToken;
    } else if (HoldsLineEnd(*value)) {
        out.skip = StepSkip::LineEnd;
    } else {
        out.line = CommandLine(kSteps[step - 1], *value);
    }
    return out;
}

}  // namespace wifi
