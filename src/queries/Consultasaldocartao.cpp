#include "queries/Consultasaldocartao.h"

#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "queries/Consultaconta.h"
#include "resources/Mensagens.h"

TFrmCnsSld_Crt* FrmCnsSld_Crt = nullptr;

TFrmCnsSld_Crt::TFrmCnsSld_Crt(QWidget* pai) : TFrmTrnCrt_Grp3(pai, QString()) {}

void TFrmCnsSld_Crt::IniciaCamposForm() {
    TFrmTrnCrt_Grp3::IniciaCamposForm();
    DefineTitulo(msg::Texto(msg::TituloConsultaSaldo));
    Descritor = &Tabelatrn::TrnConsultaSaldo;
    PreencheTipos(
        Consultaconta::TiposAceitos(Lumomain::ServicoHzinho_TipoContaAceitaConsultaSaldo.texto(25, 5)));
}

bool TFrmCnsSld_Crt::GravaCamposHostlink() {
    return TFrmTrnCrt_Grp3::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("14")) &&
           Consultaconta::GravaIdentificacaoCartao();
}
