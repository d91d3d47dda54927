#include "prepaid/Depositotransferenciacartaoprepago.h"

#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace {

// Both movements go to the correspondent network.
constexpr char REDE_CORRESPONDENTE[] = "805";

} // namespace

TFrmMovimentoCartaoPrePago_Mod::TFrmMovimentoCartaoPrePago_Mod(QWidget* pai, const QString& nome,
                                                               const char* titulo, const char* aviso,
                                                               const TTabelaTrn* descritor,
                                                               const char* funcao, const char* grupo)
    : TFrmTrnCartaoPrePago_Mod(pai, nome, titulo, aviso, descritor), funcao_(funcao), grupo_(grupo) {}

bool TFrmMovimentoCartaoPrePago_Mod::GravaCamposHostlink() {
    if (grupo_ && !host::Grava(10103, QLatin1String(grupo_))) return false;
    return host::Grava(10112, QLatin1String(REDE_CORRESPONDENTE)) &&
           host::Grava(10158, QLatin1String(funcao_));
}

bool TFrmMovimentoCartaoPrePago_Mod::TrataResposta(bool aprovada) {
    host::GravaArquivo();
    return aprovada;
}

TFrmDepCartaoPrePago::TFrmDepCartaoPrePago(QWidget* pai)
    : TFrmMovimentoCartaoPrePago_Mod(pai, QString(), msg::TituloDepositoCartaoPrePago,
                                     msg::InfoAlertaDepositoCartaoPrePago,
                                     &Tabelatrn::TrnDepositoCartaoPrePago, "15", nullptr) {}

TFrmTransfCartaoPrePago::TFrmTransfCartaoPrePago(QWidget* pai)
    : TFrmMovimentoCartaoPrePago_Mod(pai, QString(), msg::TituloTransferenciaCartaoPrePago,
                                     msg::InfoAlertaTransferenciaCartaoPrePago,
                                     &Tabelatrn::TrnTransferenciaCartaoPrePago, "17", "7") {}
