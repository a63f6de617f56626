// Font, menu pictures and the start menu's buttons.
#include "game/shell/overlay/overlay_start_up.h"

#include "game/image/textures.h"
#include "game/shell/overlay/font.h"
#include "game/shell/overlay/menu.h"
#include "game/shell/overlay/pictures.h"

#include <cstdio>

// A picture that cannot be read leaves its texture without an image; the menu then
// leaves it out, and the game goes on.
static GLuint menu_picture(const char* file, TextureId id) {
    const GLuint name = texture_names_plain[id];
    if (!upload_menu_picture(file, id)) {
        std::fprintf(stderr, "Cannot read the menu picture \"%s\": it is left out\n", file);
        mark_picture_missing(name);
    }
    return name;
}

void overlay_start_up() {
    hud_font = Font(texture_names_plain[TEX_FONT]);

    start_menu = Menu{};
    start_menu.background = menu_picture("anfang_menu.tga", TEX_ANFANG_MENU);
    start_menu.max_scale = menu_full_scale();

    const GLuint start = menu_picture("Start_field.bmp", TEX_START_FIELD);
    start_menu.add_button(0.8f, 0.55f, 0.3f, 0.35f, 0.05f, 0.105f, start);
    const GLuint story = menu_picture("Story_field.bmp", TEX_STORY_FIELD);
    start_menu.add_button(0.8f, 0.75f, 0.3f, 0.35f, 0.01f, 0.105f, story);
    // One Back picture serves the story, controls and end screens.
    const GLuint back = menu_picture("Back_field.bmp", TEX_BACK_FIELD);
    for (int i = 0; i < 3; ++i)
        start_menu.add_button(0.815f, 0.85f, 0.3f, 0.35f, 0.05f, 0.105f, back);

    menu_picture("ende_menu.tga", TEX_ENDE_MENU);
}
