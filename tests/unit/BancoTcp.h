// A bank account with its card on the default scenario, and the requests a till sends it over TCP, for the
// tests that drive the simulated bank from many tills or across its restarts.
#pragma once

#include "Contas.h"
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Quadro.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace banco_tcp {

inline const std::string kChave = "23700011000000012345607";
inline const std::string kTrilha = "5067220000123458=2912101";

// One request on a connection of its own, as the till's platform sends it.
inline std::optional<cbwire::Resposta> Envia(uint16_t porta, const cbwire::Pedido& pedido) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return std::nullopt;
    sockaddr_in destino{};
    destino.sin_family = AF_INET;
    destino.sin_port = htons(porta);
    destino.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval prazo{10, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &prazo, sizeof prazo);
    std::string quadro = cbwire::CodificaPedido(pedido);
    bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&destino), sizeof destino) == 0 &&
              ::send(fd, quadro.data(), quadro.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(quadro.size());
    const auto le = [fd](std::string& s, std::size_t de) {
        for (std::size_t lidos = de; lidos < s.size();) {
            const ssize_t r = ::recv(fd, s.data() + lidos, s.size() - lidos, 0);
            if (r <= 0) return false;
            lidos += static_cast<std::size_t>(r);
        }
        return true;
    };
    std::string resposta(cbwire::kCabecalhoQuadro, '\0');
    ok = ok && le(resposta, 0);
    const auto total = ok ? cbwire::TamanhoQuadro(resposta, cbwire::kTipoResposta) : std::nullopt;
    if (total) resposta.resize(*total);
    ok = total && le(resposta, cbwire::kCabecalhoQuadro);
    ::close(fd);
    return ok ? cbwire::DecodificaResposta(resposta) : std::nullopt;
}

inline cbwire::Pedido Pedido(const std::string& operacao, const std::string& valor,
                             std::vector<cbwire::Item> proprios) {
    cbwire::Pedido p;
    p.codigo = 242;
    p.indicador = 1;
    p.itens = {Item(0, ""), Item(10171, ""), Item(10103, "3"), Item(10158, operacao), Item(1003, valor)};
    p.itens.insert(p.itens.end(), proprios.begin(), proprios.end());
    return p;
}

inline cbwire::Pedido Saque(const std::string& valor) {
    return Pedido(
        "18", valor,
        {Item(10104, kTrilha), Item(10146, "0123456789ABCDEF"), Item(10102, "01"), Item(10149, "123")});
}

// The NSU a receipt ends with ("NSU: n" in service I).
inline std::string Nsu(const cbwire::Resposta& r) {
    for (const auto& [letra, linhas] : r.servicos)
        if (letra == 'I' && !linhas.empty() && linhas.back().rfind("NSU: ", 0) == 0)
            return linhas.back().substr(5);
    return {};
}

// A cash settlement of one bill, as the payment dialogs send it.
struct Conta {
    std::string codigoBarras;
    std::string total; // cents
};

inline cbwire::Pedido Pagamento(const Conta& conta) {
    cbwire::Pedido p;
    p.codigo = 242;
    p.indicador = 1;
    p.itens = {Item(0, ""), Item(10171, ""), Item(10103, "1"), Item(10158, "16"), Item(10162, "", 1)};
    for (const auto& i :
         {Item(10163, conta.total), Item(10164, conta.total), Item(10165, "0"), Item(10166, "0"),
          Item(10167, "1"), Item(10168, conta.codigoBarras), Item(10169, "07072026")})
        p.itens.push_back(i);
    return p;
}

// The default scenario (its bills) with one account of that balance and its card; the parameter file is
// named in full, so the scenario may be written anywhere.
inline QJsonObject CenarioComConta(long long saldo) {
    QFile padrao(QStringLiteral(CB_CENARIOS "/default.json"));
    if (!padrao.open(QIODevice::ReadOnly)) return {};
    QJsonObject cenario = QJsonDocument::fromJson(padrao.readAll()).object();
    const QJsonObject extra =
        QJsonDocument::fromJson(
            QStringLiteral(
                R"({"saques": {"contas": [{"conta": "0001 0123456-7", "tipos": ["01"], "saldo": "%1",
                                                      "titular": "MARIA"}]},
                               "cartoes": [{"numero": "5067220000123458", "validade": "2912", "rede": "805",
                                            "conta": "0001 0123456-7"}]})")
                .arg(saldo)
                .toUtf8())
            .object();
    for (auto it = extra.begin(); it != extra.end(); ++it)
        cenario.insert(it.key(), it.value());
    cenario.insert(QStringLiteral("parametros"),
                   QStringLiteral(CB_CENARIOS "/") + cenario.value(QStringLiteral("parametros")).toString());
    return cenario;
}

// The scenario's bills with nothing special to them: payable in cash at the amount of their code, no bounds.
inline std::vector<Conta> ContasSimples(const QJsonObject& cenario) {
    std::vector<Conta> lista;
    const auto regras = cbserver::contas::LeRegras(cenario);
    if (const auto* r = std::get_if<cbserver::contas::Regras>(&regras))
        for (const auto& d : r->documentos)
            if (!d.pago && !d.debitoForcado && !d.valorMinimo && !d.valorMaximo && d.Total() > 0 &&
                d.codigoRecusaLiquidacao.empty() && !d.registrado && d.formas[0] == '1')
                lista.push_back({d.codigoBarras, std::to_string(d.Total())});
    return lista;
}

// A deposit into the account: the holder query, then the deposit with its reference. The deposit's answer,
// or the query's when it failed.
inline std::optional<cbwire::Resposta> Deposita(uint16_t porta, const std::string& valor) {
    const auto consulta = Envia(porta, Pedido("15", valor, {Item(0, kChave)}));
    if (!consulta || consulta->codigo != "00" || consulta->servicos.empty() ||
        consulta->servicos.front().second.empty())
        return consulta;
    const std::string referencia = consulta->servicos.front().second.at(0).substr(4, 20);
    return Envia(porta, Pedido("30", valor, {Item(0, kChave), Item(10240, referencia), Item(10183, valor)}));
}

} // namespace banco_tcp
