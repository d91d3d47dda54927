#include "payment/Cancpagtoemcartaocontacbmodelo.h"

#include "protocol/Tabelatrn.h"

namespace Cancpagtoemcartaocontacbmodelo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancpagtoemcartaocontacbmodelo, TrnCancPagtoCartaoContaCB,
             Descritor(242, 1,
                       {B, K(""), F(1003), F(10164), F(10165), F(10166), F(10167), F(10168), F(10169).fmt(5),
                        F(10102), F(10102, 3), F(10104), F(10146), F(10102, 1), P3, T3}));

} // namespace Cancpagtoemcartaocontacbmodelo

#include "host/Host.h"
#include "payment/Pagtoemcartaocontacbmodelo.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QLabel>

TFrmPagtoDebitoContaCB_Cnc* FrmPagtoDebitoContaCB_Cnc = nullptr;
TFrmPagtoCreditoContaCB_Cnc* FrmPagtoCreditoContaCB_Cnc = nullptr;

TFrmCancPagtoContaCB_Mod::TFrmCancPagtoContaCB_Mod(QWidget* pai, const QString& nome, const char* titulo,
                                                   const char* funcao, const char* operacao)
    : TFrmTrn_Crd(pai, nome, titulo, Cancpagtoemcartaocontacbmodelo::TrnCancPagtoCartaoContaCB, funcao, {}),
      operacao_(operacao) {
    lbTipoConta = captura.Rotulo(QStringLiteral("lbTipoConta"), msg::Texto(msg::InfoTipoConta));
    cbTipoConta = Pagtoemcartaocontacbmodelo::ListaTipoConta(captura);
    captura.Linha(7, lbTipoConta, cbTipoConta, 200);
    AcrescentaNaOrdem(cbTipoConta);
}

void TFrmCancPagtoContaCB_Mod::IniciaCamposForm() {
    TFrmTrn_Crd::IniciaCamposForm();
    cbTipoConta->setCurrentIndex(0);
    // The account moves back: its holder authorises it with the PIN.
    CapturaSenha = true;
}

bool TFrmCancPagtoContaCB_Mod::ValidaCamposForm() {
    if (!TFrmTrn_Crd::ValidaCamposForm()) return false;
    if (cbTipoConta->currentIndex() >= 0) return true;
    ExibeMsgErroRepeteCampo(Pagtoemcartaocontacbmodelo::MensagemTipoConta(), cbTipoConta, pnCaptura);
    return false;
}

bool TFrmCancPagtoContaCB_Mod::GravaCamposHostlink() {
    return TFrmTrn_Crd::GravaCamposHostlink() && host::Grava(10102, QLatin1String(operacao_), 3) &&
           host::Grava(10102, cbTipoConta->currentData().toString(), 1);
}

TFrmPagtoDebitoContaCB_Cnc::TFrmPagtoDebitoContaCB_Cnc(QWidget* pai)
    : TFrmCancPagtoContaCB_Mod(pai, QString(), msg::TituloCancelamentoPagtoCartaoDebitoCB, "50", "1") {}

TFrmPagtoCreditoContaCB_Cnc::TFrmPagtoCreditoContaCB_Cnc(QWidget* pai)
    : TFrmCancPagtoContaCB_Mod(pai, QString(), msg::TituloCancelamentoPagtoCartaoCreditoCB, "51", "2") {}
