// The font's glyph table: where each character sits in "font_klar.tga".
// Shared by the game's font loader and the font-atlas generator, so the
// picture and the table can never disagree.
#pragma once

#include <cstddef>
#include <cstdint>

// Layout of the list: glyph height, values per glyph, then one record per
// glyph (character code, tex_x, tex_y, width, x_offset, advance) and the end
// marker. tex_y is the bottom edge of the glyph's cell, counted in pixels from
// the image's top edge; every cell is GLYPH_CELL_HEIGHT pixels high.
inline constexpr int16_t GLYPH_TABLE_END = 10000;
inline constexpr int16_t GLYPH_CELL_HEIGHT = 47;
inline constexpr int GLYPH_RECORD_VALUES = 6; // code + the five glyph values
inline constexpr int GLYPH_TABLE_GLYPHS = 70;

// clang-format off
inline constexpr int16_t GLYPH_TABLE[] = {
    GLYPH_CELL_HEIGHT, 5,
    // code  tex_x tex_y width x_off advance
    ' ',     0,    47,   15,   0,    15,
    '!',    15,    47,    8,   0,     8,
    '.',    23,    47,    8,   0,     8,
    '-',    31,    47,   16,   0,    16,
    ':',    49,    47,    8,   0,     8,
    '?',    57,    47,   27,   0,    27,
    '_',    84,    47,   17,   0,    17,
    '+',   102,    47,   18,   0,    18,

    '0',     0,    98,   27,   0,    27,
    '1',    27,    98,   12,   0,    12,
    '2',    39,    98,   23,   0,    23,
    '3',    62,    98,   25,   0,    25,
    '4',    87,    98,   24,   0,    24,
    '5',   111,    98,   23,   0,    23,
    '6',   134,    98,   23,   0,    23,
    '7',   157,    98,   22,   0,    22,
    '8',   179,    98,   22,   0,    22,
    '9',   201,    98,   24,   0,    24,

    'A',     0,   146,   40,   0,    40,
    'B',    40,   146,   34,   0,    34,
    'C',    74,   146,   41,   0,    41,
    'D',   115,   146,   43,   0,    43,
    'E',   158,   146,   42,   0,    42,
    'F',   200,   146,   28,   0,    28,
    'G',   228,   146,   41,   0,    41,
    'H',   269,   146,   37,   0,    37,
    'I',   306,   146,   29,   0,    29,
    'J',   335,   146,   24,   0,    24,
    'K',   359,   146,   34,   0,    34,
    'L',   393,   146,   30,   0,    30,
    'M',   423,   146,   50,   0,    50,

    'N',     0,   196,   43,   0,    43,
    'O',    43,   196,   43,   0,    43,
    'P',    86,   196,   41,   0,    41,
    'Q',   127,   196,   45,   0,    45,
    'R',   172,   196,   35,   0,    35,
    'S',   207,   196,   33,   0,    33,
    'T',   240,   196,   42,   0,    42,
    'U',   282,   196,   37,   0,    37,
    'V',   319,   196,   39,   0,    39,
    'W',   358,   196,   61,   0,    61,
    'X',   419,   196,   43,  -2,    43,

    'Y',     0,   245,   42,   0,    42,
    'Z',    42,   245,   33,   0,    33,

    'a',     0,   294,   27,   0,    27,
    'b',    27,   294,   23,   0,    23,
    'c',    50,   294,   23,   0,    23,
    'd',    73,   294,   25,   0,    25,
    'e',    98,   294,   23,   0,    23,
    'f',   121,   294,   14,   0,    14,
    'g',   135,   294,   27,   0,    27,
    'h',   162,   294,   24,   0,    24,
    'i',   186,   294,   11,   0,    11,
    'j',   197,   294,   11,   0,    11,
    'k',   208,   294,   23,   0,    23,
    'l',   231,   294,   10,   0,    10,
    'm',   241,   294,   34,   0,    34,
    'n',   275,   294,   24,   0,    24,
    'o',   299,   294,   26,   0,    26,
    'p',   325,   294,   24,   0,    24,
    'q',   349,   294,   25,   0,    25,
    'r',   374,   294,   15,   0,    15,
    's',   389,   294,   19,   0,    19,
    't',   408,   294,   12,   0,    12,
    'u',   420,   294,   24,   0,    24,
    'v',   444,   294,   24,   0,    24,

    'w',     0,   343,   33,   0,    33,
    'x',    33,   343,   19,   0,    19,
    'y',    51,   343,   21,   0,    21,
    'z',    72,   343,   19,   0,    19,

    GLYPH_TABLE_END,
};
// clang-format on

inline constexpr std::size_t GLYPH_TABLE_SIZE = sizeof(GLYPH_TABLE) / sizeof(GLYPH_TABLE[0]);
static_assert(GLYPH_TABLE_SIZE == 2 + GLYPH_TABLE_GLYPHS * GLYPH_RECORD_VALUES + 1,
              "every glyph record has six values and the list ends with the marker");
