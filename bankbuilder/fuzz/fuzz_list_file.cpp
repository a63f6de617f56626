// Any bytes as a list file: every path it yields must be a sound-file line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "bankbuilder/list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Lines ending in "dir" stand for directories, so the base-directory switch is exercised
    // without touching the file system.
    auto is_directory = [](const std::string& line) {
        return line.size() >= 3 && line.compare(line.size() - 3, 3, "dir") == 0;
    };
    auto paths = parse_list_text(reinterpret_cast<const char*>(data), size, "base/", is_directory);
    for (const std::string& p : paths)
        if (!list_line_is_sound(p) || p.empty()) std::abort();
    return 0;
}
