#include "ServidorSimulado.h"

#include "EmProcesso.h"
#include "Escuta.h"
#include "Servidor.h"

#include "vortasim.h"

ServidorSimulado::ServidorSimulado() = default;

ServidorSimulado::~ServidorSimulado() {
    Encerra();
}

bool ServidorSimulado::Inicia(const QString& cenario, bool tcp, QString* erro) {
    Encerra();
    auto servidor = std::make_unique<cbserver::Servidor>();
    if (!servidor->CarregaCenario(cenario, erro)) return false;
    if (tcp) {
        auto escuta = std::make_unique<cbserver::Escuta>(*servidor);
        std::string motivo;
        if (!escuta->Inicia("127.0.0.1", 0, &motivo)) {
            if (erro) *erro = QString::fromStdString(motivo);
            return false;
        }
        const QByteArray endereco = QByteArrayLiteral("127.0.0.1:") + QByteArray::number(escuta->Porta());
        VortaSimDefineServidorTcp(endereco.constData());
        escuta_ = std::move(escuta);
    } else {
        local_ = std::make_unique<cbserver::ConexaoEmProcesso>(*servidor);
    }
    servidor_ = std::move(servidor);
    return true;
}

bool ServidorSimulado::ConectaExterno(const QString& hostPorta, QString* erro) {
    Encerra();
    if (VortaSimDefineServidorTcp(hostPorta.toLatin1().constData()) != 0) {
        if (erro) *erro = QStringLiteral("--server takes HOST:PORT, not \"%1\"").arg(hostPorta);
        return false;
    }
    externo_ = true;
    return true;
}

void ServidorSimulado::Encerra() {
    local_.reset();
    if (escuta_ || externo_) VortaSimDefineServidorTcp(nullptr);
    escuta_.reset();
    externo_ = false;
    servidor_.reset();
}

int ServidorSimulado::PortaTcp() const {
    return escuta_ ? escuta_->Porta() : 0;
}

QList<CartaoPinpad> CartoesNoPinpad(const ServidorSimulado& servidor, const QString& cenario) {
    std::vector<cbserver::CartaoCenario> cartoes;
    if (servidor.Servidor()) {
        cartoes = servidor.Servidor()->Cartoes();
    } else {
        cbserver::Servidor leitor;
        if (leitor.CarregaCenario(cenario)) cartoes = leitor.Cartoes();
    }
    QList<CartaoPinpad> lista = CarregaCartoesPinpad(cartoes);
    ApagaCartoes(cartoes);
    return lista;
}
