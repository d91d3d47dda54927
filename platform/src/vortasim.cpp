// Control of the host stand-in for the simulated till and the tests.
#include "vortasim.h"
#include "Estado.h"

#include <cstring>

using namespace vorta;

extern "C" {

void VortaSimReinicia(void) {
    std::lock_guard g(trava());
    limpaPinpad(estado().pinpad);
    apagaCampos(estado().campos);
    estado() = Estado{};
}

int VortaSimDiretorioHost(char* saida, int capacidade) {
    const std::string d = diretorioHost();
    if (saida && capacidade > 0) {
        const size_t n = std::min(d.size(), static_cast<size_t>(capacidade - 1));
        std::memcpy(saida, d.data(), n);
        saida[n] = '\0';
    }
    return static_cast<int>(d.size());
}

int VortaSimQtdeGravaArquivo(void) {
    return estado().qtdeGravaArquivo;
}
int VortaSimQtdeFinalizacoes(void) {
    return estado().qtdeFinalizacoes;
}
uintptr_t VortaSimUltimaJanelaPrimeiroPlano(void) {
    return estado().ultimaJanelaPrimeiroPlano;
}

void VortaSimDefineModuloTEF(int comportamento, const char* resultado, int linhaRecorte, int linhasCupom) {
    auto& e = estado();
    e.moduloComportamento = comportamento;
    e.moduloResultado = resultado ? resultado : "";
    e.moduloLinhaRecorte = linhaRecorte;
    e.moduloLinhasCupom = linhasCupom;
}

void VortaSimUltimoModuloTEF(char* codigo, int capacidade, int* a, int* b) {
    const auto& e = estado();
    if (codigo && capacidade > 0) {
        const size_t n = std::min(e.ultimoModulo.size(), static_cast<size_t>(capacidade - 1));
        std::memcpy(codigo, e.ultimoModulo.data(), n);
        codigo[n] = '\0';
    }
    if (a) *a = e.ultimoModuloA;
    if (b) *b = e.ultimoModuloB;
}

void VortaSimDefineRespostaOperador(int resposta) {
    estado().respostaOperador = resposta;
}

void VortaSimDefineValidadorOperador(VortaSimValidadorOperador validador, void* contexto) {
    estado().validador = validador;
    estado().validadorContexto = contexto;
}

int VortaSimQtdeValidarOperador(void) {
    return estado().qtdeValidarOperador;
}

void VortaSimDefineFalhaTema(const char* classeFormulario) {
    estado().falhaTema = classeFormulario ? classeFormulario : "";
}

void VortaSimDefineFalhaGravacao(const int* campos, int quantidade) {
    std::lock_guard g(trava());
    auto& falhas = estado().camposFalhaGravacao;
    falhas.clear();
    for (int i = 0; campos && i < quantidade; ++i)
        falhas.insert(campos[i]);
}

void VortaSimDefinePermiteAlterarDados(bool permite) {
    estado().permiteAlterarDados = permite;
}

void VortaSimDefineObservador(VortaSimObservador observador, void* contexto) {
    estado().observador = observador;
    estado().observadorContexto = contexto;
}

int VortaSimVisitaCampos(VortaSimVisitaCampo visita, void* contexto) {
    std::lock_guard g(trava());
    int n = 0;
    for (const auto& [chave, valor] : estado().campos) {
        if (visita) visita(chave.first, chave.second, valor.data(), static_cast<int>(valor.size()), contexto);
        ++n;
    }
    return n;
}

int VortaSimVisitaCamposMascarados(VortaSimVisitaCampo visita, void* contexto) {
    std::lock_guard g(trava());
    int n = 0;
    for (const auto& [chave, valor] : estado().campos) {
        if (visita) {
            // The clear value is never handed out when it is a secret: only as many '*' as it has bytes.
            const bool sensivel = valorSensivel(chave.first, valor) || pareceCartao(valor);
            const std::string mostrado = sensivel ? std::string(valor.size(), '*') : std::string();
            const std::string& v = sensivel ? mostrado : valor;
            visita(chave.first, chave.second, v.data(), static_cast<int>(v.size()), contexto);
        }
        ++n;
    }
    return n;
}

} // extern "C"
