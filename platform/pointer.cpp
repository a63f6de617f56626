#include "platform/pointer.h"

#include <GL/freeglut.h>

void show_pointer(bool visible) {
    // The pointer belongs to a window; before the first one exists there is nothing to change.
    if (glutGetWindow() == 0) return;
    glutSetCursor(visible ? GLUT_CURSOR_INHERIT : GLUT_CURSOR_NONE);
}
