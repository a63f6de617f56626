// Keyboard and mouse callbacks of both modes.
#pragma once

void menu_key(unsigned char key, int x, int y);
void menu_special_key(int key, int x, int y);
void menu_mouse(int button, int state, int x, int y);
void menu_pointer_motion(int x, int y);

void game_key(unsigned char key, int x, int y);
void game_key_up(unsigned char key, int x, int y);
void game_special_key(int key, int x, int y);
void game_mouse(int button, int state, int x, int y);
void game_pointer_motion(int x, int y);

// The movement-key bit of a character, or 0 for any other key.
int movement_bit(unsigned char key);
