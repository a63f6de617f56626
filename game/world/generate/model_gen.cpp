// Writes the generated models as a C++ source file of constant arrays. Run by the build:
//   dh_model_gen <output.cpp>
// Every mesh must come out with exactly the vertex and index counts the game's model table
// gives; a mismatch stops the build with a message.
#include "game/world/generate/model_counts.h"
#include "game/world/generate/models.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool check(const ModelDef& model, const ModelCounts& expected) {
    bool ok = model.symbol == expected.symbol && model.meshes.size() == expected.counts.size();
    if (!ok) {
        std::fprintf(stderr, "model %s: %zu meshes, expected %zu\n", model.symbol.c_str(),
                     model.meshes.size(), expected.counts.size());
        return false;
    }
    for (size_t k = 0; k < model.meshes.size(); ++k) {
        const MeshDef& mesh = model.meshes[k];
        if (mesh.vertices.size() != expected.counts[k].first ||
            mesh.indices.size() != expected.counts[k].second) {
            std::fprintf(stderr, "model %s mesh %zu (%s): %zu/%zu, expected %u/%u\n",
                         model.symbol.c_str(), k, mesh.name.c_str(), mesh.vertices.size(),
                         mesh.indices.size(), expected.counts[k].first, expected.counts[k].second);
            ok = false;
        }
        for (uint32_t index : mesh.indices)
            if (index >= mesh.vertices.size()) {
                std::fprintf(stderr, "model %s mesh %zu: index out of range\n",
                             model.symbol.c_str(), k);
                return false;
            }
    }
    return ok;
}

// A float literal that reads back exactly: nine significant digits and always a decimal point.
std::string literal(float value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.9g", value);
    std::string s = text;
    if (s.find_first_of(".en") == std::string::npos) s += ".0";
    return s + "f";
}

void write_floats(FILE* out, const char* type_name, const std::string& name,
                  const std::vector<float>& values) {
    std::fprintf(out, "const %s %s[%zu] = {", type_name, name.c_str(), values.size());
    for (size_t i = 0; i < values.size(); ++i)
        std::fprintf(out, "%s%s,", i % 8 == 0 ? "\n    " : " ", literal(values[i]).c_str());
    std::fprintf(out, "};\n");
}

void write_colour(FILE* out, const float* c) {
    std::fprintf(out, "{%s, %s, %s, %s}", literal(c[0]).c_str(), literal(c[1]).c_str(),
                 literal(c[2]).c_str(), literal(c[3]).c_str());
}

void write_model(FILE* out, const ModelDef& model) {
    const std::string& s = model.symbol;
    for (size_t k = 0; k < model.meshes.size(); ++k) {
        const MeshDef& mesh = model.meshes[k];
        const std::string p = s + "_" + std::to_string(k);
        std::vector<float> v, n, t;
        for (const Vtx& x : mesh.vertices) {
            v.insert(v.end(), {x.p.x, x.p.y, x.p.z});
            n.insert(n.end(), {x.n.x, x.n.y, x.n.z});
            // Skin rectangles are measured from the top of the picture; the pictures are
            // stored bottom row first, where texture coordinate 0 lies.
            t.insert(t.end(), {x.u, 1.0f - x.v});
        }
        write_floats(out, "float", p + "_vertices", v);
        write_floats(out, "float", p + "_normals", n);
        write_floats(out, "float", p + "_texcoords", t);
        std::fprintf(out, "const uint32_t %s_indices[%zu] = {", p.c_str(), mesh.indices.size());
        for (size_t i = 0; i < mesh.indices.size(); ++i)
            std::fprintf(out, "%s%u,", i % 12 == 0 ? "\n    " : " ", mesh.indices[i]);
        std::fprintf(out, "};\n");
        // One material for the whole mesh: every triangle names material 0.
        std::fprintf(out, "const uint8_t %s_face_materials[%zu] = {};\n", p.c_str(),
                     mesh.indices.size() / 3);
        const MaterialDef& m = mesh.material;
        std::fprintf(out, "const Material %s_materials[1] = {{", p.c_str());
        write_colour(out, m.ambient);
        std::fprintf(out, ", ");
        write_colour(out, m.diffuse);
        std::fprintf(out, ", ");
        write_colour(out, m.specular);
        std::fprintf(out, ", ");
        write_colour(out, m.emission);
        std::fprintf(out, ", {10, 0, 0, 0, 0, 0}, {\"\", \"%s\", \"\", \"\", \"\", \"\"}}};\n",
                     m.map.c_str());
        std::fprintf(out,
                     "const Mesh %s_mesh = {\"%s\", %zu, %zu, %s_indices, %s_face_materials, "
                     "%s_vertices, %s_normals, %s_texcoords, %s_materials};\n\n",
                     p.c_str(), mesh.name.c_str(), mesh.vertices.size(), mesh.indices.size(),
                     p.c_str(), p.c_str(), p.c_str(), p.c_str(), p.c_str(), p.c_str());
    }
    std::fprintf(out, "const Mesh* const %s_meshes[%zu] = {", s.c_str(), model.meshes.size());
    for (size_t k = 0; k < model.meshes.size(); ++k)
        std::fprintf(out, "%s&%s_%zu_mesh", k ? ", " : "", s.c_str(), k);
    std::fprintf(out, "};\n\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dh_model_gen <output.cpp>\n");
        return 1;
    }
    const std::vector<ModelDef> models = {
        make_torch(),      make_vitrine(),      make_lever_holder(),  make_lever(),
        make_pizza(),      make_sphere_white(), make_sphere_purple(), make_short_sword(),
        make_long_sword(), make_teletubby(),    make_caveorc(),       make_princess(),
        make_fuerst(),     make_test_cube(),
    };
    bool ok = models.size() == MODEL_COUNTS.size();
    for (size_t i = 0; ok && i < models.size(); ++i)
        ok = check(models[i], MODEL_COUNTS[i]) && ok;
    if (!ok) return 1;

    const std::string path = argv[1];
    const std::string temp = path + ".tmp";
    FILE* out = std::fopen(temp.c_str(), "w");
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", temp.c_str());
        return 1;
    }
    std::fprintf(out, "// Generated by dh_model_gen from game/world/generate. Do not edit.\n");
    std::fprintf(out, "#include \"game/world/models.h\"\n\nnamespace {\n\n");
    for (const ModelDef& model : models)
        write_model(out, model);
    std::fprintf(out, "} // namespace\n\n");
    for (const ModelDef& model : models)
        std::fprintf(out, "const Model %s = {\"%s\", %zu, %s_meshes};\n", model.symbol.c_str(),
                     model.name.c_str(), model.meshes.size(), model.symbol.c_str());
    std::fprintf(out, "\nconst Model* const generated_models[] = {");
    for (size_t i = 0; i < models.size(); ++i)
        std::fprintf(out, "%s&%s", i ? ", " : "", models[i].symbol.c_str());
    std::fprintf(out, "};\nconst int generated_model_count = %zu;\n", models.size());
    const bool written = std::fclose(out) == 0;
    if (!written || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
