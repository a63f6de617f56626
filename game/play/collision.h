// Sphere collision of figures against the level: the quad and sphere tests, the surface passes
// (walls; floors and ceilings), the push out of monsters and the touch of items and props.
#pragma once

#include "game/play/hero.h"

struct Scene;

// Whether p, lying in the plane of the polygon v[0..n-1], is inside it: the angles the edges
// subtend at p add up to (almost) a full turn.
bool point_in_polygon(Vec3 p, const Vec3* corners, int n);

struct SphereClass {
    int klass; // 0 behind, 1 cutting the plane, 2 in front
    float d;   // signed distance of the centre from the plane
};
SphereClass classify_sphere(Vec3 c, Vec3 n, Vec3 p0, float r);

// How far a sphere (centre c, radius r) must move to leave the quad (unit normal n, four
// corners) on its front side; zero when it does not cut the plane inside the quad's outline.
Vec3 sphere_quad_push(Vec3 c, Vec3 n, const Vec3* corners, float r);

bool spheres_overlap(Vec3 c1, Vec3 c2, float r1, float r2);

// The column-major 4x4 matrix m applied to (p, 1).
Vec3 transform_point(const float* m, Vec3 p);

// The front sphere's centre: its offset turned by the yaw, at the figure's position.
Vec3 front_sphere_center(const Figure& figure);

constexpr int PASS_WALLS = 0;
constexpr int PASS_FLOORS = 1;

// Pass 0 pushes the figure out of walls; pass 1 lands it on floors and stops it at ceilings and
// returns whether either pushed it.
bool collide_with_surfaces(Figure& figure, int pass);
void collide_hero_with_monsters(Hero& hero);
void hero_interactions(Hero& hero);
