// Dialog units: the window's layout is given in units of the dialog font (a quarter of its
// average character width across, an eighth of its height down), converted to pixels here.
#pragma once

#include <QFont>
#include <QRect>

class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const { return (units * base_x_ + 2) / 4; }
    int y(int units) const { return (units * base_y_ + 4) / 8; }
    QRect rect(int x_units, int y_units, int width_units, int height_units) const;

    int base_x() const { return base_x_; }
    int base_y() const { return base_y_; }

  private:
    int base_x_;
    int base_y_;
};

// The dialog font: 8 points of the desktop's sans-serif face.
QFont dialog_font();
