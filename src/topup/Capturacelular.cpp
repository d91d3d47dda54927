#include "topup/Capturacelular.h"

#include "host/Host.h"
#include "protocol/Estado.h"
#include "protocol/ServicosRecarga.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using msg::Texto;

namespace Capturacelular {

QString TelefoneResumo(const QString& ddd, const QString& numero) {
    const long long d = ddd.trimmed().toLongLong(), n = numero.trimmed().toLongLong();
    if (d <= 0 || n <= 0) return {};
    QString texto = QString::number(n);
    if (texto.size() == 8) texto = texto.left(4) + QLatin1Char('-') + texto.right(4);
    return QStringLiteral("(%1)%2").arg(d).arg(texto);
}

QString LinhaTelefone() {
    const QString telefone = TelefoneResumo(host::LeCampo(1038), host::LeCampo(1039));
    return telefone.isEmpty() ? QString() : Texto(msg::InfoNumeroDoCelular) + QLatin1Char(' ') + telefone;
}

QString DDDPedido() {
    return host::PreencherZerosEsquerda(Lumomain::sDDDRecarga.trimmed(), 3);
}

QString NumeroPedido() {
    return host::PreencherZerosEsquerda(Lumomain::sNumeroRecarga.trimmed(), 11);
}

} // namespace Capturacelular

TFrmCapCel_Mod::TFrmCapCel_Mod(QWidget* pai, const QString& nome, const Partes::Grade& grade)
    : TFrmColeta_Mod(pai, nome, grade) {
    MemoResumoCartao = new QPlainTextEdit(this);
    MemoResumoCartao->setObjectName(QStringLiteral("MemoResumoCartao"));
    MemoResumoCartao->setReadOnly(true);
    MemoResumoCartao->setEnabled(false);
    MemoResumoCartao->setFocusPolicy(Qt::NoFocus);
    PosicionaResumo(QRect(40, 52, 540, 124));
}

void TFrmCapCel_Mod::PosicionaResumo(const QRect& caixa) {
    MemoResumoCartao->setGeometry(caixa);
}

void TFrmCapCel_Mod::AcrescentaResumo(const QStringList& linhas) {
    for (const QString& l : linhas)
        MemoResumoCartao->appendPlainText(l);
}

void TFrmCapCel_Mod::MontaResumo() {
    MemoResumoCartao->clear();
    QStringList linhas{Texto(msg::TituloCargaCelularPrePago)};
    const QString filial = host::LeCampo(1254).trimmed();
    if (!filial.isEmpty())
        linhas << QStringLiteral(" ") << Texto(msg::InfoFilial) + QLatin1Char(' ') + filial;
    const QString telefone = Capturacelular::LinhaTelefone();
    if (!telefone.isEmpty()) linhas << QStringLiteral(" ") << telefone;
    const QString tarifa = Lumomain::RespostaConsultaValores.Tarifa.texto().trimmed();
    if (!tarifa.isEmpty())
        linhas << QStringLiteral(" ")
               << Texto(msg::InfoValorTarifa) + QLatin1Char(' ') + host::Dollar(tarifa);
    AcrescentaResumo(linhas);
}

bool TFrmCapCel_Mod::GravaCamposHostlink() {
    using Capturacelular::DDDPedido;
    using Capturacelular::NumeroPedido;
    return TFrmColeta_Mod::GravaCamposHostlink() && host::Grava(1038, DDDPedido()) &&
           host::Grava(1039, NumeroPedido()) && host::Grava(10104, DDDPedido() + NumeroPedido());
}

void TFrmCapCel_Mod::FalhaCriacao(const char* nome) {
    Lumomain::MostraMensagem(Lumomain::Icone::Nenhum, TextoFalhaCriacao(nome), this);
}

void TFrmCapCel_Mod::Retoma() {
    HabilitaCaptura(true);
    FocaPrimeiroControle();
}

TFrmCapCel_Mod::Confirmacao TFrmCapCel_Mod::ObtemConfirmacao(const char* mensagem, const QString& visor) {
    DefineMensagem(Texto(mensagem));
    lbMensagem->repaint();
    const uint16_t resultado = host::ObtemConfirmacao(visor, 0);
    DefineMensagem(Texto(msg::MsgEmProcessamento));
    if (resultado == 0) return Confirmacao::Confirmada;
    if (resultado == 9) {
        Retoma();
        return Confirmacao::NaoConfirmada;
    }
    // The PIN pad did not answer: the operator is told, the host gets the error and the chain ends.
    const QString erro = Lumomain::Formata(msg::MsgConectePin, {QString::number(resultado)});
    Lumomain::MostraMensagem(Lumomain::Icone::Erro, erro, this);
    Encerra(QStringLiteral("255"), erro);
    return Confirmacao::Encerrada;
}

TFrmCapCel_Mod::Confirmacao TFrmCapCel_Mod::ConfirmaTelefonePinpad(const QString& valor) {
    const QString telefone = QStringLiteral("%1-%2")
                                 .arg(Lumomain::sDDDRecarga.toLongLong())
                                 .arg(Lumomain::sNumeroRecarga.toLongLong())
                                 .leftJustified(16, QLatin1Char(' '));
    return ObtemConfirmacao(msg::MsgSolicitaConfCel,
                            telefone + QStringLiteral("R$") + host::Dollar(host::RemoveFormato(valor)));
}

TFrmCapCel_Mod::Confirmacao TFrmCapCel_Mod::ConfirmaPagamentoValorTarifa(const QString& tarifa) {
    const QString linha = Texto(msg::MsgPinpadConfirmaTarifa).leftJustified(16, QLatin1Char(' '), true);
    return ObtemConfirmacao(msg::MsgSolicitaConfCelPagtoValorTarifa,
                            linha + QStringLiteral("R$") + host::Dollar(host::RemoveFormato(tarifa)));
}

bool TFrmCapCel_Mod::VerificaTrataTarifaRecarga(const QString& tarifa) {
    if (host::RemoveFormato(tarifa).toLongLong() <= 0) return true;
    AcrescentaResumo(
        {QStringLiteral(" "),
         Texto(msg::InfoValorTarifa) + QLatin1Char(' ') + host::Dollar(host::RemoveFormato(tarifa)),
         QStringLiteral(" "), Texto(msg::MsgValorTarifaCliente)});
    switch (ConfirmaPagamentoValorTarifa(tarifa)) {
    case Confirmacao::Confirmada:
        return true;
    case Confirmacao::NaoConfirmada:
        // The customer refused to pay the tariff: the top-up is over.
        Encerra(QStringLiteral("255"), Texto(msg::ErroFinalizadoOper));
        return false;
    case Confirmacao::Encerrada:
        return false;
    }
    return false;
}
