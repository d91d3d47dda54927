// Rules of the dialogs that are pure functions: amounts and documents as the screens show them, the bar-code
// blocks, the cheque entry types offered, the withdrawal options and account key, the payer's birth date, the
// numeric key filter and the catalogue's formatting.
#include "Ambiente.h"
#include "cash/Menusaque.h"
#include "frame/Coletacampocartao.h"
#include "frame/Contasaque.h"
#include "frame/Lumomain.h"
#include "payment/Capturacodigobarras.h"
#include "payment/Coletacpfcnpjdtnascimentopagador.h"
#include "payment/Consultapagamento.h"
#include "protocol/Tiposentradacheque.h"

#include <QDate>
#include <QKeyEvent>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Consultapagamento::FormataValor;

TEST(FormataValor, RoundsAtTheThirdDecimalAndPadsShortOnes) {
    // Rounded at the third decimal, the carry crossing into the whole part; "." is a decimal separator too
    // and only the third decimal counts. A whole number: ",00" with the comma flag, else the money format.
    const std::tuple<const char*, bool, const char*> casos[] = {
        {"12,345", true, "12,35"}, {"12,344", true, "12,34"}, {"12,3", true, "12,30"},
        {"12,34", false, "12,34"}, {"12,995", true, "13,00"}, {"0,005", false, "0,01"},
        {"7.3349", true, "7,33"},  {"100", true, "100,00"},   {"1234", false, "1.234,00"}};
    for (const auto& [valor, virgula, formatado] : casos)
        EXPECT_EQ(FormataValor(QString::fromLatin1(valor), virgula), QString::fromLatin1(formatado)) << valor;
}

TEST(FormataCpfCnpj, GroupsElevenAndFourteenDigitsOnly) {
    using Capturacodigobarras::FormataCpfCnpj;
    EXPECT_EQ(FormataCpfCnpj(QStringLiteral("52998224725")), QStringLiteral("529.982.247-25"));
    EXPECT_EQ(FormataCpfCnpj(QStringLiteral(" 11222333000181 ")), QStringLiteral("11.222.333/0001-81"));
    EXPECT_EQ(FormataCpfCnpj(QStringLiteral("1234567890")), QStringLiteral("1234567890"));
    EXPECT_EQ(FormataCpfCnpj(QStringLiteral("")), QStringLiteral(""));
}

TEST(ValidaBloco, ModuleFollowsTheValueIdentifierOfBlockOne) {
    using Capturacodigobarras::ValidaBloco;
    // Blocks of a real identifier-9 bill (module 11) and of an identifier-6 one (module 10).
    const QString onze = QStringLiteral("858900004609");
    EXPECT_TRUE(ValidaBloco(onze, onze));
    EXPECT_TRUE(ValidaBloco(onze, QStringLiteral("524601791605")));
    const QString dez = QStringLiteral("846700000017");
    EXPECT_TRUE(ValidaBloco(dez, QStringLiteral("435900240209")));
    // The same module-11 block under a module-10 identifier, or a boleto field, is refused.
    EXPECT_FALSE(ValidaBloco(dez, QStringLiteral("524601791605")));
    EXPECT_FALSE(ValidaBloco(QStringLiteral("0019000009"), QStringLiteral("524601791605")));
}

TEST(DataNascimentoPagador, LimitesDaData) {
    const QDate hoje = QDate::currentDate();
    const auto ddmmaaaa = [](const QDate& d) { return d.toString(QStringLiteral("dd/MM/yyyy")); };
    EXPECT_TRUE(TFrmCPFCNPJDtNascPagador::ValidaData(ddmmaaaa(hoje)));
    EXPECT_FALSE(TFrmCPFCNPJDtNascPagador::ValidaData(ddmmaaaa(hoje.addDays(1))));
    EXPECT_TRUE(TFrmCPFCNPJDtNascPagador::ValidaData(QStringLiteral("01/01/1900")));
    EXPECT_FALSE(TFrmCPFCNPJDtNascPagador::ValidaData(QStringLiteral("31/12/1899")));
    EXPECT_FALSE(TFrmCPFCNPJDtNascPagador::ValidaData(QStringLiteral("30/02/1980")));
    EXPECT_FALSE(TFrmCPFCNPJDtNascPagador::ValidaData(QStringLiteral("01/01/198_")));
    EXPECT_TRUE(TFrmCPFCNPJDtNascPagador::ValidaData(QStringLiteral("29/02/1980")));
}

TEST(TiposEntradaCheque, PosicaoETipoParaCadaCombinacaoOferecida) {
    // Every subset of the three types, listed in type order; the tag names types 1 and 2 only.
    for (int oferta = 0; oferta < 8; ++oferta) {
        SCOPED_TRACE(oferta);
        std::vector<int> listados;
        int tag = 0;
        for (int tipo = 0; tipo < 3; ++tipo) {
            if (!(oferta & (1 << tipo))) continue;
            listados.push_back(tipo);
            if (tipo == 1) tag += 1;
            if (tipo == 2) tag += 2;
        }
        const int n = static_cast<int>(listados.size());
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(Lumomain::VerificaRetornaIndiceIndividualTipoEntrada(tag, n, i), listados[i]);
        EXPECT_EQ(Lumomain::VerificaRetornaIndiceIndividualTipoEntrada(tag, n, -1), -1);
        EXPECT_EQ(Lumomain::VerificaRetornaIndiceIndividualTipoEntrada(tag, n, n), -1);
        for (int tipo = 0; tipo < 3; ++tipo) {
            const auto it = std::find(listados.begin(), listados.end(), tipo);
            const int esperado = it == listados.end() ? -1 : static_cast<int>(it - listados.begin());
            EXPECT_EQ(Lumomain::VerificaRetornaIndiceComboTipoEntradaCheque(tag, n, tipo), esperado) << tipo;
        }
    }
}

TEST(TeclaNumerica, SoDigitosBackspaceEnterEMovimentoPassam) {
    struct Caso {
        int tecla;
        Qt::KeyboardModifiers modificadores;
        QString texto;
        bool recusa;
    };
    const std::vector<Caso> casos = {
        {Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), false},
        {Qt::Key_3, Qt::KeypadModifier, QStringLiteral("3"), false},
        {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"), false},
        {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), false},
        {Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"), false},
        {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"), false},
        {Qt::Key_Left, Qt::NoModifier, QString(), false},
        {Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true},
        {Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true},
        {Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"), true},
        {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"), true},
        {Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"), true},
        {Qt::Key_Insert, Qt::ShiftModifier, QString(), true},
        {Qt::Key_unknown, Qt::NoModifier, QStringLiteral("€"), true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tecla);
        const QKeyEvent e(QEvent::KeyPress, c.tecla, c.modificadores, c.texto);
        EXPECT_EQ(Coletacampocartao::RecusaTeclaNumerica(&e), c.recusa);
    }
}

TEST(MenuSaque, OpcoesPelosBitsDoModoEPelaContaBeneficio) {
    struct Caso {
        int modo;
        bool inss;
        std::vector<bool> esperadas; // options 1 to 4
    };
    const std::vector<Caso> casos{
        {-1, false, {false, true, true, true}}, // not a number: every option but the benefit one
        {8, false, {false, false, false, true}},
        {8, true, {true, false, false, true}},
        {14, true, {true, true, true, true}},
        {2, false, {false, true, false, false}},
        {4, false, {false, false, true, false}},
        {1, false, {false, false, false, false}}, // bit 1 offers nothing here
        {0, true, {true, false, false, false}},
    };
    for (const auto& c : casos) {
        for (int opcao = 1; opcao <= 4; ++opcao)
            EXPECT_EQ(Menusaque::OpcaoHabilitada(opcao, c.modo, c.inss), c.esperadas[size_t(opcao - 1)])
                << "modo " << c.modo << " inss " << c.inss << " opcao " << opcao;
    }
    EXPECT_FALSE(Menusaque::OpcaoHabilitada(5, -1, true));
}

TEST(ChaveConta, VinteETresCaracteresComZerosAEsquerda) {
    EXPECT_EQ(Contasaque::ChaveConta(QStringLiteral("237"), QStringLiteral("12"), QStringLiteral("1"),
                                     QStringLiteral("98765"), QStringLiteral("1")),
              QStringLiteral("23700121000000009876501"));
    // No C1: a blank holds its place.
    const QString semC1 = Contasaque::ChaveConta(QStringLiteral("1"), QStringLiteral("4321"), QString(),
                                                 QStringLiteral("1234567890123"), QStringLiteral("12"));
    EXPECT_EQ(semC1, QStringLiteral("0014321 123456789012312"));
    EXPECT_EQ(semC1.size(), 23);
    EXPECT_EQ(semC1.at(7), QLatin1Char(' '));
}

// The catalogue's texts take "%s"/"%d" in order; "%%" is a percent sign and a missing argument reads empty.
TEST(Formata, ArgumentosEmOrdem) {
    EXPECT_EQ(Lumomain::Formata("Banco Inválido (%s). O correto é (%s)",
                                {QStringLiteral("341"), QStringLiteral("237")}),
              QStringLiteral("Banco Inválido (341). O correto é (237)"));
    EXPECT_EQ(Lumomain::Formata("%d de %s", {QStringLiteral("3")}), QStringLiteral("3 de "));
    EXPECT_EQ(Lumomain::Formata("100%% até %s", {QStringLiteral("x")}), QStringLiteral("100% até x"));
    EXPECT_EQ(Lumomain::Formata("fim %", {}), QStringLiteral("fim %"));
}

} // namespace
