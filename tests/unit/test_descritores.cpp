// Transaction descriptors and the walk that turns a descriptor and the host fields into a request: the
// per-document block, prefixes, constants and module variables, the run-time adjustments, the integrity of
// every descriptor of the module and every request as the server receives it.
#include "Protocolo.h"
#include "cash/Depositodinheirocheque.h"
#include "cash/Depositodinheirochequeidentificado.h"
#include "payment/Consultacodbarrasfininvest.h"
#include "payment/Consultacodigobarras.h"
#include "payment/Consultapagamento.h"
#include "payment/Pagtoemcartaocredito.h"
#include "payment/Pagtoemcartaodebito.h"
#include "payment/Pagtoemdinheiro.h"
#include "payment/Pagtogenericofininvestlumo.h"
#include "payment/Pagtogenericolumo.h"
#include "prepaid/Saquepagamentodiversosgrupo7_cartaoprepagolumo.h"
#include "protocol/Tabelatrn.h"
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

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

TEST(MontaPedido, VariavelDoModuloVaiComOTextoDoMomentoDoEnvio) {
    Campos c;
    Grava(c, {10112, 10171, 10103, 10158, 1040, 10439});
    auto& doc = Consultacodigobarras::NUMERO_DOCUMENTO;
    Atribui(Consultacodbarrasfininvest::NUMERO_DOCUMENTO, "outro");
    const std::vector<Item> inicio{F(10112), F(10171), F(10103), F(10158), F(1040)};
    for (const char* numero : {"23790504004188011508608008109204190610000010000",
                               "836200000005667800481000180975657313001589636081"}) {
        Atribui(doc, numero);
        std::vector<Item> esperado = inicio;
        Acrescenta(esperado, {K(numero, 4), F(10439, 0, "BOLREG:")});
        EXPECT_EQ(MontaPedido(Consultacodigobarras::TrnConsultaCodigoBarras, Leitor(c)).itens, esperado);
    }

    // The Fininvest unit has a descriptor and a variable of the same names, its own.
    std::vector<Item> esperado = inicio;
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
    const std::pair<char, int> comCampo[] = {{'0', 20000}, {'5', 20005}, {'9', 20009}, {'A', 20010},
                                             {'I', 20018}, {'Q', 20026}, {'Z', 20035}, {'c', 20038}};
    for (const auto& [letra, campo] : comCampo)
        EXPECT_EQ(cbwire::CampoDoServico(letra), campo) << letra;
    for (char semCampo : {'a', 'b', 'd', 'z', '@', '[', '/', ':', ' ', '\0', '\xC7'}) {
        EXPECT_EQ(cbwire::CampoDoServico(semCampo), 0) << static_cast<int>(semCampo);
    }
}

using Tabelatrn::Registro;

// Every registered request as the server receives it (built with two documents in any per-document block,
// framed and decoded again), item by item: the field and occurrence, the prefix, the format, the separator
// and each constant's text. pedidos.json is the reviewed layout of each request (server/PROTOCOL.md): a field
// changed in a table fails here even when no script sends that request, and the failure prints the line as
// the table now builds it, to be copied into pedidos.json once the change is meant.
std::string Descreve(const Pedido& p) {
    std::string s = std::to_string(p.codigo) + "/" + std::to_string(p.indicador) + ":";
    for (const Item& i : p.itens) {
        s += ' ';
        s += i.campo == 0 ? '"' + i.valor + '"' : std::to_string(i.campo);
        if (i.ocorrencia) s += "." + std::to_string(i.ocorrencia);
        if (!i.prefixo.empty()) s += "[" + i.prefixo + "]";
        if (i.formato) s += "/f" + std::to_string(i.formato);
        if (i.separador) s += "/s" + std::to_string(i.separador);
    }
    return s;
}

// The module variables whose text the tables send, as a fresh process has them: a dialog run by an earlier
// test leaves its TEF data or document number there.
void LimpaVariaveisDosDescritores() {
    namespace D = Depositodinheirochequeidentificado;
    namespace G = Pagtogenericolumo;
    namespace F = Pagtogenericofininvestlumo;
    for (auto* v : {&D::acTipoModalidade, &D::acDadosDepositante, &D::acTipoConta, &D::acTipoOperacao,
                    &G::FormaPagtoTEF, &G::RedeTEF, &F::acPagamentoDinheiro, &F::acPagamentoCheque,
                    &F::acPagamentoTefDebito, &Consultacodigobarras::NUMERO_DOCUMENTO,
                    &Consultacodbarrasfininvest::NUMERO_DOCUMENTO, &Consultapagamento::NUMERO_DOCUMENTO})
        v->fill('\0');
    D::acDadosContaDeposito.fill('\0');
    Depositodinheirocheque::acDadosContaDeposito.fill('\0');
    G::CodigoEstabelecimentoTEF.fill('\0');
    G::CodigoEmpresaTEF.fill('\0');
    Tabelatrn::acDadosConta_Recibo.fill('\0');
}

TEST(Descritores, CadaPedidoComoOServidorORecebe) {
    LimpaVariaveisDosDescritores();
    // Named by the build: __FILE__ is relative when a compiler cache rewrites paths.
    QFile arquivo(QStringLiteral(CB_PEDIDOS));
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QJsonObject esperados = QJsonDocument::fromJson(arquivo.readAll()).object();
    Tabelatrn::Ajustes dois;
    dois.documentos = 2;
    const auto vazio = [](int, int) -> std::optional<std::string> { return std::string(); };
    std::set<std::string> vistos;
    for (const Registro& r : Tabelatrn::Registrados()) {
        const Pedido p = MontaPedido(Tabelatrn::Aplica(*r.descritor, dois), vazio);
        const auto recebido = cbwire::DecodificaPedido(cbwire::CodificaPedido(p));
        ASSERT_TRUE(recebido) << r.nome;
        EXPECT_EQ(*recebido, p) << r.nome;
        const std::string linha = Descreve(*recebido);
        EXPECT_EQ(esperados.value(QLatin1String(r.nome)).toString().toStdString(), linha)
            << "agora\t" << r.nome << '\t' << linha;
        vistos.insert(r.nome);
    }
    for (const QString& nome : esperados.keys())
        EXPECT_TRUE(vistos.count(nome.toStdString())) << "sem descritor " << nome.toStdString();
}

} // namespace
