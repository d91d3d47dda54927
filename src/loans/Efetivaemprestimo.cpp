#include "loans/Efetivaemprestimo.h"

#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "frame/Partes.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using host::Grava;
using msg::Texto;

TFrmEfetEmprest* FrmEfetEmprest = nullptr;

namespace Efetivaemprestimo {

QString DescricaoPlano(int i) {
    const auto& planos = Lumomain::ServicoXSimulaEmprestimo.Opcoes;
    if (i < 0 || i >= static_cast<int>(planos.size())) return {};
    // Plan: count (3), instalment (12), total (12), monthly rate in hundredths of a percent (5).
    const auto& p = planos.at(static_cast<size_t>(i));
    const QString taxa =
        QString::number(p.inteiro(27, 5, 0) / 100.0, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
    return QStringLiteral("%1 x R$ %2 - total R$ %3 - juros %4% a.m.")
        .arg(p.inteiro(0, 3, 0))
        .arg(host::Dollar(p.texto(3, 12)).trimmed(), host::Dollar(p.texto(15, 12)).trimmed(), taxa);
}

} // namespace Efetivaemprestimo

TFrmEfetEmprest::TFrmEfetEmprest(QWidget* pai)
    : TFrmEfetEmprest(pai, QString(), QStringLiteral("Número do Contrato:"),
                      Texto(msg::MsgSelecioneNumContrato)) {}

TFrmEfetEmprest::TFrmEfetEmprest(QWidget* pai, const QString& nome, const QString& rotuloLista,
                                 const QString& dica)
    : TFrmTrnEmpr_Mod(pai, nome, {.caixa = QRect(61, 100, 500, 140), .larguraRotulo = 190, .xCampo = 220}) {
    edValor = EdicaoValor::CriaCampoValor(pnCaptura, lbValor);
    edValor->setMaxLength(12);
    DefineDica(edValor, Texto(msg::MsgValorEmprestimo));
    captura.Linha(0, lbValor, edValor, 200);
    lbNumeroContrato = captura.Rotulo(QStringLiteral("lbNumeroContrato"), rotuloLista);
    cbNumeroContrato = captura.Lista(QStringLiteral("cbNumeroContrato"),
                                     dica + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
    captura.Linha(1, lbNumeroContrato, cbNumeroContrato, 200);
    lbPlano = new QLabel(pnCaptura);
    lbPlano->setObjectName(QStringLiteral("lbPlano"));
    captura.Linha(2, captura.Rotulo(QStringLiteral("lbRotuloPlano"), QStringLiteral("Plano:")), lbPlano);
    connect(cbNumeroContrato, &QComboBox::currentIndexChanged, this,
            [this](int i) { lbPlano->setText(DescricaoPlano(i)); });
}

QList<QWidget*> TFrmEfetEmprest::Campos() const {
    return {edValor, cbNumeroContrato};
}

QString TFrmEfetEmprest::DescricaoPlano(int i) const {
    return Efetivaemprestimo::DescricaoPlano(i);
}

void TFrmEfetEmprest::IniciaCamposForm() {
    DefineTitulo(Texto(msg::TituloEfetivaEmprestimo));
    Descritor = &Tabelatrn::TrnEfetivaEmprestimo;
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    lbValor->setText(Texto(msg::InfoValorTransacao));
    const QString digitos = host::RemoveFormato(host::LeCampo(1003)).trimmed();
    const QString valor = digitos.isEmpty() ? QString() : host::Dollar(digitos);
    edValor->setText(valor);
    // The simulated amount is the contract's; only without one may the operator type it.
    edValor->setEnabled(valor.isEmpty() || EdicaoValor::Centavos(valor) == 0);
    cbNumeroContrato->clear();
    for (const auto& p : Lumomain::ServicoXSimulaEmprestimo.Opcoes)
        cbNumeroContrato->addItem(p.texto(55, 9).trimmed());
    cbNumeroContrato->setCurrentIndex(-1);
    lbPlano->clear();
}

bool TFrmEfetEmprest::ValidaCamposForm() {
    const auto repete = [this](const char* mensagem, QWidget* campo) {
        Lumomain::MostraMensagem(Lumomain::Icone::Erro, Texto(mensagem), this);
        pnCaptura->setEnabled(true);
        campo->setFocus(Qt::OtherFocusReason);
        return false;
    };
    if (EdicaoValor::Centavos(edValor->text()) <= 0) return repete(msg::MsgValorEmprestimo, edValor);
    if (cbNumeroContrato->currentIndex() < 0) return repete(MensagemSemEscolha(), cbNumeroContrato);
    return true;
}

bool TFrmEfetEmprest::GravaEscolha() {
    return Grava(10158, QStringLiteral("41")) && Grava(10253, cbNumeroContrato->currentText());
}

bool TFrmEfetEmprest::GravaCamposHostlink() {
    return TFrmTrnEmpr_Mod::GravaCamposHostlink() && Grava(1003, host::RemoveFormato(edValor->text())) &&
           GravaEscolha();
}
