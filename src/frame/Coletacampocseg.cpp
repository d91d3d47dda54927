#include "frame/Coletacampocseg.h"

#include "frame/Coletacampocartao.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <memory>

using namespace Coletacampocartao;

TFrmColetaCampoCSEG::TFrmColetaCampoCSEG(QWidget* pai) : TFrmMod(pai, QString()) {
    const Partes::Grade grade{.caixa = QRect(161, 150, 300, 130),
                              .topo = 22,
                              .altura = 28,
                              .xRotulo = 60,
                              .larguraRotulo = 70,
                              .xCampo = 135};
    captura_ = std::make_unique<Partes::Captura>(*this, grade);
    pnCSeg = captura_->Painel();
    pnCSeg->setObjectName(QStringLiteral("pnCSeg"));
    LbCSeg = captura_->Rotulo(QStringLiteral("LbCSeg"), QStringLiteral("C. Seg:"));
    EdCSeg = captura_->Campo(QStringLiteral("EdCSeg"), 5, Partes::Entrada::Digitos, {});
    EdCSeg->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), EdCSeg));
    captura_->Linha(0, LbCSeg, EdCSeg, 90);
    captura_->Monta();

    btConfirma = CriaBotao(QStringLiteral("btConfirma"), QStringLiteral("&1 - Confirma"),
                           QRect(15, 80, 130, 32), pnCSeg);
    btCancela = CriaBotao(QStringLiteral("btCancela"), QStringLiteral("&9 - Cancela"),
                          QRect(155, 80, 130, 32), pnCSeg);
    setTabOrder(EdCSeg, btConfirma);
    setTabOrder(btConfirma, btCancela);
    LigaClique(btConfirma, [this] { btConfirmaClick(); });
    LigaClique(btCancela, [this] { btCancelaClick(); });

    DefineMensagem(QString::fromUtf8(msg::MsgCodigoSeguranca));
}

TFrmColetaCampoCSEG::~TFrmColetaCampoCSEG() {
    host::memLimpaEdit(EdCSeg);
}

void TFrmColetaCampoCSEG::hideEvent(QHideEvent* e) {
    if (!e->spontaneous()) {
        host::memLimpaEdit(EdCSeg);
        // Cancelled by any way (also closed by the window manager): no code of this card stays for the
        // request.
        if (ModalResult() == mrCancel) host::LimpaCampo(10149);
    }
    TFrmMod::hideEvent(e);
}

void TFrmColetaCampoCSEG::RepeteCampo() {
    pnCSeg->setEnabled(true);
    btConfirma->setEnabled(true);
    btCancela->setEnabled(true);
    host::memLimpaEdit(EdCSeg);
    EdCSeg->setFocus(Qt::OtherFocusReason);
}

void TFrmColetaCampoCSEG::btConfirmaClick() {
    pnCSeg->setEnabled(false);
    btConfirma->setEnabled(false);
    btCancela->setEnabled(false);
    QString codigo = EdCSeg->text().trimmed();
    const bool valido = EdCSeg->isHidden() || codigo == QLatin1String("0") || codigo == QLatin1String("1") ||
                        codigo.size() >= 3;
    const bool gravou = valido && GravaCampoSigiloso(10149, codigo) == 0;
    ApagaCopia(codigo);
    if (!gravou) {
        RepeteCampo();
        return;
    }
    // The code stays on screen only as its length.
    EdCSeg->setText(QString(EdCSeg->text().size(), QLatin1Char('*')));
    setModalResult(mrOk);
}

void TFrmColetaCampoCSEG::btCancelaClick() {
    Volta();
    host::memLimpaEdit(EdCSeg);
    host::LimpaCampo(10149);
}

namespace Lumomain {

bool ColetaValorCSEG() {
    host::GravaAudit(QStringLiteral("Entrou: ColetaValorCSEG."));
    std::unique_ptr<TFrmColetaCampoCSEG> form(TFrmMod::Cria<TFrmColetaCampoCSEG>(JanelaProprietaria()));
    if (!form) {
        ReportaFalha(TextoFalhaCriacao<TFrmColetaCampoCSEG>());
        host::GravaAudit(QStringLiteral("Saiu Erro: ColetaValorCSEG."));
        return false;
    }
    const int resultado = form->Executa();
    form.reset();
    ProcessaMensagens();
    if (resultado == TFrmMod::mrCancel) {
        host::GravaAudit(QStringLiteral("Saiu Erro: ColetaValorCSEG."));
        return false;
    }
    host::GravaAudit(QStringLiteral("Saiu: ColetaValorCSEG."));
    return true;
}

} // namespace Lumomain
