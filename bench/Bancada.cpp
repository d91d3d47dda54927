#include "Bancada.h"

#include "Copias.h"
#include "Teclado.h"
#include "vortasim.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QWindow>

#include <algorithm>
#include <cstring>
#include <exception>

namespace cbbench {

namespace {

QEvent::Type tipoSonda() {
    static const auto tipo = static_cast<QEvent::Type>(QEvent::registerEventType());
    return tipo;
}
QEvent::Type tipoContinua() {
    static const auto tipo = static_cast<QEvent::Type>(QEvent::registerEventType());
    return tipo;
}

bool ehPiso(const QWidget* janela) {
    return janela->objectName().startsWith(QLatin1String(kNomePiso));
}

void pressiona(QWidget* janela, char digito) {
    Teclado::Envia(janela, Teclado::DoCaractere(QLatin1Char(digito)));
}

void envia(QWidget* janela, const char* tecla) {
    Teclado::Envia(janela, Teclado::Interpreta(QStringList{QLatin1String(tecla)}));
}

std::string descreve(const QWidget* w) {
    if (!w) return "nothing";
    std::string d = w->metaObject()->className();
    if (!w->objectName().isEmpty()) d += " " + w->objectName().toStdString();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) d += " \"" + b->text().toStdString() + "\"";
    return d;
}

// How many Enters a dialog may take before it is left: one per field on the way to its confirm button.
constexpr int kMaxEnters = 8;

} // namespace

Observador::Observador(Vigia& vigia) : vigia_(vigia) {
    // A menu back to waiting once the dialog over it closed shows it only by its "&9" being enabled
    // again, with no event of its own: a short poll looks.
    fechaEspera_.setInterval(1);
    connect(&fechaEspera_, &QTimer::timeout, this, [this] {
        try {
            fechaQuemEspera();
        } catch (const std::exception& e) {
            falha(std::string("closing the screens left open: ") + e.what());
        }
    });
}

void Observador::prepara(std::vector<Tela> telas, bool digitosPeloBench, bool caixasEncerram) {
    fechaEspera_.stop();
    telas_ = std::move(telas);
    digitosPeloBench_ = digitosPeloBench;
    caixasEncerram_ = caixasEncerram;
    atual_ = 0;
    alvo_.clear();
    emCurso_.clear();
    abertas_.clear();
    sondaPostada_ = false;
    passos.assign(telas_.size(), Passo{});
    mensagens.clear();
}

bool Observador::eventFilter(QObject* o, QEvent* e) {
    switch (e->type()) {
    case QEvent::Show:
        if (o->isWidgetType()) aoExibir(static_cast<QWidget*>(o));
        break;
    case QEvent::Expose:
        if (alvo_ && !sondaPostada_ && o == alvo_->windowHandle()) {
            // The expose is being delivered now and the window paints while handling it; the probe runs
            // once control is back in the event loop.
            sondaPostada_ = true;
            QCoreApplication::postEvent(this, new QEvent(tipoSonda()));
        }
        break;
    case QEvent::KeyPress:
        if (digitosPeloBench_ && o->isWidgetType()) {
            QWidget* janela = static_cast<QWidget*>(o)->window();
            if (ehPiso(janela))
                return teclaNoPiso(static_cast<QWidget*>(o), janela, static_cast<QKeyEvent*>(e));
        }
        break;
    default:
        break;
    }
    return false;
}

void Observador::customEvent(QEvent* e) {
    try {
        if (e->type() == tipoContinua()) {
            continua();
            return;
        }
        if (e->type() != tipoSonda()) return;
        sondaPostada_ = false;
        QWidget* w = alvo_;
        if (!w || !w->isVisible()) return;
        QWindow* janela = w->windowHandle();
        if (!janela || !janela->isExposed()) return; // the next expose posts another probe
        avanca(w);
    } catch (const std::exception& ex) {
        falha(std::string("walking the screens: ") + ex.what());
    }
}

// The current screen is on screen: its time, then its key. The next screen is awaited before the key
// goes, since it comes up (and may be gone again) while the key is being handled.
void Observador::avanca(QWidget* w) {
    const std::size_t i = atual_++;
    alvo_.clear();
    passos[i].mostrado = Relogio::now();
    if (aoMostrar) aoMostrar(w);
    const Tela& tela = telas_[i];
    if (tela.digita.empty() && tela.saida == Tela::Saida::Digito) {
        vigia_.fase(tela.faseDepois);
        if (tela.tecla != '9') abertas_.emplace_back(w);
        passos[i].tecla = Relogio::now();
        pressiona(w, tela.tecla);
        if (atual_ == telas_.size() && !abertas_.empty()) fechaEspera_.start();
        return;
    }
    emCurso_ = w;
    indiceEmCurso_ = i;
    acao_ = 0;
    enters_ = 0;
    continua();
}

// One action of the screen in course, or its leaving key; the next one is posted, so that what the
// last one set going (a focus change, a deferred handler) runs first.
void Observador::continua() {
    QWidget* w = emCurso_;
    if (!w) return;
    const std::size_t i = indiceEmCurso_;
    const Tela& tela = telas_[i];
    const std::string nome = w->metaObject()->className();
    if (i + 1 < passos.size() && passos[i + 1].visto) { // left by the last key
        emCurso_.clear();
        return;
    }
    if (!w->isVisible() || QApplication::activeModalWidget() != w) {
        // Left without the next screen of the walk: what comes instead is awaited under the deadline.
        emCurso_.clear();
        if (i + 1 == telas_.size()) terminaTela();
        return;
    }
    if (acao_ < tela.digita.size()) {
        const Acao& a = tela.digita[acao_++];
        QWidget* foco = w->focusWidget();
        if (a.foco && (!foco || foco->objectName() != QLatin1String(a.foco))) {
            // A bare copy has no focus rules of its own: the bench puts the focus where the module had
            // it.
            QWidget* destino = digitosPeloBench_ ? w->findChild<QWidget*>(QLatin1String(a.foco)) : nullptr;
            if (!destino)
                falha("on " + nome + " the focus is on " + descreve(foco) +
                      ", where the operator types into " + a.foco);
            destino->setFocus();
        }
        vigia_.fase("typing on " + nome + (a.foco ? std::string(" into ") + a.foco : std::string()));
        Teclado::Envia(w, Teclado::Interpreta(QStringList{a.teclas}));
        QCoreApplication::postEvent(this, new QEvent(tipoContinua()));
        return;
    }
    vigia_.fase(tela.faseDepois);
    switch (tela.saida) {
    case Tela::Saida::Digito:
        if (tela.tecla != '9') abertas_.emplace_back(w);
        passos[i].tecla = Relogio::now();
        emCurso_.clear();
        pressiona(w, tela.tecla);
        terminaTela();
        return;
    case Tela::Saida::Esc:
        passos[i].tecla = Relogio::now();
        emCurso_.clear();
        envia(w, "<Esc>");
        terminaTela();
        return;
    case Tela::Saida::Enter: {
        const QPointer<QWidget> foco = w->focusWidget();
        if (auto* b = qobject_cast<QAbstractButton*>(foco.data());
            b && b->text().startsWith(QLatin1String("&9")))
            falha("on " + nome + " Enter reaches " + descreve(b) + " before any confirm button");
        if (enters_++ == kMaxEnters)
            falha(std::to_string(kMaxEnters) + " Enters did not leave " + nome + "; the focus is on " +
                  descreve(foco));
        if (enters_ == 1) abertas_.emplace_back(w);
        passos[i].tecla = Relogio::now();
        envia(w, "<Enter>");
        // Back here once the Enter was handled: after the whole walk, if it confirmed; at once if it
        // only moved the focus on, and then the next Enter follows.
        QCoreApplication::postEvent(this, new QEvent(tipoContinua()));
        return;
    }
    }
}

void Observador::terminaTela() {
    if (atual_ == telas_.size() && !abertas_.empty()) fechaEspera_.start();
}

// The topmost screen left open is pressed "9" once it takes keys again (the modal dialog on top, its "&9"
// enabled); while it is busy or closing it is looked at on the next tick, and once it is gone it is
// dropped.
void Observador::fechaQuemEspera() {
    while (!abertas_.empty()) {
        const QPointer<QWidget> w = abertas_.back();
        if (!w || !w->isVisible()) {
            abertas_.pop_back();
            continue;
        }
        if (QApplication::activeModalWidget() != w || !Teclado::BotaoDoDigito(w, QLatin1Char('9'))) return;
        abertas_.pop_back();
        pressiona(w, '9');
        return;
    }
    fechaEspera_.stop();
}

void Observador::aoExibir(QWidget* w) {
    if (!w->isWindow()) return;
    if (caixasEncerram_) {
        auto* caixa = qobject_cast<QMessageBox*>(w);
        vigia_.ultimaJanela(std::string(w->metaObject()->className()) + " \"" +
                            (caixa ? caixa->text() : w->windowTitle()).toStdString() + "\"");
    }
    if (!alvo_ && atual_ < telas_.size() && telas_[atual_].ehAlvo(w)) {
        alvo_ = w;
        passos[atual_].visto = true;
        return;
    }
    if (auto* caixa = qobject_cast<QMessageBox*>(w)) {
        if (caixasEncerram_)
            falha(std::string("the module showed a message box where the walk awaits ") +
                  (atual_ < telas_.size() ? "screen " + std::to_string(atual_ + 1) : "the call's return") +
                  ": \"" + caixa->text().toStdString() + "\"");
        mensagens << caixa->text();
        QPointer<QMessageBox> c = caixa;
        QTimer::singleShot(0, caixa, [c] {
            if (!c) return;
            const auto botoes = c->buttons();
            if (QAbstractButton* b =
                    c->escapeButton() ? c->escapeButton() : (botoes.isEmpty() ? nullptr : botoes.first()))
                b->click();
            else
                c->done(QDialog::Rejected);
        });
        return;
    }
}

// The bare dialogs have no keyboard rules of their own: a digit that no edit takes as text presses the
// button whose caption starts with it; Enter presses the focused button, or moves on from an edit to the
// next edit that takes text, and from the last one to "&1"; Esc presses the copy of a message box's
// escape button.
bool Observador::teclaNoPiso(QWidget* alvo, QWidget* janela, const QKeyEvent* k) {
    auto* edicao = qobject_cast<QLineEdit*>(alvo);
    const bool tomaTexto = edicao && edicao->isEnabled() && !edicao->isReadOnly();
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        if (auto* b = qobject_cast<QAbstractButton*>(alvo)) {
            b->click();
            return true;
        }
        const auto filhos = janela->findChildren<QWidget*>();
        const auto daqui = std::find(filhos.begin(), filhos.end(), alvo);
        for (auto it = daqui == filhos.end() ? filhos.begin() : daqui + 1; it != filhos.end(); ++it) {
            auto* e = qobject_cast<QLineEdit*>(*it);
            if (e && e->isVisible() && e->isEnabled() && !e->isReadOnly()) {
                e->setFocus();
                return true;
            }
        }
        if (QAbstractButton* b = Teclado::BotaoDoDigito(janela, QLatin1Char('1'))) b->setFocus();
        return true;
    }
    if (k->key() == Qt::Key_Escape) {
        for (auto* b : janela->findChildren<QAbstractButton*>()) {
            if (b->property(kEscapeDoPiso).toBool()) {
                b->click();
                return true;
            }
        }
        return false;
    }
    if (tomaTexto && !k->text().isEmpty()) return false;
    if (k->key() < Qt::Key_1 || k->key() > Qt::Key_9) return false;
    if (QAbstractButton* b = Teclado::BotaoDoDigito(janela, QChar(k->key()))) {
        b->click();
        return true;
    }
    return false;
}

std::function<bool(const QWidget*)> Bancada::daClasse(const char* classe) {
    return [classe](const QWidget* w) { return std::strcmp(w->metaObject()->className(), classe) == 0; };
}

std::function<bool(const QWidget*)> Bancada::doNome(const char* nome) {
    return [nome](const QWidget* w) { return w->objectName() == QLatin1String(nome); };
}

Bancada::Chamada Bancada::executa(const std::string& contexto) {
    const int gravacoesAntes = VortaSimQtdeGravaArquivo();
    vigia.arma(std::string("the banking menu (") + kClasseMenu +
               ") never appeared after ExecutaGenerico(0, 0)" + contexto);
    const auto t0 = Relogio::now();
    modulo.executaGenerico(0, 0);
    const auto t1 = Relogio::now();
    vigia.desarma();
    descansa();
    if (!observador.mensagens.isEmpty())
        falha("the module showed a message box" + contexto + ": " +
              observador.mensagens.join(QLatin1String(" | ")).toStdString());
    if (!observador.passos.front().visto)
        falha(std::string("ExecutaGenerico(0, 0) returned without showing ") + kClasseMenu + contexto);
    return {t0, t1, VortaSimQtdeGravaArquivo() > gravacoesAntes};
}

Medida Bancada::chamaMenu(const char* contexto) {
    const std::string c = std::string(" (") + contexto + ")";
    observador.prepara(
        {{daClasse(kClasseMenu), '9', "ExecutaGenerico did not return after the operator's \"9\"" + c}},
        false);
    const Chamada chamada = executa(c);
    const Passo& menu = observador.passos[0];
    if (!menu.tecla)
        falha("the menu closed before the operator's \"9\"" + c +
              ": does it still offer several options with DepositoCB=1 and SaqueCB=1?");
    if (!chamada.gravou) falha("the call ended without writing the result file" + c);
    return {emMs(*menu.mostrado - chamada.inicio), emMs(chamada.fim - chamada.inicio)};
}

Medida Bancada::chamaPiso(const Planta& planta) {
    observador.prepara({{doNome(kNomePiso), '9', "the floor dialog did not close on \"9\""}}, true);
    vigia.arma("the floor dialog never appeared");
    const auto t0 = Relogio::now();
    QDialog* d = constroiPiso(planta);
    d->exec();
    delete d;
    const auto t1 = Relogio::now();
    vigia.desarma();
    descansa();
    if (!observador.passos[0].tecla) falha("the floor dialog closed before the \"9\"");
    return {emMs(*observador.passos[0].mostrado - t0), emMs(t1 - t0)};
}

void observa(const char* tipo, const char* texto, void* contexto) {
    auto* b = static_cast<Bancada*>(contexto);
    const std::string t = texto ? texto : "";
    if (std::strcmp(tipo, "audit") == 0) {
        if (t == "Criou: FrmSel_Mnu") ++b->formsCriados;
        if (t == "Destruiu: FrmSel_Mnu") ++b->formsDestruidos;
    }
    ultimasLinhas.push_back(std::string(tipo) + ": " + t);
    if (ultimasLinhas.size() > 12) ultimasLinhas.pop_front();
}

} // namespace cbbench
