// The service basket: the catalogue of baskets, the basket each customer has now, and its change.
#include "Servidor.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

namespace cbserver {

namespace {

struct Produto {
    std::string codigo;
    std::string descricao;
    std::string tarifa; // monthly fee in cents
};

std::vector<Produto> Produtos(const QJsonObject& raiz) {
    std::vector<Produto> lista;
    const QJsonArray a =
        raiz.value(QStringLiteral("cestas")).toObject().value(QStringLiteral("produtos")).toArray();
    for (const QJsonValue& v : a) {
        const QJsonObject o = v.toObject();
        const auto l1 = [&](const char* chave) {
            const QByteArray b = o.value(QLatin1String(chave)).toString().toLatin1();
            return std::string(b.constData(), static_cast<size_t>(b.size()));
        };
        if (!l1("codigo").empty()) lista.push_back({l1("codigo"), l1("descricao"), l1("tarifa")});
    }
    return lista;
}

// One basket as a service-5 element: the code, the name after "dHost=" and the fee, each ended by ",".
std::string Elemento(const std::string& prefixo, const Produto& p) {
    return prefixo + "cod=" + p.codigo + ",dHost=" + p.descricao + ",tarifa=" + p.tarifa + ",";
}

} // namespace

// The customer is the scenario card whose number starts one of the values the request carries (the card data
// in 10104, or the account key in 10290 that the dialogs fill from the card).
static const CartaoCenario* ClienteDoPedido(const std::vector<CartaoCenario>& cartoes,
                                            const cbwire::Pedido& p) {
    for (const auto& item : p.itens)
        for (const auto& c : cartoes)
            if (!c.numero.empty() && item.valor.compare(0, c.numero.size(), c.numero) == 0) return &c;
    return nullptr;
}

cbwire::Resposta Servidor::ConsultaCestaServicos(const cbwire::Pedido& pedido) {
    const auto produtos = Produtos(cenario_.raiz);
    if (produtos.empty())
        return Recusa("57", Latin1(QStringLiteral("Cesta de serviços não prevista no cenário")));
    const CartaoCenario* c = ClienteDoPedido(cenario_.cartoes, pedido);
    // Mode "1" asks which products a transaction may be charged to, whoever the customer; mode "2" asks for
    // the customer's own basket.
    const bool doCliente = ValorDoPedido(pedido, 10261) != "1";
    if (!c && doCliente) return Recusa("14", Latin1(QStringLiteral("Cliente não identificado")));
    std::string atual = c ? cenario_.estado["cesta." + c->numero] : std::string();
    if (c && atual.empty()) {
        const QJsonObject a = cenario_.raiz.value(QStringLiteral("cestas"))
                                  .toObject()
                                  .value(QStringLiteral("atual"))
                                  .toObject();
        atual = a.value(QString::fromStdString(c->numero)).toString().toStdString();
    }
    cbwire::Resposta r;
    r.codigo = "00";
    std::vector<std::string> itens;
    int n = 0;
    for (const auto& p : produtos) {
        if (p.codigo == atual)
            itens.insert(itens.begin(), Elemento("PRODX:", p));
        else
            itens.push_back(Elemento("PROD" + std::to_string(++n) + ":", p));
    }
    r.servicos.emplace_back('5', std::move(itens));
    return r;
}

cbwire::Resposta Servidor::AlteracaoCestaServicos(const cbwire::Pedido& pedido) {
    const CartaoCenario* c = CartaoDoPedido(pedido);
    if (!c) return Recusa("14", Latin1(QStringLiteral("Cartão não cadastrado")));
    const auto bloco = ValorDoPedido(pedido, 10146);
    if (!bloco || bloco->empty()) return Recusa("55", Latin1(QStringLiteral("Senha não informada")));
    const auto novo = ValorDoPedido(pedido, 10294).value_or("");
    const auto produtos = Produtos(cenario_.raiz);
    const Produto* escolhido = nullptr;
    for (const auto& p : produtos)
        if (p.codigo == novo) escolhido = &p;
    if (!escolhido) return Recusa("12", Latin1(QStringLiteral("Cesta de serviços inexistente")));
    std::string& atual = cenario_.estado["cesta." + c->numero];
    if (atual.empty())
        atual = cenario_.raiz.value(QStringLiteral("cestas"))
                    .toObject()
                    .value(QStringLiteral("atual"))
                    .toObject()
                    .value(QString::fromStdString(c->numero))
                    .toString()
                    .toStdString();
    if (atual == novo) return Recusa("57", Latin1(QStringLiteral("Cliente já possui esta cesta")));
    atual = novo;
    const int nsu = ++cenario_.nsu;
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Cesta de serviços alterada"));
    r.servicos.emplace_back(
        'I', std::vector<std::string>{Latin1(QStringLiteral("ALTERACAO DE CESTA DE SERVICOS")),
                                      "NOVA CESTA: " + escolhido->descricao, "NSU: " + std::to_string(nsu)});
    return r;
}

} // namespace cbserver
