// Replays fuzz inputs without libFuzzer: every file named on the command line, and every file
// inside a named folder, goes once through LLVMFuzzerTestOneInput. Lets the ordinary (and the
// sanitizer) build run the saved corpus as a test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static void run_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

int main(int argc, char** argv) {
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        std::filesystem::path p(argv[i]);
        if (std::filesystem::is_directory(p)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(p))
                if (e.is_regular_file()) run_file(e.path()), ++count;
        } else {
            run_file(p), ++count;
        }
    }
    std::printf("replayed %d inputs\n", count);
    return 0;
}
