// Fuzz target: the help file reader on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "bankbuilder/window/help_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<HelpTopic> topics =
        parse_help(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const HelpTopic& topic : topics)
        find_help_topic(topics, topic.context);
    return 0;
}
