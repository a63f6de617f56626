// The list of texture names whose pictures could not be read.
#include "game/shell/overlay/pictures.h"

#include <algorithm>
#include <vector>

static std::vector<GLuint> missing_pictures;

bool picture_available(GLuint texture) {
    return std::find(missing_pictures.begin(), missing_pictures.end(), texture) ==
           missing_pictures.end();
}

void mark_picture_missing(GLuint texture) {
    if (picture_available(texture)) missing_pictures.push_back(texture);
}

void forget_missing_pictures() {
    missing_pictures.clear();
}
