// The till's payment server: the simulated server in this process, reached directly or through a TCP listener
// of its own on loopback, or an external server (cb-server) at HOST:PORT.
#pragma once

#include "CartoesPinpad.h"

#include <QList>
#include <QString>

#include <memory>

namespace cbserver {
class Servidor;
class ConexaoEmProcesso;
class Escuta;
} // namespace cbserver

class ServidorSimulado {
public:
    ServidorSimulado();
    ~ServidorSimulado();
    ServidorSimulado(const ServidorSimulado&) = delete;
    ServidorSimulado& operator=(const ServidorSimulado&) = delete;

    // A server of this process with the scenario; with tcp, the platform reaches it on 127.0.0.1 through a
    // listener on a free port, as it would reach a server of another process.
    bool Inicia(const QString& cenario, bool tcp, QString* erro);
    // The server at "HOST:PORT", which this process does not control.
    bool ConectaExterno(const QString& hostPorta, QString* erro);
    // Disconnects the platform and stops whatever this process serves.
    void Encerra();

    // The server of this process; null for an external one.
    cbserver::Servidor* Servidor() const { return servidor_.get(); }
    // Port of the loopback listener (0 when the platform calls the server directly).
    int PortaTcp() const;

private:
    std::unique_ptr<cbserver::Servidor> servidor_;
    std::unique_ptr<cbserver::ConexaoEmProcesso> local_;
    std::unique_ptr<cbserver::Escuta> escuta_;
    bool externo_ = false;
};

// The scenario's cards, put on offer in the simulated PIN pad: those of the server of this process, or with
// an external server those of the scenario file.
QList<CartaoPinpad> CartoesNoPinpad(const ServidorSimulado& servidor, const QString& cenario);
