#include "frame/Indisponivel.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QPushButton>

namespace {
TFrmIndisponivel* FrmIndisponivel = nullptr;
}

TFrmIndisponivel::TFrmIndisponivel(QWidget* pai) : TFrmMod(pai, QString()) {
    btConfirma =
        CriaBotao(QStringLiteral("btConfirma"), QStringLiteral("&1 - Confirma"), QRect(231, 320, 160, 30));
    LigaClique(btConfirma, [this] { btConfirmaClick(); });
    DefineMensagem(QString::fromUtf8(msg::MsgTransacaoNaoHabilitada));
}

void TFrmIndisponivel::DefineFormulario(const QString& classe) {
    DefineTitulo(classe);
}

void TFrmIndisponivel::btConfirmaClick() {
    host::EnviaArquivoErroPDV(255, QString::fromUtf8(msg::MsgTransacaoNaoHabilitada));
    setModalResult(mrOk);
}

bool AbreIndisponivel(TFrmMod* chamador, const QString& classe) {
    FrmIndisponivel = TFrmMod::Cria<TFrmIndisponivel>(chamador);
    if (FrmIndisponivel) FrmIndisponivel->DefineFormulario(classe);
    return CriaExecutaForm(chamador, FrmIndisponivel);
}
