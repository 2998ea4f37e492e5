#include "form/ConfigDlg.h"

#include <algorithm>
#include <utility>

#include "form/ControlIds.h"
#include "form/EnablingGroups.h"
#include "form/ListContents.h"
#include "protocol/Commands.h"

namespace wifi {

CConfigDlg::CConfigDlg(Controls& controls, CMSComm& comm, SleepFn sleep, ReplyClock& clock)
    : m_cbNetType(controls, IDC_NETTYPE),
      m_cbBaudRate(controls, IDC_BAUDRATE),
      m_ipServer(controls, IDC_SERVERIP),
      m_cbCsMode(controls, IDC_CSMODE),
      m_cbProtocol(controls, IDC_PROTOCOL),
      m_ipDns(controls, IDC_DNS),
      m_ipGateway(controls, IDC_GATEWAY),
      m_ipNetmask(controls, IDC_NETMASK),
      m_ipAddr(controls, IDC_IPADDR),
      m_cbKeyIndex(controls, IDC_KEYINDEX),
      m_cbKeyFormat(controls, IDC_KEYFORMAT),
      m_cbSecurity(controls, IDC_SECURITY),
      m_cbStopBits(controls, IDC_STOPBITS),
      m_cbParity(controls, IDC_PARITY),
      m_cbDataBits(controls, IDC_DATABITS),
      m_cbComPort(controls, IDC_COMPORT),
      m_comm(comm),
      controls_(controls),
      sleep_(std::move(sleep)),
      clock_(clock) {}

bool CConfigDlg::OnInitDialog() {
    // The window's own initialisation shows the members once.
    UpdateData(false);

    // A port left open by an earlier run of the control is closed first.
    if (IsPortOpen(m_comm)) {
        ClosePort(m_comm);
    }
    for (const auto& list : ParameterLists()) {
        if (list.initialSelection >= 0) {
            controls_.SetCurSel(list.id, list.initialSelection);
        }
    }
    DisableStartGroup();
    // Nothing to submit before a module has connected.
    controls_.EnableWindow(IDC_SUBMIT, false);
    m_strStatus = kStatusNotConnected;
    UpdateData(false);
    return true;
}

CConfigDlg::Exchanged& CConfigDlg::ExchangedFor(int id) {
    auto it = std::find_if(exchanged_.begin(), exchanged_.end(),
                           [id](const Exchanged& e) { return e.id == id; });
    if (it == exchanged_.end()) {
        exchanged_.push_back(Exchanged{id, std::string(), false});
        it = std::prev(exchanged_.end());
    }
    return *it;
}

void CConfigDlg::MarkAssigned(int id) {
    ExchangedFor(id).assigned = true;
}

void CConfigDlg::ExchangeText(int id, std::string& member, bool save) {
    Exchanged& last = ExchangedFor(id);
    const std::string shown = controls_.GetText(id);
    if (save) {
        member = shown;
        last.text = shown;
        last.assigned = false;
        return;
    }
    // Typing not yet read stays, unless the program has a new value for it.
    const bool typedSinceExchange = shown != last.text;
    const bool newValue = last.assigned || member != last.text;
    if (typedSinceExchange && !newValue) {
        return;
    }
    if (shown != member) {
        settingText_ = true;
        controls_.SetText(id, member);
        settingText_ = false;
    }
    last.text = member;
    last.assigned = false;
}

void CConfigDlg::UpdateData(bool saveAndValidate) {
    DoDataExchange(saveAndValidate);
}

// The bindings in their order: status, SSID, key, DHCP, server port, frame
// length, frame period. Lists and addresses have no value binding.
void CConfigDlg::DoDataExchange(bool save) {
    ExchangeText(IDC_STATUS, m_strStatus, save);
    ExchangeText(IDC_SSID, m_strSsid, save);
    ExchangeText(IDC_KEY, m_strKey, save);
    if (save) {
        m_nDhcp = controls_.GetCheck(IDC_DHCP);
    } else {
        controls_.SetCheck(IDC_DHCP, m_nDhcp);
    }
    ExchangeText(IDC_SERVERPORT, m_strServerPort, save);
    ExchangeText(IDC_FRAMELEN, m_strFrameLen, save);
    ExchangeText(IDC_FRAMETIME, m_strFrameTime, save);
}

void CConfigDlg::NoteUserEdit(int id, Notification code) {
    const bool edited = code == Notification::SelChange || code == Notification::FieldChanged ||
                        (code == Notification::Clicked && id == IDC_DHCP) ||
                        (code == Notification::EditChange && !settingText_);
    if (!edited) {
        return;
    }
    if (std::find(given_.begin(), given_.end(), id) == given_.end()) {
        given_.push_back(id);
        controls_.SetNotReported(id, false);  // given now
    }
    // What the screen says follows the form: an edit after a save or an
    // import is not in the module yet, and a problem once named may be fixed.
    if (events_ && handshakeDone_ && phase_ == Phase::Idle && !settingText_) {
        events_->FormEdited(HasUnsavedEdits());
    }
}

std::vector<UnknownValue> CConfigDlg::UnknownFields() const {
    std::vector<UnknownValue> unknown;
    for (const UnknownValue& u : unknown_) {
        if (std::find(given_.begin(), given_.end(), u.field->id) == given_.end()) {
            unknown.push_back(u);
        }
    }
    return unknown;
}

bool CConfigDlg::Dispatch(int id, Notification code) {
    NoteUserEdit(id, code);
    for (const auto& entry : MessageMap()) {
        if (entry.code == code && entry.id == id) {
            if (!entry.handler) {
                return false;
            }
            (this->*entry.handler)();
            return true;
        }
    }
    return false;
}

void CConfigDlg::SetModuleGroupEnabled(bool enabled) {
    const bool dhcp = controls_.GetCheck(IDC_DHCP) != 0;
    for (int id : ModuleGroup) {
        const bool assigned =
            std::find(DhcpAddresses.begin(), DhcpAddresses.end(), id) != DhcpAddresses.end();
        controls_.EnableWindow(id, enabled && !(assigned && dhcp));
    }
}

void CConfigDlg::FollowDhcp() {
    if (!controls_.IsWindowEnabled(IDC_DHCP)) {
        return;  // the form is locked: it follows when it opens again
    }
    const bool dhcp = controls_.GetCheck(IDC_DHCP) != 0;
    for (int id : DhcpAddresses) {
        controls_.EnableWindow(id, !dhcp);
    }
}

void CConfigDlg::DisableStartGroup() {
    for (int id : StartGroup) {
        controls_.EnableWindow(id, false);
    }
}

std::vector<std::string> CConfigDlg::FormState() const {
    std::vector<std::string> state;
    for (const Field& field : FormFields()) {
        switch (field.kind) {
            case FieldKind::List:
            case FieldKind::KeyIndex:
                state.push_back(std::to_string(controls_.GetCurSel(field.id)));
                break;
            case FieldKind::Text: state.push_back(controls_.GetText(field.id)); break;
            case FieldKind::Flag:
                state.push_back(std::to_string(controls_.GetCheck(field.id)));
                break;
            case FieldKind::Address:
                state.push_back(controls_.IsBlank(field.id)
                                    ? std::string()
                                    : FormatDottedAddress(controls_.GetAddress(field.id)));
                break;
            case FieldKind::Command: break;
        }
    }
    return state;
}

bool CConfigDlg::HasUnsavedEdits() const {
    return handshakeDone_ && FormState() != savedForm_;
}

bool CConfigDlg::SendLine(const std::string& line, InFlight command) {
    // What arrived before the command is judged with nothing in flight.
    session_.Settle();
    const Phase phase = phase_;
    const bool sent = SendCommand(m_comm, sleep_, line, [this, phase](const Bytes& arrived) {
        Receive(arrived);
        return phase_ == phase;  // an unexpected reply ended the sequence
    });
    if (!sent) {
        return false;
    }
    session_.Sent(command);
    ++sends_;
    sentAt_ = heardAt_ = clock_.Now();
    heard_ = false;
    sentLine_ = line.substr(0, line.size() - cmd::kLineEnd.size());
    if (command == InFlight::Write) {
        sentStep_ = session_.writeStep;
    }
    return true;
}

void CConfigDlg::Receive(const Bytes& bytes) {
    std::string received;
    received.reserve(bytes.size());
    for (auto b : bytes) {
        if (b != 0) {  // a zero byte carries nothing
            received.push_back(static_cast<char>(b));
        }
    }
    const InFlight awaited = session_.inFlight;
    const unsigned sends = sends_;
    session_.rxBuffer.Append(received);
    // Lines that were waiting are judged too, when a command is about to go
    // out: one that arrived with the last acknowledgement, say.
    ProcessReceived();
    if (received.empty()) {
        return;
    }
    // A byte that can belong to the awaited reply keeps its wait alive: any
    // byte of the report, otherwise one of a line not yet ended. Chatter in
    // whole lines of its own does not.
    if (awaited != InFlight::None && sends_ == sends && session_.inFlight == awaited &&
        (awaited == InFlight::Query || session_.rxBuffer.HoldsPartialLine())) {
        heard_ = true;
        heardAt_ = clock_.Now();
    }
}

}  // namespace wifi
