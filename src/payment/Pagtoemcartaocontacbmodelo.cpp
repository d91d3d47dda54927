#include "payment/Pagtoemcartaocontacbmodelo.h"

#include "host/Host.h"
#include "payment/Liquidacaocontas.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
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

namespace {

using msg::Texto;

QString MensagemTipoConta() {
    return QStringLiteral("Selecione o tipo de conta ") + Texto(msg::MsgTecladoReduzido);
}

} // namespace

TFrmPgtContaCB_Mod::TFrmPgtContaCB_Mod(QWidget* pai, const QString& nome) : TFrmTrn_Mod(pai, nome) {
    pnCaptura->setGeometry(111, 110, 400, 150);
    lbTipoConta = new QLabel(Texto(msg::InfoTipoConta), pnCaptura);
    lbTipoConta->setObjectName(QStringLiteral("lbTipoConta"));
    lbTipoConta->setGeometry(20, 62, 150, 28);
    cbTipoConta = new QComboBox(pnCaptura);
    cbTipoConta->setObjectName(QStringLiteral("cbTipoConta"));
    cbTipoConta->setGeometry(180, 62, 200, 28);
    cbTipoConta->addItem(Texto(msg::InfoTipoContaCorrente), QStringLiteral("01"));
    cbTipoConta->addItem(Texto(msg::InfoTipoContaContaPoupanca), QStringLiteral("02"));
    lbCSeg = new QLabel(QStringLiteral("Cód. Segurança:"), pnCaptura);
    lbCSeg->setObjectName(QStringLiteral("lbCSeg"));
    lbCSeg->setGeometry(20, 98, 150, 28);
    EdCSeg = new QLineEdit(pnCaptura);
    EdCSeg->setObjectName(QStringLiteral("EdCSeg"));
    EdCSeg->setGeometry(180, 98, 80, 28);
    EdCSeg->setMaxLength(4);
    EdCSeg->setEchoMode(QLineEdit::Password);
    setTabOrder(edValor, cbTipoConta);
    setTabOrder(cbTipoConta, EdCSeg);
    setTabOrder(EdCSeg, btConfirma);
    cbTipoConta->installEventFilter(this);
    EdCSeg->installEventFilter(this);
}

void TFrmPgtContaCB_Mod::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    Descritor = &Pagtoemcartaocontacbmodelo::TrnPagamentoCB;
    cbTipoConta->setCurrentIndex(0);
    host::memLimpaEdit(EdCSeg);
}

bool TFrmPgtContaCB_Mod::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == cbTipoConta) {
        if (e->type() == QEvent::FocusIn) DefineMensagem(MensagemTipoConta());
        if (e->type() == QEvent::KeyPress) {
            // "2" and "8" step through the account types; the other digits choose the buttons.
            const QString t = static_cast<QKeyEvent*>(e)->text();
            if (t.size() == 1 && t.at(0).isDigit()) {
                char tecla = t.at(0).toLatin1();
                host::AvancaRetrocedeItemComboBox(cbTipoConta, tecla);
                if (tecla != 0) {
                    if (QAbstractButton* b = BotaoDoDigito(t.at(0))) b->click();
                }
                return true;
            }
        }
    } else if (objeto == EdCSeg) {
        if (e->type() == QEvent::FocusIn) DefineMensagem(Texto(msg::MsgCodigoSeguranca));
        if (e->type() == QEvent::KeyPress) {
            const QString t = static_cast<QKeyEvent*>(e)->text();
            // Digits only; Enter, Backspace and the navigation keys pass.
            if (t.size() == 1 && t.at(0).isPrint() && !t.at(0).isDigit()) return true;
        }
    }
    return TFrmTrn_Mod::eventFilter(objeto, e);
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
