/* libdsptool: the DSP ADPCM encoder library the bank builder opens at run time by name and
 * resolves with dlsym. Every value of DspAdpcmInfo is filled in the machine's byte order; the
 * caller turns it big-endian for the bank. */
#ifndef DSPTOOL_H
#define DSPTOOL_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The per-channel decoder parameters: 23 16-bit words, 46 bytes, no padding. */
typedef struct DspAdpcmInfo {
    uint16_t coef[16];
    uint16_t gain;
    uint16_t pred_scale;
    uint16_t yn1;
    uint16_t yn2;
    uint16_t loop_pred_scale;
    uint16_t loop_yn1;
    uint16_t loop_yn2;
} DspAdpcmInfo;

/* Bytes of ADPCM data for `samples` samples: 8 per started frame of 14. */
typedef uint32_t (*DsptoolGetBytesFn)(uint32_t samples);
/* Encodes `samples` 16-bit values into `adpcm` (getBytesForAdpcmBuffer(samples) bytes) and
 * fills coef, gain (0), pred_scale (the first frame's header), yn1 and yn2 (0). */
typedef void (*DsptoolEncodeFn)(int16_t* source, uint8_t* adpcm, DspAdpcmInfo* info,
                                uint32_t samples);
/* Fills loop_pred_scale, loop_yn1 and loop_yn2: the header of the frame holding sample
 * `loop_start` and the two decoded samples before it. `adpcm` must hold at least the frames
 * up to and including that sample (the caller keeps loop_start below the encoded length). */
typedef void (*DsptoolLoopContextFn)(uint8_t* adpcm, DspAdpcmInfo* info, uint32_t loop_start);

#if defined(__GNUC__)
#define DSPTOOL_API __attribute__((visibility("default")))
#else
#define DSPTOOL_API
#endif

DSPTOOL_API uint32_t getBytesForAdpcmBuffer(uint32_t samples);
DSPTOOL_API void encode(int16_t* source, uint8_t* adpcm, DspAdpcmInfo* info, uint32_t samples);
DSPTOOL_API void getLoopContext(uint8_t* adpcm, DspAdpcmInfo* info, uint32_t loop_start);

#ifdef __cplusplus
}
#endif

#endif
