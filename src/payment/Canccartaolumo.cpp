#include "payment/Canccartaolumo.h"

#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QLineEdit>

using host::Grava;
using msg::Texto;

TFrmTrn_Crd::TFrmTrn_Crd(QWidget* pai, const QString& nome, const char* titulo, const TTabelaTrn& descritor,
                         const char* funcao, std::function<QString()> modalidade)
    : TFrmCnc_Trn(pai, nome, titulo, descritor, funcao), modalidade_(std::move(modalidade)) {
    edComprovante = Linha(5, lbComprovante, "lbComprovante", msg::InfoComprovante, "edComprovante", 12,
                          msg::MsgNumeroComprovante);
    edDataTrn = Linha(6, lbDataTrn, "lbDataTrn", msg::InfoDataTrn, "edDataTrn", 0, msg::MsgDataTransacao,
                      "99/99/9999;_");
}

void TFrmTrn_Crd::IniciaCamposForm() {
    TFrmCnc_Trn::IniciaCamposForm();
    // The card sale as the host knows it, for the operator to confirm or correct.
    edComprovante->setText(host::LeCampo(1013).trimmed());
    edDataTrn->setText(host::LeCampo(1020).trimmed());
}

bool TFrmTrn_Crd::ValidaCamposForm() {
    if (!TFrmCnc_Trn::ValidaCamposForm()) return false;
    if (edComprovante->text().trimmed().isEmpty()) return Repete(msg::ErroNumComprovante, edComprovante);
    // A sale is cancelled on its day or later: a date ahead of today cannot be the sale's.
    if (edDataTrn->isEnabledTo(pnCaptura) && DataValida(edDataTrn, true).isEmpty())
        return Repete(msg::ErroDataInvalida, edDataTrn);
    return true;
}

bool TFrmTrn_Crd::GravaCamposHostlink() {
    if (!TFrmCnc_Trn::GravaCamposHostlink() || !Grava(1013, edComprovante->text().trimmed()) ||
        !Grava(1020, DataValida(edDataTrn, true)))
        return false;
    return !modalidade_ || Grava(10102, modalidade_(), 1);
}
