#include "bankbuilder/command_line.h"

#include <cstring>
#include <sys/stat.h>

const char* const USAGE_TEXT =
    "Usage: wavecrate <-o dest> <source> [-p ps2|gc|xbox|cross] "
    "[-f vag|gcadpcm|xadpcm|pcm|source] [-m s|m|i] [-d] [-r 0|1] [-h]\n\n"
    "  -o dest\t\t\t\tDestination WVC file/directory\n"
    "  source\t\t\t\tSource directory or list file\n"
    "  -p ps2|gc|xbox|cross\t\tTarget platform (default = cross)\n"
    "  -f vag|gcadpcm|xadpcm|pcm|source\tTarget format (default = pcm)\n"
    "  -m s|m|i\t\t\t\tBuild mode :\n"
    "  \t\t\t\t  s = Single WVC (default)\n"
    "  \t\t\t\t  m = Multiple WVCs\n"
    "  \t\t\t\t  i = single Interleaved WVC\n"
    "  -d\t\t\t\tRebuild dir structure (Multiple WVC only) (default = off)\n"
    "  -r 0|1\t\t\t\tDisable reverbcore 0 or 1 (ps2 only) (default = both enabled)\n"
    "  -h\t\t\t\tHidden mode - don't display the Wavecrate window at all (default = off)\n"
    "  -?\t\t\t\tDisplay command line help\n\n";

namespace {
const char* const REASONS[COMMAND_LINE_ERROR_COUNT] = {
    "Ok",
    "",
    "More than one dest file specified (-o)",
    "Expected a dest filename (-o)",
    "Expected an WVC type parameter (-m)",
    "Unexpected end of line",
    "Invalid WVC type",
    "Expected a platform (-p)",
    "Invalid platform (-p)",
    "Expected a format (-f)",
    "Invalid format (-f)",
    "Expected reverbcore number (-c)",
    "Invalid reverbcore number (-c)",
    "Invalid switch",
    "More than one source directory specified",
    "No source directory specified",
    "No dest file specified",
    "Invalid source directory",
    "Specified format doesn't support interleaved build mode",
    "Format not supported on specified platform",
};

bool is_blank(char c) {
    return c != 0 && std::strchr(" \t\n\v\f\r", c) != nullptr;
}

// A cursor over the command-line text.
struct Scanner {
    const std::string& text;
    size_t at = 0;
    void skip_blanks() {
        while (at < text.size() && is_blank(text[at]))
            ++at;
    }
    bool at_end() const { return at >= text.size(); }
    // The next run of non-blank characters after skipping blanks; empty at the end.
    std::string word() {
        skip_blanks();
        size_t start = at;
        while (at < text.size() && !is_blank(text[at]))
            ++at;
        return text.substr(start, at - start);
    }
};

int lookup(const std::string& word, std::initializer_list<const char*> names) {
    int i = 0;
    for (const char* n : names) {
        if (word == n) return i;
        ++i;
    }
    return -1;
}
} // namespace

const char* command_line_reason(int code) {
    if (code < 0 || code >= COMMAND_LINE_ERROR_COUNT) return "";
    return REASONS[code];
}

bool parse_command_line(const std::string& text, BuildSettings& settings, CommandLineError& error) {
    error = CMD_OK;
    Scanner scan{text};
    scan.skip_blanks();
    if (scan.at_end()) return true;
    settings.command_line_mode = true;

    int32_t platform = PLATFORM_CROSS;
    int32_t format = FORMAT_PCM;
    int32_t mode = -1;
    bool have_source = false, have_dest = false, rebuild = false;
    bool disable_core0 = false, disable_core1 = false;
    std::string source, dest;

    auto fail = [&](CommandLineError code) {
        error = code;
        return false;
    };

    for (scan.skip_blanks(); !scan.at_end(); scan.skip_blanks()) {
        if (text[scan.at] != '-') {
            std::string word = scan.word();
            if (have_source) return fail(CMD_SOURCE_TWICE);
            source = word;
            have_source = true;
            continue;
        }
        // A lone "-" at the very end has no switch character to read.
        if (scan.at + 1 >= text.size()) return fail(CMD_END_OF_LINE);
        char sw = text[scan.at + 1];
        scan.at += 2;
        switch (sw) {
        case '?':
            return fail(CMD_HELP);
        case 'd':
            rebuild = true;
            break;
        case 'h':
            settings.hidden = true;
            break;
        case 'f': {
            std::string arg = scan.word();
            if (arg.empty()) return fail(CMD_NO_FORMAT);
            int f =
                lookup(arg, {"vag", "gcadpcm", "xadpcm", "pcm", "source", "adpcm", "ogg", "mp3"});
            if (f < 0) return fail(CMD_BAD_FORMAT);
            format = f;
            break;
        }
        case 'm': {
            std::string arg = scan.word();
            if (arg.empty()) return fail(CMD_NO_MODE);
            int m = lookup(arg, {"s", "m", "i"});
            if (m < 0) return fail(CMD_BAD_MODE);
            mode = m;
            break;
        }
        case 'o': {
            if (have_dest) return fail(CMD_DEST_TWICE);
            std::string arg = scan.word();
            if (arg.empty()) return fail(CMD_NO_DEST_NAME);
            dest = arg;
            have_dest = true;
            break;
        }
        case 'p': {
            std::string arg = scan.word();
            if (arg.empty()) return fail(CMD_NO_PLATFORM);
            int p = lookup(arg, {"ps2", "gc", "xbox", "cross"});
            if (p < 0) return fail(CMD_BAD_PLATFORM);
            platform = p;
            break;
        }
        case 'r': {
            std::string arg = scan.word();
            if (arg.empty()) return fail(CMD_NO_REVERB_CORE);
            if (arg == "0")
                disable_core0 = true;
            else if (arg == "1")
                disable_core1 = true;
            else
                return fail(CMD_BAD_REVERB_CORE);
            break;
        }
        default:
            return fail(CMD_BAD_SWITCH);
        }
    }

    if (!have_source) return fail(CMD_NO_SOURCE);
    if (!have_dest) return fail(CMD_NO_DEST);
    struct stat st {};
    if (::stat(source.c_str(), &st) != 0) return fail(CMD_BAD_SOURCE);
    if (S_ISDIR(st.st_mode))
        settings.use_file_list = false;
    else if (S_ISREG(st.st_mode))
        settings.use_file_list = true;
    else
        return fail(CMD_BAD_SOURCE);
    settings.source_path = source;
    settings.dest_path = dest;

    settings.platform = platform;
    settings.format = format;
    if (!format_allowed(platform, format)) return fail(CMD_FORMAT_NOT_ON_PLATFORM);
    if (rebuild) settings.rebuild_tree = true;
    settings.build_mode = mode < 0 ? BUILD_SINGLE : mode;
    if (settings.build_mode == BUILD_INTERLEAVED &&
        (format == FORMAT_SOURCE || format == FORMAT_OGG || format == FORMAT_MP3))
        return fail(CMD_NO_INTERLEAVE);
    if (disable_core0) settings.reverb_core0 = false;
    if (disable_core1) settings.reverb_core1 = false;
    return true;
}

std::string bad_command_line_text(const std::string& text, CommandLineError error) {
    return "Bad command line:\t" + text + "\n\nReason:\t\t" + command_line_reason(error) +
           "\n\n\n" + USAGE_TEXT;
}
