// Start-up of everything the overlay shows: the font, the menu pictures and the
// start menu with its five buttons. Runs once, with a GL context and the texture
// names already generated.
#pragma once

void overlay_start_up();
