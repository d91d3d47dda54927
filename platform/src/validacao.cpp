// Check digits of basekit: FEBRABAN bank-slip and collection bar codes (and their typed lines), CPF and
// CNPJ. Inputs are bare digit strings; any punctuation is the caller's to strip.

#include "basekit.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace {

bool digito(char c) {
    return c >= '0' && c <= '9';
}

bool so_digitos(std::string_view s) {
    for (char c : s)
        if (!digito(c)) return false;
    return true;
}

int valor(char c) {
    return c - '0';
}

// FEBRABAN module 10: weights 2,1,2,1... from the rightmost digit, two-digit products reduced to the sum
// of their digits.
int dv_modulo10(std::string_view dados) {
    int soma = 0;
    int peso = 2;
    for (auto it = dados.rbegin(); it != dados.rend(); ++it) {
        const int produto = valor(*it) * peso;
        soma += produto > 9 ? produto - 9 : produto;
        peso = peso == 2 ? 1 : 2;
    }
    const int dv = 10 - soma % 10;
    return dv == 10 ? 0 : dv;
}

// Weighted sum shared by both module-11 rules: weights 2..9, restarting at 2, from the rightmost digit.
int soma_modulo11(std::string_view dados) {
    int soma = 0;
    int peso = 2;
    for (auto it = dados.rbegin(); it != dados.rend(); ++it) {
        soma += valor(*it) * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    return soma;
}

// Bank slips never carry 0 as general DV: 0, 10 and 11 all become 1.
int dv_modulo11_titulo(std::string_view dados) {
    const int dv = 11 - soma_modulo11(dados) % 11;
    return (dv == 0 || dv == 10 || dv == 11) ? 1 : dv;
}

// Collection codes use the other convention: remainders 0 and 1 give 0, remainder 10 gives 1.
int dv_modulo11_convenio(std::string_view dados) {
    const int resto = soma_modulo11(dados) % 11;
    if (resto == 0 || resto == 1) return 0;
    if (resto == 10) return 1;
    return 11 - resto;
}

// The code with the character at posicao taken out: the data its general DV covers.
std::string sem_posicao(std::string_view codigo, std::size_t posicao) {
    std::string dados(codigo.substr(0, posicao));
    dados.append(codigo.substr(posicao + 1));
    return dados;
}

bool campo_modulo10(std::string_view campo) {
    return dv_modulo10(campo.substr(0, campo.size() - 1)) == valor(campo.back());
}

bool barra_titulo(std::string_view codigo) {
    return dv_modulo11_titulo(sem_posicao(codigo, 4)) == valor(codigo[4]);
}

// The value identifier (third digit) picks the module for every DV of a collection code.
enum class Modulo { Invalido, Dez, Onze };

Modulo modulo_convenio(std::string_view codigo) {
    if (codigo.size() < 3 || codigo[0] != '8') return Modulo::Invalido;
    switch (codigo[2]) {
    case '6':
    case '7':
        return Modulo::Dez;
    case '8':
    case '9':
        return Modulo::Onze;
    default:
        return Modulo::Invalido;
    }
}

int dv_convenio(Modulo modulo, std::string_view dados) {
    return modulo == Modulo::Dez ? dv_modulo10(dados) : dv_modulo11_convenio(dados);
}

bool barra_convenio(std::string_view codigo, Modulo modulo) {
    return dv_convenio(modulo, sem_posicao(codigo, 3)) == valor(codigo[3]);
}

// Receita Federal values: the ASCII code minus 48, so '0'..'9' keep their value and 'A' is 17. Lower case is
// accepted because operators type it; anything else is -1.
int valor_cnpj(char c) {
    if (digito(c)) return valor(c);
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return c - '0';
    return -1;
}

template <std::size_t N> int dv_cnpj(const std::array<int, 14>& valores, const std::array<int, N>& pesos) {
    int soma = 0;
    for (std::size_t i = 0; i < N; ++i)
        soma += valores[i] * pesos[i];
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

int dv_cpf(std::string_view dados) {
    int soma = 0;
    int peso = static_cast<int>(dados.size()) + 1;
    for (char c : dados)
        soma += valor(c) * peso--;
    return soma * 10 % 11 % 10;
}

bool todos_iguais(std::string_view s) {
    return s.find_first_not_of(s.front()) == std::string_view::npos;
}

} // namespace

extern "C" bool VORTA_CALL ValidaModulo10(const char* digitos) {
    if (!digitos) return false;
    const std::string_view s(digitos);
    return s.size() >= 2 && so_digitos(s) && campo_modulo10(s);
}

extern "C" bool VORTA_CALL ValidaModulo11Convenio(const char* digitos) {
    if (!digitos) return false;
    const std::string_view s(digitos);
    return s.size() >= 2 && so_digitos(s) &&
           dv_modulo11_convenio(s.substr(0, s.size() - 1)) == valor(s.back());
}

extern "C" bool VORTA_CALL ValidaCodigoBarrasCompletoTitulo(const char* digitos) {
    if (!digitos) return false;
    const std::string_view s(digitos);
    if (!so_digitos(s)) return false;
    if (s.size() == 44) return barra_titulo(s);
    if (s.size() != 47) return false;

    // Typed line: AAABC.CCCCX DDDDD.DDDDDY EEEEE.EEEEEZ K UUUUVVVVVVVVVV, where X, Y and Z are the field
    // DVs and K the general DV of the bar code AAABKUUUUVVVVVVVVVVCCCCCDDDDDDDDDDEEEEEEEEEE.
    if (!campo_modulo10(s.substr(0, 10)) || !campo_modulo10(s.substr(10, 11)) ||
        !campo_modulo10(s.substr(21, 11)))
        return false;
    std::string codigo(s.substr(0, 4));
    codigo.append(s.substr(32, 15));
    codigo.append(s.substr(4, 5));
    codigo.append(s.substr(10, 10));
    codigo.append(s.substr(21, 10));
    return barra_titulo(codigo);
}

extern "C" bool VORTA_CALL ValidaCodigoBarrasCompletoConvenio(const char* digitos) {
    if (!digitos) return false;
    const std::string_view s(digitos);
    if ((s.size() != 44 && s.size() != 48) || !so_digitos(s)) return false;
    const Modulo modulo = modulo_convenio(s);
    if (modulo == Modulo::Invalido) return false;
    if (s.size() == 44) return barra_convenio(s, modulo);

    // Typed line: four blocks of 11 bar-code digits, each followed by its own DV.
    std::string codigo;
    for (std::size_t inicio = 0; inicio < s.size(); inicio += 12) {
        const std::string_view bloco = s.substr(inicio, 11);
        if (dv_convenio(modulo, bloco) != valor(s[inicio + 11])) return false;
        codigo.append(bloco);
    }
    return barra_convenio(codigo, modulo);
}

extern "C" bool VORTA_CALL VerificaCPF(const char* digitos) {
    if (!digitos) return false;
    const std::string_view s(digitos);
    // Repeated digits pass the arithmetic but are not real numbers.
    if (s.size() != 11 || !so_digitos(s) || todos_iguais(s)) return false;
    return dv_cpf(s.substr(0, 9)) == valor(s[9]) && dv_cpf(s.substr(0, 10)) == valor(s[10]);
}

extern "C" bool VORTA_CALL VerificaCNPJ(const char* digitos) {
    if (!digitos) return false;
    const std::string_view s(digitos);
    if (s.size() != 14 || !digito(s[12]) || !digito(s[13])) return false;
    std::array<int, 14> valores{};
    for (std::size_t i = 0; i < s.size(); ++i) {
        valores[i] = valor_cnpj(s[i]);
        if (valores[i] < 0) return false;
    }
    if (todos_iguais(s)) return false;

    static constexpr std::array<int, 12> pesos1{5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr std::array<int, 13> pesos2{6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    return dv_cnpj(valores, pesos1) == valores[12] && dv_cnpj(valores, pesos2) == valores[13];
}
