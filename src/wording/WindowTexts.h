#pragma once

#include "form/UiText.h"

namespace wifi {

// The words of a window's own controls beyond the form's template: its menu,
// the encoding list, the traffic view, the file dialogs. Every window takes
// them from here, so that each speaks both languages alike.
inline constexpr const char* kMenuExport = UI_TEXT("导出配置…");
inline constexpr const char* kMenuImport = UI_TEXT("导入配置…");
inline constexpr const char* kMenuReadAgain = UI_TEXT("重新读取");
inline constexpr const char* kMenuTraffic = UI_TEXT("通信记录");
// What ends the progress line's start when the whole message does not fit:
// a click shows all of it.
inline constexpr const char* kProgressMore = UI_TEXT("…（点击查看全文）");
// A field the module did not report: the hint in it, and its tooltip.
inline constexpr const char* kNotReported = UI_TEXT("未报告");
inline constexpr const char* kNotReportedTip = UI_TEXT("模块没有报告这一项：请填写或选择后再提交");
// A save counts only once the module is read back as written; off: once it
// is acknowledged and the line stays quiet.
inline constexpr const char* kMenuVerify = UI_TEXT("保存后读回校验");
// The button that opens the menu; Shift+F10 and the Menu key open it too.
inline constexpr const char* kMenuButton = UI_TEXT("菜单");
inline constexpr const char* kMenuButtonTip =
    UI_TEXT("导出、导入配置，重新读取，通信记录，语言（Shift+F10）");
inline constexpr const char* kMenuLanguage = UI_TEXT("语言");
inline constexpr const char* kExportTitle = UI_TEXT("导出配置");
inline constexpr const char* kImportTitle = UI_TEXT("导入配置");
inline constexpr const char* kProfileFilter = UI_TEXT("配置文件 (*.json)");
inline constexpr const char* kProfileOpenFilter = UI_TEXT("配置文件 (*.json);;所有文件 (*)");
inline constexpr const char* kEncodingLabel = UI_TEXT("编码");
inline constexpr const char* kEncodingTip = UI_TEXT("网络名称和密钥的编码：输入的文字按此编码发送");
inline constexpr const char* kNoPortFound = UI_TEXT("未找到串口");
inline constexpr const char* kTrafficTitle = UI_TEXT("通信记录");
inline constexpr const char* kTrafficUnmask = UI_TEXT("显示密钥");
inline constexpr const char* kTrafficUnmaskTip =
    UI_TEXT("显示网络密钥和网页密码；不勾选时显示为 ***");
inline constexpr const char* kTrafficSave = UI_TEXT("保存…");
inline constexpr const char* kTrafficClear = UI_TEXT("清除");
inline constexpr const char* kTrafficHex = UI_TEXT("十六进制");
inline constexpr const char* kTrafficHexTip =
    UI_TEXT("按字节显示所有非 ASCII 字符（\\xB2），不按所选编码解码");
inline constexpr const char* kTrafficSaveTitle = UI_TEXT("保存通信记录");
inline constexpr const char* kTextFilter = UI_TEXT("文本文件 (*.txt)");
inline constexpr const char* kAllFilesFilter = UI_TEXT("所有文件 (*)");
// The answers of a window's boxes: each question's answers name what they do.
inline constexpr const char* kAnswerClose = UI_TEXT("关闭");
inline constexpr const char* kAnswerReadAgain = UI_TEXT("重新读取");
inline constexpr const char* kAnswerCancel = UI_TEXT("取消");
inline constexpr const char* kAnswerOk = UI_TEXT("确定");

}  // namespace wifi
