// The parameter load against the simulated bank, in-process: what it sends, what it keeps, and how it fails.
#include "Ambiente.h"
#include "EmProcesso.h"
#include "Servidor.h"
#include "frame/Lumomain.h"
#include "frame/Cargaparametropagto.h"
#include "protocol/ServicosResposta.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace {

// A form that asks for a load, as a menu does.
class TFrmChamador : public TFrmMod {
public:
    explicit TFrmChamador(QWidget* pai) : TFrmMod(pai, QStringLiteral("FrmChamador")) {}
};

// An h-record of the common layout: type, 22 characters of caption, network code, option flags.
std::string Registro(const char* tipo, const char* rede, const std::string& resto) {
    std::string r = std::string(tipo) + std::string(22, 'X');
    return r + rede + resto;
}

class Carga : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        chamador_ = TFrmMod::Cria<TFrmChamador>(nullptr);
        ASSERT_NE(chamador_, nullptr);
        VortaSimDefineObservador(&Carga::Observa, this);
    }
    void TearDown() override {
        VortaSimDefineObservador(nullptr, nullptr);
        local_.reset();
        delete chamador_;
        Ambiente::TearDown();
    }

    // The bank answers the load of each group with these h-records.
    void Banco(const std::map<std::string, std::vector<std::string>>& grupos) {
        QJsonObject parametros;
        for (const auto& [grupo, registros] : grupos) {
            QJsonArray h;
            for (const auto& r : registros)
                h.append(QString::fromLatin1(r.c_str()));
            parametros.insert(QString::fromStdString(grupo), QJsonObject{{QStringLiteral("h"), h}});
        }
        const QByteArray json =
            QJsonDocument(QJsonObject{{QStringLiteral("parametros"), parametros}}).toJson();
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenarioJson(json, QStringLiteral("."), &erro)) << erro.toStdString();
        local_ = std::make_unique<cbserver::ConexaoEmProcesso>(servidor_);
    }

    bool Carrega(const char* grupo) {
        Lumomain::GrupoPagto = QString::fromLatin1(grupo);
        pedidos_.clear();
        bool ok = false;
        resultado_ = FechaDialogos([&] { ok = chamador_->RealizaCargaParametros(); });
        return ok;
    }

    static void Observa(const char* tipo, const char* texto, void* contexto) {
        if (std::string_view(tipo) == "pedido") static_cast<Carga*>(contexto)->pedidos_.emplace_back(texto);
    }

    TFrmChamador* chamador_ = nullptr;
    cbserver::Servidor servidor_;
    std::unique_ptr<cbserver::ConexaoEmProcesso> local_;
    std::vector<std::string> pedidos_;
    ResultadoDialogos resultado_;
};

TEST_F(Carga, SucessoDeixaOResultadoComoDoOperadorEOGrupoNoHost) {
    Banco({{"1", {Registro("21", "805", "237")}}});
    ASSERT_TRUE(Carga::Carrega("1"));
    EXPECT_TRUE(resultado_.vistos.empty());
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Finalizado pelo Operador");
    EXPECT_EQ(Campo(10314), "1");
    EXPECT_EQ(Campo(10103), "1");
    EXPECT_EQ(Campo(10158), "00");
    EXPECT_EQ(Campo(10112), "");
    EXPECT_EQ(Lumomain::ServicoHzinho_21_Informacoes_Gerais_CB.texto(22, 3), QStringLiteral("805"));
    EXPECT_EQ(chamador_->ModalResult(), TFrmMod::mrNone);
    EXPECT_TRUE(AuditTem("Criou: FrmMod_Par"));
    EXPECT_TRUE(AuditTem("Destruiu: FrmMod_Par"));
}

TEST_F(Carga, PagueFacilUsaARede805SoComGrupo06) {
    Banco({{"06", {Registro("21", "805", "237")}}, {"6", {Registro("21", "805", "237")}}});
    ASSERT_TRUE(Carga::Carrega("06"));
    EXPECT_EQ(Campo(10112), "805");
    ASSERT_TRUE(Carga::Carrega("6"));
    EXPECT_EQ(Campo(10112), "");
    EXPECT_EQ(Campo(10314), "6");
}

TEST_F(Carga, RegistrosVoltamVaziosACadaCarga) {
    Banco({{"1",
            {Registro("12", "805", "EMPRESA A"), Registro("12", "805", "EMPRESA B"),
             Registro("12", "805", "EMPRESA C"), Registro("21", "805", "237")}},
           {"3", {Registro("10", "810", "11111")}}});
    ASSERT_TRUE(Carga::Carrega("1"));
    EXPECT_EQ(Lumomain::ServicoHzinho_EmpresaTEF.quantidade(), 3);
    ASSERT_TRUE(Carga::Carrega("3"));
    EXPECT_EQ(Lumomain::ServicoHzinho_EmpresaTEF.quantidade(), 0);
    EXPECT_TRUE(Lumomain::ServicoHzinho_21_Informacoes_Gerais_CB.vazio(0, 39));
    EXPECT_EQ(Lumomain::ServicoHzinho_TipoContaAceitaSaque.texto(22, 3), QStringLiteral("810"));
}

TEST_F(Carga, TokenSegueORegistro47EFicaComoEstavaSemEle) {
    Banco({{"1", {Registro("47", "805", "1")}}, {"3", {Registro("47", "810", "1")}}, {"5", {}}});
    ASSERT_TRUE(Carga::Carrega("1"));
    EXPECT_TRUE(Lumomain::bHabilitaTratamentoToken);
    EXPECT_EQ(Campo(10543), "1");
    ASSERT_TRUE(Carga::Carrega("5"));
    EXPECT_TRUE(Lumomain::bHabilitaTratamentoToken);
    EXPECT_EQ(Campo(10543), "1");
    ASSERT_TRUE(Carga::Carrega("3"));
    EXPECT_FALSE(Lumomain::bHabilitaTratamentoToken);
    EXPECT_EQ(Campo(10543), "0");
}

TEST_F(Carga, ColetaDeTrilhaSemSenhaMontaOsDoisRegistrosA) {
    Banco({{"1", {"16COLETA TRILHA         8051004000PASSE OU INSIRA O CARTAO"}}});
    ASSERT_TRUE(Carga::Carrega("1"));
    EXPECT_EQ(Campo(20120), "0002");
    EXPECT_TRUE(Campo(20010, 0).has_value());
    EXPECT_TRUE(Campo(20010, 1).has_value());
}

TEST_F(Carga, RecusaAvisaOOperadorEOPontoDeVendaEFechaOChamador) {
    Banco({{"1", {Registro("21", "805", "237")}}});
    cbserver::Falhas falhas;
    falhas.recusaCodigo = "05";
    falhas.recusaTexto = "Grupo sem parametros";
    servidor_.DefineFalhas(falhas);
    EXPECT_FALSE(Carga::Carrega("1"));
    ASSERT_EQ(resultado_.vistos.size(), 1u);
    EXPECT_EQ(resultado_.vistos[0].texto,
              QStringLiteral("Não foi possível efetuar a carga de parâmetros para \n\rPagamento de Contas "));
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), Latin1("Parâmetros pagamento de contas indefinidos"));
    EXPECT_EQ(chamador_->ModalResult(), TFrmMod::mrOk);
    EXPECT_EQ(Campo(10314), std::nullopt);
    EXPECT_TRUE(AuditTem("Destruiu: FrmMod_Par"));
    // The records stay cleared after a refusal.
    EXPECT_TRUE(Lumomain::ServicoHzinho_21_Informacoes_Gerais_CB.vazio(0, 39));
}

TEST_F(Carga, TipoNaoNumericoInterrompeSemDeixarAEspera) {
    Banco({{"1", {"X1" + std::string(30, ' ')}}});
    EXPECT_THROW(Carga::Carrega("1"), std::exception);
    EXPECT_TRUE(AuditTem("Destruiu: FrmMod_Par"));
}

} // namespace
