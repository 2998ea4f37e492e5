#include "wording/Text.h"

#include <map>
#include <utility>

#include "EnglishTexts.h"
#include "wording/CommandLineSteps.h"

namespace wifi {

Text Text::Literal(std::string value) {
    Text t;
    t.kind_ = Kind::Literal;
    t.literal_ = std::move(value);
    return t;
}

Text Text::Named(const Field& field) {
    Text t;
    t.kind_ = Kind::Field;
    t.field_ = &field;
    return t;
}

Text Text::In(const char* context, const char* source, std::vector<Text> args) {
    Text t(source, std::move(args));
    t.context_ = context;
    return t;
}

std::string_view EnglishOf(std::string_view context, std::string_view source) {
    static const auto table = [] {
        std::map<std::pair<std::string_view, std::string_view>, std::string_view> map;
        for (const EnglishText& t : kEnglishTexts) {
            map.emplace(std::pair{t.context, t.source}, t.english);
        }
        return map;
    }();
    const auto it = table.find({context, source});
    return it == table.end() ? std::string_view() : it->second;
}

std::string Text::Format(Language language, Audience audience) const {
    switch (kind_) {
        case Kind::None: return {};
        case Kind::Literal: return literal_;
        case Kind::Field:
            return audience == Audience::CommandLine
                       ? std::string(field_->name)
                       : In("field", field_->label.data()).Format(language, audience);
        case Kind::Source: break;
    }
    std::string_view pattern = source_;
    if (audience == Audience::CommandLine && std::string_view(context_) == "wifi") {
        pattern = CommandLineStep(pattern);
    }
    const std::string_view source = pattern;
    if (language == Language::English) {
        const std::string_view english = EnglishOf(context_, source);
        pattern = english.empty() ? pattern : english;
    }
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto n = static_cast<std::size_t>(next - '1');
            if (n < args_.size()) {
                out += args_[n].Format(language, audience);
            }
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace wifi
