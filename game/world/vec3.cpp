#include "game/world/vec3.h"

#include <cmath>

namespace {
constexpr double DEGREES_PER_RADIAN = 57.29577951308232;
}

float length(Vec3 v) {
    return std::sqrt(dot(v, v));
}

float distance(Vec3 a, Vec3 b) {
    return length(a - b);
}

Vec3 normalize(Vec3 v) {
    return v * (1.0f / length(v));
}

float angle_between(Vec3 a, Vec3 b) {
    const float angle = std::acos(dot(a, b) / (length(a) * length(b)));
    return std::isnan(angle) ? 0.0f : angle;
}

double signed_sin_sq(double deg) {
    const double s = std::sin(deg / DEGREES_PER_RADIAN);
    const double sq = std::pow(s, 2);
    return s < 0 ? -sq : sq;
}

double signed_cos_sq(double deg) {
    const double c = std::cos(deg / DEGREES_PER_RADIAN);
    const double sq = std::pow(c, 2);
    return c < 0 ? -sq : sq;
}
