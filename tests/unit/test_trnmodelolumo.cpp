// The transaction form's confirm flow against a scripted bank: the value's edit, the PIN pad's confirmation
// of the value and of a referred credit, and what a group-4 reply leaves in the host (the other flows are the
// operator scripts' transacao_*).
#include "Ambiente.h"
#include "BancoRoteirizado.h"
#include "Protocolo.h"
#include "frame/Lumomain.h"
#include "frame/Trnmodelolumo.h"
#include "host/Host.h"
#include "padkit.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

class Transacao : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        Lumomain::GrupoPagto = QStringLiteral("1");
        Lumomain::ServicoHzinho_Pagamento.atribui("PAGAMENTO DE CONTAS 805111111");
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

    TTabelaTrn descritor_{};
    TFrmTrnTeste* form_ = nullptr;
    Banco banco_;
    std::vector<std::string> pinpad_;
    int finalizacoes_ = 0;
    ResultadoDialogos dialogos_;
};

TEST_F(Transacao, EdicaoDoValorPreencheDaDireitaEAceitaUmaVirgula) {
    form_->show();
    form_->edValor->setFocus();
    for (const char* t : {"1", "2", "x", "3", ",", "4", ".", "5"})
        Tecla(form_, t[0] >= '0' && t[0] <= '9' ? Qt::Key_0 + (t[0] - '0') : Qt::Key_A,
              QString::fromLatin1(t));
    EXPECT_EQ(form_->edValor->text(), QStringLiteral("123,45"));
    form_->hide();
}

// The customer confirms the value on the PIN pad for a debit (18) or credit (19) settlement, in every group
// but the withdrawals' (3).
TEST_F(Transacao, ValorConfirmadoNoPinpadNoDebitoENoCreditoForaDoGrupo3) {
    struct Caso {
        const char* grupo;
        const char* funcao;
        int confirmacoes;
    };
    for (const Caso& c : {Caso{"1", "18", 1}, Caso{"1", "19", 1}, Caso{"4", "19", 1}, Caso{"1", "16", 0},
                          Caso{"3", "18", 0}, Caso{"3", "19", 0}}) {
        SCOPED_TRACE(std::string(c.grupo) + "/" + c.funcao);
        TearDown();
        SetUp();
        Lumomain::GrupoPagto = QString::fromLatin1(c.grupo);
        DefineCampo(10158, 0, c.funcao);
        EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
        EXPECT_EQ(Confirmacoes(), c.confirmacoes);
        EXPECT_EQ(banco_.pedidos.size(), 1u);
        for (const auto& e : pinpad_) {
            if (e.rfind("confirmacao", 0) == 0) {
                EXPECT_NE(e.find("R$ 12,34"), std::string::npos) << e;
            }
        }
    }
    // Refused there, nothing goes to the bank and the host is told.
    TearDown();
    SetUp();
    DefineCampo(10158, 0, "19");
    const bool nao = false;
    VortaSimPinpadDefineConfirmacoes(&nao, 1);
    EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
    EXPECT_TRUE(banco_.pedidos.empty());
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

TEST_F(Transacao, Grupo4GravaO1251DoServicoA) {
    Lumomain::GrupoPagto = QStringLiteral("4");
    banco_.respostas = {Resposta("00", "", {{'A', {"XXXX00001234YYYY"}}})};
    EXPECT_EQ(Executa(QStringLiteral("1234")), TFrmMod::mrOk);
    EXPECT_EQ(Campo(1251), "1234");
}

} // namespace
