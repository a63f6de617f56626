// The lightmap computation without OpenGL: the corner roles of a surface, its lightmap texture
// coordinates, and the light of every texel from a set of light records.
#pragma once

#include "game/world/vec3.h"

#include <cstdint>
#include <functional>
#include <vector>

struct Scene;
struct Surface;

// Lights past the eighth are ignored.
constexpr int LIGHTMAP_MAX_LIGHTS = 8;

// One light as OpenGL holds it (position x, y, z taken as a world-space point).
struct LightRecord {
    float quadratic = 0.0f;
    float linear = 0.0f;
    float constant = 1.0f;
    Vec3 position;
    float ambient[3] = {};
    float diffuse[3] = {};
};

// Which corner of the quad is the lightmap's origin (u = 0, v = 0), its u corner (u != 0,
// v = 0), its v corner (u = 0, v != 0) and its far corner; -1 for a role no corner has. When
// several corners share a role, the last one counts.
struct CornerRoles {
    int origin = -1;
    int u = -1;
    int v = -1;
    int far = -1;
};
CornerRoles corner_roles(const float* texcoords);

// Writes the four lightmap coordinates (u = 0 ? 0 : 1, v = 0 ? 0 : 1) of the surface into the
// array its lightmap_texcoords points at.
void set_lightmap_texcoords(Surface& surface);

// The three corners the lightmap is spanned by: origin A, u corner B, v corner C. A quad whose
// texture coordinates lack one of the roles falls back to its corners 0, 1 and 3.
struct LightmapFrame {
    Vec3 a, b, c;
};
LightmapFrame lightmap_frame(const Surface& surface);

// Texels along one edge: the edge length times the density, truncated; at least one, so that a
// sliver of a surface still gets the light at its origin corner.
int lightmap_extent(Vec3 from, Vec3 to, int texels_per_unit);

// Whether a light counts for the surface at all: it must lie in front of the surface's plane as
// seen from the origin corner (angle to the normal below 90 degrees).
bool light_faces_surface(Vec3 normal, Vec3 origin, Vec3 light);

// A W x H grid of texels, three floats (r, g, b) each, row r holding the points r / H of the way
// from edge A-B towards C.
struct TexelGrid {
    int width = 0;
    int height = 0;
    std::vector<float> rgb;
};

// Called before row r when r is a multiple of 10, with the percentage done so far.
using LightmapProgress = std::function<void(int percent)>;

// The light of every texel of the surface: for each light that faces it and reaches the texel
// past every other surface of the scene, (ambient + diffuse) times the cosine at the texel over
// the distance attenuation; plus the global ambient, each channel cut at 1.0 (not below 0).
TexelGrid compute_lightmap_texels(const Scene& scene, const Surface& surface,
                                  const LightRecord* lights, int count, const float* global_ambient,
                                  int texels_per_unit, const LightmapProgress& progress = {});
