#include "payment/Cancelamentotrnlumo.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using host::Grava;
using msg::Texto;

TFrmCnc_Trn::TFrmCnc_Trn(QWidget* pai, const QString& nome, const char* titulo, const TTabelaTrn& descritor,
                         const char* funcao)
    : TFrmTrn_Mod(pai, nome), titulo_(titulo), descritor_(&descritor), funcao_(funcao) {
    // Up to seven rows: the amount, the document's four, and the card sale's two.
    captura.Redefine({.caixa = QRect(31, 58, 560, 240), .topo = 4, .passo = 33, .altura = 27});
    captura.Linha(0, lbValor, edValor, 250);
    edTpEntrada =
        Linha(1, lbTpEntrada, "lbTpEntrada", msg::InfoTipoEntrada, "edTpEntrada", 1, msg::MsgTpEntrada);
    EdDoc = Linha(2, lbDoc, "lbDoc", msg::InfoLBDocumento, "EdDoc", 48, msg::MsgCodigoBarras);
    EdDtVencimento = Linha(3, lbDtVencimento, "lbDtVencimento", msg::InfoVencimento, "EdDtVencimento", 0,
                           msg::MsgDataVencimento, "99/99/9999;_");
    EdNsuVorta =
        Linha(4, lbNsuVorta, "lbNsuVorta", msg::InfoNSUVorta, "EdNsuVorta", 13, msg::MsgNSUVortaGenerico);
    // The entry type is read (0) or typed (1), nothing else.
    connect(edTpEntrada, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (t != QLatin1String("0") && t != QLatin1String("1")) edTpEntrada->clear();
    });
}

QLineEdit* TFrmCnc_Trn::Linha(int linha, QLabel*& rotulo, const char* nomeRotulo, const char* texto,
                              const char* nome, int tamanho, const char* dica, const char* mascara) {
    rotulo = captura.Rotulo(QLatin1String(nomeRotulo), Texto(texto));
    auto* ed = captura.Campo(QLatin1String(nome), tamanho, Partes::Entrada::Digitos, Texto(dica));
    if (mascara) ed->setInputMask(QLatin1String(mascara));
    captura.Linha(linha, rotulo, ed, tamanho == 1 ? 30 : (tamanho > 20 ? 0 : 250));
    campos_.push_back(ed);
    // Enter moves down the rows in their order, and from the last one to Confirm, then Return.
    QWidget* anterior = edValor;
    for (QWidget* w : campos_) {
        setTabOrder(anterior, w);
        anterior = w;
    }
    setTabOrder(anterior, btConfirma);
    setTabOrder(btConfirma, btRetorna);
    return ed;
}

void TFrmCnc_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    DefineTitulo(Texto(titulo_));
    Descritor = descritor_;
    // The payment is named by its receipt: no card PIN is asked to cancel it.
    CapturaSenha = false;
    const QString tipo = host::LeCampo(1040).trimmed();
    edTpEntrada->setText(tipo);
    edTpEntrada->setEnabled(tipo.isEmpty());
    const QString documento = host::LeCampo(1041, Lumomain::IndiceAtual).trimmed();
    EdDoc->setText(documento);
    EdDoc->setEnabled(documento.isEmpty());
    EdDtVencimento->clear();
    EdNsuVorta->clear();
}

bool TFrmCnc_Trn::Repete(const char* mensagem, QLineEdit* edit) {
    if (edit->isEnabledTo(pnCaptura)) edit->clear();
    ExibeMsgErroRepeteCampo(Texto(mensagem), edit, pnCaptura);
    // A date's mask starts over from its first digit.
    if (!edit->inputMask().isEmpty()) edit->setCursorPosition(0);
    return false;
}

QString TFrmCnc_Trn::DataValida(const QLineEdit* edit, bool ateHoje) {
    QString digitos;
    for (const QChar c : edit->text())
        if (c.isDigit()) digitos += c;
    const QDate data = QDate::fromString(digitos, QStringLiteral("ddMMyyyy"));
    if (digitos.size() != 8 || !data.isValid() || (ateHoje && data > QDate::currentDate())) return {};
    return digitos;
}

bool TFrmCnc_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (edTpEntrada->text().trimmed().isEmpty()) return Repete(msg::MsgErroTpEntradaInvalido, edTpEntrada);
    if (EdDoc->text().trimmed().isEmpty()) return Repete(msg::MsgErroDocumentoInvalido, EdDoc);
    if (EdDtVencimento->isEnabledTo(pnCaptura) && DataValida(EdDtVencimento, false).isEmpty())
        return Repete(msg::ErroDataInvalida, EdDtVencimento);
    if (EdNsuVorta->text().trimmed().isEmpty()) return Repete(msg::MsgErroNumComprovanteInvalido, EdNsuVorta);
    return true;
}

bool TFrmCnc_Trn::GravaCamposHostlink() {
    return TFrmTrn_Mod::GravaCamposHostlink() && Grava(10158, QLatin1String(funcao_)) &&
           host::GravaCampoBytes(10148, 0, "0") == 0 && Grava(10167, edTpEntrada->text().trimmed()) &&
           Grava(10168, EdDoc->text().trimmed()) && Grava(10169, DataValida(EdDtVencimento, false)) &&
           Grava(10102, EdNsuVorta->text().trimmed());
}

QString TFrmCnc_Trn::ModalidadeCredito() {
    return host::LeCampo(10134).trimmed() == QLatin1String("1") ? QStringLiteral("055")
                                                                : QStringLiteral("054");
}
