// The simulated bank's bills: every bill of the scenarios checked with the platform's own check-digit
// functions; the query, the payment data, the continuation and the settlements answered from request frames
// as the bill dialogs send them.
#include "Contas.h"
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"

#include <basekit.h>

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace {

using cbserver::Servidor;
namespace contas = cbserver::contas;
using cbwire::Resposta;

Resposta Pede(Servidor& s, const std::vector<cbwire::Item>& itens, uint16_t indicador = 0) {
    return Responde(s, cbwire::Pedido{242, indicador, 0, itens});
}

// The bar-code query as the capture dialog sends it.
Resposta Consulta(Servidor& s, const std::string& documento, const std::string& rede = "") {
    return Pede(s, {Item(10112, rede), Item(10171, ""), Item(10103, "1"), Item(10158, "33"), Item(1040, "1"),
                    Item(0, documento), Item(10439, "1")});
}

// The payment data: 10102 indexes 0-4 (count, total, value, additions, discount), the document, 5 the due
// date.
Resposta DadosPagamento(Servidor& s, const std::string& documento, long long total) {
    const std::string t = std::to_string(total);
    return Pede(s, {Item(10112, ""), Item(10171, ""), Item(10103, "1"), Item(10158, "32"), Item(10102, "1"),
                    Item(10102, t, 1), Item(10102, t, 2), Item(10102, "0", 3), Item(10102, "0", 4),
                    Item(1040, "1"), Item(0, documento), Item(10102, "07072026", 5), Item(10439, "1")});
}

// A settlement: the head entry 10162 carries the number of documents in its occurrence, then the seven fields
// of each document at occurrences 0 to n-1, then the method's own fields.
Resposta Liquida(Servidor& s, const std::string& operacao,
                 const std::vector<std::pair<std::string, long long>>& docs,
                 const std::vector<cbwire::Item>& extras = {}) {
    std::vector<cbwire::Item> itens{Item(0, ""), Item(10171, ""), Item(10103, "1"), Item(10158, operacao),
                                    Item(10162, "", static_cast<uint16_t>(docs.size()))};
    for (size_t k = 0; k < docs.size(); ++k) {
        const auto o = static_cast<uint16_t>(k);
        const std::string t = std::to_string(docs[k].second);
        for (const auto& i : {Item(10163, t, o), Item(10164, t, o), Item(10165, "0", o), Item(10166, "0", o),
                              Item(10167, "1", o), Item(10168, docs[k].first, o), Item(10169, "07072026", o)})
            itens.push_back(i);
    }
    itens.insert(itens.end(), extras.begin(), extras.end());
    return Pede(s, itens, 1);
}

std::vector<std::string> Servico(const Resposta& r, char letra) {
    for (const auto& s : r.servicos)
        if (s.first == letra) return s.second;
    return {};
}

std::string Primeira(const Resposta& r, char letra) {
    const auto s = Servico(r, letra);
    return s.empty() ? std::string() : s.front();
}

std::string HRegistro(const Resposta& r, const std::string& tipo) {
    for (const auto& h : r.hRegistros)
        if (h.starts_with(tipo)) return h;
    return {};
}

bool Contem(const std::vector<std::string>& linhas, const std::string& trecho) {
    return std::any_of(linhas.begin(), linhas.end(), [&](const auto& l) { return l.find(trecho) != l.npos; });
}

contas::Regras RegrasDe(const QString& arquivo) {
    QFile f(arquivo);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << arquivo.toStdString();
    const auto lidas = contas::LeRegras(QJsonDocument::fromJson(f.readAll()).object());
    if (const auto* e = std::get_if<std::string>(&lidas))
        ADD_FAILURE() << arquivo.toStdString() << ": " << *e;
    return std::holds_alternative<contas::Regras>(lidas) ? std::get<contas::Regras>(lidas) : contas::Regras{};
}

// A fresh server and the bills of the default scenario: settlements change what the server holds.
class ServidorContas : public ::testing::Test {
protected:
    void SetUp() override {
        AbreCenario(s, "default.json");
        regras = RegrasDe(QStringLiteral(CB_CENARIOS "/default.json"));
    }
    const contas::Documento& Um(bool (*criterio)(const contas::Documento&)) {
        for (const auto& d : regras.documentos)
            if (criterio(d)) return d;
        ADD_FAILURE() << "the default scenario lacks the bill this test needs";
        static const contas::Documento nenhum;
        return nenhum;
    }
    // Bills with nothing special to them, for the settlements.
    std::vector<const contas::Documento*> Comuns(size_t n) {
        std::vector<const contas::Documento*> v;
        for (const auto& d : regras.documentos)
            if (!d.pago && !d.debitoForcado && !d.valorMinimo && !d.valorMaximo && v.size() < n)
                v.push_back(&d);
        EXPECT_EQ(v.size(), n);
        return v;
    }
    Servidor s;
    contas::Regras regras;
};

// Every bill of every scenario passes the platform's checks as its bar code and as its typed line, so a digit
// copied wrong into a scenario fails here rather than in a colleague's script.
TEST(ServidorContasCenarios, CodigosConferemComAsFuncoesDaPlataforma) {
    const QDir pasta(QStringLiteral(CB_CENARIOS));
    int contas = 0;
    for (const QString& nome : pasta.entryList({QStringLiteral("*.json")})) {
        QFile f(pasta.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        if (!QJsonDocument::fromJson(f.readAll()).object().contains(QStringLiteral("pagamentoContas")))
            continue;
        for (const auto& d : RegrasDe(pasta.filePath(nome)).documentos) {
            ++contas;
            SCOPED_TRACE(nome.toStdString() + ": " + d.codigoBarras);
            const bool convenio = d.codigoBarras[0] == '8';
            const auto valida =
                convenio ? ValidaCodigoBarrasCompletoConvenio : ValidaCodigoBarrasCompletoTitulo;
            EXPECT_TRUE(valida(d.codigoBarras.c_str()));
            ASSERT_EQ(d.linha.size(), convenio ? 48u : 47u)
                << "every bill gives its typed line for the scripts";
            EXPECT_TRUE(valida(d.linha.c_str()));
        }
    }
    EXPECT_GT(contas, 0);
}

TEST(ServidorContasCenarios, FatorDeVencimentoNoCicloMaisProximo) {
    const QDate hoje(2026, 12, 6);
    EXPECT_EQ(contas::VencimentoDoFator("1000", hoje), "20250222");
    EXPECT_EQ(contas::VencimentoDoFator("1500", hoje), "20260707");
    EXPECT_EQ(contas::VencimentoDoFator("9999", hoje), "20250221");
    EXPECT_EQ(contas::VencimentoDoFator("0000", hoje), "00000000");
    EXPECT_EQ(contas::VencimentoDoFator("1000", QDate(2001, 1, 1)), "20000703");
}

// A scenario's bills with a value out of shape are refused naming the place, so a script writer finds it.
TEST(ServidorContasCenarios, ContaMalformadaDizOnde) {
    const std::string doc = R"("codigoBarras": "23797150000000150750001234567890123456789012")";
    const std::pair<std::string, const char*> casos[] = {
        {R"("limiteDocumentos": 0)", "pagamentoContas.limiteDocumentos"},
        {R"("limiteDocumentos": 100)", "pagamentoContas.limiteDocumentos"},
        {R"("chequesRecusados": ["12a"])", "pagamentoContas.chequesRecusados"},
        {R"("documentos": [{"valor": "1"}])", "pagamentoContas.documentos[0]"},
        {R"("documentos": [{"codigoBarras": "2379715"}])", "pagamentoContas.documentos[0].codigoBarras"},
        {R"("documentos": [{)" + doc + R"(, "linhaDigitavel": "1"}])", "documentos[0].linhaDigitavel"},
        {R"("documentos": [{)" + doc + R"(, "modos": "1234"}])", "pagamentoContas.documentos[0]"},
        {R"("documentos": [{)" + doc + R"(, "formasPagamento": "11"}])", "pagamentoContas.documentos[0]"},
        {R"("documentos": [{)" + doc + R"(, "situacao": "x"}])", "pagamentoContas.documentos[0]"},
        {R"("documentos": [{)" + doc + R"(, "servicoRecusa": "X"}])", "pagamentoContas.documentos[0]"},
        {R"("documentos": [{)" + doc + R"(, "debitoForcado": "sim"}])", "documentos[0].debitoForcado"},
        {R"("documentos": [{)" + doc + R"(, "codigoDebitoForcado": "FB"}])",
         "documentos[0].codigoDebitoForcado"},
        {R"("documentos": [{)" + doc + R"(, "recusaLiquidacao": {"codigo": "00"}}])", "[0].recusaLiquidacao"},
        {R"("documentos": [{)" + doc + R"(, "boletoRegistrado": {"indicadores": "1"}}])",
         "[0].boletoRegistrado"},
        {R"("documentos": [{)" + doc + R"(, "rede": {"resumo": 100}}])",
         "pagamentoContas.documentos[0].rede"}};
    for (const auto& [json, onde] : casos) {
        const auto r = contas::LeRegras(
            QJsonDocument::fromJson(QByteArray::fromStdString(R"({"pagamentoContas": {)" + json + "}}"))
                .object());
        ASSERT_TRUE(std::holds_alternative<std::string>(r)) << json;
        EXPECT_NE(std::get<std::string>(r).find(std::string(onde) + " malformado"), std::string::npos)
            << std::get<std::string>(r);
    }
    EXPECT_TRUE(std::holds_alternative<contas::Regras>(contas::LeRegras(
        QJsonDocument::fromJson(
            QByteArray::fromStdString(R"({"pagamentoContas": {"documentos": [{)" + doc + "}]}}"))
            .object())));
}

TEST(ServidorContasCenarios, CargaDoGrupo1TrazOLimiteDeDocumentos) {
    Servidor s;
    const auto carga = [&](const char* json) {
        EXPECT_TRUE(s.CarregaCenarioJson(QByteArray(json), QStringLiteral(".")));
        return Pede(s, {Item(10112, ""), Item(10171, ""), Item(10103, "1"), Item(10158, "00")});
    };
    auto r = carga(R"({"parametros": {"1": {}}, "pagamentoContas": {"limiteDocumentos": 2}})");
    ASSERT_EQ(Primeira(r, 'A').size(), 41u);
    EXPECT_EQ(Primeira(r, 'A').substr(5, 2), "02");
    // With 12 the record must not read as the card-collection record the module looks for ("01" at 4-5).
    r = carga(R"({"parametros": {"1": {}}, "pagamentoContas": {"limiteDocumentos": 12}})");
    EXPECT_EQ(Primeira(r, 'A').substr(4, 3), "912");
    // Without bills, or with a service A of the scenario's own, the load is the scenario's alone.
    EXPECT_TRUE(Servico(carga(R"({"parametros": {"1": {}}})"), 'A').empty());
    r = carga(R"({"parametros": {"1": {"servicos": {"A": ["X"]}}}, "pagamentoContas": {}})");
    EXPECT_EQ(Servico(r, 'A'), std::vector<std::string>{"X"});
}

TEST_F(ServidorContas, AchadoPeloCodigoPelaLinhaEPelaLinhaSemZeros) {
    const auto& boleto = Um([](const auto& d) { return d.codigoBarras[0] != '8' && d.ValorDocumento() > 0; });
    const auto& convenio = Um([](const auto& d) { return d.codigoBarras[0] == '8' && !d.pago; });
    // The capture dialog sends block 4 as typed, without its leading zeros.
    const std::string curta =
        boleto.linha.substr(0, 33) + std::to_string(std::stoll(boleto.linha.substr(33)));
    for (const std::string& doc :
         {boleto.codigoBarras, boleto.linha, curta, convenio.codigoBarras, convenio.linha}) {
        SCOPED_TRACE(doc);
        const auto r = Consulta(s, doc);
        EXPECT_EQ(r.codigo, "00");
        const std::string acb = Primeira(r, 'A');
        ASSERT_EQ(acb.size(), 37u);
        const auto& d = doc[0] == '8' ? convenio : boleto;
        EXPECT_EQ(acb.substr(4, 12), contas::Numero(d.ValorDocumento(), 12));
        EXPECT_EQ(acb.substr(16, 8), contas::VencimentoDoCodigo(d.codigoBarras, QDate::currentDate()));
        EXPECT_EQ(acb.substr(25, 11), d.Modos(QDate::currentDate()) + "000000");
        EXPECT_FALSE(HRegistro(r, "27").empty());
    }
    // A paid bill is refused with its text in the service the scenario names (M: "@" breaks the lines).
    const auto& pago = Um([](const auto& d) { return d.pago && d.servicoRecusa == 'M'; });
    EXPECT_EQ(Primeira(Consulta(s, pago.codigoBarras), 'M'),
              "0TITULO JA PAGO@PAGAMENTO EFETUADO EM 01/12/2026@NAO RECEBER");
}

TEST_F(ServidorContas, DadosDoPagamentoConferemAFaixaAutorizada) {
    const auto& d = Um([](const auto& x) { return x.valorMinimo > 0 && x.valorMaximo > 0 && !x.pago; });
    for (long long v : {d.valorMinimo, d.valorMaximo}) {
        const auto r = DadosPagamento(s, d.linha, v);
        ASSERT_EQ(r.codigo, "00") << v;
        const std::string acp = Primeira(r, 'A');
        ASSERT_EQ(acp.size(), 78u);
        EXPECT_EQ(acp.substr(4, 16), contas::Numero(v, 12) + d.formas);
        EXPECT_EQ(acp.substr(60, 2), d.contaCartao);
    }
    for (long long v : {d.valorMinimo - 1, d.valorMaximo + 1, 0LL}) {
        const auto r = DadosPagamento(s, d.linha, v);
        EXPECT_EQ(r.codigo, "13") << v;
        EXPECT_FALSE(Primeira(r, 'D').empty());
    }
    EXPECT_EQ(Primeira(DadosPagamento(s, d.linha, 1), 'D'),
              cbserver::Latin1("Valor fora dos limites autorizados (Valor Mínimo: ") +
                  contas::Dinheiro(d.valorMinimo) + cbserver::Latin1(" - Valor Máximo: ") +
                  contas::Dinheiro(d.valorMaximo) + ")");
    // A bill the bank authorises for another amount than the one typed: the module asks to confirm it.
    const auto& outro = Um([](const auto& x) { return x.valorAutorizado > 0; });
    ASSERT_NE(outro.valorAutorizado, outro.Total());
    EXPECT_EQ(Primeira(DadosPagamento(s, outro.codigoBarras, outro.Total()), 'A').substr(4, 12),
              contas::Numero(outro.valorAutorizado, 12));
}

TEST_F(ServidorContas, CartoesConferemCartaoESenhaSemMostrarONumero) {
    const auto docs = Comuns(4);
    const std::string numero = "5067220000123458";
    const cbwire::Item comConta = Item(10104, numero + "=29121011234500000");
    const cbwire::Item semConta = Item(10104, "4174000012345676=28082011234500000");
    const cbwire::Item pin = Item(10146, "0123456789ABCDEF");
    const auto paga = [&](const std::string& op, size_t k, const std::vector<cbwire::Item>& cartao) {
        return Liquida(s, op, {{docs[k]->codigoBarras, 1000}}, cartao);
    };
    EXPECT_EQ(paga("18", 0, {Item(10104, "4111111111111111=29121011234500000"), pin}).codigo, "14");
    EXPECT_EQ(paga("18", 0, {comConta}).codigo, "55");
    auto r = paga("18", 0, {comConta, pin});
    ASSERT_EQ(r.codigo, "00");
    EXPECT_TRUE(Contem(Servico(r, 'I'), "CARTAO: ************3458"));
    EXPECT_FALSE(Contem(Servico(r, 'I'), numero)) << "receipts never hold a whole card number";
    EXPECT_EQ(paga("19", 1, {semConta}).codigo, "00") << "credit takes no PIN";
    EXPECT_EQ(paga("20", 2, {semConta, pin}).codigo, "57") << "the account card needs an account";
    r = paga("20", 2, {comConta, pin, Item(10102, "2", 3)});
    ASSERT_EQ(r.codigo, "00");
    EXPECT_TRUE(Contem(Servico(r, 'I'), "CREDITO EM CONTA"));
    EXPECT_EQ(paga("28", 3, {}).codigo, "00") << "the host made the card sale of a generic payment";
}

} // namespace
