#include "payment/Canccartaoredelumo.h"

#include "host/Host.h"
#include "payment/Cancelamentotrnlumo.h"
#include "resources/Mensagens.h"

#include <QLineEdit>

using host::Grava;

TFrmTrnRede_Crd::TFrmTrnRede_Crd(QWidget* pai, const QString& nome, const char* titulo,
                                 const TTabelaTrn& descritor, const char* funcao,
                                 std::function<QString()> modalidade)
    : TFrmCncRede_Trn(pai, nome, titulo, descritor, funcao), modalidade_(std::move(modalidade)) {
    edDataTrn = Linha(2, lbDataTrn, "lbDataTrn", msg::InfoDataTrn, "edDataTrn", 0, msg::MsgDataTransacao,
                      "99/99/9999;_");
    edNsuServ =
        Linha(3, lbNsuServ, "lbNsuServ", msg::InfoNsuServ, "edNsuServ", 12, msg::MsgNumeroComprovante);
}

void TFrmTrnRede_Crd::IniciaCamposForm() {
    TFrmCncRede_Trn::IniciaCamposForm();
    edDataTrn->setText(host::LeCampo(1020).trimmed());
    edNsuServ->setText(host::LeCampo(1503).trimmed());
}

bool TFrmTrnRede_Crd::ValidaCamposForm() {
    if (!TFrmCncRede_Trn::ValidaCamposForm()) return false;
    if (edDataTrn->isEnabledTo(pnCaptura) && TFrmCnc_Trn::DataValida(edDataTrn, true).isEmpty())
        return Repete(msg::ErroDataInvalida, edDataTrn);
    return true;
}

bool TFrmTrnRede_Crd::GravaCamposHostlink() {
    if (!TFrmCncRede_Trn::GravaCamposHostlink() || !Grava(1013, EdNsuVorta->text().trimmed()) ||
        !Grava(1020, TFrmCnc_Trn::DataValida(edDataTrn, true)))
        return false;
    if (host::LeCampo(10404) == QLatin1String("1") && !Grava(1503, edNsuServ->text().trimmed())) return false;
    return !modalidade_ || Grava(10102, modalidade_(), 1);
}
