#include "payment/Pagtogenericofininvestlumo.h"

#include "host/Host.h"
#include "payment/Liquidacaocontas.h"
#include "protocol/Tabelatrn.h"

namespace Pagtogenericofininvestlumo {

using namespace Tabelatrn::Notacao;

constinit std::array<char, 64> acPagamentoDinheiro{};
constinit std::array<char, 64> acPagamentoCheque{};
constinit std::array<char, 64> acPagamentoTefDebito{};

CB_DESCRITOR(Pagtogenericofininvestlumo, TrnPagamentoGenericoFininvest,
             Descritor(242, 1,
                       {B, F(10102), D7F, K(acPagamentoDinheiro).sep(59), K(acPagamentoCheque).sep(59),
                        K(acPagamentoTefDebito).sep(59), K(""), F(10301), F(10301, 1)}));

} // namespace Pagtogenericofininvestlumo

TFrmPagto_GenFin* FrmPagto_GenFin = nullptr;

namespace {

// One part of the payment: its method code and value ("3:1500"), or nothing when that part is not used.
template <std::size_t N> void GravaParte(std::array<char, N>& destino, const char* forma, int campo) {
    const QString valor = host::RemoveFormato(host::LeCampo(campo)).trimmed();
    const bool usada = !valor.isEmpty() && valor.toLongLong() > 0;
    Liquidacao::CopiaTexto(destino.data(), destino.size(), usada ? QLatin1String(forma) + valor : QString());
}

} // namespace

TFrmPagto_GenFin::TFrmPagto_GenFin(QWidget* pai) : TFrmPagto_Gen(pai) {}

void TFrmPagto_GenFin::IniciaCamposForm() {
    TFrmPagto_Gen::IniciaCamposForm();
    Descritor = &Pagtogenericofininvestlumo::TrnPagamentoGenericoFininvest;
}

bool TFrmPagto_GenFin::GravaCamposHostlink() {
    if (!TFrmPagto_Gen::GravaCamposHostlink()) return false;
    using namespace Pagtogenericofininvestlumo;
    // Cash in 10183, cheques in 10184, the card's part in 10185.
    GravaParte(acPagamentoDinheiro, "3:", 10183);
    GravaParte(acPagamentoCheque, "2:", 10184);
    GravaParte(acPagamentoTefDebito, "4:", 10185);
    return true;
}
