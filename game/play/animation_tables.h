// The constant keyframe tables of the figures: per kind, one float stream for each of the
// eleven body parts (format in animation_tables.cpp).
#pragma once

#include "game/play/figure.h"

constexpr float ANIMATION_END_MARK = 2000000.0f;
constexpr float TABLE_END_MARK = 1000000.0f;

extern const float* const ANIMATION_TELETUBBY[FIGURE_PART_COUNT];
extern const float* const ANIMATION_FUERST[FIGURE_PART_COUNT];
extern const float* const ANIMATION_PRINCESS[FIGURE_PART_COUNT];
extern const float* const ANIMATION_CAVEORC[FIGURE_PART_COUNT];
