#include "bankbuilder/bank_writer.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

#include "bankbuilder/paths.h"
#include "bankbuilder/settings.h"

namespace {
bool put(BankFiles& files, std::FILE* f, const std::string& path, const void* data, size_t n) {
    if (n == 0) return true;
    if (std::fwrite(data, 1, n, f) == n) return true;
    if (files.failed_path.empty()) files.failed_path = path;
    return false;
}

bool put_text(BankFiles& files, std::FILE* f, const std::string& path, const std::string& s) {
    return put(files, f, path, s.data(), s.size());
}

// Closes f and records a failure to flush it (the last buffered writes can fail only here).
void close_checked(BankFiles& files, std::FILE*& f, const std::string& path) {
    if (!f) return;
    bool ok = std::ferror(f) == 0;
    ok = std::fclose(f) == 0 && ok;
    f = nullptr;
    if (!ok && files.failed_path.empty()) files.failed_path = path;
}

// Moves up to left bytes from the start of the working file to the end of the bank inside the
// kernel (no copy through this process; a reflink where the file system offers one). Both
// streams have been flushed. Returns the bytes still to copy: the working file may end early,
// or the kernel may refuse, and the caller goes on with ordinary reads and writes.
int64_t copy_in_kernel(BankFiles& files, int64_t left) {
    int in = fileno(files.working), out = fileno(files.bank);
    off_t in_at = 0;
    off_t out_at = ::lseek(out, 0, SEEK_END);
    if (out_at < 0) return left;
    while (left > 0) {
        ssize_t n = ::copy_file_range(in, &in_at, out, &out_at, size_t(left), 0);
        if (n < 0 && errno != EINTR) {
            // A write that failed (disk full) is final; anything else falls back.
            if ((errno == ENOSPC || errno == EFBIG || errno == EIO) && files.failed_path.empty())
                files.failed_path = files.bank_path;
            break;
        }
        if (n == 0) break;
        if (n > 0) left -= n;
    }
    std::fseek(files.bank, 0, SEEK_END);
    return left;
}

std::string hex4(unsigned v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04x", v);
    return buf;
}
} // namespace

std::string write_error_message(const std::string& path) {
    return "Cannot write \"" + path + "\".  The disk may be full or the file in use";
}

bool begin_bank(const std::string& base_path, bool with_debug, BankFiles& files,
                std::string& message) {
    files = BankFiles{};
    files.base_path = base_path;
    files.working_path = replace_extension(base_path, ".000");
    files.bank_path = replace_extension(base_path, ".wvc");
    files.header_path = replace_extension(base_path, ".h");
    files.debug_path = replace_extension(base_path, ".txt");

    // The working file is read back at the end, so it is opened for update.
    files.working = std::fopen(files.working_path.c_str(), "w+b");
    if (!files.working) {
        message = "Cannot create working file.  File may be in use or read only";
        return false;
    }
    if (with_debug) {
        files.debug = std::fopen(files.debug_path.c_str(), "w");
        if (!files.debug) {
            message = "Cannot create debug file.  File may be in use or read only";
            close_bank_files(files);
            return false;
        }
        put_text(files, files.debug, files.debug_path, "WVC File: " + base_path + "\n\n");
        std::fflush(files.debug);
    }
    // The bank is opened for update too: sample headers are rewritten in place.
    files.bank = std::fopen(files.bank_path.c_str(), "w+b");
    if (!files.bank) {
        message = "Cannot create destination file.  File may be in use or read only";
        close_bank_files(files);
        return false;
    }
    files.header = std::fopen(files.header_path.c_str(), "w");
    if (!files.header) {
        message = "Cannot create destination c header file.  File may be in use or read only";
        close_bank_files(files);
        return false;
    }
    std::string guard = header_guard_name(base_path);
    put_text(files, files.header, files.header_path,
             "#ifndef _" + guard + "_H\n#define _" + guard + "_H\n\n");
    std::fseek(files.bank, WVC_FILE_HEADER_SIZE, SEEK_SET);
    return true;
}

bool write_sample_header(BankFiles& files, const WvcSampleHeader& header, bool small) {
    if (small) {
        WvcSmallSampleHeader s{header.length_samples, header.length_bytes};
        auto bytes = serialize(s);
        return put(files, files.bank, files.bank_path, bytes.data(), bytes.size());
    }
    auto bytes = serialize(header);
    return put(files, files.bank, files.bank_path, bytes.data(), bytes.size());
}

bool append_dsp_records(BankFiles& files, const DspAdpcmInfo* records, int channels) {
    std::fseek(files.bank, 0, SEEK_END);
    return write_dsp_records(files, records, channels);
}

bool write_dsp_records(BankFiles& files, const DspAdpcmInfo* records, int channels) {
    bool ok = true;
    for (int c = 0; c < channels; ++c) {
        auto bytes = serialize(records[c]);
        ok = put(files, files.bank, files.bank_path, bytes.data(), bytes.size()) && ok;
    }
    return ok;
}

bool write_define(BankFiles& files, const char* name_field, int index) {
    return put_text(files, files.header, files.header_path, define_line(name_field, index));
}

std::string debug_block_text(const std::string& source_path, const DspAdpcmInfo& info) {
    std::string block = "coef:\n";
    for (int i = 0; i < 16; i += 2)
        block += "\t\t " + hex4(info.coef[i]) + ", " + hex4(info.coef[i + 1]) + "\n";
    block += "gain:\t\t " + hex4(info.gain) + "\n";
    block += "pred_scale:\t " + hex4(info.pred_scale) + "\n";
    block += "yn1:\t\t " + hex4(info.yn1) + "\n";
    block += "yn2:\t\t " + hex4(info.yn2) + "\n";
    block += "loop_pred_scale: " + hex4(info.loop_pred_scale) + "\n";
    block += "loop_yn1:\t " + hex4(info.loop_yn1) + "\n";
    block += "loop_yn2:\t " + hex4(info.loop_yn2) + "\n";
    return "File: " + source_path + "\n" + block + "\n\n";
}

bool finish_bank(BankFiles& files, const WvcFileHeader& header, bool pad_to_32,
                 std::string& message) {
    // Step order matters for what a crash leaves behind: the header text is complete before
    // the bank's own header is written.
    put_text(files, files.header, files.header_path, "\n\n#endif\n");
    close_checked(files, files.header, files.header_path);

    auto head = serialize(header);
    std::fseek(files.bank, 0, SEEK_SET);
    put(files, files.bank, files.bank_path, head.data(), head.size());
    std::fseek(files.bank, 0, SEEK_END);

    // Copy the sample data. An interleaved bank's last frame may end before data_size when
    // its final channel positions belong to a shorter file: those bytes are zeros.
    if (std::fflush(files.working) != 0 && files.failed_path.empty())
        files.failed_path = files.working_path;
    if (std::fflush(files.bank) != 0 && files.failed_path.empty())
        files.failed_path = files.bank_path;
    int64_t left = header.data_size > 0 ? header.data_size : 0;
    if (files.failed_path.empty()) left = copy_in_kernel(files, left);
    std::fseek(files.working, long(header.data_size - left), SEEK_SET);
    std::vector<char> buffer(size_t(std::min<int64_t>(left, 1 << 20)));
    bool source_ended = false;
    while (left > 0 && files.failed_path.empty()) {
        size_t want = size_t(std::min<int64_t>(left, int64_t(buffer.size())));
        size_t got = source_ended ? 0 : std::fread(buffer.data(), 1, want, files.working);
        if (got < want) {
            if (std::ferror(files.working)) {
                files.failed_path = files.working_path;
                break;
            }
            source_ended = true;
            std::memset(buffer.data() + got, 0, want - got);
        }
        put(files, files.bank, files.bank_path, buffer.data(), want);
        left -= int64_t(want);
    }
    if (pad_to_32 && files.failed_path.empty()) {
        long length = std::ftell(files.bank);
        if (length >= 0 && length % 32 != 0) {
            static const char zeros[32] = {};
            put(files, files.bank, files.bank_path, zeros, size_t(32 - length % 32));
        }
    }
    std::fclose(files.working);
    files.working = nullptr;
    std::remove(files.working_path.c_str());
    close_checked(files, files.bank, files.bank_path);
    close_checked(files, files.debug, files.debug_path);

    if (!files.failed_path.empty()) {
        message = write_error_message(files.failed_path);
        std::remove(files.bank_path.c_str());
        std::remove(files.header_path.c_str());
        return false;
    }
    return true;
}

void close_bank_files(BankFiles& files) {
    for (std::FILE** f : {&files.working, &files.bank, &files.header, &files.debug}) {
        if (*f) std::fclose(*f);
        *f = nullptr;
    }
}

uint32_t bank_mode_word(uint32_t mode, int32_t platform, int32_t format, bool interleaved) {
    if (interleaved) {
        mode &= ~(WVC_MODE_MONO | WVC_MODE_STEREO);
        mode |= WVC_MODE_INTERLEAVED;
    }
    const uint32_t width_bits = 0x8 | 0x10 | 0x80 | 0x100;
    uint32_t codec = 0;
    bool finish = true;
    if (platform == PLATFORM_PS2 && format == FORMAT_VAG)
        codec = 0x800000;
    else if (platform == PLATFORM_GAMECUBE && format == FORMAT_GCADPCM)
        codec = 0x2000000;
    else if (platform == PLATFORM_XBOX && format == FORMAT_XADPCM)
        codec = 0x400000;
    else if (platform == PLATFORM_CROSS && format == FORMAT_IMA_ADPCM)
        codec = 0x400000, finish = false;
    else
        return mode;
    mode = (mode & ~width_bits) | codec;
    if (finish) mode |= (mode & (WVC_MODE_STEREO | WVC_MODE_INTERLEAVED)) ? 0x80000 : 0x1000;
    return mode;
}
