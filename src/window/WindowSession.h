#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "form/ConfigDlg.h"
#include "form/UserInput.h"
#include "ports/PortInfo.h"
#include "protocol/ReplyTimeout.h"
#include "serial/TrafficHistory.h"
#include "text/TextConverter.h"
#include "window/WindowShell.h"
#include "wording/Language.h"
#include "wording/ProgressLine.h"

namespace wifi {

// What a window was started with.
struct WindowStart {
    Language language = Language::Chinese;
    std::vector<std::string> namedPorts;  // --port: listed, the first chosen
    ReplyClock::Duration timeout = kDefaultReplyTimeout;
    PortSystem system = ThisSystem();
    PortSource ports;  // what the system reports of its serial ports
};

// Everything a window decides beyond drawing, once for every window: the
// questions before closing and reading again, what is remembered between
// runs, the encoding's choice, profiles, the port's loss and failures, when
// the port list follows the system, the traffic log's file, and every box's
// words. A window draws, routes its controls' events to the dialog and its
// menu to here, and supplies the primitives of its WindowShell.
class WindowSession {
  public:
    WindowSession(WindowShell& shell, CConfigDlg& dlg, const Controls& controls,
                  EncodedTexts& texts, const TextConverters& converters, WindowStart start);
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    Language language() const { return start_.language; }
    // The window's title: the template's caption, and the port while connected.
    std::string Title() const;
    // A core text in the window's language.
    std::string Words(const Text& text) const;
    std::string Words(std::string_view source) const;
    // A box's words: the text, then the next step and the system's words.
    BoxText LaidOut(const Message& message) const;

    // Once the window is built: the dialog set up, a port named at start
    // chosen, read-back and encoding restored. Then where the window goes,
    // for a frame of this size.
    void Start();
    // Once the window has been drawn (asking the system takes long): the
    // system's ports listed, and unless the user has chosen already, the
    // named port, else the remembered adapter by its serial number.
    void FindPorts();
    std::pair<int, int> Place(int width, int height) const;
    // Runs a handler of the dialog; a failing port shows its message.
    void Run(const std::function<void()>& handler);

    // Escape and the close box: true when the window may close (edits not
    // yet written are asked about first).
    bool MayClose();
    // The window closes here: its port, place and encoding are remembered.
    void Closed(std::pair<int, int> position);
    // The module's values again; with edits not yet written, asked first.
    void ReadAgain();
    void SetVerify(bool on);
    // Takes effect at the next start.
    void ChooseLanguage(Language language);

    // The user chose an encoding in the list.
    void EncodingChosen(TextEncoding encoding);
    // A reported text is not valid in the chosen encoding.
    void ForeignText(int id, std::optional<TextEncoding> detected);

    // The menu's profile items: a file asked for, then the form to it or
    // from it. The *To/*From forms skip the file chooser; what went wrong,
    // or nothing.
    void ExportProfile();
    void ImportProfile(UserInput& input);
    std::optional<Message> ExportProfileTo(const std::string& path) const;
    std::optional<Message> ImportProfileFrom(const std::string& path, UserInput& input);

    // The serial port went away; detail: the system's words.
    void PortLost(const std::string& detail);

    // The port list: the session's entries; the user's choice; the system
    // looked at again, which changes the list only while a port may be
    // chosen (closed, no write running).
    PortList& ports() { return ports_; }
    void PortChosen(int index) { ports_.Choose(index); }
    void RefreshPorts();

    // Every line on the port, for the traffic view.
    TrafficHistory& traffic() { return traffic_; }
    void Tap(LineDirection direction, const std::string& line);
    TrafficHistory::View TrafficView(bool unmasked, bool hex) const;
    // The traffic log to a file the user chooses, as the view shows it.
    void SaveTraffic(bool unmasked, bool hex);
    // The log's text: a line each, LF-ended, the same on every system.
    std::string TrafficText(bool unmasked, bool hex) const;

    // The progress line's whole message, in a box: the line may show only
    // its start.
    void ShowWholeProgress();
    const std::string& progressText() const { return progressText_; }

  private:
    void SavePreferences();
    void Tell(const Message& message, BoxKind kind) { shell_.Tell(LaidOut(message), kind); }
    bool Ask(const Text& question, std::string_view yes);

    WindowShell& shell_;
    CConfigDlg& dlg_;
    const Controls& controls_;
    EncodedTexts& texts_;
    const TextConverters& converters_;
    WindowStart start_;
    ProgressLine progress_;
    Preferences preferences_;
    PortList ports_;
    TrafficHistory traffic_;
    std::string progressText_;
    bool progressProblem_ = false;
    bool portsFound_ = false;
};

// The language a window opens in: --lang, else the one last chosen in a
// window, else the locale's; English in place of Chinese where no font shows
// it (asked only then: the check takes time). why: said when it fell back.
Language StartLanguage(std::optional<Language> asked, const PreferenceStore& store,
                       std::string_view locale, const std::function<bool()>& chineseFont,
                       std::string& why);

}  // namespace wifi
