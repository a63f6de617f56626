// The source copy: the source file's bytes, unchanged.
#include <sys/stat.h>
#include <vector>

#include "bankbuilder/encoder.h"

bool copy_source(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working, uint32_t& bytes,
                 uint32_t& frames, std::vector<std::string>& warnings) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        warnings.push_back(path + " - ERROR!  Couldn't access file");
        return false;
    }
    if (st.st_size > INT32_MAX) {
        warnings.push_back(path + " - ERROR!  Memory allocation failure (" +
                           std::to_string(st.st_size) + " bytes)");
        return false;
    }
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) {
        warnings.push_back(path + " - ERROR!  Couldn't open file");
        return false;
    }
    // Copied in pieces rather than read whole: a large source needs no buffer of its size.
    std::vector<char> buffer(1 << 20);
    std::fseek(working, 0, SEEK_END);
    int64_t left = st.st_size;
    while (left > 0) {
        size_t want = size_t(std::min<int64_t>(left, int64_t(buffer.size())));
        size_t got = std::fread(buffer.data(), 1, want, in);
        if (got != want) {
            std::fclose(in);
            warnings.push_back(path + " - ERROR!  Trouble reading file");
            return false;
        }
        if (std::fwrite(buffer.data(), 1, got, working) != got) {
            std::fclose(in);
            warnings.push_back(path + " - ERROR!  Trouble writing to output file");
            return false;
        }
        left -= int64_t(got);
    }
    std::fclose(in);
    bytes = uint32_t(st.st_size);
    frames = ZVOICE_Sample_GetLength(sample);
    return true;
}
