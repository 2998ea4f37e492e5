#include "form/ListContents.h"

#include "form/ControlIds.h"
#include "form/UiText.h"

namespace wifi {

const std::vector<ListContents>& ParameterLists() {
    static const std::vector<ListContents> lists = {
        {IDC_BAUDRATE, {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"}, 4},
        {IDC_PARITY, {UI_TEXT("无校验"), UI_TEXT("奇校验"), UI_TEXT("偶校验")}, 0},
        {IDC_DATABITS, {"8", "9"}, 0},
        {IDC_STOPBITS, {"1", "2"}, 0},
        {IDC_SECURITY, {"OPEN", "WEP64", "WEP128", "WPA"}, -1},
        {IDC_KEYFORMAT, {"HEX", "ASCII"}, -1},
        {IDC_KEYINDEX, {"1", "2", "3", "4"}, -1},
        // Sorted in the template; sorting leaves this order as it is.
        {IDC_PROTOCOL, {"TCP", "UDP"}, 0},
        {IDC_CSMODE, {UI_TEXT("客户端"), UI_TEXT("服务器")}, -1},
        {IDC_NETTYPE, {UI_TEXT("AP模式"), UI_TEXT("STA模式")}, -1},
    };
    return lists;
}

const std::vector<std::string_view>& ListEntries(int id) {
    static const std::vector<std::string_view> none;
    for (const auto& list : ParameterLists()) {
        if (list.id == id) {
            return list.entries;
        }
    }
    return none;
}

}  // namespace wifi
