#include "JanelaPinpad.h"

#include "vortasim.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

#include <string.h>

namespace {

// Qt handlers and slots must not let an exception out; the only one these can meet is an allocation failure,
// and the request then simply keeps waiting for its deadline.
template <typename F> void Seguro(F&& f) noexcept {
    try {
        f();
    } catch (...) {
    }
}

} // namespace

// One request waiting for the customer. resultado holds what the request returns if nothing else happens
// (the deadline passes): no card for a read, cancelled otherwise.
struct JanelaPinpad::Espera {
    Espera(int p, int r) : pedido(p), resultado(r) {}
    int pedido;
    int resultado;
    bool terminada = false;
    QEventLoop laco;
};

JanelaPinpad::JanelaPinpad(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("JanelaPinpad"));
    setWindowTitle(QStringLiteral("PIN pad"));
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);

    titulo_ = new QLabel(this);
    titulo_->setObjectName(QStringLiteral("titulo"));
    titulo_->setAlignment(Qt::AlignCenter);
    layout->addWidget(titulo_);

    // The display: two lines of 16 characters in a fixed-width font, as on the device.
    auto* visor = new QFrame(this);
    visor->setObjectName(QStringLiteral("visor"));
    visor->setFrameShape(QFrame::Box);
    visor->setStyleSheet(QStringLiteral("#visor { background: #b8c8a0; } QLabel { color: #102010; }"));
    auto* linhas = new QVBoxLayout(visor);
    QFont fonte = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fonte.setPointSize(15);
    fonte.setBold(true);
    const int largura = QFontMetrics(fonte).horizontalAdvance(QString(kColunasVisor, QLatin1Char('M')));
    for (QLabel** l : {&linha1_, &linha2_}) {
        *l = new QLabel(visor);
        (*l)->setFont(fonte);
        (*l)->setMinimumWidth(largura);
        (*l)->setTextFormat(Qt::PlainText);
        linhas->addWidget(*l);
    }
    linha1_->setObjectName(QStringLiteral("visorLinha1"));
    linha2_->setObjectName(QStringLiteral("visorLinha2"));
    layout->addWidget(visor);

    lista_ = new QListWidget(this);
    lista_->setObjectName(QStringLiteral("listaCartoes"));
    lista_->setFocusPolicy(Qt::NoFocus); // the keyboard belongs to the keypad
    layout->addWidget(lista_);
    auto* cartao = new QHBoxLayout;
    inserir_ = new QPushButton(QStringLiteral("Inserir cartão"), this);
    inserir_->setObjectName(QStringLiteral("btInserir"));
    passar_ = new QPushButton(QStringLiteral("Passar cartão"), this);
    passar_->setObjectName(QStringLiteral("btPassar"));
    cartao->addWidget(inserir_);
    cartao->addWidget(passar_);
    layout->addLayout(cartao);
    situacao_ = new QLabel(this);
    situacao_->setObjectName(QStringLiteral("situacao"));
    situacao_->setWordWrap(true);
    layout->addWidget(situacao_);

    auto* teclado = new QGridLayout;
    for (int d = 0; d < 10; ++d) {
        auto* b = new QPushButton(QString::number(d), this);
        b->setObjectName(QStringLiteral("tecla%1").arg(d));
        teclas_[static_cast<size_t>(d)] = b;
        connect(b, &QPushButton::clicked, this, [this, d] { Seguro([&] { Digito(d); }); });
        if (d == 0)
            teclado->addWidget(b, 3, 1);
        else
            teclado->addWidget(b, (d - 1) / 3, (d - 1) % 3);
    }
    anula_ = new QPushButton(QStringLiteral("Anula"), this);
    anula_->setObjectName(QStringLiteral("btAnula"));
    anula_->setStyleSheet(QStringLiteral("background: #d04040; color: white;"));
    limpa_ = new QPushButton(QStringLiteral("Limpa"), this);
    limpa_->setObjectName(QStringLiteral("btLimpa"));
    limpa_->setStyleSheet(QStringLiteral("background: #e0c040;"));
    entra_ = new QPushButton(QStringLiteral("Entra"), this);
    entra_->setObjectName(QStringLiteral("btEntra"));
    entra_->setStyleSheet(QStringLiteral("background: #40a040; color: white;"));
    teclado->addWidget(anula_, 0, 3);
    teclado->addWidget(limpa_, 1, 3);
    teclado->addWidget(entra_, 2, 3);
    layout->addLayout(teclado);

    // Every control leaves the keyboard to the window, which reads the keypad keys itself.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setFocusPolicy(Qt::NoFocus);
    connect(anula_, &QPushButton::clicked, this, [this] { Seguro([&] { Anula(); }); });
    connect(limpa_, &QPushButton::clicked, this, [this] { Seguro([&] { Limpa(); }); });
    connect(entra_, &QPushButton::clicked, this, [this] { Seguro([&] { Entra(); }); });
    connect(inserir_, &QPushButton::clicked, this, [this] { Seguro([&] { Apresenta(); }); });
    connect(passar_, &QPushButton::clicked, this, [this] { Seguro([&] { Apresenta(); }); });
    connect(lista_, &QListWidget::currentRowChanged, this, [this] { Seguro([&] { AtualizaControles(); }); });

    MostraVisor({QStringLiteral("PINPAD"), QString()});
    AtualizaControles();
}

JanelaPinpad::~JanelaPinpad() {
    Desinstala();
    if (espera_) {
        espera_->resultado =
            espera_->pedido == VORTASIM_PINPAD_CARTAO ? VORTASIM_PINPAD_SEM_CARTAO : VORTASIM_PINPAD_ANULADO;
        espera_->terminada = true;
        espera_->laco.quit();
        espera_ = nullptr;
    }
    ApagaSenha();
}

void JanelaPinpad::DefineCartoes(const QList<CartaoPinpad>& cartoes) {
    cartoes_ = cartoes;
    lista_->clear();
    for (const auto& c : cartoes_)
        lista_->addItem(QStringLiteral("%1\n%2 — %3")
                            .arg(c.descricao, c.numeroMascarado,
                                 c.chip ? QStringLiteral("chip") : QStringLiteral("tarja")));
    if (!cartoes_.isEmpty()) lista_->setCurrentRow(0);
    AtualizaControles();
}

void JanelaPinpad::Instala() {
    VortaSimPinpadDefineInterativo(&JanelaPinpad::Interativo, this);
    instalado_ = true;
}

void JanelaPinpad::Desinstala() {
    if (!instalado_) return;
    VortaSimPinpadDefineInterativo(nullptr, nullptr);
    instalado_ = false;
}

void JanelaPinpad::EscolheCartao(int linha) {
    if (linha >= 0 && linha < lista_->count()) lista_->setCurrentRow(linha);
}

int JanelaPinpad::CartaoEscolhido() const {
    return lista_->currentRow();
}

int JanelaPinpad::PedidoAtual() const {
    return espera_ ? espera_->pedido : 0;
}

QString JanelaPinpad::Linha1() const {
    return linha1_->text();
}

QString JanelaPinpad::Linha2() const {
    return linha2_->text();
}

QStringList JanelaPinpad::LinhasDoVisor(const QString& texto) {
    static const QRegularExpression quebra(QStringLiteral("\r\n|\r|\n"));
    const QStringList partes = texto.split(quebra);
    if (partes.size() >= 2)
        return {partes.at(0).trimmed().left(kColunasVisor), partes.at(1).trimmed().left(kColunasVisor)};
    const QString t = texto.trimmed();
    if (t.size() <= kColunasVisor) return {t, QString()};
    // Broken between words when the rest fits the second line; otherwise every character the display can
    // hold is kept, as a PIN pad shows a 32-character message.
    const qsizetype corte = t.lastIndexOf(QLatin1Char(' '), kColunasVisor);
    if (corte > 0 && t.size() - corte - 1 <= kColunasVisor)
        return {t.left(corte).trimmed(), t.mid(corte + 1)};
    return {t.left(kColunasVisor), t.mid(kColunasVisor).trimmed().left(kColunasVisor)};
}

int JanelaPinpad::Interativo(int pedido, const char* visor, void* contexto) noexcept {
    try {
        return static_cast<JanelaPinpad*>(contexto)->Atende(pedido, QString::fromLatin1(visor ? visor : ""));
    } catch (...) {
        return pedido == VORTASIM_PINPAD_CARTAO ? VORTASIM_PINPAD_SEM_CARTAO : VORTASIM_PINPAD_ANULADO;
    }
}

int JanelaPinpad::Atende(int pedido, const QString& visor) {
    switch (pedido) {
    case VORTASIM_PINPAD_MENSAGEM:
        MostraVisor(LinhasDoVisor(visor));
        return VORTASIM_PINPAD_OK;
    case VORTASIM_PINPAD_TITULO:
        titulo_->setText(visor);
        return VORTASIM_PINPAD_OK;
    case VORTASIM_PINPAD_CARTAO:
    case VORTASIM_PINPAD_SENHA:
    case VORTASIM_PINPAD_CONFIRMACAO:
        break;
    default:
        return VORTASIM_PINPAD_ANULADO;
    }
    const int semResposta =
        pedido == VORTASIM_PINPAD_CARTAO ? VORTASIM_PINPAD_SEM_CARTAO : VORTASIM_PINPAD_ANULADO;
    // The device serves one request at a time.
    if (espera_) return semResposta;

    Espera espera{pedido, semResposta};
    espera_ = &espera;
    apresentado_.clear();
    ApagaSenha();
    if (pedido == VORTASIM_PINPAD_SENHA) {
        const QString mensagem = LinhasDoVisor(visor).at(0);
        MostraVisor({mensagem.isEmpty() ? QStringLiteral("SENHA:") : mensagem, QString()});
    } else {
        MostraVisor(LinhasDoVisor(visor));
    }
    if (pedido == VORTASIM_PINPAD_CARTAO)
        situacao_->setText(QStringLiteral("Escolha o cartão e insira-o (chip) ou passe-o (tarja)."));
    AtualizaControles();
    MostraModal(true);

    const QPointer<JanelaPinpad> guarda(this);
    QTimer prazo;
    prazo.setSingleShot(true);
    connect(&prazo, &QTimer::timeout, &espera.laco, [&espera] {
        espera.terminada = true;
        espera.laco.quit();
    });
    prazo.start(prazo_);
    emit pedidoIniciado(pedido);
    // A handler of the signal may already have answered.
    if (!espera.terminada) espera.laco.exec();
    if (!guarda) return espera.resultado; // the window went away while waiting
    espera_ = nullptr;
    ApagaSenha();
    if (pedido == VORTASIM_PINPAD_SENHA) linha2_->clear();
    AtualizaControles();
    MostraModal(false);
    emit pedidoTerminado(pedido, espera.resultado,
                         pedido == VORTASIM_PINPAD_CARTAO && espera.resultado == VORTASIM_PINPAD_OK
                             ? apresentado_
                             : QString());
    return espera.resultado;
}

void JanelaPinpad::Termina(int resultado) {
    if (!espera_) return;
    espera_->resultado = resultado;
    espera_->terminada = true;
    espera_->laco.quit();
}

void JanelaPinpad::Digito(int digito) {
    if (PedidoAtual() != VORTASIM_PINPAD_SENHA || digitos_ >= kSenhaMaxima) return;
    senha_[static_cast<size_t>(digitos_++)] = static_cast<char>('0' + digito);
    linha2_->setText(QString(digitos_, QLatin1Char('*')));
    AtualizaControles();
}

void JanelaPinpad::Limpa() {
    if (PedidoAtual() != VORTASIM_PINPAD_SENHA) return;
    ApagaSenha();
    linha2_->clear();
    AtualizaControles();
}

void JanelaPinpad::Anula() {
    ApagaSenha();
    Termina(VORTASIM_PINPAD_ANULADO);
}

void JanelaPinpad::Entra() {
    switch (PedidoAtual()) {
    case VORTASIM_PINPAD_CONFIRMACAO:
        Termina(VORTASIM_PINPAD_OK);
        break;
    case VORTASIM_PINPAD_SENHA: {
        if (digitos_ < kSenhaMinima) {
            QApplication::beep();
            return;
        }
        senha_[static_cast<size_t>(digitos_)] = '\0';
        const bool entregue = VortaSimPinpadEntregaSenha(senha_.data()) == 0;
        ApagaSenha();
        Termina(entregue ? VORTASIM_PINPAD_OK : VORTASIM_PINPAD_ANULADO);
        break;
    }
    default:
        break;
    }
}

void JanelaPinpad::Apresenta() {
    const int linha = lista_->currentRow();
    if (PedidoAtual() != VORTASIM_PINPAD_CARTAO || linha < 0 || linha >= cartoes_.size()) return;
    const CartaoPinpad& c = cartoes_.at(linha);
    VortaSimPinpadApresentaCartao(c.indice);
    apresentado_ = c.descricao;
    situacao_->setText(
        (c.chip ? QStringLiteral("Cartão inserido: %1 %2") : QStringLiteral("Cartão passado: %1 %2"))
            .arg(c.descricao, c.numeroMascarado));
    Termina(VORTASIM_PINPAD_OK);
}

void JanelaPinpad::MostraVisor(const QStringList& linhas) {
    linha1_->setText(linhas.value(0).left(kColunasVisor));
    linha2_->setText(linhas.value(1).left(kColunasVisor));
}

// While a request waits the window is application-modal, so it takes the customer's keys even when the
// module's own modal dialogs are open; afterwards it stays on screen as an ordinary window. Qt applies a
// change of modality only when a window is shown, hence the hide and show.
void JanelaPinpad::MostraModal(bool modal) {
    const Qt::WindowModality modalidade = modal ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modalidade) {
        const bool visivel = isVisible();
        if (visivel) hide();
        setWindowModality(modalidade);
        if (visivel || modal) show();
    } else if (modal && !isVisible()) {
        show();
    }
    if (modal) {
        raise();
        activateWindow();
        setFocus();
    }
}

void JanelaPinpad::AtualizaControles() {
    const int pedido = PedidoAtual();
    const int linha = lista_->currentRow();
    const bool cartao = pedido == VORTASIM_PINPAD_CARTAO && linha >= 0 && linha < cartoes_.size();
    inserir_->setEnabled(cartao && cartoes_.at(linha).chip);
    passar_->setEnabled(cartao && !cartoes_.at(linha).chip);
    const bool senha = pedido == VORTASIM_PINPAD_SENHA;
    for (QPushButton* b : teclas_)
        b->setEnabled(senha);
    limpa_->setEnabled(senha);
    anula_->setEnabled(pedido != 0);
    entra_->setEnabled(senha || pedido == VORTASIM_PINPAD_CONFIRMACAO);
}

void JanelaPinpad::ApagaSenha() {
    explicit_bzero(senha_.data(), senha_.size());
    digitos_ = 0;
}

void JanelaPinpad::keyPressEvent(QKeyEvent* evento) {
    const int tecla = evento->key();
    bool tratada = true;
    Seguro([&] {
        if (tecla >= Qt::Key_0 && tecla <= Qt::Key_9) {
            Digito(tecla - Qt::Key_0);
        } else if (tecla == Qt::Key_Escape) {
            Anula();
        } else if (tecla == Qt::Key_Backspace || tecla == Qt::Key_Delete) {
            Limpa();
        } else if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            Entra();
        } else if ((tecla == Qt::Key_Up || tecla == Qt::Key_Down) && lista_->count() > 0) {
            const int passo = tecla == Qt::Key_Up ? -1 : 1;
            lista_->setCurrentRow(std::clamp(lista_->currentRow() + passo, 0, lista_->count() - 1));
        } else {
            tratada = false;
        }
    });
    if (!tratada) QWidget::keyPressEvent(evento);
}

void JanelaPinpad::closeEvent(QCloseEvent* evento) {
    // Closing the device's window is the customer walking away: whatever waits is cancelled.
    Seguro([&] { Anula(); });
    evento->accept();
}
