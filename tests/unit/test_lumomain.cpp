// The frame in-process: the hand-over to another payment module, the entry points (which counters they reset,
// which first dialog they run, the owner window) and the version query.
#include "Ambiente.h"
#include "correspondente.h"
#include "frame/Lumomain.h"
#include "menus/Selecionadorcbfininvest.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QVariant>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kPropriedadeJanela[] = "cbJanelaProprietaria";

std::string FormaPagto() {
    return std::string(Lumomain::Forma_Pagto.begin(), Lumomain::Forma_Pagto.end());
}

// Presets the per-call counters to values no entry point would leave.
void PresetContadores() {
    Lumomain::IndiceAtual = 3;
    Lumomain::QtdeDocsConsultadosOK = 2;
    Lumomain::Forma_Pagto = {'0', '1', '0', '1'};
}

// ---- RealizaTransacaoModuloTEF ----

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
        char codigo[8];
        int a = -1, b = -1;
        VortaSimUltimoModuloTEF(codigo, sizeof codigo, &a, &b);
        EXPECT_STREQ(codigo, "805");
        EXPECT_EQ(a, 2);
        EXPECT_EQ(b, 1);
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
    char codigo[8];
    int a = -1, b = -1;
    VortaSimUltimoModuloTEF(codigo, sizeof codigo, &a, &b);
    EXPECT_STREQ(codigo, "805");
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
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

// ---- entry points ----

// Forms created during a call, with the mode flags as they were at that moment.
struct FormCriado {
    std::string nome;
    bool trnADM;
    bool trnCNC;
};

void ObservaCriacoes(const char* tipo, const char* texto, void* contexto) {
    static constexpr char kCriou[] = "Criou: ";
    if (std::strcmp(tipo, "audit") != 0 || std::strncmp(texto, kCriou, sizeof kCriou - 1) != 0) return;
    static_cast<std::vector<FormCriado>*>(contexto)->push_back(
        {texto + sizeof kCriou - 1, Lumomain::TrnADM, Lumomain::TrnCNC});
}

class Entradas : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        // More than one option on each menu, so that a menu waits for the operator instead of choosing alone.
        EscreveIni(QStringLiteral("ClienteTrn.ini"),
                   "[CorrespondenteBancario]\r\nDepositoCB=1\r\nSaqueCB=1\r\nFechamentoRepasse=1\r\n");
        VortaSimDefineObservador(&ObservaCriacoes, &criados_);
        antes_ = qApp->property(kPropriedadeJanela);
    }
    void TearDown() override {
        qApp->setProperty(kPropriedadeJanela, antes_);
        Ambiente::TearDown();
    }

    // Owner as seen from inside the call, by the action that handles the first dialog.
    struct Dono {
        qulonglong propriedade = 0;
        uintptr_t janela = 0;
    };
    AcaoDialogo AnotaDonoE(Dono& dono, AcaoDialogo depois) {
        return [&dono, depois](QWidget* w) {
            dono.propriedade = qApp->property(kPropriedadeJanela).toULongLong();
            dono.janela = Lumomain::JanelaAplicacao();
            depois(w);
        };
    }

    std::vector<FormCriado> criados_;
    QVariant antes_;
};

TEST_F(Entradas, Modo16ContinuaPagamentoSemReiniciarNada) {
    PresetContadores();
    const auto r = FechaDialogos([] { ExecutaGenerico(0x1234, 16); });
    EXPECT_FALSE(r.prazoEsgotado);
    EXPECT_TRUE(AuditTem("Criou: FrmPgt_Con"));
    EXPECT_TRUE(AuditTem("Destruiu: FrmPgt_Con"));
    EXPECT_FALSE(AuditTem("Criou: FrmSel_Mnu"));
    EXPECT_EQ(Lumomain::IndiceAtual, 3);
    EXPECT_EQ(Lumomain::QtdeDocsConsultadosOK, 2);
    EXPECT_EQ(FormaPagto(), "0101");
}

TEST_F(Entradas, PagamentoPendenteEmQualquerModoContinua) {
    DefineCampo(20036, 0, "1");
    PresetContadores();
    const auto r = FechaDialogos([] { ExecutaGenerico(0x1234, 0); });
    EXPECT_FALSE(r.prazoEsgotado);
    EXPECT_TRUE(AuditTem("Criou: FrmPgt_Con"));
    EXPECT_FALSE(AuditTem("Criou: FrmSel_Mnu"));
    EXPECT_EQ(Lumomain::IndiceAtual, 3);
    EXPECT_EQ(Lumomain::QtdeDocsConsultadosOK, 2);
    EXPECT_EQ(FormaPagto(), "0101");
}

// The banking menu, closed by the operator with "9": reset counters, the menu and nothing else, and one
// result file. A pending-payment marker that is present but empty is no pending payment.
class MenuBancario : public Entradas, public ::testing::WithParamInterface<bool> {};

TEST_P(MenuBancario, ReiniciaEAbreOMenuQueOperadorEncerra) {
    if (GetParam()) DefineCampo(20036, 0, "");
    PresetContadores();
    Lumomain::TrnADM = true;
    Lumomain::TrnCNC = true;
    Lumomain::bPinpadCBAberto = true;
    const auto r = FechaDialogos([] { ExecutaGenerico(0x1234, 0); }, {PressionaDigito('9')});
    EXPECT_FALSE(r.prazoEsgotado);
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(r.vistos[0].classe, "TFrmSel_Mnu");
    EXPECT_EQ(r.vistos[0].titulo, QString::fromUtf8("Correspondente Bancário - v1.0.0.12"));
    EXPECT_TRUE(AuditTem("Criou: FrmSel_Mnu"));
    EXPECT_TRUE(AuditTem("Destruiu: FrmSel_Mnu"));
    EXPECT_FALSE(AuditTem("Criou: FrmPgt_Con"));
    EXPECT_EQ(Lumomain::IndiceAtual, 0);
    EXPECT_EQ(Lumomain::QtdeDocsConsultadosOK, 0);
    EXPECT_EQ(FormaPagto(), "1111");
    EXPECT_FALSE(Lumomain::TrnADM);
    EXPECT_FALSE(Lumomain::TrnCNC);
    EXPECT_FALSE(Lumomain::bPinpadCBAberto);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Finalizado pelo Operador");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    const auto arquivo = Resultado();
    ASSERT_TRUE(arquivo);
    EXPECT_NE(arquivo->find("1009.0=FF\n"), std::string::npos);
}

TEST_F(Entradas, MenuFechadoComoCancelamentoGravaOResultadoUmaVez) {
    // A top-level menu closed without an option (modal result Cancel) still leaves the host its result file.
    const auto r = FechaDialogos([] { ExecutaGenerico(0x1234, 0); }, {Fecha()});
    EXPECT_FALSE(r.prazoEsgotado);
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(r.vistos[0].classe, "TFrmSel_Mnu");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    EXPECT_TRUE(Resultado());
}

INSTANTIATE_TEST_SUITE_P(Frame, MenuBancario, ::testing::Bool(), [](const auto& p) {
    return p.param ? std::string("MarcadorPendenteVazio") : std::string("SemMarcador");
});

TEST_F(Entradas, ModoTransacaoEModoCancelamento) {
    struct Chamada {
        const char* descricao;
        std::function<void()> executa;
        const char* primeiroForm;
        bool trnADM;
        bool trnCNC;
        bool menu;
    };
    // In this order each call finds the flags left the other way by the call before it.
    const std::vector<Chamada> chamadas = {
        {"ADM 1", [] { ExecutaFuncaoADM(0, 1); }, "FrmADM_Mnu", true, true, true},
        {"ADM 0", [] { ExecutaFuncaoADM(0, 0); }, "FrmADM_Mnu", true, false, true},
        {"ADM 1", [] { ExecutaFuncaoADM(0, 1); }, "FrmADM_Mnu", true, true, true},
        {"Generico 0", [] { ExecutaGenerico(0, 0); }, "FrmSel_Mnu", false, false, true},
        {"ADM 9", [] { ExecutaFuncaoADM(0, 9); }, "FrmMod_RestabeleceLimiteCnc", true, false, false},
        {"ADM 1", [] { ExecutaFuncaoADM(0, 1); }, "FrmADM_Mnu", true, true, true},
        {"Generico 16", [] { ExecutaGenerico(0, 16); }, "FrmPgt_Con", false, false, false},
    };
    for (const auto& c : chamadas) {
        SCOPED_TRACE(c.descricao);
        criados_.clear();
        std::vector<AcaoDialogo> acoes;
        if (c.menu) acoes.push_back(PressionaDigito('9'));
        const auto r = FechaDialogos(c.executa, acoes);
        EXPECT_FALSE(r.prazoEsgotado);
        ASSERT_FALSE(criados_.empty());
        EXPECT_EQ(criados_[0].nome, c.primeiroForm);
        EXPECT_EQ(criados_[0].trnADM, c.trnADM);
        EXPECT_EQ(criados_[0].trnCNC, c.trnCNC);
        if (c.menu) {
            ASSERT_EQ(r.vistos.size(), 1U);
            EXPECT_EQ(r.vistos[0].classe, std::string("T") + c.primeiroForm);
        }
    }
}

TEST_F(Entradas, MenuAdministrativoReiniciaOsContadores) {
    PresetContadores();
    const auto r = FechaDialogos([] { ExecutaFuncaoADM(0, 0); }, {PressionaDigito('9')});
    EXPECT_FALSE(r.prazoEsgotado);
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(r.vistos[0].classe, "TFrmADM_Mnu");
    EXPECT_EQ(Lumomain::IndiceAtual, 0);
    EXPECT_EQ(Lumomain::QtdeDocsConsultadosOK, 0);
    EXPECT_EQ(FormaPagto(), "1111");
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
}

// Mode 9: the limit restoration runs without operator and without a menu; "RestabeleceLimite.ini" chooses
// between the restoration and its cancellation.
struct CasoRestabelece {
    const char* nome;
    const char* ini; // nullptr: no file
    const char* form;
};

class RestabeleceLimite : public Entradas, public ::testing::WithParamInterface<CasoRestabelece> {};

TEST_P(RestabeleceLimite, EscolheODialogoPeloArquivo) {
    const auto& caso = GetParam();
    if (caso.ini) EscreveIni(QStringLiteral("RestabeleceLimite.ini"), caso.ini);
    PresetContadores();
    const auto r = FechaDialogos([] { ExecutaFuncaoADM(0x4321, 9); });
    EXPECT_FALSE(r.prazoEsgotado);
    for (const auto& v : r.vistos)
        EXPECT_NE(v.classe, "TFrmADM_Mnu") << v;
    ASSERT_EQ(criados_.size(), 1U);
    EXPECT_EQ(criados_[0].nome, caso.form);
    EXPECT_TRUE(AuditTem(std::string("Destruiu: ") + caso.form));
    EXPECT_FALSE(AuditTem("Criou: FrmADM_Mnu"));
    EXPECT_GE(VortaSimQtdeGravaArquivo(), 1);
    EXPECT_TRUE(Resultado());
    EXPECT_TRUE(Campo(1009));
    // Mode 9 is no menu start: the counters are left alone.
    EXPECT_EQ(Lumomain::IndiceAtual, 3);
    EXPECT_EQ(FormaPagto(), "0101");
}

INSTANTIATE_TEST_SUITE_P(
    Frame, RestabeleceLimite,
    ::testing::Values(
        CasoRestabelece{"SemArquivo", nullptr, "FrmMod_RestabeleceLimiteCnc"},
        CasoRestabelece{"Subfuncao1", "[RESTABELECELIMITE]\r\nSubfuncao=1\r\n", "FrmMod_RestabeleceLimite"},
        CasoRestabelece{"SubfuncaoTrueOutraCaixa", "[restabelecelimite]\nsubfuncao=TRUE\n",
                        "FrmMod_RestabeleceLimite"},
        CasoRestabelece{"Subfuncao0", "[RESTABELECELIMITE]\nSubfuncao=0\n", "FrmMod_RestabeleceLimiteCnc"},
        CasoRestabelece{"SemChave", "[RESTABELECELIMITE]\nQuantidade=2\n", "FrmMod_RestabeleceLimiteCnc"},
        CasoRestabelece{"OutraSecao", "[OUTRA]\nSubfuncao=1\n", "FrmMod_RestabeleceLimiteCnc"}),
    [](const auto& p) { return std::string(p.param.nome); });

// ---- owner window ----

TEST_F(Entradas, JanelaDoHostEDonaDuranteAChamadaEVoltaDepois) {
    qApp->setProperty(kPropriedadeJanela, QVariant::fromValue<qulonglong>(0x5150));
    Dono dono;
    const auto r =
        FechaDialogos([] { ExecutaGenerico(0xABCD, 0); }, {AnotaDonoE(dono, PressionaDigito('9'))});
    EXPECT_FALSE(r.prazoEsgotado);
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(dono.propriedade, 0xABCDU);
    EXPECT_EQ(dono.janela, 0xABCDU);
    EXPECT_EQ(qApp->property(kPropriedadeJanela).toULongLong(), 0x5150U);
    EXPECT_EQ(Lumomain::JanelaAplicacao(), 0U);
}

struct CasoFalhaCriacao {
    const char* classe;
    const char* nomeForm;
    bool adm;
};

class FalhaCriacaoMenu : public Entradas, public ::testing::WithParamInterface<CasoFalhaCriacao> {};

TEST_P(FalhaCriacaoMenu, MostraErroERestauraODono) {
    const auto& caso = GetParam();
    VortaSimDefineFalhaTema(caso.classe);
    qApp->setProperty(kPropriedadeJanela, QVariant()); // no owner before the call
    Dono dono;
    const bool adm = caso.adm;
    const auto r = FechaDialogos([adm] { adm ? ExecutaFuncaoADM(0xBEEF, 0) : ExecutaGenerico(0xBEEF, 0); },
                                 {AnotaDonoE(dono, Fecha())});
    EXPECT_FALSE(r.prazoEsgotado);
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(r.vistos[0].classe, "QMessageBox");
    EXPECT_EQ(r.vistos[0].texto,
              QString::fromUtf8("Erro na criação do formulário:") + QLatin1String(caso.nomeForm));
    EXPECT_EQ(r.vistos[0].titulo, QString::fromUtf8("Correspondente Bancário - v1.0.0.12"));
    EXPECT_TRUE(r.vistos[0].noTopo);
    EXPECT_EQ(dono.propriedade, 0xBEEFU);
    EXPECT_EQ(dono.janela, 0xBEEFU);
    EXPECT_FALSE(qApp->property(kPropriedadeJanela).isValid());
    EXPECT_EQ(Lumomain::JanelaAplicacao(), 0U);
    EXPECT_FALSE(AuditTem(std::string("Criou: ") + caso.nomeForm));
}

INSTANTIATE_TEST_SUITE_P(Frame, FalhaCriacaoMenu,
                         ::testing::Values(CasoFalhaCriacao{"TFrmSel_Mnu", "FrmSel_Mnu", false},
                                           CasoFalhaCriacao{"TFrmADM_Mnu", "FrmADM_Mnu", true}),
                         [](const auto& p) { return std::string(p.param.nomeForm); });

// ---- version ----

TEST_F(Entradas, ObtemVersao) {
    // After a form of this process was created the second text is the build version recorded in the binary.
    EXPECT_FALSE(FechaDialogos([] { ExecutaFuncaoADM(0, 9); }).prazoEsgotado);
    char interface_[32];
    char modulo[32];
    std::memset(interface_, 'x', sizeof interface_);
    std::memset(modulo, 'x', sizeof modulo);
    ObtemVersao(interface_, modulo);
    EXPECT_STREQ(interface_, "1.0.0.0");
    EXPECT_STREQ(modulo, "1.0.0.12");
    EXPECT_EQ(Lumomain::TituloAplicacao(), QString::fromUtf8("Correspondente Bancário - v1.0.0.12"));
}

} // namespace

namespace {

// "9" typed ahead of a menu's automatic choice: the menu closes as the operator asked and the only option is
// not opened on the way out.
TEST_F(Entradas, EncerraAntesDaEscolhaAutomaticaAnulaAEscolha) {
    EscreveIni(QStringLiteral("ClienteTrn.ini"), "[CorrespondenteBancario]\r\n");
    TFrmSel_Mnu* menu = TFrmMod::Cria<TFrmSel_Mnu>(nullptr);
    ASSERT_NE(menu, nullptr);
    menu->Tag = 1;
    menu->TClique->start();
    menu->spEncerraClick();
    QElapsedTimer espera;
    espera.start();
    while (espera.elapsed() < 50)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(menu->ModalResult(), TFrmMod::mrOk);
    EXPECT_FALSE(menu->ClicouOpcao);
    delete menu;
    EXPECT_EQ(Campo(1009), "FF");
    for (const auto& f : criados_)
        EXPECT_NE(f.nome, "FrmPagtos_Mnu");
}

} // namespace

namespace {

// The catalogue's texts take "%s"/"%d" in order; "%%" is a percent sign and a missing argument reads empty.
TEST(Formata, ArgumentosEmOrdem) {
    EXPECT_EQ(Lumomain::Formata("Banco Inválido (%s). O correto é (%s)",
                                {QStringLiteral("341"), QStringLiteral("237")}),
              QStringLiteral("Banco Inválido (341). O correto é (237)"));
    EXPECT_EQ(Lumomain::Formata("%d de %s", {QStringLiteral("3")}), QStringLiteral("3 de "));
    EXPECT_EQ(Lumomain::Formata("100%% até %s", {QStringLiteral("x")}), QStringLiteral("100% até x"));
    EXPECT_EQ(Lumomain::Formata("fim %", {}), QStringLiteral("fim %"));
}

} // namespace
