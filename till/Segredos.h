// The safety net of the operator scripts: the card numbers, tracks and PINs a script puts in play, and a
// search for them in whatever the till writes. A hit is described without the secret itself.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace cbserver {
struct CartaoCenario;
}

class Segredos {
public:
    Segredos() = default;
    ~Segredos();
    Segredos(const Segredos&) = delete;
    Segredos& operator=(const Segredos&) = delete;

    // The card's number and its track (the scenario's, or the one the PIN pad builds from number, expiry and
    // service code).
    void AdicionaCartao(const cbserver::CartaoCenario& cartao);
    // A PIN counts only as a run of digits of its own: "1234" inside "5123456" is another number.
    void AdicionaSenha(std::string_view senha);
    bool Vazio() const { return segredos_.empty(); }

    // The first secret found in texto, described without it ("the number of card 506722******3458", "PIN 2
    // of the script"); empty when there is none.
    QString Procura(std::string_view texto) const;
    // One line per file under pasta that holds a secret: "CBAudit.log: the number of card ...".
    QStringList ProcuraNaPasta(const QString& pasta) const;

private:
    struct Segredo {
        std::string valor;
        QString descricao;
        bool isolado = false;
    };
    void Adiciona(std::string_view valor, const QString& descricao, bool isolado);

    std::vector<Segredo> segredos_;
    int senhas_ = 0;
};
