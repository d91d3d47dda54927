// Registro<N>: every fixed-width reply record is read through texto/inteiro/vazio, so their edge cases (the
// end of the record, never-filled bytes, blanks, non-numeric text) are settled here once.
#include "protocol/Registro.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

TEST(Registro, NuncaPreenchidoEVazio) {
    const Registro<8> r;
    EXPECT_EQ(r.texto(0, 8), QString());
    EXPECT_TRUE(r.vazio(0, 8));
    EXPECT_EQ(r.inteiro(0, 8, -1), -1);
}

TEST(Registro, TextoNoMeioNoFimEAlemDoFim) {
    Registro<10> r;
    r.atribui("AB12345678"sv);
    EXPECT_EQ(r.texto(0, 2), QStringLiteral("AB"));
    EXPECT_EQ(r.texto(2, 3), QStringLiteral("123"));
    // A field that runs past the end is cut at the end, not read beyond it.
    EXPECT_EQ(r.texto(8, 5), QStringLiteral("78"));
    EXPECT_EQ(r.texto(9, 1), QStringLiteral("8"));
    EXPECT_EQ(r.texto(10, 1), QString());
    EXPECT_EQ(r.texto(500, 3), QString());
    EXPECT_EQ(r.texto(3, 0), QString());
    EXPECT_EQ(r.inteiro(8, 3, -1), 78);
    EXPECT_EQ(r.inteiro(10, 3, -1), -1);
    EXPECT_TRUE(r.vazio(10, 3));
    EXPECT_FALSE(r.vazio(9, 3));
}

TEST(Registro, AtribuiMaisCurtoDeixaORestoSemPreencher) {
    Registro<10> r;
    r.atribui("XXXXXXXXXX"sv);
    r.atribui("ab"sv);
    // The tail of the previous contents is gone, not mixed into the new record.
    EXPECT_EQ(r.texto(0, 10), QStringLiteral("ab"));
    EXPECT_EQ(r.texto(2, 8), QString());
    EXPECT_TRUE(r.vazio(2, 8));
    EXPECT_EQ(r.inteiro(2, 3, 7), 7);
}

TEST(Registro, AtribuiMaisLongoCortaEmN) {
    Registro<4> r;
    r.atribui("123456789"sv);
    EXPECT_EQ(r.texto(0, 100), QStringLiteral("1234"));
    EXPECT_EQ(r.inteiro(0, 100, -1), 1234);
    EXPECT_EQ(r.texto(3, 5), QStringLiteral("4"));
}

TEST(Registro, NulCortaOCampoSoNaFatiaLida) {
    Registro<8> r;
    r.atribui("12\0"
              "34  5"sv);
    EXPECT_EQ(r.texto(0, 8), QStringLiteral("12"));
    EXPECT_EQ(r.inteiro(0, 4, -1), 12);
    // A field that starts after the NUL is read on its own.
    EXPECT_EQ(r.texto(3, 2), QStringLiteral("34"));
    EXPECT_EQ(r.inteiro(3, 2, -1), 34);
    EXPECT_TRUE(r.vazio(2, 1));
}

TEST(Registro, InteiroComBrancosENaoNumerico) {
    Registro<20> r;
    r.atribui(" 042 -5   12a  +7"sv);
    EXPECT_EQ(r.inteiro(0, 5, -1), 42); // " 042 ": blanks around, leading zero
    EXPECT_EQ(r.inteiro(5, 2, -1), -5);
    EXPECT_EQ(r.inteiro(7, 3, -1), -1); // blanks only: the default
    EXPECT_TRUE(r.vazio(7, 3));
    EXPECT_EQ(r.inteiro(10, 3, -1), -1); // "12a"
    EXPECT_EQ(r.inteiro(10, 3, 0), 0);
    EXPECT_EQ(r.inteiro(10, 2, -1), 12);
    EXPECT_EQ(r.inteiro(13, 2, -1), -1);
    EXPECT_FALSE(r.vazio(10, 3));
}

TEST(Registro, TextoEmLatin1) {
    Registro<6> r;
    r.atribui("S\xC3O \xC9"sv);
    EXPECT_EQ(r.texto(0, 6), QString::fromUtf8("SÃO É"));
    EXPECT_EQ(r.texto(4, 1), QString::fromUtf8("É"));
}

} // namespace
