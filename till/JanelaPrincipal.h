// The stand-in host's window, for operators, trainers and integrators: the module's entry points, the host
// fields to preset, the PIN pad; beside the module's screens, the host fields as the module writes them, the
// last request and reply and, after each call, the result file (card data, PIN blocks and security codes
// masked as the transcript masks them). Its menus load a bank scenario, switch the server's faults and pick
// the customer's card; with a recorder, the session is written as an operator script.
#pragma once

#include "CartoesPinpad.h"

#include <QHash>
#include <QJsonObject>
#include <QMainWindow>
#include <QPair>

#include <chrono>
#include <vector>

class Gravador;
class JanelaPinpad;
class Modulo;
class QActionGroup;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTableWidget;
class ServidorSimulado;

class JanelaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    // cenario: the scenario the server was started with; prazoPinpad: how long the PIN pad waits for the
    // customer; gravador: records the session when given.
    JanelaPrincipal(Modulo& modulo, ServidorSimulado& servidor, const QString& cenario,
                    std::chrono::milliseconds prazoPinpad, Gravador* gravador = nullptr);
    ~JanelaPrincipal() override;

    JanelaPinpad* Pinpad() const { return pinpad_; }
    // Reads the host fields now (a timer does it while the window lives).
    void AtualizaCampos();

private:
    struct Campo {
        int campo = 0;
        int ocorrencia = 0;
        QString valor; // masked
        bool operator==(const Campo&) const = default;
    };

    void MontaMenus();
    void MontaMenuCartoes(const QList<CartaoPinpad>& cartoes);
    void CarregaCenario(const QString& arquivo);
    void AplicaFalhas();
    void Chama(const QString& nome, const QString& entrada, int modo);
    QJsonObject AplicaCampos();
    void MostraResultado(const QString& nome, int gravacoes);
    void MostraTrafego();
    // Reads a card and a PIN through padkit, as the module would, and shows what was read, masked.
    void TestaPinpad();
    static void Observador(const char* tipo, const char* texto, void* contexto);
    static bool ValidaSupervisor(uintptr_t janela, const char* nivel, void* contexto);

    Modulo& modulo_;
    ServidorSimulado& servidor_;
    Gravador* gravador_ = nullptr;
    QString cenario_;
    QJsonObject falhas_; // the fault switches, as scripts write them
    JanelaPinpad* pinpad_ = nullptr;
    QPlainTextEdit* camposEntrada_ = nullptr;
    QTableWidget* tabela_ = nullptr;
    QLabel* tituloTabela_ = nullptr;
    QPlainTextEdit* trafego_ = nullptr;
    QPlainTextEdit* resultado_ = nullptr;
    QLabel* situacao_ = nullptr;
    QMenu* menuCenario_ = nullptr;
    QMenu* menuFalhas_ = nullptr;
    QMenu* menuCartao_ = nullptr;
    QActionGroup* grupoCenarios_ = nullptr;
    QActionGroup* grupoCartoes_ = nullptr;

    std::vector<Campo> campos_;
    QHash<QPair<int, int>, QString> antesDaChamada_; // the fields as the call found them
    QString pedido_, resposta_;
};
