// The game's entry: GLUT, the configuration file, the full-screen window, the start-up routine,
// the level and the menu, then the GLUT main loop.
#include "game/shell/config.h"
#include "game/world/level.h"
#include "game/shell/modes.h"
#include "game/shell/overlay/menu.h"
#include "game/shell/overlay/screens.h"
#include "game/shell/startup.h"
#include "game/shell/window.h"
#include "game/sound/sound.h"
#include "platform/pointer.h"

#include <GL/freeglut.h>

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitDisplayString("rgb double depth hw=1");
    read_config_file("dnh_config.cfg");
    open_game_window(game_mode_string);
    show_pointer(false);
    initialise_game();
    build_level();
    show_screen(SCREEN_MAIN);
    set_game_mode(MODE_MENU);
    glutIgnoreKeyRepeat(1);
    glutMainLoop();
    ZVOICE_Close();
    glutLeaveGameMode();
    show_pointer(true);
    return 0;
}
