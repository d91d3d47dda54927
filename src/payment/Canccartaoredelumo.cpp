#include "payment/Canccartaoredelumo.h"

#include "host/Host.h"
#include "payment/Cancelamentotrnlumo.h"
#include "resources/Mensagens.h"

#include <QLineEdit>
#include <QTime>

using host::Grava;

namespace {

// The time edit's text as hhmmss when it is a time of the day; empty otherwise.
QString HoraValida(const QLineEdit* edit) {
    const QString digitos = Cancelamento::Digitos(edit);
    return digitos.size() == 6 && QTime::fromString(digitos, QStringLiteral("HHmmss")).isValid() ? digitos
                                                                                                 : QString();
}

} // namespace

TFrmTrnRede_Crd::TFrmTrnRede_Crd(QWidget* pai, const QString& nome, const char* titulo,
                                 const TTabelaTrn& descritor, const char* funcao,
                                 std::function<QString()> modalidade)
    : TFrmCncRede_Trn(pai, nome, titulo, descritor, funcao), modalidade_(std::move(modalidade)) {
    edDataTrn = Linha(2, lbDataTrn, "lbDataTrn", msg::InfoDataTrn, "edDataTrn", 0, msg::MsgDataTransacao,
                      "99/99/9999;_");
    edHoraTrn = Linha(3, lbHoraTrn, "lbHoraTrn", msg::InfoHoraTrn, "edHoraTrn", 0, msg::MsgHoraTransacao,
                      "99:99:99;_");
    edNsuServ =
        Linha(4, lbNsuServ, "lbNsuServ", msg::InfoNsuServ, "edNsuServ", 12, msg::MsgNumeroComprovante);
}

void TFrmTrnRede_Crd::IniciaCamposForm() {
    TFrmCncRede_Trn::IniciaCamposForm();
    edDataTrn->setText(host::LeCampo(1020).trimmed());
    edHoraTrn->setText(host::LeCampo(1021).trimmed());
    edNsuServ->setText(host::LeCampo(1503).trimmed());
}

bool TFrmTrnRede_Crd::ValidaCamposForm() {
    if (!TFrmCncRede_Trn::ValidaCamposForm()) return false;
    if (edDataTrn->isEnabledTo(pnCaptura) && TFrmCnc_Trn::DataValida(edDataTrn, true).isEmpty())
        return Repete(msg::ErroDataInvalida, edDataTrn);
    // The time is the host's or the operator's help to find the sale: left empty it is not asked for.
    if (edHoraTrn->isEnabledTo(pnCaptura) && !Cancelamento::Digitos(edHoraTrn).isEmpty() &&
        HoraValida(edHoraTrn).isEmpty())
        return Repete(msg::ErroHoraInvalida, edHoraTrn);
    return true;
}

bool TFrmTrnRede_Crd::GravaCamposHostlink() {
    if (!TFrmCncRede_Trn::GravaCamposHostlink() || !Grava(1013, EdNsuVorta->text().trimmed()) ||
        !Grava(1020, TFrmCnc_Trn::DataValida(edDataTrn, true)) || !Grava(1021, HoraValida(edHoraTrn)))
        return false;
    if (host::LeCampo(10404) == QLatin1String("1") && !Grava(1503, edNsuServ->text().trimmed())) return false;
    return !modalidade_ || Grava(10102, modalidade_(), 1);
}
