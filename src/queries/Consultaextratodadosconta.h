// Statement query with the account typed (or pre-filled by the host): the account type and data, the period
// and the statement type, then the PIN on the PIN pad, prepared for that account.
#pragma once

#include "frame/Coletatipoconta.h"
#include "queries/Consultaconta.h"

class TFrmCnsExtrato_DConta : public TFrmTrnDadosCta_Grp3 {
    Q_OBJECT
public:
    explicit TFrmCnsExtrato_DConta(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    bool VerificaCapturaSenha() override;

    Consultaconta::CamposExtrato Extrato;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;
};

extern TFrmCnsExtrato_DConta* FrmCnsExtrato_DConta;
