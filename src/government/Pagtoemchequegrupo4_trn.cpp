#include "government/Pagtoemchequegrupo4_trn.h"

#include "host/Host.h"
#include "protocol/Tabelatrn.h"

namespace Pagtoemchequegrupo4_trn {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemchequegrupo4_trn, TrnPagamentoChequeDarfPreto,
             Descritor(242, 1,
                       {A, K("1"), F(1062).fmt(5), F(1006), F(1007), F(1049), F(1182), F(1113).fmt(5),
                        F(1243), F(1119), F(1096), F(1003), F(10102), F(10102, 1)}));
CB_DESCRITOR(Pagtoemchequegrupo4_trn, TrnPagamentoChequeDarfSimples,
             Descritor(242, 1,
                       {A, K("1"), F(1062).fmt(5), F(1006), F(1007), F(1049), F(1185), F(1194), F(1243),
                        F(1119), F(1096), F(1003), F(10102), F(10102, 1)}));
CB_DESCRITOR(Pagtoemchequegrupo4_trn, TrnPagamentoChequeGPS,
             Descritor(242, 1,
                       {A, K("1"), F(1056), F(1068).fmt(5), F(1258), F(1097), F(1239), F(1096), F(1003),
                        F(10102), F(10102, 1)}));

} // namespace Pagtoemchequegrupo4_trn

TFrmTrnDadosCta_Grp4::TFrmTrnDadosCta_Grp4(QWidget* pai) : TFrmColetaDadosChq_Trn(pai, QString()) {}

void TFrmTrnDadosCta_Grp4::IniciaCamposForm() {
    TFrmColetaDadosChq_Trn::IniciaCamposForm();
    using namespace Pagtoemchequegrupo4_trn;
    // The base flow stores the authentication number of the reply's service A in 1251 for group 4.
    switch (host::LeCampoInteiro(10232, 0, 0)) {
    case 2:
        Descritor = &TrnPagamentoChequeDarfSimples;
        DefineTitulo(QStringLiteral("Pagamento DARF Simples com Cheque"));
        break;
    case 3:
        Descritor = &TrnPagamentoChequeGPS;
        DefineTitulo(QStringLiteral("Pagamento GPS com Cheque"));
        break;
    default:
        Descritor = &TrnPagamentoChequeDarfPreto;
        DefineTitulo(QStringLiteral("Pagamento DARF Preto com Cheque"));
        break;
    }
}
