#include "payment/Pagtoemcartaodebito.h"

#include "frame/Lumomain.h"
#include "payment/Liquidacaocontas.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <algorithm>

namespace Pagtoemcartaodebito {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemcartaodebito, TrnPagamentoDebito,
             Descritor(242, 1,
                       {B, F(10102), D7, F(10102, 1), F(10112), K(""), F(1003).fmt(4), F(10104), F(10146),
                        F(10151).fmt(4), F(10149), F(10150), T3, F(10378, "CTLS:"),
                        F(10440, "DADICPAGCB:")}));
CB_DESCRITOR(Pagtoemcartaodebito, TrnPagamentoDebitoForcado,
             Descritor(242, 1,
                       {A, F(10102), D7, F(10102, 1), F(10112), K(""), F(1003).fmt(4), F(10104), F(10146),
                        F(10151).fmt(4), F(10149), F(10150), F(10102, 2), T3, F(10378, "CTLS:"),
                        F(10440, "DADICPAGCB:"), V}));
CB_DESCRITOR(Pagtoemcartaodebito, TrnPagamentoDebitoRede,
             Descritor(242, 1,
                       {A, F(10102), D7, F(10102, 1), F(1003).fmt(4), F(10104), F(10146), F(10151).fmt(4),
                        F(10149), F(10150), T3, F(10378, "CTLS:"), F(10440, "DADICPAGCB:"), V}));

} // namespace Pagtoemcartaodebito

TFrmPgt_Deb* FrmPgt_Deb = nullptr;

// Code of the debit settlement in occurrence 1 of 10102.
static constexpr char MODALIDADE_DEBITO[] = "032";

TFrmPgt_Deb::TFrmPgt_Deb(QWidget* pai) : TFrmTrn_Mod(pai, QString()) {}

void TFrmPgt_Deb::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    Descritor = Liquidacao::MarcadoRede() ? &Pagtoemcartaodebito::TrnPagamentoDebitoRede
                                          : &Pagtoemcartaodebito::TrnPagamentoDebito;
    DefineTitulo(QString::fromUtf8(msg::TituloPagamentoCartaoDebito));
}

bool TFrmPgt_Deb::GravaCamposHostlink() {
    using namespace Liquidacao;
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    if (!GravaCamposLiquidacao(AjustesPedido, "18", "1")) return false;
    if (!Grava(10102, QLatin1String(MODALIDADE_DEBITO), 1)) return false;
    if (MarcadoRede()) {
        TrataValoresAdicionaisRede(AjustesPedido);
        if (!Grava(10112, QStringLiteral("005"))) return false;
    }
    return true;
}

void TFrmPgt_Deb::AjustaTabelaDebitoForcado() {
    Descritor = &Pagtoemcartaodebito::TrnPagamentoDebitoForcado;
    AjustesPedido.documentos = static_cast<uint16_t>(std::max(0, Lumomain::QtdeDocsConsultadosOK));
    if (Liquidacao::MarcadoRede()) Liquidacao::TrataValoresAdicionaisRede(AjustesPedido);
}
