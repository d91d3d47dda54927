// Withdrawals: which menu options the parameter records offer, the account key, the pre-fill and locking of
// the account and value fields, the order in which the account form refuses its fields, the security-code
// rule and what the card forms write for the request; and the simulated bank's answers to withdrawals.
#include "Ambiente.h"
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"
#include "frame/Contasaque.h"
#include "cash/Menusaque.h"
#include "cash/Saquebeneficioinss.h"
#include "cash/Saquecartaomagnetico.h"
#include "cash/Saquecomreciboretirada.h"
#include "frame/Lumomain.h"
#include "protocol/ServicosResposta.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The withdrawal record (h-record 10) with these five account-type flags.
std::string RegistroSaque(const char* flags) {
    return std::string("SAQUE                 810") + flags + "00000000000";
}

// The transaction-mode record (h-record 25, kept with its type) with this withdrawal code at 36.
std::string RegistroModo(const char* modo) {
    return std::string("25MODO TRANSACAO        805003003001") + modo +
           "000000001000000000003000003000000000";
}

// The general information (h-record 21) on this network.
std::string RegistroGeral(const char* rede) {
    return std::string("INFORMACOES GERAIS CB ") + rede + "23710000000000";
}

std::vector<std::string> Textos(const ResultadoDialogos& r) {
    std::vector<std::string> t;
    for (const auto& v : r.vistos)
        t.push_back(v.texto.toStdString());
    return t;
}

class Saque : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        Lumomain::GrupoPagto = QStringLiteral("3");
        Lumomain::ServicoHzinho_TipoContaAceitaSaque.atribui(RegistroSaque("11111"));
        Lumomain::ServicoHzinho_25_InformacaoModoTransacao.atribui(RegistroModo("014"));
        Lumomain::ServicoHzinho_Informacoes_Gerais_CB.atribui(RegistroGeral("805"));
        Lumomain::bHabilitaTratamentoToken = false;
    }
    void TearDown() override {
        Lumomain::ServicoHzinho_TipoContaAceitaSaque.limpa();
        Lumomain::ServicoHzinho_25_InformacaoModoTransacao.limpa();
        Lumomain::ServicoHzinho_Informacoes_Gerais_CB.limpa();
        Lumomain::bHabilitaTratamentoToken = false;
        Ambiente::TearDown();
    }

    template <class T> std::unique_ptr<T> Form() {
        std::unique_ptr<T> f(TFrmMod::Cria<T>(nullptr));
        EXPECT_NE(f, nullptr);
        if (f) f->IniciaCamposForm();
        return f;
    }
};

// ---------------------------------------------------------------------------------------------------------
// Menu

TEST(MenuSaque, OpcoesPelosBitsDoModoEPelaContaBeneficio) {
    struct Caso {
        int modo;
        bool inss;
        std::vector<bool> esperadas; // options 1 to 4
    };
    const std::vector<Caso> casos{
        {-1, false, {false, true, true, true}}, // not a number: every option but the benefit one
        {8, false, {false, false, false, true}},
        {8, true, {true, false, false, true}},
        {14, true, {true, true, true, true}},
        {2, false, {false, true, false, false}},
        {4, false, {false, false, true, false}},
        {1, false, {false, false, false, false}}, // bit 1 offers nothing here
        {0, true, {true, false, false, false}},
    };
    for (const auto& c : casos) {
        for (int opcao = 1; opcao <= 4; ++opcao)
            EXPECT_EQ(Menusaque::OpcaoHabilitada(opcao, c.modo, c.inss), c.esperadas[size_t(opcao - 1)])
                << "modo " << c.modo << " inss " << c.inss << " opcao " << opcao;
    }
    EXPECT_FALSE(Menusaque::OpcaoHabilitada(5, -1, true));
}

TEST_F(Saque, MenuLeOsRegistros25E10) {
    const auto habilitadas = [] {
        std::unique_ptr<TFrmSaque_Mnu> menu(TFrmMod::Cria<TFrmSaque_Mnu>(nullptr));
        std::vector<bool> r;
        for (int i = 0; i < 4; ++i)
            r.push_back(menu->spOpcao[size_t(i)]->isEnabled());
        EXPECT_FALSE(menu->spOpcao[4]->isVisibleTo(menu.get()));
        return r;
    };
    EXPECT_EQ(habilitadas(), (std::vector<bool>{true, true, true, true}));
    Lumomain::ServicoHzinho_25_InformacaoModoTransacao.atribui(RegistroModo("008"));
    EXPECT_EQ(habilitadas(), (std::vector<bool>{true, false, false, true}));
    Lumomain::ServicoHzinho_TipoContaAceitaSaque.atribui(RegistroSaque("11011"));
    EXPECT_EQ(habilitadas(), (std::vector<bool>{false, false, false, true}));
    Lumomain::ServicoHzinho_25_InformacaoModoTransacao.atribui(RegistroModo("0A8"));
    EXPECT_EQ(habilitadas(), (std::vector<bool>{false, true, true, true}));
}

// ---------------------------------------------------------------------------------------------------------
// Account key and the typed account

TEST(ChaveConta, VinteETresCaracteresComZerosAEsquerda) {
    EXPECT_EQ(Contasaque::ChaveConta(QStringLiteral("237"), QStringLiteral("12"), QStringLiteral("1"),
                                     QStringLiteral("98765"), QStringLiteral("1")),
              QStringLiteral("23700121000000009876501"));
    // No C1: a blank holds its place.
    const QString semC1 = Contasaque::ChaveConta(QStringLiteral("1"), QStringLiteral("4321"), QString(),
                                                 QStringLiteral("1234567890123"), QStringLiteral("12"));
    EXPECT_EQ(semC1, QStringLiteral("0014321 123456789012312"));
    EXPECT_EQ(semC1.size(), 23);
    EXPECT_EQ(semC1.at(7), QLatin1Char(' '));
}

TEST_F(Saque, ContaPreenchidaPeloHostFicaTravada) {
    // The bank comes from the general information; C1 is not asked for.
    DefineCampo(10154, 0, "237");
    DefineCampo(10154, 1, "0");
    DefineCampo(1029, 0, "341"); // the bank of 10154 wins
    DefineCampo(1030, 0, "0012");
    DefineCampo(1031, 0, "7");
    DefineCampo(1032, 0, "98765");
    auto f = Form<TFrmSaque_ReciboRetirada>();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->EdBanco->text(), QStringLiteral("237"));
    EXPECT_FALSE(f->EdBanco->isEnabled());
    EXPECT_EQ(f->EdAgencia->text(), QStringLiteral("0012"));
    EXPECT_FALSE(f->EdAgencia->isEnabled());
    EXPECT_TRUE(f->EdC1->text().isEmpty());
    EXPECT_FALSE(f->EdC1->isEnabled());
    EXPECT_FALSE(f->EdConta->isEnabled());
    EXPECT_TRUE(f->EdDigito->isEnabled());
    // The switches are used once.
    EXPECT_EQ(Campo(10154), std::nullopt);
    f->EdDigito->setText(QStringLiteral("3"));
    EXPECT_EQ(f->ChaveConta(), QStringLiteral("2370012 000000009876503"));
}

TEST_F(Saque, ContaSemPreenchimentoFicaAberta) {
    DefineCampo(10154, 0, " ");
    DefineCampo(10154, 1, "1");
    DefineCampo(1029, 0, "341");
    DefineCampo(1031, 0, "5");
    auto f = Form<TFrmSaque_ReciboRetirada>();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->EdBanco->text(), QStringLiteral("341"));
    EXPECT_FALSE(f->EdBanco->isEnabled());
    EXPECT_TRUE(f->EdAgencia->isEnabled());
    EXPECT_EQ(f->EdC1->text(), QStringLiteral("5"));
    EXPECT_FALSE(f->EdC1->isEnabled());
    EXPECT_TRUE(f->EdConta->isEnabled());
    // Without 1029 the bank is typed.
    DefineCampo(10154, 1, "1");
    ASSERT_EQ(HostlinkGravaCampo(1029, 0, "", 0), HL_OK);
    f->IniciaCamposForm();
    EXPECT_TRUE(f->EdBanco->isEnabled());
}

TEST_F(Saque, ReciboValidaNaOrdemDaTela) {
    DefineCampo(10154, 1, "1");
    auto f = Form<TFrmSaque_ReciboRetirada>();
    ASSERT_TRUE(f);
    std::vector<std::string> mensagens;
    const auto valida = [&](bool esperado) {
        bool ok = !esperado;
        const auto r = FechaDialogos([&] { ok = f->ValidaCamposForm(); });
        EXPECT_EQ(ok, esperado);
        EXPECT_FALSE(r.prazoEsgotado);
        for (const auto& t : Textos(r))
            mensagens.push_back(t);
        return ok;
    };
    valida(false);
    f->edValor->setText(QStringLiteral("350,00"));
    valida(false);
    f->edNumRecibo->setText(QStringLiteral("4455667788"));
    valida(false);
    f->cbTipoConta->setCurrentIndex(0);
    valida(false);
    f->EdBanco->setText(QStringLiteral("237"));
    valida(false);
    f->EdAgencia->setText(QStringLiteral("12"));
    valida(false);
    f->EdC1->setText(QStringLiteral("1"));
    valida(false);
    f->EdConta->setText(QStringLiteral("000"));
    valida(false);
    f->EdConta->setText(QStringLiteral("98765"));
    valida(false);
    f->EdDigito->setText(QStringLiteral("1"));
    valida(true);
    const std::vector<std::string> esperadas{
        "Valor de transação inválido", "Número de Recibo Inválido",  "Tipo de Conta Inválida",
        "Número do banco inválido",    "Número de Agência inválido", "Número de Digíto inválido",
        "Número de Conta inválido",    "Número de Conta inválido",   "Número de Digíto inválido"};
    EXPECT_EQ(mensagens, esperadas);
    EXPECT_TRUE(f->GravaCamposHostlink());
    EXPECT_EQ(Campo(10102, 1), "23700121000000009876501");
    EXPECT_EQ(Campo(10155), "23700121000000009876501");
    EXPECT_EQ(Campo(10102, 2), "4455667788");
    EXPECT_EQ(Campo(10102), "01");
    EXPECT_EQ(Campo(10158), "20");
    EXPECT_EQ(Campo(1003), "35000");
}

// ---------------------------------------------------------------------------------------------------------
// Value forms

TEST_F(Saque, ValorDoHostMostradoETravado) {
    DefineCampo(1003, 0, "12345");
    auto cmag = Form<TFrmSaque_CMag>();
    ASSERT_TRUE(cmag);
    EXPECT_EQ(cmag->edValor->text(), QStringLiteral("123,45"));
    EXPECT_FALSE(cmag->edValor->isEnabled());

    // The receipt form takes a zero value as none.
    DefineCampo(1003, 0, "000");
    auto recibo = Form<TFrmSaque_ReciboRetirada>();
    ASSERT_TRUE(recibo);
    EXPECT_TRUE(recibo->edValor->isEnabled());
    ASSERT_EQ(HostlinkGravaCampo(1003, 0, "", 0), HL_OK);
    cmag->IniciaCamposForm();
    EXPECT_TRUE(cmag->edValor->isEnabled());
    EXPECT_TRUE(cmag->edValor->text().isEmpty());
}

TEST_F(Saque, CartaoMagneticoNuncaOfereceContaBeneficio) {
    auto f = Form<TFrmSaque_CMag>();
    ASSERT_TRUE(f);
    QStringList itens;
    for (int i = 0; i < f->cbTipoConta->count(); ++i)
        itens << f->cbTipoConta->itemText(i);
    EXPECT_EQ(itens, (QStringList{U("Conta Corrente"), U("Conta Poupança"), U("Conta Salário"),
                                  U("Conta Empresa")}));
    EXPECT_EQ(f->cbTipoConta->currentIndex(), -1);
    // Only what the record accepts, in its order.
    Lumomain::ServicoHzinho_TipoContaAceitaSaque.atribui(RegistroSaque("01101"));
    f->IniciaCamposForm();
    EXPECT_EQ(f->cbTipoConta->count(), 2);
    EXPECT_EQ(f->cbTipoConta->itemText(0), U("Conta Poupança"));
    EXPECT_EQ(f->cbTipoConta->itemText(1), U("Conta Empresa"));
}

TEST_F(Saque, CodigoDeSegurancaRecusadoEmSilencio) {
    DefineCampo(1003, 0, "5000");
    auto f = Form<TFrmSaque_CMag>();
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->EdCSeg->isVisibleTo(f.get()));
    f->cbTipoConta->setCurrentIndex(0);
    for (const char* codigo : {"0", "1", "123", "12345", "12", "", " 1 "}) {
        f->EdCSeg->setText(QLatin1String(codigo));
        bool ok = false;
        const auto r = FechaDialogos([&] { ok = f->ValidaCamposForm(); });
        EXPECT_TRUE(r.vistos.empty()) << codigo;
        const std::string c(codigo);
        EXPECT_EQ(ok, c != "12" && !c.empty()) << codigo;
    }
}

TEST_F(Saque, CodigoDeSegurancaSegueRedeTokenEChip) {
    // Network 805 without tokens: both card forms ask for it.
    auto cmag = Form<TFrmSaque_CMag>();
    auto inss = Form<TFrmSaque_INSS>();
    ASSERT_TRUE(cmag && inss);
    EXPECT_TRUE(cmag->EdCSeg->isVisibleTo(cmag.get()));
    EXPECT_TRUE(inss->EdCSeg->isVisibleTo(inss.get()));
    EXPECT_FALSE(inss->cbTipoConta->isVisibleTo(inss.get()));
    // With tokens the benefit card never asks; a card not read from a chip still does.
    Lumomain::bHabilitaTratamentoToken = true;
    cmag->IniciaCamposForm();
    inss->IniciaCamposForm();
    EXPECT_TRUE(cmag->EdCSeg->isVisibleTo(cmag.get()));
    EXPECT_FALSE(inss->EdCSeg->isVisibleTo(inss.get()));
    Lumomain::bHabilitaTratamentoToken = false;
    Lumomain::ServicoHzinho_Informacoes_Gerais_CB.atribui(RegistroGeral("810"));
    inss->IniciaCamposForm();
    EXPECT_FALSE(inss->EdCSeg->isVisibleTo(inss.get()));
}

TEST_F(Saque, CartaoMagneticoGravaCartaoCodigoEModalidade) {
    auto f = Form<TFrmSaque_CMag>();
    ASSERT_TRUE(f);
    f->edValor->setText(QStringLiteral("100,00"));
    f->cbTipoConta->setCurrentIndex(1);
    f->EdCSeg->setText(QStringLiteral("123"));
    // Without the card read's data the request cannot be written.
    EXPECT_FALSE(f->GravaCamposHostlink());
    const std::string trilha = "5067220000123458=29121010000000000000";
    DefineCampo(10109, 0, trilha);
    ASSERT_TRUE(f->GravaCamposHostlink());
    // Compared without printing: card data stay out of the test's output.
    EXPECT_TRUE(Campo(10104) == trilha);
    EXPECT_EQ(Campo(10158), "18");
    EXPECT_EQ(Campo(10103), "3");
    EXPECT_EQ(Campo(10102), "02");
    EXPECT_EQ(Campo(1003), "10000");
    EXPECT_TRUE(Campo(10149) == "123");
    EXPECT_EQ(f->EdCSeg->text(), QStringLiteral("***"));
    // A hidden code is not sent.
    f->EdCSeg->hide();
    ASSERT_TRUE(f->GravaCamposHostlink());
    EXPECT_TRUE(Campo(10149).value_or("").empty());
}

TEST_F(Saque, BeneficioINSSNaoEnviaTipoDeConta) {
    DefineCampo(10102, 0, "01");
    DefineCampo(10109, 0, "6362970000001234560=31121010000000000000");
    auto f = Form<TFrmSaque_INSS>();
    ASSERT_TRUE(f);
    f->edValor->setText(QStringLiteral("50,00"));
    f->EdCSeg->setText(QStringLiteral("0"));
    bool ok = false;
    const auto r = FechaDialogos([&] { ok = f->ValidaCamposForm(); });
    EXPECT_TRUE(ok);
    EXPECT_TRUE(r.vistos.empty());
    ASSERT_TRUE(f->GravaCamposHostlink());
    EXPECT_EQ(Campo(10102), "");
    EXPECT_EQ(Campo(10158), "16");
    EXPECT_TRUE(Campo(10149) == "0");
}

// ---------------------------------------------------------------------------------------------------------
// The simulated bank

using Resposta = std::optional<cbwire::Resposta>;

// A withdrawal of group 3 as the forms send it: the operation, the value and the form's own fields.
Resposta PedeSaque(cbserver::Servidor& s, const std::string& operacao, const std::string& valor,
                   std::vector<cbwire::Item> proprios) {
    cbwire::Pedido p;
    p.codigo = 242;
    p.indicador = 1;
    p.itens = {Item(0, ""), Item(10171, ""), Item(10103, "3"), Item(10158, operacao), Item(1003, valor)};
    p.itens.insert(p.itens.end(), proprios.begin(), proprios.end());
    return cbwire::DecodificaResposta(s.Atende(cbwire::CodificaPedido(p)));
}

std::string Codigo(const Resposta& r) {
    return r ? r->codigo : "sem resposta";
}

class ServidorSaque : public ::testing::Test {
protected:
    void SetUp() override {
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenario(QStringLiteral(CB_CENARIOS "/saque.json"), &erro))
            << erro.toStdString();
    }
    // The card data the magnetic-card form copies from 10109: the track of the card read.
    Resposta Cartao(const std::string& dados, const std::string& tipo, const std::string& valor,
                    const std::string& codigo = "123") {
        return PedeSaque(
            servidor_, "18", valor,
            {Item(10104, dados), Item(10146, "0123456789ABCDEF"), Item(10102, tipo), Item(10149, codigo)});
    }
    cbserver::Servidor servidor_;
};

TEST_F(ServidorSaque, SaqueComCartaoBaixaOSaldoAteFaltar) {
    // Balance 1.500,00 on the stripe card's account, which answers to types 01 and 02.
    auto r = Cartao("5067220000123458=2912101", "01", "80000");
    EXPECT_EQ(Codigo(r), "00");
    ASSERT_TRUE(r);
    ASSERT_EQ(r->servicos.size(), 1u);
    const auto& linhas = r->servicos.front().second;
    EXPECT_EQ(linhas.front(), "SAQUE COM CARTAO");
    EXPECT_NE(std::find(linhas.begin(), linhas.end(), Latin1("VALOR: R$ 800,00")), linhas.end());
    EXPECT_EQ(Codigo(Cartao("5067220000123458=2912101", "02", "80000")), "51"); // 700,00 left
    EXPECT_EQ(Codigo(Cartao("5067220000123458=2912101", "02", "70000")), "00");
    EXPECT_EQ(Codigo(Cartao("5067220000123458=2912101", "02", "1000")), "51");
    // The account does not answer to a salary account; a stripe card without its code; no PIN.
    EXPECT_EQ(Codigo(Cartao("5067220000678907=3006201", "04", "1000")), "00");
    EXPECT_EQ(Codigo(Cartao("5067220000678907=3006201", "05", "1000")), "12");
    EXPECT_EQ(Codigo(Cartao("5067220000555550=2910101", "01", "1000", "")), "12");
    EXPECT_EQ(Codigo(PedeSaque(servidor_, "18", "1000",
                               {Item(10104, "5067220000678907=3006201"), Item(10102, "01")})),
              "55");
    // Limits of one withdrawal, and a card of another network.
    EXPECT_EQ(Codigo(Cartao("5067220000678907=3006201", "01", "999")), "61");
    EXPECT_EQ(Codigo(Cartao("5067220000678907=3006201", "01", "200001")), "61");
    EXPECT_EQ(Codigo(Cartao("5067220000678907=3006201", "01", "0")), "13");
    EXPECT_EQ(Codigo(Cartao("4174000012345676=2808201", "01", "1000")), "57");
}

TEST_F(ServidorSaque, BeneficioSoComCartaoDeBeneficio) {
    const auto inss = [&](const std::string& dados) {
        return Codigo(PedeSaque(servidor_, "16", "5000",
                                {Item(10104, dados), Item(10146, "0123456789ABCDEF"), Item(10102, "")}));
    };
    EXPECT_EQ(inss("6362970000001234560=3112101"), "00");
    EXPECT_EQ(inss("5067220000123458=2912101"), "57");
    EXPECT_EQ(inss("0000000000000000=0000000"), "14");
}

TEST_F(ServidorSaque, ReciboPagaUmaVezComSuaContaESeuValor) {
    const auto recibo = [&](const std::string& numero, const std::string& chave, const std::string& valor) {
        return Codigo(PedeSaque(servidor_, "20", valor,
                                {Item(10102, numero, 2), Item(10102, "01"), Item(10102, chave, 1)}));
    };
    const std::string chave = "23700121000000009876501";
    EXPECT_EQ(recibo("4455667788", "23700121000000009876502", "35000"), "12");
    EXPECT_EQ(recibo("4455667788", chave, "35001"), "13");
    EXPECT_EQ(recibo("4455667789", chave, "35000"), "12");
    EXPECT_EQ(recibo("4455667788", chave, "35000"), "00");
    EXPECT_EQ(recibo("4455667788", chave, "35000"), "12");
}

TEST_F(ServidorSaque, ChequeRecusadoPelaLista) {
    const auto cheque = [&](const std::string& linha) {
        return Codigo(PedeSaque(
            servidor_, "19", "5000",
            {Item(10102, "2"), Item(10102, linha, 1), Item(0, "01"), Item(10301, ""), Item(10301, "", 1)}));
    };
    EXPECT_EQ(cheque("237033260180000095500040112345"), "00");
    EXPECT_EQ(cheque("237033260180999999500040112345"), "51");
    EXPECT_EQ(cheque("2370332601"), "12");
}

TEST(ServidorSaqueCenario, SoATrilhaIdentificaOCartao) {
    // Two cards with the same expiry and service code: the number in the track tells them apart, and a
    // number the scenario does not hold is no card at all.
    const QByteArray json = R"({"cartoes": [
        {"numero": "5067220000123458", "validade": "2912", "conta": "0001 1"},
        {"numero": "5067220000678907", "validade": "2912", "conta": "0001 1"}],
      "saques": {"contas": [{"conta": "0001 1", "tipos": ["01"], "saldo": "100000"}]}})";
    cbserver::Servidor s;
    QString erro;
    ASSERT_TRUE(s.CarregaCenarioJson(json, QString(), &erro)) << erro.toStdString();
    const auto saque = [&](const std::string& dados) {
        return Codigo(PedeSaque(
            s, "18", "1000",
            {Item(10104, dados), Item(10146, "0123456789ABCDEF"), Item(10102, "01"), Item(10149, "0")}));
    };
    EXPECT_EQ(saque("5067220000123458=2912101"), "00");
    EXPECT_EQ(saque("5067220000678907=2912101"), "00");
    EXPECT_EQ(saque("5067220000999991=2912101"), "14");
    EXPECT_EQ(saque("2912101M"), "14");
    // The same operation outside group 3 is a bill settlement, not a withdrawal.
    cbwire::Pedido p;
    p.codigo = 242;
    p.itens = {Item(10103, "1"), Item(10158, "18"), Item(1003, "1000")};
    const auto r = cbwire::DecodificaResposta(s.Atende(cbwire::CodificaPedido(p)));
    ASSERT_TRUE(r);
    EXPECT_NE(r->mensagem, Latin1("Saque efetuado"));
}

} // namespace
