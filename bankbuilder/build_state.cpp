#include "bankbuilder/build_state.h"

BuildState build_state;
BuildSettings build_settings;
std::FILE* dsp_debug_file = nullptr;
std::vector<DspAdpcmInfo> dsp_adpcm_records;
