// Test window helpers.
#include "game/shell/overlay/tests/gl_window.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

void open_test_window(int max_width, int max_height) {
    static bool open = false;
    if (open) return;
    int argc = 1;
    char name[] = "overlay_test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(max_width, max_height);
    glutCreateWindow("overlay test");
    glutDisplayFunc([] {});
    for (int i = 0; i < 5; ++i)
        glutMainLoopEvent();
    open = true;
}

void start_frame(int window_width, int window_height, float grey) {
    glViewport(0, 0, window_width, window_height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, window_width, window_height, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glClearColor(grey, grey, grey, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

Pixels read_frame(int window_width, int window_height) {
    Pixels p;
    p.width = window_width;
    p.height = window_height;
    std::vector<uint8_t> raw(static_cast<std::size_t>(window_width) * window_height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, window_width, window_height, GL_RGB, GL_UNSIGNED_BYTE, raw.data());
    p.rgb.resize(raw.size());
    const std::size_t row = static_cast<std::size_t>(window_width) * 3;
    for (int y = 0; y < window_height; ++y)
        std::copy_n(&raw[(window_height - 1 - y) * row], row, &p.rgb[y * row]);
    return p;
}

Box lit_box(const Pixels& p, int threshold, int x0, int y0, int x1, int y1) {
    if (x1 < 0) x1 = p.width;
    if (y1 < 0) y1 = p.height;
    Box b{x1, y1, -1, -1};
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const uint8_t* c = p.at(x, y);
            if (c[0] + c[1] + c[2] <= threshold) continue;
            if (x < b.left) b.left = x;
            if (x > b.right) b.right = x;
            if (y < b.top) b.top = y;
            if (y > b.bottom) b.bottom = y;
        }
    if (b.right < 0) return Box{};
    return b;
}

GLuint make_texture(int width, int height, const std::vector<uint8_t>& rgba) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return name;
}

bool save_png(const Pixels& p, const std::string& path) {
    const std::string ppm = path + ".ppm";
    std::FILE* f = std::fopen(ppm.c_str(), "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", p.width, p.height);
    std::fwrite(p.rgb.data(), 1, p.rgb.size(), f);
    std::fclose(f);
    const std::string cmd = "/usr/bin/convert '" + ppm + "' '" + path + "' && rm -f '" + ppm + "'";
    return std::system(cmd.c_str()) == 0;
}
