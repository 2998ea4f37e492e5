#include "text/ModuleTexts.h"

namespace wifi {

ModuleTexts::Shown ModuleTexts::Report(int id, std::string_view bytes) {
    const auto decoded = codec_.Decode(bytes);
    Shown shown{decoded ? *decoded : codec_.DecodeLossy(bytes), decoded.has_value()};
    reported_[id] = Reported{std::string(bytes), shown.text};
    return shown;
}

ModuleTexts::Shown ModuleTexts::Type(int id, std::string_view bytes) {
    if (const auto text = codec_.Decode(bytes)) {
        reported_.erase(id);
        return Shown{*text, true};
    }
    return Report(id, bytes);
}

bool ModuleTexts::Untouched(int id, std::string_view shown) const {
    const auto it = reported_.find(id);
    return it != reported_.end() && it->second.shown == shown;
}

std::string ModuleTexts::BytesFor(int id, std::string_view shown) const {
    if (Untouched(id, shown)) {
        return reported_.at(id).bytes;
    }
    return codec_.Encode(shown).value_or(std::string(shown));
}

bool ModuleTexts::CanCarry(int id, std::string_view shown) const {
    if (Untouched(id, shown)) {
        return true;  // the reported bytes go back
    }
    // An edited text that still shows the replacement character for bytes
    // that did not decode would send that character's bytes, not the
    // module's: refused like any character the encoding lacks.
    return shown.find(kReplacementCharacter) == std::string_view::npos &&
           codec_.Encode(shown).has_value();
}

std::vector<ModuleTexts::Reshown> ModuleTexts::SetEncoding(
    TextEncoding encoding, const std::function<std::string(int id)>& shownNow) {
    codec_ = TextCodec(encoding, *converters_);
    std::vector<Reshown> reshown;
    for (auto& [id, reported] : reported_) {
        if (shownNow(id) != reported.shown) {
            continue;  // typed: the text stays, and goes out in the new encoding
        }
        const auto decoded = codec_.Decode(reported.bytes);
        reported.shown = decoded ? *decoded : codec_.DecodeLossy(reported.bytes);
        reshown.push_back({id, Shown{reported.shown, decoded.has_value()}});
    }
    return reshown;
}

}  // namespace wifi
