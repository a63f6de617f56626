// The camera: the held weapon drawn in eye space, then the view of the hero's eyes.
#pragma once

#include "game/play/hero.h"

// Draws hero.weapon where the swing phase puts it, applies the hero's pitch, yaw, position and
// eye height, and reads back modelview_matrix and view_vector.
void camera_apply(const Hero& hero);
