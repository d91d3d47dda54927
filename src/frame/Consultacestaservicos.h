// The service-basket query: a screen that shows while the bank says which basket the customer has and which
// ones can be chosen (the reply's service 5).
#pragma once

#include "frame/Modelolumo.h"

class TFrmCnsCstSrv : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmCnsCstSrv(QWidget* pai);

    // Sends the query; false (reason shown, in 1009/1027 and in the result file) when the bank did not answer
    // it with approval.
    bool Consulta_Cesta_Servicos_LUMO();
};
