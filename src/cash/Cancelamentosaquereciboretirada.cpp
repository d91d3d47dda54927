#include "cash/Cancelamentosaquereciboretirada.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using msg::Texto;

TFrmCancSaque_RecRet* FrmCancSaque_RecRet = nullptr;

TFrmCancSaque_RecRet::TFrmCancSaque_RecRet(QWidget* pai) : TFrmCancGrupo3_Trn(pai, QString()) {
    edNumRecibo = CriaCampo(2, lbNumRecibo, "lbNumRecibo", "edNumRecibo", 15, msg::MsgNumRecibo);
    setTabOrder(EdNsuVorta, edNumRecibo);
    setTabOrder(edNumRecibo, btConfirma);
}

void TFrmCancSaque_RecRet::IniciaCamposForm() {
    TFrmCancGrupo3_Trn::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloCancelamentoSaqueReciboRetirada));
    lbNumRecibo->setText(Texto(msg::InfoNumeroRecibo));
    edNumRecibo->clear();
    Descritor = &Tabelatrn::TrnCancelamentoSaqueChequeReciboCartMag;
}

bool TFrmCancSaque_RecRet::ValidaCamposForm() {
    if (!TFrmCancGrupo3_Trn::ValidaCamposForm()) return false;
    if (edNumRecibo->text().trimmed().isEmpty()) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroNumReciboInvalido), edNumRecibo, pnCaptura,
                                Lumomain::Icone::Nenhum);
        return false;
    }
    return true;
}

bool TFrmCancSaque_RecRet::GravaCamposHostlink() {
    if (!TFrmCancGrupo3_Trn::GravaCamposHostlink()) return false;
    Cancelamentogrupo3::DefineDadosContaRecibo(edNumRecibo->text().trimmed());
    return host::Grava(10158, QStringLiteral("21")) && host::Grava(10212, QStringLiteral("02"));
}
