#include "Gravador.h"

#include "ConferenciaTela.h"
#include "Teclado.h"

#include "vortasim.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QSaveFile>
#include <QShortcutEvent>
#include <QWidget>

namespace {

// The module's screens may be children of the till's window: only the window itself says whose it is.
bool DoCaixa(const QWidget* janela) {
    return janela->property(Teclado::kJanelaDoCaixa).toBool();
}

bool Sensivel(const QWidget* w) {
    const auto* e = qobject_cast<const QLineEdit*>(w);
    return e && (e->echoMode() != QLineEdit::Normal || e->property("cbSensivel").toBool());
}

// The key in the scripts' notation; empty when the notation has none for it.
QString Notacao(const QKeyEvent* k) {
    const Qt::KeyboardModifiers mods = k->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::AltModifier && k->key() >= Qt::Key_0 && k->key() <= Qt::Key_9)
        return QStringLiteral("<Alt+%1>").arg(k->key() - Qt::Key_0);
    if (mods & ~Qt::ShiftModifier) return {};
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("<Enter>");
    case Qt::Key_Backspace:
        return QStringLiteral("<Backspace>");
    case Qt::Key_Escape:
        return QStringLiteral("<Esc>");
    case Qt::Key_Tab:
        return QStringLiteral("<Tab>");
    case Qt::Key_Up:
        return QStringLiteral("<Up>");
    case Qt::Key_Down:
        return QStringLiteral("<Down>");
    default:
        break;
    }
    const QString t = k->text();
    return t.size() == 1 && t.at(0).isPrint() && t.at(0) != QLatin1Char('<') ? t : QString();
}

// A click on a button, as the key that presses the same button.
QString TeclaDoBotao(QAbstractButton* b) {
    const QString t = b->text();
    if (t.size() >= 2 && t.at(0) == QLatin1Char('&') && t.at(1).isDigit())
        return QStringLiteral("<Alt+%1>").arg(t.at(1));
    if (auto* caixa = qobject_cast<QMessageBox*>(b->window())) {
        if (caixa->escapeButton() == b) return QStringLiteral("<Esc>");
    }
    return b->hasFocus() ? QStringLiteral("<Enter>") : QString();
}

QString ArquivoEmTexto(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

} // namespace

Gravador::Gravador(QString arquivo, QString dirHost) : arquivo_(std::move(arquivo)) {
    // The menus depend on the host's INI files: the replay starts from them as they were.
    QJsonObject arquivos;
    for (const char* nome : {"ClienteTrn.ini", "Cliente.ini", "RestabeleceLimite.ini"}) {
        const QString caminho = QDir(dirHost).filePath(QLatin1String(nome));
        arquivos.insert(QLatin1String(nome),
                        QFile::exists(caminho) ? QJsonValue(ArquivoEmTexto(caminho)) : QJsonValue());
    }
    inicio_.insert(QStringLiteral("arquivos"), arquivos);
    qApp->installEventFilter(this);
}

Gravador::~Gravador() {
    qApp->removeEventFilter(this);
}

void Gravador::DefineServidor(const QString& cenario, const QJsonObject& falhas) {
    cenario_ = QFileInfo(cenario).absoluteFilePath();
    falhas_ = falhas;
}

QJsonObject Gravador::MudancasDoServidor() {
    const QString pasta = QFileInfo(arquivo_).absolutePath();
    QJsonObject servidor;
    if (!inicio_.contains(QStringLiteral("servidor"))) {
        // The first call: the server as it stood goes at the top of the script.
        QJsonObject topo{{QStringLiteral("cenario"), QDir(pasta).relativeFilePath(cenario_)}};
        if (!falhas_.isEmpty()) topo.insert(QStringLiteral("falhas"), falhas_);
        inicio_.insert(QStringLiteral("servidor"), topo);
    } else if (cenario_ != cenarioGravado_) {
        // A scenario loaded anew also resets the switches to its own, so both go in.
        servidor = {{QStringLiteral("cenario"), QDir(pasta).relativeFilePath(cenario_)},
                    {QStringLiteral("falhas"), falhas_}};
    } else if (falhas_ != falhasGravadas_) {
        servidor = {{QStringLiteral("falhas"), falhas_}};
    }
    cenarioGravado_ = cenario_;
    falhasGravadas_ = falhas_;
    return servidor;
}

void Gravador::IniciaChamada(const QString& entrada, int modo, const QJsonObject& campos) {
    chamada_ = {{QStringLiteral("entrada"), entrada}, {QStringLiteral("modo"), modo}};
    if (!campos.isEmpty()) chamada_.insert(QStringLiteral("campos"), campos);
    if (const QJsonObject servidor = MudancasDoServidor(); !servidor.isEmpty())
        chamada_.insert(QStringLiteral("servidor"), servidor);
    passos_ = {};
    senhas_ = {};
    confirmacoes_ = {};
    cartao_ = QJsonValue();
    leuCartao_ = false;
    telaPasso_ = nullptr;
    focoPasso_ = nullptr;
    ultimaTelaAtiva_ = nullptr;
    novaAparicao_ = true;
    emChamada_ = true;
}

void Gravador::Operador(bool valido) {
    if (!emChamada_) return;
    if (chamada_.contains(QStringLiteral("operador")) &&
        chamada_.value(QStringLiteral("operador")).toBool() != valido)
        avisos_ << QStringLiteral(
                       "call %1: the supervisor's password was both accepted and refused; the last "
                       "answer was kept")
                       .arg(chamadas_.size());
    chamada_.insert(QStringLiteral("operador"), valido);
}

void Gravador::Pinpad(int pedido, int resultado, const QString& cartao) {
    if (!emChamada_) return;
    const bool ok = resultado == VORTASIM_PINPAD_OK;
    if (pedido == VORTASIM_PINPAD_SENHA) {
        senhas_.append(ok ? QJsonValue(QLatin1String(kSenhaGravada)) : QJsonValue());
    } else if (pedido == VORTASIM_PINPAD_CONFIRMACAO) {
        confirmacoes_.append(ok);
    } else if (pedido == VORTASIM_PINPAD_CARTAO) {
        // A script presents one card for every read of a call: the first read's.
        const QJsonValue este = ok ? QJsonValue(cartao) : QJsonValue();
        if (leuCartao_ && este != cartao_)
            avisos_ << QStringLiteral("call %1: another card at a later read; the first one was kept")
                           .arg(chamadas_.size());
        if (!leuCartao_) cartao_ = este;
        leuCartao_ = true;
    }
}

bool Gravador::TerminaChamada(const QJsonObject& resultado, int gravacoes, QString* erro) {
    if (!emChamada_) return true;
    emChamada_ = false;
    chamada_.insert(QStringLiteral("passos"), passos_);
    QJsonObject pinpad;
    if (leuCartao_) pinpad.insert(QStringLiteral("cartao"), cartao_);
    if (!senhas_.isEmpty()) pinpad.insert(QStringLiteral("senhas"), senhas_);
    if (!confirmacoes_.isEmpty()) pinpad.insert(QStringLiteral("confirmacoes"), confirmacoes_);
    if (!pinpad.isEmpty()) chamada_.insert(QStringLiteral("pinpad"), pinpad);
    chamada_.insert(QStringLiteral("resultado"), resultado);
    if (gravacoes != 1) chamada_.insert(QStringLiteral("gravacoes"), gravacoes);
    chamadas_.append(chamada_);
    return Grava(erro);
}

bool Gravador::ChamadaSimples(const QJsonObject& chamada, QString* erro) {
    MudancasDoServidor();
    chamadas_.append(chamada);
    return Grava(erro);
}

bool Gravador::Grava(QString* erro) {
    QJsonObject script = inicio_;
    QString descricao = QStringLiteral("Recorded by cb-till --record on %1.")
                            .arg(QDateTime::currentDateTime().toString(Qt::ISODate));
    if (!avisos_.isEmpty())
        descricao += QStringLiteral(" To review before replaying: ") + avisos_.join(QStringLiteral("; ")) +
                     QLatin1Char('.');
    script.insert(QStringLiteral("descricao"), descricao);
    script.insert(QStringLiteral("chamadas"), chamadas_);
    QSaveFile f(arquivo_);
    if (!f.open(QIODevice::WriteOnly) || f.write(QJsonDocument(script).toJson(QJsonDocument::Indented)) < 0 ||
        !f.commit()) {
        if (erro) *erro = QStringLiteral("cannot write %1: %2").arg(arquivo_, f.errorString());
        return false;
    }
    return true;
}

void Gravador::NovoPasso(QWidget* tela, QWidget* foco) {
    QJsonObject espera;
    const bool mesma = tela == telaPasso_ && !novaAparicao_;
    if (mesma) {
        if (foco && !foco->objectName().isEmpty()) espera.insert(QStringLiteral("foco"), foco->objectName());
    } else {
        const QJsonObject d = RetrataTela(tela).descricao;
        // A message box by its text: its title carries the module's version.
        const bool caixa = qobject_cast<QMessageBox*>(tela) != nullptr;
        for (const char* chave : {"classe", caixa ? "texto" : "titulo"}) {
            const QString v = d.value(QLatin1String(chave)).toString();
            if (!v.isEmpty()) espera.insert(QLatin1String(chave), v);
        }
    }
    QJsonObject passo{{QStringLiteral("espera"), espera}, {QStringLiteral("teclas"), QJsonArray()}};
    if (mesma) passo.insert(QStringLiteral("mesmaTela"), true);
    passos_.append(passo);
    telaPasso_ = tela;
    focoPasso_ = foco;
    novaAparicao_ = false;
}

void Gravador::Registra(QWidget* tela, const QString& tecla) {
    QWidget* foco = tela->focusWidget();
    if (tela != telaPasso_ || novaAparicao_ || foco != focoPasso_ || passos_.isEmpty() ||
        passos_.last().toObject().contains(QStringLiteral("acao")))
        NovoPasso(tela, foco);
    QJsonObject passo = passos_.last().toObject();
    QJsonArray teclas = passo.value(QStringLiteral("teclas")).toArray();
    QString t = tecla;
    if (Sensivel(foco) && !t.startsWith(QLatin1Char('<'))) {
        t = QStringLiteral("*");
        const QString aviso =
            QStringLiteral("call %1, step %2: keys typed into %3, which hides its text, are written as *")
                .arg(chamadas_.size())
                .arg(passos_.size())
                .arg(foco->objectName());
        if (!avisos_.contains(aviso)) avisos_ << aviso;
    }
    // Typed text stays one string, as scripts write it; special keys each their own.
    if (!t.startsWith(QLatin1Char('<')) && !teclas.isEmpty() &&
        !teclas.last().toString().startsWith(QLatin1Char('<')))
        teclas.replace(teclas.size() - 1, teclas.last().toString() + t);
    else
        teclas.append(t);
    passo.insert(QStringLiteral("teclas"), teclas);
    passos_.replace(passos_.size() - 1, passo);
}

void Gravador::Fecha(QWidget* tela) {
    if (tela != telaPasso_ || novaAparicao_ || passos_.isEmpty()) NovoPasso(tela, tela->focusWidget());
    QJsonObject passo = passos_.last().toObject();
    passo.remove(QStringLiteral("teclas"));
    passo.insert(QStringLiteral("acao"), QStringLiteral("fechar"));
    passos_.replace(passos_.size() - 1, passo);
}

bool Gravador::eventFilter(QObject* alvo, QEvent* evento) {
    if (!emChamada_ || !alvo->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(alvo);
    QWidget* janela = w->window();
    // A combo box's list is a popup of its own: what is typed there belongs to the screen under it.
    QWidget* tela = janela->windowType() == Qt::Popup && janela->parentWidget()
                        ? janela->parentWidget()->window()
                        : janela;
    if (DoCaixa(tela)) return false;
    switch (evento->type()) {
    case QEvent::WindowActivate:
        if (w == tela && tela != ultimaTelaAtiva_) {
            ultimaTelaAtiva_ = tela;
            novaAparicao_ = true;
        }
        break;
    case QEvent::KeyPress: {
        // A key travels from the focused control up to the window: it is counted where it starts.
        QWidget* foco = janela->focusWidget();
        if (foco ? w != foco : w != janela) break;
        const auto* k = static_cast<QKeyEvent*>(evento);
        // A modifier alone types nothing: Shift before a capital, Alt before a button's digit.
        if (k->key() == Qt::Key_Shift || k->key() == Qt::Key_Control || k->key() == Qt::Key_Alt ||
            k->key() == Qt::Key_Meta || k->key() == Qt::Key_AltGr || k->key() == Qt::Key_CapsLock ||
            k->key() == Qt::Key_NumLock)
            break;
        const QString tecla = Notacao(k);
        if (tecla.isEmpty()) {
            avisos_ << QStringLiteral("call %1: a key the scripts cannot type (code %2) was left out")
                           .arg(chamadas_.size())
                           .arg(k->key());
            break;
        }
        Registra(tela, tecla);
        break;
    }
    case QEvent::Shortcut: {
        // A button's mnemonic typed on a real keyboard arrives as a shortcut, not as a key.
        const auto* s = static_cast<QShortcutEvent*>(evento);
        const QString k = s->key().toString(QKeySequence::PortableText);
        if (k.startsWith(QLatin1String("Alt+")) && k.size() == 5 && k.at(4).isDigit())
            Registra(tela, QStringLiteral("<%1>").arg(k));
        break;
    }
    case QEvent::MouseButtonRelease:
        if (auto* b = qobject_cast<QAbstractButton*>(w);
            b && b->isEnabled() &&
            b->rect().contains(static_cast<QMouseEvent*>(evento)->position().toPoint())) {
            const QString tecla = TeclaDoBotao(b);
            if (tecla.isEmpty())
                avisos_ << QStringLiteral("call %1: a click on \"%2\" has no key of its own and was left out")
                               .arg(chamadas_.size())
                               .arg(b->text());
            else
                Registra(tela, tecla);
        }
        break;
    case QEvent::Close:
        if (w == tela && evento->spontaneous()) Fecha(tela);
        break;
    default:
        break;
    }
    return false;
}
