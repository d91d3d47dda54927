// The dialogs of the other-functions and administrative services and the Fininvest menu, run modally against
// the simulated bank of the default scenario and the scripted PIN pad: what the operator and the customer are
// asked, what goes to the bank, what the host finds afterwards, and that no card number or PIN is left
// behind. Also the bank's side of these operations when its scenario lacks their data.
#include "Ambiente.h"
#include "EmProcesso.h"
#include "Protocolo.h"
#include "Servidor.h"
#include "admin/Alteracaocestaservicos.h"
#include "frame/Indisponivel.h"
#include "frame/Lumomain.h"
#include "frame/Produto.h"
#include "payment/Menufininvest.h"
#include "payment/Reimpressaofininvesttrn.h"
#include "protocol/ServicosResposta.h"
#include "queries/Demonstrativocreditobeneficio.h"
#include "services/Pedidocartaodebito.h"
#include "services/Revalidacaosenhainss.h"

#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Cards of the default scenario.
constexpr const char* kDebito = "5067220000123458";  // account 0001 0123456-7, basket 002
constexpr const char* kVisa = "4174000012345676";    // no account at the bank
constexpr const char* kINSS = "6362970000001234560"; // the INSS benefit card
constexpr const char* kNB = "1234567890";            // its benefit number
constexpr const char* kSenha = "482913";

// The value of an item in a request line of the observer ("242 10158=\"60\" ..."); nullopt when not sent.
std::optional<std::string> Item(const std::string& pedido, const std::string& chave) {
    const std::string marca = " " + chave + "=\"";
    size_t p = pedido.find(marca);
    if (p == std::string::npos) return std::nullopt;
    std::string v;
    for (p += marca.size(); p < pedido.size() && pedido[p] != '"'; ++p) {
        if (pedido[p] == '\\' && p + 1 < pedido.size()) ++p;
        v += pedido[p];
    }
    return v;
}

class DialogoServico : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenario(QStringLiteral(CB_CENARIOS "/default.json"), &erro))
            << erro.toStdString();
        local_ = std::make_unique<cbserver::ConexaoEmProcesso>(servidor_);
        VortaSimDefineObservador(&DialogoServico::Observa, this);
        using namespace Lumomain;
        GrupoPagto = QStringLiteral("3");
        TrnADM = false;
        TrnCNC = false;
        bPinpadCBAberto = false;
        bPinpadCBNaoBradescoHabilitado = false;
        VERSAO_DO_VORTA_CB.clear();
        // The network of these services is the one of the transaction-mode record: the correspondent's.
        ServicoHzinho_25_InformacaoModoTransacao.atribui("25" + std::string(22, ' ') + "805");
        ServicoHzinho_Pagamento.atribui("PAGAMENTO DE CONTAS 805111111");
        ServicoHzinho_Informacoes_Gerais_CB.limpa();
        ServicoHzinho_PagTrnGen.limpa();
        ServicoHzinho_26_Limites.limpa();
        acValorReferenciaBACEN3978.limpa();
        for (const auto& c : servidor_.Cartoes())
            cartoes_[c.numero] = VortaSimPinpadAdicionaCartao(
                c.numero.c_str(), c.trilha2.c_str(), c.validade.c_str(), c.codigoServico.c_str(),
                c.chip ? VORTASIM_CARTAO_CHIP : VORTASIM_CARTAO_MAGNETICO, c.rede.c_str());
        VortaSimPinpadDefineSenha(kSenha);
    }
    void TearDown() override {
        VortaSimDefineObservador(nullptr, nullptr);
        local_.reset();
        Lumomain::bPinpadCBAberto = false;
        Lumomain::TrnCNC = false;
        Ambiente::TearDown();
    }

    static void Observa(const char* tipo, const char* texto, void* contexto) {
        auto* s = static_cast<DialogoServico*>(contexto);
        s->linhas_.push_back(std::string(tipo) + ": " + texto);
        if (std::string_view(tipo) == "pedido") s->pedidos_.emplace_back(texto);
    }

    void Apresenta(const char* numero) { VortaSimPinpadApresentaCartao(cartoes_.at(numero)); }

    // Runs the dialog modally; each window that opens meanwhile gets the action given for its class (the
    // short-lived query windows, which have none, are left alone).
    template <class T> int Executa(std::map<std::string, AcaoDialogo> porClasse) {
        std::unique_ptr<T> form(TFrmMod::Cria<T>(nullptr));
        EXPECT_TRUE(form != nullptr);
        if (!form) return -1;
        int r = -1;
        AcaoDialogo despacha = [porClasse](QWidget* w) {
            const auto it = porClasse.find(w->metaObject()->className());
            if (it != porClasse.end()) it->second(w);
        };
        dialogos_ = FechaDialogos([&] { r = form->Executa(); }, std::vector<AcaoDialogo>(12, despacha));
        EXPECT_FALSE(dialogos_.prazoEsgotado);
        return r;
    }

    int Vistos(const std::string& classe) const {
        int n = 0;
        for (const auto& d : dialogos_.vistos)
            n += d.classe == classe;
        return n;
    }

    std::vector<std::string> Recibo() const {
        std::vector<std::string> linhas;
        const int n = std::stoi(Campo(20128).value_or("0"));
        for (int i = 0; i < n; ++i)
            linhas.push_back(Campo(20018, i).value_or(""));
        return linhas;
    }
    bool ReciboTem(const std::string& linha) const {
        for (const auto& l : Recibo())
            if (l == linha) return true;
        return false;
    }

    // No card number of the scenario and no PIN of the script is left in the host's files, in the fields
    // that are not the card's own, or in what the platform reported. Failures name the place, never the
    // secret.
    void SemSegredos() const {
        std::vector<std::pair<std::string, std::string>> onde;
        onde.emplace_back("result file", Resultado().value_or(""));
        onde.emplace_back("audit trail", LeArquivo(QStringLiteral(VORTASIM_ARQUIVO_AUDIT)).value_or(""));
        for (const auto& l : linhas_)
            onde.emplace_back("observer line", l);
        for (const auto& l : Recibo())
            onde.emplace_back("receipt line", l);
        onde.emplace_back("field 10290", Campo(10290).value_or(""));
        for (const auto& [lugar, texto] : onde)
            for (const char* segredo : {kDebito, kVisa, kINSS, kSenha})
                EXPECT_TRUE(texto.find(segredo) == std::string::npos) << "a secret in the " << lugar;
    }

    cbserver::Servidor servidor_;
    std::unique_ptr<cbserver::ConexaoEmProcesso> local_;
    std::map<std::string, int> cartoes_;
    std::vector<std::string> linhas_;
    std::vector<std::string> pedidos_;
    ResultadoDialogos dialogos_;
};

// ---- INSS card PIN revalidation

AcaoDialogo RevalidaComNB(const QString& nb, bool* focoNoNB = nullptr) {
    return [nb, focoNoNB](QWidget* w) {
        auto* f = static_cast<TFrmRevSenhaINSS_Crt*>(w);
        if (focoNoNB) *focoNoNB = f->focusWidget() == f->edNB;
        Digita(f, nb);
        Enter(f); // to the confirm button
        Enter(f); // presses it
    };
}

TEST_F(DialogoServico, RevalidacaoDeSenhaINSSComCartaoNBESenha) {
    Apresenta(kINSS);
    bool focoNoNB = false;
    const int r = Executa<TFrmRevSenhaINSS_Crt>({{"TFrmRevSenhaINSS_Crt", RevalidaComNB(kNB, &focoNoNB)}});
    EXPECT_EQ(r, TFrmMod::mrOk);
    EXPECT_TRUE(focoNoNB) << "the dialog waits for the NB";
    ASSERT_EQ(pedidos_.size(), 1u);
    EXPECT_EQ(Item(pedidos_[0], "10158"), "70");
    EXPECT_EQ(Item(pedidos_[0], "10103"), "3");
    EXPECT_EQ(Item(pedidos_[0], "10134"), "1");
    EXPECT_EQ(Item(pedidos_[0], "10167"), kNB);
    // The card travels as its number (masked by the platform's report), and leaves 10290 afterwards.
    EXPECT_EQ(Item(pedidos_[0], "10290"), std::string(19, '*'));
    EXPECT_FALSE(Campo(10290).has_value());
    EXPECT_EQ(Item(pedidos_[0], "10544"), "");
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_EQ(Campo(1027), Latin1("Senha do cartão INSS revalidada"));
    EXPECT_TRUE(ReciboTem("SENHA REVALIDADA"));
    EXPECT_TRUE(ReciboTem("NB: 1234567890"));
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    EXPECT_FALSE(VortaSimPinpadAberto()) << "the chain closes the PIN pad it opened";
    EXPECT_TRUE(AuditTem("Saiu: LeCartaoESenha."));
    SemSegredos();
}

TEST_F(DialogoServico, RevalidacaoRecusadaPeloBancoEncerraComOMotivo) {
    // A debit card is no benefit card; the benefit card with another NB is not that benefit's.
    struct Caso {
        const char* cartao;
        const char* nb;
        const char* codigo;
        const char* texto;
    };
    for (const Caso& c : {Caso{kDebito, kNB, "57", "Cartão não é de benefício INSS"},
                          Caso{kINSS, "1234567891", "12", "Número do benefício não confere com o cartão"}}) {
        SCOPED_TRACE(c.codigo);
        pedidos_.clear();
        Apresenta(c.cartao);
        VortaSimPinpadDefineSenha(kSenha);
        const int gravacoes = VortaSimQtdeGravaArquivo();
        EXPECT_EQ(Executa<TFrmRevSenhaINSS_Crt>(
                      {{"TFrmRevSenhaINSS_Crt", RevalidaComNB(QString::fromLatin1(c.nb))}}),
                  TFrmMod::mrOk);
        EXPECT_EQ(pedidos_.size(), 1u);
        EXPECT_EQ(Campo(1009), c.codigo);
        EXPECT_EQ(Campo(1027), Latin1(c.texto));
        EXPECT_EQ(VortaSimQtdeGravaArquivo(), gravacoes + 1);
        EXPECT_FALSE(Campo(10290).has_value());
    }
    SemSegredos();
}

TEST_F(DialogoServico, RevalidacaoComNBInvalidoNaoLeCartaoEVoltaComRetorna) {
    Apresenta(kINSS);
    QString mensagem;
    bool focoVoltou = false;
    const int r = Executa<TFrmRevSenhaINSS_Crt>({{"TFrmRevSenhaINSS_Crt",
                                                  [&](QWidget* w) {
                                                      auto* f = static_cast<TFrmRevSenhaINSS_Crt*>(w);
                                                      RevalidaComNB(QStringLiteral("12345"))(f);
                                                      focoVoltou = f->focusWidget() == f->edNB &&
                                                                   f->edNB->text().isEmpty();
                                                      f->btRetorna->click();
                                                  }},
                                                 {"QMessageBox", [&](QWidget* w) {
                                                      mensagem = static_cast<QMessageBox*>(w)->text();
                                                      w->close();
                                                  }}});
    EXPECT_EQ(r, TFrmMod::mrCancel);
    EXPECT_EQ(mensagem, QStringLiteral("Número do beneficiário (NB) inválido"));
    EXPECT_TRUE(focoVoltou);
    EXPECT_EQ(VortaSimPinpadQtdeLeituras(), 0);
    EXPECT_TRUE(pedidos_.empty());
}

TEST_F(DialogoServico, SenhaCanceladaOuCartaoAusenteEncerramSemPedido) {
    // The customer cancels the PIN; then no card is presented at all.
    for (const bool semCartao : {false, true}) {
        SCOPED_TRACE(semCartao ? "no card" : "PIN cancelled");
        VortaSimPinpadApresentaCartao(semCartao ? -1 : cartoes_.at(kINSS));
        VortaSimPinpadDefineSenha(nullptr);
        const int gravacoes = VortaSimQtdeGravaArquivo();
        EXPECT_EQ(Executa<TFrmRevSenhaINSS_Crt>({{"TFrmRevSenhaINSS_Crt", RevalidaComNB(kNB)}}),
                  TFrmMod::mrOk);
        EXPECT_TRUE(pedidos_.empty());
        EXPECT_EQ(Campo(1009), "FF");
        EXPECT_FALSE(Campo(1027).value_or("").empty());
        EXPECT_EQ(VortaSimQtdeGravaArquivo(), gravacoes + 1);
        EXPECT_FALSE(VortaSimPinpadAberto());
        EXPECT_TRUE(AuditTem("Saiu Erro: LeCartaoESenha."));
    }
    SemSegredos();
}

// ---- Benefit credit statement

TEST_F(DialogoServico, DemonstrativoDaDataEscolhidaVaiParaOComprovante) {
    Apresenta(kINSS);
    int leiturasAoAbrir = -1;
    QStringList datas;
    QString mensagemDatas;
    const int r = Executa<TFrmCnsDtDemDsp>({{"TFrmCnsDtDemDsp", [&](QWidget* w) {
                                                 auto* f = static_cast<TFrmCnsDtDemDsp*>(w);
                                                 leiturasAoAbrir = VortaSimPinpadQtdeLeituras();
                                                 Tecla(f, Qt::Key_1, QStringLiteral("1"));
                                                 for (int i = 0; i < f->cbDatas->count(); ++i)
                                                     datas << f->cbDatas->itemText(i);
                                                 mensagemDatas = f->lbMensagem->text();
                                                 if (f->focusWidget() != f->cbDatas) return;
                                                 Tecla(f, Qt::Key_2, QStringLiteral("2"));
                                                 Tecla(f, Qt::Key_1, QStringLiteral("1"));
                                             }}});
    EXPECT_EQ(r, TFrmMod::mrOk);
    EXPECT_EQ(leiturasAoAbrir, 0) << "the card is read only once the operator confirms";
    EXPECT_EQ(datas, (QStringList{QStringLiteral("05/03/2025"), QStringLiteral("06/02/2025"),
                                  QStringLiteral("07/01/2025")}));
    EXPECT_EQ(mensagemDatas,
              QStringLiteral("Selecione a data do demonstrativo (2 - próxima/ 8 - anterior)."));
    ASSERT_EQ(pedidos_.size(), 2u);
    EXPECT_EQ(Item(pedidos_[0], "10158"), "72");
    EXPECT_EQ(Item(pedidos_[0], "10341"), "1");
    EXPECT_EQ(Item(pedidos_[0], "10290"), std::string(19, '*'));
    EXPECT_EQ(Item(pedidos_[1], "10158"), "73");
    EXPECT_EQ(Item(pedidos_[1], "10165"), "06022025");
    EXPECT_EQ(Item(pedidos_[1], "10104"), std::string(27, '*'));
    EXPECT_EQ(VortaSimPinpadQtdeLeituras(), 1);
    EXPECT_EQ(VortaSimPinpadQtdeSenhas(), 1);
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_TRUE(ReciboTem("DATA DO CREDITO: 06/02/2025"));
    EXPECT_TRUE(ReciboTem("COMPETENCIA: 01/2025"));
    EXPECT_FALSE(ReciboTem("COMPETENCIA: 02/2025"));
    EXPECT_FALSE(Campo(10290).has_value());
    EXPECT_FALSE(VortaSimPinpadAberto());
    SemSegredos();
}

TEST_F(DialogoServico, DatasRecusadasEncerramSemPedirODemonstrativo) {
    Apresenta(kDebito);
    const int r = Executa<TFrmCnsDtDemDsp>(
        {{"TFrmCnsDtDemDsp", [](QWidget* w) { static_cast<TFrmCnsDtDemDsp*>(w)->btConfirma->click(); }}});
    EXPECT_EQ(r, TFrmMod::mrOk);
    EXPECT_EQ(pedidos_.size(), 1u);
    EXPECT_EQ(Campo(1009), "57");
    EXPECT_EQ(Campo(1027), Latin1("Cartão não é de benefício INSS"));
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    EXPECT_FALSE(VortaSimPinpadAberto());
    SemSegredos();
}

TEST_F(DialogoServico, RetornaDianteDasDatasEhDoOperador) {
    Apresenta(kINSS);
    const int r = Executa<TFrmCnsDtDemDsp>({{"TFrmCnsDtDemDsp", [](QWidget* w) {
                                                 auto* f = static_cast<TFrmCnsDtDemDsp*>(w);
                                                 f->btConfirma->click();
                                                 Tecla(f, Qt::Key_9, QStringLiteral("9"));
                                             }}});
    EXPECT_EQ(r, TFrmMod::mrCancel);
    EXPECT_EQ(pedidos_.size(), 1u);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Finalizado pelo Operador");
    EXPECT_FALSE(VortaSimPinpadAberto());
}

TEST_F(DialogoServico, DatasOferecidasSaoAsValidasDoServico5) {
    const std::vector<std::string> elementos{"DTDEM:05032025", "PRODX:cod=001,", "DTDEM:31022025",
                                             "DTDEM:0103", "DTDEM:07012025"};
    for (size_t i = 0; i < elementos.size(); ++i)
        DefineCampo(20005, static_cast<int>(i), elementos[i]);
    DefineCampo(20115, 0, "00005");
    EXPECT_EQ(DatasDemonstrativosDisponiveis(),
              (QStringList{QStringLiteral("05032025"), QStringLiteral("07012025")}));
    DefineCampo(20115, 0, "00001");
    EXPECT_EQ(DatasDemonstrativosDisponiveis(), QStringList{QStringLiteral("05032025")});
}

// ---- Second copy of a debit card

AcaoDialogo PedeComMotivo(int passos) {
    return [passos](QWidget* w) {
        auto* f = static_cast<TFrmPedCrtDeb*>(w);
        for (int i = 0; i < passos; ++i)
            Tecla(f, Qt::Key_2, QStringLiteral("2"));
        Enter(f); // to the confirm button
        Enter(f); // presses it
    };
}

TEST_F(DialogoServico, PedidoDe2aViaComMotivoEscolhidoEUmSoPorCartao) {
    Apresenta(kDebito);
    EXPECT_EQ(Executa<TFrmPedCrtDeb>({{"TFrmPedCrtDeb", PedeComMotivo(2)}}), TFrmMod::mrOk);
    ASSERT_EQ(pedidos_.size(), 1u);
    EXPECT_EQ(Item(pedidos_[0], "10158"), "71");
    EXPECT_EQ(Item(pedidos_[0], "10102"), "03");
    EXPECT_EQ(Item(pedidos_[0], "10341"), "1");
    EXPECT_EQ(Item(pedidos_[0], "10290"), std::string(16, '*'));
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_TRUE(ReciboTem("MOTIVO: CHIP COM DEFEITO"));
    EXPECT_TRUE(ReciboTem("CARTAO: ************3458"));
    EXPECT_TRUE(ReciboTem("TARIFA: R$ 12,00"));
    EXPECT_FALSE(Campo(10290).has_value());

    // The bank keeps the request: a second one for the same card is refused.
    VortaSimPinpadDefineSenha(kSenha);
    EXPECT_EQ(Executa<TFrmPedCrtDeb>({{"TFrmPedCrtDeb", PedeComMotivo(0)}}), TFrmMod::mrOk);
    ASSERT_EQ(pedidos_.size(), 2u);
    EXPECT_EQ(Item(pedidos_[1], "10102"), "01");
    EXPECT_EQ(Campo(1009), "57");
    EXPECT_EQ(Campo(1027).value_or("").rfind(Latin1("Já existe pedido de 2ª via"), 0), 0u);
    SemSegredos();
}

TEST_F(DialogoServico, PedidoDeCartaoSemContaNoBancoERecusado) {
    Apresenta(kVisa);
    EXPECT_EQ(Executa<TFrmPedCrtDeb>({{"TFrmPedCrtDeb", PedeComMotivo(0)}}), TFrmMod::mrOk);
    EXPECT_EQ(pedidos_.size(), 1u);
    EXPECT_EQ(Campo(1009), "57");
    EXPECT_EQ(Campo(1027), Latin1("Cartão sem conta de débito neste banco"));
    SemSegredos();
}

TEST_F(DialogoServico, PedidoComSenhaCanceladaNaoVaiAoBanco) {
    Apresenta(kDebito);
    VortaSimPinpadDefineSenha(nullptr);
    EXPECT_EQ(Executa<TFrmPedCrtDeb>({{"TFrmPedCrtDeb", PedeComMotivo(1)}}), TFrmMod::mrOk);
    EXPECT_TRUE(pedidos_.empty());
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
}

// ---- Service basket change

class DialogoCesta : public DialogoServico {
protected:
    void SetUp() override {
        DialogoServico::SetUp();
        Lumomain::GrupoPagto = QStringLiteral("5");
    }
    // Confirms the dialog, answers the question and picks the product after passos steps down the list.
    int Altera(QMessageBox::StandardButton resposta, int passos) {
        return Executa<TFrmAltCstSrv>(
            {{"TFrmAltCstSrv", [](QWidget* w) { Tecla(w, Qt::Key_1, QStringLiteral("1")); }},
             {"QMessageBox",
              [this, resposta](QWidget* w) {
                  pergunta_ = static_cast<QMessageBox*>(w)->text();
                  static_cast<QMessageBox*>(w)->button(resposta)->click();
              }},
             {"TFrmProduto", [passos](QWidget* w) {
                  auto* p = static_cast<TFrmProduto*>(w);
                  p->lbProdutos->setFocus();
                  for (int i = 0; i < passos; ++i)
                      Tecla(p, Qt::Key_2, QStringLiteral("2"));
                  p->btConfirma->click();
              }}});
    }
    QString pergunta_;
};

TEST_F(DialogoCesta, AlteracaoConsultaACestaAtualEEnviaAEscolhida) {
    Apresenta(kDebito);
    EXPECT_EQ(Altera(QMessageBox::Yes, 1), TFrmMod::mrOk);
    EXPECT_TRUE(pergunta_.contains(QStringLiteral("Cesta Padronizada I")));
    ASSERT_EQ(pedidos_.size(), 2u);
    EXPECT_EQ(Item(pedidos_[0], "10158"), "74");
    EXPECT_EQ(Item(pedidos_[0], "10261"), "2");
    EXPECT_EQ(Item(pedidos_[0], "10290"), std::string(16, '*'));
    EXPECT_EQ(Item(pedidos_[1], "10158"), "75");
    EXPECT_EQ(Item(pedidos_[1], "10103"), "5");
    EXPECT_EQ(Item(pedidos_[1], "10134"), "1");
    EXPECT_EQ(Item(pedidos_[1], "10102.1"), "F");
    // Offered: 001, 003, 004 (the current 002 is not); one step down is 003.
    EXPECT_EQ(Item(pedidos_[1], "10294"), "003");
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_TRUE(ReciboTem("NOVA CESTA: Cesta Padronizada II"));
    EXPECT_FALSE(Campo(10290).has_value());
    EXPECT_FALSE(VortaSimPinpadAberto());
    SemSegredos();
}

TEST_F(DialogoCesta, OperadorQueNaoAlteraEncerraSemPedidoDeAlteracao) {
    Apresenta(kDebito);
    EXPECT_EQ(Altera(QMessageBox::No, 0), TFrmMod::mrOk);
    EXPECT_EQ(pedidos_.size(), 1u);
    EXPECT_EQ(Vistos("TFrmProduto"), 0);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Finalizado pelo Operador");
    // The result file was written again once the card number had left 10290.
    EXPECT_FALSE(Campo(10290).has_value());
    EXPECT_TRUE(Resultado().value_or("").find("10290.") == std::string::npos);
    EXPECT_FALSE(VortaSimPinpadAberto());
    SemSegredos();
}

TEST_F(DialogoCesta, ConsultaQueNaoPodeAbrirNaoPassaPorAprovacao) {
    // The basket query's window cannot be created, which reports nothing itself; the approval of an earlier
    // request in 1009 must not reach the host as this one's.
    Apresenta(kDebito);
    DefineCampo(1009, 0, "00");
    DefineCampo(1027, 0, "Aprovada");
    VortaSimDefineFalhaTema("TFrmCnsCstSrv");
    EXPECT_EQ(Altera(QMessageBox::Yes, 0), TFrmMod::mrOk);
    EXPECT_TRUE(pedidos_.empty());
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Operacao Cancelada");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    EXPECT_FALSE(VortaSimPinpadAberto());
}

// ---- Fininvest reprint

class DialogoReimpressaoFin : public DialogoServico {
protected:
    void SetUp() override {
        DialogoServico::SetUp();
        Lumomain::GrupoPagto = QStringLiteral("2");
        // No card is presented: a reprint needs none.
        VortaSimPinpadApresentaCartao(-1);
    }
    int Reimprime(const QString& data, const QString& nsu, std::vector<QString>* mensagens = nullptr) {
        return Executa<TFrmRFN_Trn>({{"TFrmRFN_Trn",
                                      [data, nsu](QWidget* w) {
                                          auto* f = static_cast<TFrmRFN_Trn*>(w);
                                          Digita(f, data);
                                          Enter(f);
                                          Digita(f, nsu);
                                          Enter(f);
                                          Enter(f);
                                          if (f->ModalResult() == TFrmMod::mrNone) f->btRetorna->click();
                                      }},
                                     {"QMessageBox", [mensagens](QWidget* w) {
                                          if (mensagens)
                                              mensagens->push_back(static_cast<QMessageBox*>(w)->text());
                                          w->close();
                                      }}});
    }
};

TEST_F(DialogoReimpressaoFin, ComprovantePelaDataEPeloNSU) {
    EXPECT_EQ(Reimprime(QStringLiteral("10022025"), QStringLiteral("4711")), TFrmMod::mrOk);
    ASSERT_EQ(pedidos_.size(), 1u);
    EXPECT_EQ(Item(pedidos_[0], "10158"), "76");
    EXPECT_EQ(Item(pedidos_[0], "10103"), "2");
    EXPECT_EQ(Item(pedidos_[0], "1112"), "10022025");
    EXPECT_EQ(Item(pedidos_[0], "10102"), "4711");
    EXPECT_EQ(Item(pedidos_[0], "10168"), "");
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_TRUE(ReciboTem("*** REIMPRESSAO ***"));
    EXPECT_TRUE(ReciboTem("AUTENTICACAO: 8F3A.21C0.77B1.0042"));
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    // The PIN pad is not involved at all: no read, and no card processing that would refuse for want of one.
    EXPECT_TRUE(std::none_of(linhas_.begin(), linhas_.end(),
                             [](const std::string& l) { return l.rfind("pinpad: ", 0) == 0; }));
}

TEST_F(DialogoReimpressaoFin, ComprovanteInexistenteERecusado) {
    EXPECT_EQ(Reimprime(QStringLiteral("11022025"), QStringLiteral("4711")), TFrmMod::mrOk);
    EXPECT_EQ(pedidos_.size(), 1u);
    EXPECT_EQ(Campo(1009), "25");
    EXPECT_EQ(Campo(1027), Latin1("Comprovante não encontrado (NSU 4711 de 11/02/2025)"));
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
}

TEST_F(DialogoReimpressaoFin, DataOuNSUInvalidosMantemODialogo) {
    for (const auto& [data, nsu, texto] :
         {std::tuple{QStringLiteral("31022025"), QStringLiteral("4711"), QStringLiteral("Data inválida")},
          std::tuple{QStringLiteral("01012999"), QStringLiteral("4711"), QStringLiteral("Data inválida")},
          std::tuple{QStringLiteral("10022025"), QString(),
                     QStringLiteral("O N° do Comprovante está inválido")}}) {
        SCOPED_TRACE(texto.toStdString());
        std::vector<QString> mensagens;
        EXPECT_EQ(Reimprime(data, nsu, &mensagens), TFrmMod::mrCancel);
        EXPECT_EQ(mensagens, std::vector<QString>{texto});
    }
    EXPECT_TRUE(pedidos_.empty());
}

// ---- Fininvest menu

class DialogoMenuFininvest : public DialogoServico {
protected:
    // Runs the menu; the stand-in of the screen its option opens is closed (back to the menu's caller), and
    // so is any message box.
    int Abre() {
        return Executa<TFrmFin_Mnu>({{"TFrmIndisponivel",
                                      [this](QWidget* w) {
                                          abertas_.push_back(static_cast<TFrmMod*>(w)->lbTitulo->text());
                                          w->close();
                                      }},
                                     {"QMessageBox", [this](QWidget* w) {
                                          caixas_.push_back(static_cast<QMessageBox*>(w)->text());
                                          w->close();
                                      }}});
    }
    std::vector<QString> abertas_;
    std::vector<QString> caixas_;
};

TEST_F(DialogoMenuFininvest, CarregaOGrupo2EAbreOPagamentoOuOCancelamento) {
    for (const bool cnc : {false, true}) {
        SCOPED_TRACE(cnc ? "cancellation mode" : "payments");
        Lumomain::TrnCNC = cnc;
        Lumomain::GrupoPagto = QStringLiteral("1");
        pedidos_.clear();
        abertas_.clear();
        EXPECT_EQ(Abre(), TFrmMod::mrCancel);
        ASSERT_EQ(pedidos_.size(), 1u);
        EXPECT_EQ(Item(pedidos_[0], "10103"), "2");
        EXPECT_EQ(Item(pedidos_[0], "10158"), "00");
        EXPECT_EQ(Lumomain::GrupoPagto, QStringLiteral("2"));
        EXPECT_EQ(abertas_,
                  std::vector<QString>{cnc ? QStringLiteral("TFrmCnc_Mnu") : QStringLiteral("TFrmCAP_CCB")});
        EXPECT_TRUE(caixas_.empty());
    }
}

TEST_F(DialogoMenuFininvest, SemFormaDePagamentoNoGrupo2NadaEOferecido) {
    // The default scenario with group 2's payment record offering no form of payment.
    QFile f(QStringLiteral(CB_CENARIOS "/default.json"));
    QFile p(QStringLiteral(CB_CENARIOS "/parametros.json"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly) && p.open(QIODevice::ReadOnly));
    QJsonObject raiz = QJsonDocument::fromJson(f.readAll()).object();
    QJsonObject parametros = QJsonDocument::fromJson(p.readAll()).object();
    QJsonObject grupo = parametros.value(QStringLiteral("2")).toObject();
    QJsonArray h;
    for (const QJsonValue& r : grupo.value(QStringLiteral("h")).toArray())
        h.append(r.toString().startsWith(QLatin1String("05"))
                     ? QStringLiteral("05PAGAMENTO FININVEST 805000000")
                     : r.toString());
    grupo.insert(QStringLiteral("h"), h);
    parametros.insert(QStringLiteral("2"), grupo);
    raiz.insert(QStringLiteral("parametros"), parametros);
    QString erro;
    ASSERT_TRUE(
        servidor_.CarregaCenarioJson(QJsonDocument(raiz).toJson(), QStringLiteral(CB_CENARIOS), &erro))
        << erro.toStdString();

    EXPECT_EQ(Abre(), TFrmMod::mrOk);
    EXPECT_TRUE(abertas_.empty());
    EXPECT_EQ(pedidos_.size(), 1u);
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), "Transacao Nao Habilitada");
}

TEST_F(DialogoMenuFininvest, CargaRecusadaFechaOMenuSemOpcao) {
    cbserver::Falhas falhas;
    falhas.recusaCodigo = "05";
    servidor_.DefineFalhas(falhas);
    EXPECT_EQ(Abre(), TFrmMod::mrOk);
    EXPECT_TRUE(abertas_.empty());
    EXPECT_EQ(caixas_.size(), 1u);
    EXPECT_EQ(pedidos_.size(), 1u);
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), Latin1("Parâmetros pagamento de contas indefinidos"));
}

// ---- The bank's side

class BancoServicos : public ::testing::Test {
protected:
    // The reply to operation op with these fields (occurrence 0, or "field.occurrence").
    cbwire::Resposta Pede(const std::string& op, std::map<std::string, std::string> campos) {
        cbwire::Pedido p;
        p.codigo = 242;
        p.itens.push_back({10158, 0, 0, 0, {}, op});
        for (const auto& [chave, valor] : campos) {
            const auto ponto = chave.find('.');
            cbwire::Item i;
            i.campo = static_cast<uint16_t>(std::stoi(chave.substr(0, ponto)));
            i.ocorrencia =
                ponto == std::string::npos ? 0 : static_cast<uint16_t>(std::stoi(chave.substr(ponto + 1)));
            i.valor = valor;
            p.itens.push_back(i);
        }
        const auto r = cbwire::DecodificaResposta(servidor_.Atende(cbwire::CodificaPedido(p)));
        EXPECT_TRUE(r.has_value());
        return r.value_or(cbwire::Resposta{});
    }
    void Cenario(const char* json) {
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenarioJson(QByteArray(json), QString(), &erro)) << erro.toStdString();
    }
    cbserver::Servidor servidor_;
};

constexpr char kSoCartoes[] =
    R"({"cartoes": [{"numero": "6362970000001234560", "validade": "3112", "conta": "0002 0011223-3"}]})";

TEST_F(BancoServicos, CenarioSemOsDadosRecusaCadaOperacaoDizendoOQueFalta) {
    Cenario(kSoCartoes);
    const std::map<std::string, std::string> campos{
        {"10290", kINSS}, {"10104", std::string(kINSS) + "=3112101"}, {"10146", "ABCD"}, {"10243", "FFFF1"}};
    for (const char* op : {"70", "71", "72", "73", "76"}) {
        SCOPED_TRACE(op);
        const auto r = Pede(op, campos);
        EXPECT_EQ(r.codigo, "57");
        EXPECT_NE(r.mensagem.find(Latin1("não previst")), std::string::npos);
        EXPECT_TRUE(r.servicos.empty());
    }
}

TEST_F(BancoServicos, DadosMalformadosSaoRecusadosComOLugar) {
    Cenario(R"({"beneficiosINSS": {"cartao": "1"}, "segundaViaCartaoDebito": {"motivos": {}},
                "reimpressoesFininvest": [{"nsu": 12}]})");
    EXPECT_EQ(Pede("72", {{"10290", kINSS}}).mensagem, Latin1("Cenário com beneficiosINSS malformado"));
    EXPECT_EQ(Pede("71", {{"10290", kINSS}}).mensagem,
              Latin1("Cenário com segundaViaCartaoDebito malformado"));
    EXPECT_EQ(Pede("76", {{"10102", "1"}}).mensagem, Latin1("Cenário com reimpressoesFininvest malformado"));
}

TEST_F(BancoServicos, ChecagensDoBancoAntesDeAprovar) {
    QString erro;
    ASSERT_TRUE(servidor_.CarregaCenario(QStringLiteral(CB_CENARIOS "/default.json"), &erro));
    const std::string trilha = std::string(kINSS) + "=3112101";
    // Revalidation without the PIN pad's serial (no PIN typed), statement without a PIN block or for a date
    // the bank has not, a card the bank does not know, a reprint NSU that is not a number.
    EXPECT_EQ(Pede("70", {{"10290", kINSS}, {"10167", kNB}}).codigo, "55");
    EXPECT_EQ(Pede("73", {{"10104", trilha}, {"10165", "05032025"}}).codigo, "55");
    const auto semData = Pede("73", {{"10104", trilha}, {"10146", "AB"}, {"10165", "05042025"}});
    EXPECT_EQ(semData.codigo, "25");
    EXPECT_EQ(semData.mensagem, Latin1("Demonstrativo não disponível para a data 05/04/2025"));
    EXPECT_EQ(Pede("72", {{"10290", "6362970000009999999"}}).codigo, "14");
    EXPECT_EQ(Pede("76", {{"10102", "47a1"}, {"1112", "10022025"}}).codigo, "12");
    // NSUs compare as numbers; each approval gets a sequence number of its own.
    const auto a = Pede("76", {{"10102", "0004711"}, {"1112", "10022025"}});
    const auto b = Pede("73", {{"10104", trilha}, {"10146", "AB"}, {"10165", "05032025"}});
    ASSERT_EQ(a.codigo, "00");
    ASSERT_EQ(b.codigo, "00");
    ASSERT_FALSE(a.servicos.empty());
    ASSERT_FALSE(b.servicos.empty());
    EXPECT_EQ(a.servicos[0].second.back(), "NSU: 1");
    EXPECT_EQ(b.servicos[0].second.back(), "NSU: 2");
}

} // namespace
