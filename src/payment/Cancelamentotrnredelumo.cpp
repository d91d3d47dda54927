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
    captura.Redefine({.caixa = QRect(61, 70, 500, 200), .topo = 8, .passo = 38, .altura = 28});
    captura.Linha(0, lbValor, edValor, 250);
    EdNsuVorta =
        Linha(1, lbNsuVorta, "lbNsuVorta", msg::InfoNSUVorta, "EdNsuVorta", 13, msg::MsgNSUVortaGenerico);
}

QLineEdit* TFrmCncRede_Trn::Linha(int linha, QLabel*& rotulo, const char* nomeRotulo, const char* texto,
                                  const char* nome, int tamanho, const char* dica, const char* mascara) {
    rotulo = captura.Rotulo(QLatin1String(nomeRotulo), Texto(texto));
    auto* ed = captura.Campo(QLatin1String(nome), tamanho, Partes::Entrada::Digitos, Texto(dica));
    if (mascara) ed->setInputMask(QLatin1String(mascara));
    captura.Linha(linha, rotulo, ed, 250);
    campos_.push_back(ed);
    QWidget* anterior = edValor;
    for (QWidget* w : campos_) {
        setTabOrder(anterior, w);
        anterior = w;
    }
    setTabOrder(anterior, btConfirma);
    setTabOrder(btConfirma, btRetorna);
    return ed;
}

bool TFrmCncRede_Trn::Repete(const char* mensagem, QLineEdit* edit) {
    if (edit->isEnabledTo(pnCaptura)) edit->clear();
    ExibeMsgErroRepeteCampo(Texto(mensagem), edit, pnCaptura);
    // A date's mask starts over from its first digit.
    if (!edit->inputMask().isEmpty()) edit->setCursorPosition(0);
    return false;
}

void TFrmCncRede_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    DefineTitulo(Texto(titulo_));
    Descritor = descritor_;
    CapturaSenha = false;
    EdNsuVorta->clear();
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
