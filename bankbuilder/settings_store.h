// The settings that persist between interactive runs, kept with QSettings in the user's
// configuration under "Zelvo Sample Bank Builder", group "Settings".
#pragma once

#include "bankbuilder/settings.h"

// Reads the saved values into settings. Nothing saved yet: nothing changes. A value that is
// missing keeps the setting (0 for platform, format and small headers).
void load_settings(BuildSettings& settings);
// Writes the eight values.
void save_settings(const BuildSettings& settings);
