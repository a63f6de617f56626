// The window's banner and icon, painted at start rather than shipped as pictures.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The banner across the top of the window: a 565 x 84 picture centred on a background that
// fills the given size (at least the picture's).
QPixmap make_banner(QSize size = QSize(565, 84));
QIcon make_window_icon();
