#include "payment/Coletacampocpfcnpjdadosadicionaisboletoregistrado.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "payment/Estadocontas.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

using namespace Lumomain;
using Documentos::Digitado;

namespace {

using msg::Texto;

constexpr std::size_t CABECALHO = 2;
constexpr std::size_t TAM_REGISTRO = 82;

bool Zero(const QString& documento) {
    return std::all_of(documento.begin(), documento.end(), [](QChar c) { return c == QLatin1Char('0'); });
}

// Flag 2 asks for the party just as 1 does.
bool Trata(int flag) {
    return flag == 1 || flag == 2;
}

} // namespace

namespace DadosAdicionais {

bool Grava(int registro, std::size_t offset, std::size_t largura, const QString& texto) {
    if (registro < 1 || registro > static_cast<int>(MAX_REGISTROS) || offset + largura > TAM_REGISTRO)
        return false;
    const std::string bytes = host::paraLatin1(texto);
    auto destino = DadosAdicionaisBoletoRegistradoContingencia.dados.begin() +
                   static_cast<std::ptrdiff_t>(
                       CABECALHO + static_cast<std::size_t>(registro - 1) * TAM_REGISTRO + offset);
    std::fill_n(destino, largura, '\0');
    std::copy_n(bytes.begin(), std::min(bytes.size(), largura), destino);
    return true;
}

void GravaNumeroDocumento(int registro, int numero) {
    Grava(registro, OFF_DOCUMENTO, 2, QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0')));
}

QString Le(int registro, std::size_t offset, std::size_t largura) {
    if (registro < 1 || registro > static_cast<int>(MAX_REGISTROS)) return {};
    return DadosAdicionaisBoletoRegistradoContingencia
        .texto(CABECALHO + static_cast<std::size_t>(registro - 1) * TAM_REGISTRO + offset, largura)
        .trimmed();
}

void GravaQuantidade(int quantidade) {
    const std::string n =
        QStringLiteral("%1").arg(quantidade, 2, 10, QLatin1Char('0')).right(2).toStdString();
    std::copy_n(n.begin(), CABECALHO, DadosAdicionaisBoletoRegistradoContingencia.dados.begin());
}

} // namespace DadosAdicionais

TFrmColetaCampoCPFCNPJBoletoRegistrado::TFrmColetaCampoCPFCNPJBoletoRegistrado(QWidget* pai)
    : TFrmColeta_Mod(pai, QString(), Partes::Grade{.caixa = QRect(61, 40, 500, 272)}) {
    Beneficiario = CriaGrupo("Beneficiario", msg::InfoBeneficiario, 4);
    Sacador = CriaGrupo("Sacador", msg::InfoSacador, 92);
    Pagador = CriaGrupo("Pagador", msg::InfoPagador, 180);
    CriaBotoes({Beneficiario.cbTipoPessoa, Beneficiario.edCPFCGC, Sacador.cbTipoPessoa, Sacador.edCPFCGC,
                Pagador.cbTipoPessoa, Pagador.edCPFCGC});
}

TFrmColetaCampoCPFCNPJBoletoRegistrado::Grupo
TFrmColetaCampoCPFCNPJBoletoRegistrado::CriaGrupo(const char* nome, const char* titulo, int y) {
    Grupo g;
    const QString sufixo = QLatin1String(nome);
    g.gb = new QGroupBox(Texto(titulo), pnCaptura);
    g.gb->setObjectName(QStringLiteral("gb") + sufixo);
    g.gb->setGeometry(10, y, 480, 84);
    g.lbTipoPessoa = new QLabel(Texto(msg::InfoTipoPessoa), g.gb);
    g.lbTipoPessoa->setObjectName(QStringLiteral("lbTipoPessoa") + sufixo);
    g.lbTipoPessoa->setGeometry(15, 20, 150, 26);
    g.cbTipoPessoa = new Partes::ListaTeclado(g.gb);
    g.cbTipoPessoa->setObjectName(QStringLiteral("cbTipoPessoa") + sufixo);
    g.cbTipoPessoa->setGeometry(170, 20, 150, 26);
    g.lbCPFCGC = new QLabel(Texto(msg::InfoCPFCGC), g.gb);
    g.lbCPFCGC->setObjectName(QStringLiteral("lbCPFCGC") + sufixo);
    g.lbCPFCGC->setGeometry(15, 52, 150, 26);
    g.edCPFCGC = new QLineEdit(g.gb);
    g.edCPFCGC->setObjectName(QStringLiteral("edCPFCGC") + sufixo);
    g.edCPFCGC->setGeometry(170, 52, 220, 26);
    g.edCPFCGC->setContextMenuPolicy(Qt::NoContextMenu);
    DefineDica(g.cbTipoPessoa, Texto(msg::MsgTipoPessoa) + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
    DefineDica(g.edCPFCGC, Texto(msg::MsgCpfCgc));
    // Leaving the kind of person without choosing one is refused (FocusOut below).
    Observa(g.cbTipoPessoa);
    QComboBox* cb = g.cbTipoPessoa;
    connect(cb, &QComboBox::currentIndexChanged, this, [this, cb] {
        Protegido([this, cb] {
            if (Grupo* grupo = GrupoDoCombo(cb)) cbTipoPessoaChange(*grupo);
        });
    });
    return g;
}

TFrmColetaCampoCPFCNPJBoletoRegistrado::Grupo*
TFrmColetaCampoCPFCNPJBoletoRegistrado::GrupoDoCombo(QObject* combo) {
    for (Grupo* g : {&Beneficiario, &Sacador, &Pagador})
        if (g->cbTipoPessoa == combo) return g;
    return nullptr;
}

void TFrmColetaCampoCPFCNPJBoletoRegistrado::IniciaCamposForm() {
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    const std::pair<Grupo*, int> grupos[] = {{&Beneficiario, Contas::iTrataBeneficiario},
                                             {&Sacador, Contas::iTrataSacadorAvalista},
                                             {&Pagador, Contas::iTrataPagador}};
    for (const auto& [g, flag] : grupos) {
        const QSignalBlocker b(g->cbTipoPessoa);
        g->edCPFCGC->clear();
        g->edCPFCGC->setInputMask({});
        g->cbTipoPessoa->clear();
        // The document shows up once its kind of person is chosen.
        g->lbCPFCGC->setText(Texto(msg::InfoCPFCGC));
        g->lbCPFCGC->hide();
        g->edCPFCGC->hide();
        const bool trata = Trata(flag);
        if (trata) {
            g->cbTipoPessoa->addItems({Texto(msg::InfoTipoPessoaFisica), Texto(msg::InfoTipoPessoaJuridica)});
            g->cbTipoPessoa->setCurrentIndex(-1);
        }
        g->gb->setEnabled(trata);
        g->edCPFCGC->setEnabled(trata);
    }
}

void TFrmColetaCampoCPFCNPJBoletoRegistrado::cbTipoPessoaChange(Grupo& g) {
    ComboBoxTipoPessoaChange(g.cbTipoPessoa, g.lbCPFCGC, g.edCPFCGC, 0);
}

void TFrmColetaCampoCPFCNPJBoletoRegistrado::cbTipoPessoaExit(Grupo& g) {
    if (g.cbTipoPessoa->currentIndex() >= 0) return;
    ExibeMsgErroRepeteCampo(Texto(msg::ErroTipoPessoaInvalido), g.cbTipoPessoa, nullptr);
}

bool TFrmColetaCampoCPFCNPJBoletoRegistrado::eventFilter(QObject* objeto, QEvent* e) {
    Grupo* g = GrupoDoCombo(objeto);
    if (g && e->type() == QEvent::FocusOut) {
        // Only the operator's own move to another field asks for the choice: a message box, the return button
        // or the dialog's closing take the focus too.
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        const bool avanca = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
        if (avanca && ModalResult() == mrNone && QApplication::focusWidget() != btRetorna)
            Protegido([this, g] { cbTipoPessoaExit(*g); });
    }
    return TFrmColeta_Mod::eventFilter(objeto, e);
}

bool TFrmColetaCampoCPFCNPJBoletoRegistrado::RecusaDocumento(const Grupo& g) {
    Lumomain::MostraMensagem(Icone::Erro, Texto(msg::ErroCPFCGCInvalido), this);
    pnCaptura->setEnabled(true);
    // Without a kind of person the document is not on screen yet: the choice comes first.
    QWidget* foco = g.edCPFCGC->isHidden() ? static_cast<QWidget*>(g.cbTipoPessoa) : g.edCPFCGC;
    foco->setFocus(Qt::OtherFocusReason);
    return false;
}

bool TFrmColetaCampoCPFCNPJBoletoRegistrado::ValidaCamposForm() {
    // Read against the capture panel, which the confirm disables while it runs.
    const auto ativo = [this](const Grupo& g) { return g.gb->isEnabledTo(pnCaptura); };
    const auto digitado = [this](const Grupo& g) {
        return g.gb->isEnabledTo(pnCaptura) && !g.edCPFCGC->isHidden() && g.edCPFCGC->isEnabledTo(pnCaptura);
    };
    const auto valido = [](const Grupo& g) {
        const QString d = Digitado(g.edCPFCGC);
        return host::VerificaCNPJ(d) || host::VerificaCPF(d);
    };
    // Beneficiary and payer are required of the groups the server asks for; a group it does not ask for is
    // disabled and stays empty, and would otherwise keep the dialog from ever being confirmed.
    if (ativo(Beneficiario) && Zero(Digitado(Beneficiario.edCPFCGC))) return RecusaDocumento(Beneficiario);
    if (ativo(Pagador) && Zero(Digitado(Pagador.edCPFCGC))) return RecusaDocumento(Pagador);
    if (digitado(Beneficiario) && !valido(Beneficiario)) return RecusaDocumento(Beneficiario);
    // The drawer is optional: left at zero it is not checked.
    if (digitado(Sacador) && !Zero(Digitado(Sacador.edCPFCGC)) && !valido(Sacador))
        return RecusaDocumento(Sacador);
    if (digitado(Pagador) && !valido(Pagador)) return RecusaDocumento(Pagador);
    return true;
}

bool TFrmColetaCampoCPFCNPJBoletoRegistrado::GravaCamposHostlink() {
    if (!TFrmColeta_Mod::GravaCamposHostlink()) return false;
    using namespace DadosAdicionais;
    const int registro = IndiceDadosAdicionais + 1;
    if (registro > static_cast<int>(MAX_REGISTROS)) {
        // The server's document limit keeps a payment within the table; nothing can be added beyond it.
        host::GravaAudit(
            QStringLiteral("Erro: ColetaCPFCNPJBoletoRegistradoContingencia sem registro livre."));
        return true;
    }
    const QString beneficiario = Digitado(Beneficiario.edCPFCGC);
    const QString pagador = Digitado(Pagador.edCPFCGC);
    const QString sacador = Digitado(Sacador.edCPFCGC);
    if (!beneficiario.isEmpty()) Grava(registro, OFF_BENEFICIARIO, 15, beneficiario);
    if (!pagador.isEmpty()) Grava(registro, OFF_PAGADOR, 14, pagador);
    if (!sacador.isEmpty()) Grava(registro, OFF_SACADOR, 15, sacador);
    GravaNumeroDocumento(registro, IndiceAtual + 1);
    IndiceDadosAdicionais = registro;
    GravaQuantidade(IndiceDadosAdicionais);
    return true;
}

bool ColetaCPFCNPJBoletoRegistradoContingencia() {
    host::GravaAudit(QStringLiteral("Entrou: ColetaCPFCNPJBoletoRegistradoContingencia."));
    const int resultado = Coletavalortrn::ExecutaColeta<TFrmColetaCampoCPFCNPJBoletoRegistrado>(
        QStringLiteral("FrmColetaCampoCPFCNPJBoletoRegistrado"));
    // A dialog that could not be created collected nothing either (the failure went to the host).
    const bool ok = resultado != TFrmMod::mrCancel && resultado != TFrmMod::mrNone;
    host::GravaAudit(ok ? QStringLiteral("Saiu: ColetaCPFCNPJBoletoRegistradoContingencia.")
                        : QStringLiteral("Saiu Erro: ColetaCPFCNPJBoletoRegistradoContingencia."));
    return ok;
}
