// The money movements of the prepaid card after the holder was identified and confirmed: the deposit into
// the card and the transfer between two cards. Both send one request at once and end the call.
#pragma once

#include "prepaid/Transacaocartaoprepago.h"

class TFrmMovimentoCartaoPrePago_Mod : public TFrmTrnCartaoPrePago_Mod {
    Q_OBJECT
public:
    bool GravaCamposHostlink() override;

protected:
    // funcao: the operation code of field 10158; grupo: field 10103, or nullptr to keep the loaded group's.
    TFrmMovimentoCartaoPrePago_Mod(QWidget* pai, const QString& nome, const char* titulo, const char* aviso,
                                   const TTabelaTrn* descritor, const char* funcao, const char* grupo);
    bool TrataResposta(bool aprovada) override;

private:
    const char* funcao_;
    const char* grupo_;
};

class TFrmDepCartaoPrePago : public TFrmMovimentoCartaoPrePago_Mod {
    Q_OBJECT
public:
    explicit TFrmDepCartaoPrePago(QWidget* pai);
};

class TFrmTransfCartaoPrePago : public TFrmMovimentoCartaoPrePago_Mod {
    Q_OBJECT
public:
    explicit TFrmTransfCartaoPrePago(QWidget* pai);
};
