#include "game/play/collision.h"

#include "game/world/scene.h"

#include <cmath>

bool point_in_polygon(Vec3 p, const Vec3* corners, int n) {
    double sum = 0;
    for (int i = 0; i < n; ++i)
        sum += angle_between(corners[i] - p, corners[(i + 1) % n] - p);
    return sum >= 6.276902121872407;
}

SphereClass classify_sphere(Vec3 c, Vec3 n, Vec3 p0, float r) {
    const float d = dot(n, c) - dot(n, p0);
    if (std::fabs(d) < r) return {1, d};
    return {d >= r ? 2 : 0, d};
}

Vec3 sphere_quad_push(Vec3 c, Vec3 n, const Vec3* corners, float r) {
    const SphereClass k = classify_sphere(c, n, corners[0], r);
    if (k.klass != 1) return {};
    const Vec3 p = c - n * k.d;
    if (!point_in_polygon(p, corners, 4)) return {};
    return n * (r - k.d);
}

bool spheres_overlap(Vec3 c1, Vec3 c2, float r1, float r2) { return distance(c1, c2) <= r1 + r2; }

Vec3 transform_point(const float* m, Vec3 p) {
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

Vec3 front_sphere_center(const Figure& figure) {
    // The rotation OpenGL applies for glRotatef(yaw, 0, 1, 0), without the matrix stack.
    const double a = figure.rotation.y * 3.14159265358979323846 / 180.0;
    const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
    const Vec3 o = figure.front_sphere.offset;
    return {figure.position.x + o.x * c + o.z * s, figure.position.y - figure.base_y + o.y,
            figure.position.z - o.x * s + o.z * c};
}

namespace {

bool nonzero(Vec3 v) { return v.x != 0 || v.y != 0 || v.z != 0; }

bool has(const std::string& name, const char* word) {
    return name.find(word) != std::string::npos;
}

Vec3 ground_center(const Figure& figure) {
    Vec3 g = figure.position + figure.ground_sphere.offset;
    g.y -= figure.base_y;
    return g;
}

Vec3 body_center(const Figure& figure) {
    Vec3 h = figure.position + figure.body_sphere.offset;
    h.y -= figure.base_y;
    return h;
}

// Moves the figure out of a sphere it overlaps, along the line between the centres. Centres
// that coincide give no direction, and no push.
void push_out(Figure& figure, Vec3 from, float from_radius, Vec3 body, float body_radius) {
    const float gap = distance(from, body);
    if (gap == 0) return;
    figure.position = figure.position + normalize(body - from) * (from_radius - (gap - body_radius));
}

} // namespace

bool collide_with_surfaces(Figure& figure, int pass) {
    const Vec3 f = front_sphere_center(figure);
    bool touched = false;
    for (const Surface& s : scene.surfaces) {
        const int16_t air = figure.state[ST_AIR];
        if (pass == PASS_WALLS) {
            if (!has(s.name, "wand")) continue;
            figure.position =
                figure.position + sphere_quad_push(f, s.normal, s.corners, figure.front_sphere.radius);
            figure.position = figure.position + sphere_quad_push(ground_center(figure), s.normal,
                                                                 s.corners,
                                                                 figure.ground_sphere.radius);
        } else if (air < 2) {
            if (!has(s.name, "decke")) continue;
            const Vec3 push = sphere_quad_push(f, s.normal, s.corners, figure.front_sphere.radius);
            if (!nonzero(push)) continue;
            figure.state[ST_AIR] = 2;
            touched = true;
            figure.position = figure.position + push;
        } else {
            if (!has(s.name, "boden")) continue;
            const Vec3 push = sphere_quad_push(ground_center(figure), s.normal, s.corners,
                                               figure.ground_sphere.radius);
            if (!nonzero(push)) continue;
            figure.state[ST_ON_RIVER] = has(s.name, "flussboden");
            figure.state[ST_ON_LAVA] = has(s.name, "lavaboden");
            figure.state[ST_AIR] = 0;
            touched = true;
            figure.position = figure.position + push;
            figure.takeoff_yaw = figure.rotation.y;
        }
    }
    return touched;
}

void collide_hero_with_monsters(Hero& h) {
    const Vec3 body = body_center(h);
    const float radius = h.body_sphere.radius;
    for (const Monster& m : scene.figures) {
        if (m.state[ST_DEATH] != 0) continue;
        const Vec3 o = m.body_sphere.offset;
        // The monster's sphere height is its offset alone.
        const Vec3 centre{m.position.x + o.x, o.y, m.position.z + o.z};
        if (spheres_overlap(centre, body, m.body_sphere.radius, radius))
            push_out(h, centre, m.body_sphere.radius, body, radius);
    }
}

void hero_interactions(Hero& h) {
    const Vec3 body = body_center(h);
    const float radius = h.body_sphere.radius;
    // seam: items whose pick-up sphere (home, pickup_radius) overlaps the body: eaten or ignored.
    // seam: the weapon swap with weapons lying in the world.
    for (Prop& p : scene.props) {
        if (p.mode != 1 || !spheres_overlap(p.home, body, p.use_radius, radius)) continue;
        // seam: the lever test comes first.
        push_out(h, p.home, p.use_radius, body, radius);
    }
}
