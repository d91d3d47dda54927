// The service-basket check a transaction may run first: when it applies, what it asks the bank, what the
// operator sees and chooses, and what the host finds when the chain ends.
#include "Ambiente.h"
#include "EmProcesso.h"
#include "Servidor.h"
#include "frame/Lumomain.h"
#include "frame/Produto.h"
#include "protocol/ServicosResposta.h"

#include <QListWidget>
#include <QPushButton>

#include <memory>
#include <string>
#include <vector>

namespace {

class TFrmTeste : public TFrmMod {
public:
    explicit TFrmTeste(QWidget* pai) : TFrmMod(pai, QStringLiteral("FrmTeste")) {}
};

class Cesta : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenario(QStringLiteral(CB_CENARIOS "/default.json"), &erro))
            << erro.toStdString();
        local_ = std::make_unique<cbserver::ConexaoEmProcesso>(servidor_);
        VortaSimDefineObservador(&Cesta::Observa, this);
        Lumomain::GrupoPagto = QStringLiteral("5");
        Lumomain::ServicoHzinho_25_InformacaoModoTransacao.limpa();
        form_ = TFrmMod::Cria<TFrmTeste>(nullptr);
        ASSERT_NE(form_, nullptr);
        DefineCampo(10102, 1, "F");
        DefineCampo(10158, 0, "75");
    }
    void TearDown() override {
        VortaSimDefineObservador(nullptr, nullptr);
        delete form_;
        local_.reset();
        Ambiente::TearDown();
    }
    static void Observa(const char* tipo, const char* texto, void* contexto) {
        if (std::string_view(tipo) == "pedido") static_cast<Cesta*>(contexto)->pedidos_.emplace_back(texto);
    }
    void ModoTransacao(const char* flags) {
        Lumomain::ServicoHzinho_25_InformacaoModoTransacao.atribui("25" + std::string(58, ' ') + flags);
    }
    bool Verifica(char modo, std::vector<AcaoDialogo> acoes) {
        bool ok = false;
        dialogos_ =
            FechaDialogos([&] { ok = form_->VerificaRealizaConsultaCestaServicos(modo); }, std::move(acoes));
        return ok;
    }
    static AcaoDialogo Escolhe(int passos) {
        return [passos](QWidget* w) {
            auto* p = static_cast<TFrmProduto*>(w);
            p->lbProdutos->setFocus();
            for (int i = 0; i < passos; ++i)
                Tecla(p, Qt::Key_2, QStringLiteral("2"));
            p->btConfirma->click();
        };
    }
    static AcaoDialogo Botao(QMessageBox::StandardButton b) {
        return [b](QWidget* w) { static_cast<QMessageBox*>(w)->button(b)->click(); };
    }

    cbserver::Servidor servidor_;
    std::unique_ptr<cbserver::ConexaoEmProcesso> local_;
    TFrmTeste* form_ = nullptr;
    std::vector<std::string> pedidos_;
    ResultadoDialogos dialogos_;
};

TEST_F(Cesta, SemMarcaFNoCampo10102NadaSeConsulta) {
    DefineCampo(10102, 1, "T");
    EXPECT_TRUE(Verifica('2', {}));
    EXPECT_TRUE(dialogos_.vistos.empty());
    EXPECT_TRUE(pedidos_.empty());
    EXPECT_FALSE(Campo(10261).has_value());
}

TEST_F(Cesta, Modo1SemOsBitsDoModoDeTransacaoNaoMexeNo10290) {
    ModoTransacao("004");
    DefineCampo(10290, 0, "conta 123");
    EXPECT_TRUE(Verifica('1', {}));
    EXPECT_TRUE(pedidos_.empty());
    EXPECT_EQ(Campo(10290), "conta 123");
    EXPECT_EQ(Campo(10261), "1");
}

TEST_F(Cesta, Modo1ConsultaSemAChaveDaContaEEscolheOProduto) {
    ModoTransacao("002");
    DefineCampo(10290, 0, "5067220000123458");
    EXPECT_TRUE(Verifica('1', {Escolhe(1)}));
    ASSERT_EQ(pedidos_.size(), 1u);
    EXPECT_NE(pedidos_[0].find("10158=\"74\""), std::string::npos) << pedidos_[0];
    EXPECT_EQ(pedidos_[0].find("5067220000123458"), std::string::npos)
        << "the account key was cleared for the query";
    EXPECT_EQ(Campo(10290), "5067220000123458") << "and comes back afterwards";
    EXPECT_EQ(Campo(10158), "75") << "the transaction's operation code comes back";
    // The whole catalogue is offered in mode 1: the second product is "002".
    EXPECT_EQ(Campo(10294), "002");
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrNone);
}

TEST_F(Cesta, Modo2MostraACestaAtualEPerguntaSeAltera) {
    DefineCampo(10290, 0, "5067220000123458");
    EXPECT_TRUE(Verifica('2', {Botao(QMessageBox::Yes), Escolhe(0)}));
    ASSERT_EQ(dialogos_.vistos.size(), 2u);
    EXPECT_EQ(dialogos_.vistos[0].titulo, QStringLiteral("Alt. Cesta Serviços"));
    EXPECT_EQ(dialogos_.vistos[0].texto, QStringLiteral("Cesta atual:\nCesta Padronizada I\n\nAlterar ?"));
    EXPECT_TRUE(dialogos_.vistos[0].noTopo);
    EXPECT_EQ(dialogos_.vistos[1].classe, "TFrmProduto");
    // The current basket is not offered again: the first one offered is "001".
    EXPECT_EQ(Campo(10294), "001");
}

TEST_F(Cesta, Modo2RespondidoNaoFechaACadeiaComOResultado) {
    DefineCampo(10290, 0, "5067220000123458");
    EXPECT_FALSE(Verifica('2', {Botao(QMessageBox::No)}));
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_TRUE(Resultado().has_value());
    EXPECT_FALSE(Campo(10294).has_value());
}

TEST_F(Cesta, RetornoDaEscolhaDoProdutoFechaACadeia) {
    DefineCampo(10290, 0, "5067220000123458");
    EXPECT_FALSE(Verifica('2', {Botao(QMessageBox::Yes),
                                [](QWidget* w) { static_cast<TFrmProduto*>(w)->btRetorna->click(); }}));
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_FALSE(Campo(10294).has_value());
}

TEST_F(Cesta, ConsultaRecusadaMostraOMotivoEFechaACadeia) {
    DefineCampo(10290, 0, "9999999999999999");
    EXPECT_FALSE(Verifica('2', {Fecha()}));
    ASSERT_EQ(dialogos_.vistos.size(), 1u);
    EXPECT_EQ(dialogos_.vistos[0].texto, QStringLiteral("Cliente não identificado"));
    EXPECT_EQ(Campo(1009), "14");
    EXPECT_EQ(form_->ModalResult(), TFrmMod::mrOk);
    EXPECT_TRUE(Resultado().has_value());
}

TEST_F(Cesta, AlteracaoMudaACestaDoClienteNoBanco) {
    // Approved change, then the query shows the new basket as the current one.
    cbwire::Pedido p;
    p.codigo = 242;
    auto item = [](uint16_t campo, const std::string& v) {
        cbwire::Item i;
        i.campo = campo;
        i.valor = v;
        return i;
    };
    p.itens = {item(10158, "75"), item(10104, "5067220000123458=29121011234500000"),
               item(10146, "0123456789ABCDEF"), item(10294, "004")};
    auto r = cbwire::DecodificaResposta(servidor_.Atende(cbwire::CodificaPedido(p)));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "00");
    r = cbwire::DecodificaResposta(servidor_.Atende(cbwire::CodificaPedido(p)));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "57") << "the customer has that basket now";

    DefineCampo(10290, 0, "5067220000123458");
    EXPECT_TRUE(Verifica('2', {Botao(QMessageBox::Yes), Escolhe(0)}));
    ASSERT_FALSE(dialogos_.vistos.empty());
    EXPECT_EQ(dialogos_.vistos[0].texto, QStringLiteral("Cesta atual:\nCesta Exclusiva\n\nAlterar ?"));
}

} // namespace
