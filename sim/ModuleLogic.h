#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ModuleConfig.h"

namespace sim {

// What the module does with one command line: its answer, and whether the
// configuration was saved. Parameter values are staged and take effect only
// at the save; the report always shows the saved configuration.
class ModuleLogic {
  public:
    explicit ModuleLogic(ModuleConfig config);

    struct Outcome {
        std::string answer;  // empty: no answer at all
        bool saved = false;  // the staged values became the configuration
        bool save = false;   // the line was the save command, taken or not
    };
    // line: one command without its "\r\n".
    Outcome Handle(std::string_view line);

    // Commands starting with these prefixes are answered "ERROR\r\n" / never.
    void RefuseCommandsStartingWith(std::string prefix);
    void IgnoreCommandsStartingWith(std::string prefix);
    // Commands starting with this prefix are answered "OK" and change nothing.
    void ForgetCommandsStartingWith(std::string prefix);
    // The report leaves this key's line out.
    void OmitFromReport(std::string key);
    // The report says this value for the key, whatever the configuration
    // holds; a key the configuration lacks gets a line before the last.
    void ReportAs(std::string key, std::string value);
    // After a save, the configure command is refused until a new connect
    // request.
    void RequireConnectAfterSave() { connectAfterSave_ = true; }
    // Refusals are this line (without its "\r\n"), not "ERROR".
    void RefuseWith(std::string line) { refusal_ = std::move(line) + "\r\n"; }
    // The save is acknowledged but not done; the refusal is the server's to
    // send later.
    void AcknowledgeSavesWithoutSaving() { saveIgnored_ = true; }
    // The report's last line comes first.
    void SendPasswordFirst() { passwordFirst_ = true; }
    // Another module takes the line over: its own configuration, nothing
    // staged, nothing of this one's exchange.
    void BecomeAnotherModule();

    const ModuleConfig& config() const { return config_; }

  private:
    bool Apply(std::string_view prefix, std::string_view value);
    std::string Report() const;

    ModuleConfig config_;
    ModuleConfig staged_;
    std::vector<std::string> refused_;
    std::vector<std::string> ignored_;
    std::vector<std::string> forgotten_;
    std::vector<std::string> omitted_;
    std::vector<std::pair<std::string, std::string>> reportedAs_;
    bool connectAfterSave_ = false;
    bool awaitingConnect_ = false;
    std::string refusal_ = "ERROR\r\n";
    bool saveIgnored_ = false;
    bool passwordFirst_ = false;
};

}  // namespace sim
