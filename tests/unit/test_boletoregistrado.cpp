// Registered boleto and pending payment: the parties dialog and the payer dialog with what they leave in the
// registered-boleto table and in field 10440, the re-capture of a bill's total, and the continuation of a
// pending payment from the entry point.
#include "Ambiente.h"
#include "Protocolo.h"
#include "correspondente.h"
#include "frame/Lumomain.h"
#include "payment/Capturavalortotalmodelo.h"
#include "payment/Coletacampocpfcnpjdadosadicionaisboletoregistrado.h"
#include "payment/Coletacpfcnpjdtnascimentopagador.h"
#include "payment/Estadocontas.h"
#include "protocol/ServicosResposta.h"

#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr char CPF_A[] = "11144477735";
constexpr char CPF_B[] = "52998224725";
constexpr char CPF_ERRADO[] = "11144477734";
constexpr char CNPJ_A[] = "11222333000181";
constexpr char CNPJ_ERRADO[] = "11222333000182";

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The bytes of a record of the registered-boleto table (records from 1), zero bytes included.
std::string Bytes(int registro, size_t offset, size_t largura) {
    const char* p = Lumomain::DadosAdicionaisBoletoRegistradoContingencia.dados.data() + 2 +
                    static_cast<size_t>(registro - 1) * 82 + offset;
    return std::string(p, largura);
}

// Text padded with zero bytes to a width, as the table holds it.
std::string Zeros(const std::string& texto, size_t largura) {
    std::string r = texto;
    r.resize(largura, '\0');
    return r;
}

struct Caixa {
    QString texto;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
};

// Confirms with Enter on the confirm button; the message boxes that come up are recorded and closed.
template <class T> std::vector<Caixa> Confirma(T* f) {
    f->btConfirma->setFocus();
    QApplication::processEvents();
    std::vector<Caixa> caixas;
    const AcaoDialogo anota = [&caixas](QWidget* w) {
        if (auto* c = qobject_cast<QMessageBox*>(w)) caixas.push_back({c->text(), c->icon()});
        w->close();
    };
    const auto r = FechaDialogos([&] { Enter(f); }, {anota, anota, anota}, std::chrono::seconds(5));
    EXPECT_FALSE(r.prazoEsgotado);
    return caixas;
}

void Escolhe(QWidget* janela, QComboBox* combo, int indice) {
    combo->setFocus();
    QApplication::processEvents();
    while (combo->currentIndex() < indice)
        Tecla(janela, Qt::Key_2, QStringLiteral("2"));
}

void DigitaEm(QWidget* janela, QLineEdit* ed, const std::string& texto) {
    ed->setFocus();
    QApplication::processEvents();
    ed->clear();
    Digita(janela, texto);
}

class Boleto : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        Lumomain::DadosAdicionaisBoletoRegistradoContingencia.limpa();
        Lumomain::IndiceDadosAdicionais = 0;
        Lumomain::IndiceAtual = 0;
        Contas::Limpa();
    }
    void TearDown() override {
        Contas::Limpa();
        Ambiente::TearDown();
    }
    template <class T> std::unique_ptr<T> Abre() {
        std::unique_ptr<T> f(TFrmMod::Cria<T>(nullptr));
        EXPECT_NE(f, nullptr);
        if (!f) return f;
        f->show();
        EXPECT_TRUE(EsperaAtiva(f.get()));
        QApplication::processEvents();
        return f;
    }
};

// ---------------------------------------------------------------------------------------------------------
// Parties of the registered boleto

class Partes : public Boleto {
protected:
    using Grupo = TFrmColetaCampoCPFCNPJBoletoRegistrado::Grupo;
    void SetUp() override {
        Boleto::SetUp();
        Contas::iTrataBeneficiario = 1;
        Contas::iTrataSacadorAvalista = 1;
        Contas::iTrataPagador = 1;
    }
    void Preenche(TFrmColetaCampoCPFCNPJBoletoRegistrado* f, Grupo& g, int tipo, const std::string& doc) {
        Escolhe(f, g.cbTipoPessoa, tipo);
        if (!doc.empty()) DigitaEm(f, g.edCPFCGC, doc);
    }
    // Drives the dialog that ColetaCPFCNPJBoletoRegistradoContingencia opens.
    static AcaoDialogo Partes3(std::string beneficiario, std::string sacador, std::string pagador) {
        return [=](QWidget* w) {
            auto* f = static_cast<TFrmColetaCampoCPFCNPJBoletoRegistrado*>(w);
            const auto doc = [f](Grupo& g, const std::string& d) {
                if (d.empty()) return;
                Escolhe(f, g.cbTipoPessoa, d.size() == 14 ? 1 : 0);
                DigitaEm(f, g.edCPFCGC, d);
            };
            doc(f->Beneficiario, beneficiario);
            doc(f->Sacador, sacador);
            doc(f->Pagador, pagador);
            f->btConfirma->setFocus();
            Enter(f);
        };
    }
};

TEST_F(Partes, GruposPelosIndicadoresEDocumentoPeloTipo) {
    Contas::iTrataSacadorAvalista = 0;
    Contas::iTrataPagador = 2;
    auto f = Abre<TFrmColetaCampoCPFCNPJBoletoRegistrado>();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->Beneficiario.gb->title(), U("Beneficiário"));
    EXPECT_EQ(f->Sacador.gb->title(), QStringLiteral("Sacador"));
    EXPECT_EQ(f->Pagador.gb->title(), QStringLiteral("Pagador"));
    EXPECT_TRUE(f->Beneficiario.gb->isEnabled());
    EXPECT_FALSE(f->Sacador.gb->isEnabled());
    EXPECT_TRUE(f->Pagador.gb->isEnabled());
    for (auto* g : {&f->Beneficiario, &f->Pagador}) {
        EXPECT_EQ(g->lbTipoPessoa->text(), QStringLiteral("Tipo de Pessoa:"));
        ASSERT_EQ(g->cbTipoPessoa->count(), 2);
        EXPECT_EQ(g->cbTipoPessoa->itemText(0), U("Física"));
        EXPECT_EQ(g->cbTipoPessoa->itemText(1), U("Jurídica"));
        EXPECT_EQ(g->cbTipoPessoa->currentIndex(), -1);
        EXPECT_FALSE(g->edCPFCGC->isVisible());
    }
    EXPECT_EQ(f->focusWidget(), f->Beneficiario.cbTipoPessoa);

    Escolhe(f.get(), f->Beneficiario.cbTipoPessoa, 1);
    EXPECT_TRUE(f->Beneficiario.edCPFCGC->isVisible());
    EXPECT_EQ(f->Beneficiario.lbCPFCGC->text(), QStringLiteral("CNPJ:"));
    DigitaEm(f.get(), f->Beneficiario.edCPFCGC, CNPJ_A);
    EXPECT_EQ(f->Beneficiario.edCPFCGC->text(), QStringLiteral("11.222.333/0001-81"));
    Escolhe(f.get(), f->Pagador.cbTipoPessoa, 0);
    DigitaEm(f.get(), f->Pagador.edCPFCGC, CPF_A);
    EXPECT_EQ(f->Pagador.edCPFCGC->text(), QStringLiteral("111.444.777-35"));
}

TEST_F(Partes, SaidaDoTipoSemEscolhaERecusada) {
    auto f = Abre<TFrmColetaCampoCPFCNPJBoletoRegistrado>();
    ASSERT_TRUE(f);
    ASSERT_EQ(f->focusWidget(), f->Beneficiario.cbTipoPessoa);
    std::vector<QString> textos;
    const auto r = FechaDialogos([&] { Enter(f.get()); }, {[&](QWidget* w) {
                                     if (auto* c = qobject_cast<QMessageBox*>(w)) textos.push_back(c->text());
                                     w->close();
                                 }},
                                 std::chrono::seconds(5));
    EXPECT_EQ(textos, std::vector<QString>{U("Tipo de Pessoa Inválido")});
    EXPECT_EQ(f->focusWidget(), f->Beneficiario.cbTipoPessoa);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
}

TEST_F(Partes, DocumentosRecusadosNaOrdem) {
    auto f = Abre<TFrmColetaCampoCPFCNPJBoletoRegistrado>();
    ASSERT_TRUE(f);
    const auto recusa = [&](QWidget* foco) {
        const auto caixas = Confirma(f.get());
        ASSERT_EQ(caixas.size(), 1u);
        EXPECT_EQ(caixas[0].texto, U("Número de documento inválido"));
        EXPECT_EQ(caixas[0].icone, QMessageBox::Critical);
        EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
        EXPECT_EQ(f->focusWidget(), foco);
        EXPECT_TRUE(f->pnCaptura->isEnabled());
        EXPECT_TRUE(f->btConfirma->isEnabled());
    };
    // A beneficiary at zero, chosen or not.
    recusa(f->Beneficiario.cbTipoPessoa);
    Preenche(f.get(), f->Beneficiario, 0, "00000000000");
    recusa(f->Beneficiario.edCPFCGC);
    Preenche(f.get(), f->Beneficiario, 0, CPF_ERRADO);
    // The payer at zero comes before the beneficiary's check digits.
    recusa(f->Pagador.cbTipoPessoa);
    Preenche(f.get(), f->Pagador, 0, CPF_B);
    recusa(f->Beneficiario.edCPFCGC);
    Preenche(f.get(), f->Beneficiario, 1, CNPJ_ERRADO);
    recusa(f->Beneficiario.edCPFCGC);
    Preenche(f.get(), f->Beneficiario, 1, CNPJ_A);
    Preenche(f.get(), f->Sacador, 0, CPF_ERRADO);
    recusa(f->Sacador.edCPFCGC);
    Preenche(f.get(), f->Pagador, 0, CPF_ERRADO);
    Preenche(f.get(), f->Sacador, 0, CPF_A);
    recusa(f->Pagador.edCPFCGC);
    EXPECT_EQ(Lumomain::IndiceDadosAdicionais, 0);
}

TEST_F(Partes, SacadorEmZeroAceitoEGravacaoNosOffsets) {
    Lumomain::IndiceAtual = 4;
    auto f = Abre<TFrmColetaCampoCPFCNPJBoletoRegistrado>();
    ASSERT_TRUE(f);
    Preenche(f.get(), f->Beneficiario, 1, CNPJ_A);
    Preenche(f.get(), f->Sacador, 0, "");
    Preenche(f.get(), f->Pagador, 0, CPF_B);
    EXPECT_TRUE(Confirma(f.get()).empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Lumomain::IndiceDadosAdicionais, 1);
    EXPECT_EQ(std::string(Lumomain::DadosAdicionaisBoletoRegistradoContingencia.dados.data(), 2), "01");
    EXPECT_EQ(Bytes(1, 0, 26), std::string(26, '\0')) << "fine and interest are the bill query's";
    EXPECT_EQ(Bytes(1, 26, 15), Zeros(CNPJ_A, 15));
    EXPECT_EQ(Bytes(1, 41, 15), std::string(15, '\0'));
    EXPECT_EQ(Bytes(1, 56, 15), Zeros(CPF_B, 15));
    EXPECT_EQ(Bytes(1, 71, 9), std::string(9, '\0'));
    EXPECT_EQ(Bytes(1, 80, 2), std::string("05"));
}

TEST_F(Partes, DoisBoletosDuasEntradasNoCampo10440) {
    const auto coleta = [&](int indice, AcaoDialogo acao) {
        Lumomain::IndiceAtual = indice;
        bool ok = false;
        const auto r =
            FechaDialogos([&] { ok = ColetaCPFCNPJBoletoRegistradoContingencia(); }, {std::move(acao)});
        EXPECT_FALSE(r.prazoEsgotado);
        return ok;
    };
    EXPECT_TRUE(coleta(0, Partes3(CPF_A, "", CPF_B)));
    EXPECT_TRUE(coleta(1, Partes3(CNPJ_A, CPF_B, CPF_A)));
    EXPECT_EQ(Lumomain::IndiceDadosAdicionais, 2);
    EXPECT_TRUE(AuditTem("Entrou: ColetaCPFCNPJBoletoRegistradoContingencia."));
    EXPECT_TRUE(AuditTem("Saiu: ColetaCPFCNPJBoletoRegistradoContingencia."));
    Lumomain::TrataPrefixoDADICPAGCB();
    EXPECT_EQ(Campo(10440), std::string("01=||") + CPF_A + "||" + CPF_B + "|," + "02=||" + CNPJ_A + "|" +
                                CPF_B + "|" + CPF_A + "|;");

    // Cancelled: false, nothing recorded.
    EXPECT_FALSE(coleta(
        2, [](QWidget* w) { static_cast<TFrmColetaCampoCPFCNPJBoletoRegistrado*>(w)->btRetorna->click(); }));
    EXPECT_EQ(Lumomain::IndiceDadosAdicionais, 2);
    EXPECT_TRUE(AuditTem("Saiu Erro: ColetaCPFCNPJBoletoRegistradoContingencia."));

    // A payment without registered-boleto data sends nothing of the earlier one.
    Lumomain::DadosAdicionaisBoletoRegistradoContingencia.limpa();
    Lumomain::IndiceDadosAdicionais = 0;
    Lumomain::TrataPrefixoDADICPAGCB();
    EXPECT_EQ(Campo(10440), std::nullopt);
}

// ---------------------------------------------------------------------------------------------------------
// Payer's document and birth date

TEST(DataNascimentoPagador, LimitesDaData) {
    const QDate hoje = QDate::currentDate();
    const auto ddmmaaaa = [](const QDate& d) { return d.toString(QStringLiteral("dd/MM/yyyy")); };
    EXPECT_TRUE(TFrmCPFCNPJDtNascPagador::ValidaData(ddmmaaaa(hoje)));
    EXPECT_FALSE(TFrmCPFCNPJDtNascPagador::ValidaData(ddmmaaaa(hoje.addDays(1))));
    EXPECT_TRUE(TFrmCPFCNPJDtNascPagador::ValidaData(QStringLiteral("01/01/1900")));
    EXPECT_FALSE(TFrmCPFCNPJDtNascPagador::ValidaData(QStringLiteral("31/12/1899")));
    EXPECT_FALSE(TFrmCPFCNPJDtNascPagador::ValidaData(QStringLiteral("30/02/1980")));
    EXPECT_FALSE(TFrmCPFCNPJDtNascPagador::ValidaData(QStringLiteral("01/01/198_")));
    EXPECT_TRUE(TFrmCPFCNPJDtNascPagador::ValidaData(QStringLiteral("29/02/1980")));
}

using Pagador = Boleto;

TEST_F(Pagador, DocumentoSoQuandoORegistroNaoTemPagador) {
    {
        auto f = Abre<TFrmCPFCNPJDtNascPagador>();
        ASSERT_TRUE(f);
        EXPECT_EQ(f->lbTitulo->text(), QStringLiteral("DADOS DO PAGADOR"));
        EXPECT_EQ(f->lbCPFCGC->text(), QStringLiteral("CPF:"));
        EXPECT_EQ(f->lbDataNascimento->text(), QStringLiteral("Data de Nascimento:"));
        EXPECT_TRUE(f->cbTipoPessoa->isVisible());
        EXPECT_TRUE(f->edCPFCGC->isVisible());
        EXPECT_EQ(f->cbTipoPessoa->currentIndex(), -1);
        Escolhe(f.get(), f->cbTipoPessoa, 1);
        EXPECT_EQ(f->lbCPFCGC->text(), QStringLiteral("CNPJ:"));
        Tecla(f.get(), Qt::Key_8, QStringLiteral("8"));
        EXPECT_EQ(f->lbCPFCGC->text(), QStringLiteral("CPF:"));
    }
    // The parties dialog recorded no payer for the current document: asked here.
    Lumomain::IndiceDadosAdicionais = 2;
    ASSERT_TRUE(DadosAdicionais::Grava(1, DadosAdicionais::OFF_PAGADOR, 14, QLatin1String(CPF_A)));
    {
        auto f = Abre<TFrmCPFCNPJDtNascPagador>();
        ASSERT_TRUE(f);
        EXPECT_TRUE(f->edCPFCGC->isVisible());
    }
    ASSERT_TRUE(DadosAdicionais::Grava(2, DadosAdicionais::OFF_PAGADOR, 14, QLatin1String(CPF_B)));
    auto f = Abre<TFrmCPFCNPJDtNascPagador>();
    ASSERT_TRUE(f);
    for (QWidget* w : {static_cast<QWidget*>(f->lbTipoPessoa), static_cast<QWidget*>(f->cbTipoPessoa),
                       static_cast<QWidget*>(f->lbCPFCGC), static_cast<QWidget*>(f->edCPFCGC)})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(f->focusWidget(), f->edDataNascimento);
    DigitaEm(f.get(), f->edDataNascimento, "15031975");
    EXPECT_TRUE(Confirma(f.get()).empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Bytes(2, 56, 15), Zeros(CPF_B, 15)) << "the recorded payer stays";
    EXPECT_EQ(Bytes(2, 71, 9), Zeros("15031975", 9));
    EXPECT_EQ(Bytes(2, 80, 2), std::string(2, '\0'));
    EXPECT_EQ(Lumomain::IndiceDadosAdicionais, 2);
}

TEST_F(Pagador, RecusasComExclamacao) {
    auto f = Abre<TFrmCPFCNPJDtNascPagador>();
    ASSERT_TRUE(f);
    const auto recusa = [&](const char* texto, QWidget* foco) {
        const auto caixas = Confirma(f.get());
        ASSERT_EQ(caixas.size(), 1u);
        EXPECT_EQ(caixas[0].texto, U(texto));
        EXPECT_EQ(caixas[0].icone, QMessageBox::Warning);
        EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
        EXPECT_EQ(f->focusWidget(), foco);
        EXPECT_TRUE(f->btConfirma->isEnabled());
    };
    DigitaEm(f.get(), f->edDataNascimento, "01011980");
    recusa("Tipo de Pessoa Inválido", f->cbTipoPessoa);
    Escolhe(f.get(), f->cbTipoPessoa, 0);
    DigitaEm(f.get(), f->edCPFCGC, CPF_ERRADO);
    recusa("Número de CPF inválido", f->edCPFCGC);
    Escolhe(f.get(), f->cbTipoPessoa, 1);
    DigitaEm(f.get(), f->edCPFCGC, CNPJ_ERRADO);
    recusa("Número de CNPJ inválido", f->edCPFCGC);
    DigitaEm(f.get(), f->edCPFCGC, CNPJ_A);
    DigitaEm(f.get(), f->edDataNascimento, "31121899");
    recusa("Data inválida", f->edDataNascimento);
    DigitaEm(f.get(), f->edDataNascimento,
             QDate::currentDate().addDays(1).toString(QStringLiteral("ddMMyyyy")).toStdString());
    recusa("Data inválida", f->edDataNascimento);
    EXPECT_EQ(Lumomain::IndiceDadosAdicionais, 0);
    EXPECT_EQ(Bytes(1, 0, 82), std::string(82, '\0'));
}

TEST_F(Pagador, SemRegistroAbreOPrimeiro) {
    Lumomain::IndiceAtual = 3;
    auto f = Abre<TFrmCPFCNPJDtNascPagador>();
    ASSERT_TRUE(f);
    Escolhe(f.get(), f->cbTipoPessoa, 0);
    Enter(f.get());
    EXPECT_EQ(f->focusWidget(), f->edCPFCGC);
    Digita(f.get(), CPF_A);
    Enter(f.get());
    EXPECT_EQ(f->focusWidget(), f->edDataNascimento);
    Digita(f.get(), "01011900");
    EXPECT_TRUE(Confirma(f.get()).empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Lumomain::IndiceDadosAdicionais, 1);
    EXPECT_EQ(Bytes(1, 56, 15), Zeros(CPF_A, 15));
    EXPECT_EQ(Bytes(1, 71, 9), Zeros("01011900", 9));
    EXPECT_EQ(Bytes(1, 80, 2), std::string("02")) << "IndiceAtual - 1";
    Lumomain::TrataPrefixoDADICPAGCB();
    EXPECT_EQ(Campo(10440), std::string("02=||||") + CPF_A + "|01011900;");
}

// ---------------------------------------------------------------------------------------------------------
// Re-capture of the total

class ValorTotal : public Boleto {
protected:
    void SetUp() override {
        Boleto::SetUp();
        Contas::ServACP.atribui("0001000000123456");
        destino_.setText(QStringLiteral("1.000,00"));
    }
    // Runs the dialog modally with these actions for it and the windows it opens.
    int Executa(std::vector<AcaoDialogo> acoes, ResultadoDialogos* vistos = nullptr) {
        std::unique_ptr<TFrmCapturaValorTotal_Mod> f(TFrmMod::Cria<TFrmCapturaValorTotal_Mod>(nullptr));
        EXPECT_NE(f, nullptr);
        if (!f) return -1;
        f->edDestino = &destino_;
        int r = -1;
        const auto v = FechaDialogos([&] { r = f->Executa(); }, std::move(acoes));
        EXPECT_FALSE(v.prazoEsgotado);
        if (vistos) *vistos = v;
        return r;
    }
    static AcaoDialogo Responde(QMessageBox::StandardButton botao) {
        return [botao](QWidget* w) {
            auto* c = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->text(), QStringLiteral("Deseja informar um novo valor ?"));
            c->button(botao)->click();
        };
    }
    QLineEdit destino_;
};

TEST_F(ValorTotal, TelaENaoConfirmaOValorDoServidor) {
    ResultadoDialogos vistos;
    const int r = Executa({[](QWidget* w) {
                               auto* f = static_cast<TFrmCapturaValorTotal_Mod*>(w);
                               EXPECT_EQ(f->lbTitulo->text(), QStringLiteral("Captura Valor Total"));
                               EXPECT_EQ(f->lbVlrTotal->text(), QStringLiteral("Valor Total:"));
                               EXPECT_EQ(f->btConfirma->text(), QStringLiteral("&1 - Confirma"));
                               EXPECT_EQ(f->btRetorna->text(), QStringLiteral("&9 - Cancela"));
                               EXPECT_EQ(f->edVlrTotal->text(), QStringLiteral("1.234,56"));
                               EXPECT_EQ(f->edVlrTotal->maxLength(), 12);
                               EXPECT_FALSE(f->edVlrTotal->isEnabled());
                               EXPECT_EQ(f->focusWidget(), f->btConfirma);
                               Enter(w);
                           },
                           Responde(QMessageBox::No)},
                          &vistos);
    EXPECT_EQ(r, TFrmMod::mrCancel);
    EXPECT_EQ(destino_.text(), QStringLiteral("1.234,56"));
    EXPECT_EQ(vistos.vistos.size(), 2u);
    EXPECT_EQ(Campo(1009), std::nullopt);
}

TEST_F(ValorTotal, SimPedeUmValorNovo) {
    auto f = Abre<TFrmCapturaValorTotal_Mod>();
    ASSERT_TRUE(f);
    f->edDestino = &destino_;
    ASSERT_EQ(f->focusWidget(), f->btConfirma);
    auto r = FechaDialogos([&] { Enter(f.get()); }, {Responde(QMessageBox::Yes)}, std::chrono::seconds(5));
    EXPECT_EQ(r.vistos.size(), 1u);
    EXPECT_TRUE(f->edVlrTotal->isEnabled());
    EXPECT_TRUE(f->edVlrTotal->text().isEmpty());
    EXPECT_EQ(f->focusWidget(), f->edVlrTotal);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);

    // No second question: an empty amount is refused, a typed one goes to the bill query.
    const auto caixas = Confirma(f.get());
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0].texto, U("Forneça o valor da transação"));
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
    EXPECT_EQ(f->focusWidget(), f->edVlrTotal);
    Digita(f.get(), "9990");
    EXPECT_EQ(f->edVlrTotal->text(), QStringLiteral("99,90"));
    EXPECT_TRUE(Confirma(f.get()).empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrCancel);
    EXPECT_EQ(destino_.text(), QStringLiteral("99,90"));
    EXPECT_EQ(Campo(1009), std::nullopt);
}

TEST_F(ValorTotal, CancelaInformaOHostEFechaComOK) {
    const int r =
        Executa({[](QWidget* w) { static_cast<TFrmCapturaValorTotal_Mod*>(w)->btRetorna->click(); }});
    EXPECT_EQ(r, TFrmMod::mrOk);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Finalizado pelo Operador");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    EXPECT_EQ(destino_.text(), QStringLiteral("1.000,00"));
}

// ---------------------------------------------------------------------------------------------------------
// Continuation of a pending payment

// The bank answers every request with one reply and keeps the requests.
struct BancoContinuacao {
    std::vector<cbwire::Pedido> pedidos;
    cbwire::Resposta resposta;

    static int Atende(const char* pedido, int tamanho, int, VortaSimRespondePedido responde, void* canal,
                      void* contexto) {
        auto* b = static_cast<BancoContinuacao*>(contexto);
        if (auto p = cbwire::DecodificaPedido(std::string_view(pedido, static_cast<size_t>(tamanho))))
            b->pedidos.push_back(*p);
        const std::string quadro = cbwire::CodificaResposta(b->resposta);
        responde(canal, quadro.data(), static_cast<int>(quadro.size()));
        return VORTASIM_SERVIDOR_RESPONDEU;
    }
    std::optional<std::string> Valor(uint16_t campo, uint16_t ocorrencia = 0) const {
        if (pedidos.empty()) return std::nullopt;
        for (const auto& item : pedidos[0].itens)
            if (item.campo == campo && item.ocorrencia == ocorrencia) return item.prefixo + item.valor;
        return std::nullopt;
    }
};

class Continuacao : public Boleto {
protected:
    void SetUp() override {
        Boleto::SetUp();
        banco_.resposta.codigo = "05";
        banco_.resposta.mensagem = "Pagamento pendente recusado";
        VortaSimDefineServidorLocal(&BancoContinuacao::Atende, &banco_);
        Lumomain::GrupoPagto = QStringLiteral("3");
        DefineCampo(10112, 0, "005");
        // An amount preset by the host: the base's self-confirming timer must not send a second request.
        DefineCampo(1003, 0, "5000");
    }
    void TearDown() override {
        VortaSimDefineServidorLocal(nullptr, nullptr);
        Boleto::TearDown();
    }
    BancoContinuacao banco_;
};

TEST_F(Continuacao, PedidoUnicoComOMarcadorEResultadoNoHost) {
    for (const int modo : {16, 0}) {
        SCOPED_TRACE(modo);
        banco_.pedidos.clear();
        DefineCampo(10112, 0, "005");
        DefineCampo(20036, 0, modo == 16 ? "" : "0000123");
        const auto r = FechaDialogos([modo] { ExecutaGenerico(0, modo); }, {}, std::chrono::seconds(10));
        EXPECT_FALSE(r.prazoEsgotado);
        EXPECT_TRUE(r.vistos.empty()) << "no screen waits for the operator";
        ASSERT_EQ(banco_.pedidos.size(), 1u);
        EXPECT_EQ(banco_.pedidos[0].codigo, 242);
        EXPECT_EQ(banco_.Valor(10158), "31");
        EXPECT_EQ(banco_.Valor(10103), "1");
        EXPECT_EQ(banco_.Valor(10102), modo == 16 ? "" : "0000123");
        EXPECT_EQ(banco_.Valor(10112).value_or(""), "");
        EXPECT_EQ(Lumomain::GrupoPagto, QStringLiteral("1"));
        EXPECT_EQ(Campo(1009), "05");
        EXPECT_EQ(Campo(1027), "Pagamento pendente recusado");
        EXPECT_TRUE(AuditTem("Criou: FrmPgt_Con"));
        EXPECT_TRUE(AuditTem("Destruiu: FrmPgt_Con"));
        EXPECT_FALSE(AuditTem("Criou: FrmSel_Mnu"));
    }
}

} // namespace
