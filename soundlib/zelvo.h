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

/* Slot and channel numbers: -1 asks for any free one. Slots run from 0 to ZVOICE_MAX_SLOTS-1. */
#define ZVOICE_FREE (-1)
#define ZVOICE_MAX_SLOTS 1024

/* Codes that ZVOICE_GetError returns. The code stays until the next failure (or ZVOICE_Init). */
#define ZVOICE_ERR_NONE 0
#define ZVOICE_ERR_INIT 1          /* not allowed after ZVOICE_Init */
#define ZVOICE_ERR_UNINITIALIZED 2 /* needs ZVOICE_Init first */
#define ZVOICE_ERR_OUTPUT_INIT 3
#define ZVOICE_ERR_OUTPUT_IN_USE 4
#define ZVOICE_ERR_PLAY 5
#define ZVOICE_ERR_OUTPUT_FORMAT 6
#define ZVOICE_ERR_COOPERATIVE 7
#define ZVOICE_ERR_CREATE_BUFFER 8
#define ZVOICE_ERR_FILE_NOT_FOUND 9
#define ZVOICE_ERR_FILE_FORMAT 10 /* not a format the library knows */
#define ZVOICE_ERR_FILE_LOAD 11   /* known format, but it does not decode */
#define ZVOICE_ERR_MEMORY 12
#define ZVOICE_ERR_VERSION 13
#define ZVOICE_ERR_INVALID_PARAM 14 /* bad handle, slot, channel or argument */
#define ZVOICE_ERR_EAX 15
#define ZVOICE_ERR_CHANNEL_ALLOC 16 /* every channel is busy */
#define ZVOICE_ERR_RECORD 17
#define ZVOICE_ERR_CODEC 18

/* Defaults every loaded sample reports: volume 0..255, pan 0 (left) .. 128 (centre) .. 255
 * (right), priority 0..255; the frequency is the source file's sample rate. */
#define ZVOICE_DEFAULT_VOLUME 255
#define ZVOICE_DEFAULT_PAN 128
#define ZVOICE_DEFAULT_PRIORITY 128

/* Song master volume runs from 0 (silent) to ZTUNE_MAX_VOLUME, which is also the default. */
#define ZTUNE_MAX_VOLUME 256

ZELVO_API float ZVOICE_GetVersion(void);
/* Opens the output named by the environment variable ZELVO_OUTPUT: "device" (the default; falls
 * back to "null" with one line on standard error when no device opens), "null", or "wav:PATH".
 * Returns 1 on success, 0 on failure. */
ZELVO_API int ZVOICE_Init(int mix_rate, int max_channels, unsigned int flags);
ZELVO_API int ZVOICE_GetError(void);
/* Stops every sound and frees every sample, stream and song; their handles become invalid. */
ZELVO_API void ZVOICE_Close(void);

/* Decodes WAV, AIFF, Ogg Vorbis and MP3 files. offset and length select a byte range of the file
 * holding a complete sound file (0, 0 = the whole file). 8-bit sources keep 8 bits, all others
 * decode to 16 bits; files with more than two channels are folded into stereo. The mode word
 * keeps the caller's bits other than the width and channel bits. Works before ZVOICE_Init too.
 * A slot that already holds a sample gets the new one and the old one is freed. */
ZELVO_API ZVOICE_SAMPLE ZVOICE_Sample_Load(int slot, const char* file, unsigned int mode,
                                           int offset, int length);
ZELVO_API ZVOICE_SAMPLE ZVOICE_Sample_Get(int slot);
/* Returns the channel the sample plays on, or -1. */
ZELVO_API int ZVOICE_PlaySound(int channel, ZVOICE_SAMPLE sample);
ZELVO_API unsigned int ZVOICE_Sample_GetMode(ZVOICE_SAMPLE sample);
/* Length in frames. */
ZELVO_API unsigned int ZVOICE_Sample_GetLength(ZVOICE_SAMPLE sample);
/* Any out pointer may be null. */
ZELVO_API int ZVOICE_Sample_GetDefaults(ZVOICE_SAMPLE sample, int* frequency, int* volume, int* pan,
                                        int* priority);
/* Loop start and end in frames, from the file's own loop (WAV "smpl", AIFF markers). loop_end is
 * exclusive: one past the loop's last frame. Without loop data: 0 and the length. */
ZELVO_API int ZVOICE_Sample_GetLoopPoints(ZVOICE_SAMPLE sample, int* loop_start, int* loop_end);
/* offset and length in bytes; ptr1 addresses the whole decoded sample as interleaved signed
 * frames (8 or 16 bits by the mode word); ptr2/len2 are always null/0 here. With offset > 0,
 * ptr1 points that many bytes in; length 0 means up to the end, and a length past the end is
 * cut to it (len1 tells). The data stays valid until the sample is freed. */
ZELVO_API int ZVOICE_Sample_Lock(ZVOICE_SAMPLE sample, int offset, int length, void** ptr1,
                                 void** ptr2, unsigned int* len1, unsigned int* len2);
ZELVO_API int ZVOICE_Sample_Unlock(ZVOICE_SAMPLE sample, void* ptr1, void* ptr2, unsigned int len1,
                                   unsigned int len2);
ZELVO_API void ZVOICE_Sample_Free(ZVOICE_SAMPLE sample);

/* A stream decodes its file like ZVOICE_Sample_Load; its sample belongs to the stream and is
 * freed by ZVOICE_Stream_Close. */
ZELVO_API ZVOICE_STREAM ZVOICE_Stream_Open(const char* file, unsigned int mode, int offset,
                                           int length);
ZELVO_API ZVOICE_SAMPLE ZVOICE_Stream_GetSample(ZVOICE_STREAM stream);
ZELVO_API int ZVOICE_Stream_Close(ZVOICE_STREAM stream);

/* Songs: MOD and IT modules, and standard MIDI files played with a General MIDI SoundFont (the
 * file named by ZELVO_SOUNDFONT, else the system's default one). Needs ZVOICE_Init. Songs loop
 * until stopped; ZTUNE_PlaySong starts from the beginning. */
ZELVO_API ZTUNE_SONG ZTUNE_LoadSong(const char* file);
ZELVO_API int ZTUNE_SetMasterVolume(ZTUNE_SONG song, int volume);
ZELVO_API int ZTUNE_PlaySong(ZTUNE_SONG song);
ZELVO_API int ZTUNE_StopSong(ZTUNE_SONG song);

#ifdef __cplusplus
}
#endif

#endif
