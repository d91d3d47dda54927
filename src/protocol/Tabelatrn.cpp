#include "protocol/Tabelatrn.h"

#include <string_view>

namespace Tabelatrn {

using namespace Notacao;

constinit std::array<char, 257> acDadosConta_Recibo{};

CB_DESCRITOR(Tabelatrn, TrnConsultaSaldo,
             Descritor(242, 1, {B, F(10134), F(10290), F(10146), F(10102), P3, T3}));
CB_DESCRITOR(Tabelatrn, TrnCancelamentoSaqueChequeReciboCartMag,
             Descritor(242, 1, {A, F(1003).fmt(4), F(10212), K(acDadosConta_Recibo), F(10102)}));
CB_DESCRITOR(Tabelatrn, TrnConsultaExtrato,
             Descritor(242, 1,
                       {B, F(10134), F(10290), F(10146), F(10102), F(1283).fmt(5), F(1284).fmt(5), F(10163),
                        P3, T3}));
CB_DESCRITOR(Tabelatrn, TrnConsultaEmprestimoConsignado,
             Descritor(242, 0,
                       {B, F(10134), F(10290), F(10146), F(10102), F(10243, "NSPIN:"), F(10149, "CSEG:"),
                        F(10176).sep(255)}));
CB_DESCRITOR(Tabelatrn, TrnConsultaPropostaMaximaEmprestimoConsignado,
             Descritor(242, 0, {B, F(10428), F(10429)}));
CB_DESCRITOR(Tabelatrn, TrnSimulaEmprestimoConsignado,
             Descritor(242, 0, {B, F(1003).fmt(4), F(10169).fmt(11), F(10131), F(10102, 1), F(10102, 2)}));
CB_DESCRITOR(Tabelatrn, TrnEfetivaEmprestimoConsignado,
             Descritor(242, 1,
                       {B, F(10134), F(10290), F(10146), F(10102), F(10430), F(10243, "NSPIN:"),
                        F(10149, "CSEG:"), F(10544, "TOKEN:"), F(10176).sep(255)}));
CB_DESCRITOR(Tabelatrn, TrnConsultaEmprestimo,
             Descritor(242, 0,
                       {B, F(10134), F(10290), F(10146), F(10102), F(10243, "NSPIN:"), F(10149, "CSEG:"),
                        T3}));
CB_DESCRITOR(Tabelatrn, TrnSimulaEmprestimo,
             Descritor(242, 0,
                       {B, F(10134), F(10290), F(10102), F(1003).fmt(4), F(10252), F(10169).fmt(5), F(10131),
                        F(10102, 1), F(10102, 2), F(10149, "CSEG:"), T3}));
CB_DESCRITOR(Tabelatrn, TrnEfetivaEmprestimo,
             Descritor(242, 1,
                       {B, F(10134), F(10290), F(10146), F(10102), F(1003).fmt(4), F(10253),
                        F(10243, "NSPIN:"), F(10149, "CSEG:"), F(10544, "TOKEN:"), T3}));
CB_DESCRITOR(Tabelatrn, TrnConsultaDadosCadastrais,
             Descritor(242, 0,
                       {B, F(10290), F(10102, 1), F(10102, 2), F(10102), F(10254), F(10162, 1).bloco(3),
                        F(10163), F(10341), F(10165).fmt(5), F(1090), F(10149, "CSEG:"), T3}));
CB_DESCRITOR(Tabelatrn, TrnAberturaConta, Descritor(242, 1, {B,
                                                             F(10290),
                                                             F(10102, 1),
                                                             F(10102, 2),
                                                             F(10102),
                                                             F(10167, 3),
                                                             F(10254),
                                                             F(10162, 1).bloco(5),
                                                             F(10163),
                                                             F(10341),
                                                             F(10166),
                                                             F(10167),
                                                             F(10165).fmt(5),
                                                             F(1088),
                                                             F(1192),
                                                             F(10255),
                                                             F(1089),
                                                             F(1091),
                                                             F(1092),
                                                             F(1090),
                                                             F(10294)}));
CB_DESCRITOR(Tabelatrn, TrnDadosContaPagueFacil,
             Descritor(242, 1,
                       {F(10112), F(10171), K("06"), K("10"), F(10158), F(1003), F(1256), F(10134), F(10290),
                        F(10146).bloco(16), F(10102), F(10243, "NSPIN:"), F(10149, "CSEG:"), T3}));
CB_DESCRITOR(Tabelatrn, TrnConsultaDesbloqueioTalonario, Descritor(242, 1, {B, F(10134), F(10290)}));
CB_DESCRITOR(Tabelatrn, TrnDesbloqueioTalonario,
             Descritor(242, 1,
                       {B, F(10134), F(10104), F(10146), F(10154), F(10154, 1), F(10149, "CSEG:"),
                        F(10544, "TOKEN:"), T3}));
CB_DESCRITOR(Tabelatrn, TrnRevalidacaoSenhaCartaoINSS,
             Descritor(242, 1, {B, F(10134), F(10290), F(10167), F(10243, "NSPIN:"), F(10544, "TOKEN:")}));
CB_DESCRITOR(Tabelatrn, TrnConsultaTransferencia,
             Descritor(242, 1,
                       {B, F(1003).fmt(4), F(10104), F(10146), F(10163), F(10290), F(10164), P3,
                        F(10544, "TOKEN:"), T3}));
CB_DESCRITOR(Tabelatrn, TrnEfetivaTransferencia,
             Descritor(242, 1,
                       {B, F(1003).fmt(4), F(10104), F(10146), F(10163), F(10290), F(10164), P3, T3}));
CB_DESCRITOR(Tabelatrn, TrnConsultaDadosDepositoIdentificado, Descritor(242, 0, {A}));
CB_DESCRITOR(Tabelatrn, TrnConsultaCestaServicos, Descritor(242, 0, {A, F(10261), F(10290), F(10102, 1)}));
CB_DESCRITOR(Tabelatrn, TrnAlteracaoCestaServicos,
             Descritor(242, 1, {B, F(10134), F(10104), F(10146), F(10102, 1), F(10294), F(10243, "NSPIN:")}));
CB_DESCRITOR(Tabelatrn, TrnConsultaBeneficioINSS, Descritor(242, 0, {B, F(10167), F(10290)}));
CB_DESCRITOR(Tabelatrn, TrnConsultaDemonstrativoCredBeneficios,
             Descritor(242, 0, {B, F(10102, 1), F(10165), F(10104), F(10146), F(10243, "NSPIN:")}));
CB_DESCRITOR(Tabelatrn, TrnPedido2aViaCartaoDebito,
             Descritor(242, 1,
                       {B, F(10102), F(10290), F(10102, 1), F(10341), F(10203), F(10102, 2), F(10146)}));
CB_DESCRITOR(Tabelatrn, TrnConsultaSaldoCartaoPrePago,
             Descritor(242, 0, {B, F(10104), F(10146), F(10243, "NSPIN:"), F(10176).sep(255)}));
CB_DESCRITOR(Tabelatrn, TrnConsultaExtratoCartaoPrePago,
             Descritor(242, 0,
                       {B, F(10104), F(10146), F(1283).fmt(5), F(1284).fmt(5), F(10243, "NSPIN:"),
                        F(10176).sep(255)}));
CB_DESCRITOR(Tabelatrn, TrnDepositoCartaoPrePago,
             Descritor(242, 1, {A, F(1003).fmt(4), F(10134), F(10104), F(1007)}));
CB_DESCRITOR(Tabelatrn, TrnConsIdCliDepositoCartaoPrePago,
             Descritor(242, 0, {A, F(1003).fmt(4), F(10134), F(10104), F(1007)}));
CB_DESCRITOR(Tabelatrn, TrnConsIdCliSaqueCartaoPrePago,
             Descritor(242, 0, {F(1205), F(10171), F(10103), F(10158), F(10104)}));
CB_DESCRITOR(Tabelatrn, TrnTransferenciaCartaoPrePago,
             Descritor(242, 1,
                       {B, F(1003), F(10340), F(10348), F(10102), F(10104), F(10146), F(10243, "NSPIN:"),
                        F(10149, "CSEG:"), F(10176).sep(255)}));
CB_DESCRITOR(Tabelatrn, TrnConsultaDispositivoSegurancaToken,
             Descritor(242, 0,
                       {K(""), F(10171), F(10169), F(10169, 1), F(10134), F(10104), F(10146),
                        F(10243, "NSPIN:")}));

namespace {

void DefineQtdeDocumentos(TTabelaTrn& descritor, uint16_t quantidade) {
    for (TCampoTrn& e : descritor.Campos) {
        if (e.Campo != CAMPOTRN_IGNORADO && e.Bloco > 0) {
            e.Ocorrencia = quantidade;
            return;
        }
    }
}

void DescartaCampo(TTabelaTrn& descritor, uint16_t campo) {
    if (campo == 0 || campo == CAMPOTRN_IGNORADO) return;
    for (TCampoTrn& e : descritor.Campos) {
        if (e.Campo == campo) {
            e.Campo = CAMPOTRN_IGNORADO;
            return;
        }
    }
}

void DescartaCampoAntesValoresAdicionais(TTabelaTrn& descritor) {
    for (std::size_t i = 1; i < TABELATRN_MAX_CAMPOS; ++i) {
        const TCampoTrn& e = descritor.Campos[i];
        if (e.Campo == 0 && e.Texto != nullptr && std::string_view(e.Texto) == Notacao::kValoresAdicionais) {
            descritor.Campos[i - 1].Campo = CAMPOTRN_IGNORADO;
            return;
        }
    }
}

} // namespace

namespace {
std::vector<Registro>& Registro_() {
    static std::vector<Registro> todos;
    return todos;
}
} // namespace

const std::vector<Registro>& Registrados() {
    return Registro_();
}

Registra::Registra(const char* nome, const TTabelaTrn& descritor) {
    Registro_().push_back({nome, &descritor});
}

TTabelaTrn Aplica(const TTabelaTrn& descritor, const Ajustes& ajustes) {
    TTabelaTrn pedido = descritor;
    if (ajustes.documentos) DefineQtdeDocumentos(pedido, *ajustes.documentos);
    // Before the drops: the slot before the marker is the table's, whatever the drops left in it.
    if (ajustes.semEntradaAntesValoresAdicionais) DescartaCampoAntesValoresAdicionais(pedido);
    for (const uint16_t campo : ajustes.descartados)
        DescartaCampo(pedido, campo);
    return pedido;
}

} // namespace Tabelatrn
