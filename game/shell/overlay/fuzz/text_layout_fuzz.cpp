// Glyph lists and texts of any content: the glyph reader and the layout must stay within
// their arrays whatever the values, codes and characters.
#include "game/shell/overlay/font.h"
#include "game/shell/overlay/glyph_table.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // First byte: '#' lays the rest out with the built-in table; otherwise it gives how many
    // 16-bit values (modulo 32) form the glyph list, and what follows them is the text.
    if (size < 1) return 0;
    const std::size_t values =
        data[0] == '#' ? 0 : std::min<std::size_t>(data[0] % 32, (size - 1) / 2);
    std::vector<int16_t> list(values);
    if (values) std::memcpy(list.data(), data + 1, values * 2);
    const std::string_view text(reinterpret_cast<const char*>(data + 1 + values * 2),
                                size - 1 - values * 2);

    Font font;
    if (data[0] == '#')
        font.load_glyph_table(GLYPH_TABLE, GLYPH_TABLE_SIZE);
    else
        font.load_glyph_table(list.data(), list.size());
    font.texture_width = 512;
    font.texture_height = 512;
    float sum = 0;
    font.layout_text(text, 0.1f, 0.3f, [&](const GlyphQuad& q) {
        sum += q.left + q.right + q.top + q.baseline + q.s_left + q.t_top;
    });
    // Finite inputs give finite quads: the glyph values are small integers.
    if (!std::isfinite(sum)) std::abort();
    return 0;
}
