// What each function of the module exchanges with the host, as data beside the menus that reach it: the menu
// path and the call that starts it, the requests it can send (by the registered name of their descriptor,
// with the operation code its dialog writes to field 10158), the host fields it reads and those it leaves
// behind, and the results it can end on. Nothing in the module runs from it: cb-contrato lays it out, with
// the descriptors themselves and the catalogue texts, as docs/CONTRATO.md, and a test keeps that file in
// step; the same test checks the fields against the sources of the units each function names.
#pragma once

#include <vector>

namespace contrato {

struct Pedido {
    const char* descritor; // "Unit::Name", as the descriptor registered itself
    const char*
        operacao; // what the dialog writes to field 10158 before sending; nullptr: the request has none
};

struct Resultado {
    const char* codigo; // field 1009; "(bank)": the bank's own code
    const char* nome;   // catalogue name of the text left in field 1027; nullptr: not the module's text
    const char* texto;
};

// One step of a menu path: the option's number and caption; number 0 for the first menu's title, or for a
// call that opens no menu.
struct Opcao {
    int numero;
    const char* texto;
};

struct Funcao {
    std::vector<Opcao> caminho;
    const char* chamada;  // entry point and mode
    const char* unidades; // the units whose host fields follow: paths under src/ without ".cpp", by blanks
    std::vector<Pedido> pedidos;
    std::vector<int> lidos;    // host fields those units read
    std::vector<int> gravados; // host fields they write or clear: left in the store (and the result file)
    std::vector<Resultado> resultados;
};

// What every call does whatever its function: the entry points' reads and writes and the results any call
// can end on.
const Funcao& Comum();
// One entry per function, in menu order.
const std::vector<Funcao>& Funcoes();

} // namespace contrato
