// The bank kept in SQLite: a server opened on the file of one before carries on where that one stopped
// (a bill paid once and cancelled once, NSUs); a second server on a file in use, or one of another scenario,
// is refused; a request the database does not take is refused and leaves nothing behind. Balances and NSUs
// after a crash: tests/servidor/morte_banco.cpp.
#include "BancoTcp.h"
#include "Escuta.h"
#include "Servidor.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace banco_tcp;

// A server of the scenario with its bank in the file, on TCP.
struct Banco {
    cbserver::Servidor servidor;
    cbserver::Escuta escuta{servidor};
    QString erro;
    bool aberto = false;

    Banco(const QJsonObject& cenario, const QString& arquivo) {
        aberto = servidor.CarregaCenarioJson(QJsonDocument(cenario).toJson(), QString(), &erro) &&
                 servidor.AbreBanco(arquivo, &erro) && escuta.Inicia("127.0.0.1", 0);
    }
    std::string Codigo(const cbwire::Pedido& p, std::string* nsu = nullptr) {
        const auto r = Envia(escuta.Porta(), p);
        if (r && nsu) *nsu = Nsu(*r);
        return r ? r->codigo : "no answer";
    }
};

cbwire::Pedido CancelaConta(const std::string& nsu) {
    cbwire::Pedido p;
    p.codigo = 242;
    p.indicador = 1;
    p.itens = {Item(0, ""), Item(10171, ""), Item(10103, "1"), Item(10158, "48"), Item(10102, nsu)};
    return p;
}

TEST(ServidorBanco, ReabertoNoMesmoArquivoContinuaDeOndeParou) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("banco.db"));
    const QJsonObject cenario = CenarioComConta(100000);
    const Conta conta = ContasSimples(cenario).at(0);
    std::string nsuPago, nsuCancelamento;
    {
        Banco b(cenario, arquivo);
        ASSERT_TRUE(b.aberto) << b.erro.toStdString();
        EXPECT_EQ(b.Codigo(Pagamento(conta), &nsuPago), "00");
    }
    {
        Banco b(cenario, arquivo);
        ASSERT_TRUE(b.aberto) << b.erro.toStdString();
        EXPECT_FALSE(Banco(cenario, arquivo).aberto) << "two servers on one file";
        EXPECT_EQ(b.Codigo(Pagamento(conta)), "26") << "paid twice";
        EXPECT_EQ(b.Codigo(CancelaConta(nsuPago), &nsuCancelamento), "00");
        EXPECT_GT(std::stoll(nsuCancelamento), std::stoll(nsuPago)) << "an NSU handed out again";
    }
    EXPECT_FALSE(Banco(CenarioComConta(5), arquivo).aberto) << "a database of another scenario";

    // From now on the database refuses to record a paid bill.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("teste"));
        db.setDatabaseName(arquivo);
        ASSERT_TRUE(db.open());
        EXPECT_TRUE(QSqlQuery(db).exec(QStringLiteral(
            "CREATE TRIGGER cheio BEFORE INSERT ON estado WHEN CAST(NEW.chave AS TEXT) LIKE 'pago.%' "
            "BEGIN SELECT RAISE(ABORT, 'disco cheio'); END")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("teste"));
    Banco b(cenario, arquivo);
    ASSERT_TRUE(b.aberto) << b.erro.toStdString();
    EXPECT_EQ(b.Codigo(CancelaConta(nsuPago)), "27") << "cancelled twice";
    EXPECT_EQ(b.Codigo(Pagamento(conta)), "96");
    EXPECT_EQ(b.Codigo(Pagamento(conta)), "96") << "memory kept what the disk refused";
}

} // namespace
