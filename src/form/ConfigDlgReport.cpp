// Filling the form from the module's configuration report.
#include "form/ConfigDlg.h"
#include "form/ControlIds.h"
#include "protocol/ReportParser.h"

namespace wifi {

namespace {

void Select(CComboBox& list, const std::optional<int>& index) {
    if (index) {
        list.SetCurSel(*index);
    }
}

}  // namespace

void CConfigDlg::AssignReported(int id, std::string& member,
                                const std::optional<std::string>& value) {
    if (value) {
        member = *value;
        MarkAssigned(id);
    }
}

// Selections and addresses go straight into the controls (selecting from code
// runs no change handler); texts and the DHCP flag go into the members and
// show at the next write. A key the report lacks leaves its target as it was.
void CConfigDlg::ParseReport() {
    const ReportValues v = ParseReportValues(session_.reportText);
    absent_.clear();
    for (const Field& field : FormFields()) {
        if (!field.reportKey.empty() && !ReportValue(session_.reportText, field.reportKey)) {
            absent_.push_back(&field);
        }
    }
    Select(m_cbNetType, v.netType);
    Select(m_cbSecurity, v.security);
    Select(m_cbKeyFormat, v.keyMode);
    Select(m_cbKeyIndex, v.keyIndex);
    Select(m_cbBaudRate, v.baudRate);
    Select(m_cbParity, v.parity);
    Select(m_cbDataBits, v.dataBits);
    Select(m_cbStopBits, v.stopBits);
    Select(m_cbCsMode, v.scMode);
    AssignReported(IDC_SSID, m_strSsid, v.ssid);
    if (v.dhcp) {
        m_nDhcp = *v.dhcp;
    }
    const std::pair<CIPAddressCtrl*, const std::optional<std::string>*> addresses[] = {
        {&m_ipAddr, &v.ipAddress},     {&m_ipDns, &v.dnsServer},   {&m_ipGateway, &v.gateway},
        {&m_ipNetmask, &v.subnetMask}, {&m_ipServer, &v.serverIp},
    };
    for (auto [control, text] : addresses) {
        if (*text) {
            SetAddressFromText(*control, **text);
        }
    }
    AssignReported(IDC_KEY, m_strKey, v.key);
    AssignReported(IDC_SERVERPORT, m_strServerPort, v.port);
    AssignReported(IDC_FRAMELEN, m_strFrameLen, v.frameLength);
    AssignReported(IDC_FRAMETIME, m_strFrameTime, v.frameTimeout);
    session_.reportText.clear();
}

void CConfigDlg::SetAddressFromText(CIPAddressCtrl& control, const std::string& text) {
    if (auto address = ScanDottedAddress(text)) {
        control.SetAddress(*address);
    }
}

}  // namespace wifi
