#include "payment/Capturacodigobarras.h"

#include "frame/Lumomain.h"
#include "frame/Passosmenu.h"
#include "host/Host.h"
#include "payment/Blocoscodigobarras.h"
#include "payment/Estadocontas.h"
#include "payment/Menuformaspagto.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Lumomain;

namespace {

using msg::Texto;

using host::Grava;

bool Digito(const QString& texto) {
    return texto.size() == 1 && texto.at(0).isDigit();
}

} // namespace

namespace Capturacodigobarras {

bool ValidaBloco(const QString& bloco1, const QString& bloco) {
    const bool modulo11 = bloco1.startsWith(QLatin1Char('8')) && bloco1.size() >= 3 &&
                          (bloco1.at(2) == QLatin1Char('8') || bloco1.at(2) == QLatin1Char('9'));
    return modulo11 ? host::ValidaModulo11Convenio(bloco) : host::ValidaModulo10(bloco);
}

QString FormataCpfCnpj(const QString& texto) {
    const QString t = texto.trimmed();
    if (t.size() == 11)
        return t.mid(0, 3) + QLatin1Char('.') + t.mid(3, 3) + QLatin1Char('.') + t.mid(6, 3) +
               QLatin1Char('-') + t.mid(9, 2);
    if (t.size() == 14)
        return t.mid(0, 2) + QLatin1Char('.') + t.mid(2, 3) + QLatin1Char('.') + t.mid(5, 3) +
               QLatin1Char('/') + t.mid(8, 4) + QLatin1Char('-') + t.mid(12, 2);
    return texto;
}

bool SetaFormaPagto() {
    for (std::size_t i = 0; i < Forma_Pagto.size(); ++i) {
        if (Contas::ServACP.dados[16 + i] == '1' && Forma_Pagto[i] == '1') {
            std::copy_n(Contas::ServACP.dados.begin() + 16, Forma_Pagto.size(), Forma_Pagto.begin());
            return true;
        }
    }
    return false;
}

} // namespace Capturacodigobarras

Partes::Grade TFrmCAP_Mod::GradeCodigo(const QRect& caixa) {
    return {.caixa = caixa,
            .topo = 12,
            .passo = 44,
            .altura = 26,
            .xRotulo = 10,
            .larguraRotulo = 100,
            .xCampo = 110};
}

TFrmCAP_Mod::TFrmCAP_Mod(QWidget* pai, const QString& nome)
    : TFrmMod(pai, nome), captura(*this, GradeCodigo(QRect(16, 60, 590, 100))), pnCaptura(captura.Painel()) {
    LbTpEntrada = captura.Rotulo(QStringLiteral("LbTpEntrada"), Texto(msg::InfoTipoEntrada));
    edTpEntrada =
        captura.Campo(QStringLiteral("edTpEntrada"), 1, Partes::Entrada::Texto, Texto(msg::MsgTpEntrada));
    captura.Linha(0, LbTpEntrada, edTpEntrada, 30);

    // The document row holds either the scanned bar code or the typed line in blocks.
    lbDoc = captura.Rotulo(QStringLiteral("lbDoc"), Texto(msg::InfoLBDocumento));
    blocos = new BlocosCodigoBarras(*this, captura, GradeCodigo({}).altura, edTpEntrada, focoProprio_);
    EdDoc = blocos->EdDoc;
    ed_bloco1 = blocos->ed_bloco1;
    ed_bloco2 = blocos->ed_bloco2;
    ed_bloco3 = blocos->ed_bloco3;
    ed_digito = blocos->ed_digito;
    ed_bloco4_14 = blocos->ed_bloco4_14;
    ed_bloco4_12 = blocos->ed_bloco4_12;
    captura.Linha(1, lbDoc, blocos->Linha(), 470);

    pnBotoes = new QFrame(this);
    pnBotoes->setObjectName(QStringLiteral("pnBotoes"));
    pnBotoes->setGeometry(111, 316, 400, 50);
    const auto b = Partes::CriaConfirmaRetorna(
        *this, pnBotoes, QPoint(15, 8), Texto(msg::InfoRetorna), [this] { btConfirmaClick(); },
        [this] { btRetornaClick(); },
        {edTpEntrada, EdDoc, ed_bloco1, ed_bloco2, ed_bloco3, ed_digito, ed_bloco4_14, ed_bloco4_12});
    btConfirma = b.confirma;
    btRetorna = b.retorna;
    blocos->retorna = btRetorna;

    QWidget* ordem[] = {edTpEntrada, EdDoc,        ed_bloco1,    ed_bloco2,  ed_bloco3,
                        ed_digito,   ed_bloco4_14, ed_bloco4_12, btConfirma, btRetorna};
    for (QWidget* w : ordem)
        w->installEventFilter(this);
}

bool TFrmCAP_Mod::FormCreate() {
    captura.Monta();
    return TFrmMod::FormCreate();
}

void TFrmCAP_Mod::FormShow() {
    bControlaKeyPreview = true;
    IniciaCamposForm();
    TFrmMod::FormShow();
}

void TFrmCAP_Mod::IniciaCamposForm() {
    LimpaBlocoCB(0);
    LimpaBlocoCB(1);
    if (IndiceAtual >= 1) return;
    LbTpEntrada->setText(Texto(msg::InfoTipoEntrada));
    lbDoc->setText(Texto(msg::InfoLBDocumento));
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    PodeAlterarDados = host::PermiteAlterarDados();
    // The payment's limit of documents comes with the service A present when the payment starts.
    Contas::ServACPP.atribui(host::LeCampoBytes(20010, 0, 41));
    const QString tipo = host::LeCampo(1040).trimmed();
    edTpEntrada->setText(tipo);
    edTpEntrada->setEnabled(tipo.isEmpty());
    const QString documento = host::LeCampo(1041, 0).trimmed();
    EdDoc->setText(documento);
    EdDoc->setEnabled(documento.isEmpty());
    Contas::Digitado = EdDoc->isEnabled();
    iVeioServicoh45 = 0;
    iVeioServicoh27 = 0;
}

void TFrmCAP_Mod::LimpaBlocoCB(int modo) {
    blocos->Limpa(modo);
}

void TFrmCAP_Mod::Foca(QWidget* controle) {
    blocos->Foca(controle);
}

void TFrmCAP_Mod::HabilitaControles(bool habilita) {
    pnCaptura->setEnabled(habilita);
    btConfirma->setEnabled(habilita);
    btRetorna->setEnabled(habilita);
}

bool TFrmCAP_Mod::eventFilter(QObject* objeto, QEvent* e) {
    auto* w = qobject_cast<QWidget*>(objeto);
    if (!w) return TFrmMod::eventFilter(objeto, e);
    switch (e->type()) {
    case QEvent::FocusOut: {
        const auto motivo = static_cast<QFocusEvent*>(e)->reason();
        // A message box or a popup taking the focus is not the operator leaving the control.
        if (focoProprio_ || motivo == Qt::ActiveWindowFocusReason || motivo == Qt::PopupFocusReason) break;
        QWidget* proximo = QApplication::focusWidget();
        focoProprio_ = true;
        Protegido([&] { SaidaDeControle(w, proximo); });
        focoProprio_ = false;
        break;
    }
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        const int tecla = k->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Tab ||
            tecla == Qt::Key_Backtab || (k->modifiers() & Qt::AltModifier))
            break;
        auto* edit = qobject_cast<QLineEdit*>(w);
        if (!edit || !pnCaptura->isAncestorOf(edit)) break;
        if (tecla == Qt::Key_Backspace) break;
        const QString t = k->text();
        if (edit == edTpEntrada) {
            if (t != QLatin1String("0") && t != QLatin1String("1")) return true;
            break;
        }
        // Only digits make a bar code; a key that types nothing only moves the caret.
        if (!t.isEmpty() && !Digito(t)) return true;
        break;
    }
    case QEvent::KeyRelease:
        bControlaKeyPreview = true;
        break;
    default:
        break;
    }
    return TFrmMod::eventFilter(objeto, e);
}

void TFrmCAP_Mod::SaidaDeControle(QWidget* controle, QWidget* proximo) {
    if (qobject_cast<QPushButton*>(proximo) && controle == edTpEntrada) return;
    if (controle == edTpEntrada) edTpEntradaExit(proximo);
}

void TFrmCAP_Mod::edTpEntradaExit(QWidget* /*proximo*/) {
    const QString tipo = edTpEntrada->text().trimmed();
    if (tipo.isEmpty()) {
        MostraMensagem(Icone::Aviso, Texto(msg::MsgErroTpEntradaInvalido), this);
        edTpEntrada->clear();
        Foca(edTpEntrada);
        return;
    }
    if (!edTpEntrada->isEnabled()) return;
    if (tipo == QLatin1String("1") && !Contas::Digitado) return;
    if (tipo == QLatin1String("0") || tipo == QLatin1String("1")) bControlaKeyPreview = false;
    blocos->MostraConformeTipo(tipo);
}

bool TFrmCAP_Mod::ValidaCodigoBarrasDigitado() {
    return blocos->Valida();
}

bool TFrmCAP_Mod::ValidaCamposForm() {
    if (EdDoc->isHidden() && !ValidaCodigoBarrasDigitado()) return false;
    if (edTpEntrada->text().trimmed().isEmpty()) {
        MostraMensagem(Icone::Aviso, Texto(msg::MsgErroTpEntradaInvalido), this);
        if (edTpEntrada->isEnabled()) {
            edTpEntrada->clear();
            Foca(edTpEntrada);
        }
        return false;
    }
    if (EdDoc->text().trimmed().isEmpty()) {
        MostraMensagem(Icone::Aviso, Texto(msg::MsgErroDocumentoInvalido), this);
        if (EdDoc->isEnabled()) {
            EdDoc->clear();
            Foca(EdDoc);
        }
        return false;
    }
    return true;
}

bool TFrmCAP_Mod::GravaCamposHostlink() {
    return TFrmMod::GravaCamposHostlink() && Grava(10103, QStringLiteral("1"));
}

int TFrmCAP_Mod::VerificaAutorizaTransacao() {
    if (!Descritor) {
        ReportaFalha(QStringLiteral("Transação sem descritor"));
        return 255;
    }
    host::AutorizaTransacao(Pedido(), lbMensagem, 0);
    return host::CodigoResultado();
}

void TFrmCAP_Mod::RejeitaDocumento(const QString& texto) {
    Grava(1120, QStringLiteral("000000000000"), IndiceAtual);
    Grava(1121, texto, IndiceAtual);
    Grava(1173, QStringLiteral("0"), IndiceAtual);
}

void TFrmCAP_Mod::FinalizaPeloOperador() {
    Grava(1027, Texto(msg::ErroFinalizadoOper));
    Grava(1009, QStringLiteral("FF"));
    Encerra();
}

void TFrmCAP_Mod::AbreFormasPagamento() {
    Contas::ProximoDocumento = false;
    MenusEntrada::Abre(this, FrmMnu_For);
}

void TFrmCAP_Mod::btConfirmaClick() {
    bControlaKeyPreview = false;
    if (!ValidaCamposForm() || !GravaCamposHostlink()) return;
    HabilitaControles(false);
    const int resultado = VerificaAutorizaTransacao();
    if (resultado != 0)
        TrataRecusa();
    else
        TrataAutorizada();
    HabilitaControles(true);
}

void TFrmCAP_Mod::TrataRecusa() {
    QString texto = host::LeCampo(20013);
    if (texto.isEmpty()) {
        // Service M: a one-character kind, then the text with "@" where its lines break.
        texto = host::LeCampo(20022).mid(1);
        texto.replace(QLatin1Char('@'), QLatin1Char('\n'));
    }
    if (texto.isEmpty()) {
        Grava(1120, QStringLiteral("000000000000"), IndiceAtual);
        Grava(1173, QStringLiteral("0"), IndiceAtual);
        Grava(1121, Texto(msg::MsgFalhaConsPagto), IndiceAtual);
        MostraMensagem(Icone::Aviso, Texto(msg::MsgFalhaConsPagto), this);
        Encerra();
        return;
    }
    MostraMensagem(Icone::Aviso, texto, this);
    RejeitaDocumento(texto);
    if (Tag != 1) {
        // The bill query has no capture of its own: it closes and the capture dialog decides, with the same
        // question, whether another document follows (the refused slot keeps its status).
        Contas::ProximoDocumento = false;
        Volta();
        return;
    }
    if (Contas::Digitado) {
        if (Proximo_Documento()) {
            Captura_Proximo_Documento();
        } else if (QtdeDocsConsultadosOK == 0) {
            FinalizaPeloOperador();
        } else {
            AbreFormasPagamento();
        }
        return;
    }
    SegueListaDoHost(false);
}

void TFrmCAP_Mod::TrataAutorizada() {
    if (host::LeCampoInteiro(10158, 0, -1) == 33) TrataServicoXh045_BoletoRegistrado();
    if (host::LeCampo(10404) == QLatin1String("1") && host::LeCampo(10112) == QLatin1String("005")) {
        TrataServicoh005_TipoPagamento_Rede();
        TrataServicoh046_ControleTicketImpressaoRede();
    }
    TrataServicoh027_TipoPagamento();
    if (!ConfirmaResumoBoletoRegistrado()) return;
    TransacaoAutorizada();
}

bool TFrmCAP_Mod::ConfirmaResumoBoletoRegistrado() {
    if (Contas::iTrataFluxoApresInfoBolReg != 0 || !iVeioServicoh45) return true;
    if (!TrataIdentificacao()) {
        host::GravaAudit(QStringLiteral("Saiu Erro: TrataResumoPagamentoRedeItau"));
        MostraMensagem(Icone::Aviso, Texto(msg::ErroFinalizadoOper), this);
        Encerra();
        return false;
    }
    iVeioServicoh45 = 0;
    Contas::iTrataFluxoApresInfoBolReg = -1;
    return true;
}

void TFrmCAP_Mod::SegueListaDoHost(bool limite) {
    ++IndiceAtual;
    if (limite && Excede_Qdte_Max_Permitida()) Ajusta_Documentos_excedentes();
    if (!host::LeCampo(1041, IndiceAtual).trimmed().isEmpty()) {
        Contas::ProximoDocumento = true;
        Captura_Proximo_Documento();
    } else if (QtdeDocsConsultadosOK == 0) {
        Encerra();
    } else {
        AbreFormasPagamento();
    }
}

bool TFrmCAP_Mod::Verifica_Documento_Repetidos() {
    const QString atual = host::LeCampo(1041, IndiceAtual);
    const QString aceito = Texto(Contas::STATUS_CONSULTA_OK);
    for (int i = 0; i < IndiceAtual; ++i) {
        if (host::LeCampo(1121, i) != aceito) continue;
        if (host::LeCampo(1041, i) != atual) continue;
        RejeitaDocumento(Texto(msg::MsgErroCodBarrasRepetido));
        MostraMensagem(Icone::Aviso, Texto(msg::MsgErroCodBarrasRepetido), this);
        return true;
    }
    return false;
}

int TFrmCAP_Mod::QtdeMaximaDocumentos() {
    return Contas::ServACPP.inteiro(5, 2, 0);
}

bool TFrmCAP_Mod::Excede_Qdte_Max_Permitida() {
    return QtdeDocsConsultadosOK >= QtdeMaximaDocumentos();
}

void TFrmCAP_Mod::Ajusta_Documentos_excedentes() {
    while (!host::LeCampo(1041, IndiceAtual).trimmed().isEmpty()) {
        Grava(1120, QStringLiteral("000000000000"), IndiceAtual);
        Grava(1173, QStringLiteral("0"), IndiceAtual);
        Grava(1121, Texto(msg::MsgErroExcedeQTDEPagtos), IndiceAtual);
        ++IndiceAtual;
    }
}

bool TFrmCAP_Mod::Proximo_Documento() {
    if (host::LeCampo(1041, IndiceAtual).trimmed().isEmpty()) return false;
    if (Excede_Qdte_Max_Permitida()) {
        if (QtdeMaximaDocumentos() < QtdeDocsConsultadosOK) Ajusta_Documentos_excedentes();
        return false;
    }
    if (!PerguntaSimNao(Texto(msg::MsgNovoDocumento), {}, this)) return false;
    ++IndiceAtual;
    return true;
}

bool TFrmCAP_Mod::TrataIdentificacao() {
    host::GravaAudit(QStringLiteral("Entrou: TrataIdentificacao."));
    const auto sai = [](bool r) {
        host::GravaAudit(QStringLiteral("Saiu: TrataIdentificacao."));
        return r;
    };
    if (!iVeioServicoh45) return sai(true);
    const auto& r = ServicoHzinho_45_DadosBoletoRegistrado;
    struct Item {
        const char* rotulo;
        std::size_t offset;
        std::size_t largura;
        bool documento;
    };
    static constexpr Item itens[] = {
        {msg::MsgNomeInstituicao, 25, 30, false},     {msg::MsgNomeCedente, 139, 40, false},
        {msg::MsgRazaoSocialCedente, 179, 20, false}, {msg::CNPJCPFCedente, 199, 14, true},
        {msg::MsgNomePagador, 287, 40, false},        {msg::MsgRazaoSocialPagador, 327, 20, false},
        {msg::CNPJCPFPagador, 347, 14, true},         {msg::MsgNomeSacador, 213, 40, false},
        {msg::MsgRazaoSocialSacador, 253, 20, false}, {msg::CNPJCPFSacador, 273, 14, true},
    };
    QString texto;
    for (const Item& item : itens) {
        const QString valor = r.texto(item.offset, item.largura);
        // An item whose first character is blank (or never filled) was not sent.
        if (valor.isEmpty() || valor.at(0) == QLatin1Char(' ')) continue;
        texto += Texto(item.rotulo) + (item.documento ? FormataCpfCnpj(valor) : valor.trimmed()) +
                 QStringLiteral("\r\n");
    }
    if (texto.isEmpty()) return sai(true);
    if (!PerguntaSimNao(texto, Texto(msg::MsgDadosResumoIdBoletoRegistrado), this)) {
        // The query's own text ("Consulta efetuada") would tell the host the opposite of the code.
        Grava(1027, Texto(msg::ErroFinalizadoOper));
        Grava(1009, QStringLiteral("FF"));
        host::GravaAudit(QStringLiteral("Saiu -> Não confirmou: TrataIdentificacao"));
        return false;
    }
    return sai(true);
}

void TFrmCAP_Mod::btRetornaClick() {
    Grava(1027, Texto(msg::ErroFinalizadoOper));
    Grava(1009, QStringLiteral("FF"));
    Volta();
}
