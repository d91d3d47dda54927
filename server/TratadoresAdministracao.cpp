// The administrative entry: the closing of the correspondent's settlement (82), with the day's settled total,
// and the restoration of the credit limits of approved payments (197, its cancellation counterpart 198),
// which the bank confirms once per entry: the same entry again is answered as already restored, so that a
// till that sends it twice (stopped before it could drop the entry from its file) loses nothing.
#include "Contas.h"
#include "Servidor.h"

#include <QDate>
#include <QJsonArray>
#include <QString>

#include <string>

namespace cbserver {

using namespace contas;

cbwire::Resposta Servidor::FechamentoRepasse(const cbwire::Pedido& pedido) {
    const std::string hoje = Latin1(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
    const std::string data = Valor(pedido, 1252);
    if (!data.empty()) {
        const QDate d = QDate::fromString(QString::fromLatin1(data.c_str()), QStringLiteral("yyyyMMdd"));
        if (!d.isValid() || d > QDate::currentDate())
            return Recusa("12", Latin1(QStringLiteral("Data de movimento inválida")));
    }
    // The day's total: every document settled and not cancelled.
    long long total = 0;
    const std::string prefixo = "liquidacao.";
    for (auto i = cenario_.estado.lower_bound(prefixo);
         i != cenario_.estado.end() && i->first.compare(0, prefixo.size(), prefixo) == 0; ++i) {
        const size_t a = i->second.find('|', i->second.find('|') + 1);
        total += std::stoll(i->second.substr(a + 1, i->second.find('|', a + 1) - a - 1));
    }
    const std::string movimento = data.empty() ? hoje : data;
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Fechamento efetuado"));
    r.servicos.emplace_back('A',
                            std::vector<std::string>{"0082" + Numero(total, 12) + movimento + movimento});
    r.servicos.emplace_back('I',
                            std::vector<std::string>{"FECHAMENTO DE REPASSE", "TOTAL: " + Dinheiro(total)});
    return r;
}

cbwire::Resposta Servidor::RestabeleceLimite(const cbwire::Pedido& pedido) {
    const std::string codigo = Valor(pedido, 1041);
    if (Valor(pedido, 10112).empty() || Valor(pedido, 1003).empty() || codigo.empty())
        return Recusa("12", Latin1(QStringLiteral("Restabelecimento sem documento")));
    // Documents whose limit the scenario's bank cannot restore yet.
    const QJsonArray recusados = cenario_.raiz.value(QStringLiteral("restabelecimento"))
                                     .toObject()
                                     .value(QStringLiteral("recusados"))
                                     .toArray();
    for (const auto& v : recusados)
        if (Latin1(v.toString()) == codigo)
            return Recusa("51", Latin1(QStringLiteral("Limite indisponível para restabelecimento")));
    const std::string chave = "restabelecido." + std::to_string(pedido.codigo) + "." + Valor(pedido, 10112) +
                              "|" + Valor(pedido, 1003) + "|" + Valor(pedido, 1040) + "|" + codigo + "|" +
                              Valor(pedido, 1020);
    cbwire::Resposta r;
    r.codigo = "00";
    if (!cenario_.estado.emplace(chave, "1").second) {
        r.mensagem = Latin1(QStringLiteral("Limite já restabelecido"));
        return r;
    }
    r.mensagem = Latin1(QStringLiteral("Limite restabelecido"));
    return r;
}

} // namespace cbserver
