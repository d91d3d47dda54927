// The payment-method menu and the settlement dialogs of the bill payment: which methods are offered, the
// documents' list, the cash change, the networks allowed, the debit card's PIN through the PIN pad, and the
// requests the bank receives for the accepted documents.
#include "Ambiente.h"
#include "BancoRoteirizado.h"
#include "Protocolo.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "padkit.h"
#include "payment/Estadocontas.h"
#include "payment/Menuformaspagto.h"
#include "payment/Pagtoemcartaodebito.h"
#include "payment/Pagtoemcartaodebitocontacb.h"
#include "payment/Pagtoemdinheiro.h"
#include "payment/Pagtogenericolumo.h"
#include "payment/Valoresmultiplasformas.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using Banco = BancoRoteirizado;

void GuardaPinpad(const char* tipo, const char* texto, void* contexto) {
    if (std::string_view(tipo) == "pinpad")
        static_cast<std::vector<std::string>*>(contexto)->emplace_back(texto);
}

// The generic-payment record with its flag at 25, with and without the network 037 at 22; the general
// record with the network 805 at 22 and the bank 399 at 25.
constexpr char kPagTrnGenGenerico[] = "                         1";
constexpr char kPagTrnGenRede037[] = "                      0371";
constexpr char kGeraisBanco399[] = "                      805399";

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class FormasPagto : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        using namespace Lumomain;
        GrupoPagto = QStringLiteral("1");
        Forma_Pagto = {'1', '1', '1', '1'};
        QtdeDocsConsultadosOK = 0;
        IndiceDocsConsultadosOK.clear();
        // Caption, network 805, then the option flags 23-28.
        ServicoHzinho_Pagamento.atribui("PAGAMENTO DE CONTAS 805000000");
        ServicoHzinho_PagTrnGen.limpa();
        ServicoHzinho_Redes_Credito_Debito.limpa();
        ServicoHzinho_21_Informacoes_Gerais_CB.limpa();
        ServicoHzinho_26_Limites.limpa();
        ServicoHzinho_EmpresaTEF.limpa();
        ServicoHzinho_EmpresaTEF.acrescenta("EMPRESA0001 TEF");
        acValorReferenciaBACEN3978.limpa();
        Contas::ServACP.limpa();
        RedeDestinoTEF.clear();
        EmpresaOriginal.clear();
        CodigoEmpresaTEF.clear();
        TrnADM = TrnCNC = false;
        VortaSimDefineServidorLocal(&Banco::Atende, &banco_);
        VortaSimDefineObservador(&GuardaPinpad, &pinpad_);
    }
    void TearDown() override {
        VortaSimDefineObservador(nullptr, nullptr);
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

    // A magnetic card on the PIN pad, and the PIN the customer will type.
    static void Cartao() {
        const int c = VortaSimPinpadAdicionaCartao("5067220000123458", "", "2912", "101",
                                                   VORTASIM_CARTAO_MAGNETICO, "805");
        VortaSimPinpadApresentaCartao(c);
        VortaSimPinpadDefineSenha("1234");
    }

    int Contagem(const char* inicio) const {
        return static_cast<int>(std::count_if(pinpad_.begin(), pinpad_.end(), [inicio](const std::string& e) {
            return e.rfind(inicio, 0) == 0;
        }));
    }

    Banco banco_;
    std::vector<std::string> pinpad_;
};

std::unique_ptr<TFrmMnu_For> Menu() {
    return std::unique_ptr<TFrmMnu_For>(TFrmMod::Cria<TFrmMnu_For>(nullptr));
}

std::vector<bool> Habilitadas(const TFrmMnu_For& m) {
    std::vector<bool> r;
    for (int i = 0; i < 7; ++i)
        r.push_back(m.spOpcao[static_cast<size_t>(i)]->isEnabled());
    return r;
}

// ---- Menu: methods offered and documents listed

TEST_F(FormasPagto, OpcoesSeguemDocumentosEServidor) {
    // Cash and debit only: the debit button follows the third flag, the credit button the fourth.
    Lumomain::Forma_Pagto = {'1', '0', '1', '0'};
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(Habilitadas(*m), (std::vector<bool>{true, false, false, true, false, false, false}));
    EXPECT_TRUE(m->spOpcao[7]->isHidden());
    EXPECT_EQ(m->spOpcao[3]->text(), U("&4 - Débito"));
    EXPECT_EQ(m->spOpcao[5]->text(), U("&6 - Déb PAGAMENTO "));
    EXPECT_EQ(m->spOpcao[6]->text(), U("&7 - Créd PAGAMENTO "));
    EXPECT_EQ(m->lbTitulo->text(), U("Formas de Pagamento"));

    // Credit alone: the fourth flag.
    Lumomain::Forma_Pagto = {'0', '0', '0', '1'};
    m = Menu();
    EXPECT_EQ(Habilitadas(*m), (std::vector<bool>{false, false, true, false, false, false, false}));
    EXPECT_TRUE(m->VerificaSeSomente1OpcaoEstaHabilitada());

    // Account debit needs both the payment record's flag 27 and the payment data's flag 60; credit 28 and 61.
    Lumomain::ServicoHzinho_Pagamento.atribui("PAGAMENTO DE CONTAS 805000011");
    Contas::ServACP.atribui(std::string(60, '0') + "10");
    m = Menu();
    EXPECT_TRUE(m->spOpcao[5]->isEnabled());
    EXPECT_FALSE(m->spOpcao[6]->isEnabled());
    EXPECT_FALSE(m->VerificaSeSomente1OpcaoEstaHabilitada());

    // The withdrawal: the till's switch, the generic-payment flag and the bank 399 of the general record.
    EscreveIni(QStringLiteral("ClienteTrn.ini"), "[CorrespondenteBancario]\r\nSaqueCB=1\r\n");
    Lumomain::ServicoHzinho_PagTrnGen.atribui(kPagTrnGenGenerico);
    m = Menu();
    EXPECT_FALSE(m->spOpcao[4]->isEnabled());
    Lumomain::ServicoHzinho_21_Informacoes_Gerais_CB.atribui(kGeraisBanco399);
    m = Menu();
    EXPECT_TRUE(m->spOpcao[4]->isEnabled());
    EscreveIni(QStringLiteral("ClienteTrn.ini"), "[CorrespondenteBancario]\r\nSaqueCB=0\r\n");
    m = Menu();
    EXPECT_FALSE(m->spOpcao[4]->isEnabled());
}

TEST_F(FormasPagto, GradeListaCadaDocumentoEOTotal) {
    Documentos(5);
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    const QTableWidget* g = m->STGDocumento;
    ASSERT_EQ(g->rowCount(), 5);
    for (int n = 0; n < 5; ++n) {
        ASSERT_NE(g->item(n, 2), nullptr);
        EXPECT_EQ(g->item(n, 0)->text(), QString::number(n + 1));
        EXPECT_EQ(g->item(n, 1)->text(), QStringLiteral("2379000000%1").arg(n));
        EXPECT_EQ(g->item(n, 2)->text(), QStringLiteral("%1,00").arg((n + 1) * 10));
    }
    EXPECT_EQ(g->horizontalHeaderItem(1)->text(), QStringLiteral("Documento"));
    EXPECT_EQ(m->edValor->text(), QStringLiteral("150,00"));
    EXPECT_FALSE(m->edValor->isEnabled());
    EXPECT_EQ(Campo(10172), "0");

    // Fewer documents than the grid's rows leave the rest empty; the list follows the consulted indexes.
    Documentos(2);
    Lumomain::IndiceDocsConsultadosOK = {1, 0};
    m = Menu();
    EXPECT_EQ(m->STGDocumento->rowCount(), 4);
    EXPECT_EQ(m->STGDocumento->item(0, 1)->text(), QStringLiteral("23790000001"));
    EXPECT_EQ(m->STGDocumento->item(2, 1), nullptr);
}

TEST_F(FormasPagto, RedesHabilitadasPeloTipoDeVenda) {
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    // No title: every network may pay.
    EXPECT_TRUE(m->TrataRedesHabilitadasPagamento());

    // Title, then the table: "02" places the list at offset 6, "01" lets the debit sales use it; the list
    // holds two networks.
    Lumomain::ServicoHzinho_Redes_Credito_Debito.atribui("REDES PAGAMENTO     0201000280512 ");
    DefineCampo(10107, 0, "0");
    Lumomain::RedeDestinoTEF = QStringLiteral("805");
    EXPECT_TRUE(m->TrataRedesHabilitadasPagamento());
    Lumomain::RedeDestinoTEF = QStringLiteral("12");
    EXPECT_TRUE(m->TrataRedesHabilitadasPagamento());
    Lumomain::RedeDestinoTEF = QStringLiteral("5");
    EXPECT_FALSE(m->TrataRedesHabilitadasPagamento());
    // Without the card's network, the first four characters of reply service 1.
    Lumomain::RedeDestinoTEF.clear();
    DefineCampo(20001, 0, "0805XYZ");
    EXPECT_TRUE(m->TrataRedesHabilitadasPagamento());

    DefineCampo(10107, 0, "1");
    Lumomain::RedeDestinoTEF = QStringLiteral("805");
    EXPECT_TRUE(m->TrataRedesHabilitadasPagamento());
    // The debit sales have no list of their own.
    Lumomain::ServicoHzinho_Redes_Credito_Debito.atribui("REDES PAGAMENTO     0200000280512 ");
    EXPECT_FALSE(m->TrataRedesHabilitadasPagamento());
    DefineCampo(10107, 0, "10");
    EXPECT_TRUE(m->TrataRedesHabilitadasPagamento());
}

TEST_F(FormasPagto, RedeRecusadaEncerraComResultado) {
    Documentos(1);
    Cartao();
    Lumomain::ServicoHzinho_PagTrnGen.atribui(kPagTrnGenGenerico);
    Lumomain::ServicoHzinho_Redes_Credito_Debito.atribui("REDES PAGAMENTO     020100011234");
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    int r = -1;
    const auto vistos = FechaDialogos([&] { r = m->Executa(); }, {PressionaDigito('3')});
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_EQ(r, TFrmMod::mrOk);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), Latin1("Rede não permitida"));
    EXPECT_TRUE(Resultado().has_value());
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(Campo(10107), "0");
}

// ---- Cash

class Dinheiro : public FormasPagto {
protected:
    TFrmPgt_Din* Abre() {
        form_.reset(TFrmMod::Cria<TFrmPgt_Din>(nullptr));
        EXPECT_NE(form_, nullptr);
        if (!form_) return nullptr;
        form_->show();
        EXPECT_TRUE(EsperaAtiva(form_.get()));
        QApplication::processEvents();
        return form_.get();
    }
    void TearDown() override {
        form_.reset();
        FormasPagto::TearDown();
    }
    std::unique_ptr<TFrmPgt_Din> form_;
};

TEST_F(Dinheiro, CincoDocumentosNumPedido) {
    Documentos(5);
    auto* f = Abre();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->lbTitulo->text(), QStringLiteral("Pagamento em Dinheiro"));
    EXPECT_EQ(f->lbVlrDinheiro->text(), QStringLiteral("Valor em Dinheiro:"));
    EXPECT_EQ(f->focusWidget(), f->edVlrDinheiro);
    EXPECT_EQ(f->lbMensagem->text(), U("Forneça o valor do pagamento em dinheiro"));
    // Enter on an empty amount: the value is taken, no change.
    Enter(f);
    EXPECT_EQ(f->edVlrDinheiro->text(), QStringLiteral("150,00"));
    EXPECT_TRUE(f->edVlrTroco->isHidden());
    EXPECT_EQ(f->focusWidget(), f->btConfirma);
    const auto vistos = FechaDialogos([&] { Enter(f); });
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrOk);

    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 10158), "16");
    EXPECT_EQ(banco_.Valor(0, 10102), "5");
    EXPECT_EQ(Campo(1112), "3");
    EXPECT_FALSE(banco_.Valor(0, 1250).has_value());
    // Each of the seven per-document fields once per document, in occurrence order.
    for (uint16_t campo = 10163; campo <= 10169; ++campo) {
        std::vector<uint16_t> ocorrencias;
        for (const auto& item : banco_.pedidos[0].itens)
            if (item.campo == campo) ocorrencias.push_back(item.ocorrencia);
        EXPECT_EQ(ocorrencias, (std::vector<uint16_t>{0, 1, 2, 3, 4})) << campo;
    }
    EXPECT_EQ(banco_.Valor(0, 10164, 4), "5000");
    EXPECT_EQ(Campo(1009), "00");
}

TEST_F(Dinheiro, TrocoSoAcimaDoValorEAbaixoRecusado) {
    Documentos(1);
    auto* f = Abre();
    ASSERT_NE(f, nullptr);
    f->edVlrDinheiro->setText(QStringLiteral("10,00"));
    EXPECT_TRUE(f->edVlrDinheiroExit());
    EXPECT_TRUE(f->edVlrTroco->isHidden());

    f->edVlrDinheiro->setText(QStringLiteral("9,99"));
    bool aceito = true;
    auto vistos = FechaDialogos([&] { aceito = f->edVlrDinheiroExit(); });
    EXPECT_FALSE(aceito);
    ASSERT_EQ(vistos.vistos.size(), 1u);
    EXPECT_EQ(
        vistos.vistos[0].texto,
        QStringLiteral("O valor Original excede o Valor do Pagamento em Dinheiro,\ninforme novamente."));
    EXPECT_TRUE(f->edVlrDinheiro->text().isEmpty());
    EXPECT_TRUE(f->edVlrTroco->isHidden());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);

    f->edVlrDinheiro->setText(QStringLiteral("50,00"));
    EXPECT_TRUE(f->edVlrDinheiroExit());
    EXPECT_FALSE(f->edVlrTroco->isHidden());
    EXPECT_EQ(f->edVlrTroco->text(), QStringLiteral("40,00"));
    EXPECT_TRUE(f->edVlrTroco->isReadOnly());
    vistos = FechaDialogos([&] { f->btConfirma->click(); });
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(Campo(1250), "4000");
}

TEST_F(Dinheiro, ConfirmaAbaixoDoValorNaoEnvia) {
    Documentos(2);
    auto* f = Abre();
    ASSERT_NE(f, nullptr);
    f->edVlrDinheiro->setText(QStringLiteral("5,00"));
    const auto vistos = FechaDialogos([&] { f->btConfirma->click(); });
    EXPECT_FALSE(vistos.vistos.empty());
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_EQ(f->ModalResult(), TFrmMod::mrNone);
    EXPECT_TRUE(f->btConfirma->isEnabled());
}

// ---- Debit card from the menu

TEST_F(FormasPagto, DebitoLeCartaoESenhaNoPinpad) {
    Documentos(2);
    Cartao();
    DefineCampo(10232, 0, "1");
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    int r = -1;
    // The amount comes from the documents: the debit dialog confirms itself as soon as it opens.
    const auto vistos = FechaDialogos([&] { r = m->Executa(); }, {PressionaDigito('4')});
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_EQ(r, TFrmMod::mrOk);
    // The BIN query read the card; the dialog asked the PIN and the amount's confirmation.
    EXPECT_GE(VortaSimPinpadQtdeLeituras(), 1);
    EXPECT_EQ(VortaSimPinpadQtdeSenhas(), 1);
    EXPECT_EQ(Contagem("confirmacao"), 1);
    EXPECT_EQ(Campo(10107), "11");
    EXPECT_EQ(Campo(10227), "1");

    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 10158), "18");
    EXPECT_EQ(banco_.Valor(0, 10102), "2");
    EXPECT_EQ(banco_.Valor(0, 10102, 1), "032");
    EXPECT_EQ(banco_.Valor(0, 1003), "3000");
    EXPECT_TRUE(banco_.Preenchido(0, 10104));
    EXPECT_TRUE(banco_.Preenchido(0, 10146));
    EXPECT_EQ(Campo(1112), "1");
}

TEST_F(FormasPagto, DebitoComFalhaNaConsultaDeBinsNaoAbreODialogo) {
    Documentos(1);
    Cartao();
    VortaSimBinsDefineFalha(true);
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    int r = -1;
    const auto vistos = FechaDialogos([&] { r = m->Executa(); }, {PressionaDigito('4')});
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_EQ(vistos.vistos.size(), 1u);
    EXPECT_EQ(r, TFrmMod::mrOk);
    EXPECT_TRUE(Resultado().has_value());
    EXPECT_TRUE(banco_.pedidos.empty());
}

TEST_F(FormasPagto, DebitoEmRedeLevaOsValoresAdicionais) {
    Documentos(1);
    Cartao();
    DefineCampo(10232, 0, "1");
    DefineCampo(10404, 0, "1");
    DefineCampo(10447, 0, "0");
    DefineCampo(10112, 0, "005");
    // The registered boleto's two additional amounts.
    Lumomain::iVeioServicoh45 = 1;
    std::string h45(361, '0');
    h45.replace(55, 12, "000000000150");
    h45.replace(67, 12, "000000000025");
    Lumomain::ServicoHzinho_45_DadosBoletoRegistrado.atribui(h45);
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    int r = -1;
    const auto vistos = FechaDialogos([&] { r = m->Executa(); }, {PressionaDigito('4')});
    Lumomain::iVeioServicoh45 = 0;
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_EQ(r, TFrmMod::mrOk);
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    // The network request: the payment network first, no 10112 after the method, the values at the end.
    ASSERT_FALSE(banco_.pedidos[0].itens.empty());
    EXPECT_EQ(banco_.pedidos[0].itens.front().campo, 10112);
    EXPECT_EQ(banco_.pedidos[0].itens.front().valor, "005");
    EXPECT_EQ(banco_.Valor(0, 10407), "648=150");
    EXPECT_EQ(banco_.Valor(0, 10407, 1), "2047=25");
    EXPECT_TRUE(banco_.Valor(0, 10440).has_value());
    EXPECT_EQ(banco_.Valor(0, 10158), "18");
}

// ---- Account card

TEST_F(FormasPagto, DebitoEmContaTipoDeContaECodigoDeSeguranca) {
    Documentos(1);
    Cartao();
    DefineCampo(10232, 0, "1");
    Lumomain::ServicoHzinho_Pagamento.atribui("PAGAMENTO DE CONTAS 805000011");
    Contas::ServACP.atribui(std::string(60, '0') + "11");
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    int r = -1;
    bool limpo = false;
    QString titulo;
    const auto vistos = FechaDialogos([&] { r = m->Executa(); }, {PressionaDigito('6'), [&](QWidget* w) {
                                                                      auto* d =
                                                                          static_cast<TFrmPgt_DebContaCB*>(w);
                                                                      titulo = d->lbTitulo->text();
                                                                      // "2" steps to the savings account.
                                                                      d->cbTipoConta->setFocus();
                                                                      Digita(d, "2");
                                                                      Enter(d);
                                                                      Digita(d, "a123");
                                                                      d->btConfirma->click();
                                                                      limpo = d->EdCSeg->text().isEmpty();
                                                                  }});
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_EQ(r, TFrmMod::mrOk);
    EXPECT_EQ(titulo, U("Déb PAGAMENTO DE CONTAS"));
    EXPECT_TRUE(limpo);
    EXPECT_EQ(VortaSimPinpadQtdeSenhas(), 1);
    EXPECT_EQ(Campo(10107), "11");
    EXPECT_EQ(Campo(10275), "0");
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 10158), "20");
    EXPECT_EQ(banco_.Valor(0, 10102, 1), "02");
    EXPECT_EQ(banco_.Valor(0, 10102, 3), "1");
    // The code typed (the letter refused) went in the request.
    const auto cseg = banco_.Valor(0, 10149);
    ASSERT_TRUE(cseg.has_value());
    EXPECT_EQ(cseg->size(), std::string("CSEG:").size() + 3);
}

// ---- Card invoice

TEST_F(FormasPagto, FaturaEmDinheiroUmaFormaPorDocumento) {
    Lumomain::GrupoPagto = QStringLiteral("2");
    Documentos(2);
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->spOpcao[7]->text(), U("&8 - Múltiplas Formas"));
    EXPECT_TRUE(m->spOpcao[7]->isEnabled());
    EXPECT_EQ(Campo(10188, 2), "0");
    int r = -1;
    const auto vistos = FechaDialogos([&] { r = m->Executa(); }, {PressionaDigito('1'), [](QWidget* w) {
                                                                      Enter(w);
                                                                      Enter(w);
                                                                  }});
    EXPECT_FALSE(vistos.prazoEsgotado);
    ASSERT_EQ(vistos.vistos.size(), 2u);
    EXPECT_EQ(vistos.vistos[1].classe, "TFrmPgt_DinFin");
    EXPECT_EQ(r, TFrmMod::mrOk);
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 10158), "16");
    // The invoice's requests carry the method inside each document's block.
    EXPECT_EQ(banco_.Valor(0, 1112, 0), "3");
    EXPECT_EQ(banco_.Valor(0, 1112, 1), "3");
}

TEST_F(FormasPagto, FaturaEmDinheiroEDebito) {
    Lumomain::GrupoPagto = QStringLiteral("2");
    Documentos(2);
    Cartao();
    DefineCampo(10232, 0, "1");
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    int r = -1;
    std::vector<bool> recusada;
    const auto vistos =
        FechaDialogos([&] { r = m->Executa(); }, {PressionaDigito('8'), [&](QWidget* w) {
                                                      auto* d = static_cast<TFrmCVC_MFP*>(w);
                                                      // One form alone is refused, and so is a sum other than
                                                      // the total.
                                                      d->edParte[0]->setText(QStringLiteral("30,00"));
                                                      d->btConfirma->click();
                                                      recusada.push_back(d->ModalResult() == TFrmMod::mrNone);
                                                      d->edParte[2]->setText(QStringLiteral("20,00"));
                                                      d->btConfirma->click();
                                                      recusada.push_back(d->ModalResult() == TFrmMod::mrNone);
                                                      d->edParte[0]->setText(QStringLiteral("10,00"));
                                                      d->btConfirma->click();
                                                  }});
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_EQ(recusada, (std::vector<bool>{true, true}));
    int caixas = 0;
    for (const auto& v : vistos.vistos)
        if (v.classe == "QMessageBox") {
            ++caixas;
            EXPECT_EQ(v.texto, U("Os valores informados estão incorretos,\n\rinforme-os novamente"));
        }
    EXPECT_EQ(caixas, 2);
    EXPECT_EQ(r, TFrmMod::mrOk);
    EXPECT_EQ(Campo(10107), "13");
    EXPECT_EQ(VortaSimPinpadQtdeSenhas(), 1);
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 10158), "18");
    EXPECT_EQ(banco_.Valor(0, 10185), "2000");
    EXPECT_EQ(banco_.Valor(0, 10183), "1000");
    EXPECT_EQ(banco_.Valor(0, 10189), "2");
    EXPECT_EQ(banco_.Valor(0, 10188), "1");
    EXPECT_EQ(banco_.Valor(0, 10188, 2), "1");
    EXPECT_EQ(Campo(10188, 1), "0");
}

// ---- The host's card sale before a generic payment

class VendaGenerica : public FormasPagto {
protected:
    void SetUp() override {
        FormasPagto::SetUp();
        Documentos(2);
        Cartao();
        Lumomain::ServicoHzinho_PagTrnGen.atribui(kPagTrnGenRede037);
        DefineCampo(20017, 0, std::string(90, '0'));
        DefineCampo(1103, 0, "ORIGINAL");
        DefineCampo(1017, 0, "3");
    }
};

TEST_F(VendaGenerica, DebitoVendidoNoHostEDepoisInformado) {
    VortaSimDefineModuloTEF(VORTASIM_MODULO_EXECUTA, "00", 0, 0);
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    int r = -1;
    const auto vistos = FechaDialogos([&] { r = m->Executa(); }, {PressionaDigito('4')});
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_EQ(r, TFrmMod::mrOk);
    char codigo[8] = {};
    int a = -1, b = -1;
    VortaSimUltimoModuloTEF(codigo, sizeof codigo, &a, &b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
    // The sale reported with the documents; the host's own settings back as they were.
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 10158), "28");
    EXPECT_EQ(banco_.ComPrefixo(0, 10163), "4:1000");
    EXPECT_EQ(Campo(10107), "1");
    EXPECT_EQ(Campo(10236), "0");
    EXPECT_EQ(Campo(1103), "ORIGINAL");
    EXPECT_EQ(Campo(1017), "3");
}

TEST_F(VendaGenerica, VendaRecusadaNaoEnviaOPagamento) {
    VortaSimDefineModuloTEF(VORTASIM_MODULO_EXECUTA, "05", 0, 0);
    host::LimpaCampo(1103);
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    int r = -1;
    const auto vistos = FechaDialogos([&] { r = m->Executa(); }, {PressionaDigito('3')});
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_EQ(vistos.vistos.size(), 1u);
    EXPECT_EQ(r, TFrmMod::mrOk);
    EXPECT_TRUE(banco_.pedidos.empty());
    EXPECT_TRUE(Resultado().has_value());
    EXPECT_EQ(Campo(1009), "05");
    EXPECT_EQ(Campo(10236), std::nullopt);
    EXPECT_EQ(Campo(10237), std::nullopt);
    EXPECT_EQ(Campo(1103), std::nullopt);
    // A credit sale was narrowed to one instalment for the host's sale.
    EXPECT_EQ(Campo(10107), "0");
    EXPECT_EQ(Lumomain::QtdParcelasOriginal, QStringLiteral("3"));
}

// ---- Withdrawal

TEST_F(FormasPagto, SaqueSemCartaoEncerraCancelado) {
    Documentos(1);
    EscreveIni(QStringLiteral("ClienteTrn.ini"), "[CorrespondenteBancario]\r\nSaqueCB=1\r\n");
    Lumomain::ServicoHzinho_PagTrnGen.atribui(kPagTrnGenGenerico);
    Lumomain::ServicoHzinho_21_Informacoes_Gerais_CB.atribui(kGeraisBanco399);
    // No card is presented: the read fails.
    VortaSimPinpadApresentaCartao(-1);
    auto m = Menu();
    ASSERT_NE(m, nullptr);
    int r = -1;
    const auto vistos = FechaDialogos([&] { r = m->Executa(); }, {PressionaDigito('5')});
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_EQ(r, TFrmMod::mrOk);
    EXPECT_EQ(Campo(1009), "FF");
    EXPECT_EQ(Campo(1027), "Operacao Cancelada");
    EXPECT_TRUE(Resultado().has_value());
}

// ---- Generic card payment

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

TEST_F(FormasPagto, PagamentoGenericoLevaOServicoHDaVenda) {
    Documentos(3);
    Lumomain::ServicoHzinho_PagTrnGen.atribui(kPagTrnGenRede037);
    Lumomain::CodigoEmpresaTEF.clear();
    EscreveIni(QStringLiteral("Cliente.ini"), "[ClienteVorta]\r\nEmpresa=000012345678\r\n");
    DefineCampo(10107, 0, "1");
    DefineCampo(10112, 0, "037");
    DefineCampo(20017, 0, ServicoH());
    DefineCampo(1288, 0, "506722");
    std::unique_ptr<TFrmPagto_Gen> f(TFrmMod::Cria<TFrmPagto_Gen>(nullptr));
    ASSERT_NE(f, nullptr);
    int r = -1;
    // Every field preset: the dialog confirms itself.
    const auto vistos = FechaDialogos([&] { r = f->Executa(); }, {Nada()});
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_EQ(r, TFrmMod::mrOk);
    EXPECT_EQ(f->lbTitulo->text(), U("Pagamento com Cartão de Débito"));

    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.Valor(0, 10158), "28");
    EXPECT_EQ(Campo(1331), "NSU000777");
    EXPECT_EQ(Campo(1013), "AUT123");
    EXPECT_EQ(Campo(1385), "AUT123");
    EXPECT_EQ(Campo(1386), "061226");
    EXPECT_EQ(Campo(1387), "************3458");
    EXPECT_EQ(Campo(1388), "01");
    EXPECT_EQ(Campo(1599), "ESTAB0000000042");
    EXPECT_EQ(Campo(1020), "0123");
    EXPECT_EQ(Campo(1389), "506722");
    // The sale goes after the documents: debit form "4:" before the total, the network, the sale's fields,
    // the establishment and the company of the host's configuration.
    EXPECT_EQ(banco_.ComPrefixo(0, 10163), "4:1000");
    std::vector<std::string> constantes;
    for (const auto& item : banco_.pedidos[0].itens)
        if (item.campo == 0) constantes.push_back(item.valor);
    EXPECT_NE(std::find(constantes.begin(), constantes.end(), "37"), constantes.end());
    EXPECT_NE(std::find(constantes.begin(), constantes.end(), "ESTAB0000000042"), constantes.end());
    EXPECT_NE(std::find(constantes.begin(), constantes.end(), "000012345678"), constantes.end());
    // The request network becomes the generic-payment record's.
    EXPECT_EQ(Campo(10112), "037");
}

TEST_F(FormasPagto, PagamentoGenericoDeCreditoTitulaEUsaForma3) {
    Documentos(1);
    DefineCampo(10107, 0, "0");
    DefineCampo(20017, 0, ServicoH());
    DefineCampo(10104, 0, "50672200001234");
    Lumomain::CodigoEmpresaTEF = QStringLiteral("EMPRESA00001");
    std::unique_ptr<TFrmPagto_Gen> f(TFrmMod::Cria<TFrmPagto_Gen>(nullptr));
    ASSERT_NE(f, nullptr);
    const auto vistos = FechaDialogos([&] { f->Executa(); }, {Nada()});
    EXPECT_FALSE(vistos.prazoEsgotado);
    EXPECT_EQ(f->lbTitulo->text(), U("Pagamento com Cartão de Crédito"));
    ASSERT_EQ(banco_.pedidos.size(), 1u);
    EXPECT_EQ(banco_.ComPrefixo(0, 10163), "3:1000");
    // Without 1288 the first seven characters of the card data.
    EXPECT_EQ(Campo(1389), "5067220");
}

} // namespace
