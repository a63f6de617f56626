#include "test_scene.h"

#include "game/image/bmp.h"
#include "game/image/textures.h"
#include "game/image/tga.h"
#include "game/render/camera.h"
#include "game/render/display_lists.h"
#include "game/render/draw_objects.h"
#include "game/render/frustum.h"
#include "game/shell/toggles.h"
#include "game/world/body_pivots.h"
#include "game/world/models.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>

void open_test_window(int width, int height, const char* title) {
    int argc = 1;
    char name[] = "render_test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(width, height);
    glutCreateWindow(title);

    glClearColor(0, 0, 0, 0);
    glShadeModel(GL_SMOOTH);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glCullFace(GL_BACK);
    const float white[4] = {1, 1, 1, 1};
    glMaterialfv(GL_FRONT, GL_SPECULAR, white);
    glMaterialf(GL_FRONT, GL_SHININESS, 10);
    const float ambient[4] = {0.3f, 0.3f, 0.3f, 1}, diffuse[4] = {1, 1, 1, 0};
    const float red[4] = {1, 0.2f, 0.1f, 0}, black[4] = {0, 0, 0, 1};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, diffuse);
    glLightfv(GL_LIGHT2, GL_AMBIENT, black);
    glLightfv(GL_LIGHT2, GL_DIFFUSE, red);
    glLightfv(GL_LIGHT2, GL_SPECULAR, red);
    for (GLenum light : {GL_LIGHT0, GL_LIGHT2}) {
        glLightf(light, GL_CONSTANT_ATTENUATION, 1.0f);
        glLightf(light, GL_LINEAR_ATTENUATION, 0.1f);
        glLightf(light, GL_QUADRATIC_ATTENUATION, 0.02f);
    }
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT2);
    glEnable(GL_LIGHT3);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    create_texture_names();
}

namespace {

using Painter = std::function<void(int x, int y, uint8_t* rgb)>;

void upload(TextureId id, int size, GLint wrap, const Painter& paint) {
    std::vector<uint8_t> pixels(size_t(size) * size * 3);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            paint(x, y, &pixels[(size_t(y) * size + x) * 3]);
    for (GLuint name : {texture_names_plain[id], texture_names_mipmapped[id]}) {
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    }
    glBindTexture(GL_TEXTURE_2D, texture_names_plain[id]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, size, size, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glBindTexture(GL_TEXTURE_2D, texture_names_mipmapped[id]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, size, size, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
}

// Bands like the painted skins: a lighter head band with a face mark, body, legs.
Painter banded(uint8_t r, uint8_t g, uint8_t b) {
    return [=](int x, int y, uint8_t* p) {
        const float v = 1.0f - (y + 0.5f) / 64.0f; // measured from the top as painted
        const float u = (x + 0.5f) / 64.0f;
        float k = v < 0.25f ? 1.2f : (v < 0.62f ? 1.0f : 0.75f);
        if (v < 0.25f && std::fabs(u - 0.5f) < 0.15f) k = 1.6f;
        if (((x / 8) + (y / 8)) % 2) k *= 0.9f;
        p[0] = static_cast<uint8_t>(std::min(255.0f, r * k));
        p[1] = static_cast<uint8_t>(std::min(255.0f, g * k));
        p[2] = static_cast<uint8_t>(std::min(255.0f, b * k));
    };
}

Painter checker(uint8_t r, uint8_t g, uint8_t b) {
    return [=](int x, int y, uint8_t* p) {
        const float k = ((x / 16) + (y / 16)) % 2 ? 1.0f : 0.7f;
        p[0] = static_cast<uint8_t>(r * k);
        p[1] = static_cast<uint8_t>(g * k);
        p[2] = static_cast<uint8_t>(b * k);
    };
}

bool load_picture(const std::string& path, TextureId id, GLint wrap) {
    if (!std::filesystem::exists(path)) return false;
    load_texture(path, id, wrap);
    return true;
}

} // namespace

void load_test_textures(const std::string& picture_dir) {
    if (!picture_dir.empty()) {
        bool all = true;
        for (const TextureFile& row : TEXTURE_TABLE)
            all = load_picture(picture_dir + "/" + row.file, row.id, row.wrap) && all;
        if (all) return;
    }
    upload(TEX_MARMOR1, 64, GL_REPEAT, checker(200, 190, 170));
    upload(TEX_WAND7, 64, GL_REPEAT, checker(150, 120, 100));
    upload(TEX_PIZZA, 64, GL_CLAMP, [](int x, int y, uint8_t* p) {
        const float d = std::hypot(x - 31.5f, y - 31.5f) / 32.0f;
        p[0] = d > 0.85f ? 200 : 190;
        p[1] = d > 0.85f ? 150 : (((x / 6 + y / 6) % 3) ? 60 : 200);
        p[2] = d > 0.85f ? 80 : 30;
    });
    upload(TEX_SHORT_SWORD, 64, GL_CLAMP, banded(180, 185, 195));
    upload(TEX_LONG_SWORD, 64, GL_CLAMP, banded(200, 200, 210));
    upload(TEX_TORCH_AN_WAND, 64, GL_CLAMP, banded(200, 130, 40));
    upload(TEX_HEBEL, 64, GL_CLAMP, banded(170, 170, 180));
    upload(TEX_HALTERUNG_HEBEL, 64, GL_CLAMP, checker(90, 90, 95));
    upload(TEX_TELETUB_KLEIDERBUEGEL, 64, GL_CLAMP, banded(130, 80, 180));
    upload(TEX_PRINCESS, 64, GL_CLAMP, banded(235, 150, 185));
    upload(TEX_HOEHLENORC, 64, GL_CLAMP, banded(95, 125, 60));
    upload(TEX_FUERST_FOR_ANIMAT, 64, GL_CLAMP, banded(60, 50, 70));
}

namespace {

void add_surface(TestScene& test, const char* name, float x, float y, float z, uint32_t face,
                 float sx, float sy, float sz, TextureId tex, bool lightmapped) {
    Surface s;
    surface_init(s, name, raumwuerfel, x, y, z, 0, 0, 0, face, sx, sy, sz, tex);
    if (lightmapped) {
        // A made-up lightmap stretched once over the quad.
        const float* unit = raumwuerfel.meshes[face]->texcoords;
        for (int i = 0; i < 8; ++i)
            s.own_lightmap_texcoords[i] = unit[i];
        s.lightmap_texture = test.lightmap;
    }
    scene_add_surface(s);
    compile_display_lists(scene.surfaces.back(), false);
}

void add_figure(const Model& model, const PivotXY (&pivots)[11], float x, float z, float yaw,
                TextureId tex, const char* name) {
    Monster m;
    world_object_init(m, model, x, 0, z, 0, yaw, 0, 0, MESH_ANIMATED);
    set_name(m, name);
    set_textures(m, texture_names_plain[tex], texture_names_mipmapped[tex]);
    for (int k = 0; k < 11; ++k)
        m.part_pivot[k] = {pivots[k].x, pivots[k].y, 0};
    scene_add_figure(m);
}

void make_lightmap(TestScene& test) {
    if (test.lightmap == 0) glGenTextures(1, &test.lightmap);
    std::vector<uint8_t> pixels(32 * 32 * 3);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const float d = std::hypot(x - 15.5f, y - 20.0f) / 24.0f;
            const float light = std::clamp(1.1f - d, 0.15f, 1.0f);
            uint8_t* p = &pixels[(size_t(y) * 32 + x) * 3];
            p[0] = static_cast<uint8_t>(255 * light);
            p[1] = static_cast<uint8_t>(235 * light);
            p[2] = static_cast<uint8_t>(200 * light);
        }
    glBindTexture(GL_TEXTURE_2D, test.lightmap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, 32, 32, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
}

} // namespace

void clear_test_scene() {
    scene.figures = {};
    scene.surfaces = {};
    scene.items = {};
    scene.props = {};
    for (Weapon*& w : weapon_list)
        w = nullptr;
}

void build_test_scene(TestScene& test) {
    clear_test_scene();
    make_lightmap(test);

    add_surface(test, "boden1", 0, 0, 0, FACE_FLOOR, 6, 1, 8, TEX_MARMOR1, true);
    add_surface(test, "wand1", 0, 3, -8, FACE_WALL_NEG_Z, 6, 3, 1, TEX_WAND7, true);
    add_surface(test, "wand2", -6, 3, 0, FACE_WALL_NEG_X, 1, 3, 8, TEX_WAND7, true);
    add_surface(test, "wand3", 6, 3, 0, FACE_WALL_POS_X, 1, 3, 8, TEX_WAND7, true);
    add_surface(test, "lichtdecke", 0, 6, 0, FACE_CEILING, 6, 1, 8, TEX_MARMOR1, false);

    add_figure(teletub1, TELETUBBY_PIVOTS, -1.2f, 0.5f, 20, TEX_TELETUB_KLEIDERBUEGEL, "teletub1");
    add_figure(princess, PRINCESS_PIVOTS, 1.3f, -0.5f, -30, TEX_PRINCESS, "princess");
    add_figure(caveorc, CAVEORC_PIVOTS, -3.2f, -4.5f, 25, TEX_HOEHLENORC, "caveorc1");
    add_figure(fuerst_der_finsternis, FUERST_PIVOTS, 3.0f, -4.5f, -25, TEX_FUERST_FOR_ANIMAT,
               "fuerstdf");
    pose_figure(scene.figures[0]);

    Item pizza;
    item_init(pizza, "Pizza1", pizza_uv, -2.4f, 0, 3.0f, 0, 0, 0, 0.7f);
    set_textures(pizza, texture_names_plain[TEX_PIZZA], texture_names_mipmapped[TEX_PIZZA]);
    item_set_kind(pizza, ITEM_FOOD);
    scene_add_item(pizza);
    Item marker;
    item_init(marker, "licht3", object01_purple, 2.4f, 0, 3.0f, 0, 0, 0, 0.7f);
    scene_add_item(marker);

    Prop torch, holder, lever, display_case;
    prop_init(torch, "fackel1", torch_an_wand_uv, -6, 2.4f, -2, 0, 90, 0, MESH_SINGLE, 0, 1, 0.8f);
    set_textures(torch, texture_names_plain[TEX_TORCH_AN_WAND],
                 texture_names_mipmapped[TEX_TORCH_AN_WAND]);
    prop_init(holder, "halterung1", halterung_hebel, -3.5f, 0, 1.5f, 0, 90, 0, MESH_SINGLE, 0, 1,
              0.1f);
    set_textures(holder, texture_names_plain[TEX_HALTERUNG_HEBEL],
                 texture_names_mipmapped[TEX_HALTERUNG_HEBEL]);
    prop_init(lever, "hebel1", hebel, -3.5f, 0, 1.5f, 0, 0, 20, MESH_SINGLE, 0, 1, 0.8f);
    set_textures(lever, texture_names_plain[TEX_HEBEL], texture_names_mipmapped[TEX_HEBEL]);
    prop_init(display_case, "vitrine1", vitrine, 3.4f, 0, 1.0f, 0, 0, 0, MESH_ALL, 1, 1, 1.8f);
    for (Prop* p : {&torch, &holder, &lever, &display_case})
        scene_add_prop(*p);

    item_init(test.lying_sword, "Long Sword 1d8+5  -  Deathbringer", long_sword, 0.9f, 0.05f, 2.6f,
              -90, 35, 0, 0.7f);
    item_set_kind(test.lying_sword, ITEM_WEAPON);
    test.lying_sword.visible = 1;
    set_textures(test.lying_sword, texture_names_plain[TEX_LONG_SWORD],
                 texture_names_mipmapped[TEX_LONG_SWORD]);
    test.lying_sword.state[ITEM_CARRY_STATE] = 0;
    item_init(test.held_sword, "Short Sword 1d6", short_sword_uv, 0, 0, 0, 0, 0, 0, 0.7f);
    item_set_kind(test.held_sword, ITEM_WEAPON);
    test.held_sword.visible = 1;
    set_textures(test.held_sword, texture_names_plain[TEX_SHORT_SWORD],
                 texture_names_mipmapped[TEX_SHORT_SWORD]);
    test.held_sword.state[ITEM_CARRY_STATE] = 2;
    for (Weapon* w : {&test.held_sword, &test.lying_sword})
        compile_display_lists(*w, false);
    weapon_list[0] = &test.held_sword;
    weapon_list[1] = &test.lying_sword;

    hero = Hero{};
    world_object_init(hero, 0, 0, 6.5f, -10, 0, 0);
    set_name(hero, "held");
    hero.eye_height_now = 1.8f;
    hero.weapon = &test.held_sword;
    hero.weapon_offset = hero.weapon_base_offset = {0.25f, -0.37f, -1.0f};
    hero.weapon_angles = hero.weapon_base_angles = {-30, 20, 0};
}

void pose_figure(Figure& figure) {
    figure.part_angle[1] = {8, 0, 0};     // leaning forward
    figure.part_angle[2] = {0, 30, 0};    // looking aside
    figure.part_angle[3] = {-80, 0, -15}; // an arm raised forward
    figure.part_angle[4] = {-35, 0, 0};
    figure.part_angle[5] = {0, 0, 45};  // the other arm out to the side
    figure.part_angle[7] = {-30, 0, 0}; // a step
    figure.part_angle[8] = {40, 0, 0};
    figure.part_angle[9] = {15, 0, 0};
    figure.part_offset[0] = {0, 0.04f, 0};
    figure.foot_lift = 0.03;
}

std::vector<uint8_t> render_frame(int width, int height) {
    glViewport(0, 0, width, height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, double(width) / height, 0.1, 200.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    camera_apply(hero);
    const float light0[4] = {0, 5, 2, 1}, light2[4] = {3, 1.5f, 3, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, light0);
    glLightfv(GL_LIGHT2, GL_POSITION, light2);
    if (frustum_culling == 1) extract_frustum();
    draw_scene(scene);
    glFinish();
    std::vector<uint8_t> rgb(size_t(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

bool write_ppm(const std::string& path, const std::vector<uint8_t>& rgb, int width, int height) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    for (int y = height - 1; y >= 0; --y)
        std::fwrite(&rgb[size_t(y) * width * 3], 1, size_t(width) * 3, f);
    return std::fclose(f) == 0;
}
