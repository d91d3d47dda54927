// Account opening, group 5: the registration query (10) looks up what the bank's registry holds of the
// holders (their names by CPF or CNPJ, the address by CEP) and keeps what it was asked; the opening (20)
// must come for that same account and those same holders, with every password and the address, and creates
// the account in "saques.contas", where the balance and statement queries, deposits and transfers find it.
#include "Servidor.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <string>
#include <vector>

namespace cbserver {

namespace {

// Blank-filled on the right, cut to the width.
std::string Largura(const std::string& s, size_t largura) {
    std::string r = s.substr(0, largura);
    r.resize(largura, ' ');
    return r;
}

std::string Texto(const QJsonObject& o, const char* chave) {
    return Latin1(o.value(QLatin1String(chave)).toString());
}

// The modalities the bank opens: person type and code.
bool ModalidadeValida(const std::string& pessoa, const std::string& codigo) {
    return (pessoa == "F" && (codigo == "01" || codigo == "02" || codigo == "03")) ||
           (pessoa == "J" && codigo == "01");
}

// What the query was asked, which the opening must repeat: the account type, the modality and the holders.
std::string Pedido10(const cbwire::Pedido& p, int titulares) {
    std::string s = Valor(p, 10102) + "|" + Valor(p, 10102, 1) + Valor(p, 10102, 2);
    for (int i = 0; i < titulares; ++i)
        s += "|" + Valor(p, 10341, static_cast<uint16_t>(i));
    return s;
}

} // namespace

cbwire::Resposta Servidor::ConsultaDadosCadastrais(const cbwire::Pedido& pedido) {
    const bool abertura = Valor(pedido, 10158) == "20";
    const std::string chave = Valor(pedido, 10290);
    const std::string banco = Latin1(cenario_.raiz.value(QStringLiteral("depositos"))
                                         .toObject()
                                         .value(QStringLiteral("banco"))
                                         .toString(QStringLiteral("237")));
    if (chave.size() != 23 || chave.substr(0, 3) != banco)
        return Recusa("12", Latin1("Conta a abrir não é deste banco"));
    const std::string tipo = Valor(pedido, 10102);
    if (tipo != "01" && tipo != "02")
        return Recusa("12", Latin1("Tipo de conta não aberto pelo correspondente"));
    if (!ModalidadeValida(Valor(pedido, 10102, 1), Valor(pedido, 10102, 2)))
        return Recusa("12", Latin1("Modalidade de conta inválida"));
    const std::string n = Valor(pedido, 10254);
    const int titulares = n.size() == 1 && n[0] >= '1' && n[0] <= '3' ? n[0] - '0' : 0;
    if (titulares == 0 || (Valor(pedido, 10102, 2) == "01" && titulares != 1))
        return Recusa("12", Latin1("Número de titulares inválido"));
    if (contas::ContaDaChave(cenario_.raiz, chave)) return Recusa("12", Latin1("Conta já existente"));

    const QJsonObject regras = cenario_.raiz.value(QStringLiteral("aberturaConta")).toObject();
    const std::string chaveConsulta = "abertura.consulta." + chave;
    if (abertura) return AberturaConta(pedido, titulares, chaveConsulta);

    // The registry: each holder known by document (name, date of birth or foundation), or one it refuses.
    const QJsonObject pessoas = regras.value(QStringLiteral("pessoas")).toObject();
    std::string registroTitulares = "051002" + std::to_string(titulares);
    for (int i = 0; i < titulares; ++i) {
        const auto o = static_cast<uint16_t>(i);
        const std::string documento = Valor(pedido, 10341, o);
        // A CPF has 11 digits, a CNPJ 14 characters.
        if (documento.size() != 11 && documento.size() != 14)
            return Recusa("12", Latin1("Documento do titular inválido"));
        const QJsonObject p = pessoas.value(QString::fromLatin1(documento.c_str())).toObject();
        const std::string restricao = Texto(p, "restricao");
        if (!restricao.empty()) return Recusa("57", restricao);
        const std::string nascimento = Texto(p, "nascimento");
        if (!nascimento.empty() && nascimento != Valor(pedido, 10165, o))
            return Recusa("12", Latin1("Data de nascimento não confere com o cadastro do titular ") +
                                    std::to_string(i + 1));
        registroTitulares += "0" + Largura(Texto(p, "nome"), 32);
    }
    // An unknown CEP leaves the address to the operator.
    const QJsonObject e = regras.value(QStringLiteral("ceps"))
                              .toObject()
                              .value(QString::fromLatin1(Valor(pedido, 1090).c_str()))
                              .toObject();
    const std::string registroEndereco =
        "051001" + Largura(Texto(e, "endereco"), 40) + " " + Largura(Texto(e, "numero"), 7) +
        Largura(Texto(e, "complemento"), 20) + Largura(Texto(e, "bairro"), 30) +
        Largura(Texto(e, "cidade"), 30) + Largura(Texto(e, "uf"), 2) + std::string(8, ' ');

    cenario_.estado[chaveConsulta] = Pedido10(pedido, titulares);
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1("Consulta cadastral efetuada");
    r.servicos.emplace_back('A', std::vector<std::string>{registroEndereco, registroTitulares});
    return r;
}

cbwire::Resposta Servidor::AberturaConta(const cbwire::Pedido& pedido, int titulares,
                                         const std::string& chaveConsulta) {
    const auto consulta = cenario_.estado.find(chaveConsulta);
    if (consulta == cenario_.estado.end() || consulta->second != Pedido10(pedido, titulares))
        return Recusa("12", Latin1("Abertura sem consulta cadastral dos titulares"));
    for (int i = 0; i < titulares; ++i) {
        const auto o = static_cast<uint16_t>(i);
        if (Valor(pedido, 10167, o).empty()) return Recusa("55", Latin1("Senha do titular não informada"));
        if (Valor(pedido, 10166, o).empty()) return Recusa("12", Latin1("Nome do titular não informado"));
    }
    if (Valor(pedido, 10167, 3).empty())
        return Recusa("55", Latin1("Senha para outros serviços não informada"));
    for (const uint16_t campo : {1088, 1192, 1089, 1091, 1092})
        if (Valor(pedido, campo).empty()) return Recusa("12", Latin1("Endereço incompleto"));

    // The account as the scenario names its accounts: "AAAA NNNNNNN-D".
    const std::string chave = Valor(pedido, 10290);
    const auto numero = [](const std::string& s) {
        const size_t i = s.find_first_not_of('0');
        return i == std::string::npos ? std::string("0") : s.substr(i);
    };
    const std::string conta =
        chave.substr(3, 4) + " " + numero(chave.substr(8, 13)) + "-" + numero(chave.substr(21, 2));
    const std::string titular = Valor(pedido, 10166);
    const QJsonObject aberta{
        {QStringLiteral("conta"), QString::fromLatin1(conta.c_str())},
        {QStringLiteral("titular"), QString::fromLatin1(titular.c_str())},
        {QStringLiteral("tipos"), QJsonArray{QString::fromLatin1(Valor(pedido, 10102).c_str())}},
        {QStringLiteral("saldo"), QStringLiteral("0")}};
    // Kept in the state too, where a database finds it at the next start.
    cenario_.estado[kContaAberta + conta] =
        QJsonDocument(aberta).toJson(QJsonDocument::Compact).toStdString();
    IncluiConta(aberta);
    cenario_.estado.erase(chaveConsulta);

    const std::string nsu = std::to_string(++cenario_.nsu);
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1("Conta aberta com sucesso");
    r.servicos.emplace_back('I', std::vector<std::string>{"ABERTURA DE CONTA", "AG/CONTA: " + conta,
                                                          "TITULAR: " + titular, "NSU: " + nsu});
    return r;
}

void Servidor::IncluiConta(const QJsonObject& conta) {
    QJsonObject saques = cenario_.raiz.value(QStringLiteral("saques")).toObject();
    QJsonArray contas = saques.value(QStringLiteral("contas")).toArray();
    contas.append(conta);
    saques.insert(QStringLiteral("contas"), contas);
    cenario_.raiz.insert(QStringLiteral("saques"), saques);
}

} // namespace cbserver
