// The constant mesh data compiled into the program: models made of meshes, each mesh drawn
// with one material. Objects keep pointers into this data; it is never copied or changed.
#pragma once

#include <cstdint>

struct Material {
    float ambient[4];
    float diffuse[4];
    float specular[4];
    float emission[4];
    // Exporter leftovers (shininess, transparency and the like) and the map names; the game
    // reads none of them.
    float extra[6];
    const char* maps[6];
};

struct Mesh {
    const char* name;
    uint32_t vertex_count;
    uint32_t index_count;
    const uint32_t* indices;       // index_count vertex indices, a triangle list
    const uint8_t* face_materials; // one material index per triangle
    const float* vertices;         // vertex_count x 3
    const float* normals;          // vertex_count x 3
    const float* texcoords;        // vertex_count x 2
    const Material* materials;
};

struct Model {
    const char* name;
    uint32_t mesh_count;
    const Mesh* const* meshes;
};
