#include "Escuta.h"

#include "Quadro.h"
#include "Servidor.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <exception>

namespace cbserver {

namespace {

using Relogio = std::chrono::steady_clock;

// A client that connects and then sends nothing (or sends slowly) is dropped after this long.
constexpr auto kPrazoLeitura = std::chrono::seconds(10);
constexpr auto kPrazoEscrita = std::chrono::seconds(10);
// A request the fault switches leave unanswered holds its connection until the client gives up, but never
// longer than this.
constexpr auto kPrazoSilencio = std::chrono::minutes(10);
// Connections served at once, and those the kernel queues beyond them.
constexpr std::size_t kMaxAtendentes = 64;
constexpr int kFilaConexoes = 128;

enum class Espera { Pronto, Prazo, Parar };

// Waits for the events on fd, or for the wake-up of Para, up to the limit.
Espera Aguarda(int fd, short eventos, int despertador, Relogio::time_point limite) {
    for (;;) {
        const auto resta = std::chrono::ceil<std::chrono::milliseconds>(limite - Relogio::now()).count();
        if (resta <= 0) return Espera::Prazo;
        pollfd p[2] = {{fd, eventos, 0}, {despertador, POLLIN, 0}};
        const int n = ::poll(p, 2, static_cast<int>(std::min<long long>(resta, 60000)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || p[1].revents) return Espera::Parar;
        if (n > 0) return Espera::Pronto;
    }
}

// Reads exactly n bytes; false on end of stream, error, deadline or stop.
bool LeTudo(int fd, int despertador, char* destino, size_t n, Relogio::time_point limite) {
    size_t lidos = 0;
    while (lidos < n) {
        if (Aguarda(fd, POLLIN, despertador, limite) != Espera::Pronto) return false;
        const ssize_t r = ::recv(fd, destino + lidos, n - lidos, 0);
        if (r < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) continue;
        if (r <= 0) return false;
        lidos += static_cast<size_t>(r);
    }
    return true;
}

bool EscreveTudo(int fd, int despertador, const std::string& dados, Relogio::time_point limite) {
    size_t enviados = 0;
    while (enviados < dados.size()) {
        if (Aguarda(fd, POLLOUT, despertador, limite) != Espera::Pronto) return false;
        const ssize_t r = ::send(fd, dados.data() + enviados, dados.size() - enviados, MSG_NOSIGNAL);
        if (r < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) continue;
        if (r <= 0) return false;
        enviados += static_cast<size_t>(r);
    }
    return true;
}

} // namespace

Escuta::Escuta(Servidor& servidor) : servidor_(servidor) {}

Escuta::~Escuta() {
    Para();
}

bool Escuta::Inicia(const std::string& endereco, uint16_t porta, std::string* erro) {
    auto falha = [&](const std::string& motivo) {
        if (erro) *erro = motivo;
        Para();
        return false;
    };
    if (escuta_ >= 0) {
        if (erro) *erro = "already listening";
        return false;
    }
    addrinfo dicas{};
    dicas.ai_family = AF_UNSPEC;
    dicas.ai_socktype = SOCK_STREAM;
    dicas.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* lista = nullptr;
    const std::string servico = std::to_string(porta);
    if (const int r = ::getaddrinfo(endereco.c_str(), servico.c_str(), &dicas, &lista); r != 0)
        return falha(endereco + ": " + ::gai_strerror(r));
    std::string motivo = "no address for " + endereco;
    for (addrinfo* a = lista; a && escuta_ < 0; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (fd < 0) continue;
        const int sim = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &sim, sizeof sim);
        if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0 && ::listen(fd, kFilaConexoes) == 0) {
            escuta_ = fd;
        } else {
            motivo = endereco + ":" + servico + ": " + std::strerror(errno);
            ::close(fd);
        }
    }
    ::freeaddrinfo(lista);
    if (escuta_ < 0) return falha(motivo);

    sockaddr_storage local{};
    socklen_t tamanho = sizeof local;
    if (::getsockname(escuta_, reinterpret_cast<sockaddr*>(&local), &tamanho) != 0)
        return falha(std::string("getsockname: ") + std::strerror(errno));
    porta_ = ntohs(local.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&local)->sin6_port
                                               : reinterpret_cast<sockaddr_in*>(&local)->sin_port);
    if (::pipe2(despertador_, O_CLOEXEC | O_NONBLOCK) != 0)
        return falha(std::string("pipe: ") + std::strerror(errno));
    thread_ = std::thread(&Escuta::Laco, this);
    return true;
}

void Escuta::Para() {
    if (despertador_[1] >= 0) {
        const char c = 0;
        [[maybe_unused]] const ssize_t r = ::write(despertador_[1], &c, 1);
    }
    if (thread_.joinable()) thread_.join();
    for (int* fd : {&escuta_, &despertador_[0], &despertador_[1]}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

void Escuta::Laco() {
    for (;;) {
        const Espera e = Aguarda(escuta_, POLLIN, despertador_[0], Relogio::now() + std::chrono::hours(24));
        if (e == Espera::Parar) break;
        if (e != Espera::Pronto) continue;
        const int c = ::accept4(escuta_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (c < 0) continue;
        Recolhe(false);
        Despacha(c);
    }
    // Every wait of the serving threads watches the same wake-up: they end promptly.
    Recolhe(true);
}

void Escuta::Despacha(int c) {
    if (atendentes_.size() >= kMaxAtendentes) {
        atendentes_.front().thread.join();
        atendentes_.pop_front();
    }
    Atendente a{{}, std::make_shared<std::atomic<bool>>(false)};
    try {
        a.thread = std::thread([this, c, terminou = a.terminou] {
            try {
                AtendeConexao(c);
            } catch (const std::exception&) {
                // Out of memory or the like: this connection is dropped.
            }
            ::close(c);
            *terminou = true;
        });
    } catch (const std::exception&) {
        // No thread to be had: this connection is dropped, the next one is tried.
        ::close(c);
        return;
    }
    try {
        atendentes_.push_back(std::move(a));
    } catch (const std::exception&) {
        a.thread.join();
    }
}

void Escuta::Recolhe(bool todos) {
    for (auto it = atendentes_.begin(); it != atendentes_.end();) {
        if (todos || *it->terminou) {
            it->thread.join();
            it = atendentes_.erase(it);
        } else {
            ++it;
        }
    }
}

bool Escuta::ClienteDesiste(int c, std::chrono::steady_clock::time_point limite) {
    char lixo[256];
    for (;;) {
        const Espera e = Aguarda(c, POLLIN, despertador_[0], limite);
        if (e == Espera::Prazo) return false;
        if (e == Espera::Parar) return true;
        // Anything the client sends now is dropped; its end of the stream is what is waited for.
        const ssize_t r = ::recv(c, lixo, sizeof lixo, 0);
        if (r == 0 || (r < 0 && errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)) return true;
    }
}

void Escuta::AtendeConexao(int c) {
    const auto limiteLeitura = Relogio::now() + kPrazoLeitura;
    std::string quadro(cbwire::kCabecalhoQuadro, '\0');
    if (!LeTudo(c, despertador_[0], quadro.data(), quadro.size(), limiteLeitura)) return;
    // A header that does not announce a request of an acceptable size leaves nothing to answer: the
    // connection is closed.
    const auto total = cbwire::TamanhoQuadro(quadro, cbwire::kTipoPedido);
    if (!total) return;
    quadro.resize(*total);
    if (!LeTudo(c, despertador_[0], quadro.data() + cbwire::kCabecalhoQuadro,
                *total - cbwire::kCabecalhoQuadro, limiteLeitura))
        return;

    const Atendimento a = servidor_.Recebe(quadro);
    switch (a.acao) {
    case Atendimento::Acao::Derruba:
        return;
    case Atendimento::Acao::NaoResponde:
        ClienteDesiste(c, Relogio::now() + kPrazoSilencio);
        return;
    case Atendimento::Acao::Responde:
        break;
    }
    // A client that gives up during the delay has no one left to answer, and the next one is not kept
    // waiting for a reply that would go nowhere.
    if (a.atrasoMs > 0 && ClienteDesiste(c, Relogio::now() + std::chrono::milliseconds(a.atrasoMs))) return;
    EscreveTudo(c, despertador_[0], a.quadro, Relogio::now() + kPrazoEscrita);
}

} // namespace cbserver
