// The game's model table: for every generated model, in the order the generator writes them,
// the vertex and index count of each mesh. The generator refuses to write data that differs;
// the tests check the compiled data against the same table.
#pragma once

#include <utility>
#include <vector>

struct ModelCounts {
    const char* symbol;
    std::vector<std::pair<unsigned, unsigned>> counts; // per mesh: vertices, indices
};

inline const std::vector<ModelCounts> MODEL_COUNTS = {
    {"torch_an_wand_uv", {{484, 768}}},
    {"vitrine", {{168, 252}, {4, 6}, {4, 6}, {4, 6}, {4, 6}}},
    {"halterung_hebel", {{64, 96}}},
    {"hebel", {{24, 36}}},
    {"pizza_uv", {{72, 132}}},
    {"object01", {{360, 504}}},
    {"object01_purple", {{360, 504}}},
    {"short_sword_uv", {{76, 108}}},
    {"long_sword", {{76, 108}}},
    {"teletub1",
     {{24, 36},
      {24, 36},
      {1104, 1656},
      {24, 36},
      {48, 72},
      {24, 36},
      {48, 72},
      {24, 36},
      {48, 72},
      {24, 36},
      {48, 72}}},
    {"caveorc",
     {{96, 144},
      {96, 144},
      {96, 144},
      {24, 36},
      {48, 72},
      {24, 36},
      {48, 72},
      {24, 36},
      {40, 60},
      {24, 36},
      {40, 60}}},
    {"princess",
     {{204, 288},
      {384, 540},
      {616, 864},
      {24, 36},
      {48, 72},
      {24, 36},
      {48, 72},
      {24, 36},
      {48, 72},
      {24, 36},
      {48, 72}}},
    {"fuerst_der_finsternis",
     {{24, 36},
      {32, 48},
      {200, 276},
      {24, 36},
      {48, 72},
      {24, 36},
      {48, 72},
      {24, 36},
      {48, 72},
      {24, 36},
      {48, 72}}},
    {"cube_uv_no_gaps", {{24, 36}}},
};
