#include "topup/Selecaocategorialumo.h"

#include "frame/Lumomain.h"
#include "resources/Mensagens.h"
#include "topup/Selecaovalorcatalogo.h"

TFrm_SelCategoriaLUMO* Frm_SelCategoriaLUMO = nullptr;

TFrm_SelCategoriaLUMO::TFrm_SelCategoriaLUMO(QWidget* pai) : TFrm_SelCategoriaMod(pai, QString()) {}

void TFrm_SelCategoriaLUMO::IniciaCamposForm() {
    DefineTitulo(msg::Texto(msg::TituloCargaCelularOperadoras));
    TFrm_SelCategoriaMod::IniciaCamposForm();
}

void TFrm_SelCategoriaLUMO::ChamaProximoFormulario() {
    if (!CriaExecutaForm(this, FrmSelValNew_Cap))
        Lumomain::MostraMensagem(Lumomain::Icone::Nenhum, TextoFalhaCriacao<TFrmSelValNew_Cap>(), this);
}
