// Filling the form from the module's configuration report. Only what the
// module reported in a form the controls can hold is taken; every other field
// is emptied and named unknown, so no value of an earlier module, and none
// the module never gave, can be written back.
#include <algorithm>
#include <tuple>

#include "form/ConfigDlg.h"
#include "form/ControlIds.h"
#include "protocol/ReportParser.h"

namespace wifi {

void CConfigDlg::AssignReported(int id, std::string& member,
                                const std::optional<std::string>& value) {
    member = value.value_or(std::string());
    MarkAssigned(id);
}

// Selections and addresses go straight into the controls (selecting from code
// runs no change handler); texts and the DHCP flag go into the members and
// show at the next write.
void CConfigDlg::ParseReport() {
    const std::string& text = session_.reportText;
    const ReportValues v = ParseReportValues(text);
    unknown_.clear();
    given_.clear();
    // A field the form cannot show as the module has it: emptied, and named
    // with the raw value the report gave, if any.
    auto unknown = [&](int id) {
        for (const Field& f : FormFields()) {
            if (f.id == id) {
                unknown_.push_back(
                    {&f, f.reportKey.empty() ? std::nullopt : ReportValue(text, f.reportKey)});
            }
        }
    };
    const std::pair<CComboBox*, const std::optional<int>*> lists[] = {
        {&m_cbNetType, &v.netType},   {&m_cbSecurity, &v.security}, {&m_cbKeyFormat, &v.keyMode},
        {&m_cbKeyIndex, &v.keyIndex}, {&m_cbBaudRate, &v.baudRate}, {&m_cbParity, &v.parity},
        {&m_cbDataBits, &v.dataBits}, {&m_cbStopBits, &v.stopBits}, {&m_cbCsMode, &v.scMode},
    };
    for (auto [list, index] : lists) {
        list->SetCurSel(index->value_or(-1));
        if (index->value_or(-1) < 0) {
            unknown(list->id());
        }
    }
    AssignReported(IDC_SSID, m_strSsid, v.ssid);
    if (!v.ssid) {
        unknown(IDC_SSID);
    }
    m_nDhcp = v.dhcp.value_or(0);
    if (!v.dhcp) {
        unknown(IDC_DHCP);
    }
    const std::pair<CIPAddressCtrl*, const std::optional<std::string>*> addresses[] = {
        {&m_ipAddr, &v.ipAddress},     {&m_ipDns, &v.dnsServer},   {&m_ipGateway, &v.gateway},
        {&m_ipNetmask, &v.subnetMask}, {&m_ipServer, &v.serverIp},
    };
    for (auto [control, value] : addresses) {
        if (*value && ScanDottedAddress(**value)) {
            SetAddressFromText(*control, **value);
        } else {
            controls_.ClearAddress(control->id());
            unknown(control->id());
        }
    }
    const std::tuple<int, std::string*, const std::optional<std::string>*> texts[] = {
        {IDC_KEY, &m_strKey, &v.key},
        {IDC_SERVERPORT, &m_strServerPort, &v.port},
        {IDC_FRAMELEN, &m_strFrameLen, &v.frameLength},
        {IDC_FRAMETIME, &m_strFrameTime, &v.frameTimeout},
    };
    for (auto [id, member, value] : texts) {
        AssignReported(id, *member, *value);
        if (!*value) {
            unknown(id);
        }
    }
    // No report carries the protocol: after every connect the list shows
    // none, marked as not reported, until the user picks one; a pick made
    // for an earlier module is no value of this one's.
    m_cbProtocol.SetCurSel(-1);
    unknown(IDC_PROTOCOL);
    // In the form's order, as every front end names them.
    const auto order = [](const UnknownValue& u) { return u.field - FormFields().data(); };
    std::sort(unknown_.begin(), unknown_.end(),
              [&](const UnknownValue& a, const UnknownValue& b) { return order(a) < order(b); });
    for (const Field& f : FormFields()) {
        const bool notReported = std::any_of(unknown_.begin(), unknown_.end(),
                                             [&f](const UnknownValue& u) { return u.field == &f; });
        controls_.SetNotReported(f.id, notReported);
    }
}

void CConfigDlg::SetAddressFromText(CIPAddressCtrl& control, const std::string& text) {
    if (auto address = ScanDottedAddress(text)) {
        control.SetAddress(*address);
    }
}

}  // namespace wifi
