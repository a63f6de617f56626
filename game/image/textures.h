// The texture table: the block of 2000 GL texture names, the ids that index it, the files loaded
// into it at start-up, and the rule that picks a surface's plain or mipmapped texture.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <string>

// Index into texture_names_plain / texture_names_mipmapped (0 to 999).
using TextureId = int32_t;

inline constexpr int TEXTURE_ID_COUNT = 1000;

inline constexpr TextureId TEX_TELETUB_KLEIDERBUEGEL = 0;
inline constexpr TextureId TEX_FUERST_FOR_ANIMAT = 1;
inline constexpr TextureId TEX_MARMOR1 = 3;
inline constexpr TextureId TEX_MARMOR2 = 4;
inline constexpr TextureId TEX_WAND7 = 5;
inline constexpr TextureId TEX_PIZZA = 6;
inline constexpr TextureId TEX_STEINE = 7;
inline constexpr TextureId TEX_WASSER = 8;
inline constexpr TextureId TEX_SHORT_SWORD = 9;
inline constexpr TextureId TEX_LAVA1 = 10;
inline constexpr TextureId TEX_FONT = 11;
inline constexpr TextureId TEX_KANALGITTER = 12;
inline constexpr TextureId TEX_PASTELL = 13;
inline constexpr TextureId TEX_RASENMATTE = 14;
inline constexpr TextureId TEX_PRINCESS = 15;
inline constexpr TextureId TEX_HOEHLENORC = 16;
inline constexpr TextureId TEX_HALTERUNG_HEBEL = 17;
inline constexpr TextureId TEX_HEBEL = 18;
inline constexpr TextureId TEX_HOLZGITTER = 19;
inline constexpr TextureId TEX_LONG_SWORD = 20;
inline constexpr TextureId TEX_TORCH_AN_WAND = 21;
inline constexpr TextureId TEX_ENDE_MENU = 93;
inline constexpr TextureId TEX_BACK_FIELD = 96;
inline constexpr TextureId TEX_STORY_FIELD = 97;
inline constexpr TextureId TEX_START_FIELD = 98;
inline constexpr TextureId TEX_ANFANG_MENU = 99;

// The one block of 2000 names made by create_texture_names: entries 0-999 are the plain textures,
// entries 1000-1999 the mipmapped ones, so texture_names_mipmapped[id] == texture_names[1000 + id].
inline GLuint texture_names[2 * TEXTURE_ID_COUNT];
inline GLuint* const texture_names_plain = texture_names;
inline GLuint* const texture_names_mipmapped = texture_names + TEXTURE_ID_COUNT;

// One row of the table that load_texture_list loads.
struct TextureFile {
    TextureId id;
    const char* file;
    GLint wrap; // for both GL_TEXTURE_WRAP_S and GL_TEXTURE_WRAP_T
};

inline constexpr std::array<TextureFile, 20> TEXTURE_TABLE = {{
    {TEX_TELETUB_KLEIDERBUEGEL, "teletub_kleiderbuegel.bmp", GL_CLAMP},
    {TEX_FUERST_FOR_ANIMAT, "fuerst_for_animat.tga", GL_CLAMP},
    {TEX_MARMOR1, "marmor1.tga", GL_REPEAT},
    {TEX_MARMOR2, "marmor2.tga", GL_REPEAT},
    {TEX_WAND7, "wand7.tga", GL_REPEAT},
    {TEX_PIZZA, "pizza.bmp", GL_CLAMP},
    {TEX_STEINE, "steine.tga", GL_REPEAT},
    {TEX_WASSER, "wasser.tga", GL_REPEAT},
    {TEX_SHORT_SWORD, "short_sword.tga", GL_CLAMP},
    {TEX_LAVA1, "lava1.tga", GL_REPEAT},
    {TEX_KANALGITTER, "kanalgitter.tga", GL_REPEAT},
    {TEX_PASTELL, "pastell.tga", GL_REPEAT},
    {TEX_RASENMATTE, "rasenmatte.tga", GL_REPEAT},
    {TEX_PRINCESS, "princess.tga", GL_CLAMP},
    {TEX_HOEHLENORC, "hoehlenorc.tga", GL_CLAMP},
    {TEX_HALTERUNG_HEBEL, "halterung_hebel.tga", GL_CLAMP},
    {TEX_HEBEL, "hebel.tga", GL_CLAMP},
    {TEX_HOLZGITTER, "holzgitter.tga", GL_REPEAT},
    {TEX_LONG_SWORD, "long_sword.tga", GL_CLAMP},
    {TEX_TORCH_AN_WAND, "torch_an_wand.tga", GL_CLAMP},
}};

// The font and menu pictures, uploaded elsewhere in the start-up into the plain names only.
inline constexpr const char* FONT_FILE = "font_klar.tga";
inline constexpr std::array<TextureFile, 5> MENU_PICTURE_TABLE = {{
    {TEX_ANFANG_MENU, "anfang_menu.tga", GL_CLAMP},
    {TEX_START_FIELD, "Start_field.bmp", GL_CLAMP},
    {TEX_STORY_FIELD, "Story_field.bmp", GL_CLAMP},
    {TEX_BACK_FIELD, "Back_field.bmp", GL_CLAMP},
    {TEX_ENDE_MENU, "ende_menu.tga", GL_CLAMP},
}};

// One glGenTextures call for all 2000 names. Needs a current GL context; call once at start-up.
void create_texture_names();

// Loads one image file (".bmp" or ".tga", searched in that order in the name) into both
// texture_names_plain[id] and texture_names_mipmapped[id].
void load_texture(const std::string& file_name, TextureId id, GLint wrap);

// load_texture for every row of TEXTURE_TABLE, in table order.
void load_texture_list();

// Uploads a menu picture (TGA or BMP) into texture_names_plain[id] as three-component RGB with
// wrap GL_CLAMP and linear filters, leaving the name bound. False (and no image) when the file
// cannot be read.
bool upload_menu_picture(const std::string& file_name, TextureId id);

// Binds a surface's texture: its mipmapped name with the MIN filter of mipmap_filter_mode when
// mipmapping is on and the object has one, otherwise its plain name with no parameter changed.
void bind_surface_texture(GLuint texture, GLuint texture_mipmapped);

// The same rule with the two settings passed in (bind_surface_texture reads the display toggles).
void bind_surface_texture_with(GLuint texture, GLuint texture_mipmapped, int32_t mipmapping_on,
                               int32_t filter_mode);

// GL_TEXTURE_MIN_FILTER for a mipmap filter mode: 0 trilinear, 1 one texel from each of the two
// nearest levels blended, 2 bilinear on the nearest level. Unknown modes fall back to 0.
GLint mipmap_min_filter(int32_t filter_mode);
