#include "game/shell/window.h"

#include <GL/freeglut.h>

#include <cstdio>

void open_game_window(const std::string& mode_string) {
    glutGameModeString(mode_string.c_str());
    glutEnterGameMode();
    if (glutGetWindow() != 0) return;
    // The display could not take the mode (a virtual or nested X server, most Wayland desktops,
    // a mode the screen lacks, the empty string): rather than run without a window, play in a
    // full-screen window at the screen's current size.
    std::fprintf(stderr,
                 "Game mode \"%s\" is not available; using a full-screen window at the current "
                 "screen size %dx%d\n",
                 mode_string.c_str(), glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    std::fflush(stderr);
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    glutCreateWindow("Durnhold");
    glutFullScreen();
}
