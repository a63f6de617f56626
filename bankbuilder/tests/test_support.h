// Helpers for the bank builder's tests: a temporary folder, sound files made with sox, whole
// files as bytes, and little-endian reads.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace wc_test {

// A fresh folder under the system's temporary directory, removed at the end of the test.
class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "wavecrate-test-XXXXXX").string();
        char* made = mkdtemp(pattern.data());
        if (!made) throw std::runtime_error("mkdtemp failed");
        path_ = made;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

inline void write_text(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline std::vector<uint8_t> read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
}

inline std::string read_text(const std::string& path) {
    auto b = read_bytes(path);
    return std::string(b.begin(), b.end());
}

inline uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b.at(at)) | uint32_t(b.at(at + 1)) << 8 | uint32_t(b.at(at + 2)) << 16 |
           uint32_t(b.at(at + 3)) << 24;
}
inline uint16_t le16(const std::vector<uint8_t>& b, size_t at) {
    return uint16_t(b.at(at) | b.at(at + 1) << 8);
}

inline int run(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A WAV file of the given frames of a sine (or noise) made by sox.
inline void make_wav(const std::string& path, int frames, int channels = 1, int bits = 16,
                     int rate = 22050, const std::string& synth = "sine 440") {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    // Rate and channels belong to the synthesised input, so sox makes exactly these frames.
    std::string cmd = "sox -r " + std::to_string(rate) + " -c " + std::to_string(channels) +
                      " -n -b " + std::to_string(bits) + " '" + path + "' synth " +
                      std::to_string(frames) + "s " + synth + " vol 0.8 2>/dev/null";
    if (run(cmd) != 0) throw std::runtime_error("sox failed: " + cmd);
}

// The decoded samples of a file as sox gives them: signed 16-bit little-endian frames.
inline std::vector<uint8_t> sox_raw16(const std::string& path, const std::string& scratch) {
    std::string cmd =
        "sox '" + path + "' -t raw -e signed-integer -b 16 -L '" + scratch + "' 2>/dev/null";
    if (run(cmd) != 0) throw std::runtime_error("sox failed: " + cmd);
    return read_bytes(scratch);
}

} // namespace wc_test
