#include "frame/Cancelamentogrupo3trn.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using msg::Texto;

TFrmCancGrupo3_Trn::TFrmCancGrupo3_Trn(QWidget* pai, const QString& nome) : TFrmTrn_Mod(pai, nome) {
    const Partes::Grade grade{.caixa = QRect(61, 90, 500, 190), .topo = 10, .passo = 40, .altura = 28};
    captura.Redefine(grade);
    captura.Linha(0, lbValor, edValor, 250);
    EdNsuVorta = CriaCampo(1, lbNsuVorta, "lbNsuVorta", "EdNsuVorta", 13, msg::MsgNSUVortaGenerico);
    setTabOrder(edValor, EdNsuVorta);
    setTabOrder(EdNsuVorta, btConfirma);
}

QLineEdit* TFrmCancGrupo3_Trn::CriaCampo(int linha, QLabel*& rotulo, const char* nomeRotulo, const char* nome,
                                         int tamanho, const char* dica) {
    rotulo = captura.Rotulo(QLatin1String(nomeRotulo));
    auto* ed = captura.Campo(QLatin1String(nome), tamanho, Partes::Entrada::Digitos, Texto(dica));
    captura.Linha(linha, rotulo, ed, 250);
    return ed;
}

void TFrmCancGrupo3_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    // The cancellation names the operation by its receipt; the customer types no PIN for it.
    CapturaSenha = false;
    lbNsuVorta->setText(Texto(msg::InfoNSUVorta));
    EdNsuVorta->clear();
}

bool TFrmCancGrupo3_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (EdNsuVorta->text().isEmpty()) {
        ExibeMsgErroRepeteCampo(Texto(msg::MsgErroNumComprovanteInvalido), EdNsuVorta, pnCaptura);
        return false;
    }
    return true;
}

bool TFrmCancGrupo3_Trn::GravaCamposHostlink() {
    return TFrmTrn_Mod::GravaCamposHostlink() && host::Grava(10103, Lumomain::GrupoPagto) &&
           host::Grava(10102, EdNsuVorta->text());
}
