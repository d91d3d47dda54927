/* Control of the host stand-in, for the simulated till and the tests only (the module never includes it):
 * preset and inspect the host fields, script the answers of the outside components, observe what the module
 * hands to the host. */
#ifndef VORTASIM_H
#define VORTASIM_H

#include "vortadefs.h"

VORTA_BEGIN

/* Forgets every field, counter, scripted answer and observer: a fresh host. */
VORTA_EXPORT void VortaSimReinicia(void);

/* Folder of the host program (INI files, result file, audit trail): CB_HOST_DIR, else the executable's. */
VORTA_EXPORT int VortaSimDiretorioHost(char* saida, int capacidade);
/* Names of the files the stand-in writes in the host folder. */
#define VORTASIM_ARQUIVO_RESULTADO "CBResultado.txt"
#define VORTASIM_ARQUIVO_AUDIT "CBAudit.log"

/* Number of result-file writes since the last reset. */
VORTA_EXPORT int VortaSimQtdeGravaArquivo(void);
/* Number of transaction confirmations sent since the last reset. */
VORTA_EXPORT int VortaSimQtdeFinalizacoes(void);
/* Handle last given to ColocaJanelaEmPrimeiroPlano (0 when none since the last reset). */
VORTA_EXPORT uintptr_t VortaSimUltimaJanelaPrimeiroPlano(void);

/* What the other payment module does when CarregaModulos runs it. */
enum { VORTASIM_MODULO_EXECUTA = 0, VORTASIM_MODULO_FALHA = 1, VORTASIM_MODULO_EXCECAO = 2 };
/* On VORTASIM_MODULO_EXECUTA it leaves resultado in field 1009 and the receipt figures in 10170 and 20128. */
VORTA_EXPORT void VortaSimDefineModuloTEF(int comportamento, const char* resultado, int linhaRecorte,
                                          int linhasCupom);
/* Arguments of the last CarregaModulos call ("" and 0 before any). */
VORTA_EXPORT void VortaSimUltimoModuloTEF(char* codigo, int capacidade, int* a, int* b);

/* Answer of ValidarOperador: 1 valid, 0 refused, -1 ask the validator callback (refused when none). */
VORTA_EXPORT void VortaSimDefineRespostaOperador(int resposta);
typedef bool (*VortaSimValidadorOperador)(uintptr_t janela, const char* nivel, void* contexto);
VORTA_EXPORT void VortaSimDefineValidadorOperador(VortaSimValidadorOperador validador, void* contexto);
/* Number of ValidarOperador calls since the last reset. */
VORTA_EXPORT int VortaSimQtdeValidarOperador(void);

/* Makes AplicaTemaKestra fail for forms of this class ("" or NULL: never), to exercise creation failures. */
VORTA_EXPORT void VortaSimDefineFalhaTema(const char* classeFormulario);
/* Answer of PermiteAlterarDados (default true). */
VORTA_EXPORT void VortaSimDefinePermiteAlterarDados(bool permite);

/* Observer of what the module hands to the host: kind is "audit", "resultado" (result file written),
 * "erroPDV" or "finalizacao"; text is the line or message. */
typedef void (*VortaSimObservador)(const char* tipo, const char* texto, void* contexto);
VORTA_EXPORT void VortaSimDefineObservador(VortaSimObservador observador, void* contexto);

/* Enumerates the fields in (field, occurrence) order; returns the number of entries. The callback receives
 * the bytes and their length. */
typedef void (*VortaSimVisitaCampo)(int campo, int ocorrencia, const char* valor, int tamanho,
                                    void* contexto);
VORTA_EXPORT int VortaSimVisitaCampos(VortaSimVisitaCampo visita, void* contexto);

VORTA_END

#endif
