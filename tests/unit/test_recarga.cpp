// The top-up's records and the rules its screens stand on: the branch lists and values replies of the three
// networks, the catalogue record "017D", the category and centring rules, the summary's phone, the result
// data of the top-up reply, the network menu in the cancellation mode, and the values the bank accepts.
#include "Ambiente.h"
#include "ItensPedido.h"

#include "protocol/ServicosRecarga.h"
#include "topup/Capturacelular.h"
#include "topup/Menurecargacelular.h"

#include <string>

using namespace Lumomain;

namespace {

std::string Largura(std::string s, size_t n) {
    s.resize(n, ' ');
    return s;
}

// A fixed-value entry of the catalogue with the value, the key and the category given; the rest blank.
std::string Fixo(const std::string& valor, const std::string& chave, const std::string& categoria) {
    std::string e = valor + std::string(175, ' ');
    e.replace(154, 11, Largura(chave, 11));
    e.replace(180, 3, categoria);
    return e;
}

} // namespace

TEST(Recarga, FiliaisDasTresRedes) {
    TFiliaisRecarga f;
    // Bradesco: 3-digit count, entries of 57; a count above the entries that came is cut to them.
    ASSERT_TRUE(LeFiliais(RedeRecarga::Bradesco,
                          "003" + std::string("00101") + Largura("VIVO SAO PAULO", 50) + "SP", f));
    ASSERT_EQ(f.Filiais.size(), 1u);
    EXPECT_EQ(f.Filiais[0].codigo, "00101");
    EXPECT_EQ(f.Filiais[0].nome.trimmed(), "VIVO SAO PAULO");
    EXPECT_EQ(f.Filiais[0].uf, "SP");
    // Corban OS and GXS: 2-digit count, name (20), qualifier (3), code (5).
    ASSERT_TRUE(
        LeFiliais(RedeRecarga::GXS,
                  "02" + Largura("NEXTEL SP", 20) + "POS81101" + Largura("NEXTEL RJ", 20) + "POS81102", f));
    ASSERT_EQ(f.Filiais.size(), 2u);
    EXPECT_EQ(f.Filiais[1].codigo, "81102");
    EXPECT_EQ(f.Filiais[1].qualificador, "POS");
    for (const char* ruim : {"", "0", "x1", "1a"})
        EXPECT_FALSE(LeFiliais(RedeRecarga::CorbanOS, ruim, f)) << ruim;
    EXPECT_TRUE(f.Filiais.empty());
}

TEST(Recarga, ValoresSimplesPorRede) {
    TRespostaConsultaValores v;
    // Bradesco: min, max, tariff and a 2-digit count, then values without bonus.
    ASSERT_TRUE(LeValores(
        RedeRecarga::Bradesco,
        std::string("000000001500000000010000000000000150") + "02" + "000000001000000000002000", v));
    ASSERT_EQ(v.Entradas.size(), 2u);
    EXPECT_EQ(v.Entradas[1].texto(0, 12), "000000002000");
    EXPECT_TRUE(v.Entradas[0].vazio(12, 12));
    EXPECT_EQ(v.Tarifa.texto(0, 12), "000000000150");
    EXPECT_EQ(v.Minimo.texto(0, 12), "000000001500");
    // Corban OS / GXS: 128 unread, the count, entries of 24, then one unread, min and max; no tariff.
    ASSERT_TRUE(LeValores(
        RedeRecarga::GXS,
        std::string(128, '#') + "01" + "000000001000000000000100" + "#" + "000000001000000000020000", v));
    ASSERT_EQ(v.Entradas.size(), 1u);
    EXPECT_EQ(v.Entradas[0].texto(12, 12), "000000000100");
    EXPECT_EQ(v.Minimo.texto(0, 12), "000000001000");
    EXPECT_EQ(v.Maximo.texto(0, 12), "000000020000");
    EXPECT_TRUE(v.Tarifa.vazio(0, 12));
    // A reply without a count leaves the form as it was.
    EXPECT_FALSE(LeValores(RedeRecarga::CorbanOS, std::string(129, ' '), v));
    EXPECT_EQ(v.Entradas.size(), 1u);
}

TEST(Recarga, CatalogoInteiroOuNenhum) {
    const std::string categorias =
        "02" + std::string("001") + Largura("Creditos", 50) + "002" + Largura("Internet", 50);
    const std::string oferecidas = "01" + std::string("1  ") + std::string(50, ' ');
    const std::string faixa = std::string("00000003000") + "00000009000" + std::string(175, ' ');
    const std::string bom = std::string("017D") + "02" + Fixo("00000001000", "CLR10", "001") +
                            Fixo("00000001500", "NET15", "002") + "01" + faixa + categorias + oferecidas;
    TConsultaValor c;
    ASSERT_TRUE(LeCatalogo(bom, c));
    ASSERT_EQ(c.Fixos.size(), 2u);
    ASSERT_EQ(c.Faixas.size(), 1u);
    EXPECT_EQ(CampoCatalogo(c.Fixos[1], Catalogo::Chave), "NET15");
    EXPECT_EQ(CampoCatalogo(c.Faixas[0], Catalogo::Maximo), "00000009000");
    EXPECT_EQ(c.NomesCategorias[1].texto(3, 50).trimmed(), "Internet");
    EXPECT_TRUE(ComparaCodigosCategorias(c.CategoriasOferecidas[0].texto(0, 3), "001"));

    const struct {
        const char* caso;
        std::string registro;
    } ruins[] = {
        {"another record", "017E" + bom.substr(4)},
        {"count not two digits", std::string("017D") + "2x" + bom.substr(6)},
        {"an entry missing", bom.substr(0, bom.size() - 10)},
        {"more fixed values than allowed", std::string("017D") + "41" + bom.substr(6)},
    };
    for (const auto& r : ruins) {
        EXPECT_FALSE(LeCatalogo(r.registro, c)) << r.caso;
        EXPECT_TRUE(c.Fixos.empty() && c.Faixas.empty() && c.CategoriasOferecidas.empty()) << r.caso;
    }
}

TEST(Recarga, CategoriasBonusECentro) {
    const struct {
        const char *a, *b;
        bool iguais;
    } codigos[] = {
        {"001", "1", true}, {"001", "002", false}, {"abc", "ABC ", true}, {"", "", true}, {"", "000", false}};
    for (const auto& c : codigos)
        EXPECT_EQ(ComparaCodigosCategorias(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.iguais)
            << c.a << " / " << c.b;
    EXPECT_EQ(ObtemDescricaoBonus("001"), "");
    EXPECT_EQ(ObtemDescricaoBonus("002"), "Internet");
    EXPECT_EQ(CentralizaMensagem("abc", 7), "  abc");
    EXPECT_EQ(CentralizaMensagem(QString(60, 'x'), 47).size(), 47);
}

TEST(Recarga, TelefoneDoResumo) {
    const struct {
        const char *ddd, *numero, *resumo;
    } casos[] = {{"011", "00012345678", "(11)1234-5678"},
                 {"0011", "0012345678", "(11)1234-5678"},
                 {"21", "987654321", "(21)987654321"},
                 {"000", "12345678", ""},
                 {"11", "", ""}};
    for (const auto& c : casos)
        EXPECT_EQ(Capturacelular::TelefoneResumo(c.ddd, c.numero), QString::fromUtf8(c.resumo)) << c.ddd;
}

class RecargaHost : public Ambiente {};

TEST_F(RecargaHost, DadosDoResultadoSoDeUmaRespostaCurta) {
    // 68 characters: date 1207, time 134501, NSU, phone, authorisation code, network.
    const std::string registro = std::string("00") + "1207" + "134501" + "000000000042" +
                                 Largura("01100012345678", 15) + Largura("AUT00000000000000042", 20) +
                                 std::string(6, ' ') + "805";
    HostlinkGravaCampo(20010, 0, registro.data(), static_cast<uint16_t>(registro.size()));
    TrataRespostaRecarga();
    EXPECT_EQ(Campo(1010), "AUT00000000000000042");
    EXPECT_EQ(Campo(1011), "805");
    EXPECT_EQ(Campo(1012), "241");
    EXPECT_EQ(Campo(1013), "000000000042");
    EXPECT_EQ(Campo(1015), "0712134501");
    EXPECT_EQ(Campo(1021), "134501");
    EXPECT_EQ(Campo(1020)->substr(0, 4), "0712");

    VortaSimReinicia();
    const std::string longo = registro + std::string(6, ' ');
    HostlinkGravaCampo(20010, 0, longo.data(), static_cast<uint16_t>(longo.size()));
    TrataRespostaRecarga();
    for (int campo : {1010, 1011, 1012, 1013, 1015, 1020, 1021})
        EXPECT_EQ(Campo(campo), std::nullopt) << campo;
}

TEST_F(RecargaHost, MenuDeRedesVazioNoCancelamento) {
    EscreveIni("ClienteTrn.ini", "[CorrespondenteBancario]\nRecargaCelularBradesco=1\nRecargaCelularCorbanOS="
                                 "1\nRecargaCelularGXS=1\n");
    TrnCNC = false;
    EXPECT_TRUE(TFrmRecCel_Mnu::AlgumaRedeOferecida());
    TrnCNC = true;
    EXPECT_FALSE(TFrmRecCel_Mnu::AlgumaRedeOferecida());
    TrnCNC = false;
}

TEST(Recarga, BancoAceitaSoOsValoresDaFilial) {
    cbserver::Servidor s;
    AbreCenario(s, "recarga.json");
    // Bradesco's first branch for DDD 11 sells 10, 20 and 30, and any value from 15 to 10.000 (tariff 1,50).
    const auto pede = [&s](const char* valor) {
        cbwire::Pedido p;
        p.codigo = 241;
        p.itens = {Item(10103, "11"),   Item(1205, "805"), Item(1038, "11"),
                   Item(1253, "00101"), Item(1256, "150"), Item(1003, valor)};
        return Responde(s, p).codigo;
    };
    const struct {
        const char *valor, *codigo;
    } casos[] = {{"1000", "00"}, {"1200", "13"}, {"1500", "00"}, {"1000000", "00"}, {"1000001", "13"}};
    for (const auto& c : casos)
        EXPECT_EQ(pede(c.valor), c.codigo) << c.valor;
}
