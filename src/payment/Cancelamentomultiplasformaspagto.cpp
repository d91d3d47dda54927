#include "payment/Cancelamentomultiplasformaspagto.h"

#include "protocol/Tabelatrn.h"

namespace Cancelamentomultiplasformaspagto {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancelamentomultiplasformaspagto, TrnCancelamentoDinChqFin,
             Descritor(242, 1,
                       {B, K(""), F(1003), F(10164), F(10165), F(10166), F(1112), F(10167), F(10168),
                        F(10169).fmt(5), F(10102), F(10189), F(10188), F(10187), F(10183), F(10188, 1),
                        F(10187, 1), F(10184)}));
CB_DESCRITOR(Cancelamentomultiplasformaspagto, TrnCancelamentoDinDebFin,
             Descritor(242, 1, {B,           K(""),       F(1003),         F(10164),       F(10165),
                                F(10166),    F(1112),     F(10167),        F(10168),       F(10169).fmt(5),
                                F(10102),    F(10189),    F(10188),        F(10187),       F(10183),
                                F(10188, 2), F(10187, 2), F(10185),        F(10186),       F(10112),
                                K(""),       F(10104),    F(10185).fmt(4), F(1013).sep(4), F(1020).fmt(8),
                                F(10149),    T3}));
CB_DESCRITOR(Cancelamentomultiplasformaspagto, TrnCancelamentoChqDebFin,
             Descritor(242, 1, {B,           K(""),       F(1003),         F(10164),       F(10165),
                                F(10166),    F(1112),     F(10167),        F(10168),       F(10169).fmt(5),
                                F(10102),    F(10189),    F(10188, 1),     F(10187, 1),    F(10184),
                                F(10188, 2), F(10187, 2), F(10185),        F(10186),       F(10112),
                                K(""),       F(10104),    F(10185).fmt(4), F(1013).sep(4), F(1020).fmt(8),
                                F(10149),    T3}));
CB_DESCRITOR(Cancelamentomultiplasformaspagto, TrnCancelamentoDinChqDebFin,
             Descritor(242, 1,
                       {B,           K(""),           F(1003),        F(10164),        F(10165),    F(10166),
                        F(1112),     F(10167),        F(10168),       F(10169).fmt(5), F(10102),    F(10189),
                        F(10188),    F(10187),        F(10183),       F(10188, 1),     F(10187, 1), F(10184),
                        F(10188, 2), F(10187, 2),     F(10185),       F(10186),        F(10112),    K(""),
                        F(10104),    F(10185).fmt(4), F(1013).sep(4), F(1020).fmt(8),  F(10149),    T3}));

} // namespace Cancelamentomultiplasformaspagto
