// The banking menu's own steps: the "CONFIGURACOES" switch read at every show, the PIN pad closed with the
// menu, and the cheque-book release option deciding, from what its query dialog left behind, whether the
// call ends there or the customer's card is read and the release follows.
#include "Ambiente.h"
#include "EmProcesso.h"
#include "Servidor.h"
#include "frame/Indisponivel.h"
#include "frame/Lumomain.h"
#include "menus/Selecionadorcbfininvest.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>

#include <memory>
#include <string>
#include <vector>

namespace {

class BancarioMenu : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        // Two options, so that showing the menu never picks one by itself.
        EscreveIni(QStringLiteral("ClienteTrn.ini"),
                   "[CorrespondenteBancario]\r\nSaqueCB=1\r\nDesbloqueioTalonario=1\r\n");
        Lumomain::bPinpadCBAberto = false;
        menu_ = TFrmMod::Cria<TFrmSel_Mnu>(nullptr);
        ASSERT_NE(menu_, nullptr);
    }
    void TearDown() override {
        delete menu_;
        Lumomain::bPinpadCBAberto = false;
        Ambiente::TearDown();
    }

    void Configuracoes(const QByteArray& valor) {
        EscreveIni(QStringLiteral("ClienteTrn.ini"),
                   "[configuracoes]\r\ncapturavalortotallumo=" + valor + "\r\n");
    }

    TFrmSel_Mnu* menu_ = nullptr;
};

TEST_F(BancarioMenu, CapturaValorTotalComparadaSemCaixa) {
    for (const char* sim : {"sim", "SIM", "Sim"}) {
        Lumomain::gb_CapturaValorTotalLUMO = false;
        Configuracoes(sim);
        menu_->Configura_Consulta();
        EXPECT_TRUE(Lumomain::gb_CapturaValorTotalLUMO) << sim;
    }
    for (const char* nao : {"Nao", "1", "SIM2"}) {
        Lumomain::gb_CapturaValorTotalLUMO = true;
        Configuracoes(nao);
        menu_->Configura_Consulta();
        EXPECT_FALSE(Lumomain::gb_CapturaValorTotalLUMO) << nao;
    }
    // Without the key (or the file) the default is "Sim".
    Lumomain::gb_CapturaValorTotalLUMO = false;
    EscreveIni(QStringLiteral("ClienteTrn.ini"), "[CONFIGURACOES]\r\nOutra=Nao\r\n");
    menu_->Configura_Consulta();
    EXPECT_TRUE(Lumomain::gb_CapturaValorTotalLUMO);
}

TEST_F(BancarioMenu, CadaExibicaoReleCapturaValorTotal) {
    Lumomain::gb_CapturaValorTotalLUMO = true;
    EscreveIni(QStringLiteral("ClienteTrn.ini"),
               "[CorrespondenteBancario]\r\nSaqueCB=1\r\nDepositoCB=1\r\n[CONFIGURACOES]\r\n"
               "CapturaValorTotalLUMO=nao\r\n");
    const auto r = FechaDialogos([&] { menu_->Executa(); });
    ASSERT_EQ(r.vistos.size(), 1u);
    EXPECT_FALSE(r.prazoEsgotado);
    EXPECT_FALSE(Lumomain::gb_CapturaValorTotalLUMO);
}

TEST_F(BancarioMenu, FecharOMenuFechaOPinpadQueEleAbriu) {
    // Open while the menu runs (its show clears the flag), as a card read of an option would leave it.
    auto abre = [](bool marca) {
        return AcaoDialogo([marca](QWidget* w) {
            ASSERT_EQ(host::AbrePinpadCB(), 0);
            Lumomain::bPinpadCBAberto = marca;
            w->close();
        });
    };
    FechaDialogos([&] { menu_->Executa(); }, {abre(true)});
    EXPECT_FALSE(VortaSimPinpadAberto());
    EXPECT_FALSE(Lumomain::bPinpadCBAberto);

    // A PIN pad the module does not hold open is not its to close.
    delete menu_;
    menu_ = TFrmMod::Cria<TFrmSel_Mnu>(nullptr);
    ASSERT_NE(menu_, nullptr);
    FechaDialogos([&] { menu_->Executa(); }, {abre(false)});
    EXPECT_TRUE(VortaSimPinpadAberto());
    host::FechaPinpadCB();
}

// Option 7 against the simulated bank. The two dialogs of the release are stand-ins here; each action below
// leaves what the real dialog would (the result code, the query record) and ends it with a modal result.
class DesbloqueioCheques : public BancarioMenu {
protected:
    void SetUp() override {
        BancarioMenu::SetUp();
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenario(QStringLiteral(CB_CENARIOS "/default.json"), &erro))
            << erro.toStdString();
        local_ = std::make_unique<cbserver::ConexaoEmProcesso>(servidor_);
        Lumomain::ServicoX_TipoRegistro050_ConsultaDesbloqueioTalonario.limpa();
        const int i = VortaSimPinpadAdicionaCartao("5067220000123458", "5067220000123458=29121011234500000",
                                                   "2912", "101", VORTASIM_CARTAO_MAGNETICO, "805");
        VortaSimPinpadApresentaCartao(i);
    }
    void TearDown() override {
        local_.reset();
        Lumomain::ServicoX_TipoRegistro050_ConsultaDesbloqueioTalonario.limpa();
        BancarioMenu::TearDown();
    }

    // The dialog leaves 1009 and, for the query, the reply with that many blocked ranges; then it ends.
    AcaoDialogo Termina(const char* codigo, int resultado, const char* faixas = nullptr) {
        return [this, codigo, resultado, faixas](QWidget* w) {
            titulos_.push_back(static_cast<TFrmMod*>(w)->lbTitulo->text());
            DefineCampo(1009, 0, codigo);
            if (faixas)
                Lumomain::ServicoX_TipoRegistro050_ConsultaDesbloqueioTalonario.atribui(
                    std::string("0350") + faixas + "000123000456000789000999");
            static_cast<TFrmMod*>(w)->setModalResult(resultado);
        };
    }

    void Executa(std::vector<AcaoDialogo> acoes) {
        resultado_ = FechaDialogos([&] { menu_->spOpcao7Click(); }, std::move(acoes));
        EXPECT_FALSE(resultado_.prazoEsgotado);
    }

    cbserver::Servidor servidor_;
    std::unique_ptr<cbserver::ConexaoEmProcesso> local_;
    ResultadoDialogos resultado_;
    std::vector<QString> titulos_;
};

TEST_F(DesbloqueioCheques, ConsultaComFaixasLeOCartaoEAbreODesbloqueio) {
    Executa({Termina("0", TFrmMod::mrOk, "02"), Termina("0", TFrmMod::mrOk)});
    ASSERT_EQ(titulos_.size(), 2u);
    EXPECT_EQ(titulos_[0], QStringLiteral("TFrmCnsDesbloqueio_DConta"));
    EXPECT_EQ(titulos_[1], QStringLiteral("TFrmDesbloqueioTal_Crt"));
    EXPECT_EQ(VortaSimPinpadQtdeLeituras(), 1);
    // The release reports its own result: the menu writes no result file after it, and closes the PIN pad.
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 0);
    EXPECT_FALSE(VortaSimPinpadAberto());
    EXPECT_FALSE(Lumomain::bPinpadCBAberto);
    EXPECT_EQ(menu_->ModalResult(), TFrmMod::mrOk);
}

TEST_F(DesbloqueioCheques, DesbloqueioRecusadoGravaOResultado) {
    Executa({Termina("0", TFrmMod::mrOk, "01"), Termina("05", TFrmMod::mrOk)});
    EXPECT_EQ(titulos_.size(), 2u);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    EXPECT_FALSE(VortaSimPinpadAberto());
    EXPECT_EQ(Campo(1009), "05");
}

TEST_F(DesbloqueioCheques, ConsultaSemFaixaOuRecusadaEncerraSemLerCartao) {
    struct Caso {
        const char* codigo;
        const char* faixas;
    };
    for (const Caso& c : {Caso{"0", "00"}, Caso{"0", nullptr}, Caso{"05", "02"}, Caso{"", "02"}}) {
        SCOPED_TRACE(std::string(c.codigo) + "/" + (c.faixas ? c.faixas : "-"));
        delete menu_;
        menu_ = TFrmMod::Cria<TFrmSel_Mnu>(nullptr);
        ASSERT_NE(menu_, nullptr);
        Lumomain::ServicoX_TipoRegistro050_ConsultaDesbloqueioTalonario.limpa();
        titulos_.clear();
        const int gravacoes = VortaSimQtdeGravaArquivo();
        Executa({Termina(c.codigo, TFrmMod::mrOk, c.faixas)});
        EXPECT_EQ(titulos_.size(), 1u);
        EXPECT_EQ(VortaSimPinpadQtdeLeituras(), 0);
        EXPECT_EQ(VortaSimQtdeGravaArquivo(), gravacoes + 1);
        EXPECT_EQ(menu_->ModalResult(), TFrmMod::mrOk);
    }
}

TEST_F(DesbloqueioCheques, CartaoNaoLidoEncerraSemDesbloqueio) {
    VortaSimPinpadApresentaCartao(-1);
    Executa({Termina("0", TFrmMod::mrOk, "01")});
    EXPECT_EQ(titulos_.size(), 1u);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    EXPECT_EQ(menu_->ModalResult(), TFrmMod::mrOk);
    EXPECT_FALSE(VortaSimPinpadAberto());
}

TEST_F(DesbloqueioCheques, ConsultaAbandonadaTomaOResultadoDoDialogo) {
    // The query's Cancel becomes the menu's; with no range found the call then ends with the result file.
    Executa({Termina("FF", TFrmMod::mrCancel)});
    EXPECT_EQ(titulos_.size(), 1u);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    EXPECT_EQ(menu_->ModalResult(), TFrmMod::mrOk);
}

TEST_F(DesbloqueioCheques, ModoDeTransacaoDecideSeHaConsulta) {
    // Code 000 at offset 45 refuses the release; no transaction-mode record at all does not.
    const auto banco = [this](const char* registro25) {
        QJsonArray h{QStringLiteral("21INFORMACOES GERAIS CB 80523710000000000")};
        if (registro25) h.append(QString::fromLatin1(registro25));
        const QJsonObject cenario{
            {QStringLiteral("parametros"),
             QJsonObject{{QStringLiteral("3"), QJsonObject{{QStringLiteral("h"), h}}}}}};
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenarioJson(QJsonDocument(cenario).toJson(), QStringLiteral("."), &erro))
            << erro.toStdString();
    };
    banco("25MODO TRANSACAO        805003003001014000000000000000000003000003000000000");
    Executa({});
    EXPECT_TRUE(resultado_.vistos.empty());
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), "Transacao Nao Habilitada");
    EXPECT_EQ(menu_->ModalResult(), TFrmMod::mrOk);

    delete menu_;
    menu_ = TFrmMod::Cria<TFrmSel_Mnu>(nullptr);
    ASSERT_NE(menu_, nullptr);
    banco(nullptr);
    Executa({Termina("05", TFrmMod::mrOk)});
    ASSERT_EQ(titulos_.size(), 1u);
    EXPECT_EQ(titulos_[0], QStringLiteral("TFrmCnsDesbloqueio_DConta"));
}

} // namespace
