#include "cash/Cancelamentosaquecartaomagnetico.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

TFrmCancSaque_CartMag* FrmCancSaque_CartMag = nullptr;

TFrmCancSaque_CartMag::TFrmCancSaque_CartMag(QWidget* pai) : TFrmCancGrupo3_Trn(pai, QString()) {}

void TFrmCancSaque_CartMag::IniciaCamposForm() {
    TFrmCancGrupo3_Trn::IniciaCamposForm();
    DefineTitulo(msg::Texto(msg::TituloCancelamentoSaqueCartaoMagnetico));
    Descritor = &Tabelatrn::TrnCancelamentoSaqueChequeReciboCartMag;
}

bool TFrmCancSaque_CartMag::GravaCamposHostlink() {
    if (!TFrmCancGrupo3_Trn::GravaCamposHostlink()) return false;
    Cancelamentogrupo3::DefineDadosContaRecibo({});
    return host::Grava(10112, Lumomain::VerificaCodigoRedeCB(1)) &&
           host::Grava(10158, QStringLiteral("21")) && host::Grava(10212, QStringLiteral("03"));
}
