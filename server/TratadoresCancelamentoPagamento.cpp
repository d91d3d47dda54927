// Bill payment, after the day's settlement: the same-day cancellation of a settled payment by each method
// (cash 48, cheque 49, debit card 50, credit card 51, the generic card payment's query 36 and cancellation
// 53, all of group 1), and the reprint of a receipt the bank issued (65). Every settled document is kept by
// the settlement handler under its bar code ("liquidacao."), its payment's receipt under the NSU ("recibo.");
// a cancellation reverses one document once.
#include "Contas.h"
#include "Servidor.h"

#include <QDate>
#include <QString>

#include <sstream>
#include <string>
#include <vector>

namespace cbserver {

using namespace contas;

namespace {

std::string Digitos(const std::string& s) {
    std::string d;
    for (char c : s)
        if (c >= '0' && c <= '9') d += c;
    return d;
}

// A receipt number as a number: "000000000012" and "12" name the same NSU.
std::string SemZeros(const std::string& s) {
    const std::string d = Digitos(s);
    const size_t i = d.find_first_not_of('0');
    return i == std::string::npos ? std::string() : d.substr(i);
}

std::vector<std::string> Partes(const std::string& s) {
    std::vector<std::string> p;
    std::stringstream in(s);
    for (std::string x; std::getline(in, x, '|');)
        p.push_back(x);
    return p;
}

// Whether the cancellation's function matches the method the payment was settled with.
bool MesmaForma(const std::string& cancelamento, const std::string& pagamento) {
    if (cancelamento == "48") return pagamento == "16";
    if (cancelamento == "49") return pagamento == "17";
    if (cancelamento == "50") return pagamento == "18" || pagamento == "24" || pagamento == "20";
    if (cancelamento == "51") return pagamento == "19" || pagamento == "20";
    return pagamento == "28";
}

} // namespace

void Servidor::RegistraLiquidacao(const std::string& codigoBarras, const std::string& operacao,
                                  const std::string& nsu, long long valor) {
    const std::string hoje = Latin1(QDate::currentDate().toString(QStringLiteral("ddMMyyyy")));
    cenario_.estado["liquidacao." + codigoBarras] =
        operacao + "|" + nsu + "|" + std::to_string(valor) + "|" + hoje;
    cenario_.estado.emplace("liqnsu." + nsu, codigoBarras);
    cenario_.estado.erase("cancelado." + codigoBarras);
}

std::variant<Servidor::Liquidacao, cbwire::Resposta>
Servidor::LiquidacaoDoPedido(const cbwire::Pedido& pedido) {
    const std::string enviado = Valor(pedido, 10168);
    std::string codigo;
    std::string nsu;
    if (enviado.empty()) {
        // The partner network names the payment by its receipt alone (1013), the generic query by its NSU.
        nsu = SemZeros(Valor(pedido, 10102));
        if (nsu.empty()) nsu = SemZeros(Valor(pedido, 1013));
        const auto i = cenario_.estado.find("liqnsu." + nsu);
        if (nsu.empty() || i == cenario_.estado.end())
            return RecusaConta("25", Latin1(QStringLiteral("Pagamento não encontrado")));
        codigo = i->second;
    } else {
        codigo = CodigoDeBarras(Digitos(enviado));
        if (codigo.empty()) return RecusaConta("12", Latin1(QStringLiteral("Código de barras inválido")));
        nsu = SemZeros(Valor(pedido, 10102));
    }
    const auto achado = cenario_.estado.find("liquidacao." + codigo);
    if (achado == cenario_.estado.end()) {
        if (cenario_.estado.count("cancelado." + codigo))
            return RecusaConta("27", Latin1(QStringLiteral("Pagamento já cancelado")));
        return RecusaConta("25", Latin1(QStringLiteral("Pagamento não encontrado")));
    }
    const auto p = Partes(achado->second);
    Liquidacao l{codigo, p.at(0), p.at(1), std::stoll(p.at(2)), p.at(3)};
    if (nsu != l.nsu) return RecusaConta("28", Latin1(QStringLiteral("NSU não confere com o pagamento")));
    if (!enviado.empty()) {
        const std::string v = VencimentoDoCodigo(codigo, QDate::currentDate());
        const std::string vencimento = v.substr(6, 2) + v.substr(4, 2) + v.substr(0, 4);
        if (v != "00000000" && Digitos(Valor(pedido, 10169)) != vencimento)
            return RecusaConta("29", Latin1(QStringLiteral("Vencimento não confere com o documento")));
    }
    return l;
}

cbwire::Resposta Servidor::CancelamentoPagamento(const cbwire::Pedido& pedido) {
    const std::string operacao = Valor(pedido, 10158);
    const auto achado = LiquidacaoDoPedido(pedido);
    if (const auto* r = std::get_if<cbwire::Resposta>(&achado)) return *r;
    const Liquidacao& l = std::get<Liquidacao>(achado);
    // The correspondent's card on the customer's account (10102 occurrence 3) reverses a payment made the
    // same way, authorised by the customer's PIN instead of the card sale's receipt.
    const bool contaCartao = !Valor(pedido, 10102, 3).empty();
    if (contaCartao ? l.operacao != "20" : !MesmaForma(operacao, l.operacao))
        return RecusaConta("30", Latin1(QStringLiteral("Forma de pagamento não confere")));
    if (contaCartao && Valor(pedido, 10146).empty())
        return RecusaConta("55", Latin1(QStringLiteral("Senha não informada")));
    // A card payment's receipt is the payment's NSU, on the day it was made.
    const bool cartao =
        !contaCartao && (operacao == "50" || operacao == "51" || !Valor(pedido, 1020).empty());
    if (cartao && (SemZeros(Valor(pedido, 1013)) != l.nsu || Digitos(Valor(pedido, 1020)) != l.data))
        return RecusaConta("31", Latin1(QStringLiteral("Comprovante ou data da venda não confere")));
    const std::string valor = Digitos(Valor(pedido, 1003));
    if (!valor.empty() && std::stoll(valor) != l.valor)
        return RecusaConta("13", Latin1(QStringLiteral("Valor não confere com o pagamento")));
    if (operacao == "36") {
        // The generic payment's card sale, for the host to cancel it: company, network, amount, NSU, date.
        cbwire::Resposta r;
        r.codigo = "00";
        r.mensagem = Latin1(QStringLiteral("Venda localizada"));
        r.servicos.emplace_back('A', std::vector<std::string>{"0001805" + Numero(l.valor, 12) +
                                                              Numero(std::stoll(l.nsu), 12) + l.data});
        return r;
    }
    cenario_.estado.erase("liquidacao." + l.codigo);
    cenario_.estado.erase("pago." + l.codigo);
    cenario_.estado["cancelado." + l.codigo] = l.nsu;
    const std::string nsu = std::to_string(++cenario_.nsu);
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Cancelamento efetuado"));
    r.servicos.emplace_back('I', std::vector<std::string>{"CANCELAMENTO DE PAGAMENTO", "DOC: " + l.codigo,
                                                          "VALOR: " + Dinheiro(l.valor),
                                                          "NSU ORIGINAL: " + l.nsu, "NSU: " + nsu});
    return r;
}

cbwire::Resposta Servidor::Reimpressao(const cbwire::Pedido& pedido) {
    const std::string codigo = CodigoDeBarras(Digitos(Valor(pedido, 10168)));
    const std::string nsu = SemZeros(Valor(pedido, 10102));
    const auto recibo = cenario_.estado.find("recibo." + nsu);
    // The receipt names every document it paid: the document sent must be one of them.
    if (codigo.empty() || recibo == cenario_.estado.end() ||
        recibo->second.find(": " + codigo) == std::string::npos)
        return RecusaConta("25", Latin1(QStringLiteral("Comprovante não encontrado")));
    std::vector<std::string> linhas{"*** SEGUNDA VIA ***"};
    std::stringstream in(recibo->second);
    for (std::string l; std::getline(in, l);)
        linhas.push_back(l);
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Reimpressão efetuada"));
    r.servicos.emplace_back('I', std::move(linhas));
    return r;
}

} // namespace cbserver
