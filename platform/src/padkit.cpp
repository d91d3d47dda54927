// padkit and binkit: a simulated PIN pad and BIN table, driven by the script the till or a test sets through
// vortasim.h. No window is shown here: every answer comes from the script at once, or from the interactive
// PIN pad the till installs (its window), which keeps its own deadline.
#include "padkit.h"
#include "Estado.h"
#include "Protocolo.h"
#include "binkit.h"
#include "hostlink.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string.h>
#include <string>

namespace vorta {

void limpaCartoes(Pinpad& p) {
    for (auto& c : p.cartoes) {
        apaga(c.numero);
        apaga(c.trilha2);
    }
    p.cartoes.clear();
    p.apresentado = -1;
    p.lido = -1;
}

void limpaPinpad(Pinpad& p) {
    limpaCartoes(p);
    for (auto& s : p.senhas)
        apaga(s.digitos);
    p.senhas.clear();
    apaga(p.senhaDigitada);
    esqueceBlocos(p);
}

void esqueceBlocos(Pinpad& p) {
    for (auto& b : p.blocos)
        apaga(b);
    p.blocos.clear();
}

} // namespace vorta

using namespace vorta;

namespace {

// Runs an entry point's body: nothing thrown may reach the host. No lock is held across the body, since the
// callbacks it may run (progress, offline advice) go back into the module and may authorise a transaction.
template <typename R, typename F> R protegido(R falha, F&& corpo) noexcept {
    try {
        return corpo();
    } catch (...) {
        return falha;
    }
}

// Asks the interactive PIN pad (which must be set). The hook and its context are read once, so a hook that
// replaces itself while it runs is not called with the other's context.
int pergunta(int pedido, const char* visor) {
    const auto& p = estado().pinpad;
    const VortaSimPinpadInterativo interativo = p.interativo;
    void* const contexto = p.interativoContexto;
    return interativo(pedido, visor ? visor : "", contexto);
}

void copiaTexto(char* saida, int capacidade, const std::string& texto) {
    if (!saida || capacidade <= 0) return;
    const size_t n = std::min(texto.size(), static_cast<size_t>(capacidade - 1));
    std::memcpy(saida, texto.data(), n);
    saida[n] = '\0';
}

// At most the first 6 and the last 4 digits stay visible.
std::string mascara(const std::string& numero) {
    if (numero.size() < 13) return std::string(numero.size(), '*');
    return numero.substr(0, 6) + std::string(numero.size() - 10, '*') + numero.substr(numero.size() - 4);
}

void grava(int campo, const std::string& valor) {
    gravaCampo(campo, 0, valor);
}

void falha(uint16_t codigo, const char* motivo) {
    grava(1009, "FF");
    grava(1027, motivo);
    notifica("pinpad", std::string("falha ") + std::to_string(codigo) + ": " + motivo);
}

const CartaoSimulado* cartaoLido() {
    const auto& p = estado().pinpad;
    return p.lido >= 0 && p.lido < static_cast<int>(p.cartoes.size())
               ? &p.cartoes[static_cast<size_t>(p.lido)]
               : nullptr;
}

// Takes the presented card: its track goes to field 10104, where the PIN capture may later put account data,
// and to field 10109, which keeps the card data for the requests that send them.
// With the interactive PIN pad, the card is the one presented on it during this read.
uint16_t leCartao(const char* origem, const char* titulo) {
    auto& p = estado().pinpad;
    ++p.qtdeLeituras;
    if (p.falhaPorta) {
        falha(PAD_FALHA_PORTA, "PinPad nao responde");
        return PAD_FALHA_PORTA;
    }
    if (p.interativo) {
        p.apresentado = -1;
        const int r = pergunta(VORTASIM_PINPAD_CARTAO, titulo);
        if (r == VORTASIM_PINPAD_ANULADO) {
            p.lido = -1;
            falha(PAD_CANCELADO, "Operacao cancelada no PinPad");
            return PAD_CANCELADO;
        }
        if (r != VORTASIM_PINPAD_OK) p.apresentado = -1;
    }
    if (p.apresentado < 0 || p.apresentado >= static_cast<int>(p.cartoes.size())) {
        p.lido = -1;
        falha(PAD_SEM_CARTAO, "Cartao nao apresentado");
        return PAD_SEM_CARTAO;
    }
    p.lido = p.apresentado;
    const CartaoSimulado& c = p.cartoes[static_cast<size_t>(p.lido)];
    // Built in place, so no temporary copy of the number is left unwiped.
    std::string trilha;
    Apagador apagaTrilha{trilha};
    if (c.trilha2.empty()) {
        trilha.reserve(c.numero.size() + 1 + c.validade.size() + c.codigoServico.size());
        trilha.append(c.numero).append(1, '=').append(c.validade).append(c.codigoServico);
    } else {
        trilha = c.trilha2;
    }
    grava(10104, trilha);
    grava(10109, trilha);
    std::string numero = c.numero;
    Apagador apagaNumero{numero};
    const std::string linha = std::string(origem) + " \"" + (titulo ? titulo : "") + "\" cartao " +
                              mascara(numero) + (c.chip ? " chip" : " tarja") + " rede " + c.rede;
    notifica("pinpad", linha);
    GravaAudit(0, linha.data(), static_cast<int>(linha.size()));
    return PAD_OK;
}

uint16_t analisa(const char* origem) {
    auto& p = estado().pinpad;
    if (!cartaoLido()) {
        notifica("pinpad", std::string(origem) + ": nenhum cartao lido");
        return PAD_SEM_CARTAO;
    }
    int r = 0;
    if (!p.analises.empty()) {
        r = p.analises.front();
        p.analises.pop_front();
    }
    notifica("pinpad", std::string(origem) + " " + std::to_string(r));
    return static_cast<uint16_t>(r);
}

// Runs f when the scope ends, however it ends.
template <typename F> struct AoSair {
    F f;
    ~AoSair() { f(); }
};
template <typename F> AoSair(F) -> AoSair<F>;

// The PIN block stands for the block a real PIN pad encrypts under its working key: a keyed hash of the PIN
// and the card data in field 10104, so it changes with both and never shows the PIN. Field 10243 gets the key
// serial number. The PIN is the next one of the script, or the digits the interactive PIN pad handed over;
// either is wiped when this returns.
uint16_t leSenha(const char* origem, const char* mensagem, const char* titulo) {
    auto& p = estado().pinpad;
    ++p.qtdeSenhas;
    if (p.falhaPorta) {
        falha(PAD_FALHA_PORTA, "PinPad nao responde");
        return PAD_FALHA_PORTA;
    }
    const bool interativo = p.interativo != nullptr;
    AoSair descarta{[&p, interativo] {
        if (interativo) {
            p.pedindoSenha = false;
            p.senhaEntregue = false;
            explicit_bzero(p.senhaDigitada.data(), p.senhaDigitada.size());
            p.senhaDigitada.clear();
        } else if (!p.senhas.empty()) {
            explicit_bzero(p.senhas.front().digitos.data(), p.senhas.front().digitos.size());
            p.senhas.pop_front();
        }
    }};
    bool cancelou = false;
    if (interativo) {
        if (titulo && *titulo) pergunta(VORTASIM_PINPAD_TITULO, titulo);
        explicit_bzero(p.senhaDigitada.data(), p.senhaDigitada.size());
        p.senhaDigitada.clear();
        p.senhaEntregue = false;
        p.pedindoSenha = true;
        cancelou = pergunta(VORTASIM_PINPAD_SENHA, mensagem) != VORTASIM_PINPAD_OK || !p.senhaEntregue;
        p.pedindoSenha = false;
    } else {
        cancelou = p.senhas.empty() || p.senhas.front().cancela;
    }
    if (cancelou) {
        falha(PAD_CANCELADO, "Operacao cancelada no PinPad");
        return PAD_CANCELADO;
    }
    const std::string& senha = interativo ? p.senhaDigitada : p.senhas.front().digitos;
    std::string bloco;
    {
        // The card data are read in place: no copy of them to wipe.
        std::lock_guard g(trava());
        const auto it = estado().campos.find({10104, 0});
        bloco = cbwire::BlocoDeSenha(senha, it != estado().campos.end() ? it->second : std::string_view());
        if (!bloco.empty()) p.blocos.push_back(bloco);
    }
    grava(10146, bloco);
    apaga(bloco);
    char ksn[17];
    std::snprintf(ksn, sizeof ksn, "FFFF%012X", ++p.contador);
    grava(10243, ksn);
    notifica("pinpad", std::string(origem) + " \"" + (mensagem ? mensagem : "") + "\" senha capturada");
    return PAD_OK;
}

// The customer's answer to texto: Entra or Anula on the interactive PIN pad, else the next scripted one.
bool confirma(const char* texto) {
    if (estado().pinpad.interativo) return pergunta(VORTASIM_PINPAD_CONFIRMACAO, texto) == VORTASIM_PINPAD_OK;
    auto& fila = estado().pinpad.confirmacoes;
    if (fila.empty()) return true;
    const bool r = fila.front();
    fila.pop_front();
    return r;
}

void progride(VortaProgresso progresso, void* contexto, const char* texto) {
    if (progresso) progresso(texto, contexto);
}

} // namespace

extern "C" {

uint16_t VORTA_CALL AbrePinpadCB(void) {
    return protegido<uint16_t>(PAD_FALHA_PORTA, [] {
        auto& p = estado().pinpad;
        if (p.falhaPorta) {
            falha(PAD_FALHA_PORTA, "PinPad nao encontrado");
            return static_cast<uint16_t>(PAD_FALHA_PORTA);
        }
        p.aberto = true;
        notifica("pinpad", "aberto");
        return static_cast<uint16_t>(PAD_OK);
    });
}

uint16_t VORTA_CALL FechaPinpadCB(void) {
    return protegido<uint16_t>(PAD_OK, [] {
        estado().pinpad.aberto = false;
        notifica("pinpad", "fechado");
        return static_cast<uint16_t>(PAD_OK);
    });
}

uint16_t VORTA_CALL LerCartaoCB(uintptr_t, const char* titulo) {
    return protegido<uint16_t>(PAD_SEM_CARTAO, [&] {
        if (!estado().pinpad.aberto) {
            falha(PAD_FECHADO, "PinPad nao aberto");
            return static_cast<uint16_t>(PAD_FECHADO);
        }
        return leCartao("LerCartaoCB", titulo);
    });
}

uint16_t VORTA_CALL LerCartaoCBGenerico(uintptr_t, int, const char* titulo) {
    return protegido<uint16_t>(PAD_SEM_CARTAO, [&] {
        if (!estado().pinpad.aberto) {
            falha(PAD_FECHADO, "PinPad nao aberto");
            return static_cast<uint16_t>(PAD_FECHADO);
        }
        return leCartao("LerCartaoCBGenerico", titulo);
    });
}

uint16_t VORTA_CALL LerCartao(uintptr_t, int, const char* titulo) {
    return protegido<uint16_t>(PAD_SEM_CARTAO, [&] { return leCartao("LerCartao", titulo); });
}

bool VORTA_CALL CartaoProcessaChip(void) {
    return protegido(false, [] {
        const CartaoSimulado* c = cartaoLido();
        return c && c->chip;
    });
}

uint16_t VORTA_CALL AnalisaDadosCartaoCB(void) {
    return protegido<uint16_t>(PAD_CARTAO_RECUSADO, [] { return analisa("AnalisaDadosCartaoCB"); });
}

uint16_t VORTA_CALL AnalisaDadosCartao(void) {
    return protegido<uint16_t>(PAD_CARTAO_RECUSADO, [] { return analisa("AnalisaDadosCartao"); });
}

uint16_t VORTA_CALL LerSenhaCB(uintptr_t, const char* mensagem, const char* titulo) {
    return protegido<uint16_t>(PAD_CANCELADO, [&] {
        if (!estado().pinpad.aberto) {
            falha(PAD_FECHADO, "PinPad nao aberto");
            return static_cast<uint16_t>(PAD_FECHADO);
        }
        return leSenha("LerSenhaCB", mensagem, titulo);
    });
}

uint16_t VORTA_CALL LerSenha(uintptr_t, const char* mensagem, const char*, int, const char* titulo) {
    return protegido<uint16_t>(PAD_CANCELADO, [&] { return leSenha("LerSenha", mensagem, titulo); });
}

uint16_t VORTA_CALL FormataDadosPinpadCB(int modo) {
    return protegido<uint16_t>(PAD_SEM_CARTAO, [&] {
        notifica("pinpad", "FormataDadosPinpadCB " + std::to_string(modo));
        return static_cast<uint16_t>(PAD_OK);
    });
}

uint16_t VORTA_CALL ConfiguraPinPad(int porta, int, const char*) {
    return protegido<uint16_t>(PAD_FALHA_PORTA, [&] {
        auto& p = estado().pinpad;
        if (p.falhaPorta || porta <= 0) {
            notifica("pinpad", "porta " + std::to_string(porta) + " sem PinPad");
            return static_cast<uint16_t>(PAD_FALHA_PORTA);
        }
        p.porta = porta;
        notifica("pinpad", "porta " + std::to_string(porta));
        return static_cast<uint16_t>(PAD_OK);
    });
}

uint16_t VORTA_CALL ObtemDadosEmvCB(void) {
    return protegido<uint16_t>(PAD_SEM_CARTAO, [] {
        if (estado().pinpad.falhaChip) {
            falha(PAD_SEM_CARTAO, "Falha na leitura do chip");
            return static_cast<uint16_t>(PAD_SEM_CARTAO);
        }
        // A transaction without a card (cash, account data) has no chip data to add.
        const CartaoSimulado* c = cartaoLido();
        notifica("pinpad", c && c->chip ? "dados EMV obtidos" : "sem chip: nada a obter");
        return static_cast<uint16_t>(PAD_OK);
    });
}

bool VORTA_CALL VerificaObtemDadosCartao(VortaProgresso progresso, void* contexto) {
    return protegido(false, [&] {
        progride(progresso, contexto, "Obtendo dados do cartao...");
        if (estado().pinpad.falhaChip) {
            falha(PAD_SEM_CARTAO, "Falha na leitura do chip");
            return false;
        }
        const CartaoSimulado* c = cartaoLido();
        notifica("pinpad", c && c->chip ? "dados EMV obtidos" : "sem chip: nada a obter");
        return true;
    });
}

bool VORTA_CALL VerificaProcessamentoCartao(VortaProgresso progresso, VortaAdviceOffLine advice,
                                            void* contexto) {
    return protegido(false, [&] {
        const CartaoSimulado* c = cartaoLido();
        // Without a card, or with a magnetic one, there is nothing for the chip to do.
        if (!c || !c->chip) return true;
        if (estado().pinpad.falhaChip) {
            falha(PAD_SEM_CARTAO, "Falha no processamento do chip");
            return false;
        }
        progride(progresso, contexto, "Processando cartao...");
        if (!estado().pinpad.adviceOffLine) return true;
        notifica("pinpad", "cartao pede advice off-line");
        return advice ? advice(false, contexto) : false;
    });
}

bool VORTA_CALL TrataMensagensCartaoCHIP(int dpchip, VortaProgresso progresso, VortaAdviceOffLine advice,
                                         void* contexto) {
    return protegido(false, [&] {
        const CartaoSimulado* c = cartaoLido();
        if (dpchip == 0 || !c || !c->chip) return true;
        progride(progresso, contexto, "Atualizando o chip do cartao...");
        notifica("pinpad", "resposta entregue ao chip (DPCHIP " + std::to_string(dpchip) + ")");
        if (!estado().pinpad.adviceOffLine) return true;
        notifica("pinpad", "cartao pede advice off-line");
        return advice ? advice(true, contexto) : false;
    });
}

uint16_t VORTA_CALL ExibeMsgPinpad(const char* texto) {
    return protegido<uint16_t>(PAD_FALHA_PORTA, [&] {
        notifica("pinpad", std::string("mensagem \"") + (texto ? texto : "") + "\"");
        if (estado().pinpad.interativo) pergunta(VORTASIM_PINPAD_MENSAGEM, texto);
        return static_cast<uint16_t>(PAD_OK);
    });
}

bool VORTA_CALL VerificaTrataTrnReferida(VortaProgresso progresso, void* contexto, const TTabelaTrn*) {
    return protegido(false, [&] {
        bool referida = false;
        {
            std::lock_guard g(trava());
            const auto& campos = estado().campos;
            const auto it = campos.find({1009, 0});
            referida = it != campos.end() && (it->second == "01" || it->second == "02");
        }
        if (!referida) return true;
        progride(progresso, contexto, "Transacao referida: confirme no PinPad");
        const bool liberada = confirma("Transacao referida");
        notifica("pinpad", liberada ? "referida liberada" : "referida recusada");
        return liberada;
    });
}

uint16_t VORTA_CALL ObtemConfirmacao(const char* texto, int modo) {
    return protegido<uint16_t>(PAD_CANCELADO, [&] {
        if (estado().pinpad.falhaPorta) return static_cast<uint16_t>(PAD_FALHA_PORTA);
        const bool confirmou = confirma(texto);
        notifica("pinpad", std::string("confirmacao ") + std::to_string(modo) + " \"" + (texto ? texto : "") +
                               "\" " + (confirmou ? "aceita" : "recusada"));
        return static_cast<uint16_t>(confirmou ? PAD_OK : PAD_CANCELADO);
    });
}

uint16_t VORTA_CALL RemoveCartao(void) {
    return protegido<uint16_t>(PAD_OK, [] {
        auto& p = estado().pinpad;
        p.lido = -1;
        p.apresentado = -1;
        notifica("pinpad", "cartao removido");
        return static_cast<uint16_t>(PAD_OK);
    });
}

bool VORTA_CALL FazConsultaBins(int modo, int, int, const char* empresas, int qtdeEmpresas, char* redeDestino,
                                int capacidadeRede, char* empresaOriginal, int capacidadeEmpresa,
                                char* codigoEmpresa, int capacidadeCodigo, VortaProgresso progresso,
                                void* contexto) {
    return protegido(false, [&] {
        copiaTexto(redeDestino, capacidadeRede, "");
        copiaTexto(empresaOriginal, capacidadeEmpresa, "");
        copiaTexto(codigoEmpresa, capacidadeCodigo, "");
        progride(progresso, contexto, "Consultando tabela de BINs...");
        if (estado().pinpad.falhaBins) {
            falha(PAD_CARTAO_RECUSADO, "Falha na consulta de BINs");
            return false;
        }
        if (leCartao(modo == 0 ? "FazConsultaBins EMV" : "FazConsultaBins", "") != PAD_OK) return false;
        // The stand-in has no ranges of its own: the card falls in the first company entry.
        std::string empresa;
        if (empresas && qtdeEmpresas > 0) {
            empresa.assign(empresas, strnlen(empresas, BINKIT_TAMANHO_EMPRESA));
            empresa.erase(empresa.find_last_not_of(' ') + 1);
        }
        std::string codigo = empresa.substr(0, 12);
        codigo.resize(12, ' ');
        copiaTexto(redeDestino, capacidadeRede, cartaoLido()->rede);
        copiaTexto(empresaOriginal, capacidadeEmpresa, empresa);
        copiaTexto(codigoEmpresa, capacidadeCodigo, codigo);
        return true;
    });
}

// Script of the simulated PIN pad.

int VortaSimPinpadAdicionaCartao(const char* numero, const char* trilha2, const char* validade,
                                 const char* codigoServico, int tipo, const char* rede) {
    return protegido(-1, [&] {
        auto& cartoes = estado().pinpad.cartoes;
        cartoes.push_back({numero ? numero : "", trilha2 ? trilha2 : "", validade ? validade : "",
                           codigoServico ? codigoServico : "", rede ? rede : "",
                           tipo == VORTASIM_CARTAO_CHIP});
        return static_cast<int>(cartoes.size()) - 1;
    });
}

void VortaSimPinpadApresentaCartao(int indice) {
    protegido(0, [&] { return estado().pinpad.apresentado = indice; });
}

void VortaSimPinpadDefineAnalises(const int* resultados, int quantidade) {
    protegido(0, [&] {
        auto& fila = estado().pinpad.analises;
        fila.clear();
        for (int i = 0; resultados && i < quantidade; ++i)
            fila.push_back(resultados[i]);
        return 0;
    });
}

void VortaSimPinpadLimpaCartoes(void) {
    protegido(0, [] {
        limpaCartoes(estado().pinpad);
        return 0;
    });
}

void VortaSimPinpadDefineSenhas(const char* const* senhas, int quantidade) {
    protegido(0, [&] {
        auto& fila = estado().pinpad.senhas;
        for (auto& s : fila)
            explicit_bzero(s.digitos.data(), s.digitos.size());
        fila.clear();
        for (int i = 0; senhas && i < quantidade; ++i) {
            // Built in place: no temporary copy of the PIN is left behind.
            fila.emplace_back();
            if (senhas[i])
                fila.back().digitos.assign(senhas[i]);
            else
                fila.back().cancela = true;
        }
        return 0;
    });
}

void VortaSimPinpadDefineSenha(const char* senha) {
    VortaSimPinpadDefineSenhas(&senha, 1);
}

void VortaSimPinpadDefineInterativo(VortaSimPinpadInterativo interativo, void* contexto) {
    protegido(0, [&] {
        auto& p = estado().pinpad;
        p.interativo = interativo;
        p.interativoContexto = interativo ? contexto : nullptr;
        return 0;
    });
}

int VortaSimPinpadEntregaSenha(const char* digitos) {
    return protegido(-1, [&] {
        auto& p = estado().pinpad;
        if (!p.pedindoSenha || !digitos) return -1;
        const size_t n = strnlen(digitos, 13);
        if (n < 4 || n > 12 ||
            !std::all_of(digitos, digitos + n, [](char c) { return c >= '0' && c <= '9'; }))
            return -1;
        explicit_bzero(p.senhaDigitada.data(), p.senhaDigitada.size());
        // At most 12 characters: the string's own small buffer, never a heap block freed unwiped.
        p.senhaDigitada.assign(digitos, n);
        p.senhaEntregue = true;
        return 0;
    });
}

void VortaSimPinpadDefineConfirmacoes(const bool* respostas, int quantidade) {
    protegido(0, [&] {
        auto& fila = estado().pinpad.confirmacoes;
        fila.clear();
        for (int i = 0; respostas && i < quantidade; ++i)
            fila.push_back(respostas[i]);
        return 0;
    });
}

void VortaSimPinpadDefineFalhaPorta(bool falha) {
    protegido(0, [&] { return (estado().pinpad.falhaPorta = falha) ? 1 : 0; });
}

void VortaSimPinpadDefineAdviceOffLine(bool pede) {
    protegido(0, [&] { return (estado().pinpad.adviceOffLine = pede) ? 1 : 0; });
}

void VortaSimPinpadDefineFalhaChip(bool falha) {
    protegido(0, [&] { return (estado().pinpad.falhaChip = falha) ? 1 : 0; });
}

void VortaSimBinsDefineFalha(bool falha) {
    protegido(0, [&] { return (estado().pinpad.falhaBins = falha) ? 1 : 0; });
}

bool VortaSimPinpadAberto(void) {
    return protegido(false, [] { return estado().pinpad.aberto; });
}

int VortaSimPinpadPorta(void) {
    return protegido(-1, [] { return estado().pinpad.porta; });
}

int VortaSimPinpadQtdeLeituras(void) {
    return protegido(0, [] { return estado().pinpad.qtdeLeituras; });
}

int VortaSimPinpadQtdeSenhas(void) {
    return protegido(0, [] { return estado().pinpad.qtdeSenhas; });
}

} // extern "C"
