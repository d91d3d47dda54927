// Cheque data and the settlement by cheque: the entry types the parameter load offers, the keys of the type
// list, what is refused and with which message, the line sent for each entry type, the line the host read
// itself, and the cheque query followed by the payment as the bank receives them.
#include "Ambiente.h"
#include "BancoRoteirizado.h"
#include "EmProcesso.h"
#include "Protocolo.h"
#include "Servidor.h"
#include "frame/Lumomain.h"
#include "frame/Coletadadoschequetrn.h"
#include "payment/Pagtoemcheque.h"
#include "payment/Pagtoemchequetrn.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tiposentradacheque.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

constexpr char kCMC7[] = "237033260180000095500040112345"; // 30 characters
constexpr char kLeitura[] = "0 - Leitura de CMC-7";
constexpr char kPrimeiraLinha[] = "1 - Digitação da 1° Linha do Cheque";
constexpr char kDigitacao[] = "2 - Digitação do CMC-7";
constexpr char kDigitoInvalido[] = "Número de Digíto inválido";

std::vector<DialogoVisto> Caixas(const ResultadoDialogos& r) {
    std::vector<DialogoVisto> caixas;
    for (const auto& v : r.vistos)
        if (v.classe == "QMessageBox") caixas.push_back(v);
    return caixas;
}

using Banco = BancoRoteirizado;

// The cheque-data form on its own: it sends nothing, so its steps are called directly.
class TFrmColetaChqTeste : public TFrmColetaDadosChq_Trn {
public:
    explicit TFrmColetaChqTeste(QWidget* pai)
        : TFrmColetaDadosChq_Trn(pai, QStringLiteral("FrmColetaChqTeste")) {}
};

// The query form on its own, as a dialog that only checks a cheque would use it.
class TFrmConsultaChqTeste : public TFrmPgtChq_Trn {
public:
    explicit TFrmConsultaChqTeste(QWidget* pai)
        : TFrmPgtChq_Trn(pai, QStringLiteral("FrmConsultaChqTeste")) {}
};

// ---------------------------------------------------------------------------------------------------------
// Item positions and entry types

TEST(TiposEntradaCheque, PosicaoETipoParaCadaCombinacaoOferecida) {
    // Every subset of the three types, listed in type order; the tag names types 1 and 2 only.
    for (int oferta = 0; oferta < 8; ++oferta) {
        SCOPED_TRACE(oferta);
        std::vector<int> listados;
        int tag = 0;
        for (int tipo = 0; tipo < 3; ++tipo) {
            if (!(oferta & (1 << tipo))) continue;
            listados.push_back(tipo);
            if (tipo == 1) tag += 1;
            if (tipo == 2) tag += 2;
        }
        const int n = static_cast<int>(listados.size());
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(Lumomain::VerificaRetornaIndiceIndividualTipoEntrada(tag, n, i), listados[i]);
        EXPECT_EQ(Lumomain::VerificaRetornaIndiceIndividualTipoEntrada(tag, n, -1), -1);
        EXPECT_EQ(Lumomain::VerificaRetornaIndiceIndividualTipoEntrada(tag, n, n), -1);
        for (int tipo = 0; tipo < 3; ++tipo) {
            const auto it = std::find(listados.begin(), listados.end(), tipo);
            const int esperado = it == listados.end() ? -1 : static_cast<int>(it - listados.begin());
            EXPECT_EQ(Lumomain::VerificaRetornaIndiceComboTipoEntradaCheque(tag, n, tipo), esperado) << tipo;
        }
    }
}

// ---------------------------------------------------------------------------------------------------------
// Dialogs

class Cheque : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        using namespace Lumomain;
        GrupoPagto = QStringLiteral("1");
        ServicoHzinho_ColetaChq.dados.fill('1');
        ServicoHzinho_PagTrnGen.limpa();
        ServicoHzinho_26_Limites.limpa();
        acValorReferenciaBACEN3978.limpa();
        TrnADM = false;
        TrnCNC = false;
        QtdeDocsConsultadosOK = 1;
        IndiceDocsConsultadosOK = {0};
        Coletadadoschequetrn::TipoEntrada.clear();
        banco_ = {};
        VortaSimDefineServidorLocal(&Banco::Atende, &banco_);
        DefineCampo(1003, 0, "15000");
        Documento(0, "15000", "23790000000000000000000000000000000000000000");
    }
    void TearDown() override {
        form_.reset();
        VortaSimDefineServidorLocal(nullptr, nullptr);
        Lumomain::ServicoHzinho_ColetaChq.dados.fill('1');
        Lumomain::QtdeDocsConsultadosOK = 0;
        Lumomain::IndiceDocsConsultadosOK.clear();
        Ambiente::TearDown();
    }

    // The per-document fields the bill query leaves for document i.
    void Documento(int i, const std::string& valor, const std::string& codigo) {
        DefineCampo(10163, i, valor);
        DefineCampo(10164, i, valor);
        DefineCampo(10165, i, "000000000000");
        DefineCampo(10166, i, "000000000000");
        DefineCampo(10167, i, "1");
        DefineCampo(10168, i, codigo);
        DefineCampo(10169, i, "10122026");
    }

    // Only the types whose character is '1' ("011": types 1 and 2) are offered.
    static void Oferece(const char* tipos) {
        for (int t = 0; t < 3; ++t)
            Lumomain::ServicoHzinho_ColetaChq.dados[static_cast<size_t>(25 + t)] = tipos[t];
    }

    template <class T> T* Abre() { return AbreDialogo<T>(form_); }

    // Steps the type list with "2" from nothing selected to the item at posicao; the focus is then in the
    // panel of that type.
    static void Escolhe(TFrmColetaDadosChq_Trn* f, int posicao) {
        for (int i = 0; i <= posicao; ++i) {
            f->cbTipoEntrada->setFocus();
            Digita(f, "2");
        }
        ASSERT_EQ(f->cbTipoEntrada->currentIndex(), posicao);
    }

    // Lets the dialog run until it closes by itself; false when the deadline passes first.
    static bool EsperaResultado(const TFrmMod* f) {
        QElapsedTimer relogio;
        relogio.start();
        while (f->ModalResult() == TFrmMod::mrNone && relogio.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return f->ModalResult() != TFrmMod::mrNone;
    }

    // Presses the confirm button with Enter; message boxes that come up are recorded and closed.
    static ResultadoDialogos Confirma(TFrmColetaDadosChq_Trn* f) {
        f->btConfirma->setFocus();
        return FechaDialogos([&] { Enter(f); }, {}, std::chrono::seconds(5));
    }

    // Types the first printed line field by field, Enter after each, starting in Comp.
    static void DigitaPrimeiraLinha(TFrmColetaDadosChq_Trn* f, const std::vector<const char*>& campos) {
        for (const char* c : campos) {
            Digita(f, c);
            Enter(f);
        }
    }

    std::unique_ptr<TFrmMod> form_;
    Banco banco_;
};

TEST_F(Cheque, AberturaListaOsTiposOferecidosSemEscolha) {
    struct Caso {
        const char* oferta;
        std::vector<const char*> itens;
        int tag;
    };
    const std::vector<Caso> casos = {
        {"111", {kLeitura, kPrimeiraLinha, kDigitacao}, 3},
        {"101", {kLeitura, kDigitacao}, 2},
        {"010", {kPrimeiraLinha}, 1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.oferta);
        Oferece(c.oferta);
        auto* f = Abre<TFrmPgt_Chq>();
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->lbTitulo->text(), QStringLiteral("Pagamento em Cheque"));
        EXPECT_EQ(f->lbTipoEntrada->text(), QStringLiteral("Tipo Entrada:"));
        EXPECT_TRUE(f->cbTipoEntrada->isVisible());
        ASSERT_EQ(f->cbTipoEntrada->count(), static_cast<int>(c.itens.size()));
        for (int i = 0; i < f->cbTipoEntrada->count(); ++i)
            EXPECT_EQ(f->cbTipoEntrada->itemText(i), U(c.itens[static_cast<size_t>(i)]));
        EXPECT_EQ(f->cbTipoEntrada->property("Tag").toInt(), c.tag);
        EXPECT_EQ(f->cbTipoEntrada->currentIndex(), -1);
        EXPECT_FALSE(f->PnCMC7->isVisible());
        EXPECT_FALSE(f->PnDadosCheque->isVisible());
        // The host fixed the amount: the type is the first thing to fill.
        EXPECT_FALSE(f->edValor->isEnabled());
        EXPECT_EQ(f->edValor->text(), QStringLiteral("150,00"));
        EXPECT_EQ(f->focusWidget(), f->cbTipoEntrada);
        EXPECT_EQ(f->lbMensagem->text(), U("Forneça o Tipo de Entrada (2 - próxima/ 8 - anterior)."));
        EXPECT_EQ(f->EdCMC7->maxLength(), 33);
        EXPECT_TRUE(banco_.pedidos.empty());
    }
}

TEST_F(Cheque, TeclasDaListaDeTipos) {
    auto* f = Abre<TFrmPgt_Chq>();
    ASSERT_NE(f, nullptr);
    Digita(f, "2");
    EXPECT_EQ(f->cbTipoEntrada->currentIndex(), 0);
    // Changing the type opens its panel and moves into it.
    EXPECT_TRUE(f->PnCMC7->isVisible());
    EXPECT_FALSE(f->PnDadosCheque->isVisible());
    EXPECT_EQ(f->focusWidget(), f->EdCMC7);
    EXPECT_EQ(f->lbMensagem->text(), U("Forneça o número do CMC7"));

    f->cbTipoEntrada->setFocus();
    EXPECT_EQ(f->lbMensagem->text(), U("0 - Leitura de CMC-7 (2 - próxima/ 8 - anterior)."));
    Digita(f, "2");
    EXPECT_EQ(f->cbTipoEntrada->currentIndex(), 1);
    EXPECT_TRUE(f->PnDadosCheque->isVisible());
    EXPECT_FALSE(f->PnCMC7->isVisible());
    EXPECT_EQ(f->focusWidget(), f->EdComp);
    EXPECT_EQ(f->lbMensagem->text(), U("Forneça o número da compensação"));

    f->cbTipoEntrada->setFocus();
    Digita(f, "2");
    EXPECT_EQ(f->cbTipoEntrada->currentIndex(), 2);
    f->cbTipoEntrada->setFocus();
    Digita(f, "2"); // past the last item nothing changes
    EXPECT_EQ(f->cbTipoEntrada->currentIndex(), 2);
    EXPECT_EQ(f->focusWidget(), f->cbTipoEntrada);
    Digita(f, "8");
    EXPECT_EQ(f->cbTipoEntrada->currentIndex(), 1);
    f->cbTipoEntrada->setFocus();
    // Letters and signs are refused; the list stays where it was.
    Digita(f, "a-/ ");
    EXPECT_EQ(f->cbTipoEntrada->currentIndex(), 1);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
    // Enter walks on to the shown panel.
    Enter(f);
    EXPECT_EQ(f->focusWidget(), f->EdComp);
    // Another digit is a button's: "9" returns.
    f->cbTipoEntrada->setFocus();
    Digita(f, "9");
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrCancel);
    EXPECT_TRUE(banco_.pedidos.empty());
}

TEST_F(Cheque, TipoNaoEscolhidoRecusado) {
    auto* f = Abre<TFrmPgt_Chq>();
    ASSERT_NE(f, nullptr);
    const auto caixas = Caixas(Confirma(f));
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0].texto, U("Tipo de Entrada Inválido"));
    EXPECT_EQ(caixas[0].titulo, Lumomain::TituloAplicacao());
    EXPECT_TRUE(caixas[0].noTopo);
    EXPECT_EQ(f->focusWidget(), f->cbTipoEntrada);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
    EXPECT_TRUE(banco_.pedidos.empty());
}

TEST_F(Cheque, CMC7DeTrintaAceitoVinteENoveRecusado) {
    auto* f = Abre<TFrmPgt_Chq>();
    ASSERT_NE(f, nullptr);
    Escolhe(f, 2);
    const std::string linha(kCMC7);
    Digita(f, linha.substr(0, 29));
    const auto caixas = Caixas(Confirma(f));
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0].texto, U("Número do CMC7 inválido"));
    EXPECT_EQ(caixas[0].titulo, Lumomain::TituloAplicacao());
    EXPECT_TRUE(f->PnCMC7->isVisible());
    EXPECT_EQ(f->focusWidget(), f->EdCMC7);
    EXPECT_TRUE(f->btConfirma->isEnabled());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
    EXPECT_TRUE(banco_.pedidos.empty());

    Digita(f, linha.substr(29));
    EXPECT_TRUE(Caixas(Confirma(f)).empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    ASSERT_FALSE(banco_.pedidos.empty());
    EXPECT_EQ(banco_.Valor(0, 10102, 1), linha);
    EXPECT_EQ(Coletadadoschequetrn::TipoEntrada, QStringLiteral("2"));
}

TEST_F(Cheque, PrimeiraLinhaCompletadaComZerosSemBrancos) {
    auto* f = Abre<TFrmPgt_Chq>();
    ASSERT_NE(f, nullptr);
    Escolhe(f, 1);
    EXPECT_EQ(f->focusWidget(), f->EdComp);
    // Each field keeps to its width: the extra digit of the one-digit C1 is not taken.
    DigitaPrimeiraLinha(f, {"1", "1", "12", "34", "456", "7", "89", "0"});
    EXPECT_EQ(f->EdC1->text(), QStringLiteral("3"));
    EXPECT_EQ(f->focusWidget(), f->btConfirma);
    EXPECT_TRUE(Caixas(Confirma(f)).empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    ASSERT_FALSE(banco_.pedidos.empty());
    EXPECT_EQ(banco_.Valor(0, 10102, 1), "00100100123000000045670000890");
    EXPECT_EQ(Campo(10102, 1), "00100100123000000045670000890");
}

TEST_F(Cheque, CamposVaziosDaPrimeiraLinhaRecusadosEmOrdem) {
    auto* f = Abre<TFrmPgt_Chq>();
    ASSERT_NE(f, nullptr);
    Escolhe(f, 1);
    struct Caso {
        QLineEdit* campo;
        const char* mensagem;
        const char* valor;
    };
    const std::vector<Caso> casos = {
        {f->EdBanco, "Número do banco inválido", "1"},
        {f->EdAgencia, "Número de Agência inválido", "12"},
        {f->EdC1, kDigitoInvalido, "3"},
        {f->EdConta, "Número de Conta inválido", "456"},
        {f->EdC2, kDigitoInvalido, "7"},
        {f->EdCheque, "Número do Cheque inválido", "89"},
        {f->EdC3, kDigitoInvalido, "0"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.mensagem);
        const auto caixas = Caixas(Confirma(f));
        ASSERT_EQ(caixas.size(), 1u);
        EXPECT_EQ(caixas[0].texto, U(c.mensagem));
        EXPECT_EQ(caixas[0].titulo, Lumomain::TituloAplicacao());
        EXPECT_TRUE(f->PnDadosCheque->isVisible());
        ASSERT_EQ(f->focusWidget(), c.campo);
        EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
        EXPECT_TRUE(banco_.pedidos.empty());
        Digita(f, c.valor);
    }
    // The clearing-house number may stay empty.
    EXPECT_TRUE(f->EdComp->text().isEmpty());
    EXPECT_TRUE(Caixas(Confirma(f)).empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(banco_.Valor(0, 10102, 1), "00000100123000000045670000890");
}

TEST_F(Cheque, CamposSoAceitamDigitos) {
    auto* f = Abre<TFrmPgt_Chq>();
    ASSERT_NE(f, nullptr);
    Escolhe(f, 0);
    Digita(f, "12a-3 4");
    EXPECT_EQ(f->EdCMC7->text(), QStringLiteral("1234"));
    Backspace(f, 1);
    EXPECT_EQ(f->EdCMC7->text(), QStringLiteral("123"));
}

TEST_F(Cheque, PedidoPorTipoDeEntrada) {
    struct Caso {
        int posicao;
        std::vector<const char*> digitos;
        const char* tipo;
        const char* linha;
    };
    const std::vector<Caso> casos = {
        {0, {"123456789012345678901234567890123"}, "0", "123456789012345678901234567890123"},
        {1,
         {"341", "237", "1234", "5", "1234567890", "6", "123456", "7"},
         "1",
         "34123712345123456789061234567"},
        {2, {kCMC7}, "2", kCMC7},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tipo);
        auto* f = Abre<TFrmColetaChqTeste>();
        ASSERT_NE(f, nullptr);
        Escolhe(f, c.posicao);
        DigitaPrimeiraLinha(f, c.digitos);
        ASSERT_TRUE(f->ValidaCamposForm());
        EXPECT_EQ(Coletadadoschequetrn::TipoEntrada, QString::fromLatin1(c.tipo));
        ASSERT_TRUE(f->GravaCamposHostlink());
        EXPECT_EQ(Campo(10102, 0), c.tipo);
        EXPECT_EQ(Campo(10102, 1), c.linha);
        EXPECT_EQ(Campo(10103), "1");
        EXPECT_EQ(Campo(1003), "15000");
    }
}

TEST_F(Cheque, LinhaDoHostMostradaSomenteLeitura) {
    struct Caso {
        const char* oferta;
        const char* item; // nullptr: no CMC-7 type offered, the operator chooses
    };
    const std::vector<Caso> casos = {{"001", kDigitacao}, {"111", kLeitura}, {"010", nullptr}};
    // Without an amount from the host the form waits for one, so nothing confirms by itself here.
    HostlinkLimpaCampo(1003);
    for (const auto& c : casos) {
        SCOPED_TRACE(c.oferta);
        Oferece(c.oferta);
        DefineCampo(1005, 0, std::string(" ") + kCMC7 + " ");
        auto* f = Abre<TFrmPgt_Chq>();
        ASSERT_NE(f, nullptr);
        if (!c.item) {
            EXPECT_EQ(f->cbTipoEntrada->currentIndex(), -1);
            EXPECT_TRUE(f->cbTipoEntrada->isVisible());
            EXPECT_TRUE(f->cbTipoEntrada->isEnabled());
            EXPECT_FALSE(f->PnCMC7->isVisible());
            EXPECT_EQ(f->focusWidget(), f->cbTipoEntrada);
            continue;
        }
        EXPECT_EQ(f->cbTipoEntrada->currentText(), U(c.item));
        EXPECT_FALSE(f->cbTipoEntrada->isEnabled());
        EXPECT_TRUE(f->PnCMC7->isVisible());
        EXPECT_FALSE(f->PnDadosCheque->isVisible());
        EXPECT_FALSE(f->EdCMC7->isEnabled());
        EXPECT_EQ(f->EdCMC7->text().trimmed(), QString::fromLatin1(kCMC7));
        EXPECT_TRUE(f->pnBotoes->isVisible());
        EXPECT_TRUE(f->btConfirma->isVisible());
        EXPECT_TRUE(f->btConfirma->isEnabled());
        EXPECT_EQ(f->focusWidget(), f->edValor);
        EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
    }
    EXPECT_TRUE(banco_.pedidos.empty());
}

TEST_F(Cheque, LinhaDoHostComValorConfirmaSozinha) {
    Oferece("001");
    DefineCampo(1005, 0, kCMC7);
    auto* f = Abre<TFrmPgt_Chq>();
    ASSERT_NE(f, nullptr);
    // Every field was preset: the dialog presses its own confirm button once it is active.
    ASSERT_TRUE(EsperaResultado(f));
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    ASSERT_EQ(banco_.pedidos.size(), 2u);
    EXPECT_EQ(banco_.Valor(0, 10102, 1), kCMC7);
    EXPECT_EQ(banco_.Valor(1, 10102, 1), kCMC7);
    EXPECT_EQ(Coletadadoschequetrn::TipoEntrada, QStringLiteral("2"));
}

TEST_F(Cheque, ConsultaDoChequeEDepoisPagamentoDeTodosOsDocumentos) {
    Lumomain::QtdeDocsConsultadosOK = 2;
    Lumomain::IndiceDocsConsultadosOK = {0, 1};
    Documento(1, "2500", "83620000000000000000000000000000000000000000");
    DefineCampo(1003, 0, "17500");
    auto* f = Abre<TFrmPgt_Chq>();
    ASSERT_NE(f, nullptr);
    Escolhe(f, 0);
    Digita(f, kCMC7);
    EXPECT_TRUE(Caixas(Confirma(f)).empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    ASSERT_EQ(banco_.pedidos.size(), 2u);

    // The query: no per-document fields, the count, the cheque line and the sequence.
    const auto& consulta = banco_.pedidos[0];
    EXPECT_EQ(consulta.codigo, 242);
    EXPECT_EQ(consulta.indicador, 0);
    EXPECT_EQ(banco_.Valor(0, 10103), "1");
    EXPECT_EQ(banco_.Valor(0, 10158), "17");
    EXPECT_EQ(banco_.Valor(0, 10102), "2");
    EXPECT_EQ(banco_.Valor(0, 10102, 1), kCMC7);
    EXPECT_EQ(banco_.Valor(0, 10102, 3), "SEQ_CB:2");
    EXPECT_EQ(banco_.Quantos(0, 10163), 0);

    // The payment: the count, the seven fields once per document, then the count and the cheque line.
    const auto& pagamento = banco_.pedidos[1];
    EXPECT_EQ(pagamento.codigo, 242);
    EXPECT_EQ(pagamento.indicador, 1);
    EXPECT_EQ(banco_.Valor(1, 10158), "17");
    EXPECT_EQ(banco_.Valor(1, 10102, 2), "2");
    EXPECT_EQ(banco_.Valor(1, 10102), "2");
    EXPECT_EQ(banco_.Valor(1, 10102, 1), kCMC7);
    EXPECT_EQ(banco_.Quantos(1, 10163), 2);
    EXPECT_EQ(banco_.Quantos(1, 10169), 2);
    EXPECT_EQ(banco_.Valor(1, 10163, 0), "15000");
    EXPECT_EQ(banco_.Valor(1, 10163, 1), "2500");
    EXPECT_EQ(banco_.Valor(1, 10168, 1), "83620000000000000000000000000000000000000000");
    EXPECT_EQ(banco_.Quantos(1, 10440), 0);

    EXPECT_EQ(Campo(1112), "2");
    EXPECT_EQ(Campo(1003), "17500");
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
}

TEST_F(Cheque, ChequeRecusadoNaConsultaNaoPaga) {
    cbwire::Resposta recusa;
    recusa.codigo = "05";
    recusa.mensagem = "CHEQUE RECUSADO";
    banco_.respostas.push_back(recusa);
    auto* f = Abre<TFrmPgt_Chq>();
    ASSERT_NE(f, nullptr);
    Escolhe(f, 2);
    Digita(f, kCMC7);
    EXPECT_TRUE(Caixas(Confirma(f)).empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.pedidos[0].indicador, 0);
    EXPECT_EQ(Campo(1009), "05");
    EXPECT_EQ(Campo(1027), "CHEQUE RECUSADO");
    EXPECT_TRUE(AuditTem("Erro: ConsultaCheque."));
    EXPECT_EQ(f->lbMensagem->text(), QStringLiteral("CHEQUE RECUSADO"));
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    EXPECT_TRUE(Resultado().has_value());
}

TEST_F(Cheque, FormularioDaConsultaSozinhoSoConsulta) {
    auto* f = Abre<TFrmConsultaChqTeste>();
    ASSERT_NE(f, nullptr);
    Escolhe(f, 0);
    Digita(f, kCMC7);
    EXPECT_TRUE(Caixas(Confirma(f)).empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.pedidos[0].indicador, 0);
    EXPECT_EQ(banco_.Valor(0, 10102, 3), "SEQ_CB:1");
}

// ---------------------------------------------------------------------------------------------------------
// Against the simulated bank of the default scenario

class ChequeNoBanco : public Cheque {
protected:
    void SetUp() override {
        Cheque::SetUp();
        VortaSimDefineServidorLocal(nullptr, nullptr);
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenario(QStringLiteral(CB_CENARIOS "/default.json"), &erro))
            << erro.toStdString();
        local_ = std::make_unique<cbserver::ConexaoEmProcesso>(servidor_);
        // A bill of the scenario with its own amount: R$ 150,75.
        DefineCampo(1003, 0, "15075");
        Documento(0, "15075", "23797150000000150750001234567890123456789012");
    }
    void TearDown() override {
        form_.reset();
        local_.reset();
        Cheque::TearDown();
    }

    std::vector<std::string> Recibo() const {
        std::vector<std::string> linhas;
        const int n = std::stoi(Campo(20128).value_or("0"));
        for (int i = 0; i < n; ++i)
            linhas.push_back(Campo(20018, i).value_or(""));
        return linhas;
    }

    // Types the first printed line of a cheque with this number and confirms it.
    TFrmPgt_Chq* PagaComCheque(const char* numero) {
        auto* f = Abre<TFrmPgt_Chq>();
        if (!f) return nullptr;
        Escolhe(f, 1);
        DigitaPrimeiraLinha(f, {"1", "1", "12", "3", "456", "7", numero, "0"});
        EXPECT_TRUE(Caixas(Confirma(f)).empty());
        return f;
    }

    cbserver::Servidor servidor_;
    std::unique_ptr<cbserver::ConexaoEmProcesso> local_;
};

TEST_F(ChequeNoBanco, ChequeAceitoPagaODocumento) {
    auto* f = PagaComCheque("89");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(servidor_.QtdePedidos(), 2);
    EXPECT_EQ(Campo(1009), "00");
    const auto recibo = Recibo();
    EXPECT_NE(std::find(recibo.begin(), recibo.end(), "CHEQUE: 00100100123000000045670000890"), recibo.end());
    // The bank's limit-restoration record of the paid document reaches the host's file.
    EXPECT_TRUE(LeArquivo(QStringLiteral("RestabeleceLimite.ini")).has_value());
    EXPECT_EQ(Campo(10262), "1");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
}

TEST_F(ChequeNoBanco, ChequeRecusadoNaoChegaAoPagamento) {
    auto* f = PagaComCheque("999999");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(servidor_.QtdePedidos(), 1);
    EXPECT_EQ(Campo(1009), "51");
    EXPECT_FALSE(Campo(1027).value_or("").empty());
    EXPECT_FALSE(LeArquivo(QStringLiteral("RestabeleceLimite.ini")).has_value());
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
}

} // namespace
