// Bill payment debited to the account of the correspondent bank's card.
#pragma once

#include "payment/Pagtoemcartaocontacbmodelo.h"

class TFrmPgt_DebContaCB : public TFrmPgtContaCB_Mod {
    Q_OBJECT
public:
    explicit TFrmPgt_DebContaCB(QWidget* pai);

protected:
    QString OperacaoConta() const override { return QStringLiteral("1"); }
};

extern TFrmPgt_DebContaCB* FrmPgt_DebContaCB;
