// The help window: the topics of a help file in a list beside the text of the selected one.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "bankbuilder/window/help_file.h"

class QListWidget;
class QTextBrowser;

class HelpWindow : public QDialog {
  public:
    explicit HelpWindow(QWidget* parent);

    // Loads the file (again, if it changed) and shows the topic of the context number; a
    // missing topic shows the first one. False when the file cannot be read.
    bool open(const QString& help_file, int context);
    int current_context() const;
    QString current_text() const;

  private:
    void show_topic(int index);

    QListWidget* contents_;
    QTextBrowser* text_;
    std::vector<HelpTopic> topics_;
};

// The help file to open: help_path when it exists, else the file of the same name beside the
// program.
QString resolve_help_file(const QString& help_path);

// Shows the one help window of the program at a topic; a file that cannot be read gives a
// message box.
void show_help_window(QWidget* parent, const QString& help_file, int context);
