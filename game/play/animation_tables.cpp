// The keyframe tables of the four kinds of figure, one table per kind and body part, as float
// streams: an animation number, its keyframes (six keys of five floats: offset x, y, z, then
// angle x, y, z), ANIM_END after the last keyframe, and TABLE_END after the last animation.
// Every part lists the animations in the order rest, attack, death, walk, idle.
#include "game/play/animation_tables.h"

// A channel that does not move in this keyframe.
#define HOLD 0.0f, 0.0f, 0.0f, 0.0f, 0.0f
// A channel running from `from` to `to` at `speed` units or degrees per second.
#define KEY(from, to, speed) from, to, 0.0f, speed, 0.0f
#define ANIM_END 2000000.0f
#define TABLE_END 1000000.0f

// One keyframe per line reads best; the formatter would put every key on a line of its own.
// clang-format off

// ---- teletubby ----
static const float teletubby_part0[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, KEY(0.0f, 0.5f, 0.3f), HOLD, HOLD, KEY(0.0f, -360.0f, -100.0f), HOLD,
    HOLD, HOLD, HOLD, KEY(0.0f, -90.0f, -100.0f), HOLD, HOLD,
    HOLD, HOLD, KEY(0.0f, -1.0f, -0.5f), HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float teletubby_part1[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -2.0f, -10.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-2.0f, 3.0f, 25.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(3.0f, 0.0f, -15.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 4.0f, 16.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(4.0f, -4.0f, -16.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(-4.0f, 0.0f, 16.0f), HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, KEY(0.0f, 3.0f, 3.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(3.0f, 0.0f, -3.0f), HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float teletubby_part2[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, 20.0f, 40.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 15.0f, 15.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(15.0f, -15.0f, -15.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(-15.0f, 0.0f, 15.0f), HOLD,
    ANIM_END,
    TABLE_END};
static const float teletubby_part3[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -20.0f, -100.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-20.0f, 0.0f, 50.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, -60.0f, -90.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(-60.0f, -40.0f, 40.0f),
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, -12.0f, -48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-12.0f, 12.0f, 48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(12.0f, 0.0f, -48.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, -5.0f, -5.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(-5.0f, 0.0f, 5.0f),
    ANIM_END,
    TABLE_END};
static const float teletubby_part4[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float teletubby_part5[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -110.0f, -550.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-110.0f, 10.0f, 600.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(10.0f, 0.0f, -50.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 60.0f, 90.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(60.0f, 40.0f, -40.0f),
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, 12.0f, 48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(12.0f, -12.0f, -48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-12.0f, 0.0f, 48.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 5.0f, 5.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(5.0f, 0.0f, -5.0f),
    ANIM_END,
    TABLE_END};
static const float teletubby_part6[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -40.0f, -200.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-40.0f, 0.0f, 200.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float teletubby_part7[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, -30.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-30.0f, 0.0f, 60.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, 15.0f, 60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(15.0f, -15.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-15.0f, 0.0f, 60.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float teletubby_part8[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, 40.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(40.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, 20.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(20.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float teletubby_part9[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, -30.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-30.0f, 0.0f, 60.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, -15.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-15.0f, 15.0f, 60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(15.0f, 0.0f, -60.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float teletubby_part10[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, 40.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(40.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 1.0f, 2.0f),
    HOLD, HOLD, HOLD, KEY(0.0f, 20.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(20.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};

const float* const ANIMATION_TELETUBBY[FIGURE_PART_COUNT] = {
    teletubby_part0, teletubby_part1, teletubby_part2, teletubby_part3,
    teletubby_part4, teletubby_part5, teletubby_part6, teletubby_part7,
    teletubby_part8, teletubby_part9, teletubby_part10};

// ---- fuerst ----
static const float fuerst_part0[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, -20.0f, -40.0f), HOLD, HOLD,
    HOLD, KEY(0.0f, -1.016f, -2.032f), HOLD, KEY(-20.0f, -90.0f, -140.0f), HOLD, HOLD,
    HOLD, HOLD, KEY(0.0f, -0.3f, -0.3f), HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float fuerst_part1[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -2.0f, -10.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-2.0f, 3.0f, 25.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(3.0f, 0.0f, -15.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 4.0f, 16.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(4.0f, -4.0f, -16.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(-4.0f, 0.0f, 16.0f), HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, KEY(0.0f, 3.0f, 3.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(3.0f, 0.0f, -3.0f), HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float fuerst_part2[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, 20.0f, 40.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 15.0f, 15.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(15.0f, -15.0f, -15.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(-15.0f, 0.0f, 15.0f), HOLD,
    ANIM_END,
    TABLE_END};
static const float fuerst_part3[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -20.0f, -100.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-20.0f, 0.0f, 50.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, -60.0f, -90.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(-60.0f, -40.0f, 40.0f),
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, -12.0f, -48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-12.0f, 12.0f, 48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(12.0f, 0.0f, -48.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, -5.0f, -5.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(-5.0f, 0.0f, 5.0f),
    ANIM_END,
    TABLE_END};
static const float fuerst_part4[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float fuerst_part5[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -110.0f, -550.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-110.0f, 10.0f, 600.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(10.0f, 0.0f, -50.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 60.0f, 90.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(60.0f, 40.0f, -40.0f),
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, 12.0f, 48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(12.0f, -12.0f, -48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-12.0f, 0.0f, 48.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 5.0f, 5.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(5.0f, 0.0f, -5.0f),
    ANIM_END,
    TABLE_END};
static const float fuerst_part6[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -40.0f, -200.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-40.0f, 0.0f, 200.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float fuerst_part7[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, -30.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-30.0f, 0.0f, 60.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, 15.0f, 60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(15.0f, -15.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-15.0f, 0.0f, 60.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float fuerst_part8[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, 40.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(40.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, 20.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(20.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float fuerst_part9[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, -30.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-30.0f, 0.0f, 60.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, -15.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-15.0f, 15.0f, 60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(15.0f, 0.0f, -60.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float fuerst_part10[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, 40.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(40.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 1.0f, 2.0f),
    HOLD, HOLD, HOLD, KEY(0.0f, 20.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(20.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};

const float* const ANIMATION_FUERST[FIGURE_PART_COUNT] = {
    fuerst_part0, fuerst_part1, fuerst_part2, fuerst_part3,
    fuerst_part4, fuerst_part5, fuerst_part6, fuerst_part7,
    fuerst_part8, fuerst_part9, fuerst_part10};

// ---- princess ----
static const float princess_part0[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, -20.0f, -40.0f), HOLD, HOLD,
    HOLD, KEY(0.0f, -0.667f, -1.334f), HOLD, KEY(-20.0f, -90.0f, -140.0f), HOLD, HOLD,
    HOLD, HOLD, KEY(0.0f, -0.3f, -0.3f), HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float princess_part1[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -2.0f, -10.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-2.0f, 3.0f, 25.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(3.0f, 0.0f, -15.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 4.0f, 16.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(4.0f, -4.0f, -16.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(-4.0f, 0.0f, 16.0f), HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, KEY(0.0f, 3.0f, 3.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(3.0f, 0.0f, -3.0f), HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float princess_part2[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, 20.0f, 40.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 15.0f, 15.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(15.0f, -15.0f, -15.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(-15.0f, 0.0f, 15.0f), HOLD,
    ANIM_END,
    TABLE_END};
static const float princess_part3[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -20.0f, -100.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-20.0f, 0.0f, 50.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, -60.0f, -90.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(-60.0f, -40.0f, 40.0f),
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, -12.0f, -48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-12.0f, 12.0f, 48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(12.0f, 0.0f, -48.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, -5.0f, -5.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(-5.0f, 0.0f, 5.0f),
    ANIM_END,
    TABLE_END};
static const float princess_part4[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float princess_part5[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -110.0f, -550.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-110.0f, 10.0f, 600.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(10.0f, 0.0f, -50.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 60.0f, 90.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(60.0f, 40.0f, -40.0f),
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, 12.0f, 48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(12.0f, -12.0f, -48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-12.0f, 0.0f, 48.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 5.0f, 5.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(5.0f, 0.0f, -5.0f),
    ANIM_END,
    TABLE_END};
static const float princess_part6[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -40.0f, -200.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-40.0f, 0.0f, 200.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float princess_part7[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, -30.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-30.0f, 0.0f, 60.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, 15.0f, 60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(15.0f, -15.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-15.0f, 0.0f, 60.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float princess_part8[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, 40.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(40.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, 20.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(20.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float princess_part9[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, -30.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-30.0f, 0.0f, 60.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, -15.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-15.0f, 15.0f, 60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(15.0f, 0.0f, -60.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float princess_part10[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, 40.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(40.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 1.0f, 2.0f),
    HOLD, HOLD, HOLD, KEY(0.0f, 20.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(20.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};

const float* const ANIMATION_PRINCESS[FIGURE_PART_COUNT] = {
    princess_part0, princess_part1, princess_part2, princess_part3,
    princess_part4, princess_part5, princess_part6, princess_part7,
    princess_part8, princess_part9, princess_part10};

// ---- caveorc ----
static const float caveorc_part0[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, -20.0f, -40.0f), HOLD, HOLD,
    HOLD, KEY(0.0f, -1.064f, -2.128f), HOLD, KEY(-20.0f, -90.0f, -140.0f), HOLD, HOLD,
    HOLD, HOLD, KEY(0.0f, -0.3f, -0.3f), HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float caveorc_part1[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -2.0f, -10.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-2.0f, 3.0f, 25.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(3.0f, 0.0f, -15.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 4.0f, 16.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(4.0f, -4.0f, -16.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(-4.0f, 0.0f, 16.0f), HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, KEY(0.0f, 3.0f, 3.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(3.0f, 0.0f, -3.0f), HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float caveorc_part2[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, 20.0f, 40.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 15.0f, 15.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(15.0f, -15.0f, -15.0f), HOLD,
    HOLD, HOLD, HOLD, HOLD, KEY(-15.0f, 0.0f, 15.0f), HOLD,
    ANIM_END,
    TABLE_END};
static const float caveorc_part3[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -110.0f, -550.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-110.0f, 10.0f, 600.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(10.0f, 0.0f, -50.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, -60.0f, -90.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(-60.0f, -40.0f, 40.0f),
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, -12.0f, -48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-12.0f, 12.0f, 48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(12.0f, 0.0f, -48.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, -5.0f, -5.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(-5.0f, 0.0f, 5.0f),
    ANIM_END,
    TABLE_END};
static const float caveorc_part4[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -40.0f, -200.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-40.0f, 0.0f, 200.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float caveorc_part5[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -110.0f, -550.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-110.0f, 10.0f, 600.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(10.0f, 0.0f, -50.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 60.0f, 90.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(60.0f, 40.0f, -40.0f),
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, 12.0f, 48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(12.0f, -12.0f, -48.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-12.0f, 0.0f, 48.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 5.0f, 5.0f),
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(5.0f, 0.0f, -5.0f),
    ANIM_END,
    TABLE_END};
static const float caveorc_part6[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, KEY(0.0f, -40.0f, -200.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-40.0f, 0.0f, 200.0f), HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float caveorc_part7[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, -30.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-30.0f, 0.0f, 60.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, 15.0f, 60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(15.0f, -15.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-15.0f, 0.0f, 60.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float caveorc_part8[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, 40.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(40.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, 20.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(20.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float caveorc_part9[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, -30.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-30.0f, 0.0f, 60.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, KEY(0.0f, -15.0f, -60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(-15.0f, 15.0f, 60.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(15.0f, 0.0f, -60.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};
static const float caveorc_part10[] = {
    0.0f, // rest
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    1.0f, // attack
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    4.0f, // death
    HOLD, HOLD, HOLD, KEY(0.0f, 40.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(40.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    2.0f, // walk
    HOLD, HOLD, HOLD, HOLD, HOLD, KEY(0.0f, 1.0f, 2.0f),
    HOLD, HOLD, HOLD, KEY(0.0f, 20.0f, 80.0f), HOLD, HOLD,
    HOLD, HOLD, HOLD, KEY(20.0f, 0.0f, -80.0f), HOLD, HOLD,
    ANIM_END,
    3.0f, // idle
    HOLD, HOLD, HOLD, HOLD, HOLD, HOLD,
    ANIM_END,
    TABLE_END};

const float* const ANIMATION_CAVEORC[FIGURE_PART_COUNT] = {
    caveorc_part0, caveorc_part1, caveorc_part2, caveorc_part3,
    caveorc_part4, caveorc_part5, caveorc_part6, caveorc_part7,
    caveorc_part8, caveorc_part9, caveorc_part10};
// clang-format on

#undef HOLD
#undef KEY
#undef ANIM_END
#undef TABLE_END
