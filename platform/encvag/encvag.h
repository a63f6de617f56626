/* libencvag: the VAG encoder library the bank builder opens at run time by name and resolves
 * with dlsym. One 16-byte block per call; the encoder keeps one channel's state between calls
 * (per thread), and EncVagInit starts a new channel. */
#ifndef ENCVAG_H
#define ENCVAG_H

#ifdef __cplusplus
extern "C" {
#endif

/* Block attributes passed to EncVag. */
#define ENCVAG_ATTR_BODY 3 /* any block but the last of a channel */
#define ENCVAG_ATTR_END 4  /* the last block: flagged so playback stops after it */

/* Clears the channel state. The argument is accepted for the caller's sake and ignored. */
typedef void (*EncVagInitFn)(int);
/* Encodes 28 signed 16-bit samples into 16 bytes. Returns 0, or -1 for null pointers. */
typedef int (*EncVagFn)(const short*, unsigned char*, int);
/* Nothing to release; present so callers that resolve it find it. */
typedef void (*EncVagFinFn)(void);

#if defined(__GNUC__)
#define ENCVAG_API __attribute__((visibility("default")))
#else
#define ENCVAG_API
#endif

ENCVAG_API void EncVagInit(int reserved);
ENCVAG_API int EncVag(const short* samples, unsigned char* block, int attribute);
ENCVAG_API void EncVagFin(void);

#ifdef __cplusplus
}
#endif

#endif
