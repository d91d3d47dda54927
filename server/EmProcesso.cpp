#include "EmProcesso.h"

#include "Servidor.h"

#include "vortasim.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string_view>
#include <thread>

namespace cbserver {

namespace {

std::atomic<long long> atendendoNs{0};

// Adds the time of one exchange to the total, however it ends.
class MedeAtendimento {
public:
    ~MedeAtendimento() {
        atendendoNs +=
            std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - inicio_)
                .count();
    }

private:
    std::chrono::steady_clock::time_point inicio_ = std::chrono::steady_clock::now();
};

int Atende(const char* pedido, int tamanho, int prazoMs, VortaSimRespondePedido responde, void* canal,
           void* contexto) {
    const MedeAtendimento medida;
    try {
        auto* servidor = static_cast<Servidor*>(contexto);
        if (!servidor || !responde || tamanho < 0 || (!pedido && tamanho > 0))
            return VORTASIM_SERVIDOR_CONEXAO_ENCERRADA;
        const Atendimento a =
            servidor->Recebe(std::string_view(pedido ? pedido : "", static_cast<size_t>(tamanho)));
        const auto prazo = std::chrono::milliseconds(std::max(prazoMs, 0));
        switch (a.acao) {
        case Atendimento::Acao::Derruba:
            return VORTASIM_SERVIDOR_CONEXAO_ENCERRADA;
        case Atendimento::Acao::NaoResponde:
            // The caller would wait its whole deadline for an answer that never comes.
            std::this_thread::sleep_for(prazo);
            return VORTASIM_SERVIDOR_SEM_RESPOSTA;
        case Atendimento::Acao::Responde:
            break;
        }
        const auto atraso = std::chrono::milliseconds(a.atrasoMs);
        if (atraso >= prazo) {
            std::this_thread::sleep_for(prazo);
            return VORTASIM_SERVIDOR_SEM_RESPOSTA;
        }
        std::this_thread::sleep_for(atraso);
        responde(canal, a.quadro.data(), static_cast<int>(a.quadro.size()));
        return VORTASIM_SERVIDOR_RESPONDEU;
    } catch (...) {
        return VORTASIM_SERVIDOR_CONEXAO_ENCERRADA;
    }
}

} // namespace

long long NanossegundosAtendendo() {
    return atendendoNs.load();
}

ConexaoEmProcesso::ConexaoEmProcesso(Servidor& servidor) : servidor_(servidor) {
    VortaSimDefineServidorLocal(&Atende, &servidor_);
}

ConexaoEmProcesso::~ConexaoEmProcesso() {
    // A null server removes the in-process connection only while it is the chosen one.
    VortaSimDefineServidorLocal(nullptr, nullptr);
}

} // namespace cbserver
