// State of the host stand-in: the field store and the scripted behaviour of the outside components.
#pragma once

#include "vortasim.h"

#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorta {

// The host fields by field and occurrence.
using Campos = std::map<std::pair<int, int>, std::string>;

// CB_PRAZO_SERVIDOR_MS when it holds a positive number, else 15 s.
int prazoServidorPadrao();

// A card the simulated PIN pad can be shown.
struct CartaoSimulado {
    std::string numero;
    std::string trilha2;
    std::string validade;
    std::string codigoServico;
    std::string rede;
    bool chip = false;
};

// A PIN the script has the customer type (or, with cancela, the customer cancelling that entry).
struct SenhaRoteiro {
    std::string digitos;
    bool cancela = false;
};

// The simulated PIN pad and BIN table. The cards are the script's (the plastic in the customer's hand); a
// PIN is wiped as soon as it is typed, and what was read is only an index into the cards. The PINs are built
// in place and never moved (a deque does not relocate on push_back and pop_front), so wiping one wipes the
// only copy.
struct Pinpad {
    std::vector<CartaoSimulado> cartoes;
    int apresentado = -1;
    int lido = -1;
    std::deque<int> analises;
    std::deque<SenhaRoteiro> senhas;
    std::deque<bool> confirmacoes;
    // The interactive PIN pad, when one is set; the digits it hands over during a PIN request.
    VortaSimPinpadInterativo interativo = nullptr;
    void* interativoContexto = nullptr;
    bool pedindoSenha = false;
    bool senhaEntregue = false;
    std::string senhaDigitada;
    bool falhaPorta = false;
    bool adviceOffLine = false;
    bool falhaBins = false;
    bool falhaChip = false;
    bool aberto = false;
    int porta = -1;
    unsigned contador = 0; // key serial number of the PIN blocks
    // The PIN blocks handed over during the call: a copy the module keeps in another field (a new account's
    // passwords) is still a PIN block, and is written out masked like 10146. Wiped when the call's result is
    // written: a block serves its call's authorisations only.
    std::vector<std::string> blocos;
    int qtdeLeituras = 0;
    int qtdeSenhas = 0;
};

// Overwrites the card numbers, tracks and PINs of the PIN pad before the state is dropped.
void limpaPinpad(Pinpad& p);
// Overwrites and forgets the PIN blocks handed over.
void esqueceBlocos(Pinpad& p);
// Overwrites and forgets the cards on offer.
void limpaCartoes(Pinpad& p);

struct Estado {
    Campos campos;

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
    std::set<int> camposFalhaGravacao;
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

    Pinpad pinpad;
};

// Everything runs on the host's user-interface thread; the lock only guards against a test that touches the
// store from another thread.
Estado& estado();
std::recursive_mutex& trava();

void notifica(const char* tipo, const std::string& texto);
std::string diretorioHost();
// Whether a write of this field by the module is to fail (a test switch).
bool gravacaoRecusada(int campo);
void gravaCampo(int campo, int ocorrencia, std::string valor);
bool gravaArquivoResultado();
// Fields that hold card data, track, PIN block, security code or key material: never written out in clear.
bool campoSensivel(int campo);
// The same for a value: a sensitive field's, or a PIN block the PIN pad handed over, wherever it is.
bool valorSensivel(int campo, const std::string& valor);
// A run of 13 to 19 digits (single blanks or hyphens between groups allowed) that passes the Luhn check.
bool pareceCartao(std::string_view v);

// Overwrites a string's bytes before it is dropped: card data and PINs leave no copy in freed memory.
void apaga(std::string& s);
// Wipes a local copy when it goes out of scope.
struct Apagador {
    std::string& s;
    ~Apagador() { apaga(s); }
};
// The store's values are wiped when replaced or erased: any of them may have held card data.
void defineCampo(Campos& campos, int campo, int ocorrencia, std::string valor);
void apagaCampo(Campos& campos, int campo);
void apagaCampos(Campos& campos);

} // namespace vorta
