#include "cash/Cancelamentodeposito.h"

#include "cash/Depositodinheirocheque.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using msg::Texto;

namespace Cancelamentodeposito {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancelamentodeposito, TrnCancelamentoDeposito,
             Descritor(242, 1, {B, F(1003), F(10102, 1), F(10189), F(10102)}));

} // namespace Cancelamentodeposito

TFrmCancDep_Trn* FrmCancDep_Trn = nullptr;

TFrmCancDep_Trn::TFrmCancDep_Trn(QWidget* pai) : TFrmCancGrupo3_Trn(pai, QString()) {
    lbTipoDeposito = captura.Rotulo(QStringLiteral("lbTipoDeposito"));
    cbTipoDeposito =
        captura.Lista(QStringLiteral("cbTipoDeposito"),
                      Texto(msg::MsgTipoDeposito) + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
    captura.Linha(2, lbTipoDeposito, cbTipoDeposito, 250);
    edQtdeChq = CriaCampo(3, lbQtdeChq, "lbQtdeChq", "edQtdeChq", 2, msg::MsgQtdeCheques);
    setTabOrder(EdNsuVorta, cbTipoDeposito);
    setTabOrder(cbTipoDeposito, edQtdeChq);
    setTabOrder(edQtdeChq, btConfirma);
    connect(cbTipoDeposito, &QComboBox::currentIndexChanged, this,
            [this] { Protegido([this] { cbTipoDepositoChange(); }); });
}

int TFrmCancDep_Trn::Tag() const {
    return cbTipoDeposito->property("Tag").toInt();
}

void TFrmCancDep_Trn::IniciaCamposForm() {
    TFrmCancGrupo3_Trn::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloCancelamentoDeposito));
    lbTipoDeposito->setText(Texto(msg::InfoTipoDeposito));
    lbQtdeChq->setText(Texto(msg::InfoQtdeCheque));
    lbQtdeChq->hide();
    edQtdeChq->hide();
    edQtdeChq->clear();
    Descritor = &Cancelamentodeposito::TrnCancelamentoDeposito;
    const QSignalBlocker b(cbTipoDeposito);
    cbTipoDeposito->clear();
    int tag = 0;
    const auto& tipos = Lumomain::ServicoHzinho_TipoDeposito;
    if (tipos.texto(25, 1) == QLatin1String("1")) {
        cbTipoDeposito->addItem(Texto(msg::InfoDinheiro));
        tag = 1;
    }
    if (tipos.texto(26, 1) == QLatin1String("1")) {
        cbTipoDeposito->addItem(Texto(msg::InfoChequeFin));
        tag += 2;
    }
    if (tag == 3) cbTipoDeposito->addItem(Texto(msg::InfoDinheiroECheque));
    cbTipoDeposito->setProperty("Tag", tag);
    cbTipoDeposito->setCurrentIndex(-1);
}

void TFrmCancDep_Trn::cbTipoDepositoChange() {
    const int item = cbTipoDeposito->currentIndex();
    const bool cheques = Tag() == 2 || (Tag() == 3 && item >= 1);
    lbQtdeChq->setVisible(cheques);
    edQtdeChq->setVisible(cheques);
}

bool TFrmCancDep_Trn::ValidaCamposForm() {
    if (!TFrmCancGrupo3_Trn::ValidaCamposForm()) return false;
    if (cbTipoDeposito->currentIndex() < 0) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroTipoDeposito), cbTipoDeposito, pnCaptura);
        return false;
    }
    if (edQtdeChq->isVisibleTo(this) && edQtdeChq->isEnabledTo(pnCaptura)) {
        bool ok = false;
        int qtde = edQtdeChq->text().toInt(&ok);
        if (!ok) qtde = 0;
        if (qtde == 0) {
            ExibeMsgErroRepeteCampo(Texto(msg::ErroQuantidadeChequesInvalidaDeposito), edQtdeChq, pnCaptura);
            return false;
        }
        if (qtde > Depositodinheirocheque::MAX_CHEQUES) {
            ExibeMsgErroRepeteCampo(Lumomain::Formata(msg::ErroQuantidadeChequesInvalidaMax,
                                                      {QString::number(Depositodinheirocheque::MAX_CHEQUES)}),
                                    edQtdeChq, pnCaptura);
            return false;
        }
    }
    return true;
}

bool TFrmCancDep_Trn::GravaCamposHostlink() {
    if (!TFrmCancGrupo3_Trn::GravaCamposHostlink() || !host::Grava(10158, QStringLiteral("31"))) return false;
    const int item = cbTipoDeposito->currentIndex();
    // The list's position is the type, except when checks are its only item.
    const QString tipo = Tag() == 2 ? QStringLiteral("02") : QStringLiteral("0%1").arg(item + 1);
    return host::Grava(10102, tipo, 1) && host::Grava(10189, edQtdeChq->text());
}
