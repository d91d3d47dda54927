#include "cash/Cancelamentosaquecheque.h"

#include "cash/Cancelamentogrupo3.h"
#include "frame/Coletacampocartao.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using host::Grava;
using msg::Texto;

TFrmCancSaque_Chq* FrmCancSaque_Chq = nullptr;

TFrmCancSaque_Chq::TFrmCancSaque_Chq(QWidget* pai) : TFrmColetaDadosChq_Trn(pai, QString()) {
    lbNsuVorta = new QLabel(pnCaptura);
    lbNsuVorta->setObjectName(QStringLiteral("lbNsuVorta"));
    EdNsuVorta = new QLineEdit(pnCaptura);
    EdNsuVorta->setObjectName(QStringLiteral("EdNsuVorta"));
    EdNsuVorta->setMaxLength(13);
    EdNsuVorta->setContextMenuPolicy(Qt::NoContextMenu);
    Partes::SoDigitos(EdNsuVorta);
    DefineDica(EdNsuVorta, Texto(msg::MsgNSUVortaGenerico));
    PnCMC7->installEventFilter(this);
    PnDadosCheque->installEventFilter(this);
    setTabOrder(EdC3, EdNsuVorta);
    setTabOrder(EdNsuVorta, btConfirma);
    lbNsuVorta->hide();
    EdNsuVorta->hide();
}

void TFrmCancSaque_Chq::PosicionaNsu() {
    QFrame* painel = PnDadosCheque->isVisibleTo(this) ? PnDadosCheque : PnCMC7;
    const bool mostra = painel->isVisibleTo(this);
    const int y = painel->geometry().bottom() + 6;
    lbNsuVorta->setGeometry(20, y, 130, 28);
    EdNsuVorta->setGeometry(160, y, 200, 28);
    lbNsuVorta->setVisible(mostra);
    EdNsuVorta->setVisible(mostra);
}

void TFrmCancSaque_Chq::IniciaCamposForm() {
    TFrmColetaDadosChq_Trn::IniciaCamposForm();
    lbNsuVorta->setText(Texto(msg::InfoNSUVorta));
    EdNsuVorta->clear();
    DefineTitulo(Texto(msg::TituloCancelamentoSaqueCheque));
    Descritor = &Tabelatrn::TrnCancelamentoSaqueChequeReciboCartMag;
    PosicionaNsu();
}

bool TFrmCancSaque_Chq::eventFilter(QObject* objeto, QEvent* e) {
    if ((objeto == PnCMC7 || objeto == PnDadosCheque) &&
        (e->type() == QEvent::Show || e->type() == QEvent::Hide))
        PosicionaNsu();
    return TFrmColetaDadosChq_Trn::eventFilter(objeto, e);
}

bool TFrmCancSaque_Chq::ValidaCamposForm() {
    if (!TFrmColetaDadosChq_Trn::ValidaCamposForm()) return false;
    if (EdNsuVorta->text().isEmpty()) {
        ExibeMsgErroRepeteCampo(Texto(msg::MsgErroNumComprovanteInvalido), EdNsuVorta, pnCaptura);
        return false;
    }
    return true;
}

bool TFrmCancSaque_Chq::GravaCamposHostlink() {
    // The cheque form leaves the cheque's data in 10102[1]; its kind goes in the withdrawal's buffer.
    if (!TFrmColetaDadosChq_Trn::GravaCamposHostlink() || !Grava(10103, Lumomain::GrupoPagto) ||
        !Grava(10102, EdNsuVorta->text()) || !Grava(10158, QStringLiteral("21")) ||
        !Grava(10212, QStringLiteral("01")))
        return false;
    const auto dados = host::LeCampoPresente(10102, 1);
    Cancelamentogrupo3::DefineDadosContaRecibo(dados.value_or(QString()));
    return dados.has_value();
}
