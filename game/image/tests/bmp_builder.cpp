#include "bmp_builder.h"

#include <cstddef>

namespace {

void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// Stored row order: bottom row first unless the picture is top-down.
int picture_row(const BmpLayout& s, int stored) {
    return s.top_down ? stored : s.height - 1 - stored;
}

std::vector<uint8_t> encode_rows(const BmpLayout& s) {
    std::vector<uint8_t> out;
    const size_t row_bytes = (size_t(s.width) * s.bits + 31) / 32 * 4;
    for (int r = 0; r < s.height; ++r) {
        std::vector<uint8_t> row(row_bytes, 0);
        const int y = picture_row(s, r);
        for (int x = 0; x < s.width; ++x) {
            const uint32_t v = s.values[size_t(y) * s.width + x];
            switch (s.bits) {
            case 1:
                row[x / 8] |= uint8_t((v & 1) << (7 - x % 8));
                break;
            case 4:
                row[x / 2] |= uint8_t((v & 15) << (x % 2 ? 0 : 4));
                break;
            case 8:
                row[x] = uint8_t(v);
                break;
            case 16:
                row[2 * x] = v & 0xFF, row[2 * x + 1] = (v >> 8) & 0xFF;
                break;
            case 24:
                row[3 * x] = v & 0xFF, row[3 * x + 1] = (v >> 8) & 0xFF,
                        row[3 * x + 2] = (v >> 16) & 0xFF;
                break;
            case 32:
                for (int i = 0; i < 4; ++i)
                    row[4 * x + i] = (v >> (8 * i)) & 0xFF;
                break;
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// Runs of equal indices, one line-end mark per row and the picture-end mark.
std::vector<uint8_t> encode_rle(const BmpLayout& s) {
    std::vector<uint8_t> out;
    const bool four = s.compression == 2;
    for (int r = 0; r < s.height; ++r) {
        const int y = picture_row(s, r);
        int x = 0;
        while (x < s.width) {
            const uint32_t v = s.values[size_t(y) * s.width + x];
            int n = 1;
            while (x + n < s.width && n < 255 && s.values[size_t(y) * s.width + x + n] == v)
                ++n;
            out.push_back(uint8_t(n));
            out.push_back(four ? uint8_t((v << 4) | v) : uint8_t(v));
            x += n;
        }
        out.push_back(0), out.push_back(0);
    }
    out.push_back(0), out.push_back(1);
    return out;
}

} // namespace

std::vector<uint8_t> build_bmp(const BmpLayout& s) {
    std::vector<uint8_t> dib;
    const bool bitfields = s.compression == 3;
    if (s.header_size == 12) {
        put32(dib, 12);
        put16(dib, uint32_t(s.width));
        put16(dib, uint32_t(s.height));
        put16(dib, 1);
        put16(dib, uint32_t(s.bits));
    } else {
        put32(dib, s.header_size);
        put32(dib, uint32_t(s.width));
        put32(dib, uint32_t(s.top_down ? -s.height : s.height));
        put16(dib, 1);
        put16(dib, uint32_t(s.bits));
        put32(dib, s.compression);
        put32(dib, 0); // image size: may be 0 for plain pictures
        put32(dib, 2835), put32(dib, 2835);
        put32(dib, uint32_t(s.palette.size()));
        put32(dib, 0);
        if (s.header_size > 40) {
            for (uint32_t m : s.masks)
                put32(dib, m);
            while (dib.size() < s.header_size)
                dib.push_back(0);
        } else if (bitfields) {
            for (uint32_t m : s.masks)
                put32(dib, m);
        }
    }
    for (uint32_t c : s.palette) {
        dib.push_back(c & 0xFF), dib.push_back((c >> 8) & 0xFF), dib.push_back((c >> 16) & 0xFF);
        if (s.header_size != 12) dib.push_back(0);
    }
    std::vector<uint8_t> pixels = s.pixel_data;
    if (pixels.empty())
        pixels = (s.compression == 1 || s.compression == 2) ? encode_rle(s) : encode_rows(s);

    std::vector<uint8_t> out;
    if (s.file_header) {
        out.push_back('B'), out.push_back('M');
        put32(out, uint32_t(14 + dib.size() + pixels.size()));
        put32(out, 0);
        put32(out, uint32_t(14 + dib.size()));
    }
    out.insert(out.end(), dib.begin(), dib.end());
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

std::vector<uint32_t> test_picture(int width, int height) {
    std::vector<uint32_t> v;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            v.push_back(uint32_t((x * 40 + 7) & 0xFF) << 16 | uint32_t((y * 60 + 11) & 0xFF) << 8 |
                        uint32_t((x * y * 13 + 200) & 0xFF));
    return v;
}
