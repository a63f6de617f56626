// Menu screen switching and the screen texts.
#include "game/shell/overlay/screens.h"

#include "game/shell/overlay/menu.h"
#include "game/shell/overlay/message_queue.h"

// clang-format off
const char* const STORY_TEXT =
    "The evil Fuerst der Finsternis has\n"
    "kidnapped the lovely Princess Ysella.\n"
    "Nobody was able to rescue her.\n"
    "So you grab a sword and head towards\n"
    "the hideout of the Fuerst the Finsternis\n"
    "where you will try the best you can...";

// The spaces before each tab are part of the text; the tab stops then line the
// descriptions up in one column.
const char* const CONTROLS_TEXT =
    "a                         \tstrafe left\n"
    "d                         \tstrafe right\n"
    "w                         \tforward\n"
    "s                         \tbackward\n"
    "SPACE               \tjump\n"
    "Left Mouse Button  \tfight\n"
    "ESC                     \texit game";

const char* const END_TEXT =
    "                 Congratulations!\n"
    "\n"
    "You have rescued the Princess\n"
    "and won the game!\n"
    "\n"
    "And they lived happily ever after...";
// clang-format on

// Screen texts stay for an hour, which is as good as for as long as the screen is shown.
static ScreenMessage screen_text(const char* text, float y) {
    ScreenMessage m;
    m.alpha = 1.0f;
    m.fade_step = 1.0f;
    m.text = text;
    m.x = 0.1f;
    m.y = y;
    m.delay = 0.0f;
    m.hold_time = 3600.0f;
    return m;
}

void show_screen(int16_t screen) {
    start_menu.screen = screen;
    if (screen < SCREEN_MAIN || screen > SCREEN_END) return;
    message_queue.clear();
    alert_queue.clear();
    switch (screen) {
    case SCREEN_MAIN:
        start_menu.return_to_game = 0;
        break;
    case SCREEN_STORY:
        start_menu.return_to_game = 0;
        message_queue.post(screen_text(STORY_TEXT, 0.37f));
        break;
    case SCREEN_CONTROLS:
        message_queue.post(screen_text(CONTROLS_TEXT, 0.33f));
        break;
    case SCREEN_END:
        start_menu.return_to_game = 3;
        message_queue.post(screen_text(END_TEXT, 0.37f));
        break;
    }
}
