#include "OperatorScreen.h"

#include "JobSession.h"
#include "ports/PortInfo.h"
#include "wording/Messages.h"

namespace cli {

using namespace wifi;

namespace {

constexpr const char* kGreen = "\033[1;32m";
constexpr const char* kRed = "\033[1;31m";
constexpr const char* kPlain = "\033[0m";
constexpr const char* kClearLine = "\r\033[K";

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

}  // namespace

OperatorScreen::OperatorScreen(std::FILE* screen, bool live, bool colour, bool bell)
    : screen_(screen), live_(live), colour_(live && colour), bell_(live && bell) {}

void OperatorScreen::ClearCount() {
    if (countShown_) {
        std::fputs(kClearLine, screen_);
        countShown_ = false;
    }
}

int OperatorScreen::passed() const {
    const std::lock_guard<std::mutex> hold(lock_);
    return passed_;
}

int OperatorScreen::failed() const {
    const std::lock_guard<std::mutex> hold(lock_);
    return failed_;
}

void OperatorScreen::Count(const std::string& port, const Text& state) {
    states_[port] = state;
    ShowCount();
}

void OperatorScreen::ShowCount() {
    if (states_.empty()) {
        return;
    }
    // One bench: its state; several: each port's, by its short name.
    Text states;
    for (const auto& [port, state] : states_) {
        const Text one = states_.size() == 1
                             ? state
                             : Text(UI_TEXT("%1 %2"), {Text::Literal(ShortName(port)), state});
        states = states.empty() ? one : Text(UI_TEXT("%1 · %2"), {states, one});
    }
    const std::string line = Spoken(StationCount(passed_, failed_, states));
    if (live_) {
        std::fprintf(screen_, "%s%s", kClearLine, line.c_str());
        countShown_ = true;
    } else {
        std::fprintf(screen_, "%s\n", line.c_str());
    }
    std::fflush(screen_);
}

void OperatorScreen::Say(const std::string& text) {
    const std::lock_guard<std::mutex> hold(lock_);
    SayLocked(text);
}

void OperatorScreen::SayLocked(const std::string& text) {
    ClearCount();
    std::fprintf(screen_, "%s\n", text.c_str());
    if (live_) {
        ShowCount();
    }
}

void OperatorScreen::Say(const Text& text) {
    Say(Spoken(text));
}

void OperatorScreen::Waiting(const std::string& port) {
    const std::lock_guard<std::mutex> hold(lock_);
    Count(port, WaitingForAModule());
}

void OperatorScreen::Step(const std::string& port, unsigned step) {
    // Every step is a line of its own where nothing is rewritten: left out.
    const std::lock_guard<std::mutex> hold(lock_);
    if (live_) {
        Count(port, StationStep(step));
    } else {
        states_[port] = StationStep(step);
    }
}

void OperatorScreen::RemoveIt(const std::string& port) {
    const std::lock_guard<std::mutex> hold(lock_);
    Count(port, RemoveTheModule());
}

void OperatorScreen::Verdict(bool ok, const std::string& line) {
    ClearCount();
    if (colour_) {
        std::fprintf(screen_, "%s%s%s\n", ok ? kGreen : kRed, line.c_str(), kPlain);
    } else {
        std::fprintf(screen_, "%s\n", line.c_str());
    }
    if (!ok && bell_) {
        std::fputc('\a', screen_);
    }
    if (live_) {
        ShowCount();
    }
    std::fflush(screen_);
}

void OperatorScreen::Passed(int unit, const std::string& port, double seconds, bool already) {
    const std::lock_guard<std::mutex> hold(lock_);
    ++passed_;
    Verdict(true, Spoken(UnitVerdict(true, unit, port, Seconds(seconds),
                                     already ? AlreadyConfigured() : Text())));
}

void OperatorScreen::Failed(int unit, const std::string& port, double seconds,
                            const std::string& reason) {
    const std::lock_guard<std::mutex> hold(lock_);
    ++failed_;
    Verdict(false, Spoken(UnitVerdict(false, unit, port, Seconds(seconds), Text::Literal(reason))));
}

void OperatorScreen::Finish() {
    const std::lock_guard<std::mutex> hold(lock_);
    ClearCount();
    std::fprintf(screen_, "%s\n", Spoken(StationSummary(passed_, failed_)).c_str());
    std::fflush(screen_);
}

}  // namespace cli
