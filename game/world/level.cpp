#include "game/world/level.h"

#include "game/image/textures.h"
#include "game/play/monsters.h"
#include "game/play/movement.h"
#include "game/play/weapons.h"
#include "game/world/models.h"
#include "game/world/scene.h"

#include <GL/gl.h>

uint32_t fuerst_id = 0;

namespace {

void textures_of(WorldObject& object, TextureId t) {
    set_textures(object, texture_names_plain[t], texture_names_mipmapped[t]);
}

void build_hero() {
    hero_init(hero, 0, 0, 7, 0, 0, 0, 1.8f);
    set_name(hero, "held");
    apply_stat_sheet(hero, HERO_SHEET);
    set_speeds(hero, 10.0f, 5.0f);
    short_sword.state[ITEM_CARRY_STATE] = 2;
    // place_weapon_view and set_weapon_angles: the held sword's resting place in view space.
    hero.weapon_offset = hero.weapon_base_offset = {0.25f, -0.37f, -1.0f};
    hero.sway_x.phase = hero.sway_y.phase = 0;
    hero.sway_x.speed = 4.5f;
    hero.sway_y.speed = 3.1f;
    hero.weapon_angles = hero.weapon_base_angles = {-30.0f, 20.0f, 0.0f};
}

struct PropRow {
    const char* name;
    const Model* model;
    float x, y, z, rx, ry, rz;
    uint16_t mesh_mode;
    uint16_t transparent;
    float use_radius;
    TextureId texture; // -1: none
};

const PropRow PROPS[] = {
    {"halterung1", &halterung_hebel, 17, 0, -18, 0, 90, 0, MESH_SINGLE, 0, 0.1f,
     TEX_HALTERUNG_HEBEL},
    {"hebel1", &hebel, 17, 0, -18, 0, 0, 20, MESH_SINGLE, 0, 0.8f, TEX_HEBEL},
    {"fackel1", &torch_an_wand_uv, -35, 2.8f, 0, 0, 180, 0, MESH_SINGLE, 0, 0.8f,
     TEX_TORCH_AN_WAND},
    {"fackel2", &torch_an_wand_uv, -31, 2.8f, 0, 0, 180, 0, MESH_SINGLE, 0, 0.8f,
     TEX_TORCH_AN_WAND},
    {"fackel3", &torch_an_wand_uv, -18, 2.8f, -14, 0, 180, 0, MESH_SINGLE, 0, 0.8f,
     TEX_TORCH_AN_WAND},
    {"fackel4", &torch_an_wand_uv, 0, 2.8f, -14, 0, 180, 0, MESH_SINGLE, 0, 0.8f,
     TEX_TORCH_AN_WAND},
    {"fackel5", &torch_an_wand_uv, 18, 2.8f, -14, 0, 180, 0, MESH_SINGLE, 0, 0.8f,
     TEX_TORCH_AN_WAND},
    {"fackel6", &torch_an_wand_uv, 31, 5.8f, 14, 0, -90, 0, MESH_SINGLE, 0, 0.8f,
     TEX_TORCH_AN_WAND},
    {"vitrine1", &vitrine, 5, 0, 4, 0, 0, 0, MESH_ALL, 1, 1.8f, -1},
};

void build_props() {
    for (const PropRow& row : PROPS) {
        Prop prop;
        prop_init(prop, row.name, *row.model, row.x, row.y, row.z, row.rx, row.ry, row.rz,
                  row.mesh_mode, row.transparent, 1, row.use_radius);
        if (row.texture >= 0) textures_of(prop, row.texture);
        // The display case stands on the floor, but the hero is kept away from its middle.
        if (row.transparent == 1) prop.home = {row.x, row.y + 1.0f, row.z};
        scene_add_prop(prop);
    }
}

const char* const TELETUBBY_TEXT = "A Teletubby is a vile creature.";
const char* const CAVEORC_TEXT = "A Caveorc is a truely deadly kind of an orc.";

void build_figures() {
    Monster m;
    monster_init(m, teletub1, -26, 0, 37, 0, 0, 0, TELETUBBY_SHEET, MONSTER_TELETUBBY,
                 TEX_TELETUB_KLEIDERBUEGEL, 1000 + TEX_TELETUB_KLEIDERBUEGEL, "teletub1",
                 TELETUBBY_TEXT);
    set_waypoints(m, {{-4, 0, 35}, {-6, 0, 22}, {-17, 0, 24}, {-26, 0, 37}});
    set_speeds(m, 10, 2);
    // teletub1 carries the Deathbringer, dropped when it dies.
    deathbringer.state[ITEM_CARRY_STATE] = 1;
    m.inventory[0] = deathbringer;
    scene_add_figure(m);

    monster_init(m, teletub1, -28, 0, 35, 0, 0, 0, TELETUBBY_SHEET, MONSTER_TELETUBBY,
                 TEX_TELETUB_KLEIDERBUEGEL, 1000 + TEX_TELETUB_KLEIDERBUEGEL, "teletub2",
                 TELETUBBY_TEXT);
    set_waypoints(m, {{-24, 0, 23}, {-28, 0, 35}});
    set_speeds(m, 10, 2);
    scene_add_figure(m);

    monster_init(m, teletub1, -3, 0, 36, 0, 0, 0, TELETUBBY_SHEET, MONSTER_TELETUBBY,
                 TEX_TELETUB_KLEIDERBUEGEL, 1000 + TEX_TELETUB_KLEIDERBUEGEL, "teletub3",
                 TELETUBBY_TEXT);
    set_waypoints(m, {{-2, 0, 23}, {-3, 0, 36}});
    set_speeds(m, 10, 2);
    scene_add_figure(m);

    monster_init(m, fuerst_der_finsternis, 29, 0, -20, 0, 0, 0, FUERST_SHEET, MONSTER_FUERST,
                 TEX_FUERST_FOR_ANIMAT, 1000 + TEX_FUERST_FOR_ANIMAT, "fuerstdf",
                 "The Fuerst der Finsternis is an evil monster, who can think of nothing but "
                 "destruction and oppression.");
    set_waypoints(m, {{25, 0, -19}, {25, 0, -15}, {29, 0, -17}});
    set_speeds(m, 10, 1.5f);
    fuerst_id = m.id;
    scene_add_figure(m);

    // The princess never walks: no waypoints, no speeds; passive, idling from the start.
    monster_init(m, princess, 21.5f, 0, -17, 0, 90, 0, PRINCESS_SHEET, MONSTER_PRINCESS,
                 TEX_PRINCESS, 1000 + TEX_PRINCESS, "princess",
                 "The princess is a lovely and beautyful woman.");
    figure_set_action(m, ST_PASSIVE, 1);
    figure_set_action(m, ST_IDLE, 1);
    scene_add_figure(m);

    monster_init(m, caveorc, -5, 0, -17, 0, 0, 0, CAVEORC_SHEET, MONSTER_CAVEORC, TEX_HOEHLENORC,
                 1000 + TEX_HOEHLENORC, "caveorc1", CAVEORC_TEXT);
    set_waypoints(m, {{10, 0, -17}, {-5, 0, -17}});
    set_speeds(m, 10, 1.5f);
    scene_add_figure(m);

    monster_init(m, caveorc, -8, 0, -17, 0, 0, 0, CAVEORC_SHEET, MONSTER_CAVEORC, TEX_HOEHLENORC,
                 1000 + TEX_HOEHLENORC, "caveorc2", CAVEORC_TEXT);
    set_waypoints(m, {{-17, 0, -17}, {-8, 0, -17}});
    set_speeds(m, 10, 1.5f);
    scene_add_figure(m);
}

void build_surfaces() {
    for (const SurfaceRow& row : LEVEL_SURFACES) {
        Surface surface;
        surface_init(surface, row.name, raumwuerfel, row.x, row.y, row.z, 0, 0, 0, row.face, row.sx,
                     row.sy, row.sz, row.texture);
        scene_add_surface(surface);
    }
}

void build_items() {
    struct Marker {
        const char* name;
        const Model* model;
        float x, y, z;
    };
    // Each glowing marker stands under one of the lights 0, 1 and 4; none can be eaten or taken.
    const Marker markers[] = {{"licht1", &object01, 0, 0, 0},
                              {"licht2", &object01, -45, -0.5f, -17},
                              {"licht3", &object01_purple, -20, -2, 29}};
    for (const Marker& marker : markers) {
        Item item;
        item_init(item, marker.name, *marker.model, marker.x, marker.y, marker.z, 0, 0, 0, 0.7f);
        item_set_kind(item, ITEM_NONE);
        scene_add_item(item);
    }

    const Vec3 pizzas[] = {{1, 0, 0},    {-58, 0, -6}, {-28, 0, -19}, {8, 0, -19}, {8, 0, -15},
                           {10, 0, -19}, {10, 0, -15}, {2, 0, 27},    {2, 0, 28},  {2, 0, 29}};
    int number = 1;
    for (const Vec3& p : pizzas) {
        Item item;
        item_init(item, "Pizza" + std::to_string(number++), pizza_uv, p.x, p.y, p.z, 0, 0, 0, 0.7f);
        textures_of(item, TEX_PIZZA);
        item_set_kind(item, ITEM_FOOD);
        scene_add_item(item);
    }
}

} // namespace

void build_level() {
    build_level_with(true);
}

void build_level_with(bool lightmaps) {
    build_hero();
    build_props();
    build_figures();
    build_surfaces();
    if (lightmaps) {
        const GLenum lights[5] = {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2, GL_LIGHT3, GL_LIGHT4};
        scene_build_lightmaps(lights, 5);
    }
    build_items();
}

void reset_level() {
    for (Weapon* weapon : weapon_list) {
        if (!weapon) break;
        weapon->position = {0, 0, 0};
    }
    scene.figures = {};
    scene.surfaces = {};
    scene.items = {};
    scene.props = {};
}
