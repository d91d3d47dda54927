#include "topup/Consultafiliaisrecargalumo.h"

#include "host/Host.h"
#include "protocol/Estado.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using msg::Texto;

namespace Consultafiliaisrecargalumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Consultafiliaisrecargalumo, TrnConsultaFiliais,
             Descritor(241, 0, {F(1205), F(10171), F(10103), F(1038), F(1039)}));

Partes::Grade GradeRecarga() {
    return {.caixa = QRect(40, 182, 540, 128)};
}

} // namespace Consultafiliaisrecargalumo

TFrmConsFiliais::TFrmConsFiliais(QWidget* pai, const QString& nome, Lumomain::RedeRecarga redeRecarga)
    : TFrmCapCel_Mod(pai, nome, Consultafiliaisrecargalumo::GradeRecarga()), rede(redeRecarga) {
    lbDDD = captura.Rotulo(QStringLiteral("lbDDD"), QStringLiteral("DDD:"));
    edDDD = captura.Campo(QStringLiteral("edDDD"), 4, Partes::Entrada::Digitos, Texto(msg::MsgDDDCelular));
    lbNumCelular = captura.Rotulo(QStringLiteral("lbNumCelular"), Texto(msg::InfoNumeroDoCelular));
    edNumCelular = captura.Campo(QStringLiteral("edNumCelular"), 10, Partes::Entrada::Digitos, {});
    DefineDica(edNumCelular, [this] {
        return Texto(primeiraEntrada_.isEmpty() ? msg::MsgNumeroCelular : msg::MsgInformeNovamenteNumCel);
    });
    captura.Linha(0, lbDDD, edDDD, 60);
    captura.Linha(1, lbNumCelular, edNumCelular, 140);
    Observa(edNumCelular);
    CriaBotoes({edDDD, edNumCelular});
}

void TFrmConsFiliais::IniciaCamposForm() {
    DefineTitulo(Texto(msg::TituloConsultaFiliaisRecarga));
    Descritor = &Consultafiliaisrecargalumo::TrnConsultaFiliais;
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    MontaResumo();
    btConfirma->setEnabled(false);
}

bool TFrmConsFiliais::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == edNumCelular && e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            Protegido([this] { edNumCelularEnter(); });
            return true;
        }
    }
    return TFrmCapCel_Mod::eventFilter(objeto, e);
}

void TFrmConsFiliais::edNumCelularEnter() {
    const QString numero = edNumCelular->text().trimmed();
    if (numero.isEmpty()) {
        primeiraEntrada_.clear();
        return;
    }
    const QString entrada = edDDD->text().trimmed() + numero;
    if (primeiraEntrada_.isEmpty()) {
        primeiraEntrada_ = entrada;
        edNumCelular->clear();
        DefineMensagem(Texto(msg::MsgInformeNovamenteNumCel));
        return;
    }
    if (entrada == primeiraEntrada_) {
        edNumCelular->setEnabled(false);
        btConfirma->setEnabled(true);
        btConfirma->setFocus();
        return;
    }
    primeiraEntrada_.clear();
    Lumomain::MostraMensagem(Lumomain::Icone::Aviso, Texto(msg::ErroTelefoneCelNaoConfere), this);
    edNumCelular->clear();
    edNumCelular->setFocus();
    DefineMensagem(Texto(msg::MsgNumeroCelular));
}

bool TFrmConsFiliais::ValidaCamposForm() {
    DefineMensagem(Texto(msg::MsgEmProcessamento));
    if (edDDD->text().trimmed().size() < 2) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroDDDInvalido), edDDD, pnCaptura);
        return false;
    }
    if (edNumCelular->text().trimmed().size() < 8) {
        edNumCelular->setEnabled(true);
        ExibeMsgErroRepeteCampo(Texto(msg::ErroNumeroCelInvalido), edNumCelular, pnCaptura);
        return false;
    }
    return true;
}

bool TFrmConsFiliais::GravaCamposHostlink() {
    Lumomain::sDDDRecarga = edDDD->text().trimmed();
    Lumomain::sNumeroRecarga = edNumCelular->text().trimmed();
    const QString codigo = QLatin1String(Lumomain::CodigoRede(rede));
    return TFrmColeta_Mod::GravaCamposHostlink() && host::Grava(10103, QStringLiteral("30")) &&
           host::Grava(1038, host::PreencherZerosEsquerda(Lumomain::sDDDRecarga, 4)) &&
           host::Grava(1039, host::PreencherZerosEsquerda(Lumomain::sNumeroRecarga, 10)) &&
           host::Grava(10112, codigo) && host::Grava(1205, codigo);
}

bool TFrmConsFiliais::TrataRespostaConsultaFiliais() {
    return Lumomain::TrataRespostaConsultaFiliais(rede);
}

bool TFrmConsFiliais::ConcluiConfirmacao() {
    host::AutorizaTransacao(Pedido(), lbMensagem);
    if (!host::Aprovada()) {
        DefineMensagem(host::LeCampo(1027));
        Encerra();
        return true;
    }
    // From here an abandoned top-up is the operator's.
    host::Grava(1009, QStringLiteral("FF"));
    host::Grava(1027, Texto(msg::ErroFinalizadoOper));
    if (!TrataRespostaConsultaFiliais()) {
        Encerra(QStringLiteral("FF"), Texto(msg::MsgErroConsultaFiliaisRecargaIndefinidas));
        return true;
    }
    if (ExecutaConsultaValores()) return true;
    // Back from the values: the confirmation's end turns the capture on again, focus on the first field.
    edDDD->setEnabled(true);
    edNumCelular->setEnabled(true);
    return false;
}
