#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace wifi {

// Dialog units to pixels, from the dialog font's metrics as the dialog
// framework computes them: a horizontal unit is a quarter of the font's
// average letter width, a vertical unit an eighth of its height.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);

    int ToX(int dlu) const;
    int ToY(int dlu) const;
    QRect ToPixels(int x, int y, int width, int height) const;
    QSize ToPixels(int width, int height) const;

  private:
    int baseX_;
    int baseY_;
};

// The window's size for a form of this size on a screen with this much room:
// the whole form where it fits; where it does not, what fits, with room for
// the scroll bar that then shows the rest.
QSize FittedSize(const QSize& form, const QSize& available, int scrollBar);

// The font the dialog is drawn in: "宋体" at 10 points where it is installed,
// otherwise an installed font that covers Simplified Chinese, so that no
// text shows as boxes.
QFont DialogFont(const QString& family, int pointSize);

}  // namespace wifi
