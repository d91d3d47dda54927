// Balance and statement of a prepaid card: the simulated bank's answers to operations 12 and 13 of group 7,
// and the two dialogs driven as the operator and the PIN pad drive them (the period the host supplies, the
// dates refused, the request the bank receives, the card or the PIN that fails and what the host is told).
#include "Ambiente.h"
#include "BancoRoteirizado.h"
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"
#include "frame/Lumomain.h"
#include "frame/Menumodelolumo.h"
#include "host/Host.h"
#include "prepaid/Consultacartaoprepago.h"
#include "prepaid/Consultaextratocartaoprepago.h"
#include "protocol/ServicosResposta.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// ------------------------------------------------------------------------------------------------ the bank

constexpr char kChip[] = "6058001234567890";
constexpr char kTarja[] = "6058009876543210";
constexpr char kDebito[] = "5067220000123458";

class ServidorPrePago : public ::testing::Test {
protected:
    void SetUp() override {
        QString erro;
        ASSERT_TRUE(
            servidor_.CarregaCenario(QStringLiteral(CB_CENARIOS "/cartao_prepago_consultas.json"), &erro))
            << erro.toStdString();
    }
    // A request as the dialogs send it: group 7, the operation, the card's track and its PIN block.
    cbwire::Resposta Pede(const char* operacao, const std::string& cartao, const std::string& inicio = {},
                          const std::string& fim = {}, const char* grupo = "7",
                          const char* bloco = "A1B2C3D4") {
        cbwire::Pedido p;
        p.codigo = 242;
        p.itens = {Item(0, ""),
                   Item(10171, ""),
                   Item(10103, grupo),
                   Item(10158, operacao),
                   Item(10104, cartao + "=3012101"),
                   Item(10146, bloco),
                   Item(1283, inicio),
                   Item(1284, fim)};
        const auto r = cbwire::DecodificaResposta(servidor_.Atende(cbwire::CodificaPedido(p)));
        EXPECT_TRUE(r.has_value());
        return r.value_or(cbwire::Resposta{});
    }
    static std::vector<std::string> Recibo(const cbwire::Resposta& r) {
        for (const auto& [letra, linhas] : r.servicos)
            if (letra == 'I') return linhas;
        return {};
    }
    static bool Tem(const std::vector<std::string>& linhas, const std::string& linha) {
        return std::find(linhas.begin(), linhas.end(), linha) != linhas.end();
    }
    cbserver::Servidor servidor_;
};

TEST_F(ServidorPrePago, SaldoDoCartaoNoTextoENoReciboComONumeroMascarado) {
    const auto r = Pede("12", kChip);
    EXPECT_EQ(r.codigo, "00");
    EXPECT_EQ(r.mensagem, Latin1("Saldo disponível: R$ 258,90"));
    const auto recibo = Recibo(r);
    ASSERT_GE(recibo.size(), 2u);
    EXPECT_TRUE(Tem(recibo, "CARTAO: ************7890"));
    EXPECT_TRUE(Tem(recibo, "SALDO DISPONIVEL: R$ 258,90"));
    EXPECT_EQ(recibo.back().rfind("NSU: ", 0), 0u);
    for (const auto& l : recibo)
        EXPECT_EQ(l.find(kChip), std::string::npos) << "whole card number on the receipt";
    // Every approval takes the next sequence number.
    EXPECT_NE(Recibo(Pede("12", kTarja)).back(), recibo.back());
}

TEST_F(ServidorPrePago, CartaoDesconhecidoSemSenhaOuForaDoGrupoRecusados) {
    EXPECT_EQ(Pede("12", kDebito).codigo, "14");
    EXPECT_EQ(Pede("13", "6058000000000000", "01112025", "30112025").codigo, "14");
    EXPECT_EQ(Pede("12", kChip, {}, {}, "7", "").codigo, "55");
    EXPECT_EQ(Pede("13", kChip, "01112025", "30112025", "7", "").codigo, "55");
    // Operation 12 of another group is not the prepaid balance.
    EXPECT_EQ(Pede("12", kChip, {}, {}, "1").codigo, "57");
    // A scenario without the prepaid accounts still loads; the query says what is missing.
    ASSERT_TRUE(servidor_.CarregaCenarioJson(
        R"({"cartoes": [{"numero": "6058001234567890", "validade": "3012"}]})", QStringLiteral(".")));
    const auto r = Pede("12", kChip);
    EXPECT_EQ(r.codigo, "57");
    EXPECT_NE(r.mensagem.find(Latin1("pré-pago")), std::string::npos);
}

TEST_F(ServidorPrePago, ExtratoListaOsLancamentosDoPeriodo) {
    const auto r = Pede("13", kChip, "01112025", "20112025");
    EXPECT_EQ(r.codigo, "00");
    const auto recibo = Recibo(r);
    EXPECT_TRUE(Tem(recibo, "PERIODO: 01/11/2025 A 20/11/2025"));
    EXPECT_TRUE(Tem(recibo, "03/11 CARGA R$ 500,00"));
    EXPECT_TRUE(Tem(recibo, "10/11 SAQUE -R$ 200,00"));
    // Outside the period.
    EXPECT_FALSE(Tem(recibo, "21/11 COMPRA MERCADO -R$ 41,10"));
    EXPECT_TRUE(Tem(recibo, "SALDO DISPONIVEL: R$ 258,90"));
    // Both ends belong to the period.
    EXPECT_TRUE(Tem(Recibo(Pede("13", kChip, "21112025", "05122025")), "05/12 TARIFA -R$ 15,00"));
    EXPECT_TRUE(Tem(Recibo(Pede("13", kTarja, "01112025", "30112025")), "SEM LANCAMENTOS NO PERIODO"));
}

TEST_F(ServidorPrePago, ExtratoComPeriodoInvalidoRecusado) {
    const std::string amanha =
        QDate::currentDate().addDays(1).toString(QStringLiteral("ddMMyyyy")).toStdString();
    const std::string hoje = QDate::currentDate().toString(QStringLiteral("ddMMyyyy")).toStdString();
    for (const auto& [inicio, fim] :
         std::vector<std::pair<std::string, std::string>>{{"30112025", "01112025"}, // start after end
                                                          {"31022025", "10032025"}, // no such day
                                                          {"011125", "301125"},     // short
                                                          {"", "30112025"},
                                                          {"01012025", "01042025"}, // 90 days
                                                          {hoje, amanha}}) {
        const auto r = Pede("13", kChip, inicio, fim);
        EXPECT_EQ(r.codigo, "12") << inicio << " " << fim;
        EXPECT_TRUE(Recibo(r).empty());
    }
    EXPECT_EQ(Pede("13", kChip, "01012025", "31032025").codigo, "00") << "89 days";
}

// --------------------------------------------------------------------------------------------- the dialogs

constexpr char kPeriodoInicio[] = "01112025";
constexpr char kPeriodoFim[] = "30112025";

// A menu of one option, as the prepaid-card menu calls the queries.
class MenuTeste : public TFrmMnu_Mod {
public:
    explicit MenuTeste(QWidget* pai);
    bool Nada() { return true; }
};

constexpr TFrmMnu_Mod::Opcao<MenuTeste> kOpcoesTeste[] = {
    {"Saldo", {}, Menumodelolumo::QualquerModo, &MenuTeste::Nada},
};

MenuTeste::MenuTeste(QWidget* pai)
    : TFrmMnu_Mod(pai, QStringLiteral("FrmMenuTeste"), nullptr, kOpcoesTeste) {}

class ConsultasPrePago : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        Lumomain::GrupoPagto = QStringLiteral("7");
        Lumomain::bPinpadCBAberto = false;
        Lumomain::VERSAO_DO_VORTA_CB.clear();
        // The prepaid sub-functions' record: network 805 at 22.
        Lumomain::ServicoHzinho_41_ConsultaSubFuncoesHabilitadasCartaoPrePago.atribui(
            "41CARTAO PRE PAGO       80511111");
        DefineCampo(10103, 0, "7");
        VortaSimDefineServidorLocal(&BancoRoteirizado::Atende, &banco_);
        menu_.reset(TFrmMod::Cria<MenuTeste>(nullptr));
        ASSERT_NE(menu_, nullptr);
    }
    void TearDown() override {
        menu_.reset();
        VortaSimDefineServidorLocal(nullptr, nullptr);
        Ambiente::TearDown();
    }
    static void Cartao(const char* pin = "1234") {
        VortaSimPinpadApresentaCartao(
            VortaSimPinpadAdicionaCartao(kChip, "", "3012", "101", VORTASIM_CARTAO_MAGNETICO, "805"));
        VortaSimPinpadDefineSenha(pin);
    }
    void Aprova() {
        cbwire::Resposta r;
        r.codigo = "00";
        r.mensagem = "Extrato emitido";
        banco_.respostas.push_back(r);
    }
    // The balance notice runs by itself: no key is typed.
    void ConsultaSaldo() {
        const auto vistos =
            FechaDialogos([&] { Consultacartaoprepago::ExecutaConsultaSaldo(menu_.get()); }, {Nada()});
        EXPECT_FALSE(vistos.prazoEsgotado);
    }
    // The host never sees the card number in its result file.
    void ResultadoSemCartao() const {
        const auto resultado = Resultado();
        ASSERT_TRUE(resultado.has_value());
        EXPECT_EQ(resultado->find(kChip), std::string::npos);
    }
    BancoRoteirizado banco_;
    std::unique_ptr<MenuTeste> menu_;
};

// ---- Balance

TEST_F(ConsultasPrePago, SaldoLeCartaoESenhaEEnviaAOperacao12) {
    Cartao();
    ConsultaSaldo();
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 10158), "12");
    EXPECT_EQ(banco_.Valor(0, 10103), "7");
    EXPECT_TRUE(banco_.Preenchido(0, 10104));
    EXPECT_TRUE(banco_.Preenchido(0, 10146));
    EXPECT_EQ(Campo(10112), "805");
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_EQ(menu_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    ResultadoSemCartao();
}

TEST_F(ConsultasPrePago, SaldoSemCartaoOuSemSenhaNadaEnviaEEncerra) {
    // No card presented: the read fails and the operator is told the operation was cancelled.
    VortaSimPinpadApresentaCartao(-1);
    ConsultaSaldo();
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Operacao Cancelada");
    EXPECT_EQ(menu_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);

    // The customer cancels the PIN: the PIN pad's reason goes to the host as it is.
    menu_->setModalResult(TFrmMod::mrNone);
    Cartao(nullptr);
    ConsultaSaldo();
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_NE(Campo(1027), "Operacao Cancelada");
    EXPECT_EQ(menu_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 2);
    ResultadoSemCartao();
}

TEST_F(ConsultasPrePago, SaldoComGravacaoRecusadaNaoEnviaNemPassaPorAprovado) {
    Cartao();
    // What the parameter load left.
    DefineCampo(1009, 0, "00");
    const int campos[] = {10158};
    VortaSimDefineFalhaGravacao(campos, 1);
    ConsultaSaldo();
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(menu_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
}

// ---- Statement: the period

class ExtratoPrePago : public ConsultasPrePago {
protected:
    void TearDown() override {
        form_.reset();
        ConsultasPrePago::TearDown();
    }
    void Abre() {
        form_.reset(TFrmMod::Cria<TFrmCnsExtratoCrtPrePago>(nullptr));
        ASSERT_NE(form_, nullptr);
        form_->show();
        ASSERT_TRUE(EsperaAtiva(form_.get()));
        QApplication::processEvents();
    }
    // Validation with these dates typed; the text of the box it showed, if any.
    QString Valida(const QString& inicio, const QString& fim, bool& ok) {
        form_->edDataInicial->setText(inicio);
        form_->edDataFinal->setText(fim);
        const auto vistos = FechaDialogos([&] { ok = form_->ValidaCamposForm(); });
        EXPECT_FALSE(vistos.prazoEsgotado);
        return vistos.vistos.empty() ? QString() : vistos.vistos.front().texto;
    }
    std::unique_ptr<TFrmCnsExtratoCrtPrePago> form_;
};

TEST_F(ExtratoPrePago, DatasDoHostMostradasComBarrasETravadas) {
    DefineCampo(1283, 0, kPeriodoInicio);
    DefineCampo(1284, 0, kPeriodoFim);
    Abre();
    EXPECT_EQ(form_->edDataInicial->text(), QStringLiteral("01/11/2025"));
    EXPECT_EQ(form_->edDataFinal->text(), QStringLiteral("30/11/2025"));
    EXPECT_FALSE(form_->edDataInicial->isEnabled());
    EXPECT_FALSE(form_->edDataFinal->isEnabled());
    // Nothing to type: the operator confirms.
    EXPECT_EQ(form_->focusWidget(), form_->btConfirma);
    QElapsedTimer espera;
    espera.start();
    while (espera.elapsed() < 100)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrNone) << "a supplied period does not confirm itself";
    EXPECT_EQ(VortaSimPinpadQtdeLeituras(), 0);
}

TEST_F(ExtratoPrePago, SoADataQueOHostNaoDeuFicaAberta) {
    DefineCampo(1283, 0, kPeriodoInicio);
    Abre();
    EXPECT_FALSE(form_->edDataInicial->isEnabled());
    EXPECT_TRUE(form_->edDataFinal->isEnabled());
    EXPECT_EQ(form_->focusWidget(), form_->edDataFinal);
    EXPECT_EQ(form_->lbMensagem->text(), QString::fromUtf8("Forneça a Data da Saída."));
    EXPECT_TRUE(host::RemoveFormato(form_->edDataFinal->text()).isEmpty());
}

TEST_F(ExtratoPrePago, DataPosteriorAHojeCurtaOuInexistenteRecusada) {
    Abre();
    const QDate hoje = QDate::currentDate();
    const QString fmt = QStringLiteral("dd/MM/yyyy");
    bool ok = false;
    EXPECT_TRUE(Valida(QStringLiteral("01/11/2025"), hoje.toString(fmt), ok).isEmpty());
    EXPECT_TRUE(ok) << "today is accepted";
    for (const auto& [inicio, fim, campo] : std::vector<std::tuple<QString, QString, QLineEdit*>>{
             {QStringLiteral("01/11/2025"), hoje.addDays(1).toString(fmt), form_->edDataFinal},
             {hoje.addDays(1).toString(fmt), hoje.toString(fmt), form_->edDataInicial},
             {QStringLiteral("01/11/25"), hoje.toString(fmt), form_->edDataInicial},
             {QStringLiteral("31/02/2025"), hoje.toString(fmt), form_->edDataInicial},
             {QStringLiteral("01/11/2025"), QString(), form_->edDataFinal}}) {
        EXPECT_EQ(Valida(inicio, fim, ok), QString::fromUtf8("Data inválida"))
            << inicio.toStdString() << " " << fim.toStdString();
        EXPECT_FALSE(ok);
        EXPECT_EQ(form_->focusWidget(), campo) << "the focus goes back to the refused date";
        EXPECT_TRUE(form_->pnCaptura->isEnabled());
    }
}

// ---- Statement: the whole confirmation

TEST_F(ExtratoPrePago, ConfirmaEnviaPeriodoCartaoESenhaEEncerraComOArquivo) {
    DefineCampo(1283, 0, kPeriodoInicio);
    DefineCampo(1284, 0, kPeriodoFim);
    Cartao();
    Aprova();
    const auto vistos = FechaDialogos([&] { Consultacartaoprepago::ExecutaConsultaExtrato(menu_.get()); },
                                      {[](QWidget* w) { Enter(w); }});
    EXPECT_FALSE(vistos.prazoEsgotado);
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 10158), "13");
    EXPECT_EQ(banco_.Valor(0, 1283), kPeriodoInicio);
    EXPECT_EQ(banco_.Valor(0, 1284), kPeriodoFim);
    EXPECT_TRUE(banco_.Preenchido(0, 10104));
    EXPECT_TRUE(banco_.Preenchido(0, 10146));
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_FALSE(VortaSimPinpadAberto()) << "the correspondent PIN pad is closed at the end";
    EXPECT_FALSE(Lumomain::bPinpadCBAberto);
    EXPECT_EQ(menu_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    ResultadoSemCartao();
}

TEST_F(ExtratoPrePago, DatasDigitadasVaoSemBarras) {
    Cartao();
    Aprova();
    const auto vistos =
        FechaDialogos([&] { Consultacartaoprepago::ExecutaConsultaExtrato(menu_.get()); }, {[](QWidget* w) {
                          Digita(w, "05112025");
                          Enter(w);
                          Digita(w, "25112025");
                          Enter(w);
                          Enter(w);
                      }});
    EXPECT_FALSE(vistos.prazoEsgotado);
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 1283), "05112025");
    EXPECT_EQ(banco_.Valor(0, 1284), "25112025");
}

TEST_F(ExtratoPrePago, CartaoNaoLidoEncerraComoOperacaoCancelada) {
    DefineCampo(1283, 0, kPeriodoInicio);
    DefineCampo(1284, 0, kPeriodoFim);
    VortaSimPinpadApresentaCartao(-1);
    FechaDialogos([&] { Consultacartaoprepago::ExecutaConsultaExtrato(menu_.get()); },
                  {[](QWidget* w) { Enter(w); }});
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Operacao Cancelada");
    EXPECT_EQ(Campo(10158), "13");
    EXPECT_EQ(menu_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
}

TEST_F(ExtratoPrePago, SenhaCanceladaDeixaODialogoAbertoERetornaMantemOMenu) {
    DefineCampo(1283, 0, kPeriodoInicio);
    DefineCampo(1284, 0, kPeriodoFim);
    Cartao(nullptr);
    bool aberto = false;
    const auto vistos = FechaDialogos(
        [&] { Consultacartaoprepago::ExecutaConsultaExtrato(menu_.get()); }, {[&aberto](QWidget* w) {
            Enter(w);
            // Back on the period, with the panel and buttons enabled again.
            auto* f = static_cast<TFrmCnsExtratoCrtPrePago*>(w);
            aberto = f->ModalResult() == TFrmMod::mrNone && f->btRetorna->isEnabled();
            Tecla(w, Qt::Key_9, QStringLiteral("9"));
        }});
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_TRUE(aberto);
    EXPECT_TRUE(banco_.pedidos.empty());
    // Return: the menu stays open, and nothing is written for the host yet.
    EXPECT_EQ(menu_->ModalResult(), TFrmMod::mrNone);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 0);
}

} // namespace
