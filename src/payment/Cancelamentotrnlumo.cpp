#include "payment/Cancelamentotrnlumo.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "payment/Blocoscodigobarras.h"
#include "resources/Mensagens.h"

#include <QApplication>
#include <QDate>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using host::Grava;
using msg::Texto;

namespace Cancelamento {

QLineEdit* Linha(TFrmTrn_Mod& form, std::vector<QWidget*>& campos, int linha, QLabel*& rotulo,
                 const char* nomeRotulo, const char* texto, const char* nome, int tamanho, const char* dica,
                 const char* mascara) {
    rotulo = form.captura.Rotulo(QLatin1String(nomeRotulo), Texto(texto));
    auto* ed = form.captura.Campo(QLatin1String(nome), tamanho, Partes::Entrada::Digitos, Texto(dica));
    if (mascara) ed->setInputMask(QLatin1String(mascara));
    form.captura.Linha(linha, rotulo, ed, tamanho == 1 ? 30 : 250);
    campos.push_back(ed);
    OrdemDeTab(form, campos);
    return ed;
}

void OrdemDeTab(TFrmTrn_Mod& form, const std::vector<QWidget*>& campos) {
    QWidget* anterior = form.edValor;
    for (QWidget* w : campos) {
        QWidget::setTabOrder(anterior, w);
        anterior = w;
    }
    QWidget::setTabOrder(anterior, form.btConfirma);
    QWidget::setTabOrder(form.btConfirma, form.btRetorna);
}

bool Repete(TFrmTrn_Mod& form, const char* mensagem, QLineEdit* edit) {
    if (edit->isEnabledTo(form.pnCaptura)) edit->clear();
    form.ExibeMsgErroRepeteCampo(Texto(mensagem), edit, form.pnCaptura);
    // A date's mask starts over from its first digit.
    if (!edit->inputMask().isEmpty()) edit->setCursorPosition(0);
    return false;
}

QString Digitos(const QLineEdit* edit) {
    QString digitos;
    for (const QChar c : edit->text())
        if (c.isDigit()) digitos += c;
    return digitos;
}

} // namespace Cancelamento

TFrmCnc_Trn::TFrmCnc_Trn(QWidget* pai, const QString& nome, const char* titulo, const TTabelaTrn& descritor,
                         const char* funcao)
    : TFrmTrn_Mod(pai, nome), titulo_(titulo), descritor_(&descritor), funcao_(funcao) {
    // Up to eight rows: the amount, the document's four, the card sale's two and an account's type.
    // The typed line's blocks need the width of the screen, so the labels are narrow.
    captura.Redefine({.caixa = QRect(5, 58, 612, 240),
                      .topo = 4,
                      .passo = 30,
                      .altura = 26,
                      .xRotulo = 5,
                      .larguraRotulo = 131,
                      .xCampo = 137});
    edTpEntrada =
        Linha(1, lbTpEntrada, "lbTpEntrada", msg::InfoTipoEntrada, "edTpEntrada", 1, msg::MsgTpEntrada);
    // The document row: the bar code, or the typed line in blocks once the entry type says it is typed.
    lbDoc = captura.Rotulo(QStringLiteral("lbDoc"), Texto(msg::InfoLBDocumento));
    blocos = new BlocosCodigoBarras(*this, captura, 26, edTpEntrada, focoProprio_);
    blocos->retorna = btRetorna;
    EdDoc = blocos->EdDoc;
    captura.Linha(2, lbDoc, blocos->Linha(), 0);
    for (QLineEdit* e : blocos->Edits())
        campos_.push_back(e);
    EdDtVencimento = Linha(3, lbDtVencimento, "lbDtVencimento", msg::InfoVencimento, "EdDtVencimento", 0,
                           msg::MsgDataVencimento, "99/99/9999;_");
    EdNsuVorta =
        Linha(4, lbNsuVorta, "lbNsuVorta", msg::InfoNSUVorta, "EdNsuVorta", 13, msg::MsgNSUVortaGenerico);
    // The entry type is read (0) or typed (1), nothing else.
    connect(edTpEntrada, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (t != QLatin1String("0") && t != QLatin1String("1")) edTpEntrada->clear();
    });
    edTpEntrada->installEventFilter(this);
}

void TFrmCnc_Trn::AcrescentaNaOrdem(QWidget* controle) {
    campos_.push_back(controle);
    Cancelamento::OrdemDeTab(*this, campos_);
}

bool TFrmCnc_Trn::eventFilter(QObject* objeto, QEvent* e) {
    // Leaving the entry type for the document shows the edit that takes it: the bar code or the blocks.
    if (objeto == edTpEntrada && e->type() == QEvent::FocusOut && !focoProprio_ && edTpEntrada->isEnabled() &&
        EdDoc->isEnabled()) {
        const auto motivo = static_cast<QFocusEvent*>(e)->reason();
        QWidget* proximo = QApplication::focusWidget();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason &&
            !qobject_cast<QPushButton*>(proximo))
            blocos->MostraConformeTipo(edTpEntrada->text().trimmed());
    }
    return TFrmTrn_Mod::eventFilter(objeto, e);
}

void TFrmCnc_Trn::LimpaBlocoCanc(int modo) {
    blocos->Limpa(modo);
}

bool TFrmCnc_Trn::ValidaCodigoBarrasDigitado() {
    return blocos->Valida();
}

void TFrmCnc_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    DefineTitulo(Texto(titulo_));
    Descritor = descritor_;
    // The payment is named by its receipt: no card PIN is asked to cancel it.
    CapturaSenha = false;
    LimpaBlocoCanc(0);
    LimpaBlocoCanc(1);
    const QString tipo = host::LeCampo(1040).trimmed();
    edTpEntrada->setText(tipo);
    edTpEntrada->setEnabled(tipo.isEmpty());
    const QString documento = host::LeCampo(1041, Lumomain::IndiceAtual).trimmed();
    EdDoc->setText(documento);
    EdDoc->setEnabled(documento.isEmpty());
}

QString TFrmCnc_Trn::DataValida(const QLineEdit* edit, bool ateHoje) {
    const QString digitos = Cancelamento::Digitos(edit);
    const QDate data = QDate::fromString(digitos, QStringLiteral("ddMMyyyy"));
    if (digitos.size() != 8 || !data.isValid() || (ateHoje && data > QDate::currentDate())) return {};
    return digitos;
}

bool TFrmCnc_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (EdDoc->isHidden() && !ValidaCodigoBarrasDigitado()) return false;
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
