#include "payment/Valoresmultiplasformas.h"

#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "payment/Liquidacaocontas.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

using msg::Texto;

using EdicaoValor::Centavos;

// Method code of each part in 1112's codes: cash, cheque, debit card.
constexpr std::array<const char*, 3> kForma{"3", "2", "1"};
constexpr std::array<int, 3> kCampoValor{10183, 10184, 10185};
constexpr std::array<const char*, 3> kRotulo{msg::InfoValorDinheiro, msg::InfoChequeFin, msg::OpcaoDebito};

} // namespace

namespace Valoresmultiplasformas {

bool Usada(Parte parte) {
    return host::LeCampo(10188, parte) == QLatin1String("1");
}

} // namespace Valoresmultiplasformas

TFrmCVC_MFP::TFrmCVC_MFP(QWidget* pai) : TFrmColeta_Mod(pai, QString(), GradePartes()) {
    DefineTitulo(Texto(msg::OpcaoMultiplasFormas));
    // The total heads the box, above the rows.
    lbTotal = new QLabel(pnCaptura);
    lbTotal->setObjectName(QStringLiteral("lbTotal"));
    lbTotal->setGeometry(20, 12, 360, 28);
    for (size_t i = 0; i < edParte.size(); ++i) {
        lbParte[i] = captura.Rotulo({}, Texto(kRotulo[i]));
        // Only the cash part has a prompt of its own.
        edParte[i] = captura.Campo(QStringLiteral("edParte%1").arg(i), 12, Partes::Entrada::Texto,
                                   i == 0 ? Texto(msg::MsgValorDinheiro) : QString());
        edParte[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        EdicaoValor::Configura(edParte[i]);
        captura.Linha(static_cast<int>(i), lbParte[i], edParte[i], 200);
    }
    CriaBotoes({edParte[0], edParte[1], edParte[2]});
}

Partes::Grade TFrmCVC_MFP::GradePartes() {
    return Partes::Grade{.caixa = QRect(111, 80, 400, 200),
                         .topo = 52,
                         .passo = 44,
                         .altura = 28,
                         .larguraRotulo = 150,
                         .xCampo = 180};
}

void TFrmCVC_MFP::IniciaCamposForm() {
    lbTotal->setText(Texto(msg::InfoValorPagamento) + QLatin1Char(' ') +
                     host::Dollar(host::RemoveFormato(host::LeCampo(1003))));
    for (QLineEdit* e : edParte)
        e->clear();
}

bool TFrmCVC_MFP::ValidaCamposForm() {
    long long soma = 0;
    int usadas = 0;
    for (QLineEdit* e : edParte) {
        const long long v = Centavos(e->text());
        soma += v;
        if (v > 0) ++usadas;
    }
    // Several forms, and together exactly the invoice's total.
    if (usadas < 2 || soma != Centavos(host::LeCampo(1003))) {
        ExibeMsgErroRepeteCampo(Texto(msg::MsgErroVlrTotal), edParte[0], pnCaptura);
        return false;
    }
    return true;
}

bool TFrmCVC_MFP::GravaCamposHostlink() {
    using Liquidacao::Grava;
    int usadas = 0;
    for (size_t i = 0; i < edParte.size(); ++i) {
        const long long v = Centavos(edParte[i]->text());
        const int parte = static_cast<int>(i);
        if (v > 0) ++usadas;
        if (!Grava(kCampoValor[i], QString::number(v)) ||
            !Grava(10188, v > 0 ? QStringLiteral("1") : QStringLiteral("0"), parte) ||
            !Grava(10187, QLatin1String(kForma[i]), parte))
            return false;
    }
    return Grava(10189, QString::number(usadas));
}
