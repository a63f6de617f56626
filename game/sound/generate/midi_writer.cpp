// Standard MIDI file encoding.
#include "game/sound/generate/midi_writer.h"

#include <algorithm>
#include <cmath>

namespace song_writer {

namespace {
void put_var(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t bytes[5];
    int n = 0;
    bytes[n++] = uint8_t(v & 0x7F);
    while (v >>= 7)
        bytes[n++] = uint8_t(0x80 | (v & 0x7F));
    while (n)
        out.push_back(bytes[--n]);
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 3; i >= 0; --i)
        out.push_back(uint8_t(v >> (8 * i)));
}
uint8_t clamp7(int v) {
    return uint8_t(std::clamp(v, 0, 127));
}
} // namespace

void MidiTrack::name(const std::string& text) {
    std::vector<uint8_t> b{0xFF, 0x03};
    put_var(b, uint32_t(text.size()));
    b.insert(b.end(), text.begin(), text.end());
    events_.push_back({0, 0, b});
}

void MidiTrack::tempo(uint32_t tick, double bpm) {
    uint32_t us = uint32_t(std::lround(60000000.0 / bpm));
    events_.push_back(
        {tick, 0, {0xFF, 0x51, 0x03, uint8_t(us >> 16), uint8_t(us >> 8), uint8_t(us)}});
}

void MidiTrack::time_signature(uint32_t tick, int numerator, int denominator_power) {
    events_.push_back(
        {tick, 0, {0xFF, 0x58, 0x04, uint8_t(numerator), uint8_t(denominator_power), 24, 8}});
}

void MidiTrack::program(uint32_t tick, int channel, int program) {
    events_.push_back({tick, 2, {uint8_t(0xC0 | (channel & 15)), clamp7(program)}});
}

void MidiTrack::control(uint32_t tick, int channel, int controller, int value) {
    events_.push_back(
        {tick, 2, {uint8_t(0xB0 | (channel & 15)), clamp7(controller), clamp7(value)}});
}

void MidiTrack::note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
    events_.push_back(
        {tick,
         3,
         {uint8_t(0x90 | (channel & 15)), clamp7(key), uint8_t(std::clamp(velocity, 1, 127))}});
    events_.push_back({tick + length, 1, {uint8_t(0x80 | (channel & 15)), clamp7(key), 0x40}});
}

std::vector<uint8_t> MidiTrack::encode() const {
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<uint8_t> body;
    uint32_t now = 0;
    for (const Event& e : sorted) {
        put_var(body, e.tick - now);
        now = e.tick;
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    }
    put_var(body, std::max(end_tick_, now) - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    std::vector<uint8_t> out{'M', 'T', 'r', 'k'};
    put32(out, uint32_t(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<uint8_t> write_midi(int division, const std::vector<MidiTrack>& tracks) {
    std::vector<uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.push_back(uint8_t(tracks.size() >> 8));
    out.push_back(uint8_t(tracks.size()));
    out.push_back(uint8_t(division >> 8));
    out.push_back(uint8_t(division));
    for (const MidiTrack& t : tracks) {
        std::vector<uint8_t> b = t.encode();
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

} // namespace song_writer
