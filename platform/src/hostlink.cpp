// hostlink: the host field store, the result file and the audit trail.
#include "hostlink.h"
#include "Estado.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace vorta {

Estado& estado() {
    static Estado e;
    return e;
}

std::recursive_mutex& trava() {
    static std::recursive_mutex m;
    return m;
}

void notifica(const char* tipo, const std::string& texto) {
    auto& e = estado();
    if (e.observador) e.observador(tipo, texto.c_str(), e.observadorContexto);
}

std::string diretorioHost() {
    if (const char* d = std::getenv("CB_HOST_DIR"); d && *d) return d;
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

bool gravacaoRecusada(int campo) {
    std::lock_guard g(trava());
    return estado().camposFalhaGravacao.count(campo) > 0;
}

void apaga(std::string& s) {
    if (!s.empty()) explicit_bzero(s.data(), s.size());
    s.clear();
}

void defineCampo(Campos& campos, int campo, int ocorrencia, std::string valor) {
    std::string& atual = campos[{campo, ocorrencia}];
    apaga(atual);
    atual = std::move(valor);
}

void apagaCampo(Campos& campos, int campo) {
    const auto fim = campos.lower_bound({campo + 1, INT32_MIN});
    auto it = campos.lower_bound({campo, INT32_MIN});
    for (auto i = it; i != fim; ++i)
        apaga(i->second);
    campos.erase(it, fim);
}

void apagaCampos(Campos& campos) {
    for (auto& [chave, valor] : campos)
        apaga(valor);
    campos.clear();
}

void gravaCampo(int campo, int ocorrencia, std::string valor) {
    std::lock_guard g(trava());
    defineCampo(estado().campos, campo, ocorrencia, std::move(valor));
}

namespace {

// One line per field occurrence: "field.occurrence=value". The value is the field's bytes, with '\' written
// as "\\" and every byte below 0x20 and 0x7F as "\xHH", so a line break in a receipt cannot split a line.
std::string escapa(const std::string& v) {
    std::string s;
    s.reserve(v.size());
    for (unsigned char c : v) {
        if (c == '\\') {
            s += "\\\\";
        } else if (c < 0x20 || c == 0x7F) {
            char b[5];
            std::snprintf(b, sizeof b, "\\x%02X", c);
            s += b;
        } else {
            s += static_cast<char>(c);
        }
    }
    return s;
}

} // namespace

bool campoSensivel(int campo) {
    switch (campo) {
    case 10104: // card or account data, track
    case 10109: // card data kept from the read
    case 10146: // PIN block
    case 10149: // security code
    case 10290: // account key, or the card number the card dialogs put there
    case 10348: // the prepaid transfer's origin card number
    case 10544: // token block
    case 10174:
    case 10175:
    case 10176:
    case 10242:
    case 10243:
    case 10244:
    case 10378:
        return true;
    default:
        return false;
    }
}

bool valorSensivel(int campo, const std::string& valor) {
    std::lock_guard g(trava());
    return campoSensivel(campo) ||
           std::ranges::find(estado().pinpad.blocos, valor) != estado().pinpad.blocos.end();
}

bool gravaArquivoResultado() {
    std::lock_guard g(trava());
    auto& e = estado();
    std::ostringstream o;
    // Card data, PIN blocks and security codes reach the file as '*', one per byte: the host prints and
    // reports from the other fields.
    for (const auto& [chave, valor] : e.campos)
        o << chave.first << '.' << chave.second << '='
          << (valorSensivel(chave.first, valor) ? std::string(valor.size(), '*') : escapa(valor)) << '\n';
    // The call is over for the host, whether or not the file can be written: its PIN blocks have served.
    esqueceBlocos(e.pinpad);
    const std::filesystem::path dir = diretorioHost();
    const auto destino = dir / VORTASIM_ARQUIVO_RESULTADO;
    const auto temporario = dir / (std::string(VORTASIM_ARQUIVO_RESULTADO) + ".tmp");
    {
        std::ofstream f(temporario, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        f << o.str();
        if (!f.flush()) return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporario, destino, ec);
    if (ec) return false;
    ++e.qtdeGravaArquivo;
    notifica("resultado", destino.string());
    return true;
}

} // namespace vorta

using namespace vorta;

extern "C" {

uint16_t VORTA_CALL HostlinkLeCampoMaxLen(int campo, int ocorrencia, char* buffer, uint16_t* tamanho,
                                          uint16_t maxLen) {
    if (!tamanho || (!buffer && *tamanho > 0)) return HL_PARAMETRO_INVALIDO;
    std::lock_guard g(trava());
    const auto& campos = estado().campos;
    auto it = campos.find({campo, ocorrencia});
    if (it == campos.end()) {
        *tamanho = 0;
        return HL_CAMPO_AUSENTE;
    }
    const std::string& v = it->second;
    const size_t queremos = std::min<size_t>(v.size(), maxLen);
    const size_t copiamos = std::min<size_t>(queremos, *tamanho);
    if (copiamos) std::memcpy(buffer, v.data(), copiamos);
    // A short buffer learns how much it would have needed.
    *tamanho = static_cast<uint16_t>(queremos);
    return copiamos < queremos ? HL_BUFFER_PEQUENO : HL_OK;
}

uint16_t VORTA_CALL HostlinkLeCampo(int campo, int ocorrencia, char* buffer, uint16_t* tamanho) {
    return HostlinkLeCampoMaxLen(campo, ocorrencia, buffer, tamanho, UINT16_MAX);
}

uint16_t VORTA_CALL HostlinkGravaCampo(int campo, int ocorrencia, const char* buffer, uint16_t tamanho) {
    if (campo < 0 || ocorrencia < 0 || (!buffer && tamanho > 0)) return HL_PARAMETRO_INVALIDO;
    if (gravacaoRecusada(campo)) return HL_FALHA_GRAVACAO;
    gravaCampo(campo, ocorrencia, std::string(buffer ? buffer : "", tamanho));
    return HL_OK;
}

uint16_t VORTA_CALL HostlinkLimpaCampo(int campo) {
    std::lock_guard g(trava());
    apagaCampo(estado().campos, campo);
    return HL_OK;
}

uint16_t VORTA_CALL HostlinkGravaArquivo(void) {
    return gravaArquivoResultado() ? HL_OK : HL_FALHA_ARQUIVO;
}

uint16_t VORTA_CALL HostlinkEnviarFinalizacaoEx(int) {
    std::lock_guard g(trava());
    ++estado().qtdeFinalizacoes;
    notifica("finalizacao", "");
    return HL_OK;
}

void VORTA_CALL GravaAudit(int, const char* texto, int tamanho) {
    if (!texto || tamanho < 0) return;
    const std::string linha(texto, static_cast<size_t>(tamanho));
    const auto agora = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(agora);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(agora.time_since_epoch()).count() % 1000;
    std::tm tm{};
    localtime_r(&t, &tm);
    char carimbo[32];
    std::strftime(carimbo, sizeof carimbo, "%Y-%m-%d %H:%M:%S", &tm);
    std::lock_guard g(trava());
    std::ofstream f(std::filesystem::path(diretorioHost()) / VORTASIM_ARQUIVO_AUDIT,
                    std::ios::app | std::ios::binary);
    char milis[8];
    std::snprintf(milis, sizeof milis, ".%03d ", static_cast<int>(ms));
    f << carimbo << milis << linha << '\n';
    notifica("audit", linha);
}

} // extern "C"
