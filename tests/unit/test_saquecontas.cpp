// The one-screen card withdrawal: the withdrawal whose cash pays the bills and the query of a prepaid
// transfer's destination, driven through the simulated PIN pad against a scripted bank.
#include "Ambiente.h"
#include "BancoRoteirizado.h"
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"
#include "cash/Saquecartaomagneticopagamentocontas.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "padkit.h"
#include "prepaid/Consultatransferenciacartaoprepago.h"
#include "protocol/ServicosResposta.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <string>
#include <vector>

namespace {

using Banco = BancoRoteirizado;

// The general record: network 805 at 22 (the stripe needs its security code there) and bank 399 at 25.
constexpr char kGerais805[] = "                      805399";
constexpr char kGerais810[] = "                      810399";
constexpr char kNumeroCartao[] = "5067220000123458";

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QStringList Itens(const QComboBox* cb) {
    QStringList r;
    for (int i = 0; i < cb->count(); ++i)
        r << cb->itemText(i);
    return r;
}

// The message boxes a confirmation brought up: their text and icon.
struct Caixa {
    QString texto;
    QMessageBox::Icon icone;
};

class SaqueContas : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        using namespace Lumomain;
        GrupoPagto = QStringLiteral("1");
        ServicoHzinho_21_Informacoes_Gerais_CB.atribui(kGerais805);
        ServicoHzinho_TipoContaAceitaSaque.limpa();
        ServicoHzinho_40_ConsultaCartaoPrePago.limpa();
        bHabilitaTratamentoToken = false;
        bPinpadCBAberto = false;
        bStatusCapturaSenha = true;
        VortaSimDefineServidorLocal(&Banco::Atende, &banco_);
    }
    void TearDown() override {
        form_.reset();
        VortaSimDefineServidorLocal(nullptr, nullptr);
        Ambiente::TearDown();
    }

    // The card read the payment-method menu makes before the dialog: the card data land in 10109.
    static void LeCartao(int tipo = VORTASIM_CARTAO_MAGNETICO, const char* senha = "4821") {
        const int c = VortaSimPinpadAdicionaCartao(kNumeroCartao, "", "2912", "101", tipo, "805");
        VortaSimPinpadApresentaCartao(c);
        VortaSimPinpadDefineSenha(senha);
        ASSERT_TRUE(Lumomain::LeAnalisaCartaoCB(1, nullptr));
        ASSERT_FALSE(Campo(10109).value_or("").empty());
    }

    template <class T> T* Abre() { return AbreDialogo<T>(form_); }

    // Presses confirm; each message box is recorded and closed.
    std::vector<Caixa> Confirma(TFrmColetaTipoContaSaque* f) {
        std::vector<Caixa> caixas;
        const AcaoDialogo guarda = [&caixas](QWidget* w) {
            if (auto* m = qobject_cast<QMessageBox*>(w)) caixas.push_back({m->text(), m->icon()});
            w->close();
        };
        const auto r =
            FechaDialogos([&] { f->btConfirma->click(); }, {guarda, guarda, guarda}, std::chrono::seconds(5));
        EXPECT_FALSE(r.prazoEsgotado);
        return caixas;
    }

    // Chooses the n-th account type with the list's own keys ("2" steps forward).
    static void EscolheTipo(TFrmColetaTipoContaSaque* f, int n) {
        f->cbTipoConta->setFocus();
        for (int i = 0; i <= n; ++i)
            Digita(f, "2");
    }

    // Opens the dialog, chooses the n-th type, types the security code when given and confirms; no message
    // box may come up.
    template <class T> T* Preenche(int tipo, const char* cseg = nullptr) {
        T* f = Abre<T>();
        if (!f) return nullptr;
        EscolheTipo(f, tipo);
        if (cseg) {
            f->EdCSeg->setFocus();
            Digita(f, cseg);
        }
        EXPECT_TRUE(Confirma(f).empty());
        return f;
    }

    // The bank's next answer.
    void Responde(const std::string& codigo, const std::string& texto = {},
                  const std::vector<std::string>& h = {}) {
        cbwire::Resposta r;
        r.codigo = codigo;
        r.mensagem = texto;
        r.hRegistros = h;
        banco_.respostas.push_back(r);
    }

    Banco banco_;
    std::unique_ptr<TFrmMod> form_;
};

// ---- Opening: the types offered, the value from the host, the security code by network and card

TEST_F(SaqueContas, InicioTiposEValorDoHostBloqueado) {
    LeCartao();
    DefineCampo(1003, 0, "15075");
    auto* f = Abre<TFrmSaquePagtoCta_CMag>();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->lbTitulo->text(), U("Saque com Cartão Magnético"));
    EXPECT_EQ(f->Descritor, &Saquecartaomagneticopagamentocontas::TrnSaqueCartaoMagPagtoCta);
    EXPECT_EQ(Itens(f->cbTipoConta), (QStringList{U("Conta Corrente"), U("Conta Poupança")}));
    // Nothing is chosen for the operator.
    EXPECT_EQ(f->cbTipoConta->currentIndex(), -1);
    EXPECT_EQ(f->edValor->text(), QStringLiteral("150,75"));
    EXPECT_FALSE(f->edValor->isEnabled());
    // The value cannot be changed, so the dialog opens on the type list, not on its confirm button.
    EXPECT_EQ(f->focusWidget(), f->cbTipoConta);
    EXPECT_TRUE(f->EdCSeg->isVisible());
    EXPECT_EQ(f->EdCSeg->echoMode(), QLineEdit::Password);
}

TEST_F(SaqueContas, SemValorDoHostCampoLivre) {
    LeCartao();
    auto* f = Abre<TFrmSaquePagtoCta_CMag>();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->edValor->text().isEmpty());
    EXPECT_TRUE(f->edValor->isEnabled());
    EXPECT_EQ(f->focusWidget(), f->edValor);
}

TEST_F(SaqueContas, CodigoDeSegurancaSoParaTarjaNaRede805SemToken) {
    struct Caso {
        const char* nome;
        int tipo;
        const char* gerais;
        bool token;
        bool mostra;
    };
    const Caso casos[] = {{"tarja 805", VORTASIM_CARTAO_MAGNETICO, kGerais805, false, true},
                          {"chip 805", VORTASIM_CARTAO_CHIP, kGerais805, false, false},
                          {"tarja 810", VORTASIM_CARTAO_MAGNETICO, kGerais810, false, false},
                          {"tarja 805 com token", VORTASIM_CARTAO_MAGNETICO, kGerais805, true, false}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        VortaSimPinpadLimpaCartoes();
        Lumomain::ServicoHzinho_21_Informacoes_Gerais_CB.atribui(c.gerais);
        Lumomain::bHabilitaTratamentoToken = c.token;
        LeCartao(c.tipo);
        auto* f = Abre<TFrmSaquePagtoCta_CMag>();
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->EdCSeg->isVisible(), c.mostra);
        EXPECT_EQ(f->lbCSeg->isVisible(), c.mostra);
    }
}

// ---- Validation: type, then value, then the security code; nothing goes to the bank before it passes

TEST_F(SaqueContas, ValidacaoNaOrdemComSuasMensagens) {
    LeCartao();
    auto* f = Abre<TFrmSaquePagtoCta_CMag>();
    ASSERT_NE(f, nullptr);

    auto caixas = Confirma(f);
    ASSERT_EQ(caixas.size(), 1U);
    EXPECT_EQ(caixas[0].texto, U("Tipo de Conta Inválida"));
    EXPECT_EQ(caixas[0].icone, QMessageBox::Critical);
    EXPECT_EQ(f->focusWidget(), f->cbTipoConta);

    EscolheTipo(f, 0);
    EXPECT_EQ(f->cbTipoConta->currentText(), U("Conta Corrente"));
    caixas = Confirma(f);
    ASSERT_EQ(caixas.size(), 1U);
    EXPECT_EQ(caixas[0].texto, U("Valor de transação inválido"));
    EXPECT_EQ(caixas[0].icone, QMessageBox::NoIcon);
    EXPECT_EQ(f->focusWidget(), f->edValor);

    f->edValor->setFocus();
    Digita(f, "5000");
    EXPECT_EQ(f->edValor->text(), QStringLiteral("50,00"));
    f->EdCSeg->setFocus();
    Digita(f, "12");
    // A two-character code is refused without a message, the focus back on it.
    caixas = Confirma(f);
    EXPECT_TRUE(caixas.empty());
    EXPECT_EQ(f->focusWidget(), f->EdCSeg);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
    EXPECT_TRUE(f->btConfirma->isEnabled());
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(VortaSimPinpadQtdeSenhas(), 0);

    for (const char* aceito : {"0", "1", "123"}) {
        SCOPED_TRACE(aceito);
        f->EdCSeg->setText(QString::fromLatin1(aceito));
        EXPECT_TRUE(f->ValidaCamposForm());
    }
}

TEST_F(SaqueContas, SoDigitosNoCodigoDeSeguranca) {
    LeCartao();
    auto* f = Abre<TFrmSaquePagtoCta_CMag>();
    ASSERT_NE(f, nullptr);
    f->EdCSeg->setFocus();
    Digita(f, "1a2-3");
    EXPECT_EQ(f->EdCSeg->text(), QStringLiteral("123"));
}

// ---- Writes, PIN and authorisation

TEST_F(SaqueContas, SaqueAutorizadoGravaPedidoEVoltaAoGrupoDasContas) {
    LeCartao();
    DefineCampo(1003, 0, "15075");
    DefineCampo(1009, 0, "FF");
    auto* f = Preenche<TFrmSaquePagtoCta_CMag>(1, "123");
    ASSERT_NE(f, nullptr);

    ASSERT_EQ(banco_.pedidos.size(), 1U);
    EXPECT_EQ(banco_.pedidos[0].codigo, 242);
    EXPECT_EQ(banco_.pedidos[0].indicador, 1);
    EXPECT_EQ(banco_.Valor(0, 10158), "22");
    EXPECT_EQ(banco_.Valor(0, 10103), "3");
    EXPECT_EQ(banco_.Valor(0, 1003), "15075");
    EXPECT_EQ(banco_.Valor(0, 10102), "02");
    EXPECT_EQ(banco_.ComPrefixo(0, 10149), "CSEG:123");
    // The card data the read kept in 10109 went as the request's card, and the PIN block with them.
    EXPECT_TRUE(banco_.Preenchido(0, 10104));
    EXPECT_TRUE(banco_.Valor(0, 10104) == Campo(10109));
    EXPECT_TRUE(banco_.Preenchido(0, 10146));

    // The request group goes back to the bills once the bank answered; the dialog writes no result file.
    EXPECT_EQ(Campo(10103), "1");
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
    EXPECT_TRUE(Lumomain::bStatusCapturaSenha);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 0);
    // The code is not kept on the screen either.
    EXPECT_EQ(f->EdCSeg->text(), QStringLiteral("***"));
    EXPECT_FALSE(Lumomain::bPinpadCBAberto);
}

TEST_F(SaqueContas, SaqueRecusadoTambemFechaComMotivoDoBanco) {
    LeCartao(VORTASIM_CARTAO_CHIP);
    DefineCampo(1003, 0, "900000");
    Responde("61", "Valor excede o limite de saque");
    auto* f = Preenche<TFrmSaquePagtoCta_CMag>(0);
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(banco_.pedidos.size(), 1U);
    EXPECT_EQ(banco_.Valor(0, 10102), "01");
    // A chip card sends no security code.
    EXPECT_EQ(banco_.ComPrefixo(0, 10149), "CSEG:");
    EXPECT_EQ(Campo(1009), "61");
    EXPECT_EQ(f->lbMensagem->text(), QStringLiteral("Valor excede o limite de saque"));
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
}

TEST_F(SaqueContas, SenhaCanceladaEncerraSemAutorizar) {
    LeCartao(VORTASIM_CARTAO_MAGNETICO, nullptr);
    DefineCampo(1003, 0, "15075");
    auto* f = Preenche<TFrmSaquePagtoCta_CMag>(0, "0");
    ASSERT_NE(f, nullptr);

    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_FALSE(Lumomain::bStatusCapturaSenha);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Operacao Cancelada");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
}

TEST_F(SaqueContas, SemDadosDoCartaoNaoConfirma) {
    DefineCampo(1003, 0, "15075");
    auto* f = Preenche<TFrmSaquePagtoCta_CMag>(0, "1");
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
    EXPECT_TRUE(f->btConfirma->isEnabled());
    EXPECT_EQ(VortaSimPinpadQtdeSenhas(), 0);
}

// ---- Destination of a prepaid transfer

class DestinoTransferencia : public SaqueContas {
protected:
    void SetUp() override {
        SaqueContas::SetUp();
        Lumomain::GrupoPagto = QStringLiteral("7");
        // The origin holder, as the identification query left it.
        Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.atribui("6033000000009999MARIA ORIGEM");
        DefineCampo(1003, 0, "2500");
        DefineCampo(10340, 0, "1");
    }
};

TEST_F(DestinoTransferencia, ConsultaAprovadaTrazODestinatario) {
    LeCartao(VORTASIM_CARTAO_CHIP);
    Responde("00", {}, {"406033000000001234JOAO DESTINO"});
    auto* f = Preenche<TFrmConsultaDadosTransf>(0);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->lbTitulo->text(), U("Transferêencia Cartão Pré-Pago"));
    // The value dialog before it fixed the amount.
    EXPECT_FALSE(f->edValor->isEnabledTo(f->pnCaptura));

    ASSERT_EQ(banco_.pedidos.size(), 1U);
    EXPECT_EQ(banco_.pedidos[0].indicador, 0);
    EXPECT_EQ(banco_.Valor(0, 10103), "7");
    EXPECT_EQ(banco_.Valor(0, 10158), "16");
    EXPECT_EQ(banco_.Valor(0, 1003), "2500");
    EXPECT_EQ(banco_.Valor(0, 10340), "1");
    // The menu took the PIN already: none is asked here.
    EXPECT_EQ(VortaSimPinpadQtdeSenhas(), 0);
    EXPECT_EQ(Campo(10103), "1");
    EXPECT_EQ(Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.texto(16, 30).trimmed(),
              QStringLiteral("JOAO DESTINO"));
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
}

TEST_F(DestinoTransferencia, ConsultaRecusadaNaoDeixaNomeParaConfirmar) {
    LeCartao(VORTASIM_CARTAO_CHIP);
    Responde("14", "Cartao destino nao cadastrado");
    auto* f = Preenche<TFrmConsultaDadosTransf>(0);
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(banco_.pedidos.size(), 1U);
    EXPECT_EQ(Campo(10103), "7");
    EXPECT_TRUE(Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.texto(16, 30).trimmed().isEmpty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);
}

TEST_F(DestinoTransferencia, EntradaFalhaNoRetornoENaRecusa) {
    LeCartao(VORTASIM_CARTAO_CHIP);
    bool ok = true;
    auto r = FechaDialogos([&] { ok = Lumomain::VerificaIdentificacaoClienteTransferenciaCartaoPrePago(); },
                           {[](QWidget* w) { Digita(w, "9"); }});
    EXPECT_FALSE(r.prazoEsgotado);
    ASSERT_EQ(r.vistos.size(), 1U);
    EXPECT_EQ(r.vistos[0].classe, "TFrmConsultaDadosTransf");
    EXPECT_FALSE(ok);
    EXPECT_TRUE(banco_.pedidos.empty());

    // Confirmed, the query ran: a refusal ends the entry with the bank's code.
    banco_.codigoPadrao = "05";
    r = FechaDialogos([&] { ok = Lumomain::VerificaIdentificacaoClienteTransferenciaCartaoPrePago(); },
                      {[](QWidget* w) {
                          auto* f = static_cast<TFrmConsultaDadosTransf*>(w);
                          EscolheTipo(f, 0);
                          f->btConfirma->click();
                      }});
    EXPECT_FALSE(r.prazoEsgotado);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Campo(1009), "05");
    EXPECT_EQ(banco_.pedidos.size(), 1U);
}

// ---- The simulated bank's side of the withdrawal

class ServidorSaqueContas : public ::testing::Test {
protected:
    void SetUp() override {
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenario(
            QDir(QStringLiteral(CB_CENARIOS)).filePath(QStringLiteral("pagamento_saque.json")), &erro))
            << erro.toStdString();
    }

    // The request as the withdrawal dialog sends it.
    cbwire::Resposta Saque(const std::string& trilha, const std::string& valor,
                           const std::string& senha = "0123456789ABCDEF", const std::string& tipo = "01",
                           const std::string& grupo = "3") {
        cbwire::Pedido p;
        p.codigo = 242;
        p.indicador = 1;
        p.itens = {Item(10171, ""),     Item(10103, grupo), Item(10158, "22"), Item(1003, valor),
                   Item(10104, trilha), Item(10146, senha), Item(10102, tipo)};
        const auto r = cbwire::DecodificaResposta(servidor_.Atende(cbwire::CodificaPedido(p)));
        EXPECT_TRUE(r.has_value());
        return r.value_or(cbwire::Resposta{});
    }

    cbserver::Servidor servidor_;
};

constexpr char kTrilhaTarja[] = "5067220000123458=2912101";

TEST_F(ServidorSaqueContas, RecusasPeloCartaoSenhaTipoEValor) {
    struct Caso {
        const char* nome;
        cbwire::Resposta resposta;
        const char* codigo;
    };
    const Caso casos[] = {{"cartão desconhecido", Saque("4111111111111111=2912101", "1000"), "14"},
                          {"cartão sem conta", Saque("5067220000555551=2912101", "1000"), "57"},
                          {"sem senha", Saque(kTrilhaTarja, "1000", ""), "55"},
                          {"tipo de conta", Saque(kTrilhaTarja, "1000", "0123456789ABCDEF", "03"), "12"},
                          {"valor zero", Saque(kTrilhaTarja, "0"), "13"},
                          {"valor com letras", Saque(kTrilhaTarja, "10,00"), "13"},
                          {"outro grupo", Saque(kTrilhaTarja, "1000", "0123456789ABCDEF", "01", "1"), "57"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(c.resposta.codigo, c.codigo);
        EXPECT_TRUE(c.resposta.hRegistros.empty());
    }
}

TEST_F(ServidorSaqueContas, AprovadoTrazDadosDaVendaEConsomeOLimite) {
    const auto r = Saque(kTrilhaTarja, "30000");
    ASSERT_EQ(r.codigo, "00");
    ASSERT_EQ(r.hRegistros.size(), 1U);
    const std::string h = r.hRegistros[0];
    ASSERT_EQ(h.substr(0, 2), "36");
    const std::string venda = h.substr(2);
    ASSERT_GE(venda.size(), 85U);
    // NSU 1: its last digits at 2, the whole of it at 12, the masked card at 61, the authorisation at 77.
    EXPECT_EQ(venda.substr(2, 4), "0001");
    EXPECT_EQ(venda.substr(12, 9), "000000001");
    EXPECT_EQ(venda.substr(61, 16), "506722******3458");
    EXPECT_EQ(venda.substr(77, 6), "007919");
    EXPECT_EQ(venda.substr(83, 2), "01");
    for (const auto& [letra, linhas] : r.servicos)
        for (const auto& l : linhas)
            EXPECT_EQ(l.find("5067220000123458"), std::string::npos) << letra;

    // The scenario's limit is 500,00 a card: 300,00 drawn leaves 200,00.
    const auto acima = Saque(kTrilhaTarja, "20001");
    EXPECT_EQ(acima.codigo, "61");
    EXPECT_EQ(Saque(kTrilhaTarja, "20000").codigo, "00");
    EXPECT_EQ(Saque(kTrilhaTarja, "1").codigo, "61");
}

} // namespace
