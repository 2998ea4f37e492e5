#pragma once

#include <cstdio>
#include <map>
#include <mutex>
#include <string>

#include "wording/Text.h"

namespace cli {

// What the station's operator reads. On a terminal: one line per module,
// large and plain, a green "✔ 成功" or a red "✘ 失败" with the unit's number,
// the port, the seconds and why; a bell on a failure; and below them a count
// line kept up to date in place ("成功 12 · 失败 1 · 等待模块…"). Elsewhere
// (a pipe, a file) the same lines without colour or rewriting. Several
// benches share one screen: the count line names each port's state, and the
// calls may come from each bench's thread.
class OperatorScreen {
  public:
    // live: the screen is a terminal; colour: it may be coloured (no
    // NO_COLOR); bell: a failure rings it.
    OperatorScreen(std::FILE* screen, bool live, bool colour, bool bell);

    // A note of the station's own (a port that cannot be opened).
    void Say(const std::string& text);
    void Say(const wifi::Text& text);
    // The count line's state on a port: waiting for a module, writing,
    // remove it.
    void Waiting(const std::string& port);
    void Step(const std::string& port, unsigned step);
    void RemoveIt(const std::string& port);
    // A module's verdict. reason: why it failed; already: every field it
    // reported was as the profile has it.
    void Passed(int unit, const std::string& port, double seconds, bool already);
    void Failed(int unit, const std::string& port, double seconds, const std::string& reason);
    // The summary, at the end.
    void Finish();

    int passed() const;
    int failed() const;

  private:
    void Verdict(bool ok, const std::string& line);
    void Count(const std::string& port, const wifi::Text& state);
    void ShowCount();
    void ClearCount();
    void SayLocked(const std::string& text);

    std::FILE* screen_;
    bool live_;
    bool colour_;
    bool bell_;
    int passed_ = 0;
    int failed_ = 0;
    bool countShown_ = false;
    std::map<std::string, wifi::Text> states_;  // by port
    mutable std::mutex lock_;
};

}  // namespace cli
