#include "admin/Alteracaocestaservicos.h"

#include "frame/Lumomain.h"
#include "frame/Servicoscartao.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

TFrmAltCstSrv* FrmAltCstSrv = nullptr;

using namespace ServicosCartao;

namespace {

// Occurrence 1 of field 10102 marks a transaction that runs the service-basket check first.
constexpr char MARCA_CESTA[] = "F";

using host::Grava;

} // namespace

TFrmAltCstSrv::TFrmAltCstSrv(QWidget* pai) : TFrmTrn_Mod(pai, QString()) {
    FlagAutorizacao = 1;
    lbValor->hide();
    edValor->hide();
    lbInstrucao = new QLabel(
        QStringLiteral("Passe o cartão e digite a senha no PinPad para consultar a cesta atual."), pnCaptura);
    lbInstrucao->setObjectName(QStringLiteral("lbInstrucao"));
    lbInstrucao->setGeometry(20, 10, 360, 60);
    lbInstrucao->setWordWrap(true);
    DefineTitulo(QString::fromUtf8(msg::TituloAltCestaServicos));
}

void TFrmAltCstSrv::IniciaCamposForm() {
    lbValor->hide();
    edValor->hide();
    TFrmTrn_Mod::IniciaCamposForm();
    // The PIN is taken with the card, before the basket is queried.
    CapturaSenha = false;
    Descritor = &Tabelatrn::TrnAlteracaoCestaServicos;
}

void TFrmAltCstSrv::FormActivate() {
    TFrmTrn_Mod::FormActivate();
    // Nothing to type before the card: still, the operator hands the PIN pad over and confirms; the dialog
    // never starts the card read by itself.
    TClique->stop();
}

void TFrmAltCstSrv::hideEvent(QHideEvent* e) {
    if (!e->spontaneous()) FechaPinpad();
    TFrmTrn_Mod::hideEvent(e);
}

bool TFrmAltCstSrv::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (!LeCartaoESenha(this)) return false;
    if (!Grava(10103, Lumomain::GrupoPagto) || !Grava(10158, QLatin1String(OPERACAO_ALTERACAO_CESTA)) ||
        !Grava(10102, QLatin1String(MARCA_CESTA), 1)) {
        EncerraComFalha(this);
        return false;
    }
    bool escolheu = false;
    {
        // The basket query names the customer by the card number in 10290, which stays there only while the
        // check runs.
        NumeroCartaoNoCampo cartao(10290);
        escolheu = VerificaRealizaConsultaCestaServicos('2');
    }
    if (!escolheu) {
        // The check may have written the result file while 10290 still held the card number: it is written
        // again now that the number is gone.
        EncerraComFalha(this);
        return false;
    }
    return true;
}

bool TFrmAltCstSrv::GravaCamposHostlink() {
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    // The new basket is in 10294, where the product dialog left it.
    return Grava(10158, QLatin1String(OPERACAO_ALTERACAO_CESTA)) &&
           Grava(10134, QLatin1String(ENTRADA_CARTAO_LIDO)) && Grava(10102, QLatin1String(MARCA_CESTA), 1);
}
