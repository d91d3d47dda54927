#include "admin/Reimpressaolumo.h"

#include "protocol/Tabelatrn.h"

namespace Reimpressaolumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Reimpressaolumo, TrnReimpressao,
             Descritor(242, 1, {B, K(""), F(1003), F(10167), F(10168), F(10102)}));

} // namespace Reimpressaolumo

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using host::Grava;
using msg::Texto;

TFrmRei_Trn* FrmRei_Trn = nullptr;

TFrmRei_Trn::TFrmRei_Trn(QWidget* pai) : TFrmTrn_Mod(pai, QString()) {
    captura.Redefine({.caixa = QRect(31, 80, 560, 150), .topo = 12, .passo = 42, .altura = 28});
    const auto linha = [this](int n, QLabel*& rotulo, const char* nomeRotulo, const char* texto,
                              const char* nome, int tamanho, Partes::Entrada entrada, const char* dica,
                              int largura) {
        rotulo = captura.Rotulo(QLatin1String(nomeRotulo), Texto(texto));
        auto* ed = captura.Campo(QLatin1String(nome), tamanho, entrada, dica ? Texto(dica) : QString());
        captura.Linha(n, rotulo, ed, largura);
        return ed;
    };
    edTpEntrada = linha(0, lbTpEntrada, "lbTpEntrada", msg::InfoTipoEntrada, "edTpEntrada", 1,
                        Partes::Entrada::Digitos, msg::MsgTpEntrada, 30);
    EdDoc = linha(1, lbDoc, "lbDoc", msg::InfoLBDocumento, "EdDoc", 48, Partes::Entrada::Digitos,
                  msg::MsgCodigoBarras, 0);
    edNsuVorta = linha(2, lbNsuVorta, "lbNsuVorta", msg::InfoNSUVorta, "edNsuVorta", 13,
                       Partes::Entrada::Digitos, msg::MsgNSUVortaGenerico, 250);
    // The receipt is named by the document alone: the screen asks no amount.
    lbValor->hide();
    edValor->hide();
    // The entry type is read (0) or typed (1), nothing else.
    connect(edTpEntrada, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (t != QLatin1String("0") && t != QLatin1String("1")) edTpEntrada->clear();
    });
    setTabOrder(edTpEntrada, EdDoc);
    setTabOrder(EdDoc, edNsuVorta);
    setTabOrder(edNsuVorta, btConfirma);
    setTabOrder(btConfirma, btRetorna);
}

void TFrmRei_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloReimpressaoCB));
    Descritor = &Reimpressaolumo::TrnReimpressao;
    CapturaSenha = false;
    const QString tipo = host::LeCampo(1040).trimmed();
    edTpEntrada->setText(tipo);
    edTpEntrada->setEnabled(tipo.isEmpty());
    const QString documento = host::LeCampo(1041, Lumomain::IndiceAtual).trimmed();
    EdDoc->setText(documento);
    EdDoc->setEnabled(documento.isEmpty());
    edNsuVorta->clear();
}

bool TFrmRei_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    const auto repete = [this](const char* mensagem, QLineEdit* edit, bool limpa) {
        if (limpa && edit->isEnabledTo(pnCaptura)) edit->clear();
        ExibeMsgErroRepeteCampo(Texto(mensagem), edit, pnCaptura);
        return false;
    };
    if (edTpEntrada->text().trimmed().isEmpty())
        return repete(msg::MsgErroTpEntradaInvalido, edTpEntrada, true);
    if (EdDoc->text().trimmed().isEmpty()) return repete(msg::MsgErroDocumentoInvalido, EdDoc, true);
    if (edNsuVorta->text().trimmed().isEmpty())
        return repete(msg::MsgErroNumComprovanteInvalido, edNsuVorta, false);
    return true;
}

bool TFrmRei_Trn::GravaCamposHostlink() {
    return TFrmTrn_Mod::GravaCamposHostlink() && Grava(10158, QStringLiteral("65")) &&
           host::GravaCampoBytes(10148, 0, "0") == 0 && Grava(10167, edTpEntrada->text().trimmed()) &&
           Grava(10168, EdDoc->text().trimmed()) && Grava(10102, edNsuVorta->text().trimmed());
}
