// State of the host stand-in: the field store and the scripted behaviour of the outside components.
#pragma once

#include "vortasim.h"

#include <map>
#include <mutex>
#include <string>
#include <utility>

namespace vorta {

// CB_PRAZO_SERVIDOR_MS when it holds a positive number, else 15 s.
int prazoServidorPadrao();

struct Estado {
    std::map<std::pair<int, int>, std::string> campos;

    int qtdeGravaArquivo = 0;
    int qtdeFinalizacoes = 0;
    uintptr_t ultimaJanelaPrimeiroPlano = 0;

    int moduloComportamento = VORTASIM_MODULO_EXECUTA;
    std::string moduloResultado = "0";
    int moduloLinhaRecorte = 0;
    int moduloLinhasCupom = 0;
    std::string ultimoModulo;
    int ultimoModuloA = 0;
    int ultimoModuloB = 0;

    int respostaOperador = -1;
    VortaSimValidadorOperador validador = nullptr;
    void* validadorContexto = nullptr;
    int qtdeValidarOperador = 0;

    std::string falhaTema;
    bool permiteAlterarDados = true;

    VortaSimObservador observador = nullptr;
    void* observadorContexto = nullptr;

    // The payment server of AutorizaTransacao.
    enum class Conexao { Nenhuma, Local, Tcp };
    Conexao conexao = Conexao::Nenhuma;
    VortaSimServidorLocal servidorLocal = nullptr;
    void* servidorLocalContexto = nullptr;
    std::string servidorHost;
    std::string servidorPorta;
    int prazoServidorMs = prazoServidorPadrao();
    int qtdeAutorizacoes = 0;
};

// Everything runs on the host's user-interface thread; the lock only guards against a test that touches the
// store from another thread.
Estado& estado();
std::recursive_mutex& trava();

void notifica(const char* tipo, const std::string& texto);
std::string diretorioHost();
void gravaCampo(int campo, int ocorrencia, std::string valor);
bool gravaArquivoResultado();

} // namespace vorta
