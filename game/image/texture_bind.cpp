#include "game/image/textures.h"

#include "game/shell/toggles.h"

GLint mipmap_min_filter(int32_t filter_mode) {
    switch (filter_mode) {
    case 1:
        return GL_NEAREST_MIPMAP_LINEAR;
    case 2:
        return GL_LINEAR_MIPMAP_NEAREST;
    default:
        return GL_LINEAR_MIPMAP_LINEAR;
    }
}

void bind_surface_texture_with(GLuint texture, GLuint texture_mipmapped, int32_t mipmapping_on,
                               int32_t filter_mode) {
    if (mipmapping_on && texture_mipmapped != 0) {
        glBindTexture(GL_TEXTURE_2D, texture_mipmapped);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmap_min_filter(filter_mode));
    } else {
        glBindTexture(GL_TEXTURE_2D, texture);
    }
}

void bind_surface_texture(GLuint texture, GLuint texture_mipmapped) {
    bind_surface_texture_with(texture, texture_mipmapped, mipmapping, mipmap_filter_mode);
}
