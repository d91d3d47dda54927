#include "payment/Pagtodinheiromultiplasformas.h"

#include "protocol/Tabelatrn.h"

namespace Pagtodinheiromultiplasformas {

using namespace Tabelatrn::Notacao;

// Unlike its namesake of the debit unit, this debit-and-cash table names the first document's fields one by
// one instead of the per-document block: it is the system's table as written, and no dialog sends it (the
// split dialogs send the debit and cheque units' tables, which carry the block), so it is kept as it is.
CB_DESCRITOR(Pagtodinheiromultiplasformas, TrnPagtoDeb_Din_Fin,
             Descritor(242, 1, {B,           K(""),           F(10162),        F(10163),
                                F(10164),    F(10165),        F(10166),        F(1112),
                                F(10167),    F(10168),        F(10169).fmt(5), F(10189),
                                F(10188, 2), F(10187, 2),     F(10185),        F(10186),
                                F(10112),    K(""),           F(10185).fmt(4), F(10104),
                                F(10146),    F(10151).fmt(4), F(10149),        F(10150),
                                T3,          F(10188),        F(10187),        F(10183)}));
CB_DESCRITOR(Pagtodinheiromultiplasformas, TrnPagtoDin_Chq_Fin,
             Descritor(242, 1,
                       {B, K(""), D7F, F(10189), F(10188), F(10187), F(10183), F(10188, 1), F(10187, 1),
                        F(10184), F(10102), F(10102, 1)}));
CB_DESCRITOR(
    Pagtodinheiromultiplasformas, TrnPagtoDeb_Din_Chq_Fin,
    Descritor(242, 1,
              {B,           K(""),    D7F,      F(10189),        F(10188, 2), F(10187, 2), F(10185),
               F(10186),    F(10112), K(""),    F(10185).fmt(4), F(10104),    F(10146),    F(10151).fmt(4),
               F(10149),    F(10150), T3,       F(10188),        F(10187),    F(10183),    F(10188, 1),
               F(10187, 1), F(10184), F(10102), F(10102, 1)}));

} // namespace Pagtodinheiromultiplasformas
