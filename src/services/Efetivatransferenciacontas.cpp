#include "services/Efetivatransferenciacontas.h"

#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"
#include "services/Consultatransferenciaentrecontas.h"

using msg::Texto;

TFrmEfetTransf* FrmEfetTransf = nullptr;

namespace Efetivatransferenciacontas {

QStringList Resumo() {
    const auto d = Consultatransferenciaentrecontas::Le(DadosEfetivaTransferencia);
    const QString titulo = QStringLiteral("Efetivação Transferência");
    // Centred in the summary's 38 columns.
    const QString centrado = QString((38 - titulo.size()) / 2, QLatin1Char(' ')) + titulo;
    return {centrado,
            QStringLiteral(" "),
            QStringLiteral("Valor da Transferência  : ") + host::Dollar(d.valor).trimmed(),
            QStringLiteral("Tipo Conta Debito       : ") + d.tipoDebito,
            QStringLiteral("Tipo Conta Credito      : ") + d.tipoCredito,
            QStringLiteral("Banco                   : ") + d.banco,
            QStringLiteral("Agencia                 : ") + d.agencia,
            QStringLiteral("Digito Agencia          : ") + d.c1,
            QStringLiteral("Conta                   : ") + d.conta,
            QStringLiteral("Digito Conta            : ") + d.digito};
}

} // namespace Efetivatransferenciacontas

TFrmEfetTransf::TFrmEfetTransf(QWidget* pai) : TFrmTrnTransf_Mod(pai, QString()) {}

void TFrmEfetTransf::IniciaCamposForm() {
    DefineTitulo(Texto(msg::TituloEfetivaTransferenciaEntreContas));
    Descritor = &Tabelatrn::TrnEfetivaTransferencia;
    MostraResumo(Efetivatransferenciacontas::Resumo());
    // The query's approval is no transfer: leaving the summary any other way than through the bank is the
    // operator's.
    host::Grava(1009, QStringLiteral("FF"));
    host::Grava(1027, Texto(msg::ErroFinalizadoOper));
}

bool TFrmEfetTransf::GravaCamposHostlink() {
    return TFrmTrnTransf_Mod::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("29"));
}
