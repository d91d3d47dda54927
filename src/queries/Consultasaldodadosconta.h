// Balance query with the account typed (or pre-filled by the host): the account type and data, then the PIN
// on the PIN pad, prepared for that account.
#pragma once

#include "frame/Coletatipoconta.h"

class TFrmCnsSld_DConta : public TFrmTrnDadosCta_Grp3 {
    Q_OBJECT
public:
    explicit TFrmCnsSld_DConta(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
    bool VerificaCapturaSenha() override;
};

extern TFrmCnsSld_DConta* FrmCnsSld_DConta;
