#include "qt/DialogUnits.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace wifi {

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>((p >= 0 ? p + c / 2 : p - c / 2) / c);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics fm(font);
    const int letters = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (letters / 26 + 1) / 2;
    baseY_ = fm.height();
}

int DialogUnits::ToX(int dlu) const {
    return MulDiv(dlu, baseX_, 4);
}
int DialogUnits::ToY(int dlu) const {
    return MulDiv(dlu, baseY_, 8);
}

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
    return QRect(ToX(x), ToY(y), ToX(width), ToY(height));
}

QSize DialogUnits::ToPixels(int width, int height) const {
    return QSize(ToX(width), ToY(height));
}

QSize FittedSize(const QSize& form, const QSize& available, int scrollBar) {
    QSize size = form;
    if (size.height() > available.height()) {
        size.setHeight(available.height());
        size.rwidth() += scrollBar;
    }
    if (size.width() > available.width()) {
        size.setWidth(available.width());
        size.setHeight(std::min(available.height(), size.height() + scrollBar));
    }
    return size;
}

QFont DialogFont(const QString& family, int pointSize) {
    QString chosen = family;
    const QStringList installed = QFontDatabase::families();
    if (!installed.contains(family)) {
        // Song (Ming) faces like the original first, whose metrics give the
        // same layout; then other Simplified Chinese faces; then anything
        // that covers the script.
        chosen.clear();
        for (const QString& f :
             {QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
              QStringLiteral("Noto Serif CJK SC"), QStringLiteral("WenQuanYi Zen Hei"),
              QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"),
              QStringLiteral("PingFang SC")}) {
            if (installed.contains(f)) {
                chosen = f;
                break;
            }
        }
        if (chosen.isEmpty()) {
            const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
            chosen = chinese.isEmpty() ? QString() : chinese.first();
        }
    }
    QFont font(chosen);
    font.setPointSize(pointSize);
    return font;
}

}  // namespace wifi
