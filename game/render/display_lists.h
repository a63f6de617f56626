// Display-list compilation: one list per mesh, compiled once when an object enters the scene
// (surfaces after their lightmap) and never deleted.
#pragma once

#include "game/world/world_object.h"

// Appends one list name per mesh to object.display_lists. With materials_in_first_only only the
// list of mesh 0 sets a material (the display case's panes get theirs when drawn).
void compile_display_lists(WorldObject& object, bool materials_in_first_only);
