// Module encoding: little-endian header, parapointers to instruments, samples and patterns,
// and the packed pattern rows (every cell with its own mask byte).
#include "game/sound/generate/it_writer.h"

#include <algorithm>

namespace song_writer {

namespace {
void put8(std::vector<uint8_t>& o, int v) {
    o.push_back(uint8_t(v));
}
void put16(std::vector<uint8_t>& o, uint32_t v) {
    o.push_back(uint8_t(v));
    o.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& o, uint32_t v) {
    put16(o, v & 0xFFFF);
    put16(o, v >> 16);
}
void set32(std::vector<uint8_t>& o, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        o[at + size_t(i)] = uint8_t(v >> (8 * i));
}
void put_text(std::vector<uint8_t>& o, const std::string& t, size_t width) {
    for (size_t i = 0; i < width; ++i)
        o.push_back(i + 1 < width && i < t.size() ? uint8_t(t[i]) : 0);
}

void put_envelope(std::vector<uint8_t>& o, const ItInstrument& ins) {
    const size_t start = o.size();
    const auto& env = ins.envelope;
    int flags = env.empty() ? 0 : 1;
    if (ins.sustain_point >= 0) flags |= 4;
    put8(o, flags);
    put8(o, int(std::min<size_t>(env.size(), 25)));
    put8(o, 0), put8(o, 0);
    int sus = std::max(0, ins.sustain_point);
    put8(o, sus), put8(o, sus);
    for (size_t i = 0; i < 25; ++i) {
        ItEnvelopePoint p = i < env.size() ? env[i] : ItEnvelopePoint{0, 0};
        put8(o, std::clamp(p.value, 0, 64));
        put16(o, uint32_t(p.tick));
    }
    put8(o, 0);
    (void)start;
}

void put_empty_envelope(std::vector<uint8_t>& o) {
    o.insert(o.end(), 6, 0);
    for (int i = 0; i < 25; ++i)
        put8(o, 0), put16(o, 0);
    put8(o, 0);
}
} // namespace

std::vector<uint8_t> write_it(const ItSong& song) {
    std::vector<uint8_t> o;
    const uint32_t n_ord = uint32_t(song.order.size() + 1); // with the 255 end marker
    const uint32_t n_ins = uint32_t(song.instruments.size());
    const uint32_t n_smp = uint32_t(song.samples.size());
    const uint32_t n_pat = uint32_t(song.patterns.size());

    o.insert(o.end(), {'I', 'M', 'P', 'M'});
    put_text(o, song.title, 26);
    put16(o, 0x1004); // row highlights: 4 and 16
    put16(o, n_ord), put16(o, n_ins), put16(o, n_smp), put16(o, n_pat);
    put16(o, 0x0214), put16(o, 0x0214);
    put16(o, 1 | 4 | 8); // stereo, instruments, linear slides
    put16(o, 0);
    put8(o, song.global_volume), put8(o, song.mix_volume);
    put8(o, song.speed), put8(o, song.tempo);
    put8(o, 128), put8(o, 0); // separation, pitch wheel depth
    put16(o, 0), put32(o, 0), put32(o, 0);
    for (int c = 0; c < 64; ++c) {
        if (c < song.channels)
            put8(o, c < int(song.channel_pan.size()) ? song.channel_pan[size_t(c)] : 32);
        else
            put8(o, 32 | 128); // disabled
    }
    for (int c = 0; c < 64; ++c)
        put8(o, 64);
    for (int p : song.order)
        put8(o, p);
    put8(o, 255);

    const size_t pointers = o.size();
    o.resize(o.size() + 4 * (n_ins + n_smp + n_pat), 0);

    for (uint32_t i = 0; i < n_ins; ++i) {
        const ItInstrument& ins = song.instruments[i];
        set32(o, pointers + 4 * i, uint32_t(o.size()));
        const size_t start = o.size();
        o.insert(o.end(), {'I', 'M', 'P', 'I'});
        put_text(o, "", 12);
        put8(o, 0);
        put8(o, ins.new_note_action), put8(o, 0), put8(o, 0); // NNA, duplicate check off
        put16(o, uint32_t(ins.fadeout));
        put8(o, 0), put8(o, 60);                       // pitch-pan separation, centre
        put8(o, ins.global_volume), put8(o, 32 | 128); // volume; no default pan
        put8(o, 0), put8(o, 0);                        // random volume, pan
        put16(o, 0x0214), put8(o, 1), put8(o, 0);      // tracker version, sample count
        put_text(o, ins.name, 26);
        put8(o, 0), put8(o, 0);                   // filter cutoff, resonance
        put8(o, 0), put8(o, 0), put16(o, 0xFFFF); // MIDI channel, program, bank
        for (int n = 0; n < 120; ++n)
            put8(o, n), put8(o, ins.sample);
        put_envelope(o, ins);
        put_empty_envelope(o); // pan
        put_empty_envelope(o); // pitch
        o.resize(start + 554, 0);
    }

    std::vector<size_t> data_pointer_at;
    for (uint32_t i = 0; i < n_smp; ++i) {
        const ItSample& s = song.samples[i];
        set32(o, pointers + 4 * (n_ins + i), uint32_t(o.size()));
        o.insert(o.end(), {'I', 'M', 'P', 'S'});
        put_text(o, "", 12);
        put8(o, 0);
        put8(o, 64); // global volume
        int flags = 1 | 2 | (s.loop ? 16 : 0);
        put8(o, flags);
        put8(o, std::clamp(s.volume, 0, 64));
        put_text(o, s.name, 26);
        put8(o, 1), put8(o, 0); // signed samples; no default pan
        put32(o, uint32_t(s.data.size()));
        put32(o, s.loop ? s.loop_start : 0);
        put32(o, s.loop ? s.loop_end : 0);
        put32(o, s.c5_speed);
        put32(o, 0), put32(o, 0);
        data_pointer_at.push_back(o.size());
        put32(o, 0);
        put8(o, 0), put8(o, 0), put8(o, 0), put8(o, 0); // no auto-vibrato
    }

    for (uint32_t i = 0; i < n_pat; ++i) {
        const ItPattern& p = song.patterns[i];
        set32(o, pointers + 4 * (n_ins + n_smp + i), uint32_t(o.size()));
        std::vector<uint8_t> packed;
        for (int r = 0; r < p.rows; ++r) {
            if (r < int(p.cells.size())) {
                const auto& row = p.cells[size_t(r)];
                for (size_t c = 0; c < row.size() && c < 64; ++c) {
                    const ItCell& cell = row[c];
                    int mask = (cell.note >= 0 ? 1 : 0) | (cell.instrument > 0 ? 2 : 0) |
                               (cell.volume >= 0 ? 4 : 0) | (cell.command > 0 ? 8 : 0);
                    if (!mask) continue;
                    put8(packed, int(c + 1) | 0x80);
                    put8(packed, mask);
                    if (mask & 1) put8(packed, cell.note);
                    if (mask & 2) put8(packed, cell.instrument);
                    if (mask & 4) put8(packed, std::clamp(cell.volume, 0, 64));
                    if (mask & 8) put8(packed, cell.command), put8(packed, cell.param);
                }
            }
            put8(packed, 0);
        }
        put16(o, uint32_t(packed.size()));
        put16(o, uint32_t(p.rows));
        put32(o, 0);
        o.insert(o.end(), packed.begin(), packed.end());
    }

    for (uint32_t i = 0; i < n_smp; ++i) {
        set32(o, data_pointer_at[i], uint32_t(o.size()));
        for (int16_t v : song.samples[i].data)
            put16(o, uint16_t(v));
    }
    return o;
}

} // namespace song_writer
