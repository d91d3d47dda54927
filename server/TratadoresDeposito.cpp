// Deposits of group 3 and the cancellations of withdrawals and deposits. The holder query (15, or 32 for an
// identified deposit) answers the holder of an account of the scenario's "saques.contas" by its key (bank,
// agency, account and digit), or blanks for an account the bank does not know, and hands out a reference that
// the deposit (30 or 33) must bring back. The identified query also checks the depositor: a name (modality
// 1), a numeric code (2), a card the bank knows or its typed codes (3), or the bill alone (4). An approved
// deposit credits the account's balance, the same balance the withdrawals draw on, takes the next NSU and is
// recorded under it; a cheque listed in "depositos.chequesDevolvidos" refuses the deposit with one return per
// cheque. A cancellation (17 INSS withdrawal, 21 cheque, receipt or card withdrawal, 31 deposit) reverses the
// operation its NSU names, once.
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
using contas::Numero;

namespace {

// The n-th constant or module variable the request sent (field 0), from 0.
std::string Constante(const cbwire::Pedido& p, int n) {
    for (const auto& i : p.itens)
        if (i.campo == 0 && n-- == 0) return i.valor;
    return {};
}

long long Centavos(const std::string& s) {
    if (s.empty() || s.size() > 12 || s.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoll(s);
}

long long Inteiro(const std::string& s) {
    const std::string t = s.substr(0, s.find_last_not_of(' ') + 1);
    if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos || t.size() > 15) return -1;
    return std::stoll(t);
}

std::string Ajusta(std::string s, size_t largura) {
    s.resize(largura, ' ');
    return s;
}

} // namespace

long long Servidor::SaldoDaConta(const std::string& conta) const {
    const auto atual = cenario_.estado.find("saque.saldo." + conta);
    if (atual != cenario_.estado.end()) return std::stoll(atual->second);
    const QJsonArray contas =
        cenario_.raiz.value(QStringLiteral("saques")).toObject().value(QStringLiteral("contas")).toArray();
    for (const QJsonValue& v : contas)
        if (Latin1(v.toObject().value(QStringLiteral("conta")).toString()) == conta)
            return std::max(0LL, Centavos(Latin1(v.toObject().value(QStringLiteral("saldo")).toString())));
    return 0;
}

void Servidor::DefineSaldoDaConta(const std::string& conta, long long saldo) {
    cenario_.estado["saque.saldo." + conta] = std::to_string(saldo);
}

void Servidor::RegistraMovimento(const std::string& nsu, const Movimento& m) {
    cenario_.estado["mov." + nsu] =
        m.operacao + "|" + m.conta + "|" + std::to_string(m.valor) + "|" + m.dados;
}

std::optional<Servidor::Movimento> Servidor::MovimentoDoNsu(const std::string& nsu) const {
    const auto it = cenario_.estado.find("mov." + nsu);
    if (it == cenario_.estado.end()) {
        // Operations the scenario says were approved before the server started ("movimentos").
        for (const QJsonValue& v : cenario_.raiz.value(QStringLiteral("movimentos")).toArray()) {
            const QJsonObject o = v.toObject();
            if (nsu.empty() || Latin1(o.value(QStringLiteral("nsu")).toString()) != nsu) continue;
            return Movimento{Latin1(o.value(QStringLiteral("operacao")).toString()),
                             Latin1(o.value(QStringLiteral("conta")).toString()),
                             Centavos(Latin1(o.value(QStringLiteral("valor")).toString())),
                             Latin1(o.value(QStringLiteral("dados")).toString())};
        }
        return std::nullopt;
    }
    std::vector<std::string> partes;
    size_t inicio = 0;
    for (int i = 0; i < 3; ++i) {
        const size_t fim = it->second.find('|', inicio);
        partes.push_back(it->second.substr(inicio, fim - inicio));
        inicio = fim + 1;
    }
    return Movimento{partes[0], partes[1], std::stoll(partes[2]), it->second.substr(inicio)};
}

cbwire::Resposta Servidor::ConsultaDeposito(const cbwire::Pedido& pedido) {
    if (Centavos(Valor(pedido, 1003)) <= 0)
        return Recusa("13", Latin1(QStringLiteral("Valor de depósito inválido")));
    return TitularDaConta(Constante(pedido, 1), "0015");
}

cbwire::Resposta Servidor::TitularDaConta(const std::string& chave, const std::string& cabecalho) {
    const auto conta = ContaDaChave(cenario_.raiz, chave);
    const std::string referencia = "REF" + Numero(++cenario_.consultas, 17);
    if (conta) cenario_.estado["deposito.ref." + referencia] = chave;
    // An account the bank does not know is answered with its account fields blank.
    std::string a = cabecalho + referencia;
    a += conta
             ? chave.substr(0, 3) + Numero(Inteiro(conta->agencia), 5) + Numero(Inteiro(conta->numero), 13) +
                   Numero(Inteiro(conta->digito), 2) + Ajusta(conta->titular, 35)
             : std::string(58, ' ');
    cbwire::Resposta r;
    r.codigo = "00";
    r.servicos.emplace_back('A', std::vector<std::string>{a});
    return r;
}

cbwire::Resposta Servidor::ConsultaDepositoIdentificado(const cbwire::Pedido& pedido) {
    // The constants after the header: modality, account type, account key, then the depositor (1, 2) or
    // the card's entry (3).
    const std::string modalidade = Constante(pedido, 1);
    const std::string depositante = Constante(pedido, 4);
    if (Centavos(Valor(pedido, 1003)) <= 0)
        return Recusa("13", Latin1(QStringLiteral("Valor de depósito inválido")));
    if (modalidade == "1" && depositante.find_first_not_of(' ') == std::string::npos)
        return Recusa("12", Latin1(QStringLiteral("Nome do depositante não informado")));
    if (modalidade == "2" && (depositante.empty() || Inteiro(depositante) < 0))
        return Recusa("12", Latin1(QStringLiteral("Código do depositante inválido")));
    if (modalidade == "3" && depositante == "1" && !CartaoDoPedido(pedido))
        return Recusa("14", Latin1(QStringLiteral("Cartão não cadastrado")));
    if (modalidade == "3" && depositante != "1") {
        for (uint16_t i = 0; i < 4; ++i)
            if (Valor(pedido, 10102, i).empty())
                return Recusa("12", Latin1(QStringLiteral("Dados do cartão incompletos")));
    }
    if (modalidade.size() != 1 || modalidade < "1" || modalidade > "4")
        return Recusa("12", Latin1(QStringLiteral("Modalidade de depósito inválida")));
    cbwire::Resposta r = TitularDaConta(Constante(pedido, 3), "0032");
    // A note for the host on how the depositor was identified.
    r.servicos.emplace_back('Q',
                            std::vector<std::string>{"015DEPOSITO IDENTIFICADO MODALIDADE " + modalidade});
    return r;
}

cbwire::Resposta Servidor::Deposito(const cbwire::Pedido& pedido) {
    // The identified deposit (33) sends its account type before the key.
    const std::string chave = Constante(pedido, Valor(pedido, 10158) == "33" ? 2 : 1);
    const std::string referencia = Valor(pedido, 10240);
    const auto ref = cenario_.estado.find("deposito.ref." + referencia);
    if (ref == cenario_.estado.end() || ref->second != chave)
        return Recusa("12", Latin1(QStringLiteral("Depósito sem consulta da conta")));
    const auto conta = ContaDaChave(cenario_.raiz, chave);
    if (!conta) return Recusa("14", Latin1(QStringLiteral("Conta não encontrada")));
    const long long valor = Centavos(Valor(pedido, 1003));
    const long long dinheiro = std::max(0LL, Centavos(Valor(pedido, 10183)));
    const long long cheques = std::max(0LL, Centavos(Valor(pedido, 10184)));
    if (valor <= 0 || valor != dinheiro + cheques)
        return Recusa("13", Latin1(QStringLiteral("Valores do depósito não conferem")));
    int n = 0;
    for (const auto& i : pedido.itens)
        if (i.campo == 10162) n = i.ocorrencia;
    if (n != Inteiro(Valor(pedido, 10189)) && !(n == 0 && Valor(pedido, 10189).empty()))
        return Recusa("12", Latin1(QStringLiteral("Quantidade de cheques não confere")));
    const QJsonArray devolvidos = cenario_.raiz.value(QStringLiteral("depositos"))
                                      .toObject()
                                      .value(QStringLiteral("chequesDevolvidos"))
                                      .toArray();
    long long soma = 0;
    std::vector<std::string> retornos;
    for (int i = 0; i < n; ++i) {
        const std::string dados = Valor(pedido, 10164, static_cast<uint16_t>(i));
        soma += std::max(0LL, Centavos(Valor(pedido, 10165, static_cast<uint16_t>(i))));
        for (const QJsonValue& d : devolvidos) {
            const std::string marca = Latin1(d.toObject().value(QStringLiteral("cheque")).toString());
            if (!marca.empty() && dados.find(marca) != std::string::npos) {
                retornos.push_back(
                    Numero(i, 2) +
                    Ajusta(Latin1(d.toObject().value(QStringLiteral("motivo")).toString()), 12));
                break;
            }
        }
    }
    if (soma != cheques) return Recusa("13", Latin1(QStringLiteral("Valores dos cheques não conferem")));
    if (!retornos.empty()) {
        cbwire::Resposta r = Recusa("51", Latin1(QStringLiteral("Cheque(s) devolvido(s)")));
        std::string a = "0030" + Numero(static_cast<long long>(retornos.size()), 2);
        for (const auto& e : retornos)
            a += e;
        r.servicos.emplace_back('A', std::vector<std::string>{a});
        return r;
    }
    cenario_.estado.erase(ref);
    DefineSaldoDaConta(conta->conta, SaldoDaConta(conta->conta) + valor);
    const std::string nsu = std::to_string(++cenario_.nsu);
    RegistraMovimento(nsu, {"30", conta->conta, valor, {}});
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Depósito efetuado"));
    r.servicos.emplace_back(
        'D', std::vector<std::string>{Latin1(QStringLiteral("Depósito efetuado. NSU ")) + nsu});
    r.servicos.emplace_back(
        'I', std::vector<std::string>{"DEPOSITO EM CONTA", "AG/CONTA: " + conta->conta,
                                      "FAVORECIDO: " + conta->titular, "DINHEIRO: " + Dinheiro(dinheiro),
                                      "CHEQUES: " + std::to_string(n) + " " + Dinheiro(cheques),
                                      "VALOR: " + Dinheiro(valor), "NSU: " + nsu});
    return r;
}

cbwire::Resposta Servidor::Cancelamento(const cbwire::Pedido& pedido) {
    const std::string operacao = Valor(pedido, 10158);
    const std::string nsu = Valor(pedido, 10102);
    const auto mov = MovimentoDoNsu(nsu);
    if (nsu.empty() || !mov) return Recusa("12", Latin1(QStringLiteral("NSU não encontrado")));
    if (cenario_.estado.count("mov." + nsu + ".cancelado"))
        return Recusa("12", Latin1(QStringLiteral("Operação já cancelada")));
    // The kind the cancellation names must be the kind of the operation the NSU names.
    std::string esperado = "30";
    if (operacao == "17") esperado = "16";
    if (operacao == "21") {
        const std::string tipo = Valor(pedido, 10212);
        esperado = tipo == "01" ? "19" : tipo == "02" ? "20" : tipo == "03" ? "18" : "";
    }
    if (mov->operacao != esperado)
        return Recusa("12", Latin1(QStringLiteral("NSU não corresponde a esta operação")));
    if (Centavos(Valor(pedido, 1003)) != mov->valor)
        return Recusa("13", Latin1(QStringLiteral("Valor não confere com a operação")));
    if (operacao == "17") {
        const CartaoCenario* c = CartaoDoPedido(pedido);
        if (!c || c->conta != mov->conta)
            return Recusa("14", Latin1(QStringLiteral("Cartão não confere com o saque")));
    }
    if ((esperado == "19" || esperado == "20") && Constante(pedido, 0) != mov->dados)
        return Recusa("12", Latin1(QStringLiteral("Dados não conferem com o saque")));
    if (esperado == "30") {
        const long long saldo = SaldoDaConta(mov->conta);
        if (saldo < mov->valor)
            return Recusa("51", Latin1(QStringLiteral("Saldo insuficiente para o estorno")));
        DefineSaldoDaConta(mov->conta, saldo - mov->valor);
    } else if (!mov->conta.empty()) {
        DefineSaldoDaConta(mov->conta, SaldoDaConta(mov->conta) + mov->valor);
    }
    // A receipt whose withdrawal is undone pays out again.
    if (esperado == "20") cenario_.estado.erase("saque.recibo." + mov->dados);
    cenario_.estado["mov." + nsu + ".cancelado"] = "1";
    const std::string novo = std::to_string(++cenario_.nsu);
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Cancelamento efetuado"));
    r.servicos.emplace_back(
        'I',
        std::vector<std::string>{esperado == "30" ? "CANCELAMENTO DE DEPOSITO" : "CANCELAMENTO DE SAQUE",
                                 "NSU ORIGINAL: " + nsu, "VALOR: " + Dinheiro(mov->valor), "NSU: " + novo});
    return r;
}

} // namespace cbserver
