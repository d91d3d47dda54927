// Deposit: the per-cheque returns a refused deposit leaves in 1120, the query reply's account, the
// confirmation text, the typed cheque values and the cheque-row checks.
#include "cash/Coletadadoscheque.h"
#include "cash/Confirmacaodadosdeposito.h"
#include "cash/Depositodinheirocheque.h"

#include <gtest/gtest.h>

namespace {

TEST(Deposito, RetornosPorCheque) {
    struct Caso {
        const char* resposta;
        int cheques;
        QStringList esperado;
    } casos[] = {
        // Entries name cheques 0 and 2; the cheque between them and the one past the last get "0".
        {"003002"
         "00SEM FUNDOS  "
         "02ASSINATURA  ",
         3,
         {"SEM FUNDOS  ", "0", "ASSINATURA  ", "0"}},
        // More entries announced than sent, or a count that is no number: nothing is made up.
        {"003003"
         "01DIVERGENTE  ",
         2,
         {"0", "DIVERGENTE  ", "0"}},
        {"0030XX"
         "00SEM FUNDOS  ",
         1,
         {"0", "0"}},
        // Entries out of cheque order are not matched backwards.
        {"003002"
         "01SEM FUNDOS  "
         "00ASSINATURA  ",
         2,
         {"0", "SEM FUNDOS  ", "0"}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Depositodinheirocheque::RetornosCheques(QString::fromLatin1(c.resposta), c.cheques),
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
