#include "Banco.h"

#include <QMap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <future>
#include <utility>

namespace cbserver {

namespace {

QByteArray Bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

bool Executa(QSqlQuery& q, const QString& sql, QString* erro) {
    if (q.exec(sql)) return true;
    if (erro) *erro = q.lastError().text();
    return false;
}

} // namespace

Banco::Banco() : conexao_(QStringLiteral("cbserver.banco.%1").arg(reinterpret_cast<quintptr>(this))) {
    fila_.setMaxThreadCount(1);
    fila_.setExpiryTimeout(-1);
}

template <typename F> auto Banco::NaFila(F f) -> decltype(f()) {
    std::packaged_task<decltype(f())()> tarefa(std::move(f));
    auto resultado = tarefa.get_future();
    fila_.start([&tarefa] { tarefa(); });
    return resultado.get();
}

Banco::~Banco() {
    NaFila([this] {
        QSqlDatabase::database(conexao_, false).close();
        QSqlDatabase::removeDatabase(conexao_);
    });
    fila_.waitForDone();
}

std::unique_ptr<Banco> Banco::Abre(const QString& arquivo, const QString& impressaoCenario,
                                   const QString& nomeCenario, Conteudo& conteudo, QString* erro) {
    std::unique_ptr<Banco> banco(new Banco);
    QString e;
    if (banco->NaFila(
            [&] { return banco->AbreNaFila(arquivo, impressaoCenario, nomeCenario, conteudo, &e); }))
        return banco;
    if (erro) *erro = arquivo + QStringLiteral(": ") + e;
    return nullptr;
}

bool Banco::AbreNaFila(const QString& arquivo, const QString& impressao, const QString& nomeCenario,
                       Conteudo& conteudo, QString* erro) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexao_);
    if (!db.isValid()) {
        *erro = QStringLiteral("Qt's SQLite driver is not installed (package libqt6sql6-sqlite)");
        return false;
    }
    db.setDatabaseName(arquivo);
    // A second server on the same file is refused at once rather than left waiting.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
    if (!db.open()) {
        *erro = db.lastError().text();
        return false;
    }
    QSqlQuery q(db);
    // Exclusive locking keeps other processes out for as long as the server runs; the write-ahead log with
    // a full sync puts each commit on disk before the approval it records is sent.
    if (!Executa(q, QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"), erro)) return false;
    if (!Executa(q, QStringLiteral("PRAGMA journal_mode = WAL"), erro)) {
        *erro = QStringLiteral("cannot take the file, is another server using it? (%1)").arg(*erro);
        return false;
    }
    if (!q.next() || q.value(0).toString() != QLatin1String("wal")) {
        *erro = QStringLiteral("the file is in use by another server, or not an SQLite database");
        return false;
    }
    if (!Executa(q, QStringLiteral("PRAGMA synchronous = FULL"), erro)) return false;
    if (!db.transaction()) {
        *erro = QStringLiteral("the file is in use by another server (%1)").arg(db.lastError().text());
        return false;
    }
    const auto falha = [&db] {
        db.rollback();
        return false;
    };
    if (!Executa(q, QStringLiteral("CREATE TABLE IF NOT EXISTS banco (chave TEXT PRIMARY KEY, valor TEXT)"),
                 erro) ||
        !Executa(
            q,
            QStringLiteral("CREATE TABLE IF NOT EXISTS estado (chave BLOB PRIMARY KEY, valor BLOB NOT NULL)"),
            erro) ||
        !Executa(q, QStringLiteral("SELECT chave, valor FROM banco"), erro))
        return falha();
    QMap<QString, QString> banco;
    while (q.next())
        banco.insert(q.value(0).toString(), q.value(1).toString());
    if (banco.isEmpty()) {
        q.prepare(QStringLiteral("INSERT INTO banco (chave, valor) VALUES (?, ?)"));
        const std::pair<QString, QString> iniciais[] = {{QStringLiteral("esquema"), QStringLiteral("1")},
                                                        {QStringLiteral("cenario"), impressao},
                                                        {QStringLiteral("cenario.nome"), nomeCenario},
                                                        {QStringLiteral("nsu"), QStringLiteral("0")},
                                                        {QStringLiteral("consultas"), QStringLiteral("0")}};
        for (const auto& [chave, valor] : iniciais) {
            q.addBindValue(chave);
            q.addBindValue(valor);
            if (!q.exec()) {
                *erro = q.lastError().text();
                return falha();
            }
            banco.insert(chave, valor);
        }
    } else if (banco.value(QStringLiteral("cenario")) != impressao) {
        *erro = QStringLiteral("the database belongs to another scenario (%1): start the server with that "
                               "scenario, or give it a new database file")
                    .arg(banco.value(QStringLiteral("cenario.nome")));
        return falha();
    }
    conteudo.nsu = banco.value(QStringLiteral("nsu")).toInt();
    conteudo.consultas = banco.value(QStringLiteral("consultas")).toInt();
    if (!Executa(q, QStringLiteral("SELECT chave, valor FROM estado"), erro)) return falha();
    while (q.next())
        conteudo.estado.emplace(q.value(0).toByteArray().toStdString(),
                                q.value(1).toByteArray().toStdString());
    if (!db.commit()) {
        *erro = db.lastError().text();
        return falha();
    }
    return true;
}

bool Banco::Grava(const Estado::Alteracoes& alteracoes, int nsu, int consultas, QString* erro) {
    return NaFila([&] { return GravaNaFila(alteracoes, nsu, consultas, erro); });
}

bool Banco::GravaNaFila(const Estado::Alteracoes& alteracoes, int nsu, int consultas, QString* erro) {
    QSqlDatabase db = QSqlDatabase::database(conexao_, false);
    if (!db.transaction()) {
        if (erro) *erro = db.lastError().text();
        return false;
    }
    QSqlQuery grava(db), apaga(db), contador(db);
    bool ok = grava.prepare(QStringLiteral("INSERT OR REPLACE INTO estado (chave, valor) VALUES (?, ?)")) &&
              apaga.prepare(QStringLiteral("DELETE FROM estado WHERE chave = ?")) &&
              contador.prepare(QStringLiteral("UPDATE banco SET valor = ? WHERE chave = ?"));
    QSqlQuery* falhou = ok ? nullptr : &grava;
    for (auto a = alteracoes.begin(); ok && a != alteracoes.end(); ++a) {
        QSqlQuery& q = a->second ? grava : apaga;
        q.addBindValue(Bytes(a->first));
        if (a->second) q.addBindValue(Bytes(*a->second));
        ok = q.exec();
        if (!ok) falhou = &q;
    }
    for (const auto& [chave, valor] : {std::pair{"nsu", nsu}, std::pair{"consultas", consultas}}) {
        if (!ok) break;
        contador.addBindValue(QString::number(valor));
        contador.addBindValue(QString::fromLatin1(chave));
        ok = contador.exec();
        if (!ok) falhou = &contador;
    }
    if (ok && db.commit()) return true;
    if (erro) *erro = falhou ? falhou->lastError().text() : db.lastError().text();
    db.rollback();
    return false;
}

} // namespace cbserver
