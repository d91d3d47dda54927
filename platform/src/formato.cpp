// Formatting routines of basekit: money text, digit filters, padding and the key filters of the forms.
// Texts are 8-bit bytes (Latin-1); nothing here depends on the locale.

#include "basekit.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace {

std::string_view texto(const char* origem) {
    return origem ? std::string_view(origem) : std::string_view();
}

bool digito(char c) {
    return c >= '0' && c <= '9';
}

// A length as the int the C interface returns; no real text comes near INT_MAX, but a wrap would make a
// caller believe its buffer was big enough.
int comprimento(std::size_t n) {
    return n > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n);
}

// snprintf contract shared by every text routine: copy what fits, always terminate, report the full length.
int escreve(std::string_view resultado, char* saida, int capacidade) {
    if (saida && capacidade > 0) {
        const std::size_t cabe = std::min(resultado.size(), static_cast<std::size_t>(capacidade) - 1);
        std::copy_n(resultado.data(), cabe, saida); // an empty view may have a null data()
        saida[cabe] = '\0';
    }
    return comprimento(resultado.size());
}

std::string so_digitos(std::string_view origem) {
    std::string digitos;
    digitos.reserve(origem.size());
    for (char c : origem)
        if (digito(c)) digitos.push_back(c);
    return digitos;
}

// Blank and control bytes; Latin-1 letters (0x80 and up) must survive, hence the unsigned compare.
bool branco(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

extern "C" int VORTA_CALL Dollar(const char* origem, char* saida, int capacidade) {
    // Worked on the digit string so amounts of any length format without overflow.
    std::string digitos = so_digitos(texto(origem));
    const std::size_t primeiro = digitos.find_first_not_of('0');
    digitos.erase(0, primeiro == std::string::npos ? digitos.size() : primeiro);
    if (digitos.size() < 3) digitos.insert(0, 3 - digitos.size(), '0');

    const std::string_view inteiro(digitos.data(), digitos.size() - 2);
    std::string resultado;
    resultado.reserve(digitos.size() + digitos.size() / 3 + 1);
    for (std::size_t i = 0; i < inteiro.size(); ++i) {
        if (i > 0 && (inteiro.size() - i) % 3 == 0) resultado.push_back('.');
        resultado.push_back(inteiro[i]);
    }
    resultado.push_back(',');
    resultado.append(digitos, digitos.size() - 2, 2);
    return escreve(resultado, saida, capacidade);
}

extern "C" int VORTA_CALL RemoveFormato(const char* origem, char* saida, int capacidade) {
    return escreve(so_digitos(texto(origem)), saida, capacidade);
}

extern "C" int VORTA_CALL Replicate(int caractere, int quantidade, char* saida, int capacidade) {
    // Filled in place: a large count must not cost an allocation the caller's buffer cannot hold anyway.
    const int total = quantidade > 0 ? quantidade : 0;
    if (saida && capacidade > 0) {
        const int cabe = std::min(total, capacidade - 1);
        std::memset(saida, static_cast<unsigned char>(caractere), static_cast<std::size_t>(cabe));
        saida[cabe] = '\0';
    }
    return total;
}

extern "C" int VORTA_CALL PreencherZerosEsquerda(const char* origem, int largura, char* saida,
                                                 int capacidade) {
    const std::string_view valor = texto(origem);
    std::string resultado;
    if (largura > 0 && valor.size() < static_cast<std::size_t>(largura))
        resultado.assign(static_cast<std::size_t>(largura) - valor.size(), '0');
    resultado.append(valor);
    return escreve(resultado, saida, capacidade);
}

extern "C" int VORTA_CALL RightString(const char* origem, int largura, char* saida, int capacidade) {
    std::string_view valor = texto(origem);
    const std::size_t manter = largura > 0 ? static_cast<std::size_t>(largura) : 0;
    if (valor.size() > manter) valor.remove_prefix(valor.size() - manter);
    return escreve(valor, saida, capacidade);
}

extern "C" int VORTA_CALL CopiaSubStringDelimitador(const char* origem, const char* inicio, char delimitador,
                                                    char* saida, int capacidade) {
    const std::string_view valor = texto(origem);
    const std::string_view marca = texto(inicio);
    // An empty marker would "occur" everywhere; callers always look for a real key, so treat it as absent.
    const std::size_t achou = marca.empty() ? std::string_view::npos : valor.find(marca);
    if (achou == std::string_view::npos) return escreve({}, saida, capacidade);

    std::string_view trecho = valor.substr(achou + marca.size());
    trecho = trecho.substr(0, trecho.find(delimitador));
    while (!trecho.empty() && branco(trecho.front()))
        trecho.remove_prefix(1);
    while (!trecho.empty() && branco(trecho.back()))
        trecho.remove_suffix(1);
    return escreve(trecho, saida, capacidade);
}

extern "C" char VORTA_CALL ValKeyBoard(char* tecla) {
    if (!tecla) return 0;
    // Terminals differ in what their Enter and erase keys send; the forms only know CR and Backspace.
    if (*tecla == '\n')
        *tecla = 13;
    else if (*tecla == 127)
        *tecla = 8;
    return *tecla;
}

extern "C" char VORTA_CALL PermiteNumerico_BS_Enter(char* tecla) {
    if (!tecla) return 0;
    if (!digito(*tecla) && *tecla != 8 && *tecla != 13) *tecla = 0;
    return *tecla;
}
