// The till's PIN pad window as padkit's interactive PIN pad: what a person does on it (choose a card, insert
// or swipe it, type digits, Limpa, Anula, Entra, or nothing at all) reaches padkit's callers through the
// results and the host fields, and the typed PIN never shows anywhere but as '*'.
#include "CartoesPinpad.h"
#include "JanelaPinpad.h"
#include "Servidor.h"

#include "basekit.h"
#include "padkit.h"
#include "vortasim.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cctype>
#include <cstdlib>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kTarja = "5067220000123458";
constexpr const char* kChip = "4174000012345676";
constexpr const char* kSenha = "4821";

std::optional<std::string> Campo(int campo) {
    const int n = LeCampo(nullptr, 0, campo, 0);
    if (n < 0) return std::nullopt;
    std::string valor(static_cast<size_t>(n) + 1, '\0');
    LeCampo(valor.data(), n + 1, campo, 0);
    valor.resize(static_cast<size_t>(n));
    return valor;
}

bool Hex16(const std::optional<std::string>& s) {
    if (!s || s->size() != 16) return false;
    for (unsigned char c : *s) {
        if (!std::isxdigit(c)) return false;
    }
    return true;
}

struct Ouvinte {
    std::vector<std::string> linhas;
};

void Ouve(const char* tipo, const char* texto, void* contexto) {
    static_cast<Ouvinte*>(contexto)->linhas.push_back(std::string(tipo) + ": " + texto);
}

class PinpadJanela : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pasta_.isValid());
        setenv("CB_HOST_DIR", QFile::encodeName(pasta_.path()).constData(), 1);
        VortaSimReinicia();
        std::vector<cbserver::CartaoCenario> cartoes(2);
        cartoes[0].descricao = "Débito (tarja)";
        cartoes[0].numero = kTarja;
        cartoes[0].validade = "2912";
        cartoes[0].codigoServico = "101";
        cartoes[1].descricao = "Visa (chip)";
        cartoes[1].numero = kChip;
        cartoes[1].validade = "2808";
        cartoes[1].codigoServico = "201";
        cartoes[1].chip = true;
        cartoes[1].rede = "811";
        const QList<CartaoPinpad> lista = CarregaCartoesPinpad(cartoes);
        ApagaCartoes(cartoes);
        ASSERT_EQ(lista.size(), 2);
        EXPECT_EQ(lista.at(1).numeroMascarado, QStringLiteral("417400******5676"));
        janela_ = std::make_unique<JanelaPinpad>();
        janela_->DefineCartoes(lista);
        janela_->DefinePrazo(std::chrono::seconds(10));
        janela_->Instala();
        // Each request that starts gets the next action, run from the event loop inside its wait.
        QObject::connect(janela_.get(), &JanelaPinpad::pedidoIniciado, janela_.get(), [this](int pedido) {
            pedidos_.push_back(pedido);
            if (acoes_.empty()) return;
            auto acao = acoes_.front();
            acoes_.pop_front();
            QTimer::singleShot(0, janela_.get(), acao);
        });
    }

    void TearDown() override {
        janela_.reset();
        VortaSimReinicia();
        unsetenv("CB_HOST_DIR");
    }

    void Tecla(int tecla, const QString& texto = {}) {
        QKeyEvent evento(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
        QApplication::sendEvent(janela_.get(), &evento);
    }
    void Digita(const char* digitos) {
        for (const char* d = digitos; *d; ++d)
            Tecla(Qt::Key_0 + (*d - '0'), QString(QLatin1Char(*d)));
    }
    QPushButton* Botao(const char* nome) { return janela_->findChild<QPushButton*>(QLatin1String(nome)); }
    void Escolhe(int linha) {
        janela_->findChild<QListWidget*>(QStringLiteral("listaCartoes"))->setCurrentRow(linha);
    }

    // The PIN block the scripted PIN pad builds for this PIN with the card data now in field 10104.
    std::optional<std::string> BlocoDoRoteiro(const char* senha) {
        VortaSimPinpadDefineInterativo(nullptr, nullptr);
        VortaSimPinpadDefineSenha(senha);
        const bool lida = LerSenha(0, "", "", 0, "") == PAD_OK;
        janela_->Instala();
        return lida ? Campo(10146) : std::nullopt;
    }

    // A chip card read through the window, so that a PIN can follow.
    void InsereChip() {
        acoes_.push_back([this] {
            Escolhe(1);
            Botao("btInserir")->click();
        });
        ASSERT_EQ(LerCartao(0, 0, "CARTAO"), PAD_OK);
    }

    QTemporaryDir pasta_;
    std::unique_ptr<JanelaPinpad> janela_;
    std::vector<int> pedidos_;
    std::deque<std::function<void()>> acoes_;
};

TEST_F(PinpadJanela, LeOCartaoEscolhidoInseridoOuPassado) {
    QStringList visor;
    bool inserirChip = false, passarChip = true, inserirTarja = true, passarTarja = false;
    acoes_.push_back([&] {
        visor << janela_->Linha1() << janela_->Linha2();
        Escolhe(1);
        inserirChip = Botao("btInserir")->isEnabled();
        passarChip = Botao("btPassar")->isEnabled();
        Botao("btInserir")->click();
    });
    acoes_.push_back([&] {
        Escolhe(0);
        inserirTarja = Botao("btInserir")->isEnabled();
        passarTarja = Botao("btPassar")->isEnabled();
        Tecla(Qt::Key_Up); // the keyboard's arrows move through the cards too: still the first
        Botao("btPassar")->click();
    });

    ASSERT_EQ(LerCartao(0, 0, "INSIRA OU PASSE O CARTAO"), PAD_OK);
    EXPECT_EQ(visor, (QStringList{QStringLiteral("INSIRA OU PASSE"), QStringLiteral("O CARTAO")}));
    EXPECT_TRUE(inserirChip);
    EXPECT_FALSE(passarChip); // a chip card goes in, a stripe card is swiped
    EXPECT_TRUE(Campo(10104) == std::string(kChip) + "=2808201");
    EXPECT_TRUE(Campo(10109) == Campo(10104));
    EXPECT_TRUE(CartaoProcessaChip());

    ASSERT_EQ(AbrePinpadCB(), PAD_OK);
    ASSERT_EQ(LerCartaoCB(0, "CARTAO"), PAD_OK);
    EXPECT_FALSE(inserirTarja);
    EXPECT_TRUE(passarTarja);
    EXPECT_TRUE(Campo(10104) == std::string(kTarja) + "=2912101");
    EXPECT_TRUE(Campo(10109) == Campo(10104));
    EXPECT_FALSE(CartaoProcessaChip());

    EXPECT_EQ(pedidos_, (std::vector<int>{VORTASIM_PINPAD_CARTAO, VORTASIM_PINPAD_CARTAO}));
    EXPECT_EQ(janela_->PedidoAtual(), 0);
    EXPECT_FALSE(Botao("btInserir")->isEnabled()); // nothing to read any more
}

TEST_F(PinpadJanela, SenhaDigitadaViraBlocoEApareceComoAsteriscos) {
    InsereChip();
    Ouvinte ouvinte;
    VortaSimDefineObservador(Ouve, &ouvinte);
    QString durante, titulo;
    acoes_.push_back([&] {
        Digita(kSenha);
        durante = janela_->Linha2();
        titulo = janela_->findChild<QLabel*>(QStringLiteral("titulo"))->text();
        Tecla(Qt::Key_Return, QStringLiteral("\r"));
    });
    ASSERT_EQ(LerSenha(0, "DIGITE A SENHA", "", 0, "Saque"), PAD_OK);
    EXPECT_EQ(durante, QStringLiteral("****"));
    EXPECT_EQ(titulo, QStringLiteral("Saque"));
    EXPECT_TRUE(janela_->Linha2().isEmpty());
    const auto bloco = Campo(10146);
    EXPECT_TRUE(Hex16(bloco));
    EXPECT_TRUE(Hex16(Campo(10243)));

    // The digits handed over are exactly the ones typed: the scripted PIN pad builds the same block.
    EXPECT_TRUE(BlocoDoRoteiro(kSenha) == bloco);
    EXPECT_FALSE(BlocoDoRoteiro("4822") == bloco);

    // The PIN is in no field and in nothing the observer heard.
    struct Campos {
        std::vector<std::string> valores;
    } campos;
    VortaSimVisitaCampos(
        [](int, int, const char* valor, int tamanho, void* c) {
            static_cast<Campos*>(c)->valores.emplace_back(valor, static_cast<size_t>(tamanho));
        },
        &campos);
    ASSERT_FALSE(campos.valores.empty());
    for (const auto& v : campos.valores)
        EXPECT_TRUE(v.find(kSenha) == std::string::npos);
    ASSERT_FALSE(ouvinte.linhas.empty());
    for (const auto& l : ouvinte.linhas)
        EXPECT_TRUE(l.find(kSenha) == std::string::npos);
    VortaSimDefineObservador(nullptr, nullptr);
}

TEST_F(PinpadJanela, LimpaRecomecaEEntraPedeQuatroDigitos) {
    InsereChip();
    QStringList visor;
    int pedidoAposEntraCurto = 0;
    acoes_.push_back([&] {
        Digita("99");
        Tecla(Qt::Key_Backspace); // Limpa from the keyboard
        visor << janela_->Linha2();
        Digita("7");
        Botao("btLimpa")->click();
        visor << janela_->Linha2();
        Digita("48");
        Botao("btEntra")->click(); // too short: ignored, the entry goes on
        pedidoAposEntraCurto = janela_->PedidoAtual();
        visor << janela_->Linha2();
        Botao("tecla2")->click();
        Botao("tecla1")->click();
        Botao("btEntra")->click();
    });
    ASSERT_EQ(LerSenha(0, "SENHA", "", 0, ""), PAD_OK);
    EXPECT_EQ(visor, (QStringList{QString(), QString(), QStringLiteral("**")}));
    EXPECT_EQ(pedidoAposEntraCurto, VORTASIM_PINPAD_SENHA);
    const auto bloco = Campo(10146);
    EXPECT_TRUE(Hex16(bloco));
    EXPECT_TRUE(BlocoDoRoteiro(kSenha) == bloco); // only what followed the last Limpa counts
}

TEST_F(PinpadJanela, AnulaCancelaLeituraSenhaEConfirmacao) {
    acoes_.push_back([this] { Botao("btAnula")->click(); });
    EXPECT_EQ(LerCartao(0, 0, "CARTAO"), PAD_CANCELADO);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Operacao cancelada no PinPad");
    EXPECT_FALSE(Campo(10104).has_value());

    InsereChip();
    acoes_.push_back([this] {
        Digita(kSenha);
        Tecla(Qt::Key_Escape); // Anula from the keyboard
    });
    EXPECT_EQ(LerSenha(0, "SENHA", "", 0, ""), PAD_CANCELADO);
    EXPECT_FALSE(Campo(10146).has_value());

    QStringList visor;
    acoes_.push_back([&] {
        visor << janela_->Linha1() << janela_->Linha2();
        Botao("btEntra")->click();
    });
    acoes_.push_back([this] { Botao("btAnula")->click(); });
    EXPECT_EQ(ObtemConfirmacao("Confirma Valor ?R$1,00", 1), PAD_OK);
    EXPECT_EQ(visor, (QStringList{QStringLiteral("Confirma Valor"), QStringLiteral("?R$1,00")}));
    EXPECT_EQ(ObtemConfirmacao("Confirma?", 0), PAD_CANCELADO);

    // Closing the window is the customer walking away.
    acoes_.push_back([this] { janela_->close(); });
    EXPECT_EQ(LerCartao(0, 0, "CARTAO"), PAD_CANCELADO);
    EXPECT_EQ(pedidos_.size(), 6u);
}

TEST_F(PinpadJanela, PrazoEncerraPedidosSemNinguemNoPinpad) {
    janela_->DefinePrazo(std::chrono::milliseconds(50));
    EXPECT_EQ(LerCartao(0, 0, "CARTAO"), PAD_SEM_CARTAO);
    EXPECT_EQ(Campo(1027), "Cartao nao apresentado");
    EXPECT_EQ(LerSenha(0, "SENHA", "", 0, ""), PAD_CANCELADO);
    EXPECT_FALSE(Campo(10146).has_value());
    EXPECT_EQ(ObtemConfirmacao("Confirma?", 0), PAD_CANCELADO);
    EXPECT_EQ(pedidos_,
              (std::vector<int>{VORTASIM_PINPAD_CARTAO, VORTASIM_PINPAD_SENHA, VORTASIM_PINPAD_CONFIRMACAO}));
    EXPECT_EQ(janela_->PedidoAtual(), 0);
    // Digits typed with nothing asked for are not kept for a later entry: Entra finds none.
    Digita(kSenha);
    janela_->DefinePrazo(std::chrono::seconds(10));
    int aposEntra = 0;
    acoes_.push_back([&] {
        Botao("btEntra")->click();
        aposEntra = janela_->PedidoAtual();
        Botao("btAnula")->click();
    });
    EXPECT_EQ(LerSenha(0, "SENHA", "", 0, ""), PAD_CANCELADO);
    EXPECT_EQ(aposEntra, VORTASIM_PINPAD_SENHA);
}

TEST_F(PinpadJanela, VisorMostraMensagensEmDuasLinhas) {
    EXPECT_EQ(ExibeMsgPinpad("Aguarde..."), PAD_OK);
    EXPECT_EQ(janela_->Linha1(), QStringLiteral("Aguarde..."));
    EXPECT_TRUE(janela_->Linha2().isEmpty());
    EXPECT_EQ(ExibeMsgPinpad("TRANSACAO APROVADA COM SUCESSO"), PAD_OK);
    EXPECT_EQ(janela_->Linha1(), QStringLiteral("TRANSACAO APROVA"));
    EXPECT_EQ(janela_->Linha2(), QStringLiteral("DA COM SUCESSO"));
    EXPECT_EQ(JanelaPinpad::LinhasDoVisor(QStringLiteral("SALDO\r\nR$ 1.234,56 DISPONIVEL")),
              (QStringList{QStringLiteral("SALDO"), QStringLiteral("R$ 1.234,56 DISP")}));
    EXPECT_EQ(JanelaPinpad::LinhasDoVisor(QStringLiteral("RETIRE O CARTAO")),
              (QStringList{QStringLiteral("RETIRE O CARTAO"), QString()}));
    EXPECT_TRUE(pedidos_.empty()); // texts on the display wait for nobody
}

// Once the window is gone the PIN pad is scripted again (and nothing calls into the destroyed window).
TEST_F(PinpadJanela, SemJanelaOPinpadVoltaAoRoteiro) {
    janela_.reset();
    VortaSimPinpadApresentaCartao(0);
    EXPECT_EQ(LerCartao(0, 0, "CARTAO"), PAD_OK);
    EXPECT_TRUE(Campo(10109) == std::string(kTarja) + "=2912101");
    EXPECT_FALSE(CartaoProcessaChip());
    VortaSimPinpadDefineSenha(kSenha);
    EXPECT_EQ(LerSenha(0, "SENHA", "", 0, ""), PAD_OK);
    EXPECT_TRUE(pedidos_.empty());
}

} // namespace
