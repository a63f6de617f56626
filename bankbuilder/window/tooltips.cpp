#include "bankbuilder/window/tooltips.h"

#include <QWidget>

QWidget* control(QWidget* parent, int id) {
    return parent ? parent->findChild<QWidget*>(QString::number(id)) : nullptr;
}

void add_tooltip(QWidget* parent, int id, const QString& text) {
    if (QWidget* widget = control(parent, id)) widget->setToolTip(text);
}

void remove_tooltip(QWidget* parent, int id) {
    if (QWidget* widget = control(parent, id)) widget->setToolTip(QString());
}
