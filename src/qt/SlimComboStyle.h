#pragma once

#include <QProxyStyle>

namespace wifi {

// The platform's look with a slimmer drop-list arrow, so that the template's
// narrow lists (38 dialog units) show their longest entry ("115200") whole.
class SlimComboStyle : public QProxyStyle {
    Q_OBJECT
  public:
    // arrowWidth: pixels for the arrow, frame included.
    explicit SlimComboStyle(int arrowWidth);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;

  private:
    int arrowWidth_;
};

}  // namespace wifi
