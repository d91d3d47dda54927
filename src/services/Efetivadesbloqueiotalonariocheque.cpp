#include "services/Efetivadesbloqueiotalonariocheque.h"

#include "frame/Lumomain.h"
#include "frame/Partes.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using host::Grava;
using msg::Texto;

TFrmDesbloqueioTal_Crt* FrmDesbloqueioTal_Crt = nullptr;

namespace {

// Kind of the PIN capture: the transaction-mode record's network.
constexpr int TIPO_SENHA_DESBLOQUEIO = 11;
const QString kSeparador = QStringLiteral("  à  ");

} // namespace

namespace Efetivadesbloqueiotalonariocheque {

QStringList Faixas() {
    const auto& r = Lumomain::ServicoX_TipoRegistro050_ConsultaDesbloqueioTalonario;
    const int k = r.inteiro(4, 2, 0);
    QStringList faixas;
    for (int i = 0; i < k; ++i) {
        const auto off = static_cast<size_t>(6 + 12 * i);
        const QString primeiro = r.texto(off, 6).trimmed(), ultimo = r.texto(off + 6, 6).trimmed();
        if (primeiro.isEmpty() && ultimo.isEmpty()) break;
        faixas << primeiro.rightJustified(6, QLatin1Char('0')) + kSeparador +
                      ultimo.rightJustified(6, QLatin1Char('0'));
    }
    return faixas;
}

QStringList Informacoes() {
    const QString titulo = QStringLiteral("Desbloqueio Talonário de Cheques");
    const auto& c = Lumomain::DadosConsultaDesbloqueioTalonario_Banco;
    return {QString((38 - titulo.size()) / 2, QLatin1Char(' ')) + titulo,
            QString(),
            QStringLiteral("Banco          : ") + c.texto(0, 3),
            QString(),
            QStringLiteral("Agência        : ") + c.texto(3, 4) + QStringLiteral("   C1      : ") +
                c.texto(7, 1),
            QString(),
            QStringLiteral("Conta Corrente : ") + c.texto(8, 13) + QStringLiteral("   Dígito  : ") +
                c.texto(21, 2)};
}

} // namespace Efetivadesbloqueiotalonariocheque

TFrmDesbloqueioTal_Crt::TFrmDesbloqueioTal_Crt(QWidget* pai)
    : TFrmTrnEmpr_Mod(pai, QString(),
                      {.caixa = QRect(61, 230, 500, 50), .larguraRotulo = 190, .xCampo = 220}) {
    lbDesbloqueioCheque =
        captura.Rotulo(QStringLiteral("lbDesbloqueioCheque"), QStringLiteral("Desbloqueio Cheques:"));
    cbDesbloqueioCheque =
        captura.Lista(QStringLiteral("cbDesbloqueioCheque"),
                      Texto(msg::MsgDesbloqueioCheque) + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
    captura.Linha(0, lbDesbloqueioCheque, cbDesbloqueioCheque, 220);
    MemoEfetDesbloq = new QPlainTextEdit(this);
    MemoEfetDesbloq->setObjectName(QStringLiteral("MemoEfetDesbloq"));
    MemoEfetDesbloq->setGeometry(111, 56, 400, 165);
    MemoEfetDesbloq->setReadOnly(true);
    MemoEfetDesbloq->setFocusPolicy(Qt::NoFocus);
    QFont fonte(QStringLiteral("Monospace"));
    fonte.setStyleHint(QFont::TypeWriter);
    MemoEfetDesbloq->setFont(fonte);
}

QList<QWidget*> TFrmDesbloqueioTal_Crt::Campos() const {
    return {cbDesbloqueioCheque};
}

void TFrmDesbloqueioTal_Crt::IniciaCamposForm() {
    DefineTitulo(Texto(msg::TituloEfetivaEmprestimo));
    Descritor = &Tabelatrn::TrnDesbloqueioTalonario;
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    cbDesbloqueioCheque->clear();
    cbDesbloqueioCheque->addItems(Efetivadesbloqueiotalonariocheque::Faixas());
    cbDesbloqueioCheque->setCurrentIndex(cbDesbloqueioCheque->count() > 0 ? 0 : -1);
    MemoEfetDesbloq->setPlainText(Efetivadesbloqueiotalonariocheque::Informacoes().join(QLatin1Char('\n')));
}

bool TFrmDesbloqueioTal_Crt::ValidaCamposForm() {
    if (cbDesbloqueioCheque->currentIndex() >= 0) return true;
    pnCaptura->setEnabled(true);
    Lumomain::MostraMensagem(Lumomain::Icone::Erro, Texto(msg::MsgErroDesbloqueioTalonarioInvalido), this);
    cbDesbloqueioCheque->setEnabled(true);
    cbDesbloqueioCheque->setFocus(Qt::OtherFocusReason);
    return false;
}

bool TFrmDesbloqueioTal_Crt::GravaCamposHostlink() {
    const QString item = cbDesbloqueioCheque->currentText();
    return TFrmTrnEmpr_Mod::GravaCamposHostlink() && Grava(10158, QStringLiteral("51")) &&
           Grava(10154, host::RemoveFormato(item.mid(0, 6)), 0) &&
           Grava(10154, host::RemoveFormato(item.mid(11, 6)), 1);
}

bool TFrmDesbloqueioTal_Crt::VerificaCapturaSenha() {
    if (Lumomain::LeSenhaCB(false, lbTitulo->text(), TIPO_SENHA_DESBLOQUEIO, lbMensagem, QString()))
        return true;
    Encerra();
    return false;
}

bool TFrmDesbloqueioTal_Crt::ConcluiConfirmacao() {
    if (!VerificaCapturaSenha() || !VerificaObtemDadosEmv()) return false;
    const int dpchip =
        host::VerificaServico5String(QStringLiteral("DPCHIP:"), true).value_or(QString()).toInt();
    host::AutorizaTransacao(Pedido(), lbMensagem);
    Lumomain::ProcessaMensagens();
    host::TrataMensagensCartaoCHIP(dpchip, lbMensagem,
                                   [this](bool marca) { return EnviaTransacaoAdviceOffLine(marca); });
    // The host reads the outcome from its fields, released or not.
    Encerra();
    return true;
}
