// WorldObject: the record every visible thing of the dungeon is built on (a name, a place, a
// rotation and pointers into the constant mesh data), with its id counter and bounds.
#pragma once

#include "game/world/mesh.h"
#include "game/world/vec3.h"

#include <cstdint>
#include <string>
#include <vector>

// mesh_mode values
constexpr uint16_t MESH_SINGLE = 0;   // one mesh of the model
constexpr uint16_t MESH_ALL = 1;      // every mesh of the model
constexpr uint16_t MESH_ANIMATED = 2; // a figure whose meshes are its body parts

// Buffer names an object can hold: three per mesh, eleven meshes at most.
constexpr int OBJECT_BUFFER_COUNT = 33;

// Handed out by every object constructor and never reset, so objects rebuilt after a restart
// never reuse an old number.
extern uint32_t next_object_id;

struct WorldObject {
    uint32_t id = 0;
    std::vector<uint32_t> display_lists;
    uint32_t texture = 0;
    uint32_t texture_mipmapped = 0;
    uint32_t vbo[OBJECT_BUFFER_COUNT] = {};
    uint32_t lightmap_texture = 0;
    uint16_t mesh_mode = MESH_SINGLE;
    uint32_t mesh_count = 0;
    Vec3 corners[4] = {};
    Vec3 normal = {};
    std::vector<uint32_t> vertex_counts;
    std::vector<uint32_t> index_counts;
    std::vector<const float*> texcoords;
    float* lightmap_texcoords = nullptr;
    std::vector<const float*> normals;
    std::vector<const float*> vertices;
    std::vector<const uint32_t*> indices;
    std::vector<const float*> ambient;
    std::vector<const float*> diffuse;
    std::vector<const float*> specular;
    std::vector<const float*> emission;
    std::string name;
    std::string description;
    Vec3 position = {};
    Vec3 rotation = {};
    float base_y = 0.0f;
    Vec3 bound_center = {};
    float bound_radius = 0.0f;
};

// An object without meshes: the next id, every GL name and list cleared, the place and rotation.
void world_object_init(WorldObject& object, float x, float y, float z, float rot_x, float rot_y,
                       float rot_z);
// The same, then the meshes of the model (mesh_index for MESH_SINGLE) and the bounds.
void world_object_init(WorldObject& object, const Model& model, float x, float y, float z,
                       float rot_x, float rot_y, float rot_z, uint32_t mesh_index,
                       uint16_t mesh_mode);

void load_meshes(WorldObject& object, const Model& model, uint32_t mesh_index, uint16_t mesh_mode);
void compute_bounds(WorldObject& object);

void set_name(WorldObject& object, const std::string& name);
void set_textures(WorldObject& object, uint32_t plain, uint32_t mipmapped);

inline uint32_t object_id(const WorldObject& object) {
    return object.id;
}
inline float bound_center(const WorldObject& object, int axis) {
    return object.bound_center[axis];
}
inline float bound_radius(const WorldObject& object) {
    return object.bound_radius;
}
