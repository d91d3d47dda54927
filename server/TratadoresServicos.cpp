// Services of the "other functions" and administrative menus: the INSS benefit card (PIN revalidation, the
// dates of the credit statements and a statement), the second copy of a debit card and the reprint of a
// Fininvest receipt. Each reads its own keys of the scenario (PROTOCOL.md) when a request comes, so a
// scenario without them loads and the request is refused with a text that names what is missing.
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

namespace {

struct Demonstrativo {
    std::string data; // DDMMYYYY, as field 10165 carries it
    std::vector<std::string> linhas;
};

struct BeneficioINSS {
    std::string cartao;
    std::string nb;
    std::string titular;
    std::string situacao;
    std::vector<Demonstrativo> demonstrativos;
};

struct RegrasSegundaVia {
    std::map<std::string, std::string> motivos; // code sent in 10102 to the text printed
    std::string tarifa;                         // cents
    int prazoEntregaDias = 0;
};

struct ComprovanteFininvest {
    std::string nsu;
    std::string data; // DDMMYYYY
    std::vector<std::string> linhas;
};

// A scenario key that is missing or does not have the shape the handler needs; the text says which.
struct Falta {
    std::string texto;
};

// A text of the scenario; false when it is not a string of Latin-1 characters.
bool Texto(const QJsonValue& v, std::string& saida) {
    if (!v.isString()) return false;
    const QString s = v.toString();
    if (std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() > 0xFF; })) return false;
    saida = Latin1(s);
    return true;
}

bool Linhas(const QJsonValue& v, std::vector<std::string>& saida) {
    if (!v.isArray()) return false;
    for (const QJsonValue& l : v.toArray()) {
        std::string s;
        if (!Texto(l, s)) return false;
        saida.push_back(std::move(s));
    }
    return true;
}

Falta Malformado(const QString& onde) {
    return {Latin1(QStringLiteral("Cenário com %1 malformado").arg(onde))};
}

// "beneficiosINSS": [{cartao, nb, titular, situacao, demonstrativos: [{data, linhas}]}].
std::variant<std::vector<BeneficioINSS>, Falta> LeBeneficios(const QJsonObject& raiz) {
    const QJsonValue v = raiz.value(QStringLiteral("beneficiosINSS"));
    if (v.isUndefined()) return Falta{Latin1(QStringLiteral("Benefícios INSS não previstos no cenário"))};
    if (!v.isArray()) return Malformado(QStringLiteral("beneficiosINSS"));
    std::vector<BeneficioINSS> lista;
    const QJsonArray a = v.toArray();
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString onde = QStringLiteral("beneficiosINSS[%1]").arg(i);
        const QJsonObject o = a.at(i).toObject();
        BeneficioINSS b;
        b.situacao = "ativo";
        if (!Texto(o.value(QStringLiteral("cartao")), b.cartao) ||
            !Texto(o.value(QStringLiteral("nb")), b.nb) ||
            !Texto(o.value(QStringLiteral("titular")), b.titular) ||
            (o.contains(QStringLiteral("situacao")) &&
             !Texto(o.value(QStringLiteral("situacao")), b.situacao)))
            return Malformado(onde);
        const QJsonValue d = o.value(QStringLiteral("demonstrativos"));
        if (!d.isUndefined() && !d.isArray()) return Malformado(onde + QStringLiteral(".demonstrativos"));
        for (const QJsonValue& e : d.toArray()) {
            Demonstrativo dem;
            const QJsonObject od = e.toObject();
            if (!Texto(od.value(QStringLiteral("data")), dem.data) || dem.data.size() != 8 ||
                !Linhas(od.value(QStringLiteral("linhas")), dem.linhas))
                return Malformado(onde + QStringLiteral(".demonstrativos"));
            b.demonstrativos.push_back(std::move(dem));
        }
        lista.push_back(std::move(b));
    }
    return lista;
}

// "segundaViaCartaoDebito": {motivos: {code: text}, tarifa, prazoEntregaDias}.
std::variant<RegrasSegundaVia, Falta> LeRegrasSegundaVia(const QJsonObject& raiz) {
    const QJsonValue v = raiz.value(QStringLiteral("segundaViaCartaoDebito"));
    if (v.isUndefined())
        return Falta{Latin1(QStringLiteral("Pedido de 2ª via de cartão de débito não previsto no cenário"))};
    const QJsonObject o = v.toObject();
    RegrasSegundaVia r;
    const QJsonObject motivos = o.value(QStringLiteral("motivos")).toObject();
    for (auto it = motivos.begin(); it != motivos.end(); ++it) {
        std::string texto;
        if (!Texto(it.value(), texto)) return Malformado(QStringLiteral("segundaViaCartaoDebito.motivos"));
        r.motivos.emplace(Latin1(it.key()), std::move(texto));
    }
    r.prazoEntregaDias = o.value(QStringLiteral("prazoEntregaDias")).toInt(-1);
    if (!v.isObject() || r.motivos.empty() || !Texto(o.value(QStringLiteral("tarifa")), r.tarifa) ||
        r.prazoEntregaDias < 0)
        return Malformado(QStringLiteral("segundaViaCartaoDebito"));
    return r;
}

// "reimpressoesFininvest": [{nsu, data, linhas}].
std::variant<std::vector<ComprovanteFininvest>, Falta> LeComprovantesFininvest(const QJsonObject& raiz) {
    const QJsonValue v = raiz.value(QStringLiteral("reimpressoesFininvest"));
    if (v.isUndefined())
        return Falta{Latin1(QStringLiteral("Reimpressão Fininvest não prevista no cenário"))};
    if (!v.isArray()) return Malformado(QStringLiteral("reimpressoesFininvest"));
    std::vector<ComprovanteFininvest> lista;
    for (const QJsonValue& e : v.toArray()) {
        const QJsonObject o = e.toObject();
        ComprovanteFininvest c;
        if (!Texto(o.value(QStringLiteral("nsu")), c.nsu) ||
            !Texto(o.value(QStringLiteral("data")), c.data) ||
            !Linhas(o.value(QStringLiteral("linhas")), c.linhas))
            return Malformado(QStringLiteral("reimpressoesFininvest"));
        lista.push_back(std::move(c));
    }
    return lista;
}

// The card number that a value carries: a track ("number=YYMM...", or 'D' as the separator in a chip's
// track image) or the bare number.
std::string NumeroDe(const std::string& valor) {
    return valor.substr(0, valor.find_first_of("=D"));
}

const CartaoCenario* CartaoDoNumero(const std::vector<CartaoCenario>& cartoes, const std::string& numero) {
    if (numero.empty()) return nullptr;
    for (const auto& c : cartoes)
        if (c.numero == numero) return &c;
    return nullptr;
}

const BeneficioINSS* BeneficioDoCartao(const std::vector<BeneficioINSS>& lista, const CartaoCenario& c) {
    for (const auto& b : lista)
        if (b.cartao == c.numero) return &b;
    return nullptr;
}

// Numbers compared as numbers: "000123" is NSU 123.
std::string SemZerosAEsquerda(const std::string& s) {
    const auto i = s.find_first_not_of('0');
    return i == std::string::npos ? std::string() : s.substr(i);
}

bool Digitos(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Receipts never show a whole card number: the last four digits only.
std::string Mascarado(const std::string& numero) {
    const size_t n = numero.size();
    return n <= 4 ? numero : std::string(n - 4, '*') + numero.substr(n - 4);
}

std::string DataFormatada(const std::string& ddmmaaaa) {
    if (ddmmaaaa.size() != 8) return ddmmaaaa;
    return ddmmaaaa.substr(0, 2) + '/' + ddmmaaaa.substr(2, 2) + '/' + ddmmaaaa.substr(4);
}

std::string Dinheiro(const std::string& centavos) {
    std::string d = SemZerosAEsquerda(centavos);
    while (d.size() < 3)
        d.insert(d.begin(), '0');
    return "R$ " + d.substr(0, d.size() - 2) + ',' + d.substr(d.size() - 2);
}

} // namespace

cbwire::Resposta Servidor::RevalidacaoSenhaINSS(const cbwire::Pedido& pedido) {
    const auto lidos = LeBeneficios(cenario_.raiz);
    if (const auto* f = std::get_if<Falta>(&lidos)) return Recusa("57", f->texto);
    const auto& beneficios = std::get<std::vector<BeneficioINSS>>(lidos);
    // The card travels as its number in 10290; the PIN typed on the PIN pad shows as its key serial number.
    const CartaoCenario* c = CartaoDoNumero(cenario_.cartoes, NumeroDe(Valor(pedido, 10290)));
    if (!c) return Recusa("14", Latin1(QStringLiteral("Cartão não cadastrado")));
    if (Valor(pedido, 10243).empty()) return Recusa("55", Latin1(QStringLiteral("Senha não informada")));
    const BeneficioINSS* b = BeneficioDoCartao(beneficios, *c);
    if (!b) return Recusa("57", Latin1(QStringLiteral("Cartão não é de benefício INSS")));
    if (Valor(pedido, 10167) != b->nb)
        return Recusa("12", Latin1(QStringLiteral("Número do benefício não confere com o cartão")));
    if (b->situacao != "ativo")
        return Recusa("62",
                      Latin1(QStringLiteral("Benefício ")) + b->situacao + Latin1(", senha não revalidada"));
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Senha do cartão INSS revalidada"));
    r.servicos.emplace_back('I', std::vector<std::string>{"REVALIDACAO DE SENHA - CARTAO INSS",
                                                          "CARTAO: " + Mascarado(c->numero), "NB: " + b->nb,
                                                          "TITULAR: " + b->titular, "SENHA REVALIDADA",
                                                          "NSU: " + std::to_string(++cenario_.nsu)});
    return r;
}

cbwire::Resposta Servidor::PedidoCartaoDebito(const cbwire::Pedido& pedido) {
    const auto lidas = LeRegrasSegundaVia(cenario_.raiz);
    if (const auto* f = std::get_if<Falta>(&lidas)) return Recusa("57", f->texto);
    const auto& regras = std::get<RegrasSegundaVia>(lidas);
    const CartaoCenario* c = CartaoDoNumero(cenario_.cartoes, NumeroDe(Valor(pedido, 10290)));
    if (!c) return Recusa("14", Latin1(QStringLiteral("Cartão não cadastrado")));
    if (Valor(pedido, 10146).empty()) return Recusa("55", Latin1(QStringLiteral("Senha não informada")));
    if (c->conta.empty())
        return Recusa("57", Latin1(QStringLiteral("Cartão sem conta de débito neste banco")));
    const auto motivo = regras.motivos.find(Valor(pedido, 10102));
    if (motivo == regras.motivos.end())
        return Recusa("12", Latin1(QStringLiteral("Motivo do pedido não aceito")));
    // One request per card: a second one while the first is being made is refused.
    std::string& pedidoFeito = cenario_.estado["segundaVia." + c->numero];
    if (!pedidoFeito.empty())
        return Recusa("57", Latin1(QStringLiteral("Já existe pedido de 2ª via para este cartão (NSU ")) +
                                pedidoFeito + ")");
    pedidoFeito = std::to_string(++cenario_.nsu);
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Pedido de 2ª via registrado"));
    r.servicos.emplace_back(
        'I', std::vector<std::string>{
                 "PEDIDO DE 2A VIA DE CARTAO DE DEBITO", "CARTAO: " + Mascarado(c->numero),
                 "CONTA: " + c->conta, "MOTIVO: " + motivo->second, "TARIFA: " + Dinheiro(regras.tarifa),
                 "ENTREGA EM ATE " + std::to_string(regras.prazoEntregaDias) + " DIAS UTEIS",
                 "NSU: " + pedidoFeito});
    return r;
}

cbwire::Resposta Servidor::DatasDemonstrativo(const cbwire::Pedido& pedido) {
    const auto lidos = LeBeneficios(cenario_.raiz);
    if (const auto* f = std::get_if<Falta>(&lidos)) return Recusa("57", f->texto);
    const CartaoCenario* c = CartaoDoNumero(cenario_.cartoes, NumeroDe(Valor(pedido, 10290)));
    if (!c) return Recusa("14", Latin1(QStringLiteral("Cartão não cadastrado")));
    const BeneficioINSS* b = BeneficioDoCartao(std::get<std::vector<BeneficioINSS>>(lidos), *c);
    if (!b) return Recusa("57", Latin1(QStringLiteral("Cartão não é de benefício INSS")));
    if (b->demonstrativos.empty())
        return Recusa("25", Latin1(QStringLiteral("Nenhum demonstrativo disponível para o benefício")));
    // A query: the dates go back as service-5 elements, most recent first as the scenario lists them.
    std::vector<std::string> datas;
    for (const auto& d : b->demonstrativos)
        datas.push_back("DTDEM:" + d.data);
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Demonstrativos disponíveis"));
    r.servicos.emplace_back('5', std::move(datas));
    return r;
}

cbwire::Resposta Servidor::DemonstrativoCredito(const cbwire::Pedido& pedido) {
    const auto lidos = LeBeneficios(cenario_.raiz);
    if (const auto* f = std::get_if<Falta>(&lidos)) return Recusa("57", f->texto);
    const CartaoCenario* c = CartaoDoPedido(pedido);
    if (!c) return Recusa("14", Latin1(QStringLiteral("Cartão não cadastrado")));
    if (Valor(pedido, 10146).empty()) return Recusa("55", Latin1(QStringLiteral("Senha não informada")));
    const BeneficioINSS* b = BeneficioDoCartao(std::get<std::vector<BeneficioINSS>>(lidos), *c);
    if (!b) return Recusa("57", Latin1(QStringLiteral("Cartão não é de benefício INSS")));
    const std::string data = Valor(pedido, 10165);
    const auto d = std::find_if(b->demonstrativos.begin(), b->demonstrativos.end(),
                                [&](const Demonstrativo& x) { return x.data == data; });
    if (d == b->demonstrativos.end())
        return Recusa("25", Latin1(QStringLiteral("Demonstrativo não disponível para a data ")) +
                                DataFormatada(data));
    std::vector<std::string> linhas{"DEMONSTRATIVO DE CREDITO DE BENEFICIO", "NB: " + b->nb,
                                    "TITULAR: " + b->titular, "DATA DO CREDITO: " + DataFormatada(d->data)};
    linhas.insert(linhas.end(), d->linhas.begin(), d->linhas.end());
    linhas.push_back("NSU: " + std::to_string(++cenario_.nsu));
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Demonstrativo de crédito emitido"));
    r.servicos.emplace_back('I', std::move(linhas));
    return r;
}

cbwire::Resposta Servidor::ReimpressaoFininvest(const cbwire::Pedido& pedido) {
    const auto lidos = LeComprovantesFininvest(cenario_.raiz);
    if (const auto* f = std::get_if<Falta>(&lidos)) return Recusa("57", f->texto);
    const std::string nsu = Valor(pedido, 10102);
    const std::string data = Valor(pedido, 1112);
    if (!Digitos(nsu)) return Recusa("12", Latin1(QStringLiteral("NSU do comprovante inválido")));
    for (const auto& c : std::get<std::vector<ComprovanteFininvest>>(lidos)) {
        if (SemZerosAEsquerda(c.nsu) != SemZerosAEsquerda(nsu) || c.data != data) continue;
        std::vector<std::string> linhas{"*** REIMPRESSAO ***"};
        linhas.insert(linhas.end(), c.linhas.begin(), c.linhas.end());
        linhas.push_back("NSU ORIGINAL: " + c.nsu + " DE " + DataFormatada(c.data));
        linhas.push_back("NSU: " + std::to_string(++cenario_.nsu));
        cbwire::Resposta r;
        r.codigo = "00";
        r.mensagem = Latin1(QStringLiteral("Reimpressão efetuada"));
        r.servicos.emplace_back('I', std::move(linhas));
        return r;
    }
    return Recusa("25", Latin1(QStringLiteral("Comprovante não encontrado (NSU ")) + nsu + " de " +
                            DataFormatada(data) + ")");
}

} // namespace cbserver
