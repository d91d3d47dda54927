// The PIN pad and BIN table of the host, behind the same C++ face as the other components.
#include "host/Host.h"

#include "binkit.h"
#include "padkit.h"

#include <QPointer>

#include <array>

namespace host {

namespace {

// What the PIN pad's callbacks need: where progress goes and how an offline advice is sent.
struct Contexto {
    QPointer<QObject> status;
    const AdviceOffLine* advice = nullptr;
};

void VORTA_CALL Progresso(const char* texto, void* contexto) {
    auto* c = static_cast<Contexto*>(contexto);
    if (c) MostraStatus(c->status, deLatin1(texto ? texto : ""));
}

// The advice runs the module's own code (a whole authorisation); nothing it throws may cross the package.
bool VORTA_CALL Advice(bool marca, void* contexto) noexcept {
    auto* c = static_cast<Contexto*>(contexto);
    if (!c || !c->advice || !*c->advice) return false;
    try {
        return (*c->advice)(marca);
    } catch (...) {
        return false;
    }
}

std::string l1(const QString& s) {
    return paraLatin1(s);
}

} // namespace

uint16_t AbrePinpadCB() {
    return ::AbrePinpadCB();
}

uint16_t FechaPinpadCB() {
    return ::FechaPinpadCB();
}

uint16_t LerCartaoCB(uintptr_t janela, const QString& titulo) {
    return ::LerCartaoCB(janela, l1(titulo).c_str());
}

uint16_t LerCartaoCBGenerico(uintptr_t janela, int generico, const QString& titulo) {
    return ::LerCartaoCBGenerico(janela, generico, l1(titulo).c_str());
}

uint16_t LerCartao(uintptr_t janela, int generico, const QString& titulo) {
    return ::LerCartao(janela, generico, l1(titulo).c_str());
}

bool CartaoProcessaChip() {
    return ::CartaoProcessaChip();
}

uint16_t AnalisaDadosCartaoCB() {
    return ::AnalisaDadosCartaoCB();
}

uint16_t AnalisaDadosCartao() {
    return ::AnalisaDadosCartao();
}

uint16_t LerSenhaCB(uintptr_t janela, const QString& mensagem, const QString& titulo) {
    const uint16_t r = ::LerSenhaCB(janela, l1(mensagem).c_str(), l1(titulo).c_str());
    if (r == 0) DefineBlocoSenhaNovo(true);
    return r;
}

uint16_t LerSenha(uintptr_t janela, const QString& mensagem, const QString& titulo) {
    const uint16_t r = ::LerSenha(janela, l1(mensagem).c_str(), "", 0, l1(titulo).c_str());
    if (r == 0) DefineBlocoSenhaNovo(true);
    return r;
}

uint16_t FormataDadosPinpadCB(int modo) {
    return ::FormataDadosPinpadCB(modo);
}

uint16_t ConfiguraPinPad(int porta) {
    return ::ConfiguraPinPad(porta, 0, "");
}

uint16_t ObtemDadosEmvCB() {
    return ::ObtemDadosEmvCB();
}

bool VerificaObtemDadosCartao(QObject* status) {
    Contexto c{status, nullptr};
    return ::VerificaObtemDadosCartao(&Progresso, &c);
}

bool VerificaProcessamentoCartao(QObject* status, const AdviceOffLine& advice) {
    Contexto c{status, &advice};
    return ::VerificaProcessamentoCartao(&Progresso, &Advice, &c);
}

bool TrataMensagensCartaoCHIP(int dpchip, QObject* status, const AdviceOffLine& advice) {
    Contexto c{status, &advice};
    return ::TrataMensagensCartaoCHIP(dpchip, &Progresso, &Advice, &c);
}

uint16_t ExibeMsgPinpad(const QString& texto) {
    return ::ExibeMsgPinpad(l1(texto).c_str());
}

bool VerificaTrataTrnReferida(QObject* status, const TTabelaTrn& descritor) {
    Contexto c{status, nullptr};
    return ::VerificaTrataTrnReferida(&Progresso, &c, &descritor);
}

uint16_t ObtemConfirmacao(const QString& texto, int modo) {
    return ::ObtemConfirmacao(l1(texto).c_str(), modo);
}

uint16_t RemoveCartao() {
    return ::RemoveCartao();
}

bool FazConsultaBins(int modo, const std::string& empresas, int qtdeEmpresas, ResultadoBins& saida,
                     QObject* status) {
    // The package reads the entries from a zeroed buffer of 1025 bytes: 28 whole entries at most.
    std::array<char, 1025> buffer{};
    const size_t n = std::min(empresas.size(), buffer.size() - 1);
    std::copy_n(empresas.data(), n, buffer.data());
    const int qtde = std::min(qtdeEmpresas, static_cast<int>(n / BINKIT_TAMANHO_EMPRESA));
    std::array<char, 64> rede{};
    std::array<char, 64> empresa{};
    std::array<char, 13> codigo{};
    Contexto c{status, nullptr};
    const bool ok = ::FazConsultaBins(
        modo, 1, 1, buffer.data(), qtde, rede.data(), static_cast<int>(rede.size()), empresa.data(),
        static_cast<int>(empresa.size()), codigo.data(), static_cast<int>(codigo.size()), &Progresso, &c);
    saida.redeDestino = deLatin1(rede.data());
    saida.empresaOriginal = deLatin1(empresa.data());
    saida.codigoEmpresa = deLatin1(codigo.data());
    return ok;
}

} // namespace host
