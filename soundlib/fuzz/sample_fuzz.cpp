// Fuzz target: arbitrary bytes as a sound file, through the library's own loading entry (a temp
// file, whole and as a byte range), then every query on the result must stay consistent.
#include "soundlib/zelvo.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

static std::string temp_path() {
    static std::string path = [] {
        char name[] = "/tmp/zelvo_fuzz_XXXXXX";
        int fd = mkstemp(name);
        if (fd >= 0) close(fd);
        return std::string(name);
    }();
    return path;
}

static void check(ZVOICE_SAMPLE s) {
    if (!s) return;
    unsigned mode = ZVOICE_Sample_GetMode(s);
    unsigned frames = ZVOICE_Sample_GetLength(s);
    unsigned width = mode & ZVOICE_8BITS ? 1 : 2;
    unsigned channels = mode & ZVOICE_STEREO ? 2 : 1;
    int start = -1, end = -1, freq = 0;
    ZVOICE_Sample_GetLoopPoints(s, &start, &end);
    ZVOICE_Sample_GetDefaults(s, &freq, nullptr, nullptr, nullptr);
    if (frames == 0 || start < 0 || end <= start || unsigned(end) > frames || freq <= 0)
        std::abort();
    void* p = nullptr;
    unsigned len = 0;
    if (!ZVOICE_Sample_Lock(s, 0, 0, &p, nullptr, &len, nullptr) ||
        len != frames * width * channels)
        std::abort();
    // Touch the first and last byte so ASan sees any overrun of the claimed length.
    volatile uint8_t sink = static_cast<uint8_t*>(p)[0] ^ static_cast<uint8_t*>(p)[len - 1];
    (void)sink;
    ZVOICE_Sample_Unlock(s, p, nullptr, len, 0);
    ZVOICE_Sample_Free(s);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = temp_path();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    check(ZVOICE_Sample_Load(ZVOICE_FREE, path.c_str(), 0, 0, 0));
    if (size > 8) check(ZVOICE_Sample_Load(ZVOICE_FREE, path.c_str(), 0, 3, int(size - 5)));
    return 0;
}
