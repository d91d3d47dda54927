// Bill capture and bill query: the amount rounding, the document formatting, the choice of payment forms,
// the typed line's blocks and the bill query's amount rules, driven by keys as the operator drives them.
#include "Ambiente.h"
#include "Protocolo.h"
#include "frame/Lumomain.h"
#include "payment/Capturacodigobarras.h"
#include "payment/Consultacodigobarras.h"
#include "payment/Consultapagamento.h"
#include "payment/Estadocontas.h"
#include "protocol/ServicosResposta.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <deque>
#include <memory>
#include <string>

namespace {

using Consultapagamento::FormataValor;

// ------------------------------------------------------------------------------------------ pure helpers

TEST(FormataValor, RoundsAtTheThirdDecimalAndPadsShortOnes) {
    EXPECT_EQ(FormataValor(QStringLiteral("12,345"), true), QStringLiteral("12,35"));
    EXPECT_EQ(FormataValor(QStringLiteral("12,344"), true), QStringLiteral("12,34"));
    EXPECT_EQ(FormataValor(QStringLiteral("12,3"), true), QStringLiteral("12,30"));
    EXPECT_EQ(FormataValor(QStringLiteral("12,34"), false), QStringLiteral("12,34"));
    // The carry of the rounding crosses into the whole part.
    EXPECT_EQ(FormataValor(QStringLiteral("12,995"), true), QStringLiteral("13,00"));
    EXPECT_EQ(FormataValor(QStringLiteral("0,005"), false), QStringLiteral("0,01"));
    // "." is a decimal separator too; only the third decimal counts.
    EXPECT_EQ(FormataValor(QStringLiteral("7.3349"), true), QStringLiteral("7,33"));
}

TEST(FormataValor, WholeNumberGetsCommaOrMoneyFormat) {
    EXPECT_EQ(FormataValor(QStringLiteral("100"), true), QStringLiteral("100,00"));
    EXPECT_EQ(FormataValor(QStringLiteral("1234"), false), QStringLiteral("1.234,00"));
}

TEST(FormataCpfCnpj, GroupsElevenAndFourteenDigitsOnly) {
    using Capturacodigobarras::FormataCpfCnpj;
    EXPECT_EQ(FormataCpfCnpj(QStringLiteral("52998224725")), QStringLiteral("529.982.247-25"));
    EXPECT_EQ(FormataCpfCnpj(QStringLiteral(" 11222333000181 ")), QStringLiteral("11.222.333/0001-81"));
    EXPECT_EQ(FormataCpfCnpj(QStringLiteral("1234567890")), QStringLiteral("1234567890"));
    EXPECT_EQ(FormataCpfCnpj(QStringLiteral("")), QStringLiteral(""));
}

class FormaPagto : public ::testing::Test {
protected:
    void Define(const char* servidor, const char* permitidas) {
        Contas::ServACP.limpa();
        std::string a(16, '0');
        a += servidor;
        Contas::ServACP.atribui(a);
        std::copy_n(permitidas, 4, Lumomain::Forma_Pagto.begin());
    }
    std::string Formas() const {
        return std::string(Lumomain::Forma_Pagto.begin(), Lumomain::Forma_Pagto.end());
    }
};

TEST_F(FormaPagto, FirstCommonFormTakesTheServersFlags) {
    Define("0110", "1111");
    EXPECT_TRUE(TFrmCAP_Mod::SetaFormaPagto());
    EXPECT_EQ(Formas(), "0110");
    // Only the last form in common, and the server's flags replace the ones allowed before.
    Define("1001", "0011");
    EXPECT_TRUE(TFrmCAP_Mod::SetaFormaPagto());
    EXPECT_EQ(Formas(), "1001");
}

TEST_F(FormaPagto, NothingInCommonLeavesTheFormsAlone) {
    Define("1100", "0011");
    EXPECT_FALSE(TFrmCAP_Mod::SetaFormaPagto());
    EXPECT_EQ(Formas(), "0011");
    Define("", "1111"); // no reply: nothing enabled
    EXPECT_FALSE(TFrmCAP_Mod::SetaFormaPagto());
    EXPECT_EQ(Formas(), "1111");
}

TEST(ValidaBloco, ModuleFollowsTheValueIdentifierOfBlockOne) {
    using Capturacodigobarras::ValidaBloco;
    // Blocks of a real identifier-9 bill (module 11) and of an identifier-6 one (module 10).
    const QString onze = QStringLiteral("858900004609");
    EXPECT_TRUE(ValidaBloco(onze, onze));
    EXPECT_TRUE(ValidaBloco(onze, QStringLiteral("524601791605")));
    const QString dez = QStringLiteral("846700000017");
    EXPECT_TRUE(ValidaBloco(dez, QStringLiteral("435900240209")));
    // The same module-11 block under a module-10 identifier, or a boleto field, is refused.
    EXPECT_FALSE(ValidaBloco(dez, QStringLiteral("524601791605")));
    EXPECT_FALSE(ValidaBloco(QStringLiteral("0019000009"), QStringLiteral("524601791605")));
    EXPECT_TRUE(ValidaBloco(QStringLiteral("0019000009"), QStringLiteral("0019000009")));
}

// ------------------------------------------------------------------------------------------- capture

class Captura : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        Lumomain::IndiceAtual = 0;
        Lumomain::QtdeDocsConsultadosOK = 0;
        form_.reset(TFrmMod::Cria<TFrmCAP_CCB>(nullptr));
        ASSERT_NE(form_, nullptr);
        form_->show();
        ASSERT_TRUE(EsperaAtiva(form_.get()));
        QApplication::processEvents();
    }
    void TearDown() override {
        form_.reset();
        Ambiente::TearDown();
    }
    // Types the entry type "1" and Enter: the blocks come up.
    void Digitado() {
        ASSERT_EQ(form_->focusWidget(), form_->edTpEntrada);
        Digita(form_.get(), "1");
        Enter(form_.get());
        ASSERT_EQ(form_->focusWidget(), form_->ed_bloco1);
    }
    std::unique_ptr<TFrmCAP_CCB> form_;
};

TEST_F(Captura, FirstDigitEightLaysOutFourBlocksOfTwelve) {
    Digitado();
    auto* f = form_.get();
    EXPECT_FALSE(f->EdDoc->isVisible());
    Digita(f, "8");
    EXPECT_EQ(f->ed_bloco1->maxLength(), 12);
    EXPECT_EQ(f->ed_bloco2->maxLength(), 12);
    EXPECT_EQ(f->ed_bloco3->maxLength(), 12);
    EXPECT_TRUE(f->ed_bloco4_12->isVisible());
    EXPECT_FALSE(f->ed_bloco4_14->isVisible());
    EXPECT_FALSE(f->ed_digito->isVisible());
    // Starting again with another digit is a boleto: 10 + 11 + 11, the check digit and 14.
    Backspace(f, 1);
    Digita(f, "0");
    EXPECT_EQ(f->ed_bloco1->maxLength(), 10);
    EXPECT_EQ(f->ed_bloco2->maxLength(), 11);
    EXPECT_EQ(f->ed_bloco3->maxLength(), 11);
    EXPECT_TRUE(f->ed_digito->isVisible());
    EXPECT_TRUE(f->ed_bloco4_14->isVisible());
    EXPECT_FALSE(f->ed_bloco4_12->isVisible());
}

TEST_F(Captura, ModuleElevenCollectionPassesBlockByBlockIntoTheDocument) {
    Digitado();
    auto* f = form_.get();
    const std::string linha = "858900004609524601791605607593050865831483000010";
    Digita(f, linha.substr(0, 12));
    EXPECT_EQ(f->focusWidget(), f->ed_bloco2);
    Digita(f, linha.substr(12, 12));
    EXPECT_EQ(f->focusWidget(), f->ed_bloco3);
    Digita(f, linha.substr(24, 12));
    EXPECT_EQ(f->focusWidget(), f->ed_bloco4_12);
    Digita(f, linha.substr(36, 12));
    Enter(f);
    EXPECT_TRUE(f->EdDoc->isVisible());
    EXPECT_EQ(f->EdDoc->text(), QString::fromStdString(linha));
    EXPECT_EQ(f->focusWidget(), f->btConfirma);
}

TEST_F(Captura, WrongBlockIsClearedAndRefocusedWithItsMessage) {
    Digitado();
    auto* f = form_.get();
    // Boleto field 2 of the Banco do Brasil line with its check digit moved one up.
    Digita(f, "0019000009");
    ASSERT_EQ(f->focusWidget(), f->ed_bloco2);
    const auto r = FechaDialogos([&] { Digita(f, "01149718602"); });
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(r.vistos[0].texto, QString::fromUtf8("O segundo bloco está inválido.Favor Redigitá-lo!"));
    EXPECT_TRUE(f->ed_bloco2->text().isEmpty());
    EXPECT_EQ(f->ed_bloco1->text(), QStringLiteral("0019000009"));
    EXPECT_EQ(f->focusWidget(), f->ed_bloco2);
}

TEST_F(Captura, ShortFourthBlockOfABoletoIsPaddedToFourteen) {
    Digitado();
    auto* f = form_.get();
    // A boleto without due-date factor nor amount: block 4 all zeros, typed as "0".
    const std::string linha = "23790001080000000000000000000000200000000000000";
    ASSERT_TRUE(ValidaCodigoBarrasCompletoTitulo(linha.c_str()));
    Digita(f, linha.substr(0, 10));
    Digita(f, linha.substr(10, 11));
    Digita(f, linha.substr(21, 11));
    ASSERT_EQ(f->focusWidget(), f->ed_digito);
    Digita(f, "2");
    EXPECT_EQ(f->focusWidget(), f->ed_bloco4_14);
    Digita(f, "0");
    Enter(f);
    EXPECT_EQ(f->EdDoc->text(), QString::fromStdString(linha));
}

TEST_F(Captura, RepeatedDocumentIsRejectedAgainstAcceptedOnesOnly) {
    const std::string doc = "00190000090114971860168524522114675860000102656";
    DefineCampo(1041, 0, doc);
    DefineCampo(1121, 0, "Consulta pagamento OK");
    DefineCampo(1041, 1, "846700000017435900240209024050002435842210108119");
    DefineCampo(1121, 1, "Falha");
    DefineCampo(1041, 2, "846700000017435900240209024050002435842210108119");
    Lumomain::IndiceAtual = 2;
    // Equal to a refused document: not repeated.
    EXPECT_FALSE(form_->Verifica_Documento_Repetidos());
    DefineCampo(1041, 3, doc);
    Lumomain::IndiceAtual = 3;
    bool repetido = false;
    const auto r = FechaDialogos([&] { repetido = form_->Verifica_Documento_Repetidos(); });
    EXPECT_TRUE(repetido);
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(r.vistos[0].texto, QStringLiteral("Codigo de Barras Repetido"));
    EXPECT_EQ(Campo(1121, 3), "Codigo de Barras Repetido");
    EXPECT_EQ(Campo(1120, 3), "000000000000");
    EXPECT_EQ(Campo(1173, 3), "0");
}

TEST_F(Captura, DocumentsBeyondTheLimitAreMarkedUpToTheFirstEmptySlot) {
    Contas::ServACPP.atribui("00000020");
    EXPECT_EQ(TFrmCAP_Mod::QtdeMaximaDocumentos(), 2);
    Lumomain::QtdeDocsConsultadosOK = 1;
    EXPECT_FALSE(form_->Excede_Qdte_Max_Permitida());
    Lumomain::QtdeDocsConsultadosOK = 2;
    EXPECT_TRUE(form_->Excede_Qdte_Max_Permitida());
    for (int i = 0; i < 4; ++i)
        DefineCampo(1041, i, "8467000000" + std::to_string(i));
    Lumomain::IndiceAtual = 2;
    form_->Ajusta_Documentos_excedentes();
    EXPECT_EQ(Lumomain::IndiceAtual, 4);
    for (int i = 2; i < 4; ++i) {
        EXPECT_EQ(Campo(1121, i), "Excede a quantidade de pagamentos");
        EXPECT_EQ(Campo(1173, i), "0");
        EXPECT_EQ(Campo(1120, i), "000000000000");
    }
    EXPECT_EQ(Campo(1121, 1), std::nullopt);
    // A limit that is not a number is no room at all.
    Contas::ServACPP.atribui("00000XX0");
    Lumomain::QtdeDocsConsultadosOK = 0;
    EXPECT_TRUE(form_->Excede_Qdte_Max_Permitida());
}

// ------------------------------------------------------------------------------------------ bill query

// The query's service A: value, due date, the mode digits of total, value, additions, discount and date, and
// the fine and interest flags.
std::string ServicoA(const char* valor, const char* data, const char* modos, const char* flags = "000000") {
    std::string a = "0000";
    a += valor;
    a += data;
    a += "0";
    a += modos;
    a += flags;
    return a;
}

class Consulta : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        Lumomain::IndiceAtual = 0;
        Lumomain::QtdeDocsConsultadosOK = 0;
        Lumomain::iVeioServicoh45 = 0;
        Lumomain::IndiceDadosAdicionais = 0;
        Lumomain::DadosAdicionaisBoletoRegistradoContingencia.limpa();
        Contas::Limpa();
        DefineCampo(1040, 0, "0");
        DefineCampo(1041, 0, "846700000017435900240209024050002435842210108119");
    }
    void TearDown() override {
        form_.reset();
        Ambiente::TearDown();
    }
    TFrmCPG_CAP* Abre(const std::string& servicoA) {
        DefineCampo(20010, 0, servicoA);
        form_.reset(TFrmMod::Cria<TFrmCPG_CAP>(nullptr));
        EXPECT_NE(form_, nullptr);
        if (!form_) return nullptr;
        form_->show();
        EXPECT_TRUE(EsperaAtiva(form_.get()));
        QApplication::processEvents();
        return form_.get();
    }
    // Types the amount into the edit and leaves it with Enter; message boxes are recorded and closed.
    ResultadoDialogos Informa(QLineEdit* edit, const char* digitos) {
        // Focus changes reach the controls only while the window is active (a message box took it).
        EXPECT_TRUE(EsperaAtiva(form_.get()));
        edit->setFocus();
        edit->clear();
        Digita(form_.get(), digitos);
        return FechaDialogos([&] { Enter(form_.get()); });
    }
    std::unique_ptr<TFrmCPG_CAP> form_;
};

TEST_F(Consulta, ModesShowEnableOrHideTheServersValues) {
    // Total editable, value editable, additions read-only, discount editable, date not captured.
    auto* f = Abre(ServicoA("000000012345", "00000000", "11213"));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->lbTitulo->text(), QStringLiteral("Consulta Pagamento"));
    EXPECT_EQ(f->edValor->text(), QStringLiteral("123,45"));
    EXPECT_TRUE(f->edValor->isEnabled());
    EXPECT_FALSE(f->edAcrescimos->isEnabled());
    EXPECT_TRUE(f->edDesconto->isEnabled());
    EXPECT_TRUE(f->edPorcentagem->isEnabled());
    EXPECT_TRUE(f->edValorTotal->isEnabled());
    EXPECT_FALSE(f->edVencimento->isVisible());
    EXPECT_FALSE(f->EdDoc->isEnabled());
    EXPECT_EQ(f->EdDoc->text(), QStringLiteral("846700000017435900240209024050002435842210108119"));
    // Mode 2 on the date shows it read-only as dd/mm/yyyy.
    auto* g = Abre(ServicoA("000000012345", "20261231", "22222"));
    EXPECT_EQ(g->edVencimento->text(), QStringLiteral("31/12/2026"));
    EXPECT_FALSE(g->edVencimento->isEnabled());
    EXPECT_FALSE(g->edValor->isEnabled());
}

TEST_F(Consulta, DiscountUpToTheValueAndPercentageUpToAHundred) {
    auto* f = Abre(ServicoA("000000010000", "00000000", "11113"));
    ASSERT_NE(f, nullptr);
    // Equal to the value: accepted, 100%.
    auto r = Informa(f->edDesconto, "10000");
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_EQ(f->edDesconto->text(), QStringLiteral("100,00"));
    EXPECT_EQ(f->edPorcentagem->text(), QStringLiteral("100,00"));
    // One cent more: refused, both cleared, the discount asked again.
    r = Informa(f->edDesconto, "10001");
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(r.vistos[0].texto,
              QString::fromUtf8("O valor de Descontos excede o Valor Original,\ninforme novamente."));
    EXPECT_TRUE(f->edDesconto->text().isEmpty());
    EXPECT_TRUE(f->edPorcentagem->text().isEmpty());
    EXPECT_EQ(f->focusWidget(), f->edDesconto);
    // A third of the value: the percentage rounded at its third decimal.
    r = Informa(f->edDesconto, "3333");
    EXPECT_EQ(f->edPorcentagem->text(), QStringLiteral("33,33"));
    // 100% accepted and the discount becomes the value; 100,01% refused.
    r = Informa(f->edPorcentagem, "10000");
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_EQ(f->edDesconto->text(), QStringLiteral("100,00"));
    r = Informa(f->edPorcentagem, "10001");
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(r.vistos[0].texto,
              QString::fromUtf8("A porcentagem de Descontos excede 100%,\ninforme novamente."));
    // 12,5% of 100,00.
    r = Informa(f->edPorcentagem, "1250");
    EXPECT_EQ(f->edDesconto->text(), QStringLiteral("12,50"));
}

TEST_F(Consulta, ModeFourTotalIsTypedTwiceAndTheFirstEntryStays) {
    auto* f = Abre(ServicoA("000000001000", "00000000", "41113"));
    ASSERT_NE(f, nullptr);
    // The document value follows the total's mode: it is asked twice as well.
    auto r = Informa(f->edValor, "1000");
    EXPECT_TRUE(f->edValor->text().isEmpty());
    EXPECT_EQ(f->lbMensagem->text(), QStringLiteral("Informe novamente o Valor"));
    r = Informa(f->edValor, "1000");
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_EQ(f->edValor->text(), QStringLiteral("10,00"));
    r = Informa(f->edValorTotal, "1000");
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_TRUE(f->edValorTotal->text().isEmpty());
    EXPECT_EQ(f->focusWidget(), f->edValorTotal);
    EXPECT_EQ(f->lbMensagem->text(), QStringLiteral("Informe novamente o valor total"));
    r = Informa(f->edValorTotal, "1001");
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(r.vistos[0].texto,
              QString::fromUtf8("Os valores informados estão incorretos,\n\rinforme-os novamente"));
    EXPECT_TRUE(f->edValorTotal->text().isEmpty());
    // The reference is still the first 10,00.
    r = Informa(f->edValorTotal, "1000");
    EXPECT_TRUE(r.vistos.empty());
    EXPECT_EQ(f->edValorTotal->text(), QStringLiteral("10,00"));
}

TEST_F(Consulta, ZeroTotalIsRecomputedAndSentWithTheParts) {
    auto* f = Abre(ServicoA("000000010000", "20261231", "11113"));
    ASSERT_NE(f, nullptr);
    f->edAcrescimos->setText(QStringLiteral("250"));
    f->edDesconto->setText(QStringLiteral("1000"));
    f->edValorTotal->setText(QStringLiteral("0"));
    ASSERT_TRUE(f->GravaCamposHostlink());
    EXPECT_EQ(f->edValorTotal->text(), QStringLiteral("92,50"));
    EXPECT_EQ(Campo(10158), "32");
    EXPECT_EQ(Campo(10102, 0), "1");
    EXPECT_EQ(Campo(10102, 1), "9250");
    EXPECT_EQ(Campo(10102, 2), "10000");
    EXPECT_EQ(Campo(10102, 3), "250");
    EXPECT_EQ(Campo(10102, 4), "1000");
    // The date the operator did not capture is the server's, as ddmmyyyy.
    EXPECT_EQ(Campo(10102, 5), "31122026");
    EXPECT_EQ(std::string(Consultapagamento::NUMERO_DOCUMENTO.data()),
              "846700000017435900240209024050002435842210108119");
}

TEST_F(Consulta, FineAndInterestOfTwoRegisteredBoletosGiveTwoEntriesIn10440) {
    // Fine and interest captured (flags 1 and 1), no parties' dialog.
    for (int doc = 0; doc < 2; ++doc) {
        Lumomain::IndiceAtual = doc;
        DefineCampo(1041, doc, "0019000009011497186016852452211467586000010265" + std::to_string(6 + doc));
        auto* f = Abre(ServicoA("000000010000", "20261231", "11113", "110000"));
        ASSERT_NE(f, nullptr);
        f->edValorMulta->setText(QString::number(200 + doc));
        f->edValorJuros->setText(QString::number(35 + doc));
        ASSERT_TRUE(f->GravaCamposHostlink());
    }
    EXPECT_EQ(Lumomain::IndiceDadosAdicionais, 2);
    Lumomain::TrataPrefixoDADICPAGCB();
    EXPECT_EQ(Campo(10440), "01=200|35||||,02=201|36||||;");
}

TEST_F(Consulta, FineJoinsTheRecordThePartiesDialogOpened) {
    // The parties' dialog wrote record 1 for document 1: beneficiary and document number.
    auto& tabela = Lumomain::DadosAdicionaisBoletoRegistradoContingencia;
    const std::string registro = "01";
    std::copy_n("11222333000181", 14, tabela.dados.begin() + 2 + 26);
    std::copy_n("01", 2, tabela.dados.begin() + 2 + 80);
    std::copy_n(registro.begin(), 2, tabela.dados.begin());
    Lumomain::IndiceDadosAdicionais = 1;
    auto* f = Abre(ServicoA("000000010000", "20261231", "11113", "200000"));
    ASSERT_NE(f, nullptr);
    f->edValorMulta->setText(QStringLiteral("500"));
    ASSERT_TRUE(f->GravaCamposHostlink());
    EXPECT_EQ(Lumomain::IndiceDadosAdicionais, 1);
    Lumomain::TrataPrefixoDADICPAGCB();
    EXPECT_EQ(Campo(10440), "01=500||11222333000181|||;");
}

// ------------------------------------------------------------------------------------ refused bar-code query

// The bank answers every request with the next scripted reply.
struct BancoRecusa {
    std::deque<cbwire::Resposta> respostas;
    static int Atende(const char*, int, int, VortaSimRespondePedido responde, void* canal, void* contexto) {
        auto* b = static_cast<BancoRecusa*>(contexto);
        cbwire::Resposta r;
        r.codigo = "05";
        if (!b->respostas.empty()) {
            r = b->respostas.front();
            b->respostas.pop_front();
        }
        const std::string quadro = cbwire::CodificaResposta(r);
        responde(canal, quadro.data(), static_cast<int>(quadro.size()));
        return VORTASIM_SERVIDOR_RESPONDEU;
    }
};

class Recusa : public Captura {
protected:
    void SetUp() override {
        Captura::SetUp();
        VortaSimDefineServidorLocal(&BancoRecusa::Atende, &banco_);
    }
    void TearDown() override {
        VortaSimDefineServidorLocal(nullptr, nullptr);
        Captura::TearDown();
    }
    // Reads a bar code by scanner and confirms; message boxes get the actions given.
    ResultadoDialogos Consulta(std::vector<AcaoDialogo> acoes) {
        Digita(form_.get(), "0");
        Enter(form_.get());
        EXPECT_EQ(form_->focusWidget(), form_->EdDoc);
        Digita(form_.get(), "23797150000000150750001234567890123456789012");
        return FechaDialogos([&] { form_->btConfirma->click(); }, std::move(acoes));
    }
    BancoRecusa banco_;
};

TEST_F(Recusa, WithoutTextTheQueryFailsAndTheCallEnds) {
    const auto r = Consulta({});
    EXPECT_FALSE(r.prazoEsgotado);
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(r.vistos[0].texto, QStringLiteral("Falha na Consulta de Pagamento"));
    EXPECT_EQ(Campo(1121), "Falha na Consulta de Pagamento");
    EXPECT_EQ(Campo(1120), "000000000000");
    EXPECT_EQ(Campo(1173), "0");
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrOk);
    EXPECT_TRUE(Resultado().has_value());
}

TEST_F(Recusa, ServiceMTextFromItsSecondCharacterThenTheNextDocument) {
    cbwire::Resposta r;
    r.codigo = "26";
    r.servicos = {{'M', {"1TITULO JA PAGO@NAO RECEBER"}}};
    banco_.respostas.push_back(r);
    Contas::ServACPP.atribui("0000905"); // room for five documents
    // The refusal, then "another document?" answered Yes: the capture starts again at the next slot.
    const auto vistos = Consulta({Fecha(), [](QWidget* w) { Enter(w); }});
    EXPECT_FALSE(vistos.prazoEsgotado);
    ASSERT_EQ(vistos.vistos.size(), 2U);
    EXPECT_EQ(vistos.vistos[0].texto, QStringLiteral("TITULO JA PAGO\nNAO RECEBER"));
    EXPECT_EQ(vistos.vistos[1].texto, QStringLiteral("Gostaria de informar outro documento?"));
    EXPECT_EQ(Campo(1121, 0), "TITULO JA PAGO\nNAO RECEBER");
    EXPECT_EQ(Campo(1041, 0), "23797150000000150750001234567890123456789012");
    EXPECT_EQ(Lumomain::IndiceAtual, 1);
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrNone);
    EXPECT_TRUE(form_->EdDoc->text().isEmpty());
}

} // namespace
