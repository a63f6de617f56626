// Places one channel's coded data into the working file in pieces of a fixed size, every
// `stride` pieces, as interleaving needs; what other channels wrote stays, and holes read as
// zero bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Piece u of `data` goes to byte start + (u * stride + slot) * piece_size. Returns false when
// a write failed (the stream's error flag stays set for the pipeline to see).
bool write_pieces(std::FILE* file, long start, const uint8_t* data, size_t pieces,
                  size_t piece_size, int stride, int slot);
