#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/Fields.h"
#include "form/UiText.h"
#include "wording/Language.h"

namespace wifi {

// Who reads a text: a window names a field by its label ("波特率", "baud
// rate"), the command line by the name that --set and profiles take
// ("baudRate").
enum class Audience { Window, CommandLine };

// A text the tool shows, before it is put in a language: a source text marked
// for translation (the Chinese, as written in the code with UI_TEXT), with
// what fills its %1, %2 ..., each a text of its own; or a literal, shown as
// it is (a port, a number, a command line); or a field, named for the
// audience.
class Text {
  public:
    Text() = default;
    // A source text marked with UI_TEXT (its context "wifi").
    explicit Text(const char* source, std::vector<Text> args = {})
        : kind_(Kind::Source), source_(source), args_(std::move(args)) {}
    static Text Literal(std::string value);
    static Text Number(long long value) { return Literal(std::to_string(value)); }
    static Text Named(const Field& field);
    // A source text marked with UI_TEXT_IN(context, ...).
    static Text In(const char* context, const char* source, std::vector<Text> args = {});

    bool empty() const { return kind_ == Kind::None; }
    // The text in the language: the source's translation (the source itself
    // in Chinese, and where a translation is missing), each %n filled.
    std::string Format(Language language, Audience audience = Audience::Window) const;

  private:
    enum class Kind { None, Source, Literal, Field };
    Kind kind_ = Kind::None;
    const char* context_ = "wifi";
    const char* source_ = nullptr;
    std::string literal_;
    const Field* field_ = nullptr;
    std::vector<Text> args_;
};

// What a front end shows: a text, whether it reports a problem (a window
// shows it in red, the command line on standard error), the system's own
// words for it, if any, to be shown apart (a detail line), and for a problem
// the one plain thing to do next.
struct Message {
    Text text;
    bool problem = false;
    std::string detail;
    Text next;
};

// The English of a marked source text in its context; nothing when the
// translation lacks it. Made at build time from the translation file.
std::string_view EnglishOf(std::string_view context, std::string_view source);

}  // namespace wifi
