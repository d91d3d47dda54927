// Account opening: which types and modalities the group's record offers, the dates a holder may give, and
// the registration query's reply records read back into the address and names the last dialog shows.
#include "services/Aberturaconta.h"
#include "services/Consultadadoscadastraisdadostitulares.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QString>
#include <QStringList>

#include <string>

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

} // namespace
