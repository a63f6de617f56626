// Tooltips of the window's controls, each tool a control found by its id under a parent.
#pragma once

#include <QString>

class QWidget;

void add_tooltip(QWidget* parent, int id, const QString& text);
void remove_tooltip(QWidget* parent, int id);
// The control of an id among the direct and indirect children of a parent, or null.
QWidget* control(QWidget* parent, int id);
