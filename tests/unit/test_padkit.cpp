// The simulated PIN pad and BIN table: what a scripted customer does reaches the caller through the results
// and the host fields, and no card number or PIN leaks beyond the card-data field.
#include "Ambiente.h"
#include "binkit.h"
#include "padkit.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* kNumero = "4111111111111111";
constexpr const char* kTrilha = "4111111111111111=28122011234500000";
// Named, so that a failed check prints the name and not the number.
constexpr const char* kNumeroChip = "5066991111111118";
constexpr const char* kSenha = "739146";

struct Ouvinte {
    std::vector<std::string> pinpad;
    std::vector<std::string> todas;
};

void Ouve(const char* tipo, const char* texto, void* contexto) {
    auto* o = static_cast<Ouvinte*>(contexto);
    o->todas.push_back(std::string(tipo) + ": " + texto);
    if (std::strcmp(tipo, "pinpad") == 0) o->pinpad.emplace_back(texto);
}

void Progresso(const char* texto, void* contexto) {
    static_cast<std::vector<std::string>*>(contexto)->emplace_back(texto);
}

struct Advices {
    std::vector<bool> marcas;
    bool resposta = true;
};

bool Advice(bool marca, void* contexto) {
    auto* a = static_cast<Advices*>(contexto);
    a->marcas.push_back(marca);
    return a->resposta;
}

bool Hex16(const std::string& s) {
    if (s.size() != 16) return false;
    for (unsigned char c : s) {
        if (!std::isxdigit(c)) return false;
    }
    return true;
}

class Padkit : public Ambiente {
protected:
    int Magnetico() {
        return VortaSimPinpadAdicionaCartao(kNumero, kTrilha, "2812", "201", VORTASIM_CARTAO_MAGNETICO,
                                            "805");
    }
    int Chip() {
        return VortaSimPinpadAdicionaCartao(kNumeroChip, "", "3001", "601", VORTASIM_CARTAO_CHIP, "001");
    }
};

TEST_F(Padkit, AbreFechaEConfiguraPorta) {
    EXPECT_FALSE(VortaSimPinpadAberto());
    EXPECT_EQ(AbrePinpadCB(), PAD_OK);
    EXPECT_TRUE(VortaSimPinpadAberto());
    EXPECT_EQ(FechaPinpadCB(), PAD_OK);
    EXPECT_FALSE(VortaSimPinpadAberto());

    EXPECT_EQ(VortaSimPinpadPorta(), -1);
    EXPECT_EQ(ConfiguraPinPad(3, 0, ""), PAD_OK);
    EXPECT_EQ(VortaSimPinpadPorta(), 3);
    EXPECT_NE(ConfiguraPinPad(0, 0, ""), PAD_OK);
    EXPECT_EQ(VortaSimPinpadPorta(), 3);

    // The correspondent reads need the PIN pad open; the general library does not.
    VortaSimPinpadApresentaCartao(Magnetico());
    EXPECT_EQ(LerCartaoCB(0, "T"), PAD_FECHADO);
    VortaSimPinpadDefineSenha(kSenha);
    EXPECT_EQ(LerSenhaCB(0, "", "T"), PAD_FECHADO);
    EXPECT_EQ(LerCartao(0, 0, "T"), PAD_OK);
}

TEST_F(Padkit, PortaSemPinpadFalhaEmTudo) {
    VortaSimPinpadApresentaCartao(Magnetico());
    VortaSimPinpadDefineSenha(kSenha);
    VortaSimPinpadDefineFalhaPorta(true);

    EXPECT_EQ(AbrePinpadCB(), PAD_FALHA_PORTA);
    EXPECT_FALSE(VortaSimPinpadAberto());
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_NE(ConfiguraPinPad(2, 0, ""), PAD_OK);
    EXPECT_EQ(VortaSimPinpadPorta(), -1);
    EXPECT_EQ(LerCartao(0, 0, "T"), PAD_FALHA_PORTA);
    EXPECT_FALSE(Campo(10104).has_value());
    EXPECT_EQ(LerSenha(0, "", "", 0, "T"), PAD_FALHA_PORTA);
    EXPECT_FALSE(Campo(10146).has_value());
    EXPECT_NE(ObtemConfirmacao("Confirma?", 0), PAD_OK);

    VortaSimPinpadDefineFalhaPorta(false);
    EXPECT_EQ(AbrePinpadCB(), PAD_OK);
}

TEST_F(Padkit, LeCartoesMagneticoEChip) {
    const int magnetico = Magnetico();
    const int chip = Chip();
    ASSERT_EQ(AbrePinpadCB(), PAD_OK);

    // No card presented: the read times out and says so to the host.
    EXPECT_EQ(LerCartaoCB(0, "CARTAO"), PAD_SEM_CARTAO);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_FALSE(Campo(10104).has_value());
    EXPECT_FALSE(CartaoProcessaChip());
    EXPECT_EQ(ObtemDadosEmvCB(), PAD_OK) << "no card, no chip data to add";
    VortaSimPinpadDefineFalhaChip(true);
    EXPECT_NE(ObtemDadosEmvCB(), PAD_OK);
    VortaSimPinpadDefineFalhaChip(false);

    VortaSimPinpadApresentaCartao(magnetico);
    EXPECT_EQ(LerCartaoCBGenerico(0, 1, "CARTAO"), PAD_OK);
    EXPECT_TRUE(Campo(10104) == kTrilha);
    EXPECT_TRUE(Campo(10109) == kTrilha);
    EXPECT_FALSE(CartaoProcessaChip());
    EXPECT_EQ(ObtemDadosEmvCB(), PAD_OK);

    // A chip card without a track of its own gets one built from number, expiry and service code.
    VortaSimPinpadApresentaCartao(chip);
    EXPECT_EQ(LerCartao(0, 0, "CARTAO"), PAD_OK);
    EXPECT_TRUE(Campo(10104) == std::string(kNumeroChip) + "=3001601");
    EXPECT_TRUE(Campo(10109) == Campo(10104));
    EXPECT_TRUE(CartaoProcessaChip());
    std::vector<std::string> progresso;
    EXPECT_TRUE(VerificaObtemDadosCartao(Progresso, &progresso));
    EXPECT_FALSE(progresso.empty());
    EXPECT_EQ(VortaSimPinpadQtdeLeituras(), 3);

    EXPECT_EQ(RemoveCartao(), PAD_OK);
    EXPECT_FALSE(CartaoProcessaChip());
    EXPECT_EQ(LerCartao(0, 0, "CARTAO"), PAD_SEM_CARTAO);
}

TEST_F(Padkit, AnalisesSeguemOScript) {
    EXPECT_NE(AnalisaDadosCartaoCB(), PAD_OK); // nothing read yet
    VortaSimPinpadApresentaCartao(Magnetico());
    ASSERT_EQ(LerCartao(0, 0, "T"), PAD_OK);
    const int resultados[] = {3, 0, 7};
    VortaSimPinpadDefineAnalises(resultados, 3);
    EXPECT_EQ(AnalisaDadosCartaoCB(), 3);
    EXPECT_EQ(AnalisaDadosCartao(), 0);
    EXPECT_EQ(AnalisaDadosCartaoCB(), 7);
    EXPECT_EQ(AnalisaDadosCartao(), 0); // script used up
}

TEST_F(Padkit, SenhaLidaCifradaECancelada) {
    VortaSimPinpadApresentaCartao(Magnetico());
    ASSERT_EQ(AbrePinpadCB(), PAD_OK);
    ASSERT_EQ(LerCartaoCB(0, "T"), PAD_OK);

    VortaSimPinpadDefineSenha(kSenha);
    EXPECT_EQ(LerSenhaCB(0, "Digite a senha", "T"), PAD_OK);
    const auto bloco = Campo(10146);
    ASSERT_TRUE(bloco.has_value());
    EXPECT_TRUE(Hex16(*bloco));
    EXPECT_EQ(bloco->find(kSenha), std::string::npos);
    const auto ksn = Campo(10243);
    ASSERT_TRUE(ksn.has_value());
    EXPECT_TRUE(Hex16(*ksn));
    EXPECT_EQ(FormataDadosPinpadCB(0), PAD_OK);

    // The typed PIN is gone once used: the next entry has none and counts as cancelled.
    EXPECT_EQ(LerSenha(0, "", "", 0, "T"), PAD_CANCELADO);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_TRUE(Campo(10146) == bloco);

    // The block depends on the PIN and on the card data.
    VortaSimPinpadDefineSenha("739147");
    ASSERT_EQ(LerSenha(0, "", "", 0, "T"), PAD_OK);
    EXPECT_FALSE(Campo(10146) == bloco);
    VortaSimPinpadDefineSenha(kSenha);
    DefineCampo(10104, 0, "0237000112345670");
    ASSERT_EQ(LerSenha(0, "", "", 0, "T"), PAD_OK);
    EXPECT_FALSE(Campo(10146) == bloco);
    EXPECT_FALSE(Campo(10243) == ksn);

    VortaSimPinpadDefineSenha(nullptr);
    EXPECT_EQ(LerSenha(0, "", "", 0, "T"), PAD_CANCELADO);
    EXPECT_EQ(VortaSimPinpadQtdeSenhas(), 5);
}

TEST_F(Padkit, ConfirmacoesEReferidas) {
    const bool respostas[] = {true, false, false};
    VortaSimPinpadDefineConfirmacoes(respostas, 3);
    EXPECT_EQ(ObtemConfirmacao("Confirma Valor ?R$1,00", 0), PAD_OK);
    EXPECT_EQ(ObtemConfirmacao("Confirma Valor ?R$1,00", 1), PAD_CANCELADO);

    // A reply that is not referred goes on without asking; a referred one waits for the operator.
    std::vector<std::string> progresso;
    DefineCampo(1009, 0, "00");
    EXPECT_TRUE(VerificaTrataTrnReferida(Progresso, &progresso, nullptr));
    EXPECT_TRUE(progresso.empty());
    DefineCampo(1009, 0, "01");
    EXPECT_FALSE(VerificaTrataTrnReferida(Progresso, &progresso, nullptr));
    EXPECT_FALSE(progresso.empty());
    EXPECT_TRUE(VerificaTrataTrnReferida(Progresso, &progresso, nullptr)); // script used up: accepted
    EXPECT_EQ(ObtemConfirmacao("x", 0), PAD_OK);
}

TEST_F(Padkit, ProcessamentoDoChipPedeAdvice) {
    Advices advices;
    EXPECT_TRUE(VerificaProcessamentoCartao(nullptr, Advice, &advices)); // no card read: nothing to process
    EXPECT_TRUE(advices.marcas.empty());
    VortaSimPinpadApresentaCartao(Magnetico());
    ASSERT_EQ(LerCartao(0, 0, "T"), PAD_OK);
    VortaSimPinpadDefineAdviceOffLine(true);
    EXPECT_TRUE(VerificaProcessamentoCartao(nullptr, Advice, &advices));
    EXPECT_TRUE(TrataMensagensCartaoCHIP(1, nullptr, Advice, &advices));
    EXPECT_TRUE(advices.marcas.empty()); // a stripe card has no chip to ask

    VortaSimPinpadApresentaCartao(Chip());
    ASSERT_EQ(LerCartao(0, 0, "T"), PAD_OK);
    EXPECT_TRUE(TrataMensagensCartaoCHIP(0, nullptr, Advice, &advices)); // no DPCHIP: nothing for the chip
    EXPECT_TRUE(advices.marcas.empty());
    EXPECT_TRUE(VerificaProcessamentoCartao(nullptr, Advice, &advices));
    EXPECT_TRUE(TrataMensagensCartaoCHIP(5, nullptr, Advice, &advices));
    EXPECT_EQ(advices.marcas, (std::vector<bool>{false, true}));
    advices.resposta = false;
    EXPECT_FALSE(VerificaProcessamentoCartao(nullptr, Advice, &advices));
    EXPECT_FALSE(VerificaProcessamentoCartao(nullptr, nullptr, nullptr));
}

TEST_F(Padkit, ConsultaDeBins) {
    VortaSimPinpadApresentaCartao(Chip());
    std::string empresas(2 * BINKIT_TAMANHO_EMPRESA, ' ');
    empresas.replace(0, 20, "000123456789EMPRESA1");
    empresas.replace(BINKIT_TAMANHO_EMPRESA, 8, "OUTRA   ");
    char rede[8];
    char empresa[40];
    char codigo[13];
    std::vector<std::string> progresso;

    VortaSimBinsDefineFalha(true);
    EXPECT_FALSE(FazConsultaBins(1, 1, 1, empresas.data(), 2, rede, sizeof rede, empresa, sizeof empresa,
                                 codigo, sizeof codigo, Progresso, &progresso));
    EXPECT_STREQ(rede, "");
    EXPECT_STREQ(codigo, "");
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_FALSE(Campo(10104).has_value()); // the card was not read
    EXPECT_FALSE(CartaoProcessaChip());

    VortaSimBinsDefineFalha(false);
    EXPECT_TRUE(FazConsultaBins(0, 1, 1, empresas.data(), 2, rede, sizeof rede, empresa, sizeof empresa,
                                codigo, sizeof codigo, Progresso, &progresso));
    EXPECT_STREQ(rede, "001");
    EXPECT_STREQ(empresa, "000123456789EMPRESA1");
    EXPECT_STREQ(codigo, "000123456789");
    EXPECT_TRUE(Campo(10109) == Campo(10104));
    EXPECT_TRUE(Campo(10104).has_value());
    EXPECT_TRUE(CartaoProcessaChip());
    EXPECT_FALSE(progresso.empty());

    // Short outputs are cut and stay terminated; no card presented fails the query.
    char curto[3];
    EXPECT_TRUE(FazConsultaBins(1, 1, 1, empresas.data(), 2, curto, sizeof curto, nullptr, 0, nullptr, 0,
                                nullptr, nullptr));
    EXPECT_STREQ(curto, "00");
    VortaSimPinpadApresentaCartao(-1);
    EXPECT_FALSE(FazConsultaBins(1, 1, 1, empresas.data(), 2, rede, sizeof rede, empresa, sizeof empresa,
                                 codigo, sizeof codigo, nullptr, nullptr));
}

TEST_F(Padkit, FilaDeSenhasUmaPorEntrada) {
    VortaSimPinpadApresentaCartao(Magnetico());
    ASSERT_EQ(LerCartao(0, 0, "T"), PAD_OK);
    VortaSimPinpadDefineSenha(kSenha);
    ASSERT_EQ(LerSenha(0, "", "", 0, "T"), PAD_OK);
    const auto bloco = Campo(10146);

    // A card PIN, a cancelled entry, then a token's code; used up, the entries are cancelled.
    const char* const senhas[] = {kSenha, nullptr, "55221100"};
    VortaSimPinpadDefineSenhas(senhas, 3);
    EXPECT_EQ(LerSenha(0, "", "", 0, "T"), PAD_OK);
    EXPECT_TRUE(Campo(10146) == bloco);
    EXPECT_EQ(LerSenhaCB(0, "", "T"), PAD_FECHADO); // a refused entry does not take a PIN
    EXPECT_EQ(LerSenha(0, "", "", 0, "T"), PAD_CANCELADO);
    EXPECT_TRUE(Campo(10146) == bloco);
    EXPECT_EQ(LerSenha(0, "", "", 0, "T"), PAD_OK);
    EXPECT_FALSE(Campo(10146) == bloco);
    EXPECT_EQ(LerSenha(0, "", "", 0, "T"), PAD_CANCELADO);

    // A new list replaces the PINs not yet typed.
    const char* const primeiras[] = {"1111", "2222"};
    VortaSimPinpadDefineSenhas(primeiras, 2);
    VortaSimPinpadDefineSenhas(senhas, 1);
    EXPECT_EQ(LerSenha(0, "", "", 0, "T"), PAD_OK);
    EXPECT_TRUE(Campo(10146) == bloco);
    EXPECT_EQ(LerSenha(0, "", "", 0, "T"), PAD_CANCELADO);
}

// A whole capture with every observer, audit and result-file line checked: the card number shows only in
// the card-data fields, and the PIN nowhere.
TEST_F(Padkit, NumeroESenhaNuncaEmClaro) {
    Ouvinte ouvinte;
    VortaSimDefineObservador(Ouve, &ouvinte);
    VortaSimPinpadApresentaCartao(Magnetico());
    ASSERT_EQ(AbrePinpadCB(), PAD_OK);
    ASSERT_EQ(LerCartaoCB(0, "CARTAO"), PAD_OK);
    ASSERT_EQ(AnalisaDadosCartaoCB(), PAD_OK);
    VortaSimPinpadDefineSenha(kSenha);
    ASSERT_EQ(LerSenhaCB(0, "Senha", "CARTAO"), PAD_OK);
    EXPECT_EQ(ObtemConfirmacao("Confirma?", 1), PAD_OK);
    EXPECT_EQ(ExibeMsgPinpad("Aguarde..."), PAD_OK);
    char rede[8];
    EXPECT_TRUE(FazConsultaBins(1, 1, 1, "", 0, rede, sizeof rede, nullptr, 0, nullptr, 0, nullptr, nullptr));
    EXPECT_EQ(FechaPinpadCB(), PAD_OK);
    ASSERT_EQ(HostlinkGravaArquivo(), HL_OK);

    const std::string ultimos = std::string(kNumero).substr(12);
    auto semSegredo = [&](const std::string& texto, const std::string& onde) {
        EXPECT_TRUE(texto.find(kNumero) == std::string::npos) << onde;
        EXPECT_TRUE(texto.find(kSenha) == std::string::npos) << onde;
    };

    ASSERT_FALSE(ouvinte.pinpad.empty());
    bool mascarado = false;
    for (const auto& l : ouvinte.todas) {
        semSegredo(l, "observador");
        if (l.find("411111******1111") != std::string::npos) mascarado = true;
    }
    EXPECT_TRUE(mascarado);

    using Campos = std::vector<std::pair<int, std::string>>;
    Campos campos;
    VortaSimVisitaCampos(
        [](int campo, int, const char* valor, int tamanho, void* c) {
            static_cast<Campos*>(c)->emplace_back(campo, std::string(valor, static_cast<size_t>(tamanho)));
        },
        &campos);
    ASSERT_FALSE(campos.empty());
    for (const auto& [campo, valor] : campos) {
        if (campo == 10104 || campo == 10109) {
            EXPECT_TRUE(valor == kTrilha);
            EXPECT_EQ(valor.find(kSenha), std::string::npos);
        } else {
            semSegredo(valor, "campo " + std::to_string(campo));
        }
    }

    const auto audit = LeArquivo(QStringLiteral(VORTASIM_ARQUIVO_AUDIT));
    ASSERT_TRUE(audit.has_value());
    EXPECT_NE(audit->find(ultimos), std::string::npos); // the masked card is there
    semSegredo(*audit, "audit");

    // The result file, one line per field occurrence: several were written, none with a secret.
    const auto resultado = Resultado();
    ASSERT_TRUE(resultado.has_value());
    semSegredo(*resultado, "resultado");
    EXPECT_GT(std::count(resultado->begin(), resultado->end(), '\n'), 3);
}

} // namespace
