// Bill payment credited to the account of the correspondent bank's card.
#pragma once

#include "payment/Pagtoemcartaocontacbmodelo.h"

class TFrmPgt_CredContaCB : public TFrmPgtContaCB_Mod {
    Q_OBJECT
public:
    explicit TFrmPgt_CredContaCB(QWidget* pai);

protected:
    QString OperacaoConta() const override { return QStringLiteral("2"); }
};

extern TFrmPgt_CredContaCB* FrmPgt_CredContaCB;
