#include "paguefacil/Paguefacilconsultaempresagrupo6.h"

#include "frame/Lumomain.h"
#include "frame/Passosmenu.h"
#include "paguefacil/Paguefacilconsultaprodutogrupo6.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Paguefacilconsultaempresagrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Paguefacilconsultaempresagrupo6, TrnConsultaEmpresa,
             Descritor(242, 0,
                       {F(10112), F(10171), K("06"), F(10103), F(10158), F(10287), F(1324), F(10287)}));

} // namespace Paguefacilconsultaempresagrupo6

TFrmPagueFacil_ConsultaEmpresa* FrmPagueFacil_ConsultaEmpresa = nullptr;

namespace {

// The step's own text when no catalogue came.
constexpr char kSemEmpresa[] = "Sem Empresa";

const TFrmModPagueFacil_ConsSegmento::Passo kPasso{"FrmPagueFacil_ConsultaEmpresa",
                                                   "Pague Fácil - Consulta Empresa",
                                                   "UF:",
                                                   PagueFacil::Catalogo::UF,
                                                   1324,
                                                   2,
                                                   &Paguefacilconsultaempresagrupo6::TrnConsultaEmpresa,
                                                   "3",
                                                   PagueFacil::Catalogo::Empresa,
                                                   kSemEmpresa};

} // namespace

TFrmPagueFacil_ConsultaEmpresa::TFrmPagueFacil_ConsultaEmpresa(QWidget* pai)
    : TFrmModPagueFacil_ConsSegmento(pai, kPasso) {}

void TFrmPagueFacil_ConsultaEmpresa::AbreProximo() {
    MenusEntrada::Abre(this, FrmPagueFacil_ConsultaProduto);
}
