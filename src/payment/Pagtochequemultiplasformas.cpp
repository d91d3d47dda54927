#include "payment/Pagtochequemultiplasformas.h"

#include "payment/Liquidacaocontas.h"
#include "payment/Valoresmultiplasformas.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Pagtochequemultiplasformas {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtochequemultiplasformas, TrnPagtoDin_Chq_Fin,
             Descritor(242, 1,
                       {B, K(""), D7F, F(10189), F(10188), F(10187), F(10183), F(10188, 1), F(10187, 1),
                        F(10184), F(10102), F(10102, 1)}));
CB_DESCRITOR(
    Pagtochequemultiplasformas, TrnPagtoDeb_Chq_Fin,
    Descritor(242, 1,
              {B,          K(""),    D7F,   F(10189),        F(10188, 2), F(10187, 2), F(10185),
               F(10186),   F(10112), K(""), F(10185).fmt(4), F(10104),    F(10146),    F(10151).fmt(4),
               F(10149),   F(10150), T3,    F(10188, 1),     F(10187, 1), F(10184),    F(10102),
               F(10102, 1)}));
CB_DESCRITOR(
    Pagtochequemultiplasformas, TrnPagtoDeb_Din_Chq_Fin,
    Descritor(242, 1,
              {B,           K(""),    D7F,      F(10189),        F(10188, 2), F(10187, 2), F(10185),
               F(10186),    F(10112), K(""),    F(10185).fmt(4), F(10104),    F(10146),    F(10151).fmt(4),
               F(10149),    F(10150), T3,       F(10188),        F(10187),    F(10183),    F(10188, 1),
               F(10187, 1), F(10184), F(10102), F(10102, 1)}));

} // namespace Pagtochequemultiplasformas

TFrmPFN_Chq_MFP* FrmPFN_Chq_MFP = nullptr;

TFrmPFN_Chq_MFP::TFrmPFN_Chq_MFP(QWidget* pai) : TFrmPgtChq_Trn(pai, QString()) {}

void TFrmPFN_Chq_MFP::IniciaCamposForm() {
    TFrmPgtChq_Trn::IniciaCamposForm();
    using namespace Valoresmultiplasformas;
    const bool debito = Usada(DEBITO);
    const bool dinheiro = Usada(DINHEIRO);
    Descritor = debito && dinheiro ? &Pagtochequemultiplasformas::TrnPagtoDeb_Din_Chq_Fin
                : debito           ? &Pagtochequemultiplasformas::TrnPagtoDeb_Chq_Fin
                                   : &Pagtochequemultiplasformas::TrnPagtoDin_Chq_Fin;
    // Only the card's part asks for a PIN.
    CapturaSenha = debito;
    DefineTitulo(QString::fromUtf8(msg::OpcaoMultiplasFormas));
}

bool TFrmPFN_Chq_MFP::GravaCamposHostlink() {
    if (!TFrmPgtChq_Trn::GravaCamposHostlink()) return false;
    return Liquidacao::GravaCamposLiquidacao(AjustesPedido, "17", "2");
}
