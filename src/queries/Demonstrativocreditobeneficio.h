// Benefit credit statement: the customer presents the INSS benefit card and types the PIN, the bank says on
// which dates statements are available, the operator picks one and the statement comes back as the receipt.
#pragma once

#include "frame/Trnmodelolumo.h"

#include <QStringList>

class QComboBox;
class QLabel;

class TFrmCnsDtDemDsp : public TFrmTrn_Mod {
    Q_OBJECT
public:
    explicit TFrmCnsDtDemDsp(QWidget* pai);

    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    void IniciaCamposForm() override;

    // The card, the PIN and the query of the available dates; false when the chain ended (the reason is in
    // the host fields) or no date could be offered.
    bool ConsultaDatasDisponiveis();

    QLabel* lbInstrucao = nullptr;
    QLabel* lbDatas = nullptr;
    QComboBox* cbDatas = nullptr;

protected:
    void FormActivate() override;
    void hideEvent(QHideEvent* e) override;

private:
    void MostraDatas(const QStringList& datas);
};

// The dates (DDMMYYYY) of the statements the last reply offered: its "DTDEM:" service-5 elements, in order.
QStringList DatasDemonstrativosDisponiveis();

extern TFrmCnsDtDemDsp* FrmCnsDtDemDsp;
