// Which menu and font pictures could not be read at start-up. Their texture names
// stay without an image, and the menu leaves them out instead of drawing empty quads.
#pragma once

#include <GL/gl.h>

bool picture_available(GLuint texture);
void mark_picture_missing(GLuint texture);
void forget_missing_pictures();
