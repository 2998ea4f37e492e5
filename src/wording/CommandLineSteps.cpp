#include "wording/CommandLineSteps.h"

#include <utility>

#include "form/UiText.h"

namespace wifi {

std::string_view CommandLineStep(std::string_view windowStep) {
    static constexpr std::pair<std::string_view, std::string_view> kSteps[] = {
        {"请检查模块的电源和接线，然后重新连接。",
         UI_TEXT("请检查模块的电源和接线，然后重新运行命令。")},
        {"请检查模块的电源和接线，然后重新提交。",
         UI_TEXT("请检查模块的电源和接线，然后重新运行命令。")},
        {"请重新读取模块，确认参数是否已保存。",
         UI_TEXT("请用 wifi-config read 读取模块，确认参数是否已保存。")},
        {"请重新连接模块，然后重新提交。", UI_TEXT("请重新运行命令。")},
        {"请改正后重新提交。", UI_TEXT("请改正后重新运行命令。")},
        {"请检查设备是否插好，然后重新选择串口。",
         UI_TEXT("请检查设备是否插好，然后用 --port 指定串口（wifi-config ports 列出串口）。")},
        {"请重新连接模块；如果仍然失败，请重新插好设备。",
         UI_TEXT("请重新运行命令；如果仍然失败，请重新插好设备。")},
        {"请插好设备，然后重新连接。", UI_TEXT("请插好设备，然后重新运行命令。")},
        {"请插好设备，重新连接后再提交。", UI_TEXT("请插好设备，然后重新运行命令。")},
        {"请确认该串口连接的是本模块，然后重新连接。",
         UI_TEXT("请确认模块接在该串口上（wifi-config ports --probe），然后重新运行命令。")},
        {"请重新提交；如果仍被拒绝，请重启模块。",
         UI_TEXT("请重新运行命令；如果仍被拒绝，请重启模块。")},
        {"请检查这一项的值，然后重新提交。",
         UI_TEXT("请检查这一项的值（--set），然后重新运行命令。")},
        {"请取消勾选“启动DHCP”，填写后重新提交。",
         UI_TEXT("请加上 --set dhcp=false 并填写这一项，然后重新运行命令。")},
        {"请重新提交；如果仍然不符，请检查模块。",
         UI_TEXT("请重新运行命令；如果仍然不符，请检查模块。")},
        {"请改正文件，然后重新导入。", UI_TEXT("请改正文件，然后重新运行命令。")},
    };
    for (const auto& [window, commandLine] : kSteps) {
        if (window == windowStep) {
            return commandLine;
        }
    }
    return windowStep;
}

}  // namespace wifi
