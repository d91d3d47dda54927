// Withdrawal with a bank card whose cash pays the bills at the same till (operation 22 of group 3). The card
// must be the scenario's and draw on an account, the PIN block must come, and the value must fit what is left
// of the card's daily withdrawal limit (scenario key "saqueContas"). The approval carries, in h-record 36,
// the sale data that the generic payment of the bills (operation 28) reports next.
#include "Contas.h"
#include "Servidor.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <string>

namespace cbserver {

using contas::Dinheiro;
using contas::Numero;

namespace {

// Cents of a digit string; -1 when it is not one (or too long to be an amount).
long long Centavos(const std::string& s) {
    if (s.empty() || s.size() > 12 || s.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoll(s);
}

std::string Mascarado(const std::string& numero) {
    const size_t n = numero.size();
    return n <= 10 ? std::string(n, '*')
                   : numero.substr(0, 6) + std::string(n - 10, '*') + numero.substr(n - 4);
}

std::string Ajusta(std::string s, size_t largura) {
    s.resize(largura, ' ');
    return s;
}

// The sale data of the withdrawal laid out as a card sale's reply service H: 2-5 the NSU's last digits, 12-20
// the NSU, 21-35 the establishment, 36-41 the time, 61-76 the masked card, 77-82 the authorisation, 83-84 the
// instalments.
std::string DadosVenda(const std::string& nsu, const CartaoCenario& c, const QDateTime& agora) {
    std::string h = "00" + Numero(std::stoll(nsu), 4) + Latin1(agora.toString(QStringLiteral("ddMMyy")));
    h += Numero(std::stoll(nsu), 9);
    h += Numero(std::stoll(c.rede.empty() ? "0" : c.rede), 15);
    h += Latin1(agora.toString(QStringLiteral("HHmmss")));
    h = Ajusta(h, 61);
    h += Ajusta(Mascarado(c.numero), 16);
    h += Numero(std::stoll(nsu) * 7919 % 1000000, 6);
    h += "01";
    return h;
}

} // namespace

cbwire::Resposta Servidor::SaquePagamentoContas(const cbwire::Pedido& pedido) {
    const CartaoCenario* c = CartaoDoPedido(pedido);
    if (!c) return Recusa("14", Latin1(QStringLiteral("Cartão não cadastrado")));
    if (c->conta.empty()) return Recusa("57", Latin1(QStringLiteral("Cartão sem conta neste banco")));
    if (Valor(pedido, 10146).empty()) return Recusa("55", Latin1(QStringLiteral("Senha não informada")));
    const std::string tipo = Valor(pedido, 10102);
    if (tipo != "01" && tipo != "02") return Recusa("12", Latin1(QStringLiteral("Tipo de conta inválido")));
    const long long valor = Centavos(Valor(pedido, 1003));
    if (valor <= 0) return Recusa("13", Latin1(QStringLiteral("Valor inválido")));

    const QJsonObject regras = cenario_.raiz.value(QStringLiteral("saqueContas")).toObject();
    const long long limite = regras.value(QStringLiteral("limite")).toInteger(-1);
    const std::string chave = "saqueContas." + c->numero;
    const auto sacado = cenario_.estado.find(chave);
    const long long jaSacado = sacado == cenario_.estado.end() ? 0 : std::stoll(sacado->second);
    if (limite >= 0 && jaSacado + valor > limite)
        return Recusa("61", Latin1(QStringLiteral("Valor excede o limite de saque")));
    cenario_.estado[chave] = std::to_string(jaSacado + valor);

    const std::string nsu = std::to_string(++cenario_.nsu);
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Saque efetuado"));
    r.servicos.emplace_back(
        'I', std::vector<std::string>{"SAQUE PARA PAGAMENTO DE CONTAS", "CARTAO: " + Mascarado(c->numero),
                                      std::string("CONTA: ") + (tipo == "01" ? "CORRENTE" : "POUPANCA"),
                                      "VALOR: " + Dinheiro(valor), "NSU: " + nsu});
    r.hRegistros.push_back("36" + DadosVenda(nsu, *c, QDateTime::currentDateTime()));
    return r;
}

} // namespace cbserver
