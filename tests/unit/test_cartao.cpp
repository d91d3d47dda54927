// Card and PIN capture of the module over the simulated PIN pad: which path a network takes, what reaches the
// host fields, the PIN-pad port switch and its undoing at unload, the BIN query, the chip services of the
// base form, and that no card number, track or PIN escapes.
#include "Ambiente.h"
#include "EmProcesso.h"
#include "Servidor.h"
#include "frame/Lumomain.h"
#include "frame/Unidades.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"

#include <QLabel>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kNumero = "5067220000678907";
constexpr const char* kTrilha = "5067220000678907=30062011234500000";
constexpr const char* kSenha = "482913";

// An h-record's data in the common layout: caption area, network code at 22, option flags.
std::string Dados(const char* rede) {
    return std::string(22, 'X') + rede + "11111";
}

class TFrmTeste : public TFrmMod {
public:
    explicit TFrmTeste(QWidget* pai) : TFrmMod(pai, QStringLiteral("FrmTeste")) {}
};

class Cartao : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        using namespace Lumomain;
        ServicoHzinho_Pagamento.atribui("PAGAMENTO DE CONTAS 805111111");
        ServicoHzinho_EmpresaTEF.acrescenta("000000000001BRADESCO CARTOES    810");
        GrupoPagto = QStringLiteral("3");
        VortaSimDefineObservador(&Cartao::Observa, this);
        form_ = TFrmMod::Cria<TFrmTeste>(nullptr);
        ASSERT_NE(form_, nullptr);
    }
    void TearDown() override {
        VortaSimDefineObservador(nullptr, nullptr);
        delete form_;
        local_.reset();
        Ambiente::TearDown();
    }

    // The withdrawal family (kind 1) belongs to this network.
    static void RedeSaque(const char* rede) {
        Lumomain::ServicoHzinho_TipoContaAceitaSaque.atribui(Dados(rede));
    }

    static int Apresenta(bool chip, const char* rede = "805") {
        const int i =
            VortaSimPinpadAdicionaCartao(kNumero, kTrilha, "3006", chip ? "201" : "101",
                                         chip ? VORTASIM_CARTAO_CHIP : VORTASIM_CARTAO_MAGNETICO, rede);
        VortaSimPinpadApresentaCartao(i);
        return i;
    }

    static void Analises(std::vector<int> r) {
        VortaSimPinpadDefineAnalises(r.data(), static_cast<int>(r.size()));
    }

    void Simulador(bool ligado) {
        EscreveIni(QStringLiteral("ClienteTrn.ini"),
                   ligado ? "[CorrespondenteBancario]\r\nSimuladorPinpadCBBradesco=1\r\n"
                          : "[CorrespondenteBancario]\r\n");
    }

    void Portas(const char* conteudo) { EscreveIni(QStringLiteral("Cliente.ini"), conteudo); }

    int Eventos(const std::string& prefixo) const {
        return static_cast<int>(std::count_if(
            pinpad_.begin(), pinpad_.end(), [&](const std::string& e) { return e.rfind(prefixo, 0) == 0; }));
    }

    void Banco() {
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenario(QStringLiteral(CB_CENARIOS "/default.json"), &erro))
            << erro.toStdString();
        local_ = std::make_unique<cbserver::ConexaoEmProcesso>(servidor_);
    }

    static void Observa(const char* tipo, const char* texto, void* contexto) {
        auto* self = static_cast<Cartao*>(contexto);
        self->todos_.push_back(std::string(tipo) + ": " + texto);
        if (std::string_view(tipo) == "pinpad") self->pinpad_.emplace_back(texto);
        if (std::string_view(tipo) == "pedido") self->pedidos_.emplace_back(texto);
    }

    bool Contem(const std::string& onde, const std::string& segredo) const {
        return onde.find(segredo) != std::string::npos;
    }

    TFrmTeste* form_ = nullptr;
    QLabel rotulo_;
    std::vector<std::string> pinpad_;
    std::vector<std::string> pedidos_;
    std::vector<std::string> todos_;
    cbserver::Servidor servidor_;
    std::unique_ptr<cbserver::ConexaoEmProcesso> local_;
};

// ---- Network of a transaction kind

TEST_F(Cartao, RedeDoTipoDeTransacaoComSeusRecuosEGravaOTipo) {
    using namespace Lumomain;
    ServicoHzinho_TipoContaAceitaConsultaSaldo.atribui(Dados("811"));
    // Withdrawal without a network of its own falls back to the balance record, any other kind without one
    // to the payment record.
    EXPECT_EQ(VerificaCodigoRedeCB(4), QStringLiteral("811"));
    EXPECT_EQ(VerificaCodigoRedeCB(1), QStringLiteral("805"));
    RedeSaque("810");
    EXPECT_EQ(VerificaCodigoRedeCB(4), QStringLiteral("810"));
    // The transaction-mode record carries its network two characters later.
    ServicoHzinho_25_InformacaoModoTransacao.atribui("25" + std::string(22, ' ') + "093");
    EXPECT_EQ(VerificaCodigoRedeCB(11), QStringLiteral("093"));
    EXPECT_EQ(VerificaCodigoRedeCB(61), QStringLiteral("093"));
    EXPECT_EQ(Campo(10232), "61");
    EXPECT_EQ(VerificaCodigoRedeCB(99), QStringLiteral("805"));
    DefineCampo(10232, 0, "7");
    VerificaCodigoRedeCB(0);
    EXPECT_EQ(Campo(10232), "7") << "kind 0 leaves the field alone";
}

// ---- PIN-pad port for another network

TEST_F(Cartao, MesmaPortaOuSemPortaCBNaoReconfiguraNemDesfazNaDescarga) {
    RedeSaque("811");
    for (const char* ini :
         {"[ClientVorta]\r\nPortaPin=3\r\nPortaPinCB=3\r\n", "[ClientVorta]\r\nPortaPin=3\r\n",
          "[CLIENTVORTA]\r\nportapin=2\r\nPORTAPINCB=0\r\n"}) {
        Portas(ini);
        EXPECT_TRUE(Lumomain::VerificaPinpadCBNaoBradescoHabilitado(1)) << ini;
        EXPECT_FALSE(Lumomain::bPinpadCBNaoBradescoHabilitado) << ini;
        Lumomain::FinalizaUnidade();
        EXPECT_EQ(VortaSimPinpadPorta(), -1) << "no switch and no undoing: " << ini;
        EXPECT_EQ(Eventos("porta"), 0) << ini;
    }
}

TEST_F(Cartao, PortaDiferenteEmOutraRedeReconfiguraEADescargaDevolveAPortaDoHost) {
    Portas("[ClientVorta]\r\nPortaPin=1\r\nPortaPinCB=4\r\n");
    RedeSaque("805");
    EXPECT_TRUE(Lumomain::VerificaPinpadCBNaoBradescoHabilitado(1));
    EXPECT_EQ(VortaSimPinpadPorta(), -1) << "network 805 keeps the host's port";
    RedeSaque("811");
    EXPECT_TRUE(Lumomain::VerificaPinpadCBNaoBradescoHabilitado(1));
    EXPECT_EQ(VortaSimPinpadPorta(), 4);
    EXPECT_TRUE(Lumomain::bPinpadCBNaoBradescoHabilitado);
    Lumomain::FinalizaUnidade();
    EXPECT_EQ(VortaSimPinpadPorta(), 1);
    EXPECT_FALSE(Lumomain::bPinpadCBNaoBradescoHabilitado);
}

TEST_F(Cartao, FalhaNaTrocaDePortaDizPinPadNaoEncontrado) {
    Portas("[ClientVorta]\r\nPortaPin=1\r\nPortaPinCB=4\r\n");
    RedeSaque("811");
    VortaSimPinpadDefineFalhaPorta(true);
    EXPECT_FALSE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));
    EXPECT_EQ(Campo(1027), Latin1("PinPad não encontrado."));
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(VortaSimPinpadQtdeLeituras(), 0) << "no card is read without a PIN pad";
}

// ---- Card reading

TEST_F(Cartao, AnaliseTresLeDeNovoSemReabrirOPinpad) {
    Apresenta(false);
    Analises({3, 3, 0});
    EXPECT_TRUE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));
    EXPECT_EQ(VortaSimPinpadQtdeLeituras(), 3);
    EXPECT_EQ(Eventos("aberto"), 1);
    EXPECT_TRUE(VortaSimPinpadAberto());
}

TEST_F(Cartao, AnaliseQueRecusaOCartaoTerminaALeituraComFalha) {
    Apresenta(false);
    Analises({3, 13});
    EXPECT_FALSE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));
    EXPECT_EQ(VortaSimPinpadQtdeLeituras(), 2);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), Latin1("Cartão inválido."));
    EXPECT_FALSE(VortaSimPinpadAberto());
    EXPECT_FALSE(Lumomain::bPinpadCBAberto);
}

TEST_F(Cartao, LeituraGenericaMarcaOCampo10227) {
    Apresenta(false);
    EXPECT_TRUE(Lumomain::LeAnalisaCartaoCBGenerico(1, &rotulo_));
    EXPECT_EQ(Campo(10227), "2");
    EXPECT_EQ(Eventos("LerCartaoCBGenerico"), 1);
}

TEST_F(Cartao, SimuladorLigadoNaoAbreOPinpadEPreencheComZeros) {
    Simulador(true);
    Apresenta(false);
    EXPECT_TRUE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));
    EXPECT_FALSE(VortaSimPinpadAberto());
    EXPECT_EQ(Eventos("aberto"), 0);
    EXPECT_EQ(Eventos("LerCartao \""), 1) << "the general library reads the card";
    EXPECT_TRUE(Lumomain::bPinpadCBAberto);
    EXPECT_EQ(Campo(10104), std::string(80, '0'));
    EXPECT_EQ(Campo(10109), std::string(80, '0'));

    VortaSimPinpadDefineSenha(kSenha);
    EXPECT_TRUE(Lumomain::LeSenhaCB(false, QStringLiteral("Saque"), 1, &rotulo_, {}));
    EXPECT_EQ(Eventos("LerSenha \""), 1);
    EXPECT_EQ(Campo(10146), std::string(16, '0'));
    EXPECT_EQ(Campo(10243), std::string(16, '0'));
}

// ---- BIN query before the general read

TEST_F(Cartao, ConsultaDeBinsLeOCartaoERestauraARede) {
    RedeSaque("811");
    // Flags 3: query on, chip library on.
    Lumomain::ServicoHzinho_25_InformacaoModoTransacao.atribui("25" + std::string(52, ' ') + "003");
    DefineCampo(10217, 0, "antes");
    Apresenta(true, "811");
    EXPECT_TRUE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));
    EXPECT_EQ(Eventos("FazConsultaBins"), 1);
    EXPECT_EQ(Eventos("LerCartao \""), 0) << "the query has read the card already";
    EXPECT_EQ(Campo(10107), "11");
    EXPECT_EQ(Campo(10275), "1");
    EXPECT_EQ(Campo(10313), "1");
    EXPECT_EQ(Campo(10314), "3");
    EXPECT_EQ(Campo(10315), "1");
    EXPECT_EQ(Campo(10217), "antes");
    EXPECT_EQ(Lumomain::RedeDestinoTEF, QStringLiteral("811"));
    EXPECT_EQ(Lumomain::CodigoEmpresaTEF, QStringLiteral("000000000001"));
}

TEST_F(Cartao, ConsultaDeBinsQueFalhaGravaOResultadoEDevolveARede) {
    RedeSaque("811");
    Lumomain::ServicoHzinho_25_InformacaoModoTransacao.atribui("25" + std::string(52, ' ') + "001");
    Apresenta(false, "811");
    VortaSimBinsDefineFalha(true);
    EXPECT_FALSE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));
    EXPECT_FALSE(Campo(10217).has_value()) << "an absent field stays absent";
    EXPECT_EQ(Campo(10275), "0");
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_TRUE(Resultado().has_value());
}

TEST_F(Cartao, ChipNaRede805ComVersaoEmvConsultaBinsEmModoChip) {
    Lumomain::VERSAO_DO_VORTA_CB = QStringLiteral("v3.00.E88r25");
    DefineCampo(20005, 0, "DPCHIP:1");
    DefineCampo(20115, 0, "1");
    Apresenta(true);
    EXPECT_TRUE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));
    EXPECT_EQ(Eventos("FazConsultaBins EMV"), 1);
    EXPECT_EQ(Campo(10401), "0");
    EXPECT_EQ(Campo(20001).value_or("").size(), 43u) << "the collection service goes with the request";

    // An older server processes the chip card as a magnetic one.
    pinpad_.clear();
    Lumomain::VERSAO_DO_VORTA_CB = QStringLiteral("v3.00.E88r24");
    EXPECT_TRUE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));
    EXPECT_EQ(Eventos("FazConsultaBins"), 0);
}

// ---- PIN

TEST_F(Cartao, SenhaNoPinpadCorrespondenteOuNoTipo7PelaRotinaGeral) {
    Apresenta(false);
    VortaSimPinpadDefineSenha(kSenha);
    EXPECT_TRUE(Lumomain::LeSenhaCB(true, QStringLiteral("Saque"), 1, &rotulo_, {}));
    EXPECT_EQ(Eventos("LerSenhaCB"), 1);
    EXPECT_EQ(Campo(10146).value_or("").size(), 16u);
    EXPECT_EQ(rotulo_.text(), QStringLiteral("Aguarde, em processamento..."));

    DefineCampo(10403, 0, "7");
    VortaSimPinpadDefineSenha(kSenha);
    EXPECT_TRUE(Lumomain::LeSenhaCB(false, QStringLiteral("Saque"), 1, &rotulo_, {}));
    EXPECT_EQ(Eventos("LerSenha \""), 1);
}

// ---- Chip services of the base form

TEST_F(Cartao, DadosEmvNaRede805ComFalhaNoChipFechamACadeia) {
    DefineCampo(10232, 0, "1");
    Apresenta(true);
    ASSERT_TRUE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));
    VortaSimPinpadDefineFalhaChip(true);
    EXPECT_FALSE(form_->VerificaObtemDadosEmv());
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1009), "FF");
}

TEST_F(Cartao, DadosEmvEmOutraRedePelaBibliotecaGeral) {
    RedeSaque("811");
    DefineCampo(10232, 0, "1");
    Apresenta(true, "811");
    ASSERT_TRUE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));
    EXPECT_TRUE(form_->VerificaObtemDadosEmv());
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrNone);
    EXPECT_EQ(form_->lbMensagem->text(), QStringLiteral("Obtendo dados do cartao..."));
}

TEST_F(Cartao, AdviceOffLineDoChipVaiMarcadoAoServidor) {
    Banco();
    TTabelaTrn descritor = Tabelatrn::TrnConsultaDispositivoSegurancaToken;
    form_->Descritor = &descritor;
    DefineCampo(10232, 0, "1");
    Apresenta(true);
    VortaSimPinpadDefineAdviceOffLine(true);
    ASSERT_TRUE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));

    // Processing the card sends the advice unmarked; the chip's answer to the reply sends it marked.
    pedidos_.clear();
    EXPECT_TRUE(form_->VerificaProcessaCartao());
    ASSERT_EQ(pedidos_.size(), 1u);
    EXPECT_EQ(pedidos_[0].find("10264"), std::string::npos);

    pedidos_.clear();
    const bool ok = host::TrataMensagensCartaoCHIP(
        1, &rotulo_, [this](bool marca) { return form_->EnviaTransacaoAdviceOffLine(marca); });
    EXPECT_TRUE(ok);
    ASSERT_EQ(pedidos_.size(), 1u);
    EXPECT_NE(pedidos_[0].find("10264"), std::string::npos);
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_EQ(Campo(1027), Latin1("Advice registrado"));
    EXPECT_FALSE(Campo(10264).has_value()) << "the mark lasts only for the advice";
}

TEST_F(Cartao, AdviceRecusadoFechaACadeia) {
    TTabelaTrn descritor = Tabelatrn::TrnConsultaDispositivoSegurancaToken;
    form_->Descritor = &descritor;
    DefineCampo(10232, 0, "1");
    Apresenta(true);
    VortaSimPinpadDefineAdviceOffLine(true);
    ASSERT_TRUE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));
    // No server: the advice cannot go.
    EXPECT_FALSE(form_->VerificaProcessaCartao());
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1009), "255");
}

// ---- Security token

class Token : public Cartao {
protected:
    // Reads the card presented and its PIN, then captures the token as a withdrawal does. By default the
    // query dialog closes itself and any message box is acknowledged.
    bool Captura(const char* token, std::vector<AcaoDialogo> acoes = {Nada()}) {
        Banco();
        VortaSimPinpadDefineSenha(kSenha);
        EXPECT_TRUE(Lumomain::LeAnalisaCartaoCB(1, &rotulo_));
        EXPECT_TRUE(Lumomain::LeSenhaCB(false, QStringLiteral("Saque"), 1, &rotulo_, {}));
        blocoSenha_ = Campo(10146).value_or("");
        senhas_ = VortaSimPinpadQtdeSenhas();
        VortaSimPinpadDefineSenha(token);
        bool ok = false;
        dialogos_ = FechaDialogos(
            [&] {
                ok = Lumomain::TrataDispositivoSeguranca(false, QStringLiteral("Saque"), 4, &rotulo_,
                                                         QStringLiteral("Digite o Token"), form_);
            },
            std::move(acoes));
        return ok;
    }
    std::string blocoSenha_;
    int senhas_ = 0; // PIN entries before the token's
    ResultadoDialogos dialogos_;
};

TEST_F(Token, TokenCapturadoVaiDo10146Para10544) {
    Apresenta(false);
    ASSERT_TRUE(Captura("135790"));
    EXPECT_FALSE(dialogos_.prazoEsgotado);
    const auto bloco = Campo(10146);
    ASSERT_TRUE(bloco.has_value());
    EXPECT_EQ(Campo(10544), bloco);
    EXPECT_NE(*bloco, blocoSenha_) << "the token has its own block";
    EXPECT_EQ(Eventos("LerSenhaCB \"Digite o Token\""), 1);
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrNone);
    EXPECT_TRUE(AuditTem("Entrou: TrataDispositivoSeguranca"));
    EXPECT_TRUE(AuditTem("Entrou: VerificaCapturaToken."));
    EXPECT_TRUE(AuditTem("Saiu: VerificaCapturaToken."));
}

TEST_F(Token, TokenCanceladoFechaACadeiaComOResultado) {
    Apresenta(false);
    EXPECT_FALSE(Captura(nullptr));
    EXPECT_FALSE(Campo(10544).has_value());
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrOk);
    EXPECT_TRUE(AuditTem("Erro: TrataDispositivoSeguranca -> VerificaCapturaToken"));
    EXPECT_TRUE(Resultado().has_value());
}

TEST_F(Token, ClienteSemTokenNaoCapturaNada) {
    // The scenario's magnetic card has no token; every dialog is closed.
    VortaSimPinpadApresentaCartao(VortaSimPinpadAdicionaCartao("5067220000123458", "", "2912", "101",
                                                               VORTASIM_CARTAO_MAGNETICO, "805"));
    EXPECT_FALSE(Captura(nullptr, {}));
    EXPECT_FALSE(dialogos_.prazoEsgotado);
    EXPECT_EQ(VortaSimPinpadQtdeSenhas(), senhas_) << "no token is asked for";
    EXPECT_EQ(Campo(1009), "57");
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrOk);
    EXPECT_TRUE(AuditTem("Erro: TrataDispositivoSeguranca -> VerificaHabilitaConsultaDispositivoSeguranca"));
    EXPECT_TRUE(Resultado().has_value());
}

} // namespace
