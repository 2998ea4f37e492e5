#pragma once

namespace wifi {

// Where a window puts what it adds to the form's template, in dialog units
// (x, y, width, height), in the template's free space. Every window places
// them alike.

// A drop list's template height includes its opened list; closed, it is as
// tall as an edit of the dialog font.
inline constexpr int kClosedDropListHeight = 13;
// Left of the submit button, between the working-mode group and the frame,
// where the invisible serial control sits: the progress line, on up to three
// lines.
inline constexpr int kProgressRect[4] = {93, 330, 126, 36};
// The foot of the connection group: the encoding of the module's texts.
inline constexpr int kEncodingLabelRect[4] = {14, 129, 26, 11};
inline constexpr int kEncodingRect[4] = {43, 128, 38, 13};
// In English "Encoding" needs more room than 编码: the list, whose longest
// entry is "UTF-8", gives it up (see WindowLayout).
inline constexpr int kEncodingLabelRectTranslated[4] = {14, 129, 31, 11};
inline constexpr int kEncodingRectTranslated[4] = {46, 128, 35, 13};
// Under the communication group, level with the submit button: the button
// that opens the window's menu.
inline constexpr int kMenuButtonRect[4] = {25, 342, 51, 15};

}  // namespace wifi
