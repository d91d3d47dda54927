// The prepaid card (group 7): the holder identified by card or by mobile number, the withdrawal checked
// against the holder's PIN (and, by mobile number, the code sent to the phone), the deposit and the transfer
// between two cards, with the balances kept while the server runs.
#include "Servidor.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace cbserver {

namespace {

struct PortadorPrePago {
    std::string numero;  // the card, 16 digits as h-record 40 carries it
    std::string celular; // DDD (3) and number (11), zero-padded: 14 digits, as field 10104 carries them
    std::string titular; // may be blanks: the module must refuse such a holder
    std::string senha;   // the card's PIN
    std::string codigo;  // the code the bank sends to the holder's phone
    long long saldo = 0; // cents, at the start of the scenario
    bool bloqueado = false;
};

std::string SoDigitos(const QString& s) {
    std::string d;
    for (const QChar c : s)
        if (c.isDigit()) d += static_cast<char>(c.unicode());
    return d;
}

std::string Zeros(const std::string& s, size_t largura) {
    return s.size() >= largura ? s : std::string(largura - s.size(), '0') + s;
}

// "cartoesPrePagos": [{numero, ddd, celular, titular, senha, codigoCelular, saldo, bloqueado}].
std::variant<std::vector<PortadorPrePago>, std::string> LePortadores(const QJsonObject& raiz) {
    const QJsonValue v = raiz.value(QStringLiteral("cartoesPrePagos"));
    if (v.isUndefined()) return Latin1(QStringLiteral("Cartão pré-pago não previsto no cenário"));
    std::vector<PortadorPrePago> lista;
    for (const QJsonValue& e : v.toArray()) {
        const QJsonObject o = e.toObject();
        PortadorPrePago p;
        p.numero = SoDigitos(o.value(QStringLiteral("numero")).toString());
        const std::string ddd = SoDigitos(o.value(QStringLiteral("ddd")).toString());
        const std::string celular = SoDigitos(o.value(QStringLiteral("celular")).toString());
        if (!ddd.empty() && !celular.empty()) p.celular = Zeros(ddd, 3) + Zeros(celular, 11);
        p.titular = Latin1(o.value(QStringLiteral("titular")).toString());
        p.senha = SoDigitos(o.value(QStringLiteral("senha")).toString());
        p.codigo = SoDigitos(o.value(QStringLiteral("codigoCelular")).toString());
        bool ok = false;
        p.saldo = o.value(QStringLiteral("saldo")).toString(QStringLiteral("0")).toLongLong(&ok);
        p.bloqueado = o.value(QStringLiteral("bloqueado")).toBool();
        if (p.numero.size() != 16 || !ok || p.senha.empty())
            return Latin1(QStringLiteral("Cenário com cartoesPrePagos malformado"));
        lista.push_back(std::move(p));
    }
    return lista;
}

// The holder a value names: a card number (a track starts with it) or the 14 digits of a mobile number.
const PortadorPrePago* PortadorDe(const std::vector<PortadorPrePago>& lista, const std::string& valor) {
    const std::string numero = valor.substr(0, valor.find_first_of("=D"));
    for (const auto& p : lista)
        if (!numero.empty() && (p.numero == numero || p.celular == numero)) return &p;
    return nullptr;
}

std::string Reais(long long centavos) {
    return Latin1(
        QStringLiteral("R$ %1,%2").arg(centavos / 100).arg(centavos % 100, 2, 10, QLatin1Char('0')));
}

std::string Final(const std::string& numero) {
    return "************" + numero.substr(numero.size() - 4);
}

// h-record 40: the card (16) and the holder's name (30).
std::string H40(const PortadorPrePago& p) {
    std::string nome = p.titular.substr(0, 30);
    nome.resize(30, ' ');
    return "40" + p.numero + nome;
}

cbwire::Resposta Aprovada(std::vector<std::string> recibo, int nsu) {
    cbwire::Resposta r;
    r.codigo = "00";
    recibo.push_back("NSU: " + std::to_string(nsu));
    r.servicos.emplace_back('I', std::move(recibo));
    return r;
}

} // namespace

namespace {

long long SaldoDe(const Estado& estado, const PortadorPrePago& p) {
    const auto e = estado.find("prepago." + p.numero);
    return e == estado.end() ? p.saldo : std::stoll(e->second);
}

void DefineSaldo(Estado& estado, const PortadorPrePago& p, long long saldo) {
    estado["prepago." + p.numero] = std::to_string(saldo);
}

} // namespace

cbwire::Resposta Servidor::CartaoPrePago(const cbwire::Pedido& pedido) {
    const auto lidos = LePortadores(cenario_.raiz);
    if (const auto* falta = std::get_if<std::string>(&lidos)) return Recusa("57", *falta);
    const auto& portadores = std::get<std::vector<PortadorPrePago>>(lidos);
    const std::string operacao = Valor(pedido, 10158);
    const auto naoIdentificado = [this] { return Recusa("14", Latin1("Cliente não identificado")); };

    // Holder identification: by mobile number for a withdrawal (10104), by the way 10134 names for a deposit
    // or a transfer. "16" without 10134 is the transfer's destination query, below.
    const bool identificacao =
        operacao == "10" || operacao == "14" || (operacao == "16" && ValorDoPedido(pedido, 10134));
    if (identificacao) {
        const PortadorPrePago* p = PortadorDe(portadores, Valor(pedido, 10104));
        const bool porCelular = operacao == "10" || Valor(pedido, 10134) == "2";
        if (!p || (porCelular ? p->celular : p->numero) != Valor(pedido, 10104)) return naoIdentificado();
        if (p->bloqueado) return Recusa("62", Latin1("Cartão pré-pago bloqueado"));
        cbwire::Resposta r;
        r.codigo = "00";
        r.hRegistros.push_back(H40(*p));
        return r;
    }

    bool valorOk = false;
    const long long valor = QString::fromStdString(Valor(pedido, 1003)).toLongLong(&valorOk);
    if (operacao != "16" && (!valorOk || valor <= 0)) return Recusa("13", Latin1("Valor inválido"));

    if (operacao == "11") {
        // By mobile number the PIN pad ciphered the PIN (10146) and the phone code (10104) with the card the
        // identification returned; by card, the PIN with the track it read.
        const std::string bloco = Valor(pedido, 10146);
        const PortadorPrePago* p = nullptr;
        if (Valor(pedido, 10134) == "2") {
            for (const auto& c : portadores)
                if (!c.celular.empty() && bloco == cbwire::BlocoDeSenha(c.senha, c.numero)) p = &c;
            if (!p) return Recusa("55", Latin1("Senha inválida"));
            if (p->codigo.empty() || Valor(pedido, 10104) != cbwire::BlocoDeSenha(p->codigo, p->numero))
                return Recusa("55", Latin1("Código recebido no celular inválido"));
        } else {
            p = PortadorDe(portadores, Valor(pedido, 10104));
            if (!p) return naoIdentificado();
            if (bloco != cbwire::BlocoDeSenha(p->senha, Valor(pedido, 10104)))
                return Recusa("55", Latin1("Senha inválida"));
        }
        if (p->bloqueado) return Recusa("62", Latin1("Cartão pré-pago bloqueado"));
        const long long saldo = SaldoDe(cenario_.estado, *p);
        if (valor > saldo) return Recusa("51", Latin1("Saldo insuficiente"));
        DefineSaldo(cenario_.estado, *p, saldo - valor);
        return Aprovada({"SAQUE CARTAO PRE-PAGO", "CARTAO: " + Final(p->numero), "VALOR: " + Reais(valor),
                         "SALDO: " + Reais(saldo - valor)},
                        ++cenario_.nsu);
    }

    if (operacao == "15") {
        const PortadorPrePago* p = PortadorDe(portadores, Valor(pedido, 10104));
        if (!p) return naoIdentificado();
        if (p->bloqueado) return Recusa("62", Latin1("Cartão pré-pago bloqueado"));
        if (Valor(pedido, 1007).size() != 11) return Recusa("12", Latin1("CPF do depositante não informado"));
        const long long saldo = SaldoDe(cenario_.estado, *p) + valor;
        DefineSaldo(cenario_.estado, *p, saldo);
        return Aprovada({"DEPOSITO CARTAO PRE-PAGO", "CARTAO: " + Final(p->numero), "VALOR: " + Reais(valor),
                         "SALDO: " + Reais(saldo)},
                        ++cenario_.nsu);
    }

    // The transfer and its destination query: the origin is the card that identified the holder (10348, a
    // card or a mobile number when 10340 is "1"); the destination the card read at the PIN pad (10104), on
    // which the origin's holder typed the PIN.
    const PortadorPrePago* origem =
        Valor(pedido, 10340) == "1" ? PortadorDe(portadores, Valor(pedido, 10348)) : nullptr;
    const PortadorPrePago* destino = PortadorDe(portadores, Valor(pedido, 10104));
    if (!origem) return naoIdentificado();
    if (!destino) return Recusa("14", Latin1("Cartão de destino não cadastrado"));
    if (origem == destino) return Recusa("12", Latin1("Cartões de origem e destino iguais"));
    if (Valor(pedido, 10146) != cbwire::BlocoDeSenha(origem->senha, Valor(pedido, 10104)))
        return Recusa("55", Latin1("Senha inválida"));
    if (origem->bloqueado || destino->bloqueado) return Recusa("62", Latin1("Cartão pré-pago bloqueado"));
    if (operacao == "16") {
        cbwire::Resposta r;
        r.codigo = "00";
        r.hRegistros.push_back(H40(*destino));
        return r;
    }
    const long long saldo = SaldoDe(cenario_.estado, *origem);
    if (valor > saldo) return Recusa("51", Latin1("Saldo insuficiente"));
    DefineSaldo(cenario_.estado, *origem, saldo - valor);
    DefineSaldo(cenario_.estado, *destino, SaldoDe(cenario_.estado, *destino) + valor);
    return Aprovada({"TRANSFERENCIA CARTAO PRE-PAGO", "ORIGEM: " + Final(origem->numero),
                     "DESTINO: " + Final(destino->numero), "VALOR: " + Reais(valor)},
                    ++cenario_.nsu);
}

} // namespace cbserver
