// wavecrate: the sample bank builder. Without a display it runs its command line with the
// console reporter.
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "bankbuilder/app.h"
#include "bankbuilder/build_state.h"
#include "bankbuilder/console_reporter.h"
#include "bankbuilder/settings_store.h"
#include "soundlib/zelvo.h"
#if WC_HAVE_WINDOW
#include "bankbuilder/window/run_window.h"
#endif

namespace {
void request_cancel(int) {
    build_state.cancel_requested = true;
}

void load_libraries() {
#if WC_HAVE_CODEC_ENCODERS
    load_encoder_libraries();
#else
    const char* xdk = std::getenv("XDK");
    encoder_libraries.xdk_set = xdk && *xdk;
#endif
}

void unload_libraries() {
#if WC_HAVE_CODEC_ENCODERS
    unload_encoder_libraries();
#endif
}
} // namespace

int main(int argc, char** argv) {
    std::string text = join_command_line(argc, argv);
    bool blank = text.find_first_not_of(" \t\n\v\f\r") == std::string::npos;
    bool display = display_available();
#if WC_HAVE_WINDOW
    // With a display the window is in charge, interactive or driven by the command line.
    if (display) {
        WindowHooks hooks;
        hooks.encoders = standard_encoders();
        hooks.load_libraries = load_libraries;
        hooks.unload_libraries = unload_libraries;
        return run_window(argc, argv, hooks);
    }
#endif
    if (blank) {
        if (!display)
            std::fprintf(stderr, "wavecrate: no display available; give a command line to build "
                                 "without the window (wavecrate -? lists the options)\n");
        else
            std::fprintf(stderr, "wavecrate: the window is not built yet; give a command line "
                                 "(wavecrate -? lists the options)\n");
        return EXIT_BUILD_FAILED;
    }

    // The builder only decodes: no audio device is opened unless one is asked for.
    setenv("ZELVO_OUTPUT", "null", 0);
    load_libraries();
    // Without the sound library every source would fail to load; say why once, up front.
    if (!ZVOICE_Init(44100, 32, 0))
        std::fprintf(stderr, "wavecrate: the sound library did not start (error %d)\n",
                     ZVOICE_GetError());
    load_settings(build_settings);

    // Ctrl+C or a terminating build script stops the build the way Cancel does: the bank that
    // is open is finished with the samples encoded so far.
    std::signal(SIGINT, request_cancel);
    std::signal(SIGTERM, request_cancel);

    ConsoleReporter reporter;
    int code = run_command_line_mode(text, reporter, standard_encoders());
    if (build_state.cancel_requested)
        std::fprintf(stderr, "wavecrate: build cancelled; the open bank holds the samples "
                             "encoded before the cancel\n");
    ZVOICE_Close();
    unload_libraries();
    return code;
}
