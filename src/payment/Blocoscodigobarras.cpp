#include "payment/Blocoscodigobarras.h"

#include "frame/Lumomain.h"
#include "frame/Modelolumo.h"
#include "frame/Partes.h"
#include "host/Host.h"
#include "payment/Capturacodigobarras.h"
#include "resources/Mensagens.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using msg::Texto;

namespace {

bool Digito(const QString& texto) {
    return texto.size() == 1 && texto.at(0).isDigit();
}

// Restores the form's flag on every way out of a handler that moves the focus itself.
class FocoProprio {
public:
    explicit FocoProprio(bool& flag) : flag_(flag), antes_(flag) { flag_ = true; }
    ~FocoProprio() { flag_ = antes_; }
    FocoProprio(const FocoProprio&) = delete;
    FocoProprio& operator=(const FocoProprio&) = delete;

private:
    bool& flag_;
    bool antes_;
};

} // namespace

BlocosCodigoBarras::BlocosCodigoBarras(TFrmMod& form, Partes::Captura& captura, int altura,
                                       QLineEdit* tipoEntrada, bool& focoProprio)
    : QObject(&form), form_(form), captura_(captura), tipoEntrada_(tipoEntrada), focoProprio_(focoProprio) {
    // The blocks sit closer than the controls of a row, so they share one control of the row.
    linha_ = new QWidget(captura.Painel());
    auto* blocos = new QHBoxLayout(linha_);
    blocos->setContentsMargins(0, 0, 0, 0);
    blocos->setSpacing(4);
    const auto criaBloco = [&](const char* nome, int tamanho, int largura) {
        QLineEdit* e =
            captura.Campo(QLatin1String(nome), tamanho, Partes::Entrada::Texto, Texto(msg::MsgCodigoBarras));
        e->setParent(linha_);
        e->setFixedSize(largura, altura);
        blocos->addWidget(e);
        e->installEventFilter(this);
        return e;
    };
    EdDoc = criaBloco("EdDoc", 48, 454);
    ed_bloco1 = criaBloco("ed_bloco1", 12, 96);
    ed_bloco2 = criaBloco("ed_bloco2", 12, 100);
    ed_bloco3 = criaBloco("ed_bloco3", 12, 100);
    ed_digito = criaBloco("ed_digito", 1, 20);
    ed_bloco4_14 = criaBloco("ed_bloco4_14", 14, 122);
    ed_bloco4_12 = criaBloco("ed_bloco4_12", 12, 100);
    blocos->addStretch();
    for (QLineEdit* bloco : {ed_bloco1, ed_bloco2, ed_bloco3})
        connect(bloco, &QLineEdit::textEdited, this,
                [this, bloco] { form_.Protegido([&] { BlocoAlterado(bloco); }); });
    connect(ed_digito, &QLineEdit::textEdited, this, [this](const QString& texto) {
        if (!texto.isEmpty()) Foca(ed_bloco4_14);
    });
    Limpa(1);
}

void BlocosCodigoBarras::Limpa(int modo) {
    const FocoProprio proprio(focoProprio_);
    QLineEdit* blocos[] = {ed_bloco1, ed_bloco2, ed_bloco3, ed_digito, ed_bloco4_14, ed_bloco4_12};
    switch (modo) {
    case 0:
        for (QLineEdit* b : blocos)
            b->clear();
        break;
    case 1:
        EdDoc->show();
        for (QLineEdit* b : blocos)
            b->hide();
        break;
    case 2:
        EdDoc->hide();
        for (QLineEdit* b : blocos)
            b->setVisible(b != ed_bloco4_12);
        break;
    default:
        break;
    }
}

void BlocosCodigoBarras::AjustaLayout(bool convenio) {
    // A collection (first digit 8): 4 blocks of 11 digits and their check digits. A boleto: 10 + 11 + 11
    // digits, the general check digit and the 14 digits of due-date factor and amount.
    ed_bloco1->setMaxLength(convenio ? 12 : 10);
    ed_bloco2->setMaxLength(convenio ? 12 : 11);
    ed_bloco3->setMaxLength(convenio ? 12 : 11);
    ed_bloco4_12->setMaxLength(12);
    ed_bloco4_14->setMaxLength(14);
    ed_bloco4_14->setVisible(!convenio);
    ed_digito->setVisible(!convenio);
    ed_bloco4_12->setVisible(convenio);
}

void BlocosCodigoBarras::MostraConformeTipo(const QString& tipo) {
    if (tipo == QLatin1String("1")) {
        Limpa(2);
        Limpa(0);
        Foca(ed_bloco1);
    } else if (tipo == QLatin1String("0")) {
        Limpa(1);
        Foca(EdDoc);
    }
}

void BlocosCodigoBarras::Foca(QWidget* controle) {
    const FocoProprio proprio(focoProprio_);
    if (controle && controle->isVisibleTo(&form_) && controle->isEnabled() &&
        controle->focusPolicy() != Qt::NoFocus)
        controle->setFocus(Qt::OtherFocusReason);
    else
        form_.FocaPrimeiroControle();
}

void BlocosCodigoBarras::Aviso(const char* mensagem) {
    Lumomain::MostraMensagem(Lumomain::Icone::Aviso, Texto(mensagem), &form_);
}

bool BlocosCodigoBarras::eventFilter(QObject* objeto, QEvent* e) {
    auto* edit = qobject_cast<QLineEdit*>(objeto);
    if (!edit) return false;
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const int tecla = k->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Tab ||
            tecla == Qt::Key_Backtab || tecla == Qt::Key_Backspace || (k->modifiers() & Qt::AltModifier))
            return false;
        // Only digits make a bar code; a key that types nothing only moves the caret.
        const QString t = k->text();
        if (!t.isEmpty() && !Digito(t)) return true;
        // A digit typed at the start of block 1 is the first of the line: it says whether a collection or a
        // boleto is being typed, before the edit takes it.
        if (edit == ed_bloco1 && !t.isEmpty() && ed_bloco1->cursorPosition() == 0)
            AjustaLayout(t == QLatin1String("8"));
    } else if (e->type() == QEvent::FocusOut && (edit == ed_bloco4_14 || edit == ed_bloco4_12)) {
        const auto motivo = static_cast<QFocusEvent*>(e)->reason();
        // A message box or a popup taking the focus is not the operator leaving the block; nor is Return.
        if (focoProprio_ || motivo == Qt::ActiveWindowFocusReason || motivo == Qt::PopupFocusReason)
            return false;
        if (retorna && QApplication::focusWidget() == retorna) return false;
        const FocoProprio proprio(focoProprio_);
        form_.Protegido([this] { Valida(); });
    }
    return false;
}

void BlocosCodigoBarras::BlocoAlterado(QLineEdit* bloco) {
    if (bloco->text().size() != bloco->maxLength()) return;
    if (Capturacodigobarras::ValidaBloco(ed_bloco1->text(), bloco->text())) {
        if (bloco == ed_bloco1)
            Foca(ed_bloco2);
        else if (bloco == ed_bloco2)
            Foca(ed_bloco3);
        else
            Foca(ed_bloco4_12->isVisibleTo(&form_) ? ed_bloco4_12 : ed_digito);
        return;
    }
    const FocoProprio proprio(focoProprio_);
    Aviso(bloco == ed_bloco1   ? msg::MsgErroBloco1Invalido
          : bloco == ed_bloco2 ? msg::MsgErroBloco2Invalido
                               : msg::MsgErroBloco3Invalido);
    bloco->clear();
    Foca(bloco);
}

bool BlocosCodigoBarras::Valida() {
    const FocoProprio proprio(focoProprio_);
    for (QLineEdit* b : {ed_bloco1, ed_bloco2, ed_bloco3}) {
        if (b->text().size() < b->maxLength()) {
            Aviso(msg::MsgErroCodigoBarras);
            captura_.Painel()->setEnabled(true);
            Foca(tipoEntrada_);
            return false;
        }
    }
    QString linha;
    bool valida = false;
    if (ed_digito->isVisibleTo(&form_)) {
        if (ed_digito->text().trimmed().isEmpty()) {
            Aviso(msg::ErroDigitoGeralInvalido);
            Foca(ed_digito);
            return false;
        }
        // A short fourth block is the amount without leading zeros: the line is checked with them.
        const QString bloco4 = ed_bloco4_14->text().trimmed().rightJustified(14, QLatin1Char('0'));
        linha = ed_bloco1->text() + ed_bloco2->text() + ed_bloco3->text() + ed_digito->text() + bloco4;
        valida = host::ValidaCodigoBarrasCompletoTitulo(linha);
    } else {
        if (ed_bloco1->text().startsWith(QLatin1Char('8')) && ed_bloco4_12->text().size() < 12) {
            Aviso(msg::MsgErroBloco4Invalido);
            ed_bloco4_12->clear();
            Foca(ed_bloco4_12);
            return false;
        }
        linha = ed_bloco1->text() + ed_bloco2->text() + ed_bloco3->text() + ed_bloco4_12->text();
        valida = host::ValidaCodigoBarrasCompletoConvenio(linha);
    }
    if (!valida) {
        Aviso(msg::MsgErroCodigoBarras);
        captura_.Painel()->setEnabled(true);
        Limpa(2);
        // The fourth block follows the layout of the line being typed.
        AjustaLayout(ed_bloco1->text().startsWith(QLatin1Char('8')));
        Foca(ed_bloco1);
        return false;
    }
    Limpa(1);
    EdDoc->raise();
    // The line as checked (a short fourth block padded): the server reads a full-length line.
    EdDoc->setText(linha);
    return true;
}
