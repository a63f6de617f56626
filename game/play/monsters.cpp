#include "game/play/monsters.h"

#include "game/image/textures.h"
#include "game/play/animation_tables.h"
#include "game/world/body_pivots.h"

#include <cmath>

namespace {

struct KindData {
    const PivotXY* pivots;
    const float* const* tables;
    Sphere body;
    float reach;
    float attack_range;
};

const KindData* kind_data(int kind) {
    static const KindData teletubby{
        TELETUBBY_PIVOTS, ANIMATION_TELETUBBY, {{0, 1.0f, 0}, 0.8f}, 2.1f, 3.2f};
    static const KindData fuerst{FUERST_PIVOTS, ANIMATION_FUERST, {{0, 1.2f, 0}, 1.2f}, 2.1f, 4.5f};
    // The princess never engages; her range is never read.
    static const KindData princess{
        PRINCESS_PIVOTS, ANIMATION_PRINCESS, {{0, 1.0f, 0}, 0.8f}, 2.1f, 0.0f};
    static const KindData caveorc{
        CAVEORC_PIVOTS, ANIMATION_CAVEORC, {{0, 1.5f, 0}, 1.5f}, 2.5f, 5.5f};
    switch (kind) {
    case MONSTER_TELETUBBY:
        return &teletubby;
    case MONSTER_FUERST:
        return &fuerst;
    case MONSTER_PRINCESS:
        return &princess;
    case MONSTER_CAVEORC:
        return &caveorc;
    default:
        return nullptr;
    }
}

constexpr int KEYFRAME_FLOATS = 30;
constexpr int ANIMATIONS = 5;

} // namespace

bool load_animation_tables(Figure& figure, const float* const tables[FIGURE_PART_COUNT]) {
    for (int p = 0; p < FIGURE_PART_COUNT; ++p) {
        const float* s = tables[p];
        int16_t keyframes = 0;
        for (;;) {
            const float head = *s++;
            if (head == TABLE_END_MARK) break;
            const int a = static_cast<int>(head);
            if (a < 0 || a >= ANIMATIONS || static_cast<float>(a) != head) return false;
            figure.animation_ranges[a][p].first = keyframes;
            while (*s != ANIMATION_END_MARK) {
                // A marker inside a keyframe means the table is cut short.
                for (int i = 0; i < KEYFRAME_FLOATS; ++i)
                    if (s[i] == ANIMATION_END_MARK || s[i] == TABLE_END_MARK) return false;
                for (int c = 0; c < 3; ++c) {
                    const float* k = s + 5 * c;
                    figure.offset_tracks[3 * p + c].push_back({k[0], k[1], k[2], k[3], k[4]});
                    const float* g = s + 15 + 5 * c;
                    figure.angle_tracks[3 * p + c].push_back({g[0], g[1], g[2], g[3], g[4]});
                }
                s += KEYFRAME_FLOATS;
                ++keyframes;
            }
            ++s; // the animation's end mark
            figure.animation_ranges[a][p].end = keyframes;
        }
    }
    return true;
}

void set_animation(Figure& figure, int animation) {
    for (int p = 0; p < FIGURE_PART_COUNT; ++p)
        for (int c = 0; c < 3; ++c) {
            const auto& offsets = figure.offset_tracks[3 * p + c];
            const auto& angles = figure.angle_tracks[3 * p + c];
            figure.part_offset[p][c] = offsets.empty() ? 0.0f : offsets[0].rest;
            figure.part_angle[p][c] = angles.empty() ? 0.0f : angles[0].rest;
        }
    figure.animation = animation;
    figure.active_parts = (1 << FIGURE_PART_COUNT) - 1;
    for (int p = 0; p < FIGURE_PART_COUNT; ++p)
        figure.current_key[p] = figure.animation_ranges[animation][p].first;
    for (auto& track : figure.offset_tracks)
        for (Key& k : track)
            k.value = k.from;
    for (auto& track : figure.angle_tracks)
        for (Key& k : track)
            k.value = k.from;
}

void figure_set_action(Figure& figure, int index, int16_t value) {
    if (index == ST_ATTACK && value == 1)
        set_animation(figure, ANIM_ATTACK);
    else if (index == ST_ATTACK && value == 0)
        set_animation(figure, ANIM_REST);
    else if (index == ST_KILLED && value == 1 && figure.name != "held")
        set_animation(figure, ANIM_DEATH);
    else if (index == ST_WALK && value == 1)
        set_animation(figure, ANIM_WALK);
    else if (index == ST_IDLE && value == 1)
        set_animation(figure, ANIM_IDLE);
    figure.state[index] = value;
}

void set_waypoints(Figure& figure, std::initializer_list<Vec3> points) {
    figure.waypoints.assign(points.begin(), points.end());
    figure.waypoint_index = 0;
}

void monster_init(Monster& m, const Model& model, float x, float y, float z, float rot_x,
                  float rot_y, float rot_z, const StatSheet& sheet, int kind, int texture,
                  int texture_mipmapped, const std::string& name, const std::string& description) {
    m = Monster{};
    world_object_init(m, model, x, y, z, rot_x, rot_y, rot_z, 0, MESH_ANIMATED);
    apply_stat_sheet(m, sheet);

    const KindData* data = kind_data(kind);
    if (data) {
        load_animation_tables(m, data->tables);
        set_animation(m, ANIM_REST);
        for (int p = 0; p < FIGURE_PART_COUNT; ++p)
            m.part_pivot[p] = {data->pivots[p].x, data->pivots[p].y, 0.0f};
        m.thigh_length = static_cast<double>(data->pivots[9].y) - data->pivots[10].y;
        m.shin_length = data->pivots[10].y;
        m.hip_height = static_cast<double>(data->pivots[9].y) - 0.01;
    }

    m.description = description;
    set_name(m, name);
    set_textures(m, texture_names[texture], texture_names[texture_mipmapped]);
    for (int16_t& s : m.state)
        s = 0;
    m.foot_lift = 0.0;

    if (data) {
        m.body_sphere = data->body;
        m.reach = data->reach;
        m.attack_range = data->attack_range;
    }
}
