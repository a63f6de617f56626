// Writes the game's three songs into the folder named on the command line.
#include "game/sound/generate/songs.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {
bool save(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_songs OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    bool ok = save(dir + "barbaria.mod", song_writer::make_barbaria()) &&
              save(dir + "dreamles.it", song_writer::make_dreamless()) &&
              save(dir + "Bard_Dance.mid", song_writer::make_bard_dance());
    if (!ok) std::fprintf(stderr, "gen_songs: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
