#include "payment/Pagtodebitomultiplasformas.h"

#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Pagtodebitomultiplasformas {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtodebitomultiplasformas, TrnPagtoDeb_Din_Fin,
             Descritor(242, 1,
                       {B,        K(""),    D7F,   F(10189),        F(10188, 2), F(10187, 2), F(10185),
                        F(10186), F(10112), K(""), F(10185).fmt(4), F(10104),    F(10146),    F(10151).fmt(4),
                        F(10149), F(10150), T3,    F(10188),        F(10187),    F(10183)}));
CB_DESCRITOR(
    Pagtodebitomultiplasformas, TrnPagtoDeb_Chq_Fin,
    Descritor(242, 1,
              {B,          K(""),    D7F,   F(10189),        F(10188, 2), F(10187, 2), F(10185),
               F(10186),   F(10112), K(""), F(10185).fmt(4), F(10104),    F(10146),    F(10151).fmt(4),
               F(10149),   F(10150), T3,    F(10188, 1),     F(10187, 1), F(10184),    F(10102),
               F(10102, 1)}));
CB_DESCRITOR(
    Pagtodebitomultiplasformas, TrnPagtoDeb_Din_Chq_Fin,
    Descritor(242, 1,
              {B,           K(""),    D7F,      F(10189),        F(10188, 2), F(10187, 2), F(10185),
               F(10186),    F(10112), K(""),    F(10185).fmt(4), F(10104),    F(10146),    F(10151).fmt(4),
               F(10149),    F(10150), T3,       F(10188),        F(10187),    F(10183),    F(10188, 1),
               F(10187, 1), F(10184), F(10102), F(10102, 1)}));

} // namespace Pagtodebitomultiplasformas

TFrmPFN_Deb_MFP* FrmPFN_Deb_MFP = nullptr;

TFrmPFN_Deb_MFP::TFrmPFN_Deb_MFP(QWidget* pai) : TFrmPgt_DebFin(pai) {}

void TFrmPFN_Deb_MFP::IniciaCamposForm() {
    TFrmPgt_DebFin::IniciaCamposForm();
    Descritor = &Pagtodebitomultiplasformas::TrnPagtoDeb_Din_Fin;
    DefineTitulo(QString::fromUtf8(msg::OpcaoMultiplasFormas));
}
