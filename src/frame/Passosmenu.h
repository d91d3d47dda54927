// Steps that the option handlers of the menus have in common: the parameter load of a group, the bank check,
// the parameters kept across loads, the stand-in of a screen still to come.
#pragma once

#include "frame/Lumomain.h"

// Steps that the option handlers of the entry menus have in common.
namespace MenusEntrada {

// GrupoPagto := grupo, then the menu's parameter load; false when it failed (the load closed the chain).
bool CarregaGrupo(TFrmMod* menu, const char* grupo);
// VerificaDadosBanco; when the loaded bank is not the card's the point of sale is told "Número do banco
// inválido", the chain closes and the result is false.
bool ConfereBanco(TFrmMod* menu);
// Opens the stand-in of a screen that comes with a later function ("TFrmSaque_Mnu"), as CriaExecutaForm
// would open that screen; a stand-in that cannot be created is reported under the screen's form name.
void AbreSubstituto(TFrmMod* menu, const char* classe);
// The group-1 parameters that the top-up, various-payments and prepaid-card options keep across the load of
// their own group.
void SalvaParametrosGrupo1();
// The group-1 parameters that the withdrawal and the transfer keep before their bank check.
void SalvaParametrosContaCartao();
// After the first or second dialog of a two-step function (cheque-book release, transfer): true when the
// call ends there, the dialog having been abandoned (the menu still open) or having closed the chain with a
// result code other than 0.
bool EncerraAposDialogo(const TFrmMod* menu, int codigo);
// "Erro na criação do formulário:" with the form's name.
void FalhaCriacao(TFrmMod* menu, const char* nomeForm);
// CriaExecutaForm with the caller as the dialog's; one that cannot be created is reported by its form name.
template <class T> void Abre(TFrmMod* chamador, T*& form) {
    if (!CriaExecutaForm(chamador, form)) FalhaCriacao(chamador, NomeDoForm<T>());
}

} // namespace MenusEntrada
