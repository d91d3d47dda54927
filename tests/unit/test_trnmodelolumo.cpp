// The transaction form's confirm flow against a scripted bank: what is validated, what the PIN pad is asked,
// which requests go, and what the host finds afterwards (fields, result file, limit-restoration file).
#include "Ambiente.h"
#include "BancoRoteirizado.h"
#include "Protocolo.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "host/IniFile.h"
#include "padkit.h"
#include "payment/Coletacpfcnpjdtnascimentopagador.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "frame/Trnmodelolumo.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <deque>
#include <string>
#include <vector>

namespace {

class TFrmTrnTeste : public TFrmTrn_Mod {
public:
    explicit TFrmTrnTeste(QWidget* pai) : TFrmTrn_Mod(pai, QStringLiteral("FrmTrnTeste")) {}
    void AjustaTabelaDebitoForcado() override { ++ajustes; }
    int ajustes = 0;
};

using Banco = BancoRoteirizado;

cbwire::Resposta Resposta(const char* codigo, const char* mensagem = "",
                          std::vector<std::pair<char, std::vector<std::string>>> servicos = {},
                          std::vector<std::string> h = {}) {
    cbwire::Resposta r;
    r.codigo = codigo;
    r.mensagem = mensagem;
    r.servicos = std::move(servicos);
    r.hRegistros = std::move(h);
    return r;
}

// The limits record with the BACEN threshold (12 digits in cents) at its place.
std::string LimiteBacen(const char* centavos) {
    std::string r(73, '0');
    r.append(centavos);
    return r;
}

class Transacao : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        using namespace Lumomain;
        GrupoPagto = QStringLiteral("1");
        ServicoHzinho_Pagamento.atribui("PAGAMENTO DE CONTAS 805111111");
        ServicoHzinho_PagTrnGen.limpa();
        ServicoHzinho_26_Limites.limpa();
        acValorReferenciaBACEN3978.limpa();
        TrnADM = false;
        TrnCNC = false;
        banco_ = {};
        pinpad_.clear();
        finalizacoes_ = 0;
        descritor_ = Tabelatrn::TrnConsultaSaldo;
        VortaSimDefineServidorLocal(&Banco::Atende, &banco_);
        VortaSimDefineObservador(&Transacao::Observa, this);
        form_ = TFrmMod::Cria<TFrmTrnTeste>(nullptr);
        ASSERT_NE(form_, nullptr);
        form_->Descritor = &descritor_;
        // A card that was read and its PIN block: the chip checks pass.
        const int c = VortaSimPinpadAdicionaCartao("5067220000123458", "", "2912", "101",
                                                   VORTASIM_CARTAO_MAGNETICO, "805");
        VortaSimPinpadApresentaCartao(c);
        ASSERT_EQ(LerCartao(0, 0, ""), 0);
        // The host's PIN block for this call: taken as it is, once.
        DefineCampo(10146, 0, "0123456789ABCDEF");
        host::DefineBlocoSenhaNovo(true);
        DefineCampo(10232, 0, "1");
        DefineCampo(10158, 0, "16");
    }
    void TearDown() override {
        VortaSimDefineObservador(nullptr, nullptr);
        VortaSimDefineServidorLocal(nullptr, nullptr);
        delete form_;
        host::DefineBlocoSenhaNovo(false);
        Ambiente::TearDown();
    }

    static void Observa(const char* tipo, const char* texto, void* contexto) {
        auto* t = static_cast<Transacao*>(contexto);
        if (std::string_view(tipo) == "pinpad") t->pinpad_.emplace_back(texto);
        if (std::string_view(tipo) == "finalizacao") ++t->finalizacoes_;
    }

    // Runs the form: types the amount (when given) and confirms; further windows get the actions given.
    int Executa(const QString& valor, std::vector<AcaoDialogo> depois = {}) {
        std::vector<AcaoDialogo> acoes{[valor](QWidget* w) {
            auto* f = static_cast<TFrmTrnTeste*>(w);
            if (!valor.isNull()) {
                f->edValor->setFocus();
                for (QChar c : valor)
                    Tecla(f, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_Comma, QString(c));
            }
            f->btConfirma->click();
        }};
        for (auto& a : depois)
            acoes.push_back(std::move(a));
        int r = -1;
        dialogos_ = FechaDialogos([&] { r = form_->Executa(); }, std::move(acoes));
        return r;
    }

    int Confirmacoes() const {
        return static_cast<int>(std::count_if(pinpad_.begin(), pinpad_.end(), [](const std::string& e) {
            return e.rfind("confirmacao", 0) == 0;
        }));
    }

    bool Viu(const char* classe) const {
        for (const auto& d : dialogos_.vistos)
            if (d.classe == classe) return true;
        return false;
    }

    TTabelaTrn descritor_{};
    TFrmTrnTeste* form_ = nullptr;
    Banco banco_;
    std::vector<std::string> pinpad_;
    int finalizacoes_ = 0;
    ResultadoDialogos dialogos_;
};

// ---- Amount

TEST_F(Transacao, ValorVazioOuZeroMantemOFormularioAberto) {
    std::vector<bool> habilitado;
    // Each refusal is a message box (closed by the driver while the click waits on it); the form stays.
    dialogos_ = FechaDialogos([&] { form_->Executa(); }, {[&](QWidget* w) {
                                  auto* f = static_cast<TFrmTrnTeste*>(w);
                                  f->btConfirma->click();
                                  habilitado.push_back(f->btConfirma->isEnabled() && f->edValor->isEnabled());
                                  f->edValor->setText(QStringLiteral("0,00"));
                                  f->btConfirma->click();
                                  habilitado.push_back(f->btConfirma->isEnabled());
                                  f->btRetorna->click();
                              }});
    ASSERT_EQ(dialogos_.vistos.size(), 3u);
    EXPECT_EQ(dialogos_.vistos[1].texto, QStringLiteral("Forneça o valor da transação"));
    EXPECT_EQ(dialogos_.vistos[2].texto, QStringLiteral("Valor de transação inválido"));
    EXPECT_EQ(habilitado, (std::vector<bool>{true, true}));
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrCancel);
    EXPECT_TRUE(banco_.pedidos.empty());
}

TEST_F(Transacao, EdicaoDoValorPreencheDaDireitaEAceitaUmaVirgula) {
    form_->show();
    form_->edValor->setFocus();
    for (const char* t : {"1", "2", "x", "3", ",", "4", ".", "5"})
        Tecla(form_, t[0] >= '0' && t[0] <= '9' ? Qt::Key_0 + (t[0] - '0') : Qt::Key_A,
              QString::fromLatin1(t));
    EXPECT_EQ(form_->edValor->text(), QStringLiteral("123,45"));
    form_->hide();
}

TEST_F(Transacao, ValorDoHostFixaOCampoEConfirmaSozinho) {
    DefineCampo(1003, 0, "5000");
    int r = -1;
    dialogos_ = FechaDialogos([&] { r = form_->Executa(); }, {[](QWidget*) {}});
    EXPECT_EQ(r, TFrmMod::mrOk);
    EXPECT_FALSE(form_->edValor->isEnabled());
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(Campo(1003), "5000");
}

// ---- PIN-pad confirmations

TEST_F(Transacao, Funcao18ComValorRecusadoNoPinpadNaoEnviaNada) {
    DefineCampo(10158, 0, "18");
    const bool nao = false;
    VortaSimPinpadDefineConfirmacoes(&nao, 1);
    EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), Latin1("Operação não confirmada no PinPad"));
    EXPECT_TRUE(Resultado().has_value());
}

TEST_F(Transacao, Grupo3ComFuncao18NaoPedeOValorNoPinpad) {
    Lumomain::GrupoPagto = QStringLiteral("3");
    DefineCampo(10158, 0, "18");
    EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
    EXPECT_EQ(Confirmacoes(), 0);
    EXPECT_EQ(banco_.pedidos.size(), 1u);
}

TEST_F(Transacao, Funcao19ConfirmadaMostraOValorNoVisor) {
    DefineCampo(10158, 0, "19");
    EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
    ASSERT_EQ(Confirmacoes(), 1);
    const auto it = std::find_if(pinpad_.begin(), pinpad_.end(),
                                 [](const std::string& e) { return e.rfind("confirmacao", 0) == 0; });
    EXPECT_NE(it->find("R$ 12,34"), std::string::npos) << *it;
    EXPECT_EQ(banco_.pedidos.size(), 1u);
}

TEST_F(Transacao, VencimentoDoDebitoForcadoEmMinusculasEhConfirmado) {
    banco_.respostas = {Resposta("fa", "", {{'N', {"REF12345601122026"}}}), Resposta("00", "Pago")};
    EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
    ASSERT_EQ(banco_.pedidos.size(), 2u);
    EXPECT_EQ(form_->ajustes, 1);
    EXPECT_EQ(Campo(10158), "24");
    EXPECT_EQ(Campo(10102, 2), "UNSU:REF12345601122026");
    const auto it = std::find_if(pinpad_.begin(), pinpad_.end(),
                                 [](const std::string& e) { return e.rfind("confirmacao", 0) == 0; });
    ASSERT_NE(it, pinpad_.end());
    EXPECT_NE(it->find("Data: 01/12/2026"), std::string::npos) << *it;
    EXPECT_EQ(Campo(1009), "00");
}

TEST_F(Transacao, VencimentoRecusadoTerminaComFF) {
    banco_.respostas = {Resposta("FA", "", {{'N', {"REF12345601122026"}}})};
    const bool nao = false;
    VortaSimPinpadDefineConfirmacoes(&nao, 1);
    EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
    EXPECT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), Latin1("Operação não confirmada no PinPad"));
}

TEST_F(Transacao, CreditoReferidoSoSegueLiberadoNoPinpad) {
    DefineCampo(10107, 0, "10");
    banco_.respostas = {Resposta("01", "Transacao referida")};
    const bool nao = false;
    VortaSimPinpadDefineConfirmacoes(&nao, 1);
    EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
    EXPECT_NE(std::find(pinpad_.begin(), pinpad_.end(), "referida recusada"), pinpad_.end());
    EXPECT_FALSE(Resultado().has_value()) << "stopped before the result file";
}

// ---- BACEN identification and payer data

TEST_F(Transacao, LimiteBacenIgualAoValorPedeOsDados) {
    Lumomain::ServicoHzinho_26_Limites.atribui(LimiteBacen("000000010000"));
    // Cancelled identification: nothing is sent.
    EXPECT_EQ(Executa(QStringLiteral("10000"), {[](QWidget* w) { w->close(); }}), TFrmMod::mrOk);
    EXPECT_TRUE(Viu("TFrmColetaDadosBacen"));
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Operacao Cancelada");
}

TEST_F(Transacao, ValorAbaixoDoLimiteBacenNaoPedeDados) {
    Lumomain::ServicoHzinho_26_Limites.atribui(LimiteBacen("000000010000"));
    EXPECT_EQ(Executa(QStringLiteral("9999")), TFrmMod::mrOk);
    EXPECT_FALSE(Viu("TFrmColetaDadosBacen"));
    EXPECT_EQ(banco_.pedidos.size(), 1u);
}

TEST_F(Transacao, ValorDeReferenciaIgualNaoPedeOPagadorEAcimaPede) {
    Lumomain::acValorReferenciaBACEN3978.atribui("000000005000");
    EXPECT_EQ(Executa(QStringLiteral("5000")), TFrmMod::mrOk);
    EXPECT_EQ(dialogos_.vistos.size(), 1u);
    EXPECT_EQ(banco_.pedidos.size(), 1u);

    TearDown();
    SetUp();
    Lumomain::acValorReferenciaBACEN3978.atribui("000000005000");
    EXPECT_EQ(Executa(QStringLiteral("5001"), {[](QWidget* w) { w->close(); }}), TFrmMod::mrOk);
    EXPECT_TRUE(Viu("TFrmCPFCNPJDtNascPagador"));
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Operacao Cancelada");
}

TEST_F(Transacao, PagadorConfirmadoSegueComOsDadosNoCampo10440) {
    Lumomain::acValorReferenciaBACEN3978.atribui("000000005000");
    Lumomain::DadosAdicionaisBoletoRegistradoContingencia.limpa();
    Lumomain::IndiceDadosAdicionais = 0;
    Lumomain::IndiceAtual = 0;
    EXPECT_EQ(Executa(QStringLiteral("5001"), {[](QWidget* w) {
                          auto* p = static_cast<TFrmCPFCNPJDtNascPagador*>(w);
                          p->cbTipoPessoa->setFocus();
                          Tecla(w, Qt::Key_2, QStringLiteral("2"));
                          Enter(w);
                          Digita(w, "52998224725");
                          Enter(w);
                          Digita(w, "07091970");
                          Enter(w);
                          Enter(w);
                      }}),
              TFrmMod::mrOk);
    EXPECT_TRUE(Viu("TFrmCPFCNPJDtNascPagador"));
    EXPECT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(Lumomain::IndiceDadosAdicionais, 1);
    EXPECT_EQ(Campo(10440), "01=||||52998224725|07091970;");
    Lumomain::DadosAdicionaisBoletoRegistradoContingencia.limpa();
    Lumomain::IndiceDadosAdicionais = 0;
}

// ---- After the reply

TEST_F(Transacao, PagamentoGenericoRecusadoDesfazAParteDoCartao) {
    Lumomain::ServicoHzinho_PagTrnGen.atribui(std::string(25, ' ') + "1");
    Lumomain::RedeDestinoTEF = QStringLiteral("811");
    DefineCampo(10107, 0, "1");
    DefineCampo(1024, 0, "x");
    banco_.respostas = {Resposta("5", "Recusada")};
    EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1009), "5");
    EXPECT_FALSE(Campo(1024).has_value());
    EXPECT_EQ(Campo(10112), "811");
    EXPECT_EQ(finalizacoes_, 1);
    EXPECT_EQ(form_->lbMensagem->text(), QStringLiteral("Recusada"));
}

TEST_F(Transacao, TresRegistros24EscrevemOArquivoDeRestabelecimento) {
    DefineCampo(10163, 0, "1.000,00");
    DefineCampo(10163, 1, "2.000,00");
    DefineCampo(10168, 2, "83620000000123456789");
    DefineCampo(1003, 2, "777");
    banco_.respostas = {
        Resposta("00", "Aprovada", {},
                 {"24AA01805XXXXXXXXXXX", "21INFORMACOES", "24AA02810XXXXXXXXXXX", "24AA03805XXXXXXXXXXX"})};
    EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
    EXPECT_EQ(Campo(10262), "1");
    const IniFile ini(Caminho(QStringLiteral("RestabeleceLimite.ini")));
    ASSERT_TRUE(ini.Existe());
    EXPECT_EQ(ini.LeInteiro(QStringLiteral("RESTABELECELIMITE"), QStringLiteral("Quantidade"), 0), 3);
    EXPECT_TRUE(ini.LeBool(QStringLiteral("RESTABELECELIMITE"), QStringLiteral("Subfuncao"), false));
    EXPECT_EQ(ini.LeTexto(QStringLiteral("0001"), QStringLiteral("Valor")), QStringLiteral("100000"));
    EXPECT_EQ(ini.LeTexto(QStringLiteral("0002"), QStringLiteral("Rede")), QStringLiteral("810"));
    EXPECT_EQ(ini.LeTexto(QStringLiteral("0002"), QStringLiteral("Valor")), QStringLiteral("200000"));
    EXPECT_EQ(ini.LeTexto(QStringLiteral("0003"), QStringLiteral("Sequencial")), QStringLiteral("03"));
    EXPECT_EQ(ini.LeTexto(QStringLiteral("0003"), QStringLiteral("Valor")), QStringLiteral("777"))
        << "without a document amount the document's occurrence of 1003 counts";
    EXPECT_EQ(ini.LeTexto(QStringLiteral("0003"), QStringLiteral("CodigodeBarras")),
              QStringLiteral("83620000000123456789"));
    EXPECT_EQ(ini.LeTexto(QStringLiteral("0001"), QStringLiteral("DataFiscal")).size(), 8);
}

TEST_F(Transacao, RecusaDoServidorAindaFechaComOResultado) {
    banco_.respostas = {Resposta("51", "Saldo insuficiente")};
    EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1009), "51");
    EXPECT_EQ(form_->lbMensagem->text(), QStringLiteral("Saldo insuficiente"));
    EXPECT_TRUE(Resultado().has_value());
    EXPECT_FALSE(QFile::exists(Caminho(QStringLiteral("RestabeleceLimite.ini"))));
}

TEST_F(Transacao, Grupo4GravaO1251DoServicoA) {
    Lumomain::GrupoPagto = QStringLiteral("4");
    banco_.respostas = {Resposta("00", "", {{'A', {"XXXX00001234YYYY"}}})};
    EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1251), "1234");
}

} // namespace
