#include "game/play/movement.h"

#include "game/shell/timing.h"
#include "game/sound/sound.h"

#include <algorithm>
#include <cmath>

void hero_vertical_motion(Figure& figure, double t) {
    int16_t& air = figure.state[ST_AIR];
    const double fps = frames_per_second;
    if (air == 0 || air == 2) {
        air = 2;
        // The fall speeds up over the first quarter period, then holds at FALL_SPEED.
        if (t > HALF_PI)
            figure.position.y -= static_cast<float>(FALL_SPEED / fps);
        else
            figure.position.y += static_cast<float>(std::cos(t + HALF_PI) * FALL_SPEED / fps);
    } else {
        if (t > HALF_PI)
            air = 3;
        else
            figure.position.y += static_cast<float>(std::cos(t) * FALL_SPEED / fps);
    }
}

void hero_move(Figure& figure, float heading_offset, float factor) {
    const float yaw =
        heading_offset + (figure.state[ST_AIR] != 0 ? figure.takeoff_yaw : figure.rotation.y);
    const double step = figure.walk_speed / static_cast<double>(frames_per_second) * factor;
    figure.position.x -= static_cast<float>(signed_sin_sq(yaw) * step);
    figure.position.z -= static_cast<float>(signed_cos_sq(yaw) * step);
}

void hero_turn(Figure& figure, float dx, float dy) {
    const float fps = static_cast<float>(frames_per_second);
    float& yaw = figure.rotation.y;
    yaw -= dx * figure.turn_speed / fps;
    if (dx > 0 && yaw < 0) yaw += 360;
    if (dx <= 0 && yaw > 360) yaw -= 360;
    float& pitch = figure.rotation.x;
    pitch -= (1.0f / fps) * figure.turn_speed * dy;
    if (dy > 0 && pitch < -60) pitch = -60;
    if (dy <= 0 && pitch > 60) pitch = 60;
}

void hero_step_sounds(Hero& h) {
    const float fps = static_cast<float>(frames_per_second);
    h.eye_height_now = std::cos(h.bob.phase) * h.bob.base * 0.05f + h.bob.base * 0.95f;
    const float threshold = h.bob.base * 0.905f;
    int16_t& step = h.state[ST_STEP];
    const bool river = h.state[ST_ON_RIVER] == 1;
    if (h.eye_height_now < threshold && step == 0) {
        step = 1;
        play_sample(river ? SND_WATER_STEP_L : SND_STEP_L);
    } else if (h.eye_height_now > threshold && step == 1) {
        step = 2;
    } else if (h.eye_height_now < threshold && step == 2) {
        step = 3;
        play_sample(river ? SND_WATER_STEP_R : SND_STEP_R);
    } else if (h.eye_height_now > threshold && step == 3) {
        step = 0;
    }
    h.bob.phase += h.bob.speed / fps;
    if (h.state[ST_ATTACK] == 0) {
        h.weapon_offset.x =
            std::cos(h.sway_x.phase) * h.weapon_base_offset.x * 0.1f + h.weapon_base_offset.x;
        h.weapon_offset.y =
            std::cos(h.sway_y.phase) * h.weapon_base_offset.y * 0.05f + h.weapon_base_offset.y;
        h.sway_x.phase += h.sway_x.speed / fps;
        h.sway_y.phase += h.sway_y.speed / fps;
    }
}

void hero_reset_bob(Hero& h, float phase, float speed) {
    h.bob.phase = phase;
    h.bob.speed = speed;
    h.eye_height_now = h.bob.base;
}

int16_t figure_state(const Figure& figure, int index) {
    return figure.state[index];
}

void figure_set_state(Figure& figure, int index, int16_t value) {
    if (index != ST_ATTACK) {
        figure.state[index] = value;
        return;
    }
    if (value != 1) return;
    figure.state[ST_ATTACK] = 1;
    if (&figure == &hero) {
        // A click during a swing starts it again from these values; the weapon is not moved
        // back first.
        hero.swing_x = {hero.weapon_base_offset.x, 2.5f, 0, 5.0f, 0};
        hero.swing_turn = {-60.0f, 60.0f, 0, 400.0f, 0};
        hero.swing_y = {-2.5f, hero.weapon_base_offset.y, 0, 3.0f, 0};
    }
}

void set_hit_points(Figure& figure, int32_t value) {
    figure.hit_points = std::min(value, figure.max_hit_points);
}

void set_speeds(Figure& figure, float turn, float walk) {
    figure.turn_speed = turn;
    figure.walk_speed = walk;
}

void set_position(WorldObject& object, float x, float y, float z) {
    object.position = {x, y, z};
}

Vec3 get_position(const WorldObject& object) {
    return object.position;
}

void figure_init(Figure& figure, float x, float y, float z, float rot_x, float rot_y, float rot_z) {
    figure = Figure{};
    world_object_init(figure, x, y, z, rot_x, rot_y, rot_z);
}

void hero_init(Hero& h, float x, float y, float z, float rot_x, float rot_y, float rot_z,
               float eye_height) {
    h = Hero{};
    world_object_init(h, x, y, z, rot_x, rot_y, rot_z);
    h.bob.phase = 0;
    h.bob.speed = 9.0f;
    h.bob.base = eye_height;
    h.eye_height_now = eye_height;
    // Feet at position.y, the eye 1.8 above, the front sphere at head height ahead.
    h.front_sphere = {{0, 1.4f, -0.8f}, 0.5f};
    h.ground_sphere = {{0, 1.0f, 0}, 1.0f};
    h.body_sphere = {{0, 1.0f, 0}, 0.7f};
}
