// The compiled mesh data: the counts of the model table, the room cube as given, and checks on
// the authored models that catch misplaced or inside-out geometry.
#include "game/world/body_pivots.h"
#include "game/world/generate/model_counts.h"
#include "game/world/models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

void expect_counts(const Model& model, const std::vector<std::pair<unsigned, unsigned>>& counts) {
    SCOPED_TRACE(model.name);
    ASSERT_EQ(model.mesh_count, counts.size());
    for (uint32_t k = 0; k < model.mesh_count; ++k) {
        EXPECT_EQ(model.meshes[k]->vertex_count, counts[k].first) << "mesh " << k;
        EXPECT_EQ(model.meshes[k]->index_count, counts[k].second) << "mesh " << k;
    }
}

TEST(Models, MatchTheModelTable) {
    expect_counts(raumwuerfel, {{4, 6}, {4, 6}, {4, 6}, {4, 6}, {4, 6}, {4, 6}});
    ASSERT_EQ(size_t(generated_model_count), MODEL_COUNTS.size());
    for (int m = 0; m < generated_model_count; ++m)
        expect_counts(*generated_models[m], MODEL_COUNTS[m].counts);
    EXPECT_EQ(std::string(object01_purple.name), "object01");
}

TEST(Models, GlowingSpheresCarryTheirMaterials) {
    const Material& white = object01.meshes[0]->materials[object01.meshes[0]->face_materials[0]];
    const Material& purple =
        object01_purple.meshes[0]->materials[object01_purple.meshes[0]->face_materials[0]];
    for (int c = 0; c < 4; ++c)
        EXPECT_FLOAT_EQ(white.emission[c], 1.0f);
    const float ad[4] = {0.878f, 0.178f, 0.878f, 1};
    const float em[4] = {0.8f, 0.1f, 0.8f, 1};
    for (int c = 0; c < 4; ++c) {
        EXPECT_FLOAT_EQ(purple.ambient[c], ad[c]);
        EXPECT_FLOAT_EQ(purple.diffuse[c], ad[c]);
        EXPECT_FLOAT_EQ(purple.emission[c], em[c]);
    }
}

TEST(Raumwuerfel, FacesAreTheGivenQuads) {
    // Face 5 (x = +1): vertices, normal and texture coordinates as laid down for the level.
    const Mesh& f5 = *raumwuerfel.meshes[5];
    const float v[12] = {1, 1, 1, 1, -1, 1, 1, -1, -1, 1, 1, -1};
    const float t[8] = {0, 1, 0, 0, 1, 0, 1, 1};
    for (int i = 0; i < 12; ++i)
        EXPECT_FLOAT_EQ(f5.vertices[i], v[i]);
    for (int i = 0; i < 8; ++i)
        EXPECT_FLOAT_EQ(f5.texcoords[i], t[i]);
    const uint32_t idx[6] = {0, 2, 1, 0, 3, 2};
    const float normals[6][3] = {{0, -1, 0}, {0, 1, 0},  {0, 0, 1},
                                 {1, 0, 0},  {0, 0, -1}, {-1, 0, 0}};
    for (int face = 0; face < 6; ++face) {
        const Mesh& m = *raumwuerfel.meshes[face];
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(m.indices[i], idx[i]);
        for (int a = 0; a < 3; ++a)
            EXPECT_FLOAT_EQ(m.normals[a], normals[face][a]);
        const Material& mat = m.materials[m.face_materials[0]];
        EXPECT_FLOAT_EQ(mat.diffuse[0], 0.878f);
        EXPECT_FLOAT_EQ(mat.specular[0], 1.0f);
        EXPECT_FLOAT_EQ(mat.emission[3], 1.0f);
    }
}

// Every triangle of every model faces the way its normals point (so back-face culling never
// hides an outside), every normal has unit length and every index is in range.
TEST(Models, TrianglesFaceAlongTheirNormals) {
    std::vector<const Model*> all = {&raumwuerfel};
    all.insert(all.end(), generated_models, generated_models + generated_model_count);
    for (const Model* model : all) {
        for (uint32_t k = 0; k < model->mesh_count; ++k) {
            const Mesh& m = *model->meshes[k];
            SCOPED_TRACE(std::string(model->name) + " mesh " + std::to_string(k));
            int wrong = 0, degenerate = 0;
            for (uint32_t t = 0; t + 2 < m.index_count; t += 3) {
                const uint32_t a = m.indices[t], b = m.indices[t + 1], c = m.indices[t + 2];
                ASSERT_LT(std::max({a, b, c}), m.vertex_count);
                const float* p[3] = {m.vertices + 3 * a, m.vertices + 3 * b, m.vertices + 3 * c};
                const float e1[3] = {p[1][0] - p[0][0], p[1][1] - p[0][1], p[1][2] - p[0][2]};
                const float e2[3] = {p[2][0] - p[0][0], p[2][1] - p[0][1], p[2][2] - p[0][2]};
                const float g[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                                    e1[0] * e2[1] - e1[1] * e2[0]};
                if (g[0] * g[0] + g[1] * g[1] + g[2] * g[2] < 1e-14f) {
                    ++degenerate;
                    continue;
                }
                float s = 0;
                for (uint32_t v : {a, b, c})
                    for (int i = 0; i < 3; ++i)
                        s += g[i] * m.normals[3 * v + i];
                if (s <= 0) ++wrong;
            }
            EXPECT_EQ(wrong, 0);
            EXPECT_EQ(degenerate, 0);
            for (uint32_t v = 0; v < m.vertex_count; ++v) {
                const float* n = m.normals + 3 * v;
                EXPECT_NEAR(n[0] * n[0] + n[1] * n[1] + n[2] * n[2], 1.0f, 1e-4f);
            }
        }
    }
}

// Figure skins are clamped textures: every coordinate stays inside the picture.
TEST(Models, FigureTextureCoordinatesStayInsideTheSkin) {
    for (const Model* model : {&teletub1, &caveorc, &princess, &fuerst_der_finsternis,
                               &short_sword_uv, &long_sword, &torch_an_wand_uv, &pizza_uv}) {
        for (uint32_t k = 0; k < model->mesh_count; ++k) {
            const Mesh& m = *model->meshes[k];
            for (uint32_t i = 0; i < 2 * m.vertex_count; ++i) {
                EXPECT_GE(m.texcoords[i], 0.0f) << model->name << " mesh " << k;
                EXPECT_LE(m.texcoords[i], 1.0f) << model->name << " mesh " << k;
            }
        }
    }
}

// The limbs are built around their joints: each arm and leg part reaches its own pivot, and a
// lower limb hangs below its joint.
TEST(Figures, LimbsReachTheirJoints) {
    struct Row {
        const Model* model;
        const PivotXY* pivots;
        float height; // rough standing height
    };
    for (const Row& row :
         {Row{&teletub1, TELETUBBY_PIVOTS, 1.8f}, Row{&caveorc, CAVEORC_PIVOTS, 3.6f},
          Row{&princess, PRINCESS_PIVOTS, 1.8f},
          Row{&fuerst_der_finsternis, FUERST_PIVOTS, 2.8f}}) {
        float top = 0;
        for (uint32_t k = 0; k < 11; ++k) {
            const Mesh& m = *row.model->meshes[k];
            float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
            for (uint32_t v = 0; v < m.vertex_count; ++v)
                for (int a = 0; a < 3; ++a) {
                    lo[a] = std::min(lo[a], m.vertices[3 * v + a]);
                    hi[a] = std::max(hi[a], m.vertices[3 * v + a]);
                }
            top = std::max(top, hi[1]);
            if (k >= 3) {
                const PivotXY p = row.pivots[k];
                SCOPED_TRACE(std::string(row.model->name) + " part " + std::to_string(k));
                EXPECT_LE(lo[0], p.x);
                EXPECT_GE(hi[0], p.x);
                EXPECT_LE(lo[1], p.y);
                EXPECT_GE(hi[1], p.y);
                EXPECT_LT(lo[1], p.y - 0.05f); // hangs below its joint
            }
            if (k == 8 || k == 10) {
                EXPECT_NEAR(lo[1], 0.0f, 1e-4f); // feet on the floor
            }
        }
        EXPECT_NEAR(top, row.height, 0.35f) << row.model->name;
    }
}

} // namespace
