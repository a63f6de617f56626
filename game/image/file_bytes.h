// Whole-file reading for the image readers: they decode from memory so that every access can
// be checked against the real size of the data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The file's bytes, or nothing when it cannot be opened or read, or is absurdly large.
// opened (when given) tells the first failure apart from the others.
std::optional<std::vector<uint8_t>> read_file_bytes(const std::string& path,
                                                    bool* opened = nullptr);
