// cb-bench's figures of the server protocol, taken on the module's own objects linked into the bench (the
// parameter-load walk has no entry point of its own):
//   4. the walk of a parameter load of several hundred h-records, beside a plain copy of the same bytes out
//   of
//      the host fields;
//   5. a parameter load end to end against the simulated server in this process (AutorizaTransacao, then the
//      walk), beside the same frames only encoded and decoded plus the plain copy of the reply's h-records.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace cbbench {

// The run's deadline, armed over each series of runs (outside the times taken).
struct Prazo {
    std::function<void(std::string)> arma;
    std::function<void()> desarma;
};

// Times in microseconds, one per run.
struct FigurasProtocolo {
    std::size_t registrosCarga = 0; // h-records of figure 4's load
    std::size_t bytesCarga = 0;     // the bytes the walk and the floor read (each occurrence cut at 256)
    std::vector<double> walk, pisoWalk;
    std::vector<double> inicia; // IniciaServicosHzinhoParametros alone, part of walk

    std::size_t registrosResposta = 0; // h-records of the server's reply in figure 5
    std::size_t bytesPedido = 0, bytesResposta = 0;
    std::vector<double> carga, pisoCarga;
    // Parts of figure 5: AutorizaTransacao alone (request built, frames, server, reply stored) and the walk;
    // the floor's frame coding alone and its copy.
    std::vector<double> autoriza, walkResposta, pisoQuadros, pisoCopia;
};

// Takes both figures, figure and floor in turn, after a few untimed rounds; every round is checked (the walk
// left the load's records, the floor copied the load's bytes). The host fields and the module's parameter
// records are left as the last load made them. Throws std::runtime_error saying what went wrong when a figure
// cannot be taken (a scenario that does not load, a refused request, a walk whose result is not the load's).
FigurasProtocolo MedeProtocolo(int rodadas, const Prazo& prazo);

// Figures 4 and 5 as a table, with what each measured.
void ImprimeProtocolo(const FigurasProtocolo& protocolo);

} // namespace cbbench
