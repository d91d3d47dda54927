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
/* Writes of these host fields by the module fail with HL_FALHA_GRAVACAO from now on (quantidade 0: none). */
VORTA_EXPORT void VortaSimDefineFalhaGravacao(const int* campos, int quantidade);
/* Answer of PermiteAlterarDados (default true). */
VORTA_EXPORT void VortaSimDefinePermiteAlterarDados(bool permite);

/* The payment server of AutorizaTransacao. Requests and replies travel as frames (server/PROTOCOL.md); one
 * connection is chosen at a time, the last one defined, and VortaSimReinicia leaves none (every authorisation
 * then fails with 1009 "255").
 *
 * In-process: the platform calls servidor with the request frame and the deadline. The request bytes belong
 * to the platform and are valid only during the call. The server answers, at most once, by calling
 * responde(canal, frame, length), which copies the bytes before it returns, so the server keeps its own
 * buffer; it returns VORTASIM_SERVIDOR_RESPONDEU when it did so, VORTASIM_SERVIDOR_SEM_RESPOSTA when no
 * answer came within prazoMs and VORTASIM_SERVIDOR_CONEXAO_ENCERRADA when it dropped the request. It runs on
 * the caller's thread, must return within the deadline and must not let an exception out. A null servidor
 * removes the in-process connection (when it is the one chosen). */
enum {
    VORTASIM_SERVIDOR_RESPONDEU = 0,
    VORTASIM_SERVIDOR_SEM_RESPOSTA = 1,
    VORTASIM_SERVIDOR_CONEXAO_ENCERRADA = 2
};
typedef void (*VortaSimRespondePedido)(void* canal, const char* quadro, int tamanho);
typedef int (*VortaSimServidorLocal)(const char* pedido, int tamanho, int prazoMs,
                                     VortaSimRespondePedido responde, void* canal, void* contexto);
VORTA_EXPORT void VortaSimDefineServidorLocal(VortaSimServidorLocal servidor, void* contexto);
/* TCP: "HOST:PORT" ("127.0.0.1:4000", "localhost:4000", "[::1]:4000"), one connection per request. Returns 0,
 * or -1 (and changes nothing) when the text is not of that form. NULL removes the TCP connection (when it is
 * the one chosen). */
VORTA_EXPORT int VortaSimDefineServidorTcp(const char* hostPorta);
/* How long an authorisation waits for the whole exchange, in milliseconds; 0 or less restores the default:
 * CB_PRAZO_SERVIDOR_MS when it holds a positive number, else 15000. */
VORTA_EXPORT void VortaSimDefinePrazoServidor(int ms);
VORTA_EXPORT int VortaSimPrazoServidor(void);
/* Number of AutorizaTransacao calls since the last reset. */
VORTA_EXPORT int VortaSimQtdeAutorizacoes(void);

/* Observer of what the module hands to the host: kind is "audit", "resultado" (result file written),
 * "erroPDV", "finalizacao" or "pinpad" (what the simulated PIN pad did, card numbers masked); text is the
 * line or message. Each authorisation adds "pedido", the request on one line: its code, then field="value"
 * per item (field.occurrence when the occurrence is not 0; a constant shows as 0="text"), values with \"
 * \\ and \xHH escapes and sensitive ones (card and account data, PIN block, security codes, anything that
 * looks like a card number) as '*'; and "resposta": "code" "text" (escaped alike), then letter=count per
 * service and h=count; "255" and the failure text when no reply came.
 */
typedef void (*VortaSimObservador)(const char* tipo, const char* texto, void* contexto);
VORTA_EXPORT void VortaSimDefineObservador(VortaSimObservador observador, void* contexto);

/* Enumerates the fields in (field, occurrence) order; returns the number of entries. The callback receives
 * the bytes and their length. */
typedef void (*VortaSimVisitaCampo)(int campo, int ocorrencia, const char* valor, int tamanho,
                                    void* contexto);
VORTA_EXPORT int VortaSimVisitaCampos(VortaSimVisitaCampo visita, void* contexto);
/* The same with each value as the observer's request lines show it: card and account data, PIN blocks,
 * security codes and anything that looks like a card number as '*', one per byte. */
VORTA_EXPORT int VortaSimVisitaCamposMascarados(VortaSimVisitaCampo visita, void* contexto);

/* The simulated PIN pad (padkit) and BIN table (binkit). */
enum { VORTASIM_CARTAO_MAGNETICO = 0, VORTASIM_CARTAO_CHIP = 1 };
/* Adds a card to those on offer (number, track 2, expiry YYMM, service code, kind, three-digit network code);
 * returns its index. */
VORTA_EXPORT int VortaSimPinpadAdicionaCartao(const char* numero, const char* trilha2, const char* validade,
                                              const char* codigoServico, int tipo, const char* rede);
/* The card the customer presents at the next reads (its index; -1: none, the reads time out). */
VORTA_EXPORT void VortaSimPinpadApresentaCartao(int indice);
/* Results of the next card analyses, in order (0, 3 or any other); once used up, analyses return 0. */
VORTA_EXPORT void VortaSimPinpadDefineAnalises(const int* resultados, int quantidade);
/* Forgets (and wipes) every card on offer; no card is presented any more. */
VORTA_EXPORT void VortaSimPinpadLimpaCartoes(void);
/* PINs the customer types at the next PIN entries, one per entry and in order (a call may read the card's PIN
 * and then a token's); a NULL entry: the customer cancels that entry. Replaces the PINs not yet typed; each
 * is wiped once typed, and once they are used up every entry is cancelled. */
VORTA_EXPORT void VortaSimPinpadDefineSenhas(const char* const* senhas, int quantidade);
/* The same with a single PIN (NULL: the customer cancels the next entry). */
VORTA_EXPORT void VortaSimPinpadDefineSenha(const char* senha);
/* Answers to the next confirmations (true confirms); once used up, confirmations are accepted. */
VORTA_EXPORT void VortaSimPinpadDefineConfirmacoes(const bool* respostas, int quantidade);
/* No PIN pad on the port: opening and switching fail, and so do the reads and PIN entries. */
VORTA_EXPORT void VortaSimPinpadDefineFalhaPorta(bool falha);
/* Whether a chip card asks for an offline advice while it is processed. */
VORTA_EXPORT void VortaSimPinpadDefineAdviceOffLine(bool pede);
/* Makes the BIN query fail. */
VORTA_EXPORT void VortaSimBinsDefineFalha(bool falha);
/* Makes reading and processing the chip of the card fail. */
VORTA_EXPORT void VortaSimPinpadDefineFalhaChip(bool falha);
/* Whether the correspondent PIN pad is open, and the port last configured (-1 when none). */
VORTA_EXPORT bool VortaSimPinpadAberto(void);
VORTA_EXPORT int VortaSimPinpadPorta(void);
/* Number of card reads and of PIN entries since the last reset. */
VORTA_EXPORT int VortaSimPinpadQtdeLeituras(void);
VORTA_EXPORT int VortaSimPinpadQtdeSenhas(void);

/* An interactive PIN pad (the till's window): once set, the reads, PIN entries, confirmations and display
 * texts go to it instead of the script above (cards on offer, analyses and failures still apply). pedido is
 * one of VORTASIM_PINPAD_*; visor is the Latin-1 text for the display (the title of a card read, the
 * message of a PIN entry, the text to confirm or to show). It returns:
 *   CARTAO      after calling VortaSimPinpadApresentaCartao: VORTASIM_PINPAD_OK; else
 *               VORTASIM_PINPAD_SEM_CARTAO (nothing presented in time) or VORTASIM_PINPAD_ANULADO;
 *   SENHA       after handing the digits over with VortaSimPinpadEntregaSenha: VORTASIM_PINPAD_OK; else
 *               VORTASIM_PINPAD_ANULADO;
 *   CONFIRMACAO VORTASIM_PINPAD_OK (Entra) or VORTASIM_PINPAD_ANULADO (Anula);
 *   MENSAGEM, TITULO  anything: they only update the display (TITULO: the title of the PIN entry that
 *               follows, which the host shows beside the PIN pad).
 * It runs on the caller's thread, must return within a deadline of its own (a PIN pad nobody attends ends
 * the request) and must not let an exception out. NULL restores the scripted PIN pad. */
enum {
    VORTASIM_PINPAD_CARTAO = 1,
    VORTASIM_PINPAD_SENHA = 2,
    VORTASIM_PINPAD_CONFIRMACAO = 3,
    VORTASIM_PINPAD_MENSAGEM = 4,
    VORTASIM_PINPAD_TITULO = 5
};
enum { VORTASIM_PINPAD_OK = 0, VORTASIM_PINPAD_ANULADO = 1, VORTASIM_PINPAD_SEM_CARTAO = 2 };
typedef int (*VortaSimPinpadInterativo)(int pedido, const char* visor, void* contexto);
VORTA_EXPORT void VortaSimPinpadDefineInterativo(VortaSimPinpadInterativo interativo, void* contexto);
/* During a SENHA request only: the digits typed (4 to 12). The platform keeps its own copy until the PIN
 * block is built and then wipes it; the caller wipes its buffer. Returns 0, or -1 (nothing kept) outside a
 * SENHA request or when the text is not 4 to 12 digits. */
VORTA_EXPORT int VortaSimPinpadEntregaSenha(const char* digitos);

VORTA_END

#endif
