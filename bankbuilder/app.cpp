#include "bankbuilder/app.h"

#include <cstdlib>
#include <cstring>

#include <X11/Xlib.h>

#include "bankbuilder/build_state.h"
#include "bankbuilder/command_line.h"
#include "bankbuilder/pipeline.h"

std::string join_command_line(int argc, char** argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

bool display_available() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform &&
        (std::strncmp(platform, "offscreen", 9) == 0 || std::strncmp(platform, "minimal", 7) == 0))
        return false;
    // The window runs on X (Qt's xcb platform, also under XWayland): it is shown only when the
    // display named in DISPLAY can really be opened, otherwise the console reporter takes over
    // instead of Qt aborting on a display it cannot reach.
    const char* x11 = std::getenv("DISPLAY");
    if (!x11 || !*x11) return false;
    Display* display = XOpenDisplay(x11);
    if (!display) return false;
    XCloseDisplay(display);
    return true;
}

bool build_checks(Reporter& reporter, bool interleave_enabled) {
    const BuildSettings& s = build_settings;
    const char* failure = nullptr;
    if (s.source_path.empty())
        failure = "Source directory is invalid";
    else if (s.dest_path.empty())
        failure = "destination file/directory is invalid";
    else if (s.build_mode == BUILD_INTERLEAVED && !interleave_enabled)
        failure = "You are trying to build with an invalid build mode";
    else if (!platform_available(s.platform))
        failure = "You cannot build with this platform";
    else if (s.rebuild_tree && s.use_file_list)
        failure = "Can't rebuild directory tree when using a file list";
    if (!failure) return true;
    reporter.warning_box(ERROR_CAPTION, failure);
    return false;
}

int run_command_line_mode(const std::string& text, Reporter& reporter,
                          const EncoderTable& encoders) {
    build_settings.reverb_core0 = true;
    build_settings.reverb_core1 = true;
    CommandLineError error = CMD_OK;
    if (!parse_command_line(text, build_settings, error)) {
        if (error == CMD_HELP) {
            reporter.information_box(USAGE_CAPTION, USAGE_TEXT);
            return EXIT_BUILT;
        }
        reporter.warning_box(ERROR_CAPTION, bad_command_line_text(text, error));
        return EXIT_BAD_COMMAND_LINE;
    }
    // The platform list holds only what is available; a platform named on the command line
    // that is not gives way to the first available one, whose row then decides the format.
    select_platform_and_format(build_settings);
    show_memory_budget(reporter, build_settings.platform, build_settings.format);
    // The interleaved menu item follows the platform and format the build will use.
    bool interleave_enabled = interleave_allowed(build_settings.platform, build_settings.format);
    if (!build_checks(reporter, interleave_enabled)) return EXIT_BUILD_FAILED;
    return run_build(reporter, encoders);
}
