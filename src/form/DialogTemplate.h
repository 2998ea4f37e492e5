#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace wifi {

enum class ItemKind {
    GroupBox,
    Label,
    DropList,
    Edit,
    CheckBox,
    PushButton,
    IpAddress,
    CommControl,  // the serial control: invisible at run time
    Picture,
};

// Window style bits the front end needs to read off an item.
namespace style {
inline constexpr std::uint32_t kTabStop = 0x00010000;
inline constexpr std::uint32_t kGroup = 0x00020000;
inline constexpr std::uint32_t kSort = 0x00000100;         // drop list: sorted
inline constexpr std::uint32_t kCentre = 0x00000001;       // label: centred horizontally
inline constexpr std::uint32_t kCentreImage = 0x00000200;  // label: centred vertically
}  // namespace style

// One item of the dialog: geometry in dialog units.
struct DialogItem {
    int id;
    ItemKind kind;
    std::uint32_t style;
    std::string_view text;
    int x, y, width, height;
};

struct DialogTemplate {
    std::string_view caption;
    std::string_view fontName;
    int fontPointSize;
    int width, height;  // dialog units
    std::uint32_t style;
    std::uint32_t exStyle;
    // Creation order, which is also the z-order and the tab order.
    std::vector<DialogItem> items;
};

const DialogTemplate& ConfigDialogTemplate();

// A check box's caption is the label that follows it: a click on the label
// toggles the box. The check box's id for such a label (by its index), or 0.
int CheckBoxOfLabel(const DialogTemplate& dialog, std::size_t index);

// The ids of the items with a tab stop, in template order.
std::vector<int> TabOrder(const DialogTemplate& dialog);

}  // namespace wifi
