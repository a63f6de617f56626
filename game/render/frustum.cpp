#include "game/render/frustum.h"

#include <GL/gl.h>

#include <cmath>

float frustum_planes[6][4] = {};

void frustum_from_matrices(const float projection[16], const float modelview[16],
                           float planes[6][4]) {
    float clip[16];
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += modelview[4 * c + k] * projection[4 * k + r];
            clip[4 * c + r] = sum;
        }
    auto row = [&](int i, int column) { return clip[4 * column + i]; };
    // Each plane is row 3 plus or minus one of rows 0 (x), 1 (y), 2 (z).
    const int source_row[6] = {0, 0, 1, 1, 2, 2};
    const float sign[6] = {-1.0f, 1.0f, 1.0f, -1.0f, -1.0f, 1.0f};
    for (int p = 0; p < 6; ++p) {
        for (int column = 0; column < 4; ++column)
            planes[p][column] = row(3, column) + sign[p] * row(source_row[p], column);
        const float norm = std::sqrt(planes[p][0] * planes[p][0] + planes[p][1] * planes[p][1] +
                                     planes[p][2] * planes[p][2]);
        for (int column = 0; column < 4; ++column)
            planes[p][column] /= norm;
    }
}

void extract_frustum() {
    float projection[16], modelview[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    frustum_from_matrices(projection, modelview, frustum_planes);
}

bool sphere_visible(float x, float y, float z, float radius) {
    for (const float* p : frustum_planes)
        if (p[0] * x + p[1] * y + p[2] * z + p[3] <= -radius) return false;
    return true;
}

bool quad_visible(const Surface& surface) {
    for (const float* p : frustum_planes) {
        bool all_out = true;
        for (int i = 0; i < 4 && all_out; ++i) {
            const float* v = &surface.own_vertices[3 * i];
            if (p[0] * v[0] + p[1] * v[1] + p[2] * v[2] + p[3] > 0.0f) all_out = false;
        }
        if (all_out) return false;
    }
    return true;
}
