// The glass display case: its frame drawn opaquely, then its four panes blended back to front,
// inner faces before outer faces, in an order picked from where the hero stands.
#pragma once

#include "game/world/prop.h"

// Rows of mesh indices of the case (1 +z, 2 +x, 3 -z, 4 -x), farthest pane first.
extern const int pane_order[4][4];

// The row for the hero seen at `angle` degrees (0 to 360) from the case's front.
int pane_row(float angle);
// The angle of the hero at (hero_x, hero_z) seen from a case at (x, z) turned by yaw degrees:
// 0 in front of it, growing counter-clockwise seen from above.
float pane_view_angle(float case_x, float case_z, float yaw, float hero_x, float hero_z);

// Called by draw_prop with the case's matrix set, its texture bound and GL_MODULATE set.
void draw_transparent_prop(const Prop& prop, int mode);
