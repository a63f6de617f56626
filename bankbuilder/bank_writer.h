// Writes one WVC bank: the working file that collects sample data, the bank with its headers,
// the C header with one #define per sample, and for GameCube DSP ADPCM the debug text.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "bankbuilder/wvc_format.h"

struct BankFiles {
    std::string base_path;
    std::string working_path, bank_path, header_path, debug_path;
    std::FILE* working = nullptr;
    std::FILE* bank = nullptr;
    std::FILE* header = nullptr;
    std::FILE* debug = nullptr;
    // The first file a write failed on (empty while every write succeeded).
    std::string failed_path;
};

// Opens the four files of the bank at base_path (the debug file only when with_debug) and
// writes the header guard; the bank is left at offset 24. On failure returns false with the
// message for the file that could not be created; the files already open are closed and left
// on disk.
bool begin_bank(const std::string& base_path, bool with_debug, BankFiles& files,
                std::string& message);

// Writes 64 bytes (or 8 for a small header) at the bank's current position.
bool write_sample_header(BankFiles& files, const WvcSampleHeader& header, bool small);
// Appends 46 bytes per channel at the end of the bank.
bool append_dsp_records(BankFiles& files, const DspAdpcmInfo* records, int channels);
bool write_define(BankFiles& files, const char* name_field, int index);
// Writes 46 bytes per channel at the bank's current position (an interleaved bank rewrites
// its one header and all its channels' records at offset 24 after every file).
bool write_dsp_records(BankFiles& files, const DspAdpcmInfo* records, int channels);
// The text of one channel's parameter block in the debug file.
std::string debug_block_text(const std::string& source_path, const DspAdpcmInfo& info);

// Completes the bank: closes the header text, writes the file header (flags already set),
// appends data_size bytes of the working file (zeros past its end), pads GameCube banks to a
// multiple of 32 bytes, deletes the working file and closes everything. On a write failure
// anywhere in this bank returns false with a message naming the file; the incomplete bank,
// header and working file are then removed.
bool finish_bank(BankFiles& files, const WvcFileHeader& header, bool pad_to_32,
                 std::string& message);

// Closes whatever is open without completing the bank (the files stay on disk).
void close_bank_files(BankFiles& files);

// The message for a failed write to path.
std::string write_error_message(const std::string& path);

// The mode word as the bank stores it for this platform, format and build mode.
uint32_t bank_mode_word(uint32_t mode, int32_t platform, int32_t format, bool interleaved);
