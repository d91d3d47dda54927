#include "loans/Consultapropostamaximaemprestimoconsignado.h"

#include "frame/Lumomain.h"
#include "frame/Partes.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QPushButton>

using host::Grava;
using msg::Texto;

TFrmConsPropMaxEmprestCons* FrmConsPropMaxEmprestCons = nullptr;

TFrmConsPropMaxEmprestCons::TFrmConsPropMaxEmprestCons(QWidget* pai)
    : TFrmTrnEmpr_Mod(pai, QString(), Partes::GradeValor(QRect(111, 130, 400, 80))) {
    lbConvenio = captura.Rotulo(QStringLiteral("lbConvenio"), QStringLiteral("Convênio:"));
    cbConvenio = captura.Lista(QStringLiteral("cbConvenio"),
                               QStringLiteral("Selecione o convênio ") + Texto(msg::MsgTecladoReduzido));
    captura.Linha(0, lbConvenio, cbConvenio, 200);
}

QList<QWidget*> TFrmConsPropMaxEmprestCons::Campos() const {
    return {cbConvenio};
}

void TFrmConsPropMaxEmprestCons::IniciaCamposForm() {
    DefineTitulo(Texto(msg::TituloConsultaEmprestimo));
    Descritor = &Tabelatrn::TrnConsultaPropostaMaximaEmprestimoConsignado;
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    cbConvenio->clear();
    int primeiroAtivo = -1;
    for (const auto& e : Lumomain::ServicoXConsultaEmprestimoConsignado.Entradas) {
        // Item: the agreement's code, its flag after a blank ("1" active).
        cbConvenio->addItem(e.texto(0, 2) + QLatin1Char(' ') + e.texto(2, 1));
        if (primeiroAtivo < 0 && e.texto(2, 1) == QLatin1String("1")) primeiroAtivo = cbConvenio->count() - 1;
    }
    cbConvenio->setCurrentIndex(primeiroAtivo);
}

bool TFrmConsPropMaxEmprestCons::ValidaCamposForm() {
    if (cbConvenio->currentIndex() >= 0) return true;
    Lumomain::MostraMensagem(Lumomain::Icone::Erro, QStringLiteral("Selecione o convênio"), this);
    pnCaptura->setEnabled(true);
    cbConvenio->setFocus(Qt::OtherFocusReason);
    return false;
}

bool TFrmConsPropMaxEmprestCons::GravaCamposHostlink() {
    const QString item = cbConvenio->currentText();
    return TFrmTrnEmpr_Mod::GravaCamposHostlink() && Grava(10158, QStringLiteral("43")) &&
           Grava(10428, item.left(2)) && Grava(10429, item.mid(3, 1));
}
