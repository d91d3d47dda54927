// The two-way menus of the account queries: the customer's card (read by the menu) or the account typed.
// The offer of each way comes from the transaction-mode record, or without one from the account-data
// collection record.
#pragma once

#include "frame/Menumodelolumo.h"

namespace Menumagneticodadosconta {

// Whether option 1 (card) or 2 (typed account) is offered. With a transaction-mode record, by the bits 2
// (card) and 1 (account) of modo (-1 when its text is no number offers both); without one, by the
// collection record's flags for the card and for the account.
bool OpcaoHabilitada(int opcao, bool temModo, int modo, bool coletaCartao, bool coletaConta);
// The same read from the records, modo at offModo of the transaction-mode record and the flags at offCartao
// and offConta of the collection record.
bool OpcaoOferecida(int opcao, size_t offModo, size_t offCartao, size_t offConta);

} // namespace Menumagneticodadosconta

class TFrmMagDdCta_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
protected:
    using TFrmMnu_Mod::TFrmMnu_Mod;

    // Option 1's part of the base: the request's account data will be the card's (an earlier typed-account
    // query leaves "2" in 10134).
    bool spOpcao1Base();
    // Option 2's part: the account data will be typed (10134 "2"). False when the write fails.
    bool spOpcao2Base();
    // Reads and analyses the customer's card with kind tipo; on failure the operation is reported cancelled
    // and the menu closes.
    bool LeCartao(int tipo);
};
