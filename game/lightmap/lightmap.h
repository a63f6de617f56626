// The lightmap of a surface: its lightmap texture coordinates and its lightmap texture, read
// from the cache under data/ or computed from the OpenGL lights and saved there.
#pragma once

#include "game/lightmap/lightmap_texels.h"

#include <GL/gl.h>

struct Surface;

// Sets the surface's lightmap coordinates and creates its lightmap_texture: from
// data/lm_<name>.tga when that file holds a lightmap_size x lightmap_size 24-bit picture,
// otherwise computed from the lights (at most eight) with texels_per_unit texels per unit of
// edge, uploaded, and written to that file. Needs a current GL context.
void build_lightmap(Surface& surface, const GLenum* lights, int count, int lightmap_size,
                    int texels_per_unit);

// The light records of the given GL lights, as OpenGL holds them now, and the global ambient.
void read_light_records(const GLenum* lights, int count, LightRecord* out);
void read_global_ambient(float* rgb);
