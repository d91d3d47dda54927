/* Entry points of the banking-correspondent module, as a host loads and calls them. */
#ifndef CORRESPONDENTE_H
#define CORRESPONDENTE_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define CB_CALL __stdcall
#else
#define CB_CALL
#endif

#if defined(_WIN32)
#define CB_EXPORT __declspec(dllexport)
#else
#define CB_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Operator's banking menu; mode 16 (or a pending payment in field 20036) resumes a pending payment. */
CB_EXPORT void CB_CALL ExecutaGenerico(uint32_t janelaHost, int32_t modo);
/* Administrative menu; mode 1 is the cancellation mode, mode 9 the credit-limit restoration batch. */
CB_EXPORT void CB_CALL ExecutaFuncaoADM(uint32_t janelaHost, int32_t modo);
/* Copies "1.0.0.0" into the first buffer and the module's build version into the second; the host sizes them.
 */
CB_EXPORT void CB_CALL ObtemVersao(char* versaoInterface, char* versaoModulo);
/* Package load and unload: every unit's initialization, respectively finalization. */
CB_EXPORT void CB_CALL Initialize(void);
CB_EXPORT void CB_CALL Finalize(void);

/* Types of the entry points, for hosts that resolve them at run time. */
typedef void(CB_CALL* CbExecutaGenerico)(uint32_t, int32_t);
typedef void(CB_CALL* CbExecutaFuncaoADM)(uint32_t, int32_t);
typedef void(CB_CALL* CbObtemVersao)(char*, char*);
typedef void(CB_CALL* CbInitialize)(void);
typedef void(CB_CALL* CbFinalize)(void);

#ifdef __cplusplus
}
#endif

#endif
