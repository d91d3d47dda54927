#include "payment/Fechamentorepasse.h"

#include "protocol/Tabelatrn.h"

namespace Fechamentorepasse {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Fechamentorepasse, TrnFechamentoRepasse,
             Descritor(242, 1, {A, F(10112), F(1040), F(1041).fmt(4), F(1252)}));

} // namespace Fechamentorepasse

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using host::Grava;
using msg::Texto;

TFrmFech_Rep* FrmFech_Rep = nullptr;

namespace {
// Bit 0 of the screen flags shows the boleto rows, bit 1 the movement date; no flag at all, the boleto only.
int FlagsTela() {
    const QString flag = Lumomain::InformacoesFechamentoRepasse.texto(26, 1);
    return flag.isEmpty() ? 1 : flag.toInt();
}

// YYYYMMDD to DDMMYYYY.
QString DiaMesAno(const QString& anoMesDia) {
    return anoMesDia.mid(6, 2) + anoMesDia.mid(4, 2) + anoMesDia.left(4);
}
} // namespace

TFrmFech_Rep::TFrmFech_Rep(QWidget* pai) : TFrmCAP_Mod(pai, QString()) {
    captura.Redefine(GradeCodigo(QRect(16, 60, 590, 150)));
    lbDataMovimento = captura.Rotulo(QStringLiteral("lbDataMovimento"), QStringLiteral("Data Movimento:"));
    edDataMovimento = captura.Campo(QStringLiteral("edDataMovimento"), 0, Partes::Entrada::Digitos,
                                    Texto(msg::MsgDataMovimento));
    edDataMovimento->setInputMask(QStringLiteral("99/99/9999;_"));
    captura.Linha(2, lbDataMovimento, edDataMovimento, 120);
    setTabOrder(ed_bloco4_12, edDataMovimento);
    setTabOrder(edDataMovimento, btConfirma);
}

void TFrmFech_Rep::IniciaCamposForm() {
    TFrmCAP_Mod::IniciaCamposForm();
    Descritor = &Fechamentorepasse::TrnFechamentoRepasse;
    DefineTitulo(Texto(msg::TituloFechamentoRepasse));
    VerificaCamposHabilitados();
}

bool TFrmFech_Rep::HabilitaDesabilitaCamposBoleto() {
    return (FlagsTela() & 1) != 0;
}

bool TFrmFech_Rep::HabilitaDesabilitaCamposDataMovimento() {
    return (FlagsTela() & 2) != 0;
}

void TFrmFech_Rep::VerificaCamposHabilitados() {
    const bool boleto = HabilitaDesabilitaCamposBoleto();
    LbTpEntrada->setVisible(boleto);
    edTpEntrada->setVisible(boleto);
    lbDoc->setVisible(boleto);
    EdDoc->setVisible(boleto);
    const bool movimento = HabilitaDesabilitaCamposDataMovimento();
    lbDataMovimento->setVisible(movimento);
    edDataMovimento->setVisible(movimento);
}

bool TFrmFech_Rep::ValidaCamposForm() {
    if (edTpEntrada->isVisibleTo(this) && !TFrmCAP_Mod::ValidaCamposForm()) {
        pnCaptura->setEnabled(true);
        return false;
    }
    if (edDataMovimento->isVisibleTo(this)) {
        QString digitos;
        for (const QChar c : edDataMovimento->text())
            if (c.isDigit()) digitos += c;
        if (digitos.size() < 8 || !QDate::fromString(digitos, QStringLiteral("ddMMyyyy")).isValid()) {
            if (edDataMovimento->isEnabledTo(pnCaptura)) edDataMovimento->clear();
            ExibeMsgErroRepeteCampo(Texto(msg::ErroDataInvalida), edDataMovimento, pnCaptura);
            edDataMovimento->setCursorPosition(0);
            return false;
        }
    }
    return true;
}

bool TFrmFech_Rep::GravaCamposHostlink() {
    if (!TFrmCAP_Mod::GravaCamposHostlink() ||
        !Grava(10112, Lumomain::ServicoHzinho_Pagamento.texto(20, 3)) || !Grava(10158, QStringLiteral("82")))
        return false;
    if (edTpEntrada->isVisibleTo(this)) {
        if (!Grava(1040, edTpEntrada->text().trimmed())) return false;
        if (host::LeCampo(1041).trimmed().isEmpty() && !Grava(1041, EdDoc->text().trimmed())) return false;
    }
    if (edDataMovimento->isVisibleTo(this)) {
        // The screen shows day, month, year; the bank takes the year first.
        const QString t = edDataMovimento->text();
        Grava(1252, t.mid(6, 4) + t.mid(3, 2) + t.left(2));
    }
    return true;
}

void TFrmFech_Rep::btConfirmaClick() {
    bControlaKeyPreview = false;
    HabilitaControles(false);
    if (!ValidaCamposForm() || !GravaCamposHostlink()) {
        HabilitaControles(true);
        return;
    }
    if (VerificaAutorizaTransacao() == 0) {
        // Service A: 4-15 the settled amount, 16-23 and 24-31 the period's dates, year first.
        const QString a = QString::fromLatin1(host::LeCampoBytes(20010, 0, 128)).left(49);
        Grava(1250, a.mid(4, 12));
        Grava(1251, DiaMesAno(a.mid(16, 8)));
        Grava(1252, DiaMesAno(a.mid(24, 8)));
    }
    const QString texto = host::LeCampo(1027);
    if (!texto.isEmpty()) DefineMensagem(texto);
    Encerra();
}
