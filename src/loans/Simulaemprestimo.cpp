#include "loans/Simulaemprestimo.h"

#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Estado.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using host::Grava;
using msg::Texto;

TFrmSimEmprest* FrmSimEmprest = nullptr;

namespace Simulaemprestimo {

namespace {

const char* const kOrdinais[] = {"1ª", "2ª", "3ª"};

QDate Data(const QString& ddmmyyyy) {
    return ddmmyyyy.size() == 8 ? QDate::fromString(ddmmyyyy, QStringLiteral("ddMMyyyy")) : QDate();
}

} // namespace

QString MensagemParcelas(int n) {
    return Texto(msg::MsgNumeroParcelas) + QLatin1Char(' ') + Texto(msg::MsgPara) + QLatin1Char(' ') +
           QString::fromUtf8(kOrdinais[std::clamp(n, 1, 3) - 1]) + QLatin1Char(' ') +
           Texto(msg::MsgSimulacao);
}

std::optional<Falha> Valida(long long valor, const std::optional<Limite>& limite, const QString& vencimento,
                            const std::array<QString, 3>& parcelas) {
    if (valor <= 0) return Falha{Campo::Valor, Texto(msg::MsgValorEmprestimo)};
    if (!limite) return Falha{Campo::Limite, Texto(msg::MsgCodigoLimite)};
    if (valor > limite->disponivel) return Falha{Campo::Valor, Texto(msg::MsgValorAcimaLimite)};
    const QDate data = Data(vencimento);
    if (!data.isValid() || data < limite->primeiroVencimento || data > limite->ultimoVencimento)
        return Falha{Campo::Vencimento, Texto(msg::ErroDataInvalida)};
    std::array<long long, 3> n{};
    for (int i = 0; i < 3; ++i) {
        const Campo campo = static_cast<Campo>(static_cast<int>(Campo::S1) + i);
        const QString texto = parcelas.at(static_cast<size_t>(i)).trimmed();
        if (texto.isEmpty()) {
            if (i == 0) return Falha{campo, MensagemParcelas(1)};
            continue;
        }
        bool ok = false;
        n[static_cast<size_t>(i)] = texto.toLongLong(&ok);
        const long long k = n[static_cast<size_t>(i)];
        if (!ok || k < 1 || (limite->maximoParcelas > 0 && k > limite->maximoParcelas))
            return Falha{campo, Texto(msg::ErroNumeroParcelasInvalido)};
        // The instalment is the amount over the count: below the minimum when amount < minimum x count.
        if (valor < limite->parcelaMinima * k)
            return Falha{campo, Lumomain::Formata(msg::MsgValorMinimoParcela,
                                                  {host::Dollar(QString::number(limite->parcelaMinima))})};
        if (i == 1 && k == n[0]) return Falha{campo, MensagemParcelas(2)};
        if (i == 2 && (k == n[0] || k == n[1])) return Falha{campo, MensagemParcelas(3)};
    }
    return std::nullopt;
}

std::optional<Limite> LimiteDaConsulta(int i) {
    const auto& limites = Lumomain::ServicoXConsultaEmprestimo.Limites;
    if (i < 0 || i >= static_cast<int>(limites.size())) return std::nullopt;
    const auto& l = limites.at(static_cast<size_t>(i));
    const auto centavos = [&l](size_t off) { return l.texto(off, 12).trimmed().toLongLong(); };
    return Limite{centavos(55), centavos(72), Data(l.texto(84, 8)), Data(l.texto(92, 8)), 0};
}

} // namespace Simulaemprestimo

// ---------------------------------------------------------------------------------------------------------
// TFrmSimEmprest_Mod

TFrmSimEmprest_Mod::TFrmSimEmprest_Mod(QWidget* pai, const QString& nome, bool comLimite)
    : TFrmTrnEmpr_Mod(pai, nome, {.caixa = QRect(61, 52, 500, 258), .larguraRotulo = 190, .xCampo = 220}) {
    edValor = EdicaoValor::CriaCampoValor(pnCaptura, lbValor);
    edValor->setMaxLength(12);
    DefineDica(edValor, Texto(msg::MsgValorEmprestimo));
    int linha = 0;
    captura.Linha(linha++, lbValor, edValor, 200);
    if (comLimite) {
        lbCodigoLimite =
            captura.Rotulo(QStringLiteral("lbCodigoLimite"), QStringLiteral("Código do Limite:"));
        cbCodigoLimite =
            captura.Lista(QStringLiteral("cbCodigoLimite"),
                          Texto(msg::MsgCodigoLimite) + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
        captura.Linha(linha++, lbCodigoLimite, cbCodigoLimite, 200);
    }
    lbVencimento = captura.Rotulo(QStringLiteral("lbVencimento"), QStringLiteral("Vencimento Prim. Parc.:"));
    edVencimento = captura.Campo(QStringLiteral("edVencimento"), 0, Partes::Entrada::Texto,
                                 Texto(msg::MsgDataVencimentoPrimParc));
    edVencimento->setInputMask(QStringLiteral("99/99/9999;_"));
    captura.Linha(linha++, lbVencimento, edVencimento, 120);
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<size_t>(i);
        lbNumParc[k] = captura.Rotulo(QStringLiteral("lbNumParcS%1").arg(i + 1),
                                      i == 0 ? QStringLiteral("Núm. Parcelas (S1):")
                                             : QStringLiteral("(S%1)").arg(i + 1));
        edNumParc[k] = captura.Campo(QStringLiteral("edNumParcS%1").arg(i + 1), 5, Partes::Entrada::Digitos,
                                     Simulaemprestimo::MensagemParcelas(i + 1));
        captura.Linha(linha++, lbNumParc[k], edNumParc[k], 80);
    }
}

QList<QWidget*> TFrmSimEmprest_Mod::Campos() const {
    QList<QWidget*> campos{edValor};
    if (cbCodigoLimite) campos << cbCodigoLimite;
    campos << edVencimento << edNumParc[0] << edNumParc[1] << edNumParc[2];
    return campos;
}

void TFrmSimEmprest_Mod::IniciaCamposForm() {
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
}

bool TFrmSimEmprest_Mod::ValidaCamposForm() {
    using Simulaemprestimo::Campo;
    const auto falha =
        Simulaemprestimo::Valida(EdicaoValor::Centavos(edValor->text()), LimiteSelecionado(),
                                 host::RemoveFormato(edVencimento->text()),
                                 {edNumParc[0]->text(), edNumParc[1]->text(), edNumParc[2]->text()});
    if (!falha) return true;
    QWidget* campo = nullptr;
    switch (falha->campo) {
    case Campo::Valor:
        campo = edValor;
        break;
    case Campo::Limite:
        campo = cbCodigoLimite;
        break;
    case Campo::Vencimento:
        campo = edVencimento;
        break;
    default:
        campo = edNumParc[static_cast<size_t>(static_cast<int>(falha->campo) - static_cast<int>(Campo::S1))];
        break;
    }
    Lumomain::MostraMensagem(Lumomain::Icone::Erro, falha->mensagem, this);
    pnCaptura->setEnabled(true);
    if (auto* edit = qobject_cast<QLineEdit*>(campo)) edit->clear();
    if (campo) campo->setFocus(Qt::OtherFocusReason);
    return false;
}

bool TFrmSimEmprest_Mod::GravaCamposHostlink() {
    return TFrmTrnEmpr_Mod::GravaCamposHostlink() && Grava(10158, CodigoOperacao()) &&
           Grava(1003, host::RemoveFormato(edValor->text())) &&
           Grava(10169, host::RemoveFormato(edVencimento->text())) &&
           Grava(10131, edNumParc[0]->text().trimmed()) && Grava(10102, edNumParc[1]->text().trimmed(), 1) &&
           Grava(10102, edNumParc[2]->text().trimmed(), 2);
}

// ---------------------------------------------------------------------------------------------------------
// TFrmSimEmprest

TFrmSimEmprest::TFrmSimEmprest(QWidget* pai) : TFrmSimEmprest_Mod(pai, QString(), true) {}

void TFrmSimEmprest::IniciaCamposForm() {
    TFrmSimEmprest_Mod::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloSimulaEmprestimo));
    Descritor = &Tabelatrn::TrnSimulaEmprestimo;
    cbCodigoLimite->clear();
    for (const auto& l : Lumomain::ServicoXConsultaEmprestimo.Limites)
        cbCodigoLimite->addItem(l.texto(0, 3));
    cbCodigoLimite->setCurrentIndex(cbCodigoLimite->count() > 0 ? 0 : -1);
}

bool TFrmSimEmprest::GravaCamposHostlink() {
    return TFrmSimEmprest_Mod::GravaCamposHostlink() && Grava(10252, cbCodigoLimite->currentText());
}

std::optional<Simulaemprestimo::Limite> TFrmSimEmprest::LimiteSelecionado() const {
    return Simulaemprestimo::LimiteDaConsulta(cbCodigoLimite->currentIndex());
}
