/* The sound library's C interface, shared by the game and the bank builder.
 * Handles are opaque 32-bit values; 0 means failure, and every failing call sets the code
 * that ZVOICE_GetError returns. Calls come from one thread at a time. */
#ifndef ZELVO_H
#define ZELVO_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define ZELVO_API __attribute__((visibility("default")))
#else
#define ZELVO_API
#endif

typedef uint32_t ZVOICE_SAMPLE;
typedef uint32_t ZVOICE_STREAM;
typedef uint32_t ZTUNE_SONG;

/* Mode word bits of a sample. Other bits are passed through untouched. */
#define ZVOICE_8BITS 0x08
#define ZVOICE_16BITS 0x10
#define ZVOICE_MONO 0x20
#define ZVOICE_STEREO 0x40

/* Slot and channel numbers: -1 asks for any free one. */
#define ZVOICE_FREE (-1)

ZELVO_API float ZVOICE_GetVersion(void);
ZELVO_API int ZVOICE_Init(int mix_rate, int max_channels, unsigned int flags);
ZELVO_API int ZVOICE_GetError(void);
ZELVO_API void ZVOICE_Close(void);

ZELVO_API ZVOICE_SAMPLE ZVOICE_Sample_Load(int slot, const char* file, unsigned int mode, int offset,
                                           int length);
ZELVO_API ZVOICE_SAMPLE ZVOICE_Sample_Get(int slot);
/* Returns the channel the sample plays on, or -1. */
ZELVO_API int ZVOICE_PlaySound(int channel, ZVOICE_SAMPLE sample);
ZELVO_API unsigned int ZVOICE_Sample_GetMode(ZVOICE_SAMPLE sample);
/* Length in frames. */
ZELVO_API unsigned int ZVOICE_Sample_GetLength(ZVOICE_SAMPLE sample);
/* Any out pointer may be null. */
ZELVO_API int ZVOICE_Sample_GetDefaults(ZVOICE_SAMPLE sample, int* frequency, int* volume, int* pan,
                                        int* priority);
/* Loop start and end in frames. */
ZELVO_API int ZVOICE_Sample_GetLoopPoints(ZVOICE_SAMPLE sample, int* loop_start, int* loop_end);
/* offset and length in bytes; ptr1 addresses the whole decoded sample as interleaved signed
 * frames (8 or 16 bits by the mode word); ptr2/len2 are always null/0 here. */
ZELVO_API int ZVOICE_Sample_Lock(ZVOICE_SAMPLE sample, int offset, int length, void** ptr1,
                                 void** ptr2, unsigned int* len1, unsigned int* len2);
ZELVO_API int ZVOICE_Sample_Unlock(ZVOICE_SAMPLE sample, void* ptr1, void* ptr2, unsigned int len1,
                                   unsigned int len2);
ZELVO_API void ZVOICE_Sample_Free(ZVOICE_SAMPLE sample);

ZELVO_API ZVOICE_STREAM ZVOICE_Stream_Open(const char* file, unsigned int mode, int offset,
                                           int length);
ZELVO_API ZVOICE_SAMPLE ZVOICE_Stream_GetSample(ZVOICE_STREAM stream);
ZELVO_API int ZVOICE_Stream_Close(ZVOICE_STREAM stream);

ZELVO_API ZTUNE_SONG ZTUNE_LoadSong(const char* file);
ZELVO_API int ZTUNE_SetMasterVolume(ZTUNE_SONG song, int volume);
ZELVO_API int ZTUNE_PlaySong(ZTUNE_SONG song);
ZELVO_API int ZTUNE_StopSong(ZTUNE_SONG song);

#ifdef __cplusplus
}
#endif

#endif
