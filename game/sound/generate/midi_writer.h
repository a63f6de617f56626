// Standard MIDI file writer (format 1): tracks of timed events, written with running delta times.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace song_writer {

class MidiTrack {
  public:
    void name(const std::string& text);
    void tempo(uint32_t tick, double beats_per_minute);
    void time_signature(uint32_t tick, int numerator, int denominator_power);
    void program(uint32_t tick, int channel, int program);
    void control(uint32_t tick, int channel, int controller, int value);
    // A note from tick for length ticks; the note-off lands before any note-on at the same tick.
    void note(uint32_t tick, uint32_t length, int channel, int key, int velocity);
    // The track's end-of-track event; by default just after its last event.
    void end_at(uint32_t tick) { end_tick_ = tick; }
    std::vector<uint8_t> encode() const;

  private:
    struct Event {
        uint32_t tick;
        int order; // at equal ticks: meta 0, note-off 1, others 2
        std::vector<uint8_t> bytes;
    };
    std::vector<Event> events_;
    uint32_t end_tick_ = 0;
};

// The whole file: header with the division (ticks per quarter note) and the tracks.
std::vector<uint8_t> write_midi(int division, const std::vector<MidiTrack>& tracks);

} // namespace song_writer
