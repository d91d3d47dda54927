#include "payment/Pagtoemcartaocontacbmodelo.h"

#include "host/Host.h"
#include "payment/Liquidacaocontas.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Pagtoemcartaocontacbmodelo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemcartaocontacbmodelo, TrnPagamentoCB,
             Descritor(242, 1,
                       {B, F(10102), D7, F(10102, 3), F(10104), F(10146), F(10102, 1), P3, F(10544, "TOKEN:"),
                        T3}));

} // namespace Pagtoemcartaocontacbmodelo

using msg::Texto;

QString Pagtoemcartaocontacbmodelo::MensagemTipoConta() {
    return QStringLiteral("Selecione o tipo de conta ") + Texto(msg::MsgTecladoReduzido);
}

QComboBox* Pagtoemcartaocontacbmodelo::ListaTipoConta(Partes::Captura& captura) {
    QComboBox* lista = captura.Lista(QStringLiteral("cbTipoConta"), MensagemTipoConta());
    lista->addItem(Texto(msg::InfoTipoContaCorrente), QStringLiteral("01"));
    lista->addItem(Texto(msg::InfoTipoContaContaPoupanca), QStringLiteral("02"));
    return lista;
}

using Pagtoemcartaocontacbmodelo::MensagemTipoConta;

TFrmPgtContaCB_Mod::TFrmPgtContaCB_Mod(QWidget* pai, const QString& nome) : TFrmTrn_Mod(pai, nome) {
    const Partes::Grade grade{.caixa = QRect(111, 110, 400, 150),
                              .topo = 26,
                              .passo = 36,
                              .altura = 28,
                              .larguraRotulo = 150,
                              .xCampo = 180};
    captura.Redefine(grade);
    captura.Linha(0, lbValor, edValor, 200);
    lbTipoConta = captura.Rotulo(QStringLiteral("lbTipoConta"), Texto(msg::InfoTipoConta));
    cbTipoConta = Pagtoemcartaocontacbmodelo::ListaTipoConta(captura);
    captura.Linha(1, lbTipoConta, cbTipoConta, 200);
    lbCSeg = captura.Rotulo(QStringLiteral("lbCSeg"), QStringLiteral("Cód. Segurança:"));
    EdCSeg =
        captura.Campo(QStringLiteral("EdCSeg"), 4, Partes::Entrada::Digitos, Texto(msg::MsgCodigoSeguranca));
    EdCSeg->setEchoMode(QLineEdit::Password);
    captura.Linha(2, lbCSeg, EdCSeg, 80);
    setTabOrder(edValor, cbTipoConta);
    setTabOrder(cbTipoConta, EdCSeg);
    setTabOrder(EdCSeg, btConfirma);
}

void TFrmPgtContaCB_Mod::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    Descritor = &Pagtoemcartaocontacbmodelo::TrnPagamentoCB;
    cbTipoConta->setCurrentIndex(0);
    host::memLimpaEdit(EdCSeg);
}

void TFrmPgtContaCB_Mod::hideEvent(QHideEvent* e) {
    host::memLimpaEdit(EdCSeg);
    TFrmTrn_Mod::hideEvent(e);
}

bool TFrmPgtContaCB_Mod::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (cbTipoConta->currentIndex() < 0) {
        ExibeMsgErroRepeteCampo(MensagemTipoConta(), cbTipoConta, pnCaptura);
        return false;
    }
    return true;
}

bool TFrmPgtContaCB_Mod::GravaCamposHostlink() {
    using namespace Liquidacao;
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    if (!GravaCamposLiquidacao(AjustesPedido, "20", nullptr)) return false;
    if (!Grava(10102, cbTipoConta->currentData().toString(), 1)) return false;
    if (!Grava(10102, OperacaoConta(), 3)) return false;
    // The security code goes in the request only; the local copy and the edit are wiped at once.
    std::string cseg = host::paraLatin1(EdCSeg->text());
    const bool ok = host::GravaCampoBytes(10149, 0, cseg) == 0;
    cseg.assign(cseg.size(), '*');
    cseg.clear();
    host::memLimpaEdit(EdCSeg);
    return ok;
}
