// The server on TCP: a listener in a thread of its own, one request per connection, frames as in
// server/PROTOCOL.md. Each connection is served on a thread of its own, as a bank serves many tills at once
// (a slow or silent answer to one keeps no other waiting); the server's state has its own lock.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <thread>

namespace cbserver {

class Servidor;

class Escuta {
public:
    explicit Escuta(Servidor& servidor);
    ~Escuta();
    Escuta(const Escuta&) = delete;
    Escuta& operator=(const Escuta&) = delete;

    // Listens on the address (numeric IPv4 or IPv6, or a host name) and port (0 picks a free one) and starts
    // serving. False, with the reason in erro, when the socket cannot be set up.
    bool Inicia(const std::string& endereco, uint16_t porta, std::string* erro = nullptr);
    // The port it listens on (0 before Inicia).
    uint16_t Porta() const { return porta_; }
    // Stops serving and waits for the thread; a connection being served is dropped.
    void Para();

private:
    void Laco();
    // Serves the connection on a thread of its own; beyond kMaxAtendentes at once, the oldest is waited for.
    void Despacha(int conexao);
    // Joins the threads whose connection is over (all of them with todos, once serving stops).
    void Recolhe(bool todos);
    void AtendeConexao(int conexao);
    // Waits until the client closes the connection (true; also when serving stops) or the limit passes.
    bool ClienteDesiste(int conexao, std::chrono::steady_clock::time_point limite);

    Servidor& servidor_;
    int escuta_ = -1;
    // Written on Para to wake every wait of the thread at once.
    int despertador_[2] = {-1, -1};
    uint16_t porta_ = 0;
    std::thread thread_;

    struct Atendente {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> terminou;
    };
    std::list<Atendente> atendentes_; // touched by the listener's thread only
};

} // namespace cbserver
