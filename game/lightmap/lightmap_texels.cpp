#include "game/lightmap/lightmap_texels.h"

#include "game/lightmap/shadow.h"
#include "game/world/scene.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

constexpr double DEGREES_PER_RADIAN = 57.29577951308232;
// Texels are lit in square patches of this side; each patch gets its own short list of the
// surfaces that can shade it.
constexpr int PATCH = 16;

Vec3 texel_point(const LightmapFrame& f, Vec3 eu, Vec3 ev, int c, int r, int w, int h) {
    // The texel's corner nearest A, not its centre.
    return f.a + eu * (static_cast<float>(c) / static_cast<float>(w)) +
           ev * (static_cast<float>(r) / static_cast<float>(h));
}

} // namespace

CornerRoles corner_roles(const float* texcoords) {
    CornerRoles roles;
    for (int i = 0; i < 4; ++i) {
        const bool u = texcoords[2 * i] != 0.0f;
        const bool v = texcoords[2 * i + 1] != 0.0f;
        if (!u && !v)
            roles.origin = i;
        else if (u && !v)
            roles.u = i;
        else if (!u && v)
            roles.v = i;
        else
            roles.far = i;
    }
    return roles;
}

void set_lightmap_texcoords(Surface& surface) {
    const float* tc = surface.texcoords.empty() ? surface.own_texcoords : surface.texcoords[0];
    float* out =
        surface.lightmap_texcoords ? surface.lightmap_texcoords : surface.own_lightmap_texcoords;
    for (int i = 0; i < 8; ++i)
        out[i] = tc[i] == 0.0f ? 0.0f : 1.0f;
}

LightmapFrame lightmap_frame(const Surface& surface) {
    const float* tc = surface.texcoords.empty() ? surface.own_texcoords : surface.texcoords[0];
    const CornerRoles roles = corner_roles(tc);
    const bool complete = roles.origin >= 0 && roles.u >= 0 && roles.v >= 0;
    const int a = complete ? roles.origin : 0;
    const int b = complete ? roles.u : 1;
    const int c = complete ? roles.v : 3;
    return {surface.corners[a], surface.corners[b], surface.corners[c]};
}

int lightmap_extent(Vec3 from, Vec3 to, int texels_per_unit) {
    const float texels = distance(from, to) * static_cast<float>(texels_per_unit);
    // The comparison also turns a NaN into a single texel.
    if (!(texels >= 1.0f)) return 1;
    // No surface of a level comes near this; it keeps the grid's size within reason.
    return texels > 16384.0f ? 16384 : static_cast<int>(texels);
}

bool light_faces_surface(Vec3 normal, Vec3 origin, Vec3 light) {
    return angle_between(normal, light - origin) * DEGREES_PER_RADIAN < 90.0;
}

namespace {

// What every band of rows of one surface shares; read only while the bands are lit.
struct SurfaceJob {
    LightmapFrame frame;
    Vec3 eu, ev, normal;
    int w = 0, h = 0;
    std::vector<const LightRecord*> facing;
    std::vector<ShadowCaster> casters;
    const float* global_ambient = nullptr;
    TexelGrid* grid = nullptr;
};

// One worker's scratch: the candidate casters per patch column and light of its current band.
struct BandScratch {
    std::vector<std::vector<const ShadowCaster*>> candidates;
    std::vector<char> in_shadow;
    std::vector<const ShadowCaster*> last_blocker;
};

int band_count(int h) {
    return (h + PATCH - 1) / PATCH;
}

// Band b holds rows top(b) down to bottom(b), counted from the last row (rows are lit from the
// top, the order the progress lines follow).
int band_top(int h, int b) {
    return h - 1 - b * PATCH;
}
int band_bottom(int h, int b) {
    return std::max(0, band_top(h, b) - PATCH + 1);
}

void light_band(const SurfaceJob& job, int b, BandScratch& scratch) {
    const int w = job.w, h = job.h;
    const size_t lights = job.facing.size();
    const int patches_across = (w + PATCH - 1) / PATCH;
    scratch.candidates.resize(static_cast<size_t>(patches_across) * lights);
    scratch.in_shadow.assign(scratch.candidates.size(), 0);
    scratch.last_blocker.assign(lights, nullptr);
    const int top = band_top(h, b), bottom = band_bottom(h, b);
    for (int pc = 0; pc < patches_across; ++pc) {
        const int c0 = pc * PATCH, c1 = std::min(w - 1, c0 + PATCH - 1);
        const Vec3 patch[4] = {texel_point(job.frame, job.eu, job.ev, c0, bottom, w, h),
                               texel_point(job.frame, job.eu, job.ev, c1, bottom, w, h),
                               texel_point(job.frame, job.eu, job.ev, c0, top, w, h),
                               texel_point(job.frame, job.eu, job.ev, c1, top, w, h)};
        for (size_t l = 0; l < lights; ++l) {
            const size_t slot = static_cast<size_t>(pc) * lights + l;
            scratch.in_shadow[slot] = casters_for_patch(job.casters, job.facing[l]->position, patch,
                                                        scratch.candidates[slot]);
        }
    }
    for (int r = top; r >= bottom; --r) {
        float* row = &job.grid->rgb[static_cast<size_t>(r) * static_cast<size_t>(w) * 3];
        for (int c = 0; c < w; ++c) {
            const Vec3 p = texel_point(job.frame, job.eu, job.ev, c, r, w, h);
            float colour[3] = {0.0f, 0.0f, 0.0f};
            const size_t pc = static_cast<size_t>(c / PATCH);
            for (size_t l = 0; l < lights; ++l) {
                const size_t slot = pc * lights + l;
                if (scratch.in_shadow[slot]) continue; // adds nothing
                const LightRecord& light = *job.facing[l];
                const float d = distance(light.position, p);
                float intensity = 0.0f;
                if (light_reaches_point(scratch.candidates[slot], light.position, p,
                                        scratch.last_blocker[l]))
                    intensity = dot(normalize(light.position - p), job.normal) /
                                (light.constant + light.linear * d + light.quadratic * d * d);
                // The light's ambient part is attenuated and shadowed like its diffuse part.
                for (int k = 0; k < 3; ++k)
                    colour[k] += (light.ambient[k] + light.diffuse[k]) * intensity;
            }
            for (int k = 0; k < 3; ++k)
                row[c * 3 + k] = std::min(colour[k] + job.global_ambient[k], 1.0f);
        }
    }
}

// Progress lines for the rows of band b that are multiples of 10, from the top.
void report_band(const SurfaceJob& job, int b, const LightmapProgress& progress) {
    if (!progress) return;
    const int w = job.w, h = job.h;
    for (int r = band_top(h, b); r >= band_bottom(h, b); --r)
        if (r % 10 == 0)
            progress(static_cast<int>(static_cast<double>(h - r) * w / (w * h * 0.01)));
}

// Surfaces with fewer bands than this are lit on the calling thread alone.
constexpr int BANDS_PER_WORKER = 2;

} // namespace

TexelGrid compute_lightmap_texels(const Scene& scene, const Surface& surface,
                                  const LightRecord* lights, int count, const float* global_ambient,
                                  int texels_per_unit, const LightmapProgress& progress) {
    count = std::clamp(count, 0, LIGHTMAP_MAX_LIGHTS);
    SurfaceJob job;
    job.frame = lightmap_frame(surface);
    job.eu = job.frame.b - job.frame.a;
    job.ev = job.frame.c - job.frame.a;
    job.normal = surface.normal;
    TexelGrid grid;
    grid.width = job.w = lightmap_extent(job.frame.a, job.frame.b, texels_per_unit);
    grid.height = job.h = lightmap_extent(job.frame.a, job.frame.c, texels_per_unit);
    grid.rgb.assign(static_cast<size_t>(job.w) * static_cast<size_t>(job.h) * 3, 0.0f);
    job.grid = &grid;
    job.global_ambient = global_ambient;

    // A light behind the surface's plane (seen from A) adds nothing anywhere on it.
    for (int i = 0; i < count; ++i)
        if (light_faces_surface(surface.normal, job.frame.a, lights[i].position))
            job.facing.push_back(&lights[i]);
    job.casters = shadow_casters(scene, surface.id);

    const int bands = band_count(job.h);
    const int workers =
        std::min(static_cast<int>(std::min(std::thread::hardware_concurrency(), 8u)),
                 bands / BANDS_PER_WORKER);
    if (workers <= 1) {
        BandScratch scratch;
        for (int b = 0; b < bands; ++b) {
            report_band(job, b, progress);
            light_band(job, b, scratch);
        }
        return grid;
    }

    // Each band writes only its own rows. The workers take bands in order from the top; this
    // thread reports progress as the bands are finished, in the same order and with the same
    // lines as one thread lighting row after row would.
    std::atomic<int> next_band{0};
    std::vector<char> done(static_cast<size_t>(bands), 0);
    std::mutex mutex;
    std::condition_variable finished;
    std::vector<std::thread> pool;
    for (int t = 0; t < workers; ++t)
        pool.emplace_back([&] {
            BandScratch scratch;
            for (int b; (b = next_band.fetch_add(1)) < bands;) {
                light_band(job, b, scratch);
                {
                    std::lock_guard<std::mutex> lock(mutex);
                    done[static_cast<size_t>(b)] = 1;
                }
                finished.notify_one();
            }
        });
    for (int b = 0; b < bands; ++b) {
        report_band(job, b, progress);
        std::unique_lock<std::mutex> lock(mutex);
        finished.wait(lock, [&] { return done[static_cast<size_t>(b)] != 0; });
    }
    for (std::thread& t : pool)
        t.join();
    return grid;
}
