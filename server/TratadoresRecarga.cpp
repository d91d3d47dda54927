// Mobile top-up, transaction 241 (PROTOCOL.md): the branch query (group 30), the values query (31) and the
// top-up paid in cash (11) or with a debit card (10). The scenario's "recarga.redes" lists each network's
// branches, the DDDs (regions) each serves and its values: a plain list (fixed values with their bonus, a
// free range, a tariff) or a catalogue (fixed values and ranges with bonus, cost, validity, a value key and a
// category). A network's branch reply for a region whose branches have catalogues carries the catalogue
// switch "VRSREC:". A top-up is refused for a branch the network does not have there, a value outside the
// branch's values, a tariff or value key that does not match; an approval takes the next NSU, draws a debit
// on the card's account and answers the top-up record in service A with a receipt in service I.
#include "Contas.h"
#include "Servidor.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace cbserver {

using contas::Dinheiro;

namespace {

std::string Texto(const QJsonObject& o, const char* chave) {
    return Latin1(o.value(QLatin1String(chave)).toString());
}

// Cents of a digit text; 0 when blank, -1 when it is not a number.
long long Centavos(const std::string& s) {
    const size_t i = s.find_first_not_of(' ');
    if (i == std::string::npos) return 0;
    const std::string t = s.substr(i, s.find_last_not_of(' ') - i + 1);
    if (t.size() > 15 || t.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoll(t);
}

std::string Esquerda(std::string s, size_t largura) {
    s.resize(largura, ' ');
    return s;
}

std::string Zeros(long long v, size_t largura) {
    std::string s = std::to_string(std::max(0LL, v));
    return s.size() >= largura ? s.substr(s.size() - largura) : std::string(largura - s.size(), '0') + s;
}

int Inteiro(const std::string& s) {
    const long long v = Centavos(s);
    return v < 0 || v > 99999 ? -1 : static_cast<int>(v);
}

// An entry of a catalogue as the module reads it (PROTOCOL.md): a fixed value, or a range with its bounds
// in front.
std::string EntradaCatalogo(const QJsonObject& e, bool faixa) {
    const auto num = [&](const char* chave, size_t largura) {
        const std::string v = Texto(e, chave);
        return v.empty() ? std::string(largura, ' ') : Zeros(Centavos(v), largura);
    };
    std::string r = faixa ? num("minimo", 11) + num("maximo", 11) : num("valor", 11);
    r += num("bonus", 11) + num("custo", 11) + num("validade", 4) + Esquerda(Texto(e, "info"), 101) +
         num("sms", 5) + num("pontos", 11) + Esquerda(Texto(e, "chave"), 11) + num("porcentagem", 11) +
         num("validadeBonus", 4) + Esquerda(Texto(e, "categoria"), 3) + Esquerda(Texto(e, "tipoBonus"), 3);
    return r;
}

std::string Contagem2(size_t n) {
    return Zeros(static_cast<long long>(n), 2);
}

struct Filial {
    QJsonObject json;
    std::string codigo;
};

} // namespace

cbwire::Resposta Servidor::Recarga(const cbwire::Pedido& pedido) {
    const std::string grupo = Valor(pedido, 10103);
    const std::string rede = Valor(pedido, 1205);
    const QJsonArray redes =
        cenario_.raiz.value(QStringLiteral("recarga")).toObject().value(QStringLiteral("redes")).toArray();
    QJsonObject redeJson;
    for (const QJsonValue& v : redes)
        if (Texto(v.toObject(), "codigo") == rede) redeJson = v.toObject();
    if (redeJson.isEmpty())
        return Recusa("57", Latin1(QStringLiteral("Rede de recarga %1 não prevista no cenário")
                                       .arg(QString::fromLatin1(rede.c_str()))));
    const bool bradesco = rede == "805";
    const int ddd = Inteiro(Valor(pedido, 1038));
    // The network's branches that serve the customer's DDD.
    std::vector<Filial> filiais;
    for (const QJsonValue& v : redeJson.value(QStringLiteral("filiais")).toArray()) {
        const QJsonObject f = v.toObject();
        bool atende = false;
        for (const QJsonValue& d : f.value(QStringLiteral("ddds")).toArray())
            atende = atende || Inteiro(Latin1(d.toString())) == ddd;
        if (atende) filiais.push_back({f, Texto(f, "codigo")});
    }
    if (filiais.empty()) return Recusa("14", Latin1(QStringLiteral("DDD não atendido pela rede")));

    cbwire::Resposta r;
    r.codigo = "00";
    if (grupo == "30") {
        std::string lista =
            bradesco ? Zeros(static_cast<long long>(filiais.size()), 3) : Contagem2(filiais.size());
        bool catalogo = false;
        for (const Filial& f : filiais) {
            catalogo = catalogo || f.json.contains(QStringLiteral("catalogo"));
            lista += bradesco ? Esquerda(f.codigo, 5) + Esquerda(Texto(f.json, "nome"), 50) +
                                    Esquerda(Texto(f.json, "uf"), 2)
                              : Esquerda(Texto(f.json, "nome"), 20) +
                                    Esquerda(Texto(f.json, "qualificador"), 3) + Esquerda(f.codigo, 5);
        }
        r.mensagem = Latin1(QStringLiteral("Filiais consultadas"));
        r.servicos.emplace_back(bradesco ? 'A' : 'B', std::vector<std::string>{lista});
        // Only Corban OS sells from catalogues.
        if (catalogo && rede == "810")
            r.servicos.emplace_back('5', std::vector<std::string>{"VRSREC:" + Texto(redeJson, "vrsrec")});
        return r;
    }

    const std::string codigo = Valor(pedido, 1253);
    const auto filial = std::find_if(filiais.begin(), filiais.end(),
                                     [&](const Filial& f) { return !codigo.empty() && f.codigo == codigo; });
    if (filial == filiais.end()) return Recusa("14", Latin1(QStringLiteral("Filial desconhecida")));
    const QJsonObject& f = filial->json;
    const QJsonObject catalogo = f.value(QStringLiteral("catalogo")).toObject();
    const QJsonObject valores = f.value(QStringLiteral("valores")).toObject();

    if (grupo == "31") {
        // The payment methods ("1" at 25 cash, 26 cheque, 27 debit, 28 credit) and the debit's account types.
        const std::string formas = f.contains(QStringLiteral("formas")) ? Texto(f, "formas") : "1010";
        r.hRegistros.push_back("14" + Esquerda("FORMAS PAGTO RECARGA", 22) + rede + Esquerda(formas, 4) +
                               "000");
        r.hRegistros.push_back("15" + Esquerda("TIPO CONTA DEB RECARGA", 22) + rede + "11000" +
                               std::string(11, '0'));
        for (const auto& [g, p] : cenario_.parametros)
            if (g == "1")
                for (const std::string& h : p.h)
                    if (h.starts_with("16") || h.starts_with("17")) r.hRegistros.push_back(h);
        r.mensagem = Latin1(QStringLiteral("Valores consultados"));
        if (!catalogo.isEmpty()) {
            std::string q = "017D";
            for (const char* lista : {"fixos", "faixas"}) {
                const QJsonArray a = catalogo.value(QLatin1String(lista)).toArray();
                q += Contagem2(static_cast<size_t>(a.size()));
                for (const QJsonValue& e : a)
                    q += EntradaCatalogo(e.toObject(), std::string(lista) == "faixas");
            }
            const QJsonArray categorias = catalogo.value(QStringLiteral("categorias")).toArray();
            q += Contagem2(static_cast<size_t>(categorias.size()));
            for (const QJsonValue& c : categorias)
                q += Esquerda(Texto(c.toObject(), "codigo"), 3) + Esquerda(Texto(c.toObject(), "nome"), 50);
            const QJsonArray oferecidas = catalogo.value(QStringLiteral("oferecidas")).toArray();
            q += Contagem2(static_cast<size_t>(oferecidas.size()));
            for (const QJsonValue& c : oferecidas)
                q += Esquerda(Latin1(c.toString()), 3) + std::string(50, ' ');
            r.servicos.emplace_back('Q', std::vector<std::string>{q});
            return r;
        }
        const QJsonArray fixos = valores.value(QStringLiteral("fixos")).toArray();
        const auto doze = [&](const char* chave) {
            const std::string v = Texto(valores, chave);
            return v.empty() ? std::string(12, ' ') : Zeros(Centavos(v), 12);
        };
        std::string texto;
        if (bradesco) {
            texto = doze("minimo") + doze("maximo") + doze("tarifa") +
                    Contagem2(static_cast<size_t>(fixos.size()));
            for (const QJsonValue& v : fixos)
                texto += Zeros(Centavos(Texto(v.toObject(), "valor")), 12);
        } else {
            texto = std::string(128, ' ') + Contagem2(static_cast<size_t>(fixos.size()));
            for (const QJsonValue& v : fixos) {
                const std::string bonus = Texto(v.toObject(), "bonus");
                texto += Zeros(Centavos(Texto(v.toObject(), "valor")), 12) +
                         (bonus.empty() ? std::string(12, ' ') : Zeros(Centavos(bonus), 12));
            }
            texto += " " + doze("minimo") + doze("maximo");
        }
        r.servicos.emplace_back(bradesco ? 'A' : rede == "810" ? 'B' : 'C', std::vector<std::string>{texto});
        return r;
    }

    if (grupo != "11" && grupo != "10")
        return Recusa("57", Latin1(QStringLiteral("Operação de recarga %1 não prevista")
                                       .arg(QString::fromLatin1(grupo.c_str()))));
    const long long valor = Centavos(Valor(pedido, 1003));
    const long long tarifa = Centavos(Valor(pedido, 1256));
    if (valor <= 0) return Recusa("13", Latin1(QStringLiteral("Valor da recarga inválido")));
    // The value must be one the branch sells, with its tariff (or cost) and, in a catalogue, its key.
    long long tarifaDevida = 0;
    bool aceito = false;
    if (!catalogo.isEmpty()) {
        const std::string chave = Valor(pedido, 10332);
        for (const char* lista : {"fixos", "faixas"})
            for (const QJsonValue& v : catalogo.value(QLatin1String(lista)).toArray()) {
                const QJsonObject e = v.toObject();
                const bool faixa = std::string(lista) == "faixas";
                const bool cabe =
                    faixa ? valor >= Centavos(Texto(e, "minimo")) && valor <= Centavos(Texto(e, "maximo"))
                          : valor == Centavos(Texto(e, "valor"));
                if (!aceito && cabe &&
                    Texto(e, "chave") == chave.substr(0, chave.find_last_not_of(' ') + 1)) {
                    aceito = true;
                    tarifaDevida = Centavos(Texto(e, "custo"));
                }
            }
    } else {
        for (const QJsonValue& v : valores.value(QStringLiteral("fixos")).toArray())
            aceito = aceito || valor == Centavos(Texto(v.toObject(), "valor"));
        const long long minimo = Centavos(Texto(valores, "minimo")),
                        maximo = Centavos(Texto(valores, "maximo"));
        aceito = aceito || (maximo > 0 && valor >= minimo && valor <= maximo);
        tarifaDevida = std::max(0LL, Centavos(Texto(valores, "tarifa")));
    }
    if (!aceito) return Recusa("13", Latin1(QStringLiteral("Valor fora dos valores da filial")));
    if (tarifa != tarifaDevida) return Recusa("12", Latin1(QStringLiteral("Tarifa não confere")));
    if (!bradesco && Valor(pedido, 1090).size() != 8 && grupo == "11")
        return Recusa("12", Latin1(QStringLiteral("CEP inválido")));

    std::string meio = "DINHEIRO";
    if (grupo == "10") {
        const CartaoCenario* c = CartaoDoPedido(pedido);
        if (!c) return Recusa("14", Latin1(QStringLiteral("Cartão não cadastrado")));
        if (Valor(pedido, 10146).empty()) return Recusa("55", Latin1(QStringLiteral("Senha não informada")));
        if (c->rede != "805" || c->conta.empty())
            return Recusa("57", Latin1(QStringLiteral("Cartão não aceito para débito neste banco")));
        const long long saldo = SaldoDaConta(c->conta);
        if (valor + tarifa > saldo) return Recusa("51", Latin1(QStringLiteral("Saldo insuficiente")));
        DefineSaldoDaConta(c->conta, saldo - valor - tarifa);
        meio = "DEBITO CARTAO " + c->numero.substr(c->numero.size() - 4);
    }

    const long long nsu = ++cenario_.nsu;
    const QDateTime agora = QDateTime::currentDateTime();
    const std::string telefone =
        Zeros(Centavos(Valor(pedido, 1038)), 3) + Zeros(Centavos(Valor(pedido, 1039)), 11);
    std::string registro = "00" + Latin1(agora.toString(QStringLiteral("MMddhhmmss"))) + Zeros(nsu, 12) +
                           Esquerda(telefone, 15) + Esquerda("AUT" + Zeros(nsu, 17), 20) +
                           std::string(6, ' ') + rede;
    // A branch that answers with a longer record (a newer layout the module does not read).
    if (f.value(QStringLiteral("respostaLonga")).toBool()) registro += std::string(6, ' ');
    r.mensagem = Latin1(QStringLiteral("Recarga efetuada"));
    r.servicos.emplace_back('A', std::vector<std::string>{registro});
    r.servicos.emplace_back(
        'I', std::vector<std::string>{"RECARGA DE CELULAR PRE-PAGO", "FILIAL: " + Texto(f, "nome"),
                                      "TELEFONE: (" + telefone.substr(0, 3) + ")" + telefone.substr(3),
                                      "VALOR: " + Dinheiro(valor), "TARIFA: " + Dinheiro(tarifa), meio,
                                      "NSU: " + std::to_string(nsu)});
    return r;
}

} // namespace cbserver
