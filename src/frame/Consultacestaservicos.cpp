#include "frame/Consultacestaservicos.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>

namespace {
// Operation code of the basket query.
constexpr char OPERACAO_CONSULTA_CESTA[] = "74";
} // namespace

TFrmCnsCstSrv::TFrmCnsCstSrv(QWidget* pai) : TFrmMod(pai, QString()) {
    DefineTitulo(QStringLiteral("Consulta Cesta de Serviços"));
    DefineMensagem(QString::fromUtf8(msg::MsgEmProcessamento));
}

bool TFrmCnsCstSrv::Consulta_Cesta_Servicos_LUMO() {
    DefineMensagem(QString::fromUtf8(msg::MsgEmProcessamento));
    Lumomain::ProcessaMensagens();
    // The query travels inside another transaction's flow: that transaction's operation code comes back.
    const auto operacao = host::LeCampoBytesPresente(10158, 0);
    host::GravaCampoString(10103, 0, Lumomain::GrupoPagto);
    host::GravaCampoString(10158, 0, QLatin1String(OPERACAO_CONSULTA_CESTA));
    host::AutorizaTransacao(Tabelatrn::TrnConsultaCestaServicos, lbMensagem, 0);
    if (operacao)
        host::GravaCampoBytes(10158, 0, *operacao);
    else
        host::LimpaCampo(10158);
    const QString resultado = host::LeCampo(1009).trimmed();
    if (resultado == QLatin1String("00") || resultado == QLatin1String("0")) return true;
    if (resultado.isEmpty()) host::GravaCampoString(1009, 0, QStringLiteral("255"));
    QString texto = host::LeCampo(1027);
    if (texto.isEmpty()) {
        texto = QStringLiteral("Consulta da cesta de serviços não autorizada");
        host::GravaCampoString(1027, 0, texto);
    }
    Lumomain::MostraMensagem(Lumomain::Icone::Aviso, texto, this);
    host::GravaArquivo();
    return false;
}
