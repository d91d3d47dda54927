#include "paguefacil/Paguefacilconsultaprodutogrupo6.h"

#include "frame/Lumomain.h"
#include "frame/Passosmenu.h"
#include "paguefacil/Paguefacilconsultaentradagrupo6.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Paguefacilconsultaprodutogrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Paguefacilconsultaprodutogrupo6, TrnConsultaProduto,
             Descritor(242, 0, {F(10112), F(10171), K("06"), F(10103), F(10158), F(10287), F(1315)}));

} // namespace Paguefacilconsultaprodutogrupo6

TFrmPagueFacil_ConsultaProduto* FrmPagueFacil_ConsultaProduto = nullptr;

namespace {

const TFrmModPagueFacil_ConsSegmento::Passo kPasso{"FrmPagueFacil_ConsultaProduto",
                                                   "Pague Fácil - Consulta Produto",
                                                   "Empresa:",
                                                   PagueFacil::Catalogo::Empresa,
                                                   1315,
                                                   5,
                                                   &Paguefacilconsultaprodutogrupo6::TrnConsultaProduto,
                                                   "4",
                                                   PagueFacil::Catalogo::Produto,
                                                   msg::ErroSemProduto};

} // namespace

TFrmPagueFacil_ConsultaProduto::TFrmPagueFacil_ConsultaProduto(QWidget* pai)
    : TFrmModPagueFacil_ConsSegmento(pai, kPasso) {}

void TFrmPagueFacil_ConsultaProduto::AbreProximo() {
    MenusEntrada::Abre(this, FrmPagueFacil_ConsultaEntrada);
}
