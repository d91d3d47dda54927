// Cheque identification: the CMC-7 line read or typed, or the first printed line typed field by field.
#pragma once

#include "protocol/Trnmodelolumo.h"

class TFrmColetaDadosChq_Trn : public TFrmTrn_Mod {
    Q_OBJECT
public:
    TFrmColetaDadosChq_Trn(QWidget* pai, const QString& nome);
};
