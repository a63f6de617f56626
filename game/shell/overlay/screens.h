// The menu screens: switching between them and the texts they show.
#pragma once

#include <cstdint>

// The texts of the story, controls and end screens, exactly as shown.
extern const char* const STORY_TEXT;
extern const char* const CONTROLS_TEXT;
extern const char* const END_TEXT;

// Shows menu screen `screen` (0 main, 1 story, 2 controls, 3 end), empties both
// message queues and posts the screen's text to message_queue.
void show_screen(int16_t screen);
