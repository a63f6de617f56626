// A stand-in that reports the last version before the one the game needs; preloaded in front of
// the real library to see the game refuse it.
#include "soundlib/zelvo.h"

extern "C" float ZVOICE_GetVersion(void) {
    return 3.70f;
}
