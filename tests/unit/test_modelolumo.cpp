// The base form's shared services and keyboard rules, and the base menu's record-driven helpers.
#include "Ambiente.h"
#include "frame/Menumodelolumo.h"
#include "frame/Modelolumo.h"
#include "protocol/ServicosResposta.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A dialog with what the shared services work on: a capture panel with a person-type combo, its document edit
// and caption, a plain edit, and the two buttons every dialog has.
class TFrmTeste : public TFrmMod {
public:
    explicit TFrmTeste(QWidget* pai) : TFrmMod(pai, QStringLiteral("FrmTeste")) {
        pnCaptura = new QFrame(this);
        cbTipoPessoa = new QComboBox(pnCaptura);
        cbTipoPessoa->addItems(
            {QStringLiteral("Física"), QStringLiteral("Jurídica"), QStringLiteral("Nenhum")});
        lbDocumento = new QLabel(pnCaptura);
        edDocumento = new QLineEdit(pnCaptura);
        edDocumento->setObjectName(QStringLiteral("edDocumento"));
        edNome = new QLineEdit(pnCaptura);
        edNome->setObjectName(QStringLiteral("edNome"));
        btConfirma =
            CriaBotao(QStringLiteral("btConfirma"), QStringLiteral("&1 - Confirma"), QRect(10, 300, 100, 30));
        btRetorna =
            CriaBotao(QStringLiteral("btRetorna"), QStringLiteral("&9 - Retorna"), QRect(120, 300, 100, 30));
        LigaClique(btConfirma, [this] { ++confirmou; });
        LigaClique(btRetorna, [this] { setModalResult(mrCancel); });
    }
    QFrame* pnCaptura;
    QComboBox* cbTipoPessoa;
    QLabel* lbDocumento;
    QLineEdit* edDocumento;
    QLineEdit* edNome;
    QPushButton* btConfirma;
    QPushButton* btRetorna;
    int confirmou = 0;
};

// Menus only to reach the base menu's helpers.
class TFrmMenuTeste : public TFrmMnu_Mod {
public:
    explicit TFrmMenuTeste(QWidget* pai);
    bool Nada() { return true; }
};

constexpr TFrmMnu_Mod::Opcao<TFrmMenuTeste> kOpcoesTeste[] = {
    {"Um", {}, Menumodelolumo::QualquerModo, &TFrmMenuTeste::Nada},
    {"Dois", {}, Menumodelolumo::QualquerModo, &TFrmMenuTeste::Nada},
};

TFrmMenuTeste::TFrmMenuTeste(QWidget* pai)
    : TFrmMnu_Mod(pai, QStringLiteral("FrmMenuTeste"), nullptr, kOpcoesTeste) {}

class BaseForm : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        form_ = TFrmMod::Cria<TFrmTeste>(nullptr);
        ASSERT_NE(form_, nullptr);
        form_->show();
        form_->activateWindow();
        QApplication::processEvents();
    }
    void TearDown() override {
        delete form_;
        Ambiente::TearDown();
    }
    TFrmTeste* form_ = nullptr;
};

TEST_F(BaseForm, CriacaoEDestruicaoFicamNoAudit) {
    EXPECT_TRUE(AuditTem("Criou: FrmTeste"));
    delete form_;
    form_ = nullptr;
    EXPECT_TRUE(AuditTem("Destruiu: FrmTeste"));
}

// The host's theme lightens the labels' text without taking the background image away from the form.
TEST_F(BaseForm, TemaMantemOFundoEClareiaOsRotulos) {
    EXPECT_NE(form_->ImgFundo->palette().brush(QPalette::Window).gradient(), nullptr);
    EXPECT_EQ(form_->lbTitulo->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(form_->lbMensagem->palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST_F(BaseForm, TipoPessoaTrocaMascaraRotuloEVisibilidade) {
    auto* f = form_;
    f->edDocumento->setText(QStringLiteral("123"));
    f->cbTipoPessoa->setCurrentIndex(0);
    f->ComboBoxTipoPessoaChange(f->cbTipoPessoa, f->lbDocumento, f->edDocumento, 1);
    EXPECT_EQ(f->lbDocumento->text(), QStringLiteral("CPF:"));
    EXPECT_EQ(f->edDocumento->inputMask(), QStringLiteral("999.999.999-99;_"));
    EXPECT_EQ(f->edDocumento->text(), QStringLiteral("..-")); // cleared: only the mask's literals remain
    EXPECT_TRUE(f->edDocumento->isVisibleTo(f));

    // Type 2 asks for a company document even on the first item.
    f->ComboBoxTipoPessoaChange(f->cbTipoPessoa, f->lbDocumento, f->edDocumento, 2);
    EXPECT_TRUE(f->edDocumento->inputMask().startsWith(QLatin1String(">NN.NNN.NNN/NNNN-99")));
    EXPECT_EQ(f->lbDocumento->text(), QStringLiteral("CPF:"));

    f->cbTipoPessoa->setCurrentIndex(1);
    f->ComboBoxTipoPessoaChange(f->cbTipoPessoa, f->lbDocumento, f->edDocumento, 1);
    EXPECT_EQ(f->lbDocumento->text(), QStringLiteral("CNPJ:"));
    f->edDocumento->setCursorPosition(0);
    f->edDocumento->insert(QStringLiteral("12abc34501de35"));
    EXPECT_EQ(f->edDocumento->text(), QStringLiteral("12.ABC.345/01DE-35")); // alphanumeric CNPJ, upper case

    f->cbTipoPessoa->setCurrentIndex(2);
    f->ComboBoxTipoPessoaChange(f->cbTipoPessoa, f->lbDocumento, f->edDocumento, 1);
    EXPECT_FALSE(f->edDocumento->isVisibleTo(f));
    EXPECT_FALSE(f->lbDocumento->isVisibleTo(f));
}

TEST_F(BaseForm, TipoPessoaNaoApagaDocumentoBloqueado) {
    auto* f = form_;
    f->cbTipoPessoa->setCurrentIndex(0);
    f->ComboBoxTipoPessoaChange(f->cbTipoPessoa, f->lbDocumento, f->edDocumento, 1);
    f->edDocumento->setText(QStringLiteral("52998224725"));
    f->edDocumento->setEnabled(false);
    f->ComboBoxTipoPessoaChange(f->cbTipoPessoa, f->lbDocumento, f->edDocumento, 1);
    EXPECT_EQ(f->edDocumento->text(), QStringLiteral("529.982.247-25"));
}

TEST_F(BaseForm, ErroDeCampoAvisaReabilitaEVoltaAoCampo) {
    auto* f = form_;
    f->pnCaptura->setEnabled(false);
    const auto r = FechaDialogos(
        [&] { f->ExibeMsgErroRepeteCampo(QStringLiteral("Valor inválido"), f->edNome, f->pnCaptura); });
    ASSERT_EQ(r.vistos.size(), 1u);
    EXPECT_EQ(r.vistos[0].classe, "QMessageBox");
    EXPECT_EQ(r.vistos[0].texto, QStringLiteral("Valor inválido"));
    EXPECT_TRUE(r.vistos[0].noTopo);
    EXPECT_TRUE(r.vistos[0].titulo.startsWith(QStringLiteral("Correspondente Bancário - v")));
    EXPECT_TRUE(f->pnCaptura->isEnabled());
    EXPECT_EQ(f->focusWidget(), f->edNome);

    // A control that cannot take the focus sends it to the form's first control.
    f->edNome->hide();
    FechaDialogos([&] { f->ExibeMsgErroRepeteCampo(QStringLiteral("x"), f->edNome, f->pnCaptura); });
    EXPECT_NE(f->focusWidget(), f->edNome);
    EXPECT_EQ(f->focusWidget(), f->cbTipoPessoa);
}

TEST_F(BaseForm, TeclasDigitoEnterEEdicao) {
    auto* f = form_;
    // In an edit a digit is text, and Enter moves on to the next control.
    f->edNome->setFocus();
    Tecla(f, Qt::Key_1, QStringLiteral("1"));
    EXPECT_EQ(f->edNome->text(), QStringLiteral("1"));
    EXPECT_EQ(f->confirmou, 0);
    Tecla(f, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(f->focusWidget(), f->btConfirma);
    // On a button, Enter presses it; a digit presses the button of that number.
    Tecla(f, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(f->confirmou, 1);
    Tecla(f, Qt::Key_1, QStringLiteral("1"));
    EXPECT_EQ(f->confirmou, 2);
    // A disabled button is not pressed by its digit; Esc closes nothing.
    f->btConfirma->setEnabled(false);
    f->btRetorna->setFocus();
    Tecla(f, Qt::Key_1, QStringLiteral("1"));
    Tecla(f, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(f->confirmou, 2);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
    Tecla(f, Qt::Key_9, QStringLiteral("9"));
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrCancel);
}

TEST_F(BaseForm, SemControlePreviewEnterNaoAvanca) {
    auto* f = form_;
    f->bControlaKeyPreview = false;
    f->edNome->setFocus();
    Tecla(f, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(f->focusWidget(), f->edNome);
}

class MenuBase : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        menu_ = TFrmMod::Cria<TFrmMenuTeste>(nullptr);
        ASSERT_NE(menu_, nullptr);
    }
    void TearDown() override {
        delete menu_;
        Lumomain::ServicoHzinho_21_Informacoes_Gerais_CB.limpa();
        Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.limpa();
        Ambiente::TearDown();
    }
    static void InformacoesGerais(const std::string& dados) {
        Lumomain::ServicoHzinho_21_Informacoes_Gerais_CB.atribui(dados);
    }
    TFrmMenuTeste* menu_ = nullptr;
};

TEST_F(MenuBase, DadosColetadosDasInformacoesGerais) {
    // Offsets 25-27: a three-digit number for occurrence 0; offset 28: one digit for occurrence 1.
    InformacoesGerais(std::string(22, ' ') + "237" + "012" + "3");
    EXPECT_TRUE(menu_->TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB());
    EXPECT_EQ(Campo(10154, 0), "12");
    EXPECT_EQ(Campo(10154, 1), "3");

    // Zero, blank or non-numeric leave the blanks the helper writes first, over any earlier value.
    InformacoesGerais(std::string(22, ' ') + "237" + "000" + "X");
    DefineCampo(10154, 2, "velho");
    EXPECT_TRUE(menu_->TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB());
    EXPECT_EQ(Campo(10154, 0), " ");
    EXPECT_EQ(Campo(10154, 1), " ");
    EXPECT_EQ(Campo(10154, 2), std::nullopt);

    InformacoesGerais(std::string(22, ' ') + "237");
    EXPECT_TRUE(menu_->TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB());
    EXPECT_EQ(Campo(10154, 0), " ");
}

TEST_F(MenuBase, ProprietarioSemNomeERecusado) {
    Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.atribui(std::string(16, '9') + std::string(30, ' '));
    bool ok = true;
    const auto r = FechaDialogos([&] { ok = menu_->TrataConfirmacaoProprietarioCartaoPrePago(); });
    EXPECT_FALSE(ok);
    ASSERT_EQ(r.vistos.size(), 1u);
    EXPECT_EQ(r.vistos[0].texto, QStringLiteral("Erro Nome do Proprietário Inválido"));
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), Latin1("Erro Nome do Proprietário Inválido"));
    EXPECT_TRUE(Resultado().has_value());
    EXPECT_TRUE(AuditTem("Entra: TrataConfirmacaoProprietarioCartaoPrePago."));
}

TEST_F(MenuBase, ProprietarioConfirmadoOuNao) {
    Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.atribui(std::string(16, '9') +
                                                             "  MARIA DA SILVA              ");
    auto responde = [](QMessageBox::StandardButton b) {
        return AcaoDialogo([b](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(b)->click(); });
    };
    bool ok = false;
    auto r = FechaDialogos([&] { ok = menu_->TrataConfirmacaoProprietarioCartaoPrePago(); },
                           {responde(QMessageBox::Yes)});
    EXPECT_TRUE(ok);
    ASSERT_EQ(r.vistos.size(), 1u);
    EXPECT_EQ(r.vistos[0].texto, QStringLiteral("MARIA DA SILVA"));
    EXPECT_TRUE(AuditTem("Saiu: TrataConfirmacaoProprietarioCartaoPrePago."));
    EXPECT_EQ(Campo(1009), std::nullopt);

    r = FechaDialogos([&] { ok = menu_->TrataConfirmacaoProprietarioCartaoPrePago(); },
                      {responde(QMessageBox::No)});
    EXPECT_FALSE(ok);
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), "Finalizado pelo Operador");
}

} // namespace
