#pragma once

// A window's primitives in memory, for its session: each question and box is
// recorded with its words; answers, chosen files and the screens are set by
// the test; tasks asked for later run when the test says.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "window/WindowShell.h"

namespace wifi::testing {

class MemoryStore : public PreferenceStore {
  public:
    std::optional<std::string> Get(std::string_view key) const override {
        const auto at = values.find(std::string(key));
        return at == values.end() ? std::nullopt : std::optional<std::string>(at->second);
    }
    void Set(std::string_view key, std::string_view value) override {
        values[std::string(key)] = std::string(value);
    }
    std::map<std::string, std::string> values;
};

class FakeShell : public WindowShell {
  public:
    bool Ask(const QuestionText& question) override {
        questions.push_back(question);
        return answer;
    }
    void Tell(const BoxText& box, BoxKind kind) override { boxes.push_back({box, kind}); }
    std::optional<std::string> ChooseFile(const FileChoice& choice) override {
        choices.push_back(choice);
        return file;
    }
    void ShowProgress(const std::string& text, bool problem) override {
        progress = text;
        progressProblem = problem;
    }
    void ShowTitle(const std::string& shown) override { title = shown; }
    void ShowEncoding(TextEncoding shown) override { encoding = shown; }
    void ShowPorts() override { ++portsShown; }
    void Later(std::function<void()> task) override { later.push_back(std::move(task)); }
    std::vector<ScreenArea> Screens() const override { return screens; }
    PreferenceStore& Store() override { return store; }

    // The tasks asked for later, as the window's loop runs them.
    void RunLater() {
        while (!later.empty()) {
            auto task = std::move(later.front());
            later.pop_front();
            task();
        }
    }

    bool answer = false;              // to every question
    std::optional<std::string> file;  // the file every chooser returns
    std::vector<ScreenArea> screens{{0, 0, 1920, 1040}};
    MemoryStore store;

    std::vector<QuestionText> questions;
    struct Box {
        BoxText text;
        BoxKind kind;
    };
    std::vector<Box> boxes;
    std::vector<FileChoice> choices;
    std::string progress;
    bool progressProblem = false;
    std::string title;
    std::optional<TextEncoding> encoding;
    int portsShown = 0;
    std::deque<std::function<void()>> later;
};

// The form's texts' encoding: what the session set, and which fields would
// not decode in it.
class FakeTexts : public EncodedTexts {
  public:
    TextEncoding encoding() const override { return current; }
    std::vector<int> SetEncoding(TextEncoding chosen) override {
        current = chosen;
        return lossy;
    }
    TextEncoding current = TextEncoding::Utf8;
    std::vector<int> lossy;
};

}  // namespace wifi::testing
