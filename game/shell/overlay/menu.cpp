// Start menu buttons: hover test, grow and shrink animation, drawing.
#include "game/shell/overlay/menu.h"

#include "game/shell/overlay/pictures.h"

Menu start_menu;

float menu_full_scale() {
    float scale = 1.0f;
    for (float step : MENU_GROW)
        scale += step;
    return scale;
}

bool Menu::add_button(float x, float y, float width, float height, float margin_x, float margin_y,
                      GLuint texture) {
    if (button_count >= MENU_MAX_BUTTONS) return false;
    MenuButton& b = buttons[button_count++];
    b = MenuButton{};
    b.x = x;
    b.y = y;
    b.width = width;
    b.height = height;
    b.margin_x = margin_x;
    b.margin_y = margin_y;
    b.texture = texture;
    return true;
}

// Screen 0 owns buttons 0 and 1; screens 1, 2 and 3 own one Back button each.
int Menu::first_button_of(int16_t screen) {
    switch (screen) {
    case SCREEN_MAIN:
        return 0;
    case SCREEN_STORY:
        return 2;
    case SCREEN_CONTROLS:
        return 3;
    case SCREEN_END:
        return 4;
    default:
        return 0;
    }
}

int Menu::button_count_of(int16_t screen) {
    switch (screen) {
    case SCREEN_MAIN:
        return 2;
    case SCREEN_STORY:
    case SCREEN_CONTROLS:
    case SCREEN_END:
        return 1;
    default:
        return 0;
    }
}

int Menu::first_shown_button() const {
    return first_button_of(screen);
}

int Menu::end_shown_button() const {
    const int end = first_button_of(screen) + button_count_of(screen);
    return end < button_count ? end : button_count;
}

void Menu::animate() {
    for (int i = 0; i < button_count; ++i) {
        MenuButton& b = buttons[i];
        switch (b.hover_state) {
        case HOVER_IDLE:
            b.scale = 1.0f;
            break;
        case HOVER_GROWING:
        case HOVER_SHRINKING: {
            if (b.anim_counter < b.anim_steps) {
                // The counter never leaves 0..11 through hover(), but keep the table
                // index in range whatever a caller stored.
                int k = static_cast<int>(b.anim_counter);
                if (k < 0) k = 0;
                if (k >= MENU_ANIM_STEPS) k = MENU_ANIM_STEPS - 1;
                b.scale += (b.hover_state == HOVER_GROWING ? MENU_GROW : MENU_SHRINK)[k];
                b.anim_counter += b.anim_step;
            } else {
                b.hover_state = b.hover_state == HOVER_GROWING ? HOVER_GROWN : HOVER_IDLE;
            }
            break;
        }
        default:
            break;
        }
    }
}

// Sum of the first `steps` entries of a table, with `steps` in 0..11.
static float table_sum(const float* table, float steps) {
    float sum = 0.0f;
    for (int k = 0; k < MENU_ANIM_STEPS && static_cast<float>(k) < steps; ++k)
        sum += table[k];
    return sum;
}

void Menu::hover(int pointer_x, int pointer_y, int window_width, int window_height) {
    const float px = static_cast<float>(pointer_x);
    const float py = static_cast<float>(pointer_y);
    const float w = static_cast<float>(window_width);
    const float h = static_cast<float>(window_height);
    for (int i = first_shown_button(); i < end_shown_button(); ++i) {
        MenuButton& b = buttons[i];
        const bool inside = (b.x - b.width / 2 + b.margin_x) * w < px &&
                            px < (b.x + b.width / 2 - b.margin_x) * w &&
                            (b.y - b.height / 2 + b.margin_y) * h < py &&
                            py < (b.y + b.height / 2 - b.margin_y) * h;
        if (inside && b.hover_state == HOVER_IDLE) {
            b.hover_state = HOVER_GROWING;
            b.anim_counter = 0.0f;
            b.scale = 1.0f;
        } else if (inside && b.hover_state == HOVER_SHRINKING) {
            // Grow on from the size the shrink had reached.
            b.anim_counter = b.anim_steps - b.anim_counter;
            b.hover_state = HOVER_GROWING;
            b.scale = 1.0f + table_sum(MENU_GROW, b.anim_counter);
        } else if (!inside && b.hover_state == HOVER_GROWING) {
            b.anim_counter = b.anim_steps - b.anim_counter;
            b.hover_state = HOVER_SHRINKING;
            b.scale = max_scale + table_sum(MENU_SHRINK, b.anim_counter);
        } else if (!inside && b.hover_state == HOVER_GROWN) {
            b.anim_counter = b.anim_steps - b.anim_counter;
            b.hover_state = HOVER_SHRINKING;
            b.scale = max_scale;
        } else {
            continue;
        }
        b.anim_steps = 11.0f;
        b.anim_step = 1.0f;
    }
}

void Menu::draw_background(int window_width, int window_height) const {
    if (!picture_available(background)) return;
    const float w = static_cast<float>(window_width);
    const float h = static_cast<float>(window_height);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, background);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    // The picture's first row goes to the bottom of the window.
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(0.0f, h);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(w, h);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(w, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(0.0f, 0.0f);
    glEnd();
}

void Menu::draw_buttons(int window_width, int window_height) const {
    const float w = static_cast<float>(window_width);
    const float h = static_cast<float>(window_height);
    glEnable(GL_TEXTURE_2D);
    for (int i = first_shown_button(); i < end_shown_button(); ++i) {
        const MenuButton& b = buttons[i];
        if (!picture_available(b.texture) || b.scale <= 0.0f) continue;
        // The quad is scaled about the window's top-left corner; dividing the centre by the
        // scale keeps the button's horizontal centre in place while it grows. The vertical
        // placement uses half the width on purpose, which is what the pictures are laid out for.
        const float inv = 1.0f / b.scale;
        const float half = b.width * 0.5f;
        const float left = static_cast<float>(static_cast<int>((inv * b.x - half) * w));
        const float top = static_cast<float>(static_cast<int>((inv * b.y - half) * h));
        const float pw = static_cast<float>(static_cast<int>(w * b.width));
        const float ph = static_cast<float>(static_cast<int>(h * b.height));
        glBindTexture(GL_TEXTURE_2D, b.texture);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        glPushMatrix();
        glScalef(b.scale, b.scale, 1.0f);
        glBegin(GL_QUADS);
        glTexCoord2f(0.0f, 0.0f);
        glVertex2f(left, top + ph);
        glTexCoord2f(1.0f, 0.0f);
        glVertex2f(left + pw, top + ph);
        glTexCoord2f(1.0f, 1.0f);
        glVertex2f(left + pw, top);
        glTexCoord2f(0.0f, 1.0f);
        glVertex2f(left, top);
        glEnd();
        glPopMatrix();
    }
}
