#include "cash/Confirmacaodadosdeposito.h"

#include "cash/Depositodinheirocheque.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QPlainTextEdit>
#include <QPushButton>

using msg::Texto;

namespace Confirmacaodadosdeposito {

QStringList TextoConfirmacao(const QString& resposta, const QString& valor) {
    const auto dados = Depositodinheirocheque::ConsultaDeposito::Le(resposta);
    const QString titulo = QStringLiteral("Dados do Depósito");
    // Centred in the 40 columns of the receipt-style display.
    const QString centrado = QString((40 - titulo.size()) / 2, QLatin1Char(' ')) + titulo;
    return {centrado,
            QStringLiteral(" "),
            QStringLiteral("Nome do Favorecido : ") + dados.nome,
            QStringLiteral(" "),
            QStringLiteral("Banco   : ") + dados.banco,
            QStringLiteral("Agência : ") + dados.agencia,
            QStringLiteral("Conta   : ") + dados.conta + QStringLiteral(" - ") + dados.digito,
            QStringLiteral(" "),
            QStringLiteral("Valor   : R$ ") + host::Dollar(host::RemoveFormato(valor))};
}

} // namespace Confirmacaodadosdeposito

TFrmCnfDdsDp::TFrmCnfDdsDp(QWidget* pai) : TFrmMod(pai, QString()) {
    DefineTitulo(Texto(msg::TituloConfirmacaoDadosDeposito));
    mmDados = new QPlainTextEdit(this);
    mmDados->setObjectName(QStringLiteral("mmDados"));
    mmDados->setGeometry(111, 56, 400, 230);
    mmDados->setReadOnly(true);
    mmDados->setFocusPolicy(Qt::NoFocus);
    QFont fonte(QStringLiteral("Monospace"));
    fonte.setStyleHint(QFont::TypeWriter);
    mmDados->setFont(fonte);
    btConfirma = CriaBotao(QStringLiteral("btConfirma"), Texto(msg::InfoConfirma), QRect(131, 318, 170, 32));
    btCancela =
        CriaBotao(QStringLiteral("btCancela"), QStringLiteral("&9 - Cancela"), QRect(321, 318, 170, 32));
    setTabOrder(btConfirma, btCancela);
    LigaClique(btConfirma, [this] { setModalResult(mrOk); });
    LigaClique(btCancela, [this] { Volta(); });
    DefineDica(btConfirma, Texto(msg::MsgTecleEnterParaConfirmar));
    DefineDica(btCancela, QStringLiteral("Tecle <ENTER> para cancelar."));
}

void TFrmCnfDdsDp::DefineDados(const QString& resposta, const QString& valor) {
    mmDados->setPlainText(
        Confirmacaodadosdeposito::TextoConfirmacao(resposta, valor).join(QLatin1Char('\n')));
}
