// Reply services and h-records: the search, copy, conversion, save and restore operations of the module
// state, run against the host stand-in's field store, and the stand-in's own service lookups.
#include "Ambiente.h"
#include "ParametrosSimulados.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace Lumomain;

std::string Preenche(std::string s, size_t n, char c = ' ') {
    s.resize(n, c);
    return s;
}

// A service A record of 116 characters.
std::string RegistroA(const std::string& tipo, char c9, const std::string& numero, const std::string& texto) {
    return "0300" + tipo + "001" + std::string(1, c9) + numero + "000" + Preenche(texto, 100);
}

// An h-record of the common layout: type, caption (22), network code, then the option characters.
std::string Hzinho(const std::string& tipo, const std::string& rede, const std::string& opcoes) {
    return tipo + Preenche("REGISTRO " + tipo, 22) + rede + opcoes;
}

template <size_t N> std::string Bytes(const Registro<N>& r) {
    return std::string(r.dados.data(), N);
}

class Servicos : public Ambiente {
protected:
    // The lines of an indexed field, 0 .. n - 1 ("<absent>" for a missing one).
    static std::vector<std::string> Linhas(int campo, int n) {
        std::vector<std::string> v;
        for (int i = 0; i < n; ++i)
            v.push_back(Campo(campo, i).value_or("<absent>"));
        return v;
    }
};

// ---- Service A --------------------------------------------------------------------------------------------

TEST_F(Servicos, ServicoAConsideraSo116CaracteresEOsTipos01e02) {
    const std::string longo = RegistroA("02", '2', "008", "LONGO") + "X"; // 117: skipped
    const std::string senha = RegistroA("02", '2', "008", "DIGITE A SENHA");
    const std::string trilha = RegistroA("01", '1', "004", "PASSE O CARTAO");
    const std::string outro = RegistroA("03", '0', "000", "OUTRO");
    ASSERT_EQ(longo.size(), 117u);
    ASSERT_EQ(senha.size(), 116u);
    GravaOcorrencias(20010, {outro, longo, senha, trilha}, 4);

    EXPECT_EQ(ProcuraServicoA(200, "02"), QString::fromLatin1(senha.c_str()));
    EXPECT_EQ(ProcuraServicoA(200, "01"), QStringLiteral("ServicoA=") + QString::fromLatin1(trilha.c_str()));
    // Type "03" exists, but only track and PIN collection are looked for.
    EXPECT_EQ(ProcuraServicoA(200, "03"), QString());
    // The result is cut to the caller's maximum.
    EXPECT_EQ(ProcuraServicoA(12, "01"), QStringLiteral("ServicoA=030"));
}

TEST_F(Servicos, ServicoASemContagemVaiAteAPrimeiraAusenteComContagemPulaAsAusentes) {
    const std::string senha = RegistroA("02", '0', "003", "SENHA");
    // No count: 0 and 1 are read, 3 is beyond the gap.
    DefineCampo(20010, 0, RegistroA("01", '1', "004", "X"));
    DefineCampo(20010, 1, senha);
    DefineCampo(20010, 3, RegistroA("02", '0', "003", "DEPOIS DO BURACO"));
    EXPECT_EQ(ProcuraServicoA(200, "02"), QString::fromLatin1(senha.c_str()));
    HostlinkLimpaCampo(20010);
    DefineCampo(20010, 3, senha);
    EXPECT_EQ(ProcuraServicoA(200, "02"), QString());
    // With a count the missing occurrences are skipped and the walk goes on.
    DefineCampo(20120, 0, "0004");
    EXPECT_EQ(ProcuraServicoA(200, "02"), QString::fromLatin1(senha.c_str()));
    // A count that is not a number means no occurrences.
    DefineCampo(20120, 0, "ab");
    EXPECT_EQ(ProcuraServicoA(200, "02"), QString());
}

TEST_F(Servicos, HzinhosViramDoisRegistrosAAposOsExistentes) {
    const std::string texto16 = Preenche("PASSE OU INSIRA O CARTAO", 100);
    const std::string texto17 = Preenche("DIGITE A SENHA", 100);
    GravaServicoHzinhoParametro(Hzinho("16", "805", "1004000" + texto16));
    GravaServicoHzinhoParametro(Hzinho("17", "805", "2008006" + texto17));
    GravaOcorrencias(20010, {RegistroA("05", '0', "000", "JA ESTAVA")}, 4);

    Converte_ServicosHzinho_Em_ServicosA();

    EXPECT_EQ(Campo(20120), "0003");
    EXPECT_EQ(Campo(20010, 1), std::string("030001001") + "1004000" + texto16);
    EXPECT_EQ(Campo(20010, 2), std::string("030002001") + "2008006" + texto17);
    EXPECT_EQ(Campo(20010, 1)->size(), 116u);
}

TEST_F(Servicos, SoOHzinho16AindaDaOsDoisRegistrosA) {
    GravaServicoHzinhoParametro(Hzinho("16", "805", "1004000" + Preenche("CARTAO", 100)));
    Converte_ServicosHzinho_Em_ServicosA();
    EXPECT_EQ(Campo(20120), "0002");
    const auto senha = Campo(20010, 1);
    ASSERT_TRUE(senha);
    ASSERT_EQ(senha->size(), 116u);
    EXPECT_EQ(senha->substr(0, 9), "030002001");
    EXPECT_EQ(senha->substr(9), std::string(107, '\0')); // from the zeroed h-record 17
}

struct CasoServico3 {
    const char* numero;
    char caractere9;
    const char* codigo;
};

void PrintTo(const CasoServico3& c, std::ostream* o) {
    *o << c.numero << '/' << c.caractere9 << " -> " << c.codigo;
}

class Servico3 : public Servicos, public ::testing::WithParamInterface<CasoServico3> {};

TEST_P(Servico3, CodigoDaTeclaPeloNumeroEPeloCaractere) {
    const auto& c = GetParam();
    GravaOcorrencias(20010, {RegistroA("02", c.caractere9, c.numero, "  DIGITE A SENHA  ")}, 4);
    Converte_ServicoA_Em_Servico3();
    const std::string esperado = std::string(c.codigo) + "DIGITE A SENHA";
    EXPECT_EQ(Campo(20003), esperado);
    EXPECT_EQ(Campo(10108), esperado);
}

INSTANTIATE_TEST_SUITE_P(Tabela, Servico3,
                         ::testing::Values(CasoServico3{"003", '2', "50"}, CasoServico3{"003", '0', "50"},
                                           CasoServico3{"007", '2', "07"}, CasoServico3{"007", '1', "03"},
                                           CasoServico3{"008", '2', "08"}, CasoServico3{"008", '0', "02"},
                                           CasoServico3{"009", '2', "09"}, CasoServico3{"009", '3', "01"},
                                           CasoServico3{"004", '2', "50"}, CasoServico3{"ABC", '2', "50"}));

TEST_F(Servicos, Servico3SemRegistroDeSenhaNaoEscreveNada) {
    GravaOcorrencias(20010, {RegistroA("01", '1', "004", "CARTAO")}, 4);
    Converte_ServicoA_Em_Servico3();
    EXPECT_FALSE(Campo(20003));
    EXPECT_FALSE(Campo(10108));
}

// ---- Service 1 --------------------------------------------------------------------------------------------

TEST_F(Servicos, Servico1ComARedeDoSaldoOuDoDepositoEOModoDeColeta) {
    GravaServicoHzinhoParametro(Hzinho("08", "810", "11"));
    MontaServico1_FormataColetaDados();
    std::string esperado(43, '0');
    esperado.replace(0, 4, "0810");
    esperado[14] = '1';
    EXPECT_EQ(Campo(20001), esperado);
    std::string modo(32, '0');
    modo[HOSTLINK_MODO_COLETA_DADOS_SENHA - 1] = '1';
    EXPECT_EQ(Campo(10148), modo);

    GravaServicoHzinhoParametro(Hzinho("07", "805", "11111"));
    MontaServico1_FormataColetaDados();
    EXPECT_EQ(Campo(20001)->substr(0, 4), "0805");

    // The Bradesco EMV variant takes h-record 43's network and marks offset 42.
    GravaServicoHzinhoParametro(Hzinho("43", "811", "v3.00.E88r25   "));
    MontaServico1_FormataColetaDadosBradescoEMV();
    esperado.replace(0, 4, "0811");
    esperado[42] = '1';
    EXPECT_EQ(Campo(20001), esperado);
}

// ---- Parameter records ------------------------------------------------------------------------------------

TEST_F(Servicos, ParametrosPorTipo) {
    GravaServicoHzinhoParametro(Hzinho("21", "805", "2371"));
    GravaServicoHzinhoParametro(Hzinho("25", "805", "003"));
    GravaServicoHzinhoParametro(Hzinho("42", "805", "13"));
    GravaServicoHzinhoParametro("24" + std::string(18, '9')); // limit restorations are not parameters
    GravaServicoHzinhoParametro("45" + std::string(50, '9'));
    // Data after the type, except for 16, 17 and 25 which keep it in front.
    EXPECT_EQ(ServicoHzinho_21_Informacoes_Gerais_CB.texto(22, 7), QStringLiteral("8052371"));
    EXPECT_EQ(&ServicoHzinho_Informacoes_Gerais_CB, &ServicoHzinho_21_Informacoes_Gerais_CB);
    EXPECT_EQ(ServicoHzinho_25_InformacaoModoTransacao.texto(0, 2), QStringLiteral("25"));
    EXPECT_EQ(ServicoHzinho_25_InformacaoModoTransacao.texto(24, 6), QStringLiteral("805003"));
    EXPECT_EQ(InformacoesFechamentoRepasse.texto(25, 2), QStringLiteral("13"));
    EXPECT_TRUE(ServicoHzinho_Restabelece_Limite.vazio(0, 18));
    EXPECT_TRUE(ServicoHzinho_45_DadosBoletoRegistrado.vazio(0, 361));
}

TEST_F(Servicos, Hzinho29Com42NoInicioVaiSoParaOEmprestimoConsignado) {
    GravaServicoHzinhoParametro("2942" + Preenche("CONSIGNADO", 20) + "805" + "33333");
    EXPECT_EQ(ServicoHzinho_29_FormasColetaTipoConta_Emprest_Consig.texto(0, 2), QStringLiteral("42"));
    EXPECT_EQ(ServicoHzinho_29_FormasColetaTipoConta_Emprest_Consig.texto(25, 5), QStringLiteral("33333"));
    EXPECT_TRUE(ServicoHzinho_29_FormasColetaTipoContaAceita.vazio(0, 41));

    GravaServicoHzinhoParametro(Hzinho("29", "805", "11111"));
    EXPECT_EQ(ServicoHzinho_29_FormasColetaTipoContaAceita.texto(22, 8), QStringLiteral("80511111"));
    EXPECT_EQ(ServicoHzinho_29_FormasColetaTipoConta_Emprest_Consig.texto(25, 5), QStringLiteral("33333"));
}

TEST_F(Servicos, TresEmpresasTEFNaOrdemEUmaNovaCargaComecaVazia) {
    const std::string a = "00000001" + Preenche("BRADESCO CARTOES", 20) + "81011111";
    const std::string b = "00000002" + Preenche("VISA ELECTRON", 20) + "81111111";
    const std::string c = "00000003MAESTRO"; // short: zero-filled to 36
    GravaRegistrosHzinho({"12" + a, Hzinho("21", "805", "237"), "12" + b, "12" + c});
    TrataServicosHzinhoParametros();
    ASSERT_EQ(ServicoHzinho_EmpresaTEF.quantidade(), 3);
    EXPECT_EQ(ServicoHzinho_EmpresaTEF.dados.size(), 108u);
    EXPECT_EQ(ServicoHzinho_EmpresaTEF.dados.substr(0, 72), a + b);
    EXPECT_EQ(ServicoHzinho_EmpresaTEF.dados.substr(72), Preenche(c, 36, '\0'));
    EXPECT_EQ(ServicoHzinho_EmpresaTEF.entrada(1).texto(8, 20).trimmed(), QStringLiteral("VISA ELECTRON"));
    EXPECT_TRUE(ServicoHzinho_EmpresaTEF.entrada(3).vazio(0, 36));

    IniciaServicosHzinhoParametros();
    EXPECT_EQ(ServicoHzinho_EmpresaTEF.quantidade(), 0);
    GravaRegistrosHzinho({"12" + c});
    TrataServicosHzinhoParametros();
    ASSERT_EQ(ServicoHzinho_EmpresaTEF.quantidade(), 1);
    EXPECT_EQ(ServicoHzinho_EmpresaTEF.entrada(0).texto(0, 15), QStringLiteral("00000003MAESTRO"));
}

TEST_F(Servicos, ODoisDoMesmoTipoVenceOUltimo) {
    GravaRegistrosHzinho(
        {Hzinho("21", "805", "237"), Hzinho("26", "805", std::string(71, '0')), Hzinho("21", "810", "341")});
    TrataServicosHzinhoParametros();
    EXPECT_EQ(ServicoHzinho_21_Informacoes_Gerais_CB.texto(22, 6), QStringLiteral("810341"));
    EXPECT_EQ(ServicoHzinho_26_Limites.texto(73, 12), QStringLiteral("000000000000"));
}

TEST_F(Servicos, IniciaLimpaOsParametrosMenosTrilhaSenhaTokenEConsignado) {
    GravaRegistrosHzinho({Hzinho("05", "805", "111111"), Hzinho("06", "805", "000"),
                          "16" + std::string(132, 'T'), "17" + std::string(132, 'S'),
                          Hzinho("47", "805", "1"), "2942" + std::string(39, 'C'),
                          Hzinho("43", "805", "v3")});
    TrataServicosHzinhoParametros();
    acValorReferenciaBACEN3978.atribui("000001000000");
    ASSERT_EQ(ServicoHzinho_ColetaChq.texto(25, 3), QStringLiteral("000"));

    IniciaServicosHzinhoParametros();
    EXPECT_EQ(Bytes(ServicoHzinho_ColetaChq), std::string(28, '1'));
    EXPECT_EQ(Bytes(ServicoHzinho_Pagamento), std::string(29, '\0'));
    EXPECT_EQ(Bytes(ServicoHzinho_43_InformacoesModuloCB_BradescoTratamentoEMV), std::string(40, '\0'));
    EXPECT_EQ(Bytes(acValorReferenciaBACEN3978), std::string(13, '\0'));
    EXPECT_EQ(ServicoHzinho_Coleta_Trilha.texto(0, 3), QStringLiteral("16T"));
    EXPECT_EQ(ServicoHzinho_Coleta_Senha.texto(0, 3), QStringLiteral("17S"));
    EXPECT_EQ(ServicoHzinho_47_TrataColetaToken.texto(22, 4), QStringLiteral("8051"));
    EXPECT_EQ(ServicoHzinho_29_FormasColetaTipoConta_Emprest_Consig.texto(0, 3), QStringLiteral("42C"));
}

TEST_F(Servicos, TokenSoCom805EFlag1) {
    GravaServicoHzinhoParametro(Hzinho("47", "805", "1"));
    EXPECT_TRUE(bHabilitaTratamentoToken);
    EXPECT_EQ(Campo(10543), "1");
    GravaServicoHzinhoParametro(Hzinho("47", "810", "1"));
    EXPECT_FALSE(bHabilitaTratamentoToken);
    EXPECT_EQ(Campo(10543), "0");
    GravaServicoHzinhoParametro(Hzinho("47", "805", "1"));
    // A later load without a type-47 record leaves the switch as it was.
    GravaRegistrosHzinho({Hzinho("21", "805", "237")});
    IniciaServicosHzinhoParametros();
    TrataServicosHzinhoParametros();
    EXPECT_TRUE(bHabilitaTratamentoToken);
    EXPECT_EQ(Campo(10543), "1");
}

TEST_F(Servicos, TipoQueNaoENumeroParaACargaComErro) {
    GravaRegistrosHzinho(
        {Hzinho("21", "805", "237"), "X1" + std::string(30, '0'), Hzinho("05", "805", "111111")});
    EXPECT_THROW(TrataServicosHzinhoParametros(), ErroConversao);
    EXPECT_EQ(ServicoHzinho_21_Informacoes_Gerais_CB.texto(25, 3), QStringLiteral("237"));
    EXPECT_TRUE(ServicoHzinho_Pagamento.vazio(0, 29));
    EXPECT_THROW(GravaServicoHzinhoParametro(""), ErroConversao);
    EXPECT_THROW(GravaServicoHzinhoParametro(" -"), ErroConversao);
    EXPECT_THROW(TrataServicoh027_TipoPagamento(), ErroConversao);
}

TEST_F(Servicos, OcorrenciaIlegivelEPuladaEContagemInvalidaEZero) {
    DefineCampo(20200, 1, Hzinho("21", "805", "237"));
    DefineCampo(20310, 0, "00002"); // occurrence 0 is missing
    TrataServicosHzinhoParametros();
    EXPECT_EQ(ServicoHzinho_21_Informacoes_Gerais_CB.texto(25, 3), QStringLiteral("237"));
    ServicoHzinho_21_Informacoes_Gerais_CB.limpa();
    DefineCampo(20310, 0, "2x");
    TrataServicosHzinhoParametros();
    EXPECT_TRUE(ServicoHzinho_21_Informacoes_Gerais_CB.vazio(0, 39));
}

TEST_F(Servicos, CargaDoBancoSimuladoComTrezentosRegistros) {
    const auto grupos = LeParametrosSimulados();
    ASSERT_EQ(grupos.size(), 7u) << CaminhoParametrosSimulados();
    const auto registros = GeraRegistrosParametros(300);
    ASSERT_GE(registros.size(), 300u);
    int empresas = 0;
    std::string ultimo21;
    for (const auto& r : registros) {
        if (r.starts_with("12")) ++empresas;
        if (r.starts_with("21")) ultimo21 = r.substr(2);
    }
    GravaRegistrosHzinho(registros);
    TrataServicosHzinhoParametros();
    EXPECT_EQ(ServicoHzinho_EmpresaTEF.quantidade(), empresas);
    EXPECT_EQ(Bytes(ServicoHzinho_21_Informacoes_Gerais_CB), ultimo21);
    EXPECT_EQ(ServicoHzinho_43_InformacoesModuloCB_BradescoTratamentoEMV.texto(25, 15),
              QStringLiteral("v3.00.E88r25   "));
    EXPECT_EQ(ServicoHzinho_26_Limites.texto(73, 12), QStringLiteral("000001000000"));
    EXPECT_EQ(ServicoHzinho_29_FormasColetaTipoConta_Emprest_Consig.texto(0, 2), QStringLiteral("42"));
    EXPECT_TRUE(bHabilitaTratamentoToken);
}

TEST_F(Servicos, CadaRegistroDoBancoSimuladoTemOTamanhoDoSeuTipo) {
    // Bytes kept per type; 16, 17 and 25 count their type digits.
    const std::map<std::string, size_t> tamanho{
        {"05", 29}, {"06", 28},  {"07", 41},  {"08", 38},   {"09", 38}, {"10", 41}, {"11", 42}, {"12", 36},
        {"13", 26}, {"16", 132}, {"17", 132}, {"18", 1050}, {"19", 41}, {"20", 38}, {"21", 39}, {"22", 41},
        {"23", 42}, {"25", 73},  {"26", 96},  {"28", 43},   {"29", 41}, {"31", 28}, {"32", 31}, {"33", 1050},
        {"34", 29}, {"35", 28},  {"41", 30},  {"42", 27},   {"43", 40}, {"47", 26}};
    for (const auto& [grupo, p] : LeParametrosSimulados()) {
        ASSERT_FALSE(p.h.empty()) << grupo;
        for (const auto& r : p.h) {
            const auto t = tamanho.find(r.substr(0, 2));
            ASSERT_NE(t, tamanho.end()) << grupo << ": " << r;
            EXPECT_EQ(r.size(), t->second + 2) << grupo << ": " << r;
        }
        for (const auto& a : p.servicos.count('A') ? p.servicos.at('A') : std::vector<std::string>{})
            EXPECT_EQ(a.size(), 116u) << grupo;
    }
}

// ---- h-records read on demand -----------------------------------------------------------------------------

TEST_F(Servicos, Hzinho27LimpaMarcaEDeixaAuditoria) {
    ServicoHzinho_27_TiposDocumentoPagamentoContas.atribui("VELHO");
    GravaRegistrosHzinho({Hzinho("05", "005", "121122"), Hzinho("27", "805", "1"), Hzinho("27", "805", "2")});
    TrataServicoh027_TipoPagamento();
    EXPECT_EQ(iVeioServicoh27, 1);
    EXPECT_EQ(ServicoHzinho_27_TiposDocumentoPagamentoContas.texto(22, 4), QStringLiteral("8052"));
    EXPECT_TRUE(AuditTem("Entrou: TrataServicoh027_TipoPagamento"));
    EXPECT_TRUE(AuditTem("Saiu: TrataServicoh027_TipoPagamento"));

    GravaRegistrosHzinho({Hzinho("05", "005", "121122")});
    TrataServicoh027_TipoPagamento();
    EXPECT_EQ(iVeioServicoh27, 0);
    EXPECT_TRUE(ServicoHzinho_27_TiposDocumentoPagamentoContas.vazio(0, 26));
}

TEST_F(Servicos, SemContagemSoAPrimeiraLinhaDeAuditoria) {
    ServicoHzinho_46_ControleTicketImpressaoRede.atribui("12345");
    TrataServicoh046_ControleTicketImpressaoRede();
    EXPECT_TRUE(ServicoHzinho_46_ControleTicketImpressaoRede.vazio(0, 5));
    EXPECT_TRUE(AuditTem("Entrou: TrataServicoh046_ControleTicketImpressaoRede"));
    EXPECT_FALSE(AuditTem("Saiu: TrataServicoh046_ControleTicketImpressaoRede"));
}

TEST_F(Servicos, CartaoPrePagoGuarda30E40) {
    const std::string dono = "1234567890123456" + Preenche("MARIA DA SILVA", 30);
    GravaRegistrosHzinho({"30" + std::string(32, '7'), "40" + dono, Hzinho("05", "805", "1")});
    ServicoHzinho_Pagamento.atribui("NAO MUDA");
    TrataCamposServicoHzinho_40_ConsultaCartaoPrePago();
    EXPECT_EQ(Bytes(ServicoHzinho_40_ConsultaCartaoPrePago), dono);
    EXPECT_EQ(Bytes(ServicoHzinho_30_Dados_Transacao_Cartao_Pre_Pago), std::string(32, '7'));
    EXPECT_EQ(ServicoHzinho_Pagamento.texto(0, 8), QStringLiteral("NAO MUDA"));
    EXPECT_TRUE(AuditTem("Entrou: TrataCamposServicoHzinho_40_ConsultaCartaoPrePago."));
    EXPECT_TRUE(AuditTem("Saiu: TrataCamposServicoHzinho_40_ConsultaCartaoPrePago."));
}

TEST_F(Servicos, Hzinho05DaRedeEOFixoDoPagamentoEmRede) {
    GravaRegistrosHzinho({Hzinho("05", "805", "111111"), Preenche("05PAGAMENTO REDE", 22) + "005121122"});
    TrataServicoh005_TipoPagamento_Rede();
    EXPECT_EQ(ServicoHzinho_Pagamento.texto(20, 9), QStringLiteral("005121122"));

    ServicoHzinho_Pagamento.atribui(std::string(29, 'X'));
    Grava_Tipo_5_ServicoHzinho_Pagamento_Rede();
    EXPECT_EQ(Bytes(ServicoHzinho_Pagamento), std::string(20, '\0') + "005121122");
}

// ---- h-record 45 and the network bill payment -------------------------------------------------------------

std::string Boleto45(long long minimo, long long maximo, long long v648 = 0, long long v2047 = 0) {
    char valores[64];
    std::string r = Preenche("", 55) + Preenche("", 60);
    std::snprintf(valores, sizeof valores, "%012lld%012lld", v648, v2047);
    r.replace(55, 24, valores);
    std::snprintf(valores, sizeof valores, "%012lld%012lld", minimo, maximo);
    r += valores;
    return Preenche(r, 361);
}

TEST_F(Servicos, Hzinho45DoServicoXOUltimoVence) {
    GravaOcorrencias(
        20033, {"H45" + Boleto45(100, 200), "Q001", "H45" + Boleto45(1000, 500000), "H46" + Boleto45(1, 2)},
        5);
    TrataServicoXh045_BoletoRegistrado();
    EXPECT_EQ(iVeioServicoh45, 1);
    EXPECT_EQ(ServicoHzinho_45_DadosBoletoRegistrado.texto(115, 24),
              QStringLiteral("000000001000000000500000"));
    EXPECT_TRUE(AuditTem("Entrou: TrataServicoXh045_BoletoRegistrado"));
    EXPECT_TRUE(AuditTem("Saiu: TrataServicoXh045_BoletoRegistrado"));

    GravaOcorrencias(20033, {"Q001"}, 5);
    TrataServicoXh045_BoletoRegistrado();
    EXPECT_EQ(iVeioServicoh45, 0);
    EXPECT_TRUE(ServicoHzinho_45_DadosBoletoRegistrado.vazio(0, 361));
}

TEST_F(Servicos, ValoresDaContaEmRedePeloQ082OuPeloHzinho45) {
    // Q 082 came: the base is the operator's amount or the additions of the query; the values come from
    // 10446.
    DefineCampo(10447, 0, "1");
    DefineCampo(10446, 0, "150");
    DefineCampo(10446, 1, "0");
    TabelaServicoQ_082_DadosConsultaCodigoBarras.atribui(std::string(24, '0') + "000000001234");
    EXPECT_TRUE(TrataPagamentoContasRede_045_082());
    EXPECT_EQ(Campo(10407, 0), "150");
    EXPECT_EQ(Campo(10407, 1), "0");
    TabelaServicoQ_082_DadosConsultaCodigoBarras.limpa();
    HostlinkLimpaCampo(10407);
    EXPECT_FALSE(TrataPagamentoContasRede_045_082());
    EXPECT_FALSE(Campo(10407));
    DefineCampo(10102, 3, "5000");
    EXPECT_TRUE(TrataPagamentoContasRede_045_082());

    // Otherwise h-record 45 gives them.
    DefineCampo(10447, 0, "0");
    ServicoHzinho_45_DadosBoletoRegistrado.atribui(Boleto45(0, 0, 700, 12345678901LL));
    iVeioServicoh45 = 1;
    EXPECT_TRUE(TrataPagamentoContasRede_045_082());
    EXPECT_EQ(Campo(10407, 0), "700");
    EXPECT_EQ(Campo(10407, 1), "12345678901");
    // Neither: zeros, and the entry is dropped.
    iVeioServicoh45 = 0;
    EXPECT_FALSE(TrataPagamentoContasRede_045_082());
    EXPECT_EQ(Campo(10407, 0), "0");
}

TEST_F(Servicos, LimitesDoBoletoRegistrado) {
    struct Caso {
        long long minimo, maximo;
        const char* valor;
        const char* recusa; // the message shown; null when the amount is accepted
    };
    // No limits first: anything goes.
    const Caso casos[] = {
        {0, 0, "999.999.999,99", nullptr},
        {0, 100000, "1.000,00", nullptr},
        {0, 100000, "1.000,01", "Valor fora dos limites autorizados (Valor Máximo:1.000,00) "},
        {1000, 100000, "9,99",
         "Valor fora dos limites autorizados (Valor Mínimo:10,00 - Valor Máximo:1.000,00) "},
        {1000, 100000, "10,00", nullptr}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        ServicoHzinho_45_DadosBoletoRegistrado.atribui(Boleto45(c.minimo, c.maximo));
        bool ok = false;
        const auto r =
            FechaDialogos([&] { ok = ValidaValorMinMaxBoletoRegistradoCB(QString::fromUtf8(c.valor)); });
        EXPECT_EQ(ok, c.recusa == nullptr);
        ASSERT_EQ(r.vistos.size(), c.recusa ? 1u : 0u);
        if (!c.recusa) continue;
        EXPECT_EQ(r.vistos[0].texto, QString::fromUtf8(c.recusa));
        EXPECT_EQ(r.vistos[0].titulo, TituloAplicacao());
        EXPECT_TRUE(r.vistos[0].noTopo);
    }
}

// ---- Service Q "028" --------------------------------------------------------------------------------------

std::string Q028(const std::string& seq, char flag, const std::string& tipo, const std::string& meio,
                 const std::string& qtde, const std::vector<std::string>& entradas) {
    std::string r = "028" + seq + std::string(1, flag) + tipo + meio + qtde;
    for (const auto& e : entradas)
        r += e;
    return r;
}

TEST_F(Servicos, Q028SegmentosEmDuasPaginas) {
    const std::string s1 = "001" + Preenche("AGUA", 40), s2 = "002" + Preenche("ENERGIA", 40),
                      s3 = "003" + Preenche("TELEFONIA", 40);
    GravaOcorrencias(20026, {"082" + std::string(63, '0'), Q028("01", '1', "01", "", "02", {s1, s2})}, 5);
    DefineCampo(10155, 0, "0");
    ASSERT_TRUE(TrataServicoQ_028());
    EXPECT_EQ(Campo(10155, 1), "2");
    ASSERT_EQ(Tabela_ServicoQ_028.Entradas.size(), 2u);
    EXPECT_EQ(cFlagContinuacao, '1');
    ASSERT_TRUE(GravaDadosServicoQ_028());
    EXPECT_EQ(Campo(10155, 0), "2");
    EXPECT_EQ(Campo(10286), "1");

    GravaOcorrencias(20026, {Q028("02", '0', "01", "", "01", {s3})}, 5);
    ASSERT_TRUE(TrataServicoQ_028());
    ASSERT_TRUE(GravaDadosServicoQ_028());
    EXPECT_EQ(Campo(10155, 0), "3");
    EXPECT_EQ(Campo(10286), "0");
    const auto& seg = ServicoQ_TipoRegistro028_ConsultaSegmento;
    EXPECT_EQ(seg.texto(0, 5), QStringLiteral("02001"));
    EXPECT_EQ(std::string(seg.dados.data() + 7, 3 * 43), s1 + s2 + s3);
}

TEST_F(Servicos, Q028ValoresEUFsNosSeusLugares) {
    GravaOcorrencias(20026,
                     {Q028("01", '0', "06", "000000001000000000050000000000000150", "02",
                           {"000000002000", "000000003000"})},
                     5);
    ASSERT_TRUE(TrataServicoQ_028());
    EXPECT_EQ(acValorMinimo.texto(0, 12), QStringLiteral("000000001000"));
    EXPECT_EQ(acValorTarifa.texto(0, 12), QStringLiteral("000000000150"));
    ASSERT_TRUE(GravaDadosServicoQ_028());
    const auto& v = ServicoQ_TipoRegistro028_ConsultaValores;
    EXPECT_EQ(v.texto(3, 5), QStringLiteral("01006"));
    EXPECT_EQ(v.texto(8, 36), QStringLiteral("000000001000000000050000000000000150"));
    EXPECT_EQ(v.texto(46, 24), QStringLiteral("000000002000000000003000"));

    HostlinkLimpaCampo(10155);
    GravaOcorrencias(20026, {Q028("01", '0', "02", "", "01", {"SP" + Preenche("SAO PAULO", 40)})}, 5);
    ASSERT_TRUE(TrataServicoQ_028());
    ASSERT_TRUE(GravaDadosServicoQ_028());
    EXPECT_EQ(ServicoQ_TipoRegistro028_ConsultaUF.texto(3, 5), QStringLiteral("01002"));
    EXPECT_EQ(ServicoQ_TipoRegistro028_ConsultaUF.texto(10, 11), QStringLiteral("SPSAO PAULO"));
}

TEST_F(Servicos, Q028SemEntradasOuSemRegistroFalha) {
    // No entries, an entry count that is not a number, no 028 record: the count announced before stays.
    DefineCampo(10155, 1, "7");
    for (const std::string& q : {Q028("01", '0', "06", std::string(36, '0'), "00", {}),
                                 Q028("01", '0', "01", "", "x1", {}), "082" + std::string(63, '0')}) {
        GravaOcorrencias(20026, {q}, 5);
        EXPECT_FALSE(TrataServicoQ_028()) << q;
        EXPECT_EQ(Campo(10155, 1), "7") << q;
    }
}

TEST_F(Servicos, Q028CortadoFicaComAsEntradasQueCabemEOAcumuladoParaEm100) {
    // Five entries announced, two and a half sent.
    GravaOcorrencias(
        20026,
        {Q028("01", '0', "03", "", "05", {"00001" + Preenche("A", 40), "00002" + Preenche("B", 40), "0000"})},
        5);
    ASSERT_TRUE(TrataServicoQ_028());
    EXPECT_EQ(Tabela_ServicoQ_028_Empresa_Produto.Entradas.size(), 3u);
    EXPECT_EQ(Campo(10155, 1), "5");
    DefineCampo(10155, 0, "98");
    ASSERT_TRUE(GravaDadosServicoQ_028());
    const auto& e = ServicoQ_TipoRegistro028_ConsultaEmpresa;
    EXPECT_EQ(e.texto(10 + 98 * 45, 6), QStringLiteral("00001A"));
    EXPECT_EQ(e.texto(10 + 99 * 45, 6), QStringLiteral("00002B"));
    EXPECT_EQ(Campo(10155, 0), "103");
}

// ---- Service Q "082" --------------------------------------------------------------------------------------

TEST_F(Servicos, Q082OPrimeiroVence) {
    const std::string primeiro = std::string(24, '0') + "000000001500" + std::string(27, '0');
    GravaOcorrencias(
        20026, {Q028("01", '0', "01", "", "00", {}), "082" + primeiro, "082" + std::string(63, '9')}, 5);
    EXPECT_TRUE(VerificaTrataServicoQ_082());
    EXPECT_EQ(Bytes(TabelaServicoQ_082_DadosConsultaCodigoBarras), primeiro + '\0');
    EXPECT_EQ(Campo(10447), "1");

    HostlinkLimpaCampo(10447);
    GravaOcorrencias(20026, {"083" + std::string(63, '1')}, 5);
    EXPECT_FALSE(VerificaTrataServicoQ_082());
    EXPECT_FALSE(Campo(10447));
}

// ---- Service X: Pague Fácil entries -----------------------------------------------------------------------

std::string Entrada(const std::string& codigo, char flag, const std::string& nome,
                    const std::vector<std::string>& perguntas) {
    char k[8];
    std::snprintf(k, sizeof k, "%02d", static_cast<int>(perguntas.size()));
    std::string e =
        "E" + codigo.substr(0, 2) + "01" + std::string(1, flag) + "02" + codigo + Preenche(nome, 20) + k;
    for (const auto& p : perguntas)
        e += p;
    return e;
}

std::string Pergunta(const std::string& codigo, const std::string& rotulo, char tipo,
                     const std::string& redigita, const std::string& tamanho) {
    return codigo + Preenche(rotulo, 20) + std::string(1, tipo) + redigita + tamanho;
}

TEST_F(Servicos, EntradasPagueFacilComPerguntas) {
    const std::string p1 = Pergunta("01", "NUMERO DA CONTA", 'N', "01", "10");
    const std::string p2 = Pergunta("02", "CONTRATO", 'X', "00", "08");
    const std::string texto =
        Entrada("123", '1', "CONTA DE AGUA", {p1, p2}) + Entrada("456", '0', "TAXA", {});
    ASSERT_TRUE(TrataServicoQ_PagueFacil_Entrada(texto, 2));
    const auto& c = ConsultaEntradaServicoQ;
    ASSERT_EQ(c.Entradas.size(), 2u);
    EXPECT_EQ(c.Entradas[0].Dados.texto(8, 3), QStringLiteral("123"));
    EXPECT_EQ(c.Entradas[0].Dados.texto(11, 20).trimmed(), QStringLiteral("CONTA DE AGUA"));
    EXPECT_EQ(c.Entradas[0].Dados.texto(31, 2), QStringLiteral("02"));
    ASSERT_EQ(c.Entradas[0].Perguntas.size(), 2u);
    const auto& q = c.Entradas[0].Perguntas[0];
    EXPECT_EQ(std::string(q.dados.data(), 3), std::string(3, '\0'));
    EXPECT_EQ(q.texto(3, 2), QStringLiteral("01"));
    EXPECT_EQ(q.texto(5, 20).trimmed(), QStringLiteral("NUMERO DA CONTA"));
    EXPECT_EQ(q.texto(25, 5), QStringLiteral("N0110"));
    EXPECT_EQ(c.Entradas[1].Dados.texto(8, 3), QStringLiteral("456"));
    EXPECT_TRUE(c.Entradas[1].Perguntas.empty());
    // The continuation flag is the last entry's.
    EXPECT_EQ(Campo(10286), "0");
}

TEST_F(Servicos, EntradasPagueFacilComQuantidadeDePerguntasInvalidaFalha) {
    DefineCampo(10286, 0, "9");
    std::string texto = Entrada("123", '1', "CONTA", {});
    texto.replace(31, 2, "A1");
    EXPECT_FALSE(TrataServicoQ_PagueFacil_Entrada(texto, 1));
    EXPECT_EQ(Campo(10286), "9");
}

TEST_F(Servicos, EntradasPagueFacilDoServicoX) {
    const std::string e1 = Entrada("123", '0', "A", {}), e2 = Entrada("456", '1', "B", {});
    GravaOcorrencias(20033, {"Q" + e1 + "  ", "H45" + std::string(361, ' '), "Q" + e2}, 5);
    ASSERT_TRUE(TrataServicoX_PagueFacil_Entrada());
    // Three X occurrences: the header says 3 and at most three entries are read.
    ASSERT_EQ(ConsultaEntradaServicoQ.Entradas.size(), 2u);
    EXPECT_EQ(ConsultaEntradaServicoQ.Entradas[1].Dados.texto(8, 3), QStringLiteral("456"));
    EXPECT_EQ(Campo(10286), "1");
}

// ---- Loan records -----------------------------------------------------------------------------------------

const std::string kConta = "2370001 0000000123456"
                           "01"; // 23 characters

TEST_F(Servicos, EmprestimoConsignadoGuardaSemAConta) {
    ASSERT_EQ(kConta.size(), 23u);
    ASSERT_TRUE(TrataServicoXEmprestimoConsignado(42, "4201" + kConta + "03" + "011" + "020" + "031"));
    EXPECT_EQ(Campo(10104), kConta);
    const auto& r = ServicoXConsultaEmprestimoConsignado;
    EXPECT_EQ(std::string(r.Dados.dados.data() + 4, 23), std::string(23, '\0'));
    EXPECT_EQ(r.Dados.texto(27, 2), QStringLiteral("03"));
    ASSERT_EQ(r.Entradas.size(), 3u);
    EXPECT_EQ(r.Entradas[2].texto(0, 3), QStringLiteral("031"));

    ASSERT_TRUE(TrataServicoXEmprestimoConsignado(43, "4301" + kConta + "001002" + "000000500000" +
                                                          "000000100000" + "01022025"));
    EXPECT_EQ(ServicoXConsultaPropostaMaximaEmprestimoConsignado.texto(33, 32),
              QStringLiteral("00000050000000000010000001022025"));
    EXPECT_TRUE(ServicoXConsultaPropostaMaximaEmprestimoConsignado.vazio(4, 23));
    EXPECT_FALSE(TrataServicoXEmprestimoConsignado(45, "4501" + kConta));
}

TEST_F(Servicos, SimulacaoDeEmprestimoDoServicoA0340) {
    const std::string plano1 = Preenche("PLANO 1", 92), plano2 = Preenche("PLANO 2", 92);
    const std::string cabecalho = "0340" + kConta + "001" + Preenche("SIMULACAO", 40);
    GravaOcorrencias(20010, {RegistroA("01", '1', "004", "X"), cabecalho + "2" + plano1 + plano2}, 4);
    ASSERT_TRUE(TrataServicoXEmprestimoSimula());
    EXPECT_EQ(Campo(10104), kConta);
    ASSERT_EQ(ServicoXSimulaEmprestimo.Opcoes.size(), 2u);
    EXPECT_EQ(ServicoXSimulaEmprestimo.Opcoes[1].texto(0, 7), QStringLiteral("PLANO 2"));
    EXPECT_EQ(ServicoXSimulaEmprestimo.Dados.texto(70, 1), QStringLiteral("2"));

    GravaOcorrencias(20010, {cabecalho + "0"}, 4);
    EXPECT_FALSE(TrataServicoXEmprestimoSimula());
    GravaOcorrencias(20010, {RegistroA("01", '1', "004", "X")}, 4);
    EXPECT_FALSE(TrataServicoXEmprestimoSimula());
    EXPECT_TRUE(ServicoXSimulaEmprestimo.Dados.vazio(0, 71));
    EXPECT_TRUE(ServicoXSimulaEmprestimo.Opcoes.empty());
}

// ---- Services M and c -------------------------------------------------------------------------------------

TEST_F(Servicos, MensagemPagueFacilNumaLinha) {
    DefineCampo(20022, 0, "  PAGUE FACIL@CONFIRA OS DADOS@@");
    EXPECT_EQ(TrataServicoM_PagueFacil(), QStringLiteral("PAGUE FACIL CONFIRA OS DADOS "));
    HostlinkLimpaCampo(20022);
    EXPECT_EQ(TrataServicoM_PagueFacil(), QString());

    char b[200];
    const std::string longo = std::string(120, 'A') + "\r\n" + std::string(20, 'B');
    std::snprintf(b, sizeof b, "%s", longo.c_str());
    const int n = TrocaCRLFEspaco(b, sizeof b, static_cast<int>(longo.size()));
    EXPECT_EQ(n, 128);
    EXPECT_EQ(std::string(b), std::string(120, 'A') + " " + std::string(7, 'B'));
}

TEST_F(Servicos, AutenticacaoDoDocumentoNoIndiceDoDocumento) {
    IndiceDocsConsultadosOK = {0, 4};
    const std::string c = "0102" + std::string(48, ' ') + "000000012345" + "AUTENTICACAO 123";
    DefineCampo(20038, 0, c);
    ASSERT_TRUE(TrataServicoc_AutenticacaoDocumento());
    EXPECT_EQ(Campo(1120, 4), "000000012345");
    EXPECT_EQ(Campo(1121, 4), "AUTENTICACAO 123");
    EXPECT_EQ(Campo(1173, 4), "0");
    EXPECT_FALSE(Campo(1120, 0));

    DefineCampo(20038, 0, "0103" + c.substr(4)); // a third document was never consulted
    EXPECT_FALSE(TrataServicoc_AutenticacaoDocumento());
    DefineCampo(20038, 0, "02" + c.substr(2));
    EXPECT_FALSE(TrataServicoc_AutenticacaoDocumento());
}

// ---- Service I and the saved copies -----------------------------------------------------------------------

std::vector<std::string> Nomes(const char* prefixo, int n) {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i)
        v.push_back(std::string(prefixo).append(std::to_string(i)));
    return v;
}

TEST_F(Servicos, GravaServicoISubstituiOuAcrescenta) {
    GravaOcorrencias(20018, Nomes("A", 3), 5);
    GravaServicoI();
    EXPECT_EQ(Campo(10239), "3");
    EXPECT_EQ(Linhas(10238, 3), Nomes("A", 3));
    // Appending: the receipt holds the three earlier lines and five new ones after them; the new ones are
    // kept after the three saved.
    GravaOcorrencias(20018, Nomes("B", 8), 0);
    DefineCampo(20128, 0, "00005");
    GravaServicoI_Ext(true);
    EXPECT_EQ(Campo(10239), "8");
    EXPECT_EQ(Linhas(10238, 8), (std::vector<std::string>{"A0", "A1", "A2", "B3", "B4", "B5", "B6", "B7"}));
    // Lines the receipt does not have are kept empty, in their places.
    GravaOcorrencias(20018, Nomes("C", 2), 0);
    DefineCampo(20128, 0, "00002");
    GravaServicoI_Ext(true);
    EXPECT_EQ(Campo(10239), "10");
    EXPECT_EQ(Linhas(10238, 10)[8], "");
    // Nothing to save: nothing changes.
    DefineCampo(20128, 0, "00000");
    GravaServicoI();
    EXPECT_EQ(Campo(10239), "10");
}

// The saved copy (10238, its count in 10239) put back into the receipt 20018: appended, or around the cut
// mark of the TEF receipt. The receipt's lines are C0 .. (T0 .. in a cancellation), the saved ones S0 ...
TEST_F(Servicos, RestauraServicoI) {
    struct Caso {
        const char* prefixo;
        int cupom, salvo;
        const char* contagem; // 10239
        int recorte, linhasTEF;
        bool cancelamento;
        const char* total;  // 20128
        const char* linhas; // of 20018 after, blank-separated
        const char* c10170; // null: absent
    };
    // With the cut mark: the new coupon, the saved lines up to the mark, the new coupon again, then the rest
    // of the saved lines. In a cancellation (r = 2, t = 4) lines 2 and 3 of the receipt are kept and both
    // copies get the saved lines. Without a saved copy nothing changes.
    const Caso casos[] = {
        {"C", 2, 3, "3", 0, 0, false, "00005", "C0 C1 S0 S1 S2", nullptr},
        {"C", 3, 12, "12", 5, 12, false, "00018", "C0 C1 C2 S0 S1 S2 S3 S4 C0 C1 C2 S5 S6 S7 S8 S9 S10 S11",
         "8"},
        {"T", 4, 2, "2", 2, 4, true, "00008", "T0 T1 S0 S1 T2 T3 S0 S1", "4"},
        {"C", 2, 0, "x", 1, 0, false, "00002", "C0 C1 <absent>", nullptr},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.linhas);
        VortaSimReinicia(); // each case from an empty store and the module as loaded
        ReiniciaModulo();
        GravaOcorrencias(20018, Nomes(c.prefixo, c.cupom), 5);
        GravaOcorrencias(10238, Nomes("S", c.salvo), 0);
        DefineCampo(10239, 0, c.contagem);
        NumeroLinhaRecorteAqui = c.recorte;
        NumeroLinhasCupomTEF = c.linhasTEF;
        TrnCNC = c.cancelamento;
        RestauraServicoI();
        EXPECT_EQ(Campo(20128), std::string(c.total));
        std::vector<std::string> linhas;
        for (const QString& l : QString::fromLatin1(c.linhas).split(QLatin1Char(' ')))
            linhas.push_back(l.toStdString());
        EXPECT_EQ(Linhas(20018, static_cast<int>(linhas.size())), linhas);
        EXPECT_EQ(Campo(10170), c.c10170 ? std::optional<std::string>(c.c10170) : std::nullopt);
    }
}

TEST_F(Servicos, SalvaERecuperaOServicoA) {
    const std::vector<std::string> a{RegistroA("01", '1', "004", "T"), RegistroA("02", '2', "008", "S")};
    GravaOcorrencias(20010, a, 4);
    SalvaServicoAConsParam();
    EXPECT_EQ(Campo(10239), "2");
    GravaOcorrencias(20010, {}, 0); // a later authorisation cleared the reply
    HostlinkLimpaCampo(20120);
    ASSERT_TRUE(RecuperaServicoAConsParam());
    EXPECT_EQ(Campo(20120), "0002");
    EXPECT_EQ(Linhas(20010, 2), a);
    EXPECT_FALSE(Campo(10239));
    EXPECT_FALSE(Campo(10238));
    EXPECT_FALSE(RecuperaServicoAConsParam());
}

TEST_F(Servicos, SalvaERecuperaODPCHIPEOValorDeReferencia) {
    GravaOcorrencias(20005, {"PRODX:1", "DPCHIP:2", "VLREFBACEN:0000010000001234"}, 5);
    SalvaDPCHIP();
    SalvaValorReferencia();
    EXPECT_EQ(iDPCHIP, 3);
    EXPECT_EQ(sDPCHIP, QStringLiteral("DPCHIP:2"));
    EXPECT_EQ(Bytes(acValorReferenciaBACEN3978), std::string("000001000000") + '\0');

    GravaOcorrencias(20005, {"PRODX:1"}, 5);
    RecuperaDPCHIP();
    EXPECT_EQ(Campo(20115), "00002");
    EXPECT_EQ(Campo(20005, 1), "DPCHIP:2");
    HostlinkLimpaCampo(20115);
    HostlinkLimpaCampo(20005);
    RecuperaDPCHIP();
    EXPECT_EQ(Campo(20005, 0), "DPCHIP:2");
    EXPECT_EQ(Campo(20115), "00001");
    // A count longer than ten characters is read by its first ten.
    DefineCampo(20115, 0, "00000000012");
    RecuperaDPCHIP();
    EXPECT_EQ(Campo(20005, 1), "DPCHIP:2");

    // Without the elements nothing is kept and nothing is restored.
    GravaOcorrencias(20005, {"PRODX:1"}, 5);
    SalvaDPCHIP();
    SalvaValorReferencia();
    EXPECT_TRUE(sDPCHIP.isEmpty());
    EXPECT_EQ(acValorReferenciaBACEN3978.texto(0, 12), QStringLiteral("000001000000"));
    RecuperaDPCHIP();
    EXPECT_EQ(Campo(20115), "00001");
}

TEST_F(Servicos, RedesGuardadasEmCamposEntreCargas) {
    GravaServicoHzinhoParametro(Hzinho("21", "805", "237"));
    GravaServicoHzinhoParametro("28" + std::string(22, ' ') + "81011111");
    SalvaServicoHzinho_21_Informacoes_Gerais_CB();
    SalvaServicoHzinho_28_FormaPagamentoAutorizadasEmpresa();
    EXPECT_EQ(Campo(10166), "805");
    EXPECT_EQ(Campo(10167), "810");
    IniciaServicosHzinhoParametros();
    SalvaServicoHzinho_28_FormaPagamentoAutorizadasEmpresa(); // empty: one blank
    EXPECT_EQ(Campo(10167), " ");
    RecuperaServicoHzinho_21_Informacoes_Gerais_CB();
    EXPECT_EQ(ServicoHzinho_21_Informacoes_Gerais_CB.texto(22, 3), QStringLiteral("805"));
    DefineCampo(10168, 0, "811");
    RecuperaServicoHzinho_25_InformacaoModoTransacao();
    EXPECT_EQ(ServicoHzinho_25_InformacaoModoTransacao.texto(24, 3), QStringLiteral("811"));
    EXPECT_TRUE(ServicoHzinho_25_InformacaoModoTransacao.vazio(0, 24));
}

TEST_F(Servicos, SequenciaDosDocumentos) {
    QtdeDocsConsultadosOK = 3; // the fixture puts it back
    TrataGravacao_SEQ_CB();
    EXPECT_EQ(Campo(10102), "SEQ_CB:3");
}

// ---- Checks and request data ------------------------------------------------------------------------------

TEST_F(Servicos, BancoDoCartaoContraOBancoDoHzinho21) {
    ResultadoDialogos r;
    const auto verifica = [&r] {
        bool ok = false;
        r = FechaDialogos([&] { ok = VerificaDadosBanco(); });
        return ok;
    };
    GravaServicoHzinhoParametro(Hzinho("21", "805", "237"));
    DefineCampo(1029, 0, "0237");
    EXPECT_TRUE(verifica());
    EXPECT_TRUE(r.vistos.empty());

    DefineCampo(1029, 0, "341");
    EXPECT_FALSE(verifica());
    ASSERT_EQ(r.vistos.size(), 1u);
    EXPECT_EQ(r.vistos[0].texto, QString::fromUtf8("Banco Inválido (341). O correto é (237)"));
    EXPECT_EQ(r.vistos[0].titulo, QStringLiteral("Aviso"));
    EXPECT_TRUE(r.vistos[0].noTopo);

    // No bank on either side: nothing to compare.
    DefineCampo(1029, 0, "");
    EXPECT_TRUE(verifica());
    DefineCampo(1029, 0, "341");
    GravaServicoHzinhoParametro(Hzinho("21", "805", "ABC"));
    EXPECT_TRUE(verifica());
    EXPECT_TRUE(r.vistos.empty());
}

TEST_F(Servicos, VersaoDoServidorSoNaPrimeiraVez) {
    GravaServicoHzinhoParametro(Hzinho("43", "805", "v3.00.E88r25   "));
    DefineCampo(10402, 1, "VELHO");
    TrataVersaoVortaCB();
    EXPECT_EQ(VERSAO_DO_VORTA_CB, QStringLiteral("v3.00.E88r25"));
    EXPECT_EQ(Campo(10402), "v3.00.E88r25");
    EXPECT_FALSE(Campo(10402, 1));
    GravaServicoHzinhoParametro(Hzinho("43", "805", "v4.00"));
    TrataVersaoVortaCB();
    EXPECT_EQ(VERSAO_DO_VORTA_CB, QStringLiteral("v3.00.E88r25"));
    EXPECT_EQ(Campo(10402), "v3.00.E88r25");
}

// An entry of the registered-boleto data: F0 .. F6.
void DadoAdicional(int entrada, const std::vector<std::string>& f) {
    static constexpr size_t offset[7] = {0, 13, 26, 41, 56, 71, 80};
    for (size_t i = 0; i < f.size(); ++i)
        std::copy(f[i].begin(), f[i].end(),
                  DadosAdicionaisBoletoRegistradoContingencia.dados.begin() + 2 + entrada * 82 +
                      static_cast<std::ptrdiff_t>(offset[i]));
}

TEST_F(Servicos, DadosAdicionaisDoBoletoNoCampo10440) {
    DadoAdicional(0, {"150 ", "25", "12345678901234", "", "98765432100", "01011980", "1"});
    DadoAdicional(1, {"", "", "", "", "", "", "2"}); // nothing but the number: left out
    DadoAdicional(2, {"", "10", "", "", "", "", "3"});
    IndiceDadosAdicionais = 3;
    TrataPrefixoDADICPAGCB();
    EXPECT_EQ(Campo(10440), "1=150|25|12345678901234||98765432100|01011980,3=|10||||;");

    HostlinkLimpaCampo(10440);
    IndiceDadosAdicionais = 2;
    TrataPrefixoDADICPAGCB();
    // The last record was empty: the entry before it is the last one and takes the ";".
    EXPECT_EQ(Campo(10440), "1=150|25|12345678901234||98765432100|01011980;");
}

TEST_F(Servicos, DuasEntradasDeDadosAdicionais) {
    DadoAdicional(0, {"1", "2", "3", "4", "5", "6", "1"});
    DadoAdicional(1, {"7", "8", "9", "10", "11", "12", "2"});
    IndiceDadosAdicionais = 2;
    TrataPrefixoDADICPAGCB();
    EXPECT_EQ(Campo(10440), "1=1|2|3|4|5|6,2=7|8|9|10|11|12;");
}

TEST_F(Servicos, ContaParaAColetaDaSenha) {
    struct Caso {
        const char *banco, *agencia, *conta, *digito;
        const char* chave; // bank 4, agency 4, account 7, digit 1
    };
    // Not numbers count as 0; a digit is its first character.
    const Caso casos[] = {{"1", "23", "456", "7", "0001002300004567"},
                          {" 237 ", "1234", "0123456789", "", "0237123412345670"},
                          {"1", "1", "0000000", "12", "0001000100000001"},
                          {"1", "1", "12-3", "9X", "0001000100000009"},
                          {"1", "1", "123", "X", "0001000100001230"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(&c - casos);
        ASSERT_TRUE(GravaDadosColetaSenha(QString::fromLatin1(c.banco), QString::fromLatin1(c.agencia),
                                          QString::fromLatin1(c.conta), QString::fromLatin1(c.digito)));
        EXPECT_EQ(Campo(10104), std::string(c.chave));
    }
}

TEST_F(Servicos, SimuladorBradescoPeloClienteTrnIni) {
    EXPECT_FALSE(VerificaSeSimuladorBradesco());
    EscreveIni(QStringLiteral("ClienteTrn.ini"), "[correspondentebancario]\nSimuladorPinpadCBBradesco=1\n");
    EXPECT_TRUE(VerificaSeSimuladorBradesco());
    EscreveIni(QStringLiteral("ClienteTrn.ini"), "[CorrespondenteBancario]\nSimuladorPinpadCBBradesco=0\n");
    EXPECT_FALSE(VerificaSeSimuladorBradesco());
}

// ---- The platform's service lookups -----------------------------------------------------------------------

TEST_F(Servicos, ProcuraServicoDaPlataforma) {
    char b[16];
    EXPECT_EQ(ProcuraServico(1, 20026, 'Q', 0, b, sizeof b), 0);
    EXPECT_STREQ(b, "");
    GravaOcorrencias(20026, {"082ABCDEFGHIJKLMNOP", "028XYZ"}, 5);
    EXPECT_EQ(ProcuraServico(1, 20026, 'Q', 0, b, sizeof b), 15);
    EXPECT_STREQ(b, "082ABCDEFGHIJKL");
    EXPECT_EQ(ProcuraServico(1, 0, 'Q', 0, b, 4), 3); // the field from the letter
    EXPECT_STREQ(b, "082");

    // By key through the host layer: the count bounds the walk; without it the walk ends at a gap.
    EXPECT_EQ(host::ProcuraServico(20026, 'Q', "028", 100), "028XYZ");
    EXPECT_EQ(host::ProcuraServico(20026, 'Q', "028", 4), "028X");
    EXPECT_EQ(host::ProcuraServico(20026, 'Q', "", 100), "082ABCDEFGHIJKLMNOP");
    DefineCampo(20136, 0, "00001");
    EXPECT_EQ(host::ProcuraServico(20026, 'Q', "028", 100), "");
    HostlinkLimpaCampo(20136);
    EXPECT_EQ(host::ProcuraServico(20026, 'Q', "028", 100), "028XYZ");
    HostlinkLimpaCampo(20026);
    DefineCampo(20026, 0, "082");
    DefineCampo(20026, 2, "028");
    EXPECT_EQ(host::ProcuraServico(20026, 'Q', "028", 100), "");
}

TEST_F(Servicos, Servico5DaPlataforma) {
    EXPECT_FALSE(VerificaServico5("DPCHIP:", 0));
    char b[32] = "lixo";
    EXPECT_EQ(VerificaServico5String("DPCHIP:", b, sizeof b), -1);
    EXPECT_STREQ(b, "");

    GravaOcorrencias(20005, {"PRODX:7", "DPCHIP:12", "DPCHIP:99"}, 5);
    EXPECT_TRUE(VerificaServico5("DPCHIP:", 0));
    EXPECT_TRUE(VerificaServico5("PRODX:", 1));
    EXPECT_FALSE(VerificaServico5("DPCHIP:", 1)); // only the first occurrence looked at
    EXPECT_FALSE(VerificaServico5("", 0));
    EXPECT_EQ(VerificaServico5String("DPCHIP:", b, sizeof b), 9);
    EXPECT_STREQ(b, "DPCHIP:12");
    EXPECT_EQ(VerificaServico5String("DPCHIP:", b, 5), 9); // short buffer: cut, whole length returned
    EXPECT_STREQ(b, "DPCH");
    EXPECT_EQ(host::VerificaServico5String(QStringLiteral("DPCHIP:"), true), QStringLiteral("DPCHIP:12"));
    EXPECT_EQ(host::VerificaServico5String(QStringLiteral("DPCHIP:"), false), QStringLiteral("12"));
    EXPECT_EQ(host::VerificaServico5String(QStringLiteral("VLREFBACEN:"), false), std::nullopt);

    // The count hides what lies beyond it; without a count the elements end at a gap.
    DefineCampo(20115, 0, "00001");
    EXPECT_FALSE(VerificaServico5("DPCHIP:", 0));
    HostlinkLimpaCampo(20115);
    HostlinkLimpaCampo(20005);
    DefineCampo(20005, 0, "PRODX:7");
    DefineCampo(20005, 2, "DPCHIP:1");
    EXPECT_FALSE(VerificaServico5("DPCHIP:", 0));
    DefineCampo(20115, 0, "00003");
    EXPECT_TRUE(VerificaServico5("DPCHIP:", 0));
}

} // namespace
