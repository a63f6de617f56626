// The overlay's operations that read the current window size.
#include "game/shell/modes.h"
#include "game/shell/overlay/menu.h"
#include "game/shell/overlay/message_queue.h"

void Menu::hover(int pointer_x, int pointer_y) {
    hover(pointer_x, pointer_y, window_width, window_height);
}

void MessageQueue::draw(const Font& font) const {
    draw(font, window_width, window_height);
}
