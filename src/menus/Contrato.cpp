#include "menus/Contrato.h"

#include "resources/Mensagens.h"

// The catalogue constant by name and text, so that the contract shows which one it is.
#define CB_TEXTO(codigo, nome) (Resultado{codigo, #nome, msg::nome})

namespace contrato {

namespace {

// The bank's reply: its code in 1009 and its text in 1027, as they came; and no reply at all.
constexpr Resultado kRespostaBanco{"(bank)", nullptr, nullptr};
constexpr Resultado kSemResposta{"255", nullptr, nullptr};
const Resultado kCancelada = CB_TEXTO("FF", ErroOperacaoCancelada);
const Resultado kFinalizado = CB_TEXTO("FF", ErroFinalizadoOper);

} // namespace

const Funcao& Comum() {
    static const Funcao comum{
        {{0, "(every call)"}},
        "ExecutaGenerico, ExecutaFuncaoADM",
        "frame/Lumomain host/Host host/Pinpad frame/Cargaparametropagto protocol/CargaParametros "
        "frame/Menumodelolumo "
        "frame/Passosmenu frame/Modelolumo frame/Trnmodelolumo frame/Cartao protocol/Cartao "
        "frame/Servicoscartao "
        "frame/Contasaque frame/Coletacampocartao frame/Coletacampocseg frame/Consdispsegtoken "
        "frame/Coletavalortrn frame/Coletacampocpf frame/Coletatipoconta "
        "frame/Coletatipocontasaque frame/Coletadadoschequetrn frame/Coletadadoscircularbacentrn "
        "frame/Cancelamentogrupo3trn frame/Trnmodeloemprestimo frame/Produto frame/Partes "
        "frame/EdicaoValor protocol/Estado protocol/Formata protocol/ServicosRecarga "
        "protocol/ServicosResposta protocol/Tabelatrn protocol/Tiposentradacheque "
        "menus/Menuadmlumo menus/Menuconsultas menus/Menuoutrasfuncoes menus/Menupagamentos "
        "menus/Selecionadorcbfininvest",
        // The parameter load of a group, which most menu options run before their dialog opens, and the
        // security-device query of the functions that may ask for a token.
        {{"Cargaparametropagto::TrnConsultaCargaParamentros", "00"},
         {"Tabelatrn::TrnConsultaDispositivoSegurancaToken", nullptr}},
        {1003,  1005,  1007,  1009,  1027,  1029,  1040,  1041,  1205,  1356,  10102, 10104, 10107, 10108,
         10109, 10112, 10134, 10146, 10154, 10155, 10158, 10163, 10167, 10168, 10170, 10217, 10218, 10232,
         10290, 10298, 10323, 10403, 10447, 20001, 20003, 20005, 20036, 20115, 20128, 20310},
        {1003,  1007,  1009,  1010,  1011,  1012,  1013,  1015,  1020,  1021,  1024,  1027,
         1043,  1114,  1120,  1121,  1173,  1251,  1358,  1359,  10102, 10103, 10104, 10107,
         10108, 10109, 10112, 10134, 10146, 10148, 10149, 10154, 10155, 10158, 10170, 10216,
         10217, 10218, 10227, 10232, 10236, 10243, 10261, 10262, 10264, 10275, 10286, 10290,
         10294, 10301, 10313, 10314, 10315, 10323, 10401, 10402, 10404, 10407, 10439, 10440,
         10447, 10527, 10543, 10544, 20001, 20003, 20018, 20035, 20128, 20145, 20310},
        {kRespostaBanco, kSemResposta, kFinalizado, kCancelada,
         CB_TEXTO("FF", MsgOperacaoNaoConfirmadaPinpad), CB_TEXTO("255", ErroFinalizadoOper),
         CB_TEXTO("255", MsgInterfaceIndisponivel), CB_TEXTO("255", MsgErroInesperado),
         CB_TEXTO("255", ErroCriaFormulario), CB_TEXTO("255", MsgTransacaoNaoHabilitada),
         CB_TEXTO("255", ErroBancoInvalido), CB_TEXTO("255", MsgParametrosIndefinidos),
         CB_TEXTO("255", MSG_FALHA_MODULO), CB_TEXTO("FF", MSG_CARTAO_INVALIDO),
         CB_TEXTO("FF", MSG_FALTA_PIN_TRN)},
    };
    return comum;
}

// A new dialog's unit joins the function whose menu reaches it; the contract's test then names the fields it
// reads or writes that the function does not declare yet, and any unit that touches host fields but belongs
// to no function.
const std::vector<Funcao>& Funcoes() {
    static const std::vector<Funcao> funcoes{
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {1, "Pagamentos"}, {1, "Pagto. Contas"}},
         "ExecutaGenerico 0",
         "payment/Capturacodigobarras payment/Consultacodigobarras payment/Consultapagamento "
         "payment/Capturavalortotalmodelo "
         "payment/Coletacampocpfcnpjdadosadicionaisboletoregistrado "
         "payment/Coletacpfcnpjdtnascimentopagador payment/Menuformaspagto "
         "payment/Pagtoemcartaocontacbmodelo payment/Pagtoemcartaocredito "
         "payment/Pagtoemcartaocreditocontacb payment/Pagtoemcartaocreditofininvest "
         "payment/Pagtoemcartaodebito payment/Pagtoemcartaodebitocontacb "
         "payment/Pagtoemcartaodebitofininvest payment/Pagtoemcheque "
         "payment/Pagtoemchequefininvest payment/Pagtoemchequetrn payment/Pagtoemdinheiro "
         "payment/Pagtoemdinheirofininvest payment/Pagtochequemultiplasformas "
         "payment/Pagtodebitomultiplasformas payment/Pagtodinheiromultiplasformas "
         "payment/Pagtogenericofininvestlumo payment/Pagtogenericolumo payment/Liquidacaocontas "
         "payment/Estadocontas cash/Saquecartaomagneticopagamentocontas payment/Valoresmultiplasformas",
         {{"Consultacodigobarras::TrnConsultaCodigoBarras", "33"},
          {"Consultapagamento::TrnConsultaPagamento", "32"},
          {"Pagtoemdinheiro::TrnPagamentoDinheiro", "16"},
          {"Pagtoemcheque::TrnPagamentoCheque", "17"},
          {"Pagtoemchequetrn::TrnPagamentoConsultaCheque", "17"},
          {"Pagtoemcartaocredito::TrnPagamentoCredito", "19"},
          {"Pagtoemcartaodebito::TrnPagamentoDebito", "18"},
          {"Pagtoemcartaodebito::TrnPagamentoDebitoForcado", "18"},
          {"Pagtoemcartaocontacbmodelo::TrnPagamentoCB", "20"},
          {"Pagtogenericolumo::TrnPagamentoGenerico", "28"},
          {"Pagtogenericolumo::TrnPagamentoGenericoSaque", "28"},
          {"Saquecartaomagneticopagamentocontas::TrnSaqueCartaoMagPagtoCta", "22"},
          // The forms of payment of a Fininvest bill (its group's parameters loaded).
          {"Pagtoemdinheirofininvest::TrnPagamentoDinheiroFin", "16"},
          {"Pagtoemchequefininvest::TrnPagamentoChequeFin", "17"},
          {"Pagtoemcartaocreditofininvest::TrnPagamentoCreditoFin", "19"},
          {"Pagtoemcartaodebitofininvest::TrnPagamentoDebitoFin", "18"},
          {"Pagtoemcartaodebitofininvest::TrnPagamentoDebitoForcadoFin", "18"},
          {"Pagtogenericofininvestlumo::TrnPagamentoGenericoFininvest", "28"},
          {"Pagtochequemultiplasformas::TrnPagtoDin_Chq_Fin", "17"},
          {"Pagtochequemultiplasformas::TrnPagtoDeb_Chq_Fin", "17"},
          {"Pagtochequemultiplasformas::TrnPagtoDeb_Din_Chq_Fin", "17"},
          {"Pagtodebitomultiplasformas::TrnPagtoDeb_Din_Fin", "18"}},
         {1003,  1009,  1017,  1040,  1041,  1103,  1113,  1121,  1288,  10104, 10107,
          10112, 10154, 10158, 10185, 10188, 10404, 20001, 20010, 20013, 20017, 20022},
         {1003,  1009,  1013,  1017,  1020,  1027,  1037,  1040,  1041,  1103,  1112,  1120,  1121,
          1173,  1250,  1331,  1385,  1386,  1387,  1388,  1389,  1599,  10102, 10103, 10107, 10112,
          10149, 10154, 10156, 10158, 10163, 10164, 10165, 10166, 10167, 10168, 10169, 10172, 10187,
          10188, 10189, 10217, 10227, 10236, 10237, 10275, 10313, 10314, 10315, 10446},
         {CB_TEXTO("FF", ErroRedenaopermitida)}},
        // Both options of the Fininvest menu show that the transaction is not enabled.
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {1, "Pagamentos"}, {2, "Pag. Fininvest"}},
         "ExecutaGenerico 0",
         "payment/Menufininvest frame/Indisponivel",
         {},
         {},
         {},
         {CB_TEXTO("255", MsgTransacaoNaoHabilitada)}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {1, "Pagamentos"}, {3, "Recarga Celular"}},
         "ExecutaGenerico 0",
         "topup/Capturacelular topup/Consultafiliaisbradesco topup/Consultafiliaisgxs "
         "topup/Consultafiliaishsbc topup/Consultafiliaisrecargalumo topup/Consultavaloresbradesco "
         "topup/Consultavaloresgxs topup/Consultavaloreshsbc topup/Consultavaloresrecargalumo "
         "topup/Formaspagtorecarga topup/Menucelmodelo topup/Menurecargacelular "
         "topup/Recargadinheirolumo topup/Recargatefdebitolumo topup/Selecaocategorialumo "
         "topup/Selecaocategoriamod topup/Selecaovalorcatalogo topup/Selecaovalorrecarga "
         "topup/Trncelmodelo topup/Valorvariavelcelular",
         {{"Consultafiliaisrecargalumo::TrnConsultaFiliais", nullptr},
          {"Consultavaloresrecargalumo::TrnConsultaValores", nullptr},
          {"Recargadinheirolumo::TrnRecargaDinheiro", nullptr},
          {"Recargatefdebitolumo::TrnRecargaTEFDebito", nullptr}},
         {1003, 1009, 1027, 1038, 1039, 1090, 1254, 1256, 10103, 10158, 10323},
         {1003, 1009, 1027, 1038, 1039, 1090, 1122, 1205, 1253, 1254, 1255, 1256, 10102, 10103, 10104, 10112,
          10158, 10301, 10332},
         {CB_TEXTO("FF", MsgErroConsultaFiliaisRecargaIndefinidas),
          CB_TEXTO("FF", MsgErroValoresRecargaFilialIndefinidos)}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {1, "Pagamentos"}, {4, "Pagto. Diversos"}, {1, msg::OpcaoDarfPreto}},
         "ExecutaGenerico 0",
         "government/Menupagamentodiversosgrupo4 government/Menuformaspagtogrupo4 "
         "government/Pagtogrupo4darf government/Pagtogrupo4trnvljuros "
         "government/Pagtoemdinheirodarfpretogrupo4 government/Pagtoemchequedarfpretogrupo4 "
         "government/Pagtoemchequegrupo4_trn government/Pagtoemcartaodebitodarfpretogrupo4",
         {{"Pagtoemdinheirodarfpretogrupo4::TrnPagamentoDinheiroDarfPreto", "20"},
          {"Pagtoemchequedarfpretogrupo4::TrnPagamentoChequeDarfPreto", "21"},
          {"Pagtoemchequegrupo4_trn::TrnPagamentoChequeDarfPreto", "21"},
          {"Pagtoemcartaodebitodarfpretogrupo4::TrnPagamentoDebitoDarfPreto", "22"}},
         {1006, 1007, 10232},
         {1006, 1007, 1049, 1062, 1096, 1113, 1119, 1182, 1185, 1194, 1243, 10103, 10158, 10163, 10232},
         {}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {1, "Pagamentos"}, {4, "Pagto. Diversos"}, {2, msg::OpcaoDarfSimples}},
         "ExecutaGenerico 0",
         "government/Menupagamentodiversosgrupo4 government/Menuformaspagtogrupo4 "
         "government/Pagtogrupo4darf government/Pagtogrupo4trnvljuros "
         "government/Pagtoemdinheirodarfsimplesgrupo4 government/Pagtoemchequedarfsimplesgrupo4 "
         "government/Pagtoemchequegrupo4_trn government/Pagtoemcartaodebitodarfsimplesgrupo4",
         {{"Pagtoemdinheirodarfsimplesgrupo4::TrnPagamentoDinheiroDarfSimples", "24"},
          {"Pagtoemchequegrupo4_trn::TrnPagamentoChequeDarfSimples", "25"},
          {"Pagtoemcartaodebitodarfsimplesgrupo4::TrnPagamentoDebitoDarfSimples", "26"}},
         {1006, 1007, 10232},
         {1006, 1007, 1049, 1062, 1096, 1113, 1119, 1182, 1185, 1194, 1243, 10103, 10158, 10163, 10232},
         {}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {1, "Pagamentos"}, {4, "Pagto. Diversos"}, {3, msg::OpcaoGPS}},
         "ExecutaGenerico 0",
         "government/Menupagamentodiversosgrupo4 government/Menuformaspagtogrupo4 "
         "government/Pagtogrupo4gps government/Pagtogrupo4trnvljuros "
         "government/Pagtoemdinheirogpsgrupo4 government/Pagtoemchequegpsgrupo4 "
         "government/Pagtoemchequegrupo4_trn government/Pagtoemcartaodebitogpsgrupo4",
         {{"Pagtoemdinheirogpsgrupo4::TrnPagamentoDinheiroGPS", "28"},
          {"Pagtoemchequegpsgrupo4::TrnPagamentoChequeGPS", "29"},
          {"Pagtoemchequegrupo4_trn::TrnPagamentoChequeGPS", "29"},
          {"Pagtoemcartaodebitogpsgrupo4::TrnPagamentoDebitoGPS", "30"}},
         {1068, 10232},
         {1056, 1068, 1096, 1097, 1239, 1258, 10103, 10158, 10163, 10232},
         {}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {1, "Pagamentos"}, {5, "Pagto. Rede"}},
         "ExecutaGenerico 0",
         "payment/Capturacodigobarras payment/Consultacodigobarras payment/Consultapagamento "
         "payment/Menuformaspagto payment/Pagtoemdinheiro payment/Pagtoemcartaocredito "
         "payment/Pagtoemcartaodebito payment/Liquidacaocontas payment/Estadocontas",
         {{"Consultacodigobarras::TrnConsultaCodigoBarras", "33"},
          {"Consultapagamento::TrnConsultaPagamento", "32"},
          {"Pagtoemdinheiro::TrnPagamentoDinheiro", "16"},
          {"Pagtoemcartaocredito::TrnPagamentoCreditoRede", "19"},
          {"Pagtoemcartaodebito::TrnPagamentoDebitoRede", "18"}},
         {1003, 1009, 1017, 1040, 1041, 1103, 1113, 1121, 10107, 10112, 10154, 10158, 10185, 10404, 20001,
          20010, 20013, 20022},
         {1003,  1009,  1017,  1027,  1037,  1040,  1041,  1103,  1112,  1120,  1121,  1173,  1250,
          10102, 10103, 10107, 10112, 10154, 10156, 10158, 10163, 10164, 10165, 10166, 10167, 10168,
          10169, 10172, 10188, 10217, 10227, 10236, 10237, 10275, 10313, 10314, 10315, 10446},
         {CB_TEXTO("FF", ErroRedenaopermitida)}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {2, "Consultas"}, {1, "Consulta Saldo"}},
         "ExecutaGenerico 0",
         "queries/Menuconsultasaldo queries/Menumagneticodadosconta queries/Consultasaldocartao "
         "queries/Consultasaldodadosconta queries/Consultaconta",
         {{"Tabelatrn::TrnConsultaSaldo", "14"}},
         {10102},
         {1283, 1284, 10134, 10158, 10163, 10290},
         {kCancelada}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {2, "Consultas"}, {2, "Consulta Extrato"}},
         "ExecutaGenerico 0",
         "queries/Menuconsultaextrato queries/Menumagneticodadosconta "
         "queries/Consultaextratocartao queries/Consultaextratodadosconta queries/Consultaconta",
         {{"Tabelatrn::TrnConsultaExtrato", "13"}},
         {10102},
         {1283, 1284, 10134, 10158, 10163, 10290},
         {kCancelada}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {2, "Consultas"}, {3, "Consl Benef INSS"}},
         "ExecutaGenerico 0",
         "queries/Menuconsultabeneficioinss queries/Consultabeneficioinss "
         "queries/Consultabeneficioinssagenciaconta queries/Consultabeneficioinssnb "
         "queries/Consultabeneficioinssnit",
         {{"Tabelatrn::TrnConsultaBeneficioINSS", "11"}},
         {},
         {10102, 10158, 10167, 10290},
         {}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {3, "Depósitos"}, {1, msg::OpcaoDeposito}},
         "ExecutaGenerico 0",
         "cash/Menudeposito cash/Depositodinheirocheque cash/Confirmacaodadosdeposito "
         "cash/Coletadadoscheque",
         {{"Depositodinheirocheque::TrnConsultaDeposito", "15"},
          {"Depositodinheirocheque::TrnDeposito", "15"}},
         {1003, 1005, 10183, 10184, 10189, 20010, 20013},
         {1006, 1007, 1009, 1027, 1120, 10102, 10103, 10158, 10163, 10164, 10165, 10183, 10184, 10189, 10199,
          10240},
         {CB_TEXTO("255", ErroSemDadosFavorecido)}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {3, "Depósitos"}, {2, msg::OpcaoDepositoIdentificado}},
         "ExecutaGenerico 0",
         "cash/Menudeposito cash/Depositodinheirocheque cash/Depositodinheirochequeidentificado "
         "cash/Confirmacaodadosdeposito cash/Coletadadoscheque",
         {{"Depositodinheirochequeidentificado::TrnConsultaDadosDepositoIdentificadoModalidade12", "32"},
          {"Depositodinheirochequeidentificado::TrnConsultaDadosDepositoIdentificadoModalidade34", "32"},
          {"Depositodinheirochequeidentificado::TrnDepositoIdentificado", "32"}},
         {1003, 1005, 10154, 10183, 10184, 10189, 10240, 20010, 20013},
         {1006,  1007,  1009,  1027,  1120,  1251,  10102, 10103, 10104, 10134, 10154,
          10158, 10163, 10164, 10165, 10183, 10184, 10189, 10199, 10240, 10301},
         {CB_TEXTO("255", ErroSemDadosFavorecido)}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {4, "Saque"}, {1, msg::OpcaoBeneficioINSS}},
         "ExecutaGenerico 0",
         "cash/Menusaque cash/Saquebeneficioinss",
         {{"Saquebeneficioinss::TrnSaqueINSS", "16"}},
         {},
         {10107, 10149, 10158},
         {kCancelada}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {4, "Saque"}, {2, msg::OpcaoSaqueCartaoMagnetico}},
         "ExecutaGenerico 0",
         "cash/Menusaque cash/Saquecartaomagnetico",
         {{"Saquecartaomagnetico::TrnSaqueCartaoMag", "18"}},
         {},
         {10107, 10158},
         {kCancelada}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {4, "Saque"}, {3, msg::OpcaoSaqueCheque}},
         "ExecutaGenerico 0",
         "cash/Menusaque cash/Saquecheque cash/Coletadadoscheque",
         {{"Saquecheque::TrnSaqueCheque", "19"}},
         {1005, 10184, 10189},
         {10107, 10158, 10163, 10164, 10165},
         {kCancelada}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {4, "Saque"}, {4, msg::OpcaoReciboRetirada}},
         "ExecutaGenerico 0",
         "cash/Menusaque cash/Saquecomreciboretirada",
         {{"Saquecomreciboretirada::TrnSaqueReciboRetirada", "20"}},
         {},
         {1003, 10102, 10107, 10158},
         {kCancelada}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {5, "Empréstimos"}, {1, msg::OpcaoEmprestimoPreAprovado}},
         "ExecutaGenerico 0",
         "loans/Menuemprestimos loans/Menumagneticodadoscontaemprestimo loans/Emprestimocartao "
         "loans/Emprestimodadosconta loans/Consultaemprestimo loans/Simulaemprestimo "
         "loans/Efetivaemprestimo loans/Imprimeconsultasimulacaoemprestimo",
         {{"Tabelatrn::TrnConsultaEmprestimo", "12"},
          {"Tabelatrn::TrnSimulaEmprestimo", "40"},
          {"Tabelatrn::TrnEfetivaEmprestimo", "41"}},
         {1003, 1009, 10102, 10131},
         {1003, 1009, 1027, 10102, 10131, 10134, 10158, 10169, 10252, 10253, 10290},
         {kFinalizado, kCancelada}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {5, "Empréstimos"}, {2, msg::OpcaoEmprestimoConsignado}},
         "ExecutaGenerico 0",
         "loans/Menuemprestimos loans/Consultaemprestimoconsignado "
         "loans/Consultapropostamaximaemprestimoconsignado loans/Simulaemprestimoconsignado "
         "loans/Efetivaemprestimoconsignado loans/Simulaemprestimo "
         "loans/Imprimeconsultasimulacaoemprestimo",
         {{"Tabelatrn::TrnConsultaEmprestimoConsignado", "42"},
          {"Tabelatrn::TrnConsultaPropostaMaximaEmprestimoConsignado", "43"},
          {"Tabelatrn::TrnSimulaEmprestimoConsignado", "44"},
          {"Tabelatrn::TrnEfetivaEmprestimoConsignado", "45"}},
         {1003, 1009, 10102, 10131},
         {1003, 1009, 1027, 10102, 10131, 10158, 10169, 10252, 10428, 10429, 10430},
         {kFinalizado}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {6, "Pague Fácil"}},
         "ExecutaGenerico 0",
         "paguefacil/Capturasequenciamodelo paguefacil/Imprimepaguefacil "
         "paguefacil/Menuconsultapaguefacil paguefacil/Menupagtogrupo6paguefacil "
         "paguefacil/Pagtoemcartaodebitopaguefacilgrupo6 "
         "paguefacil/Pagtoemdinheiropaguefacilgrupo6 paguefacil/Pagtogrupo6paguefacil "
         "paguefacil/Paguefacilconsultaempresagrupo6 paguefacil/Paguefacilconsultaentradagrupo6 "
         "paguefacil/Paguefacilconsultaprodutogrupo6 paguefacil/Paguefacilconsultasegmentogrupo6 "
         "paguefacil/Paguefacilconsultaufgrupo6 paguefacil/Paguefacilconsultavaloresgrupo6 "
         "paguefacil/Paguefacildadosconta",
         {{"Paguefacilconsultasegmentogrupo6::TrnConsultaSegmento", "1"},
          {"Paguefacilconsultaufgrupo6::TrnConsultaUF", "2"},
          {"Paguefacilconsultaempresagrupo6::TrnConsultaEmpresa", "3"},
          {"Paguefacilconsultaprodutogrupo6::TrnConsultaProduto", "4"},
          {"Paguefacilconsultaentradagrupo6::TrnConsultaEntrada", "5"},
          {"Paguefacilconsultavaloresgrupo6::TrnConsultaValoresPagueFacil", "6"},
          {"Pagtoemdinheiropaguefacilgrupo6::TrnPagamentoDinheiroPagueFacil", "7"},
          {"Pagtoemcartaodebitopaguefacilgrupo6::TrnPagamentoDebitoPagueFacil", "8"},
          {"Tabelatrn::TrnDadosContaPagueFacil", "8"}},
         {1009, 1027, 10109, 10155, 10170, 10286, 20013, 20018, 20128},
         {1003, 1009, 1027, 1256, 10102, 10103, 10107, 10134, 10154, 10155, 10158, 10172, 10287, 10290},
         {kCancelada, kFinalizado}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {7, "Desbloqueio Cheques"}},
         "ExecutaGenerico 0",
         "services/Consultadesbloqueiotalonariochequedadosconta "
         "services/Efetivadesbloqueiotalonariocheque",
         {{"Tabelatrn::TrnConsultaDesbloqueioTalonario", "50"}, {"Tabelatrn::TrnDesbloqueioTalonario", "51"}},
         {1009, 10155},
         {10134, 10154, 10158, 10290},
         {}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {8, "Outras funções"}, {1, "Revalidação Senha Cartao INSS"}},
         "ExecutaGenerico 0",
         "services/Revalidacaosenhainss",
         {{"Tabelatrn::TrnRevalidacaoSenhaCartaoINSS", "70"}},
         {},
         {10134, 10158, 10167, 10544},
         {}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {8, "Outras funções"}, {2, "Transferência entre Contas"}},
         "ExecutaGenerico 0",
         "services/Consultatransferenciaentrecontas services/Efetivatransferenciacontas",
         {{"Tabelatrn::TrnConsultaTransferencia", "28"}, {"Tabelatrn::TrnEfetivaTransferencia", "29"}},
         {1009, 10102, 20036},
         {1003, 1009, 1027, 10149, 10158, 10163, 10164, 10290},
         {kCancelada, kFinalizado}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {8, "Outras funções"}, {3, "Demonstrativo Crédito Benefícios"}},
         "ExecutaGenerico 0",
         "queries/Demonstrativocreditobeneficio queries/Consultadatasdemonstrativosdisponiveis",
         {{"Consultadatasdemonstrativosdisponiveis::TrnCnsDtDemDsp", "72"},
          {"Tabelatrn::TrnConsultaDemonstrativoCredBeneficios", "73"}},
         {1009, 1027},
         {1009, 1027, 10102, 10103, 10158, 10165, 10341},
         {kFinalizado}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {8, "Outras funções"}, {4, "Pedido de Cartão de Débito"}},
         "ExecutaGenerico 0",
         "services/Pedidocartaodebito",
         {{"Tabelatrn::TrnPedido2aViaCartaoDebito", "71"}},
         {},
         {10102, 10158, 10203, 10341},
         {}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {8, "Outras funções"}, {5, "Cartão Pré-Pago"}, {1, msg::OpcaoSaque}},
         "ExecutaGenerico 0",
         "prepaid/Menupagamentogrupo7cartaoprepago prepaid/Menuidentificacaoclientecartaoprepago "
         "prepaid/Coletadadoscelulartrn prepaid/Consultaidentificacaoclientecartaoprepago "
         "prepaid/Saquepagamentodiversosgrupo7_cartaoprepagolumo prepaid/Transacaocartaoprepago",
         {{"Tabelatrn::TrnConsIdCliSaqueCartaoPrePago", "10"},
          {"Saquepagamentodiversosgrupo7_cartaoprepagolumo::TrnSaqueCartaoPrePago", "11"}},
         {1009, 1027, 1038, 1039, 10104, 10154, 10229, 10298},
         {1009, 1027, 1038, 1039, 10104, 10112, 10134, 10146, 10154, 10158, 10229, 10298, 10340, 10348,
          10527},
         {kCancelada, kFinalizado}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {8, "Outras funções"}, {5, "Cartão Pré-Pago"}, {2, msg::OpcaoDeposito}},
         "ExecutaGenerico 0",
         "prepaid/Menupagamentogrupo7cartaoprepago prepaid/Menuidentificacaoclientecartaoprepago "
         "prepaid/Coletadadoscelulartrn prepaid/Consultaidentificacaoclientecartaoprepago "
         "prepaid/Depositotransferenciacartaoprepago prepaid/Transacaocartaoprepago",
         {{"Tabelatrn::TrnConsIdCliDepositoCartaoPrePago", "14"},
          {"Tabelatrn::TrnDepositoCartaoPrePago", "15"}},
         {1009, 1027, 1038, 1039, 10104, 10154, 10229, 10298},
         {1009, 1027, 1038, 1039, 10103, 10104, 10112, 10134, 10154, 10158, 10229, 10298, 10340, 10348,
          10527},
         {kCancelada, kFinalizado}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {8, "Outras funções"}, {5, "Cartão Pré-Pago"}, {3, msg::OpcaoSaldo}},
         "ExecutaGenerico 0",
         "prepaid/Menupagamentogrupo7cartaoprepago prepaid/Consultacartaoprepago "
         "prepaid/Impressaoconsultacartaoprepago",
         {{"Tabelatrn::TrnConsultaSaldoCartaoPrePago", "12"}},
         {1003, 1007, 1038, 1039, 10154, 10229, 10298},
         {1009, 1027, 10112, 10154, 10158, 10298, 10527},
         {kCancelada}},
        {{{0, "OPERAÇÕES BANCÁRIAS"}, {8, "Outras funções"}, {5, "Cartão Pré-Pago"}, {4, msg::OpcaoExtrato}},
         "ExecutaGenerico 0",
         "prepaid/Menupagamentogrupo7cartaoprepago prepaid/Consultacartaoprepago "
         "prepaid/Consultaextratocartaoprepago prepaid/Impressaoconsultacartaoprepago",
         {{"Tabelatrn::TrnConsultaExtratoCartaoPrePago", "13"}},
         {1003, 1007, 1038, 1039, 10154, 10229, 10298},
         {1009, 1027, 1283, 1284, 10112, 10154, 10158, 10298, 10527},
         {kCancelada}},
        {{{0, "OPERAÇÕES BANCÁRIAS"},
          {8, "Outras funções"},
          {5, "Cartão Pré-Pago"},
          {5, msg::OpcaoTransferencia}},
         "ExecutaGenerico 0",
         "prepaid/Menupagamentogrupo7cartaoprepago prepaid/Menuidentificacaoclientecartaoprepago "
         "prepaid/Coletadadoscelulartrn prepaid/Consultatransferenciacartaoprepago "
         "prepaid/Depositotransferenciacartaoprepago prepaid/Transacaocartaoprepago",
         {{"Consultatransferenciacartaoprepago::TrnConsultaDadosTransf", "16"},
          {"Tabelatrn::TrnTransferenciaCartaoPrePago", "17"}},
         {1009, 1027, 1038, 1039, 10104, 10154, 10229, 10298},
         {1009, 1027, 1038, 1039, 10103, 10104, 10112, 10154, 10158, 10229, 10298, 10340, 10348, 10527},
         {kCancelada, kFinalizado}},
        {{{0, "(a pending payment: mode 16, or field 20036 set)"}},
         "ExecutaGenerico 16",
         "payment/Continuarpagamento",
         {{"Continuarpagamento::TrnContinuarPagamento", "31"}},
         {1009, 20036},
         {10102, 10112, 10158},
         {}},
        {{{0, "Opções Administrativas"}, {2, "Reimpressão"}},
         "ExecutaFuncaoADM 1",
         "admin/Reimpressaolumo payment/Reimpressaofininvest payment/Reimpressaofininvesttrn",
         {{"Reimpressaolumo::TrnReimpressao", "65"}, {"Reimpressaofininvest::TrnReimpressaoFin", "76"}},
         {1027, 1040, 1041},
         {1112, 10102, 10148, 10158, 10167, 10168, 10216},
         {}},
        {{{0, "Opções Administrativas"}, {3, "Fechamento de Repasse"}},
         "ExecutaFuncaoADM 0",
         "payment/Fechamentorepasse",
         {{"Fechamentorepasse::TrnFechamentoRepasse", "82"}},
         {1027, 1041, 20010},
         {1040, 1041, 1250, 1251, 1252, 10112, 10158},
         {}},
        {{{0, "Opções Administrativas"}, {4, "Abertura de Conta"}},
         "ExecutaFuncaoADM 0",
         "services/Aberturaconta services/Consultadadoscadastraisdadosconta "
         "services/Consultadadoscadastraisdadostitulares",
         {{"Tabelatrn::TrnConsultaDadosCadastrais", "10"}, {"Tabelatrn::TrnAberturaConta", "20"}},
         {1009, 1027, 10102, 10146, 10254},
         {1009,  1027,  1088,  1089,  1090,  1091,  1092,  1192,  10102, 10103, 10134,
          10146, 10158, 10163, 10165, 10166, 10167, 10254, 10255, 10290, 10341},
         {kFinalizado}},
        {{{0, "Opções Administrativas"}, {5, "Manutenção Cesta Serviços"}},
         "ExecutaFuncaoADM 0",
         "admin/Alteracaocestaservicos frame/Consultacestaservicos",
         {{"Tabelatrn::TrnConsultaCestaServicos", "74"}, {"Tabelatrn::TrnAlteracaoCestaServicos", "75"}},
         {1009, 1027, 10158},
         {1009, 1027, 10102, 10103, 10134, 10158},
         {}},
        {{{0, "Opções Administrativas"}, {1, "Operações Bancárias"}, {1, "Pagamentos"}, {1, "Pagto. Contas"}},
         "ExecutaFuncaoADM 1",
         "payment/Menucancelamentolumo payment/Canccartaolumo payment/Cancchequelumo "
         "payment/Canccreditolumo payment/Cancdebitolumo payment/Cancdinheirolumo "
         "payment/Cancelamentotrnlumo payment/Cancgenericolumo "
         "payment/Cancpagtoemcartaocontacbmodelo",
         {{"Cancgenericolumo::TrnConsultaCancelamentoGenerico", "36"},
          {"Cancgenericolumo::TrnCancelamentoGenerico", "53"},
          {"Cancdinheirolumo::TrnCancelamentoDinheiro", "48"},
          {"Cancchequelumo::TrnCancelamentoCheque", "49"},
          {"Cancdebitolumo::TrnCancelamentoDebito", "50"},
          {"Canccreditolumo::TrnCancelamentoCredito", "51"},
          // Debit and credit on the correspondent's account, one descriptor for both.
          {"Cancpagtoemcartaocontacbmodelo::TrnCancPagtoCartaoContaCB", "50, 51"}},
         {1009, 1013, 1020, 1027, 1040, 1041, 10112, 10134, 10404, 20010},
         {1003, 1013, 1020, 1037, 10102, 10107, 10112, 10148, 10158, 10167, 10168, 10169, 10236, 10237},
         {kCancelada}},
        {{{0, "Opções Administrativas"}, {1, "Operações Bancárias"}, {1, "Pagamentos"}, {5, "Pagto. Rede"}},
         "ExecutaFuncaoADM 1",
         "payment/Menucancelamentolumo payment/Canccartaoredelumo payment/Canccreditoredelumo "
         "payment/Cancdebitoredelumo payment/Cancdinheiroredelumo payment/Cancelamentotrnredelumo",
         {{"Cancdinheiroredelumo::TrnCancelamentoDinheiro", "48"},
          {"Cancdebitoredelumo::TrnCancelamentoDebito", "50"},
          {"Canccreditoredelumo::TrnCancelamentoCreditoRede", "51"}},
         {1020, 1021, 1503, 10112, 10404},
         {1013, 1020, 1021, 1503, 10102, 10107, 10112, 10148, 10158},
         {}},
        {{{0, "Opções Administrativas"},
          {1, "Operações Bancárias"},
          {1, "Pagamentos"},
          {4, "Pagto. Diversos"}},
         "ExecutaFuncaoADM 1",
         "government/Menupagamentodiversosgrupo4 government/Menuformaspagtogrupo4 "
         "government/Cancelamentopagamentodiversosgrupo4_cheque "
         "government/Cancelamentopagamentodiversosgrupo4_debcb "
         "government/Cancelamentopagamentodiversosgrupo4_din "
         "government/Cancelamentopagamentodiversosgrupo4_trn",
         {{"Cancelamentopagamentodiversosgrupo4_din::TrnCancelamentoDinheiro", "48"},
          {"Cancelamentopagamentodiversosgrupo4_cheque::TrnCancelamentoCheque", "49"},
          {"Cancelamentopagamentodiversosgrupo4_debcb::TrnCancelamentoDebitoCB", "50"}},
         {1006, 1007, 1258, 10232},
         {1006, 1007, 1258, 10154, 10158, 10216, 10232},
         {kCancelada}},
        {{{0, "Opções Administrativas"}, {1, "Operações Bancárias"}, {3, "Depósitos"}},
         "ExecutaFuncaoADM 1",
         "cash/Menudeposito cash/Cancelamentodeposito",
         {{"Cancelamentodeposito::TrnCancelamentoDeposito", "31"}},
         {},
         {10102, 10158, 10189},
         {}},
        {{{0, "Opções Administrativas"}, {1, "Operações Bancárias"}, {4, "Saque"}},
         "ExecutaFuncaoADM 1",
         "cash/Menucancelamentosaque cash/Cancelamentosaquebeneficioinss "
         "cash/Cancelamentosaquecartaomagnetico cash/Cancelamentosaquecheque "
         "cash/Cancelamentosaquereciboretirada cash/Cancelamentogrupo3",
         {{"Tabelatrn::TrnCancelamentoSaqueChequeReciboCartMag", "21"},
          {"Cancelamentosaquebeneficioinss::TrnCancelamentoSaqueINSS", "17"}},
         {10102},
         {10102, 10103, 10112, 10158, 10212},
         {kCancelada}},
        {{{0, "(credit-limit restoration batch, no operator)"}},
         "ExecutaFuncaoADM 9",
         "admin/Restabelecelimitelumo admin/Cancelamentorestabelecelimitelumo",
         {{"Restabelecelimitelumo::TrnRestabeleceLimite", nullptr},
          {"Cancelamentorestabelecelimitelumo::TrnRestabeleceLimite", nullptr}},
         {1009},
         {1003, 1020, 1040, 1041, 10112},
         {CB_TEXTO("255", MsgSemLimiteRestabelecer)}},
    };
    return funcoes;
}

} // namespace contrato
