// Dice and the random generator, the stat sheets, the weapons, and the monsters' construction
// with the loader of their keyframe tables.
#include "game/play/animation_tables.h"
#include "game/play/dice.h"
#include "game/play/monsters.h"
#include "game/play/stats.h"
#include "game/play/weapons.h"
#include "game/world/models.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

TEST(Dice, GeneratorFollowsItsRecurrence) {
    seed_random(0);
    // s = 2531011 -> bits 16..30 = 38; then s = 2531011 * 214013 + 2531011.
    EXPECT_EQ(next_random(), 38);
    const uint32_t s2 = 2531011u * 214013u + 2531011u;
    EXPECT_EQ(next_random(), static_cast<int32_t>((s2 >> 16) & 0x7fff));
}

TEST(Dice, RollsStayInRangeAndRepeatWithinASecond) {
    struct Case {
        const Dice* dice;
        int low, high;
    };
    const Case cases[] = {{&D20, 1, 20},
                          {&DICE_SHORT_SWORD, 1, 6},
                          {&DICE_DOUBLE_FIST, 5, 15},
                          {&DICE_FUERST_HIT, 120, 225},
                          {&DICE_LONG_SWORD, 6, 13}};
    for (const Case& c : cases) {
        const std::time_t before = std::time(nullptr);
        const int a = dice_roll(*c.dice);
        const int b = dice_roll(*c.dice);
        EXPECT_GE(a, c.low);
        EXPECT_LE(a, c.high);
        if (std::time(nullptr) == before) {
            EXPECT_EQ(a, b);
        }
    }
    EXPECT_EQ(dice_max(DICE_FUERST_HIT), 225);
    EXPECT_EQ(dice_max(DICE_HERO_HIT), 12);
}

TEST(Dice, AbilityModifiers) {
    const int expected[][2] = {{0, -100}, {1, -5}, {9, -1}, {10, 0}, {11, 0}, {18, 4}, {27, 8}};
    for (const auto& e : expected)
        EXPECT_EQ(ability_modifier[e[0]], e[1]) << e[0];
    for (int score = 1; score < 28; ++score) {
        const int floor_half = (score - 10) >= 0 ? (score - 10) / 2 : -((11 - score) / 2);
        EXPECT_EQ(ability_modifier[score], floor_half) << score;
    }
}

TEST(Stats, SheetsFillTheFigureAndComputeZeroEntries) {
    Figure hero_like;
    apply_stat_sheet(hero_like, HERO_SHEET);
    EXPECT_EQ(hero_like.hit_points, 16); // 1d12 max 12 + constitution 18 (+4)
    EXPECT_EQ(hero_like.max_hit_points, 16);
    EXPECT_EQ(hero_like.armor_class, 13); // 10 + dexterity 17 (+3)
    EXPECT_EQ(hero_like.weapon, &short_sword);
    EXPECT_EQ(hero_like.hit_dice, &DICE_HERO_HIT);

    Figure orc;
    apply_stat_sheet(orc, CAVEORC_SHEET);
    EXPECT_EQ(orc.hit_points, 30);
    EXPECT_EQ(orc.armor_class, 22);
    EXPECT_EQ(orc.strength, 20);
    EXPECT_EQ(orc.weapon, &double_fist);
    ASSERT_NE(orc.inventory, nullptr);
    ASSERT_NE(orc.inventory, hero_like.inventory);
    for (int i = 0; i < FIGURE_INVENTORY_SIZE; ++i) {
        EXPECT_EQ(orc.inventory[i].name, "leer");
        EXPECT_NE(item_kind(orc.inventory[i]), ITEM_FOOD);
        EXPECT_NE(item_kind(orc.inventory[i]), ITEM_WEAPON);
    }
}

TEST(Weapons, ListHoldsTheFourWorldWeapons) {
    const char* names[] = {"Short Sword 1d6", "Gauntlet 1d2", "Claw 1d6+5",
                           "Long Sword 1d8+5  -  Deathbringer"};
    const int16_t visible[] = {1, 0, 0, 1};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(weapon_list[i], nullptr);
        EXPECT_EQ(weapon_list[i]->name, names[i]);
        EXPECT_EQ(weapon_list[i]->visible, visible[i]);
        EXPECT_EQ(item_kind(*weapon_list[i]), ITEM_WEAPON);
        EXPECT_EQ(weapon_list[i]->pickup_radius, 0.7f);
        EXPECT_EQ(weapon_list[i]->description, "leer");
    }
    EXPECT_EQ(weapon_list[4], nullptr);
    EXPECT_EQ(double_fist.damage, &DICE_DOUBLE_FIST);
    EXPECT_EQ(short_sword.mesh_count, 1u);
    EXPECT_EQ(gauntlet.mesh_count, 0u);
    // Built once: a second call changes nothing.
    const uint32_t id = short_sword.id;
    build_weapons();
    EXPECT_EQ(short_sword.id, id);
}

// A keyframe with one moving channel (0-2 offset, 3-5 angle); the rest held.
std::vector<float> keyframe(int channel, float from, float to, float speed) {
    std::vector<float> k(30, 0.0f);
    k[5 * channel + 0] = from;
    k[5 * channel + 1] = to;
    k[5 * channel + 3] = speed;
    return k;
}

TEST(Animation, LoaderRecordsRangesPerPartOverConcatenatedTracks) {
    std::vector<float> part;
    auto add = [&](std::initializer_list<float> v) { part.insert(part.end(), v); };
    auto add_kf = [&](const std::vector<float>& k) { part.insert(part.end(), k.begin(), k.end()); };
    add({0});
    add_kf(keyframe(0, 0, 0, 0));
    add({ANIMATION_END_MARK, 1});
    add_kf(keyframe(3, 0, -2, -10));
    add_kf(keyframe(3, -2, 3, 25));
    add({ANIMATION_END_MARK, 4});
    add_kf(keyframe(1, 0, 0.5f, 0.3f));
    add({ANIMATION_END_MARK, TABLE_END_MARK});
    const float* tables[FIGURE_PART_COUNT];
    for (auto& t : tables)
        t = part.data();

    Figure f;
    ASSERT_TRUE(load_animation_tables(f, tables));
    EXPECT_EQ(f.animation_ranges[0][3].first, 0);
    EXPECT_EQ(f.animation_ranges[0][3].end, 1);
    EXPECT_EQ(f.animation_ranges[1][3].first, 1);
    EXPECT_EQ(f.animation_ranges[1][3].end, 3);
    EXPECT_EQ(f.animation_ranges[4][3].first, 3);
    EXPECT_EQ(f.animation_ranges[4][3].end, 4);
    ASSERT_EQ(f.angle_tracks[3 * 5 + 0].size(), 4u);
    EXPECT_EQ(f.angle_tracks[3 * 5 + 0][2].to, 3.0f);
    EXPECT_EQ(f.offset_tracks[3 * 5 + 1][3].speed, 0.3f);

    // A table cut short inside a keyframe, or naming a sixth animation, is refused.
    std::vector<float> cut = {1, 0, -2, 0, -10, 0, ANIMATION_END_MARK, TABLE_END_MARK};
    std::vector<float> sixth = {7, ANIMATION_END_MARK, TABLE_END_MARK};
    for (const std::vector<float>* bad : {&cut, &sixth}) {
        for (auto& t : tables)
            t = bad->data();
        Figure g;
        EXPECT_FALSE(load_animation_tables(g, tables));
    }
}

TEST(Animation, TellingRowsOfTheTeletubby) {
    Monster m;
    monster_init(m, teletub1, 0, 0, 0, 0, 0, 0, TELETUBBY_SHEET, MONSTER_TELETUBBY, 0, 1000, "t",
                 "d");
    struct Row {
        int part, animation, keyframe;
        bool angle;
        int channel;
        float from, to, speed;
    };
    const Row rows[] = {
        {7, ANIM_WALK, 0, true, 0, 0, 15, 60},         {7, ANIM_WALK, 1, true, 0, 15, -15, -60},
        {7, ANIM_WALK, 2, true, 0, -15, 0, 60},        {0, ANIM_DEATH, 0, true, 1, 0, -360, -100},
        {0, ANIM_DEATH, 0, false, 1, 0, 0.5f, 0.3f},   {0, ANIM_DEATH, 1, true, 0, 0, -90, -100},
        {0, ANIM_DEATH, 2, false, 2, 0, -1.0f, -0.5f}, {1, ANIM_ATTACK, 0, true, 0, 0, -2, -10},
        {1, ANIM_ATTACK, 1, true, 0, -2, 3, 25},       {1, ANIM_ATTACK, 2, true, 0, 3, 0, -15},
    };
    for (const Row& r : rows) {
        const KeyRange range = m.animation_ranges[r.animation][r.part];
        ASSERT_LT(range.first + r.keyframe, range.end);
        const auto& track = r.angle ? m.angle_tracks[3 * r.part + r.channel]
                                    : m.offset_tracks[3 * r.part + r.channel];
        const Key& k = track[range.first + r.keyframe];
        EXPECT_EQ(k.from, r.from);
        EXPECT_EQ(k.to, r.to);
        EXPECT_EQ(k.speed, r.speed);
    }
    EXPECT_EQ(m.animation_ranges[ANIM_WALK][7].end - m.animation_ranges[ANIM_WALK][7].first, 3);
}

TEST(Animation, EveryKindLoadsWellFormedTables) {
    const float* const* kinds[] = {ANIMATION_TELETUBBY, ANIMATION_FUERST, ANIMATION_PRINCESS,
                                   ANIMATION_CAVEORC};
    for (const float* const* tables : kinds) {
        Figure f;
        ASSERT_TRUE(load_animation_tables(f, tables));
        for (int p = 0; p < FIGURE_PART_COUNT; ++p) {
            // Rest has one held keyframe; the others one to five; every speed has the sign of
            // its move and all six tracks of a part are equally long.
            EXPECT_EQ(f.animation_ranges[ANIM_REST][p].end - f.animation_ranges[ANIM_REST][p].first,
                      1);
            for (int a = 1; a < 5; ++a) {
                const int n = f.animation_ranges[a][p].end - f.animation_ranges[a][p].first;
                EXPECT_GE(n, 1);
                EXPECT_LE(n, 5);
            }
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(f.offset_tracks[3 * p + c].size(), f.angle_tracks[3 * p].size());
                for (const auto* track : {&f.offset_tracks[3 * p + c], &f.angle_tracks[3 * p + c]})
                    for (const Key& k : *track) {
                        if (k.from == k.to)
                            EXPECT_EQ(k.speed, 0);
                        else
                            EXPECT_GT((k.to - k.from) * k.speed, 0);
                        EXPECT_EQ(k.value, 0);
                        EXPECT_EQ(k.rest, 0);
                    }
            }
        }
    }
}

TEST(Monsters, KindsGiveBodyDataAndLegGeometry) {
    struct Case {
        const Model* model;
        int kind;
        float sphere_y, radius, reach, range;
        double hip9, knee10;
    };
    const Case cases[] = {
        {&teletub1, MONSTER_TELETUBBY, 1.0f, 0.8f, 2.1f, 3.2f, 0.484, 0.213},
        {&fuerst_der_finsternis, MONSTER_FUERST, 1.2f, 1.2f, 2.1f, 4.5f, 1.18, 0.666},
        {&princess, MONSTER_PRINCESS, 1.0f, 0.8f, 2.1f, 0.0f, 0.8, 0.4},
        {&caveorc, MONSTER_CAVEORC, 1.5f, 1.5f, 2.5f, 5.5f, 1.22, 0.5},
    };
    for (const Case& c : cases) {
        Monster m;
        const uint32_t before = next_object_id;
        monster_init(m, *c.model, 1, 0, 2, 0, 90, 0, TELETUBBY_SHEET, c.kind, 15, 1015, "name",
                     "text");
        EXPECT_GE(m.id, before);
        EXPECT_EQ(m.mesh_mode, MESH_ANIMATED);
        EXPECT_EQ(m.mesh_count, 11u);
        EXPECT_EQ(m.body_sphere.offset.y, c.sphere_y);
        EXPECT_EQ(m.body_sphere.radius, c.radius);
        EXPECT_EQ(m.reach, c.reach);
        if (c.kind != MONSTER_PRINCESS) {
            EXPECT_EQ(m.attack_range, c.range);
        }
        EXPECT_NEAR(m.thigh_length, c.hip9 - c.knee10, 1e-6);
        EXPECT_NEAR(m.shin_length, c.knee10, 1e-6);
        EXPECT_NEAR(m.hip_height, c.hip9 - 0.01, 1e-6);
        EXPECT_FLOAT_EQ(m.part_pivot[9].y, static_cast<float>(c.hip9));
        EXPECT_EQ(m.name, "name");
        EXPECT_EQ(m.description, "text");
        EXPECT_EQ(m.animation, ANIM_REST);
        EXPECT_EQ(m.active_parts, 2047);
        EXPECT_TRUE(m.waypoints.empty());
        for (int16_t s : m.state)
            EXPECT_EQ(s, 0);
    }
}

TEST(Monsters, ActionsStartTheirAnimations) {
    Monster m;
    monster_init(m, teletub1, 0, 0, 0, 0, 0, 0, TELETUBBY_SHEET, MONSTER_TELETUBBY, 0, 1000,
                 "teletub9", "");
    struct Case {
        int index;
        int16_t value;
        int animation;
    };
    const Case cases[] = {{ST_IDLE, 1, ANIM_IDLE},    {ST_ATTACK, 1, ANIM_ATTACK},
                          {ST_ATTACK, 0, ANIM_REST},  {ST_WALK, 1, ANIM_WALK},
                          {ST_PASSIVE, 1, ANIM_WALK}, {ST_KILLED, 1, ANIM_DEATH}};
    for (const Case& c : cases) {
        m.active_parts = 0;
        figure_set_action(m, c.index, c.value);
        EXPECT_EQ(m.state[c.index], c.value);
        EXPECT_EQ(m.animation, c.animation) << c.index;
        for (int p = 0; p < FIGURE_PART_COUNT; ++p)
            EXPECT_EQ(m.current_key[p], m.animation_ranges[c.animation][p].first);
    }
    // The hero never plays a death animation.
    m.name = "held";
    figure_set_action(m, ST_WALK, 1);
    figure_set_action(m, ST_KILLED, 1);
    EXPECT_EQ(m.animation, ANIM_WALK);
}

} // namespace
