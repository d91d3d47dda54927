// DARF and GPS: the document checks of the forms, and the simulated bank collecting and cancelling them by
// the rules of server/PROTOCOL.md (reference date 15/06/2026 in tributos.json).
#include "Ambiente.h"
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"
#include "government/Pagtogrupo4darf.h"
#include "resources/Mensagens.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

TEST(Pagtogrupo4, DatasEDocumentos) {
    const std::pair<const char*, bool> datas[] = {
        {"01122025", true}, {"01132026", false}, {"29022024", true},  {"29022025", false},
        {"0112202", false}, {"00062026", false}, {"01010001", false},
    };
    for (const auto& [digitos, valida] : datas)
        EXPECT_EQ(Pagtogrupo4::DataValida(QLatin1String(digitos)), valida) << digitos;
    const std::pair<const char*, const char*> documentos[] = {
        {"52998224725", nullptr},
        {"52998224726", msg::ErroCPFInvalido},
        {"00000000000", msg::ErroCPFInvalido},
        {"11222333000181", nullptr},
        {"12ABC34501DE35", nullptr},
        {"00000000000000", msg::ErroCNPJInvalido},
        {"112223330001", msg::MsgErroDocumentoInvalido},
        {"", msg::MsgErroDocumentoInvalido},
    };
    for (const auto& [documento, erro] : documentos)
        EXPECT_EQ(Pagtogrupo4::ErroDocumento(QLatin1String(documento)), erro) << documento;
}

class ServidorTributos : public ::testing::Test {
protected:
    void SetUp() override { AbreCenario(servidor_, "tributos.json"); }
    // The code answered to a request of group 4: the operation and the fields as the forms write them.
    std::string Pede(const std::string& operacao, const std::map<uint16_t, std::string>& campos,
                     std::vector<cbwire::Item> extras = {}) {
        cbwire::Pedido p;
        p.codigo = 242;
        p.indicador = 1;
        p.itens = {Item(10103, "4"), Item(10158, operacao)};
        for (const auto& [campo, valor] : campos)
            p.itens.push_back(Item(campo, valor));
        p.itens.insert(p.itens.end(), extras.begin(), extras.end());
        return Responde(servidor_, p).codigo;
    }
    cbserver::Servidor servidor_;
};

// DARF Preto of 100,00 due 10/06/2026: principal, fine and interest as given.
std::map<uint16_t, std::string> Darf(const std::string& vencimento, const std::string& multa) {
    return {{1003, "10000"},
            {1062, "01052026"},
            {1006, "F"},
            {1007, "52998224725"},
            {1049, "0220"},
            {1113, vencimento},
            {1243, std::to_string(10000 - std::stoi(multa))},
            {1119, multa}};
}

std::map<uint16_t, std::string> Gps(const std::string& competencia) {
    return {{1003, "15000"},       {1056, "2100"},  {1068, competencia},
            {1258, "12345678901"}, {1097, "12000"}, {1239, "3000"}};
}

TEST_F(ServidorTributos, ConfereODocumentoComoUmArrecadador) {
    struct Caso {
        const char* operacao;
        std::map<uint16_t, std::string> campos;
        const char* codigo;
    };
    auto simples = Darf("", "0");
    simples.erase(1113);
    simples[1006] = "J";
    simples[1007] = "12ABC34501DE35";
    simples[1049] = "6106";
    simples[1185] = "500000";
    simples[1194] = "200";
    auto soma = Darf("20062026", "0");
    soma[1243] = "9999";
    auto futuro = Darf("20062026", "0");
    futuro[1062] = "01072026";
    auto pessoa = simples;
    pessoa[1006] = "F";
    const Caso casos[] = {
        {"20", Darf("10052026", "0"), "12"},   // past due without fine or interest
        {"20", Darf("10052026", "500"), "00"}, // past due with its fine
        {"20", Darf("10052026", "500"), "12"}, // the same document again
        {"20", soma, "13"},                    // parts that do not add up to the total
        {"20", futuro, "12"},                  // a period after today
        {"24", simples, "00"},                 // alphanumeric CNPJ of a company
        {"24", pessoa, "12"},                  // DARF Simples of a person
        {"28", Gps("132026"), "12"},
        {"28", Gps("072026"), "12"}, // a competência still to come
        {"28", Gps("122025"), "00"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Pede(c.operacao, c.campos), c.codigo) << c.operacao << " " << c.campos.at(1003);
}

TEST_F(ServidorTributos, CancelaPeloNsuNaFormaDoPagamento) {
    const std::vector<cbwire::Item> cartao = {Item(10104, "5067220000555550=2910101"),
                                              Item(10146, "0123456789ABCDEF")};
    ASSERT_EQ(Pede("20", Darf("20062026", "0")), "00"); // NSU 1, in cash
    auto outro = Darf("20062026", "0");
    outro[1062] = "01042026";
    EXPECT_EQ(Pede("22", outro, cartao), "51"); // 5,00 on the card's account
    const auto cancela = [&](const std::string& operacao, const std::string& contribuinte) {
        return Pede(operacao, {{1003, "10000"}}, {Item(10154, contribuinte), Item(10154, "1", 1)});
    };
    EXPECT_EQ(cancela("49", "52998224725"), "12"); // paid in cash, not by cheque
    EXPECT_EQ(cancela("48", "11222333000181"), "12");
    EXPECT_EQ(cancela("48", "52998224725"), "00");
    EXPECT_EQ(cancela("48", "52998224725"), "12");
    EXPECT_EQ(Pede("20", Darf("20062026", "0")), "00"); // payable again once cancelled
}

} // namespace
