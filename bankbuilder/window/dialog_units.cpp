#include "bankbuilder/window/dialog_units.h"

#include <QFontMetrics>

DialogUnits::DialogUnits(const QFont& font) {
    QFontMetrics metrics(font);
    // The average width of the 52 letters, rounded, as dialog templates have always measured it.
    int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    base_x_ = (width / 26 + 1) / 2;
    base_y_ = metrics.height();
    if (base_x_ < 1) base_x_ = 1;
    if (base_y_ < 1) base_y_ = 1;
}

QRect DialogUnits::rect(int x_units, int y_units, int width_units, int height_units) const {
    int left = x(x_units), top = y(y_units);
    return QRect(left, top, x(x_units + width_units) - left, y(y_units + height_units) - top);
}

QFont dialog_font() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}
