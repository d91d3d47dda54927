#include "Copias.h"

#include "Comum.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDataStream>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <exception>
#include <string>
#include <utility>

namespace cbbench {

namespace {

// The copy owns its texts: a text the module set from a literal points into the module's own memory, and a
// copy may outlive the module (the scripts' floors are built once the script has unloaded it).
QString propria(const QString& s) {
    return QString(s.constData(), s.size());
}

// Edits, lists and grids are copied whole: their inner widgets (viewport, scroll bars, headers) are Qt's own
// and come with the copy.
void copiaFilhos(const QWidget* w, int pai, Planta& p, const QWidget* foco = nullptr,
                 const QAbstractButton* escape = nullptr) {
    for (QObject* o : w->children()) {
        auto* filho = qobject_cast<QWidget*>(o);
        if (!filho || filho->isWindow()) continue;
        Peca peca;
        peca.pai = pai;
        peca.nome = propria(filho->objectName());
        peca.geometria = filho->geometry();
        peca.fonte = filho->font();
        peca.visivel = !filho->isHidden();
        peca.habilitado = filho->isEnabled();
        bool desce = true;
        if (auto* b = qobject_cast<QAbstractButton*>(filho)) {
            peca.tipo = Peca::Botao;
            peca.texto = propria(b->text());
            if (peca.texto.startsWith(QLatin1String("&9"))) p.temEncerra = true;
        } else if (auto* l = qobject_cast<QLabel*>(filho)) {
            peca.tipo = Peca::Rotulo;
            peca.texto = propria(l->text());
            peca.alinhamento = l->alignment();
            peca.forma = l->frameShape();
        } else if (auto* e = qobject_cast<QLineEdit*>(filho)) {
            peca.tipo = Peca::Edicao;
            peca.texto = propria(e->text());
            peca.alinhamento = e->alignment();
            peca.tamanhoMaximo = e->maxLength();
            peca.somenteLeitura = e->isReadOnly();
            peca.eco = e->echoMode();
            desce = false;
        } else if (auto* lista = qobject_cast<QComboBox*>(filho)) {
            peca.tipo = Peca::Lista;
            for (int i = 0; i < lista->count(); ++i)
                peca.itens << propria(lista->itemText(i));
            peca.atual = lista->currentIndex();
            desce = false;
        } else if (auto* g = qobject_cast<QTableWidget*>(filho)) {
            peca.tipo = Peca::Grade;
            peca.linhas = g->rowCount();
            peca.colunas = g->columnCount();
            for (int c = 0; c < peca.colunas; ++c)
                peca.larguras.push_back(g->columnWidth(c));
            for (int r = 0; r < peca.linhas; ++r)
                for (int c = 0; c < peca.colunas; ++c)
                    peca.itens << (g->item(r, c) ? propria(g->item(r, c)->text()) : QString());
            desce = false;
        } else if (auto* gb = qobject_cast<QGroupBox*>(filho)) {
            peca.tipo = Peca::Grupo;
            peca.texto = propria(gb->title());
        } else if (qobject_cast<QAbstractScrollArea*>(filho)) {
            desce = false; // another view: its size and place only
        } else if (auto* q = qobject_cast<QFrame*>(filho)) {
            peca.tipo = Peca::Quadro;
            peca.forma = q->frameShape();
        }
        p.pecas.push_back(peca);
        const int indice = static_cast<int>(p.pecas.size()) - 1;
        if (filho == foco) p.foco = indice;
        if (filho == escape) p.escape = indice;
        if (desce) copiaFilhos(filho, indice, p, foco, escape);
    }
}

} // namespace

Planta copiaMenu(const QWidget* menu) {
    Planta p;
    p.flags = menu->windowFlags();
    p.tamanho = menu->size();
    p.titulo = propria(menu->windowTitle());
    p.fonte = menu->font();
    copiaFilhos(menu, -1, p);
    return p;
}

Planta copiaTela(const QWidget* tela) {
    Planta p;
    p.flags = tela->windowFlags();
    p.tamanho = tela->size();
    p.titulo = propria(tela->windowTitle());
    p.fonte = tela->font();
    const QAbstractButton* escape = nullptr;
    if (auto* caixa = qobject_cast<const QMessageBox*>(tela)) {
        escape = caixa->escapeButton();
        if (!escape) escape = caixa->button(QMessageBox::Cancel);
        if (!escape) escape = caixa->button(QMessageBox::No);
    }
    copiaFilhos(tela, -1, p, tela->focusWidget(), escape);
    return p;
}

Planta plantaAquecimento() {
    Planta p;
    p.flags = Qt::Dialog | Qt::FramelessWindowHint;
    p.tamanho = QSize(622, 423);
    p.fonte = QApplication::font();
    Peca rotulo;
    rotulo.tipo = Peca::Rotulo;
    rotulo.texto = QStringLiteral("cb-bench");
    rotulo.geometria = QRect(10, 10, 602, 36);
    rotulo.fonte = p.fonte;
    Peca botao;
    botao.tipo = Peca::Botao;
    botao.texto = QStringLiteral("&9 - Encerra");
    botao.geometria = QRect(156, 320, 310, 30);
    botao.fonte = p.fonte;
    p.pecas = {rotulo, botao};
    p.temEncerra = true;
    return p;
}

bool temOpcao(const Planta& p, char digito) {
    const QString prefixo = QStringLiteral("&") + QLatin1Char(digito);
    return std::any_of(p.pecas.begin(), p.pecas.end(), [&prefixo](const Peca& peca) {
        return peca.tipo == Peca::Botao && peca.visivel && peca.habilitado && peca.texto.startsWith(prefixo);
    });
}

int opcoesOferecidas(const Planta& p) {
    return static_cast<int>(std::count_if(p.pecas.begin(), p.pecas.end(), [](const Peca& peca) {
        return peca.tipo == Peca::Botao && peca.visivel && peca.habilitado && peca.texto.size() > 1 &&
               peca.texto[0] == u'&' && peca.texto[1] >= u'1' && peca.texto[1] <= u'8';
    }));
}

QDialog* constroiPiso(const Planta& p, const char* nome, QWidget* janelaPai,
                      std::function<void(QDialog*)> opcao1, std::vector<QWidget*>* feitosSaida) {
    auto* d = new QDialog(janelaPai, p.flags);
    d->setObjectName(QLatin1String(nome));
    d->setFixedSize(p.tamanho);
    d->setWindowTitle(p.titulo);
    d->setFont(p.fonte);
    std::vector<QWidget*> feitos;
    feitos.reserve(p.pecas.size());
    for (const Peca& peca : p.pecas) {
        QWidget* pai = peca.pai < 0 ? d : feitos[static_cast<size_t>(peca.pai)];
        QWidget* w = nullptr;
        switch (peca.tipo) {
        case Peca::Botao: {
            auto* b = new QPushButton(peca.texto, pai);
            b->setAutoDefault(false);
            if (peca.texto.startsWith(QLatin1String("&9")))
                QObject::connect(b, &QPushButton::clicked, d, &QDialog::accept);
            else if (opcao1 && peca.texto.startsWith(QLatin1String("&1")))
                QObject::connect(b, &QPushButton::clicked, d, [d, opcao1] {
                    try {
                        opcao1(d);
                    } catch (const std::exception& e) {
                        falha(std::string("the floor's option 1: ") + e.what());
                    }
                });
            w = b;
            break;
        }
        case Peca::Rotulo: {
            auto* l = new QLabel(peca.texto, pai);
            l->setAlignment(peca.alinhamento);
            l->setFrameShape(peca.forma);
            w = l;
            break;
        }
        case Peca::Quadro: {
            auto* q = new QFrame(pai);
            q->setFrameShape(peca.forma);
            w = q;
            break;
        }
        case Peca::Outro:
            w = new QWidget(pai);
            break;
        case Peca::Edicao: {
            auto* e = new QLineEdit(peca.texto, pai);
            e->setAlignment(peca.alinhamento);
            e->setMaxLength(peca.tamanhoMaximo);
            e->setReadOnly(peca.somenteLeitura);
            e->setEchoMode(peca.eco);
            w = e;
            break;
        }
        case Peca::Lista: {
            auto* c = new QComboBox(pai);
            c->addItems(peca.itens);
            c->setCurrentIndex(peca.atual);
            w = c;
            break;
        }
        case Peca::Grade: {
            auto* g = new QTableWidget(peca.linhas, peca.colunas, pai);
            for (int c = 0; c < peca.colunas; ++c)
                g->setColumnWidth(c, peca.larguras[static_cast<size_t>(c)]);
            for (int r = 0; r < peca.linhas; ++r)
                for (int c = 0; c < peca.colunas; ++c)
                    g->setItem(r, c, new QTableWidgetItem(peca.itens[r * peca.colunas + c]));
            w = g;
            break;
        }
        case Peca::Grupo:
            w = new QGroupBox(peca.texto, pai);
            break;
        }
        w->setObjectName(peca.nome);
        w->setGeometry(peca.geometria);
        w->setFont(peca.fonte);
        w->setEnabled(peca.habilitado);
        if (!peca.visivel) w->hide();
        feitos.push_back(w);
    }
    if (feitosSaida) *feitosSaida = std::move(feitos);
    return d;
}

namespace {

QDataStream& operator<<(QDataStream& s, const Peca& p) {
    s << static_cast<qint32>(p.tipo) << p.pai << p.nome << p.texto << p.geometria << p.fonte
      << static_cast<qint32>(p.alinhamento) << static_cast<qint32>(p.forma) << p.visivel << p.habilitado
      << p.tamanhoMaximo << p.somenteLeitura << static_cast<qint32>(p.eco) << p.itens << p.linhas << p.colunas
      << p.atual << static_cast<qint32>(p.larguras.size());
    for (int l : p.larguras)
        s << l;
    return s;
}

QDataStream& operator>>(QDataStream& s, Peca& p) {
    qint32 tipo = 0, alinhamento = 0, forma = 0, eco = 0, larguras = 0;
    s >> tipo >> p.pai >> p.nome >> p.texto >> p.geometria >> p.fonte >> alinhamento >> forma >> p.visivel >>
        p.habilitado >> p.tamanhoMaximo >> p.somenteLeitura >> eco >> p.itens >> p.linhas >> p.colunas >>
        p.atual >> larguras;
    p.tipo = static_cast<Peca::Tipo>(tipo);
    p.alinhamento = Qt::Alignment(alinhamento);
    p.forma = static_cast<QFrame::Shape>(forma);
    p.eco = static_cast<QLineEdit::EchoMode>(eco);
    p.larguras.clear();
    for (qint32 i = 0; i < larguras && s.status() == QDataStream::Ok; ++i) {
        int l = 0;
        s >> l;
        p.larguras.push_back(l);
    }
    return s;
}

} // namespace

bool gravaPlantas(const QString& arquivo, const std::vector<Planta>& plantas) {
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QDataStream s(&f);
    s << static_cast<qint32>(plantas.size());
    for (const Planta& p : plantas) {
        s << static_cast<qint32>(p.flags.toInt()) << p.tamanho << p.titulo << p.fonte << p.temEncerra
          << p.foco << p.escape << static_cast<qint32>(p.pecas.size());
        for (const Peca& peca : p.pecas)
            s << peca;
    }
    return s.status() == QDataStream::Ok && f.flush();
}

bool lePlantas(const QString& arquivo, std::vector<Planta>& plantas) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) return false;
    QDataStream s(&f);
    qint32 n = 0;
    s >> n;
    plantas.clear();
    for (qint32 i = 0; i < n && s.status() == QDataStream::Ok; ++i) {
        Planta p;
        qint32 flags = 0, pecas = 0;
        s >> flags >> p.tamanho >> p.titulo >> p.fonte >> p.temEncerra >> p.foco >> p.escape >> pecas;
        p.flags = Qt::WindowFlags(flags);
        for (qint32 k = 0; k < pecas && s.status() == QDataStream::Ok; ++k) {
            Peca peca;
            s >> peca;
            p.pecas.push_back(std::move(peca));
        }
        plantas.push_back(std::move(p));
    }
    return s.status() == QDataStream::Ok && static_cast<qint32>(plantas.size()) == n;
}

} // namespace cbbench
