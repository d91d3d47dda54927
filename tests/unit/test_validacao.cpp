// Check-digit routines of basekit.
//
// Every bar code, typed line and document number below was computed outside this code base with a
// separate script written from the published FEBRABAN and Receita Federal rules, and cross-checked there
// against widely published numbers (CPF 529.982.247-25, CNPJ 11.222.333/0001-81, the Receita example of
// the alphanumeric CNPJ 12.ABC.345/01DE-35). Fixtures that need a particular module-11 remainder were
// found by letting the script vary the last two free-field digits until the remainder came out as wanted.

#include "basekit.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace {

// The same text with the digit at pos moved one up (9 wraps to 0): an off-by-one check digit.
std::string desloca(std::string s, std::size_t pos) {
    s.at(pos) = s[pos] == '9' ? '0' : static_cast<char>(s[pos] + 1);
    return s;
}

std::string troca(std::string s, std::size_t pos, char c) {
    s.at(pos) = c;
    return s;
}

// ---------------------------------------------------------------------------------------------- module 10

TEST(ValidaModulo10, DvCertoErradoEEntradaRuim) {
    // 91: 9 x 2 = 18 counts as 1 + 8, DV 1 (not 2). 190: sum 10, DV 0 (never "10").
    for (const char* certo : {"012300678963", "91", "190", "00"})
        EXPECT_TRUE(ValidaModulo10(certo)) << certo;
    // "0": no data before the DV (though 0 is the DV of nothing).
    for (const char* errado : {"012300678964", "92", "191", "0", "", "0123006789-3"})
        EXPECT_FALSE(ValidaModulo10(errado)) << errado;
    EXPECT_FALSE(ValidaModulo10(nullptr));
}

// -------------------------------------------------------------------------------------------- bank slips

// Bank 237, currency 9, due factor 1000, R$ 123,45, free field 2879000000012345678901230; module-11
// remainder 9, so general DV 2. Field DVs of the typed line: 5, 0 and 1.
const std::string kTituloBarra = "23792100000000123452879000000012345678901230";
const std::string kTituloLinha = "23792879030000001234456789012301210000000012345";

// Bank 001, currency 9, factor 9531, R$ 100,00, last two free-field digits chosen for the remainder wanted.
const std::string kTituloResto0 = "00191953100000100000000001234567890000000006";  // 11 - 0 = 11 -> 1
const std::string kTituloResto1 = "00191953100000100000000001234567890000000001";  // 11 - 1 = 10 -> 1
const std::string kTituloResto10 = "00191953100000100000000001234567890000000000"; // 11 - 10 = 1

TEST(ValidaCodigoBarrasCompletoTitulo, Regras) {
    EXPECT_TRUE(ValidaCodigoBarrasCompletoTitulo(kTituloBarra.c_str()));
    EXPECT_TRUE(ValidaCodigoBarrasCompletoTitulo(kTituloLinha.c_str()));
    // Remainders 0 and 1 would give 11 and 10, which the bank-slip rule turns into 1 (collection codes
    // would use 0 here).
    for (const std::string& codigo : {kTituloResto0, kTituloResto1, kTituloResto10}) {
        SCOPED_TRACE(codigo);
        EXPECT_TRUE(ValidaCodigoBarrasCompletoTitulo(codigo.c_str()));
        EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(troca(codigo, 4, '0').c_str()));
    }
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(desloca(kTituloBarra, 4).c_str()));
    // A data digit changed, DV kept.
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(desloca(kTituloBarra, 43).c_str()));
    // Typed line: field DVs at 10, 21 and 32 (1-based), general DV at 33. Each position is only covered by
    // its own check, so each must be checked.
    for (std::size_t pos : {9U, 20U, 31U, 32U}) {
        SCOPED_TRACE(pos);
        EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(desloca(kTituloLinha, pos).c_str()));
    }
    // Fields 2 and 3 swapped keep every field DV right; only the bar code rebuilt in the right order
    // exposes the change through the general DV.
    const std::string trocada = kTituloLinha.substr(0, 10) + kTituloLinha.substr(21, 11) +
                                kTituloLinha.substr(10, 11) + kTituloLinha.substr(32);
    ASSERT_EQ(trocada.size(), 47U);
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(trocada.c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(nullptr));
    for (const std::string& ruim :
         {std::string(), kTituloBarra.substr(0, 43), kTituloBarra + "0", kTituloLinha.substr(0, 46),
          kTituloLinha + "0", troca(kTituloBarra, 20, ' '), troca(kTituloLinha, 5, 'A'),
          std::string("23792.87903 00000.012344 56789.012301 2 10000000012345")})
        EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(ruim.c_str())) << ruim;
}

// ------------------------------------------------------------------------------------- collection codes

// Value 000000123.45, company 0053, free field 2025011500000000012345678; segment and identifier vary.
struct Convenio {
    const char* nome;
    std::string barra; // 44 digits
    std::string linha; // 48 digits
};

void PrintTo(const Convenio& c, std::ostream* os) {
    *os << c.nome;
}

class ConvenioValido : public ::testing::TestWithParam<Convenio> {};

TEST_P(ConvenioValido, AcceptsBarCodeAndTypedLine) {
    EXPECT_TRUE(ValidaCodigoBarrasCompletoConvenio(GetParam().barra.c_str()));
    EXPECT_TRUE(ValidaCodigoBarrasCompletoConvenio(GetParam().linha.c_str()));
}

TEST_P(ConvenioValido, RejectsOffByOneCheckDigits) {
    const Convenio& c = GetParam();
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(desloca(c.barra, 3).c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(desloca(c.barra, 43).c_str()));
    for (std::size_t pos : {11U, 23U, 35U, 47U}) {
        SCOPED_TRACE(pos);
        EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(desloca(c.linha, pos).c_str()));
    }
}

INSTANTIATE_TEST_SUITE_P(Modulos, ConvenioValido,
                         ::testing::Values(
                             // Identifiers 6 and 7: module 10 everywhere.
                             Convenio{"id6", "83630000001234500532025011500000000012345678",
                                      "836300000012234500532028501150000005000123456782"},
                             Convenio{"id7", "82720000001234500532025011500000000012345678",
                                      "827200000012234500532028501150000005000123456782"},
                             // Identifiers 8 and 9: module 11. In the id8 line block 1 has remainder 10 (DV
                             // 1); in the id9 line block 1 and the general DV have remainder 1 (DV 0).
                             Convenio{"id8", "84840000001234500532025011500000000012345678",
                                      "848400000011234500532025501150000006000123456789"},
                             Convenio{"id9", "85900000001234500532025011500000000012345678",
                                      "859000000010234500532025501150000006000123456789"}),
                         [](const ::testing::TestParamInfo<Convenio>& p) {
                             return std::string(p.param.nome);
                         });

TEST(ValidaCodigoBarrasCompletoConvenio, Regras) {
    // General DV moved one up and block 1's DV recomputed for it, so only the general DV is wrong.
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio("836400000011234500532028501150000005000123456782"));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio("848500000013234500532025501150000006000123456789"));
    // Identifier 8; last two free-field digits chosen for the remainder. The collection rule gives 0 for
    // remainders 0 and 1 (where the bank-slip rule would give 1) and 1 for remainder 10.
    const std::string resto0 = "86800000001234500532025011500000000012345601";
    const std::string resto1 = "86800000001234500532025011500000000012345607";
    const std::string resto10 = "86810000001234500532025011500000000012345606";
    for (const auto& [codigo, outroDv] : {std::pair{resto0, '1'}, {resto1, '1'}, {resto10, '0'}}) {
        EXPECT_TRUE(ValidaCodigoBarrasCompletoConvenio(codigo.c_str())) << codigo;
        EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(troca(codigo, 3, outroDv).c_str())) << codigo;
    }
    // Same data with the DV of the other module: 3 is right for identifier 6 (module 10), 0 would be the
    // module-11 DV; 4 is right for identifier 8, 8 would be the module-10 DV.
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio("83600000001234500532025011500000000012345678"));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio("84880000001234500532025011500000000012345678"));
    // Identifier 8 typed line whose block DVs were computed with module 10 (general DV still right).
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio("848400000016234500532028501150000005000123456782"));
    // Identifier 5 with the DV either module would give.
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio("85530000001234500532025011500000000012345678"));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio("85570000001234500532025011500000000012345678"));
    // First digit 7 with DVs computed as if it were a collection code.
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio("73650000001234500532025011500000000012345678"));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio("74880000001234500532025011500000000012345678"));
    // A valid bank slip is not a collection code.
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(kTituloBarra.c_str()));
    const std::string barra = "83630000001234500532025011500000000012345678";
    const std::string linha = "836300000012234500532028501150000005000123456782";
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(nullptr));
    for (const std::string& ruim :
         {std::string(), std::string("836"), barra.substr(0, 43), barra + "0", linha.substr(0, 47),
          linha + "0", troca(barra, 30, '-'), troca(linha, 40, 'x')})
        EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(ruim.c_str())) << ruim;
}

// --------------------------------------------------------------------------------------------------- CPF

TEST(VerificaCPF, Regras) {
    // The last two: a DV (the first, then the second) whose 10 x sum leaves 10, which counts as 0.
    for (const char* certo : {"52998224725", "11144477735", "12345678909", "10000000108", "10000002810"})
        EXPECT_TRUE(VerificaCPF(certo)) << certo;
    // The first DV one off with the second recomputed over it, so that only the first is wrong (10000000116:
    // 1 instead of the 0 a remainder of 10 gives); the second DV one off; a data digit changed.
    for (const char* errado : {"52998224733", "10000000116", "52998224726", "52998234725"})
        EXPECT_FALSE(VerificaCPF(errado)) << errado;
    // All of these satisfy the DV arithmetic.
    for (char d = '0'; d <= '9'; ++d) {
        const std::string repetido(11, d);
        SCOPED_TRACE(repetido);
        EXPECT_FALSE(VerificaCPF(repetido.c_str()));
    }
    EXPECT_FALSE(VerificaCPF(nullptr));
    for (const char* ruim : {"", "5299822472", "529982247250", "529.982.247-25", "5299822472A"})
        EXPECT_FALSE(VerificaCPF(ruim)) << ruim;
}

// -------------------------------------------------------------------------------------------------- CNPJ

TEST(VerificaCNPJ, Regras) {
    // 11222333000505: the first DV from a remainder below 2. 12ABC34501DE35: the Receita Federal example, in
    // either case; one letter further both DVs change.
    for (const char* certo : {"11222333000181", "11444777000161", "11222333000505", "12ABC34501DE35",
                              "12abc34501de35", "12ABC34501DF16"})
        EXPECT_TRUE(VerificaCNPJ(certo)) << certo;
    // The second DV one off; the first one off with the second recomputed over it, so that only the first is
    // wrong (11222333000513: 1 instead of the 0 a remainder below 2 gives; 12ABC34501DE43); a data digit or a
    // letter changed, DVs kept; digits all alike, which satisfy the arithmetic.
    for (const char* errado :
         {"11222333000182", "11222333000190", "11222333000513", "11222333100181", "00000000000000",
          "11111111111111", "12ABC34501DE36", "12ABC34501DE43", "12ABC34501DF35"})
        EXPECT_FALSE(VerificaCNPJ(errado)) << errado;
    // Characters outside 0-9/A-Z whose ASCII-minus-48 value happens to satisfy both DVs.
    for (const char* fora : {"12ABC34501D:35", "12ABC34501D[35", "12ABC34501D@20"})
        EXPECT_FALSE(VerificaCNPJ(fora)) << fora;
    EXPECT_FALSE(VerificaCNPJ("12ABC34501D\xC9"
                              "35"));             // Latin-1 E acute
    EXPECT_FALSE(VerificaCNPJ("12ABC34501DEA5")); // check digits are always numeric
    EXPECT_FALSE(VerificaCNPJ(nullptr));
    for (const char* ruim : {"", "1122233300018", "112223330001810", "11.222.333/0001-81"})
        EXPECT_FALSE(VerificaCNPJ(ruim)) << ruim;
}

// ------------------------------------------------------------------------------ real bills, block by block

// Typed lines of real bills as printed on them: a collection with value identifier 9 (module 11), one with
// identifier 6 (module 10) and a Banco do Brasil bank boleto.
const std::string kConvenioModulo11 = "858900004609524601791605607593050865831483000010";
const std::string kConvenioModulo10 = "846700000017435900240209024050002435842210108119";
const std::string kBoletoBB = "00190000090114971860168524522114675860000102656";

TEST(ValidaModulo11Convenio, Regras) {
    for (std::size_t inicio = 0; inicio < 48; inicio += 12) {
        const std::string bloco = kConvenioModulo11.substr(inicio, 12);
        SCOPED_TRACE(bloco);
        EXPECT_TRUE(ValidaModulo11Convenio(bloco.c_str()));
        // The same block is not a module-10 block: a capture that checked every block by module 10 would
        // refuse a bill the bank accepts.
        EXPECT_FALSE(ValidaModulo10(bloco.c_str()));
    }
    // The id8 and id9 fixtures above: remainder 10 gives DV 1, remainder 1 gives DV 0. Remainder 0
    // (11 x 2 = 22...): "0" followed by DV 0 is the plainest case.
    for (const char* certo : {"848400000011", "859000000010", "00"})
        EXPECT_TRUE(ValidaModulo11Convenio(certo)) << certo;
    for (const char* errado : {"848400000010", "859000000011", "0", "", "85890000460-9"})
        EXPECT_FALSE(ValidaModulo11Convenio(errado)) << errado;
    EXPECT_FALSE(ValidaModulo11Convenio(nullptr));
}

TEST(ValidaModulo10, AcceptsEachBlockOfRealModulo10BillAndBankBoleto) {
    for (std::size_t inicio = 0; inicio < 48; inicio += 12) {
        const std::string bloco = kConvenioModulo10.substr(inicio, 12);
        SCOPED_TRACE(bloco);
        EXPECT_TRUE(ValidaModulo10(bloco.c_str()));
    }
    // Boleto fields: 10, 11 and 11 digits, each ending in its own DV.
    for (const auto& [inicio, tamanho] : {std::pair<std::size_t, std::size_t>{0, 10}, {10, 11}, {21, 11}}) {
        const std::string campo = kBoletoBB.substr(inicio, tamanho);
        SCOPED_TRACE(campo);
        EXPECT_TRUE(ValidaModulo10(campo.c_str()));
    }
}

// Every single digit of the line replaced by each other digit: the line is refused.
void RecusaQualquerDigitoTrocado(const std::string& linha, bool (*valida)(const char*)) {
    SCOPED_TRACE(linha);
    ASSERT_TRUE(valida(linha.c_str()));
    for (std::size_t pos = 0; pos < linha.size(); ++pos) {
        for (char c = '0'; c <= '9'; ++c) {
            if (c == linha[pos]) continue;
            const std::string alterada = troca(linha, pos, c);
            EXPECT_FALSE(valida(alterada.c_str())) << alterada;
        }
    }
}

TEST(LinhasReais, WholeLineAcceptedAndAnyOneDigitChangedRefused) {
    RecusaQualquerDigitoTrocado(kConvenioModulo11, &ValidaCodigoBarrasCompletoConvenio);
    RecusaQualquerDigitoTrocado(kConvenioModulo10, &ValidaCodigoBarrasCompletoConvenio);
    RecusaQualquerDigitoTrocado(kBoletoBB, &ValidaCodigoBarrasCompletoTitulo);
}

} // namespace
