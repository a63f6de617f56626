// Every model of the game. raumwuerfel is the room cube whose faces become the surfaces; the
// others are generated at build time from game/world/generate.
#pragma once

#include "game/world/mesh.h"

extern const Model raumwuerfel;
extern const Model torch_an_wand_uv;
extern const Model vitrine;
extern const Model halterung_hebel;
extern const Model hebel;
extern const Model pizza_uv;
extern const Model object01;        // the white glowing sphere (light markers 1 and 2)
extern const Model object01_purple; // the purple glowing sphere (light marker 3)
extern const Model short_sword_uv;
extern const Model long_sword;
extern const Model teletub1;
extern const Model caveorc;
extern const Model princess;
extern const Model fuerst_der_finsternis;
extern const Model cube_uv_no_gaps;

// All generated models in one list (viewers and tests walk it).
extern const Model* const generated_models[];
extern const int generated_model_count;
