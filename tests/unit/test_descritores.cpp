// Transaction descriptors and the walk that turns a descriptor and the host fields into a request: the tables
// as the dialogs hand them over, the per-document block, prefixes, constants and module variables, the
// run-time adjustments, and the integrity of every descriptor of the module.
#include "Protocolo.h"
#include "admin/Cancelamentorestabelecelimitelumo.h"
#include "admin/Fechamentorepasse.h"
#include "admin/Reimpressaolumo.h"
#include "admin/Restabelecelimitelumo.h"
#include "cash/Cancelamentodeposito.h"
#include "cash/Cancelamentosaquebeneficioinss.h"
#include "cash/Depositodinheirocheque.h"
#include "cash/Depositodinheirochequeidentificado.h"
#include "cash/Saquebeneficioinss.h"
#include "cash/Saquecartaomagnetico.h"
#include "cash/Saquecartaomagneticopagamentocontas.h"
#include "cash/Saquecheque.h"
#include "cash/Saquecomreciboretirada.h"
#include "government/Cancelamentopagamentodiversosgrupo4_cheque.h"
#include "government/Cancelamentopagamentodiversosgrupo4_debcb.h"
#include "government/Cancelamentopagamentodiversosgrupo4_din.h"
#include "government/Pagtoemcartaodebitodarfpretogrupo4.h"
#include "government/Pagtoemcartaodebitodarfsimplesgrupo4.h"
#include "government/Pagtoemcartaodebitogpsgrupo4.h"
#include "government/Pagtoemchequedarfpretogrupo4.h"
#include "government/Pagtoemchequegpsgrupo4.h"
#include "government/Pagtoemchequegrupo4_trn.h"
#include "government/Pagtoemdinheirodarfpretogrupo4.h"
#include "government/Pagtoemdinheirodarfsimplesgrupo4.h"
#include "government/Pagtoemdinheirogpsgrupo4.h"
#include "paguefacil/Pagtoemcartaodebitopaguefacilgrupo6.h"
#include "paguefacil/Pagtoemdinheiropaguefacilgrupo6.h"
#include "paguefacil/Paguefacilconsultaempresagrupo6.h"
#include "paguefacil/Paguefacilconsultaentradagrupo6.h"
#include "paguefacil/Paguefacilconsultaprodutogrupo6.h"
#include "paguefacil/Paguefacilconsultasegmentogrupo6.h"
#include "paguefacil/Paguefacilconsultaufgrupo6.h"
#include "paguefacil/Paguefacilconsultavaloresgrupo6.h"
#include "payment/Cancchequefininvest.h"
#include "payment/Cancchequelumo.h"
#include "payment/Canccreditolumo.h"
#include "payment/Canccreditoredelumo.h"
#include "payment/Cancdebitofininvest.h"
#include "payment/Cancdebitolumo.h"
#include "payment/Cancdebitoredelumo.h"
#include "payment/Cancdinheirofininvest.h"
#include "payment/Cancdinheirolumo.h"
#include "payment/Cancdinheiroredelumo.h"
#include "payment/Cancelamentomultiplasformaspagto.h"
#include "payment/Cancgenericofininvestlumo.h"
#include "payment/Cancgenericolumo.h"
#include "payment/Cancpagtoemcartaocontacbmodelo.h"
#include "payment/Consultacodbarrasfininvest.h"
#include "payment/Consultacodigobarras.h"
#include "payment/Consultapagamento.h"
#include "payment/Continuarpagamento.h"
#include "payment/Pagtochequemultiplasformas.h"
#include "payment/Pagtodebitomultiplasformas.h"
#include "payment/Pagtodinheiromultiplasformas.h"
#include "payment/Pagtoemcartaocontacbmodelo.h"
#include "payment/Pagtoemcartaocredito.h"
#include "payment/Pagtoemcartaocreditofininvest.h"
#include "payment/Pagtoemcartaodebito.h"
#include "payment/Pagtoemcartaodebitofininvest.h"
#include "payment/Pagtoemcheque.h"
#include "payment/Pagtoemchequefininvest.h"
#include "payment/Pagtoemchequetrn.h"
#include "payment/Pagtoemdinheiro.h"
#include "payment/Pagtoemdinheirofininvest.h"
#include "payment/Pagtogenericofininvestlumo.h"
#include "payment/Pagtogenericolumo.h"
#include "payment/Reimpressaofininvest.h"
#include "prepaid/Consultatransferenciacartaoprepago.h"
#include "prepaid/Saquepagamentodiversosgrupo7_cartaoprepagolumo.h"
#include "frame/Cargaparametropagto.h"
#include "protocol/Tabelatrn.h"
#include "queries/Consultadatasdemonstrativosdisponiveis.h"
#include "topup/Consultafiliaisrecargalumo.h"
#include "topup/Consultavaloresrecargalumo.h"
#include "topup/Recargadinheirolumo.h"
#include "topup/Recargatefdebitolumo.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cbwire {
// Readable failures: one item per line of the message.
inline void PrintTo(const Item& i, std::ostream* o) {
    *o << "{campo " << i.campo << ", oc " << i.ocorrencia << ", fmt " << i.formato << ", sep "
       << static_cast<int>(i.separador) << ", \"" << i.prefixo << "\" \"" << i.valor << "\"}";
}
} // namespace cbwire

namespace {

using cbwire::Item;
using cbwire::MontaPedido;
using cbwire::Pedido;
using Campos = std::map<std::pair<int, int>, std::string>;

// Host fields as the dialogs left them; a field not in the map is absent.
cbwire::LeitorCampo Leitor(const Campos& campos) {
    return [&campos](int campo, int ocorrencia) -> std::optional<std::string> {
        const auto it = campos.find({campo, ocorrencia});
        if (it == campos.end()) return std::nullopt;
        return it->second;
    };
}

// The value the tests store in a field: it names the field and the occurrence, so an item read from the wrong
// place shows.
std::string Valor(int campo, int ocorrencia) {
    return "v" + std::to_string(campo) + "/" + std::to_string(ocorrencia);
}

void Grava(Campos& campos, std::initializer_list<int> lista, int ocorrencia = 0) {
    for (int campo : lista)
        campos[{campo, ocorrencia}] = Valor(campo, ocorrencia);
}

// An item of a field that holds Valor(campo, ocorrencia).
Item F(uint16_t campo, uint16_t ocorrencia = 0, std::string prefixo = {}, uint16_t formato = 0,
       uint8_t separador = 0) {
    return Item{campo, ocorrencia, formato, separador, std::move(prefixo), Valor(campo, ocorrencia)};
}
// An item of an absent field.
Item Vazio(uint16_t campo, uint16_t ocorrencia = 0, std::string prefixo = {}, uint16_t formato = 0,
           uint8_t separador = 0) {
    return Item{campo, ocorrencia, formato, separador, std::move(prefixo), {}};
}
// A constant or a module variable's text.
Item K(std::string texto, uint16_t formato = 0, uint8_t separador = 0) {
    return Item{0, 0, formato, separador, {}, std::move(texto)};
}

void Acrescenta(std::vector<Item>& v, std::initializer_list<Item> itens) {
    v.insert(v.end(), itens);
}

// The documents 0 to n - 1 of a bill payment: fields 10163 to 10169 at their occurrence.
void Documentos(std::vector<Item>& v, int n) {
    for (uint16_t k = 0; k < n; ++k) {
        Acrescenta(v, {F(10163, k), F(10164, k), F(10165, k), F(10166, k), F(10167, k), F(10168, k),
                       F(10169, k, {}, 5)});
    }
}

template <std::size_t N> void Atribui(std::array<char, N>& variavel, std::string_view texto) {
    ASSERT_LT(texto.size(), N);
    variavel.fill('\0');
    std::copy(texto.begin(), texto.end(), variavel.begin());
}

int PrimeiroIndice(const Pedido& p, uint16_t campo, std::size_t desde = 0) {
    for (std::size_t i = desde; i < p.itens.size(); ++i) {
        if (p.itens[i].campo == campo) return static_cast<int>(i);
    }
    return -1;
}

bool Envia(const Pedido& p, uint16_t campo) {
    return PrimeiroIndice(p, campo) >= 0;
}

// Fields of the bill-payment settlements, written for n documents plus one more that must not be sent.
Campos CamposPagamento(int documentos) {
    Campos c;
    Grava(c, {10112, 10171, 10103, 10158, 10102, 1003,  10104, 10146, 10151, 10149, 10150,
              10378, 10440, 10301, 10407, 10134, 10156, 1017,  10147, 1019,  10157});
    Grava(c, {10102, 10301, 10407}, 1);
    Grava(c, {10102}, 2);
    for (int k = 0; k <= documentos; ++k)
        Grava(c, {10163, 10164, 10165, 10166, 10167, 10168, 10169}, k);
    return c;
}

// The request a dialog sends for n documents.
TTabelaTrn ComDocumentos(const TTabelaTrn& d, uint16_t n) {
    Tabelatrn::Ajustes a;
    a.documentos = n;
    return Tabelatrn::Aplica(d, a);
}

TEST(MontaPedido, PagamentoDeTresDocumentosEnviaOBlocoUmaVezPorDocumento) {
    const TTabelaTrn d = ComDocumentos(Pagtoemcartaodebito::TrnPagamentoDebito, 3);
    const Campos c = CamposPagamento(3);
    const Pedido p = MontaPedido(d, Leitor(c));
    EXPECT_EQ(p.codigo, 242);
    EXPECT_EQ(p.indicador, 1);
    std::vector<Item> esperado{K(""), F(10171), F(10103), F(10158), F(10102)};
    // The head goes once with the count; 10162 itself is never written.
    esperado.push_back(Vazio(10162, 3));
    Documentos(esperado, 3);
    Acrescenta(esperado,
               {F(10102, 1), F(10112), K(""), F(1003, 0, {}, 4), F(10104), F(10146), F(10151, 0, {}, 4),
                F(10149), F(10150), Vazio(10174, 0, {}, 0, 255), Vazio(10175, 0, {}, 0, 255),
                Vazio(10176, 0, {}, 0, 255), F(10378, 0, "CTLS:"), F(10440, 0, "DADICPAGCB:")});
    EXPECT_EQ(p.itens, esperado);
    // The fourth document's fields were there but only three were counted.
    for (const Item& i : p.itens)
        EXPECT_NE(i.valor, Valor(10163, 3));

    // The table itself is left as it was: the next dialog starts from it.
    EXPECT_NE(MontaPedido(Pagtoemcartaodebito::TrnPagamentoDebito, Leitor(c)), p);
}

TEST(MontaPedido, BlocoSemDocumentosNaoEnviaPasseEUmDocumentoVaiNaOcorrenciaZero) {
    // Deposit: the count is the number of cheques; a cash-only deposit sends no cheque.
    const TTabelaTrn& deposito = Depositodinheirocheque::TrnDeposito;
    Campos c;
    Grava(c, {10171, 10103, 10158, 1003, 10102, 1006, 1007, 10199, 10240, 10183, 10184, 10189, 10301});
    Grava(c, {10301}, 1);
    for (int k = 0; k < 3; ++k)
        Grava(c, {10163, 10164, 10165}, k);
    Atribui(Depositodinheirocheque::acDadosContaDeposito, "2370001 000000012345601");
    const std::vector<Item> inicio{
        K(""),   F(10171), F(10103), F(10158), F(1003),  F(10102), K("2370001 000000012345601"),
        F(1006), F(1007),  F(10199), F(10240), F(10183), F(10184), F(10189)};
    std::vector<Item> esperado = inicio;
    Acrescenta(esperado, {Vazio(10162, 0), F(10301), F(10301, 1)});
    EXPECT_EQ(MontaPedido(ComDocumentos(deposito, 0), Leitor(c)).itens, esperado);

    esperado = inicio;
    Acrescenta(esperado, {Vazio(10162, 2), F(10163, 0), F(10164, 0), F(10165, 0), F(10163, 1), F(10164, 1),
                          F(10165, 1), F(10301), F(10301, 1)});
    EXPECT_EQ(MontaPedido(ComDocumentos(deposito, 2), Leitor(c)).itens, esperado);
    Atribui(Depositodinheirocheque::acDadosContaDeposito, "");
}

TEST(MontaPedido, TitularesNaoColidemComOCampoAvulsoNaOcorrenciaTres) {
    // Account opening sends 10167 occurrence 3 by itself and 10167 of holders 0 to 2 in the block.
    const TTabelaTrn d = ComDocumentos(Tabelatrn::TrnAberturaConta, 3);
    Campos c;
    Grava(c, {10171, 10103, 10158, 10290, 10102, 10254, 1088, 1192, 10255, 1089, 1091, 1092, 1090, 10294});
    Grava(c, {10102}, 1);
    Grava(c, {10102, 10167}, 2);
    Grava(c, {10167}, 3);
    for (int k = 0; k < 3; ++k)
        Grava(c, {10163, 10341, 10166, 10167, 10165}, k);
    std::vector<Item> esperado{K(""),       F(10171), F(10103),    F(10158), F(10290),       F(10102, 1),
                               F(10102, 2), F(10102), F(10167, 3), F(10254), Vazio(10162, 3)};
    for (uint16_t k = 0; k < 3; ++k) {
        Acrescenta(esperado, {F(10163, k), F(10341, k), F(10166, k), F(10167, k), F(10165, k, {}, 5)});
    }
    Acrescenta(esperado, {F(1088), F(1192), F(10255), F(1089), F(1091), F(1092), F(1090), F(10294)});
    EXPECT_EQ(MontaPedido(d, Leitor(c)).itens, esperado);
}

TEST(MontaPedido, PrefixosEConstantesVaoComCadaItem) {
    // A prefix goes even when its field is absent: the server sees the marker with no value.
    Campos c;
    Grava(c, {10171, 10103, 10158, 1003, 10104, 10146, 10102, 10243, 10244, 10149, 10544, 10176});
    const Pedido saque = MontaPedido(Saquecartaomagnetico::TrnSaqueCartaoMag, Leitor(c));
    const std::vector<Item> esperado{K(""),
                                     F(10171),
                                     F(10103),
                                     F(10158),
                                     F(1003),
                                     F(10104),
                                     F(10146),
                                     F(10102),
                                     F(10243, 0, "NSPIN:"),
                                     Vazio(10242, 0, "CHKSUM:"),
                                     F(10244, 0, "FABPIN:"),
                                     F(10149, 0, "CSEG:"),
                                     F(10544, 0, "TOKEN:"),
                                     Vazio(10174, 0, {}, 0, 255),
                                     Vazio(10175, 0, {}, 0, 255),
                                     F(10176, 0, {}, 0, 255)};
    EXPECT_EQ(saque.itens, esperado);

    Grava(c, {10112, 1256});
    const Pedido pf = MontaPedido(Pagtoemdinheiropaguefacilgrupo6::TrnPagamentoDinheiroPagueFacil, Leitor(c));
    EXPECT_EQ(pf.itens,
              (std::vector<Item>{F(10112), F(10171), K("06"), F(10103), F(10158), F(1003), F(1256)}));

    // The additional values of a network payment: marker, then the two 10407 values with their own texts.
    const TTabelaTrn forcado = ComDocumentos(Pagtoemcartaodebito::TrnPagamentoDebitoForcado, 1);
    const Campos cp = CamposPagamento(1);
    const Pedido p = MontaPedido(forcado, Leitor(cp));
    ASSERT_GE(p.itens.size(), 3u);
    const std::vector<Item> cauda(p.itens.end() - 3, p.itens.end());
    EXPECT_EQ(cauda,
              (std::vector<Item>{K("VLRADD:", 0, 255), F(10407, 0, "648=", 0, 59), F(10407, 1, "2047=")}));
}

TEST(MontaPedido, VariavelDoModuloVaiComOTextoDoMomentoDoEnvio) {
    Campos c;
    Grava(c, {10112, 10171, 10103, 10158, 1040, 10439});
    auto& doc = Consultacodigobarras::NUMERO_DOCUMENTO;
    Atribui(doc, "23790504004188011508608008109204190610000010000");
    Atribui(Consultacodbarrasfininvest::NUMERO_DOCUMENTO, "outro");
    const std::vector<Item> inicio{F(10112), F(10171), F(10103), F(10158), F(1040)};
    std::vector<Item> esperado = inicio;
    Acrescenta(esperado, {K("23790504004188011508608008109204190610000010000", 4), F(10439, 0, "BOLREG:")});
    EXPECT_EQ(MontaPedido(Consultacodigobarras::TrnConsultaCodigoBarras, Leitor(c)).itens, esperado);

    Atribui(doc, "836200000005667800481000180975657313001589636081");
    esperado = inicio;
    Acrescenta(esperado, {K("836200000005667800481000180975657313001589636081", 4), F(10439, 0, "BOLREG:")});
    EXPECT_EQ(MontaPedido(Consultacodigobarras::TrnConsultaCodigoBarras, Leitor(c)).itens, esperado);

    // The Fininvest unit has a descriptor and a variable of the same names, its own.
    esperado = inicio;
    esperado.push_back(K("outro", 4));
    EXPECT_EQ(MontaPedido(Consultacodbarrasfininvest::TrnConsultaCodigoBarras, Leitor(c)).itens, esperado);
    Atribui(doc, "");
    Atribui(Consultacodbarrasfininvest::NUMERO_DOCUMENTO, "");
}

TEST(MontaPedido, VariavelComoPrefixoESeparadoresDoPagamentoGenerico) {
    const TTabelaTrn d = ComDocumentos(Pagtogenericolumo::TrnPagamentoGenericoSaque, 1);
    Campos c = CamposPagamento(1);
    Grava(c, {1013, 1020});
    Atribui(Pagtogenericolumo::FormaPagtoTEF, "6:");
    Atribui(Pagtogenericolumo::CodigoEmpresaTEF, "000000001234");
    const Pedido p = MontaPedido(d, Leitor(c));
    ASSERT_GE(p.itens.size(), 3u);
    EXPECT_EQ(std::vector<Item>(p.itens.end() - 3, p.itens.end()),
              (std::vector<Item>{F(1013, 0, "6:", 0, 58), F(1020, 0, {}, 0, 58), K("000000001234", 0, 59)}));
    // A variable too empty to say anything still sends its (empty) text.
    Atribui(Pagtogenericolumo::FormaPagtoTEF, "");
    Atribui(Pagtogenericolumo::CodigoEmpresaTEF, "");
    const Pedido q = MontaPedido(d, Leitor(c));
    EXPECT_EQ(std::vector<Item>(q.itens.end() - 3, q.itens.end()),
              (std::vector<Item>{F(1013, 0, {}, 0, 58), F(1020, 0, {}, 0, 58), K("", 0, 59)}));
}

TEST(MontaPedido, CampoDescartadoSaiDoPedido) {
    const Campos c = CamposPagamento(1);
    Tabelatrn::Ajustes umDocumento;
    umDocumento.documentos = 1;
    Tabelatrn::Ajustes semValores = umDocumento;
    semValores.semEntradaAntesValoresAdicionais = true;
    // Network payments without minimum and maximum values: the entry before "VLRADD:" goes, nothing else.
    for (const TTabelaTrn* original :
         {&Pagtoemcartaodebito::TrnPagamentoDebitoRede, &Pagtoemcartaodebito::TrnPagamentoDebitoForcado,
          &Pagtoemcartaocredito::TrnPagamentoCreditoRede}) {
        const Pedido antes = MontaPedido(Tabelatrn::Aplica(*original, umDocumento), Leitor(c));
        const Pedido depois = MontaPedido(Tabelatrn::Aplica(*original, semValores), Leitor(c));
        EXPECT_TRUE(Envia(antes, 10440));
        EXPECT_FALSE(Envia(depois, 10440));
        ASSERT_EQ(depois.itens.size() + 1, antes.itens.size());
        const auto marcador = std::find(depois.itens.begin(), depois.itens.end(), K("VLRADD:", 0, 255));
        ASSERT_TRUE(marcador != depois.itens.end());
        const auto vlradd = marcador - depois.itens.begin();
        ASSERT_GT(vlradd, 0);
        EXPECT_EQ(depois.itens[static_cast<std::size_t>(vlradd) - 1], F(10378, 0, "CTLS:"));
        // The next send starts from the table again.
        EXPECT_EQ(MontaPedido(Tabelatrn::Aplica(*original, umDocumento), Leitor(c)), antes);
    }

    const Pedido p =
        MontaPedido(Tabelatrn::Aplica(Pagtoemdinheiro::TrnPagamentoDinheiro, semValores), Leitor(c));
    EXPECT_FALSE(Envia(p, 10176));
    EXPECT_TRUE(Envia(p, 10440));

    // Prepaid withdrawal that rewrote the PIN fields itself: no "NSPIN:".
    Campos cs;
    Grava(cs, {10112, 10171, 10103, 10158, 1003, 10134, 10104, 10146, 10243});
    Tabelatrn::Ajustes semNspin;
    semNspin.descartados = {10243};
    EXPECT_EQ(
        MontaPedido(Tabelatrn::Aplica(Saquepagamentodiversosgrupo7_cartaoprepagolumo::TrnSaqueCartaoPrePago,
                                      semNspin),
                    Leitor(cs))
            .itens,
        (std::vector<Item>{F(10112), F(10171), F(10103), F(10158), F(1003, 0, {}, 4), F(10134), F(10104),
                           F(10146)}));

    // Nothing to drop, no block to count: the request is the table.
    Tabelatrn::Ajustes nada;
    nada.documentos = 2;
    nada.descartados = {10999, 0};
    nada.semEntradaAntesValoresAdicionais = true;
    const TTabelaTrn& saque = Saquepagamentodiversosgrupo7_cartaoprepagolumo::TrnSaqueCartaoPrePago;
    const TTabelaTrn igual = Tabelatrn::Aplica(saque, nada);
    EXPECT_EQ(std::memcmp(&igual, &saque, sizeof igual), 0);
}

TEST(MontaPedido, RecargaUsaOCodigo241EComecaPeloCampo1205) {
    Campos c;
    Grava(c, {1205, 10171, 10103, 1038, 1039, 1253, 1003, 1256, 1090, 10301, 10332, 1122, 10323});
    Grava(c, {10301}, 1);
    const Pedido p = MontaPedido(Recargadinheirolumo::TrnRecargaDinheiro, Leitor(c));
    EXPECT_EQ(p.codigo, 241);
    EXPECT_EQ(p.indicador, 1);
    EXPECT_EQ(p.itens,
              (std::vector<Item>{F(1205), F(10171), F(10103), F(1038, 0, {}, 0, 255), F(1039), F(1253),
                                 F(1003), F(1256), F(1090), F(10301), F(10301, 1), F(10332, 0, "CHVAL:")}));
    for (const TTabelaTrn* d :
         {&Recargadinheirolumo::TrnRecargaDinheiro, &Recargatefdebitolumo::TrnRecargaTEFDebito,
          &Consultavaloresrecargalumo::TrnConsultaValores, &Consultafiliaisrecargalumo::TrnConsultaFiliais}) {
        const Pedido r = MontaPedido(*d, Leitor(c));
        EXPECT_EQ(r.codigo, 241);
        ASSERT_FALSE(r.itens.empty());
        EXPECT_EQ(r.itens.front(), F(1205));
        EXPECT_FALSE(Envia(r, 10158));
    }
    EXPECT_EQ(MontaPedido(Consultavaloresrecargalumo::TrnConsultaValores, Leitor(c)).indicador, 0);
}

TEST(MontaPedido, RestabelecimentoDeLimiteSemGrupoNemOperacao) {
    Campos c;
    Grava(c, {10112, 10171, 10103, 10158, 1003, 1040, 1041, 1020});
    const Pedido r = MontaPedido(Restabelecelimitelumo::TrnRestabeleceLimite, Leitor(c));
    EXPECT_EQ(r.codigo, 197);
    EXPECT_EQ(r.indicador, 0);
    EXPECT_EQ(r.itens, (std::vector<Item>{F(10112), F(10171), F(1003), F(1040), F(1041, 0, {}, 4)}));
    const Pedido k = MontaPedido(Cancelamentorestabelecelimitelumo::TrnRestabeleceLimite, Leitor(c));
    EXPECT_EQ(k.codigo, 198);
    EXPECT_EQ(k.indicador, 0);
    EXPECT_EQ(k.itens, (std::vector<Item>{F(10112), F(10171), F(1003), F(1040), F(1041, 0, {}, 4),
                                          F(1020, 0, {}, 8)}));
    for (const Pedido* p : {&r, &k}) {
        EXPECT_FALSE(Envia(*p, 10103));
        EXPECT_FALSE(Envia(*p, 10158));
    }
}

TEST(MontaPedido, RedeEnviaORedeNoInicioEDebitoSimplesNaoRepeteNaRede) {
    const Campos c = CamposPagamento(1);
    auto pedido = [&c](const TTabelaTrn& original) {
        return MontaPedido(ComDocumentos(original, 1), Leitor(c));
    };
    const Pedido debito = pedido(Pagtoemcartaodebito::TrnPagamentoDebito);
    const Pedido forcado = pedido(Pagtoemcartaodebito::TrnPagamentoDebitoForcado);
    const Pedido rede = pedido(Pagtoemcartaodebito::TrnPagamentoDebitoRede);
    EXPECT_EQ(debito.itens.front(), K(""));
    EXPECT_EQ(forcado.itens.front(), F(10112));
    EXPECT_EQ(rede.itens.front(), F(10112));
    // After the block (its last item is 10169 of the only document).
    auto depoisDoBloco = [](const Pedido& p) {
        const int fim = PrimeiroIndice(p, 10169);
        EXPECT_GT(fim, 0);
        return PrimeiroIndice(p, 10112, static_cast<std::size_t>(fim));
    };
    EXPECT_GT(depoisDoBloco(debito), 0);
    EXPECT_GT(depoisDoBloco(forcado), 0);
    EXPECT_EQ(depoisDoBloco(rede), -1);
    // The forced debit adds 10102 occurrence 2 and the additional values; the plain debit has neither.
    EXPECT_GT(PrimeiroIndice(forcado, 10407), 0);
    EXPECT_EQ(PrimeiroIndice(debito, 10407), -1);
    EXPECT_EQ(forcado.itens.size(), debito.itens.size() + 4);
}

TEST(MontaPedido, DescritorMalFormadoNaoLeAlemDoFim) {
    namespace N = Tabelatrn::Notacao;
    Campos c;
    Grava(c, {5, 6});
    Grava(c, {5, 6}, 1);
    // A block in the last slots that claims more entries than there are.
    TTabelaTrn d = N::Descritor(242, 0, {});
    d.Campos[39] = N::F(4, 2).bloco(30).c;
    d.Campos[40] = N::F(5).c;
    EXPECT_EQ(MontaPedido(d, Leitor(c), 1), (Pedido{242, 0, 1, {Vazio(4, 2), F(5, 0), F(5, 1)}}));
    // Skipped entries inside a block are skipped on every pass; a text that is not there sends "".
    TTabelaTrn e = N::Descritor(
        242, 1, {N::F(4, 2).bloco(3), N::F(5), N::F(7), N::F(6), N::K(nullptr), N::F(9, nullptr)});
    e.Campos[2].Campo = CAMPOTRN_IGNORADO;
    EXPECT_EQ(MontaPedido(e, Leitor(c)).itens,
              (std::vector<Item>{Vazio(4, 2), F(5, 0), F(6, 0), F(5, 1), F(6, 1), K(""), Vazio(9)}));
    // A descriptor of spares only sends nothing but its code.
    EXPECT_EQ(MontaPedido(N::Descritor(198, 0, {}), Leitor(c)), (Pedido{198, 0, 0, {}}));
}

TEST(CampoDoServico, DigitosLetrasMaiusculasEC) {
    EXPECT_EQ(cbwire::CampoDoServico('0'), 20000);
    EXPECT_EQ(cbwire::CampoDoServico('5'), 20005);
    EXPECT_EQ(cbwire::CampoDoServico('9'), 20009);
    EXPECT_EQ(cbwire::CampoDoServico('A'), 20010);
    EXPECT_EQ(cbwire::CampoDoServico('I'), 20018);
    EXPECT_EQ(cbwire::CampoDoServico('Q'), 20026);
    EXPECT_EQ(cbwire::CampoDoServico('Z'), 20035);
    EXPECT_EQ(cbwire::CampoDoServico('c'), 20038);
    for (char semCampo : {'a', 'b', 'd', 'z', '@', '[', '/', ':', ' ', '\0', '\xC7'}) {
        EXPECT_EQ(cbwire::CampoDoServico(semCampo), 0) << static_cast<int>(semCampo);
    }
}

using Tabelatrn::Registro;

const std::vector<Registro>& Todos() {
    return Tabelatrn::Registrados();
}

// An entry as plain values: the checks below never bind a reference to a member of the packed record.
struct Entrada {
    int campo, ocorrencia, bloco, formato, separador;
    const char* texto;
};
Entrada Le(const TCampoTrn& e) {
    return {e.Campo, e.Ocorrencia, e.Bloco, e.Formato, e.Separador, e.Texto};
}

bool Sobra(const TCampoTrn& e) {
    return e.Campo == CAMPOTRN_IGNORADO && e.Ocorrencia == 0 && e.Bloco == 0 && e.Formato == 0 &&
           e.Separador == 0 && e.Texto == nullptr;
}

// Entries before the spare tail, dropped ones included.
std::size_t Entradas(const TTabelaTrn& d) {
    std::size_t n = TABELATRN_MAX_CAMPOS;
    while (n > 0 && Sobra(d.Campos[n - 1]))
        --n;
    return n;
}

const Registro& Busca(std::string_view nome) {
    for (const Registro& r : Todos()) {
        if (nome == r.nome) return r;
    }
    ADD_FAILURE() << "sem descritor " << nome;
    static const Registro nenhum{"", nullptr};
    return nenhum;
}

TEST(Descritores, IntegridadeDeTodos) {
    ASSERT_FALSE(Todos().empty());
    std::set<const TTabelaTrn*> distintos;
    std::set<std::string> com241;
    std::set<std::string> restabelecimento;
    for (const Registro& r : Todos()) {
        SCOPED_TRACE(r.nome);
        const TTabelaTrn& d = *r.descritor;
        EXPECT_TRUE(distintos.insert(&d).second);
        EXPECT_TRUE(d.CodigoTransacao == 242 || d.CodigoTransacao == 241 || d.CodigoTransacao == 197 ||
                    d.CodigoTransacao == 198)
            << d.CodigoTransacao;
        EXPECT_LE(d.Indicador, 1);
        if (d.CodigoTransacao == 241) com241.insert(r.nome);
        if (d.CodigoTransacao == 197 || d.CodigoTransacao == 198) restabelecimento.insert(r.nome);

        const std::size_t n = Entradas(d);
        EXPECT_GT(n, 0u);
        // At least one spare closes every list, and nothing but spares follows the first one.
        EXPECT_LT(n, static_cast<std::size_t>(TABELATRN_MAX_CAMPOS));
        for (std::size_t i = 0; i < n; ++i) {
            const Entrada e = Le(d.Campos[i]);
            EXPECT_FALSE(Sobra(d.Campos[i])) << "sobra no meio, entrada " << i;
            if (e.campo == 0) {
                EXPECT_NE(e.texto, nullptr) << "entrada " << i;
            }
            EXPECT_TRUE(e.separador == 0 || e.separador == 4 || e.separador == 58 || e.separador == 59 ||
                        e.separador == 255)
                << "entrada " << i;
            if (e.bloco == 0) continue;
            // A block lies within the slots, holds real entries, and none of them is a block or carries an
            // occurrence of its own (the pass gives it one).
            EXPECT_LT(i + static_cast<std::size_t>(e.bloco), static_cast<std::size_t>(TABELATRN_MAX_CAMPOS))
                << "entrada " << i;
            EXPECT_LT(i + 1, n) << "bloco sem entradas, entrada " << i;
            for (std::size_t j = i + 1;
                 j <= i + static_cast<std::size_t>(e.bloco) && j < TABELATRN_MAX_CAMPOS; ++j) {
                EXPECT_EQ(Le(d.Campos[j]).bloco, 0) << "entrada " << j;
                EXPECT_EQ(Le(d.Campos[j]).ocorrencia, 0) << "entrada " << j;
            }
        }
    }
    EXPECT_EQ(com241, (std::set<std::string>{"Recargadinheirolumo::TrnRecargaDinheiro",
                                             "Recargatefdebitolumo::TrnRecargaTEFDebito",
                                             "Consultavaloresrecargalumo::TrnConsultaValores",
                                             "Consultafiliaisrecargalumo::TrnConsultaFiliais"}));
    EXPECT_EQ(restabelecimento,
              (std::set<std::string>{"Restabelecelimitelumo::TrnRestabeleceLimite",
                                     "Cancelamentorestabelecelimitelumo::TrnRestabeleceLimite"}));
}

TEST(Descritores, QuantidadeDeEntradasConferidaNaTabela) {
    // Counted by hand, abbreviations expanded.
    const std::vector<std::pair<const char*, std::size_t>> amostra{
        {"Cargaparametropagto::TrnConsultaCargaParamentros", 4},
        {"Tabelatrn::TrnConsultaSaldo", 14},
        {"Tabelatrn::TrnAberturaConta", 24},
        {"Tabelatrn::TrnDadosContaPagueFacil", 16},
        {"Pagtoemcartaodebito::TrnPagamentoDebito", 27},
        {"Pagtoemcartaodebito::TrnPagamentoDebitoForcado", 31},
        {"Pagtochequemultiplasformas::TrnPagtoDeb_Din_Chq_Fin", 38},
        {"Canccreditoredelumo::TrnCancelamentoCreditoRede", 23},
        {"Recargatefdebitolumo::TrnRecargaTEFDebito", 21},
        {"Continuarpagamento::TrnContinuarPagamento", 5},
        {"Restabelecelimitelumo::TrnRestabeleceLimite", 5},
        {"Cancelamentorestabelecelimitelumo::TrnRestabeleceLimite", 6},
        {"Depositodinheirochequeidentificado::TrnConsultaDadosDepositoIdentificadoModalidade34", 10},
        {"Pagtoemchequegrupo4_trn::TrnPagamentoChequeGPS", 14},
    };
    for (const auto& [nome, quantidade] : amostra) {
        const Registro& r = Busca(nome);
        ASSERT_NE(r.descritor, nullptr);
        EXPECT_EQ(Entradas(*r.descritor), quantidade) << nome;
    }
}

TEST(Descritores, PagamentosDepositosECadastroTemBlocoPorDocumento) {
    // Every descriptor whose count the dialogs set has a block to take it.
    for (const char* nome : {"Pagtoemcartaodebito::TrnPagamentoDebito",
                             "Pagtoemcartaodebito::TrnPagamentoDebitoRede",
                             "Pagtoemcartaodebito::TrnPagamentoDebitoForcado",
                             "Pagtoemdinheiro::TrnPagamentoDinheiro",
                             "Pagtoemcheque::TrnPagamentoCheque",
                             "Pagtoemcartaocredito::TrnPagamentoCredito",
                             "Pagtoemcartaocredito::TrnPagamentoCreditoRede",
                             "Pagtoemcartaocontacbmodelo::TrnPagamentoCB",
                             "Pagtochequemultiplasformas::TrnPagtoDin_Chq_Fin",
                             "Pagtodinheiromultiplasformas::TrnPagtoDin_Chq_Fin",
                             "Pagtoemdinheirofininvest::TrnPagamentoDinheiroFin",
                             "Pagtoemchequefininvest::TrnPagamentoChequeFin",
                             "Pagtoemcartaodebitofininvest::TrnPagamentoDebitoFin",
                             "Pagtoemcartaodebitofininvest::TrnPagamentoDebitoForcadoFin",
                             "Pagtogenericolumo::TrnPagamentoGenerico",
                             "Pagtogenericolumo::TrnPagamentoGenericoSaque",
                             "Depositodinheirocheque::TrnDeposito",
                             "Depositodinheirochequeidentificado::TrnDepositoIdentificado",
                             "Tabelatrn::TrnConsultaDadosCadastrais",
                             "Tabelatrn::TrnAberturaConta"}) {
        const Registro& r = Busca(nome);
        ASSERT_NE(r.descritor, nullptr);
        const TTabelaTrn copia = ComDocumentos(*r.descritor, 2);
        // The count lands on field 10162, the head of the block.
        bool achou = false;
        for (const TCampoTrn& entrada : copia.Campos) {
            const Entrada e = Le(entrada);
            if (e.bloco > 0) {
                EXPECT_EQ(e.campo, 10162) << nome;
                EXPECT_EQ(e.ocorrencia, 2) << nome;
                achou = true;
                break;
            }
        }
        EXPECT_TRUE(achou) << nome;
    }
}

TEST(Descritores, TextosApontamParaAsVariaveisDaPropriaUnidade) {
    EXPECT_EQ(Le(Consultacodigobarras::TrnConsultaCodigoBarras.Campos[5]).texto,
              Consultacodigobarras::NUMERO_DOCUMENTO.data());
    EXPECT_EQ(Le(Consultapagamento::TrnConsultaPagamento.Campos[10]).texto,
              Consultapagamento::NUMERO_DOCUMENTO.data());
    EXPECT_EQ(Le(Consultacodbarrasfininvest::TrnConsultaPagamento.Campos[11]).texto,
              Consultacodbarrasfininvest::NUMERO_DOCUMENTO.data());
    EXPECT_EQ(Le(Depositodinheirocheque::TrnDeposito.Campos[6]).texto,
              Depositodinheirocheque::acDadosContaDeposito.data());
    EXPECT_EQ(Le(Depositodinheirochequeidentificado::TrnDepositoIdentificado.Campos[6]).texto,
              Depositodinheirochequeidentificado::acDadosContaDeposito.data());
    EXPECT_EQ(Le(Tabelatrn::TrnCancelamentoSaqueChequeReciboCartMag.Campos[6]).texto,
              Tabelatrn::acDadosConta_Recibo.data());
    const TTabelaTrn& fin = Pagtogenericofininvestlumo::TrnPagamentoGenericoFininvest;
    EXPECT_EQ(Le(fin.Campos[14]).texto, Pagtogenericofininvestlumo::acPagamentoDinheiro.data());
    EXPECT_EQ(Le(fin.Campos[15]).texto, Pagtogenericofininvestlumo::acPagamentoCheque.data());
    EXPECT_EQ(Le(fin.Campos[16]).texto, Pagtogenericofininvestlumo::acPagamentoTefDebito.data());
    EXPECT_EQ(Le(fin.Campos[16]).separador, 59);
}

} // namespace
