#include "loans/Efetivaemprestimoconsignado.h"

#include "frame/Partes.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using host::Grava;
using msg::Texto;

TFrmEfetEmprestCons* FrmEfetEmprestCons = nullptr;
QString TFrmEfetEmprestCons::Valor;
QStringList TFrmEfetEmprestCons::Parcelas;

TFrmEfetEmprestCons::TFrmEfetEmprestCons(QWidget* pai)
    : TFrmEfetEmprest(pai, QString(), QStringLiteral("Núm. Parcelas:"), Texto(msg::MsgNumeroParcelas)) {}

void TFrmEfetEmprestCons::IniciaCamposForm() {
    TFrmEfetEmprest::IniciaCamposForm();
    Descritor = &Tabelatrn::TrnEfetivaEmprestimoConsignado;
    edValor->setText(host::Dollar(Valor));
    // The bank contracts the amount it proposed or simulated: it is not typed here.
    edValor->setEnabled(false);
    cbNumeroContrato->clear();
    cbNumeroContrato->addItems(Parcelas);
    cbNumeroContrato->setCurrentIndex(Parcelas.size() == 1 ? 0 : -1);
}

QString TFrmEfetEmprestCons::DescricaoPlano(int i) const {
    if (i < 0 || i >= Parcelas.size()) return {};
    // The instalment's value is the bank's, on the receipt of the contract.
    return QStringLiteral("%1 parcelas, total financiado R$ %2")
        .arg(Parcelas.at(i).toInt())
        .arg(host::Dollar(Valor).trimmed());
}

bool TFrmEfetEmprestCons::GravaEscolha() {
    return Grava(10158, QStringLiteral("45")) && Grava(10430, cbNumeroContrato->currentText());
}
