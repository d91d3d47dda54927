// The card-data dialogs: the typed card number, the security code and the security-token query against the
// in-process simulated bank. Card numbers and codes are compared, never printed.
#include "Ambiente.h"
#include "EmProcesso.h"
#include "Servidor.h"
#include "frame/Coletacampocartao.h"
#include "frame/Coletacampocseg.h"
#include "frame/Consdispsegtoken.h"
#include "frame/Lumomain.h"
#include "protocol/Tabelatrn.h"

#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

// Leaves the module's own dialogs to close themselves and closes a message box (the operator's OK).
AcaoDialogo FechaSoCaixa() {
    return [](QWidget* w) {
        if (qobject_cast<QMessageBox*>(w)) w->close();
    };
}

int Quantas(const std::vector<std::string>& linhas, const std::string& linha) {
    return static_cast<int>(std::count(linhas.begin(), linhas.end(), linha));
}

std::vector<DialogoVisto> Caixas(const ResultadoDialogos& r) {
    std::vector<DialogoVisto> caixas;
    for (const auto& v : r.vistos)
        if (v.classe == "QMessageBox") caixas.push_back(v);
    return caixas;
}

// A dialog of the family built, shown and active, as the operator finds it.
template <class T> class DialogoAberto : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        Abre();
    }
    void TearDown() override {
        form_.reset();
        Ambiente::TearDown();
    }
    void Abre(const std::function<void(T*)>& antes = {}) {
        form_.reset(TFrmMod::Cria<T>(nullptr));
        ASSERT_NE(form_, nullptr);
        if (antes) antes(form_.get());
        form_->show();
        ASSERT_TRUE(EsperaAtiva(form_.get()));
        QApplication::processEvents();
    }
    std::unique_ptr<T> form_;
};

using ColetaCartao = DialogoAberto<TFrmColetaCampoCartao>;
using ColetaCSEG = DialogoAberto<TFrmColetaCampoCSEG>;

TEST_F(ColetaCartao, MensagemDoOperadorSegueOFoco) {
    auto* f = form_.get();
    EXPECT_EQ(f->focusWidget(), f->edCartao);
    EXPECT_EQ(f->lbMensagem->text(), QStringLiteral("Forneça o Número do Cartão e Tecle <ENTER>."));
    EXPECT_EQ(f->lbCartao->text(), QStringLiteral("Cartão:"));
    EXPECT_EQ(f->edCartao->maxLength(), 19);
    // Enter in the edit moves on to the confirm button, as on every dialog.
    Enter(f);
    EXPECT_EQ(f->focusWidget(), f->btConfirma);
    EXPECT_EQ(f->lbMensagem->text(), QStringLiteral("Tecle <ENTER> para confirmar."));
    Tecla(f, Qt::Key_Tab, QStringLiteral("\t"));
    EXPECT_EQ(f->focusWidget(), f->btRetorna);
    EXPECT_EQ(f->lbMensagem->text(), QStringLiteral("Tecle <ENTER> para retornar."));
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
}

TEST_F(ColetaCartao, SoDigitosBackspaceEEnterEntramNoCampo) {
    auto* f = form_.get();
    Digita(f, "12a3 -b4");
    EXPECT_EQ(f->edCartao->text(), QStringLiteral("1234"));
    Tecla(f, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(f->edCartao->text(), QStringLiteral("123"));
    // Neither a paste key nor the paste itself brings letters in.
    QApplication::clipboard()->setText(QStringLiteral("9x9"));
    QKeyEvent colar(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    QApplication::sendEvent(f->edCartao, &colar);
    f->edCartao->paste();
    EXPECT_EQ(f->edCartao->text(), QStringLiteral("123"));
    // The edit holds at most 19 digits.
    Digita(f, std::string(20, '5'));
    EXPECT_EQ(f->edCartao->text().size(), 19);
}

// The key rule on its own (the edit's validator would hide a fault of it): what an edit of digits swallows.
TEST(TeclaNumerica, SoDigitosBackspaceEnterEMovimentoPassam) {
    struct Caso {
        int tecla;
        Qt::KeyboardModifiers modificadores;
        QString texto;
        bool recusa;
    };
    const std::vector<Caso> casos = {
        {Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), false},
        {Qt::Key_3, Qt::KeypadModifier, QStringLiteral("3"), false},
        {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"), false},
        {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), false},
        {Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"), false},
        {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"), false},
        {Qt::Key_Left, Qt::NoModifier, QString(), false},
        {Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true},
        {Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true},
        {Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"), true},
        {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"), true},
        {Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"), true},
        {Qt::Key_Insert, Qt::ShiftModifier, QString(), true},
        {Qt::Key_unknown, Qt::NoModifier, QStringLiteral("€"), true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tecla);
        const QKeyEvent e(QEvent::KeyPress, c.tecla, c.modificadores, c.texto);
        EXPECT_EQ(Coletacampocartao::RecusaTeclaNumerica(&e), c.recusa);
    }
}

TEST_F(ColetaCartao, NumeroForaDe14a19DigitosEInvalido) {
    auto* f = form_.get();
    DefineCampo(10104, 0, "anterior");
    for (const size_t n : {size_t{0}, size_t{13}}) {
        SCOPED_TRACE(n);
        Digita(f, std::string(n, '4'));
        Enter(f);
        const auto r = FechaDialogos([&] { Enter(f); });
        ASSERT_EQ(r.vistos.size(), 1u);
        EXPECT_EQ(r.vistos[0].classe, "QMessageBox");
        EXPECT_EQ(r.vistos[0].texto, QStringLiteral("Cartão inválido."));
        EXPECT_TRUE(r.vistos[0].noTopo);
        EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
        EXPECT_TRUE(f->edCartao->text().isEmpty());
        EXPECT_TRUE(f->pnCartao->isEnabled());
        EXPECT_TRUE(f->btConfirma->isEnabled());
        EXPECT_TRUE(f->btRetorna->isEnabled());
        EXPECT_EQ(f->focusWidget(), f->edCartao);
        EXPECT_EQ(Campo(10104), "anterior");
    }
}

TEST_F(ColetaCartao, De14a19DigitosVaoPara10104) {
    for (const size_t n : {size_t{14}, size_t{19}}) {
        SCOPED_TRACE(n);
        Abre();
        auto* f = form_.get();
        const std::string numero = "5" + std::string(n - 2, '0') + "7";
        Digita(f, numero);
        Enter(f);
        const auto r = FechaDialogos([&] { Enter(f); });
        EXPECT_TRUE(r.vistos.empty());
        EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
        EXPECT_TRUE(Campo(10104) == numero);
        EXPECT_FALSE(f->btConfirma->isEnabled()); // confirmed once: no second press
        // The number never reaches the audit trail.
        EXPECT_EQ(LeArquivo(QStringLiteral(VORTASIM_ARQUIVO_AUDIT)).value_or("").find(numero),
                  std::string::npos);
    }
}

TEST_F(ColetaCartao, RetornaCancelaSemTocarEm10104) {
    auto* f = form_.get();
    DefineCampo(10104, 0, "trilha");
    Digita(f, std::string(16, '3'));
    f->btRetorna->setFocus();
    Enter(f);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrCancel);
    EXPECT_EQ(Campo(10104), "trilha");
}

// Run modally as a caller does: whichever way the dialog ends, the edit is empty afterwards.
TEST_F(ColetaCartao, CampoFicaVazioEmTodaSaida) {
    const std::string numero(16, '6');
    struct Caso {
        const char* nome;
        AcaoDialogo acao;
        int resultado;
    };
    const std::vector<Caso> casos = {
        {"confirma",
         [&](QWidget* w) {
             Digita(w, numero);
             Enter(w);
             Enter(w);
         },
         TFrmMod::mrOk},
        {"retorna",
         [&](QWidget* w) {
             Digita(w, numero);
             Enter(w);
             Tecla(w, Qt::Key_9, QStringLiteral("9"));
         },
         TFrmMod::mrCancel},
        {"fechada",
         [&](QWidget* w) {
             Digita(w, numero);
             w->close();
         },
         TFrmMod::mrCancel},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        std::unique_ptr<TFrmColetaCampoCartao> f(TFrmMod::Cria<TFrmColetaCampoCartao>(nullptr));
        ASSERT_NE(f, nullptr);
        int resultado = -1;
        QString visto;
        QObject::connect(f->edCartao, &QLineEdit::textChanged, [&](const QString& t) {
            if (t.size() > visto.size()) visto = t;
        });
        const auto r = FechaDialogos([&] { resultado = f->Executa(); }, {c.acao});
        EXPECT_FALSE(r.prazoEsgotado);
        EXPECT_EQ(resultado, c.resultado);
        EXPECT_EQ(visto.size(), 16);                // the number was typed ...
        EXPECT_TRUE(f->edCartao->text().isEmpty()); // ... and is gone
    }
}

TEST_F(ColetaCartao, DestruidaAbertaApagaOCampo) {
    auto* f = form_.get();
    Digita(f, std::string(16, '8'));
    std::vector<QString> textos;
    QObject::connect(f->edCartao, &QLineEdit::textChanged, [&](const QString& t) { textos.push_back(t); });
    form_.reset();
    ASSERT_FALSE(textos.empty());
    EXPECT_TRUE(textos.back().isEmpty());
    // Overwritten before it was emptied.
    EXPECT_TRUE(textos.front() == QString(16, QLatin1Char('*')));
}

TEST_F(ColetaCartao, TimerConfirmaQuandoAbreNoBotao) {
    // With the focus on the edit, activation leaves the confirm button alone.
    EXPECT_FALSE(form_->TClique->isActive());
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrNone);
    EXPECT_EQ(form_->TClique->interval(), 1);
    EXPECT_TRUE(form_->TClique->isSingleShot());

    // The caller hid the edit (the card was read): the dialog opens on the confirm button and presses it.
    DefineCampo(10104, 0, "trilha");
    std::unique_ptr<TFrmColetaCampoCartao> f(TFrmMod::Cria<TFrmColetaCampoCartao>(nullptr));
    ASSERT_NE(f, nullptr);
    f->edCartao->hide();
    int resultado = -1;
    const auto r = FechaDialogos([&] { resultado = f->Executa(); }, {Nada()}, std::chrono::seconds(5));
    EXPECT_FALSE(r.prazoEsgotado);
    EXPECT_EQ(resultado, TFrmMod::mrOk);
    EXPECT_EQ(Campo(10104), "trilha");
}

TEST_F(ColetaCSEG, TextosETeclas) {
    auto* f = form_.get();
    EXPECT_EQ(f->LbCSeg->text(), QStringLiteral("C. Seg:"));
    EXPECT_EQ(f->btConfirma->text(), QStringLiteral("&1 - Confirma"));
    EXPECT_EQ(f->btCancela->text(), QStringLiteral("&9 - Cancela"));
    EXPECT_EQ(f->lbMensagem->text(),
              QStringLiteral("Forneça o Codigo de Seguranca do cartao (0: inexistente, 1: ilegivel)"));
    EXPECT_EQ(f->focusWidget(), f->EdCSeg);
    Digita(f, "1a2b3c456");
    EXPECT_EQ(f->EdCSeg->text().size(), 5);
    EXPECT_TRUE(f->EdCSeg->text() == QStringLiteral("12345"));
}

TEST_F(ColetaCSEG, ZeroEUmValemMesmoCurtos) {
    for (const char* codigo : {"0", "1"}) {
        SCOPED_TRACE(codigo);
        Abre();
        auto* f = form_.get();
        Digita(f, codigo);
        Enter(f);
        Enter(f);
        EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
        EXPECT_TRUE(Campo(10149) == codigo);
        EXPECT_EQ(f->EdCSeg->text(), QStringLiteral("*"));
    }
}

TEST_F(ColetaCSEG, DoisDigitosRecusadosSemAviso) {
    auto* f = form_.get();
    Digita(f, "12");
    Enter(f);
    const auto r = FechaDialogos([&] { Enter(f); }, {}, std::chrono::seconds(3));
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
    EXPECT_TRUE(f->EdCSeg->text().isEmpty());
    EXPECT_EQ(f->focusWidget(), f->EdCSeg);
    EXPECT_TRUE(f->btConfirma->isEnabled());
    EXPECT_TRUE(f->btCancela->isEnabled());
    EXPECT_EQ(Campo(10149), std::nullopt);
}

TEST_F(ColetaCSEG, CodigoValidoVaiPara10149EFicaMascarado) {
    auto* f = form_.get();
    Digita(f, "123");
    Enter(f);
    Enter(f);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_TRUE(Campo(10149) == "123");
    EXPECT_EQ(f->EdCSeg->text(), QStringLiteral("***"));
    // Gone from the edit once the dialog closes; the field stays for the request.
    f->hide();
    EXPECT_TRUE(f->EdCSeg->text().isEmpty());
    EXPECT_TRUE(Campo(10149) == "123");
}

TEST_F(ColetaCSEG, CancelaApagaCampoE10149) {
    auto* f = form_.get();
    DefineCampo(10149, 0, "999");
    Digita(f, "456");
    Enter(f);
    Tecla(f, Qt::Key_9, QStringLiteral("9"));
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrCancel);
    EXPECT_TRUE(f->EdCSeg->text().isEmpty());
    EXPECT_EQ(Campo(10149), std::nullopt);
}

class ColetaValorCSEG : public Ambiente {
protected:
    bool Coleta(std::vector<AcaoDialogo> acoes) {
        bool ok = true;
        resultado_ = FechaDialogos([&] { ok = Lumomain::ColetaValorCSEG(); }, std::move(acoes));
        return ok;
    }
    // Position of an audit line, or -1.
    int Posicao(const std::string& linha) const {
        const auto linhas = LinhasAudit();
        for (size_t i = 0; i < linhas.size(); ++i)
            if (linhas[i] == linha) return static_cast<int>(i);
        return -1;
    }
    ResultadoDialogos resultado_;
};

TEST_F(ColetaValorCSEG, ConfirmadoRetornaVerdadeiro) {
    const bool ok = Coleta({[](QWidget* w) {
        Digita(w, "321");
        Enter(w);
        Enter(w);
    }});
    EXPECT_TRUE(ok);
    ASSERT_EQ(resultado_.vistos.size(), 1u);
    EXPECT_EQ(resultado_.vistos[0].classe, "TFrmColetaCampoCSEG");
    EXPECT_TRUE(Campo(10149) == "321");
    const int entrou = Posicao("Entrou: ColetaValorCSEG.");
    EXPECT_GE(entrou, 0);
    EXPECT_GT(Posicao("Saiu: ColetaValorCSEG."), entrou);
    EXPECT_EQ(Posicao("Saiu Erro: ColetaValorCSEG."), -1);
    EXPECT_GT(Posicao("Destruiu: FrmColetaCampoCSEG"), entrou);
    // The dialog's result stays with it: no result file for the point of sale.
    EXPECT_FALSE(Resultado().has_value());
}

TEST_F(ColetaValorCSEG, CanceladoOuFechadoRetornaFalso) {
    const std::vector<AcaoDialogo> saidas = {
        [](QWidget* w) {
            Digita(w, "55");
            qobject_cast<TFrmColetaCampoCSEG*>(w)->btCancela->click();
        },
        Fecha(),
    };
    for (size_t i = 0; i < saidas.size(); ++i) {
        SCOPED_TRACE(i);
        DefineCampo(10149, 0, "777");
        EXPECT_FALSE(Coleta({saidas[i]}));
        EXPECT_FALSE(resultado_.prazoEsgotado);
        EXPECT_EQ(Campo(10149), std::nullopt);
        EXPECT_EQ(Quantas(LinhasAudit(), "Saiu Erro: ColetaValorCSEG."), static_cast<int>(i) + 1);
    }
    EXPECT_EQ(Posicao("Saiu: ColetaValorCSEG."), -1);
}

TEST_F(ColetaValorCSEG, FalhaNaCriacaoReportadaAoHost) {
    VortaSimDefineFalhaTema("TFrmColetaCampoCSEG");
    EXPECT_FALSE(Coleta({}));
    EXPECT_TRUE(resultado_.vistos.empty());
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), Latin1("Erro na criação do formulário:FrmColetaCampoCSEG"));
    EXPECT_GT(Posicao("Saiu Erro: ColetaValorCSEG."), Posicao("Entrou: ColetaValorCSEG."));
}

// The token query against the simulated bank's default scenario.
class ConsultaToken : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenario(QStringLiteral(CB_CENARIOS "/default.json"), &erro))
            << erro.toStdString();
    }
    void TearDown() override {
        local_.reset();
        Ambiente::TearDown();
    }
    void Conecta() { local_ = std::make_unique<cbserver::ConexaoEmProcesso>(servidor_); }
    void Cartao(const std::string& trilha, const std::string& senha) {
        DefineCampo(10104, 0, trilha);
        DefineCampo(10146, 0, senha);
    }
    bool Consulta() {
        bool ok = false;
        // The dialog sends the query by itself (it may be gone before the driver sees it); a message box
        // that follows is closed.
        resultado_ = FechaDialogos([&] { ok = Lumomain::VerificaHabilitaConsultaDispositivoSeguranca(); },
                                   {FechaSoCaixa(), FechaSoCaixa()});
        EXPECT_FALSE(resultado_.prazoEsgotado);
        return ok;
    }
    bool AuditTemNaOrdem(const std::string& primeira, const std::string& segunda) const {
        const auto linhas = LinhasAudit();
        const auto a = std::find(linhas.begin(), linhas.end(), primeira);
        return a != linhas.end() && std::find(a, linhas.end(), segunda) != linhas.end();
    }

    cbserver::Servidor servidor_;
    std::unique_ptr<cbserver::ConexaoEmProcesso> local_;
    ResultadoDialogos resultado_;
};

TEST_F(ConsultaToken, ClienteComTokenAprovado) {
    Conecta();
    Cartao("5067220000678907=30062011234567890", "A1B2C3D4E5F60708");
    EXPECT_TRUE(Consulta());
    EXPECT_TRUE(Caixas(resultado_).empty());
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_EQ(VortaSimQtdeAutorizacoes(), 1);
    EXPECT_TRUE(AuditTemNaOrdem("Entrou: VerificaHabilitaConsultaDispositivoSeguranca .",
                                "Saiu: VerificaHabilitaConsultaDispositivoSeguranca ."));
    EXPECT_FALSE(AuditTem("Erro: VerificaHabilitaConsultaDispositivoSeguranca ."));
}

TEST_F(ConsultaToken, RecusaMostraOTextoDoBancoEFicaNosCampos) {
    struct Caso {
        const char* nome;
        std::string trilha;
        std::string senha;
        const char* codigo;
        const char* texto;
    };
    const std::vector<Caso> casos = {
        {"sem token", "5067220000123458=29122011234567890", "A1B2C3D4E5F60708", "57",
         "Cliente sem dispositivo de segurança habilitado"},
        {"cartao desconhecido", "5067229999999999=29122011234567890", "A1B2C3D4E5F60708", "14",
         "Cartão não cadastrado"},
        {"sem senha", "5067220000678907=30062011234567890", "", "55", "Senha não informada"},
    };
    Conecta();
    for (size_t i = 0; i < casos.size(); ++i) {
        const Caso& c = casos[i];
        SCOPED_TRACE(c.nome);
        Cartao(c.trilha, c.senha);
        EXPECT_FALSE(Consulta());
        const auto caixas = Caixas(resultado_);
        ASSERT_EQ(caixas.size(), 1u);
        EXPECT_EQ(caixas[0].texto, QString::fromUtf8(c.texto));
        EXPECT_EQ(caixas[0].titulo, Lumomain::TituloAplicacao());
        EXPECT_TRUE(caixas[0].titulo.startsWith(QStringLiteral("Correspondente Bancário - v")));
        EXPECT_TRUE(caixas[0].noTopo);
        EXPECT_EQ(Campo(1009), c.codigo);
        EXPECT_EQ(Campo(1027), Latin1(c.texto));
        EXPECT_EQ(Quantas(LinhasAudit(), "Erro: VerificaHabilitaConsultaDispositivoSeguranca ."),
                  static_cast<int>(i) + 1);
        EXPECT_TRUE(AuditTemNaOrdem("Entrou: VerificaHabilitaConsultaDispositivoSeguranca .",
                                    "Erro: VerificaHabilitaConsultaDispositivoSeguranca ."));
    }
    EXPECT_EQ(VortaSimQtdeAutorizacoes(), static_cast<int>(casos.size()));
    EXPECT_FALSE(AuditTem("Saiu: VerificaHabilitaConsultaDispositivoSeguranca ."));
}

TEST_F(ConsultaToken, SemServidorFalhaCom255) {
    Cartao("5067220000678907=30062011234567890", "A1B2C3D4E5F60708");
    EXPECT_FALSE(Consulta());
    const auto caixas = Caixas(resultado_);
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0].texto, QStringLiteral("Servidor de pagamentos não configurado"));
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), Latin1("Servidor de pagamentos não configurado"));
    EXPECT_TRUE(AuditTem("Erro: VerificaHabilitaConsultaDispositivoSeguranca ."));
}

TEST_F(ConsultaToken, FechadaAntesDaConsultaNaoEnviaEAvisaOPontoDeVenda) {
    Conecta();
    Cartao("5067220000678907=30062011234567890", "A1B2C3D4E5F60708");
    std::unique_ptr<TFrmConsDispSegToken> f(TFrmMod::Cria<TFrmConsDispSegToken>(nullptr));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->lbTitulo->text(), QStringLiteral("Consulta Dispositivo de Segurança"));
    EXPECT_EQ(f->Descritor, &Tabelatrn::TrnConsultaDispositivoSegurancaToken);
    f->show();
    f->close();
    QApplication::processEvents();
    f->ConsultaDispositivoSeguranca(); // a timer that fires late
    EXPECT_EQ(VortaSimQtdeAutorizacoes(), 0);
    EXPECT_FALSE(f->ConsultaAprovada());
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), "Finalizado pelo Operador");
}

TEST_F(ConsultaToken, FalhaNaCriacaoNaoConsulta) {
    Conecta();
    VortaSimDefineFalhaTema("TFrmConsDispSegToken");
    EXPECT_FALSE(Consulta());
    EXPECT_TRUE(resultado_.vistos.empty());
    EXPECT_EQ(VortaSimQtdeAutorizacoes(), 0);
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), Latin1("Erro na criação do formulário:FrmConsDispSegToken"));
    EXPECT_TRUE(AuditTemNaOrdem("Entrou: VerificaHabilitaConsultaDispositivoSeguranca .",
                                "Erro: VerificaHabilitaConsultaDispositivoSeguranca ."));
}

} // namespace
