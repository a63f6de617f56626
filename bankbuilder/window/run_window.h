// The program's entry when a display is available: the window, interactive or driven by the
// command line.
#pragma once

#include "bankbuilder/window/main_window.h"

// Creates the application and the main window, runs the start-up and the event loop, and
// returns the exit code: 0 when every bank was written (and always after an interactive run),
// 1 when a build-level error ended a command-line build, 2 for a bad command line.
int run_window(int argc, char** argv, const WindowHooks& hooks);
