// Module encoding: big-endian words, sample lengths in words, notes as Amiga periods.
#include "game/sound/generate/mod_writer.h"

#include <algorithm>
#include <cstring>

namespace song_writer {

namespace {
constexpr int PERIODS[36] = {856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
                             428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
                             214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};

void put_text(std::vector<uint8_t>& out, const std::string& text, size_t width) {
    for (size_t i = 0; i < width; ++i)
        out.push_back(i < text.size() ? uint8_t(text[i]) : 0);
}
void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}
} // namespace

int mod_period(int note) {
    return note >= 0 && note < 36 ? PERIODS[note] : 0;
}

std::vector<uint8_t> write_mod(const ModSong& song) {
    std::vector<uint8_t> out;
    put_text(out, song.title, 20);
    for (size_t i = 0; i < 31; ++i) {
        ModSample s = i < song.samples.size() ? song.samples[i] : ModSample{};
        uint32_t words = uint32_t((s.data.size() + 1) / 2);
        put_text(out, s.name, 22);
        put16(out, words);
        out.push_back(uint8_t(s.finetune & 0x0F));
        out.push_back(uint8_t(std::clamp(s.volume, 0, 64)));
        if (s.loop_length >= 2) {
            put16(out, s.loop_start / 2);
            put16(out, s.loop_length / 2);
        } else {
            put16(out, 0);
            put16(out, 1); // the format's "no loop"
        }
    }
    out.push_back(uint8_t(song.order.size()));
    out.push_back(127);
    for (size_t i = 0; i < 128; ++i)
        out.push_back(i < song.order.size() ? uint8_t(song.order[i]) : 0);
    out.insert(out.end(), {'M', '.', 'K', '.'});
    for (const ModPattern& p : song.patterns)
        for (const auto& row : p.rows)
            for (const ModCell& c : row) {
                int period = mod_period(c.note);
                out.push_back(uint8_t((c.sample & 0xF0) | (period >> 8)));
                out.push_back(uint8_t(period & 0xFF));
                out.push_back(uint8_t(((c.sample & 0x0F) << 4) | (c.effect & 0x0F)));
                out.push_back(uint8_t(c.param));
            }
    for (size_t i = 0; i < std::min<size_t>(31, song.samples.size()); ++i) {
        const auto& d = song.samples[i].data;
        for (int8_t v : d)
            out.push_back(uint8_t(v));
        if (d.size() % 2) out.push_back(0);
    }
    return out;
}

} // namespace song_writer
