// Base of every network cancellation member: the receipt number with the sale's date and time and the
// network's own NSU ("NSU Serv:").
#pragma once

#include "payment/Cancelamentotrnredelumo.h"

#include <functional>

class TFrmTrnRede_Crd : public TFrmCncRede_Trn {
    Q_OBJECT
public:
    // modalidade: what 10102 occurrence 1 carries (empty: nothing).
    TFrmTrnRede_Crd(QWidget* pai, const QString& nome, const char* titulo, const TTabelaTrn& descritor,
                    const char* funcao, std::function<QString()> modalidade = {});
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbDataTrn = nullptr;
    QLineEdit* edDataTrn = nullptr;
    QLabel* lbHoraTrn = nullptr;
    QLineEdit* edHoraTrn = nullptr;
    QLabel* lbNsuServ = nullptr;
    QLineEdit* edNsuServ = nullptr;

private:
    std::function<QString()> modalidade_;
};
