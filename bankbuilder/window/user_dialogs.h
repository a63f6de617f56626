// The boxes and common dialogs the window opens: message boxes, the Yes/No question, the file
// and folder dialogs and the help window. The window asks through this interface so that tests
// can answer in place of a user.
#pragma once

#include <QString>
#include <optional>

class QFileDialog;
class QMessageBox;
class QWidget;

enum MessageIcon { ICON_WARNING, ICON_INFORMATION, ICON_QUESTION, ICON_ERROR };

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    virtual void message(QWidget* parent, MessageIcon icon, const QString& caption,
                         const QString& text) = 0;
    // True for Yes.
    virtual bool ask_yes_no(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Each returns the chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> open_file_list(QWidget* parent, const QString& start) = 0;
    virtual std::optional<QString> choose_folder(QWidget* parent, const QString& preselect) = 0;
    virtual std::optional<QString> save_bank(QWidget* parent, const QString& start) = 0;
    // Opens the help file at the topic of a context number.
    virtual void show_help(QWidget* parent, const QString& help_file, int context) = 0;
};

// The real dialogs of the toolkit.
class QtUserDialogs : public UserDialogs {
  public:
    void message(QWidget* parent, MessageIcon icon, const QString& caption,
                 const QString& text) override;
    bool ask_yes_no(QWidget* parent, const QString& caption, const QString& text) override;
    std::optional<QString> open_file_list(QWidget* parent, const QString& start) override;
    std::optional<QString> choose_folder(QWidget* parent, const QString& preselect) override;
    std::optional<QString> save_bank(QWidget* parent, const QString& start) override;
    void show_help(QWidget* parent, const QString& help_file, int context) override;
};

// A message box as message() shows it, not yet run.
QMessageBox* make_message_box(QWidget* parent, MessageIcon icon, const QString& caption,
                              const QString& text);

// The three dialogs, configured but not run (the tests look at them).
QFileDialog* make_file_list_dialog(QWidget* parent, const QString& start);
QFileDialog* make_folder_dialog(QWidget* parent, const QString& preselect);
QFileDialog* make_save_bank_dialog(QWidget* parent, const QString& start);

// Text with tab characters as a message box shows it: its tabs separate two columns (what comes
// before the first tab of a line, and what follows its tabs), so the usage text lines up in any
// face. Lines without a tab span both columns.
QString tabbed_text_html(const QString& text);

// The directory a dialog starts in for a field's text: the text itself when it names a
// directory, else the directory of the file it names, else nothing (the dialog's default).
QString start_directory(const QString& field_text);
