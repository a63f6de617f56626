// The room cube: six inward-facing quads, one mesh per face. Every wall, floor and ceiling of the
// level is one of these faces, scaled and moved into place.
#include "game/world/models.h"

namespace {

const uint32_t QUAD_INDICES[6] = {0, 2, 1, 0, 3, 2};
const uint8_t QUAD_FACE_MATERIALS[2] = {0, 0};

const Material FACE_MATERIAL[1] = {{
    {0.878f, 0.878f, 0.878f, 1.0f},
    {0.878f, 0.878f, 0.878f, 1.0f},
    {1.0f, 1.0f, 1.0f, 1.0f},
    {0.0f, 0.0f, 0.0f, 1.0f},
    {0, 0, 0, 0, 0, 0},
    {"", "", "", "", "", ""},
}};

// clang-format off
const float CEILING_V[12] = {1, 1, 1,   1, 1, -1,   -1, 1, -1,   -1, 1, 1};
const float CEILING_N[12] = {0, -1, 0,  0, -1, 0,   0, -1, 0,    0, -1, 0};
const float CEILING_T[8] = {1, 0,  1, 1,  0, 1,  0, 0};

const float FLOOR_V[12] = {1, -1, 1,  -1, -1, 1,  -1, -1, -1,  1, -1, -1};
const float FLOOR_N[12] = {0, 1, 0,   0, 1, 0,    0, 1, 0,     0, 1, 0};
const float FLOOR_T[8] = {1, 0,  0, 0,  0, 1,  1, 1};

const float NEG_Z_V[12] = {1, 1, -1,  1, -1, -1,  -1, -1, -1,  -1, 1, -1};
const float NEG_Z_N[12] = {0, 0, 1,   0, 0, 1,    0, 0, 1,     0, 0, 1};
const float NEG_Z_T[8] = {1, 1,  1, 0,  0, 0,  0, 1};

const float NEG_X_V[12] = {-1, 1, 1,  -1, 1, -1,  -1, -1, -1,  -1, -1, 1};
const float NEG_X_N[12] = {1, 0, 0,   1, 0, 0,    1, 0, 0,     1, 0, 0};
const float NEG_X_T[8] = {0, 1,  1, 1,  1, 0,  0, 0};

const float POS_Z_V[12] = {1, 1, 1,   -1, 1, 1,   -1, -1, 1,   1, -1, 1};
const float POS_Z_N[12] = {0, 0, -1,  0, 0, -1,   0, 0, -1,    0, 0, -1};
const float POS_Z_T[8] = {1, 1,  0, 1,  0, 0,  1, 0};

const float POS_X_V[12] = {1, 1, 1,   1, -1, 1,   1, -1, -1,   1, 1, -1};
const float POS_X_N[12] = {-1, 0, 0,  -1, 0, 0,   -1, 0, 0,    -1, 0, 0};
const float POS_X_T[8] = {0, 1,  0, 0,  1, 0,  1, 1};
// clang-format on

constexpr Mesh face(const char* name, const float* v, const float* n, const float* t) {
    return {name, 4, 6, QUAD_INDICES, QUAD_FACE_MATERIALS, v, n, t, FACE_MATERIAL};
}

const Mesh FACES[6] = {
    face("ceiling", CEILING_V, CEILING_N, CEILING_T), face("floor", FLOOR_V, FLOOR_N, FLOOR_T),
    face("wall_neg_z", NEG_Z_V, NEG_Z_N, NEG_Z_T),    face("wall_neg_x", NEG_X_V, NEG_X_N, NEG_X_T),
    face("wall_pos_z", POS_Z_V, POS_Z_N, POS_Z_T),    face("wall_pos_x", POS_X_V, POS_X_N, POS_X_T),
};

const Mesh* const FACE_POINTERS[6] = {&FACES[0], &FACES[1], &FACES[2],
                                      &FACES[3], &FACES[4], &FACES[5]};

} // namespace

const Model raumwuerfel = {"raumwuerfel", 6, FACE_POINTERS};
