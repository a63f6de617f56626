#include "game/world/prop.h"

void prop_init(Prop& prop, const std::string& name, const Model& model, float x, float y, float z,
               float rot_x, float rot_y, float rot_z, uint16_t mesh_mode, uint16_t transparent,
               uint16_t mode, float use_radius) {
    world_object_init(prop, model, x, y, z, rot_x, rot_y, rot_z, 0, mesh_mode);
    set_name(prop, name);
    prop.description = "leer";
    prop.transparent = transparent;
    prop.active = 1;
    prop.mode = mode == 2 ? 1 : mode;
    prop.home = {x, y, z};
    prop.use_radius = use_radius;
}
