#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QSettings>
#include <QStyleFactory>
#include <QThread>
#include <chrono>
#include <thread>

#include "bankbuilder/build_state.h"

namespace wc_test {

void ensure_application() {
    static QApplication* app = nullptr;
    if (app) return;
    static TempDir* config = new TempDir;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_CONFIG_HOME", config->path().c_str(), 1);
    setenv("ZELVO_OUTPUT", "null", 1);
    static int argc = 1;
    static char name[] = "wc_window_tests";
    static char* argv[] = {name, nullptr};
    app = new QApplication(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
}

void clear_saved_settings() {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope,
                QStringLiteral("Zelvo Sample Bank Builder"), QStringLiteral("wavecrate"));
    s.clear();
    s.sync();
}

bool wait_until(const std::function<bool()>& done, int milliseconds) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!done() && std::chrono::steady_clock::now() < end) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return done();
}

void load_all_platforms() {
    encoder_libraries.vag_loaded = true;
    encoder_libraries.dsp_loaded = true;
    encoder_libraries.xdk_set = true;
}

void WindowTest::SetUp() {
    ensure_application();
    clear_saved_settings();
    build_settings = BuildSettings{};
    build_state.cancel_requested = false;
    build_state.building = false;
    encoder_libraries = EncoderLibraries{};
    encoders_.pcm = encode_pcm;
    encoders_.source = copy_source;
}

void WindowTest::TearDown() {
    window_.reset();
    QCoreApplication::processEvents();
}

int WindowTest::start_window(const QString& command_line) {
    WindowHooks hooks;
    hooks.encoders = encoders_;
    hooks.load_libraries = load_all_platforms;
    window_ = std::make_unique<MainWindow>(hooks, dialogs_);
    window_->on_quit([this](int code) { quit_code_ = code; });
    return window_->start(command_line);
}

void WindowTest::choose(int list_id, int value) {
    auto* list = get<QComboBox>(list_id);
    int index = list->findData(value);
    ASSERT_GE(index, 0) << "value " << value << " not in list " << list_id;
    list->setCurrentIndex(index);
    emit list->activated(index);
}

QWidget* WindowTest::widget(int id) const {
    return window_->findChild<QWidget*>(QString::number(id));
}

} // namespace wc_test
