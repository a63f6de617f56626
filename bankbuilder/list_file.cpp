#include "bankbuilder/list_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <dirent.h>
#include <new>
#include <set>
#include <strings.h>
#include <sys/stat.h>
#include <utility>

#include "bankbuilder/build_state.h"
#include "bankbuilder/command_line.h"
#include "bankbuilder/paths.h"
#include "bankbuilder/reporter.h"

namespace {
bool contains(const std::string& s, const char* what) {
    return s.find(what) != std::string::npos;
}

std::string lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool is_directory_path(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
} // namespace

bool list_line_is_sound(const std::string& line) {
    std::string l = lower(line);
    return contains(l, ".wav") || contains(l, ".mp3") || contains(l, ".ogg") ||
           contains(l, ".aiff");
}

bool directory_path_is_sound(const std::string& path) {
    return contains(path, ".wav") || contains(path, ".WAV") || contains(path, ".mp3") ||
           contains(path, ".ogg") || contains(path, ".aiff");
}

std::vector<std::string>
parse_list_text(const char* data, size_t size, std::string base_dir,
                const std::function<bool(const std::string&)>& is_directory) {
    std::vector<std::string> paths;
    size_t at = 0;
    while (at < size) {
        while (at < size && std::isspace(static_cast<unsigned char>(data[at])))
            ++at;
        size_t start = at;
        while (at < size && static_cast<unsigned char>(data[at]) >= 32)
            ++at;
        std::string line(data + start, at - start);
        if (at < size) ++at; // the control character that ended the line
        // Names keep their case: the file system tells "Boom.wav" from "boom.wav".
        std::replace(line.begin(), line.end(), '\\', '/');
        // Trailing blanks are invisible in an editor and never part of a name here.
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        if (!line.empty() && line.back() == '/') line.pop_back();
        if (line.empty()) continue;
        if (is_directory(line)) {
            base_dir = line + "/";
            continue;
        }
        bool as_is = line[0] == '/' || contains(line, "./") || contains(line, "../") ||
                     contains(line, ":/") || contains(line, "//");
        if (list_line_is_sound(line)) paths.push_back(as_is ? line : base_dir + line);
    }
    return paths;
}

bool collect_from_list_file(Reporter& reporter, const std::string& list_path,
                            std::vector<std::string>& list) {
    struct stat st {};
    if (::stat(list_path.c_str(), &st) != 0) return false;
    size_t size = size_t(st.st_size);
    std::string text;
    try {
        text.resize(size + 1);
    } catch (const std::bad_alloc&) {
        reporter.warning_box(ERROR_CAPTION, "ERROR: Memory allocation failure (" +
                                                std::to_string(size + 1) + " bytes)\n");
        return false;
    }
    std::FILE* f = std::fopen(list_path.c_str(), "rb");
    if (!f) {
        reporter.warning_box(ERROR_CAPTION, "ERROR: Failed to open '" + list_path + "'\n");
        return false;
    }
    size_t got = std::fread(text.data(), 1, size, f);
    bool failed = got != size || std::ferror(f);
    std::fclose(f);
    if (failed) {
        reporter.warning_box(ERROR_CAPTION, "ERROR: Failed reading '" + list_path + "'\n");
        return false;
    }
    std::vector<std::string> paths =
        parse_list_text(text.data(), size, path_directory(list_path), is_directory_path);
    for (const std::string& p : paths) {
        list.push_back(p);
        reporter.add_file(p);
    }
    return !paths.empty();
}

namespace {
// Directories already entered, so that a symbolic link back up the tree cannot loop.
using Visited = std::set<std::pair<dev_t, ino_t>>;

bool collect_tree(Reporter& reporter, const std::string& directory, std::vector<std::string>& list,
                  Visited& visited, bool& added) {
    struct stat dst {};
    if (::stat(directory.c_str(), &dst) != 0 || !visited.insert({dst.st_dev, dst.st_ino}).second)
        return true;
    DIR* dir = ::opendir(directory.c_str());
    if (!dir) return true;
    std::vector<std::string> names;
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        if (name == "." || name.compare(0, 2, "..") == 0) continue;
        names.push_back(std::move(name));
    }
    ::closedir(dir);
    // The listing's own order is arbitrary here; name order without regard to case keeps
    // bank indices stable from one build to the next.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        int c = strcasecmp(a.c_str(), b.c_str());
        return c != 0 ? c < 0 : a < b;
    });
    for (const std::string& name : names) {
        if (build_state.cancel_requested) return false;
        std::string full = directory + name;
        struct stat st {};
        if (::stat(full.c_str(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode)) {
            if (!collect_tree(reporter, full + "/", list, visited, added)) return false;
        } else if (directory_path_is_sound(full)) {
            list.push_back(full);
            reporter.add_file(full);
            added = true;
        }
    }
    return true;
}
} // namespace

bool collect_from_directory(Reporter& reporter, std::string& directory,
                            std::vector<std::string>& list) {
    if (directory.empty() || directory.back() != '/') directory += '/';
    Visited visited;
    bool added = false;
    if (!collect_tree(reporter, directory, list, visited, added)) return false;
    return added;
}
