// Transfer between accounts: the record the query leaves for the summary, the summary's lines, the limit of
// one transfer, and the simulated bank's query and transfer moving balances from request frames.
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"
#include "services/Consultatransferenciaentrecontas.h"
#include "services/Efetivatransferenciacontas.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

namespace {

namespace ct = Consultatransferenciaentrecontas;

TEST(Transferencia, RegistroDaConsultaSubstituidoPorInteiro) {
    Registro<165> r;
    ct::Guarda(r, {QStringLiteral("20000"), QStringLiteral("Conta Corrente"), QStringLiteral("237"),
                   QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("765432"), QStringLiteral("1"),
                   QStringLiteral("Conta Poupança")});
    const std::string_view b(r.dados.data(), r.dados.size());
    EXPECT_EQ(b.substr(0, 12), "000000020000");
    EXPECT_EQ(b.substr(12, 64), std::string("Conta Corrente") + std::string(50, ' '));
    EXPECT_EQ(b[76], '\0');
    EXPECT_EQ(b.substr(77, 23), "23700010000000076543201");
    EXPECT_EQ(b.substr(100, 64), std::string("Conta Poupan\xe7"
                                             "a") +
                                     std::string(50, ' '));
    EXPECT_EQ(b[164], '\0');
    EXPECT_EQ(ct::Le(r).tipoCredito, QStringLiteral("Conta Poupança"));

    // A second query leaves nothing of the first: no credit type, no C1.
    ct::Guarda(r, {QStringLiteral("5"), QStringLiteral("Conta Benefício INSS"), QStringLiteral("237"),
                   QStringLiteral("12"), QString(), QStringLiteral("9"), QStringLiteral("3"), QString()});
    EXPECT_EQ(ct::Le(r),
              (ct::DadosTransferencia{QStringLiteral("000000000005"), QStringLiteral("Conta Benefício INSS"),
                                      QStringLiteral("237"), QStringLiteral("0012"), QStringLiteral(" "),
                                      QStringLiteral("0000000000009"), QStringLiteral("03"), QString()}));

    DadosEfetivaTransferencia = r;
    const QStringList esperado{QStringLiteral("       Efetivação Transferência"),
                               QStringLiteral(" "),
                               QStringLiteral("Valor da Transferência  : 0,05"),
                               QStringLiteral("Tipo Conta Debito       : Conta Benefício INSS"),
                               QStringLiteral("Tipo Conta Credito      : "),
                               QStringLiteral("Banco                   : 237"),
                               QStringLiteral("Agencia                 : 0012"),
                               QStringLiteral("Digito Agencia          :  "),
                               QStringLiteral("Conta                   : 0000000000009"),
                               QStringLiteral("Digito Conta            : 03")};
    EXPECT_EQ(Efetivatransferenciacontas::Resumo(), esperado);
    DadosEfetivaTransferencia.limpa();
}

// The limit of one transfer, read as the twelve digits at 61-72 of the limits record; a bank that sends the
// one character at 61 with blanks after it is read the same.
TEST(Transferencia, LimiteDeUmaTransferencia) {
    const std::string cabeca = "LIMITES               805000000200000000000500000000001000000";
    ASSERT_EQ(cabeca.size(), 61u);
    struct Caso {
        std::string limite; // from offset 61
        long long esperado;
    } casos[] = {
        {"000000500000000001000000", 500000}, // the bank's records: "0" at 61 is no "no limit"
        {"9           000001000000", 9},      // the one-character reading
        {"000000000000000001000000", 0},      // zero: no limit
        {"00000050000X000001000000", 0},      // not a number: no limit
        {"", 0},                              // a record that ends before it
    };
    for (const auto& c : casos) {
        Registro<96> r;
        r.atribui(cabeca + c.limite);
        EXPECT_EQ(ct::LimiteTransferencia(r), c.esperado) << c.limite;
    }
}

// ---- The simulated bank

constexpr const char* kCenario = R"({"cartoes": [
    {"descricao": "A", "numero": "5067220000123458", "validade": "2912", "conta": "0001 0123456-7"},
    {"descricao": "B", "numero": "5067220000678907", "validade": "3006", "tipo": "chip", "conta": "0001 0765432-1"},
    {"descricao": "outra rede", "numero": "4174000012345676", "validade": "2808", "rede": "811"}],
  "saques": {"contas": [
    {"conta": "0001 0123456-7", "tipos": ["01", "02"], "saldo": "100000", "titular": "MARIA"},
    {"conta": "0001 0765432-1", "tipos": ["01"], "saldo": "1000", "titular": "JOSE"}]},
  "transferencias": {"limiteDiario": 150000}})";

const std::string kTrilhaA = "5067220000123458=29121011234500000";
const std::string kTrilhaB = "5067220000678907D3006201";
const std::string kChaveA = "23700010000000012345607";
const std::string kChaveB = "2370001 000000076543201";

struct Pedido {
    const char* operacao;
    std::string trilha;
    const char *valor, *debito;
    std::string chave;
    const char *credito, *cseg, *senha, *codigo, *porque; // codigo: the answer expected
};

TEST(Transferencia, BancoConsultaETransfereEntreContas) {
    cbserver::Servidor s;
    QString erro;
    ASSERT_TRUE(s.CarregaCenarioJson(QByteArray(kCenario), QStringLiteral("."), &erro)) << erro.toStdString();
    const Pedido pedidos[] = {
        {"28", kTrilhaA, "60000", "01", kChaveB, "01", "123", "BLOCO", "00", "query approved"},
        {"29", kTrilhaA, "60000", "01", kChaveB, "01", "", "", "00", "the transfer goes without the PIN"},
        {"29", kTrilhaA, "60000", "01", kChaveB, "01", "", "", "12", "one query, one transfer"},
        {"28", kTrilhaA, "40001", "01", kChaveB, "01", "0", "BLOCO", "51", "A has 400,00 left"},
        {"28", kTrilhaB, "61000", "01", kChaveA, "02", "", "BLOCO", "00", "B credited; chip: no code"},
        {"29", kTrilhaB, "61000", "01", kChaveA, "02", "", "", "00", "B empties into A's savings"},
        {"28", kTrilhaB, "1", "01", kChaveA, "01", "", "BLOCO", "51", "B has nothing left"},
        {"28", kTrilhaA, "90001", "01", kChaveB, "01", "0", "BLOCO", "61", "600,00 + 900,01 is over the day"},
        {"28", kTrilhaA, "90000", "01", kChaveB, "01", "0", "BLOCO", "00", "900,00 fits the day exactly"},
        {"29", kTrilhaA, "80000", "01", kChaveB, "01", "", "", "12", "not what the query approved"},
        {"28", kTrilhaA, "100", "03", kChaveB, "01", "123", "BLOCO", "12", "A is no benefit account"},
        {"28", kTrilhaA, "100", "01", kChaveA, "01", "123", "BLOCO", "12", "to itself"},
        {"28", kTrilhaA, "100", "01", kChaveB, "02", "123", "BLOCO", "12", "B takes no savings credit"},
        {"28", kTrilhaA, "100", "01", "23700020000000012345607", "01", "123", "BLOCO", "14", "unknown"},
        {"28", kTrilhaA, "100", "01", kChaveB, "01", "", "BLOCO", "12", "a stripe read without its code"},
        {"28", kTrilhaA, "100", "01", kChaveB, "01", "123", "", "55", "no PIN"},
        {"28", "4174000012345676=2808", "100", "01", kChaveB, "01", "1", "BLOCO", "57", "another network"},
    };
    for (const auto& p : pedidos) {
        cbwire::Pedido pedido;
        pedido.codigo = 242;
        pedido.indicador = 1;
        pedido.itens = {
            Item(0, ""),          Item(10171, ""),        Item(10103, "3"),     Item(10158, p.operacao),
            Item(1003, p.valor),  Item(10104, p.trilha),  Item(10146, p.senha), Item(10163, p.debito),
            Item(10290, p.chave), Item(10164, p.credito), Item(10149, p.cseg)};
        const auto r = Responde(s, pedido);
        EXPECT_EQ(r.codigo, p.codigo) << p.porque << ": " << r.mensagem;
        EXPECT_FALSE(r.mensagem.empty()) << p.porque;
        const bool recibo = std::string(p.operacao) == "29" && r.codigo == "00";
        EXPECT_EQ(!r.servicos.empty(), recibo) << p.porque;
        if (recibo) {
            EXPECT_EQ(r.servicos.front().first, 'I');
        }
    }
    // B's statement: what A sent it is a credit, what it sent back a debit.
    cbwire::Pedido extrato;
    extrato.codigo = 242;
    extrato.itens = {Item(10103, "3"), Item(10158, "13"), Item(10290, kTrilhaB), Item(10146, "AB"),
                     Item(10163, "3")};
    const auto r = Responde(s, extrato);
    ASSERT_FALSE(r.servicos.empty());
    std::string linhas;
    for (const auto& l : r.servicos.front().second)
        linhas += l + '\n';
    EXPECT_NE(linhas.find(" TRANSFERENCIA RECEBIDA R$ 600,00\n"), std::string::npos) << linhas;
    EXPECT_NE(linhas.find(" TRANSFERENCIA ENVIADA -R$ 610,00\n"), std::string::npos) << linhas;
}

} // namespace
