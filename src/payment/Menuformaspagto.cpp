#include "payment/Menuformaspagto.h"

#include "frame/Coletavalortrn.h"
#include "frame/Fabricas.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "host/IniFile.h"
#include "payment/Estadocontas.h"
#include "payment/Liquidacaocontas.h"
#include "payment/Pagtochequemultiplasformas.h"
#include "payment/Pagtodebitomultiplasformas.h"
#include "payment/Pagtoemcartaocontacbmodelo.h"
#include "payment/Pagtoemcartaocredito.h"
#include "payment/Pagtoemcartaocreditocontacb.h"
#include "payment/Pagtoemcartaocreditofininvest.h"
#include "payment/Pagtoemcartaodebito.h"
#include "payment/Pagtoemcartaodebitocontacb.h"
#include "payment/Pagtoemcartaodebitofininvest.h"
#include "payment/Pagtoemcheque.h"
#include "payment/Pagtoemchequefininvest.h"
#include "payment/Pagtoemdinheiro.h"
#include "payment/Pagtoemdinheirofininvest.h"
#include "payment/Pagtogenericofininvestlumo.h"
#include "payment/Pagtogenericolumo.h"
#include "payment/Valoresmultiplasformas.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <optional>

namespace Lumomain {
QString TrnHabilitadasStorelinkOriginal;
QString QtdParcelasOriginal;
} // namespace Lumomain

TFrmMnu_For* FrmMnu_For = nullptr;

using namespace Lumomain;
using Liquidacao::Grava;

namespace {

using msg::Texto;

// Grid rows shown even with fewer documents; each document beyond them adds one.
constexpr int LINHAS_GRADE = 4;
// Function code of another payment module's card sale and its two pass-through codes.
constexpr int FUNCAO_VENDA_TEF = 4;
constexpr int VENDA_TEF_A = 2;
constexpr int VENDA_TEF_B = 1;
// Card-reading kind of the withdrawal accounts.
constexpr int TIPO_CARTAO_SAQUE = 1;

bool Fininvest() {
    return GrupoPagto == QLatin1String("2");
}

bool FlagPagamentoGenerico() {
    return ServicoHzinho_PagTrnGen.texto(25, 1) == QLatin1String("1");
}

// The generic (TEF) payment: the bill payment group and the server's generic-payment flag.
bool PagamentoGenerico() {
    return GrupoPagto == QLatin1String("1") && FlagPagamentoGenerico();
}

void GuardaResultadoBins(const host::ResultadoBins& r) {
    RedeDestinoTEF = r.redeDestino;
    EmpresaOriginal = r.empresaOriginal;
    CodigoEmpresaTEF = r.codigoEmpresa;
}

// The BIN query: reads the card and finds its network and TEF company among the server's companies.
bool FazConsultaBins(QLabel* mensagem) {
    host::ResultadoBins r;
    const bool ok = host::FazConsultaBins(1, ServicoHzinho_EmpresaTEF.dados,
                                          ServicoHzinho_EmpresaTEF.quantidade(), r, mensagem);
    GuardaResultadoBins(r);
    return ok;
}

// The query of a network bill payment: the card's own network goes to RedeDestinoTEF while the request
// keeps the payment network of 10112.
bool FazConsultaBinsRedeDestino(QLabel* mensagem) {
    const QString redePagamento = host::LeCampo(10112);
    const bool ok = FazConsultaBins(mensagem);
    Grava(10112, redePagamento);
    return ok;
}

bool Caractere(const QString& texto, int posicao) {
    return texto.mid(posicao, 1) == QLatin1String("1");
}

bool FormaPermitida(int indice) {
    return Forma_Pagto.at(static_cast<size_t>(indice)) == '1';
}

// The network codes of the table: a 2-digit count at the offset, then that many 3-digit codes.
bool RedeNaLista(const QString& tabela, int offset, const QString& rede) {
    bool ok = false;
    const int quantidade = tabela.mid(offset, 2).toInt(&ok);
    if (!ok) return false;
    const QString alvo = host::PreencherZerosEsquerda(rede.trimmed(), 4);
    for (int i = 0; i < quantidade; ++i) {
        const QString codigo = tabela.mid(offset + 2 + 3 * i, 3).trimmed();
        if (!codigo.isEmpty() && host::PreencherZerosEsquerda(codigo, 4) == alvo) return true;
    }
    return false;
}

// Cash, cheque, credit, debit: the credit button follows the fourth flag, the debit button the third.
bool FormaDoBotao(int opcao, bool) {
    static constexpr int kForma[] = {0, 1, 3, 2};
    return FormaPermitida(kForma[opcao - 1]);
}

// The account-card and withdrawal services are the bill payment's own.
bool SaqueOferecido(int, bool) {
    const IniFile ini(IniFile::NoDiretorioHost(QStringLiteral("ClienteTrn.ini")));
    return !Fininvest() &&
           ini.LeInteiro(QStringLiteral("CorrespondenteBancario"), QStringLiteral("SaqueCB"), 0) != 0 &&
           Caractere(ServicoHzinho_PagTrnGen.texto(0, 26), 25) &&
           ServicoHzinho_Informacoes_Gerais_CB.texto(25, 3) == QLatin1String("399");
}

// Debit (option 6) and credit (option 7) on the correspondent's account: a flag of the payment record and one
// of the account-card service each.
bool ContaCBOferecida(int opcao, bool) {
    const int i = opcao - 6;
    return !Fininvest() && Caractere(ServicoHzinho_Pagamento.texto(0, 29), 27 + i) &&
           Caractere(Contas::ServACP.texto(0, 78), 60 + i);
}

// Several forms among cash, cheque and debit: only the card invoice may be paid so.
bool MultiplasFormasOferecidas(int, bool) {
    return Fininvest() && int{FormaPermitida(0)} + int{FormaPermitida(1)} + int{FormaPermitida(2)} >= 2;
}

using M = TFrmMnu_For;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {msg::OpcaoDinheiro, {}, FormaDoBotao, &M::spOpcao1Click},
    {msg::OpcaoCheque, {}, FormaDoBotao, &M::spOpcao2Click},
    {msg::OpcaoCredito, {}, FormaDoBotao, &M::spOpcao3Click},
    {msg::OpcaoDebito, {}, FormaDoBotao, &M::spOpcao4Click},
    {msg::OpcaoSaque, {}, SaqueOferecido, &M::spOpcao5Click},
    {msg::OpcaoDeb, {}, ContaCBOferecida, &M::spOpcao6Click},
    {msg::OpcaoCred, {}, ContaCBOferecida, &M::spOpcao7Click},
    {msg::OpcaoMultiplasFormas, {}, MultiplasFormasOferecidas, &M::spOpcao8Click},
};

} // namespace

TFrmMnu_For::TFrmMnu_For(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), msg::TituloFormasPagamento, kOpcoes, msg::MsgFormaPagamento) {
    // The documents on the left, the methods on the right.
    pnMenu->setGeometry(372, 56, 240, 306);
    for (QPushButton* b : spOpcao)
        b->setGeometry(b->x(), b->y(), 220, b->height());
    spEncerra->setGeometry(spEncerra->x(), spEncerra->y(), 220, spEncerra->height());

    STGDocumento = new QTableWidget(0, 3, this);
    STGDocumento->setObjectName(QStringLiteral("STGDocumento"));
    STGDocumento->setGeometry(10, 56, 352, 250);
    STGDocumento->setEditTriggers(QAbstractItemView::NoEditTriggers);
    STGDocumento->setFocusPolicy(Qt::NoFocus);
    STGDocumento->setSelectionMode(QAbstractItemView::NoSelection);
    STGDocumento->verticalHeader()->hide();
    STGDocumento->setHorizontalHeaderLabels(
        {Texto(msg::InfoCelula0), Texto(msg::InfoCelula1), Texto(msg::InfoCelula2)});
    // The amounts must stay in view beside the option panel: the document column takes what is left and
    // elides the middle of the line rather than pushing "Valor" behind a scroll bar.
    STGDocumento->setColumnWidth(0, 30);
    STGDocumento->setColumnWidth(2, 90);
    STGDocumento->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    STGDocumento->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    STGDocumento->setTextElideMode(Qt::ElideMiddle);
    STGDocumento->setWordWrap(false);

    lbValor = new QLabel(Texto(msg::InfoValorPagamento), this);
    lbValor->setObjectName(QStringLiteral("lbValor"));
    lbValor->setGeometry(10, 318, 120, 28);
    edValor = new QLineEdit(this);
    edValor->setObjectName(QStringLiteral("edValor"));
    edValor->setGeometry(140, 318, 222, 28);
    edValor->setMaxLength(12);
    edValor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edValor->setReadOnly(true);
    edValor->setFocusPolicy(Qt::NoFocus);
}

void TFrmMnu_For::IniciaFormularioMenu() {
    TFrmMnu_Mod::IniciaFormularioMenu();
    DefineMensagem(Texto(msg::MsgFormaPagamento));
    // The account options name the payment's service.
    const QString servico = ServicoHzinho_Pagamento.texto(0, 20).left(10);
    DefineOpcao(6, Texto(msg::OpcaoDeb) + QLatin1Char(' ') + servico);
    DefineOpcao(7, Texto(msg::OpcaoCred) + QLatin1Char(' ') + servico);
    // Only the card invoice may be paid in several forms.
    if (!Fininvest()) spOpcao[7]->hide();

    const QString total = host::RemoveFormato(host::LeCampo(1003));
    edValor->setText(total.isEmpty() ? QString() : host::Dollar(total));
    edValor->setEnabled(total.isEmpty());

    const int qtde = std::max(0, QtdeDocsConsultadosOK);
    STGDocumento->clearContents();
    STGDocumento->setRowCount(std::max(LINHAS_GRADE, qtde));
    for (int n = 1; n <= qtde; ++n) {
        const int indice = SlotDoDocumento(n);
        const QString valor = host::RemoveFormato(host::LeCampo(10154, n - 1));
        STGDocumento->setItem(n - 1, 0, new QTableWidgetItem(QString::number(n)));
        STGDocumento->setItem(n - 1, 1, new QTableWidgetItem(host::LeCampo(1041, indice)));
        auto* celula = new QTableWidgetItem(valor.isEmpty() ? QString() : host::Dollar(valor));
        celula->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        STGDocumento->setItem(n - 1, 2, celula);
    }

    Grava(10172, QStringLiteral("0"));
    // The bill queries are over: the parameter load's service A, set aside by the payments menu, goes back.
    // Its copy lies where a card sale keeps its receipt lines, and the settlement's closing would otherwise
    // print the parameter records after the bank's receipt.
    if (!Fininvest()) RecuperaServicoAConsParam();
    if (Fininvest())
        for (int i = 0; i < 3; ++i)
            Grava(10188, QStringLiteral("0"), i);
    iTransacoesHabilitadasFininvest = 0;
    bUltimaUnicaFormaPagamentoSelecionadaFininvest = false;
    RedesHabilitadasPagamento = false;
}

void TFrmMnu_For::VerificaOpcoesHabilitadas() {
    TFrmMnu_Mod::VerificaOpcoesHabilitadas();
    if (!Fininvest()) return;
    iTransacoesHabilitadasFininvest = 0;
    for (int i = 0; i < 4; ++i)
        if (spOpcao[static_cast<size_t>(i)]->isEnabled()) ++iTransacoesHabilitadasFininvest;
}

bool TFrmMnu_For::VerificaSeSomente1OpcaoEstaHabilitada() {
    int habilitadas = 0;
    for (int i = 0; i < 8; ++i) {
        const QPushButton* b = spOpcao[static_cast<size_t>(i)];
        if (b->isVisibleTo(this) && b->isEnabled()) ++habilitadas;
    }
    bUltimaUnicaFormaPagamentoSelecionadaFininvest = Fininvest() && habilitadas == 1;
    return habilitadas == 1;
}

bool TFrmMnu_For::GravaDadosSaquePagamentoContas() {
    return Grava(10103, QStringLiteral("1")) && Grava(10107, QStringLiteral("6"));
}

bool TFrmMnu_For::TrataRedesHabilitadasPagamento() {
    const auto& registro = ServicoHzinho_Redes_Credito_Debito;
    RedesHabilitadasPagamento = true;
    if (registro.vazio(0, 20)) return true;
    QString rede = RedeDestinoTEF.trimmed();
    if (rede.isEmpty()) rede = host::LeCampo(20001).left(4).trimmed();
    // The table follows the 20-character title: its first two digits place the list of the credit sales,
    // the next two say whether the other sale types have one.
    const QString tabela = registro.texto(20, 1030);
    const QString tipo = host::LeCampo(10107).trimmed();
    const bool credito =
        tipo == QLatin1String("0") || tipo == QLatin1String("10") || tipo == QLatin1String("12");
    bool ok = false;
    const int entrada = tabela.left(2).toInt(&ok);
    if (!ok) return RedesHabilitadasPagamento = false;
    if (!credito) {
        bool okOutros = false;
        const int outros = tabela.mid(2, 2).toInt(&okOutros);
        if (!okOutros || outros <= 0) return RedesHabilitadasPagamento = false;
    }
    RedesHabilitadasPagamento = RedeNaLista(tabela, 3 * entrada, rede);
    return RedesHabilitadasPagamento;
}

void TFrmMnu_For::EncerraComResultado() {
    Encerra();
}

bool TFrmMnu_For::PreparaPagamentoCartao(bool redeDestino) {
    if (!Grava(10227, QStringLiteral("1"))) return false;
    Grava(10313, QStringLiteral("1"));
    Grava(10314, GrupoPagto);
    Grava(10315, QStringLiteral("1"));
    const bool ok = redeDestino ? FazConsultaBinsRedeDestino(lbMensagem) : FazConsultaBins(lbMensagem);
    if (!ok) {
        ProcessaMensagens();
        EncerraComResultado();
        return false;
    }
    if (PagamentoGenerico() && !TrataRedesHabilitadasPagamento()) {
        Grava(1027, Texto(msg::ErroRedenaopermitida));
        Grava(1009, QStringLiteral("FF"));
        EncerraComResultado();
        return false;
    }
    return true;
}

void TFrmMnu_For::AposOpcao() {
    HabilitaDesabilitaBotoes(true);
    DefineMensagem(Texto(msg::MsgFormaPagamento));
    VerificaSeSomente1OpcaoEstaHabilitada();
}

bool TFrmMnu_For::spOpcao1Click() {
    if (Fininvest())
        AbreFormulario(FrmPgt_DinFin, "FrmPgt_Din");
    else
        AbreFormulario(FrmPgt_Din);
    return true;
}

bool TFrmMnu_For::spOpcao2Click() {
    if (Fininvest())
        AbreFormulario(FrmPgt_ChqFin, "FrmPgt_Chq");
    else
        AbreFormulario(FrmPgt_Chq);
    return true;
}

bool TFrmMnu_For::spOpcao3Click() {
    const bool generico = PagamentoGenerico();
    if (generico) {
        Grava(10107, QStringLiteral("0"));
    } else {
        Grava(10102, QStringLiteral("SEQ_CB:1"));
        Grava(10107, Fininvest() ? QStringLiteral("12") : QStringLiteral("10"));
    }
    if (!PreparaPagamentoCartao(false)) return false;
    if (generico) {
        if (!RealizaProcedimentosTEFPagtoGenerico(this)) return false;
        AbreFormulario(FrmPagto_Gen);
    } else if (Fininvest()) {
        AbreFormulario(FrmPgt_CrdFin, "FrmPgt_Crd");
    } else {
        AbreFormulario(FrmPgt_Crd);
    }
    return true;
}

bool TFrmMnu_For::spOpcao4Click() {
    // The card invoice's debit goes through the host's sale as well when the server asks for it.
    const bool genericoFininvest = Fininvest() && FlagPagamentoGenerico();
    const bool generico = PagamentoGenerico();
    if (generico || genericoFininvest) {
        Grava(10107, QStringLiteral("1"));
    } else {
        Grava(10102, QStringLiteral("SEQ_CB:1"));
        Grava(10107, Fininvest() ? QStringLiteral("13") : QStringLiteral("11"));
    }
    const bool redeDestino = Liquidacao::PagamentoRede() && host::LeCampo(10107) == QLatin1String("11");
    if (!PreparaPagamentoCartao(redeDestino)) return false;
    if (generico || genericoFininvest) {
        if (!RealizaProcedimentosTEFPagtoGenerico(this)) return false;
        if (genericoFininvest)
            AbreFormulario(FrmPagto_GenFin, "FrmPagto_Gen");
        else
            AbreFormulario(FrmPagto_Gen);
    } else if (Fininvest()) {
        AbreFormulario(FrmPgt_DebFin, "FrmPgt_Deb");
    } else {
        AbreFormulario(FrmPgt_Deb);
    }
    return true;
}

bool TFrmMnu_For::spOpcao5Click() {
    if (!LeAnalisaCartaoCB(TIPO_CARTAO_SAQUE, lbMensagem)) {
        Grava(1027, Texto(msg::ErroOperacaoCancelada));
        Grava(1009, QStringLiteral("FF"));
        EncerraComResultado();
        return false;
    }
    // Until the bank answers the withdrawal, an end of the dialog reads as the operator's cancellation: a
    // chip step that fails closes it without a reply, and 1009 still holds the bill query's approval.
    Grava(1027, Texto(msg::ErroOperacaoCancelada));
    Grava(1009, QStringLiteral("FF"));
    bStatusCapturaSenha = true;
    // The withdrawal is the cash area's screen, entered there.
    TFrmMod* saque = nullptr;
    const Fabricas::Fabrica cria = Fabricas::Busca("TFrmSaquePagtoCta_CMag");
    if (!cria || !CriaExecutaFormImpl(cria, this, saque)) {
        MenusEntrada::FalhaCriacao(this, "FrmSaquePagtoCta_CMag");
        return true;
    }
    if (ModalResult() == mrNone) {
        // The operator went back: the card read for this withdrawal is done with.
        if (bPinpadCBAberto) {
            host::FechaPinpadCB();
            bPinpadCBAberto = false;
        }
        return true;
    }
    // A PIN the customer did not give has already been reported.
    if (!bStatusCapturaSenha) return false;
    // Only an approved withdrawal pays the bills; a refusal goes to the host as the bank gave it.
    if (!host::Aprovada() || !GravaDadosSaquePagamentoContas()) {
        host::GravaArquivo();
        return false;
    }
    AbreFormulario(FrmPagto_Gen);
    return true;
}

bool TFrmMnu_For::spOpcao6Click() {
    Grava(10107, QStringLiteral("11"));
    TrataGravacao_SEQ_CB();
    Grava(10217, ServicoHzinho_Pagamento.texto(0, 20));
    Grava(10275, ServicoHzinho_25_InformacaoModoTransacao.inteiro(54, 3, 0) == 2 ? QStringLiteral("1")
                                                                                 : QStringLiteral("0"));
    if (!PreparaPagamentoCartao(false)) return false;
    AbreFormulario(FrmPgt_DebContaCB);
    return true;
}

bool TFrmMnu_For::spOpcao7Click() {
    Grava(10107, QStringLiteral("10"));
    TrataGravacao_SEQ_CB();
    Grava(10217, ServicoHzinho_Pagamento.texto(0, 20));
    Grava(10275, ServicoHzinho_25_InformacaoModoTransacao.inteiro(54, 3, 0) == 2 ? QStringLiteral("1")
                                                                                 : QStringLiteral("0"));
    if (!PreparaPagamentoCartao(false)) return false;
    AbreFormulario(FrmPgt_CredContaCB);
    return true;
}

bool TFrmMnu_For::spOpcao8Click() {
    using namespace Valoresmultiplasformas;
    const int divisao = Coletavalortrn::ExecutaColeta<TFrmCVC_MFP>(QStringLiteral("FrmCVC_MFP"));
    if (divisao == mrNone) {
        // Could not be created: already reported to the host.
        setModalResult(mrOk);
        return false;
    }
    if (divisao != mrOk) return true;
    if (Usada(DEBITO)) {
        Grava(10102, QStringLiteral("SEQ_CB:1"));
        Grava(10107, QStringLiteral("13"));
        if (!PreparaPagamentoCartao(false)) return false;
    }
    // The cheques bring their own data dialog; without them the card's part leads.
    if (Usada(CHEQUE))
        AbreFormulario(FrmPFN_Chq_MFP);
    else
        AbreFormulario(FrmPFN_Deb_MFP);
    return true;
}

void HabilitaSomenteCompraAVista() {
    TrnHabilitadasStorelinkOriginal = host::LeCampo(1103);
    const int tipo = host::LeCampoInteiro(10107, 0, -1);
    if (tipo == 0) {
        QtdParcelasOriginal = host::LeCampo(1017);
        Grava(1017, QStringLiteral("1"));
    } else if (tipo == 1) {
        QString mapa(128, QLatin1Char('0'));
        mapa[STORELINK_TRANSACAO_HABILITADA_DEBITO_AVISTA - 1] = QLatin1Char('1');
        Grava(1103, mapa);
    }
}

namespace {

void RestauraHabilitadasStorelink() {
    if (TrnHabilitadasStorelinkOriginal.isEmpty())
        host::LimpaCampo(1103);
    else
        Grava(1103, TrnHabilitadasStorelinkOriginal);
}

} // namespace

bool RealizaProcedimentosTEFPagtoGenerico(TFrmMod* form) {
    host::GravaAudit(QStringLiteral("Entrou: RealizaProcedimentosTEFPagtoGenerico."));
    Grava(10236, QStringLiteral("0"));
    Grava(10237, QStringLiteral("1"));
    // The card invoice's sale is of the value paid by card, not the documents' total.
    std::optional<QString> totalOriginal;
    if (Fininvest()) {
        const QString total = host::LeCampo(1003);
        const QString cartao = host::LeCampo(10185);
        if (cartao != total) {
            totalOriginal = total;
            Grava(1003, cartao);
        }
    }
    HabilitaSomenteCompraAVista();
    const bool ok = RealizaTransacaoModuloTEF(FUNCAO_VENDA_TEF, VENDA_TEF_A, VENDA_TEF_B);
    if (totalOriginal) Grava(1003, *totalOriginal);
    if (!ok) {
        host::LimpaCampo(10236);
        host::LimpaCampo(10237);
        Grava(1037, EmpresaOriginal);
        RestauraHabilitadasStorelink();
        host::GravaArquivo();
        if (form) form->setModalResult(TFrmMod::mrOk);
        host::GravaAudit(QStringLiteral("Saiu Erro: RealizaProcedimentosTEFPagtoGenerico."));
        return false;
    }
    GravaServicoI();
    Grava(1037, EmpresaOriginal);
    RestauraHabilitadasStorelink();
    host::GravaAudit(QStringLiteral("Saiu: RealizaProcedimentosTEFPagtoGenerico."));
    return true;
}
