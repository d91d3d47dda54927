#include "paguefacil/Pagtoemdinheiropaguefacilgrupo6.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemdinheiropaguefacilgrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemdinheiropaguefacilgrupo6, TrnPagamentoDinheiroPagueFacil,
             Descritor(242, 1, {F(10112), F(10171), K("06"), F(10103), F(10158), F(1003), F(1256)}));

} // namespace Pagtoemdinheiropaguefacilgrupo6

TFrmPgtGrupo6PagueFacil_Din* FrmPgtGrupo6PagueFacil_Din = nullptr;

TFrmPgtGrupo6PagueFacil_Din::TFrmPgtGrupo6PagueFacil_Din(QWidget* pai)
    : TFrmPgtGrupo6_PagueFacil(pai, QString()) {
    DefinePagamento(Pagtoemdinheiropaguefacilgrupo6::TrnPagamentoDinheiroPagueFacil,
                    "Pagamento em Dinheiro Pague Fácil", "7", false);
}
