#include "bankbuilder/window/user_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <memory>

#include "bankbuilder/window/help_window.h"

namespace {
QMessageBox::Icon toolkit_icon(MessageIcon icon) {
    switch (icon) {
    case ICON_WARNING:
        return QMessageBox::Warning;
    case ICON_INFORMATION:
        return QMessageBox::Information;
    case ICON_QUESTION:
        return QMessageBox::Question;
    default:
        return QMessageBox::Critical;
    }
}

std::optional<QString> run_for_path(QFileDialog* dialog) {
    std::optional<QString> chosen;
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
        chosen = QDir::toNativeSeparators(dialog->selectedFiles().first());
    delete dialog;
    return chosen;
}
} // namespace

QString tabbed_text_html(const QString& text) {
    auto cell_text = [](const QString& piece) {
        QString html = piece.toHtmlEscaped();
        // Leading spaces indent the switches and the mode letters; keep them.
        qsizetype lead = 0;
        while (lead < html.size() && html[lead] == QLatin1Char(' '))
            ++lead;
        return QStringLiteral("&nbsp;").repeated(lead) + html.mid(lead);
    };
    QString html;
    bool in_table = false;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0) {
            if (in_table) html += QStringLiteral("</table>");
            in_table = false;
            html += QStringLiteral("<div>") +
                    (line.isEmpty() ? QStringLiteral("&nbsp;") : cell_text(line)) +
                    QStringLiteral("</div>");
            continue;
        }
        if (!in_table) html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
        in_table = true;
        qsizetype rest = tab;
        while (rest < line.size() && line[rest] == QLatin1Char('\t'))
            ++rest;
        html += QStringLiteral("<tr><td style=\"white-space:pre; padding-right:16px\">") +
                cell_text(line.left(tab)) + QStringLiteral("</td><td style=\"white-space:pre\">") +
                cell_text(line.mid(rest)) + QStringLiteral("</td></tr>");
    }
    if (in_table) html += QStringLiteral("</table>");
    return html;
}

QString start_directory(const QString& field_text) {
    if (field_text.isEmpty()) return QString();
    QFileInfo info(field_text);
    if (info.isDir()) return info.absoluteFilePath();
    QFileInfo parent(info.absolutePath());
    return parent.isDir() ? parent.absoluteFilePath() : QString();
}

QFileDialog* make_file_list_dialog(QWidget* parent, const QString& start) {
    auto* dialog = new QFileDialog(parent, QStringLiteral("Select File List"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // "*.*" has always meant every file, also those without a dot in their name: here that is "*".
    dialog->setNameFilters({QStringLiteral("All files (*)")});
    QString dir = start_directory(start);
    if (!dir.isEmpty()) dialog->setDirectory(dir);
    dialog->selectFile(QString());
    return dialog;
}

QFileDialog* make_folder_dialog(QWidget* parent, const QString& preselect) {
    auto* dialog = new QFileDialog(parent, QStringLiteral("Select root folder of data"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setObjectName(QStringLiteral("folder_browser"));
    // The status line under the dialog shows the folder that is selected as it changes.
    auto* status = new QLabel(dialog);
    status->setObjectName(QStringLiteral("status"));
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout()))
        grid->addWidget(status, grid->rowCount(), 0, 1, grid->columnCount());
    QObject::connect(dialog, &QFileDialog::currentChanged, status, [status](const QString& path) {
        status->setText(QDir::toNativeSeparators(path));
    });
    QObject::connect(dialog, &QFileDialog::directoryEntered, status, [status](const QString& path) {
        status->setText(QDir::toNativeSeparators(path));
    });
    QFileInfo info(preselect);
    if (!preselect.isEmpty() && info.isDir()) {
        dialog->setDirectory(info.absolutePath());
        dialog->selectFile(info.absoluteFilePath());
        status->setText(QDir::toNativeSeparators(info.absoluteFilePath()));
    }
    return dialog;
}

QFileDialog* make_save_bank_dialog(QWidget* parent, const QString& start) {
    auto* dialog = new QFileDialog(parent, QStringLiteral("Save As"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // The bank extension is matched in either case, as the file systems the banks came from did.
    dialog->setNameFilters({QStringLiteral("Zelvo Sample Bank Format (*.WVC *.wvc)"),
                            QStringLiteral("All files (*)")});
    dialog->selectNameFilter(dialog->nameFilters().first());
    dialog->setDefaultSuffix(QString());
    // The chosen name is taken as typed; replacing an existing bank is what a rebuild does.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    QString dir = start_directory(start);
    if (!dir.isEmpty()) dialog->setDirectory(dir);
    dialog->selectFile(QString());
    return dialog;
}

QMessageBox* make_message_box(QWidget* parent, MessageIcon icon, const QString& caption,
                              const QString& text) {
    auto* box = new QMessageBox(toolkit_icon(icon), caption, text, QMessageBox::Ok, parent);
    box->setWindowModality(Qt::ApplicationModal);
    if (text.contains(QLatin1Char('\t'))) {
        // Tabbed texts (the usage text) are laid out in columns, without wrapping.
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            label->setTextFormat(Qt::RichText);
            label->setText(tabbed_text_html(text));
        }
    }
    return box;
}

void QtUserDialogs::message(QWidget* parent, MessageIcon icon, const QString& caption,
                            const QString& text) {
    std::unique_ptr<QMessageBox> box(make_message_box(parent, icon, caption, text));
    box->exec();
}

bool QtUserDialogs::ask_yes_no(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtUserDialogs::open_file_list(QWidget* parent, const QString& start) {
    return run_for_path(make_file_list_dialog(parent, start));
}

std::optional<QString> QtUserDialogs::choose_folder(QWidget* parent, const QString& preselect) {
    return run_for_path(make_folder_dialog(parent, preselect));
}

std::optional<QString> QtUserDialogs::save_bank(QWidget* parent, const QString& start) {
    return run_for_path(make_save_bank_dialog(parent, start));
}

void QtUserDialogs::show_help(QWidget* parent, const QString& help_file, int context) {
    show_help_window(parent, help_file, context);
}
