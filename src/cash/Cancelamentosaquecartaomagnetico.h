// Cancellation of a withdrawal made with a bank card: the NSU and the value name it; no card is read.
#pragma once

#include "cash/Cancelamentogrupo3.h"

class TFrmCancSaque_CartMag : public TFrmCancGrupo3_Trn {
    Q_OBJECT
public:
    explicit TFrmCancSaque_CartMag(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmCancSaque_CartMag* FrmCancSaque_CartMag;
