#include "bankbuilder/window/run_window.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdlib>

#include "bankbuilder/app.h"

int run_window(int argc, char** argv, const WindowHooks& hooks) {
    // The text after the program name, taken before the toolkit removes its own switches.
    QString command_line = QString::fromStdString(join_command_line(argc, argv));
    // The builder only decodes: no audio device is opened unless one is asked for.
    setenv("ZELVO_OUTPUT", "null", 0);

    // Only the program's own arguments reach the toolkit's parser, so that paths on the command
    // line are never taken for toolkit switches.
    int toolkit_argc = 1;
    char* toolkit_argv[] = {argv[0], nullptr};
    QApplication app(toolkit_argc, toolkit_argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The warnings window may be the only window of a hidden run; closing it must not end the
    // program.
    QApplication::setQuitOnLastWindowClosed(false);

    QtUserDialogs dialogs;
    int code = 0;
    {
        MainWindow window(hooks, dialogs);
        window.on_quit([](int exit_code) { QCoreApplication::exit(exit_code); });
        code = window.start(command_line);
        if (code < 0) code = app.exec();
    }
    return code;
}
