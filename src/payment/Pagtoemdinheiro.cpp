#include "payment/Pagtoemdinheiro.h"

#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "payment/Liquidacaocontas.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Pagtoemdinheiro {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemdinheiro, TrnPagamentoDinheiro,
             Descritor(242, 1,
                       {A, F(10102), D7, F(10301), F(10301, 1), F(10440, "DADICPAGCB:"), F(10176).sep(255),
                        V}));

} // namespace Pagtoemdinheiro

TFrmPgt_Din* FrmPgt_Din = nullptr;

namespace {

using msg::Texto;

using EdicaoValor::Centavos;

} // namespace

TFrmPgt_Din::TFrmPgt_Din(QWidget* pai) : TFrmTrn_Mod(pai, QString()) {
    const Partes::Grade grade{.caixa = QRect(111, 110, 400, 150),
                              .topo = 26,
                              .passo = 36,
                              .altura = 28,
                              .larguraRotulo = 150,
                              .xCampo = 180};
    captura.Redefine(grade);
    captura.Linha(0, lbValor, edValor, 200);
    lbVlrDinheiro = captura.Rotulo(QStringLiteral("lbVlrDinheiro"));
    edVlrDinheiro = captura.Campo(QStringLiteral("edVlrDinheiro"), 12, Partes::Entrada::Texto,
                                  Texto(msg::MsgValorDinheiro));
    edVlrDinheiro->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    EdicaoValor::Configura(edVlrDinheiro);
    captura.Linha(1, lbVlrDinheiro, edVlrDinheiro, 200);
    lbVlrTroco = captura.Rotulo(QStringLiteral("lbVlrTroco"));
    edVlrTroco = captura.Campo(QStringLiteral("edVlrTroco"), 0, Partes::Entrada::Texto, {});
    edVlrTroco->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edVlrTroco->setReadOnly(true);
    edVlrTroco->setFocusPolicy(Qt::NoFocus);
    captura.Linha(2, lbVlrTroco, edVlrTroco, 200);
    setTabOrder(edValor, edVlrDinheiro);
    setTabOrder(edVlrDinheiro, btConfirma);
    edVlrDinheiro->installEventFilter(this);
}

void TFrmPgt_Din::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    Descritor = &Pagtoemdinheiro::TrnPagamentoDinheiro;
    // Cash takes no card and no PIN.
    CapturaSenha = false;
    DefineTitulo(Texto(msg::TituloPagamentoDinheiro));
    lbVlrDinheiro->setText(Texto(msg::InfoValorDinheiro));
    lbVlrTroco->setText(Texto(msg::InfoValorTroco));
    lbVlrTroco->hide();
    edVlrTroco->hide();
    edVlrDinheiro->clear();
    edVlrTroco->clear();
}

bool TFrmPgt_Din::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == edVlrDinheiro) {
        // Leaving for another control of this dialog; a message box taking the focus, or the confirmation
        // disabling the panel, is not leaving.
        if (e->type() == QEvent::FocusOut && isActiveWindow() && edVlrDinheiro->isEnabled() &&
            !bVerificandoDinheiro)
            Protegido([this] { edVlrDinheiroExit(); });
    }
    return TFrmTrn_Mod::eventFilter(objeto, e);
}

bool TFrmPgt_Din::edVlrDinheiroExit() {
    lbVlrTroco->hide();
    edVlrTroco->clear();
    edVlrTroco->hide();
    const long long valor = Centavos(edValor->text());
    const QString digitado = edVlrDinheiro->text().trimmed();
    const long long dinheiro = Centavos(digitado);
    if (digitado.isEmpty() || dinheiro == valor) {
        edVlrDinheiro->setText(host::Dollar(QString::number(valor)));
        return true;
    }
    if (dinheiro < valor) {
        bVerificandoDinheiro = true;
        Lumomain::MostraMensagem(Lumomain::Icone::Aviso, Texto(msg::ErroValorDinheiro), this);
        bVerificandoDinheiro = false;
        pnCaptura->setEnabled(true);
        edVlrDinheiro->setEnabled(true);
        edVlrDinheiro->clear();
        edVlrDinheiro->setFocus();
        return false;
    }
    edVlrTroco->setText(host::Dollar(QString::number(dinheiro - valor)));
    lbVlrTroco->show();
    edVlrTroco->show();
    return true;
}

bool TFrmPgt_Din::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    // Confirmed without leaving the edit: the same check the exit makes.
    return edVlrDinheiroExit();
}

bool TFrmPgt_Din::GravaCamposHostlink() {
    using namespace Liquidacao;
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    if (!GravaCamposLiquidacao(AjustesPedido, "16", "3")) return false;
    if (!edVlrTroco->isHidden() && !Grava(1250, host::RemoveFormato(edVlrTroco->text()))) return false;
    if (PagamentoRede()) TrataValoresAdicionaisRede(AjustesPedido);
    return true;
}
