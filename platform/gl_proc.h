// Looks up an OpenGL entry point beyond version 1.1 by name in the current context.
// Returns nullptr when there is no current context or the context does not offer the function
// (checked against the version and extension strings, since the GLX lookup itself hands out
// addresses even for functions the driver lacks). The two swap-interval names of the game,
// "wglGetSwapIntervalEXT" and "wglSwapIntervalEXT", resolve to adapters over the GLX
// swap-control extensions when one is offered.
#pragma once

void* platform_gl_proc(const char* name);
