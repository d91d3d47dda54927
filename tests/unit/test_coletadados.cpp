// The small entry dialogs: the prepaid-card value (with its PIN-pad confirmation), the BACEN identification
// of owner and bearer, and the prepaid-card CPF, driven by keys as the operator drives them.
#include "Ambiente.h"
#include "frame/Coletacampocpf.h"
#include "frame/Coletadadoscircularbacentrn.h"
#include "frame/Coletavalortrn.h"
#include "frame/Lumomain.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

// Valid documents by the published check-digit rules, and ones whose check digits are wrong.
constexpr char CPF_DONO[] = "11144477735";
constexpr char CPF_PORTADOR[] = "52998224725";
constexpr char CPF_ERRADO[] = "11144477734";
constexpr char CNPJ_ERRADO[] = "11222333000182";

std::vector<DialogoVisto> Caixas(const ResultadoDialogos& r) {
    std::vector<DialogoVisto> caixas;
    for (const auto& v : r.vistos)
        if (v.classe == "QMessageBox") caixas.push_back(v);
    return caixas;
}

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// What the simulated PIN pad reports doing ("confirmacao 0 \"text\" aceita", ...).
void GuardaPinpad(const char* tipo, const char* texto, void* contexto) {
    if (std::string(tipo) == "pinpad") static_cast<std::vector<std::string>*>(contexto)->emplace_back(texto);
}

// A dialog of the family built, with its host fields preset, shown and active as the operator finds it.
template <class T> class DialogoAberto : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        VortaSimDefineObservador(&GuardaPinpad, &pinpad_);
    }
    void TearDown() override {
        form_.reset();
        Ambiente::TearDown();
    }
    T* Abre() { return AbreDialogo<T>(form_); }
    // Enter on the focused control and, the focus then being on the confirm button, Enter again; message
    // boxes that come up are recorded and closed.
    ResultadoDialogos Confirma(T* f) {
        if (f->focusWidget() != f->btConfirma) Enter(f);
        EXPECT_EQ(f->focusWidget(), f->btConfirma);
        return FechaDialogos([&] { Enter(f); }, {}, std::chrono::seconds(5));
    }
    // Runs a fresh dialog modally, as its caller does.
    int Executa(std::vector<AcaoDialogo> acoes, ResultadoDialogos* r = nullptr) {
        std::unique_ptr<T> f(TFrmMod::Cria<T>(nullptr));
        EXPECT_NE(f, nullptr);
        if (!f) return -1;
        int resultado = -1;
        const auto vistos = FechaDialogos([&] { resultado = f->Executa(); }, std::move(acoes));
        EXPECT_FALSE(vistos.prazoEsgotado);
        if (r) *r = vistos;
        return resultado;
    }
    int QuantasConfirmacoesPinpad() const {
        return static_cast<int>(std::count_if(pinpad_.begin(), pinpad_.end(), [](const std::string& l) {
            return l.rfind("confirmacao", 0) == 0;
        }));
    }

    std::unique_ptr<T> form_;
    std::vector<std::string> pinpad_;
};

// ---------------------------------------------------------------------------------------------------------
// Prepaid-card value

using ColetaValor = DialogoAberto<TFrmColetaValor>;

TEST_F(ColetaValor, TituloPelaFuncaoETextos) {
    const std::vector<std::pair<const char*, const char*>> casos = {
        {"10", "Saque com Cartão Pré-Pago"},
        {"14", "Depósito Cartão Pré-Pago"},
        {"16", "Transferêencia Cartão Pré-Pago"},
    };
    for (const auto& [funcao, titulo] : casos) {
        SCOPED_TRACE(funcao);
        DefineCampo(10298, 0, funcao);
        auto* f = Abre();
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->lbTitulo->text(), U(titulo));
        EXPECT_EQ(f->lbValor->text(), QStringLiteral("Valor:"));
        EXPECT_EQ(f->btConfirma->text(), QStringLiteral("&1 - Confirma"));
        EXPECT_EQ(f->btRetorna->text(), QStringLiteral("&9 - Retorna"));
        EXPECT_TRUE(f->btConfirma->isVisible());
        EXPECT_TRUE(f->btRetorna->isVisible());
        EXPECT_EQ(f->edValor->maxLength(), 12);
        // No amount from the host: the operator types it.
        EXPECT_TRUE(f->edValor->isEnabled());
        EXPECT_EQ(f->edValor->text(), QStringLiteral("0,00"));
        EXPECT_EQ(f->focusWidget(), f->edValor);
        EXPECT_EQ(f->lbMensagem->text(), U("Forneça o valor da transação"));
    }
}

TEST_F(ColetaValor, BotoesSoComOFormEDicasSeguemOFoco) {
    std::unique_ptr<TFrmColetaValor> f(TFrmMod::Cria<TFrmColetaValor>(nullptr));
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->btConfirma->isHidden());
    EXPECT_TRUE(f->btRetorna->isHidden());
    f.reset();

    auto* d = Abre();
    ASSERT_NE(d, nullptr);
    Digita(d, "12a3-4567");
    // Typed digits fill the amount from the right; anything else stays out.
    EXPECT_EQ(d->edValor->text(), QStringLiteral("12.345,67"));
    Enter(d);
    EXPECT_EQ(d->focusWidget(), d->btConfirma);
    EXPECT_EQ(d->lbMensagem->text(), QStringLiteral("Tecle <ENTER> para confirmar."));
    Tecla(d, Qt::Key_Tab, QStringLiteral("\t"));
    EXPECT_EQ(d->focusWidget(), d->btRetorna);
    EXPECT_EQ(d->lbMensagem->text(), QStringLiteral("Tecle <ENTER> para retornar."));
    EXPECT_EQ(d->ModalResult(), TFrmMod::mrNone);
    Enter(d);
    EXPECT_EQ(d->ModalResult(), TFrmMod::mrCancel);
}

TEST_F(ColetaValor, DepositoNuncaPedeOPinpad) {
    DefineCampo(10298, 0, "14");
    DefineCampo(10154, 0, "255");
    // Were the PIN pad asked, the customer would refuse.
    const bool recusa[] = {false};
    VortaSimPinpadDefineConfirmacoes(recusa, 1);
    auto* f = Abre();
    ASSERT_NE(f, nullptr);
    Digita(f, "1500");
    const auto r = Confirma(f);
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1003), "1500");
    EXPECT_EQ(Campo(10154), "0");
    EXPECT_EQ(QuantasConfirmacoesPinpad(), 0);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 0);
}

TEST_F(ColetaValor, SaqueConfirmadoNoPinpad) {
    DefineCampo(10298, 0, "10");
    const bool aceita[] = {true};
    VortaSimPinpadDefineConfirmacoes(aceita, 1);
    auto* f = Abre();
    ASSERT_NE(f, nullptr);
    Digita(f, "2550");
    const auto r = Confirma(f);
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1003), "2550");
    EXPECT_EQ(Campo(10154), "0");
    // First line padded to the display's 16 characters, the amount after it.
    ASSERT_EQ(QuantasConfirmacoesPinpad(), 1);
    EXPECT_EQ(pinpad_.back(), "confirmacao 0 \"Confirma Valor ?R$25,50\" aceita");
    EXPECT_EQ(f->lbMensagem->text(), QStringLiteral("Aguarde, em processamento..."));
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 0);
}

TEST_F(ColetaValor, SaqueRecusadoFechaCom255EArquivo) {
    DefineCampo(10298, 0, "10");
    const bool recusa[] = {false};
    VortaSimPinpadDefineConfirmacoes(recusa, 1);
    auto* f = Abre();
    ASSERT_NE(f, nullptr);
    Digita(f, "990");
    const auto r = Confirma(f);
    // The customer's refusal (code 9) needs no message.
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(10154), "255");
    EXPECT_EQ(Campo(1003), "990");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    EXPECT_TRUE(Resultado().has_value());
}

TEST_F(ColetaValor, PinpadAusenteMostraCodigo) {
    DefineCampo(10298, 0, "10");
    VortaSimPinpadDefineFalhaPorta(true);
    auto* f = Abre();
    ASSERT_NE(f, nullptr);
    Digita(f, "100");
    const auto r = Confirma(f);
    const auto caixas = Caixas(r);
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0].texto, QStringLiteral("Erro conecte Pin (10)"));
    EXPECT_EQ(caixas[0].titulo, Lumomain::TituloAplicacao());
    EXPECT_TRUE(caixas[0].noTopo);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(10154), "255");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
}

TEST_F(ColetaValor, ValorVazioOuZeroRecusado) {
    DefineCampo(10298, 0, "14");
    auto* f = Abre();
    ASSERT_NE(f, nullptr);
    struct Caso {
        const char* digitos; // typed after the edit is emptied
        const char* mensagem;
    };
    const std::vector<Caso> casos = {
        {"", "Forneça o valor da transação"},
        {"000", "Valor de transação inválido"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.mensagem);
        f->edValor->setFocus();
        f->edValor->clear();
        Digita(f, c.digitos);
        const auto r = Confirma(f);
        const auto caixas = Caixas(r);
        ASSERT_EQ(caixas.size(), 1u);
        EXPECT_EQ(caixas[0].texto, U(c.mensagem));
        EXPECT_EQ(caixas[0].titulo, Lumomain::TituloAplicacao());
        EXPECT_TRUE(caixas[0].noTopo);
        EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
        EXPECT_EQ(f->focusWidget(), f->edValor);
        EXPECT_TRUE(f->pnCaptura->isEnabled());
        EXPECT_TRUE(f->btConfirma->isEnabled());
        EXPECT_TRUE(f->btRetorna->isEnabled());
        EXPECT_EQ(Campo(1003), std::nullopt);
        EXPECT_EQ(Campo(10154), std::nullopt);
    }
}

TEST_F(ColetaValor, PendenciaDoHostDispensaValidacao) {
    DefineCampo(10298, 0, "14");
    DefineCampo(20036, 0, "pendente");
    auto* f = Abre();
    ASSERT_NE(f, nullptr);
    const auto r = Confirma(f);
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(10154), "0");
}

TEST_F(ColetaValor, ValorDoHostDesabilitaEConfirmaSozinho) {
    ASSERT_NE(Abre(), nullptr);
    EXPECT_EQ(form_->TClique->interval(), 1);
    EXPECT_TRUE(form_->TClique->isSingleShot());
    // Opened on the amount: activation leaves the confirm button alone.
    EXPECT_FALSE(form_->TClique->isActive());
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrNone);
    form_.reset();

    for (const char* funcao : {"14", "10"}) {
        SCOPED_TRACE(funcao);
        pinpad_.clear();
        DefineCampo(10298, 0, funcao);
        DefineCampo(1003, 0, "1.234,56");
        std::unique_ptr<TFrmColetaValor> f(TFrmMod::Cria<TFrmColetaValor>(nullptr));
        ASSERT_NE(f, nullptr);
        int resultado = -1;
        const auto r = FechaDialogos([&] { resultado = f->Executa(); }, {Nada()}, std::chrono::seconds(5));
        EXPECT_FALSE(r.prazoEsgotado);
        EXPECT_EQ(resultado, TFrmMod::mrOk);
        EXPECT_FALSE(f->edValor->isEnabled());
        EXPECT_EQ(f->edValor->text(), QStringLiteral("1.234,56"));
        EXPECT_EQ(Campo(1003), "123456");
        EXPECT_EQ(Campo(10154), "0");
        EXPECT_EQ(QuantasConfirmacoesPinpad(), std::string(funcao) == "10" ? 1 : 0);
    }
}

class ColetaValorCartaoPrePago : public ColetaValor {
protected:
    bool Coleta(std::vector<AcaoDialogo> acoes) {
        bool ok = true;
        resultado_ = FechaDialogos([&] { ok = Lumomain::ColetaValorCartaoPrePago(); }, std::move(acoes));
        EXPECT_FALSE(resultado_.prazoEsgotado);
        return ok;
    }
    // Each call leaves its entry line and then exactly one exit line.
    void EsperaSaidas(int certas, int erradas) const {
        const auto linhas = LinhasAudit();
        std::vector<std::string> passos;
        for (const auto& l : linhas)
            if (l.find("ColetaValorCartaoPrePago.") != std::string::npos) passos.push_back(l);
        ASSERT_EQ(passos.size(), static_cast<size_t>(2 * (certas + erradas)));
        int ok = 0, erro = 0;
        for (size_t i = 0; i < passos.size(); i += 2) {
            EXPECT_EQ(passos[i], "Entrou: ColetaValorCartaoPrePago.");
            if (passos[i + 1] == "Saiu: ColetaValorCartaoPrePago.") ++ok;
            if (passos[i + 1] == "Saiu Erro: ColetaValorCartaoPrePago.") ++erro;
        }
        EXPECT_EQ(ok, certas);
        EXPECT_EQ(erro, erradas);
    }
    static AcaoDialogo Retorna() {
        return [](QWidget* w) { static_cast<TFrmColetaValor*>(w)->btRetorna->click(); };
    }
    static AcaoDialogo DigitaEConfirma(const std::string& digitos) {
        return [digitos](QWidget* w) {
            Digita(w, digitos);
            Enter(w);
            Enter(w);
        };
    }
    ResultadoDialogos resultado_;
};

TEST_F(ColetaValorCartaoPrePago, ConfirmadoRetornaVerdadeiro) {
    int vezes = 0;
    for (const char* funcao : {"14", "10"}) {
        SCOPED_TRACE(funcao);
        // The amount of the previous round would be taken as the host's own.
        HostlinkLimpaCampo(1003);
        DefineCampo(10298, 0, funcao);
        EXPECT_TRUE(Coleta({DigitaEConfirma("777")}));
        ++vezes;
        ASSERT_FALSE(resultado_.vistos.empty());
        EXPECT_EQ(resultado_.vistos[0].classe, "TFrmColetaValor");
        EXPECT_EQ(Campo(1003), "777");
        EXPECT_TRUE(AuditTem("Destruiu: FrmColetaValor"));
        // The dialog's result stays with the caller: no result file for the point of sale.
        EXPECT_FALSE(Resultado().has_value());
    }
    EsperaSaidas(vezes, 0);
}

TEST_F(ColetaValorCartaoPrePago, RetornoOuRecusaNoPinpadFalham) {
    struct Caso {
        const char* nome;
        const char* funcao;
        bool pinpadAceita;
        AcaoDialogo acao;
    };
    const std::vector<Caso> casos = {
        {"retorna", "14", true, Retorna()},
        {"fechada", "14", true, Fecha()},
        {"saque recusado", "10", false, DigitaEConfirma("500")},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        VortaSimReinicia();
        DefineCampo(10298, 0, c.funcao);
        const bool resposta[] = {c.pinpadAceita};
        VortaSimPinpadDefineConfirmacoes(resposta, 1);
        EXPECT_FALSE(Coleta({c.acao}));
    }
    EsperaSaidas(0, static_cast<int>(casos.size()));
}

TEST_F(ColetaValorCartaoPrePago, SaqueAceitoApagaRecusaAnterior) {
    // A refusal of an earlier attempt stays in 10154 until the customer accepts this one.
    DefineCampo(10298, 0, "10");
    DefineCampo(10154, 0, "255");
    DefineCampo(1003, 0, "5000");
    const bool aceita[] = {true};
    VortaSimPinpadDefineConfirmacoes(aceita, 1);
    EXPECT_TRUE(Coleta({Nada()}));
    EXPECT_EQ(Campo(10154), "0");
    EsperaSaidas(1, 0);
}

TEST_F(ColetaValorCartaoPrePago, FalhaNaCriacaoReportadaAoHost) {
    VortaSimDefineFalhaTema("TFrmColetaValor");
    EXPECT_FALSE(Coleta({}));
    EXPECT_TRUE(resultado_.vistos.empty());
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), Latin1("Erro na criação do formulário:FrmColetaValor"));
    EsperaSaidas(0, 1);
}

// ---------------------------------------------------------------------------------------------------------
// BACEN identification of owner and bearer

class ColetaDadosBacen : public DialogoAberto<TFrmColetaDadosBacen> {
protected:
    void SetUp() override {
        DialogoAberto::SetUp();
        f_ = Abre();
        ASSERT_NE(f_, nullptr);
    }
    // Chooses an item of a combo with its keys, from the combo.
    void Escolhe(QComboBox* combo, int indice) {
        combo->setFocus();
        QApplication::processEvents();
        while (combo->currentIndex() < indice)
            Tecla(f_, Qt::Key_2, QStringLiteral("2"));
        while (combo->currentIndex() > indice)
            Tecla(f_, Qt::Key_8, QStringLiteral("8"));
    }
    void DigitaDono(const std::string& documento) {
        f_->edCPFCGCProprietario->clear();
        f_->edCPFCGCProprietario->setFocus();
        QApplication::processEvents();
        Digita(f_, documento);
    }
    void DigitaPortador(const std::string& cpf) {
        f_->edCPFCGCPortador->setFocus();
        QApplication::processEvents();
        Digita(f_, cpf);
    }
    // Confirms and expects one warning with this text, the dialog kept open with the focus on the field.
    void EsperaRecusa(const char* mensagem, QWidget* campo) {
        f_->btConfirma->setFocus();
        QApplication::processEvents();
        const auto r = FechaDialogos([&] { Enter(f_); }, {}, std::chrono::seconds(5));
        const auto caixas = Caixas(r);
        ASSERT_EQ(caixas.size(), 1u);
        EXPECT_EQ(caixas[0].texto, U(mensagem));
        EXPECT_EQ(caixas[0].titulo, Lumomain::TituloAplicacao());
        EXPECT_TRUE(caixas[0].noTopo);
        EXPECT_EQ(f_->ModalResult(), TFrmMod::mrNone);
        EXPECT_EQ(f_->focusWidget(), campo);
        EXPECT_TRUE(f_->pnCaptura->isEnabled());
        EXPECT_TRUE(f_->btConfirma->isEnabled());
        EXPECT_TRUE(f_->btRetorna->isEnabled());
        EXPECT_EQ(Campo(1043), std::nullopt);
    }
    TFrmColetaDadosBacen* f_ = nullptr;
};

TEST_F(ColetaDadosBacen, InicioTextosEOrdemDosCampos) {
    EXPECT_EQ(f_->lbTipoPessoaProprietario->text(), U("Tipo Pessoa Proprietário"));
    EXPECT_EQ(f_->lbCPFCGCProprietario->text(), QStringLiteral("CPF/CNPJ Proprietario:"));
    EXPECT_EQ(f_->lbTipoPessoaPortador->text(), U("Portador e Proprietário possuem CPFs:"));
    EXPECT_EQ(f_->lbCPFCGCPortador->text(), QStringLiteral("CPF do Portador:"));
    EXPECT_EQ(f_->btRetorna->text(), QStringLiteral("&9 - Retorna"));
    ASSERT_EQ(f_->cbTipoPessoaProprietario->count(), 2);
    EXPECT_EQ(f_->cbTipoPessoaProprietario->itemText(0), U("Física"));
    EXPECT_EQ(f_->cbTipoPessoaProprietario->itemText(1), U("Jurídica"));
    ASSERT_EQ(f_->cbTipoPessoaPortador->count(), 2);
    EXPECT_EQ(f_->cbTipoPessoaPortador->itemText(0), QStringLiteral("Diferentes"));
    EXPECT_EQ(f_->cbTipoPessoaPortador->itemText(1), QStringLiteral("Iguais"));
    EXPECT_EQ(f_->cbTipoPessoaProprietario->currentIndex(), -1);
    EXPECT_EQ(f_->cbTipoPessoaPortador->currentIndex(), -1);

    // Enter walks the fields in order, each with its hint.
    const std::vector<std::pair<QWidget*, QString>> ordem = {
        {f_->cbTipoPessoaProprietario,
         U("Selecione o tipo de pessoa proprietário (2 - próxima/ 8 - anterior).")},
        {f_->edCPFCGCProprietario, U("Forneça o número do documento")},
        {f_->cbTipoPessoaPortador, U("Selecione o tipo de CPF do portador (2 - próxima/ 8 - anterior).")},
        {f_->edCPFCGCPortador, U("Forneça o número do documento")},
        {f_->btConfirma, QStringLiteral("Tecle <ENTER> para confirmar.")},
    };
    for (size_t i = 0; i < ordem.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(f_->focusWidget(), ordem[i].first);
        EXPECT_EQ(f_->lbMensagem->text(), ordem[i].second);
        if (i + 1 < ordem.size()) Enter(f_);
    }
}

TEST_F(ColetaDadosBacen, TeclasDosCamposERotulosPeloTipo) {
    Escolhe(f_->cbTipoPessoaProprietario, 0);
    EXPECT_EQ(f_->lbCPFCGCProprietario->text(), QStringLiteral("CPF do Proprietario:"));
    // "8" does not go before the first item.
    Tecla(f_, Qt::Key_8, QStringLiteral("8"));
    EXPECT_EQ(f_->cbTipoPessoaProprietario->currentIndex(), 0);
    Tecla(f_, Qt::Key_2, QStringLiteral("2"));
    EXPECT_EQ(f_->lbCPFCGCProprietario->text(), QStringLiteral("CNPJ do Proprietario:"));
    Tecla(f_, Qt::Key_2, QStringLiteral("2"));
    EXPECT_EQ(f_->cbTipoPessoaProprietario->currentIndex(), 1);

    DigitaDono("11a.222-333x0001.81");
    EXPECT_EQ(f_->edCPFCGCProprietario->text(), QStringLiteral("11.A22.233/3X00-01"));
    Backspace(f_, 2);
    EXPECT_EQ(f_->edCPFCGCProprietario->text(), QStringLiteral("11.A22.233/3X00-"));

    Escolhe(f_->cbTipoPessoaProprietario, 0);
    DigitaDono(CPF_DONO);
    EXPECT_EQ(f_->edCPFCGCProprietario->text(), QStringLiteral("111.444.777-35"));
}

TEST_F(ColetaDadosBacen, TrocaDoTipoLimpaDocumentoERecomecaPortador) {
    Escolhe(f_->cbTipoPessoaProprietario, 0);
    DigitaDono(CPF_DONO);
    Escolhe(f_->cbTipoPessoaPortador, 1);
    EXPECT_FALSE(f_->edCPFCGCPortador->isEnabled());

    Escolhe(f_->cbTipoPessoaProprietario, 1);
    EXPECT_TRUE(f_->edCPFCGCProprietario->text().remove(QRegularExpression(QStringLiteral("\\D"))).isEmpty());
    EXPECT_EQ(f_->cbTipoPessoaPortador->currentIndex(), -1);
    EXPECT_TRUE(f_->edCPFCGCPortador->isEnabled());
    // A company's bearer is always a person: only the question is hidden, the CPF is still asked.
    EXPECT_FALSE(f_->lbTipoPessoaPortador->isVisible());
    EXPECT_FALSE(f_->cbTipoPessoaPortador->isVisible());
    EXPECT_TRUE(f_->edCPFCGCPortador->isVisible());

    Escolhe(f_->cbTipoPessoaProprietario, 0);
    EXPECT_TRUE(f_->cbTipoPessoaPortador->isVisible());
    EXPECT_TRUE(f_->edCPFCGCPortador->isVisible());
    // Leaving the combo keeps what was typed under the same kind of person.
    DigitaDono(CPF_DONO);
    f_->cbTipoPessoaProprietario->setFocus();
    f_->edCPFCGCProprietario->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f_->edCPFCGCProprietario->text(), QStringLiteral("111.444.777-35"));
}

TEST_F(ColetaDadosBacen, ValidacaoNaOrdem) {
    EsperaRecusa("Tipo de Pessoa Inválido", f_->cbTipoPessoaProprietario);

    Escolhe(f_->cbTipoPessoaProprietario, 0);
    DigitaDono(CPF_ERRADO);
    EsperaRecusa("Número de CPF inválido", f_->edCPFCGCProprietario);

    DigitaDono(CPF_DONO);
    EsperaRecusa("Tipo de CPF do Portador Inválido", f_->cbTipoPessoaPortador);

    Escolhe(f_->cbTipoPessoaPortador, 0);
    EsperaRecusa("Número de CPF inválido", f_->edCPFCGCPortador);
    Digita(f_, CPF_ERRADO);
    EsperaRecusa("Número de CPF inválido", f_->edCPFCGCPortador);

    Escolhe(f_->cbTipoPessoaProprietario, 1);
    DigitaDono(CNPJ_ERRADO);
    EsperaRecusa("Número de CNPJ inválido", f_->edCPFCGCProprietario);
}

TEST_F(ColetaDadosBacen, FisicaIguaisCopiaOCPFDoProprietario) {
    Escolhe(f_->cbTipoPessoaProprietario, 0);
    DigitaDono("11144477799");
    Escolhe(f_->cbTipoPessoaPortador, 1);
    EXPECT_FALSE(f_->edCPFCGCPortador->isEnabled());
    EXPECT_EQ(f_->edCPFCGCPortador->text(), QStringLiteral("111.444.777-99"));
    // Corrected afterwards: leaving the owner's document copies it again.
    f_->edCPFCGCProprietario->setFocus();
    QApplication::processEvents();
    Backspace(f_, 2);
    Digita(f_, "35");
    Enter(f_);
    EXPECT_EQ(f_->focusWidget(), f_->cbTipoPessoaPortador);
    EXPECT_EQ(f_->edCPFCGCPortador->text(), QStringLiteral("111.444.777-35"));
    // The disabled bearer edit is skipped.
    Enter(f_);
    EXPECT_EQ(f_->focusWidget(), f_->btConfirma);
    const auto r = FechaDialogos([&] { Enter(f_); }, {}, std::chrono::seconds(5));
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_EQ(f_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1043), "F");
    EXPECT_EQ(Campo(1114), CPF_DONO);
    EXPECT_EQ(Campo(1358), "F");
    EXPECT_EQ(Campo(1359), CPF_DONO);
    EXPECT_EQ(Campo(10301, 0), std::string("IDPROP:F") + CPF_DONO);
    EXPECT_EQ(Campo(10301, 1), std::string("IDPORT:F") + CPF_DONO);
}

TEST_F(ColetaDadosBacen, FisicaDiferentesGravaOsDois) {
    Escolhe(f_->cbTipoPessoaProprietario, 0);
    DigitaDono(CPF_DONO);
    Escolhe(f_->cbTipoPessoaPortador, 1);
    // Back to "Diferentes": the copy goes and the bearer's edit takes a CPF of its own.
    Tecla(f_, Qt::Key_8, QStringLiteral("8"));
    EXPECT_TRUE(f_->edCPFCGCPortador->isEnabled());
    EXPECT_TRUE(f_->edCPFCGCPortador->text().remove(QRegularExpression(QStringLiteral("\\D"))).isEmpty());
    Enter(f_);
    EXPECT_EQ(f_->focusWidget(), f_->edCPFCGCPortador);
    Digita(f_, CPF_PORTADOR);
    Enter(f_);
    const auto r = FechaDialogos([&] { Enter(f_); }, {}, std::chrono::seconds(5));
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_EQ(f_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1043), "F");
    EXPECT_EQ(Campo(1114), CPF_DONO);
    EXPECT_EQ(Campo(1358), "F");
    EXPECT_EQ(Campo(1359), CPF_PORTADOR);
    EXPECT_EQ(Campo(10301, 0), std::string("IDPROP:F") + CPF_DONO);
    EXPECT_EQ(Campo(10301, 1), std::string("IDPORT:F") + CPF_PORTADOR);
}

TEST_F(ColetaDadosBacen, RetornaNaoGravaNada) {
    form_.reset();
    const int resultado = Executa({[](QWidget* w) {
        auto* d = static_cast<TFrmColetaDadosBacen*>(w);
        Tecla(w, Qt::Key_2, QStringLiteral("2"));
        Enter(w);
        Digita(w, CPF_DONO);
        // "9" on a list presses the return button.
        d->cbTipoPessoaProprietario->setFocus();
        Tecla(w, Qt::Key_9, QStringLiteral("9"));
    }});
    EXPECT_EQ(resultado, TFrmMod::mrCancel);
    EXPECT_EQ(Campo(1043), std::nullopt);
    EXPECT_EQ(Campo(10301), std::nullopt);
}

// ---------------------------------------------------------------------------------------------------------
// Prepaid-card CPF

using ColetaCampoCPF = DialogoAberto<TFrmColetaCampoCPF>;

TEST_F(ColetaCampoCPF, TextosTeclasEMascara) {
    auto* f = Abre();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->lbCPFCGC->text(), QStringLiteral("CPF:"));
    EXPECT_EQ(f->btConfirma->text(), QStringLiteral("&1 - Confirma"));
    EXPECT_EQ(f->btRetorna->text(), QStringLiteral("&9 - Retorna"));
    EXPECT_TRUE(f->edCPFCGC->isEnabled());
    EXPECT_EQ(f->focusWidget(), f->edCPFCGC);
    EXPECT_EQ(f->lbMensagem->text(), U("Forneça o número do documento"));
    Digita(f, "111a444-7773599");
    EXPECT_EQ(f->edCPFCGC->text(), QStringLiteral("111.444.777-35"));
    Backspace(f, 1);
    EXPECT_EQ(f->edCPFCGC->text(), QStringLiteral("111.444.777-3"));
}

TEST_F(ColetaCampoCPF, CPFInvalidoRecusado) {
    auto* f = Abre();
    ASSERT_NE(f, nullptr);
    Digita(f, CPF_ERRADO);
    const auto r = Confirma(f);
    const auto caixas = Caixas(r);
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0].texto, U("Número de CPF inválido"));
    EXPECT_EQ(caixas[0].titulo, Lumomain::TituloAplicacao());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
    EXPECT_EQ(f->focusWidget(), f->edCPFCGC);
    EXPECT_TRUE(f->btConfirma->isEnabled());
    EXPECT_EQ(Campo(1007), std::nullopt);
}

TEST_F(ColetaCampoCPF, CPFValidoGrava1007E10154) {
    // A refusal earlier in the flow must not make a confirmed CPF fail.
    DefineCampo(10154, 0, "255");
    auto* f = Abre();
    ASSERT_NE(f, nullptr);
    Digita(f, CPF_DONO);
    const auto r = Confirma(f);
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1007), CPF_DONO);
    EXPECT_EQ(Campo(10154), "0");
}

TEST_F(ColetaCampoCPF, CPFDoHostDesabilitaEConfirmaSozinho) {
    DefineCampo(1007, 0, "111.444.777-35");
    ResultadoDialogos r;
    EXPECT_EQ(Executa({Nada()}, &r), TFrmMod::mrOk);
    EXPECT_TRUE(Caixas(r).empty());
    EXPECT_EQ(Campo(1007), CPF_DONO);
    EXPECT_EQ(Campo(10154), "0");
}

TEST_F(ColetaCampoCPF, CPFDoHostInvalidoAvisaUmaVez) {
    // The dialog confirms itself once; after the warning it waits for the operator instead of confirming
    // again each time it is activated.
    DefineCampo(1007, 0, CPF_ERRADO);
    std::unique_ptr<TFrmColetaCampoCPF> f(TFrmMod::Cria<TFrmColetaCampoCPF>(nullptr));
    ASSERT_NE(f, nullptr);
    TFrmColetaCampoCPF* dialogo = f.get();
    // The box may come up before the driver sees the dialog itself.
    const AcaoDialogo fechaCaixa = [dialogo](QWidget* w) {
        if (!qobject_cast<QMessageBox*>(w)) return;
        w->close();
        // The window system hands the activation back to the dialog, as it does when a box closes.
        QTimer::singleShot(50, dialogo, [dialogo] {
            QEvent ativa(QEvent::WindowActivate);
            QApplication::sendEvent(dialogo, &ativa);
        });
        QTimer::singleShot(300, dialogo, [dialogo] { dialogo->btRetorna->click(); });
    };
    int resultado = -1;
    const auto r = FechaDialogos([&] { resultado = f->Executa(); }, {fechaCaixa, fechaCaixa, fechaCaixa},
                                 std::chrono::seconds(5));
    EXPECT_FALSE(r.prazoEsgotado);
    EXPECT_EQ(resultado, TFrmMod::mrCancel);
    ASSERT_EQ(Caixas(r).size(), 1u);
    EXPECT_EQ(Caixas(r)[0].texto, U("Número de CPF inválido"));
    EXPECT_FALSE(dialogo->edCPFCGC->isEnabled());
}

class ColetaCPFCartaoPrePago : public Ambiente {
protected:
    bool Coleta(std::vector<AcaoDialogo> acoes) {
        bool ok = true;
        const auto r = FechaDialogos([&] { ok = Lumomain::ColetaCPFCartaoPrePago(); }, std::move(acoes));
        EXPECT_FALSE(r.prazoEsgotado);
        return ok;
    }
    int Quantas(const std::string& linha) const {
        const auto linhas = LinhasAudit();
        return static_cast<int>(std::count(linhas.begin(), linhas.end(), linha));
    }
};

TEST_F(ColetaCPFCartaoPrePago, ConfirmadoRetornaVerdadeiro) {
    DefineCampo(10154, 0, "255");
    EXPECT_TRUE(Coleta({[](QWidget* w) {
        Digita(w, CPF_DONO);
        Enter(w);
        Enter(w);
    }}));
    EXPECT_EQ(Campo(1007), CPF_DONO);
    const auto linhas = LinhasAudit();
    const auto entrou = std::find(linhas.begin(), linhas.end(), "Entrou: ColetaCPFCartaoPrePago.");
    ASSERT_NE(entrou, linhas.end());
    EXPECT_NE(std::find(entrou, linhas.end(), "Saiu: ColetaCPFCartaoPrePago."), linhas.end());
    EXPECT_NE(std::find(entrou, linhas.end(), "Destruiu: FrmColetaCampoCPF"), linhas.end());
    EXPECT_EQ(Quantas("Saiu Erro: ColetaCPFCartaoPrePago."), 0);
}

TEST_F(ColetaCPFCartaoPrePago, RetornoOuFechadoFalham) {
    const std::vector<AcaoDialogo> saidas = {
        [](QWidget* w) {
            Digita(w, CPF_DONO);
            static_cast<TFrmColetaCampoCPF*>(w)->btRetorna->click();
        },
        Fecha(),
    };
    for (size_t i = 0; i < saidas.size(); ++i) {
        SCOPED_TRACE(i);
        // Even with a "0" left over, the operator's return is a failure.
        DefineCampo(10154, 0, "0");
        EXPECT_FALSE(Coleta({saidas[i]}));
        EXPECT_EQ(Campo(1007), std::nullopt);
        EXPECT_EQ(Quantas("Saiu Erro: ColetaCPFCartaoPrePago."), static_cast<int>(i) + 1);
    }
    EXPECT_EQ(Quantas("Entrou: ColetaCPFCartaoPrePago."), 2);
    EXPECT_EQ(Quantas("Saiu: ColetaCPFCartaoPrePago."), 0);
}

} // namespace
