#include "platform/gl_proc.h"

#include <GL/gl.h>
#include <GL/glx.h>

#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

bool has_word(const char* list, std::string_view word) {
    if (!list) return false;
    std::string_view all(list);
    size_t pos = 0;
    while ((pos = all.find(word, pos)) != std::string_view::npos) {
        bool start_ok = pos == 0 || all[pos - 1] == ' ';
        size_t end = pos + word.size();
        bool end_ok = end == all.size() || all[end] == ' ';
        if (start_ok && end_ok) return true;
        pos = end;
    }
    return false;
}

bool gl_version_at_least(int major, int minor) {
    const char* v = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int ma = 0, mi = 0;
    if (!v || std::sscanf(v, "%d.%d", &ma, &mi) != 2) return false;
    return ma > major || (ma == major && mi >= minor);
}

bool gl_extension(const char* name) {
    return has_word(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), name);
}

bool glx_extension(const char* name) {
    Display* dpy = glXGetCurrentDisplay();
    if (!dpy) return false;
    return has_word(glXQueryExtensionsString(dpy, DefaultScreen(dpy)), name);
}

void* lookup(const char* name) {
    return reinterpret_cast<void*>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

// The swap interval through GLX. EXT works per drawable and can be queried; MESA is global.
using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
using SwapIntervalMesa = int (*)(unsigned int);
using GetSwapIntervalMesa = int (*)();

int get_swap_interval_adapter() {
    Display* dpy = glXGetCurrentDisplay();
    GLXDrawable drawable = glXGetCurrentDrawable();
    if (dpy && drawable && glx_extension("GLX_EXT_swap_control")) {
        unsigned int value = 0;
        glXQueryDrawable(dpy, drawable, GLX_SWAP_INTERVAL_EXT, &value);
        return static_cast<int>(value);
    }
    if (glx_extension("GLX_MESA_swap_control")) {
        auto get = reinterpret_cast<GetSwapIntervalMesa>(lookup("glXGetSwapIntervalMESA"));
        if (get) return get();
    }
    return 0;
}

int set_swap_interval_adapter(int interval) {
    Display* dpy = glXGetCurrentDisplay();
    GLXDrawable drawable = glXGetCurrentDrawable();
    if (dpy && drawable && glx_extension("GLX_EXT_swap_control")) {
        auto set = reinterpret_cast<SwapIntervalExt>(lookup("glXSwapIntervalEXT"));
        if (set) {
            set(dpy, drawable, interval);
            return 1;
        }
    }
    if (glx_extension("GLX_MESA_swap_control")) {
        auto set = reinterpret_cast<SwapIntervalMesa>(lookup("glXSwapIntervalMESA"));
        if (set) return set(static_cast<unsigned int>(interval < 0 ? 0 : interval)) == 0;
    }
    return 0;
}

struct Requirement {
    const char* name;      // the name the game asks for
    int major, minor;      // core version that has it (0 = never core under this name)
    const char* core_name; // its name in core
    const char* extension; // extension that offers it
    const char* ext_name;  // its name in that extension
};

const Requirement requirements[] = {
    {"glActiveTexture", 1, 3, "glActiveTexture", "GL_ARB_multitexture", "glActiveTextureARB"},
    {"glClientActiveTexture", 1, 3, "glClientActiveTexture", "GL_ARB_multitexture",
     "glClientActiveTextureARB"},
    {"glMultiTexCoord2f", 1, 3, "glMultiTexCoord2f", "GL_ARB_multitexture", "glMultiTexCoord2fARB"},
    {"glGenBuffersARB", 1, 5, "glGenBuffers", "GL_ARB_vertex_buffer_object", "glGenBuffersARB"},
    {"glBindBufferARB", 1, 5, "glBindBuffer", "GL_ARB_vertex_buffer_object", "glBindBufferARB"},
    {"glBufferDataARB", 1, 5, "glBufferData", "GL_ARB_vertex_buffer_object", "glBufferDataARB"},
    {"glDeleteBuffersARB", 1, 5, "glDeleteBuffers", "GL_ARB_vertex_buffer_object",
     "glDeleteBuffersARB"},
    {"glBlendColor", 1, 4, "glBlendColor", "GL_EXT_blend_color", "glBlendColorEXT"},
};

} // namespace

void* platform_gl_proc(const char* name) {
    if (!name || !glXGetCurrentContext()) return nullptr;
    if (std::strcmp(name, "wglGetSwapIntervalEXT") == 0 ||
        std::strcmp(name, "wglSwapIntervalEXT") == 0) {
        if (!glx_extension("GLX_EXT_swap_control") && !glx_extension("GLX_MESA_swap_control"))
            return nullptr;
        return name[3] == 'G' ? reinterpret_cast<void*>(&get_swap_interval_adapter)
                              : reinterpret_cast<void*>(&set_swap_interval_adapter);
    }
    for (const Requirement& r : requirements) {
        if (std::strcmp(name, r.name) != 0) continue;
        if (r.major && gl_version_at_least(r.major, r.minor)) return lookup(r.core_name);
        if (gl_extension(r.extension)) return lookup(r.ext_name);
        return nullptr;
    }
    return nullptr;
}
