// The snapshot of list and address values the write sequence is built from,
// and the change handlers that keep it current while the user edits.
#include "form/ConfigDlg.h"
#include "protocol/Address.h"

namespace wifi {

void CConfigDlg::CaptureSnapshot() {
    snapshot_.netType = m_cbNetType.GetCurSel();
    snapshot_.baudText = m_cbBaudRate.GetText();
    snapshot_.parity = m_cbParity.GetCurSel();
    snapshot_.dataBitsText = m_cbDataBits.GetText();
    snapshot_.stopBitsText = m_cbStopBits.GetText();
    snapshot_.security = m_cbSecurity.GetCurSel();
    snapshot_.keyFormat = m_cbKeyFormat.GetCurSel();
    snapshot_.keyIndex = m_cbKeyIndex.GetCurSel();
    UpdateData(true);
    ReadAddressText(m_ipAddr, snapshot_.ipText);
    ReadAddressText(m_ipDns, snapshot_.dnsText);
    ReadAddressText(m_ipNetmask, snapshot_.maskText);
    ReadAddressText(m_ipGateway, snapshot_.gatewayText);
    ReadAddressText(m_ipServer, snapshot_.serverIpText);
    snapshot_.protocol = m_cbProtocol.GetCurSel();
    snapshot_.csMode = m_cbCsMode.GetCurSel();
}

// A blank control keeps the address read before: the module is then written
// the older value rather than an empty one.
void CConfigDlg::ReadAddressText(CIPAddressCtrl& control, std::string& field) {
    UpdateData(true);
    if (control.IsBlank()) {
        return;
    }
    field = FormatDottedAddress(control.GetAddress());
}

void CConfigDlg::OnSelChangeSecurity() {
    snapshot_.security = m_cbSecurity.GetCurSel();
}
void CConfigDlg::OnSelChangeKeyFormat() {
    snapshot_.keyFormat = m_cbKeyFormat.GetCurSel();
}
void CConfigDlg::OnSelChangeKeyIndex() {
    snapshot_.keyIndex = m_cbKeyIndex.GetCurSel();
}
void CConfigDlg::OnSelChangeCsMode() {
    snapshot_.csMode = m_cbCsMode.GetCurSel();
}
void CConfigDlg::OnSelChangeParity() {
    snapshot_.parity = m_cbParity.GetCurSel();
}
void CConfigDlg::OnSelChangeNetType() {
    snapshot_.netType = m_cbNetType.GetCurSel();
}
void CConfigDlg::OnSelChangeProtocol() {
    snapshot_.protocol = m_cbProtocol.GetCurSel();
}

void CConfigDlg::OnSelChangeBaudRate() {
    UpdateData(true);
    snapshot_.baudText = m_cbBaudRate.GetText();
}

void CConfigDlg::OnSelChangeDataBits() {
    UpdateData(true);
    snapshot_.dataBitsText = m_cbDataBits.GetText();
}

void CConfigDlg::OnSelChangeStopBits() {
    UpdateData(true);
    snapshot_.stopBitsText = m_cbStopBits.GetText();
}

void CConfigDlg::OnClickDhcp() {
    UpdateData(true);
    FollowDhcp();
}

void CConfigDlg::OnFieldChangedIpAddr() {
    ReadAddressText(m_ipAddr, snapshot_.ipText);
}
void CConfigDlg::OnFieldChangedNetmask() {
    ReadAddressText(m_ipNetmask, snapshot_.maskText);
}
void CConfigDlg::OnFieldChangedGateway() {
    ReadAddressText(m_ipGateway, snapshot_.gatewayText);
}
void CConfigDlg::OnFieldChangedDns() {
    ReadAddressText(m_ipDns, snapshot_.dnsText);
}
void CConfigDlg::OnFieldChangedServerIp() {
    ReadAddressText(m_ipServer, snapshot_.serverIpText);
}

}  // namespace wifi
