// Base of the loan transaction dialogs (query, simulation, contracting), shared with the cheque-book release:
// the capture panel with Confirm and Return, and the one confirm flow of a loan request (validate, write the
// fields, the PIN unless the account was typed, the chip data, the token of a card query, the authorisation
// and what each function does with an approval).
#pragma once

#include "frame/Coletavalortrn.h"

#include <QStringList>

class TFrmTrnEmpr_Mod : public TFrmColeta_Mod {
    Q_OBJECT
public:
    TFrmTrnEmpr_Mod(QWidget* pai, const QString& nome, const Partes::Grade& grade);

    bool GravaCamposHostlink() override;
    bool VerificaCapturaSenha() override;

protected:
    bool FormCreate() override;
    bool ConcluiConfirmacao() override;
    // Made once the derived form's fields exist, so that the buttons follow them.
    virtual QList<QWidget*> Campos() const { return {}; }
    // The authorisation and the handling of its reply; every outcome ends the dialog.
    virtual void Autoriza();
};

namespace Trnmodeloemprestimo {

// The host's answer to a loan query or simulation handed back to the point of sale: true when the host
// takes loan replies (field 1356 "1", the same flag that offers the loans).
bool VerificaDevolveStorelinkEsperaRespostaPDV();

// The account types a loan accepts one way, from the five flags of its record (checking, savings, benefit,
// salary, company): "1" with the account typed, "2" with the card, "3" both; in list order.
QStringList TiposAceitos(const QString& flags, bool cartao);
// The flags of the pre-approved loan's record, or of the payroll loan's when consignado.
QString FlagsTipos(bool consignado);

} // namespace Trnmodeloemprestimo
