// The bank kept in an SQLite file (cb-server --db): the handlers' state and the counters, loaded when the
// server starts and written after each request that changed them, in one transaction, before its reply
// leaves. The connection lives on a thread of its own, as Qt's SQL connections belong to the thread that
// opened them and the requests come from the listener's many threads.
#pragma once

#include "Estado.h"

#include <QString>
#include <QThreadPool>

#include <memory>

namespace cbserver {

class Banco {
public:
    struct Conteudo {
        Estado::Mapa estado;
        int nsu = 0;
        int consultas = 0;
    };

    // Opens the file, creating it for the scenario whose print is given (nomeCenario names it in the
    // messages), and reads what it holds. Nothing on failure, with erro saying why: the file cannot be
    // opened, another server holds it, or it belongs to another scenario.
    static std::unique_ptr<Banco> Abre(const QString& arquivo, const QString& impressaoCenario,
                                       const QString& nomeCenario, Conteudo& conteudo, QString* erro);
    ~Banco();
    Banco(const Banco&) = delete;
    Banco& operator=(const Banco&) = delete;

    // One request's changes and the counters as they stand, in one transaction; false, with nothing
    // written, when it could not be committed.
    bool Grava(const Estado::Alteracoes& alteracoes, int nsu, int consultas, QString* erro);

private:
    Banco();
    bool AbreNaFila(const QString& arquivo, const QString& impressao, const QString& nomeCenario,
                    Conteudo& conteudo, QString* erro);
    bool GravaNaFila(const Estado::Alteracoes& alteracoes, int nsu, int consultas, QString* erro);
    // Runs f on the connection's thread and waits for it.
    template <typename F> auto NaFila(F f) -> decltype(f());

    QThreadPool fila_; // one thread that never expires: the connection's
    QString conexao_;
};

} // namespace cbserver
