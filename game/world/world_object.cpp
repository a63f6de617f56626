#include "game/world/world_object.h"

#include <algorithm>
#include <cmath>

uint32_t next_object_id = 0;

void world_object_init(WorldObject& object, float x, float y, float z, float rot_x, float rot_y,
                       float rot_z) {
    object = WorldObject{};
    object.id = next_object_id++;
    object.position = {x, y, z};
    object.rotation = {rot_x, rot_y, rot_z};
    object.base_y = y;
}

void world_object_init(WorldObject& object, const Model& model, float x, float y, float z,
                       float rot_x, float rot_y, float rot_z, uint32_t mesh_index,
                       uint16_t mesh_mode) {
    world_object_init(object, x, y, z, rot_x, rot_y, rot_z);
    load_meshes(object, model, mesh_index, mesh_mode);
    compute_bounds(object);
}

namespace {

void take_mesh(WorldObject& object, const Mesh& mesh) {
    const Material& material = mesh.materials[mesh.face_materials[0]];
    object.vertex_counts.push_back(mesh.vertex_count);
    object.index_counts.push_back(mesh.index_count);
    object.vertices.push_back(mesh.vertices);
    object.normals.push_back(mesh.normals);
    object.texcoords.push_back(mesh.texcoords);
    object.indices.push_back(mesh.indices);
    object.ambient.push_back(material.ambient);
    object.diffuse.push_back(material.diffuse);
    object.specular.push_back(material.specular);
    object.emission.push_back(material.emission);
}

} // namespace

void load_meshes(WorldObject& object, const Model& model, uint32_t mesh_index, uint16_t mesh_mode) {
    object.mesh_mode = mesh_mode;
    if (mesh_mode == MESH_SINGLE) {
        const Mesh& mesh = *model.meshes[mesh_index];
        object.mesh_count = 1;
        take_mesh(object, mesh);
        object.normal = {mesh.normals[0], mesh.normals[1], mesh.normals[2]};
        return;
    }
    object.mesh_count = model.mesh_count;
    for (uint32_t i = 0; i < model.mesh_count; ++i)
        take_mesh(object, *model.meshes[i]);
}

void compute_bounds(WorldObject& object) {
    // The box always holds the model origin, so a model lying wholly above it still reaches 0.
    Vec3 lo = {}, hi = {};
    for (uint32_t m = 0; m < object.mesh_count; ++m) {
        const float* v = object.vertices[m];
        for (uint32_t i = 0; i < object.vertex_counts[m]; ++i) {
            for (int axis = 0; axis < 3; ++axis) {
                lo[axis] = std::min(lo[axis], v[3 * i + axis]);
                hi[axis] = std::max(hi[axis], v[3 * i + axis]);
            }
        }
    }
    float radius = 0.0f;
    for (int axis = 0; axis < 3; ++axis) {
        object.bound_center[axis] = lo[axis] + (hi[axis] - lo[axis]) * 0.5f;
        radius = std::max({radius, std::fabs(lo[axis]), std::fabs(hi[axis])});
    }
    object.bound_radius = radius;
}

void set_name(WorldObject& object, const std::string& name) {
    object.name = name;
}

void set_textures(WorldObject& object, uint32_t plain, uint32_t mipmapped) {
    object.texture = plain;
    object.texture_mipmapped = mipmapped;
}
