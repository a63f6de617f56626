#include "game/world/surface.h"

#include "game/image/textures.h"

#include <algorithm>

namespace {

// The face's own arrays take the place of the shared mesh data.
void point_at_own_arrays(Surface& surface) {
    if (surface.texcoords.empty()) return; // not built yet: nothing to re-point
    surface.texcoords[0] = surface.own_texcoords;
    surface.vertices[0] = surface.own_vertices;
    surface.lightmap_texcoords = surface.own_lightmap_texcoords;
}

} // namespace

Surface::Surface(const Surface& other) : WorldObject(other) {
    scale = other.scale;
    std::copy(std::begin(other.own_texcoords), std::end(other.own_texcoords), own_texcoords);
    std::copy(std::begin(other.own_lightmap_texcoords), std::end(other.own_lightmap_texcoords),
              own_lightmap_texcoords);
    std::copy(std::begin(other.own_vertices), std::end(other.own_vertices), own_vertices);
    face = other.face;
    point_at_own_arrays(*this);
}

Surface& Surface::operator=(const Surface& other) {
    if (this == &other) return *this;
    WorldObject::operator=(other);
    scale = other.scale;
    std::copy(std::begin(other.own_texcoords), std::end(other.own_texcoords), own_texcoords);
    std::copy(std::begin(other.own_lightmap_texcoords), std::end(other.own_lightmap_texcoords),
              own_lightmap_texcoords);
    std::copy(std::begin(other.own_vertices), std::end(other.own_vertices), own_vertices);
    face = other.face;
    point_at_own_arrays(*this);
    return *this;
}

void surface_init(Surface& surface, const std::string& name, const Model& model, float x, float y,
                  float z, float rot_x, float rot_y, float rot_z, uint32_t face, float sx, float sy,
                  float sz, int32_t tex_id) {
    // With scale 1 across the face, the face then lies exactly on the given coordinate.
    switch (face) {
    case FACE_CEILING:
        y -= 1.0f;
        break;
    case FACE_FLOOR:
        y += 1.0f;
        break;
    case FACE_WALL_NEG_Z:
        z += 1.0f;
        break;
    case FACE_WALL_NEG_X:
        x += 1.0f;
        break;
    case FACE_WALL_POS_Z:
        z -= 1.0f;
        break;
    case FACE_WALL_POS_X:
        x -= 1.0f;
        break;
    default:
        break;
    }
    surface = Surface{};
    world_object_init(surface, model, x, y, z, rot_x, rot_y, rot_z, face, MESH_SINGLE);
    set_name(surface, name);
    surface.description = "leer";
    surface.scale = {1.0f, 1.0f, 1.0f};
    surface.face = face;

    const Mesh& mesh = *model.meshes[face];
    std::copy(mesh.texcoords, mesh.texcoords + 8, surface.own_texcoords);
    std::copy(mesh.vertices, mesh.vertices + 12, surface.own_vertices);
    point_at_own_arrays(surface);

    surface_set_scale(surface, sx, sy, sz);
    set_textures(surface, texture_names_plain[tex_id], texture_names_mipmapped[tex_id]);
}

void surface_set_scale(Surface& surface, float sx, float sy, float sz) {
    surface.scale = {sx, sy, sz};
    // Which two scale factors stretch u and v depends on the plane the face lies in.
    float su = sx, sv = sz;
    if (surface.face == FACE_WALL_NEG_Z || surface.face == FACE_WALL_POS_Z) {
        su = sx;
        sv = sy;
    } else if (surface.face == FACE_WALL_NEG_X || surface.face == FACE_WALL_POS_X) {
        su = sz;
        sv = sy;
    }
    for (int i = 0; i < 4; ++i) {
        surface.own_texcoords[2 * i] *= su;
        surface.own_texcoords[2 * i + 1] *= sv;
        float* v = &surface.own_vertices[3 * i];
        v[0] = v[0] * sx + surface.position.x;
        v[1] = v[1] * sy + surface.position.y;
        v[2] = v[2] * sz + surface.position.z;
        surface.corners[i] = {v[0], v[1], v[2]};
    }
}
