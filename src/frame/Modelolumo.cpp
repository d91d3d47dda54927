#include "frame/Modelolumo.h"

#include "frame/Cargaparametropagto.h"
#include "frame/Consultacestaservicos.h"
#include "frame/Lumomain.h"
#include "frame/Produto.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QLoggingCategory>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <dlfcn.h>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

namespace {

// What the message line said, in order: off unless asked for (a driver of the dialogs turns it on), it keeps
// a text that a dialog closing in the same event never got to paint.
Q_LOGGING_CATEGORY(lcMensagem, "cb.tela.mensagem", QtWarningMsg)

constexpr int kLargura = 622;
constexpr int kAltura = 423;

// The library's own file, whose recorded version every form shows.
QString ArquivoDoModulo() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ArquivoDoModulo), &info) && info.dli_fname)
        return QFile::decodeName(info.dli_fname);
    return {};
}

QFont FonteNegrito(int tamanho) {
    QFont f(QStringLiteral("Arial"), tamanho);
    f.setBold(true);
    return f;
}

} // namespace

void Modelolumo::AqueceTelas() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    // Wide enough that no glyph is clipped away before the cache sees it.
    QImage imagem(1600, 32, QImage::Format_ARGB32_Premultiplied);
    QPainter pintor(&imagem);
    static const QString kTexto = QStringLiteral(
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789 ÁÉÍÓÚÂÊÔÃÕÇÀ áéíóúâêôãõçà "
        "&-/:.,;()$%*?!'\"ª°º_+=");
    // The application's font (buttons, edits, lists), the host theme's and the title and message lines'.
    for (const QFont& fonte :
         {QGuiApplication::font(), QFont(QStringLiteral("Arial"), 10), FonteNegrito(11), FonteNegrito(16)}) {
        pintor.setFont(fonte);
        pintor.drawText(0, 24, kTexto);
    }
}

namespace {

// Alt+digit is never text, in any edit or list of a dialog: it presses the button of that digit when there is
// one, and is dropped otherwise. Installed on each control when the dialog is shown, after the dialog's own
// filters, so that it sees the key first.
class FiltroAltDigito : public QObject {
public:
    FiltroAltDigito(QObject* dono, std::function<void(QChar)> pressiona)
        : QObject(dono), pressiona_(std::move(pressiona)) {}

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override {
        // A button's mnemonic would click it only after a short animation, so a key typed right after it
        // (an Enter) would act first: the mnemonic presses the button at once, as its digit does.
        if (e->type() == QEvent::Shortcut) {
            auto* botao = qobject_cast<QAbstractButton*>(objeto);
            if (!botao) return false;
            if (botao->isEnabled()) botao->click();
            return true;
        }
        if (e->type() != QEvent::KeyPress) return QObject::eventFilter(objeto, e);
        const auto* k = static_cast<const QKeyEvent*>(e);
        if (!(k->modifiers() & Qt::AltModifier) || k->key() < Qt::Key_0 || k->key() > Qt::Key_9) return false;
        pressiona_(QChar(u'0' + (k->key() - Qt::Key_0)));
        return true;
    }

private:
    std::function<void(QChar)> pressiona_;
};

} // namespace

TFrmMod::TFrmMod(QWidget* pai, const QString& nome)
    : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(nome);
    setFixedSize(kLargura, kAltura);
    setWindowModality(Qt::ApplicationModal);
    // Closing is the dialog's own business (modal results), never a side effect of destruction order.
    setAttribute(Qt::WA_DeleteOnClose, false);

    ImgFundo = new QLabel(this);
    ImgFundo->setObjectName(QStringLiteral("ImgFundo"));
    ImgFundo->setGeometry(0, 0, kLargura, kAltura);
    ImgFundo->setAutoFillBackground(true);
    QLinearGradient fundo(0, 0, 0, kAltura);
    fundo.setColorAt(0, QColor(0x12, 0x3C, 0x66));
    fundo.setColorAt(1, QColor(0x06, 0x1A, 0x30));
    QPalette p = ImgFundo->palette();
    p.setBrush(QPalette::Window, QBrush(fundo));
    ImgFundo->setPalette(p);

    lbTitulo = new QLabel(this);
    lbTitulo->setObjectName(QStringLiteral("lbTitulo"));
    lbTitulo->setGeometry(10, 10, kLargura - 20, 36);
    lbTitulo->setAlignment(Qt::AlignCenter);
    lbTitulo->setFont(FonteNegrito(16));

    lbMensagem = new QLabel(this);
    lbMensagem->setObjectName(QStringLiteral("lbMensagem"));
    lbMensagem->setGeometry(10, 368, kLargura - 20, 26);
    lbMensagem->setAlignment(Qt::AlignCenter);
    lbMensagem->setFont(FonteNegrito(11));

    lbVersao = new QLabel(this);
    lbVersao->setObjectName(QStringLiteral("lbVersao"));
    lbVersao->setGeometry(10, 398, kLargura - 20, 18);
    lbVersao->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

TFrmMod::~TFrmMod() {
    host::GravaAudit(QStringLiteral("Destruiu: ") + objectName());
}

bool TFrmMod::FormCreate() {
    Lumomain::VERSAO_DO_MODULO = host::GetBuildInfo(ArquivoDoModulo());
    const QString titulo = QStringLiteral("Correspondente Bancário - v") + Lumomain::VERSAO_DO_MODULO;
    lbVersao->setText(titulo);
    Lumomain::DefineTituloAplicacao(titulo);
    setWindowTitle(titulo);
    // A form is known by its class without the leading T, unless it took another's name; named before the
    // theme, so that a form the theme fails still leaves its name in the audit trail as it goes.
    if (objectName().isEmpty()) setObjectName(QLatin1String(metaObject()->className() + 1));
    if (!host::AplicaTemaKestra(this)) return false;
    host::GravaAudit(QStringLiteral("Criou: ") + objectName());
    return true;
}

void TFrmMod::FormShow() {
    setFixedSize(kLargura, kAltura);
    host::ColocaJanelaEmPrimeiroPlano(Lumomain::JanelaAplicacao());
    update();
    Lumomain::ProcessaMensagens();
    FocaPrimeiroControle();
}

void TFrmMod::FormActivate() {
    update();
    Lumomain::ProcessaMensagens();
}

int TFrmMod::Executa() {
    modalResult_ = mrNone;
    show();
    if (modalResult_ == mrNone) {
        QEventLoop laco;
        laco_ = &laco;
        laco.exec(QEventLoop::DialogExec);
        laco_ = nullptr;
    }
    hide();
    return modalResult_;
}

void TFrmMod::setModalResult(int resultado) {
    modalResult_ = resultado;
    if (resultado != mrNone && laco_) laco_->exit();
}

TTabelaTrn TFrmMod::Pedido() const {
    return Tabelatrn::Aplica(*Descritor, AjustesPedido);
}

void TFrmMod::Volta() {
    setModalResult(mrCancel);
}

void TFrmMod::Encerra() {
    host::GravaArquivo();
    setModalResult(mrOk);
}

void TFrmMod::Encerra(const QString& codigo, const QString& texto) {
    host::GravaCampoString(1009, 0, codigo);
    host::GravaCampoString(1027, 0, texto);
    Encerra();
}

void TFrmMod::done(int resultado) {
    setModalResult(resultado == mrNone ? mrCancel : resultado);
}

void TFrmMod::reject() {
    setModalResult(mrCancel);
}

void TFrmMod::closeEvent(QCloseEvent* e) {
    if (modalResult_ == mrNone) setModalResult(mrCancel);
    e->accept();
}

void TFrmMod::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!filtroAlt_) {
        filtroAlt_ = new FiltroAltDigito(this, [this](QChar digito) {
            if (QAbstractButton* b = BotaoDoDigito(digito)) b->click();
        });
    }
    for (QWidget* controle : findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(controle) && !qobject_cast<QComboBox*>(controle) &&
            !qobject_cast<QAbstractButton*>(controle))
            continue;
        controle->removeEventFilter(filtroAlt_);
        controle->installEventFilter(filtroAlt_);
    }
    Protegido([this] { FormShow(); });
}

bool TFrmMod::event(QEvent* e) {
    const bool r = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate && isVisible()) Protegido([this] { FormActivate(); });
    return r;
}

QAbstractButton* TFrmMod::BotaoDoDigito(QChar digito) const {
    const QString prefixo = QStringLiteral("&") + digito;
    for (auto* b : findChildren<QAbstractButton*>()) {
        if (b->isVisibleTo(this) && b->isEnabled() && b->text().startsWith(prefixo)) return b;
    }
    return nullptr;
}

void TFrmMod::keyPressEvent(QKeyEvent* e) {
    const int tecla = e->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
        QWidget* foco = focusWidget();
        if (auto* b = qobject_cast<QAbstractButton*>(foco)) {
            if (b->isEnabled()) b->click();
        } else if (bControlaKeyPreview) {
            char c = host::ValKeyBoard('\r');
            if (c == '\r') focusNextChild();
        }
        return;
    }
    if (tecla == Qt::Key_Escape) return; // no screen closes on Esc: "&9 - Retorna" or "Encerra" do
    if (tecla >= Qt::Key_0 && tecla <= Qt::Key_9) {
        // Reaching here means the focused control did not take the digit as text.
        if (auto* b = BotaoDoDigito(QChar(u'0' + (tecla - Qt::Key_0)))) {
            b->click();
            return;
        }
    }
    QDialog::keyPressEvent(e);
}

void TFrmMod::LigaClique(QAbstractButton* botao, std::function<void()> handler) {
    connect(botao, &QAbstractButton::clicked, this, [this, h = std::move(handler)] {
        // A click that arrives while another handler of the dialog is under way came through that handler's
        // event processing: a key typed ahead, or a mnemonic's delayed click. The dialog's own press is not.
        if ((emHandler_ > 0 && !cliqueProprio_) || modalResult_ != mrNone) return;
        cliqueProprio_ = false;
        const Contagem emCurso(emHandler_);
        Protegido(h);
    });
}

void TFrmMod::ClicaProprio(QAbstractButton* botao) {
    cliqueProprio_ = true;
    botao->click();
    cliqueProprio_ = false;
}

bool TFrmMod::Ocupado() const {
    if (emHandler_ > 0 || emProtegido_ > 0 || modalResult_ != mrNone) return true;
    for (const auto* t : findChildren<QTimer*>(QStringLiteral("TClique"), Qt::FindDirectChildrenOnly)) {
        if (t->isActive()) return true;
    }
    return false;
}

void TFrmMod::Protegido(const std::function<void()>& handler) {
    const Contagem protegido(emProtegido_);
    try {
        handler();
    } catch (const std::exception& ex) {
        Lumomain::ReportaFalha(QString::fromLocal8Bit(ex.what()));
        setModalResult(mrOk);
    } catch (...) {
        Lumomain::ReportaFalha(QString::fromUtf8(msg::MsgErroInesperado));
        setModalResult(mrOk);
    }
}

bool TFrmMod::EnviaTransacaoAdviceOffLine(bool marca) {
    if (!GravaCamposHostlink()) return false;
    if (!VerificaObtemDadosEmv()) return false;
    if (!Descritor) return false;
    if (marca) host::GravaCampoString(10264, 0, QStringLiteral("1"));
    const bool ok = host::AutorizaTransacao(Pedido(), lbMensagem, 0);
    if (marca) host::LimpaCampo(10264);
    return ok;
}

bool TFrmMod::AutorizaTransacaoCartao(const std::function<void()>& aposResposta) {
    if (!Descritor) {
        Lumomain::ReportaFalha(QStringLiteral("Transação sem descritor"));
        setModalResult(mrOk);
        return false;
    }
    // The indicator came with the parameter load: the reply replaces service 5.
    bool numero = false;
    int dpchip = host::VerificaServico5String(QStringLiteral("DPCHIP:"), false)
                     .value_or(QString())
                     .trimmed()
                     .toInt(&numero);
    if (!numero) dpchip = 0;
    DefineMensagem(msg::Texto(msg::MsgEmProcessamento));
    Lumomain::ProcessaMensagens();
    host::AutorizaTransacao(Pedido(), lbMensagem, 0);
    Lumomain::ProcessaMensagens();
    if (aposResposta) aposResposta();
    host::TrataMensagensCartaoCHIP(dpchip, lbMensagem,
                                   [this](bool marca) { return EnviaTransacaoAdviceOffLine(marca); });
    const QString texto = host::LeCampo(1027);
    if (!texto.isEmpty()) {
        DefineMensagem(texto);
        Lumomain::ProcessaMensagens();
    }
    if (Lumomain::bPinpadCBAberto) {
        host::FechaPinpadCB();
        Lumomain::bPinpadCBAberto = false;
    }
    return true;
}

bool TFrmMod::VerificaObtemDadosEmv() {
    const QString rede = Lumomain::VerificaCodigoRedeCB(host::LeCampoInteiro(10232, 0, -1));
    const bool simulador = Lumomain::VerificaSeSimuladorBradesco();
    bool ok = false;
    if (rede == QLatin1String("805") && !simulador) {
        ok = host::ObtemDadosEmvCB() == 0;
    } else if (Lumomain::ServicoHzinho_Informacoes_Gerais_CB.texto(22, 3) == QLatin1String("805") &&
               Lumomain::VERSAO_DO_VORTA_CB.compare(QLatin1String("v3.00.E88r25")) >= 0) {
        ok = host::ObtemDadosEmvCB() == 0;
    } else {
        ok = host::VerificaObtemDadosCartao(lbMensagem);
    }
    // The PIN-pad package has already reported why; the chain closes.
    if (!ok) setModalResult(mrOk);
    return ok;
}

bool TFrmMod::VerificaProcessaCartao() {
    const bool ok = host::VerificaProcessamentoCartao(
        lbMensagem, [this](bool marca) { return EnviaTransacaoAdviceOffLine(marca); });
    if (!ok) setModalResult(mrOk);
    return ok;
}

bool TFrmMod::VerificaRealizaConsultaCestaServicos(char modo) {
    if (host::LeCampo(10102, 1) != QLatin1String("F")) return true;
    host::GravaCampoString(10261, 0, QString(QLatin1Char(modo)));
    std::optional<std::string> salvo;
    if (modo == '1') {
        const int flags = Lumomain::ServicoHzinho_25_InformacaoModoTransacao.inteiro(60, 3, 0);
        if ((flags & 3) == 0) return true;
        salvo = host::LeCampoBytesPresente(10290, 0, 1025).value_or(std::string());
        host::LimpaCampo(10290);
    }
    std::unique_ptr<TFrmCnsCstSrv> consulta(TFrmMod::Cria<TFrmCnsCstSrv>(this));
    if (!consulta) return false;
    consulta->show();
    const bool consultou = consulta->Consulta_Cesta_Servicos_LUMO();
    consulta->hide();
    consulta.reset();
    Lumomain::ProcessaMensagens();
    if (!consultou) {
        setModalResult(mrOk);
        return false;
    }
    if (salvo) host::GravaCampoBytes(10290, 0, *salvo);

    const auto escolhe = [this] {
        std::unique_ptr<TFrmProduto> produto(TFrmMod::Cria<TFrmProduto>(this));
        if (produto &&
            VerificaTrataPrefixoMenu(-1, produto.get(), QString::fromUtf8(msg::MsgFuncaoAdministrativa),
                                     QStringLiteral("Cesta de Serviços:"),
                                     QString::fromUtf8(msg::TituloAltCestaServicos)))
            return true;
        Encerra();
        return false;
    };
    if (modo == '1') return escolhe();
    if (modo == '2') {
        const QString prodx =
            host::VerificaServico5String(QStringLiteral("PRODX:"), true).value_or(QString());
        const QString atual = host::CopiaSubStringDelimitador(prodx, QStringLiteral("dHost="), ',').trimmed();
        const QString pergunta = QString::fromUtf8(msg::MsgCestaAtual) + QLatin1Char('\n') + atual +
                                 QStringLiteral("\n\n") + QString::fromUtf8(msg::MsgAlterar);
        if (!Lumomain::PerguntaSimNao(pergunta, QString::fromUtf8(msg::TituloAltCestaServicos), this)) {
            // The parameter load before this question left its own approval in 1009: without the operator's
            // code the host would read the abandoned call as approved.
            Encerra(QStringLiteral("FF"), QString::fromUtf8(msg::ErroFinalizadoOper));
            return false;
        }
        return escolhe();
    }
    return true;
}

bool TFrmMod::RealizaCargaParametros() {
    // Each load owns its wait dialog: a load started while another one shows its error box must not free the
    // dialog that box belongs to. The dialog goes on every path, also when a malformed reply throws.
    const auto descarta = [](TFrmMod_Par* f) {
        f->hide();
        delete f;
        Lumomain::ProcessaMensagens();
    };
    const std::unique_ptr<TFrmMod_Par, decltype(descarta)> espera(TFrmMod::Cria<TFrmMod_Par>(this), descarta);
    if (!espera) {
        Lumomain::MostraMensagem(Lumomain::Icone::Erro, TextoFalhaCriacao<TFrmMod_Par>(), this);
        setModalResult(mrOk);
        return false;
    }
    espera->show();
    Lumomain::ProcessaMensagens();
    const bool ok = espera->Carrega_parametros_LUMO();
    if (!ok) {
        setModalResult(mrOk);
        return false;
    }
    if (!Lumomain::GrupoPagto.isEmpty()) host::GravaCampoString(10314, 0, Lumomain::GrupoPagto);
    return true;
}

QTimer* TFrmMod::CriaClique(std::function<void()> acao) {
    auto* t = new QTimer(this);
    t->setObjectName(QStringLiteral("TClique"));
    t->setSingleShot(true);
    t->setInterval(1);
    RedefineClique(t, std::move(acao));
    return t;
}

void TFrmMod::RedefineClique(QTimer* t, std::function<void()> acao) {
    disconnect(t, &QTimer::timeout, this, nullptr);
    connect(t, &QTimer::timeout, this, [this, t, acao = std::move(acao)] {
        if (emHandler_ > 0) {
            t->start();
            return;
        }
        const Contagem emCurso(emHandler_);
        Protegido(acao);
    });
}

QPushButton* TFrmMod::CriaBotao(const QString& nome, const QString& texto, const QRect& posicao,
                                QWidget* painel) {
    auto* b = new QPushButton(texto, painel ? painel : this);
    b->setObjectName(nome);
    b->setGeometry(posicao);
    b->setAutoDefault(false);
    return b;
}

QWidget* TFrmMod::PrimeiroControle() const {
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) return w;
    }
    return nullptr;
}

void TFrmMod::FocaPrimeiroControle() {
    if (QWidget* w = PrimeiroControle()) w->setFocus(Qt::TabFocusReason);
}

void TFrmMod::DefineTitulo(const QString& titulo) {
    // A long title (the account opening's runs to 52 capitals) takes a smaller size rather than lose its
    // ends.
    QFont fonte = FonteNegrito(16);
    const int largura = lbTitulo->width() - 8;
    while (fonte.pointSize() > 9 && QFontMetrics(fonte).horizontalAdvance(titulo) > largura)
        fonte.setPointSize(fonte.pointSize() - 1);
    lbTitulo->setFont(fonte);
    lbTitulo->setText(titulo);
}
void TFrmMod::DefineMensagem(const QString& mensagem) {
    lbMensagem->setText(mensagem);
    if (!mensagem.isEmpty()) qCDebug(lcMensagem).noquote() << mensagem;
}

void TFrmMod::DefineDica(QWidget* controle, const QString& texto) {
    DefineDica(controle, [texto] { return texto; });
}

void TFrmMod::DefineDica(QWidget* controle, std::function<QString()> texto) {
    dicas_.insert(controle, std::move(texto));
    controle->installEventFilter(this);
}

bool TFrmMod::TeclaDeLista(QComboBox* lista, const QKeyEvent* e) {
    if (e->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
    const QString texto = e->text();
    if (texto.size() != 1 || !texto.at(0).isDigit() || texto.at(0).unicode() > 0x7F) return false;
    char tecla = static_cast<char>(texto.at(0).unicode());
    host::AvancaRetrocedeItemComboBox(lista, tecla);
    if (tecla == 0) return true;
    if (QAbstractButton* b = BotaoDoDigito(texto.at(0))) b->click();
    return true;
}

bool TFrmMod::eventFilter(QObject* objeto, QEvent* e) {
    if (e->type() == QEvent::FocusIn) {
        const auto dica = dicas_.constFind(objeto);
        if (dica != dicas_.constEnd()) DefineMensagem((*dica)());
    }
    return QDialog::eventFilter(objeto, e);
}

QString Documentos::Digitado(const QLineEdit* edit) {
    QString d = edit->text();
    d.removeIf([](QChar c) { return !c.isLetterOrNumber(); });
    return d;
}

void TFrmMod::ComboBoxTipoPessoaChange(QComboBox* cbTipoPessoa, QLabel* lbDocumento, QLineEdit* edDocumento,
                                       int tipo) {
    const int indice = cbTipoPessoa->currentIndex();
    if (indice < 0 || indice > 2) return;
    if (edDocumento->isEnabled()) edDocumento->clear();
    if (indice == 2) {
        edDocumento->hide();
        lbDocumento->hide();
        return;
    }
    const bool cnpj = indice == 1 || tipo == 2;
    edDocumento->setInputMask(QLatin1String(cnpj ? Documentos::MascaraCNPJ : Documentos::MascaraCPF));
    edDocumento->show();
    lbDocumento->show();
    lbDocumento->setText(QString::fromUtf8(indice == 0 ? msg::InfoCPF : msg::InfoCNPJ));
}

void TFrmMod::ExibeMsgErroRepeteCampo(const QString& mensagem, QWidget* controle, QWidget* painel) {
    ExibeMsgErroRepeteCampo(mensagem, controle, painel, Lumomain::Icone::Aviso);
}

void TFrmMod::ExibeMsgErroRepeteCampo(const QString& mensagem, QWidget* controle, QWidget* painel,
                                      Lumomain::Icone icone) {
    Lumomain::MostraMensagem(icone, mensagem, this);
    if (painel) painel->setEnabled(true);
    if (controle && controle->isVisibleTo(this) && controle->isEnabled() &&
        controle->focusPolicy() != Qt::NoFocus)
        controle->setFocus(Qt::OtherFocusReason);
    else
        FocaPrimeiroControle();
}
