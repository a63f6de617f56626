#include "bankbuilder/window/warnings_window.h"

#include <QListWidget>
#include <QPushButton>

#include "bankbuilder/window/dialog_units.h"

WarningsWindow::WarningsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("warnings_window"));
    setWindowTitle(QStringLiteral("Warnings during sound compilation"));
    setFont(dialog_font());
    DialogUnits du(font());
    setFixedSize(du.x(431), du.y(261));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("1009"));
    list_->setGeometry(du.rect(7, 7, 417, 232));
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(du.rect(190, 240, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { hide(); });
}

void WarningsWindow::add_line(const QString& line) {
    // Equal lines keep their order of arrival: the new one goes after every line that does not
    // sort after it.
    int low = 0, high = list_->count();
    while (low < high) {
        int middle = (low + high) / 2;
        if (QString::compare(list_->item(middle)->text(), line, Qt::CaseInsensitive) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    list_->insertItem(low, line);
}

QStringList WarningsWindow::lines() const {
    QStringList result;
    for (int i = 0; i < list_->count(); ++i)
        result << list_->item(i)->text();
    return result;
}

void WarningsWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (hidden_callback_) hidden_callback_();
}

void WarningsWindow::done(int result) {
    // Escape and the close box only hide the window; it lives until its bank is finished.
    QDialog::done(result);
    hide();
}
