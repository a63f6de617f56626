// dlopen/dlsym wrapper for the codec tests.
#include "platform/encvag/testing/loaded_library.h"

#include <dlfcn.h>

#include <filesystem>

LoadedLibrary::LoadedLibrary(const std::string& name) {
    handle_ = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        // The program's run path ($ORIGIN/../lib) names where our libraries are; a sanitizer
        // runtime that intercepts dlopen hides the caller's run path, so look there directly.
        std::error_code ec;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (!ec) {
            const std::string there = (exe.parent_path().parent_path() / "lib" / name).string();
            handle_ = dlopen(there.c_str(), RTLD_NOW | RTLD_LOCAL);
        }
    }
    if (!handle_) {
        const char* e = dlerror();
        error_ = e ? e : "dlopen failed";
    }
}

LoadedLibrary::~LoadedLibrary() {
    if (handle_) dlclose(handle_);
}

void* LoadedLibrary::lookup(const char* symbol) const {
    return handle_ ? dlsym(handle_, symbol) : nullptr;
}
