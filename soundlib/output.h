// Where the mix goes: the audio device, nowhere (keeping real time), or a WAV file.
#pragma once

#include "soundlib/mixer.h"

#include <memory>
#include <string>

namespace zelvo {

class Output {
  public:
    virtual ~Output() = default;
    // Stops pulling from the mixer; after this the mixer may be destroyed. Idempotent.
    virtual void stop() = 0;
    virtual const char* name() const = 0;
};

// Opens the output that target names: "device", "null" or "wav:PATH"; an empty target means the
// device, falling back to null with one line on standard error. Null when the output cannot be
// opened (after a line on standard error saying why).
std::unique_ptr<Output> open_output(const std::string& target, Mixer& mixer);

// Writes a 16-bit stereo PCM WAV header for data_bytes of sample data.
void write_wav_header(unsigned char header[44], int rate, uint32_t data_bytes);

} // namespace zelvo
