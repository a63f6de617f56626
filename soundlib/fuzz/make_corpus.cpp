// Writes the fuzz targets' seed inputs: small sound files of every format and layout the loader
// knows, and each of them cut short. Run by the build; nothing binary is kept in the sources.
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string dir = std::string(argv[1]) + "/";
    const struct {
        const char* name;
        int format, channels;
    } kinds[] = {
        {"m16.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1},
        {"u8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 2},
        {"s8.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_S8, 1},
        {"q.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 4},
        {"f.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 2},
        {"v.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 1},
        {"l3.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 2},
    };
    for (const auto& k : kinds) {
        const std::string path = dir + k.name;
        SF_INFO info{};
        info.samplerate = 22050;
        info.channels = k.channels;
        info.format = k.format;
        SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
        if (!f) continue;
        SF_INSTRUMENT inst{};
        inst.loop_count = 1;
        inst.loops[0].start = 10;
        inst.loops[0].end = 200;
        sf_command(f, SFC_SET_INSTRUMENT, &inst, sizeof inst);
        std::vector<float> v(size_t(600 * k.channels));
        for (size_t i = 0; i < v.size(); ++i)
            v[i] = float(0.5 * std::sin(0.07 * double(i)));
        sf_writef_float(f, v.data(), 600);
        sf_close(f);
        std::ifstream in(path, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        std::ofstream(dir + "cut_" + k.name, std::ios::binary)
            .write(bytes.data(), std::streamsize(bytes.size() / 3));
    }
    return 0;
}
