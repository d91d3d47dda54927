// The card and PIN steps that the card services of the other-functions and administrative menus share (INSS
// PIN revalidation, benefit credit statement, debit-card request, service-basket change, Fininvest reprint),
// and their operation codes.
#pragma once

class TFrmMod;

namespace ServicosCartao {

// Transaction kind of the card and PIN capture of these services: their network is the one of the
// transaction-mode record of the parameter load.
inline constexpr int TIPO_CAPTURA = 61;

// Reads and analyses the customer's card, then takes the PIN on the PIN pad. False when the chain must end:
// the reason is then in 1009/1027, the result file written, the PIN pad closed and the form's modal result 1.
bool LeCartaoESenha(TFrmMod* form);

// Ends the form's chain after a step that failed: 1009/1027 keep the reason the step left, or say the
// operation was cancelled when the step left none (an approval of an earlier request must not reach the host
// as this one's); then the PIN pad is closed, the result file written and the modal result set to 1.
void EncerraComFalha(TFrmMod* form);

// Closes the correspondent PIN pad when a read of this chain left it open.
void FechaPinpad();

// While it lives, the field holds the number of the card just read (taken from the track in 10104), for a
// request that identifies the card by its number. The field is overwritten and cleared when it goes, before
// anything writes the result file.
class NumeroCartaoNoCampo {
public:
    explicit NumeroCartaoNoCampo(int campo);
    ~NumeroCartaoNoCampo();
    NumeroCartaoNoCampo(const NumeroCartaoNoCampo&) = delete;
    NumeroCartaoNoCampo& operator=(const NumeroCartaoNoCampo&) = delete;

private:
    int campo_;
    int tamanho_ = 0;
};

// Operation codes (field 10158) of the requests of these services.
inline constexpr char OPERACAO_REVALIDACAO_SENHA_INSS[] = "70";
inline constexpr char OPERACAO_PEDIDO_CARTAO_DEBITO[] = "71";
inline constexpr char OPERACAO_DATAS_DEMONSTRATIVO[] = "72";
inline constexpr char OPERACAO_DEMONSTRATIVO_CREDITO[] = "73";
inline constexpr char OPERACAO_ALTERACAO_CESTA[] = "75";
inline constexpr char OPERACAO_REIMPRESSAO_FININVEST[] = "76";

// Field 10134 (and 10341): the card data of the request came from a card read on the PIN pad.
inline constexpr char ENTRADA_CARTAO_LIDO[] = "1";

} // namespace ServicosCartao
