// The bench's shared runner: the deadline every wait runs under, the statistics and the report (a table on
// standard output, the same figures as JSON for a later comparison), the process's memory, and the module
// loaded with dlopen as a host loads it. Every figure's file builds on this.
#pragma once

#include "correspondente.h"

#include <QString>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace cbbench {

using Relogio = std::chrono::steady_clock;

inline constexpr std::chrono::seconds kPrazo{10};

inline double emMs(Relogio::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Text kept for a failure report: the host folder (left on disk then) and the last lines the module handed to
// the host.
extern std::string pastaHostMantida;
extern std::deque<std::string> ultimasLinhas;

// Ends the run at once: the module may be inside a modal loop, so nothing is unwound.
[[noreturn]] void falha(const std::string& motivo);

// A thread that ends the process when the current phase outlives its deadline: a call that never shows its
// menu, or never returns, must not hang the run.
class Vigia {
public:
    // The host folder is named in the report: the process ends without removing it.
    explicit Vigia(std::string pastaHost) : pastaHost_(std::move(pastaHost)), linha_([this] { vigia(); }) {}
    ~Vigia() {
        {
            std::lock_guard g(trava_);
            fim_ = true;
        }
        sinal_.notify_all();
        linha_.join();
    }
    Vigia(const Vigia&) = delete;
    Vigia& operator=(const Vigia&) = delete;

    void arma(std::string fase) {
        {
            std::lock_guard g(trava_);
            fase_ = std::move(fase);
            limite_ = Relogio::now() + kPrazo;
            armado_ = true;
        }
        sinal_.notify_all();
    }
    // Describes what is awaited now, within the same deadline.
    void fase(std::string fase) {
        std::lock_guard g(trava_);
        fase_ = std::move(fase);
    }
    // The last window shown, named when the deadline runs out.
    void ultimaJanela(std::string janela) {
        std::lock_guard g(trava_);
        ultimaJanela_ = std::move(janela);
    }
    void desarma() {
        {
            std::lock_guard g(trava_);
            armado_ = false;
            ultimaJanela_.clear();
        }
        sinal_.notify_all();
    }

private:
    void vigia() {
        std::unique_lock l(trava_);
        while (!fim_) {
            if (!armado_) {
                sinal_.wait(l);
                continue;
            }
            sinal_.wait_until(l, limite_);
            if (armado_ && !fim_ && Relogio::now() >= limite_) {
                std::fprintf(stderr, "cb-bench: FAILED: %s, still waiting after %lld s\n", fase_.c_str(),
                             static_cast<long long>(kPrazo.count()));
                if (!ultimaJanela_.empty())
                    std::fprintf(stderr, "cb-bench: the last window shown: %s\n", ultimaJanela_.c_str());
                std::fprintf(stderr, "cb-bench: host folder kept for inspection: %s\n", pastaHost_.c_str());
                std::fflush(nullptr);
                std::_Exit(2);
            }
        }
    }

    const std::string pastaHost_;
    std::mutex trava_;
    std::condition_variable sinal_;
    std::string fase_;
    std::string ultimaJanela_;
    Relogio::time_point limite_{};
    bool armado_ = false;
    bool fim_ = false;
    std::thread linha_;
};

// ---------------------------------------------------------------------------------- statistics

struct Resumo {
    double mediana = NAN, p10 = NAN, p90 = NAN, p99 = NAN, minimo = NAN, maximo = NAN;
};

Resumo resume(std::vector<double> v);

// ---------------------------------------------------------------------------------- the report

// The table's header; "figure (us)" makes the lines under it microseconds in the JSON file.
void cabecalho(const char* titulo = "figure (ms)");
// A line of the table, kept for the JSON file under its name (an indented line, a floor or a part, under the
// name of the figure above it).
void linha(const char* nome, const Resumo& r, std::optional<double> razao = std::nullopt,
           const char* alvo = "");
// A single value (a memory growth, a count) kept for the JSON file as a figure of its own; printed by its
// figure in its own words.
void valor(const char* nome, double v, const char* unidade);
// Every line printed so far, with the run's set-up, as one JSON document; false with the reason on failure.
bool gravaJson(const QString& arquivo, const QString& build, QString* erro);
// Each figure of this run beside the same figure of an earlier run's JSON file: the medians and their ratio,
// and the figure-to-floor ratios of both; false with the reason when the file cannot be read.
bool comparaCom(const QString& arquivo, QString* erro);

// ---------------------------------------------------------------------------------- process figures

struct Memoria {
    double rssMb = 0;
    double heapMb = 0;
};

Memoria leMemoria();
double heapEmUsoMb();

// What a host's event loop does between two calls: deferred deletions and pending events.
void descansa();

// ---------------------------------------------------------------------------------- the module

struct Modulo {
    void* handle = nullptr;
    CbExecutaGenerico executaGenerico = nullptr;
    CbExecutaFuncaoADM executaFuncaoADM = nullptr;
    CbObtemVersao obtemVersao = nullptr;
    CbInitialize initialize = nullptr;
    CbFinalize finalize = nullptr;
};

// dlopen and the five entry points, as a host resolves them.
Modulo abreModulo();
void fechaModulo(Modulo& m);

// The file that holds the code or data at this address: the bench links a copy of the module's objects for
// the protocol figures, and the figures of the screens must run the loaded module's.
std::string arquivoDe(const void* endereco);
std::string arquivoDoModulo();
bool moduloAindaCarregado();

// A host field as the module left it, "(absent)" when it is not there.
std::string leCampo(int campo, int ocorrencia = 0);

} // namespace cbbench
