// Pague Fácil: the answers padded to the bank's widths, the question records read, the catalogue lists built
// from the accumulated records and the amount checked against the entry's range.
#include "paguefacil/Capturasequenciamodelo.h"
#include "paguefacil/Pagtogrupo6paguefacil.h"
#include "paguefacil/Paguefacilconsultasegmentogrupo6.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using PagueFacil::Catalogo;

TEST(PagueFacil, RespostasNaLarguraDaPergunta) {
    struct Caso {
        const char* resposta;
        char tipo;
        int tamanho;
        const char* enviada;
    };
    const Caso casos[] = {
        {"123", 'N', 6, "000123"},    {"ab", 'X', 6, "ab    "},      {"ab", 'A', 4, "ab  "},
        {"123456", 'N', 6, "123456"}, {"1234567", 'N', 6, "123456"}, {"x", 'X', 0, "x"},
    };
    for (const auto& c : casos) {
        Capturasequencia::Pergunta p;
        p.tipo = QLatin1Char(c.tipo);
        p.tamanho = c.tamanho;
        EXPECT_EQ(Capturasequencia::Preenche(QLatin1String(c.resposta), p), QLatin1String(c.enviada))
            << c.resposta << " " << c.tipo << c.tamanho;
    }
}

TEST(PagueFacil, PerguntaLidaDoRegistro) {
    struct Caso {
        const char* rotulo; // 0-2 zero, 3-4 code, 5-24 label, 25 type, 26-27 re-typing, 28-29 length
        const char* resto;
        char tipo;
        bool redigita;
        int tamanho;
    };
    const Caso casos[] = {
        {"NUMERO DA INSTALACAO", "N0106", 'N', true, 6},
        {"  CODIGO", "X0012", 'X', false, 12},
        {"PROTOCOLO", "A02xx", 'A', false, 0},
    };
    for (const auto& c : casos) {
        Registro<30> r;
        r.atribui("00001" + (std::string(c.rotulo) + std::string(20, ' ')).substr(0, 20) + c.resto);
        const auto p = Capturasequencia::LePergunta(r);
        EXPECT_EQ(p.rotulo, QString::fromLatin1(c.rotulo).trimmed());
        EXPECT_EQ(p.tipo, QLatin1Char(c.tipo)) << c.rotulo;
        EXPECT_EQ(p.redigita, c.redigita) << c.rotulo;
        EXPECT_EQ(p.tamanho, c.tamanho) << c.rotulo;
    }
}

TEST(PagueFacil, ListasDosCatalogosAcumulados) {
    const std::string nome40 = "SAO PAULO" + std::string(31, ' ');
    // 3-4 sequence, 5 flag, 6-7 type, 8-9 count (two of the three entries), entries from 10.
    Lumomain::ServicoQ_TipoRegistro028_ConsultaUF.atribui("   "
                                                          "01"
                                                          "0"
                                                          "02"
                                                          "02"
                                                          "SP" +
                                                          nome40 + "RJ" + nome40 + "MG" + nome40);
    EXPECT_EQ(PagueFacil::Itens(Catalogo::UF), (QStringList{"SP - SAO PAULO", "RJ - SAO PAULO"}));
    EXPECT_EQ(PagueFacil::Quantidade(Catalogo::UF), 2);

    // Values: range and fee at 8, 20 and 32, the count at 44 and the values from 46.
    Lumomain::ServicoQ_TipoRegistro028_ConsultaValores.atribui("   "
                                                               "01"
                                                               "0"
                                                               "06"
                                                               "000000001000"
                                                               "000000050000"
                                                               "000000000150"
                                                               "03"
                                                               "000000002500"
                                                               "000000005000"
                                                               "000000000001");
    EXPECT_EQ(PagueFacil::Valores(), (std::vector<long long>{2500, 5000, 1}));
    EXPECT_EQ(PagueFacil::ValorMinimo(), 1000);
    EXPECT_EQ(PagueFacil::ValorMaximo(), 50000);
    EXPECT_EQ(PagueFacil::ValorTarifa(), 150);
}

TEST(PagueFacil, ValorDentroDaFaixa) {
    struct Caso {
        long long valor, minimo, maximo;
        bool aceito;
    };
    const Caso casos[] = {
        {1000, 1000, 50000, true},   {999, 1000, 50000, false}, {50000, 1000, 50000, true},
        {50001, 1000, 50000, false}, {0, 0, 0, false},          {7, 0, 0, true},
        {99999, 0, 50000, false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(PagueFacil::ValorAceito(c.valor, c.minimo, c.maximo), c.aceito)
            << c.valor << " " << c.minimo << "-" << c.maximo;
}

} // namespace
