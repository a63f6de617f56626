// View-frustum culling: the six planes of the current view volume and the sphere and quad tests
// against them.
#pragma once

#include "game/world/surface.h"

// Planes in the order right, left, bottom, top, far, near; (a, b, c) of unit length and a point
// is inside where every a*x + b*y + c*z + d is positive.
extern float frustum_planes[6][4];

// Reads the current projection and model-view matrices into frustum_planes.
void extract_frustum();
// The planes of clip = projection x modelview (both column-major).
void frustum_from_matrices(const float projection[16], const float modelview[16],
                           float planes[6][4]);

// False when the sphere lies wholly outside one plane (touching it from outside counts as out).
bool sphere_visible(float x, float y, float z, float radius);
// False when all four world-space corners lie on the outer side of (or in) one plane.
bool quad_visible(const Surface& surface);
