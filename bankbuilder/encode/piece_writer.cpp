// Interleaved placement of coded data in the working file.
#include "bankbuilder/encode/piece_writer.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
// Pieces handled per read-modify-write pass.
constexpr size_t CHUNK_PIECES = 8192;
} // namespace

bool write_pieces(std::FILE* file, long start, const uint8_t* data, size_t pieces,
                  size_t piece_size, int stride, int slot) {
    if (stride <= 1) {
        std::fseek(file, start, SEEK_SET);
        return std::fwrite(data, 1, pieces * piece_size, file) == pieces * piece_size;
    }
    // Read the stretch the pieces fall into (earlier files' channels, zeros past the end),
    // put this channel's pieces in place and write the stretch back: one read and one write
    // per chunk instead of a seek per piece.
    std::vector<uint8_t> stretch;
    const size_t row = piece_size * static_cast<size_t>(stride);
    for (size_t u0 = 0; u0 < pieces; u0 += CHUNK_PIECES) {
        const size_t n = std::min(CHUNK_PIECES, pieces - u0);
        // The stretch ends with this channel's last piece, so nothing past it is touched.
        const size_t len = (n - 1) * row + (static_cast<size_t>(slot) + 1) * piece_size;
        const long at = start + static_cast<long>(u0 * row);
        stretch.assign(len, 0);
        std::fseek(file, at, SEEK_SET);
        const size_t got = std::fread(stretch.data(), 1, len, file);
        (void)got;
        std::clearerr(file);
        for (size_t u = 0; u < n; ++u)
            std::memcpy(stretch.data() + u * row + static_cast<size_t>(slot) * piece_size,
                        data + (u0 + u) * piece_size, piece_size);
        std::fseek(file, at, SEEK_SET);
        if (std::fwrite(stretch.data(), 1, len, file) != len) return false;
    }
    return true;
}
