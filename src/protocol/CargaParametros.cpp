#include "protocol/CargaParametros.h"

#include "host/Host.h"
#include "protocol/Estado.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

namespace Lumomain {

bool ExecutaCargaParametros(const TTabelaTrn& pedido, QObject* status) {
    const QString& grupo = GrupoPagto;
    // Pague Fácil loads through its own network; every other group leaves the network to the server.
    if (host::GravaCampoString(10112, 0, grupo == QLatin1String("06") ? QStringLiteral("805") : QString()) !=
            0 ||
        host::GravaCampoString(10103, 0, grupo) != 0 ||
        host::GravaCampoString(10158, 0, QStringLiteral("00")) != 0)
        return false;
    host::AutorizaTransacao(pedido, status, 0);
    if (!host::Aprovada()) return false;

    TrataServicosHzinhoParametros();
    SalvaValorReferencia();
    bool numerico = false;
    const int grupoNumerico = grupo.toInt(&numerico);
    const auto tipo = [](const auto& registro) { return registro.texto(0, 2); };
    if (numerico && grupoNumerico == 1 &&
        (tipo(ServicoHzinho_Coleta_Trilha) == QLatin1String("16") ||
         tipo(ServicoHzinho_Coleta_Senha) == QLatin1String("17"))) {
        Converte_ServicosHzinho_Em_ServicosA();
        SalvaDPCHIP();
    }
    if (grupo == QLatin1String("06") || grupo == QLatin1String("7")) Converte_ServicoA_Em_Servico3();

    // The load is no transaction of the host's own: an abandonment from here on is the operator's.
    host::GravaCampoString(1027, 0, QString::fromUtf8(msg::ErroFinalizadoOper));
    host::GravaCampoString(1009, 0, QStringLiteral("FF"));
    return true;
}

} // namespace Lumomain
