#include "services/Pedidocartaodebito.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"
#include "services/Revalidacaosenhainss.h"

#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

TFrmPedCrtDeb* FrmPedCrtDeb = nullptr;

using namespace ServicosCartao;

namespace {

struct Motivo {
    const char* codigo;
    const char* texto;
};

// Reasons for a new copy of a card the customer still holds; the bank says which it accepts.
constexpr std::array<Motivo, 4> kMotivos{{{"01", "Cartão danificado"},
                                          {"02", "Tarja magnética ilegível"},
                                          {"03", "Chip com defeito"},
                                          {"04", "Alteração de nome"}}};

QString MensagemMotivo() {
    return QStringLiteral("Selecione o motivo do pedido ") + QString::fromUtf8(msg::MsgTecladoReduzido);
}

using host::Grava;

} // namespace

TFrmPedCrtDeb::TFrmPedCrtDeb(QWidget* pai) : TFrmTrn_Mod(pai, QString()) {
    lbValor->hide();
    edValor->hide();
    lbMotivo = captura.Rotulo(QStringLiteral("lbMotivo"), QStringLiteral("Motivo:"));
    cbMotivo = captura.Lista(QStringLiteral("cbMotivo"), MensagemMotivo());
    captura.Linha(0, lbMotivo, cbMotivo, 270);
    for (const Motivo& m : kMotivos)
        cbMotivo->addItem(QLatin1String(m.codigo) + QStringLiteral(" - ") + QString::fromUtf8(m.texto),
                          QLatin1String(m.codigo));
    setTabOrder(edValor, cbMotivo);
    setTabOrder(cbMotivo, btConfirma);
    setTabOrder(btConfirma, btRetorna);
    DefineTitulo(QStringLiteral("Pedido de 2ª Via de Cartão de Débito"));
}

void TFrmPedCrtDeb::IniciaCamposForm() {
    lbValor->hide();
    edValor->hide();
    TFrmTrn_Mod::IniciaCamposForm();
    // The PIN is taken with the card, before anything is written.
    CapturaSenha = false;
    Descritor = &Tabelatrn::TrnPedido2aViaCartaoDebito;
    cbMotivo->setCurrentIndex(0);
}

void TFrmPedCrtDeb::hideEvent(QHideEvent* e) {
    if (!e->spontaneous()) FechaPinpad();
    TFrmTrn_Mod::hideEvent(e);
}

bool TFrmPedCrtDeb::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (cbMotivo->currentIndex() < 0) {
        ExibeMsgErroRepeteCampo(MensagemMotivo(), cbMotivo, pnCaptura);
        return false;
    }
    return LeCartaoESenha(this);
}

bool TFrmPedCrtDeb::GravaCamposHostlink() {
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    // Occurrence 0 is the reason; 10203 and the other occurrences of 10102 go empty.
    host::LimpaCampo(10102);
    host::LimpaCampo(10203);
    return Grava(10158, QLatin1String(OPERACAO_PEDIDO_CARTAO_DEBITO)) &&
           Grava(10102, cbMotivo->currentData().toString()) &&
           Grava(10341, QLatin1String(ENTRADA_CARTAO_LIDO));
}

int TFrmPedCrtDeb::VerificaAutorizaTransacao() {
    // This request names the card by its number in 10290, which stays there only while it goes.
    NumeroCartaoNoCampo cartao(10290);
    return TFrmTrn_Mod::VerificaAutorizaTransacao();
}
