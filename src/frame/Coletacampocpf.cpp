#include "frame/Coletacampocpf.h"

#include "frame/Coletacampocartao.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using msg::Texto;

} // namespace

namespace {

Partes::Grade GradeCPF() {
    return Partes::Grade{.caixa = QRect(136, 150, 350, 80),
                         .topo = 26,
                         .altura = 28,
                         .xRotulo = 30,
                         .larguraRotulo = 60,
                         .xCampo = 100};
}

} // namespace

TFrmColetaCampoCPF::TFrmColetaCampoCPF(QWidget* pai) : TFrmColeta_Mod(pai, QString(), GradeCPF()) {
    lbCPFCGC = captura.Rotulo(QStringLiteral("lbCPFCGC"), Texto(msg::InfoCPF));
    edCPFCGC = captura.Campo(QStringLiteral("edCPFCGC"), 0, Partes::Entrada::Digitos, Texto(msg::MsgCpfCgc));
    edCPFCGC->setInputMask(QLatin1String(Coletavalortrn::MascaraCPF));
    captura.Linha(0, lbCPFCGC, edCPFCGC, 200);
    CriaBotoes({edCPFCGC});
}

void TFrmColetaCampoCPF::IniciaCamposForm() {
    lbCPFCGC->setText(Texto(msg::InfoCPF));
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    const QString cpf = host::RemoveFormato(host::LeCampo(1007));
    edCPFCGC->setText(cpf);
    // A CPF the host already knows is the customer's own: the operator only confirms it.
    edCPFCGC->setEnabled(cpf.isEmpty());
}

bool TFrmColetaCampoCPF::ValidaCamposForm() {
    if (host::VerificaCPF(host::RemoveFormato(edCPFCGC->text()))) return true;
    ExibeMsgErroRepeteCampo(Texto(msg::ErroCPFInvalido), edCPFCGC, pnCaptura);
    return false;
}

bool TFrmColetaCampoCPF::GravaCamposHostlink() {
    if (!TFrmColeta_Mod::GravaCamposHostlink()) return false;
    return host::GravaCampoString(1007, 0, host::RemoveFormato(edCPFCGC->text())) == 0;
}

bool TFrmColetaCampoCPF::ConcluiConfirmacao() {
    // The prepaid-card flow reads its step results in 10154 (the value dialog leaves "255" there after a
    // refusal on the PIN pad): a confirmed CPF must leave "0", or ColetaCPFCartaoPrePago would fail it.
    return host::GravaCampoString(10154, 0, QStringLiteral("0")) == 0;
}

namespace Lumomain {

bool ColetaCPFCartaoPrePago() {
    host::GravaAudit(QStringLiteral("Entrou: ColetaCPFCartaoPrePago."));
    const int resultado =
        Coletavalortrn::ExecutaColeta<TFrmColetaCampoCPF>(QStringLiteral("FrmColetaCampoCPF"));
    const bool ok = resultado != TFrmMod::mrNone && resultado != TFrmMod::mrCancel &&
                    host::LeCampo(10154) == QLatin1String("0");
    host::GravaAudit(ok ? QStringLiteral("Saiu: ColetaCPFCartaoPrePago.")
                        : QStringLiteral("Saiu Erro: ColetaCPFCartaoPrePago."));
    return ok;
}

} // namespace Lumomain
