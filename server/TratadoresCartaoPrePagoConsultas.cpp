// Balance (operation 12) and statement (13) of a prepaid card, group 7. The card comes as the track the PIN
// pad read (10104) with its PIN block (10146); the statement also sends its period (1283 start, 1284 end,
// DDMMYYYY). The prepaid accounts live under the scenario key "consultasCartaoPrePago" (PROTOCOL.md), read
// when a request comes, so a scenario without them loads and the request is refused with a text that says so.
#include "Servidor.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

namespace cbserver {

namespace {

struct Lancamento {
    QDate data;
    std::string descricao;
    long long valor = 0; // cents; negative for a debit
};

struct ContaPrePago {
    std::string cartao;
    std::string titular;
    long long saldo = 0; // cents
    std::vector<Lancamento> lancamentos;
};

struct RegrasPrePago {
    std::vector<ContaPrePago> contas;
    int diasExtrato = 90; // the longest period one statement covers
};

constexpr char kChave[] = "consultasCartaoPrePago";

QDate DataDDMMYYYY(const std::string& s) {
    return s.size() == 8 ? QDate::fromString(QString::fromLatin1(s), QStringLiteral("ddMMyyyy")) : QDate();
}

// The whole key at once: a single malformed entry refuses every request, naming where it is.
std::variant<RegrasPrePago, std::string> LeRegras(const QJsonObject& raiz) {
    const QJsonValue v = raiz.value(QLatin1String(kChave));
    if (v.isUndefined()) return Latin1("Consultas de cartão pré-pago não previstas no cenário");
    const auto malformado = [](const QString& onde) {
        return Latin1(QStringLiteral("Cenário com %1 malformado").arg(onde));
    };
    const auto latin1 = [](const QJsonValue& t, std::string& saida) {
        const QString s = t.toString();
        if (!t.isString() || std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() > 0xFF; }))
            return false;
        saida = Latin1(s);
        return true;
    };
    const QJsonObject o = v.toObject();
    RegrasPrePago r;
    r.diasExtrato = o.value(QStringLiteral("diasExtrato")).toInt(r.diasExtrato);
    if (!v.isObject() || !o.value(QStringLiteral("cartoes")).isArray() || r.diasExtrato < 1)
        return malformado(QLatin1String(kChave));
    const QJsonArray cartoes = o.value(QStringLiteral("cartoes")).toArray();
    for (qsizetype i = 0; i < cartoes.size(); ++i) {
        const QString onde = QLatin1String(kChave) + QStringLiteral(".cartoes[%1]").arg(i);
        const QJsonObject c = cartoes.at(i).toObject();
        ContaPrePago conta;
        std::string saldo;
        if (!latin1(c.value(QStringLiteral("cartao")), conta.cartao) ||
            !latin1(c.value(QStringLiteral("titular")), conta.titular) ||
            !latin1(c.value(QStringLiteral("saldo")), saldo) ||
            !c.value(QStringLiteral("lancamentos")).isArray())
            return malformado(onde);
        conta.saldo = QString::fromLatin1(saldo).toLongLong();
        for (const QJsonValue& e : c.value(QStringLiteral("lancamentos")).toArray()) {
            const QJsonObject l = e.toObject();
            Lancamento lanc;
            std::string data, valor;
            bool numero = false;
            if (!latin1(l.value(QStringLiteral("data")), data) ||
                !latin1(l.value(QStringLiteral("descricao")), lanc.descricao) ||
                !latin1(l.value(QStringLiteral("valor")), valor))
                return malformado(onde + QStringLiteral(".lancamentos"));
            lanc.data = DataDDMMYYYY(data);
            lanc.valor = QString::fromLatin1(valor).toLongLong(&numero);
            if (!lanc.data.isValid() || !numero) return malformado(onde + QStringLiteral(".lancamentos"));
            conta.lancamentos.push_back(std::move(lanc));
        }
        r.contas.push_back(std::move(conta));
    }
    return r;
}

std::string Reais(long long centavos) {
    const long long v = centavos < 0 ? -centavos : centavos;
    return Latin1(QStringLiteral("%1R$ %2,%3")
                      .arg(centavos < 0 ? QStringLiteral("-") : QString())
                      .arg(v / 100)
                      .arg(v % 100, 2, 10, QLatin1Char('0')));
}

// Receipts never show a whole card number: the last four digits only.
std::string FinalDoCartao(const std::string& numero) {
    return numero.size() <= 4 ? numero
                              : std::string(numero.size() - 4, '*') + numero.substr(numero.size() - 4);
}

std::string Dia(const QDate& d) {
    return Latin1(d.toString(QStringLiteral("dd/MM/yyyy")));
}

// The statement's receipt, or the refusal of its period.
cbwire::Resposta Extrato(const cbwire::Pedido& pedido, const RegrasPrePago& regras,
                         const ContaPrePago& conta) {
    const QDate inicio = DataDDMMYYYY(ValorDoPedido(pedido, 1283).value_or(std::string()));
    const QDate fim = DataDDMMYYYY(ValorDoPedido(pedido, 1284).value_or(std::string()));
    cbwire::Resposta r;
    r.codigo = "12";
    if (!inicio.isValid() || !fim.isValid() || inicio > fim || fim > QDate::currentDate()) {
        r.mensagem = Latin1("Período do extrato inválido");
        return r;
    }
    if (inicio.daysTo(fim) >= regras.diasExtrato) {
        r.mensagem = Latin1(QStringLiteral("Período do extrato superior a %1 dias").arg(regras.diasExtrato));
        return r;
    }
    std::vector<std::string> linhas{"EXTRATO CARTAO PRE-PAGO", "CARTAO: " + FinalDoCartao(conta.cartao),
                                    "TITULAR: " + conta.titular,
                                    "PERIODO: " + Dia(inicio) + " A " + Dia(fim)};
    const size_t cabecalho = linhas.size();
    for (const auto& l : conta.lancamentos)
        if (l.data >= inicio && l.data <= fim)
            linhas.push_back(Latin1(l.data.toString(QStringLiteral("dd/MM"))) + ' ' + l.descricao + ' ' +
                             Reais(l.valor));
    if (linhas.size() == cabecalho) linhas.emplace_back("SEM LANCAMENTOS NO PERIODO");
    linhas.push_back("SALDO DISPONIVEL: " + Reais(conta.saldo));
    r.codigo = "00";
    r.mensagem = Latin1("Extrato emitido");
    r.servicos.emplace_back('I', std::move(linhas));
    return r;
}

} // namespace

cbwire::Resposta Servidor::ConsultaCartaoPrePago(const cbwire::Pedido& pedido) {
    const auto lidas = LeRegras(cenario_.raiz);
    if (const auto* falta = std::get_if<std::string>(&lidas)) return Recusa("57", *falta);
    const auto& regras = std::get<RegrasPrePago>(lidas);
    const CartaoCenario* c = CartaoDoPedido(pedido);
    const auto conta = std::find_if(regras.contas.begin(), regras.contas.end(),
                                    [c](const ContaPrePago& x) { return c && x.cartao == c->numero; });
    if (conta == regras.contas.end()) return Recusa("14", Latin1("Cartão pré-pago não cadastrado"));
    const auto bloco = ValorDoPedido(pedido, 10146);
    if (!bloco || bloco->empty()) return Recusa("55", Latin1("Senha não informada"));

    cbwire::Resposta r;
    if (ValorDoPedido(pedido, 10158) == "13") {
        r = Extrato(pedido, regras, *conta);
    } else {
        r.codigo = "00";
        r.mensagem = Latin1("Saldo disponível: ") + Reais(conta->saldo);
        r.servicos.emplace_back('I', std::vector<std::string>{"CONSULTA SALDO CARTAO PRE-PAGO",
                                                              "CARTAO: " + FinalDoCartao(conta->cartao),
                                                              "TITULAR: " + conta->titular,
                                                              "SALDO DISPONIVEL: " + Reais(conta->saldo)});
    }
    // Only an approval takes a sequence number, and it closes the receipt.
    if (r.codigo == "00") r.servicos.back().second.push_back("NSU: " + std::to_string(++cenario_.nsu));
    return r;
}

} // namespace cbserver
