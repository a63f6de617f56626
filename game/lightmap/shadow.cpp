#include "game/lightmap/shadow.h"

#include "game/play/collision.h"
#include "game/world/scene.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace {

// point_in_polygon accepts a point when the angles the edges subtend add up to at least 0.999 of
// a full turn, so it also accepts points a little outside a quad. For a convex polygon of
// diameter D and a point at distance e outside it, that sum is at most pi - 2 atan(e / D), below
// the threshold once e > 0.0016 D. A caster's box grown by 1% of its diagonal (plus a little for
// rounding) therefore holds every point the test can accept.
constexpr float CASTER_MARGIN_FRACTION = 0.01f;
constexpr float CASTER_MARGIN_MIN = 1e-3f;
// Slack for the rounding of texel positions and plane distances (world units): a patch is taken
// to lie on the light's side of a plane only when it does so by more than this.
constexpr float PLANE_SLACK = 1e-3f;
// A point this far inside every edge of a flat convex quad sees the edges subtend a full turn,
// far above point_in_polygon's threshold even with the rounding of four arc cosines.
constexpr float INSIDE_MARGIN = 1e-3f;
// Segments that cross a caster's plane at a slope of at least this (rise over length) have
// crossing points that rounding moves by far less than HIT_SLACK.
constexpr float SHALLOWEST = 0.05f;
constexpr float HIT_SLACK = 2e-3f;

// The inward edge normals of a flat convex quad; false (and the caster keeps the angle sum for
// every point) for anything else: a bent, crossed or degenerate quad.
bool prepare_edges(ShadowCaster& c) {
    const Vec3 middle = (c.corners[0] + c.corners[1] + c.corners[2] + c.corners[3]) * 0.25f;
    const float size = distance(c.box_min, c.box_max);
    if (!(size > 0)) return false;
    for (const Vec3& p : c.corners)
        if (!(std::fabs(dot(c.n, p) + c.d) <= 1e-5f * size)) return false;
    for (int i = 0; i < 4; ++i) {
        const Vec3 a = c.corners[i], b = c.corners[(i + 1) % 4];
        const Vec3 across = cross(c.n, b - a);
        const float len = length(across);
        if (!(len > 1e-6f * size)) return false;
        Vec3 in = across * (1.0f / len);
        if (dot(in, middle - a) < 0) in = in * -1.0f;
        c.edge_in[i] = in;
        c.edge_offset[i] = dot(in, a);
        for (const Vec3& p : c.corners)
            if (dot(in, p) - c.edge_offset[i] < -1e-5f * size) return false;
    }
    return true;
}

bool is_light_marker(const Surface& s) {
    return s.name.find("licht") != std::string::npos;
}

} // namespace

Vec3 face_normal(const Vec3* polygon) {
    return normalize(cross(polygon[2] - polygon[0], polygon[1] - polygon[0]));
}

bool segment_crosses_plane(const Vec3* polygon, Vec3 a, Vec3 b, Vec3& n, float& d) {
    n = face_normal(polygon);
    d = -dot(n, polygon[0]);
    return (dot(n, a) + d) * (dot(n, b) + d) < 0;
}

Vec3 line_plane_point(Vec3 n, float d, Vec3 a, Vec3 b) {
    const Vec3 dir = normalize(b - a);
    const float along = dot(n, dir);
    if (along != 0) return a + dir * (-(dot(n, a) + d) / along);
    return a;
}

bool segment_hits_polygon(const Vec3* polygon, Vec3 a, Vec3 b, int corner_count) {
    Vec3 n;
    float d = 0;
    if (!segment_crosses_plane(polygon, a, b, n, d)) return false;
    return point_in_polygon(line_plane_point(n, d, a, b), polygon, corner_count);
}

bool light_reaches_point(const Scene& scene, Vec3 light, Vec3 point, uint32_t lit_id) {
    for (const Surface& s : scene.surfaces) {
        if (s.id == lit_id || is_light_marker(s)) continue;
        if (segment_hits_polygon(s.corners, light, point, 4)) return false;
    }
    return true;
}

std::vector<ShadowCaster> shadow_casters(const Scene& scene, uint32_t lit_id) {
    std::vector<ShadowCaster> casters;
    casters.reserve(scene.surfaces.size());
    for (const Surface& s : scene.surfaces) {
        if (s.id == lit_id || is_light_marker(s)) continue;
        ShadowCaster c;
        std::copy(s.corners, s.corners + 4, c.corners);
        c.n = face_normal(c.corners);
        c.d = -dot(c.n, c.corners[0]);
        c.box_min = c.box_max = c.corners[0];
        for (const Vec3& p : c.corners)
            for (int k = 0; k < 3; ++k) {
                c.box_min[k] = std::min(c.box_min[k], p[k]);
                c.box_max[k] = std::max(c.box_max[k], p[k]);
            }
        c.convex = prepare_edges(c);
        // The margin argument holds for convex quads only: around a bent or crossed one the
        // angle sum can pass the threshold anywhere, so its box is everything.
        const float margin =
            c.convex ? CASTER_MARGIN_FRACTION * distance(c.box_min, c.box_max) + CASTER_MARGIN_MIN
                     : std::numeric_limits<float>::infinity();
        for (int k = 0; k < 3; ++k) {
            c.box_min[k] -= margin;
            c.box_max[k] += margin;
        }
        casters.push_back(c);
    }
    return casters;
}

bool casters_for_patch(const std::vector<ShadowCaster>& casters, Vec3 light, const Vec3* patch,
                       std::vector<const ShadowCaster*>& out) {
    out.clear();
    // Every segment from the light into the patch lies inside this box.
    Vec3 lo = light, hi = light;
    float longest = 0;
    for (int i = 0; i < 4; ++i) {
        for (int k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], patch[i][k]);
            hi[k] = std::max(hi[k], patch[i][k]);
        }
        longest = std::max(longest, distance(light, patch[i]));
    }
    for (const ShadowCaster& c : casters) {
        bool apart = false;
        for (int k = 0; k < 3 && !apart; ++k)
            apart = c.box_max[k] < lo[k] - PLANE_SLACK || c.box_min[k] > hi[k] + PLANE_SLACK;
        if (apart) continue;
        // A segment crosses the plane only when its ends lie strictly on opposite sides. The
        // side of a point is linear over the patch, so the corners bound every texel's.
        const float at_light = dot(c.n, light) + c.d;
        if (at_light == 0) continue;
        const float side = at_light > 0 ? 1.0f : -1.0f;
        float at_patch[4];
        bool same_side = true, all_cross = true;
        float steepest = 0, flattest = 0;
        for (int i = 0; i < 4; ++i) {
            at_patch[i] = dot(c.n, patch[i]) + c.d;
            same_side = same_side && at_patch[i] * side > PLANE_SLACK;
            all_cross = all_cross && at_patch[i] * side < -PLANE_SLACK;
            const float rise = std::fabs(at_light - at_patch[i]);
            flattest = i == 0 ? rise : std::min(flattest, rise);
            steepest = std::max(steepest, rise);
        }
        if (same_side) continue;
        // When every segment crosses the plane, and none of them runs nearly along it, the
        // points where they cross lie (up to rounding far below HIT_SLACK) within the four
        // points where the corners' segments cross: the patch's shadow on the plane.
        if (all_cross && flattest >= SHALLOWEST * longest && steepest > 0) {
            Vec3 hit[4];
            Vec3 hit_lo, hit_hi;
            for (int i = 0; i < 4; ++i) {
                hit[i] = light + (patch[i] - light) * (at_light / (at_light - at_patch[i]));
                for (int k = 0; k < 3; ++k) {
                    hit_lo[k] = i == 0 ? hit[i][k] : std::min(hit_lo[k], hit[i][k]);
                    hit_hi[k] = i == 0 ? hit[i][k] : std::max(hit_hi[k], hit[i][k]);
                }
            }
            bool misses = false;
            for (int k = 0; k < 3 && !misses; ++k)
                misses =
                    hit_hi[k] < c.box_min[k] - HIT_SLACK || hit_lo[k] > c.box_max[k] + HIT_SLACK;
            if (misses) continue;
            if (c.convex) {
                bool covered = true;
                for (int i = 0; i < 4 && covered; ++i)
                    for (int e = 0; e < 4 && covered; ++e)
                        covered = dot(c.edge_in[e], hit[i]) - c.edge_offset[e] >
                                  INSIDE_MARGIN + HIT_SLACK;
                if (covered) {
                    out.clear();
                    return true;
                }
            }
        }
        out.push_back(&c);
    }
    return false;
}

namespace {

// segment_hits_polygon with the caster's plane computed once (by the same operations, so with
// the same result). The angle sum is left for the points near the outline: outside the grown
// box point_in_polygon cannot say inside, and well inside a flat convex quad it always does.
bool caster_blocks(const ShadowCaster& c, Vec3 light, Vec3 point) {
    if (!((dot(c.n, light) + c.d) * (dot(c.n, point) + c.d) < 0)) return false;
    const Vec3 hit = line_plane_point(c.n, c.d, light, point);
    for (int k = 0; k < 3; ++k)
        if (hit[k] < c.box_min[k] || hit[k] > c.box_max[k]) return false;
    if (c.convex) {
        bool well_inside = true;
        for (int i = 0; i < 4 && well_inside; ++i)
            well_inside = dot(c.edge_in[i], hit) - c.edge_offset[i] > INSIDE_MARGIN;
        if (well_inside) return true;
    }
    return point_in_polygon(hit, c.corners, 4);
}

} // namespace

bool light_reaches_point(const std::vector<const ShadowCaster*>& candidates, Vec3 light, Vec3 point,
                         const ShadowCaster*& last_blocker) {
    if (last_blocker && caster_blocks(*last_blocker, light, point)) return false;
    for (const ShadowCaster* c : candidates) {
        if (c == last_blocker) continue;
        if (caster_blocks(*c, light, point)) {
            last_blocker = c;
            return false;
        }
    }
    return true;
}
