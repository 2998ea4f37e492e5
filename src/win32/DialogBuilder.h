#pragma once

#include <windows.h>

#include <vector>

namespace wifi {

// Ids of what the window adds to the template.
enum ExtraId : int {
    IDC_PROGRESS_LINE = 2001,
    IDC_ENCODING_LABEL = 2002,
    IDC_ENCODING = 2003,
    IDC_MENU_BUTTON = 2004,
};

// The menu's commands, as WM_COMMAND ids.
enum MenuId : UINT {
    IDM_EXPORT = 3001,
    IDM_IMPORT,
    IDM_READ_AGAIN,
    IDM_TRAFFIC,
    IDM_CHINESE,
    IDM_ENGLISH,
    IDM_VERIFY,
};

// The dialog as Windows builds it, in memory, from the core's template: the
// same ids, classes, styles, captions (in the window's language), font and
// geometry in dialog units; then the window's additions in the template's
// free space, each placed in the tab order where it belongs. Aligned as
// DLGTEMPLATEEX wants it.
std::vector<WORD> BuildDialogTemplate();

}  // namespace wifi
