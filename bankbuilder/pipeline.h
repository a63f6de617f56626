// The build pipeline: collects the sources, forms each bank's paths, loads every source
// through the sound library, checks it, encodes it and writes the bank and its header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bankbuilder/bank_writer.h"
#include "bankbuilder/encoder.h"
#include "bankbuilder/reporter.h"

// Bytes of sample data the platform can hold for a format; -1 for no limit. The PlayStation 2
// VAG budget depends on the reverb cores of build_settings.
int32_t memory_budget(int32_t platform, int32_t format);

// Stores the budget in build_state and shows it: "%8d kb" as the maximum, the memory bar's range,
// and the busy bar full.
void show_memory_budget(Reporter& reporter, int32_t platform, int32_t format);

// "%8d kb" with value.
std::string kb_text(int value);

// The worker's body: builds every bank of build_settings. Returns 0 when every bank was written,
// 1 when a build-level error (its message already shown) or a cancel ended the build.
int run_build(Reporter& reporter, const EncoderTable& encoders);

// Encodes list entries first .. first + count - 1 into one open bank, accumulating into
// header. Per-file problems are added to warnings. Returns false on a build-level error (the
// message in message); the bank is then incomplete.
bool process_files(Reporter& reporter, const EncoderTable& encoders,
                   const std::vector<std::string>& list, int first, int count, BankFiles& files,
                   WvcFileHeader& header, std::vector<std::string>& warnings, std::string& message);
