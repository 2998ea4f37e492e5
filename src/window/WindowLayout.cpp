#include "window/WindowLayout.h"

#include <cstdlib>

#include "form/WindowExtras.h"

namespace wifi {

const DialogTemplate& ConfigDialogTemplate(Language language) {
    if (language == Language::Chinese) {
        return ConfigDialogTemplate();
    }
    // The widths were chosen for Chinese, where a centred four-character
    // label fills its box and so lines up with the three-character ones
    // above it. Other words do not fill it: such a label starts where the
    // labels of its column start, and keeps its right edge. And other words
    // are often longer ("IP address" for IP地址): a label reaches as far as
    // the control beside it.
    static const DialogTemplate translated = [] {
        DialogTemplate t = ConfigDialogTemplate();
        const DialogItem* column = nullptr;  // the last left-aligned label
        for (std::size_t i = 0; i < t.items.size(); ++i) {
            DialogItem& item = t.items[i];
            if (item.kind != ItemKind::Label) {
                continue;
            }
            const DialogItem* beside = i + 1 < t.items.size() ? &t.items[i + 1] : nullptr;
            if (beside && beside->kind != ItemKind::Label && beside->kind != ItemKind::GroupBox &&
                std::abs(beside->y - item.y) <= 4 && beside->x > item.x + item.width) {
                item.width = beside->x - 1 - item.x;
            }
            if (!(item.style & style::kCentre)) {
                column = &item;
                continue;
            }
            if (column && column->x > item.x && column->x < item.x + item.width) {
                item.width = item.x + item.width - column->x;
                item.x = column->x;
                item.style &= ~style::kCentre;
            }
        }
        return t;
    }();
    return translated;
}

const int* EncodingLabelRect(Language language) {
    return language == Language::Chinese ? kEncodingLabelRect : kEncodingLabelRectTranslated;
}
const int* EncodingRect(Language language) {
    return language == Language::Chinese ? kEncodingRect : kEncodingRectTranslated;
}

}  // namespace wifi
