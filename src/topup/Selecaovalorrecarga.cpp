#include "topup/Selecaovalorrecarga.h"

#include "frame/Partes.h"
#include "host/Host.h"
#include "protocol/ServicosRecarga.h"
#include "resources/Mensagens.h"
#include "topup/Consultafiliaisrecargalumo.h"
#include "topup/Formaspagtorecarga.h"
#include "topup/Valorvariavelcelular.h"

#include <QLabel>
#include <QPushButton>

using msg::Texto;
using namespace Lumomain;

TFrmSelVlr_Rec* FrmSelVlr_Rec = nullptr;

TFrmSelVlr_Rec::TFrmSelVlr_Rec(QWidget* pai)
    : TFrmCapCel_Mod(pai, QString(), Consultafiliaisrecargalumo::GradeRecarga()) {
    lbValor = captura.Rotulo(QStringLiteral("lbValor"));
    cb_Valores =
        captura.Lista(QStringLiteral("cb_Valores"),
                      Texto(msg::MsgValorRecargaCelular) + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
    lbInfoBonus = captura.Rotulo(QStringLiteral("lbInfoBonus"));
    lbBonus = captura.Rotulo(QStringLiteral("lbBonus"));
    captura.Linha(0, lbValor, cb_Valores, 200);
    captura.Linha(1, lbInfoBonus, lbBonus, 200);
    CriaBotoes({cb_Valores});
    connect(cb_Valores, &QComboBox::currentIndexChanged, this, [this] { cb_ValoresChange(); });
}

void TFrmSelVlr_Rec::IniciaCamposForm() {
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    DefineTitulo(Texto(msg::TituloSelecaoValores));
    lbValor->setText(Texto(msg::InfoValorTransacao));
    lbInfoBonus->setText(Texto(msg::InfoBonus));
    MontaResumo();
    const QSignalBlocker bloqueio(cb_Valores);
    cb_Valores->clear();
    for (const auto& e : RespostaConsultaValores.Entradas)
        cb_Valores->addItem(host::Dollar(QString::number(e.texto(0, 12).trimmed().toLongLong())));
    const bool semFaixa = RespostaConsultaValores.Minimo.texto().trimmed().toLongLong() == 0 &&
                          RespostaConsultaValores.Maximo.texto().trimmed().toLongLong() == 0;
    if (!semFaixa) cb_Valores->addItem(Texto(msg::InfoValorVariavel));
    cb_Valores->setCurrentIndex(-1);
    lbInfoBonus->hide();
    lbBonus->hide();
    DefineMensagem(Texto(msg::MsgSelecioneConcessionaria));
}

int TFrmSelVlr_Rec::IndiceFixo() const {
    const int i = cb_Valores->currentIndex();
    return i >= 0 && i < static_cast<int>(RespostaConsultaValores.Entradas.size()) ? i : -1;
}

void TFrmSelVlr_Rec::cb_ValoresChange() {
    const int i = IndiceFixo();
    const QString bonus =
        i < 0 ? QString() : RespostaConsultaValores.Entradas[static_cast<size_t>(i)].texto(12, 12).trimmed();
    lbBonus->setText(bonus.isEmpty() ? QString() : host::Dollar(bonus));
    lbInfoBonus->setVisible(!bonus.isEmpty());
    lbBonus->setVisible(!bonus.isEmpty());
}

bool TFrmSelVlr_Rec::ValidaCamposForm() {
    if (cb_Valores->currentIndex() >= 0) return true;
    ExibeMsgErroRepeteCampo(Texto(msg::MsgValorRecargaCelular), cb_Valores, pnCaptura);
    return false;
}

bool TFrmSelVlr_Rec::ConcluiConfirmacao() {
    const int i = IndiceFixo();
    iIndiceValorRecarga = i;
    if (i < 0) {
        if (AbreProximo(FrmValVarCel_Cap)) return true;
        Retoma();
        cb_Valores->setFocus();
        return false;
    }
    const QString valor = cb_Valores->currentText();
    if (ConfirmaTelefonePinpad(valor) != Confirmacao::Confirmada) return ModalResult() == mrOk;
    if (!host::Grava(1003, host::RemoveFormato(valor)) ||
        !host::Grava(1256, RespostaConsultaValores.Tarifa.texto().trimmed()))
        return false;
    if (AbreProximo(FrmFPagCel_Mnu)) return true;
    Retoma();
    cb_Valores->setFocus();
    return false;
}
