// Figure 6: the operator's "1" on the banking menu to the payments menu on screen, beside bare copies of both
// menus, the banking menu's copy running the payments menu's copy with exec() on its "&1".
#include "Figuras.h"

#include <QDialog>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <optional>

namespace cbbench {

namespace {

constexpr char kClassePagamentos[] = "TFrmPagtos_Mnu";
constexpr char kNomePisoPagamentos[] = "cbBenchPisoPagamentos";

// One ExecutaGenerico(0, 0) walked to the payments menu: the operator's "1" on the banking menu, "9" on the
// payments menu (and on the banking menu, should it wait again). Returns the time from the "1" to the
// payments menu on screen.
double chamaPagamentos(Bancada& b, const char* contexto) {
    const std::string c = std::string(" (") + contexto + ")";
    b.observador.prepara({{Bancada::daClasse(kClasseMenu), '1',
                           std::string("the payments menu (") + kClassePagamentos +
                               ") never appeared after the operator's \"1\" on the banking menu" + c},
                          {Bancada::daClasse(kClassePagamentos), '9',
                           "ExecutaGenerico did not return after the operator's \"9\"" + c}},
                         false);
    const Bancada::Chamada chamada = b.executa(c);
    const Passo& menu = b.observador.passos[0];
    const Passo& pagamentos = b.observador.passos[1];
    if (!menu.tecla)
        falha("the banking menu closed before the operator's \"1\"" + c +
              ": does it still offer several options with DepositoCB=1 and SaqueCB=1?");
    if (!pagamentos.visto)
        falha(std::string("the operator's \"1\" on the banking menu did not open ") + kClassePagamentos + c);
    if (!pagamentos.tecla)
        falha("the payments menu closed before the operator's \"9\"" + c +
              ": does it still offer two options with PagamentoContas=1 and PagamentoCBFininvest=1?");
    if (!chamada.gravou) falha("the call ended without writing the result file" + c);
    return emMs(*pagamentos.mostrado - *menu.tecla);
}

// The same walk on bare dialogs: the banking menu's copy, whose "&1" runs the payments menu's copy with
// exec(), over it; "9" closes each.
double chamaPisoPagamentos(Bancada& b, const Planta& menu, const Planta& pagamentos) {
    b.observador.prepara(
        {{Bancada::doNome(kNomePiso), '1', "the floor's payments dialog never appeared after \"1\""},
         {Bancada::doNome(kNomePisoPagamentos), '9', "the floor dialogs did not close on \"9\""}},
        true);
    b.vigia.arma("the floor's menu dialog never appeared");
    QDialog* d = constroiPiso(menu, kNomePiso, nullptr, [&pagamentos](QDialog* sobre) {
        QDialog* p = constroiPiso(pagamentos, kNomePisoPagamentos, sobre);
        p->exec();
        delete p;
    });
    d->exec();
    delete d;
    b.vigia.desarma();
    descansa();
    const Passo& pMenu = b.observador.passos[0];
    const Passo& pPagamentos = b.observador.passos[1];
    if (!pMenu.tecla || !pPagamentos.tecla) falha("the floor dialogs closed before their keys");
    return emMs(*pPagamentos.mostrado - *pMenu.tecla);
}

} // namespace

FiguraPagamentos MedePagamentos(Bancada& bancada, const FiguraMenu& menu, int rodadas) {
    // The payments menu is copied the first time it is on screen.
    std::optional<Planta> plantaPagamentos;
    std::string origemPagamentos;
    bancada.observador.aoMostrar = [&plantaPagamentos, &origemPagamentos](QWidget* tela) {
        if (plantaPagamentos || std::strcmp(tela->metaObject()->className(), kClassePagamentos) != 0) return;
        plantaPagamentos = copiaMenu(tela);
        origemPagamentos = arquivoDe(tela->metaObject());
    };
    FiguraPagamentos f;
    f.primeira = chamaPagamentos(bancada, "first walk to the payments menu");
    bancada.observador.aoMostrar = nullptr;
    if (!plantaPagamentos || !plantaPagamentos->temEncerra)
        falha("the payments menu has no \"&9\" option to close it with");
    // The "9" may come before a menu's automatic choice of its only option: the copy tells whether it had a
    // choice to wait for.
    if (const int n = opcoesOferecidas(*plantaPagamentos); n < 2)
        falha("the payments menu offered " + std::to_string(n) +
              " option(s) when on screen, so it does not wait for the operator: are PagamentoContas=1 and "
              "PagamentoCBFininvest=1 still the keys that enable two?");
    if (origemPagamentos != menu.modulo)
        falha("the payments menu's class did not come from the loaded module: " + origemPagamentos);
    if (!temOpcao(menu.planta, '1')) falha("the copy of the banking menu has no enabled \"&1\" option");
    f.primeiroPiso = chamaPisoPagamentos(bancada, menu.planta, *plantaPagamentos);
    for (int i = 0; i < rodadas; ++i) {
        f.tempos.push_back(chamaPagamentos(bancada, "timed walk to the payments menu"));
        f.piso.push_back(chamaPisoPagamentos(bancada, menu.planta, *plantaPagamentos));
    }
    return f;
}

void ImprimePagamentos(const FiguraPagamentos& f, const std::string& modulo) {
    const Resumo r = resume(f.tempos), rPiso = resume(f.piso);
    cabecalho();
    linha("6 key \"1\" on the menu -> payments menu shown", r, r.mediana / rPiso.mediana, "-");
    linha("  floor: bare copies, \"&1\" runs exec()", rPiso);
    std::printf("\n");
    std::printf(
        "6: ExecutaGenerico(0, 0); once the banking menu is on screen (as in 2), \"1\" goes to its focused "
        "control and the time runs until\n"
        "   the payments menu (%s) is on screen; \"9\" then closes it, and the banking menu too if it waits "
        "again. The floor copies\n"
        "   both menus as in 2; the banking menu's copy runs the payments menu's copy with exec() on "
        "\"&1\".\n"
        "first time in the process (not in the medians): key -> payments menu %.3f ms (floor %.3f ms)\n",
        kClassePagamentos, f.primeira, f.primeiroPiso);
    std::printf("\n");
    std::printf("the menus came from %s (entry point and the menus' classes); figures 4 and 5 ran the copy "
                "linked into cb-bench\n\n",
                modulo.c_str());
}

} // namespace cbbench
