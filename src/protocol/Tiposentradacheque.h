// The cheque entry types a combo lists: the parameter load offers some of "0" (CMC-7 read), "1" (first line
// typed) and "2" (CMC-7 typed), always listed in that order, and the combo's tag says which of types 1 and 2
// are there (1 for type 1, plus 2 for type 2). Type 0 is there when the combo holds one item more than the
// tag accounts for.
#pragma once

namespace Lumomain {

// The entry type (0, 1 or 2) of the item at indice; -1 when there is no such item.
int VerificaRetornaIndiceIndividualTipoEntrada(int tag, int quantidadeItens, int indice);
// The item position of the entry type tipo; -1 when the combo does not list it.
int VerificaRetornaIndiceComboTipoEntradaCheque(int tag, int quantidadeItens, int tipo);

} // namespace Lumomain
