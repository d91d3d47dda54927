#include "frame/Produto.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// "cod=002,dHost=Cesta Padronizada I,tarifa=1590,": the value after "chave=", up to the next ",".
QString Valor(const QString& elemento, const QString& chave) {
    return host::CopiaSubStringDelimitador(elemento, chave + QLatin1Char('='), ',').trimmed();
}

} // namespace

std::vector<ProdutoOferecido> ProdutosOferecidos() {
    static const QRegularExpression prefixo(QStringLiteral("^PROD[0-9]+:"));
    std::vector<ProdutoOferecido> lista;
    const int total = host::LeCampoInteiro(20115, 0, 0);
    for (int i = 0; i < total; ++i) {
        const QString e = host::LeCampo(20005, i);
        const auto m = prefixo.match(e);
        if (!m.hasMatch()) continue;
        const QString resto = e.mid(m.capturedLength());
        lista.push_back({Valor(resto, QStringLiteral("cod")), Valor(resto, QStringLiteral("dHost")),
                         Valor(resto, QStringLiteral("tarifa"))});
    }
    return lista;
}

TFrmProduto::TFrmProduto(QWidget* pai) : TFrmMod(pai, QString()) {
    lbSelecao = new QLabel(this);
    lbSelecao->setObjectName(QStringLiteral("lbSelecao"));
    lbSelecao->setGeometry(111, 80, 400, 26);
    lbProdutos = new QListWidget(this);
    lbProdutos->setObjectName(QStringLiteral("lbProdutos"));
    lbProdutos->setGeometry(111, 110, 400, 180);
    btConfirma = CriaBotao(QStringLiteral("btConfirma"), QString::fromUtf8(msg::InfoConfirma),
                           QRect(131, 310, 170, 32));
    btRetorna =
        CriaBotao(QStringLiteral("btRetorna"), QString::fromUtf8(msg::InfoRetorna), QRect(321, 310, 170, 32));
    setTabOrder(lbProdutos, btConfirma);
    setTabOrder(btConfirma, btRetorna);
    LigaClique(btConfirma, [this] {
        if (lbProdutos->currentRow() >= 0) setModalResult(mrOk);
    });
    LigaClique(btRetorna, [this] { Volta(); });
    lbProdutos->installEventFilter(this);
}

bool TFrmProduto::eventFilter(QObject* objeto, QEvent* e) {
    // As in the other lists of the till, "2" steps to the next item and "8" to the previous one.
    if (objeto == lbProdutos && e->type() == QEvent::KeyPress) {
        const QString t = static_cast<QKeyEvent*>(e)->text();
        const int passo = t == QLatin1String("2") ? 1 : t == QLatin1String("8") ? -1 : 0;
        if (passo != 0) {
            const int n = lbProdutos->count();
            if (n > 0) lbProdutos->setCurrentRow((lbProdutos->currentRow() + passo + n) % n);
            return true;
        }
        // Any other digit chooses a button, as it does everywhere else (the list would search its items).
        if (t.size() == 1 && t.at(0).isDigit()) {
            if (QAbstractButton* b = BotaoDoDigito(t.at(0))) b->click();
            return true;
        }
    }
    return TFrmMod::eventFilter(objeto, e);
}

bool VerificaTrataPrefixoMenu(int indice, TFrmProduto* dialogo, const QString& mensagem,
                              const QString& selecao, const QString& titulo) {
    const auto produtos = ProdutosOferecidos();
    if (produtos.empty() || !dialogo) {
        const QString texto = QString::fromUtf8(msg::ErroSemProduto);
        Lumomain::MostraMensagem(Lumomain::Icone::Aviso, texto, dialogo);
        host::GravaCampoString(1009, 0, QStringLiteral("255"));
        host::GravaCampoString(1027, 0, texto);
        return false;
    }
    dialogo->DefineTitulo(titulo);
    dialogo->DefineMensagem(mensagem);
    dialogo->lbProdutos->clear();
    for (const auto& p : produtos) {
        QString linha = p.nome;
        if (!p.tarifa.isEmpty()) linha += QStringLiteral(" - R$ ") + host::Dollar(p.tarifa);
        dialogo->lbProdutos->addItem(linha);
    }
    dialogo->lbSelecao->setText(selecao);
    dialogo->lbProdutos->setCurrentRow(indice >= 0 && indice < static_cast<int>(produtos.size()) ? indice
                                                                                                 : 0);
    if (dialogo->Executa() != TFrmMod::mrOk) {
        host::GravaCampoString(1009, 0, QStringLiteral("FF"));
        host::GravaCampoString(1027, 0, QString::fromUtf8(msg::ErroFinalizadoOper));
        return false;
    }
    const auto& escolhido = produtos[static_cast<size_t>(dialogo->lbProdutos->currentRow())];
    return host::GravaCampoString(10294, 0, escolhido.codigo) == 0;
}
