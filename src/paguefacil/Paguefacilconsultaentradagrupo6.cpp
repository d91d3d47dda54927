#include "paguefacil/Paguefacilconsultaentradagrupo6.h"

#include "frame/Lumomain.h"
#include "frame/Passosmenu.h"
#include "paguefacil/Paguefacilconsultavaloresgrupo6.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Paguefacilconsultaentradagrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Paguefacilconsultaentradagrupo6, TrnConsultaEntrada,
             Descritor(242, 0, {F(10112), F(10171), K("06"), F(10103), F(10158), F(10287), F(1225)}));

} // namespace Paguefacilconsultaentradagrupo6

TFrmPagueFacil_ConsultaEntrada* FrmPagueFacil_ConsultaEntrada = nullptr;

namespace {

// The step's own text when no catalogue came.
constexpr char kSemEntrada[] = "Sem Entrada";

const TFrmModPagueFacil_ConsSegmento::Passo kPasso{"FrmPagueFacil_ConsultaEntrada",
                                                   "Pague Fácil - Consulta Entrada",
                                                   "Produto:",
                                                   PagueFacil::Catalogo::Produto,
                                                   1225,
                                                   5,
                                                   &Paguefacilconsultaentradagrupo6::TrnConsultaEntrada,
                                                   "5",
                                                   PagueFacil::Catalogo::Entrada,
                                                   kSemEntrada};

} // namespace

TFrmPagueFacil_ConsultaEntrada::TFrmPagueFacil_ConsultaEntrada(QWidget* pai)
    : TFrmModPagueFacil_ConsSegmento(pai, kPasso) {}

void TFrmPagueFacil_ConsultaEntrada::AbreProximo() {
    MenusEntrada::Abre(this, FrmPagueFacil_ConsultaValores);
}
