// The hand-over to the host's other payment module: what reaches the host when it approves, refuses, fails to
// load or throws.
#include "Ambiente.h"
#include "frame/Lumomain.h"

#include <QLineEdit>
#include <QMessageBox>

#include <optional>
#include <string>

namespace {

class ModuloTEF : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        DefineCampo(10112, 0, "805");
        DefineCampo(10218, 0, "77");
        // Left over from an earlier transaction: a call that does not read them must still clear them.
        Lumomain::NumeroLinhaRecorteAqui = 99;
        Lumomain::NumeroLinhasCupomTEF = 99;
    }

    static std::string FalhaEsperada() { return Latin1("Falha ao tentar carregar módulo  805"); }
    // The network and the two arguments the other module was last called with.
    static std::string UltimaChamada() {
        char codigo[8];
        int a = -1, b = -1;
        VortaSimUltimoModuloTEF(codigo, sizeof codigo, &a, &b);
        return std::string(codigo) + " " + std::to_string(a) + " " + std::to_string(b);
    }
};

TEST_F(ModuloTEF, ExecutaEAprova) {
    for (const char* aprovado : {"0", "00"}) {
        SCOPED_TRACE(aprovado);
        VortaSimDefineModuloTEF(VORTASIM_MODULO_EXECUTA, aprovado, 12, 40);
        EXPECT_TRUE(Lumomain::RealizaTransacaoModuloTEF(4, 2, 1));
        EXPECT_EQ(Lumomain::NumeroLinhaRecorteAqui, 12);
        EXPECT_EQ(Lumomain::NumeroLinhasCupomTEF, 40);
        // The function code was only lent to the other module.
        EXPECT_EQ(Campo(10218), "77");
        EXPECT_EQ(UltimaChamada(), "805 2 1");
        EXPECT_EQ(Campo(10236), std::nullopt);
    }
}

TEST_F(ModuloTEF, ExecutaMasRecusa) {
    for (const char* recusa : {"05", "255", "", "XX"}) {
        SCOPED_TRACE(recusa);
        VortaSimDefineModuloTEF(VORTASIM_MODULO_EXECUTA, recusa, 12, 40);
        Lumomain::NumeroLinhaRecorteAqui = 99;
        Lumomain::NumeroLinhasCupomTEF = 99;
        EXPECT_FALSE(Lumomain::RealizaTransacaoModuloTEF(3, 1, 0));
        EXPECT_EQ(Lumomain::NumeroLinhaRecorteAqui, 0);
        EXPECT_EQ(Lumomain::NumeroLinhasCupomTEF, 0);
        EXPECT_EQ(Campo(10218), "77");
        EXPECT_EQ(Campo(1009), recusa); // the other module's own result reaches the host untouched
        EXPECT_EQ(Campo(10236), std::nullopt);
    }
}

TEST_F(ModuloTEF, NaoCarrega) {
    VortaSimDefineModuloTEF(VORTASIM_MODULO_FALHA, "0", 12, 40);
    EXPECT_FALSE(Lumomain::RealizaTransacaoModuloTEF(4, 2, 1));
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), FalhaEsperada());
    EXPECT_EQ(Campo(10236), "1");
    EXPECT_EQ(Lumomain::NumeroLinhaRecorteAqui, 0);
    EXPECT_EQ(Lumomain::NumeroLinhasCupomTEF, 0);
    EXPECT_EQ(UltimaChamada(), "805 2 1");
}

TEST_F(ModuloTEF, ExcecaoDoOutroModuloEContida) {
    VortaSimDefineModuloTEF(VORTASIM_MODULO_EXCECAO, "0", 12, 40);
    bool retorno = true;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    const auto r =
        FechaDialogos([&] { retorno = Lumomain::RealizaTransacaoModuloTEF(4, 2, 1); }, {[&](QWidget* w) {
                          if (auto* caixa = qobject_cast<QMessageBox*>(w)) icone = caixa->icon();
                          w->close();
                      }});
    EXPECT_FALSE(r.prazoEsgotado);
    EXPECT_FALSE(retorno);
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), FalhaEsperada());
    EXPECT_EQ(Campo(10236), "1");
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(r.vistos[0].classe, "QMessageBox");
    EXPECT_EQ(r.vistos[0].texto, QString::fromUtf8("Falha ao tentar carregar módulo  805"));
    EXPECT_EQ(r.vistos[0].titulo, Lumomain::TituloAplicacao());
    EXPECT_TRUE(r.vistos[0].noTopo);
    EXPECT_EQ(icone, QMessageBox::Critical);
}

} // namespace

// The security-code dialog: a code of 3 or more digits, or "0" (none) or "1" (unreadable), goes to 10149 and
// leaves the dialog; a shorter one is cleared for another try; cancelling clears 10149.
TEST_F(Ambiente, CodigoDeSegurancaValidoRepetidoOuCancelado) {
    struct Caso {
        std::vector<const char*> tentativas; // each typed and confirmed; the last null: cancelled
        bool retorno;
        std::optional<std::string> campo;
    } casos[] = {{{"123"}, true, "123"},
                 {{"0"}, true, "0"},
                 {{"1"}, true, "1"},
                 {{"12", "4567"}, true, "4567"},
                 {{"12", nullptr}, false, std::nullopt}};
    for (const auto& c : casos) {
        // The codes are secrets: a failure names the case, never the code.
        SCOPED_TRACE(&c - casos);
        DefineCampo(10149, 0, "999");
        std::vector<AcaoDialogo> acoes{[&c](QWidget* w) {
            for (const char* t : c.tentativas) {
                auto* ed = w->findChild<QLineEdit*>(QStringLiteral("EdCSeg"));
                EXPECT_TRUE(ed && ed->text().isEmpty() && ed->hasFocus());
                if (!t) return Teclado::Envia(w, Teclado::Tecla{Qt::Key_9, Qt::AltModifier, {}});
                Digita(w, t);
                Teclado::Envia(w, Teclado::Tecla{Qt::Key_1, Qt::AltModifier, {}});
            }
        }};
        bool retorno = !c.retorno;
        const auto r = FechaDialogos([&] { retorno = Lumomain::ColetaValorCSEG(); }, acoes);
        EXPECT_FALSE(r.prazoEsgotado);
        EXPECT_EQ(retorno, c.retorno);
        EXPECT_TRUE(Campo(10149) == c.campo);
        EXPECT_TRUE(AuditTem(c.retorno ? "Saiu: ColetaValorCSEG." : "Saiu Erro: ColetaValorCSEG."));
    }
}
