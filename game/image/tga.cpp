#include "game/image/tga.h"

#include "game/image/file_bytes.h"

#include <cstdio>
#include <filesystem>
#include <utility>

namespace {

constexpr size_t TGA_HEADER_SIZE = 18;
constexpr uint8_t TGA_TYPE_RLE_TRUECOLOUR = 10;

uint16_t le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

// Raw true-colour rows: B, G, R[, A] in the file become R, G, B[, A]; 16-bit pixels become
// 3 channels of 5 bits each, scaled by 8.
bool decode_raw(const uint8_t* data, size_t size, size_t pos, int depth, Image& image) {
    const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    const size_t file_bpp = static_cast<size_t>(depth / 8);
    if (pos > size || (size - pos) / file_bpp < count) return false; // file ends early
    image.pixels.resize(count * static_cast<size_t>(image.channels));
    const uint8_t* src = data + pos;
    uint8_t* dst = image.pixels.data();
    if (depth == 16) {
        for (size_t i = 0; i < count; ++i, src += 2, dst += 3) {
            const unsigned p = le16(src);
            dst[0] = static_cast<uint8_t>(((p >> 10) & 31) * 8);
            dst[1] = static_cast<uint8_t>(((p >> 5) & 31) * 8);
            dst[2] = static_cast<uint8_t>((p & 31) * 8);
        }
        return true;
    }
    const size_t ch = file_bpp;
    for (size_t i = 0; i < count; ++i, src += ch, dst += ch) {
        dst[0] = src[2];
        dst[1] = src[1];
        dst[2] = src[0];
        if (ch == 4) dst[3] = src[3];
    }
    return true;
}

// Run-length packets until every pixel is there. A packet that would run past the last pixel,
// or data that ends before the last pixel, makes the file unusable.
bool decode_rle(const uint8_t* data, size_t size, size_t pos, Image& image) {
    const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    const size_t ch = static_cast<size_t>(image.channels);
    // Each packet yields at most 128 pixels from at least 1 + ch bytes: a file too short to hold
    // the pixels is refused before the buffer is allocated.
    if (pos > size || (size - pos) / (1 + ch) * 128 < count) return false;
    image.pixels.resize(count * ch);
    uint8_t* dst = image.pixels.data();
    size_t done = 0;
    while (done < count) {
        if (pos >= size) return false;
        const uint8_t h = data[pos++];
        if (h < 128) {
            const size_t n = size_t{h} + 1;
            if (n > count - done || (size - pos) / ch < n) return false;
            for (size_t i = 0; i < n; ++i, pos += ch, dst += ch) {
                dst[0] = data[pos + 2];
                dst[1] = data[pos + 1];
                dst[2] = data[pos];
                if (ch == 4) dst[3] = data[pos + 3];
            }
            done += n;
        } else {
            const size_t n = size_t{h} - 127;
            if (n > count - done || size - pos < ch) return false;
            const uint8_t px[4] = {data[pos + 2], data[pos + 1], data[pos],
                                   ch == 4 ? data[pos + 3] : uint8_t{0}};
            pos += ch;
            for (size_t i = 0; i < n; ++i, dst += ch)
                for (size_t c = 0; c < ch; ++c)
                    dst[c] = px[c];
            done += n;
        }
    }
    return true;
}

} // namespace

std::unique_ptr<Image> decode_tga(const uint8_t* data, size_t size) {
    if (!data || size < TGA_HEADER_SIZE) return nullptr;
    const size_t id_length = data[0];
    const uint8_t colour_map_type = data[1];
    const uint8_t image_type = data[2];
    const int32_t width = le16(data + 12);
    const int32_t height = le16(data + 14);
    const int depth = data[16];
    // Colour-mapped pictures are not ours to read: their palette would be taken for pixels.
    if (colour_map_type != 0) return nullptr;
    if (width == 0 || height == 0 || width > IMAGE_MAX_SIDE || height > IMAGE_MAX_SIDE ||
        int64_t{width} * height > IMAGE_MAX_PIXELS)
        return nullptr;

    auto image = std::make_unique<Image>();
    image->width = width;
    image->height = height;
    const size_t pos = TGA_HEADER_SIZE + id_length;
    bool ok = false;
    if (image_type == TGA_TYPE_RLE_TRUECOLOUR) {
        if (depth != 24 && depth != 32) return nullptr;
        image->channels = depth / 8;
        ok = decode_rle(data, size, pos, *image);
    } else {
        if (depth != 16 && depth != 24 && depth != 32) return nullptr;
        image->channels = depth == 16 ? 3 : depth / 8;
        ok = decode_raw(data, size, pos, depth, *image);
    }
    if (!ok) return nullptr;
    return image;
}

std::unique_ptr<Image> read_tga(const std::string& path) {
    bool opened = false;
    auto bytes = read_file_bytes(path, &opened);
    if (!opened) {
        std::fputs("Unable to load TGA File!\n", stderr);
        std::fflush(stderr);
        return nullptr;
    }
    if (!bytes) return nullptr;
    return decode_tga(bytes->data(), bytes->size());
}

bool write_tga(const std::string& path, const TgaPicture& picture) {
    if (picture.width < 0 || picture.height < 0) return false;
    const size_t bytes = size_t(picture.width) * size_t(picture.height) * 3;
    if (bytes > 0 && !picture.pixels) return false;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const uint8_t header[TGA_HEADER_SIZE] = {0,
                                             0,
                                             2,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             static_cast<uint8_t>(picture.width & 0xFF),
                                             static_cast<uint8_t>(picture.width >> 8),
                                             static_cast<uint8_t>(picture.height & 0xFF),
                                             static_cast<uint8_t>(picture.height >> 8),
                                             24,
                                             0};
    for (size_t i = 0; i < bytes; i += 3)
        std::swap(picture.pixels[i], picture.pixels[i + 2]);
    bool ok = std::fwrite(header, 1, sizeof header, f) == sizeof header;
    if (ok && bytes > 0) ok = std::fwrite(picture.pixels, 1, bytes, f) == bytes;
    // A full disk shows up at the latest when the buffered data is flushed by fclose.
    if (std::fclose(f) != 0) ok = false;
    // A half-written file would only be mistaken for a picture later. Only plain files are
    // removed: the path may name a device.
    std::error_code ec;
    if (!ok && std::filesystem::is_regular_file(path, ec)) std::filesystem::remove(path, ec);
    return ok;
}
