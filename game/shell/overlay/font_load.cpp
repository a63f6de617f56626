// Building the font at start-up: the font picture goes to its texture as RGBA.
#include "game/image/textures.h"
#include "game/image/tga.h"
#include "game/shell/overlay/font.h"
#include "game/shell/overlay/glyph_table.h"
#include "game/shell/overlay/pictures.h"

#include <cstdio>
#include <vector>

Font::Font(GLuint texture_name) : texture(texture_name) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    load_glyph_table(GLYPH_TABLE, GLYPH_TABLE_SIZE);

    std::unique_ptr<Image> image = read_tga(FONT_FILE);
    if (!image || image->width <= 0 || image->height <= 0) {
        // The game still runs, only without any text on screen.
        std::fprintf(stderr, "Cannot read the font picture \"%s\": texts are not shown\n",
                     FONT_FILE);
        mark_picture_missing(texture);
        return;
    }
    // The font is uploaded as four-component RGBA. A 24-bit file has only three bytes per
    // pixel, so it is widened first rather than letting GL read past the end of the pixels.
    const std::size_t count = static_cast<std::size_t>(image->width) * image->height;
    std::vector<uint8_t> rgba;
    const uint8_t* pixels = image->pixels.data();
    if (image->channels != 4) {
        rgba.resize(count * 4);
        for (std::size_t i = 0; i < count; ++i) {
            rgba[i * 4 + 0] = image->pixels[i * 3 + 0];
            rgba[i * 4 + 1] = image->pixels[i * 3 + 1];
            rgba[i * 4 + 2] = image->pixels[i * 3 + 2];
            rgba[i * 4 + 3] = 255;
        }
        pixels = rgba.data();
    }
    glTexImage2D(GL_TEXTURE_2D, 0, 4, image->width, image->height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels);
    texture_width = static_cast<float>(image->width);
    texture_height = static_cast<float>(image->height);
}
