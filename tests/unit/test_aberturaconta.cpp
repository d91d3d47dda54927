// Account opening: which types and modalities the group's record offers, the dates a holder may give, and
// the registration query's reply records read back into the address and names the last dialog shows.
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"
#include "services/Aberturaconta.h"
#include "services/Consultadadoscadastraisdadostitulares.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace {

namespace tit = Consultadadoscadastraisdadostitulares;

// The record as the parameter load keeps it: the text, the network at 22, the two numbers at 25 and 28.
Registro<42> Registro23(const char* corrente, const char* poupanca) {
    Registro<42> r;
    r.atribui(std::string("ABERTURA CONTA        805") + corrente + poupanca + "00000000");
    return r;
}

TEST(AberturaConta, TiposEModalidadesDoRegistro) {
    const struct {
        const char *corrente, *poupanca;
        QStringList tipos;
        // "tipo/codigo" of the checking account's modalities, in list order.
        QStringList modalidadesCorrente;
    } casos[] = {
        {"015", "015", {"Conta Corrente", "Conta Poupança"}, {"F01", "F02", "F03", "J01"}},
        // 1001: the two individual ones.
        {"009", "000", {"Conta Corrente"}, {"F01", "J01"}},
        // Only the last four bits count: 25 is 11001.
        {"025", "   ", {"Conta Corrente"}, {"F01", "J01"}},
        {"006", "ABC", {"Conta Corrente"}, {"F02", "F03"}},
        {"000", "004", {"Conta Poupança"}, {}},
        {"X12", "001", {"Conta Poupança"}, {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.corrente) + "/" + c.poupanca);
        const Registro<42> r = Registro23(c.corrente, c.poupanca);
        EXPECT_EQ(tit::TiposAbertura(r), c.tipos);
        QStringList obtidas;
        for (const auto& m : tit::Modalidades(tit::NumeroDoTipo(r, 1)))
            obtidas << QLatin1String(m.tipoPessoa) + QLatin1String(m.codigo);
        EXPECT_EQ(obtidas, c.modalidadesCorrente);
        EXPECT_EQ(tit::NumeroDoTipo(r, 3), 0);
    }
    // Texts, the company's documents and the holder count of each modality.
    const auto todas = tit::Modalidades(15);
    ASSERT_EQ(todas.size(), 4);
    EXPECT_EQ(QString::fromUtf8(todas[1].texto), QStringLiteral("Pessoa Física Conjunta E/OU"));
    EXPECT_EQ(QString::fromUtf8(todas[3].texto), QStringLiteral("Pessoa Jurídica Individual"));
    EXPECT_FALSE(todas[0].conjunta || todas[0].juridica || todas[3].conjunta);
    EXPECT_TRUE(todas[1].conjunta && todas[2].conjunta && todas[3].juridica);
}

TEST(AberturaConta, DataDeNascimentoOuFundacao) {
    const QDate hoje(2026, 12, 7);
    const struct {
        const char* texto;
        bool valida;
    } casos[] = {
        {"31/12/1899", false}, {"01/01/1900", true},  {"07/12/2026", true},  {"08/12/2026", false},
        {"29/02/2024", true},  {"29/02/2023", false}, {"1/01/2000", false},  {"  /  /    ", false},
        {"31/04/2000", false}, {"15031980", true},    {"15/13/1980", false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(tit::DataValida(QLatin1String(c.texto), hoje), c.valida) << c.texto;
}

std::string Largura(const std::string& s, size_t n) {
    std::string r = s.substr(0, n);
    r.resize(n, ' ');
    return r;
}

TEST(AberturaConta, RegistrosDaConsultaCadastral) {
    const std::string endereco = "051001" + Largura("AVENIDA PAULISTA", 40) + "X" + Largura("1578", 7) +
                                 Largura("CONJ 12", 20) + Largura("BELA VISTA", 30) +
                                 Largura("SAO PAULO", 30) + "SP" + std::string(8, ' ');
    const auto titular = [](const char* nome) { return "0" + Largura(nome, 32); };
    const struct {
        const char* nome;
        std::string titulares;
        QStringList nomes;
    } casos[] = {
        {"two holders, the second unknown",
         "0510022" + titular("MARIA SOUZA") + titular(""),
         {"MARIA SOUZA", ""}},
        // Three announced, one sent: the others are left for the operator.
        {"record cut short", "0510023" + titular("JOSE LIMA"), {"JOSE LIMA", "", ""}},
        {"more than the form shows",
         "0510029" + titular("A") + titular("B") + titular("C") + titular("D"),
         {"A", "B", "C"}},
        {"count not a digit", "051002X" + titular("A"), {}},
        {"no record", "", {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        const auto d = Aberturaconta::Le(endereco, c.titulares);
        EXPECT_EQ(d.nomes, c.nomes);
    }
    const auto d = Aberturaconta::Le(endereco, {});
    const Aberturaconta::DadosCadastrais esperado{QStringLiteral("AVENIDA PAULISTA"),
                                                  QStringLiteral("1578"),
                                                  QStringLiteral("CONJ 12"),
                                                  QStringLiteral("BELA VISTA"),
                                                  QStringLiteral("SAO PAULO"),
                                                  QStringLiteral("SP"),
                                                  {}};
    EXPECT_EQ(d, esperado);
    // An address record cut before the city keeps what it has.
    const auto curto = Aberturaconta::Le(endereco.substr(0, 80), {});
    EXPECT_EQ(curto.bairro, QStringLiteral("BELA V"));
    EXPECT_TRUE(curto.cidade.isEmpty() && curto.uf.isEmpty());
}

constexpr const char* kCenario =
    R"({"saques": {"contas": [{"conta": "0001 0123456-7", "tipos": ["01"], "saldo": "5"}]},
  "aberturaConta": {"ceps": {"01310100": {"endereco": "AVENIDA PAULISTA", "bairro": "BELA VISTA", "uf": "SP"}},
    "pessoas": {"52998224725": {"nome": "MARIA SOUZA", "nascimento": "15031980"},
                "11144477735": {"restricao": "CPF com restricao"}}}})";

struct Abertura {
    const char* operacao;
    std::string chave;
    const char *tipo, *modalidade; // "F02": person type and modality code
    std::vector<std::string> documentos, datas;
    bool completa; // every password, name and the address
    const char *codigo, *porque;
};

TEST(AberturaConta, BancoConsultaEAbreAConta) {
    // The bank kept in a file: the account opened is still there after a restart.
    QTemporaryDir pasta;
    const auto abre = [&pasta](std::unique_ptr<cbserver::Servidor>& s) {
        s = std::make_unique<cbserver::Servidor>();
        QString erro;
        ASSERT_TRUE(s->CarregaCenarioJson(QByteArray(kCenario), QStringLiteral("."), &erro) &&
                    s->AbreBanco(pasta.filePath(QStringLiteral("banco.db")), &erro))
            << erro.toStdString();
    };
    std::unique_ptr<cbserver::Servidor> s;
    ASSERT_NO_FATAL_FAILURE(abre(s));
    const std::string nova = "23700011000000765432100", outra = "23700011000000000999900";
    const std::vector<std::string> dois{"52998224725", "12345678909"}, datas{"15031980", "01012000"},
        outros{"52998224725", "98765432100"}, cpf{"52998224725"}, nascimento{"15031980"};
    const Abertura casos[] = {
        {"20", nova, "01", "F02", dois, datas, true, "12", "an opening needs its query"},
        {"10", nova, "01", "F02", dois, datas, false, "00", "the registry knows the first holder"},
        {"20", nova, "01", "F02", outros, datas, true, "12", "other holders than queried"},
        {"20", nova, "01", "F02", dois, datas, false, "55", "no passwords"},
        {"20", nova, "01", "F02", dois, datas, true, "00", "opened"},
        {"20", nova, "01", "F02", dois, datas, true, "12", "opened once"},
        {"10", nova, "02", "F01", cpf, nascimento, false, "12", "the number is taken now"},
        {"10", outra, "01", "F01", {"11144477735"}, {"01012000"}, false, "57", "refused by the registry"},
        {"10", outra, "01", "F01", cpf, {"16031980"}, false, "12", "not her date of birth"},
        {"10", outra, "01", "F01", dois, datas, false, "12", "an individual account of two"},
        {"10", outra, "01", "J02", {"11222333000181"}, {"01012000"}, false, "12", "no joint company"},
        {"10", outra, "03", "F01", cpf, nascimento, false, "12", "a type not opened here"},
        {"10", "34100011000000000999900", "01", "F01", cpf, nascimento, false, "12", "another bank"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.porque);
        const auto n = static_cast<uint16_t>(c.documentos.size());
        cbwire::Pedido p;
        p.codigo = 242;
        p.itens = {Item(10103, "5"),
                   Item(10158, c.operacao),
                   Item(10290, c.chave),
                   Item(10102, c.tipo),
                   Item(10102, std::string(c.modalidade, 1), 1),
                   Item(10102, c.modalidade + 1, 2),
                   Item(10254, std::to_string(n)),
                   Item(1090, "01310100")};
        for (uint16_t i = 0; i < n; ++i) {
            for (const auto& item : {Item(10163, std::to_string(i + 1), i), Item(10341, c.documentos[i], i),
                                     Item(10165, c.datas[i], i)})
                p.itens.push_back(item);
            if (c.completa)
                for (const auto& item :
                     {Item(10166, "TITULAR " + std::to_string(i + 1), i), Item(10167, "B", i)})
                    p.itens.push_back(item);
        }
        if (c.completa)
            for (const uint16_t campo : {10167, 1088, 1192, 1089, 1091, 1092})
                p.itens.push_back(Item(campo, "X", campo == 10167 ? 3 : 0));
        const auto r = Responde(*s, p);
        EXPECT_EQ(r.codigo, c.codigo) << r.mensagem;
        if (r.codigo != "00" || std::string(c.operacao) != "10") continue;
        // The address of the CEP and the name the registry has, blank for the holder it does not know.
        ASSERT_EQ(r.servicos.size(), 1u);
        const auto& a = r.servicos.front().second;
        ASSERT_EQ(a.size(), 2u);
        const auto d = Aberturaconta::Le(a[0], a[1]);
        EXPECT_EQ(d.endereco, QStringLiteral("AVENIDA PAULISTA"));
        EXPECT_EQ(d.uf, QStringLiteral("SP"));
        EXPECT_EQ(d.nomes, (QStringList{QStringLiteral("MARIA SOUZA"), QString()}));
    }
    // The balance query finds the account opened.
    s.reset();
    ASSERT_NO_FATAL_FAILURE(abre(s));
    cbwire::Pedido saldo;
    saldo.codigo = 242;
    saldo.itens = {Item(10103, "3"), Item(10158, "14"), Item(10134, "2"), Item(10290, nova),
                   Item(10146, "B")};
    const auto r = Responde(*s, saldo);
    EXPECT_EQ(r.codigo, "00") << r.mensagem;
}

} // namespace
