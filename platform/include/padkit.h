/* padkit: the host's PIN-pad package (card reading and analysis, PIN entry, confirmations, chip messages).
 *
 * Status results are 16-bit, 0 on success. A failed read or PIN capture leaves "FF" in field 1009 and the
 * reason in field 1027, so the caller only has to hand the result file to the host. Texts are Latin-1. */
#ifndef PADKIT_H
#define PADKIT_H

#include "basekit.h"
#include "vortadefs.h"

VORTA_BEGIN

enum {
    PAD_OK = 0,
    PAD_LER_NOVAMENTE = 3,   /* analysis: present the card again */
    PAD_CANCELADO = 9,       /* the customer or operator cancelled on the PIN pad */
    PAD_FALHA_PORTA = 10,    /* no PIN pad answers on the port */
    PAD_SEM_CARTAO = 11,     /* no card was presented in time (or none was read yet) */
    PAD_FECHADO = 12,        /* the correspondent PIN pad is not open */
    PAD_CARTAO_RECUSADO = 13 /* analysis: the card cannot be used here */
};

/* Opens the correspondent PIN pad. */
VORTA_EXPORT uint16_t VORTA_CALL AbrePinpadCB(void);
/* Closes the correspondent PIN pad. */
VORTA_EXPORT uint16_t VORTA_CALL FechaPinpadCB(void);
/* Reads a card on the open correspondent PIN pad, which shows titulo; the card's track goes to fields 10104
 * and 10109 (CartaoProcessaChip tells whether it was read from the chip). */
VORTA_EXPORT uint16_t VORTA_CALL LerCartaoCB(uintptr_t janela, const char* titulo);
/* As LerCartaoCB for a card of any issuer (generico = 1). */
VORTA_EXPORT uint16_t VORTA_CALL LerCartaoCBGenerico(uintptr_t janela, int generico, const char* titulo);
/* Reads a card through the general library (no correspondent PIN pad needed); fields as LerCartaoCB. */
VORTA_EXPORT uint16_t VORTA_CALL LerCartao(uintptr_t janela, int generico, const char* titulo);
/* Whether the card read last is processed by its chip. */
VORTA_EXPORT bool VORTA_CALL CartaoProcessaChip(void);
/* Analysis of the card read last: PAD_OK accepted, PAD_LER_NOVAMENTE read it again, any other value ends the
 * reading. The correspondent and the general versions differ only in the library that runs them. */
VORTA_EXPORT uint16_t VORTA_CALL AnalisaDadosCartaoCB(void);
VORTA_EXPORT uint16_t VORTA_CALL AnalisaDadosCartao(void);
/* PIN entry on the correspondent PIN pad (mensagem on its display); the PIN block goes to field 10146 and the
 * key serial number to field 10243. PAD_CANCELADO when the customer cancels. */
VORTA_EXPORT uint16_t VORTA_CALL LerSenhaCB(uintptr_t janela, const char* mensagem, const char* titulo);
/* PIN entry through the general library; reservado and opcao are "" and 0. Results as LerSenhaCB. */
VORTA_EXPORT uint16_t VORTA_CALL LerSenha(uintptr_t janela, const char* mensagem, const char* reservado,
                                          int opcao, const char* titulo);
/* Formats the data captured by the PIN pad for the request (modo 0). */
VORTA_EXPORT uint16_t VORTA_CALL FormataDadosPinpadCB(int modo);
/* Switches the PIN pad to the port (reservado and parametros are 0 and ""). */
VORTA_EXPORT uint16_t VORTA_CALL ConfiguraPinPad(int porta, int reservado, const char* parametros);
/* Chip data of the card read last, for the request (nothing to add for a magnetic card). */
VORTA_EXPORT uint16_t VORTA_CALL ObtemDadosEmvCB(void);
/* As ObtemDadosEmvCB through the general library, reporting progress; true when the data were obtained. */
VORTA_EXPORT bool VORTA_CALL VerificaObtemDadosCartao(VortaProgresso progresso, void* contexto);

/* Sends the offline advice a chip card asked for (marca: flag the request as an advice); true when sent. */
typedef bool(VORTA_CALL* VortaAdviceOffLine)(bool marca, void* contexto);
/* Processes the card read last before the request; a chip card may ask for an offline advice, sent through
 * advice. contexto (the calling form) goes to both callbacks. */
VORTA_EXPORT bool VORTA_CALL VerificaProcessamentoCartao(VortaProgresso progresso, VortaAdviceOffLine advice,
                                                         void* contexto);
/* Hands the server's reply to the chip (dpchip: the "DPCHIP:" value, 0 when none); the chip may ask for an
 * offline advice. True when the chip took the reply. */
VORTA_EXPORT bool VORTA_CALL TrataMensagensCartaoCHIP(int dpchip, VortaProgresso progresso,
                                                      VortaAdviceOffLine advice, void* contexto);
/* Shows a text on the PIN pad's display. */
VORTA_EXPORT uint16_t VORTA_CALL ExibeMsgPinpad(const char* texto);
/* A referred reply (field 1009 "01" or "02") is released only when the operator confirms it on the PIN pad;
 * true when the transaction may go on. */
VORTA_EXPORT bool VORTA_CALL VerificaTrataTrnReferida(VortaProgresso progresso, void* contexto,
                                                      const TTabelaTrn* descritor);
/* Asks the customer to confirm the text on the PIN pad (modo 1: with the amount line): PAD_OK confirmed,
 * PAD_CANCELADO refused. */
VORTA_EXPORT uint16_t VORTA_CALL ObtemConfirmacao(const char* texto, int modo);
/* Asks for the card to be removed and forgets the card read last. */
VORTA_EXPORT uint16_t VORTA_CALL RemoveCartao(void);

VORTA_END

#endif
