#include "window/WindowSession.h"

#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/Fields.h"
#include "profile/Files.h"
#include "profile/FormProfile.h"
#include "profile/Profile.h"
#include "serial/CommError.h"
#include "text/TextCodec.h"
#include "wording/Messages.h"
#include "wording/WindowTexts.h"

namespace wifi {

WindowSession::WindowSession(WindowShell& shell, CConfigDlg& dlg, const Controls& controls,
                             EncodedTexts& texts, const TextConverters& converters,
                             WindowStart start)
    : shell_(shell),
      dlg_(dlg),
      controls_(controls),
      texts_(texts),
      converters_(converters),
      start_(std::move(start)),
      ports_(start_.system, start_.namedPorts) {
    dlg_.SetReplyTimeout(start_.timeout);
    progress_.SetTimeout(start_.timeout);
    progress_.show = [this](const Message& m) {
        // What happened and what to do next, on one line; the system's own
        // words belong in a box.
        progressText_ = LaidOut(Message{Said(m), m.problem, {}, {}}).text;
        progressProblem_ = m.problem;
        shell_.ShowProgress(progressText_, m.problem);
    };
    progress_.connection = [this](bool) { shell_.ShowTitle(Title()); };
    progress_.alert = [this](const Message& m) {
        // Shown once the handler has returned: the dialog's state is final.
        const Message onPort{OnPort(ports_.Device(), m.text), true, m.detail, m.next};
        shell_.Later([this, onPort] { Tell(onPort, BoxKind::Warning); });
    };
    dlg_.SetEvents(&progress_);
}

std::string WindowSession::Words(const Text& text) const {
    return text.Format(start_.language, Audience::Window);
}

std::string WindowSession::Words(std::string_view source) const {
    const std::string text(source);
    return Words(Text(text.c_str()));
}

std::string WindowSession::Title() const {
    return Words(WindowTitle(ConfigDialogTemplate().caption, ports_.Device(), dlg_.IsConnected()));
}

BoxText WindowSession::LaidOut(const Message& message) const {
    BoxText box{Words(ConfigDialogTemplate().caption), Words(message.text), Words(message.next)};
    // A sentence starts with a capital, in whichever language.
    if (!box.text.empty() && box.text[0] >= 'a' && box.text[0] <= 'z') {
        box.text[0] = static_cast<char>(box.text[0] - 'a' + 'A');
    }
    if (!message.detail.empty()) {
        box.more.append(box.more.empty() ? "" : "\n").append(message.detail);
    }
    return box;
}

void WindowSession::Start() {
    Run([this] { dlg_.OnInitDialog(); });
    preferences_ = Preferences::Load(shell_.Store());
    // The named ports are listed before the system is asked.
    ports_.Update({});
    if (!start_.namedPorts.empty()) {
        ports_.Choose(start_.namedPorts.front());
    }
    shell_.ShowPorts();
    dlg_.SetVerify(preferences_.verify);
    if (preferences_.encoding && *preferences_.encoding != texts_.encoding()) {
        texts_.SetEncoding(*preferences_.encoding);
    }
    shell_.ShowEncoding(texts_.encoding());
    shell_.ShowTitle(Title());
}

std::pair<int, int> WindowSession::Place(int width, int height) const {
    return WindowPlace(preferences_.position, width, height, shell_.Screens());
}

void WindowSession::Run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const CommError& e) {
        Tell(PortFailure(e), BoxKind::Error);
    }
}

bool WindowSession::Ask(const Text& question, std::string_view yes) {
    return shell_.Ask(QuestionText{Words(ConfigDialogTemplate().caption), Words(question),
                                   Words(yes), Words(kAnswerCancel)});
}

bool WindowSession::MayClose() {
    return !dlg_.HasUnsavedEdits() || Ask(UnsavedEditsQuestion(), kAnswerClose);
}

void WindowSession::Closed(std::pair<int, int> position) {
    preferences_.position = position;
    SavePreferences();
}

void WindowSession::SavePreferences() {
    if (!ports_.Device().empty()) {
        preferences_.port = ports_.Device();
        preferences_.portSerial = ports_.SerialNumber();
    }
    preferences_.encoding = texts_.encoding();
    preferences_.Save(shell_.Store());
}

void WindowSession::ReadAgain() {
    if (dlg_.HasUnsavedEdits() && !Ask(ReadAgainQuestion(), kAnswerReadAgain)) {
        return;
    }
    Run([this] { dlg_.ReadAgain(); });
}

void WindowSession::SetVerify(bool on) {
    preferences_.verify = on;
    dlg_.SetVerify(on);
    preferences_.Save(shell_.Store());
}

void WindowSession::ChooseLanguage(Language language) {
    // Every text of the template is made once: the next start speaks it.
    preferences_.language = std::string(LanguageCode(language));
    preferences_.Save(shell_.Store());
    if (language != start_.language) {
        Tell(Message{LanguageNextTime(), false, {}, {}}, BoxKind::Information);
    }
}

void WindowSession::EncodingChosen(TextEncoding encoding) {
    const auto lossy = texts_.SetEncoding(encoding);
    if (!lossy.empty()) {
        progress_.Note(TextNotInChosenEncoding(FieldOfControl(lossy.front()), encoding));
    }
}

void WindowSession::ForeignText(int id, std::optional<TextEncoding> detected) {
    if (!detected) {
        progress_.Note(TextInNoEncoding(FieldOfControl(id)));
        return;
    }
    // The choice follows the module, and says so.
    texts_.SetEncoding(*detected);
    shell_.ShowEncoding(*detected);
    progress_.Note(TextInOtherEncoding(FieldOfControl(id), *detected));
}

std::optional<Message> WindowSession::ExportProfileTo(const std::string& path) const {
    return ExportFormProfile(path, controls_, dlg_.UnknownFields(), texts_.encoding(), converters_);
}

std::optional<Message> WindowSession::ImportProfileFrom(const std::string& path, UserInput& input) {
    // The form takes values only from a connected module: what the file
    // leaves out keeps the module's values, as on the command line.
    if (!dlg_.IsConnected()) {
        return ImportNeedsAConnection();
    }
    std::optional<Message> wrong;
    Run([&] { wrong = ImportFormProfile(path, controls_, input, texts_.encoding()); });
    if (!wrong) {
        progress_.Imported();
    }
    return wrong;
}

void WindowSession::ExportProfile() {
    // Named after the network, so that a folder of profiles reads as a list
    // of networks.
    const std::string ssid =
        TextCodec(texts_.encoding(), converters_).DecodeLossy(controls_.GetText(IDC_SSID));
    const auto path = shell_.ChooseFile(
        {true, Words(kExportTitle), Words(kProfileFilter), "*.json", ProfileFileName(ssid)});
    if (!path) {
        return;
    }
    if (const auto wrong = ExportProfileTo(WithJsonSuffix(*path))) {
        Tell(*wrong, BoxKind::Warning);
    }
}

void WindowSession::ImportProfile(UserInput& input) {
    // Asked before a file is chosen: without a module the choice is wasted.
    if (!dlg_.IsConnected()) {
        Tell(ImportNeedsAConnection(), BoxKind::Warning);
        return;
    }
    const auto path =
        shell_.ChooseFile({false, Words(kImportTitle), Words(kProfileFilter), "*.json", {}});
    if (!path) {
        return;
    }
    if (const auto wrong = ImportProfileFrom(*path, input)) {
        Tell(*wrong, BoxKind::Warning);
    }
}

void WindowSession::PortLost(const std::string& detail) {
    // The progress line says what became of a write; the box, that the
    // device is gone, with the system's words below.
    Run([this] { dlg_.OnPortLost(); });
    if (dlg_.AwaitingModuleReturn()) {
        return;  // a module restarting after its save: read back when it is back
    }
    Tell(::wifi::PortLost(ports_.Device(), detail), BoxKind::Warning);
}

void WindowSession::FindPorts() {
    if (portsFound_) {
        return;
    }
    portsFound_ = true;
    const std::string chosen = ports_.Device();
    if (start_.ports) {
        ports_.Update(start_.ports());
    }
    // A port named at start, else the adapter by its serial number: it may
    // be back under another name. A choice the user made meanwhile stands.
    if (!start_.namedPorts.empty()) {
        if (chosen.empty() || chosen == start_.namedPorts.front()) {
            ports_.Choose(start_.namedPorts.front());
        }
    } else if (chosen.empty()) {
        ports_.Choose(preferences_.port, preferences_.portSerial);
    }
    shell_.ShowPorts();
}

void WindowSession::RefreshPorts() {
    // The list follows the system only while a port may be chosen: the open
    // port's entry never moves under a running exchange.
    if (!start_.ports || !dlg_.PortSelectable() || dlg_.IsWriting()) {
        return;
    }
    if (!portsFound_) {
        FindPorts();
        return;
    }
    if (ports_.Update(start_.ports())) {
        shell_.ShowPorts();
    }
}

void WindowSession::Tap(LineDirection direction, const std::string& line) {
    traffic_.Add(ports_.Device(), direction, line);
}

TrafficHistory::View WindowSession::TrafficView(bool unmasked, bool hex) const {
    TrafficHistory::View view{unmasked, {}};
    if (!hex) {
        view.decode = [this](std::string_view bytes) {
            return TextCodec(texts_.encoding(), converters_).Decode(bytes);
        };
    }
    return view;
}

std::string WindowSession::TrafficText(bool unmasked, bool hex) const {
    const TrafficHistory::View view = TrafficView(unmasked, hex);
    std::string text;
    for (const TrafficHistory::Entry& e : traffic_.entries()) {
        text.append(TrafficHistory::Render(e, view)).append("\n");
    }
    return text;
}

void WindowSession::SaveTraffic(bool unmasked, bool hex) {
    const auto path =
        shell_.ChooseFile({true, Words(kTrafficSaveTitle), Words(kTextFilter), "*.txt", {}});
    if (!path) {
        return;
    }
    std::string why;
    // With the key shown, the log is its owner's alone.
    if (!WriteFileBytes(*path, TrafficText(unmasked, hex), why,
                        unmasked ? FileAccess::OwnerOnly : FileAccess::Shared)) {
        Tell(FileNotSaved(*path, why), BoxKind::Warning);
    }
}

void WindowSession::ShowWholeProgress() {
    if (!progressText_.empty()) {
        shell_.Tell(BoxText{Words(ConfigDialogTemplate().caption), progressText_, {}},
                    progressProblem_ ? BoxKind::Warning : BoxKind::Information);
    }
}

Language StartLanguage(std::optional<Language> asked, const PreferenceStore& store,
                       std::string_view locale, const std::function<bool()>& chineseFont,
                       std::string& why) {
    const Language chosen =
        ChooseLanguage(asked, LanguageNamed(Preferences::Load(store).language), locale);
    return ShowableLanguage(chosen, chosen != Language::Chinese || chineseFont(), why);
}

}  // namespace wifi
