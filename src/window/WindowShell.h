#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "profile/Placement.h"
#include "profile/Preferences.h"
#include "text/TextEncoding.h"

namespace wifi {

// A box's words, laid out once for every window: what happened, and below it
// what to do next and the system's own words. UTF-8, in the window's language.
struct BoxText {
    std::string title;
    std::string text;
    std::string more;
};
enum class BoxKind { Information, Warning, Error };

// A question with its two answers' captions. The second keeps things as they
// are, and is the default.
struct QuestionText {
    std::string title;
    std::string text;
    std::string yes;
    std::string no;
};

// What a file chooser is asked.
struct FileChoice {
    bool save = false;
    std::string title;
    std::string filter;     // "配置文件 (*.json)"
    std::string pattern;    // "*.json"
    std::string suggested;  // the name offered when saving
};

// What only a window can do, for its session: show, ask, choose, remember.
// Each window implements these and decides nothing in them.
class WindowShell {
  public:
    virtual ~WindowShell() = default;
    // A modal question; true for the first answer.
    virtual bool Ask(const QuestionText& question) = 0;
    virtual void Tell(const BoxText& box, BoxKind kind) = 0;
    // The path (UTF-8) the user chose, or nothing when cancelled.
    virtual std::optional<std::string> ChooseFile(const FileChoice& choice) = 0;
    // The progress line beside the submit button; a problem in red.
    virtual void ShowProgress(const std::string& text, bool problem) = 0;
    virtual void ShowTitle(const std::string& title) = 0;
    // The encoding list shows this choice (raising nothing).
    virtual void ShowEncoding(TextEncoding encoding) = 0;
    // The port list shows the session's entries and choice again.
    virtual void ShowPorts() = 0;
    // Runs the task once the handler now running has returned.
    virtual void Later(std::function<void()> task) = 0;
    // The screens' work areas, the primary first.
    virtual std::vector<ScreenArea> Screens() const = 0;
    virtual PreferenceStore& Store() = 0;
};

// The form's module texts (SSID, key) and the encoding they are shown in.
class EncodedTexts {
  public:
    virtual ~EncodedTexts() = default;
    virtual TextEncoding encoding() const = 0;
    // Re-decodes the untouched reported texts; the ids of those not valid in
    // the new encoding.
    virtual std::vector<int> SetEncoding(TextEncoding encoding) = 0;
};

}  // namespace wifi
