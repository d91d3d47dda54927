// CPF dialog of the prepaid-card operations: the customer's CPF, preset by the host in field 1007 or typed by
// the operator.
#pragma once

#include "frame/Coletavalortrn.h"

class QLabel;
class QLineEdit;

class TFrmColetaCampoCPF : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmColetaCampoCPF(QWidget* pai);

    bool GravaCamposHostlink() override;
    bool ValidaCamposForm() override;
    void IniciaCamposForm() override;

    QLabel* lbCPFCGC = nullptr;
    QLineEdit* edCPFCGC = nullptr;

protected:
    bool ConcluiConfirmacao() override;
};
