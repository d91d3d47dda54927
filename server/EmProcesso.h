// The server in the host's own process: while a ConexaoEmProcesso lives, the platform's AutorizaTransacao
// hands its request frames straight to the server, with the same delays, silences and dropped requests as on
// TCP.
#pragma once

namespace cbserver {

class Servidor;

// Time spent answering in-process requests since the process started (handling, delays and silences), in
// nanoseconds: what a screen transition waited on the bank rather than on the module.
long long NanossegundosAtendendo();

class ConexaoEmProcesso {
public:
    explicit ConexaoEmProcesso(Servidor& servidor);
    // Removes the in-process connection; a TCP connection chosen since stays.
    ~ConexaoEmProcesso();
    ConexaoEmProcesso(const ConexaoEmProcesso&) = delete;
    ConexaoEmProcesso& operator=(const ConexaoEmProcesso&) = delete;

private:
    Servidor& servidor_;
};

} // namespace cbserver
