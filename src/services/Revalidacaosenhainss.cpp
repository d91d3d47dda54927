#include "services/Revalidacaosenhainss.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <string.h>
#include <string>

TFrmRevSenhaINSS_Crt* FrmRevSenhaINSS_Crt = nullptr;

using namespace ServicosCartao;

namespace {

constexpr int TAMANHO_NB = 10;

} // namespace

TFrmRevSenhaINSS_Crt::TFrmRevSenhaINSS_Crt(QWidget* pai) : TFrmTrn_Mod(pai, QString()) {
    lbValor->hide();
    edValor->hide();
    lbNB = captura.Rotulo(QStringLiteral("lbNB"), QStringLiteral("NB:"));
    edNB = captura.Campo(QStringLiteral("edNB"), TAMANHO_NB, Partes::Entrada::Digitos,
                         QString::fromUtf8(msg::MsgNB));
    captura.Linha(0, lbNB, edNB, 270);
    edNB->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edNB));
    setTabOrder(edValor, edNB);
    setTabOrder(edNB, btConfirma);
    setTabOrder(btConfirma, btRetorna);
    DefineTitulo(QStringLiteral("Revalidação de Senha do Cartão INSS"));
}

void TFrmRevSenhaINSS_Crt::IniciaCamposForm() {
    lbValor->hide();
    edValor->hide();
    TFrmTrn_Mod::IniciaCamposForm();
    // The PIN is taken together with the card, before anything is written.
    CapturaSenha = false;
    Descritor = &Tabelatrn::TrnRevalidacaoSenhaCartaoINSS;
    edNB->clear();
    edNB->setEnabled(true);
}

void TFrmRevSenhaINSS_Crt::hideEvent(QHideEvent* e) {
    if (!e->spontaneous()) FechaPinpad();
    TFrmTrn_Mod::hideEvent(e);
}

bool TFrmRevSenhaINSS_Crt::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (edNB->text().trimmed().size() != TAMANHO_NB) {
        edNB->clear();
        ExibeMsgErroRepeteCampo(QString::fromUtf8(msg::ErroNBInvalido), edNB, pnCaptura);
        return false;
    }
    // Only then the customer is asked for the card and the PIN.
    return LeCartaoESenha(this);
}

bool TFrmRevSenhaINSS_Crt::GravaCamposHostlink() {
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    // No token is asked here: a token block left by an earlier transaction must not travel.
    host::LimpaCampo(10544);
    return host::GravaCampoString(10158, 0, QLatin1String(OPERACAO_REVALIDACAO_SENHA_INSS)) == 0 &&
           host::GravaCampoString(10134, 0, QLatin1String(ENTRADA_CARTAO_LIDO)) == 0 &&
           host::GravaCampoString(10167, 0, edNB->text().trimmed()) == 0;
}

int TFrmRevSenhaINSS_Crt::VerificaAutorizaTransacao() {
    // This request names the card by its number in 10290, which stays there only while it goes.
    NumeroCartaoNoCampo cartao(10290);
    return TFrmTrn_Mod::VerificaAutorizaTransacao();
}
