#include "payment/Pagtoemcartaocredito.h"

#include "payment/Liquidacaocontas.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Pagtoemcartaocredito {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemcartaocredito, TrnPagamentoCredito,
             Descritor(242, 1, {B,        F(10102), D7,       F(10102, 1), F(10112),
                                K(""),    F(10134), F(10156), F(10104),    F(1003).fmt(4),
                                F(1017),  F(10151), F(10147), K("0"),      F(1019).fmt(4),
                                F(10146), F(10149), F(10157), T3,          F(10378, "CTLS:")}));
CB_DESCRITOR(Pagtoemcartaocredito, TrnPagamentoCreditoRede,
             Descritor(242, 1,
                       {A,
                        F(10102),
                        D7,
                        F(10102, 1),
                        F(10134),
                        F(10156),
                        F(10104),
                        F(1003).fmt(4),
                        F(1017),
                        F(10151),
                        F(10147),
                        K("0"),
                        F(1019).fmt(4),
                        F(10146),
                        F(10149),
                        F(10157),
                        T3,
                        F(10378, "CTLS:"),
                        F(10440, "DADICPAGCB:"),
                        V}));

} // namespace Pagtoemcartaocredito

TFrmPgt_Crd* FrmPgt_Crd = nullptr;

// Code of the credit settlement in occurrence 1 of 10102; credit in one instalment (10156 and 1017).
static constexpr char MODALIDADE_CREDITO[] = "056";
static constexpr char TIPO_CREDITO_A_VISTA[] = "4";

TFrmPgt_Crd::TFrmPgt_Crd(QWidget* pai) : TFrmTrn_Mod(pai, QString()) {}

void TFrmPgt_Crd::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    Descritor = Liquidacao::MarcadoRede() ? &Pagtoemcartaocredito::TrnPagamentoCreditoRede
                                          : &Pagtoemcartaocredito::TrnPagamentoCredito;
    DefineTitulo(QString::fromUtf8(msg::TituloPagamentoCartaoCredito));
}

bool TFrmPgt_Crd::GravaCamposHostlink() {
    using namespace Liquidacao;
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    if (!GravaCamposLiquidacao(AjustesPedido, "19", "4")) return false;
    if (!Grava(10102, QLatin1String(MODALIDADE_CREDITO), 1) ||
        !Grava(10156, QLatin1String(TIPO_CREDITO_A_VISTA)) || !Grava(1017, QStringLiteral("1")))
        return false;
    if (MarcadoRede()) {
        TrataValoresAdicionaisRede(AjustesPedido);
        if (!Grava(10112, QStringLiteral("005"))) return false;
    }
    return true;
}
