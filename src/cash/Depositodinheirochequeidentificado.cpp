#include "cash/Depositodinheirochequeidentificado.h"

#include "protocol/Tabelatrn.h"

namespace Depositodinheirochequeidentificado {

using namespace Tabelatrn::Notacao;

constinit std::array<char, 64> acTipoModalidade{};
constinit std::array<char, 64> acDadosDepositante{};
constinit std::array<char, 64> acTipoConta{};
constinit std::array<char, 24> acDadosContaDeposito{};
constinit std::array<char, 64> acTipoOperacao{};
constinit std::array<char, 64> acTrilha2{};
constinit std::array<char, 64> acSequenciacartao{};
constinit std::array<char, 64> acViacartao{};

CB_DESCRITOR(Depositodinheirochequeidentificado, TrnConsultaDadosDepositoIdentificadoModalidade12,
             Descritor(242, 0,
                       {B, K(acTipoModalidade), K(acDadosDepositante), K(acTipoConta),
                        K(acDadosContaDeposito)}));
CB_DESCRITOR(Depositodinheirochequeidentificado, TrnConsultaDadosDepositoIdentificadoModalidade34,
             Descritor(242, 0,
                       {B, K(acTipoModalidade), K(acTipoOperacao), K(acTrilha2), K(acDadosDepositante),
                        K(acSequenciacartao), K(acViacartao)}));
CB_DESCRITOR(Depositodinheirochequeidentificado, TrnDepositoIdentificado,
             Descritor(242, 1,
                       {B, F(1003), K(acTipoConta), K(acDadosContaDeposito), F(1006), F(1007), F(10199),
                        F(10240), F(10183), F(10184), F(10189), F(10162).bloco(3), F(10163), F(10164),
                        F(10165), F(10301), F(10301, 1)}));

} // namespace Depositodinheirochequeidentificado
