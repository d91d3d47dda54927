// AutorizaTransacao: the request a descriptor describes goes to the payment server, in-process or over TCP,
// and the reply's services come back into the host fields.
#include "Estado.h"
#include "Protocolo.h"
#include "Quadro.h"
#include "basekit.h"
#include "vortasim.h"

#include <QString>

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>

namespace vorta {

int prazoServidorPadrao() {
    constexpr int kPadraoMs = 15000;
    const char* v = std::getenv("CB_PRAZO_SERVIDOR_MS");
    if (!v || !*v) return kPadraoMs;
    char* fim = nullptr;
    const long ms = std::strtol(v, &fim, 10);
    return (*fim == '\0' && ms > 0 && ms <= 24L * 3600 * 1000) ? static_cast<int>(ms) : kPadraoMs;
}

static bool Luhn(std::string_view digitos) {
    int soma = 0;
    bool dobra = false;
    for (auto it = digitos.rbegin(); it != digitos.rend(); ++it) {
        int d = *it - '0';
        if (dobra && (d *= 2) > 9) d -= 9;
        soma += d;
        dobra = !dobra;
    }
    return soma % 10 == 0;
}

// A run of 13 to 19 digits (single blanks or hyphens between groups allowed) that passes the Luhn check.
bool pareceCartao(std::string_view v) {
    std::string digitos;
    auto confere = [&] { return digitos.size() >= 13 && digitos.size() <= 19 && Luhn(digitos); };
    for (size_t i = 0; i < v.size(); ++i) {
        const char c = v[i];
        if (c >= '0' && c <= '9') {
            digitos.push_back(c);
            continue;
        }
        const bool separador = (c == ' ' || c == '-') && !digitos.empty() && i + 1 < v.size() &&
                               v[i + 1] >= '0' && v[i + 1] <= '9';
        if (separador) continue;
        if (confere()) return true;
        digitos.clear();
    }
    return confere();
}

} // namespace vorta

using namespace vorta;

namespace {

using Relogio = std::chrono::steady_clock;

std::string Latin1(const char* utf8) {
    const QByteArray b = QString::fromUtf8(utf8).toLatin1();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

// Every letter a reply can carry: the ones with a host field. The other fields of the 20000 range belong to
// the host (20036 is its pending-payment marker) and survive a reply.
constexpr std::string_view kLetras = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZc";
constexpr int kDistanciaContador = 110;
constexpr int kCampoH = 20200;
constexpr int kCampoQtdeH = 20310;

// ---- The request as the observer sees it: one line, sensitive values masked.

std::string Aspas(std::string_view v) {
    std::string s = "\"";
    for (const unsigned char c : v) {
        if (c == '"' || c == '\\') {
            s += '\\';
            s += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            char b[5];
            std::snprintf(b, sizeof b, "\\x%02X", c);
            s += b;
        } else {
            s += static_cast<char>(c);
        }
    }
    return s + '"';
}

std::string DescrevePedido(const cbwire::Pedido& p) {
    std::string s = std::to_string(p.codigo);
    // Only the contract-changing requests carry a flag; the rest stay as they always read.
    if (p.flag != 0) s += " flag=" + std::to_string(p.flag);
    for (const auto& i : p.itens) {
        const std::string texto = i.campo == 0 ? i.prefixo + i.valor : i.valor;
        s += ' ';
        s += std::to_string(i.campo);
        if (i.ocorrencia != 0) s += '.' + std::to_string(i.ocorrencia);
        s += '=';
        s += Aspas(valorSensivel(i.campo, texto) || pareceCartao(texto) ? std::string(texto.size(), '*')
                                                                        : texto);
        // A field's fixed label ("NSPIN:", "CSEG:") goes before its value on the wire: shown as "field:".
        if (i.campo != 0 && !i.prefixo.empty()) {
            s += ' ' + std::to_string(i.campo);
            if (i.ocorrencia != 0) s += '.' + std::to_string(i.ocorrencia);
            s += ":=" + Aspas(i.prefixo);
        }
    }
    return s;
}

std::string DescreveResposta(const cbwire::Resposta& r) {
    std::string s = Aspas(r.codigo) + ' ' + Aspas(r.mensagem);
    for (const auto& [letra, ocorrencias] : r.servicos)
        s += ' ' + std::string(1, letra) + '=' + std::to_string(ocorrencias.size());
    return s + " h=" + std::to_string(r.hRegistros.size());
}

// ---- Transports.

enum class Falha { Nenhuma, Conexao, Prazo, Encerrada, Incompleta };

struct Troca {
    Falha falha = Falha::Nenhuma;
    std::string resposta;
};

struct Canal {
    std::string resposta;
    bool respondeu = false;
};

void RecebeResposta(void* canal, const char* quadro, int tamanho) {
    auto* c = static_cast<Canal*>(canal);
    if (!c || c->respondeu || tamanho < 0 || (!quadro && tamanho > 0)) return;
    c->resposta.assign(quadro ? quadro : "", static_cast<size_t>(tamanho));
    c->respondeu = true;
}

Troca TrocaLocal(VortaSimServidorLocal servidor, void* contexto, const std::string& pedido, int prazoMs) {
    Canal canal;
    const int r =
        servidor(pedido.data(), static_cast<int>(pedido.size()), prazoMs, &RecebeResposta, &canal, contexto);
    if (r == VORTASIM_SERVIDOR_RESPONDEU && canal.respondeu)
        return {Falha::Nenhuma, std::move(canal.resposta)};
    return {r == VORTASIM_SERVIDOR_SEM_RESPOSTA ? Falha::Prazo : Falha::Encerrada, {}};
}

class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0) ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

enum class Espera { Pronto, Prazo, Erro };

Espera Aguarda(int fd, short eventos, Relogio::time_point limite) {
    for (;;) {
        const auto resta = std::chrono::ceil<std::chrono::milliseconds>(limite - Relogio::now()).count();
        if (resta <= 0) return Espera::Prazo;
        pollfd p{fd, eventos, 0};
        const int n = ::poll(&p, 1, static_cast<int>(std::min<long long>(resta, 60000)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Espera::Erro;
        if (n > 0) return Espera::Pronto;
    }
}

// Reads up to n bytes into destino, stopping early only at the end of the stream or on an error; lidos says
// how many came.
Falha Le(int fd, char* destino, size_t n, size_t& lidos, Relogio::time_point limite) {
    lidos = 0;
    while (lidos < n) {
        const Espera e = Aguarda(fd, POLLIN, limite);
        if (e == Espera::Prazo) return Falha::Prazo;
        if (e == Espera::Erro) return Falha::Encerrada;
        const ssize_t r = ::recv(fd, destino + lidos, n - lidos, 0);
        if (r < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) continue;
        if (r <= 0) return Falha::Encerrada;
        lidos += static_cast<size_t>(r);
    }
    return Falha::Nenhuma;
}

int Conecta(const std::string& host, const std::string& porta, Relogio::time_point limite, Falha& falha) {
    addrinfo dicas{};
    dicas.ai_family = AF_UNSPEC;
    dicas.ai_socktype = SOCK_STREAM;
    dicas.ai_flags = AI_NUMERICSERV;
    addrinfo* lista = nullptr;
    falha = Falha::Conexao;
    if (::getaddrinfo(host.c_str(), porta.c_str(), &dicas, &lista) != 0) return -1;
    int conectado = -1;
    for (addrinfo* a = lista; a && conectado < 0; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) continue;
        int r = ::connect(fd, a->ai_addr, a->ai_addrlen);
        if (r != 0 && errno == EINPROGRESS) {
            const Espera e = Aguarda(fd, POLLOUT, limite);
            int erro = 0;
            socklen_t tamanho = sizeof erro;
            if (e == Espera::Prazo) falha = Falha::Prazo;
            r = (e == Espera::Pronto && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &erro, &tamanho) == 0 &&
                 erro == 0)
                    ? 0
                    : -1;
        }
        if (r == 0) {
            conectado = fd;
        } else {
            ::close(fd);
            if (falha == Falha::Prazo) break;
        }
    }
    ::freeaddrinfo(lista);
    if (conectado >= 0) falha = Falha::Nenhuma;
    return conectado;
}

Troca TrocaTcp(const std::string& host, const std::string& porta, const std::string& pedido,
               Relogio::time_point limite, const std::function<void(const char*)>& progresso) {
    Falha falha = Falha::Nenhuma;
    const Socket s(Conecta(host, porta, limite, falha));
    if (s.fd() < 0) return {falha, {}};

    progresso("Aguarde, enviando pedido...");
    size_t enviados = 0;
    while (enviados < pedido.size()) {
        const Espera e = Aguarda(s.fd(), POLLOUT, limite);
        if (e != Espera::Pronto) return {e == Espera::Prazo ? Falha::Prazo : Falha::Encerrada, {}};
        const ssize_t r = ::send(s.fd(), pedido.data() + enviados, pedido.size() - enviados, MSG_NOSIGNAL);
        if (r < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) continue;
        if (r <= 0) return {Falha::Encerrada, {}};
        enviados += static_cast<size_t>(r);
    }

    progresso("Aguarde, processando transação...");
    std::string resposta(cbwire::kCabecalhoQuadro, '\0');
    size_t lidos = 0;
    falha = Le(s.fd(), resposta.data(), resposta.size(), lidos, limite);
    if (falha != Falha::Nenhuma) return {lidos == 0 || falha == Falha::Prazo ? falha : Falha::Incompleta, {}};
    // A header that is not a reply's goes to the decoder as it is, which rejects it.
    const auto total = cbwire::TamanhoQuadro(resposta, cbwire::kTipoResposta);
    if (!total) return {Falha::Nenhuma, std::move(resposta)};
    resposta.resize(*total);
    falha = Le(s.fd(), resposta.data() + cbwire::kCabecalhoQuadro, *total - cbwire::kCabecalhoQuadro, lidos,
               limite);
    if (falha != Falha::Nenhuma) return {falha == Falha::Prazo ? falha : Falha::Incompleta, {}};
    return {Falha::Nenhuma, std::move(resposta)};
}

// ---- The host fields.

std::string Contador(size_t n, int largura) {
    char b[16];
    std::snprintf(b, sizeof b, "%0*zu", largura, n);
    return b;
}

void GuardaResposta(const cbwire::Resposta& r) {
    std::lock_guard g(trava());
    auto& campos = estado().campos;
    for (const char letra : kLetras) {
        const int campo = cbwire::CampoDoServico(letra);
        apagaCampo(campos, campo);
        apagaCampo(campos, campo + kDistanciaContador);
    }
    apagaCampo(campos, kCampoH);
    apagaCampo(campos, kCampoQtdeH);
    for (const auto& [letra, ocorrencias] : r.servicos) {
        const int campo = cbwire::CampoDoServico(letra);
        for (size_t i = 0; i < ocorrencias.size(); ++i)
            campos[{campo, static_cast<int>(i)}] = ocorrencias[i];
        // The module reads service A's count as 4 characters, the others as 5.
        campos[{campo + kDistanciaContador, 0}] = Contador(ocorrencias.size(), letra == 'A' ? 4 : 5);
    }
    for (size_t i = 0; i < r.hRegistros.size(); ++i)
        campos[{kCampoH, static_cast<int>(i)}] = r.hRegistros[i];
    campos[{kCampoQtdeH, 0}] = Contador(r.hRegistros.size(), 5);
    defineCampo(campos, 1009, 0, r.codigo);
    defineCampo(campos, 1027, 0, r.mensagem);
}

bool Falhou(const std::string& textoUtf8) {
    const std::string texto = Latin1(textoUtf8.c_str());
    gravaCampo(1009, 0, "255");
    gravaCampo(1027, 0, texto);
    notifica("resposta", Aspas("255") + ' ' + Aspas(texto));
    return false;
}

bool Autoriza(const TTabelaTrn* descritor, VortaProgresso progresso, void* contexto, int flag) {
    Estado::Conexao conexao;
    VortaSimServidorLocal local;
    void* localContexto;
    std::string host, porta;
    int prazoMs;
    {
        std::lock_guard g(trava());
        auto& e = estado();
        ++e.qtdeAutorizacoes;
        conexao = e.conexao;
        local = e.servidorLocal;
        localContexto = e.servidorLocalContexto;
        host = e.servidorHost;
        porta = e.servidorPorta;
        prazoMs = e.prazoServidorMs;
    }
    const auto limite = Relogio::now() + std::chrono::milliseconds(prazoMs);
    const std::function<void(const char*)> avisa = [&](const char* textoUtf8) {
        if (progresso) progresso(Latin1(textoUtf8).c_str(), contexto);
    };

    if (!descritor) return Falhou("Transação sem descritor");
    cbwire::Pedido pedido = cbwire::MontaPedido(
        *descritor,
        [](int campo, int ocorrencia) -> std::optional<std::string> {
            std::lock_guard g(trava());
            const auto& campos = estado().campos;
            const auto it = campos.find({campo, ocorrencia});
            if (it == campos.end()) return std::nullopt;
            return it->second;
        },
        static_cast<uint8_t>(flag));
    // A chip card's offline advice travels as the transaction it advises, marked by field 10264; the host
    // adds the mark, since no descriptor lists that field.
    {
        std::lock_guard g(trava());
        const auto it = estado().campos.find({10264, 0});
        if (it != estado().campos.end() && it->second == "1") {
            cbwire::Item marca;
            marca.campo = 10264;
            marca.valor = "1";
            pedido.itens.push_back(std::move(marca));
        }
    }
    // The masked descriptions cost more than the exchange itself: built only when someone observes.
    if (estado().observador) notifica("pedido", DescrevePedido(pedido));
    std::string quadro = cbwire::CodificaPedido(pedido);
    Troca t;
    // However this ends, the request's card data and PIN block, and the reply as it came, leave no copy.
    const struct Limpeza {
        cbwire::Pedido& pedido;
        std::string& quadro;
        std::string& resposta;
        ~Limpeza() {
            cbwire::Apaga(pedido);
            cbwire::Apaga(quadro);
            cbwire::Apaga(resposta);
        }
    } limpeza{pedido, quadro, t.resposta};
    if (quadro.empty()) return Falhou("Pedido excede os limites do protocolo");
    if (conexao == Estado::Conexao::Nenhuma) return Falhou("Servidor de pagamentos não configurado");

    avisa("Aguarde, conectando...");
    if (conexao == Estado::Conexao::Local) {
        avisa("Aguarde, processando transação...");
        t = TrocaLocal(local, localContexto, quadro, prazoMs);
    } else {
        t = TrocaTcp(host, porta, quadro, limite, avisa);
    }
    switch (t.falha) {
    case Falha::Conexao:
        return Falhou("Não foi possível conectar ao servidor de pagamentos (" + host + ":" + porta + ")");
    case Falha::Prazo:
        return Falhou("Tempo de espera da resposta do servidor esgotado");
    case Falha::Encerrada:
        return Falhou("Conexão encerrada pelo servidor sem resposta");
    case Falha::Incompleta:
        return Falhou("Resposta incompleta do servidor de pagamentos");
    case Falha::Nenhuma:
        break;
    }
    const auto resposta = cbwire::DecodificaResposta(t.resposta);
    if (!resposta) return Falhou("Resposta inválida do servidor de pagamentos");
    GuardaResposta(*resposta);
    if (estado().observador) notifica("resposta", DescreveResposta(*resposta));
    return true;
}

} // namespace

extern "C" {

bool VORTA_CALL AutorizaTransacao(const TTabelaTrn* descritor, VortaProgresso progresso, void* contexto,
                                  int flag) {
    try {
        return Autoriza(descritor, progresso, contexto, flag);
    } catch (...) {
        try {
            return Falhou("Erro interno na autorização da transação");
        } catch (...) {
            return false;
        }
    }
}

void VortaSimDefineServidorLocal(VortaSimServidorLocal servidor, void* contexto) {
    std::lock_guard g(trava());
    auto& e = estado();
    if (servidor) {
        e.conexao = Estado::Conexao::Local;
    } else if (e.conexao == Estado::Conexao::Local) {
        e.conexao = Estado::Conexao::Nenhuma;
    }
    e.servidorLocal = servidor;
    e.servidorLocalContexto = servidor ? contexto : nullptr;
}

int VortaSimDefineServidorTcp(const char* hostPorta) {
    if (!hostPorta) {
        std::lock_guard g(trava());
        if (estado().conexao == Estado::Conexao::Tcp) estado().conexao = Estado::Conexao::Nenhuma;
        return 0;
    }
    const std::string_view s(hostPorta);
    const size_t doisPontos = s.rfind(':');
    if (doisPontos == std::string_view::npos || doisPontos == 0) return -1;
    std::string_view host = s.substr(0, doisPontos);
    const std::string_view porta = s.substr(doisPontos + 1);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
    if (porta.empty() || porta.size() > 5 ||
        !std::all_of(porta.begin(), porta.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    const int numero = std::atoi(std::string(porta).c_str());
    if (numero < 1 || numero > 65535) return -1;
    std::lock_guard g(trava());
    auto& e = estado();
    e.conexao = Estado::Conexao::Tcp;
    e.servidorHost = host;
    e.servidorPorta = std::to_string(numero);
    return 0;
}

void VortaSimDefinePrazoServidor(int ms) {
    std::lock_guard g(trava());
    estado().prazoServidorMs = ms > 0 ? ms : prazoServidorPadrao();
}

int VortaSimPrazoServidor(void) {
    std::lock_guard g(trava());
    return estado().prazoServidorMs;
}

int VortaSimQtdeAutorizacoes(void) {
    std::lock_guard g(trava());
    return estado().qtdeAutorizacoes;
}

} // extern "C"
