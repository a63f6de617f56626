// The pivot points of the eleven body parts of each figure model, in model space (feet at
// y = 0, facing +z): 0 hips, 1 torso, 2 head, 3 and 4 left shoulder and elbow, 5 and 6 right
// shoulder and elbow, 7 and 8 left hip and knee, 9 and 10 right hip and knee. The body meshes
// are built around them and the figures rotate their parts about them.
#pragma once

struct PivotXY {
    float x, y; // z is 0 for every pivot
};

constexpr PivotXY TELETUBBY_PIVOTS[11] = {{0, 0},           {0, -0.077f},      {0, 0.525f},
                                          {-0.154f, 1.02f}, {-0.243f, 0.769f}, {0.154f, 1.02f},
                                          {0.243f, 0.769f}, {-0.103f, 0.484f}, {-0.103f, 0.213f},
                                          {0.103f, 0.484f}, {0.103f, 0.213f}};

constexpr PivotXY FUERST_PIVOTS[11] = {{0, 1.27f},       {0, 1.34f},       {0, 2.24f},
                                       {-0.304f, 2.13f}, {-0.388f, 1.64f}, {0.304f, 2.13f},
                                       {0.388f, 1.64f},  {-0.157f, 1.18f}, {-0.172f, 0.666f},
                                       {0.157f, 1.18f},  {0.172f, 0.666f}};

constexpr PivotXY PRINCESS_PIVOTS[11] = {{0, 0.834f},     {0, 0.888f},      {0, 1.46f},
                                         {-0.2f, 1.37f},  {-0.248f, 1.13f}, {0.2f, 1.37f},
                                         {0.248f, 1.13f}, {-0.109f, 0.8f},  {-0.117f, 0.4f},
                                         {0.109f, 0.8f},  {0.117f, 0.4f}};

constexpr PivotXY CAVEORC_PIVOTS[11] = {{0, 1.33f},       {0, 1.45f},       {0, 3.12f},
                                        {-0.585f, 2.77f}, {-0.959f, 1.78f}, {0.585f, 2.77f},
                                        {0.959f, 1.78f},  {-0.435f, 1.22f}, {-0.435f, 0.5f},
                                        {0.435f, 1.22f},  {0.435f, 0.5f}};
