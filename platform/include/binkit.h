/* binkit: the host's BIN table (card-range queries). */
#ifndef BINKIT_H
#define BINKIT_H

#include "basekit.h"
#include "vortadefs.h"

VORTA_BEGIN

/* Size of one company entry of the query input. */
#define BINKIT_TAMANHO_EMPRESA 36

/* Reads the card and looks its range up among the qtdeEmpresas company entries of 36 bytes (modo 1, or 0 for
 * the chip query of the correspondent network; a and b are 1). On success the outputs (snprintf-style) hold
 * the card's destination network, the company entry it falls in and that company's 12-character code, and
 * the card data are in fields 10104 and 10109; on failure field 1009 holds "FF" and 1027 the reason. */
VORTA_EXPORT bool VORTA_CALL FazConsultaBins(int modo, int a, int b, const char* empresas, int qtdeEmpresas,
                                             char* redeDestino, int capacidadeRede, char* empresaOriginal,
                                             int capacidadeEmpresa, char* codigoEmpresa, int capacidadeCodigo,
                                             VortaProgresso progresso, void* contexto);

VORTA_END

#endif
