// The lazy entry-point table against a real context (Mesa under Xvfb).
#include "game/render/gl_entry_points.h"
#include "platform/gl_proc.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {

TEST(GlEntryPoints, WithoutAContextCallsDoNothingAndStayLazy) {
    reset_gl_entry_points();
    const auto stub = gl_entry_points.wglGetSwapIntervalEXT;
    EXPECT_EQ(gl_entry_points.wglGetSwapIntervalEXT(), 0);
    EXPECT_EQ(gl_entry_points.wglSwapIntervalEXT(1), 0);
    gl_entry_points.glActiveTexture(0x84C1);
    EXPECT_EQ(gl_entry_points.wglGetSwapIntervalEXT, stub); // still the stub: looks again later
    EXPECT_EQ(platform_gl_proc("glNoSuchFunction"), nullptr);
}

TEST(GlEntryPoints, ResolveInARealContext) {
    int argc = 1;
    char name[] = "gl_entry_points_test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(64, 64);
    glutCreateWindow("entry points");

    reset_gl_entry_points();
    const auto stub = gl_entry_points.glActiveTexture;
    gl_entry_points.glActiveTexture(0x84C1); // GL_TEXTURE1
    EXPECT_NE(gl_entry_points.glActiveTexture, stub);
    GLint active = 0;
    glGetIntegerv(0x84E0 /* GL_ACTIVE_TEXTURE */, &active);
    EXPECT_EQ(active, 0x84C1);
    gl_entry_points.glActiveTexture(0x84C0);

    GLuint buffer = 0;
    gl_entry_points.glGenBuffersARB(1, &buffer);
    EXPECT_NE(buffer, 0u);
    gl_entry_points.glDeleteBuffersARB(1, &buffer);

    // The swap interval: where the GLX swap-control extension is offered, what is set reads
    // back; where it is not (Xvfb offers none), both calls do nothing and the saved value is 0.
    const bool offered = platform_gl_proc("wglSwapIntervalEXT") != nullptr;
    const int saved = gl_entry_points.wglGetSwapIntervalEXT();
    gl_entry_points.wglSwapIntervalEXT(2);
    EXPECT_EQ(gl_entry_points.wglGetSwapIntervalEXT(), offered ? 2 : 0);
    gl_entry_points.wglSwapIntervalEXT(saved);
    EXPECT_EQ(gl_entry_points.wglGetSwapIntervalEXT(), saved);
    if (!offered) {
        EXPECT_EQ(saved, 0);
    }
}

} // namespace
