#include "payment/Cancelamentotrnredelumo.h"

#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using host::Grava;
using msg::Texto;

TFrmCncRede_Trn::TFrmCncRede_Trn(QWidget* pai, const QString& nome, const char* titulo,
                                 const TTabelaTrn& descritor, const char* funcao)
    : TFrmTrn_Mod(pai, nome), titulo_(titulo), descritor_(&descritor), funcao_(funcao) {
    captura.Redefine({.caixa = QRect(61, 64, 500, 220), .topo = 8, .passo = 36, .altura = 28});
    captura.Linha(0, lbValor, edValor, 250);
    EdNsuVorta =
        Linha(1, lbNsuVorta, "lbNsuVorta", msg::InfoNSUVorta, "EdNsuVorta", 13, msg::MsgNSUVortaGenerico);
}

void TFrmCncRede_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    DefineTitulo(Texto(titulo_));
    Descritor = descritor_;
    CapturaSenha = false;
}

bool TFrmCncRede_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (EdNsuVorta->text().trimmed().isEmpty()) return Repete(msg::MsgErroNumComprovanteInvalido, EdNsuVorta);
    return true;
}

bool TFrmCncRede_Trn::GravaCamposHostlink() {
    return TFrmTrn_Mod::GravaCamposHostlink() && Grava(10158, QLatin1String(funcao_)) &&
           host::GravaCampoBytes(10148, 0, "0") == 0 && Grava(10102, EdNsuVorta->text().trimmed());
}
