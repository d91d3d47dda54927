#include "payment/Menuformaspagto.h"

#include "resources/Mensagens.h"

TFrmMnu_For* FrmMnu_For = nullptr;

TFrmMnu_For::TFrmMnu_For(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmMnu_For")) {}

void TFrmMnu_For::IniciaFormularioMenu() {
    DefineTitulo(QString::fromUtf8(msg::TituloFormasPagamento));
}

void TFrmMnu_For::VerificaOpcoesHabilitadas() {}
