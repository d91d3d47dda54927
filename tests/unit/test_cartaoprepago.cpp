// The prepaid card: the menu narrowed by h-record 41, the identification menu by "ClienteTrn.ini" and the
// cancellation mode, the mobile-number dialog's padding, what the identification queries write and keep,
// the withdrawal's mobile path (PIN and phone code), and the simulated bank's checks of those blocks.
#include "Ambiente.h"
#include "BancoRoteirizado.h"
#include "Servidor.h"
#include "frame/Lumomain.h"
#include "padkit.h"
#include "prepaid/Coletadadoscelulartrn.h"
#include "prepaid/Consultaidentificacaoclientecartaoprepago.h"
#include "prepaid/Depositotransferenciacartaoprepago.h"
#include "prepaid/Impressaoconsultacartaoprepago.h"
#include "prepaid/Menuidentificacaoclientecartaoprepago.h"
#include "prepaid/Menupagamentogrupo7cartaoprepago.h"
#include "prepaid/Saquepagamentodiversosgrupo7_cartaoprepagolumo.h"
#include "protocol/ServicosResposta.h"

#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char CARTAO_MARIA[] = "6370950000012349";
constexpr char CELULAR_MARIA[] = "01100987654321";

// The group-7 record of the sub-functions, with these five flags at offsets 25-29.
void H41(const std::string& flags) {
    Lumomain::IniciaServicosHzinhoParametros();
    Lumomain::GravaServicoHzinhoParametro("41CARTAO PRE PAGO       805" + flags);
}

std::vector<bool> Habilitadas(const TFrmMnu_Mod& menu, int quantas) {
    std::vector<bool> r;
    for (int i = 0; i < quantas; ++i)
        r.push_back(menu.spOpcao[static_cast<size_t>(i)]->isEnabled());
    return r;
}

class CartaoPrePago : public Ambiente {
protected:
    void TearDown() override {
        VortaSimDefineServidorLocal(nullptr, nullptr);
        Lumomain::TrnCNC = false;
        Lumomain::bPinpadCBAberto = false;
        Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.limpa();
        Ambiente::TearDown();
    }
    void Banco() { VortaSimDefineServidorLocal(&BancoRoteirizado::Atende, &banco_); }

    BancoRoteirizado banco_;
};

TEST_F(CartaoPrePago, MenuHabilitaCadaOpcaoPeloSeuCaractereDoH41) {
    const std::vector<std::pair<std::string, std::vector<bool>>> casos = {
        {"11111", {true, true, true, true, true}},
        {"10100", {true, false, true, false, false}},
        {"01012", {false, true, false, true, false}},
        // A record cut short: the missing flags are not "1".
        {"11", {true, true, false, false, false}},
    };
    for (const auto& [flags, esperado] : casos) {
        SCOPED_TRACE(flags);
        H41(flags);
        std::unique_ptr<TFrmCartaoPrePagoGrupo7_Mnu> menu(
            TFrmMod::Cria<TFrmCartaoPrePagoGrupo7_Mnu>(nullptr));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(Habilitadas(*menu, 5), esperado);
        EXPECT_EQ(menu->spOpcao[4]->text(), QStringLiteral("&5 - Transferência"));
        EXPECT_FALSE(menu->spOpcao[5]->isVisibleTo(menu.get()));
    }
}

TEST_F(CartaoPrePago, IdentificacaoPeloClienteTrnENuncaNoModoCancelamento) {
    struct Caso {
        const char* ini;
        bool cnc;
        std::vector<bool> esperado;
    };
    const std::vector<Caso> casos = {
        {"", false, {false, false}},
        {"IdentificacaoClienteCartao=1\r\n", false, {true, false}},
        {"IdentificacaoClienteCelular=true\r\n", false, {false, true}},
        {"IdentificacaoClienteCartao=1\r\nIdentificacaoClienteCelular=1\r\n", false, {true, true}},
        {"IdentificacaoClienteCartao=1\r\nIdentificacaoClienteCelular=1\r\n", true, {false, false}},
        {"IdentificacaoClienteCartao=0\r\nIdentificacaoClienteCelular=1\r\n", false, {false, true}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.ini) + (c.cnc ? " CNC" : ""));
        EscreveIni(QStringLiteral("ClienteTrn.ini"), QByteArray("[CorrespondenteBancario]\r\n") + c.ini);
        Lumomain::TrnCNC = c.cnc;
        std::unique_ptr<TFrmIdCliMagCel_Mnu> menu(TFrmMod::Cria<TFrmIdCliMagCel_Mnu>(nullptr));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(Habilitadas(*menu, 2), c.esperado);
        EXPECT_EQ(menu->spOpcao[1]->text(), QStringLiteral("&2 - Número Celular"));
    }
}

TEST_F(CartaoPrePago, CelularPreenchidoComZerosEmCadaCampoENo10104) {
    EXPECT_EQ(Coletadadoscelulartrn::FormataDDD(QStringLiteral(" 11 ")), QStringLiteral("011"));
    EXPECT_EQ(Coletadadoscelulartrn::FormataDDD(QStringLiteral("011")), QStringLiteral("011"));
    EXPECT_EQ(Coletadadoscelulartrn::FormataNumeroCelular(QStringLiteral("987654321")),
              QStringLiteral("00987654321"));
    EXPECT_EQ(Coletadadoscelulartrn::FormataNumeroCelular(QStringLiteral("98765432101")),
              QStringLiteral("98765432101"));

    // Both parts from the host: the dialog locks them, confirms by itself and writes them padded.
    DefineCampo(1038, 0, "11");
    DefineCampo(1039, 0, " 987654321");
    std::unique_ptr<TFrmColetaDadosCelular> f(TFrmMod::Cria<TFrmColetaDadosCelular>(nullptr));
    ASSERT_NE(f, nullptr);
    int resultado = -1;
    const auto r = FechaDialogos([&] { resultado = f->Executa(); }, {Nada()});
    EXPECT_FALSE(r.prazoEsgotado);
    EXPECT_EQ(resultado, TFrmMod::mrOk);
    EXPECT_FALSE(f->edDDD->isEnabled());
    EXPECT_FALSE(f->edNumCelular->isEnabled());
    EXPECT_EQ(Campo(1038), "011");
    EXPECT_EQ(Campo(1039), "00987654321");
    EXPECT_EQ(Campo(10104), CELULAR_MARIA);
}

TEST_F(CartaoPrePago, CelularSoODDDDoHostDeixaONumeroParaDigitar) {
    DefineCampo(1038, 0, "21");
    std::unique_ptr<TFrmColetaDadosCelular> f(TFrmMod::Cria<TFrmColetaDadosCelular>(nullptr));
    ASSERT_NE(f, nullptr);
    f->show();
    ASSERT_TRUE(EsperaAtiva(f.get()));
    QApplication::processEvents();
    EXPECT_FALSE(f->edDDD->isEnabled());
    EXPECT_TRUE(f->edNumCelular->isEnabled());
    EXPECT_EQ(f->focusWidget(), f->edNumCelular);
    EXPECT_EQ(f->edNumCelular->maxLength(), 11);
    // Letters never reach the edit.
    Digita(f.get(), "9a8");
    EXPECT_EQ(f->edNumCelular->text(), QStringLiteral("98"));
}

TEST_F(CartaoPrePago, ConsultasGravamFuncaoFormaERedeVazia) {
    struct Caso {
        const char* funcao;
        const char* forma;
        const char* operacao;
        const char* tipo;
    };
    for (const auto& c :
         std::vector<Caso>{{"14", "1", "14", "1"}, {"14", "2", "14", "2"}, {"16", "2", "16", "2"}}) {
        SCOPED_TRACE(std::string(c.funcao) + "/" + c.forma);
        DefineCampo(10112, 0, "805");
        DefineCampo(10298, 0, c.funcao);
        DefineCampo(10229, 0, c.forma);
        std::unique_ptr<TFrmConsIdCliCartaoPrePago> f(TFrmMod::Cria<TFrmConsIdCliCartaoPrePago>(nullptr));
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(f->GravaCamposHostlink());
        EXPECT_EQ(Campo(10158), c.operacao);
        EXPECT_EQ(Campo(10134), c.tipo);
        EXPECT_EQ(Campo(10112), "");
    }
    DefineCampo(10112, 0, "805");
    DefineCampo(10158, 0, "14");
    std::unique_ptr<TFrmCnsIdCliSaque> saque(TFrmMod::Cria<TFrmCnsIdCliSaque>(nullptr));
    ASSERT_NE(saque, nullptr);
    ASSERT_TRUE(saque->GravaCamposHostlink());
    EXPECT_EQ(Campo(10158), "10");
    EXPECT_EQ(Campo(10112), "");
}

TEST_F(CartaoPrePago, ConsultaAprovadaGuardaOTitularEPreparaOAbandono) {
    Banco();
    cbwire::Resposta r;
    r.codigo = "00";
    r.hRegistros = {std::string("40") + CARTAO_MARIA + "MARIA DA SILVA                "};
    banco_.respostas.push_back(r);
    DefineCampo(10298, 0, "14");
    DefineCampo(10229, 0, "1");

    bool ok = false;
    FechaDialogos([&] { ok = Lumomain::VerificaIdentificacaoClienteDepositoTransfCartaoPrePago(); },
                  {Nada()});
    EXPECT_TRUE(ok);
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 10158), "14");
    EXPECT_EQ(Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.texto(16, 30).trimmed(),
              QStringLiteral("MARIA DA SILVA"));
    // A later abandonment reaches the host as the operator's; the reply's card number left the host fields.
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), "Finalizado pelo Operador");
    EXPECT_FALSE(Campo(20200).has_value());

    cbwire::Resposta recusa;
    recusa.codigo = "14";
    recusa.mensagem = Latin1("Cliente não identificado");
    banco_.respostas.push_back(recusa);
    const int gravacoes = VortaSimQtdeGravaArquivo();
    FechaDialogos([&] { ok = Lumomain::VerificaIdentificacaoClienteDepositoTransfCartaoPrePago(); },
                  {Nada()});
    EXPECT_FALSE(ok);
    EXPECT_EQ(Campo(1009), "14");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), gravacoes + 1) << "the refusal reaches the host";
}

TEST_F(CartaoPrePago, MovimentosVaoPelaRedeDoCorrespondenteComSuaOperacao) {
    Banco();
    // The destination query leaves group "1" behind it; the transfer goes as group 7 again.
    DefineCampo(10103, 0, "1");
    const int gravacoes = VortaSimQtdeGravaArquivo();
    bool ok = false;
    FechaDialogos(
        [&] {
            ok = TFrmTrnCartaoPrePago_Mod::ExecutaTransacaoForm<TFrmTransfCartaoPrePago>(
                QStringLiteral("FrmTransfCartaoPrePago"));
        },
        {Nada()});
    EXPECT_TRUE(ok);
    // Its request names no network (the descriptor sends a blank in its place); the host field has it.
    EXPECT_EQ(Campo(10112), "805");
    DefineCampo(10103, 0, "7");
    DefineCampo(10112, 0, "");
    FechaDialogos(
        [&] {
            ok = TFrmTrnCartaoPrePago_Mod::ExecutaTransacaoForm<TFrmDepCartaoPrePago>(
                QStringLiteral("FrmDepCartaoPrePago"));
        },
        {Nada()});
    EXPECT_TRUE(ok);
    ASSERT_EQ(banco_.pedidos.size(), 2u);
    EXPECT_EQ(banco_.pedidos[0].indicador, 1);
    EXPECT_EQ(banco_.Valor(0, 10103), "7");
    EXPECT_EQ(banco_.Valor(0, 10158), "17");
    EXPECT_EQ(banco_.Valor(1, 10158), "15");
    EXPECT_EQ(banco_.Valor(1, 10112), "805");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), gravacoes + 2) << "each movement hands the host its result";
}

TEST_F(CartaoPrePago, DepositoQueNaoGravaSeusCamposNaoEnviaECancela) {
    Banco();
    const int campos[] = {10158};
    VortaSimDefineFalhaGravacao(campos, 1);
    const int gravacoes = VortaSimQtdeGravaArquivo();
    bool ok = true;
    FechaDialogos(
        [&] {
            ok = TFrmTrnCartaoPrePago_Mod::ExecutaTransacaoForm<TFrmDepCartaoPrePago>(
                QStringLiteral("FrmDepCartaoPrePago"));
        },
        {Nada()});
    VortaSimDefineFalhaGravacao(nullptr, 0);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Operacao Cancelada");
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), gravacoes + 1);
}

TEST_F(CartaoPrePago, MascaraDoCartaoDeixaOsQuatroUltimos) {
    EXPECT_EQ(Impressaoconsultacartaoprepago::MascaraCartao(QString::fromLatin1(CARTAO_MARIA)),
              QStringLiteral("************2349"));
    EXPECT_EQ(Impressaoconsultacartaoprepago::MascaraCartao(QStringLiteral("123")), QStringLiteral("123"));
}

// The withdrawal dialog for a holder identified by mobile number, run as the menu runs it.
class SaqueCelular : public CartaoPrePago {
protected:
    void SetUp() override {
        CartaoPrePago::SetUp();
        H41("11111");
        Lumomain::GrupoPagto = QStringLiteral("7");
        Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.atribui(std::string(CARTAO_MARIA) +
                                                                 "MARIA DA SILVA");
        DefineCampo(1003, 0, "5000");
        DefineCampo(10229, 0, "2");
        Banco();
    }
    int Executa() {
        std::unique_ptr<TFrmMod_SaqueCartaoPrePago> f(TFrmMod::Cria<TFrmMod_SaqueCartaoPrePago>(nullptr));
        EXPECT_NE(f, nullptr);
        if (!f) return -1;
        int resultado = -1;
        const auto r = FechaDialogos([&] { resultado = f->Executa(); }, {Nada()});
        EXPECT_FALSE(r.prazoEsgotado);
        return resultado;
    }
};

TEST_F(SaqueCelular, SenhaNo10146CodigoNo10104SemNSPIN) {
    const char* senhas[] = {"7391", "582914"};
    VortaSimPinpadDefineSenhas(senhas, 2);
    EXPECT_EQ(Executa(), TFrmMod::mrOk);
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 10158), "11");
    EXPECT_EQ(banco_.Valor(0, 10103), "7");
    EXPECT_EQ(banco_.Valor(0, 10134), "2");
    const auto pin = banco_.Valor(0, 10146);
    const auto codigo = banco_.Valor(0, 10104);
    ASSERT_TRUE(pin && codigo);
    EXPECT_EQ(pin->size(), 16u);
    EXPECT_EQ(codigo->size(), 16u);
    EXPECT_NE(*pin, *codigo) << "two captures, two blocks";
    EXPECT_EQ(codigo->find(CARTAO_MARIA), std::string::npos);
    EXPECT_EQ(banco_.Quantos(0, 10243), 0) << "the key serial number of the second capture is not sent";
    EXPECT_FALSE(Lumomain::bPinpadCBAberto);
}

TEST_F(SaqueCelular, CodigoCanceladoNoPinpadNaoEnviaNada) {
    const char* senhas[] = {"7391", nullptr};
    VortaSimPinpadDefineSenhas(senhas, 2);
    const int gravacoes = VortaSimQtdeGravaArquivo();
    EXPECT_EQ(Executa(), TFrmMod::mrOk);
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), gravacoes + 1);
    EXPECT_EQ(Campo(1009), "FF");
}

// The simulated bank against blocks the platform's PIN pad makes.
class BancoPrePago : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        const auto cenario = std::filesystem::path(CB_CENARIOS) / "cartao_prepago.json";
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenario(QString::fromStdString(cenario.string()), &erro))
            << erro.toStdString();
    }
    // The block the PIN pad makes of a secret typed while field 10104 holds dados.
    std::string Bloco(const char* segredo, const std::string& dados) {
        DefineCampo(10104, 0, dados);
        VortaSimPinpadDefineSenha(segredo);
        EXPECT_EQ(LerSenha(0, "", "", 0, ""), PAD_OK);
        return Campo(10146).value_or("");
    }
    cbwire::Resposta Pede(const std::string& operacao, std::vector<std::pair<uint16_t, std::string>> campos) {
        cbwire::Pedido p;
        p.codigo = 242;
        const auto item = [](uint16_t campo, const std::string& valor) {
            cbwire::Item i;
            i.campo = campo;
            i.valor = valor;
            return i;
        };
        p.itens = {item(10103, "7"), item(10158, operacao)};
        for (const auto& [campo, valor] : campos)
            p.itens.push_back(item(campo, valor));
        return cbwire::DecodificaResposta(servidor_.Atende(cbwire::CodificaPedido(p)))
            .value_or(cbwire::Resposta{});
    }
    cbwire::Resposta SaqueCelular(const std::string& valor, const char* senha, const char* codigo) {
        const std::string pin = Bloco(senha, CARTAO_MARIA);
        const std::string cod = Bloco(codigo, CARTAO_MARIA);
        return Pede("11", {{1003, valor}, {10134, "2"}, {10104, cod}, {10146, pin}});
    }

    cbserver::Servidor servidor_;
};

TEST_F(BancoPrePago, IdentificacaoPorCelularDevolveCartaoENome) {
    const auto r = Pede("10", {{1205, ""}, {10104, CELULAR_MARIA}});
    EXPECT_EQ(r.codigo, "00");
    ASSERT_EQ(r.hRegistros.size(), 1u);
    // Compared without printing: a failure message must not show a card number.
    EXPECT_TRUE(r.hRegistros[0] == std::string("40") + CARTAO_MARIA + "MARIA DA SILVA                ");
    // A number the bank does not know, and the card number where the phone is expected.
    EXPECT_EQ(Pede("10", {{10104, "01100000000000"}}).codigo, "14");
    EXPECT_EQ(Pede("10", {{10104, CARTAO_MARIA}}).codigo, "14");
    // The holder whose name is blanks is answered as the bank has it.
    const auto branco = Pede("14", {{10134, "1"}, {10104, "6370950000090121"}});
    ASSERT_EQ(branco.hRegistros.size(), 1u);
    EXPECT_EQ(branco.hRegistros[0].substr(18), std::string(30, ' '));
}

TEST_F(BancoPrePago, SaquePorCelularConfereSenhaECodigoEBaixaOSaldo) {
    EXPECT_EQ(SaqueCelular("1000", "7391", "111111").codigo, "55") << "wrong phone code";
    EXPECT_EQ(SaqueCelular("1000", "1111", "582914").codigo, "55") << "wrong PIN";
    EXPECT_EQ(SaqueCelular("45000", "7391", "582914").codigo, "00");
    // 500,00 at the start: 50,00 are left.
    EXPECT_EQ(SaqueCelular("5001", "7391", "582914").codigo, "51");
    EXPECT_EQ(SaqueCelular("5000", "7391", "582914").codigo, "00");
}

TEST_F(BancoPrePago, DepositoETransferenciaMovemOsSaldos) {
    const std::string joao = "6370950000056783";
    const std::string trilhaJoao = joao + "=3012101";
    // João has 10,00; a deposit of 20,00 lets him withdraw 30,00 by card.
    EXPECT_EQ(Pede("15", {{1003, "2000"}, {10134, "1"}, {10104, joao}, {1007, ""}}).codigo, "12");
    EXPECT_EQ(Pede("15", {{1003, "2000"}, {10134, "1"}, {10104, joao}, {1007, "11144477735"}}).codigo, "00");
    EXPECT_EQ(
        Pede("11", {{1003, "3000"}, {10134, "1"}, {10104, trilhaJoao}, {10146, Bloco("2468", trilhaJoao)}})
            .codigo,
        "00");
    // Maria sends him 100,00 with her PIN on his card; he can then take it out.
    const std::string pinMaria = Bloco("7391", trilhaJoao);
    const auto transferencia = [&](const std::string& op) {
        return Pede(
            op,
            {{1003, "10000"}, {10340, "1"}, {10348, CELULAR_MARIA}, {10104, trilhaJoao}, {10146, pinMaria}});
    };
    const auto destino = transferencia("16");
    ASSERT_EQ(destino.codigo, "00");
    ASSERT_EQ(destino.hRegistros.size(), 1u);
    EXPECT_TRUE(destino.hRegistros[0].compare(2, 16, joao) == 0);
    EXPECT_EQ(transferencia("17").codigo, "00");
    EXPECT_EQ(
        Pede("11", {{1003, "10001"}, {10134, "1"}, {10104, trilhaJoao}, {10146, Bloco("2468", trilhaJoao)}})
            .codigo,
        "51");
    EXPECT_EQ(
        Pede("11", {{1003, "10000"}, {10134, "1"}, {10104, trilhaJoao}, {10146, Bloco("2468", trilhaJoao)}})
            .codigo,
        "00");
}

} // namespace
