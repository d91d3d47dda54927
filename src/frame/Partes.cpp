#include "frame/Partes.h"

#include "frame/Coletacampocartao.h"
#include "frame/Modelolumo.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace Partes {

namespace {

// Keeps an edit to digits; owned by the edit.
class FiltroDigitos : public QObject {
public:
    explicit FiltroDigitos(QObject* edit) : QObject(edit) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<const QKeyEvent*>(e);
        // Alt+digit chooses a button, never text.
        if (k->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
        return Coletacampocartao::RecusaTeclaNumerica(k);
    }
};

// Between two controls of a row: the account and its digit.
constexpr int kEntreControles = 9;
// Runs an action when its control loses the focus; owned by the control.
class FiltroSaida : public QObject {
public:
    FiltroSaida(TFrmMod& dono, QObject* controle, std::function<void()> acao)
        : QObject(controle), dono_(dono), acao_(std::move(acao)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusOut) dono_.Protegido(acao_);
        return false;
    }

private:
    TFrmMod& dono_;
    std::function<void()> acao_;
};

constexpr int kLarguraBotao = 170;
constexpr int kAlturaBotao = 32;
constexpr int kEntreBotoes = 30;

} // namespace

Grade GradeValor(const QRect& caixa) {
    Grade g(caixa);
    g.topo = 26;
    g.altura = 28;
    g.larguraRotulo = 80;
    g.xCampo = 110;
    return g;
}

void ListaTeclado::keyPressEvent(QKeyEvent* e) {
    if (auto* dono = qobject_cast<TFrmMod*>(window())) {
        bool consumida = false;
        dono->Protegido([&] { consumida = dono->TeclaDeLista(this, e); });
        if (consumida) return;
    }
    // Nothing else is typed into it: a letter does not pick an item.
    const bool texto = !e->text().isEmpty() && !(e->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    if (texto && e->key() != Qt::Key_Backspace && e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter &&
        e->key() != Qt::Key_Escape && e->key() != Qt::Key_Tab && e->key() != Qt::Key_Backtab)
        return;
    QComboBox::keyPressEvent(e);
}

void SoDigitos(QLineEdit* edit) {
    edit->installEventFilter(new FiltroDigitos(edit));
}

void AoSair(TFrmMod& dono, QWidget* controle, std::function<void()> acao) {
    controle->installEventFilter(new FiltroSaida(dono, controle, std::move(acao)));
}

Captura::Captura(TFrmMod& dono, const Grade& grade, QWidget* pai)
    : dono_(dono), grade_(grade), painel_(new QFrame(pai ? pai : &dono)) {
    painel_->setObjectName(QStringLiteral("pnCaptura"));
    painel_->setFrameShape(QFrame::Box);
    painel_->setGeometry(grade.caixa);
}

void Captura::Redefine(const Grade& grade) {
    grade_ = grade;
    painel_->setGeometry(grade.caixa);
}

QLabel* Captura::Rotulo(const QString& nome, const QString& texto) const {
    auto* rotulo = new QLabel(texto, painel_);
    rotulo->setObjectName(nome);
    return rotulo;
}

QLineEdit* Captura::Campo(const QString& nome, int tamanho, Entrada entrada, const QString& dica) const {
    auto* edit = new QLineEdit(painel_);
    edit->setObjectName(nome);
    if (tamanho > 0) edit->setMaxLength(tamanho);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    if (entrada == Entrada::Digitos) SoDigitos(edit);
    if (!dica.isEmpty()) dono_.DefineDica(edit, dica);
    return edit;
}

ListaTeclado* Captura::Lista(const QString& nome, const QString& dica) const {
    auto* lista = new ListaTeclado(painel_);
    lista->setObjectName(nome);
    lista->setFocusPolicy(Qt::StrongFocus);
    if (!dica.isEmpty()) dono_.DefineDica(lista, dica);
    return lista;
}

void Captura::Linha(int linha, QLabel* rotulo, std::initializer_list<std::pair<QWidget*, int>> controles) {
    std::erase_if(filas_, [rotulo](const Fila& f) { return f.rotulo == rotulo; });
    filas_.push_back({linha, rotulo, controles});
}

void Captura::Monta() {
    // Every row keeps its place whether or not the rows above it are shown, as on a printed form.
    for (const Fila& f : filas_) {
        const int y = grade_.topo + f.linha * grade_.passo;
        f.rotulo->setGeometry(grade_.xRotulo, y, grade_.larguraRotulo, grade_.altura);
        int x = grade_.xCampo;
        for (const auto& [controle, largura] : f.controles) {
            const int w = largura > 0 ? largura : grade_.caixa.width() - x - kEntreControles;
            controle->setGeometry(x, y, w, grade_.altura);
            x += w + kEntreControles;
        }
    }
}

Botoes CriaConfirmaRetorna(TFrmMod& dono, QWidget* painel, QPoint origem, const QString& textoRetorna,
                           std::function<void()> confirma, std::function<void()> retorna,
                           std::initializer_list<QWidget*> campos) {
    const auto cria = [&](const char* nome, const QString& texto, int x) {
        auto* b = new QPushButton(texto, painel ? painel : &dono);
        b->setObjectName(QLatin1String(nome));
        b->setGeometry(x, origem.y(), kLarguraBotao, kAlturaBotao);
        b->setAutoDefault(false);
        return b;
    };
    Botoes b{cria("btConfirma", msg::Texto(msg::InfoConfirma), origem.x()),
             cria("btRetorna", textoRetorna, origem.x() + kLarguraBotao + kEntreBotoes)};
    QWidget* anterior = nullptr;
    for (QWidget* w : campos) {
        if (anterior) QWidget::setTabOrder(anterior, w);
        anterior = w;
    }
    if (anterior) QWidget::setTabOrder(anterior, b.confirma);
    QWidget::setTabOrder(b.confirma, b.retorna);
    dono.LigaClique(b.confirma, std::move(confirma));
    dono.LigaClique(b.retorna, std::move(retorna));
    dono.DefineDica(b.confirma, msg::Texto(msg::MsgTecleEnterParaConfirmar));
    dono.DefineDica(b.retorna, msg::Texto(msg::MsgTecleEnterParaRetornar));
    return b;
}

} // namespace Partes
