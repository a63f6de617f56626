#include "bankbuilder/paths.h"

#include <cctype>
#include <cstring>

#include "bankbuilder/wvc_format.h"

std::string path_file_name(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string path_directory(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string replace_extension(const std::string& path, const std::string& ext) {
    size_t slash = path.rfind('/');
    size_t dot = path.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        return path.substr(0, dot) + ext;
    return path + ext;
}

std::string header_guard_name(const std::string& base_path) {
    std::string name = path_file_name(base_path);
    for (char& c : name)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    size_t dot = name.find('.');
    if (dot != std::string::npos) name.resize(dot);
    return name;
}

std::string define_line(const char* name_field, int index) {
    std::string name(name_field, strnlen(name_field, WVC_NAME_SIZE));
    size_t dot = name.find('.');
    if (dot != std::string::npos) name.resize(dot);
    for (char& c : name) {
        c = char(std::toupper(static_cast<unsigned char>(c)));
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) c = '_';
    }
    // A name with nothing before its first dot would give "#define" with no name at all,
    // which no compiler accepts.
    if (name.empty()) name = "_";
    bool digit = name[0] >= '0' && name[0] <= '9';
    return std::string(digit ? "#define _" : "#define ") + name + "            " +
           std::to_string(index) + "\n";
}

std::string multiple_bank_base(const std::string& dest, const std::string& source_dir,
                               const std::string& entry, bool rebuild_tree,
                               std::string& relative_dir) {
    std::string name = path_file_name(entry);
    size_t dot = name.find('.');
    if (dot != std::string::npos) name.resize(dot);
    relative_dir.clear();
    if (rebuild_tree) {
        std::string dir = path_directory(entry);
        if (dir.size() >= source_dir.size() && dir.compare(0, source_dir.size(), source_dir) == 0)
            relative_dir = dir.substr(source_dir.size());
    }
    return dest + "/" + relative_dir + name;
}

void fill_name_field(char* field, const std::string& file_name) {
    std::memset(field, 0, WVC_NAME_SIZE);
    std::memcpy(field, file_name.data(), std::min<size_t>(file_name.size(), WVC_NAME_SIZE));
}
