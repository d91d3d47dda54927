#include "prepaid/Transacaocartaoprepago.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QTimer>

#include <memory>

TFrmTrnCartaoPrePago_Mod::TFrmTrnCartaoPrePago_Mod(QWidget* pai, const QString& nome, const char* titulo,
                                                   const char* aviso, const TTabelaTrn* descritor)
    : TFrmMod(pai, nome), titulo_(titulo), aviso_(aviso), descritor_(descritor) {
    TClique = CriaClique([this] { ExecutaTransacao(); });
}

bool TFrmTrnCartaoPrePago_Mod::FormCreate() {
    if (!TFrmMod::FormCreate()) return false;
    DefineTitulo(msg::Texto(titulo_));
    Descritor = descritor_;
    return true;
}

void TFrmTrnCartaoPrePago_Mod::FormShow() {
    TFrmMod::FormShow();
    DefineMensagem(msg::Texto(aviso_));
    // A window manager may never activate a window it did not open itself: showing is enough to start.
    Inicia();
}

void TFrmTrnCartaoPrePago_Mod::FormActivate() {
    TFrmMod::FormActivate();
    Inicia();
}

void TFrmTrnCartaoPrePago_Mod::Inicia() {
    // A message box over the dialog reactivates it when it goes: the request is sent only once.
    if (iniciou_) return;
    iniciou_ = true;
    TClique->start();
}

void TFrmTrnCartaoPrePago_Mod::ExecutaTransacao() {
    // Closed before the timer fired: nothing is sent.
    if (ModalResult() != mrNone) return;
    tratada_ = true;
    if (GravaCamposHostlink()) {
        Lumomain::ProcessaMensagens();
        host::AutorizaTransacao(Pedido(), lbMensagem, 0);
        const QString texto = host::LeCampo(1027);
        if (!texto.isEmpty()) DefineMensagem(texto);
        sucesso_ = TrataResposta(host::Aprovada());
    } else {
        Cancela();
    }
    setModalResult(mrOk);
}

void TFrmTrnCartaoPrePago_Mod::Cancela() {
    host::Grava(1027, msg::Texto(msg::ErroOperacaoCancelada));
    host::Grava(1009, QStringLiteral("FF"));
    host::GravaArquivo();
}

bool TFrmTrnCartaoPrePago_Mod::ExecutaImpl(TFrmTrnCartaoPrePago_Mod* (*cria)(QWidget* pai),
                                           const QString& nomeForm) {
    std::unique_ptr<TFrmTrnCartaoPrePago_Mod> form(cria(Lumomain::JanelaProprietaria()));
    if (!form) {
        Lumomain::ReportaFalha(Lumomain::Formata(msg::ErroCriaFormulario, {nomeForm}));
        return false;
    }
    form->Executa();
    // Closed before it could send: the host still gets an ending.
    if (!form->tratada_) form->Cancela();
    const bool sucesso = form->Sucesso();
    form.reset();
    Lumomain::ProcessaMensagens();
    return sucesso;
}
