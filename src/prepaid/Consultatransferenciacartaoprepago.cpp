#include "prepaid/Consultatransferenciacartaoprepago.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Consultatransferenciacartaoprepago {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Consultatransferenciacartaoprepago, TrnConsultaDadosTransf,
             Descritor(242, 0,
                       {B, F(1003), F(10340), F(10348), F(10102), F(10104), F(10146), F(10243, "NSPIN:"),
                        F(10149, "CSEG:"), F(10544, "TOKEN:"), F(10176).sep(255)}));

} // namespace Consultatransferenciacartaoprepago

namespace {

bool Aprovada() {
    return host::Aprovada();
}

} // namespace

TFrmConsultaDadosTransf::TFrmConsultaDadosTransf(QWidget* pai) : TFrmColetaTipoContaSaque(pai, QString()) {}

void TFrmConsultaDadosTransf::IniciaCamposForm() {
    TFrmColetaTipoContaSaque::IniciaCamposForm();
    DefineTitulo(msg::Texto(msg::TituloTransferenciaCartaoPrePago));
    Descritor = &Consultatransferenciacartaoprepago::TrnConsultaDadosTransf;
}

bool TFrmConsultaDadosTransf::GravaCamposHostlink() {
    return TFrmColetaTipoContaSaque::GravaCamposHostlink() && host::Grava(10103, QStringLiteral("7")) &&
           host::Grava(10158, QStringLiteral("16"));
}

bool TFrmConsultaDadosTransf::PreparaAutorizacao() {
    return VerificaProcessaCartao() && VerificaObtemDadosEmv();
}

void TFrmConsultaDadosTransf::TrataResposta() {
    if (Aprovada())
        Lumomain::TrataCamposServicoHzinho_40_ConsultaCartaoPrePago();
    else
        // The record still holds the holder of the identification query before: a refused destination must
        // not leave that name to be confirmed as the destination's.
        Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.limpa();
}

bool TFrmConsultaDadosTransf::Concluida() {
    // Only an approved query hands the request group back; the transfer dialog sets the prepaid one again.
    return !Aprovada() || TFrmColetaTipoContaSaque::Concluida();
}

namespace Lumomain {

bool VerificaIdentificacaoClienteTransferenciaCartaoPrePago() {
    host::GravaAudit(QStringLiteral("Entrou: VerificaIdentificacaoClienteTransferenciaCartaoPrePago."));
    const int resultado =
        Coletavalortrn::ExecutaColeta<TFrmConsultaDadosTransf>(QStringLiteral("FrmConsultaDadosTransf"));
    // A refused query ends the transfer with the bank's code and text as they came, which the name
    // confirmation that follows would hide behind its own error.
    const bool ok = resultado != TFrmMod::mrNone && resultado != TFrmMod::mrCancel && Aprovada();
    host::GravaAudit(
        ok ? QStringLiteral("Saiu: VerificaIdentificacaoClienteTransferenciaCartaoPrePago.")
           : QStringLiteral("Saiu Erro: VerificaIdentificacaoClienteTransferenciaCartaoPrePago."));
    return ok;
}

} // namespace Lumomain
