// The model makers of the generator, one per model.
#pragma once

#include "game/world/generate/mesh_builder.h"

ModelDef make_torch();
ModelDef make_vitrine();
ModelDef make_lever_holder();
ModelDef make_lever();
ModelDef make_pizza();
ModelDef make_sphere_white();
ModelDef make_sphere_purple();
ModelDef make_short_sword();
ModelDef make_long_sword();
ModelDef make_test_cube();
ModelDef make_teletubby();
ModelDef make_caveorc();
ModelDef make_princess();
ModelDef make_fuerst();
