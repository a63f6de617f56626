// The shadow test of the lightmaps: whether the segment from a light to a point of a surface
// passes through another surface of the scene, with the segment-against-polygon helpers.
#pragma once

#include "game/world/vec3.h"

#include <cstdint>
#include <vector>

struct Scene;

// The normalised cross product of (corner 2 - corner 0) and (corner 1 - corner 0).
Vec3 face_normal(const Vec3* polygon);
// n and d of the polygon's plane (d = -dot(n, corner 0)); true when a and b lie strictly on
// opposite sides of it.
bool segment_crosses_plane(const Vec3* polygon, Vec3 a, Vec3 b, Vec3& n, float& d);
// Where the line through a towards b meets the plane (n, d); a itself when the line runs
// parallel to the plane.
Vec3 line_plane_point(Vec3 n, float d, Vec3 a, Vec3 b);
bool segment_hits_polygon(const Vec3* polygon, Vec3 a, Vec3 b, int corner_count);

// True when no surface of the scene other than the lit one (and none named "...licht...") lies
// across the segment from the light to the point.
bool light_reaches_point(const Scene& scene, Vec3 light, Vec3 point, uint32_t lit_id);

// The same test, prepared once per lit surface. Every other surface that could cast a shadow is
// kept with its plane and a box around it; before the texels of a patch of the lit surface are
// lit, casters_for_patch keeps only the casters that can possibly block some segment from the
// light into that patch. The texels then run the exact test against those few. The answer is
// the same as light_reaches_point's: a caster is dropped only where the exact test provably says
// "not blocked" (see shadow.cpp).
struct ShadowCaster {
    Vec3 corners[4];
    Vec3 n;
    float d = 0.0f;
    Vec3 box_min, box_max; // the corners' box, grown by the point_in_polygon tolerance
    // For a flat convex quad (every surface of the level): the in-plane inward normal and offset
    // of each edge, to take points well inside the outline without the angle sum.
    bool convex = false;
    Vec3 edge_in[4];
    float edge_offset[4] = {};
};

std::vector<ShadowCaster> shadow_casters(const Scene& scene, uint32_t lit_id);

// The casters that may lie across a segment from the light to a point of the parallelogram
// patch (four corners, in any order) go to out, in scene order. Returns true, and leaves out
// empty, when one caster certainly lies across every such segment: the patch is all in shadow.
bool casters_for_patch(const std::vector<ShadowCaster>& casters, Vec3 light, const Vec3* patch,
                       std::vector<const ShadowCaster*>& out);

// The exact test against a candidate list. last_blocker remembers the caster that blocked the
// previous query: neighbouring texels are usually shadowed by the same surface, and whether any
// caster blocks does not depend on the order they are tried in.
bool light_reaches_point(const std::vector<const ShadowCaster*>& candidates, Vec3 light, Vec3 point,
                         const ShadowCaster*& last_blocker);
