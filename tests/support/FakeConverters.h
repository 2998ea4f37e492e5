#pragma once

#include <map>
#include <string>

#include "text/TextConverter.h"

namespace wifi::testing {

// Converters with a few characters each, to test the rules on bytes without
// a real library: ASCII is itself in both; "测" is E6 B5 8B in UTF-8 and
// B2 E2 in GBK. GBK here also reads 80 as "€" but writes "€" as A2 E3, as a
// converter whose two directions disagree would: such bytes must never
// stand for a text.
class FakeConverter : public TextConverter {
  public:
    explicit FakeConverter(std::map<std::string, std::string> toUtf8,
                           std::map<std::string, std::string> fromUtf8)
        : toUtf8_(std::move(toUtf8)), fromUtf8_(std::move(fromUtf8)) {}

    std::optional<std::string> ToUtf8(std::string_view bytes) const override {
        return Convert(bytes, toUtf8_, false);
    }
    std::string ToUtf8Lossy(std::string_view bytes) const override {
        return Convert(bytes, toUtf8_, true).value_or(std::string());
    }
    std::optional<std::string> FromUtf8(std::string_view text) const override {
        return Convert(text, fromUtf8_, false);
    }

  private:
    static std::optional<std::string> Convert(std::string_view in,
                                              const std::map<std::string, std::string>& table,
                                              bool lossy) {
        std::string out;
        for (std::size_t i = 0; i < in.size();) {
            if (static_cast<unsigned char>(in[i]) < 0x80) {
                out += in[i++];
                continue;
            }
            bool found = false;
            for (const auto& [from, to] : table) {
                if (in.substr(i, from.size()) == from) {
                    out += to;
                    i += from.size();
                    found = true;
                    break;
                }
            }
            if (!found) {
                if (!lossy) {
                    return std::nullopt;
                }
                out += "\xEF\xBF\xBD";
                ++i;
            }
        }
        return out;
    }
    std::map<std::string, std::string> toUtf8_;
    std::map<std::string, std::string> fromUtf8_;
};

class FakeConverters : public TextConverters {
  public:
    const TextConverter& For(TextEncoding encoding) const override {
        return encoding == TextEncoding::Gbk ? gbk_ : utf8_;
    }

  private:
    FakeConverter utf8_{{{"\xE6\xB5\x8B", "\xE6\xB5\x8B"}}, {{"\xE6\xB5\x8B", "\xE6\xB5\x8B"}}};
    FakeConverter gbk_{{{"\xB2\xE2", "\xE6\xB5\x8B"}, {"\x80", "\xE2\x82\xAC"}},
                       {{"\xE6\xB5\x8B", "\xB2\xE2"}, {"\xE2\x82\xAC", "\xA2\xE3"}}};
};

}  // namespace wifi::testing
