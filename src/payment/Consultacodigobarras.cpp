#include "payment/Consultacodigobarras.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "payment/Coletacampocpfcnpjdadosadicionaisboletoregistrado.h"
#include "payment/Consultapagamento.h"
#include "payment/Estadocontas.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "protocol/Variaveis.h"
#include "resources/Mensagens.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Consultacodigobarras {

using namespace Tabelatrn::Notacao;

constinit std::array<char, 64> NUMERO_DOCUMENTO{};

CB_DESCRITOR(Consultacodigobarras, TrnConsultaCodigoBarras,
             Descritor(242, 0, {A, F(1040), K(NUMERO_DOCUMENTO).fmt(4), F(10439, "BOLREG:")}));

} // namespace Consultacodigobarras

using namespace Lumomain;

TFrmCAP_CCB* FrmCAP_CCB = nullptr;

namespace {

using msg::Texto;

using host::Grava;

// A slot the operator left without an answer from the bill query is emptied, as if never captured.
bool SlotAbandonado(int indice) {
    return !Contas::ConsultaPagtoOK && host::LeCampo(1121, indice).isEmpty();
}

void LimpaSlot(int indice) {
    Grava(1041, {}, indice);
    Grava(1120, {}, indice);
    Grava(1173, {}, indice);
}

} // namespace

TFrmCAP_CCB::TFrmCAP_CCB(QWidget* pai) : TFrmCAP_Mod(pai, QString()) {
    lbvalortotal = new QLabel(Texto(msg::InfoValorParcial), this);
    lbvalortotal->setObjectName(QStringLiteral("lbvalortotal"));
    lbvalortotal->setGeometry(330, 180, 110, 26);
    edValorParcial = new QLineEdit(this);
    edValorParcial->setObjectName(QStringLiteral("edValorParcial"));
    edValorParcial->setGeometry(440, 180, 160, 26);
    edValorParcial->setMaxLength(12);
    edValorParcial->setReadOnly(true);
    edValorParcial->setFocusPolicy(Qt::NoFocus);
    edValorParcial->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(EdDoc, &QLineEdit::textEdited, this, [this] { Protegido([this] { EdDocChange(); }); });
}

void TFrmCAP_CCB::IniciaCamposForm() {
    if (IndiceAtual < 1) Contas::Limpa();
    TFrmCAP_Mod::IniciaCamposForm();
    Tag = 1;
    Descritor = &Consultacodigobarras::TrnConsultaCodigoBarras;
    DefineTitulo(Texto(msg::TituloConsultaCodigoBarras));
}

void TFrmCAP_CCB::FormShow() {
    TFrmCAP_Mod::FormShow();
    const QString total = host::RemoveFormato(host::LeCampo(1003));
    const long long valor = total.toLongLong();
    const bool mostra = !(QtdeDocsConsultadosOK == 0 && valor <= 0);
    lbvalortotal->setVisible(mostra);
    edValorParcial->setVisible(mostra);
    if (mostra) edValorParcial->setText(host::Dollar(total));
}

void TFrmCAP_CCB::EdDocChange() {
    if (edTpEntrada->text().trimmed() != QLatin1String("1") || !Contas::Digitado) return;
    if (qobject_cast<QPushButton*>(focusWidget())) return;
    // A typed line goes in blocks, each with its own check.
    focoProprio_ = true;
    LimpaBlocoCB(2);
    EdDoc->clear();
    Foca(ed_bloco1);
    focoProprio_ = false;
}

bool TFrmCAP_CCB::GravaCamposHostlink() {
    if (!TFrmCAP_Mod::GravaCamposHostlink()) return false;
    if (!Grava(10158, QStringLiteral("33"))) return false;
    if (!Grava(1040, edTpEntrada->text().trimmed())) return false;
    if (host::LeCampo(1041, IndiceAtual).trimmed().isEmpty() &&
        !Grava(1041, EdDoc->text().trimmed(), IndiceAtual))
        return false;
    Tabelatrn::CopiaTexto(Consultacodigobarras::NUMERO_DOCUMENTO, host::LeCampo(1041, IndiceAtual).trimmed());
    return true;
}

void TFrmCAP_CCB::Captura_Proximo_Documento() {
    HabilitaControles(true);
    hide();
    show();
    edTpEntrada->setText(host::LeCampo(1040).trimmed());
    EdDoc->setText(host::LeCampo(1041, IndiceAtual).trimmed());
    if (edTpEntrada->isEnabled()) Foca(edTpEntrada);
}

void TFrmCAP_CCB::TransacaoAutorizada() {
    Contas::ProximoDocumento = true;
    Grava(1121, {}, IndiceAtual);
    if (!Verifica_Documento_Repetidos()) {
        Contas::ServACB.atribui(host::LeCampoBytes(20010, 0, 37));
        // The network record of a bill that is not a registered boleto has its payment forms where the
        // registered-boleto flags would be: it has no such flags.
        const bool rede = host::LeCampo(10404) == QLatin1String("1") &&
                          host::LeCampo(10112) == QLatin1String("005") && !iVeioServicoh45;
        const auto flag = [rede](std::size_t posicao) {
            const char c = Contas::ServACB.dados[posicao];
            return !rede && c >= '0' && c <= '9' ? c - '0' : 0;
        };
        Contas::iTrataValorMulta = flag(30);
        Contas::iTrataValorJurosMora = flag(31);
        Contas::iTrataBeneficiario = flag(32);
        Contas::iTrataSacadorAvalista = flag(33);
        Contas::iTrataPagador = flag(34);
        Contas::iTrataFluxoApresInfoBolReg = flag(35);

        if (Contas::iTrataBeneficiario == 1 && Contas::iTrataSacadorAvalista == 1 &&
            Contas::iTrataPagador == 1 && !ColetaCPFCNPJBoletoRegistradoContingencia()) {
            host::GravaAudit(QStringLiteral("Erro: ColetaCPFCNPJBoletoRegistradoContingencia."));
            HabilitaControles(true);
            Grava(1027, Texto(msg::ErroOperacaoCancelada));
            Grava(1009, QStringLiteral("FF"));
            Encerra();
            return;
        }
        if (!CriaExecutaForm(this, FrmCPG_CAP)) {
            MostraMensagem(Icone::Erro, TextoFalhaCriacao<TFrmCPG_CAP>(), this);
            setModalResult(mrOk);
            return;
        }
        // The bill query closed the chain (the operator gave up there, or the payment went on from it).
        if (ModalResult() != mrNone) return;
        if (Contas::ProximoDocumento) {
            // The operator left the bill query: a typed document's slot is emptied, so that the next capture
            // types a document there instead of querying the same one again.
            if (Contas::Digitado && SlotAbandonado(IndiceAtual)) LimpaSlot(IndiceAtual);
            Captura_Proximo_Documento();
            return;
        }
    }
    if (Contas::Digitado) {
        SegueDigitado();
        return;
    }
    if (SlotAbandonado(IndiceAtual)) {
        setModalResult(mrOk);
        return;
    }
    SegueListaDoHost(true);
}

void TFrmCAP_CCB::SegueDigitado() {
    if (Proximo_Documento()) {
        const int anterior = IndiceAtual - 1;
        if (SlotAbandonado(anterior)) {
            LimpaSlot(anterior);
            --IndiceAtual;
        }
        Contas::ConsultaPagtoOK = false;
        Contas::ProximoDocumento = true;
        Captura_Proximo_Documento();
        return;
    }
    Contas::ProximoDocumento = false;
    if (QtdeDocsConsultadosOK == 0) {
        FinalizaPeloOperador();
        return;
    }
    if (SlotAbandonado(IndiceAtual)) LimpaSlot(IndiceAtual);
    AbreFormasPagamento();
}

void TFrmCAP_CCB::btRetornaClick() {
    if (QtdeDocsConsultadosOK == 0 || !Contas::Digitado) {
        TFrmCAP_Mod::btRetornaClick();
        return;
    }
    if (IndiceAtual > 0) --IndiceAtual;
    SegueDigitado();
}
