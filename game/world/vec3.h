// Three-float vectors in world units (y up) and the small vector operations that drawing and
// collision share.
#pragma once

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    float& operator[](int axis) { return axis == 0 ? x : (axis == 1 ? y : z); }
    float operator[](int axis) const { return axis == 0 ? x : (axis == 1 ? y : z); }
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}

inline Vec3 vec_sub(Vec3 a, Vec3 b) {
    return a - b;
}
inline float dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float length(Vec3 v);
float distance(Vec3 a, Vec3 b);
// v scaled by 1 / length(v); a zero vector is not guarded.
Vec3 normalize(Vec3 v);
// The angle between a and b in radians; a NaN (a zero-length argument) becomes 0.
float angle_between(Vec3 a, Vec3 b);
// sin and cos of an angle in degrees, squared, keeping the sign of the unsquared value: the
// facing of a yaw as the game measures it (a diagonal splits the step evenly between the axes).
double signed_sin_sq(double deg);
double signed_cos_sq(double deg);
