// Glyph table reading and text drawing.
#include "game/shell/overlay/font.h"

#include "game/render/gl_entry_points.h"
#include "game/shell/overlay/glyph_table.h"

#include <GL/glu.h>

Font hud_font;

void Font::load_glyph_table(const int16_t* values, std::size_t count) {
    for (Glyph& g : glyphs)
        g = Glyph{};
    std::size_t i = 0;
    if (i < count && values[i] != GLYPH_TABLE_END) glyph_height = values[i];
    ++i;
    if (i < count && values[i] != GLYPH_TABLE_END) values_per_glyph = values[i];
    ++i;
    // A record is its character code followed by values_per_glyph values, of which the
    // first five are the glyph's; a list with fewer than five per glyph cannot describe one.
    if (values_per_glyph < 5) return;
    const std::size_t record = 1 + static_cast<std::size_t>(values_per_glyph);
    while (i < count && values[i] != GLYPH_TABLE_END) {
        if (count - i < record) break;
        const int16_t code = values[i];
        if (code >= 0 && code < 128) {
            Glyph& g = glyphs[code];
            g.tex_x = values[i + 1];
            g.tex_y = values[i + 2];
            g.width = values[i + 3];
            g.x_offset = values[i + 4];
            g.advance = values[i + 5];
            g.present = true;
        }
        i += record;
    }
}

void Font::draw_text(std::string_view text, float x, float y, float alpha, int window_width,
                     int window_height) const {
    // A font whose picture could not be read has no size; without it there is nothing to show.
    if (texture_width <= 0.0f || texture_height <= 0.0f) return;
    const float sx = static_cast<float>(window_width) / TEXT_VIRTUAL_WIDTH;
    const float sy = static_cast<float>(window_height) / TEXT_VIRTUAL_HEIGHT;

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, window_width, window_height, 0.0);
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_BLEND);
    // The glyphs add onto whatever is behind them, weighted by the message's brightness.
    gl_entry_points.glBlendColor(alpha, alpha, alpha, alpha);
    glBlendFunc(GL_CONSTANT_COLOR, GL_ONE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glScalef(sx, sy, 1.0f);

    glBegin(GL_QUADS);
    layout_text(text, x, y, [](const GlyphQuad& q) {
        glTexCoord2f(q.s_left, q.t_baseline);
        glVertex2f(q.left, q.baseline);
        glTexCoord2f(q.s_right, q.t_baseline);
        glVertex2f(q.right, q.baseline);
        glTexCoord2f(q.s_right, q.t_top);
        glVertex2f(q.right, q.top);
        glTexCoord2f(q.s_left, q.t_top);
        glVertex2f(q.left, q.top);
    });
    glEnd();

    // The projection and model-view stay as set above: the menu's background quad is drawn
    // with this same orthographic projection.
    glPopAttrib();
}
