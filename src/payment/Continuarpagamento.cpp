#include "payment/Continuarpagamento.h"

#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

TFrmPgt_Con* FrmPgt_Con = nullptr;

TFrmPgt_Con::TFrmPgt_Con(QWidget* pai) : TFrmMod(pai, QStringLiteral("FrmPgt_Con")) {
    DefineTitulo(QStringLiteral("Continuar Pagamento"));
    btConfirma =
        CriaBotao(QStringLiteral("btConfirma"), QStringLiteral("&1 - Confirma"), QRect(146, 320, 160, 30));
    LigaClique(btConfirma, [this] { btConfirmaClick(); });
}

void TFrmPgt_Con::btConfirmaClick() {
    // Pending bill payments are resumed by the bill-payment dialogs; until this till offers them, the host is
    // told that the function is not enabled rather than left without a result.
    host::EnviaArquivoErroPDV(255, QString::fromUtf8(msg::MsgTransacaoNaoHabilitada));
}

namespace Continuarpagamento {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnContinuarPagamento = Descritor(242, 1, {B, F(10102)});

} // namespace Continuarpagamento
