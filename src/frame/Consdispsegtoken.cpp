#include "frame/Consdispsegtoken.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QHideEvent>
#include <QLabel>
#include <QTimer>

#include <memory>

namespace {
// Shown (and left for the point of sale) when a refusal comes without the bank's own text.
constexpr char kConsultaRecusada[] = "Consulta do dispositivo de segurança não autorizada";
} // namespace

TFrmConsDispSegToken::TFrmConsDispSegToken(QWidget* pai) : TFrmMod(pai, QString()) {
    TClique = CriaClique([this] { ConsultaDispositivoSeguranca(); });
}

bool TFrmConsDispSegToken::FormCreate() {
    if (!TFrmMod::FormCreate()) return false;
    DefineTitulo(QStringLiteral("Consulta Dispositivo de Segurança"));
    Descritor = &Tabelatrn::TrnConsultaDispositivoSegurancaToken;
    return true;
}

void TFrmConsDispSegToken::FormShow() {
    TFrmMod::FormShow();
    // A window manager may never activate a window it did not open itself: showing is enough to start.
    IniciaConsulta();
}

void TFrmConsDispSegToken::FormActivate() {
    TFrmMod::FormActivate();
    IniciaConsulta();
}

void TFrmConsDispSegToken::IniciaConsulta() {
    // A message box over the dialog reactivates it when it goes: the query is sent only once.
    if (iniciou_) return;
    iniciou_ = true;
    TClique->start();
}

void TFrmConsDispSegToken::hideEvent(QHideEvent* e) {
    // Closed before the query went out: the caller ends the chain, so the point of sale gets the reason.
    if (!e->spontaneous() && !enviada_ && ModalResult() != mrNone) {
        host::GravaCampoString(1009, 0, QStringLiteral("255"));
        host::GravaCampoString(1027, 0, QString::fromUtf8(msg::ErroFinalizadoOper));
    }
    TFrmMod::hideEvent(e);
}

void TFrmConsDispSegToken::ConsultaDispositivoSeguranca() {
    // Closed before the timer fired: the operator gave up, nothing is sent.
    if (ModalResult() != mrNone) return;
    DefineMensagem(QString::fromUtf8(msg::MsgEmProcessamento));
    Lumomain::ProcessaMensagens();
    enviada_ = true;
    host::AutorizaTransacao(Pedido(), lbMensagem, 0);

    const QString codigo = host::LeCampo(1009).trimmed();
    if (codigo == QLatin1String("00") || codigo == QLatin1String("0")) {
        aprovada_ = true;
        setModalResult(mrOk);
        return;
    }
    QString texto = host::LeCampo(1027).trimmed();
    if (texto.isEmpty()) texto = QString::fromUtf8(kConsultaRecusada);
    if (codigo.isEmpty()) {
        // The caller stops the chain on this refusal: the point of sale must get a code and a reason.
        host::GravaCampoString(1009, 0, QStringLiteral("255"));
        host::GravaCampoString(1027, 0, texto);
    }
    Lumomain::MostraMensagem(Lumomain::Icone::Aviso, texto, this, Lumomain::TituloAplicacao());
    setModalResult(mrOk);
}

namespace Lumomain {

bool VerificaHabilitaConsultaDispositivoSeguranca() {
    host::GravaAudit(QStringLiteral("Entrou: VerificaHabilitaConsultaDispositivoSeguranca ."));
    std::unique_ptr<TFrmConsDispSegToken> form(TFrmMod::Cria<TFrmConsDispSegToken>(JanelaProprietaria()));
    bool aprovada = false;
    if (form) {
        form->Executa();
        aprovada = form->ConsultaAprovada();
        form.reset();
        ProcessaMensagens();
    } else {
        ReportaFalha(TextoFalhaCriacao<TFrmConsDispSegToken>());
    }
    host::GravaAudit(aprovada ? QStringLiteral("Saiu: VerificaHabilitaConsultaDispositivoSeguranca .")
                              : QStringLiteral("Erro: VerificaHabilitaConsultaDispositivoSeguranca ."));
    return aprovada;
}

} // namespace Lumomain
