// Generation of the codec test corpus with espeak-ng and sox.
#include "platform/encvag/testing/codec_corpus.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

struct Recipe {
    const char* kind;
    std::string input;   // a file, or "-n" with the channels sox should synthesise
    std::string effects; // sox effects after the output
};

std::string speech_text() {
    return "The heavy door creaks open. Somewhere below, water drips into a dark pool, "
           "and the orcs sharpen their blades.";
}

} // namespace

std::string make_temp_dir(const std::string& prefix) {
    std::string tmpl = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
    if (!mkdtemp(tmpl.data())) return {};
    return tmpl;
}

void remove_dir(const std::string& dir) {
    std::error_code ec;
    if (!dir.empty()) std::filesystem::remove_all(dir, ec);
}

bool run_command(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

std::vector<uint8_t> read_file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<int16_t> read_raw_samples(const std::string& path) {
    const std::vector<uint8_t> bytes = read_file_bytes(path);
    std::vector<int16_t> samples(bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    return samples;
}

bool write_file_bytes(const std::string& path, const void* data, size_t size) {
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

std::vector<CorpusSignal> make_codec_corpus(const std::string& dir, std::string& error) {
    std::filesystem::create_directories(dir);
    const std::string speech_wav = dir + "/speech.wav";
    if (!run_command("espeak-ng -w '" + speech_wav + "' '" + speech_text() + "' >/dev/null 2>&1")) {
        error = "espeak-ng failed";
        return {};
    }
    std::vector<CorpusSignal> corpus;
    for (int rate : {22050, 32000, 44100}) {
        const int top = rate / 2 - 1000;
        const std::string r_ = std::to_string(rate);
        const Recipe recipes[] = {
            {"speech", "'" + speech_wav + "'", "rate -v " + r_},
            {"sweep", "-n", "synth 4 sine 50-" + std::to_string(top) + " vol 0.7"},
            {"pink", "-n", "synth 3 pinknoise vol 0.5"},
            {"pluck", "-n -c 3", "synth 3 pluck 110 pluck 165 pluck 330 remix - vol 0.8"},
            {"chord", "-n -c 3", "synth 3 square 196 sawtooth 247 square 294 remix - vol 0.5"},
        };
        for (const auto& r : recipes) {
            const std::string out = dir + "/" + r.kind + "_" + r_ + ".raw";
            // -R: the same noise on every run, so the figures repeat.
            const std::string full = "sox -R " + r.input + " -r " + r_ +
                                     " -c 1 -b 16 -e signed -t raw '" + out + "' " + r.effects +
                                     " 2>/dev/null";
            if (!run_command(full)) {
                error = "sox failed: " + full;
                return {};
            }
            CorpusSignal s{r.kind, rate, read_raw_samples(out)};
            if (s.samples.empty()) {
                error = "empty signal from: " + full;
                return {};
            }
            corpus.push_back(std::move(s));
        }
    }
    return corpus;
}

double snr_db(const int16_t* reference, const int16_t* decoded, size_t n) {
    double signal = 0, noise = 0;
    for (size_t i = 0; i < n; ++i) {
        const double r = reference[i], e = r - decoded[i];
        signal += r * r;
        noise += e * e;
    }
    if (noise == 0) return 200.0;
    return 10.0 * std::log10(signal / noise);
}
