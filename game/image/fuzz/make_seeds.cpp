// Writes the fuzz targets' starting corpus: small valid pictures of every layout the readers
// know, so that fuzzing starts from inputs that reach deep into both decoders.
#include "game/image/tests/bmp_builder.h"
#include "game/image/tga.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

void save(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::vector<uint8_t> tga(uint8_t type, int w, int h, int depth, std::vector<uint8_t> body,
                         uint8_t id_length = 0) {
    std::vector<uint8_t> b = {id_length,
                              0,
                              type,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              uint8_t(w),
                              uint8_t(w >> 8),
                              uint8_t(h),
                              uint8_t(h >> 8),
                              uint8_t(depth),
                              0};
    b.insert(b.end(), id_length, 'i');
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

std::vector<uint8_t> bytes(size_t n, int step) {
    std::vector<uint8_t> v;
    for (size_t i = 0; i < n; ++i)
        v.push_back(uint8_t(i * step));
    return v;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TGA_DIR BMP_DIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path tga_dir = argv[1], bmp_dir = argv[2];
    std::filesystem::create_directories(tga_dir);
    std::filesystem::create_directories(bmp_dir);

    save(tga_dir / "raw24", tga(2, 4, 3, 24, bytes(36, 7)));
    save(tga_dir / "raw32", tga(2, 3, 2, 32, bytes(24, 11)));
    save(tga_dir / "raw16", tga(2, 4, 2, 16, bytes(16, 29)));
    save(tga_dir / "with_id", tga(2, 2, 2, 24, bytes(12, 3), 6));
    save(tga_dir / "rle24",
         tga(10, 8, 4, 24, {0x85, 1, 2, 3, 0x02, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0xFF, 9, 9, 9}));
    save(tga_dir / "rle32", tga(10, 4, 4, 32, {0x8F, 1, 2, 3, 4}));

    const int w = 5, h = 3;
    struct Variant {
        const char* name;
        int bits;
        uint32_t compression, header_size;
        bool file_header, top_down;
    };
    const Variant variants[] = {
        {"bits1", 1, 0, 40, true, false},     {"bits4", 4, 0, 40, true, false},
        {"bits8", 8, 0, 40, true, false},     {"bits16", 16, 0, 40, true, false},
        {"fields16", 16, 3, 40, true, false}, {"bits24", 24, 0, 40, true, false},
        {"bits32", 32, 0, 40, true, false},   {"fields32v5", 32, 3, 124, true, false},
        {"rle8", 8, 1, 40, true, false},      {"rle4", 4, 2, 40, true, false},
        {"topdown24", 24, 0, 40, true, true}, {"packed8", 8, 0, 40, false, false},
        {"core8", 8, 0, 12, true, false},     {"core24", 24, 0, 12, false, false},
    };
    const std::vector<uint32_t> picture = test_picture(w, h);
    for (const Variant& v : variants) {
        BmpLayout s;
        s.width = w, s.height = h, s.bits = v.bits, s.compression = v.compression;
        s.header_size = v.header_size, s.file_header = v.file_header, s.top_down = v.top_down;
        if (v.bits <= 8) {
            const uint32_t n = v.bits == 8 ? 12 : 1u << v.bits;
            for (uint32_t i = 0; i < n; ++i)
                s.palette.push_back(picture[i % picture.size()]);
            for (int i = 0; i < w * h; ++i)
                s.values.push_back(uint32_t(i / 2) % n);
        } else {
            s.values = picture;
            if (v.compression == 3)
                s.masks[0] = v.bits == 16 ? 0xF800 : 0xFF,
                s.masks[1] = v.bits == 16 ? 0x07E0 : 0xFF00,
                s.masks[2] = v.bits == 16 ? 0x1F : 0xFF0000;
        }
        save(bmp_dir / v.name, build_bmp(s));
    }
    // An RLE8 stream with every escape: absolute run, delta, line end, picture end.
    BmpLayout s;
    s.width = 6, s.height = 3, s.bits = 8, s.compression = 1;
    s.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    s.pixel_data = {0, 3, 1, 2, 3, 0, 2, 1, 0, 0, 0, 2, 1, 1, 1, 2, 0, 1};
    save(bmp_dir / "rle8_escapes", build_bmp(s));
    return 0;
}
