// Base of the withdrawal and deposit cancellations: the transaction form with the NSU of the receipt that
// names the operation to cancel.
#pragma once

#include "frame/Trnmodelolumo.h"

#include <QString>

class QLabel;
class QLineEdit;

namespace Cancelamentogrupo3 {

// Copies text into the withdrawal cancellations' kind buffer (acDadosConta_Recibo), cut to its size.
void DefineDadosContaRecibo(const QString& texto);

} // namespace Cancelamentogrupo3

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
