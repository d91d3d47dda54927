/* basekit: the maker's shared package: field access by string, other payment modules, build information,
 * look of the forms, and the formatting and validation routines (which a host may call too).
 *
 * Routines that produce text follow snprintf: they write at most capacidade - 1 bytes and a NUL into saida
 * and return the length of the whole result, so a caller whose buffer was short can call again. */
#ifndef BASEKIT_H
#define BASEKIT_H

#include "vortadefs.h"

VORTA_BEGIN

/* Field text into saida; returns its length, or -1 when the field is absent (saida then holds ""). */
VORTA_EXPORT int VORTA_CALL LeCampo(char* saida, int capacidade, int campo, int ocorrencia);
/* Sets the field to the NUL-terminated text; 16-bit status, 0 on success. */
VORTA_EXPORT uint16_t VORTA_CALL GravaCampoString(int campo, int ocorrencia, const char* texto);
/* Reports an error result to the point of sale: fields 1009 and 1027 and the result file. */
VORTA_EXPORT uint16_t VORTA_CALL EnviaArquivoErroPDV(int codigo, const char* mensagem);

/* Transaction descriptor: the transaction code and the ordered host fields whose contents make up a request.
 * Packed as the host lays it out: 13-byte entries and 537-byte descriptors where pointers are 32 bits; on 64-bit
 * hosts the text pointer takes its natural 8 bytes. */
#define TABELATRN_MAX_CAMPOS 41
#define CAMPOTRN_IGNORADO 65535 /* entry skipped (also every spare entry at the end) */
#pragma pack(push, 1)
typedef struct TCampoTrn {
    uint16_t Campo;      /* host field; 0 = the entry sends Texto itself (constant or module variable) */
    uint16_t Ocorrencia; /* occurrence; in a block's first entry, how many times the block is sent */
    uint16_t Bloco;      /* in a block's first entry, the number of entries of the per-document block */
    uint16_t Formato;
    uint8_t Separador;
    const char* Texto; /* prefix, constant or module variable (NUL-terminated); NULL when none */
} TCampoTrn;
typedef struct TTabelaTrn {
    uint16_t CodigoTransacao;
    uint16_t Indicador;
    TCampoTrn Campos[TABELATRN_MAX_CAMPOS];
} TTabelaTrn;
#pragma pack(pop)

/* Progress text for the calling form's status label. */
typedef void(VORTA_CALL* VortaProgresso)(const char* texto, void* contexto);
/* Sends the request the descriptor describes to the server and stores the reply: the previous reply services
 * are cleared, the new ones stored, and fields 1009 (result code) and 1027 (text) set. False when nothing came
 * back (then 1009 holds "255" and 1027 says why). flag is 1 only for the INSS benefit query and the
 * service-basket change. */
VORTA_EXPORT bool VORTA_CALL AutorizaTransacao(const TTabelaTrn* descritor, VortaProgresso progresso,
                                               void* contexto, int flag);
/* Copies occurrence 0 of the service (letter) kept in the field (20010 or 20011 for 'A') into buffer;
 * returns its length, 0 when the service is absent. */
VORTA_EXPORT uint16_t VORTA_CALL ProcuraServico(int modo, int campo, char servico, int reservado, char* buffer,
                                                uint16_t tamanho);
/* Whether an element with this prefix ("DPCHIP:", "PRODX:") is in service 5, within its first limite occurrences
 * (all when limite <= 0). */
VORTA_EXPORT bool VORTA_CALL VerificaServico5(const char* prefixo, int limite);
/* Text of the first service-5 element with this prefix, prefix included; -1 when absent. */
VORTA_EXPORT int VORTA_CALL VerificaServico5String(const char* prefixo, char* saida, int capacidade);

/* Runs a transaction of another payment module of the host; true when it ran. */
VORTA_EXPORT bool VORTA_CALL CarregaModulos(const char* codigoModulo, int a, int b);
/* Version text recorded in the given library or program file ("" when it has none). */
VORTA_EXPORT int VORTA_CALL GetBuildInfo(const char* arquivo, char* saida, int capacidade);
/* Applies the host's common look to a form (a QWidget*); 0 on success. */
VORTA_EXPORT int VORTA_CALL AplicaTemaKestra(void* formulario);
/* Whether the operator may change data preset by the host. */
VORTA_EXPORT bool VORTA_CALL PermiteAlterarDados(void);

/* Money text of an amount in cents: "123456" -> "1.234,56", "5" -> "0,05"; punctuation is ignored. */
VORTA_EXPORT int VORTA_CALL Dollar(const char* origem, char* saida, int capacidade);
/* Removes edit punctuation: keeps the digits only ("1.234,56" -> "123456"). */
VORTA_EXPORT int VORTA_CALL RemoveFormato(const char* origem, char* saida, int capacidade);
/* The character repeated quantidade times. */
VORTA_EXPORT int VORTA_CALL Replicate(int caractere, int quantidade, char* saida, int capacidade);
/* Text left-padded with '0' to largura (longer text is kept whole). */
VORTA_EXPORT int VORTA_CALL PreencherZerosEsquerda(const char* origem, int largura, char* saida,
                                                   int capacidade);
/* The last largura characters of the text (all of it when shorter). */
VORTA_EXPORT int VORTA_CALL RightString(const char* origem, int largura, char* saida, int capacidade);
/* Trimmed text that follows the first occurrence of inicio, up to the next delimitador (or the end);
 * "" when inicio does not occur. */
VORTA_EXPORT int VORTA_CALL CopiaSubStringDelimitador(const char* origem, const char* inicio,
                                                      char delimitador, char* saida, int capacidade);

/* Normalises a typed character in place and returns it: line feed becomes 13, DEL becomes 8. */
VORTA_EXPORT char VORTA_CALL ValKeyBoard(char* tecla);
/* Lets only digits, Backspace (8) and Enter (13) through; anything else becomes 0 (swallowed). */
VORTA_EXPORT char VORTA_CALL PermiteNumerico_BS_Enter(char* tecla);
/* '2' selects the next item of the combo box (a QComboBox*), '8' the previous one; the key is consumed. */
VORTA_EXPORT void VORTA_CALL AvancaRetrocedeItemComboBox(void* combo, char* tecla);
/* Overwrites the text of an edit (a QLineEdit*) with '*' and clears it, so no copy of a card number lingers.
 */
VORTA_EXPORT void VORTA_CALL memLimpaEdit(void* edit);

/* Check digits. Each takes the digits as a NUL-terminated string (no punctuation). */
VORTA_EXPORT bool VORTA_CALL
ValidaModulo10(const char* digitos); /* last digit is the module-10 DV of the rest */
/* One block of a collection's typed line whose value identifier is 8 or 9: the last digit is the module-11 DV
 * of the rest (remainders 0 and 1 give 0, remainder 10 gives 1). */
VORTA_EXPORT bool VORTA_CALL ValidaModulo11Convenio(const char* digitos);
/* 44-digit bank-slip bar code or 47-digit typed line: field DVs (module 10) and general DV (module 11). */
VORTA_EXPORT bool VORTA_CALL ValidaCodigoBarrasCompletoTitulo(const char* digitos);
/* 44-digit collection bar code or 48-digit typed line ("8" first): block DVs and general DV, module 10 or 11
 * as the value identifier (third digit) says. */
VORTA_EXPORT bool VORTA_CALL ValidaCodigoBarrasCompletoConvenio(const char* digitos);
VORTA_EXPORT bool VORTA_CALL VerificaCPF(const char* digitos);
/* 14 characters: numeric CNPJ, or the alphanumeric CNPJ (12 of 0-9/A-Z, then 2 check digits). */
VORTA_EXPORT bool VORTA_CALL VerificaCNPJ(const char* digitos);

VORTA_END

#endif
