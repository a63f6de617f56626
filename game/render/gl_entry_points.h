// The OpenGL functions beyond version 1.1 that the game calls. Each entry starts at a stub that
// looks the function up by name on first use, stores what it found and calls it. When the
// driver lacks the function the stub does nothing (returning 0) and looks again on the next
// call, so a context made later still gets the real function.
#pragma once

#include <GL/gl.h>

#include <cstddef>

struct GlEntryPoints {
    void (*glActiveTexture)(GLenum texture);
    void (*glClientActiveTexture)(GLenum texture);
    void (*glMultiTexCoord2f)(GLenum target, GLfloat s, GLfloat t);
    void (*glGenBuffersARB)(GLsizei n, GLuint* buffers);
    void (*glBindBufferARB)(GLenum target, GLuint buffer);
    void (*glBufferDataARB)(GLenum target, std::ptrdiff_t size, const void* data, GLenum usage);
    void (*glDeleteBuffersARB)(GLsizei n, const GLuint* buffers);
    void (*glBlendColor)(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha);
    int (*wglGetSwapIntervalEXT)();
    int (*wglSwapIntervalEXT)(int interval);
};

extern GlEntryPoints gl_entry_points;

// Puts every entry back to its stub (tests use this between contexts).
void reset_gl_entry_points();
