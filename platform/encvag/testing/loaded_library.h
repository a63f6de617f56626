// A shared library opened with dlopen by its bare name, as the bank builder opens the encoder
// libraries, with its functions resolved by name through dlsym.
#pragma once

#include <string>

class LoadedLibrary {
  public:
    explicit LoadedLibrary(const std::string& name);
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    bool loaded() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }

    template <typename F> F function(const char* symbol) const {
        return reinterpret_cast<F>(lookup(symbol));
    }

  private:
    void* lookup(const char* symbol) const;
    void* handle_ = nullptr;
    std::string error_;
};
