#include "FigurasProtocolo.h"

#include "Comum.h"

#include "EmProcesso.h"
#include "Protocolo.h"
#include "Servidor.h"
#include "frame/Cargaparametropagto.h"
#include "protocol/ServicosResposta.h"
#include "unit/ParametrosSimulados.h"

#include "basekit.h"
#include "hostlink.h"
#include "vortasim.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cbbench {

namespace {

constexpr int kAquecimento = 20;
// A run takes microseconds: the deadline is armed once per batch of runs, since waking the watchdog's thread
// at every run would cost more than the run and disturb the next one.
constexpr int kLote = 50;
constexpr std::size_t kMinimoRegistros = 300;
constexpr int kCampoH = 20200;
constexpr int kCampoQtdeH = 20310;
// The module reads an h-record into a 257-byte buffer: 256 characters and the NUL.
constexpr std::size_t kCapacidadeH = 257;
// The platform's wait for the server: well inside the run's deadline, so a lost reply is reported by the
// platform rather than by the deadline.
constexpr int kPrazoServidorMs = 5000;

double emUs(Relogio::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

// A figure that cannot be taken throws: MedeProtocolo's caller ends the run with the reason.
[[noreturn]] void recusa(const std::string& motivo) {
    throw std::runtime_error(motivo);
}

// The warm-up rounds, then the timed ones, under the deadline armed batch by batch.
template <class Rodada>
void serie(int rodadas, const Prazo& prazo, const std::string& fase, Rodada&& rodada) {
    for (int i = 0; i < kAquecimento + rodadas; ++i) {
        if (i % kLote == 0) prazo.arma(fase);
        rodada(i >= kAquecimento);
    }
    prazo.desarma();
}

// ---- The floor: the bytes of the h-records copied out of the host fields, nothing interpreted.

// Reads the count, then every occurrence into a buffer of the module's size, and appends it to destino, which
// already has room for all of them. Returns the bytes copied.
std::size_t copiaHzinho(std::vector<char>& destino) {
    char contagem[8];
    uint16_t tamanho = sizeof contagem;
    if (HostlinkLeCampo(kCampoQtdeH, 0, contagem, &tamanho) != HL_OK) return 0;
    int total = 0;
    std::from_chars(contagem, contagem + tamanho, total);
    char buffer[kCapacidadeH];
    std::size_t copiados = 0;
    for (int i = 0; i < total; ++i) {
        uint16_t n = kCapacidadeH - 1;
        const uint16_t st = HostlinkLeCampo(kCampoH, i, buffer, &n);
        if (st != HL_OK && st != HL_BUFFER_PEQUENO) continue;
        n = static_cast<uint16_t>(std::min<std::size_t>(n, kCapacidadeH - 1));
        if (copiados + n > destino.size()) recusa("the floor's copy outgrew the load it was sized for");
        std::memcpy(destino.data() + copiados, buffer, n);
        copiados += n;
    }
    return copiados;
}

// The same bytes, as the floor should have copied them.
std::string esperadoDaCopia(const std::vector<std::string>& registros) {
    std::string s;
    for (const auto& r : registros)
        s.append(r, 0, std::min(r.size(), kCapacidadeH - 1));
    return s;
}

void confereCopia(const std::vector<char>& destino, std::size_t copiados, const std::string& esperado) {
    if (copiados != esperado.size() || std::memcmp(destino.data(), esperado.data(), copiados) != 0)
        recusa("the floor's copy of the h-records does not hold the load's bytes");
}

// ---- What a walk must have left: the company list and the last general-information record of the load.

struct Esperado {
    int empresas = 0;
    std::string informacoesGerais; // data of the last type-21 record, as the 39-byte record keeps it
};

Esperado esperadoDoWalk(const std::vector<std::string>& registros) {
    Esperado e;
    for (const auto& r : registros) {
        if (r.starts_with("12")) ++e.empresas;
        if (r.starts_with("21")) e.informacoesGerais = r.substr(2, 39);
    }
    e.informacoesGerais.resize(39, '\0');
    return e;
}

void confereWalk(const Esperado& e, const char* figura) {
    const auto& r = Lumomain::ServicoHzinho_21_Informacoes_Gerais_CB.dados;
    if (Lumomain::ServicoHzinho_EmpresaTEF.quantidade() != e.empresas ||
        std::string_view(r.data(), r.size()) != e.informacoesGerais)
        recusa(std::string(figura) +
               ": the walk did not leave the load's company list and general information");
}

void walk() {
    Lumomain::IniciaServicosHzinhoParametros();
    Lumomain::TrataServicosHzinhoParametros();
}

// ---- The request of the parameter load of group 1.

void gravaCamposCarga() {
    if (GravaCampoString(10112, 0, "") != 0 || GravaCampoString(10103, 0, "1") != 0 ||
        GravaCampoString(10158, 0, "00") != 0)
        recusa("cannot write the parameter load's request fields");
}

bool autoriza() {
    return AutorizaTransacao(&Cargaparametropagto::TrnConsultaCargaParamentros, nullptr, nullptr, 0);
}

// An in-process server that keeps the frames it saw, for the floor's coding of the same frames.
struct Gravador {
    cbserver::Servidor* servidor = nullptr;
    std::string pedido, resposta;
};

int gravaEAtende(const char* pedido, int tamanho, int, VortaSimRespondePedido responde, void* canal,
                 void* contexto) {
    try {
        auto* g = static_cast<Gravador*>(contexto);
        g->pedido.assign(pedido, static_cast<std::size_t>(tamanho));
        g->resposta = g->servidor->Atende(g->pedido);
        responde(canal, g->resposta.data(), static_cast<int>(g->resposta.size()));
        return VORTASIM_SERVIDOR_RESPONDEU;
    } catch (...) {
        return VORTASIM_SERVIDOR_CONEXAO_ENCERRADA;
    }
}

} // namespace

FigurasProtocolo MedeProtocolo(int rodadas, const Prazo& prazo) {
    FigurasProtocolo f;

    // ---- 4. the walk of a large load, against a plain copy of its bytes
    const std::vector<std::string> carga = GeraRegistrosParametros(kMinimoRegistros, CB_PARAMETROS);
    if (carga.size() < kMinimoRegistros)
        recusa(std::string("cannot make a parameter load from ") + CB_PARAMETROS);
    f.registrosCarga = carga.size();
    GravaRegistrosHzinho(carga);
    const Esperado esperadoCarga = esperadoDoWalk(carga);
    const std::string bytesCarga = esperadoDaCopia(carga);
    f.bytesCarga = bytesCarga.size();
    std::vector<char> destino(bytesCarga.size());

    const auto rodadaWalk = [&](bool conta) {
        const auto t0 = Relogio::now();
        Lumomain::IniciaServicosHzinhoParametros();
        const auto t1 = Relogio::now();
        Lumomain::TrataServicosHzinhoParametros();
        const auto t2 = Relogio::now();
        confereWalk(esperadoCarga, "figure 4");

        const auto p0 = Relogio::now();
        const std::size_t copiados = copiaHzinho(destino);
        const auto p1 = Relogio::now();
        confereCopia(destino, copiados, bytesCarga);
        if (!conta) return;
        f.walk.push_back(emUs(t2 - t0));
        f.inicia.push_back(emUs(t1 - t0));
        f.pisoWalk.push_back(emUs(p1 - p0));
    };
    try {
        serie(rodadas, prazo,
              "figure 4: the walk of " + std::to_string(carga.size()) + " h-records and their floor's copy",
              rodadaWalk);
    } catch (const Lumomain::ErroConversao& e) {
        recusa(std::string("figure 4: the walk stopped: ") + e.what());
    }

    // ---- 5. a parameter load through the platform and the simulated server, against the frames' coding
    cbserver::Servidor servidor;
    QString erro;
    if (!servidor.CarregaCenario(QStringLiteral(CB_CENARIO), &erro))
        recusa("cannot load the scenario: " + erro.toStdString());
    VortaSimDefinePrazoServidor(kPrazoServidorMs);

    // The frames of one load, kept by a server that records them.
    Gravador gravador{&servidor, {}, {}};
    VortaSimDefineServidorLocal(&gravaEAtende, &gravador);
    gravaCamposCarga();
    const bool gravou = autoriza();
    VortaSimDefineServidorLocal(nullptr, nullptr);
    if (!gravou || leCampo(1009) != "00")
        recusa("the parameter load of group 1 was not approved: 1009 \"" + leCampo(1009) + "\", 1027 \"" +
               leCampo(1027) + "\"");
    const std::optional<cbwire::Pedido> pedido = cbwire::DecodificaPedido(gravador.pedido);
    const std::optional<cbwire::Resposta> resposta = cbwire::DecodificaResposta(gravador.resposta);
    if (!pedido || !resposta) recusa("the recorded frames of the parameter load do not decode");
    if (cbwire::CodificaPedido(*pedido) != gravador.pedido ||
        cbwire::CodificaResposta(*resposta) != gravador.resposta)
        recusa("the recorded frames do not encode back to the same bytes");
    f.bytesPedido = gravador.pedido.size();
    f.bytesResposta = gravador.resposta.size();
    f.registrosResposta = resposta->hRegistros.size();
    const Esperado esperadoResposta = esperadoDoWalk(resposta->hRegistros);
    const std::string bytesResposta = esperadoDaCopia(resposta->hRegistros);
    std::vector<char> destinoResposta(bytesResposta.size());

    // The server reached as the till reaches it.
    const cbserver::ConexaoEmProcesso conexao(servidor);
    const auto rodadaCarga = [&](bool conta) {
        const auto t0 = Relogio::now();
        gravaCamposCarga();
        const bool ok = autoriza();
        const auto t1 = Relogio::now();
        if (ok) walk();
        const auto t2 = Relogio::now();
        if (!ok || leCampo(1009) != "00")
            recusa("figure 5: the parameter load was not approved: 1009 \"" + leCampo(1009) + "\", 1027 \"" +
                   leCampo(1027) + "\"");
        confereWalk(esperadoResposta, "figure 5");

        const auto p0 = Relogio::now();
        const std::string quadroPedido = cbwire::CodificaPedido(*pedido);
        const auto pedidoLido = cbwire::DecodificaPedido(quadroPedido);
        const std::string quadroResposta = cbwire::CodificaResposta(*resposta);
        const auto respostaLida = cbwire::DecodificaResposta(quadroResposta);
        const auto p1 = Relogio::now();
        const std::size_t copiados = copiaHzinho(destinoResposta);
        const auto p2 = Relogio::now();
        if (quadroPedido != gravador.pedido || quadroResposta != gravador.resposta || pedidoLido != pedido ||
            respostaLida != resposta)
            recusa("figure 5's floor: the frames did not go through their coding unchanged");
        confereCopia(destinoResposta, copiados, bytesResposta);
        if (!conta) return;
        f.carga.push_back(emUs(t2 - t0));
        f.autoriza.push_back(emUs(t1 - t0));
        f.walkResposta.push_back(emUs(t2 - t1));
        f.pisoCarga.push_back(emUs(p2 - p0));
        f.pisoQuadros.push_back(emUs(p1 - p0));
        f.pisoCopia.push_back(emUs(p2 - p1));
    };
    try {
        serie(
            rodadas, prazo,
            "figure 5: parameter loads through AutorizaTransacao and the in-process server, and their floor",
            rodadaCarga);
    } catch (const Lumomain::ErroConversao& e) {
        recusa(std::string("figure 5: the walk stopped: ") + e.what());
    }
    VortaSimDefinePrazoServidor(0);
    return f;
}

void ImprimeProtocolo(const FigurasProtocolo& protocolo) {
    const Resumo rWalk = resume(protocolo.walk), rPisoWalk = resume(protocolo.pisoWalk);
    const Resumo rCargaParam = resume(protocolo.carga), rPisoCargaParam = resume(protocolo.pisoCarga);
    const Resumo rAutoriza = resume(protocolo.autoriza), rPisoQuadros = resume(protocolo.pisoQuadros);
    const Resumo rWalkResposta = resume(protocolo.walkResposta), rPisoCopia = resume(protocolo.pisoCopia);
    cabecalho("figure (us)");
    linha("4 parameter walk (Inicia + Trata), h-records", rWalk, rWalk.mediana / rPisoWalk.mediana, "-");
    linha("  floor: HostlinkLeCampo + memcpy, same bytes", rPisoWalk);
    linha("  4 IniciaServicosHzinhoParametros alone", resume(protocolo.inicia));
    linha("5 parameter load, AutorizaTransacao + walk", rCargaParam,
          rCargaParam.mediana / rPisoCargaParam.mediana, "-");
    linha("  floor: frames coded + copy of the h-records", rPisoCargaParam);
    linha("  5 up to AutorizaTransacao's return", rAutoriza, rAutoriza.mediana / rPisoQuadros.mediana, "-");
    linha("  floor: the four codings of the frames", rPisoQuadros);
    linha("  5 walk of the reply's h-records", rWalkResposta, rWalkResposta.mediana / rPisoCopia.mediana,
          "-");
    linha("  floor: copy of the reply's h-records", rPisoCopia);
    std::printf("\n");
    std::printf(
        "4: %zu h-records (%zu bytes read, each occurrence cut at 256 as the module reads it) in fields "
        "20200/20310, made from the simulated\n"
        "   bank's parameters; the floor reads the count and every occurrence into a 257-byte buffer and "
        "copies "
        "it out. %.2f us per record.\n",
        protocolo.registrosCarga, protocolo.bytesCarga,
        rWalk.mediana / static_cast<double>(protocolo.registrosCarga));
    std::printf(
        "5: group 1 of the scenario %s through the in-process server: fields 10112, 10103 and 10158 written, "
        "request\n"
        "   %zu bytes, reply %zu bytes with %zu h-records; the floor encodes and decodes the same request "
        "and "
        "reply frames\n"
        "   (no transport, no host fields) and copies the reply's h-records as figure 4's floor does.\n",
        CB_CENARIO, protocolo.bytesPedido, protocolo.bytesResposta, protocolo.registrosResposta);
    std::printf("\n");
}

} // namespace cbbench
