// Transfer between two accounts of the bank, group 3: the query (28) checks the card, its PIN, the debit
// account type, the destination account, the balance and the daily limit, and keeps what it approved; the
// transfer (29) must repeat exactly that, checks balance and limit again (they may have moved since) and
// moves the money from the card's account to the destination's, the same balances the withdrawals and
// deposits move. The PIN went with the query: the transfer carries none.
#include "Contas.h"
#include "Servidor.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace cbserver {

using contas::ContaDaChave;
using contas::Dinheiro;

namespace {

long long Centavos(const std::string& s) {
    if (s.empty() || s.size() > 12 || s.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoll(s);
}

// The account types of the card's account in "saques.contas", by the name the card gives.
std::optional<std::vector<std::string>> TiposDaConta(const QJsonObject& raiz, const std::string& conta) {
    for (const QJsonValue& v :
         raiz.value(QStringLiteral("saques")).toObject().value(QStringLiteral("contas")).toArray()) {
        const QJsonObject o = v.toObject();
        if (Latin1(o.value(QStringLiteral("conta")).toString()) != conta) continue;
        std::vector<std::string> tipos;
        for (const QJsonValue& t : o.value(QStringLiteral("tipos")).toArray())
            tipos.push_back(Latin1(t.toString()));
        return tipos;
    }
    return std::nullopt;
}

bool Contem(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

} // namespace

cbwire::Resposta Servidor::Transferencia(const cbwire::Pedido& pedido) {
    const bool efetiva = Valor(pedido, 10158) == "29";
    const long long valor = Centavos(Valor(pedido, 1003));
    if (valor <= 0) return Recusa("13", Latin1("Valor de transferência inválido"));
    const CartaoCenario* c = CartaoDoPedido(pedido);
    if (!c) return Recusa("14", Latin1("Cartão não cadastrado"));
    if (c->rede != "805" || c->conta.empty()) return Recusa("57", Latin1("Cartão sem conta neste banco"));
    const auto tiposOrigem = TiposDaConta(cenario_.raiz, c->conta);
    if (!tiposOrigem) return Recusa("57", Latin1("Conta do cartão não prevista no cenário"));

    const std::string tipoDebito = Valor(pedido, 10163);
    const std::string chave = Valor(pedido, 10290);
    const std::string tipoCredito = Valor(pedido, 10164);
    const std::string pedidoConsulta =
        std::to_string(valor) + "|" + tipoDebito + "|" + chave + "|" + tipoCredito;
    const std::string chaveConsulta = "transferencia.consulta." + c->numero;
    if (efetiva) {
        const auto consulta = cenario_.estado.find(chaveConsulta);
        if (consulta == cenario_.estado.end() || consulta->second != pedidoConsulta)
            return Recusa("12", Latin1("Transferência sem consulta"));
    } else {
        if (Valor(pedido, 10146).empty()) return Recusa("55", Latin1("Senha não informada"));
        // A stripe read must come with the card's security code, except from a benefit account, whose
        // cards have none.
        if (!c->chip && tipoDebito != "03" && Valor(pedido, 10149).empty())
            return Recusa("12", Latin1("Código de segurança não informado"));
    }
    if (!Contem(*tiposOrigem, tipoDebito))
        return Recusa("12", Latin1("Tipo de conta de débito não aceito para o cartão"));
    const auto destino = ContaDaChave(cenario_.raiz, chave);
    if (!destino) return Recusa("14", Latin1("Conta de destino não encontrada"));
    if (destino->conta == c->conta) return Recusa("12", Latin1("Contas de origem e destino iguais"));
    if (!Contem(destino->tipos, tipoCredito))
        return Recusa("12", Latin1("Tipo de conta de crédito não aceito pela conta de destino"));

    const long long saldo = SaldoDaConta(c->conta);
    if (valor > saldo) return Recusa("51", Latin1("Saldo insuficiente"));
    // What the account has transferred while the server runs counts against its daily limit.
    const long long limite = cenario_.raiz.value(QStringLiteral("transferencias"))
                                 .toObject()
                                 .value(QStringLiteral("limiteDiario"))
                                 .toInteger(-1);
    const std::string chaveLimite = "transferencia.total." + c->conta;
    const auto total = cenario_.estado.find(chaveLimite);
    const long long transferido = total == cenario_.estado.end() ? 0 : std::stoll(total->second);
    if (limite >= 0 && transferido + valor > limite)
        return Recusa("61", Latin1("Valor excede o limite diário de transferência"));

    cbwire::Resposta r;
    r.codigo = "00";
    if (!efetiva) {
        cenario_.estado[chaveConsulta] = pedidoConsulta;
        r.mensagem = Latin1("Transferência autorizada");
        return r;
    }
    cenario_.estado.erase(chaveConsulta);
    cenario_.estado[chaveLimite] = std::to_string(transferido + valor);
    DefineSaldoDaConta(c->conta, saldo - valor);
    DefineSaldoDaConta(destino->conta, SaldoDaConta(destino->conta) + valor);
    const std::string nsu = std::to_string(++cenario_.nsu);
    RegistraMovimento(nsu, {"29", c->conta, valor, destino->conta});
    r.mensagem = Latin1("Transferência efetuada");
    r.servicos.emplace_back(
        'I', std::vector<std::string>{"TRANSFERENCIA ENTRE CONTAS", "DE: AG/CONTA " + c->conta,
                                      "PARA: AG/CONTA " + destino->conta, "FAVORECIDO: " + destino->titular,
                                      "VALOR: " + Dinheiro(valor), "NSU: " + nsu});
    return r;
}

} // namespace cbserver
