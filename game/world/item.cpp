#include "game/world/item.h"

namespace {

void finish_item(Item& item, const std::string& name, float x, float y, float z,
                 float pickup_radius) {
    set_name(item, name);
    item.description = "leer";
    for (int16_t& entry : item.state)
        entry = 0;
    item.home = {x, y, z};
    item.pickup_radius = pickup_radius;
}

} // namespace

void item_init(Item& item, const std::string& name, const Model& model, float x, float y, float z,
               float rot_x, float rot_y, float rot_z, float pickup_radius) {
    world_object_init(item, model, x, y, z, rot_x, rot_y, rot_z, 0, MESH_SINGLE);
    finish_item(item, name, x, y, z, pickup_radius);
}

void item_init(Item& item, const std::string& name, float x, float y, float z, float rot_x,
               float rot_y, float rot_z, float pickup_radius) {
    world_object_init(item, x, y, z, rot_x, rot_y, rot_z);
    finish_item(item, name, x, y, z, pickup_radius);
}
