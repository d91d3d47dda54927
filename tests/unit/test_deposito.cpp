// Deposit: the per-cheque returns a refused deposit leaves in 1120, the query reply's account, the
// confirmation text, the typed cheque values and the cheque-row checks.
#include "ItensPedido.h"
#include "Servidor.h"
#include "cash/Coletadadoscheque.h"
#include "cash/Confirmacaodadosdeposito.h"
#include "cash/Depositodinheirocheque.h"

#include <gtest/gtest.h>

namespace {

// The bank checks the depositor by modality before it answers the account's holder; the reference it hands
// out is what the identified deposit must bring back.
TEST(Deposito, BancoConfereODepositanteIdentificado) {
    cbserver::Servidor s;
    QString erro;
    ASSERT_TRUE(s.CarregaCenarioJson(
        QByteArray(R"({"saques": {"contas": [{"conta": "0001 0123456-7", "saldo": "0", "titular": "MARIA"}]},
                       "cartoes": [{"numero": "5067220000123458", "validade": "2912", "rede": "805"}]})"),
        QStringLiteral("."), &erro))
        << erro.toStdString();
    const std::string chave = "23700011000000012345607";
    struct Caso {
        const char *modalidade, *depositante, *trilha, *digitado, *codigo;
    } casos[] = {
        {"1", "JOAO", "", "", "00"},
        {"1", "  ", "", "", "12"},
        {"2", "778899", "", "", "00"},
        {"2", "77A", "", "", "12"},
        {"2", "", "", "", "12"},
        {"3", "1", "5067220000123458=2912", "", "00"},
        {"3", "1", "5067229999999992=2912", "", "14"},
        {"3", "2", "", "12", "00"},
        {"3", "2", "", "", "12"},
        {"4", "", "", "", "00"},
        {"5", "", "", "", "12"},
    };
    for (const auto& c : casos) {
        cbwire::Pedido p;
        p.codigo = 242;
        p.itens = {Item(0, ""),          Item(10171, ""),    Item(10103, "3"),
                   Item(10158, "32"),    Item(1003, "5000"), Item(0, c.modalidade),
                   Item(0, "01"),        Item(0, chave),     Item(0, c.depositante),
                   Item(10104, c.trilha)};
        for (uint16_t i = 0; i < 4; ++i)
            p.itens.push_back(Item(10102, c.digitado, i));
        const auto r = Responde(s, p);
        EXPECT_EQ(r.codigo, c.codigo) << c.modalidade << " " << c.depositante << ": " << r.mensagem;
        if (r.codigo == "00") {
            ASSERT_EQ(r.servicos.size(), 2u);
            EXPECT_EQ(r.servicos.at(1).second.at(0),
                      std::string("015DEPOSITO IDENTIFICADO MODALIDADE ") + c.modalidade);
        }
    }
}

TEST(Deposito, RetornosPorCheque) {
    struct Caso {
        std::string resposta;
        int cheques;
        QStringList esperado;
    } casos[] = {
        // Entries name cheques 0 and 2; the cheque between them and the one past the last get "0".
        {std::string("003002") + "00SEM FUNDOS  " + "02ASSINATURA  ",
         3,
         {"SEM FUNDOS  ", "0", "ASSINATURA  ", "0"}},
        // More entries announced than sent, or a count that is no number: nothing is made up.
        {std::string("003003") + "01DIVERGENTE  ", 2, {"0", "DIVERGENTE  ", "0"}},
        {std::string("0030XX") + "00SEM FUNDOS  ", 1, {"0", "0"}},
        // Entries out of cheque order are not matched backwards.
        {std::string("003002") + "01SEM FUNDOS  " + "00ASSINATURA  ", 2, {"0", "SEM FUNDOS  ", "0"}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Depositodinheirocheque::RetornosCheques(QString::fromStdString(c.resposta), c.cheques),
                  c.esperado)
            << c.resposta;
}

TEST(Deposito, ConsultaEConfirmacao) {
    const QString resposta = QStringLiteral("0015REF00000000000000007237000010000000123456"
                                            "07") +
                             QStringLiteral("MARIA DA SILVA").leftJustified(35);
    const auto conta = Depositodinheirocheque::ConsultaDeposito::Le(resposta);
    EXPECT_EQ(conta.referencia, QStringLiteral("REF00000000000000007"));
    EXPECT_FALSE(conta.SemDados());
    EXPECT_TRUE(Depositodinheirocheque::ConsultaDeposito::Le(QStringLiteral("0015REF1") + QString(78, u' '))
                    .SemDados());
    const QStringList texto = Confirmacaodadosdeposito::TextoConfirmacao(resposta, QStringLiteral("15000"));
    const QStringList esperado{QStringLiteral("           Dados do Depósito"),
                               QStringLiteral(" "),
                               QStringLiteral("Nome do Favorecido : MARIA DA SILVA") + QString(21, u' '),
                               QStringLiteral(" "),
                               QStringLiteral("Banco   : 237"),
                               QStringLiteral("Agência : 00001"),
                               QStringLiteral("Conta   : 0000000123456 - 07"),
                               QStringLiteral(" "),
                               QStringLiteral("Valor   : R$ 150,00")};
    EXPECT_EQ(texto, esperado);
}

TEST(Deposito, ValoresELinhasDeCheque) {
    using Coletadadoscheque::CentavosDigitados;
    EXPECT_EQ(CentavosDigitados(QStringLiteral("10")), 1000);
    EXPECT_EQ(CentavosDigitados(QStringLiteral("10,5")), 1050);
    EXPECT_EQ(CentavosDigitados(QStringLiteral("0,07")), 7);
    EXPECT_EQ(CentavosDigitados(QStringLiteral(",99")), 99);
    EXPECT_EQ(CentavosDigitados(QString()), -1);

    using Coletadadoscheque::ErroLinha;
    EXPECT_EQ(ErroLinha(2, {QString(), QString()}),
              QStringLiteral("A linha dos dados do Cheque 2 não foi preenchida."));
    EXPECT_EQ(ErroLinha(1, {QString(), QStringLiteral("10,00")}),
              QStringLiteral(
                  "A linha dos dados do Cheque 1 não foi preenchida corretamente.\r\nPreencha-a novamente."));
    EXPECT_EQ(ErroLinha(3, {QStringLiteral("1"), QStringLiteral("0,00")}),
              QStringLiteral("O valor do cheque 3 informado está incorreto"));
    EXPECT_TRUE(ErroLinha(1, {QStringLiteral("1"), QStringLiteral("0,01")}).isEmpty());
}

} // namespace
