#include "game/world/scene.h"

#include "game/render/buffers.h"
#include "game/render/display_lists.h"
#include "game/shell/toggles.h"

Scene scene;

namespace {

template <typename T> void give_buffers_if_needed(T& object) {
    if (render_path == RENDER_VERTEX_BUFFERS) create_buffers(object);
}

} // namespace

void scene_add_figure(Monster& monster) {
    compile_display_lists(monster, false);
    scene.figures.push_back(monster);
    give_buffers_if_needed(scene.figures.back());
}

void scene_add_item(Item& item) {
    compile_display_lists(item, false);
    scene.items.push_back(item);
    give_buffers_if_needed(scene.items.back());
}

void scene_add_prop(Prop& prop) {
    compile_display_lists(prop, true);
    scene.props.push_back(prop);
    give_buffers_if_needed(scene.props.back());
}

void scene_add_surface(Surface& surface) {
    scene.surfaces.push_back(surface);
    // Without a lightmap yet; scene_build_lightmaps renews these once the lightmap exists.
    give_buffers_if_needed(scene.surfaces.back());
}
