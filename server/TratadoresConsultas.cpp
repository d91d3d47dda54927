// Account queries of group 3: the balance (14) and the statement (13) of an account of "saques.contas", the
// customer identified by the card's track or by the typed account key, and the INSS benefit query (11) by
// benefit number, worker number or the account the benefit is paid into. The balance is the one the
// withdrawals, deposits, transfers and cancellations move; the statement lists the account's "lancamentos" of
// the scenario and the movements approved since the server started. Nothing here changes the bank: every
// approval only takes the next NSU.
#include "Contas.h"
#include "Servidor.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace cbserver {

using contas::Dinheiro;

namespace {

// What 10134 carries when 10290 holds a typed account key instead of the card's track.
constexpr char kContaDigitada[] = "2";
// The most entries a "last entries" statement lists.
constexpr size_t kUltimosLancamentos = 10;
// Operations whose movements a statement names: the deposit credits, the transfer moves between two accounts.
constexpr char kDeposito[] = "30";
constexpr char kTransferencia[] = "29";
// Days a "five-day statement" covers, today included.
constexpr int kDiasExtratoCurto = 5;

struct Lancamento {
    QDate data;
    std::string descricao;
    long long valor = 0; // cents; negative for a debit
};

struct ContaConsulta {
    std::string conta; // as the scenario names it: "AAAA NNNNNNN-D"
    std::string titular;
    std::vector<std::string> tipos;
    std::vector<Lancamento> lancamentos;
};

struct Beneficio {
    std::string cartao, nb, nit, titular, situacao = "ativo";
    long long valor = -1; // cents; -1: the scenario does not say
};

bool Digitos(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

long long Numero(const std::string& s) {
    const std::string t = s.substr(0, s.find_last_not_of(' ') + 1);
    return Digitos(t) && t.size() <= 15 ? std::stoll(t) : -1;
}

bool Texto(const QJsonValue& v, std::string& saida) {
    const QString s = v.toString();
    if (!v.isString() || std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() > 0xFF; }))
        return false;
    saida = Latin1(s);
    return true;
}

std::string Malformado(const QString& onde) {
    return Latin1(QStringLiteral("Cenário com %1 malformado").arg(onde));
}

QDate DataDDMMYYYY(const std::string& s) {
    return s.size() == 8 ? QDate::fromString(QString::fromLatin1(s), QStringLiteral("ddMMyyyy")) : QDate();
}

std::string Dia(const QDate& d, const char* formato = "dd/MM/yyyy") {
    return Latin1(d.toString(QLatin1String(formato)));
}

std::string Reais(long long centavos) {
    return centavos < 0 ? "-" + Dinheiro(-centavos) : Dinheiro(centavos);
}

std::string FinalDoCartao(const std::string& numero) {
    return numero.size() <= 4 ? numero
                              : std::string(numero.size() - 4, '*') + numero.substr(numero.size() - 4);
}

// The accounts of "saques.contas", with the types they answer to and their earlier entries.
std::variant<std::vector<ContaConsulta>, std::string> LeContas(const QJsonObject& raiz) {
    const QJsonValue v = raiz.value(QStringLiteral("saques")).toObject().value(QStringLiteral("contas"));
    if (v.isUndefined()) return Latin1(QStringLiteral("Contas não previstas no cenário"));
    if (!v.isArray()) return Malformado(QStringLiteral("saques.contas"));
    std::vector<ContaConsulta> lista;
    const QJsonArray a = v.toArray();
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString onde = QStringLiteral("saques.contas[%1]").arg(i);
        const QJsonObject o = a.at(i).toObject();
        ContaConsulta c;
        if (!Texto(o.value(QStringLiteral("conta")), c.conta) ||
            (o.contains(QStringLiteral("titular")) && !Texto(o.value(QStringLiteral("titular")), c.titular)))
            return Malformado(onde);
        for (const QJsonValue& t : o.value(QStringLiteral("tipos")).toArray())
            c.tipos.push_back(Latin1(t.toString()));
        const QJsonValue ls = o.value(QStringLiteral("lancamentos"));
        if (!ls.isUndefined() && !ls.isArray()) return Malformado(onde + QStringLiteral(".lancamentos"));
        for (const QJsonValue& e : ls.toArray()) {
            const QJsonObject lo = e.toObject();
            Lancamento l;
            std::string data, valor;
            bool numero = false;
            if (!Texto(lo.value(QStringLiteral("data")), data) ||
                !Texto(lo.value(QStringLiteral("descricao")), l.descricao) ||
                !Texto(lo.value(QStringLiteral("valor")), valor))
                return Malformado(onde + QStringLiteral(".lancamentos"));
            l.data = DataDDMMYYYY(data);
            l.valor = QString::fromLatin1(valor).toLongLong(&numero);
            if (!l.data.isValid() || !numero) return Malformado(onde + QStringLiteral(".lancamentos"));
            c.lancamentos.push_back(std::move(l));
        }
        lista.push_back(std::move(c));
    }
    return lista;
}

// The account of the list that a 23-character key names (contas::ContaDaChave); nullptr when none.
const ContaConsulta* ContaDaChave(const QJsonObject& raiz, const std::vector<ContaConsulta>& contas,
                                  const std::string& chave) {
    const auto conta = contas::ContaDaChave(raiz, chave);
    if (!conta) return nullptr;
    const auto it = std::find_if(contas.begin(), contas.end(),
                                 [&conta](const ContaConsulta& c) { return c.conta == conta->conta; });
    return it == contas.end() ? nullptr : &*it;
}

// "beneficiosINSS": [{cartao, nb, nit, titular, situacao, valor}].
std::variant<std::vector<Beneficio>, std::string> LeBeneficios(const QJsonObject& raiz) {
    const QJsonValue v = raiz.value(QStringLiteral("beneficiosINSS"));
    if (v.isUndefined()) return Latin1(QStringLiteral("Benefícios INSS não previstos no cenário"));
    if (!v.isArray()) return Malformado(QStringLiteral("beneficiosINSS"));
    std::vector<Beneficio> lista;
    const QJsonArray a = v.toArray();
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QJsonObject o = a.at(i).toObject();
        Beneficio b;
        std::string valor;
        const auto opcional = [&o](const char* chave, std::string& saida) {
            return !o.contains(QLatin1String(chave)) || Texto(o.value(QLatin1String(chave)), saida);
        };
        if (!Texto(o.value(QStringLiteral("cartao")), b.cartao) ||
            !Texto(o.value(QStringLiteral("nb")), b.nb) ||
            !Texto(o.value(QStringLiteral("titular")), b.titular) || !opcional("nit", b.nit) ||
            !opcional("situacao", b.situacao) || !opcional("valor", valor) ||
            (!valor.empty() && (b.valor = Numero(valor)) < 0))
            return Malformado(QStringLiteral("beneficiosINSS[%1]").arg(i));
        lista.push_back(std::move(b));
    }
    return lista;
}

std::string Situacao(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return s;
}

} // namespace

std::vector<Servidor::MovimentoDatado> Servidor::MovimentosDaConta(const std::string& conta) const {
    std::map<long long, MovimentoDatado> porNsu;
    for (const auto& [chave, valor] : cenario_.estado) {
        // "mov.NSU" holds a movement; "mov.NSU.cancelado" and "mov.NSU.data" are about one.
        if (chave.rfind("mov.", 0) != 0 || chave.find('.', 4) != std::string::npos) continue;
        const std::string nsu = chave.substr(4);
        const auto m = MovimentoDoNsu(nsu);
        // A transfer (29) is the origin's movement and names its destination in its data.
        const bool recebida = m && m->operacao == kTransferencia && m->dados == conta;
        if (!m || (m->conta != conta && !recebida) || Numero(nsu) < 0 ||
            cenario_.estado.count(chave + ".cancelado"))
            continue;
        const auto data = cenario_.estado.find(chave + ".data");
        const bool emprestimo = m->operacao == "EMP";
        const bool credito = m->operacao == kDeposito || recebida || emprestimo;
        porNsu[Numero(nsu)] = {nsu,
                               emprestimo            ? "CREDITO EMPRESTIMO"
                               : credito             ? (recebida ? "TRANSFERENCIA RECEBIDA" : "DEPOSITO")
                               : m->operacao == "16" ? "SAQUE BENEFICIO INSS"
                               : m->operacao == "18" ? "SAQUE CARTAO"
                               : m->operacao == kTransferencia ? "TRANSFERENCIA ENVIADA"
                                                               : "MOVIMENTO NSU " + nsu,
                               data != cenario_.estado.end()
                                   ? data->second
                                   : Latin1(QDate::currentDate().toString(QStringLiteral("ddMMyyyy"))),
                               credito ? m->valor : -m->valor};
    }
    std::vector<MovimentoDatado> lista;
    for (auto& [n, m] : porNsu)
        lista.push_back(std::move(m));
    return lista;
}

cbwire::Resposta Servidor::ConsultaConta(const cbwire::Pedido& pedido) {
    const auto lidas = LeContas(cenario_.raiz);
    if (const auto* falta = std::get_if<std::string>(&lidas)) return Recusa("57", *falta);
    const auto& contas = std::get<std::vector<ContaConsulta>>(lidas);
    const std::string identificacao = Valor(pedido, 10290);

    const ContaConsulta* conta = nullptr;
    std::string cartao;
    if (Valor(pedido, 10134) == kContaDigitada) {
        conta = ContaDaChave(cenario_.raiz, contas, identificacao);
        if (!conta) return Recusa("14", Latin1(QStringLiteral("Conta não encontrada")));
    } else {
        // The track starts with the card number and ends it with '=' (or 'D' in the chip's track image).
        const std::string numero = identificacao.substr(0, identificacao.find_first_of("=D"));
        const auto c = std::find_if(cenario_.cartoes.begin(), cenario_.cartoes.end(),
                                    [&numero](const CartaoCenario& x) { return x.numero == numero; });
        if (numero.empty() || c == cenario_.cartoes.end())
            return Recusa("14", Latin1(QStringLiteral("Cartão não cadastrado")));
        const auto it = std::find_if(contas.begin(), contas.end(),
                                     [&c](const ContaConsulta& x) { return x.conta == c->conta; });
        if (c->rede != "805" || it == contas.end())
            return Recusa("57", Latin1(QStringLiteral("Cartão sem conta neste banco")));
        conta = &*it;
        cartao = c->numero;
    }
    if (Valor(pedido, 10146).empty()) return Recusa("55", Latin1(QStringLiteral("Senha não informada")));
    // A hidden type list sends no type: any of the account's does.
    const std::string tipo = Valor(pedido, 10102);
    if (!tipo.empty() && std::find(conta->tipos.begin(), conta->tipos.end(), tipo) == conta->tipos.end())
        return Recusa("12", Latin1(QStringLiteral("Tipo de conta não aceito para a conta")));

    const long long saldo = SaldoDaConta(conta->conta);
    const bool extrato = Valor(pedido, 10158) == "13";
    std::vector<std::string> linhas{extrato ? "EXTRATO DE CONTA" : "CONSULTA DE SALDO"};
    if (!cartao.empty()) linhas.push_back("CARTAO: " + FinalDoCartao(cartao));
    linhas.push_back("AG/CONTA: " + conta->conta);
    if (!conta->titular.empty()) linhas.push_back("TITULAR: " + conta->titular);

    cbwire::Resposta r;
    r.codigo = "00";
    if (extrato) {
        std::vector<Lancamento> lancamentos = conta->lancamentos;
        for (const auto& m : MovimentosDaConta(conta->conta))
            lancamentos.push_back({DataDDMMYYYY(m.data), m.descricao, m.valor});
        std::stable_sort(lancamentos.begin(), lancamentos.end(),
                         [](const Lancamento& a, const Lancamento& b) { return a.data < b.data; });

        const QDate hoje = QDate::currentDate();
        const std::string tipoExtrato = Valor(pedido, 10163);
        QDate inicio, fim = hoje;
        if (tipoExtrato.empty() || tipoExtrato == "1") {
            // Either end may be left out: from the first entry, up to today.
            const std::string i = Valor(pedido, 1283), f = Valor(pedido, 1284);
            inicio = i.empty() ? QDate(1900, 1, 1) : DataDDMMYYYY(i);
            fim = f.empty() ? hoje : DataDDMMYYYY(f);
            if (!inicio.isValid() || !fim.isValid() || inicio > fim || fim > hoje)
                return Recusa("12", Latin1(QStringLiteral("Período do extrato inválido")));
            linhas.push_back("PERIODO: " + (i.empty() ? std::string("INICIO") : Dia(inicio)) + " A " +
                             Dia(fim));
        } else if (tipoExtrato == "2") {
            if (lancamentos.size() > kUltimosLancamentos)
                lancamentos.erase(lancamentos.begin(),
                                  lancamentos.end() - static_cast<std::ptrdiff_t>(kUltimosLancamentos));
            inicio = QDate(1900, 1, 1);
            linhas.emplace_back("ULTIMOS LANCAMENTOS");
        } else if (tipoExtrato == "3") {
            inicio = hoje.addDays(1 - kDiasExtratoCurto);
            linhas.push_back("EXTRATO DE 5 DIAS: " + Dia(inicio) + " A " + Dia(fim));
        } else {
            return Recusa("12", Latin1(QStringLiteral("Tipo de extrato inválido")));
        }
        const size_t cabecalho = linhas.size();
        for (const auto& l : lancamentos)
            if (l.data >= inicio && l.data <= fim)
                linhas.push_back(Dia(l.data, "dd/MM") + ' ' + l.descricao + ' ' + Reais(l.valor));
        if (linhas.size() == cabecalho) linhas.emplace_back("SEM LANCAMENTOS NO PERIODO");
        r.mensagem = Latin1(QStringLiteral("Extrato emitido"));
    } else {
        r.mensagem = Latin1(QStringLiteral("Saldo disponível: ")) + Dinheiro(saldo);
    }
    linhas.push_back("SALDO DISPONIVEL: " + Dinheiro(saldo));
    linhas.push_back("NSU: " + std::to_string(++cenario_.nsu));
    r.servicos.emplace_back('I', std::move(linhas));
    return r;
}

cbwire::Resposta Servidor::ConsultaBeneficioINSS(const cbwire::Pedido& pedido) {
    const auto lidos = LeBeneficios(cenario_.raiz);
    if (const auto* falta = std::get_if<std::string>(&lidos)) return Recusa("57", *falta);
    const auto& beneficios = std::get<std::vector<Beneficio>>(lidos);
    const std::string tipo = Valor(pedido, 10167);
    const std::string id = Valor(pedido, 10290);
    const auto recusaId = [] {
        return Recusa("12", Latin1(QStringLiteral("Identificação do benefício inválida")));
    };

    std::function<bool(const Beneficio&)> confere;
    if (tipo == "1") {
        if (id.size() != 10 || !Digitos(id)) return recusaId();
        confere = [&id](const Beneficio& b) { return b.nb == id; };
    } else if (tipo == "2") {
        if (id.size() != 11 || !Digitos(id)) return recusaId();
        confere = [&id](const Beneficio& b) { return b.nit == id; };
    } else if (tipo == "3") {
        const auto lidas = LeContas(cenario_.raiz);
        const auto* contas = std::get_if<std::vector<ContaConsulta>>(&lidas);
        const ContaConsulta* conta = contas ? ContaDaChave(cenario_.raiz, *contas, id) : nullptr;
        if (!conta) return Recusa("14", Latin1(QStringLiteral("Conta não encontrada")));
        // The benefit is paid into the account its card draws on (the name kept: the accounts read here go).
        confere = [this, nome = conta->conta](const Beneficio& b) {
            return std::any_of(cenario_.cartoes.begin(), cenario_.cartoes.end(), [&](const CartaoCenario& c) {
                return c.numero == b.cartao && c.conta == nome;
            });
        };
    } else {
        return recusaId();
    }
    const auto b = std::find_if(beneficios.begin(), beneficios.end(), confere);
    if (b == beneficios.end()) return Recusa("25", Latin1(QStringLiteral("Benefício não encontrado")));

    std::vector<std::string> linhas{"CONSULTA BENEFICIO INSS",
                                    "NB: " + b->nb.substr(0, 9) + "-" + b->nb.substr(9)};
    if (!b->nit.empty()) linhas.push_back("NIT: " + b->nit);
    linhas.push_back("TITULAR: " + b->titular);
    linhas.push_back("SITUACAO: " + Situacao(b->situacao));
    if (b->valor >= 0) linhas.push_back("VALOR DO BENEFICIO: " + Dinheiro(b->valor));
    linhas.push_back("NSU: " + std::to_string(++cenario_.nsu));
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Consulta de benefício efetuada"));
    r.servicos.emplace_back('I', std::move(linhas));
    return r;
}

} // namespace cbserver
