// The figures of cb-bench, one file each. Each is measured by its Mede... function and printed by its
// Imprime... function, so that main runs them in the order that keeps them independent of one another (the
// memory series before the timed runs of the first menu) and prints them in the order of their numbers.
#pragma once

#include "Bancada.h"
#include "Comum.h"
#include "Copias.h"

#include <QString>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace cbserver {
class Servidor;
class ConexaoEmProcesso;
} // namespace cbserver

namespace cbbench {

// ---- 1. load + Initialize (and Finalize + unload), beside a plain dlopen of the same file
struct FiguraCarga {
    std::vector<double> tempos, piso;
    double primeira = 0, primeiroPiso = 0;
    bool residente = false; // the module stays loaded after dlclose
};
FiguraCarga MedeCarga(Vigia& vigia, int rodadas);
void ImprimeCarga(const FiguraCarga& f);

// ---- 2. ExecutaGenerico(0, 0) to the banking menu on screen, beside a bare QDialog with the same widgets.
// The first call copies the menu (the floor of this figure and of 3 and 6); the timed runs come later.
struct FiguraMenu {
    Planta planta;
    std::string modulo; // the loaded module's file, where the menus' classes must come from
    Medida primeira, primeiroPiso;
    std::vector<double> tempos, piso, total, pisoTotal;
};
FiguraMenu PrimeiraChamadaMenu(Bancada& bancada);
void CronometraMenu(Bancada& bancada, FiguraMenu& f, int rodadas);
void ImprimeMenu(const FiguraMenu& f);

// ---- 3. resident memory and heap over many calls that stop at the first menu, beside bare dialogs
struct FiguraMemoria {
    int chamadas = 0;
    Memoria antes, depois, pisoAntes, pisoDepois;
    long long widgetsAntes = 0, widgetsDepois = 0;
    int criados = 0, destruidos = 0;
    std::vector<double> serie; // entry -> menu of each call of the series
    double duracaoMs = 0;
    // Qt's pixmap cache: the heap with it, and a short series between two clears.
    double heapComCache = 0;
    Memoria semCacheAntes, semCacheDepois;
};
FiguraMemoria MedeMemoria(Bancada& bancada, const Planta& menu, int chamadas);
// The pixmap cache's share, measured after the timed runs of figure 2.
void MedeCacheMemoria(Bancada& bancada, FiguraMemoria& f);
void ImprimeMemoria(const FiguraMemoria& f);

// ---- 4 and 5. the server protocol: FigurasProtocolo.h

// ---- 6. the operator's "1" on the banking menu to the payments menu on screen, beside bare copies of both
struct FiguraPagamentos {
    double primeira = 0, primeiroPiso = 0;
    std::vector<double> tempos, piso;
};
FiguraPagamentos MedePagamentos(Bancada& bancada, const FiguraMenu& menu, int rodadas);
void ImprimePagamentos(const FiguraPagamentos& f, const std::string& modulo);

// ---- 7. a whole bill payment against the in-process server, transition by transition, beside bare copies
// of its screens. Loads the module anew and leaves it unloaded.
void FiguraConta(Vigia& vigia, Observador& observador, int rodadas);

// Figure 7's walk, shared with the cold figure: its screens on the module (telasContaModulo) and on the
// floor's copies (telasContaPiso), onde added to what each wait names.
inline constexpr std::size_t kTelasConta = 7;
std::vector<Tela> telasContaModulo(const std::string& onde);
std::vector<Tela> telasContaPiso(const std::string& onde);
// The next customer: fresh host fields and a freshly loaded in-process bank (default scenario).
class BancoConta {
public:
    BancoConta();
    ~BancoConta();
    void renova(Bancada& b);
    void encerra();

private:
    std::unique_ptr<cbserver::Servidor> servidor_;
    std::unique_ptr<cbserver::ConexaoEmProcesso> conexao_;
};
// One ExecutaGenerico(0, 0) walked through a whole bill payment, each message box outside the walk ending the
// run: the time of each transition, from the key that left a screen to the next one on screen (the last one
// to the call's return), and the whole call in total.
std::vector<double> chamaPagamentoConta(Bancada& b, std::vector<Tela> telas, const char* contexto,
                                        double* total = nullptr);
// The same keys on the bare copies of the payment's screens.
std::vector<double> chamaPisoPagamentoConta(Bancada& b, const std::vector<Planta>& plantas,
                                            std::vector<Tela> telas, double* total = nullptr);

// ---- 8. cold: load + Initialize, the first menu and the first whole bill payment in fresh processes (each a
// child of programa, run with --cold-child), beside the same in fresh processes of bare copies; medians over
// processos pairs.
void FiguraFria(const QString& programa, int processos);
// The child's part: modo "module" or "floor", its times written as JSON to saida.
int FriaFilho(const QString& modo, const QString& saida);

// ---- 9. a day at the till: a list of operator scripts of the folder pasta (FiguraDia.cpp names them)
// replayed over and over in this process through the till's runner, to chamadas calls; the heap and resident
// memory after a warm-up round and along the day. Returns the number of replays that failed.
int FiguraDia(const QString& pasta, int chamadas);

// ---- every operator script of a folder replayed, every screen transition timed beside a bare copy of the
// screen it came to. Each script runs in a child process of its own (programa, with --script-child), as the
// till runs each in a fresh process; returns the number of scripts that failed.
int FiguraRoteiros(const QString& programa, const QString& pasta, const QString& cenario, int rodadasPiso);
// The child's part: one script, its transitions and their floors written as JSON to saida.
int RoteiroFilho(const QString& script, const QString& cenario, const QString& saida, int rodadasPiso);

} // namespace cbbench
