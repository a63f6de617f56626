// The world records without OpenGL: baking surfaces into world space, bounds, copies that keep
// their own arrays, ids, and what the constructors store.
#include "game/world/item.h"
#include "game/world/models.h"
#include "game/world/prop.h"
#include "game/world/scene.h"
#include "game/world/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

Surface make_surface(const char* name, float x, float y, float z, uint32_t face, float sx, float sy,
                     float sz) {
    Surface s;
    surface_init(s, name, raumwuerfel, x, y, z, 0, 0, 0, face, sx, sy, sz, 3);
    return s;
}

struct BakeCase {
    const char* name;
    float x, y, z;
    uint32_t face;
    float sx, sy, sz;
    Vec3 position;      // after the one-unit move
    int plane_axis;     // the axis the face is flat in
    float plane_value;  // the coordinate given
    float u_max, v_max; // texture coordinates run from 0 to these
};

class SurfaceBaking : public ::testing::TestWithParam<BakeCase> {};

TEST_P(SurfaceBaking, FaceLiesOnGivenCoordinateWithScaledTexture) {
    const BakeCase& c = GetParam();
    const Surface s = make_surface(c.name, c.x, c.y, c.z, c.face, c.sx, c.sy, c.sz);
    EXPECT_FLOAT_EQ(s.position.x, c.position.x);
    EXPECT_FLOAT_EQ(s.position.y, c.position.y);
    EXPECT_FLOAT_EQ(s.position.z, c.position.z);
    float u_lo = 1e9f, u_hi = -1e9f, v_lo = 1e9f, v_hi = -1e9f;
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(s.corners[i][c.plane_axis], c.plane_value) << "corner " << i;
        // corners and the drawn vertices are the same points
        for (int a = 0; a < 3; ++a)
            EXPECT_FLOAT_EQ(s.own_vertices[3 * i + a], s.corners[i][a]);
        u_lo = std::min(u_lo, s.own_texcoords[2 * i]);
        u_hi = std::max(u_hi, s.own_texcoords[2 * i]);
        v_lo = std::min(v_lo, s.own_texcoords[2 * i + 1]);
        v_hi = std::max(v_hi, s.own_texcoords[2 * i + 1]);
    }
    EXPECT_FLOAT_EQ(u_lo, 0.0f);
    EXPECT_FLOAT_EQ(v_lo, 0.0f);
    EXPECT_FLOAT_EQ(u_hi, c.u_max);
    EXPECT_FLOAT_EQ(v_hi, c.v_max);
    EXPECT_EQ(s.vertices[0], s.own_vertices);
    EXPECT_EQ(s.texcoords[0], s.own_texcoords);
    EXPECT_EQ(s.lightmap_texcoords, s.own_lightmap_texcoords);
    EXPECT_EQ(s.description, "leer");
}

INSTANTIATE_TEST_SUITE_P(
    Faces, SurfaceBaking,
    ::testing::Values(
        BakeCase{"boden1", 0, 0, 0, FACE_FLOOR, 10, 1, 10, {0, 1, 0}, 1, 0, 10, 10},
        BakeCase{"decke", 0, 4, 0, FACE_CEILING, 10, 1, 10, {0, 3, 0}, 1, 4, 10, 10},
        BakeCase{"wand1", -10, 10, 3, FACE_WALL_NEG_X, 1, 10, 7, {-9, 10, 3}, 0, -10, 7, 10},
        BakeCase{"wand2", 10, 10, 0, FACE_WALL_POS_X, 1, 10, 10, {9, 10, 0}, 0, 10, 10, 10},
        BakeCase{"wand3", 0, 10, -10, FACE_WALL_NEG_Z, 10, 10, 1, {0, 10, -9}, 2, -10, 10, 10},
        BakeCase{"wand4", 0, 10, 10, FACE_WALL_POS_Z, 10, 10, 1, {0, 10, 9}, 2, 10, 10, 10},
        BakeCase{"stukko1",
                 2.5f,
                 0,
                 28,
                 FACE_WALL_POS_X,
                 1,
                 0.25f,
                 2,
                 {1.5f, 0, 28},
                 0,
                 2.5f,
                 2,
                 0.25f}));

TEST(Surface, BodenOneSpansTenUnitsEachWay) {
    const Surface s = make_surface("boden1", 0, 0, 0, FACE_FLOOR, 10, 1, 10);
    for (const Vec3& c : s.corners) {
        EXPECT_FLOAT_EQ(std::abs(c.x), 10.0f);
        EXPECT_FLOAT_EQ(std::abs(c.z), 10.0f);
    }
    EXPECT_FLOAT_EQ(s.normal.y, 1.0f);
    // The box stays that of the unscaled face, in model space.
    EXPECT_FLOAT_EQ(s.bound_radius, 1.0f);
    EXPECT_FLOAT_EQ(s.bound_center.y, -0.5f);
}

TEST(Surface, CopiesPointAtTheirOwnArraysAfterAnErase) {
    std::vector<Surface> list;
    for (int i = 0; i < 3; ++i) {
        Surface s = make_surface("wand", static_cast<float>(i), 0, 0, FACE_WALL_POS_X, 1, 2, 3);
        s.vbo[0] = 100 + i;
        s.vbo[32] = 200 + i;
        list.push_back(s);
    }
    const uint32_t first = list[0].id, third = list[2].id;
    scene_erase_ids(list, {list[1].id});
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].id, first);
    EXPECT_EQ(list[1].id, third);
    for (const Surface& s : list) {
        EXPECT_EQ(s.vertices[0], s.own_vertices);
        EXPECT_EQ(s.texcoords[0], s.own_texcoords);
        EXPECT_EQ(s.lightmap_texcoords, s.own_lightmap_texcoords);
    }
    EXPECT_EQ(list[1].vbo[0], 102u);
    EXPECT_EQ(list[1].vbo[32], 202u);
    // The moved surface still carries its own corners, not the erased one's.
    EXPECT_FLOAT_EQ(list[1].own_vertices[0], 2.0f);

    Surface assigned;
    assigned = list[1];
    EXPECT_EQ(assigned.vertices[0], assigned.own_vertices);
    EXPECT_NE(assigned.vertices[0], list[1].own_vertices);
}

// A one-mesh model lying wholly above the origin: y from 2 to 4, x from 1 to 3, z -5 to -1.
const float HIGH_VERTICES[9] = {1, 2, -1, 3, 4, -5, 2, 3, -2};
const float HIGH_NORMALS[9] = {0, 1, 0, 0, 1, 0, 0, 1, 0};
const float HIGH_TEXCOORDS[6] = {};
const uint32_t HIGH_INDICES[3] = {0, 1, 2};
const uint8_t HIGH_FACE_MATERIALS[1] = {1};
const Material HIGH_MATERIALS[2] = {
    {{0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, {}, {}},
    {{0.5f, 0.5f, 0.5f, 1}, {0.25f, 0, 0, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, {}, {}}};
const Mesh HIGH_MESH = {"high",
                        3,
                        3,
                        HIGH_INDICES,
                        HIGH_FACE_MATERIALS,
                        HIGH_VERTICES,
                        HIGH_NORMALS,
                        HIGH_TEXCOORDS,
                        HIGH_MATERIALS};
const Mesh* const HIGH_MESHES[2] = {&HIGH_MESH, &HIGH_MESH};
const Model HIGH_MODEL = {"high", 2, HIGH_MESHES};

TEST(Bounds, BoxAlwaysHoldsTheOrigin) {
    WorldObject o;
    world_object_init(o, HIGH_MODEL, 7, 8, 9, 0, 45, 0, 0, MESH_SINGLE);
    EXPECT_FLOAT_EQ(bound_center(o, 0), 1.5f);  // 0 .. 3
    EXPECT_FLOAT_EQ(bound_center(o, 1), 2.0f);  // 0 .. 4
    EXPECT_FLOAT_EQ(bound_center(o, 2), -2.5f); // -5 .. 0
    EXPECT_FLOAT_EQ(bound_radius(o), 5.0f);
}

TEST(LoadMeshes, TakesTheMaterialNamedByTheFirstTriangle) {
    WorldObject single, all;
    world_object_init(single, HIGH_MODEL, 0, 0, 0, 0, 0, 0, 1, MESH_SINGLE);
    world_object_init(all, HIGH_MODEL, 0, 0, 0, 0, 0, 0, 0, MESH_ALL);
    EXPECT_EQ(single.mesh_count, 1u);
    EXPECT_EQ(single.diffuse[0], HIGH_MATERIALS[1].diffuse);
    EXPECT_FLOAT_EQ(single.normal.y, 1.0f);
    EXPECT_EQ(all.mesh_count, 2u);
    EXPECT_EQ(all.vertices.size(), 2u);
    EXPECT_EQ(all.index_counts[1], 3u);
    EXPECT_EQ(all.mesh_mode, MESH_ALL);
}

TEST(Scene, ErasingByIdKeepsTheOrderOfTheRest) {
    std::vector<Item> items(4);
    for (Item& item : items)
        item_init(item, "Pizza", pizza_uv, 0, 0, 0, 0, 0, 0, 0.7f);
    const uint32_t ids[4] = {items[0].id, items[1].id, items[2].id, items[3].id};
    scene_erase_ids(items, {ids[1], ids[3], 12345});
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, ids[0]);
    EXPECT_EQ(items[1].id, ids[2]);
}

TEST(Ids, KeepCountingAcrossARebuild) {
    std::vector<Item> level;
    auto build = [&] {
        level.clear();
        for (int i = 0; i < 3; ++i) {
            Item item;
            item_init(item, "Pizza", pizza_uv, 0, 0, 0, 0, 0, 0, 0.7f);
            level.push_back(item);
        }
    };
    build();
    const uint32_t first_before = object_id(level[0]);
    EXPECT_EQ(object_id(level[1]), first_before + 1);
    build();
    EXPECT_NE(object_id(level[0]), first_before);
    EXPECT_EQ(object_id(level[0]), first_before + 3);
}

TEST(Constructors, StoreWhatTheGameReadsLater) {
    Item pizza;
    item_init(pizza, "Pizza4", pizza_uv, 8, 0, -19, 0, 0, 0, 0.7f);
    EXPECT_EQ(pizza.description, "leer");
    EXPECT_EQ(pizza.name, "Pizza4");
    EXPECT_FLOAT_EQ(pizza.home.x, 8.0f);
    EXPECT_FLOAT_EQ(pizza.pickup_radius, 0.7f);
    EXPECT_NE(item_kind(pizza), ITEM_FOOD); // nobody made it food yet
    EXPECT_NE(item_kind(pizza), ITEM_WEAPON);
    item_set_kind(pizza, ITEM_FOOD);
    EXPECT_EQ(item_kind(pizza), ITEM_FOOD);
    EXPECT_EQ(pizza.texture, 0u);
    EXPECT_EQ(pizza.lightmap_texcoords, nullptr);

    Item bare;
    item_init(bare, "Claw 1d6+5", 0, 0, 0, 0, 0, 0, 0.7f);
    EXPECT_EQ(bare.mesh_count, 0u);
    EXPECT_EQ(bare.description, "leer");

    Prop lever;
    prop_init(lever, "hebel1", hebel, 17, 0, -18, 0, 0, 20, MESH_SINGLE, 0, 2, 0.8f);
    EXPECT_EQ(lever.mode, 1); // 2 is stored as 1
    EXPECT_EQ(lever.active, 1);
    EXPECT_EQ(lever.description, "leer");
    EXPECT_FLOAT_EQ(lever.rotation.z, 20.0f);
    EXPECT_FLOAT_EQ(lever.base_y, 0.0f);

    Prop case_prop;
    prop_init(case_prop, "vitrine1", vitrine, 5, 0, 4, 0, 0, 0, MESH_ALL, 1, 1, 1.8f);
    EXPECT_EQ(case_prop.mesh_count, 5u);
    EXPECT_EQ(case_prop.transparent, 1);
    for (uint32_t v : case_prop.vbo)
        EXPECT_EQ(v, 0u);
}

} // namespace
