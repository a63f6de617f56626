// A small room to draw in tests, the benchmark and the model viewer: lightmapped walls and
// floor, a posed teletubby and a princess, a pizza and a glowing sphere, the torch, the lever,
// the display case, a sword lying on the floor and one in the hero's hand.
#pragma once

#include "game/play/hero.h"
#include "game/play/weapon.h"
#include "game/world/scene.h"

#include <cstdint>
#include <string>
#include <vector>

// Opens a GLUT window of the given size (needs DISPLAY) with the game's fixed GL state: depth
// test, back-face culling, lighting with a white and a red light, texturing on unit 0.
void open_test_window(int width, int height, const char* title);

// Paints procedural pictures into the texture ids the test scene uses (plain and mipmapped),
// or, when `picture_dir` holds the game's generated pictures, loads those instead.
void load_test_textures(const std::string& picture_dir = "");

// The objects of the test scene, kept so tests can reach them after they went into the scene.
struct TestScene {
    Weapon lying_sword;
    Weapon held_sword;
    GLuint lightmap = 0;
};

// Fills the global scene, hero and weapon_list (display lists compiled, no buffers).
void build_test_scene(TestScene& test);
// Empties the scene and the weapon list (GL objects are left alone, as the game does).
void clear_test_scene();

// One frame: projection, camera_apply(hero), light positions, extract_frustum when culling is
// on, draw_scene. Reads the frame back as RGB rows, bottom row first.
std::vector<uint8_t> render_frame(int width, int height);

// Writes RGB rows (bottom row first) as a binary PPM, top row first.
bool write_ppm(const std::string& path, const std::vector<uint8_t>& rgb, int width, int height);

// Pose the first figure away from its rest pose (arms raised, a step, head turned).
void pose_figure(Figure& figure);
