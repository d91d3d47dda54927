// Transfer between accounts of the bank, first step: the operator types the amount, the debit account type,
// the card's security code, the destination account and its type; the limit is checked, the customer types
// the PIN and the bank is asked whether the transfer may go. What was approved is kept for the summary.
#pragma once

#include "frame/Coletatipoconta.h"
#include "protocol/Registro.h"

#include <QString>

namespace Consultatransferenciaentrecontas {

// The transfer the query approved, as the summary shows it.
struct DadosTransferencia {
    QString valor; // digits, cents included
    QString tipoDebito;
    QString banco, agencia, c1, conta, digito;
    QString tipoCredito;
    bool operator==(const DadosTransferencia&) const = default;
};

// The record is 165 bytes of fixed-width text: value (12), debit type text (64), a 0 byte, bank (3), agency
// (4), C1 (1), account (13), digit (2), credit type text (64), a 0 byte. Numbers are zero-filled on the
// left, texts blank-filled on the right; the whole record is zeroed first, so a query leaves nothing of the
// one before.
void Guarda(Registro<165>& registro, const DadosTransferencia& dados);
// Each part up to its first 0 byte; the type texts trimmed.
DadosTransferencia Le(const Registro<165>& registro);

// The most one transfer may move, in cents, from the limits record (h-record 26); 0 means no limit.
long long LimiteTransferencia(const Registro<96>& limites);

} // namespace Consultatransferenciaentrecontas

// The last transfer the bank approved in a query; the summary dialog reads it back.
extern Registro<165> DadosEfetivaTransferencia;

class TFrmCnsTransf_DdCta : public TFrmTrnDadosCta_Grp3 {
    Q_OBJECT
public:
    explicit TFrmCnsTransf_DdCta(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    bool VerificaCapturaSenha() override;

    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;
    QLabel* LbCSeg = nullptr;
    QLineEdit* EdCSeg = nullptr;
    QLabel* lbTipoContaCredito = nullptr;
    QComboBox* cbTipoContaCredito = nullptr;

protected:
    bool ConcluiConfirmacao() override;
    bool focusNextPrevChild(bool proximo) override;
    void hideEvent(QHideEvent* e) override;

private:
    // The security code is asked for unless the debit comes from a benefit account, whose cards carry none.
    void cbTipoContaChange();
    bool DebitoBeneficioINSS() const;
    bool CSegAtivo() const;
};

extern TFrmCnsTransf_DdCta* FrmCnsTransf_DdCta;
