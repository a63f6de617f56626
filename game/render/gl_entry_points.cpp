#include "game/render/gl_entry_points.h"

#include "platform/gl_proc.h"

namespace {

// One stub per entry: resolve, store, call. The stub keeps its place when the lookup fails.
#define DH_STUB(fn, R, PARAMS, ARGS)                                                               \
    R stub_##fn PARAMS {                                                                           \
        auto found = reinterpret_cast<decltype(GlEntryPoints::fn)>(platform_gl_proc(#fn));         \
        if (!found) return R();                                                                    \
        gl_entry_points.fn = found;                                                                \
        return found ARGS;                                                                         \
    }

DH_STUB(glActiveTexture, void, (GLenum t), (t))
DH_STUB(glClientActiveTexture, void, (GLenum t), (t))
DH_STUB(glMultiTexCoord2f, void, (GLenum t, GLfloat s, GLfloat r), (t, s, r))
DH_STUB(glGenBuffersARB, void, (GLsizei n, GLuint* b), (n, b))
DH_STUB(glBindBufferARB, void, (GLenum t, GLuint b), (t, b))
DH_STUB(glBufferDataARB, void, (GLenum t, std::ptrdiff_t n, const void* d, GLenum u), (t, n, d, u))
DH_STUB(glDeleteBuffersARB, void, (GLsizei n, const GLuint* b), (n, b))
DH_STUB(glBlendColor, void, (GLfloat r, GLfloat g, GLfloat b, GLfloat a), (r, g, b, a))
DH_STUB(wglGetSwapIntervalEXT, int, (), ())
DH_STUB(wglSwapIntervalEXT, int, (int i), (i))
#undef DH_STUB

constexpr GlEntryPoints stubs{
    stub_glActiveTexture,    stub_glClientActiveTexture, stub_glMultiTexCoord2f,
    stub_glGenBuffersARB,    stub_glBindBufferARB,       stub_glBufferDataARB,
    stub_glDeleteBuffersARB, stub_glBlendColor,          stub_wglGetSwapIntervalEXT,
    stub_wglSwapIntervalEXT,
};

} // namespace

GlEntryPoints gl_entry_points = stubs;

void reset_gl_entry_points() {
    gl_entry_points = stubs;
}
