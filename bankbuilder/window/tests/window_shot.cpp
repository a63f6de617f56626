// Saves pictures of the window for looking at: the main window idle and mid-build, the VAG and
// general panels, the warnings window and the help window. Usage: wc_window_shot <folder>.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bankbuilder/build_state.h"
#include "bankbuilder/command_line.h"
#include "bankbuilder/window/help_window.h"
#include "bankbuilder/window/main_window.h"
#include "bankbuilder/window/warnings_window.h"

namespace {
class SilentDialogs : public QtUserDialogs {
  public:
    void message(QWidget*, MessageIcon, const QString&, const QString&) override {}
};

void save(QWidget* widget, const QString& path) {
    QCoreApplication::processEvents();
    if (!widget->grab().save(path)) std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
}

void all_platforms() {
    encoder_libraries.vag_loaded = true;
    encoder_libraries.dsp_loaded = true;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: wc_window_shot <folder>\n");
        return 2;
    }
    QString folder = QString::fromLocal8Bit(argv[1]);
    setenv("ZELVO_OUTPUT", "null", 0);
    int app_argc = 1;
    QApplication app(app_argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    SilentDialogs dialogs;
    WindowHooks hooks;
    hooks.load_libraries = all_platforms;
    MainWindow window(hooks, dialogs);
    window.start(QString());
    window.findChild<QLineEdit*>(QStringLiteral("1001"))->setText("/home/audio/game/sounds");
    window.findChild<QLineEdit*>(QStringLiteral("1004"))->setText("/home/audio/game/banks/sfx.wvc");
    save(&window, folder + "/window_idle.png");

    // Mid-build: the list filled, one entry selected, the memory bar part full, Cancel.
    for (int i = 0; i < 14; ++i)
        window.add_file(QString("/home/audio/game/sounds/effect_%1.wav").arg(i, 2, 10, QChar('0')));
    window.select_file(5);
    window.set_building(true);
    window.set_build_button_text("Cancel");
    build_state.building = true;
    window.set_busy_state(130, 40);
    window.busy_tick();
    window.set_memory_bar(1500000, false);
    window.set_current_size_text("    1464 kb");
    save(&window, folder + "/window_building.png");
    window.set_memory_bar(1900000, true);
    save(&window, folder + "/window_over_budget.png");
    build_state.building = false;
    window.set_building(false);

    auto* platform = window.findChild<QComboBox*>(QStringLiteral("1033"));
    platform->setCurrentIndex(platform->findData(PLATFORM_CROSS));
    emit platform->activated(platform->currentIndex());
    save(&window, folder + "/window_cross.png");

    window.begin_warnings();
    window.add_warning("/home/audio/game/sounds/zap.wav - ERROR! - cannot mix 8 and 16bit files "
                       "in an WVC file");
    window.add_warning("/home/audio/game/sounds/Boom.wav - file not found");
    window.add_warning("/home/audio/game/sounds/alarm.wav - ERROR! - cannot mix stereo and mono "
                       "files in an WVC file");
    window.show_warnings();
    save(window.warnings_window(), folder + "/warnings.png");
    window.warnings_window()->hide();

    HelpWindow help(nullptr);
    help.open(resolve_help_file(window.help_path()), 105);
    help.show();
    save(&help, folder + "/help.png");
    std::unique_ptr<QMessageBox> usage(make_message_box(nullptr, ICON_INFORMATION,
                                                        QString::fromLatin1(USAGE_CAPTION),
                                                        QString::fromLatin1(USAGE_TEXT)));
    usage->show();
    save(usage.get(), folder + "/usage.png");
    window.command(ID_MENU_EXIT);
    return 0;
}
