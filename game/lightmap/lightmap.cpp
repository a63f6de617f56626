#include "game/lightmap/lightmap.h"

#include "game/image/tga.h"
#include "game/lightmap/lightmap_cache.h"
#include "game/world/scene.h"

#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

namespace {

void set_clamp_to_edge() {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

void upload_cached(Surface& surface, const Image& image) {
    glGenTextures(1, &surface.lightmap_texture);
    glBindTexture(GL_TEXTURE_2D, surface.lightmap_texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    set_clamp_to_edge();
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height,
                      image.channels == 4 ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE,
                      image.pixels.data());
    glPopClientAttrib();
}

void progress_line(const std::string& name, int percent) {
    std::fprintf(stderr, "\rBuilding Lightmap for \"%s\" %d%%", name.c_str(), percent);
    std::fflush(stderr);
}

} // namespace

void read_light_records(const GLenum* lights, int count, LightRecord* out) {
    for (int i = 0; i < count; ++i) {
        LightRecord& r = out[i];
        float v[4] = {};
        glGetLightfv(lights[i], GL_QUADRATIC_ATTENUATION, &r.quadratic);
        glGetLightfv(lights[i], GL_LINEAR_ATTENUATION, &r.linear);
        glGetLightfv(lights[i], GL_CONSTANT_ATTENUATION, &r.constant);
        // w is ignored: the level's lights are all points.
        glGetLightfv(lights[i], GL_POSITION, v);
        r.position = {v[0], v[1], v[2]};
        glGetLightfv(lights[i], GL_AMBIENT, v);
        std::copy(v, v + 3, r.ambient);
        glGetLightfv(lights[i], GL_DIFFUSE, v);
        std::copy(v, v + 3, r.diffuse);
    }
}

void read_global_ambient(float* rgb) {
    float v[4] = {};
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, v);
    std::copy(v, v + 3, rgb);
}

void build_lightmap(Surface& surface, const GLenum* lights, int count, int lightmap_size,
                    int texels_per_unit) {
    count = std::clamp(count, 0, LIGHTMAP_MAX_LIGHTS);
    set_lightmap_texcoords(surface);

    const std::string path = lightmap_cache_path(surface.name);
    if (auto cached = read_lightmap_cache(path, lightmap_size)) {
        upload_cached(surface, *cached);
        return;
    }

    std::fprintf(stderr, "Building Lightmap for \"%s\" 0%%", surface.name.c_str());
    std::fflush(stderr);
    glPushAttrib(GL_TEXTURE_BIT);
    // A light id OpenGL does not know leaves its record at the defaults, which add no light.
    LightRecord records[LIGHTMAP_MAX_LIGHTS];
    read_light_records(lights, count, records);
    float ambient[3] = {};
    read_global_ambient(ambient);

    TexelGrid grid =
        compute_lightmap_texels(scene, surface, records, count, ambient, texels_per_unit,
                                [&](int percent) { progress_line(surface.name, percent); });
    // Darkness is no light at all: a texel that faces away from a light that faces the surface
    // at its origin corner comes out below zero, which the byte conversion must not wrap.
    for (float& v : grid.rgb)
        v = std::max(v, 0.0f);

    glGenTextures(1, &surface.lightmap_texture);
    glBindTexture(GL_TEXTURE_2D, surface.lightmap_texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    set_clamp_to_edge();

    const int size = std::clamp(lightmap_size, 1, static_cast<int>(IMAGE_MAX_SIDE));
    std::vector<uint8_t> scaled(static_cast<size_t>(size) * static_cast<size_t>(size) * 3);
    // Our buffers are tightly packed; the caller's pixel-store settings come back afterwards.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluScaleImage(GL_RGB, grid.width, grid.height, GL_FLOAT, grid.rgb.data(), size, size,
                  GL_UNSIGNED_BYTE, scaled.data());
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, size, size, GL_RGB, GL_UNSIGNED_BYTE, scaled.data());
    glPopClientAttrib();
    std::fprintf(stderr, "\rBuilding Lightmap for \"%s\" 100%%\n", surface.name.c_str());
    std::fflush(stderr);

    // The texture is already uploaded: write_tga may turn the buffer into B, G, R. A file that
    // cannot be written leaves the lightmap in use for this run; the next run computes it again.
    TgaPicture picture;
    picture.width = static_cast<int16_t>(size);
    picture.height = static_cast<int16_t>(size);
    picture.pixels = scaled.data();
    write_tga(path, picture);
    glPopAttrib();
}
