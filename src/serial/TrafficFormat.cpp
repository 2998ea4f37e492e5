#include "serial/TrafficFormat.h"

#include <cstdio>
#include <ctime>

#include "text/HexDigit.h"

namespace wifi {

namespace {

std::string Hex(unsigned char c) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", c);
    return hex;
}

std::tm Broken(WallClock::time_point time, bool local) {
    const std::time_t t = WallClock::to_time_t(time);
    std::tm parts{};
#ifdef _WIN32
    local ? localtime_s(&parts, &t) : gmtime_s(&parts, &t);
#else
    local ? localtime_r(&t, &parts) : gmtime_r(&t, &parts);
#endif
    return parts;
}

long long Fraction(WallClock::time_point time, long long perSecond) {
    const auto since = time.time_since_epoch();
    const auto whole = std::chrono::duration_cast<std::chrono::seconds>(since);
    return std::chrono::duration_cast<std::chrono::nanoseconds>(since - whole).count() /
           (1'000'000'000LL / perSecond);
}

std::string Formatted(WallClock::time_point time, bool local, const char* pattern) {
    const std::tm parts = Broken(time, local);
    char text[64];
    return std::string(text, std::strftime(text, sizeof text, pattern, &parts));
}

}  // namespace

std::string VisibleBytes(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c >= 0x7f) {
            out += Hex(c);  // control bytes and the bytes of GBK or UTF-8 text
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string VisibleText(std::string_view utf8) {
    std::string out;
    for (unsigned char c : utf8) {
        out += c < 0x20 || c == 0x7f
                   ? VisibleBytes(std::string_view(reinterpret_cast<const char*>(&c), 1))
                   : std::string(1, static_cast<char>(c));
    }
    return out;
}

std::string QuotedBytes(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        switch (c) {
            case '\t': out += "\\t"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default: out += VisibleBytes(std::string_view(reinterpret_cast<const char*>(&c), 1));
        }
    }
    return out;
}

std::string Unquote(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'r') {
            out += '\r';
        } else if (c == 'n') {
            out += '\n';
        } else if (c == 't') {
            out += '\t';
        } else if (c == 'x' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
                   HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::string ClockTime(WallClock::time_point time) {
    char millis[8];
    std::snprintf(millis, sizeof millis, ".%03lld", Fraction(time, 1000));
    return Formatted(time, true, "%H:%M:%S") + millis;
}

std::string LocalDateTime(WallClock::time_point time) {
    char millis[8];
    std::snprintf(millis, sizeof millis, ".%03lld", Fraction(time, 1000));
    return Formatted(time, true, "%Y-%m-%d %H:%M:%S") + millis;
}

std::string UtcStamp(WallClock::time_point time) {
    char micros[16];
    std::snprintf(micros, sizeof micros, ".%06lldZ", Fraction(time, 1'000'000));
    return Formatted(time, false, "%Y-%m-%dT%H:%M:%S") + micros;
}

std::string UtcSeconds(WallClock::time_point time) {
    return Formatted(time, false, "%Y-%m-%dT%H:%M:%SZ");
}

std::string TracePrefix(std::string_view time, std::string_view port, LineDirection direction) {
    std::string out(time);
    out.append(" ").append(port).append(" ");
    out.push_back(static_cast<char>(direction));
    return out.append(" ");
}

std::string TraceLine(std::string_view time, std::string_view port, LineDirection direction,
                      std::string_view line) {
    return TracePrefix(time, port, direction) + VisibleBytes(line);
}

}  // namespace wifi
