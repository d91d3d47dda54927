#include "payment/Pagtodinheiromultiplasformas.h"

#include "protocol/Tabelatrn.h"

namespace Pagtodinheiromultiplasformas {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnPagtoDeb_Din_Fin = Descritor(
    242, 1, {B,        K(""),    F(10162),        F(10163), F(10164),    F(10165),        F(10166), F(1112),
             F(10167), F(10168), F(10169).fmt(5), F(10189), F(10188, 2), F(10187, 2),     F(10185), F(10186),
             F(10112), K(""),    F(10185).fmt(4), F(10104), F(10146),    F(10151).fmt(4), F(10149), F(10150),
             T3,       F(10188), F(10187),        F(10183)});
constinit TTabelaTrn TrnPagtoDin_Chq_Fin =
    Descritor(242, 1,
              {B, K(""), D7F, F(10189), F(10188), F(10187), F(10183), F(10188, 1), F(10187, 1), F(10184),
               F(10102), F(10102, 1)});
constinit TTabelaTrn TrnPagtoDeb_Din_Chq_Fin = Descritor(
    242, 1, {B,           K(""),    D7F,      F(10189),        F(10188, 2), F(10187, 2), F(10185),
             F(10186),    F(10112), K(""),    F(10185).fmt(4), F(10104),    F(10146),    F(10151).fmt(4),
             F(10149),    F(10150), T3,       F(10188),        F(10187),    F(10183),    F(10188, 1),
             F(10187, 1), F(10184), F(10102), F(10102, 1)});

} // namespace Pagtodinheiromultiplasformas
