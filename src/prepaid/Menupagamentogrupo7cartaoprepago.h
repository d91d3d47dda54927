// Prepaid-card menu: withdrawal, deposit, balance, statement and transfer of the issuer's prepaid cards, each
// offered when the group-7 parameters enable it.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmCartaoPrePagoGrupo7_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmCartaoPrePagoGrupo7_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
    bool spOpcao4Click();
    bool spOpcao5Click();

    // The transfer's own card and PIN, read before the destination is asked for.
    bool ColetaDadosCartaoSenhaTransferenciaCartaoPrePago();

private:
    // The sub-function in field 10298; false when the write failed (the option has ended).
    bool IniciaOpcao(const char* funcao);
    // The endings of an option; the menu closes, and false is for the handler to return. A value,
    // identification or CPF step failed: the host sees an operator cancellation.
    bool EncerraPeloOperador();
    // A step failed having reported its own reason, or the operation ended: the menu closes.
    bool EncerraOperacao();
    // The last steps of the deposit and the transfer: the holder's name confirmed, the query printed, the
    // movement sent.
    template <class T> bool ConcluiMovimento(const char* nomeForm);
};

extern TFrmCartaoPrePagoGrupo7_Mnu* FrmCartaoPrePagoGrupo7_Mnu;
