// The skins of the four figures. Each is laid out top to bottom as head, body and legs, so
// that any mapping of the figure's parts onto the picture lands on the right colours.
#pragma once

#include "canvas.h"

Canvas teletubby_skin();
Canvas fuerst_skin();
Canvas princess_skin();
Canvas orc_skin();
