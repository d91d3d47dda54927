#include "loans/Consultaemprestimo.h"

#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QPushButton>

using msg::Texto;

TFrmConsEmprest* FrmConsEmprest = nullptr;

TFrmConsEmprest::TFrmConsEmprest(QWidget* pai) : TFrmConsEmprest(pai, QString()) {}

TFrmConsEmprest::TFrmConsEmprest(QWidget* pai, const QString& nome)
    : TFrmTrnEmpr_Mod(pai, nome, Partes::GradeValor(QRect(111, 130, 400, 80))) {
    // Nothing to capture: the panel stays out of sight.
    pnCaptura->hide();
}

void TFrmConsEmprest::IniciaCamposForm() {
    DefineTitulo(Texto(msg::TituloConsultaEmprestimo));
    Descritor = &Tabelatrn::TrnConsultaEmprestimo;
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
}

bool TFrmConsEmprest::GravaCamposHostlink() {
    return TFrmTrnEmpr_Mod::GravaCamposHostlink() && host::Grava(10158, CodigoOperacao());
}
