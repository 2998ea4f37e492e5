#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form/ControlObjects.h"
#include "form/Controls.h"
#include "form/Fields.h"
#include "form/Notification.h"
#include "form/UiText.h"
#include "protocol/ConfigSnapshot.h"
#include "protocol/Dispatcher.h"
#include "protocol/SessionEvents.h"
#include "protocol/SessionState.h"
#include "protocol/WriteSequence.h"
#include "serial/CMSComm.h"
#include "serial/SerialLink.h"

namespace wifi {

// Texts the dialog shows (UTF-8).
inline constexpr const char* kStatusNotConnected = UI_TEXT("未连接");
inline constexpr const char* kStatusConnected = UI_TEXT("已连接");
inline constexpr const char* kSavedMessage = UI_TEXT("参数已保存!");

// The configuration dialog: its bound members, its data exchange, and the
// handlers that its controls and its serial control reach through the message
// map and the receive event. It owns the session state and the snapshot of
// its connection, so several dialogs (one per module) can run side by side.
class CConfigDlg final : private ReceiveBranches {
  public:
    CConfigDlg(Controls& controls, CMSComm& comm, SleepFn sleep);

    // Optional observer of the connection's progress; not owned.
    void SetEvents(SessionEvents* events) { events_ = events; }

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
    void OnSubmit();
    void OnCommEvent();  // the serial control's receive event
    // The module did not answer the command in flight in time (the front
    // end keeps the clock): a handshake gives the connection up, a write
    // sequence stops with the port left open.
    void OnTimeout();
    // The port failed or vanished: the form returns to its closed state, as
    // after a second press of connect. Telling the user is the window's part.
    void OnPortLost();

    // The steps the handlers are made of.
    void ProcessReceived();
    void ParseReport();
    void SetAddressFromText(CIPAddressCtrl& control, const std::string& text);
    void CaptureSnapshot();
    void ReadAddressText(CIPAddressCtrl& control, std::string& field);
    void SetModuleGroupEnabled(bool enabled);
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

    // Whether the module is connected and the form holds edits that no
    // completed write has sent.
    bool HasUnsavedEdits() const;

    // The fields whose key the last report lacked: the form kept what it
    // showed for them.
    const std::vector<const Field*>& absentFields() const { return absent_; }

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
    void ErrorBranch() override;

    void ShowClosed();
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
    void SendLine(const std::string& line, InFlight command);
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
    std::vector<const Field*> absent_;
    // The module answered the connect request on this connection.
    bool handshakeDone_ = false;
    // A submit after a save: the sequence starts once a fresh connect
    // request has been answered.
    bool submitPending_ = false;
    // The form as the module held it when it connected or last saved.
    std::vector<std::string> savedForm_;
};

}  // namespace wifi
