// Base of every cancellation named by the receipt of the operation it undoes (withdrawals, deposits, tax
// payments): the transaction form with the NSU of that receipt.
#pragma once

#include "frame/Trnmodelolumo.h"

class QLabel;
class QLineEdit;

class TFrmCancGrupo3_Trn : public TFrmTrn_Mod {
    Q_OBJECT
public:
    TFrmCancGrupo3_Trn(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbNsuVorta = nullptr;
    QLineEdit* EdNsuVorta = nullptr;

protected:
    // A label and an edit of digits only on row linha of the capture panel (the value is row 0, the NSU 1).
    QLineEdit* CriaCampo(int linha, QLabel*& rotulo, const char* nomeRotulo, const char* nome, int tamanho,
                         const char* dica);
};
