// Test signals for the codec tests and benchmark, made at run time with Debian's espeak-ng and
// sox into a temporary folder: speech, a sine sweep, pink noise, plucked strings and a
// square/sawtooth chord, each at 22050, 32000 and 44100 Hz, as mono signed 16-bit samples.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct CorpusSignal {
    std::string kind; // "speech", "sweep", "pink", "pluck", "chord"
    int rate = 0;
    std::vector<int16_t> samples;
};

// Makes every signal in `dir` (created if missing). On failure returns an empty list and says
// which command failed in `error`.
std::vector<CorpusSignal> make_codec_corpus(const std::string& dir, std::string& error);

// A fresh temporary folder (removed by the caller).
std::string make_temp_dir(const std::string& prefix);
void remove_dir(const std::string& dir);

// Runs a shell command; true when it exited with 0.
bool run_command(const std::string& command);

std::vector<uint8_t> read_file_bytes(const std::string& path);
// The signed 16-bit little-endian samples of a raw file (a trailing odd byte is dropped).
std::vector<int16_t> read_raw_samples(const std::string& path);
bool write_file_bytes(const std::string& path, const void* data, size_t size);

// Signal-to-noise ratio of `decoded` against `reference` over n samples, in dB.
double snr_db(const int16_t* reference, const int16_t* decoded, size_t n);
