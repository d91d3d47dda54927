#include "loans/Emprestimocartao.h"

#include "frame/Contasaque.h"
#include "frame/Trnmodeloemprestimo.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>

using host::Grava;
using msg::Texto;

TFrmEmpr_Crt* FrmEmpr_Crt = nullptr;
TFrmEmprCons_Crt* FrmEmprCons_Crt = nullptr;

TFrmEmpr_Crt::TFrmEmpr_Crt(QWidget* pai) : TFrmEmpr_Crt(pai, QString(), false) {}

TFrmEmpr_Crt::TFrmEmpr_Crt(QWidget* pai, const QString& nome, bool consignado)
    : TFrmTrnCrt_Grp3(pai, nome), consignado_(consignado) {
    LbCSeg = captura.Rotulo(QStringLiteral("LbCSeg"), QStringLiteral("C. Seg:"));
    EdCSeg = CriaCampoNumerico(QStringLiteral("EdCSeg"), 5, msg::MsgCodigoSeguranca);
    // The transcript and any screen capture show it masked.
    EdCSeg->setProperty("cbSensivel", true);
    captura.Linha(1, LbCSeg, EdCSeg, 80);
    OrdemCaptura({cbTipoConta, EdCSeg});
}

void TFrmEmpr_Crt::IniciaCamposForm() {
    TFrmTrnCrt_Grp3::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloConsultaEmprestimo));
    PreencheTipos(Trnmodeloemprestimo::TiposAceitos(Trnmodeloemprestimo::FlagsTipos(consignado_), true));
}

bool TFrmEmpr_Crt::ValidaCamposForm() {
    if (!TFrmTrnCrt_Grp3::ValidaCamposForm()) return false;
    if (!Contasaque::CodigoSegurancaValido(EdCSeg->text().trimmed())) return RepeteCampo(nullptr, EdCSeg);
    return true;
}

bool TFrmEmpr_Crt::GravaCamposHostlink() {
    return TFrmTrnCrt_Grp3::GravaCamposHostlink() && Contasaque::GravaCodigoSeguranca(EdCSeg) &&
           Contasaque::GravaDadosCartao(10290, false);
}

bool TFrmEmpr_Crt::ConcluiConfirmacao() {
    // The customer is identified: the query that follows reads the PIN and goes to the bank.
    return VerificaObtemDadosEmv() && Grava(1009, QStringLiteral("00"));
}

void TFrmEmpr_Crt::hideEvent(QHideEvent* e) {
    if (!e->spontaneous()) host::memLimpaEdit(EdCSeg);
    TFrmTrnCrt_Grp3::hideEvent(e);
}

TFrmEmprCons_Crt::TFrmEmprCons_Crt(QWidget* pai) : TFrmEmpr_Crt(pai, QString(), true) {}
