#include "qt/SlimComboStyle.h"

#include <QStyleOptionComplex>

namespace wifi {

SlimComboStyle::SlimComboStyle(int arrowWidth) : arrowWidth_(arrowWidth) {}

QRect SlimComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                     SubControl sub, const QWidget* widget) const {
    QRect rect = QProxyStyle::subControlRect(control, option, sub, widget);
    if (control != CC_ComboBox) {
        return rect;
    }
    const QRect whole = option->rect.adjusted(1, 1, -1, -1);
    if (sub == SC_ComboBoxArrow) {
        return QRect(whole.right() - arrowWidth_ + 1, whole.top(), arrowWidth_, whole.height());
    }
    if (sub == SC_ComboBoxEditField) {
        rect.setLeft(whole.left() + 2);
        rect.setRight(whole.right() - arrowWidth_);
    }
    return rect;
}

}  // namespace wifi
