#include "paguefacil/Paguefacilconsultaufgrupo6.h"

#include "frame/Lumomain.h"
#include "frame/Passosmenu.h"
#include "paguefacil/Paguefacilconsultaempresagrupo6.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Paguefacilconsultaufgrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Paguefacilconsultaufgrupo6, TrnConsultaUF,
             Descritor(242, 0, {F(10112), F(10171), K("06"), F(10103), F(10158), F(10287), F(1323)}));

} // namespace Paguefacilconsultaufgrupo6

TFrmPagueFacil_ConsultaUF* FrmPagueFacil_ConsultaUF = nullptr;

namespace {

const TFrmModPagueFacil_ConsSegmento::Passo kPasso{"FrmPagueFacil_ConsultaUF",
                                                   "Pague Fácil - Consulta UF",
                                                   "Segmento:",
                                                   PagueFacil::Catalogo::Segmento,
                                                   1323,
                                                   3,
                                                   &Paguefacilconsultaufgrupo6::TrnConsultaUF,
                                                   "2",
                                                   PagueFacil::Catalogo::UF,
                                                   msg::ErroSemUF};

} // namespace

TFrmPagueFacil_ConsultaUF::TFrmPagueFacil_ConsultaUF(QWidget* pai)
    : TFrmModPagueFacil_ConsSegmento(pai, kPasso) {}

void TFrmPagueFacil_ConsultaUF::AbreProximo() {
    MenusEntrada::Abre(this, FrmPagueFacil_ConsultaEmpresa);
}
