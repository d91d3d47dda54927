// Formatting routines of basekit.

#include "basekit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace {

using Chamada = std::function<int(char* saida, int capacidade)>;

// Runs a text routine with a roomy buffer and checks the returned length against what was written.
std::string resultado(const Chamada& chamada) {
    std::array<char, 512> buffer{};
    const int n = chamada(buffer.data(), static_cast<int>(buffer.size()));
    const std::string texto(buffer.data());
    EXPECT_EQ(n, static_cast<int>(texto.size()));
    return texto;
}

std::string dollar(const char* origem) {
    return resultado([&](char* s, int c) { return Dollar(origem, s, c); });
}
std::string removeFormato(const char* origem) {
    return resultado([&](char* s, int c) { return RemoveFormato(origem, s, c); });
}
std::string replicate(int caractere, int quantidade) {
    return resultado([&](char* s, int c) { return Replicate(caractere, quantidade, s, c); });
}
std::string zeros(const char* origem, int largura) {
    return resultado([&](char* s, int c) { return PreencherZerosEsquerda(origem, largura, s, c); });
}
std::string right(const char* origem, int largura) {
    return resultado([&](char* s, int c) { return RightString(origem, largura, s, c); });
}
std::string copia(const char* origem, const char* inicio, char delimitador) {
    return resultado(
        [&](char* s, int c) { return CopiaSubStringDelimitador(origem, inicio, delimitador, s, c); });
}

// ------------------------------------------------------------------------------------------------ Dollar

// Short amounts padded to cents, thousands grouped, leading zeros dropped, only digits read, any length.
TEST(Dollar, Formata) {
    EXPECT_EQ(dollar(""), "0,00");
    EXPECT_EQ(dollar(nullptr), "0,00");
    EXPECT_EQ(dollar("0"), "0,00");
    EXPECT_EQ(dollar("5"), "0,05");
    EXPECT_EQ(dollar("12"), "0,12");
    EXPECT_EQ(dollar("123"), "1,23");
    EXPECT_EQ(dollar("12345"), "123,45");
    EXPECT_EQ(dollar("123456"), "1.234,56");
    EXPECT_EQ(dollar("1234567"), "12.345,67");
    EXPECT_EQ(dollar("12345678"), "123.456,78");
    EXPECT_EQ(dollar("100000000"), "1.000.000,00");
    EXPECT_EQ(dollar("000000000000"), "0,00");
    EXPECT_EQ(dollar("000000000005"), "0,05");
    EXPECT_EQ(dollar("000000123456"), "1.234,56");
    EXPECT_EQ(dollar("R$ 1.234,56"), "1.234,56");
    EXPECT_EQ(dollar("1.234,5"), "123,45"); // the digits are cents, not a decimal reading
    EXPECT_EQ(dollar("-12"), "0,12");
    EXPECT_EQ(dollar("abc"), "0,00");
    EXPECT_EQ(dollar("1\xB2\xB3"), "0,01"); // Latin-1 superscript two and three are not digits
    EXPECT_EQ(dollar("12345678901234567890"), "123.456.789.012.345.678,90");
    EXPECT_EQ(dollar("999999999999999999999999999999"), "9.999.999.999.999.999.999.999.999.999,99");
}

// ------------------------------------------------------------------------------------------ other texts

TEST(RemoveFormato, KeepsDigitsOnly) {
    EXPECT_EQ(removeFormato("R$ 1.234,56"), "123456");
    EXPECT_EQ(removeFormato("000.012,30"), "00001230"); // leading zeros are digits too
    EXPECT_EQ(removeFormato("abc \xB9\xBD"), "");
    EXPECT_EQ(removeFormato(""), "");
    EXPECT_EQ(removeFormato(nullptr), "");
}

TEST(Replicate, RepeteOCaractere) {
    EXPECT_EQ(replicate('*', 5), "*****");
    EXPECT_EQ(replicate('-', 1), "-");
    EXPECT_EQ(replicate('*', 0), "");
    EXPECT_EQ(replicate('*', -3), "");
    // A Latin-1 character arrives as 0xC7 or, promoted from a signed char, as -57.
    EXPECT_EQ(replicate(0xC7, 2), "\xC7\xC7");
    EXPECT_EQ(replicate(static_cast<char>(0xC7), 2), "\xC7\xC7");
    std::array<char, 8> buffer{};
    EXPECT_EQ(Replicate('0', 1000000, buffer.data(), static_cast<int>(buffer.size())), 1000000);
    EXPECT_STREQ(buffer.data(), "0000000");
}

TEST(PreencherZerosEsquerda, PadsToWidth) {
    EXPECT_EQ(zeros("123456", 12), "000000123456");
    EXPECT_EQ(zeros("123", 4), "0123");
    EXPECT_EQ(zeros("123", 3), "123");
    EXPECT_EQ(zeros("12345", 3), "12345");
    EXPECT_EQ(zeros("", 4), "0000");
    EXPECT_EQ(zeros(nullptr, 2), "00");
    EXPECT_EQ(zeros("12", 0), "12");
    EXPECT_EQ(zeros("12", -5), "12");
}

TEST(RightString, KeepsTheTail) {
    EXPECT_EQ(right("1234567890", 4), "7890");
    EXPECT_EQ(right("1234567890", 1), "0");
    EXPECT_EQ(right("abc", 3), "abc");
    EXPECT_EQ(right("abc", 10), "abc");
    EXPECT_EQ(right("abc", 0), "");
    EXPECT_EQ(right("abc", -2), "");
    EXPECT_EQ(right(nullptr, 3), "");
}

// The trimmed value after the marker, Latin-1 letters kept; empty when the marker is missing.
TEST(CopiaSubStringDelimitador, ValorDepoisDoMarcador) {
    EXPECT_EQ(copia("NOME= Joao da Silva ;IDADE=30", "NOME=", ';'), "Joao da Silva");
    EXPECT_EQ(copia("NOME=Joao;IDADE= 30 ", "IDADE=", ';'), "30"); // no delimiter: up to the end
    EXPECT_EQ(copia("a;K=v;w", "K=", ';'), "v");                   // delimiter searched after the marker
    EXPECT_EQ(copia("A=1;A=2", "A=", ';'), "1");                   // first occurrence
    EXPECT_EQ(copia("A=;B=2", "A=", ';'), "");
    EXPECT_EQ(copia("A=   ;B=2", "A=", ';'), "");
    EXPECT_EQ(copia("K=1;2", "K=", '\0'), "1;2");
    EXPECT_EQ(copia("K=valor\r\nX=1", "K=", '\n'), "valor"); // the CR of a CRLF line goes with the blanks
    // Bytes 0x80 and up are letters, not blanks, even where char is signed.
    EXPECT_EQ(copia("N=\xC9rico \xE7;", "N=", ';'), "\xC9rico \xE7");
    EXPECT_EQ(copia("\xC7\xC3O= x", "\xC7\xC3O=", ';'), "x");
    EXPECT_EQ(copia("NOME=Joao", "IDADE=", ';'), "");
    EXPECT_EQ(copia("NOME=Joao", "", ';'), "");
    EXPECT_EQ(copia("NOME=Joao", nullptr, ';'), "");
    EXPECT_EQ(copia(nullptr, "NOME=", ';'), "");
    EXPECT_EQ(copia("NOME", "NOME=", ';'), ""); // marker longer than the text
}

// ------------------------------------------------------------------------------------- snprintf contract

struct Contrato {
    const char* nome;
    Chamada chamada;
    std::string completo;
};

void PrintTo(const Contrato& c, std::ostream* os) {
    *os << c.nome;
}

class ContratoSnprintf : public ::testing::TestWithParam<Contrato> {};

TEST_P(ContratoSnprintf, TruncatesTerminatesAndReportsFullLength) {
    const Contrato& c = GetParam();
    const int total = static_cast<int>(c.completo.size());
    EXPECT_EQ(c.chamada(nullptr, 0), total);

    for (int capacidade = 0; capacidade <= total + 2; ++capacidade) {
        SCOPED_TRACE(capacidade);
        std::array<char, 64> buffer{};
        buffer.fill('#');
        EXPECT_EQ(c.chamada(buffer.data(), capacidade), total);
        const auto escritos = static_cast<std::size_t>(capacidade == 0 ? 0 : std::min(capacidade - 1, total));
        if (capacidade > 0) {
            EXPECT_EQ(std::string(buffer.data()), c.completo.substr(0, escritos));
        }
        // Nothing written past the terminator (or at all, with no capacity).
        const std::size_t limpo = capacidade == 0 ? 0 : escritos + 1;
        EXPECT_EQ(std::count(buffer.begin() + static_cast<std::ptrdiff_t>(limpo), buffer.end(), '#'),
                  static_cast<std::ptrdiff_t>(buffer.size() - limpo));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rotinas, ContratoSnprintf,
    ::testing::Values(
        Contrato{"Dollar", [](char* s, int c) { return Dollar("123456", s, c); }, "1.234,56"},
        Contrato{"RemoveFormato", [](char* s, int c) { return RemoveFormato("R$ 1.234,56", s, c); },
                 "123456"},
        Contrato{"Replicate", [](char* s, int c) { return Replicate('x', 6, s, c); }, "xxxxxx"},
        Contrato{"PreencherZerosEsquerda",
                 [](char* s, int c) { return PreencherZerosEsquerda("42", 8, s, c); }, "00000042"},
        Contrato{"RightString", [](char* s, int c) { return RightString("0123456789", 7, s, c); }, "3456789"},
        Contrato{"CopiaSubStringDelimitador",
                 [](char* s, int c) { return CopiaSubStringDelimitador("K= valor ;", "K=", ';', s, c); },
                 "valor"}),
    [](const ::testing::TestParamInfo<Contrato>& p) { return std::string(p.param.nome); });

TEST(ContratoSnprintf, NegativeCapacityWritesNothing) {
    std::array<char, 16> buffer{};
    buffer.fill('#');
    EXPECT_EQ(Dollar("123456", buffer.data(), -1), 8);
    EXPECT_EQ(RightString("abc", 2, buffer.data(), -1), 2);
    EXPECT_EQ(std::count(buffer.begin(), buffer.end(), '#'), static_cast<std::ptrdiff_t>(buffer.size()));
}

// ------------------------------------------------------------------------------------------ key filters

// Each key in, the key it becomes (in the result and in place); 0: swallowed.
TEST(FiltrosDeTecla, ValKeyBoardEPermiteNumerico) {
    const auto confere = [](auto filtro, std::string_view entradas, std::string_view saidas) {
        for (size_t i = 0; i < entradas.size(); ++i) {
            char tecla = entradas[i];
            EXPECT_EQ(filtro(&tecla), saidas[i]) << static_cast<int>(entradas[i]);
            EXPECT_EQ(tecla, saidas[i]) << static_cast<int>(entradas[i]);
        }
        EXPECT_EQ(filtro(nullptr), 0);
    };
    using namespace std::string_view_literals;
    // Enter and erase normalised, other keys (a Latin-1 letter too) left alone.
    confere(ValKeyBoard, "\n5a, \r\b\t\xE7\x7F"sv, "\r5a, \r\b\t\xE7\b"sv);
    // Digits, backspace and Enter pass; everything else is swallowed.
    confere(PermiteNumerico_BS_Enter, "09\b\r/:a,.\n\x7F\xB2"sv, "09\b\r\0\0\0\0\0\0\0\0"sv);
}

} // namespace
