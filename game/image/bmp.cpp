#include "game/image/bmp.h"

#include "game/image/file_bytes.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr size_t FILE_HEADER_SIZE = 14;
constexpr uint32_t CORE_HEADER_SIZE = 12;
constexpr uint32_t INFO_HEADER_SIZE = 40;
constexpr uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3, BI_ALPHABITFIELDS = 6;

uint16_t le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t le32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};

// One colour component selected by a bit-field mask, stretched to the full 0-255 range.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;
    explicit Channel(uint32_t m) : mask(m) {
        if (m) {
            shift = std::countr_zero(m);
            max = m >> shift;
        }
    }
    uint8_t operator()(uint32_t pixel) const {
        if (!max) return 0;
        const uint64_t v = (pixel & mask) >> shift;
        return static_cast<uint8_t>((v * 255 + max / 2) / max);
    }
};

struct Header {
    int32_t width = 0;
    int64_t height = 0; // rows, always positive
    bool top_down = false;
    int bits = 0;
    uint32_t compression = BI_RGB;
    uint32_t colours_used = 0;
    uint32_t masks[3] = {0, 0, 0};
    size_t palette_entry_size = 4;
};

// The palette's colours. Indices past its end read as black rather than outside the data.
struct Palette {
    Rgb colours[256];
    size_t count = 0;
    Rgb operator[](size_t i) const { return i < count ? colours[i] : Rgb{}; }
};

class Decoder {
  public:
    Decoder(const Header& h, const uint8_t* data, size_t size, size_t pixel_pos,
            const Palette& palette)
        : h_(h), data_(data), size_(size), pos_(pixel_pos), palette_(palette) {}

    bool decode(RgbImage& out) {
        out.width = h_.width;
        out.height = static_cast<int32_t>(h_.height);
        out.pixels.assign(static_cast<size_t>(h_.width) * static_cast<size_t>(h_.height) * 3, 0);
        out_ = &out;
        bool ok;
        if (h_.compression == BI_RLE8 || h_.compression == BI_RLE4)
            ok = decode_rle(h_.compression == BI_RLE4);
        else
            ok = decode_rows();
        if (ok && h_.top_down) flip(out);
        return ok;
    }

  private:
    void put(size_t row, size_t x, Rgb c) {
        uint8_t* p = &out_->pixels[(row * static_cast<size_t>(h_.width) + x) * 3];
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
    }

    bool decode_rows() {
        const size_t width = static_cast<size_t>(h_.width);
        const size_t rows = static_cast<size_t>(h_.height);
        const size_t bits = static_cast<size_t>(h_.bits);
        const size_t row_bytes = (width * bits + 31) / 32 * 4;
        const size_t used_bytes = (width * bits + 7) / 8;
        // The last row's padding may be missing in files that are otherwise whole.
        if (pos_ > size_ || size_ - pos_ < row_bytes * (rows - 1) + used_bytes) return false;
        const Channel red(h_.masks[0]), green(h_.masks[1]), blue(h_.masks[2]);
        for (size_t y = 0; y < rows; ++y) {
            const uint8_t* row = data_ + pos_ + y * row_bytes;
            for (size_t x = 0; x < width; ++x) {
                switch (h_.bits) {
                case 1:
                    put(y, x, palette_[(row[x >> 3] >> (7 - (x & 7))) & 1]);
                    break;
                case 4:
                    put(y, x, palette_[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15]);
                    break;
                case 8:
                    put(y, x, palette_[row[x]]);
                    break;
                case 24:
                    put(y, x, Rgb{row[3 * x + 2], row[3 * x + 1], row[3 * x]});
                    break;
                case 16: {
                    const uint32_t p = le16(row + 2 * x);
                    put(y, x, Rgb{red(p), green(p), blue(p)});
                    break;
                }
                case 32: {
                    const uint32_t p = le32(row + 4 * x);
                    put(y, x, Rgb{red(p), green(p), blue(p)});
                    break;
                }
                }
            }
        }
        return true;
    }

    // Run-length pixels. Runs that pass the row's end are cut there; pixels that the stream
    // skips (deltas, early line or picture ends) stay black. Data that ends before the
    // end-of-picture mark and before the last row is a damaged file.
    bool decode_rle(bool four_bit) {
        const size_t width = static_cast<size_t>(h_.width);
        const size_t rows = static_cast<size_t>(h_.height);
        size_t x = 0, y = 0;
        size_t pos = pos_;
        auto nibble_or_byte = [four_bit](uint8_t b, size_t i) -> size_t {
            if (!four_bit) return b;
            return (i & 1) ? (b & 15) : (b >> 4);
        };
        while (y < rows) {
            if (pos > size_ || size_ - pos < 2) return false;
            const uint8_t a = data_[pos], b = data_[pos + 1];
            pos += 2;
            if (a > 0) {
                for (size_t i = 0; i < a && x < width; ++i, ++x)
                    put(y, x, palette_[nibble_or_byte(b, i)]);
            } else if (b == 0) {
                x = 0;
                ++y;
            } else if (b == 1) {
                return true;
            } else if (b == 2) {
                if (size_ - pos < 2) return false;
                x += data_[pos];
                y += data_[pos + 1];
                pos += 2;
            } else {
                const size_t count = b;
                const size_t bytes = four_bit ? (count + 1) / 2 : count;
                const size_t padded = (bytes + 1) & ~size_t{1};
                if (size_ - pos < bytes) return false;
                for (size_t i = 0; i < count && x < width; ++i, ++x) {
                    const uint8_t v = data_[pos + (four_bit ? i / 2 : i)];
                    put(y, x, palette_[four_bit ? ((i & 1) ? (v & 15) : (v >> 4)) : v]);
                }
                pos += std::min(padded, size_ - pos);
            }
        }
        return true;
    }

    static void flip(RgbImage& img) {
        const size_t row = static_cast<size_t>(img.width) * 3;
        for (size_t top = 0, bottom = static_cast<size_t>(img.height) - 1; top < bottom;
             ++top, --bottom)
            std::swap_ranges(img.pixels.begin() + top * row, img.pixels.begin() + (top + 1) * row,
                             img.pixels.begin() + bottom * row);
    }

    const Header& h_;
    const uint8_t* data_;
    size_t size_;
    size_t pos_;
    const Palette& palette_;
    RgbImage* out_ = nullptr;
};

bool depth_fits_compression(const Header& h) {
    switch (h.compression) {
    case BI_RGB:
        return h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 16 || h.bits == 24 ||
               h.bits == 32;
    case BI_RLE8:
        return h.bits == 8;
    case BI_RLE4:
        return h.bits == 4;
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
        return h.bits == 16 || h.bits == 32;
    default:
        return false; // embedded JPEG or PNG, or unknown
    }
}

} // namespace

std::unique_ptr<RgbImage> decode_bmp(const uint8_t* data, size_t size) {
    if (!data) return nullptr;
    size_t dib = 0;
    size_t pixel_offset = 0; // from the file header; 0 when there is none
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        if (size < FILE_HEADER_SIZE) return nullptr;
        pixel_offset = le32(data + 10);
        dib = FILE_HEADER_SIZE;
    }
    if (size - dib < 4) return nullptr;
    const uint32_t header_size = le32(data + dib);
    if (header_size != CORE_HEADER_SIZE && header_size < INFO_HEADER_SIZE) return nullptr;
    if (header_size > size - dib) return nullptr;
    const uint8_t* hp = data + dib;

    Header h;
    if (header_size == CORE_HEADER_SIZE) {
        h.width = le16(hp + 4);
        h.height = le16(hp + 6);
        h.bits = le16(hp + 10);
        h.palette_entry_size = 3;
    } else {
        h.width = static_cast<int32_t>(le32(hp + 4));
        const int32_t height = static_cast<int32_t>(le32(hp + 8));
        h.top_down = height < 0;
        h.height = h.top_down ? -int64_t{height} : int64_t{height};
        h.bits = le16(hp + 14);
        h.compression = le32(hp + 16);
        h.colours_used = le32(hp + 32);
    }
    if (h.width <= 0 || h.height <= 0 || h.width > IMAGE_MAX_SIDE || h.height > IMAGE_MAX_SIDE ||
        int64_t{h.width} * h.height > IMAGE_MAX_PIXELS)
        return nullptr;
    if (!depth_fits_compression(h)) return nullptr;

    // Where the masks and the palette sit: masks inside a long header, or right after a
    // 40-byte one when the compression says bit fields.
    size_t after_header = dib + header_size;
    if (h.compression == BI_BITFIELDS || h.compression == BI_ALPHABITFIELDS) {
        const uint8_t* mp = hp + INFO_HEADER_SIZE;
        if (header_size == INFO_HEADER_SIZE) {
            const size_t mask_bytes = h.compression == BI_ALPHABITFIELDS ? 16 : 12;
            if (size - after_header < mask_bytes) return nullptr;
            after_header += mask_bytes;
        } else if (header_size < INFO_HEADER_SIZE + 12) {
            return nullptr;
        }
        for (int i = 0; i < 3; ++i)
            h.masks[i] = le32(mp + 4 * i);
    } else if (h.bits == 16) {
        h.masks[0] = 0x7C00, h.masks[1] = 0x03E0, h.masks[2] = 0x001F;
    } else if (h.bits == 32) {
        h.masks[0] = 0x00FF0000, h.masks[1] = 0x0000FF00, h.masks[2] = 0x000000FF;
    }

    Palette palette;
    size_t palette_bytes = 0;
    if (h.bits <= 8) {
        const size_t full = size_t{1} << h.bits;
        size_t wanted = h.colours_used && h.colours_used < full ? h.colours_used : full;
        palette_bytes = wanted * h.palette_entry_size;
        size_t available = size - after_header;
        if (pixel_offset > after_header)
            available = std::min(available, pixel_offset - after_header);
        const size_t count = std::min(wanted, available / h.palette_entry_size);
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* e = data + after_header + i * h.palette_entry_size;
            palette.colours[i] = Rgb{e[2], e[1], e[0]};
        }
        palette.count = count;
    } else if (h.colours_used && header_size != CORE_HEADER_SIZE) {
        // True-colour files may still carry an (unused) palette before their pixels.
        palette_bytes = size_t{std::min<uint32_t>(h.colours_used, 1u << 16)} * 4;
    }
    size_t pixel_pos = pixel_offset ? pixel_offset : after_header + palette_bytes;
    if (pixel_pos > size) return nullptr;

    auto image = std::make_unique<RgbImage>();
    Decoder decoder(h, data, size, pixel_pos, palette);
    if (!decoder.decode(*image)) return nullptr;
    return image;
}

std::unique_ptr<RgbImage> read_bmp(const std::string& path) {
    auto bytes = read_file_bytes(path);
    if (!bytes) return nullptr;
    return decode_bmp(bytes->data(), bytes->size());
}
