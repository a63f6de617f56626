// wavecrate's start-up steps that need no window: the command line, the Build checks, and the
// command-line mode run with a reporter.
#pragma once

#include <string>

#include "bankbuilder/encoder.h"
#include "bankbuilder/reporter.h"

// Exit codes: every bank written; a build-level error ended the build; a bad command line.
constexpr int EXIT_BUILT = 0;
constexpr int EXIT_BUILD_FAILED = 1;
constexpr int EXIT_BAD_COMMAND_LINE = 2;

// The text after the program name, as one line: the arguments joined by spaces.
std::string join_command_line(int argc, char** argv);

// Whether a window could be shown: not on Qt's "offscreen" or "minimal" platform, and only
// when the X display named in DISPLAY can be opened.
bool display_available();

// The Build checks, in order; the first that fails shows its message and returns false.
// interleave_enabled is the state of the interleaved build-mode menu item.
bool build_checks(Reporter& reporter, bool interleave_enabled);

// After load_settings: applies the command line to build_settings, selects the platform and
// format, runs the Build checks and the build. Returns the exit code. An empty text is the
// caller's business (the window runs interactively).
int run_command_line_mode(const std::string& text, Reporter& reporter,
                          const EncoderTable& encoders);
