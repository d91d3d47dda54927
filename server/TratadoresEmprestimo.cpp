// Loans of group 3. The pre-approved loan: the query (12) lists the customer's credit limits of
// "emprestimos.contas", the simulation (40) prices up to three terms on the price table and offers one
// contract per term, and the contracting (41) of one of those contracts credits the account's balance (the
// one withdrawals, deposits and balance queries see) and uses up that much of the limit. The payroll loan:
// the query (42) lists the account's payroll agreements, the largest proposal (43) of one agreement, the
// simulation (44) of other amounts and terms within it, and the contracting (45) of the proposal or of a
// simulated term, which credits the account the same way. The customer is named by the card's track or by
// the typed account key in 10290, as in the account queries.
#include "Contas.h"
#include "Servidor.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace cbserver {

using contas::Dinheiro;
using contas::Numero;

namespace {

constexpr char kContaDigitada[] = "2";
// The movement a contracted loan leaves on the account (a credit no cancellation takes back).
constexpr char kMovimentoEmprestimo[] = "EMP";
// Contract numbers are nine digits, the first one of the server's run above this.
constexpr long long kPrimeiroContrato = 100000000;
// The longest term the bank prices.
constexpr long long kMaximoParcelas = 120;

struct Limite {
    std::string codigo, descricao;
    long long disponivel = 0, parcelaMinima = 0;
    int taxa = 0;                                     // hundredths of a percent a month
    int vencimentoMinimo = 10, vencimentoMaximo = 40; // days from today
    bool semPlanos = false;                           // the bank answers the simulation without plans
};

struct Convenio {
    std::string codigo;
    bool ativo = true;
    long long valorMaximo = 0, parcelaMinima = 0;
    int parcelas = 0, taxa = 0, vencimentoDias = 30, janelaDias = 30;
};

struct ContaEmprestimo {
    std::vector<Limite> limites;
    std::vector<Convenio> convenios;
};

long long Centavos(const std::string& s) {
    if (s.empty() || s.size() > 12 || s.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoll(s);
}

std::string Texto(const QJsonObject& o, const char* chave) {
    return Latin1(o.value(QLatin1String(chave)).toString());
}

// The loans of the account the scenario names so; nothing when it has none.
std::optional<ContaEmprestimo> LeConta(const QJsonObject& raiz, const std::string& conta) {
    for (const QJsonValue& v :
         raiz.value(QStringLiteral("emprestimos")).toObject().value(QStringLiteral("contas")).toArray()) {
        const QJsonObject o = v.toObject();
        if (Texto(o, "conta") != conta) continue;
        ContaEmprestimo c;
        for (const QJsonValue& l : o.value(QStringLiteral("limites")).toArray()) {
            const QJsonObject lo = l.toObject();
            const QJsonArray dias = lo.value(QStringLiteral("vencimentoDias")).toArray();
            c.limites.push_back({Texto(lo, "codigo"), Texto(lo, "descricao"),
                                 Centavos(Texto(lo, "disponivel")), Centavos(Texto(lo, "parcelaMinima")),
                                 lo.value(QStringLiteral("taxaMensal")).toInt(), dias.at(0).toInt(10),
                                 dias.at(1).toInt(40), lo.value(QStringLiteral("semPlanos")).toBool()});
        }
        for (const QJsonValue& e : o.value(QStringLiteral("convenios")).toArray()) {
            const QJsonObject eo = e.toObject();
            c.convenios.push_back({Texto(eo, "codigo"), eo.value(QStringLiteral("ativo")).toBool(true),
                                   Centavos(Texto(eo, "valorMaximo")), Centavos(Texto(eo, "parcelaMinima")),
                                   eo.value(QStringLiteral("parcelas")).toInt(),
                                   eo.value(QStringLiteral("taxaMensal")).toInt(),
                                   eo.value(QStringLiteral("vencimentoDias")).toInt(30),
                                   eo.value(QStringLiteral("janelaDias")).toInt(30)});
        }
        return c;
    }
    return std::nullopt;
}

std::string Dia(const QDate& d) {
    return Latin1(d.toString(QStringLiteral("ddMMyyyy")));
}

QDate Data(const std::string& ddmmyyyy) {
    return ddmmyyyy.size() == 8 ? QDate::fromString(QString::fromLatin1(ddmmyyyy), QStringLiteral("ddMMyyyy"))
                                : QDate();
}

std::string Campo(const std::string& s, size_t largura) {
    std::string t = s.substr(0, largura);
    t.resize(largura, ' ');
    return t;
}

std::vector<std::string> Separa(const std::string& s) {
    std::vector<std::string> partes;
    std::istringstream in(s);
    for (std::string p; std::getline(in, p, '|');)
        partes.push_back(p);
    return partes;
}

std::string Taxa(int centesimos) {
    return std::to_string(centesimos / 100) + "," + Numero(centesimos % 100, 2) + "% A.M.";
}

} // namespace

long long ParcelaEmprestimo(long long valor, int taxaCentesimos, long long parcelas) {
    if (valor <= 0 || parcelas <= 0) return 0;
    if (taxaCentesimos <= 0) return (valor + parcelas - 1) / parcelas;
    const double i = taxaCentesimos / 10000.0;
    const double pmt =
        static_cast<double>(valor) * i / (1.0 - std::pow(1.0 + i, -static_cast<double>(parcelas)));
    return std::llround(pmt);
}

std::variant<contas::ContaCenario, cbwire::Resposta>
Servidor::ClienteEmprestimo(const cbwire::Pedido& pedido) {
    const std::string identificacao = Valor(pedido, 10290);
    std::optional<contas::ContaCenario> conta;
    if (Valor(pedido, 10134) == kContaDigitada) {
        conta = contas::ContaDaChave(cenario_.raiz, identificacao);
        if (!conta) return Recusa("14", Latin1("Conta não encontrada"));
    } else {
        // The track starts with the card number and ends it with '=' (or 'D' in the chip's track image).
        const std::string numero = identificacao.substr(0, identificacao.find_first_of("=D"));
        const auto c = std::find_if(cenario_.cartoes.begin(), cenario_.cartoes.end(),
                                    [&numero](const CartaoCenario& x) { return x.numero == numero; });
        if (numero.empty() || c == cenario_.cartoes.end())
            return Recusa("14", Latin1("Cartão não cadastrado"));
        if (c->rede != "805" || c->conta.empty()) return Recusa("57", Latin1("Cartão sem conta neste banco"));
        contas::ContaCenario cc;
        cc.conta = c->conta;
        // "AAAA NNNNNNN-D": the key's parts of the card's account.
        const auto espaco = c->conta.find(' '), traco = c->conta.find('-');
        if (espaco != std::string::npos && traco != std::string::npos && traco > espaco) {
            cc.agencia = c->conta.substr(0, espaco);
            cc.numero = c->conta.substr(espaco + 1, traco - espaco - 1);
            cc.digito = c->conta.substr(traco + 1);
        }
        conta = cc;
    }
    return *conta;
}

std::string Servidor::ProximoContrato() {
    std::string& seq = cenario_.estado["emp.seq"];
    seq = std::to_string((seq.empty() ? 0 : std::stoll(seq)) + 1);
    return std::to_string(kPrimeiroContrato + std::stoll(seq));
}

cbwire::Resposta Servidor::Emprestimo(const cbwire::Pedido& pedido) {
    const std::string operacao = Valor(pedido, 10158);
    // The payroll proposal and simulation carry no customer: they follow the query of the same customer.
    const bool segueConsulta = operacao == "43" || operacao == "44";
    contas::ContaCenario cliente;
    if (segueConsulta) {
        const auto it = cenario_.estado.find("consig.conta");
        if (it == cenario_.estado.end())
            return Recusa("12", Latin1("Consulte o empréstimo consignado antes"));
        cliente.conta = it->second;
        const auto partes = Separa(cenario_.estado["consig.chave"]);
        if (partes.size() == 3)
            std::tie(cliente.agencia, cliente.numero, cliente.digito) =
                std::tie(partes[0], partes[1], partes[2]);
    } else {
        auto c = ClienteEmprestimo(pedido);
        if (auto* recusa = std::get_if<cbwire::Resposta>(&c)) return *recusa;
        cliente = std::get<contas::ContaCenario>(c);
        if (operacao != "40" && Valor(pedido, 10146).empty())
            return Recusa("55", Latin1("Senha não informada"));
    }
    const auto conta = LeConta(cenario_.raiz, cliente.conta);
    if (!conta) return Recusa("57", Latin1("Cliente sem empréstimo disponível"));
    const std::string bloco = "237" + Numero(Centavos(cliente.agencia), 4) + " " +
                              Numero(Centavos(cliente.numero), 13) + Numero(Centavos(cliente.digito), 2);
    const QDate hoje = QDate::currentDate();
    const std::string usado = "emp.usado." + cliente.conta + ".";
    const auto disponivel = [&](const Limite& l) {
        const auto u = cenario_.estado.find(usado + l.codigo);
        return l.disponivel - (u == cenario_.estado.end() ? 0 : std::stoll(u->second));
    };
    // The approved contracting: the account credited, the contract receipt, the text of service Q "015".
    const auto credita = [&](const std::string& contrato, long long valor, long long parcelas,
                             long long parcela) {
        DefineSaldoDaConta(cliente.conta, SaldoDaConta(cliente.conta) + valor);
        const std::string nsu = std::to_string(++cenario_.nsu);
        RegistraMovimento(nsu, {kMovimentoEmprestimo, cliente.conta, valor, contrato});
        cbwire::Resposta r;
        r.codigo = "00";
        r.mensagem = Latin1("Empréstimo contratado");
        r.servicos.emplace_back('Q', std::vector<std::string>{"015CONTRATO " + contrato + " " +
                                                              std::to_string(parcelas) + " X " +
                                                              Dinheiro(parcela)});
        r.servicos.emplace_back(
            'I', std::vector<std::string>{"CONTRATACAO DE EMPRESTIMO", "CONTRATO: " + contrato,
                                          "AG/CONTA: " + cliente.conta, "VALOR CREDITADO: " + Dinheiro(valor),
                                          "PARCELAS: " + std::to_string(parcelas) + " X " + Dinheiro(parcela),
                                          "NSU: " + nsu});
        return r;
    };

    if (operacao == "12") {
        if (conta->limites.empty()) return Recusa("57", Latin1("Cliente sem empréstimo pré-aprovado"));
        std::string a = "0312" + bloco + Numero(static_cast<long long>(conta->limites.size()), 2);
        for (const Limite& l : conta->limites)
            a += Campo(l.codigo, 3) + Campo(l.descricao, 40) + Campo("", 12) +
                 Numero(std::max(0LL, disponivel(l)), 12) + Numero(l.taxa, 5) + Numero(l.parcelaMinima, 12) +
                 Dia(hoje.addDays(l.vencimentoMinimo)) + Dia(hoje.addDays(l.vencimentoMaximo));
        cbwire::Resposta r;
        r.codigo = "00";
        r.mensagem = Latin1("Consulta de empréstimo efetuada");
        r.servicos.emplace_back('A', std::vector<std::string>{a});
        return r;
    }

    // The terms of a simulation: 10131, 10102/1, 10102/2, the empty ones left out.
    std::vector<long long> termos;
    for (const std::string& t : {Valor(pedido, 10131), Valor(pedido, 10102, 1), Valor(pedido, 10102, 2)})
        if (!t.empty()) termos.push_back(Centavos(t));
    const long long valor = Centavos(Valor(pedido, 1003));
    const auto confereTermos = [&](long long minima, long long maximo) -> std::optional<cbwire::Resposta> {
        if (termos.empty()) return Recusa("12", Latin1("Número de parcelas não informado"));
        for (long long n : termos) {
            if (n < 1 || n > maximo) return Recusa("12", Latin1("Número de parcelas inválido"));
            if (valor < minima * n) return Recusa("12", Latin1("Valor da parcela menor que o mínimo"));
        }
        return std::nullopt;
    };

    if (operacao == "40") {
        const std::string codigo = Valor(pedido, 10252);
        const auto l = std::find_if(conta->limites.begin(), conta->limites.end(),
                                    [&codigo](const Limite& x) { return x.codigo == codigo; });
        if (l == conta->limites.end()) return Recusa("12", Latin1("Código do limite inválido"));
        if (valor <= 0) return Recusa("13", Latin1("Valor do empréstimo inválido"));
        if (valor > disponivel(*l)) return Recusa("51", Latin1("Valor acima do limite disponível"));
        const QDate vencimento = Data(Valor(pedido, 10169));
        if (!vencimento.isValid() || vencimento < hoje.addDays(l->vencimentoMinimo) ||
            vencimento > hoje.addDays(l->vencimentoMaximo))
            return Recusa("12", Latin1("Data do primeiro vencimento inválida"));
        if (auto recusa = confereTermos(l->parcelaMinima, kMaximoParcelas)) return *recusa;
        cbwire::Resposta r;
        r.codigo = "00";
        r.mensagem = Latin1("Simulação efetuada");
        // A limit the bank no longer prices: approved, and no plan offered.
        if (l->semPlanos) return r;
        std::string a =
            "0340" + bloco + Campo(l->codigo, 3) + Campo(l->descricao, 40) + std::to_string(termos.size());
        for (long long n : termos) {
            const std::string contrato = ProximoContrato();
            const long long parcela = ParcelaEmprestimo(valor, l->taxa, n);
            cenario_.estado["emp.contrato." + contrato] = cliente.conta + "|" + l->codigo + "|" +
                                                          std::to_string(valor) + "|" + std::to_string(n) +
                                                          "|" + std::to_string(parcela);
            a += Numero(n, 3) + Numero(parcela, 12) + Numero(parcela * n, 12) + Numero(l->taxa, 5) +
                 Dia(vencimento) + Campo("", 15) + contrato + Numero(valor, 12) + Campo("", 16);
        }
        r.servicos.emplace_back('A', std::vector<std::string>{a});
        return r;
    }

    if (operacao == "41") {
        const std::string contrato = Valor(pedido, 10253);
        const auto it = cenario_.estado.find("emp.contrato." + contrato);
        const auto partes = it == cenario_.estado.end() ? std::vector<std::string>{} : Separa(it->second);
        if (partes.size() != 5 || partes[0] != cliente.conta)
            return Recusa("12", Latin1("Contrato não simulado para a conta"));
        if (cenario_.estado.count("emp.contratado." + contrato))
            return Recusa("94", Latin1("Contrato já efetivado"));
        const long long simulado = std::stoll(partes[2]);
        if (valor != simulado) return Recusa("13", Latin1("Valor diferente do simulado"));
        const auto l = std::find_if(conta->limites.begin(), conta->limites.end(),
                                    [&partes](const Limite& x) { return x.codigo == partes[1]; });
        if (l == conta->limites.end() || valor > disponivel(*l))
            return Recusa("51", Latin1("Valor acima do limite disponível"));
        cenario_.estado["emp.contratado." + contrato] = "1";
        const auto u = cenario_.estado.find(usado + l->codigo);
        cenario_.estado[usado + l->codigo] =
            std::to_string(valor + (u == cenario_.estado.end() ? 0 : std::stoll(u->second)));
        return credita(contrato, valor, std::stoll(partes[3]), std::stoll(partes[4]));
    }

    // Payroll-deducted loan.
    if (operacao == "42") {
        if (conta->convenios.empty()) return Recusa("57", Latin1("Cliente sem convênio consignado"));
        cenario_.estado["consig.conta"] = cliente.conta;
        cenario_.estado["consig.chave"] = cliente.agencia + "|" + cliente.numero + "|" + cliente.digito;
        cenario_.estado.erase("consig.proposta");
        cenario_.estado.erase("consig.simulacao");
        std::string a = "0342" + bloco + Numero(static_cast<long long>(conta->convenios.size()), 2);
        for (const Convenio& e : conta->convenios)
            a += Campo(e.codigo, 2) + (e.ativo ? "1" : "0");
        cbwire::Resposta r;
        r.codigo = "00";
        r.mensagem = Latin1("Consulta de empréstimo consignado efetuada");
        r.servicos.emplace_back('A', std::vector<std::string>{a});
        return r;
    }
    // The agreement of the last proposal, for the simulation and the contracting.
    const auto convenioDaProposta = [&]() -> const Convenio* {
        const auto partes = Separa(cenario_.estado["consig.proposta"]);
        if (partes.empty()) return nullptr;
        const auto e = std::find_if(conta->convenios.begin(), conta->convenios.end(),
                                    [&partes](const Convenio& x) { return x.codigo == partes[0]; });
        return e == conta->convenios.end() ? nullptr : &*e;
    };
    if (operacao == "43") {
        const std::string codigo = Valor(pedido, 10428);
        const auto e = std::find_if(conta->convenios.begin(), conta->convenios.end(),
                                    [&codigo](const Convenio& x) { return x.codigo == codigo; });
        if (e == conta->convenios.end()) return Recusa("12", Latin1("Convênio não encontrado"));
        if (!e->ativo) return Recusa("57", Latin1("Convênio inativo"));
        cenario_.estado["consig.proposta"] = e->codigo;
        cbwire::Resposta r;
        r.codigo = "00";
        r.mensagem = Latin1("Proposta máxima consultada");
        r.servicos.emplace_back(
            'A', std::vector<std::string>{"0343" + bloco + Numero(e->parcelas, 3) + Numero(e->janelaDias, 3) +
                                          Numero(e->valorMaximo, 12) + Numero(e->parcelaMinima, 12) +
                                          Dia(hoje.addDays(e->vencimentoDias))});
        return r;
    }
    const Convenio* convenio = convenioDaProposta();
    if (!convenio) return Recusa("12", Latin1("Consulte a proposta máxima antes"));
    if (operacao == "44") {
        if (valor <= 0 || valor > convenio->valorMaximo)
            return Recusa("51", Latin1("Valor acima da proposta máxima"));
        const QDate primeiro = hoje.addDays(convenio->vencimentoDias);
        const QDate vencimento = Data(Valor(pedido, 10169));
        if (!vencimento.isValid() || vencimento < primeiro ||
            vencimento > primeiro.addDays(convenio->janelaDias))
            return Recusa("12", Latin1("Data do primeiro vencimento inválida"));
        if (auto recusa = confereTermos(convenio->parcelaMinima, convenio->parcelas)) return *recusa;
        std::string termosTexto;
        std::vector<std::string> linhas{"SIMULACAO EMPRESTIMO CONSIGNADO", "VALOR: " + Dinheiro(valor),
                                        "JUROS: " + Taxa(convenio->taxa)};
        for (long long n : termos) {
            termosTexto += (termosTexto.empty() ? "" : ",") + std::to_string(n);
            linhas.push_back(std::to_string(n) + " X " +
                             Dinheiro(ParcelaEmprestimo(valor, convenio->taxa, n)));
        }
        cenario_.estado["consig.simulacao"] = std::to_string(valor) + "|" + termosTexto;
        cbwire::Resposta r;
        r.codigo = "00";
        r.mensagem = Latin1("Simulação efetuada");
        r.servicos.emplace_back(
            'A', std::vector<std::string>{"0344" + bloco + Numero(static_cast<long long>(termos.size()), 2)});
        r.servicos.emplace_back('I', std::move(linhas));
        return r;
    }
    // 45: the proposal's term contracts the largest amount; a simulated term, the simulated amount.
    const long long termo = Centavos(Valor(pedido, 10430));
    long long montante = termo == convenio->parcelas ? convenio->valorMaximo : -1;
    const auto sim = Separa(cenario_.estado["consig.simulacao"]);
    if (sim.size() == 2) {
        std::istringstream in(sim[1]);
        for (std::string t; std::getline(in, t, ',');)
            if (Centavos(t) == termo) montante = std::stoll(sim[0]);
    }
    if (termo <= 0 || montante <= 0)
        return Recusa("12", Latin1("Número de parcelas não proposto nem simulado"));
    cenario_.estado.erase("consig.proposta");
    cenario_.estado.erase("consig.simulacao");
    const std::string contrato = ProximoContrato();
    return credita(contrato, montante, termo, ParcelaEmprestimo(montante, convenio->taxa, termo));
}

} // namespace cbserver
