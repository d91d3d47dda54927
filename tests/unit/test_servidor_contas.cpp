// The simulated bank's bills: every bill of the scenarios checked with the platform's own check-digit
// functions, and the bar-code query, the payment data and the continuation answered from request frames as
// the bill dialogs send them.
#include "Contas.h"
#include "Protocolo.h"
#include "Servidor.h"

#include <basekit.h>

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using cbserver::Servidor;
namespace contas = cbserver::contas;

cbwire::Item Item(uint16_t campo, const std::string& valor, uint16_t ocorrencia = 0) {
    cbwire::Item i;
    i.campo = campo;
    i.ocorrencia = ocorrencia;
    i.valor = valor;
    return i;
}

std::optional<cbwire::Resposta> Pede(Servidor& s, const std::vector<cbwire::Item>& itens,
                                     uint16_t indicador = 0) {
    cbwire::Pedido p;
    p.codigo = 242;
    p.indicador = indicador;
    p.itens = itens;
    return cbwire::DecodificaResposta(s.Atende(cbwire::CodificaPedido(p)));
}

// The bar-code query as the capture dialog sends it: 10112, 10171, 10103, 10158, 1040, the document, 10439.
std::optional<cbwire::Resposta> Consulta(Servidor& s, const std::string& documento,
                                         const std::string& rede = "") {
    return Pede(s, {Item(10112, rede), Item(10171, ""), Item(10103, "1"), Item(10158, "33"), Item(1040, "1"),
                    Item(0, documento), Item(10439, "1")});
}

// The payment-data request: 10102 indexes 0-4 (count, total, value, additions, discount), the document, 5 the
// due date.
std::optional<cbwire::Resposta> DadosPagamento(Servidor& s, const std::string& documento,
                                               const std::string& total) {
    return Pede(s, {Item(10112, ""), Item(10171, ""), Item(10103, "1"), Item(10158, "32"), Item(10102, "1"),
                    Item(10102, total, 1), Item(10102, total, 2), Item(10102, "0", 3), Item(10102, "0", 4),
                    Item(1040, "1"), Item(0, documento), Item(10102, "07072026", 5), Item(10439, "1")});
}

const std::vector<std::string>* Servico(const cbwire::Resposta& r, char letra) {
    for (const auto& s : r.servicos)
        if (s.first == letra) return &s.second;
    return nullptr;
}

std::string HRegistro(const cbwire::Resposta& r, const std::string& tipo) {
    for (const auto& h : r.hRegistros)
        if (h.rfind(tipo, 0) == 0) return h;
    return {};
}

contas::Regras RegrasDe(const QString& arquivo) {
    QFile f(arquivo);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << arquivo.toStdString();
    const auto lidas = contas::LeRegras(QJsonDocument::fromJson(f.readAll()).object());
    if (const auto* e = std::get_if<std::string>(&lidas))
        ADD_FAILURE() << arquivo.toStdString() << ": " << *e;
    return std::holds_alternative<contas::Regras>(lidas) ? std::get<contas::Regras>(lidas) : contas::Regras{};
}

Servidor& Padrao() {
    static Servidor s;
    static const bool carregado = [] {
        QString erro;
        const bool ok = s.CarregaCenario(QStringLiteral(CB_CENARIOS "/default.json"), &erro);
        EXPECT_TRUE(ok) << erro.toStdString();
        return ok;
    }();
    EXPECT_TRUE(carregado);
    return s;
}

const contas::Documento* Primeiro(const contas::Regras& r, bool (*criterio)(const contas::Documento&)) {
    for (const auto& d : r.documentos)
        if (criterio(d)) return &d;
    return nullptr;
}

// Every bill of every scenario passes the platform's checks, as its bar code and as its typed line, so a
// digit copied wrong into a scenario fails here rather than in a colleague's script.
TEST(ServidorContas, CodigosDosCenariosConferemComAsFuncoesDaPlataforma) {
    const QDir pasta(QStringLiteral(CB_CENARIOS));
    int contas = 0;
    for (const QString& nome : pasta.entryList({QStringLiteral("*.json")})) {
        QFile f(pasta.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        if (!QJsonDocument::fromJson(f.readAll()).object().contains(QStringLiteral("pagamentoContas")))
            continue;
        for (const auto& d : RegrasDe(pasta.filePath(nome)).documentos) {
            ++contas;
            const bool convenio = d.codigoBarras[0] == '8';
            SCOPED_TRACE(nome.toStdString() + ": " + d.descricao);
            EXPECT_TRUE(convenio ? ValidaCodigoBarrasCompletoConvenio(d.codigoBarras.c_str())
                                 : ValidaCodigoBarrasCompletoTitulo(d.codigoBarras.c_str()));
            ASSERT_EQ(d.linha.size(), convenio ? 48u : 47u)
                << "every bill gives its typed line for the scripts";
            EXPECT_TRUE(convenio ? ValidaCodigoBarrasCompletoConvenio(d.linha.c_str())
                                 : ValidaCodigoBarrasCompletoTitulo(d.linha.c_str()));
            EXPECT_EQ(contas::CodigoDeBarras(d.linha), d.codigoBarras);
        }
    }
    EXPECT_GT(contas, 0);
}

TEST(ServidorContas, CenarioPadraoTemContasDeCadaTipo) {
    const auto r = RegrasDe(QStringLiteral(CB_CENARIOS "/default.json"));
    std::set<std::string> bancos, identificadores, indicadores;
    bool reinicio = false, semVencimento = false, pagoD = false, pagoM = false, rede = false,
         autorizadoDifere = false, faixa = false;
    const QDate hoje = QDate::currentDate();
    for (const auto& d : r.documentos) {
        if (d.codigoBarras[0] == '8') {
            identificadores.insert(d.codigoBarras.substr(2, 1));
        } else {
            bancos.insert(d.codigoBarras.substr(0, 3));
            const std::string v = contas::VencimentoDoCodigo(d.codigoBarras, hoje);
            reinicio |= v >= "20250222";
            semVencimento |= v == "00000000";
        }
        if (d.registrado) indicadores.insert(d.registrado->indicadores);
        (d.servicoRecusa == 'M' ? pagoM : pagoD) |= d.pago;
        rede |= d.rede.has_value();
        autorizadoDifere |= d.valorAutorizado > 0;
        faixa |= d.valorMinimo > 0 && d.valorMaximo > 0;
    }
    EXPECT_GE(bancos.size(), 4u);
    EXPECT_EQ(identificadores, (std::set<std::string>{"6", "7", "8", "9"}));
    EXPECT_GE(indicadores.size(), 4u);
    EXPECT_TRUE(reinicio && semVencimento && pagoD && pagoM && rede && autorizadoDifere && faixa);
}

TEST(ServidorContas, FatorDeVencimentoNoCicloMaisProximo) {
    const QDate hoje(2026, 12, 6);
    EXPECT_EQ(contas::VencimentoDoFator("1000", hoje), "20250222");
    EXPECT_EQ(contas::VencimentoDoFator("1500", hoje), "20260707");
    EXPECT_EQ(contas::VencimentoDoFator("9999", hoje), "20250221");
    EXPECT_EQ(contas::VencimentoDoFator("9799", hoje), "20240805");
    EXPECT_EQ(contas::VencimentoDoFator("0000", hoje), "00000000");
    // Before the restart the same factor meant the first cycle.
    EXPECT_EQ(contas::VencimentoDoFator("1000", QDate(2001, 1, 1)), "20000703");
}

TEST(ServidorContas, DocumentoAchadoPeloCodigoPelaLinhaEPelaLinhaSemZeros) {
    Servidor& s = Padrao();
    const auto regras = RegrasDe(QStringLiteral(CB_CENARIOS "/default.json"));
    const auto* boleto = Primeiro(regras, [](const contas::Documento& d) {
        return d.codigoBarras[0] != '8' && !d.pago && !d.registrado && d.ValorDocumento() > 0;
    });
    const auto* convenio =
        Primeiro(regras, [](const contas::Documento& d) { return d.codigoBarras[0] == '8' && !d.pago; });
    ASSERT_TRUE(boleto && convenio);
    // The capture dialog sends block 4 as typed, without its leading zeros.
    const std::string linhaCurta =
        boleto->linha.substr(0, 33) + std::to_string(std::stoll(boleto->linha.substr(33)));
    for (const std::string& doc :
         {boleto->codigoBarras, boleto->linha, linhaCurta, convenio->codigoBarras, convenio->linha}) {
        SCOPED_TRACE(doc);
        const auto r = Consulta(s, doc);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->codigo, "00");
        const auto* a = Servico(*r, 'A');
        ASSERT_TRUE(a && a->size() == 1);
        const std::string& acb = a->front();
        ASSERT_EQ(acb.size(), 37u);
        const auto& d = doc[0] == '8' ? *convenio : *boleto;
        EXPECT_EQ(acb.substr(4, 12), contas::Numero(d.ValorDocumento(), 12));
        EXPECT_EQ(acb.substr(16, 8), contas::VencimentoDoCodigo(d.codigoBarras, QDate::currentDate()));
        EXPECT_EQ(acb.substr(25, 5), d.Modos(QDate::currentDate()));
        EXPECT_EQ(acb.substr(30, 6), "000000");
        EXPECT_FALSE(HRegistro(*r, "27").empty());
        EXPECT_EQ(Servico(*r, 'X'), nullptr);
    }
}

TEST(ServidorContas, RecusasDaConsultaTrazemOTextoOndeODialogoLe) {
    Servidor& s = Padrao();
    const auto regras = RegrasDe(QStringLiteral(CB_CENARIOS "/default.json"));
    const auto* boleto =
        Primeiro(regras, [](const contas::Documento& d) { return d.codigoBarras[0] != '8'; });
    ASSERT_TRUE(boleto);
    // One digit changed: the line no longer checks.
    std::string errada = boleto->linha;
    errada[40] = errada[40] == '9' ? '0' : static_cast<char>(errada[40] + 1);
    auto r = Consulta(s, errada);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "12");
    ASSERT_TRUE(Servico(*r, 'D'));
    // A well-formed bar code the bank does not hold.
    r = Consulta(s, "23797150000000150750009999999999999999999999");
    ASSERT_TRUE(r);
    EXPECT_NE(r->codigo, "00");
    ASSERT_TRUE(Servico(*r, 'D'));
    EXPECT_FALSE(Servico(*r, 'D')->front().empty());

    const auto* pagoD =
        Primeiro(regras, [](const contas::Documento& d) { return d.pago && d.servicoRecusa == 'D'; });
    const auto* pagoM =
        Primeiro(regras, [](const contas::Documento& d) { return d.pago && d.servicoRecusa == 'M'; });
    ASSERT_TRUE(pagoD && pagoM);
    r = Consulta(s, pagoD->linha);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "26");
    ASSERT_TRUE(Servico(*r, 'D'));
    EXPECT_EQ(Servico(*r, 'D')->front(), pagoD->textoRecusa);
    r = Consulta(s, pagoM->codigoBarras);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "26");
    EXPECT_EQ(Servico(*r, 'D'), nullptr) << "the dialog would show D and never reach M";
    ASSERT_TRUE(Servico(*r, 'M'));
    const std::string m = Servico(*r, 'M')->front();
    // Read as the dialog reads it: from the second character, "@" as line breaks.
    std::string lido = m.substr(1);
    std::replace(lido.begin(), lido.end(), '@', '\n');
    EXPECT_EQ(lido, pagoM->textoRecusa);
    EXPECT_NE(m.find('@'), std::string::npos);
}

TEST(ServidorContas, BoletoRegistradoTrazRegistro45EOsIndicadores) {
    Servidor& s = Padrao();
    const auto regras = RegrasDe(QStringLiteral(CB_CENARIOS "/default.json"));
    int vistos = 0;
    for (const auto& d : regras.documentos) {
        if (!d.registrado) continue;
        ++vistos;
        SCOPED_TRACE(d.descricao);
        // Also on network 005: a registered boleto keeps the ordinary record.
        const auto r = Consulta(s, d.linha, "005");
        ASSERT_TRUE(r);
        ASSERT_EQ(r->codigo, "00");
        const auto* a = Servico(*r, 'A');
        ASSERT_TRUE(a);
        ASSERT_EQ(a->front().size(), 37u);
        EXPECT_EQ(a->front().substr(30, 6), d.registrado->indicadores);
        const auto* x = Servico(*r, 'X');
        ASSERT_TRUE(x && x->size() == 1);
        const std::string& h45 = x->front();
        ASSERT_EQ(h45.size(), 3u + 361u);
        EXPECT_EQ(h45.substr(1, 2), "45");
        const std::string dados = h45.substr(3);
        EXPECT_EQ(dados.substr(25, 30).substr(0, d.registrado->instituicao.size()),
                  d.registrado->instituicao);
        EXPECT_EQ(dados.substr(55, 12), contas::Numero(d.registrado->multa, 12));
        EXPECT_EQ(dados.substr(67, 12), contas::Numero(d.registrado->juros, 12));
        EXPECT_EQ(dados.substr(103, 12), contas::Numero(d.Total(), 12));
        EXPECT_EQ(dados.substr(115, 12), contas::Numero(d.valorMinimo, 12));
        EXPECT_EQ(dados.substr(127, 12), contas::Numero(d.valorMaximo, 12));
        EXPECT_EQ(dados.substr(139, 40).find_last_not_of(' ') + 1, d.registrado->beneficiario.nome.size());
        EXPECT_EQ(dados.substr(347, 14).substr(0, d.registrado->pagador.documento.size()),
                  d.registrado->pagador.documento);
        EXPECT_TRUE(HRegistro(*r, "05").empty());
    }
    EXPECT_GE(vistos, 4);
}

TEST(ServidorContas, ContaDaRedeTemRegistroDeRedeQ082EHRegistros) {
    Servidor& s = Padrao();
    const auto regras = RegrasDe(QStringLiteral(CB_CENARIOS "/default.json"));
    const auto* d = Primeiro(regras, [](const contas::Documento& x) { return x.rede.has_value(); });
    ASSERT_TRUE(d);
    auto r = Consulta(s, d->codigoBarras, "005");
    ASSERT_TRUE(r);
    ASSERT_EQ(r->codigo, "00");
    const std::string a = Servico(*r, 'A')->front();
    ASSERT_EQ(a.size(), 40u);
    EXPECT_EQ(a.substr(4, 12), contas::Numero(d->ValorDocumento(), 12));
    EXPECT_EQ(a.substr(30, 4), d->formas);
    EXPECT_EQ(a.substr(34, 2), d->contaCartao);
    EXPECT_EQ(a.substr(37, 2), contas::Numero(regras.limiteDocumentos, 2));
    const auto* q = Servico(*r, 'Q');
    ASSERT_TRUE(q);
    const std::string q082 = q->front();
    ASSERT_EQ(q082.size(), 3u + 63u);
    EXPECT_EQ(q082.substr(0, 3), "082");
    const auto& v = *d->rede;
    EXPECT_EQ(q082.substr(3, 12), contas::Numero(v.juros, 12));
    EXPECT_EQ(q082.substr(15, 12), contas::Numero(v.multa, 12));
    EXPECT_EQ(q082.substr(27, 12), contas::Numero(v.juros + v.multa, 12));
    EXPECT_EQ(q082.substr(51, 12), contas::Numero(d->ValorDocumento() + v.juros + v.multa - v.desconto, 12));
    EXPECT_EQ(q082.substr(63, 2), contas::Numero(v.resumo, 2));
    EXPECT_EQ(HRegistro(*r, "05").substr(22, 3), "005");
    EXPECT_EQ(HRegistro(*r, "46").size(), 7u);
    EXPECT_FALSE(HRegistro(*r, "27").empty());
    // The same bill from a till that is not on network 005 gets the ordinary record.
    r = Consulta(s, d->codigoBarras);
    ASSERT_TRUE(r);
    EXPECT_EQ(Servico(*r, 'A')->front().size(), 37u);
    EXPECT_EQ(Servico(*r, 'Q'), nullptr);
}

TEST(ServidorContas, DadosDoPagamentoConferemAFaixaAutorizada) {
    Servidor& s = Padrao();
    const auto regras = RegrasDe(QStringLiteral(CB_CENARIOS "/default.json"));
    const auto* faixa = Primeiro(
        regras, [](const contas::Documento& d) { return d.valorMinimo > 0 && d.valorMaximo > 0 && !d.pago; });
    ASSERT_TRUE(faixa);
    const auto dentro = [&](long long v) { return DadosPagamento(s, faixa->linha, std::to_string(v)); };
    for (long long v : {faixa->valorMinimo, faixa->valorMaximo}) {
        const auto r = dentro(v);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->codigo, "00") << v;
        const std::string acp = Servico(*r, 'A')->front();
        ASSERT_EQ(acp.size(), 78u);
        EXPECT_EQ(acp.substr(4, 12), contas::Numero(v, 12));
        EXPECT_EQ(acp.substr(16, 4), faixa->formas);
        EXPECT_EQ(acp.substr(60, 2), faixa->contaCartao);
    }
    for (long long v : {faixa->valorMinimo - 1, faixa->valorMaximo + 1}) {
        const auto r = dentro(v);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->codigo, "13") << v;
        ASSERT_TRUE(Servico(*r, 'D'));
        const std::string texto = Servico(*r, 'D')->front();
        EXPECT_EQ(texto.rfind(cbserver::Latin1("Valor fora dos limites autorizados"), 0), 0u) << texto;
        EXPECT_NE(texto.find(contas::Dinheiro(faixa->valorMinimo)), std::string::npos) << texto;
        EXPECT_NE(texto.find(contas::Dinheiro(faixa->valorMaximo)), std::string::npos) << texto;
    }
    const auto r = dentro(0);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "13");

    const auto* outro = Primeiro(regras, [](const contas::Documento& d) { return d.valorAutorizado > 0; });
    ASSERT_TRUE(outro);
    const auto ra = DadosPagamento(s, outro->codigoBarras, std::to_string(outro->Total()));
    ASSERT_TRUE(ra);
    ASSERT_EQ(ra->codigo, "00");
    EXPECT_EQ(Servico(*ra, 'A')->front().substr(4, 12), contas::Numero(outro->valorAutorizado, 12));
    EXPECT_NE(outro->valorAutorizado, outro->Total())
        << "the total re-capture dialog must have a reason to show";
}

TEST(ServidorContas, CargaDoGrupo1TrazOLimiteDeDocumentosDoCenario) {
    Servidor s;
    ASSERT_TRUE(s.CarregaCenarioJson(
        R"({"parametros": {"1": {"h": ["21INFORMACOES GERAIS CB 80523710000000000"]}},
            "pagamentoContas": {"limiteDocumentos": 2, "documentos": []}})",
        QStringLiteral(".")));
    const auto r = Pede(s, {Item(10112, ""), Item(10171, ""), Item(10103, "1"), Item(10158, "00")});
    ASSERT_TRUE(r);
    ASSERT_EQ(r->codigo, "00");
    const auto* a = Servico(*r, 'A');
    ASSERT_TRUE(a);
    ASSERT_EQ(a->front().size(), 41u);
    EXPECT_EQ(a->front().substr(5, 2), "02");
    EXPECT_EQ(r->hRegistros.size(), 1u);
    // With a limit of 12 the record must not read as a track-collection record (type "01" at 4-5).
    ASSERT_TRUE(s.CarregaCenarioJson(
        R"({"parametros": {"1": {}}, "pagamentoContas": {"limiteDocumentos": 12}})", QStringLiteral(".")));
    auto doze = Pede(s, {Item(10103, "1"), Item(10158, "00")});
    ASSERT_TRUE(doze && Servico(*doze, 'A'));
    EXPECT_EQ(Servico(*doze, 'A')->front().substr(5, 2), "12");
    EXPECT_NE(Servico(*doze, 'A')->front().substr(4, 2), "01");
    // Without bills the load is the scenario's records alone.
    ASSERT_TRUE(s.CarregaCenarioJson(R"({"parametros": {"1": {}}})", QStringLiteral(".")));
    doze = Pede(s, {Item(10103, "1"), Item(10158, "00")});
    ASSERT_TRUE(doze);
    EXPECT_EQ(Servico(*doze, 'A'), nullptr);
    // A scenario whose group 1 writes its own service A keeps it as written.
    ASSERT_TRUE(s.CarregaCenarioJson(
        R"({"parametros": {"1": {"servicos": {"A": ["X"]}}}, "pagamentoContas": {}})", QStringLiteral(".")));
    const auto proprio = Pede(s, {Item(10103, "1"), Item(10158, "00")});
    ASSERT_TRUE(proprio);
    EXPECT_EQ(Servico(*proprio, 'A')->front(), "X");
}

TEST(ServidorContas, ContinuacaoDoPagamentoPendenteUmaVez) {
    Servidor s;
    ASSERT_TRUE(s.CarregaCenarioJson(
        R"({"pagamentoContas": {"documentos": [], "pendentes": [{"chave": "000000123456", "linhas": ["L1"]}]}})",
        QStringLiteral(".")));
    const auto continua = [&](const std::string& chave) {
        return Pede(s, {Item(10171, ""), Item(10103, "1"), Item(10158, "31"), Item(10102, chave)}, 1);
    };
    auto r = continua("000000123456");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "00");
    ASSERT_TRUE(Servico(*r, 'I'));
    EXPECT_EQ(Servico(*r, 'I')->back().rfind("NSU: ", 0), 0u);
    r = continua("000000123456");
    ASSERT_TRUE(r);
    EXPECT_NE(r->codigo, "00");
    EXPECT_TRUE(Servico(*r, 'D'));
    r = continua("999");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "25");
}

TEST(ServidorContas, CenarioComContaMalEscritaEhRecusadoAoPedir) {
    // A typed line that does not match its bar code, a bad mode string: the request is refused with a text
    // that names the key, so a scenario error shows on the till instead of passing unnoticed.
    for (
        const char* json :
        {R"({"pagamentoContas": {"documentos": [{"codigoBarras": "23797150000000150750001234567890123456789012",
              "linhaDigitavel": "23790001243456789012334567890123715000000015076"}]}})",
         R"({"pagamentoContas": {"documentos": [{"codigoBarras": "23797150000000150750001234567890123456789012",
              "modos": "12"}]}})",
         R"({"pagamentoContas": {"documentos": [{"codigoBarras": "23797150000000150750001234567890123456789013"}]}})"}) {
        Servidor s;
        ASSERT_TRUE(s.CarregaCenarioJson(QByteArray(json), QStringLiteral(".")));
        const auto r = Consulta(s, "23797150000000150750001234567890123456789012");
        ASSERT_TRUE(r);
        EXPECT_EQ(r->codigo, "57") << json;
        EXPECT_NE(r->mensagem.find("malformado"), std::string::npos) << r->mensagem;
    }
}

} // namespace
