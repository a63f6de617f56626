// Prop: a fixture of the level (torches, the lever and its holder, the glass display case).
#pragma once

#include "game/world/world_object.h"

struct Prop : WorldObject {
    uint16_t transparent = 0; // 1: the display case, drawn with sorted glass panes
    uint16_t active = 1;      // 0 once a lever has been used
    uint16_t mode = 1;        // 1: solid, the hero is pushed out of the use sphere
    Vec3 home = {};
    float use_radius = 0.0f;
};

void prop_init(Prop& prop, const std::string& name, const Model& model, float x, float y, float z,
               float rot_x, float rot_y, float rot_z, uint16_t mesh_mode, uint16_t transparent,
               uint16_t mode, float use_radius);
