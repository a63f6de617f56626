#include "game/image/file_bytes.h"

#include <cstdio>

namespace {
// No picture of ours comes near this; it keeps a mistaken path (a device, a huge file) from
// exhausting memory.
constexpr long MAX_FILE_BYTES = 256L << 20;
} // namespace

std::optional<std::vector<uint8_t>> read_file_bytes(const std::string& path, bool* opened) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (opened) *opened = f != nullptr;
    if (!f) return std::nullopt;
    std::vector<uint8_t> bytes;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        long size = std::ftell(f);
        if (size > MAX_FILE_BYTES) {
            std::fclose(f);
            return std::nullopt;
        }
        if (size > 0) bytes.reserve(static_cast<size_t>(size));
        std::rewind(f);
    }
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
        if (bytes.size() + got > static_cast<size_t>(MAX_FILE_BYTES)) {
            std::fclose(f);
            return std::nullopt;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return std::nullopt;
    return bytes;
}
