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
    EXPECT_TRUE(ValidaModulo10("012300678963"));
    EXPECT_TRUE(ValidaModulo10("91"));  // 9 x 2 = 18 counts as 1 + 8: DV 1, not 2
    EXPECT_TRUE(ValidaModulo10("190")); // sum 10: DV 0, never "10"
    EXPECT_TRUE(ValidaModulo10("00"));
    EXPECT_FALSE(ValidaModulo10("012300678964"));
    EXPECT_FALSE(ValidaModulo10("92"));
    EXPECT_FALSE(ValidaModulo10("191"));
    EXPECT_FALSE(ValidaModulo10("0")); // no data before the DV (though 0 is the DV of nothing)
    EXPECT_FALSE(ValidaModulo10(""));
    EXPECT_FALSE(ValidaModulo10("0123006789-3"));
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
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(""));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(kTituloBarra.substr(0, 43).c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo((kTituloBarra + "0").c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(kTituloLinha.substr(0, 46).c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo((kTituloLinha + "0").c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(troca(kTituloBarra, 20, ' ').c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo(troca(kTituloLinha, 5, 'A').c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoTitulo("23792.87903 00000.012344 56789.012301 2 10000000012345"));
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
    EXPECT_TRUE(ValidaCodigoBarrasCompletoConvenio(resto0.c_str()));
    EXPECT_TRUE(ValidaCodigoBarrasCompletoConvenio(resto1.c_str()));
    EXPECT_TRUE(ValidaCodigoBarrasCompletoConvenio(resto10.c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(troca(resto0, 3, '1').c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(troca(resto1, 3, '1').c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(troca(resto10, 3, '0').c_str()));
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
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(""));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio("836"));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(barra.substr(0, 43).c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio((barra + "0").c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(linha.substr(0, 47).c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio((linha + "0").c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(troca(barra, 30, '-').c_str()));
    EXPECT_FALSE(ValidaCodigoBarrasCompletoConvenio(troca(linha, 40, 'x').c_str()));
}

// --------------------------------------------------------------------------------------------------- CPF

TEST(VerificaCPF, Regras) {
    EXPECT_TRUE(VerificaCPF("52998224725"));
    EXPECT_TRUE(VerificaCPF("11144477735"));
    EXPECT_TRUE(VerificaCPF("12345678909"));
    EXPECT_TRUE(VerificaCPF("10000000108")); // first DV: 10 x sum leaves 10, which counts as 0
    EXPECT_TRUE(VerificaCPF("10000002810")); // same for the second DV
    // First DV one off, second DV recomputed over it so that only the first is wrong.
    EXPECT_FALSE(VerificaCPF("52998224733"));
    EXPECT_FALSE(VerificaCPF("10000000116")); // 1 instead of the 0 a remainder of 10 gives
    EXPECT_FALSE(VerificaCPF("52998224726"));
    EXPECT_FALSE(VerificaCPF("52998234725")); // data digit changed
    // All of these satisfy the DV arithmetic.
    for (char d = '0'; d <= '9'; ++d) {
        const std::string repetido(11, d);
        SCOPED_TRACE(repetido);
        EXPECT_FALSE(VerificaCPF(repetido.c_str()));
    }
    EXPECT_FALSE(VerificaCPF(nullptr));
    EXPECT_FALSE(VerificaCPF(""));
    EXPECT_FALSE(VerificaCPF("5299822472"));
    EXPECT_FALSE(VerificaCPF("529982247250"));
    EXPECT_FALSE(VerificaCPF("529.982.247-25"));
    EXPECT_FALSE(VerificaCPF("5299822472A"));
}

// -------------------------------------------------------------------------------------------------- CNPJ

TEST(VerificaCNPJ, Regras) {
    EXPECT_TRUE(VerificaCNPJ("11222333000181"));
    EXPECT_TRUE(VerificaCNPJ("11444777000161"));
    EXPECT_TRUE(VerificaCNPJ("11222333000505")); // first DV from a remainder below 2
    EXPECT_FALSE(VerificaCNPJ("11222333000182"));
    // First DV one off, second DV recomputed over it so that only the first is wrong.
    EXPECT_FALSE(VerificaCNPJ("11222333000190"));
    EXPECT_FALSE(VerificaCNPJ("11222333000513")); // 1 instead of the 0 a remainder below 2 gives
    EXPECT_FALSE(VerificaCNPJ("11222333100181"));
    EXPECT_FALSE(VerificaCNPJ("00000000000000")); // satisfies the arithmetic
    EXPECT_FALSE(VerificaCNPJ("11111111111111"));
    EXPECT_TRUE(VerificaCNPJ("12ABC34501DE35")); // Receita Federal example
    EXPECT_TRUE(VerificaCNPJ("12abc34501de35"));
    EXPECT_TRUE(VerificaCNPJ("12ABC34501DF16")); // one letter further: both DVs change
    EXPECT_FALSE(VerificaCNPJ("12ABC34501DE36"));
    EXPECT_FALSE(VerificaCNPJ("12ABC34501DE43")); // first DV off, second consistent with it
    EXPECT_FALSE(VerificaCNPJ("12ABC34501DF35")); // letter changed, DVs kept
    // Characters outside 0-9/A-Z whose ASCII-minus-48 value happens to satisfy both DVs.
    EXPECT_FALSE(VerificaCNPJ("12ABC34501D:35"));
    EXPECT_FALSE(VerificaCNPJ("12ABC34501D[35"));
    EXPECT_FALSE(VerificaCNPJ("12ABC34501D@20"));
    EXPECT_FALSE(VerificaCNPJ("12ABC34501D\xC9"
                              "35"));             // Latin-1 E acute
    EXPECT_FALSE(VerificaCNPJ("12ABC34501DEA5")); // check digits are always numeric
    EXPECT_FALSE(VerificaCNPJ(nullptr));
    EXPECT_FALSE(VerificaCNPJ(""));
    EXPECT_FALSE(VerificaCNPJ("1122233300018"));
    EXPECT_FALSE(VerificaCNPJ("112223330001810"));
    EXPECT_FALSE(VerificaCNPJ("11.222.333/0001-81"));
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
    // The id8 and id9 fixtures above: remainder 10 gives DV 1, remainder 1 gives DV 0.
    EXPECT_TRUE(ValidaModulo11Convenio("848400000011"));
    EXPECT_FALSE(ValidaModulo11Convenio("848400000010"));
    EXPECT_TRUE(ValidaModulo11Convenio("859000000010"));
    EXPECT_FALSE(ValidaModulo11Convenio("859000000011"));
    // Remainder 0: 11 x 2 = 22... "0" followed by DV 0 is the plainest case.
    EXPECT_TRUE(ValidaModulo11Convenio("00"));
    EXPECT_FALSE(ValidaModulo11Convenio("0"));
    EXPECT_FALSE(ValidaModulo11Convenio(""));
    EXPECT_FALSE(ValidaModulo11Convenio("85890000460-9"));
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
    {
        SCOPED_TRACE("convenio modulo 11");
        RecusaQualquerDigitoTrocado(kConvenioModulo11, &ValidaCodigoBarrasCompletoConvenio);
    }
    {
        SCOPED_TRACE("convenio modulo 10");
        RecusaQualquerDigitoTrocado(kConvenioModulo10, &ValidaCodigoBarrasCompletoConvenio);
    }
    {
        SCOPED_TRACE("boleto");
        RecusaQualquerDigitoTrocado(kBoletoBB, &ValidaCodigoBarrasCompletoTitulo);
    }
}

} // namespace
