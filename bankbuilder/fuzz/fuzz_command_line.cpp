// Any text as the command line: the parser must stay inside the text and give a code of its
// table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "bankbuilder/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    BuildSettings settings;
    CommandLineError error = CMD_OK;
    bool ok = parse_command_line(text, settings, error);
    if (ok != (error == CMD_OK) || error < 0 || error >= COMMAND_LINE_ERROR_COUNT) std::abort();
    if (!ok) (void)bad_command_line_text(text, error);
    return 0;
}
