#include "payment/Coletadadoschequetrn.h"

TFrmColetaDadosChq_Trn::TFrmColetaDadosChq_Trn(QWidget* pai, const QString& nome) : TFrmTrn_Mod(pai, nome) {}
