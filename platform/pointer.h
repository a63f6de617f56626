// Shows or hides the mouse pointer over the game's window.
#pragma once

void show_pointer(bool visible);
