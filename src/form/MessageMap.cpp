#include "form/ConfigDlg.h"
#include "form/ControlIds.h"

namespace wifi {

// The dialog's message map, in its order. The drop lists have no edit field,
// so their edit-change entries never fire; the edits' change entries fire on
// every change of text and do nothing: typed text reaches the members only at
// the next read.
const std::vector<CConfigDlg::MessageMapEntry>& CConfigDlg::MessageMap() {
    using N = Notification;
    using D = CConfigDlg;
    static const std::vector<MessageMapEntry> map = {
        {N::Paint, 0, nullptr},
        {N::QueryDragIcon, 0, nullptr},
        {N::Clicked, IDC_CONNECT, &D::OnConnect},
        {N::Clicked, IDC_SUBMIT, &D::OnSubmit},
        {N::EditChange, IDC_STATUS, &D::Ignore},
        {N::ComboEditChange, IDC_SECURITY, &D::Ignore},
        {N::SelChange, IDC_SECURITY, &D::OnSelChangeSecurity},
        {N::ComboEditChange, IDC_KEYFORMAT, &D::Ignore},
        {N::ComboEditChange, IDC_KEYINDEX, &D::Ignore},
        {N::SelChange, IDC_KEYFORMAT, &D::OnSelChangeKeyFormat},
        {N::SelChange, IDC_KEYINDEX, &D::OnSelChangeKeyIndex},
        {N::EditChange, IDC_KEY, &D::Ignore},
        {N::Clicked, IDC_DHCP, &D::OnClickDhcp},
        {N::FieldChanged, IDC_IPADDR, &D::OnFieldChangedIpAddr},
        {N::FieldChanged, IDC_NETMASK, &D::OnFieldChangedNetmask},
        {N::FieldChanged, IDC_GATEWAY, &D::OnFieldChangedGateway},
        {N::FieldChanged, IDC_DNS, &D::OnFieldChangedDns},
        {N::ComboEditChange, IDC_CSMODE, &D::Ignore},
        {N::SelChange, IDC_CSMODE, &D::OnSelChangeCsMode},
        {N::FieldChanged, IDC_SERVERIP, &D::OnFieldChangedServerIp},
        {N::EditChange, IDC_SERVERPORT, &D::Ignore},
        {N::SelChange, IDC_BAUDRATE, &D::OnSelChangeBaudRate},
        {N::SelChange, IDC_PARITY, &D::OnSelChangeParity},
        {N::SelChange, IDC_DATABITS, &D::OnSelChangeDataBits},
        {N::SelChange, IDC_STOPBITS, &D::OnSelChangeStopBits},
        {N::SelChange, IDC_NETTYPE, &D::OnSelChangeNetType},
        {N::SelChange, IDC_PROTOCOL, &D::OnSelChangeProtocol},
    };
    return map;
}

}  // namespace wifi
