// Pague Fácil collections of group 10: the catalogue the module walks (segments 1, states 2, companies 3,
// products 4, entry types 5 with their questions, values 6), each list sent in pages of the scenario's size
// under the page number the request asks for, and the payment (cash 7, debit 8 by card or typed account) of
// the entry whose values were asked last. The bank checks the amount against that entry's range and fee; a
// debit lowers the account's balance. The catalogue is the scenario's "pagueFacil" key (PROTOCOL.md).
#include "Contas.h"
#include "Servidor.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace cbserver {

using contas::Dinheiro;

namespace {

std::string Texto(const QJsonObject& o, const char* chave) {
    return Latin1(o.value(QLatin1String(chave)).toString());
}

long long Centavos(const std::string& s) {
    if (s.empty() || s.size() > 12 || s.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoll(s);
}

// Left-aligned in the width, cut to it.
std::string Campo(const std::string& s, std::size_t largura) {
    std::string r = s.substr(0, largura);
    r.resize(largura, ' ');
    return r;
}

std::string Zeros(long long v, std::size_t largura) {
    std::string s = std::to_string(std::max(0LL, v));
    return s.size() >= largura ? s.substr(s.size() - largura) : std::string(largura - s.size(), '0') + s;
}

// The scenario's list under that key whose member chave equals valor (all of it when chave is null).
std::vector<QJsonObject> Filtra(const QJsonObject& pf, const char* lista, const char* chave,
                                const std::string& valor) {
    std::vector<QJsonObject> r;
    for (const QJsonValue& v : pf.value(QLatin1String(lista)).toArray()) {
        const QJsonObject o = v.toObject();
        if (!chave) {
            r.push_back(o);
            continue;
        }
        // A list member (a state's segments) names each value it belongs to.
        const QJsonValue membro = o.value(QLatin1String(chave));
        bool pertence = false;
        if (membro.isArray()) {
            for (const QJsonValue& m : membro.toArray())
                pertence = pertence || Latin1(m.toString()) == valor;
        } else {
            pertence = Latin1(membro.toString()) == valor;
        }
        if (pertence) r.push_back(o);
    }
    return r;
}

const QJsonObject* EntradaDoCodigo(const std::vector<QJsonObject>& entradas, const std::string& codigo) {
    for (const QJsonObject& e : entradas)
        if (Texto(e, "codigo") == codigo) return &e;
    return nullptr;
}

// An entry type as the module parses it from service X: code, two fields, the continuation flag, code, name
// (20), the number of questions and each question (code 2, label 20, data type, re-typing flag, length).
std::string EntradaX(const QJsonObject& e) {
    const std::string codigo = Campo(Texto(e, "codigo"), 3);
    const QJsonArray perguntas = e.value(QStringLiteral("perguntas")).toArray();
    std::string r = codigo + "00" + "0" + "00" + codigo + Campo(Texto(e, "nome"), 20) +
                    Zeros(static_cast<long long>(perguntas.size()), 2);
    for (const QJsonValue& v : perguntas) {
        const QJsonObject p = v.toObject();
        r += Campo(Texto(p, "codigo"), 2) + Campo(Texto(p, "rotulo"), 20) + Campo(Texto(p, "tipo"), 1) +
             (p.value(QStringLiteral("redigita")).toBool() ? "01" : "00") +
             Zeros(p.value(QStringLiteral("tamanho")).toInt(), 2);
    }
    return r;
}

// A refused values query: the text in service D, which the module shows, and in service M ("@" a line
// break), which it hands to the point of sale.
cbwire::Resposta RecusaValores(const std::string& codigo, const std::string& texto) {
    std::string linha = texto;
    std::replace(linha.begin(), linha.end(), '@', ' ');
    cbwire::Resposta r;
    r.codigo = codigo;
    r.mensagem = linha;
    r.servicos.emplace_back('D', std::vector<std::string>{linha});
    r.servicos.emplace_back('M', std::vector<std::string>{texto});
    return r;
}

} // namespace

cbwire::Resposta Servidor::ConsultaPagueFacil(const cbwire::Pedido& pedido) {
    const QJsonObject pf = cenario_.raiz.value(QStringLiteral("pagueFacil")).toObject();
    if (pf.isEmpty()) return RecusaConta("57", Latin1("Pague Fácil não previsto no cenário"));
    const std::string operacao = Valor(pedido, 10158);
    const std::string paginaTexto = Valor(pedido, 10287);
    const long long pagina = Centavos(paginaTexto);
    if (paginaTexto.size() != 2 || pagina < 1) return RecusaConta("12", Latin1("Página inválida"));

    if (operacao == "5") {
        // Entry types come whole, one X occurrence each: the module reads one entry per occurrence.
        const auto entradas = Filtra(pf, "entradas", "produto", Valor(pedido, 1225));
        if (entradas.empty()) return RecusaConta("25", Latin1("Produto sem entradas"));
        std::vector<std::string> x;
        for (const QJsonObject& e : entradas)
            x.push_back("Q" + EntradaX(e));
        cbwire::Resposta r;
        r.codigo = "00";
        r.servicos.emplace_back('X', std::move(x));
        return r;
    }

    // The entry whose values are asked (operation 6), kept for its confirmation lines.
    const auto todas = Filtra(pf, "entradas", nullptr, {});
    const QJsonObject* entrada = nullptr;
    std::string tipo, valores;
    std::vector<std::pair<std::string, std::string>> itens; // code and name, already at their widths
    if (operacao == "6") {
        const std::string codigo = Valor(pedido, 1061);
        const QJsonObject* e = entrada = EntradaDoCodigo(todas, codigo);
        if (!e) return RecusaValores("25", Latin1("Entrada não cadastrada"));
        const std::string recusa = Texto(*e, "recusaValores");
        if (!recusa.empty()) return RecusaValores("05", recusa);
        // The payment that follows is checked against this entry.
        cenario_.estado["pf.entrada"] = codigo;
        tipo = "06";
        valores = Zeros(Centavos(Texto(*e, "minimo")), 12) + Zeros(Centavos(Texto(*e, "maximo")), 12) +
                  Zeros(Centavos(Texto(*e, "tarifa")), 12);
        QJsonArray lista = e->value(QStringLiteral("valores")).toArray();
        // A page always holds one value at least: the minimum stands for a range with no suggestion.
        if (lista.isEmpty()) lista.append(e->value(QStringLiteral("minimo")));
        for (const QJsonValue& v : lista)
            itens.emplace_back(Zeros(Centavos(Latin1(v.toString())), 12), "");
    } else {
        struct Nivel {
            const char* op;
            const char* tipo;
            const char* lista;
            const char* filtro; // member that names the request's choice, null for none
            int campo;
            std::size_t largura;
        };
        static constexpr Nivel kNiveis[] = {{"1", "01", "segmentos", nullptr, 0, 3},
                                            {"2", "02", "ufs", "segmentos", 1323, 2},
                                            {"3", "03", "empresas", "uf", 1324, 5},
                                            {"4", "04", "produtos", "empresa", 1315, 5}};
        const auto nivel = std::find_if(std::begin(kNiveis), std::end(kNiveis),
                                        [&](const Nivel& n) { return operacao == n.op; });
        if (nivel == std::end(kNiveis)) return RecusaConta("12", Latin1("Consulta Pague Fácil desconhecida"));
        tipo = nivel->tipo;
        for (const QJsonObject& o : Filtra(pf, nivel->lista, nivel->filtro,
                                           nivel->campo ? Valor(pedido, nivel->campo) : std::string()))
            itens.emplace_back(Campo(Texto(o, "codigo"), nivel->largura), Campo(Texto(o, "nome"), 40));
        if (itens.empty()) return RecusaConta("25", Latin1("Nenhum item para a escolha feita"));
    }

    const long long porPagina = std::max(1, pf.value(QStringLiteral("itensPorPagina")).toInt(10));
    const long long inicio = (pagina - 1) * porPagina;
    const auto total = static_cast<long long>(itens.size());
    if (inicio >= total) return RecusaConta("12", Latin1("Página inválida"));
    const long long fim = std::min(total, inicio + porPagina);
    std::string q =
        "028" + Zeros(pagina, 2) + (fim < total ? "1" : "0") + tipo + valores + Zeros(fim - inicio, 2);
    for (long long i = inicio; i < fim; ++i)
        q += itens[static_cast<std::size_t>(i)].first + itens[static_cast<std::size_t>(i)].second;
    cbwire::Resposta r;
    r.codigo = "00";
    r.servicos.emplace_back('Q', std::vector<std::string>{q});
    if (entrada) {
        std::vector<std::string> linhas;
        for (const QJsonValue& v : entrada->value(QStringLiteral("confirmacao")).toArray())
            linhas.push_back(Latin1(v.toString()));
        if (!linhas.empty()) r.servicos.emplace_back('I', std::move(linhas));
    }
    return r;
}

cbwire::Resposta Servidor::PagamentoPagueFacil(const cbwire::Pedido& pedido) {
    const QJsonObject pf = cenario_.raiz.value(QStringLiteral("pagueFacil")).toObject();
    if (pf.isEmpty()) return RecusaConta("57", Latin1("Pague Fácil não previsto no cenário"));
    const auto entradas = Filtra(pf, "entradas", nullptr, {});
    const auto consultada = cenario_.estado.find("pf.entrada");
    const std::string codigo = consultada == cenario_.estado.end() ? std::string() : consultada->second;
    const QJsonObject* e = EntradaDoCodigo(entradas, codigo);
    if (!e) return RecusaConta("12", Latin1("Pagamento sem consulta de valores"));
    const long long valor = Centavos(Valor(pedido, 1003));
    const long long minimo = Centavos(Texto(*e, "minimo"));
    const long long maximo = Centavos(Texto(*e, "maximo"));
    if (valor <= 0 || (minimo > 0 && valor < minimo) || (maximo > 0 && valor > maximo))
        return RecusaConta("13", Latin1("Valor fora da faixa da entrada"));
    const long long tarifa = std::max(0LL, Centavos(Texto(*e, "tarifa")));
    if (Centavos(Valor(pedido, 1256)) != tarifa) return RecusaConta("13", Latin1("Tarifa não confere"));
    const std::string recusa = Texto(*e, "recusaPagamento");
    if (!recusa.empty()) return RecusaConta("05", recusa);

    const std::string operacao = Valor(pedido, 10158);
    const bool grupo = Valor(pedido, 10103) == "10" ||
                       std::any_of(pedido.itens.begin(), pedido.itens.end(),
                                   [](const cbwire::Item& i) { return i.campo == 0 && i.valor == "10"; });
    if (!grupo) return RecusaConta("57", Latin1("Pagamento fora do grupo Pague Fácil"));
    std::string conta;
    if (operacao == "8") {
        if (Valor(pedido, 10134) == "2") {
            const auto c = contas::ContaDaChave(cenario_.raiz, Valor(pedido, 10290));
            if (!c) return RecusaConta("14", Latin1("Conta não cadastrada"));
            conta = c->conta;
        } else {
            const CartaoCenario* c = CartaoDoPedido(pedido);
            if (!c) return RecusaConta("14", Latin1("Cartão não cadastrado"));
            if (c->conta.empty()) return RecusaConta("57", Latin1("Cartão sem conta para débito"));
            conta = c->conta;
        }
        if (Valor(pedido, 10146).empty()) return RecusaConta("55", Latin1("Senha não informada"));
        const long long saldo = SaldoDaConta(conta);
        if (valor + tarifa > saldo) return RecusaConta("51", Latin1("Saldo insuficiente"));
        DefineSaldoDaConta(conta, saldo - valor - tarifa);
    }
    // A payment closes its values query: another one needs the values asked again.
    cenario_.estado.erase("pf.entrada");
    const std::string nsu = std::to_string(++cenario_.nsu);
    RegistraMovimento(nsu, {"PF." + operacao, conta, valor + tarifa, codigo});
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1("Pagamento efetuado");
    r.servicos.emplace_back('I', std::vector<std::string>{"PAGUE FACIL", Texto(*e, "nome"),
                                                          "VALOR: " + Dinheiro(valor),
                                                          "TARIFA: " + Dinheiro(tarifa), "NSU: " + nsu});
    return r;
}

} // namespace cbserver
