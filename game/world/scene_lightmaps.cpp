// The lightmap step of the level build: every surface's lightmap, then its display lists, which
// bake the lightmap texture and coordinates in.
#include "game/lightmap/lightmap.h"
#include "game/render/buffers.h"
#include "game/render/display_lists.h"
#include "game/shell/toggles.h"
#include "game/world/scene.h"

namespace {
constexpr int LIGHTMAP_SIZE = 128;
constexpr int TEXELS_PER_UNIT = 64;
} // namespace

void scene_build_lightmaps(const GLenum* lights, int count) {
    const bool buffers = render_path == RENDER_VERTEX_BUFFERS;
    // The lightmap builder reads at most eight lights.
    GLenum ids[8] = {};
    const int used = count < 8 ? count : 8;
    for (int i = 0; i < used; ++i)
        ids[i] = lights[i];
    for (Surface& surface : scene.surfaces) {
        // A "licht" surface gets no lightmap, but it still needs its display lists, or it
        // would vanish whenever display lists are switched on.
        if (surface.name.find("licht") != std::string::npos) {
            compile_display_lists(surface, false);
            continue;
        }
        // The buffer layout changes with the lightmap (four buffers instead of three).
        if (buffers) delete_buffers(surface);
        build_lightmap(surface, ids, used, LIGHTMAP_SIZE, TEXELS_PER_UNIT);
        compile_display_lists(surface, false);
        if (buffers) create_buffers(surface);
    }
}
