// Monster: a figure of the scene (teletubbies, cave orcs, the Fuerst, the princess).
#pragma once

#include "game/play/figure.h"

struct Monster : Figure {
    float attack_range = 0.0f; // the hero must be nearer than this to be engaged
};
