#include "bankbuilder/window/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
// A decaying tone burst: the builder's business drawn as a waveform.
QPainterPath wave_path(double left, double width, double middle, double height) {
    QPainterPath path;
    const int steps = 240;
    for (int i = 0; i <= steps; ++i) {
        double t = double(i) / steps;
        double envelope = std::exp(-3.2 * t) * (1.0 - std::exp(-40.0 * t));
        double y = middle - height * envelope * std::sin(2.0 * M_PI * 9.0 * t);
        if (i == 0)
            path.moveTo(left, y);
        else
            path.lineTo(left + width * t, y);
    }
    return path;
}
} // namespace

QPixmap make_banner(QSize size) {
    size = size.expandedTo(QSize(565, 84));
    QPixmap banner(size);
    QPainter p(&banner);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0.0, QColor(18, 32, 66));
    sky.setColorAt(1.0, QColor(40, 86, 140));
    p.fillRect(banner.rect(), sky);
    // The picture itself, centred.
    p.translate((size.width() - 565) / 2, (size.height() - 84) / 2);

    // Three crates of sound stacked at the left.
    const QColor crate_colours[] = {QColor(196, 140, 62), QColor(214, 160, 78),
                                    QColor(180, 124, 52)};
    const QRect crates[] = {QRect(18, 40, 34, 30), QRect(56, 40, 34, 30), QRect(37, 12, 34, 28)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(92, 58, 20), 2));
        p.setBrush(crate_colours[i]);
        p.drawRect(crates[i]);
        p.drawLine(crates[i].topLeft(), crates[i].bottomRight());
        p.drawLine(crates[i].topRight(), crates[i].bottomLeft());
    }

    p.setPen(QPen(QColor(120, 200, 255, 170), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave_path(330, 220, 42, 30));

    QFont title(QStringLiteral("Sans Serif"));
    title.setStyleHint(QFont::SansSerif);
    title.setPixelSize(26);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(245, 245, 250));
    p.drawText(QRect(108, 10, 440, 36), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Wavecrate"));
    QFont subtitle = title;
    subtitle.setPixelSize(13);
    subtitle.setBold(false);
    p.setFont(subtitle);
    p.setPen(QColor(200, 220, 240));
    p.drawText(QRect(110, 46, 440, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Zelvo Sample Bank Generator"));
    return banner;
}

QIcon make_window_icon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        double s = size / 16.0;
        p.setPen(QPen(QColor(92, 58, 20), s));
        p.setBrush(QColor(214, 160, 78));
        p.drawRect(QRectF(1.5 * s, 3.5 * s, 13 * s, 11 * s));
        p.setPen(QPen(QColor(18, 32, 66), 1.4 * s));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave_path(2.5 * s, 11 * s, 9 * s, 4 * s));
        icon.addPixmap(pixmap);
    }
    return icon;
}
