// The generic (TEF) settlement of the bills, which confirms itself with every field preset: the request that
// carries the host's card sale and what the sale's service H leaves in the host (the refused sale is the
// operator script transacao_generico_recusado).
#include "Ambiente.h"
#include "BancoRoteirizado.h"
#include "frame/Lumomain.h"
#include "payment/Estadocontas.h"
#include "payment/Pagtogenericolumo.h"

#include <QLabel>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Banco = BancoRoteirizado;

// The generic-payment record with its flag at 25 and the network 037 at 22.
constexpr char kPagTrnGenRede037[] = "                      0371";

class PagamentoGenerico : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        Lumomain::GrupoPagto = QStringLiteral("1");
        Lumomain::Forma_Pagto = {'1', '1', '1', '1'};
        Lumomain::ServicoHzinho_Pagamento.atribui("PAGAMENTO DE CONTAS 805000000");
        Lumomain::ServicoHzinho_EmpresaTEF.acrescenta("EMPRESA0001 TEF");
        VortaSimDefineServidorLocal(&Banco::Atende, &banco_);
    }
    void TearDown() override {
        VortaSimDefineServidorLocal(nullptr, nullptr);
        Ambiente::TearDown();
    }

    // n accepted documents of 10,00, 20,00, ... consulted at indexes 0 .. n-1; the total in 1003.
    void Documentos(int n) {
        long long total = 0;
        Lumomain::IndiceDocsConsultadosOK.clear();
        for (int i = 0; i < n; ++i) {
            const std::string valor = std::to_string((i + 1) * 1000);
            total += (i + 1) * 1000;
            DefineCampo(1041, i, "2379000000" + std::to_string(i));
            DefineCampo(10154, i, valor);
            DefineCampo(10163, i, valor);
            DefineCampo(10164, i, valor);
            DefineCampo(10165, i, "0");
            DefineCampo(10166, i, "0");
            DefineCampo(10167, i, "1");
            DefineCampo(10168, i, "2379000000" + std::to_string(i));
            DefineCampo(10169, i, "10122026");
            Lumomain::IndiceDocsConsultadosOK.push_back(i);
        }
        Lumomain::QtdeDocsConsultadosOK = n;
        DefineCampo(1003, 0, std::to_string(total));
    }

    // Runs the dialog, which confirms itself; the title it showed.
    QString Executa() {
        std::unique_ptr<TFrmPagto_Gen> f(TFrmMod::Cria<TFrmPagto_Gen>(nullptr));
        EXPECT_NE(f, nullptr);
        if (!f) return {};
        int r = -1;
        const auto vistos = FechaDialogos([&] { r = f->Executa(); }, {Nada()});
        EXPECT_FALSE(vistos.prazoEsgotado);
        EXPECT_EQ(r, TFrmMod::mrOk);
        return f->lbTitulo->text();
    }

    Banco banco_;
};

// A reply service H of a card sale with each field at its place.
std::string ServicoH() {
    std::string h(90, '.');
    h.replace(2, 4, "0123");
    h.replace(12, 9, "NSU000777");
    h.replace(21, 15, "ESTAB0000000042");
    h.replace(36, 6, "061226");
    h.replace(61, 16, "************3458");
    h.replace(77, 6, "AUT123");
    h.replace(83, 2, "01");
    return h;
}

TEST_F(PagamentoGenerico, PagamentoGenericoLevaOServicoHDaVenda) {
    Documentos(3);
    Lumomain::ServicoHzinho_PagTrnGen.atribui(kPagTrnGenRede037);
    EscreveIni(QStringLiteral("Cliente.ini"), "[ClienteVorta]\r\nEmpresa=000012345678\r\n");
    DefineCampo(10107, 0, "1");
    DefineCampo(10112, 0, "037");
    DefineCampo(20017, 0, ServicoH());
    DefineCampo(1288, 0, "506722");
    EXPECT_EQ(Executa(), QString::fromUtf8("Pagamento com Cartão de Débito"));

    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 10158), "28");
    const std::pair<int, std::string> campos[] = {
        {1331, "NSU000777"},        {1013, "AUT123"}, {1385, "AUT123"},          {1386, "061226"},
        {1387, "************3458"}, {1388, "01"},     {1599, "ESTAB0000000042"}, {1020, "0123"},
        {1389, "506722"},
    };
    for (const auto& [campo, valor] : campos)
        EXPECT_EQ(Campo(campo), valor) << campo;
    // The sale goes after the documents: debit form "4:" before the total, the network, the sale's fields,
    // the establishment and the company of the host's configuration.
    EXPECT_EQ(banco_.ComPrefixo(0, 10163), "4:1000");
    std::vector<std::string> constantes;
    for (const auto& item : banco_.pedidos[0].itens)
        if (item.campo == 0) constantes.push_back(item.valor);
    for (const char* constante : {"37", "ESTAB0000000042", "000012345678"})
        EXPECT_NE(std::find(constantes.begin(), constantes.end(), constante), constantes.end()) << constante;
    // The request network becomes the generic-payment record's.
    EXPECT_EQ(Campo(10112), "037");
}

TEST_F(PagamentoGenerico, PagamentoGenericoDeCreditoTitulaEUsaForma3) {
    Documentos(1);
    DefineCampo(10107, 0, "0");
    DefineCampo(20017, 0, ServicoH());
    DefineCampo(10104, 0, "50672200001234");
    Lumomain::CodigoEmpresaTEF = QStringLiteral("EMPRESA00001");
    EXPECT_EQ(Executa(), QString::fromUtf8("Pagamento com Cartão de Crédito"));
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.ComPrefixo(0, 10163), "3:1000");
    // Without 1288 the first seven characters of the card data.
    EXPECT_EQ(Campo(1389), "5067220");
}

} // namespace
