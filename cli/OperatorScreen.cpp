#include "OperatorScreen.h"

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
    : screen_(screen),
      live_(live),
      colour_(live && colour),
      bell_(live && bell),
      language_(LanguageOfLocale(EnvironmentLocale())) {}

void OperatorScreen::ClearCount() {
    if (countShown_) {
        std::fputs(kClearLine, screen_);
        countShown_ = false;
    }
}

void OperatorScreen::Count(const Text& state) {
    state_ = state;
    const std::string line =
        StationCount(passed_, failed_, state).Format(language_, Audience::CommandLine);
    if (live_) {
        std::fprintf(screen_, "%s%s", kClearLine, line.c_str());
        countShown_ = true;
    } else {
        std::fprintf(screen_, "%s\n", line.c_str());
    }
    std::fflush(screen_);
}

void OperatorScreen::Say(const std::string& text) {
    ClearCount();
    std::fprintf(screen_, "%s\n", text.c_str());
    if (live_ && !state_.empty()) {
        Count(state_);
    }
}

void OperatorScreen::Say(const Text& text) {
    Say(text.Format(language_, Audience::CommandLine));
}

void OperatorScreen::Waiting() {
    Count(WaitingForAModule());
}

void OperatorScreen::Step(unsigned step) {
    // Every step is a line of its own where nothing is rewritten: left out.
    if (live_) {
        Count(StationStep(step));
    }
}

void OperatorScreen::RemoveIt() {
    Count(RemoveTheModule());
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
    std::fflush(screen_);
}

void OperatorScreen::Passed(int unit, const std::string& port, double seconds, bool already) {
    ++passed_;
    Verdict(true,
            UnitVerdict(true, unit, port, Seconds(seconds), already ? AlreadyConfigured() : Text())
                .Format(language_, Audience::CommandLine));
}

void OperatorScreen::Failed(int unit, const std::string& port, double seconds,
                            const std::string& reason) {
    ++failed_;
    Verdict(false, UnitVerdict(false, unit, port, Seconds(seconds), Text::Literal(reason))
                       .Format(language_, Audience::CommandLine));
}

void OperatorScreen::Finish() {
    ClearCount();
    std::fprintf(screen_, "%s\n",
                 StationSummary(passed_, failed_).Format(language_, Audience::CommandLine).c_str());
    std::fflush(screen_);
}

}  // namespace cli
