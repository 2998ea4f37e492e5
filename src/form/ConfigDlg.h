#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "form/ControlObjects.h"
#include "form/Controls.h"
#include "form/Fields.h"
#include "form/Notification.h"
#include "form/SessionEvents.h"
#include "form/UiText.h"
#include "protocol/ConfigSnapshot.h"
#include "protocol/Dispatcher.h"
#include "protocol/ReplyClock.h"
#include "protocol/ReplyTimeout.h"
#include "protocol/SessionState.h"
#include "protocol/WriteSequence.h"
#include "serial/CMSComm.h"
#include "serial/SerialLink.h"

namespace wifi {

// Texts the dialog shows (UTF-8).
inline constexpr const char* kStatusNotConnected = UI_TEXT("未连接");
inline constexpr const char* kStatusConnecting = UI_TEXT("正在连接…");
inline constexpr const char* kStatusConnected = UI_TEXT("已连接");
// The connect button while the port is closed, and while it is open.
inline constexpr const char* kConnectCaption = UI_TEXT("连接模块");
inline constexpr const char* kDisconnectCaption = UI_TEXT("断开");
inline constexpr const char* kSavedMessage = UI_TEXT("参数已保存!");

// The configuration dialog: its bound members, its data exchange, and the
// handlers that its controls and its serial control reach through the message
// map and the receive event. It owns the session state and the snapshot of
// its connection, so several dialogs (one per module) can run side by side.
class CConfigDlg final : private ReceiveBranches {
  public:
    // clock: the timer of its waits; its expiry calls OnTimer.
    CConfigDlg(Controls& controls, CMSComm& comm, SleepFn sleep, ReplyClock& clock);

    // Optional observer of the connection's progress; not owned.
    void SetEvents(SessionEvents* events) { events_ = events; }
    // How long a reply may keep the module silent (10 s unless set).
    void SetReplyTimeout(ReplyClock::Duration timeout) { replyTimeout_ = timeout; }
    // Whether a save counts only once the module has been read back and
    // holds what was written (on unless turned off).
    void SetVerify(bool verify) { verify_ = verify; }
    bool verify() const { return verify_; }
    ReplyClock::Duration replyTimeout() const { return replyTimeout_; }

    // The dialog's initialisation, once its controls exist. Returns true: the
    // first control gets the focus.
    bool OnInitDialog();

    // true reads the controls into the bound members, false writes them back.
    void UpdateData(bool saveAndValidate = true);
    void DoDataExchange(bool saveAndValidate);

    // The message map: runs the handler bound to this notification of this
    // control. False when nothing is bound, or when the window itself handles
    // it (painting).
    bool Dispatch(int id, Notification code);

    // Handlers.
    void OnConnect();
    // Reads the module again: a new connection, its report in the form. A
    // window asks first when the form holds edits not yet written
    // (HasUnsavedEdits). While a write runs nothing happens but a refusal.
    void ReadAgain();
    void OnSubmit();
    void OnCommEvent();  // the serial control's receive event
    // The reply clock fired: a reply is overdue (a handshake gives the
    // connection up, a write sequence stops with the port left open), or a
    // quiet wait is over.
    void OnTimer();
    // The port failed or vanished: the form returns to its closed state, as
    // after a second press of connect. Telling the user is the window's part.
    // A module that restarts once it has acknowledged its save hangs up while
    // the line should stay quiet: that save counts as acknowledged.
    void OnPortLost();
    // After a save, the module restarted and its port went away: the dialog
    // opens it again when it is back, to read the module back. A window says
    // nothing of the loss then.
    bool AwaitingModuleReturn() const { return phase_ == Phase::AwaitingReturn; }

    // The steps the handlers are made of.
    void ProcessReceived();
    void ParseReport();
    void SetAddressFromText(CIPAddressCtrl& control, const std::string& text);
    void CaptureSnapshot();
    void ReadAddressText(CIPAddressCtrl& control, std::string& field);
    // The module group on or off; the addresses DHCP assigns stay off while
    // it is on.
    void SetModuleGroupEnabled(bool enabled);
    // The addresses follow the DHCP box: off while it is ticked, their
    // values kept (and still written).
    void FollowDhcp();
    void DisableStartGroup();

    // The commands of steps 1 to 21 as a write sequence would build them from
    // the form now: a front end can refuse to start one that would stall.
    std::vector<StepCommand> PlanWrite() const;

    // The values the form would send that break their field's rule, as the
    // controls hold them now. A front end refuses to start a sequence then.
    struct ValueProblem {
        const Field* field;
        RuleBreak why;
    };
    std::vector<ValueProblem> CheckValues() const;
    // What stands in the way of writing the form whole, the first of it:
    // a field nobody knows, a value that breaks its rule, an address emptied,
    // a list without a value its command has, a line too long to send.
    // Nothing when the form can be written. Every front end asks this.
    std::optional<ValueProblem> WriteBlocker() const;

    // Whether the module is connected and the form holds edits that no
    // completed write has sent.
    bool HasUnsavedEdits() const;

    // What a front end would otherwise read off its own widgets.
    // The module answered the connect handshake and the port is still open:
    // the form can be edited (unless a write runs) and a profile imported.
    bool IsConnected() const { return handshakeDone_; }
    // The port list can be changed: the port is closed.
    bool PortSelectable() const { return !portOpen_; }
    // A write sequence runs, from the submit to the end of its read-back.
    bool IsWriting() const { return phase_ != Phase::Idle; }

    // The fields whose value nobody knows: the last report gave none the form
    // can hold, and the user has given none since. A write needs them all.
    std::vector<UnknownValue> UnknownFields() const;

    const SessionState& session() const { return session_; }
    const ConfigSnapshot& snapshot() const { return snapshot_; }

    // Control objects, bound to their controls by id.
    CComboBox m_cbNetType;
    CComboBox m_cbBaudRate;
    CIPAddressCtrl m_ipServer;
    CComboBox m_cbCsMode;
    CComboBox m_cbProtocol;
    CIPAddressCtrl m_ipDns;
    CIPAddressCtrl m_ipGateway;
    CIPAddressCtrl m_ipNetmask;
    CIPAddressCtrl m_ipAddr;
    CComboBox m_cbKeyIndex;
    CComboBox m_cbKeyFormat;
    CComboBox m_cbSecurity;
    CComboBox m_cbStopBits;
    CComboBox m_cbParity;
    CComboBox m_cbDataBits;
    CComboBox m_cbComPort;
    CMSComm& m_comm;

    // Bound members: what data exchange moves to and from the controls.
    std::string m_strStatus;
    std::string m_strSsid;
    std::string m_strKey;
    int m_nDhcp = 0;
    std::string m_strServerPort;
    std::string m_strFrameLen;
    std::string m_strFrameTime;

  private:
    using Handler = void (CConfigDlg::*)();
    struct MessageMapEntry {
        Notification code;
        int id;
        Handler handler;  // nullptr: the window draws it itself
    };
    static const std::vector<MessageMapEntry>& MessageMap();

    // Dispatcher branches.
    void ReportBranch() override;
    void ConnectedBranch() override;
    void AcknowledgementBranch() override;
    void ErrorBranch(const std::string& reply) override;
    void UnexpectedReplyBranch() override;
    void ReplyWordHeard() override;

    // Where a write sequence is. Replies balance: the configure command
    // waits for a quiet line, and the save counts only once the line has
    // stayed quiet after its acknowledgement.
    enum class Phase {
        Idle,
        Reconnecting,          // a second submit's connect request is in flight
        QuietBeforeConfigure,  // the submit was taken; the line must be quiet first
        Writing,               // the configure command to the save
        QuietAfterSave,        // the save was acknowledged; no reply may follow
        ReadingBack,           // the save was acknowledged; the module is queried again
        AwaitingReturn,        // it restarted after the save: its port is opened when back
    };

    // Runs a handler's body, then sets the clock for what is awaited now. A
    // send that failed part-way leaves no sequence waiting for nothing.
    void Guarded(const std::function<void()>& body);
    void ArmClock();
    ReplyClock::Duration Quiet() const;
    ReplyClock::TimePoint ReplyDeadline() const;
    void TimeOut();
    void TryConfigure();
    void Complete();
    void OutOfStep();
    // The read-back: query the module again, compare its report with the
    // form that was written, and end the sequence on what it found.
    void StartReadBack();
    void FinishReadBack();
    void ReadBackFailed(ReadBackFailure why, const Exchange& what);
    void TryReopen();
    void LoseDuringReadBack();
    // A refusal of the query right after the save may be the save's own,
    // late: the query is asked this many times in all.
    static constexpr unsigned kReadBackTries = 3;
    // A module that restarts after its save is looked for this often.
    static constexpr ReplyClock::Duration kReopenEvery{200};
    // Appends received bytes and runs the dispatcher on them.
    void Receive(const Bytes& bytes);
    // A person changed a control: its value is known from now on.
    void NoteUserEdit(int id, Notification code);

    void ShowClosed();
    void ShowStatus(const char* status);
    // The data exchange a submit runs before its first command.
    void PrepareSequence();
    // Whether the form can be written whole; if not, names the first field
    // that stands in the way, gives it the focus, and says false.
    bool CheckSequence();
    // While a sequence runs the form and the submit button are locked.
    void LockForSequence(bool lock);
    void EndSequence();
    // Each field's value as the controls hold it, for comparison.
    std::vector<std::string> FormState() const;
    WriteSource Source() const;
    // Sends one command after judging what arrived before it; false, and
    // nothing sent, when that ended the sequence.
    bool SendLine(const std::string& line, InFlight command);
    void ExchangeText(int id, std::string& member, bool save);
    // The member bound to this edit was given a value the next write shows.
    void MarkAssigned(int id);
    void AssignReported(int id, std::string& member, const std::optional<std::string>& value);

    // Message-map handlers.
    void Ignore() {}
    void OnSelChangeSecurity();
    void OnSelChangeKeyFormat();
    void OnSelChangeKeyIndex();
    void OnClickDhcp();
    void OnFieldChangedIpAddr();
    void OnFieldChangedNetmask();
    void OnFieldChangedGateway();
    void OnFieldChangedDns();
    void OnSelChangeCsMode();
    void OnFieldChangedServerIp();
    void OnSelChangeBaudRate();
    void OnSelChangeParity();
    void OnSelChangeDataBits();
    void OnSelChangeStopBits();
    void OnSelChangeNetType();
    void OnSelChangeProtocol();

    Controls& controls_;
    SleepFn sleep_;
    ReplyClock& clock_;
    ReplyClock::Duration replyTimeout_ = wifi::kDefaultReplyTimeout;
    SessionEvents* events_ = nullptr;
    SessionState session_;
    ConfigSnapshot snapshot_;
    // Each edit's text as last exchanged with its member: an edit whose text
    // differs holds typing not yet read, which a write must not discard unless
    // the program assigned the member a value of its own since (a report).
    struct Exchanged {
        int id;
        std::string text;
        bool assigned;
    };
    Exchanged& ExchangedFor(int id);
    std::vector<Exchanged> exchanged_;
    // The dialog itself is setting an edit's text: its change is no user's.
    bool settingText_ = false;
    // What the last report left unknown, and the controls given a value since.
    std::vector<UnknownValue> unknown_;
    std::vector<int> given_;
    // The module answered the connect request on this connection.
    bool handshakeDone_ = false;
    // This dialog opened the port, and has not closed it since.
    bool portOpen_ = false;
    Phase phase_ = Phase::Idle;
    // The form as the module held it when it connected or last saved.
    std::vector<std::string> savedForm_;
    bool verify_ = true;
    // The form as the write sent it, for the read-back; its tries so far,
    // and when the port went away under it.
    std::vector<std::string> writtenForm_;
    unsigned readBackTries_ = 0;
    ReplyClock::TimePoint lostAt_{};

    // The waits. A reply's wait counts from the last byte that can belong to
    // it (any byte of the report; otherwise a byte of a line not yet ended)
    // and never runs over six time-outs from its command.
    ReplyClock::TimePoint sentAt_{};
    ReplyClock::TimePoint heardAt_{};
    bool heard_ = false;                  // a byte of the awaited reply has come
    unsigned sends_ = 0;                  // commands sent on this dialog
    unsigned sentStep_ = 0;               // the write step whose command went out last
    std::string sentLine_;                // that command line, without its line end
    ReplyClock::TimePoint quietSince_{};  // the last reply word, or the connect reply
    ReplyClock::TimePoint phaseSince_{};
    ReplyClock::Duration connectReply_{};  // send to reply, the connect request
    ReplyClock::Duration longestReply_{};  // the slowest reply of this sequence
};

}  // namespace wifi
