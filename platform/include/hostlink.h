/* hostlink: host fields, result file, audit trail and transaction confirmation.
 *
 * A host field is addressed by (field, occurrence) and holds bytes (8-bit Latin-1 text). An absent field and
 * an empty one are distinct: reading an absent one returns HL_CAMPO_AUSENTE with length 0. */
#ifndef HOSTLINK_H
#define HOSTLINK_H

#include "vortadefs.h"

VORTA_BEGIN

/* Reads a field. *tamanho holds the buffer's capacity on entry and the field's length on return; when the
 * field is longer than the buffer, the buffer receives the first bytes and the status is HL_BUFFER_PEQUENO.
 */
VORTA_EXPORT uint16_t VORTA_CALL HostlinkLeCampo(int campo, int ocorrencia, char* buffer, uint16_t* tamanho);
/* As HostlinkLeCampo, reading at most maxLen bytes (the rest of the field is ignored, not an error). */
VORTA_EXPORT uint16_t VORTA_CALL HostlinkLeCampoMaxLen(int campo, int ocorrencia, char* buffer,
                                                       uint16_t* tamanho, uint16_t maxLen);
/* Sets the field to exactly these bytes (an empty value makes the field present and empty). */
VORTA_EXPORT uint16_t VORTA_CALL HostlinkGravaCampo(int campo, int ocorrencia, const char* buffer,
                                                    uint16_t tamanho);
/* Removes every occurrence of the field. */
VORTA_EXPORT uint16_t VORTA_CALL HostlinkLimpaCampo(int campo);
/* Hands every field to the host as the call's result: writes the result file of the host folder. */
VORTA_EXPORT uint16_t VORTA_CALL HostlinkGravaArquivo(void);
/* Sends the confirmation of the last approved transaction to the server. */
VORTA_EXPORT uint16_t VORTA_CALL HostlinkEnviarFinalizacaoEx(int reservado);
/* Appends a time-stamped line to the host's audit trail. */
VORTA_EXPORT void VORTA_CALL GravaAudit(int nivel, const char* texto, int tamanho);

VORTA_END

#endif
