#include "Piloto.h"

#include "ConferenciaTela.h"

#include <QApplication>
#include <QEvent>
#include <QJsonArray>
#include <QWidget>

Piloto::Piloto(QList<Passo> passos, std::function<void(int, QWidget*)> antes)
    : passos_(std::move(passos)), antes_(std::move(antes)) {
    relogio_.setInterval(Teclado::kIntervaloMs);
    connect(&relogio_, &QTimer::timeout, this, &Piloto::Tique);
    qApp->installEventFilter(this);
}

Piloto::~Piloto() {
    qApp->removeEventFilter(this);
}

bool Piloto::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate && alvo->isWidgetType() &&
        static_cast<QWidget*>(alvo)->isWindow())
        alvo->setProperty("cbPilotoAtivacoes", alvo->property("cbPilotoAtivacoes").toInt() + 1);
    return QObject::eventFilter(alvo, evento);
}

void Piloto::Tique() {
    QWidget* tela = QApplication::activeModalWidget();
    // A screen no step takes, or nothing to act on for too long: the screens are closed, as by an operator
    // walking away, so that the call returns and nothing hangs.
    if (erro_.isEmpty() && desdeAcao_.elapsed() > kPrazoMs && (tela || !Terminou()))
        erro_ = Terminou() ? QStringLiteral("a screen was left after the last step")
                           : QStringLiteral("step %1 waited %2 ms").arg(proximo_ + 1).arg(kPrazoMs);
    if (!erro_.isEmpty()) {
        if (tela) tela->close();
        return;
    }
    if (Terminou()) return;
    if (!tela || tela->property(Teclado::kJanelaDoCaixa).toBool() || !assentamento_.Ativa(tela)) return;
    // An appearance is the window and how many times it has been activated, as the runner counts them.
    const Teclado::Aparicao aparicao{Teclado::IdDe(tela), tela->property("cbPilotoAtivacoes").toInt()};
    const Passo& passo = passos_.at(proximo_);
    if (passo.mesmaTela) {
        if (aparicao != ultima_ || tela->property("ocupado").toBool() ||
            desdeAcao_.elapsed() < Teclado::kAssentamentoMs)
            return;
    } else {
        if (aparicao == ultima_ || !assentamento_.Quieta(tela, aparicao)) return;
        if (ClasseDe(tela) != passo.classe) {
            erro_ = QStringLiteral("step %1 awaited %2, found %3")
                        .arg(proximo_ + 1)
                        .arg(passo.classe, ClasseDe(tela));
            return;
        }
    }
    ultima_ = aparicao;
    if (antes_) antes_(static_cast<int>(proximo_), tela);
    ++proximo_;
    desdeAcao_.start();
    Teclado::PostaTeclas(tela, QJsonArray::fromStringList(passo.teclas));
}

QList<Piloto::Passo> PassosAteFormaDePagamento(const QString& codigoDeBarras) {
    const QStringList enter{QStringLiteral("<Enter>")};
    return {{QStringLiteral("TFrmSel_Mnu"), {QStringLiteral("1")}},
            {QStringLiteral("TFrmPagtos_Mnu"), {QStringLiteral("1")}},
            {QStringLiteral("TFrmCAP_CCB"), {QStringLiteral("0"), QStringLiteral("<Enter>")}},
            {{}, {codigoDeBarras, QStringLiteral("<Enter>")}, true},
            {{}, enter, true},
            {QStringLiteral("TFrmCPG_CAP"), enter},
            {{}, enter, true},
            {{}, enter, true},
            {{}, enter, true},
            {{}, enter, true},
            {QStringLiteral("QMessageBox"), {QStringLiteral("<Esc>")}}};
}
