/* Calling convention and export marks shared by the host component headers. */
#ifndef VORTADEFS_H
#define VORTADEFS_H

#include <stdbool.h>
#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define VORTA_CALL __stdcall
#else
#define VORTA_CALL
#endif

#if defined(_WIN32)
#define VORTA_EXPORT __declspec(dllexport)
#else
#define VORTA_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#define VORTA_BEGIN extern "C" {
#define VORTA_END }
#else
#define VORTA_BEGIN
#define VORTA_END
#endif

/* Status of the field operations: 0 is success. */
enum {
    HL_OK = 0,
    HL_CAMPO_AUSENTE = 1,  /* the field (or occurrence) holds nothing */
    HL_BUFFER_PEQUENO = 2, /* the caller's buffer is shorter than the field */
    HL_PARAMETRO_INVALIDO = 3,
    HL_FALHA_ARQUIVO = 4, /* result file or audit trail could not be written */
    HL_FALHA_GRAVACAO = 5 /* the host refused to store the field */
};

#endif
