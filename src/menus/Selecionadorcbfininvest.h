// Banking menu: the first screen of the operator's functions, and what the entry menus' option handlers
// share.
#pragma once

#include "frame/Menumodelolumo.h"
#include "protocol/Registro.h"

class QHideEvent;

class TFrmSel_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmSel_Mnu(QWidget* pai);

    void Configura_Consulta();
    // Runs the account-data query of the cheque-book release; this menu takes its modal result.
    void ChamaMenuDadosConta();
    // The correspondent PIN pad does not outlive the menu.
    void FormClose();

    void spOpcao1Click();
    void spOpcao2Click();
    void spOpcao3Click();
    void spOpcao4Click();
    void spOpcao5Click();
    void spOpcao6Click();
    void spOpcao7Click();
    void spOpcao8Click();

protected:
    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
    void FormShow() override;
    // The modal run ends by hiding the dialog: that is where the menu closes.
    void hideEvent(QHideEvent* e) override;

private:
    void InicializaMenu();
};

extern TFrmSel_Mnu* FrmSel_Mnu;

namespace Lumomain {
// Reply of the cheque-book query: the text of the "0350" occurrence of service A. 4-5 the number of blocked
// ranges (two digits); range i from 6 + 12 * i, first and last cheque number of 6 digits each. The query
// dialog fills it; the banking menu reads the count to decide whether the release follows.
extern Registro<1206> ServicoX_TipoRegistro050_ConsultaDesbloqueioTalonario;
} // namespace Lumomain

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
// Closes the correspondent PIN pad when a card read left it open.
void FechaPinpadSeAberto();
// "Erro na criação do formulário:" with the form's name.
void FalhaCriacao(TFrmMod* menu, const char* nomeForm);

} // namespace MenusEntrada
