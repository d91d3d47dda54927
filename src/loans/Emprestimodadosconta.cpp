#include "loans/Emprestimodadosconta.h"

#include "frame/Lumomain.h"
#include "frame/Trnmodeloemprestimo.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>

using host::Grava;
using msg::Texto;

TFrmEmprest_DConta* FrmEmprest_DConta = nullptr;
bool TFrmEmprest_DConta::ParaConsignado = false;

namespace {

// Kind of the PIN capture: the loan record's network.
constexpr int TIPO_SENHA_CONTA_EMPRESTIMO = 8;

// The PIN pad prepares the PIN for an account of the bank itself.
const QString kBancoSenha = QStringLiteral("0237");

} // namespace

TFrmEmprest_DConta::TFrmEmprest_DConta(QWidget* pai, bool consignado)
    : TFrmTrnDadosCta_Grp3(pai, QString()), consignado_(consignado || ParaConsignado) {}

void TFrmEmprest_DConta::IniciaCamposForm() {
    TFrmTrnDadosCta_Grp3::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloConsultaEmprestimo));
    PreencheTipos(Trnmodeloemprestimo::TiposAceitos(Trnmodeloemprestimo::FlagsTipos(consignado_), false));
}

bool TFrmEmprest_DConta::GravaCamposHostlink() {
    return TFrmTrnDadosCta_Grp3::GravaCamposHostlink() &&
           Lumomain::GravaDadosColetaSenha(kBancoSenha, EdAgencia->text(), EdConta->text(),
                                           EdDigito->text()) &&
           Grava(10290, host::LeCampo(10102, 1));
}

bool TFrmEmprest_DConta::VerificaCapturaSenha() {
    if (Lumomain::LeSenhaCB(true, lbTitulo->text(), TIPO_SENHA_CONTA_EMPRESTIMO, lbMensagem, QString()))
        return true;
    Encerra();
    return false;
}

bool TFrmEmprest_DConta::ConcluiConfirmacao() {
    return VerificaCapturaSenha() && VerificaObtemDadosEmv() && Grava(1009, QStringLiteral("00"));
}
