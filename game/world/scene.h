// The one global scene: four lists of objects held by value, in insertion order, which is also
// the order in which they are drawn and lit.
#pragma once

#include "game/play/monster.h"
#include "game/world/item.h"
#include "game/world/prop.h"
#include "game/world/surface.h"

#include <GL/gl.h>

#include <vector>

struct Scene {
    std::vector<Monster> figures;
    std::vector<Surface> surfaces;
    std::vector<Item> items;
    std::vector<Prop> props;
};

extern Scene scene;

// Each compiles the object's display lists (figures and items with a material in every list,
// props only in the list of mesh 0) and appends a copy. While the buffer path is selected the
// copy also gets its vertex buffers, so objects built during a restart draw like the rest.
void scene_add_figure(Monster& monster);
void scene_add_item(Item& item);
void scene_add_prop(Prop& prop);
// Appends a copy; its display lists follow once its lightmap exists (scene_build_lightmaps).
void scene_add_surface(Surface& surface);

// For every surface whose name does not contain "licht": its lightmap, then its display lists.
void scene_build_lightmaps(const GLenum* lights, int count);

// Erases every element whose id is listed, keeping the order of the rest. Removal during a walk
// collects the ids first and erases afterwards.
template <typename T> void scene_erase_ids(std::vector<T>& list, const std::vector<uint32_t>& ids) {
    std::erase_if(list, [&](const T& element) {
        for (uint32_t id : ids)
            if (element.id == id) return true;
        return false;
    });
}
