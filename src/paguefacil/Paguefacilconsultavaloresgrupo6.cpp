#include "paguefacil/Paguefacilconsultavaloresgrupo6.h"

#include "frame/Lumomain.h"
#include "frame/Passosmenu.h"
#include "host/Host.h"
#include "paguefacil/Capturasequenciamodelo.h"
#include "paguefacil/Imprimepaguefacil.h"
#include "paguefacil/Menupagtogrupo6paguefacil.h"
#include "protocol/Estado.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QComboBox>

#include <memory>

namespace Paguefacilconsultavaloresgrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Paguefacilconsultavaloresgrupo6, TrnConsultaValoresPagueFacil,
             Descritor(242, 0,
                       {F(10112), F(10171), K("06"), F(10103), F(10158), F(10287), F(1061), F(1074),
                        F(1325)}));

} // namespace Paguefacilconsultavaloresgrupo6

TFrmPagueFacil_ConsultaValores* FrmPagueFacil_ConsultaValores = nullptr;

using PagueFacil::Catalogo;

namespace {

const TFrmModPagueFacil_ConsSegmento::Passo kPasso{
    "FrmPagueFacil_ConsultaValores",
    "Pague Fácil - Consulta Valores",
    "Entrada:",
    Catalogo::Entrada,
    1061,
    3,
    &Paguefacilconsultavaloresgrupo6::TrnConsultaValoresPagueFacil,
    "6",
    Catalogo::Valores,
    msg::ErroSemValores};

} // namespace

TFrmPagueFacil_ConsultaValores::TFrmPagueFacil_ConsultaValores(QWidget* pai)
    : TFrmModPagueFacil_ConsSegmento(pai, kPasso) {}

bool TFrmPagueFacil_ConsultaValores::VerificaTipoSequencia() {
    const Lumomain::TEntradaServicoQ* entrada = PagueFacil::EntradaDoCodigo(cbLista->currentText().left(3));
    if (!entrada || entrada->Dados.inteiro(31, 2, 0) <= 0 || entrada->Perguntas.empty()) return true;
    const std::unique_ptr<TFrmCapturaSequencia_Mod> perguntas(TFrmMod::Cria<TFrmCapturaSequencia_Mod>(this));
    if (!perguntas) {
        MenusEntrada::FalhaCriacao(this, "FrmCapturaSequencia_Mod");
        return false;
    }
    perguntas->DefineEntrada(*entrada);
    return perguntas->Executa() == mrOk;
}

bool TFrmPagueFacil_ConsultaValores::ConcluiConfirmacao() {
    if (!VerificaTipoSequencia()) return false;
    if (!ExecutaConsulta(Paguefacilconsultavaloresgrupo6::TrnConsultaValoresPagueFacil, "6",
                         Catalogo::Valores, msg::ErroSemValores, true))
        return false;
    Lumomain::NumeroLinhaRecorteAqui = host::LeCampoInteiro(10170, 0, 0);
    const int linhas = host::LeCampoInteiro(20128, 0, 0);
    if (linhas > 0) {
        QStringList texto;
        for (int i = 0; i < linhas; ++i)
            texto << host::LeCampo(20018, i).trimmed();
        const std::unique_ptr<TFrmImprimePagueFacil> confirmacao(TFrmMod::Cria<TFrmImprimePagueFacil>(this));
        if (!confirmacao) {
            MenusEntrada::FalhaCriacao(this, "FrmImprimePagueFacil");
            return false;
        }
        confirmacao->DefineLinhas(texto);
        if (confirmacao->Executa() != mrOk) {
            // The customer did not confirm the bank's data: the call ends as the operator's.
            Encerra();
            return false;
        }
    }
    MenusEntrada::Abre(this, FrmPagtoGrupo6PagueFacil_Mnu);
    return ModalResult() == mrOk;
}
