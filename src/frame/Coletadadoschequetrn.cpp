#include "frame/Coletadadoschequetrn.h"

#include "frame/Coletacampocartao.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tiposentradacheque.h"
#include "resources/Mensagens.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Coletadadoschequetrn;

namespace Coletadadoschequetrn {
QString TipoEntrada;
} // namespace Coletadadoschequetrn

namespace {

using msg::Texto;

using host::Grava;

// Where the combo keeps which of the entry types 1 and 2 it lists.
constexpr char kTag[] = "Tag";

// Position in the cheque-collection record of the flag of each entry type.
constexpr int kPosicaoTipo[] = {25, 26, 27};

} // namespace

TFrmColetaDadosChq_Trn::TFrmColetaDadosChq_Trn(QWidget* pai, const QString& nome) : TFrmTrn_Mod(pai, nome) {
    Partes::Grade grade(QRect(31, 56, 560, 240));
    grade.topo = 10;
    grade.passo = 40;
    grade.altura = 28;
    grade.larguraRotulo = 130;
    grade.xCampo = 160;
    captura.Redefine(grade);
    lbTipoEntrada = captura.Rotulo(QStringLiteral("lbTipoEntrada"), Texto(msg::InfoTipoEntrada));
    cbTipoEntrada = captura.Lista(QStringLiteral("cbTipoEntrada"), {});
    cbTipoEntrada->setProperty(kTag, 0);
    // The prompt names the type chosen so far.
    DefineDica(cbTipoEntrada, [this] {
        const QString tipo =
            cbTipoEntrada->currentIndex() >= 0 ? cbTipoEntrada->currentText() : Texto(msg::MsgTipoEntrada);
        return tipo + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido);
    });
    Partes::AoSair(*this, cbTipoEntrada, [this] { cbTipoEntradaExit(); });
    captura.Linha(0, lbValor, edValor, 270);
    captura.Linha(1, lbTipoEntrada, cbTipoEntrada, 380);

    // The two ways of naming the cheque are panels of their own under the type, one shown at a time; their
    // fields sit side by side as on the cheque.
    const auto painel = [this](const char* nomePainel, int altura) {
        auto* p = new QFrame(pnCaptura);
        p->setObjectName(QLatin1String(nomePainel));
        p->setFrameShape(QFrame::Box);
        p->setGeometry(10, 92, 540, altura);
        return p;
    };
    const auto campo = [this](QWidget* pn, const char* nomeRotulo, const char* rotulo, const char* nomeCampo,
                              int tamanho, QRect posRotulo, QRect posCampo, QLabel*& lb, const char* dica) {
        lb = new QLabel(QString::fromUtf8(rotulo), pn);
        lb->setObjectName(QLatin1String(nomeRotulo));
        lb->setGeometry(posRotulo);
        auto* ed = new QLineEdit(pn);
        ed->setObjectName(QLatin1String(nomeCampo));
        ed->setGeometry(posCampo);
        ed->setMaxLength(tamanho);
        ed->setContextMenuPolicy(Qt::NoContextMenu);
        Partes::SoDigitos(ed);
        DefineDica(ed, Texto(dica));
        return ed;
    };

    PnCMC7 = painel("PnCMC7", 60);
    EdCMC7 = campo(PnCMC7, "lbCMC7", "CMC7:", "EdCMC7", TAM_CMC7, QRect(10, 16, 60, 28),
                   QRect(80, 16, 440, 28), lbCMC7, msg::MsgCMC7);

    PnDadosCheque = painel("PnDadosCheque", 136);
    EdComp = campo(PnDadosCheque, "lbComp", "Comp:", "EdComp", TAM_COMP, QRect(10, 20, 50, 28),
                   QRect(62, 20, 50, 28), lbComp, msg::MsgCompensacao);
    EdBanco = campo(PnDadosCheque, "lbBanco", "Banco:", "EdBanco", TAM_BANCO, QRect(126, 20, 56, 28),
                    QRect(184, 20, 50, 28), lbBanco, msg::MsgBanco);
    EdAgencia = campo(PnDadosCheque, "lbAgencia", "Agência:", "EdAgencia", TAM_AGENCIA,
                      QRect(248, 20, 72, 28), QRect(322, 20, 60, 28), lbAgencia, msg::MsgAgencia);
    EdC1 = campo(PnDadosCheque, "lbC1", "C1:", "EdC1", TAM_DIGITO, QRect(420, 20, 34, 28),
                 QRect(456, 20, 30, 28), lbC1, msg::MsgDigitoC1);
    EdConta = campo(PnDadosCheque, "lbConta", "Conta:", "EdConta", TAM_CONTA, QRect(10, 80, 50, 28),
                    QRect(62, 80, 120, 28), lbConta, msg::MsgContaCorrente);
    EdC2 = campo(PnDadosCheque, "lbC2", "C2:", "EdC2", TAM_DIGITO, QRect(196, 80, 34, 28),
                 QRect(232, 80, 30, 28), lbC2, msg::MsgDigitoC2);
    EdCheque = campo(PnDadosCheque, "lbCheque", "Cheque:", "EdCheque", TAM_CHEQUE, QRect(276, 80, 62, 28),
                     QRect(340, 80, 80, 28), lbCheque, msg::MsgCheque);
    EdC3 = campo(PnDadosCheque, "lbC3", "C3:", "EdC3", TAM_DIGITO, QRect(420, 80, 34, 28),
                 QRect(456, 80, 30, 28), lbC3, msg::MsgDigitoC3);

    pnBotoes->setGeometry(111, 306, 400, 50);

    // Enter walks the screen in reading order: amount, type, then the shown panel's fields, then the buttons.
    QWidget* ordem[] = {edValor, cbTipoEntrada, EdCMC7,   EdComp, EdBanco,    EdAgencia, EdC1,
                        EdConta, EdC2,          EdCheque, EdC3,   btConfirma, btRetorna};
    for (size_t i = 1; i < std::size(ordem); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);

    connect(cbTipoEntrada, &QComboBox::currentIndexChanged, this,
            [this] { Protegido([this] { cbTipoEntradaChange(); }); });

    lbTipoEntrada->hide();
    cbTipoEntrada->hide();
    PnCMC7->hide();
    PnDadosCheque->hide();
}

int TFrmColetaDadosChq_Trn::TipoEntradaSelecionado() const {
    return Lumomain::VerificaRetornaIndiceIndividualTipoEntrada(
        cbTipoEntrada->property(kTag).toInt(), cbTipoEntrada->count(), cbTipoEntrada->currentIndex());
}

QString TFrmColetaDadosChq_Trn::PrimeiraLinha() const {
    const auto campo = [](const QLineEdit* ed, int largura) {
        return ed->text().trimmed().rightJustified(largura, QLatin1Char('0'));
    };
    return campo(EdComp, TAM_COMP) + campo(EdBanco, TAM_BANCO) + campo(EdAgencia, TAM_AGENCIA) +
           campo(EdC1, TAM_DIGITO) + campo(EdConta, TAM_CONTA) + campo(EdC2, TAM_DIGITO) +
           campo(EdCheque, TAM_CHEQUE) + campo(EdC3, TAM_DIGITO);
}

void TFrmColetaDadosChq_Trn::MostraPainel(int tipo) {
    PnCMC7->setVisible(tipo == 0 || tipo == 2);
    PnDadosCheque->setVisible(tipo == 1);
}

void TFrmColetaDadosChq_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    // A cheque carries no card: there is no PIN to ask the customer for.
    CapturaSenha = false;
    TipoEntrada.clear();
    PnCMC7->hide();
    PnDadosCheque->hide();
    lbTipoEntrada->setText(Texto(msg::InfoTipoEntrada));
    lbCMC7->setText(QStringLiteral("CMC7:"));
    lbComp->setText(QStringLiteral("Comp:"));
    lbBanco->setText(Texto(msg::InfoBanco));
    lbAgencia->setText(Texto(msg::InfoAgencia));
    lbC1->setText(Texto(msg::InfoC1));
    lbConta->setText(Texto(msg::InfoConta));
    lbC2->setText(QStringLiteral("C2:"));
    lbCheque->setText(QStringLiteral("Cheque:"));
    lbC3->setText(QStringLiteral("C3:"));

    {
        // Filled with nothing chosen; only the operator's choice is a change.
        const QSignalBlocker bloqueio(cbTipoEntrada);
        cbTipoEntrada->clear();
        int tag = 0;
        const char* itens[] = {msg::MsgLeituraCMC7, msg::MsgDigitacao1LinhaCheque, msg::MsgDigitacaoCMC7};
        for (int tipo = 0; tipo < 3; ++tipo) {
            if (Lumomain::ServicoHzinho_ColetaChq.texto(kPosicaoTipo[tipo], 1) != QLatin1String("1"))
                continue;
            cbTipoEntrada->addItem(Texto(itens[tipo]));
            if (tipo == 1) tag += 1;
            if (tipo == 2) tag += 2;
        }
        cbTipoEntrada->setProperty(kTag, tag);
        cbTipoEntrada->setCurrentIndex(-1);
    }
    cbTipoEntrada->setEnabled(true);
    EdCMC7->setEnabled(true);

    const QString linha = host::LeCampo(1005).trimmed();
    if (!linha.isEmpty()) {
        // A line the host read itself: the reader's type, or the typed one when reading is not offered.
        const int tag = cbTipoEntrada->property(kTag).toInt();
        int item = Lumomain::VerificaRetornaIndiceComboTipoEntradaCheque(tag, cbTipoEntrada->count(), 0);
        if (item < 0)
            item = Lumomain::VerificaRetornaIndiceComboTipoEntradaCheque(tag, cbTipoEntrada->count(), 2);
        if (item >= 0) {
            const QSignalBlocker bloqueio(cbTipoEntrada);
            cbTipoEntrada->setCurrentIndex(item);
            cbTipoEntrada->setEnabled(false);
            EdCMC7->setEnabled(false);
            EdCMC7->setText(host::LeCampo(1005));
            PnCMC7->show();
            pnBotoes->show();
            pnBotoes->setEnabled(true);
            btConfirma->show();
            btConfirma->setEnabled(true);
            return;
        }
    }
    lbTipoEntrada->show();
    cbTipoEntrada->show();
}

void TFrmColetaDadosChq_Trn::FormShow() {
    TFrmTrn_Mod::FormShow();
    // The type comes first: the panel to fill depends on it.
    if (cbTipoEntrada->isVisible() && cbTipoEntrada->isEnabled())
        cbTipoEntrada->setFocus(Qt::OtherFocusReason);
}

void TFrmColetaDadosChq_Trn::cbTipoEntradaChange() {
    const int tipo = TipoEntradaSelecionado();
    if (tipo < 0) return;
    MostraPainel(tipo);
    QWidget* primeiro = tipo == 1 ? static_cast<QWidget*>(EdComp) : static_cast<QWidget*>(EdCMC7);
    if (primeiro->isEnabled()) primeiro->setFocus(Qt::OtherFocusReason);
}

void TFrmColetaDadosChq_Trn::cbTipoEntradaExit() {
    const int tipo = TipoEntradaSelecionado();
    if (tipo >= 0) TipoEntrada = QString::number(tipo);
}

void TFrmColetaDadosChq_Trn::RepeteCampo(const char* mensagem, QWidget* controle) {
    controle->setEnabled(true);
    ExibeMsgErroRepeteCampo(Texto(mensagem), controle, pnCaptura);
}

bool TFrmColetaDadosChq_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (cbTipoEntrada->currentIndex() < 0) {
        RepeteCampo(msg::MsgErroTpEntradaInvalido, cbTipoEntrada);
        return false;
    }
    const int tipo = TipoEntradaSelecionado();
    TipoEntrada = tipo >= 0 ? QString::number(tipo) : QString();

    if (tipo == 0 || tipo == 2) {
        if (EdCMC7->text().trimmed().size() < EdCMC7->maxLength() - 3) {
            MostraPainel(tipo);
            RepeteCampo(msg::ErroCmc7Invalido, EdCMC7);
            return false;
        }
        return true;
    }
    if (tipo == 1) {
        MostraPainel(tipo);
        // The clearing-house number may be left out; every other field of the line is needed.
        const std::pair<QLineEdit*, const char*> obrigatorios[] = {
            {EdBanco, msg::ErroBancoInvalido}, {EdAgencia, msg::ErroAgenciaInvalida},
            {EdC1, msg::ErroDigitoInvalido},   {EdConta, msg::ErroContaInvalida},
            {EdC2, msg::ErroDigitoInvalido},   {EdCheque, msg::ErroChequeInvalido},
            {EdC3, msg::ErroDigitoInvalido},
        };
        for (const auto& [ed, mensagem] : obrigatorios) {
            if (ed->text().trimmed().isEmpty()) {
                RepeteCampo(mensagem, ed);
                return false;
            }
        }
    }
    return true;
}

bool TFrmColetaDadosChq_Trn::GravaCamposHostlink() {
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    if (TipoEntrada == QLatin1String("0") || TipoEntrada == QLatin1String("2"))
        return Grava(10102, TipoEntrada, 0) && Grava(10102, EdCMC7->text().trimmed(), 1);
    if (TipoEntrada == QLatin1String("1"))
        return Grava(10102, TipoEntrada, 0) && Grava(10102, PrimeiraLinha(), 1);
    return true;
}
