// Loading and unloading the VAG and DSP ADPCM encoder libraries.
#include "bankbuilder/encode/encoder_libraries.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "bankbuilder/encoder.h"
#include "bankbuilder/settings.h"

EncoderLibraryFunctions encoder_functions;

namespace {

void* vag_handle = nullptr;
void* dsp_handle = nullptr;

// Beside the executable first, then the program's own library folder (../lib, where its run
// path points: named explicitly because a sanitizer runtime that intercepts dlopen hides the
// run path), then wherever the dynamic loader looks (LD_LIBRARY_PATH, the system).
void* open_library(const std::string& name) {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && name.find('/') == std::string::npos) {
        for (const auto& dir : {exe.parent_path(), exe.parent_path().parent_path() / "lib"}) {
            const std::string path = (dir / name).string();
            if (void* h = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) return h;
        }
    }
    return dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
}

template <typename F> void resolve(void* handle, const char* symbol, F& out) {
    out = reinterpret_cast<F>(dlsym(handle, symbol));
}

} // namespace

void load_encoder_libraries_named(const std::string& vag_name, const std::string& dsp_name) {
    unload_encoder_libraries();
    dsp_handle = open_library(dsp_name);
    if (dsp_handle) {
        resolve(dsp_handle, "encode", encoder_functions.dsp_encode);
        resolve(dsp_handle, "getLoopContext", encoder_functions.dsp_loop_context);
        resolve(dsp_handle, "getBytesForAdpcmBuffer", encoder_functions.dsp_bytes);
    }
    vag_handle = open_library(vag_name);
    if (vag_handle) {
        resolve(vag_handle, "EncVagInit", encoder_functions.enc_vag_init);
        resolve(vag_handle, "EncVag", encoder_functions.enc_vag);
        resolve(vag_handle, "EncVagFin", encoder_functions.enc_vag_fin);
    }
    // Available means: loaded, and every function its encoder calls was found.
    encoder_libraries.vag_loaded = encoder_functions.enc_vag_init && encoder_functions.enc_vag;
    encoder_libraries.dsp_loaded = encoder_functions.dsp_encode &&
                                   encoder_functions.dsp_loop_context &&
                                   encoder_functions.dsp_bytes;
    const char* xdk = std::getenv("XDK");
    encoder_libraries.xdk_set = xdk && *xdk;
}

void load_encoder_libraries() {
    load_encoder_libraries_named(VAG_LIBRARY_NAME, DSP_LIBRARY_NAME);
}

void unload_encoder_libraries() {
    if (vag_handle) dlclose(vag_handle);
    if (dsp_handle) dlclose(dsp_handle);
    vag_handle = dsp_handle = nullptr;
    encoder_functions = EncoderLibraryFunctions{};
    encoder_libraries.vag_loaded = false;
    encoder_libraries.dsp_loaded = false;
}
