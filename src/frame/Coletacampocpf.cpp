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

TFrmColetaCampoCPF::TFrmColetaCampoCPF(QWidget* pai)
    : TFrmColeta_Mod(pai, QStringLiteral("FrmColetaCampoCPF"), QRect(136, 150, 350, 80)) {
    lbCPFCGC = new QLabel(Texto(msg::InfoCPF), pnCaptura);
    lbCPFCGC->setObjectName(QStringLiteral("lbCPFCGC"));
    lbCPFCGC->setGeometry(30, 26, 60, 28);

    edCPFCGC = new QLineEdit(pnCaptura);
    edCPFCGC->setObjectName(QStringLiteral("edCPFCGC"));
    edCPFCGC->setGeometry(100, 26, 200, 28);
    edCPFCGC->setInputMask(QLatin1String(Coletavalortrn::MascaraCPF));
    edCPFCGC->setContextMenuPolicy(Qt::NoContextMenu);
    Observa(edCPFCGC);

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

bool TFrmColetaCampoCPF::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == edCPFCGC) {
        if (e->type() == QEvent::FocusIn) DefineMensagem(Texto(msg::MsgCpfCgc));
        if (e->type() == QEvent::KeyPress)
            return Coletacampocartao::RecusaTeclaNumerica(static_cast<QKeyEvent*>(e));
    }
    return TFrmColeta_Mod::eventFilter(objeto, e);
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
