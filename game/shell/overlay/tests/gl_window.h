// A small GLUT window for the overlay's drawing tests: draws into the back buffer
// and reads it back with the window's top-left corner as the origin.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <string>
#include <vector>

// Opens the window once per process; the drawing area used is W x H inside it.
void open_test_window(int max_width = 1280, int max_height = 1024);

// Viewport and the menu's orthographic projection for a W x H window, cleared to `grey`.
void start_frame(int window_width, int window_height, float grey = 0.0f);

struct Pixels {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb; // rows from the top of the window
    const uint8_t* at(int x, int y) const {
        return &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    }
    int red(int x, int y) const { return at(x, y)[0]; }
    int green(int x, int y) const { return at(x, y)[1]; }
    int blue(int x, int y) const { return at(x, y)[2]; }
};

Pixels read_frame(int window_width, int window_height);

// Bounding box of the pixels whose channel sum exceeds `threshold`; empty when none.
struct Box {
    int left = 0, top = 0, right = -1, bottom = -1; // inclusive
    bool empty() const { return right < left; }
};
Box lit_box(const Pixels& p, int threshold = 60, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1);

// A texture made from RGBA rows, first row at t = 0.
GLuint make_texture(int width, int height, const std::vector<uint8_t>& rgba);

// Writes the frame as a PNG (through a PPM and ImageMagick); false when that fails.
bool save_png(const Pixels& p, const std::string& path);
