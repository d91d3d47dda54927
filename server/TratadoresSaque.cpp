// Withdrawals of group 3: with the INSS benefit card (16), a bank card (18), a cheque (19) and a withdrawal
// receipt with the customer's account (20). The bank's rules are the scenario's "saques" key (PROTOCOL.md),
// read when a request comes, so a scenario without them still loads and the withdrawal is refused with a
// text that says so. An approval lowers the account's balance for as long as the server runs, takes the next
// NSU and prints a receipt (service I); a receipt number pays out once.
#include "Contas.h"
#include "Servidor.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace cbserver {

using contas::Dinheiro;

namespace {

struct ContaSaque {
    std::vector<std::string> tipos; // account-type codes "01" to "05" the account answers to
    long long saldo = 0;            // cents, as the scenario starts it
};

struct ReciboRetirada {
    std::string chave; // the 23-character account key the module sends
    long long valor = 0;
};

struct RegrasSaque {
    long long valorMinimo = 1;
    long long valorMaximo = 0; // 0: no maximum
    std::map<std::string, ContaSaque> contas;
    std::vector<std::string> chequesRecusados;
    std::map<std::string, ReciboRetirada> recibos;
};

std::string Digitos(const std::string& s) {
    std::string d;
    for (char c : s)
        if (c >= '0' && c <= '9') d += c;
    return d;
}

// Cents of a digit text; -1 when it is none or too long for an amount.
long long Centavos(const QJsonValue& v) {
    const std::string s = Latin1(v.toString());
    if (s.empty() || s.size() > 12 || Digitos(s) != s) return -1;
    return std::stoll(s);
}

std::string Final(const std::string& numero) {
    return numero.size() <= 4 ? numero
                              : std::string(numero.size() - 4, '*') + numero.substr(numero.size() - 4);
}

// "saques": {valorMinimo, valorMaximo, contas: [{conta, tipos, saldo}], chequesRecusados, recibos: [{numero,
// chave, valor}]}; the text says what is missing or malformed.
std::variant<RegrasSaque, std::string> LeRegrasSaque(const QJsonObject& raiz) {
    const QJsonValue v = raiz.value(QStringLiteral("saques"));
    if (v.isUndefined()) return Latin1(QStringLiteral("Saques não previstos no cenário"));
    const auto malformado = [](const char* onde) {
        return Latin1(QStringLiteral("Cenário com saques.%1 malformado").arg(QLatin1String(onde)));
    };
    if (!v.isObject()) return Latin1(QStringLiteral("Cenário com saques malformado"));
    const QJsonObject o = v.toObject();
    RegrasSaque r;
    if (o.contains(QStringLiteral("valorMinimo")) &&
        (r.valorMinimo = Centavos(o.value(QStringLiteral("valorMinimo")))) < 0)
        return malformado("valorMinimo");
    if (o.contains(QStringLiteral("valorMaximo")) &&
        (r.valorMaximo = Centavos(o.value(QStringLiteral("valorMaximo")))) < 0)
        return malformado("valorMaximo");
    for (const QJsonValue& e : o.value(QStringLiteral("contas")).toArray()) {
        const QJsonObject c = e.toObject();
        ContaSaque conta;
        conta.saldo = Centavos(c.value(QStringLiteral("saldo")));
        for (const QJsonValue& t : c.value(QStringLiteral("tipos")).toArray())
            conta.tipos.push_back(Latin1(t.toString()));
        const std::string numero = Latin1(c.value(QStringLiteral("conta")).toString());
        if (numero.empty() || conta.saldo < 0 || conta.tipos.empty()) return malformado("contas");
        r.contas.emplace(numero, std::move(conta));
    }
    for (const QJsonValue& e : o.value(QStringLiteral("chequesRecusados")).toArray())
        r.chequesRecusados.push_back(Digitos(Latin1(e.toString())));
    for (const QJsonValue& e : o.value(QStringLiteral("recibos")).toArray()) {
        const QJsonObject c = e.toObject();
        ReciboRetirada recibo{Latin1(c.value(QStringLiteral("chave")).toString()),
                              Centavos(c.value(QStringLiteral("valor")))};
        const std::string numero = Digitos(Latin1(c.value(QStringLiteral("numero")).toString()));
        if (numero.empty() || recibo.chave.size() != 23 || recibo.valor <= 0) return malformado("recibos");
        r.recibos.emplace(numero, std::move(recibo));
    }
    return r;
}

} // namespace

cbwire::Resposta Servidor::Saque(const cbwire::Pedido& pedido) {
    const auto lidas = LeRegrasSaque(cenario_.raiz);
    if (const auto* falta = std::get_if<std::string>(&lidas)) return Recusa("57", *falta);
    const RegrasSaque& regras = std::get<RegrasSaque>(lidas);
    const std::string operacao = Valor(pedido, 10158);
    const std::string tipo = Valor(pedido, 10102);

    const std::string valorEnviado = Valor(pedido, 1003);
    const long long valor =
        valorEnviado.empty() || Digitos(valorEnviado) != valorEnviado || valorEnviado.size() > 12
            ? -1
            : std::stoll(valorEnviado);
    if (valor <= 0) return Recusa("13", Latin1(QStringLiteral("Valor de saque inválido")));
    if (valor < regras.valorMinimo || (regras.valorMaximo > 0 && valor > regras.valorMaximo))
        return Recusa("61", Latin1(QStringLiteral("Valor fora dos limites de saque")));

    std::vector<std::string> linhas;
    std::string conta;          // the account whose balance pays, for the card withdrawals
    std::string dadosMovimento; // what a cancellation must name besides the NSU: the cheque, the receipt
    if (operacao == "16" || operacao == "18") {
        const CartaoCenario* c = CartaoDoPedido(pedido);
        if (!c) return Recusa("14", Latin1(QStringLiteral("Cartão não cadastrado")));
        if (Valor(pedido, 10146).empty()) return Recusa("55", Latin1(QStringLiteral("Senha não informada")));
        if (c->rede != "805" || c->conta.empty())
            return Recusa("57", Latin1(QStringLiteral("Cartão não aceito para saque neste banco")));
        const auto it = regras.contas.find(c->conta);
        if (it == regras.contas.end())
            return Recusa("57", Latin1(QStringLiteral("Conta do cartão não prevista no cenário")));
        const auto& tipos = it->second.tipos;
        const bool beneficio = std::find(tipos.begin(), tipos.end(), "03") != tipos.end();
        if (operacao == "16" && !beneficio)
            return Recusa("57", Latin1(QStringLiteral("Cartão não é de benefício INSS")));
        if (operacao == "18" && std::find(tipos.begin(), tipos.end(), tipo) == tipos.end())
            return Recusa("12", Latin1(QStringLiteral("Tipo de conta não aceito para o cartão")));
        // A stripe read must come with the card's security code: "0" and "1" say there is none to read.
        const std::string cseg = Valor(pedido, 10149);
        if (operacao == "18" && !c->chip && cseg.empty())
            return Recusa("12", Latin1(QStringLiteral("Código de segurança não informado")));
        conta = c->conta;
        linhas = {operacao == "16" ? "SAQUE BENEFICIO INSS" : "SAQUE COM CARTAO",
                  "CARTAO: " + Final(c->numero), "CONTA: " + conta};
    } else if (operacao == "19") {
        const std::string cheque = Digitos(Valor(pedido, 10102, 1));
        if (cheque.size() < 29 || cheque.size() > 34)
            return Recusa("12", Latin1(QStringLiteral("Dados do cheque inválidos")));
        for (const auto& recusado : regras.chequesRecusados)
            if (!recusado.empty() && cheque.find(recusado) != std::string::npos)
                return Recusa("51", Latin1(QStringLiteral("Cheque recusado: sem fundos")));
        dadosMovimento = Valor(pedido, 10102, 1);
        linhas = {"SAQUE COM CHEQUE", "CHEQUE: " + cheque.substr(0, 8) + "..."};
    } else {
        const std::string numero = Digitos(Valor(pedido, 10102, 2));
        const auto it = regras.recibos.find(numero);
        if (numero.empty() || it == regras.recibos.end())
            return Recusa("12", Latin1(QStringLiteral("Recibo de retirada não encontrado")));
        if (cenario_.estado.count("saque.recibo." + numero))
            return Recusa("12", Latin1(QStringLiteral("Recibo de retirada já utilizado")));
        if (Valor(pedido, 10102, 1) != it->second.chave)
            return Recusa("12", Latin1(QStringLiteral("Conta não confere com o recibo")));
        if (valor != it->second.valor)
            return Recusa("13", Latin1(QStringLiteral("Valor não confere com o recibo")));
        cenario_.estado["saque.recibo." + numero] = "1";
        dadosMovimento = numero;
        linhas = {"SAQUE COM RECIBO DE RETIRADA", "RECIBO: " + numero,
                  "AG/CONTA: " + it->second.chave.substr(3, 4) + " " + it->second.chave.substr(8, 13) + "-" +
                      it->second.chave.substr(21, 2)};
    }

    if (!conta.empty()) {
        const long long saldo = SaldoDaConta(conta);
        if (valor > saldo) return Recusa("51", Latin1(QStringLiteral("Saldo insuficiente")));
        DefineSaldoDaConta(conta, saldo - valor);
    }

    const std::string nsu = std::to_string(++cenario_.nsu);
    RegistraMovimento(nsu, {operacao, conta, valor, dadosMovimento});
    linhas.push_back("VALOR: " + Dinheiro(valor));
    linhas.push_back("NSU: " + nsu);
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Saque efetuado"));
    r.servicos.emplace_back('I', std::move(linhas));
    return r;
}

} // namespace cbserver
