#include "topup/Consultafiliaisrecargalumo.h"

#include "protocol/Tabelatrn.h"

namespace Consultafiliaisrecargalumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Consultafiliaisrecargalumo, TrnConsultaFiliais,
             Descritor(241, 0, {F(1205), F(10171), F(10103), F(1038), F(1039)}));

} // namespace Consultafiliaisrecargalumo
