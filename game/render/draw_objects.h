// Drawing the world: each object kind placed and drawn through the selected path, figures part
// by part, and the whole scene in its fixed order.
#pragma once

#include "game/play/figure.h"
#include "game/world/scene.h"

// Items, the weapons lying in the world and the held weapon. Weapons are never culled.
void draw_item(const Item& item);
void draw_figure(const Figure& figure);
// A surface's vertices are already in world space: drawn without a transformation.
void draw_surface(const Surface& surface);
// Props west of x = 20 are drawn with the two red lights off.
void draw_prop(const Prop& prop);

// Items, figures, surfaces, the visible weapons lying in the world, props.
void draw_scene(const Scene& scene);

// The eleven body parts nested torso, head and arms under the hips, legs beside them.
void draw_figure_parts(const Figure& figure, int mode);
// Rotates part k about pivot (moved by the part's offset) and draws mesh k.
void draw_figure_part(const Figure& figure, int k, const Vec3& pivot, int mode);
