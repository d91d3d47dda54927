#include "topup/Recargatefdebitolumo.h"

#include "frame/Contasaque.h"
#include "frame/Lumomain.h"
#include "frame/Partes.h"
#include "host/Host.h"
#include "protocol/ServicosRecarga.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>

using msg::Texto;
using namespace Lumomain;

namespace Recargatefdebitolumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Recargatefdebitolumo, TrnRecargaTEFDebito,
             Descritor(241, 1,
                       {F(1205), F(10171), F(10103), F(1038).sep(255), F(1039), F(1253), F(1003), F(1256),
                        F(10102), F(10104), F(10146), P3, F(10301), F(10301, 1), F(10332, "CHVAL:"),
                        F(10544, "TOKEN:"), T3}));

QStringList TiposContaAceitos() {
    QStringList aceitos;
    const QStringList tipos = Contasaque::TiposConta();
    for (int i = 0; i < tipos.size(); ++i)
        if (ServicoHzinho_Tipo_Conta_Aceita_TEF_Debito_RecargaCB.texto(static_cast<std::size_t>(25 + i), 1) ==
            QLatin1String("1"))
            aceitos << tipos[i];
    return aceitos;
}

} // namespace Recargatefdebitolumo

TFrmRecDeb* FrmRecDeb = nullptr;

namespace {

constexpr int TIPO_CAPTURA_RECARGA = 3;

} // namespace

TFrmRecDeb::TFrmRecDeb(QWidget* pai) : TFrmTrnCel_Mod(pai, QString()) {
    lbTipoConta = captura.Rotulo(QStringLiteral("lbTipoConta"));
    cbTipoConta = captura.Lista(QStringLiteral("cbTipoConta"), Texto(msg::MsgTecladoReduzido));
    LbCSeg = captura.Rotulo(QStringLiteral("LbCSeg"), QStringLiteral("C. Seg:"));
    EdCSeg =
        captura.Campo(QStringLiteral("EdCSeg"), 5, Partes::Entrada::Digitos, Texto(msg::MsgCodigoSeguranca));
    // The transcript and any screen capture show it masked.
    EdCSeg->setProperty("cbSensivel", true);
    captura.Linha(0, lbTipoConta, cbTipoConta, 250);
    captura.Linha(1, LbCSeg, EdCSeg, 80);
    CriaBotoes({cbTipoConta, EdCSeg});
}

void TFrmRecDeb::IniciaCamposForm() {
    TFrmTrnCel_Mod::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloRecargaCBDebito));
    Descritor = &Recargatefdebitolumo::TrnRecargaTEFDebito;
    lbTipoConta->setText(Texto(msg::InfoTipoConta));
    cbTipoConta->clear();
    cbTipoConta->addItems(Recargatefdebitolumo::TiposContaAceitos());
    cbTipoConta->setCurrentIndex(-1);
    // A chip proves the card is present; on network 805 the token replaces the code.
    const bool rede805 = ServicoHzinho_Informacoes_Gerais_CB.texto(22, 3) == QLatin1String("805");
    const bool mostra = rede805 ? !bHabilitaTratamentoToken : !Contasaque::VerificaSeCartaoLidoCHIP();
    LbCSeg->setVisible(mostra);
    EdCSeg->setVisible(mostra);
    EdCSeg->clear();
}

bool TFrmRecDeb::ValidaCamposForm() {
    if (cbTipoConta->currentIndex() < 0) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroTipoContaInvalida), cbTipoConta, pnCaptura);
        return false;
    }
    if (EdCSeg->isVisibleTo(this) && !Contasaque::CodigoSegurancaValido(EdCSeg->text())) {
        // A wrong code is simply asked for again: the prompt already says what is expected.
        HabilitaCaptura(true);
        EdCSeg->setFocus();
        EdCSeg->selectAll();
        return false;
    }
    return true;
}

bool TFrmRecDeb::GravaCamposHostlink() {
    return TFrmTrnCel_Mod::GravaCamposHostlink() && Contasaque::GravaDadosCartao() &&
           host::Grava(10103, QStringLiteral("10")) &&
           host::Grava(10102, Contasaque::CodigoTipoConta(cbTipoConta->currentText())) &&
           Contasaque::GravaCodigoSeguranca(EdCSeg);
}

bool TFrmRecDeb::VerificaCapturaSenha() {
    if (LeSenhaCB(false, lbTitulo->text(), TIPO_CAPTURA_RECARGA, lbMensagem, QString())) return true;
    Encerra();
    return false;
}

void TFrmRecDeb::hideEvent(QHideEvent* e) {
    host::memLimpaEdit(EdCSeg);
    TFrmTrnCel_Mod::hideEvent(e);
}
