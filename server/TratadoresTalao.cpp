// Cheque-book release, group 3: the query (50) of an account typed by the operator lists the cheque ranges
// "taloes.contas" keeps blocked for it, and the release (51) of one of them, with the card of that account
// and its PIN, unblocks it for as long as the scenario stays loaded.
#include "Contas.h"
#include "Servidor.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace cbserver {

namespace {

// The blocked ranges of the account, as the scenario lists them (first and last cheque number).
std::vector<std::pair<long long, long long>> Faixas(const QJsonObject& raiz, const std::string& conta) {
    std::vector<std::pair<long long, long long>> faixas;
    for (const QJsonValue& v :
         raiz.value(QStringLiteral("taloes")).toObject().value(QStringLiteral("contas")).toArray()) {
        const QJsonObject o = v.toObject();
        if (Latin1(o.value(QStringLiteral("conta")).toString()) != conta) continue;
        for (const QJsonValue& f : o.value(QStringLiteral("faixas")).toArray())
            faixas.emplace_back(f.toArray().at(0).toString().toLongLong(),
                                f.toArray().at(1).toString().toLongLong());
    }
    return faixas;
}

std::string Liberada(const std::string& conta, long long primeiro) {
    return "talao.liberado." + conta + "." + std::to_string(primeiro);
}

} // namespace

cbwire::Resposta Servidor::DesbloqueioTalonario(const cbwire::Pedido& pedido) {
    if (Valor(pedido, 10158) == "50") {
        const auto conta = contas::ContaDaChave(cenario_.raiz, Valor(pedido, 10290));
        if (!conta) return Recusa("14", Latin1("Conta não encontrada"));
        std::string a;
        int k = 0;
        for (const auto& [primeiro, ultimo] : Faixas(cenario_.raiz, conta->conta)) {
            if (cenario_.estado.count(Liberada(conta->conta, primeiro))) continue;
            a += contas::Numero(primeiro, 6) + contas::Numero(ultimo, 6);
            ++k;
        }
        cenario_.estado["talao.conta"] = conta->conta;
        cbwire::Resposta r;
        r.codigo = "00";
        r.mensagem = Latin1(k ? "Talonários bloqueados consultados" : "Nenhum talonário bloqueado");
        r.servicos.emplace_back('A', std::vector<std::string>{"0350" + contas::Numero(k, 2) + a});
        return r;
    }
    const auto consultada = cenario_.estado.find("talao.conta");
    if (consultada == cenario_.estado.end()) return Recusa("12", Latin1("Consulte os talonários antes"));
    const CartaoCenario* c = CartaoDoPedido(pedido);
    if (!c) return Recusa("14", Latin1("Cartão não cadastrado"));
    if (c->conta != consultada->second) return Recusa("12", Latin1("Cartão de outra conta"));
    if (Valor(pedido, 10146).empty()) return Recusa("55", Latin1("Senha não informada"));
    const std::string inicio = Valor(pedido, 10154), fim = Valor(pedido, 10154, 1);
    for (const auto& [primeiro, ultimo] : Faixas(cenario_.raiz, c->conta)) {
        if (contas::Numero(primeiro, 6) != inicio || contas::Numero(ultimo, 6) != fim ||
            cenario_.estado.count(Liberada(c->conta, primeiro)))
            continue;
        cenario_.estado[Liberada(c->conta, primeiro)] = "1";
        cbwire::Resposta r;
        r.codigo = "00";
        r.mensagem = Latin1("Talonário desbloqueado");
        r.servicos.emplace_back('I',
                                std::vector<std::string>{"DESBLOQUEIO DE TALONARIO", "AG/CONTA: " + c->conta,
                                                         "CHEQUES: " + inicio + " A " + fim,
                                                         "NSU: " + std::to_string(++cenario_.nsu)});
        return r;
    }
    return Recusa("12", Latin1("Faixa de cheques não bloqueada"));
}

} // namespace cbserver
