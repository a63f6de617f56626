#include "game/image/textures.h"

#include "game/image/bmp.h"
#include "game/image/tga.h"

#include <GL/glu.h>

#include <cstdio>

namespace {

// What one decoded file gives the uploads: a view of its pixels and their layout.
struct Decoded {
    std::unique_ptr<Image> tga;
    std::unique_ptr<RgbImage> bmp;
    int32_t width = 0, height = 0;
    GLenum format = GL_RGB;
    const uint8_t* pixels = nullptr;
};

enum class ReadResult { OK, UNKNOWN_KIND, UNREADABLE };

// ".bmp" is looked for first, anywhere in the name, so "x.tga.bmp" and "x.bmp.tga" are BMPs.
ReadResult read_picture(const std::string& file_name, Decoded& d) {
    if (file_name.find(".bmp") != std::string::npos) {
        d.bmp = read_bmp(file_name);
        if (!d.bmp) return ReadResult::UNREADABLE;
        d.width = d.bmp->width, d.height = d.bmp->height;
        d.pixels = d.bmp->pixels.data();
        d.format = GL_RGB;
        return ReadResult::OK;
    }
    if (file_name.find(".tga") != std::string::npos) {
        d.tga = read_tga(file_name);
        if (!d.tga) return ReadResult::UNREADABLE;
        d.width = d.tga->width, d.height = d.tga->height;
        d.pixels = d.tga->pixels.data();
        d.format = d.tga->channels == 4 ? GL_RGBA : GL_RGB;
        return ReadResult::OK;
    }
    return ReadResult::UNKNOWN_KIND;
}

void set_parameters(GLint wrap, GLint min_filter) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min_filter);
}

// Our buffers have no row padding; without this, rows of RGB pictures whose width is not a
// multiple of 4 bytes would be read skewed.
struct TightRows {
    TightRows() {
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    }
    ~TightRows() { glPopClientAttrib(); }
};

} // namespace

void create_texture_names() {
    glGenTextures(2 * TEXTURE_ID_COUNT, texture_names);
}

void load_texture(const std::string& file_name, TextureId id, GLint wrap) {
    if (id < 0 || id >= TEXTURE_ID_COUNT) return;
    Decoded d;
    switch (read_picture(file_name, d)) {
    case ReadResult::UNKNOWN_KIND:
        std::fputs("ERROR: cannot open texture files\n", stderr);
        std::fflush(stderr);
        return;
    case ReadResult::UNREADABLE:
        return;
    case ReadResult::OK:
        break;
    }
    TightRows tight;
    // Internal format 3 for both: the alpha of a 32-bit TGA never reaches a surface texture.
    glBindTexture(GL_TEXTURE_2D, texture_names_plain[id]);
    set_parameters(wrap, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, d.width, d.height, 0, d.format, GL_UNSIGNED_BYTE, d.pixels);
    glBindTexture(GL_TEXTURE_2D, texture_names_mipmapped[id]);
    set_parameters(wrap, GL_LINEAR_MIPMAP_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, d.width, d.height, d.format, GL_UNSIGNED_BYTE, d.pixels);
}

void load_texture_list() {
    for (const TextureFile& t : TEXTURE_TABLE)
        load_texture(t.file, t.id, t.wrap);
}

bool upload_menu_picture(const std::string& file_name, TextureId id) {
    if (id < 0 || id >= TEXTURE_ID_COUNT) return false;
    glBindTexture(GL_TEXTURE_2D, texture_names_plain[id]);
    set_parameters(GL_CLAMP, GL_LINEAR);
    Decoded d;
    if (read_picture(file_name, d) != ReadResult::OK) return false;
    // The menu uploads read three bytes per pixel. A 32-bit picture would be read skewed, so its
    // alpha is dropped here first.
    if (d.tga && d.tga->channels == 4) {
        std::vector<uint8_t>& px = d.tga->pixels;
        size_t out = 0;
        for (size_t in = 0; in + 3 < px.size(); in += 4, out += 3) {
            px[out] = px[in];
            px[out + 1] = px[in + 1];
            px[out + 2] = px[in + 2];
        }
        px.resize(out);
        d.tga->channels = 3;
        d.pixels = px.data();
    }
    TightRows tight;
    glTexImage2D(GL_TEXTURE_2D, 0, 3, d.width, d.height, 0, GL_RGB, GL_UNSIGNED_BYTE, d.pixels);
    return true;
}
