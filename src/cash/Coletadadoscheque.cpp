#include "cash/Coletadadoscheque.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <algorithm>
#include <string>

using host::Grava;
using msg::Texto;

namespace {

struct Coluna {
    const char* titulo;
    int tamanho;
};
// First printed line: compensação, bank, agency, C1, account, C2, cheque number, C3, then the value.
constexpr Coluna kPrimeiraLinha[] = {{"Compensação", 3},     {"Banco", 3}, {"Agência", 4},   {"C1", 1},
                                     {"Conta Corrente", 10}, {"C2", 1},    {"No.Cheque", 6}, {"C3", 1},
                                     {"Valor", 12}};
constexpr Coluna kCMC7[] = {{"CMC7", 30}, {"Valor", 12}};
constexpr int kTamanhoCMC7 = 30;

// The entry-type items, in the order the cheque record's positions 25 to 27 offer them.
const char* const kTipos[] = {msg::MsgLeituraCMC7, msg::MsgDigitacao1LinhaCheque, msg::MsgDigitacaoCMC7};

QTableWidget* CriaGrade(QWidget* pai, const char* nome, std::initializer_list<Coluna> colunas) {
    auto* g = new QTableWidget(pai);
    g->setObjectName(QLatin1String(nome));
    g->setGeometry(10, 80, 580, 150);
    g->setColumnCount(static_cast<int>(colunas.size()) + 1);
    QStringList titulos{QStringLiteral("No.")};
    int c = 1;
    for (const Coluna& col : colunas) {
        titulos << QString::fromUtf8(col.titulo);
        g->setProperty(("tamanho" + std::to_string(c++)).c_str(), col.tamanho);
    }
    g->setHorizontalHeaderLabels(titulos);
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setTabKeyNavigation(false);
    g->setFocusPolicy(Qt::StrongFocus);
    g->hide();
    return g;
}

QString Celula(const QTableWidget* g, int linha, int coluna) {
    const QTableWidgetItem* item = g->item(linha, coluna);
    return item ? item->text() : QString();
}

void DefineCelula(QTableWidget* g, int linha, int coluna, const QString& texto) {
    if (!g->item(linha, coluna)) g->setItem(linha, coluna, new QTableWidgetItem);
    g->item(linha, coluna)->setText(texto);
}

} // namespace

namespace Coletadadoscheque {

long long CentavosDigitados(const QString& texto) {
    const QString t = texto.trimmed();
    if (t.isEmpty()) return -1;
    const qsizetype sep = t.indexOf(QRegularExpression(QStringLiteral("[,.]")));
    const QString inteiro = sep < 0 ? t : t.left(sep);
    const QString fracao = sep < 0 ? QString() : t.mid(sep + 1);
    // ",99" reads as "0,99".
    const QString digitos =
        (inteiro.isEmpty() ? QStringLiteral("0") : inteiro) + (fracao + QStringLiteral("00")).left(2);
    bool ok; // always set by the conversion
    const long long v = digitos.toLongLong(&ok);
    return ok ? v : -1;
}

QString ErroLinha(int linha, const QStringList& celulas) {
    const QString inicio = QStringLiteral("A linha dos dados do Cheque ") + QString::number(linha);
    const auto vazias =
        std::count_if(celulas.begin(), celulas.end(), [](const QString& c) { return c.trimmed().isEmpty(); });
    if (vazias == celulas.size()) return inicio + QStringLiteral(" não foi preenchida.");
    if (vazias > 0)
        return inicio + QStringLiteral(" não foi preenchida corretamente.") + QStringLiteral("\r\n") +
               QStringLiteral("Preencha-a novamente.");
    if (host::RemoveFormato(celulas.last()).toLongLong() <= 0)
        return QStringLiteral("O valor do cheque %1 informado está incorreto").arg(linha);
    return {};
}

} // namespace Coletadadoscheque

using namespace Coletadadoscheque;

namespace {

// The type and the amount on two rows above the grids.
Partes::Grade GradeCheques() {
    return Partes::Grade{
        .caixa = QRect(11, 52, 600, 240), .passo = 34, .xRotulo = 10, .larguraRotulo = 110, .xCampo = 120};
}

} // namespace

TFrmColetaDadosChq::TFrmColetaDadosChq(QWidget* pai) : TFrmColeta_Mod(pai, QString(), GradeCheques()) {
    lbTipoEntrada = captura.Rotulo(QStringLiteral("lbTipoEntrada"));
    cbTipoEntrada = captura.Lista(QStringLiteral("cbTipoEntrada"), {});
    // The prompt names the type chosen so far, and follows the list as it steps.
    const auto dica = [this] {
        const QString tipo =
            cbTipoEntrada->currentIndex() >= 0 ? cbTipoEntrada->currentText() : Texto(msg::MsgTipoEntrada);
        return tipo + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido);
    };
    DefineDica(cbTipoEntrada, dica);
    connect(cbTipoEntrada, &QComboBox::currentIndexChanged, this, [this, dica] {
        if (cbTipoEntrada->hasFocus() && cbTipoEntrada->currentIndex() >= 0) DefineMensagem(dica());
    });
    lbValor = captura.Rotulo(QStringLiteral("lbValor"), Texto(msg::InfoValorTransacao));
    edValor = captura.Campo(QStringLiteral("edValor"), 0, Partes::Entrada::Texto, {});
    captura.Linha(0, lbTipoEntrada, cbTipoEntrada, 300);
    captura.Linha(1, lbValor, edValor, 150);
    sgColetaDadosChq = CriaGrade(pnCaptura, "sgColetaDadosChq",
                                 {kPrimeiraLinha[0], kPrimeiraLinha[1], kPrimeiraLinha[2], kPrimeiraLinha[3],
                                  kPrimeiraLinha[4], kPrimeiraLinha[5], kPrimeiraLinha[6], kPrimeiraLinha[7],
                                  kPrimeiraLinha[8]});
    sgCMC7 = CriaGrade(pnCaptura, "sgCMC7", {kCMC7[0], kCMC7[1]});
    for (QWidget* w : {static_cast<QWidget*>(cbTipoEntrada), static_cast<QWidget*>(sgColetaDadosChq),
                       static_cast<QWidget*>(sgCMC7)})
        Observa(w);
    DefineDica(sgColetaDadosChq, Texto(msg::MsgDadosCheques));
    DefineDica(sgCMC7, Texto(msg::MsgDadosCheques));
    CriaBotoes({cbTipoEntrada, sgColetaDadosChq, sgCMC7});
}

void TFrmColetaDadosChq::IniciaCamposForm() {
    DefineTitulo(Texto(msg::TituloColetaDadosChequeDeposito));
    lbTipoEntrada->setText(Texto(msg::InfoTipoEntrada));
    edValor->setText(host::Dollar(host::RemoveFormato(host::LeCampo(10184))));
    edValor->setEnabled(false);
    const int n = std::max(0, host::LeCampoInteiro(10189, 0, 0));
    for (QTableWidget* g : {sgColetaDadosChq, sgCMC7}) {
        g->setRowCount(n);
        for (int r = 0; r < n; ++r)
            DefineCelula(g, r, 0, QString::number(r + 1));
    }
    cbTipoEntrada->clear();
    for (int tipo = 0; tipo < 3; ++tipo)
        if (Lumomain::ServicoHzinho_ColetaChq.texto(25 + tipo, 1) == QLatin1String("1"))
            cbTipoEntrada->addItem(Texto(kTipos[tipo]));
    cbTipoEntrada->setCurrentIndex(-1);
    cbTipoEntrada->setEnabled(true);

    const QString linha = host::LeCampo(1005).trimmed();
    if (!linha.isEmpty()) {
        // A line the host already read: the reader's type, or the typed one when reading is not offered.
        int item = cbTipoEntrada->findText(Texto(kTipos[0]));
        if (item < 0) item = cbTipoEntrada->findText(Texto(kTipos[2]));
        if (item >= 0) {
            cbTipoEntrada->setCurrentIndex(item);
            cbTipoEntrada->setEnabled(false);
            MostraGrade(0);
            if (n > 0) DefineCelula(sgCMC7, 0, 1, linha.right(kTamanhoCMC7));
            sgCMC7->setEnabled(false);
            btConfirma->setEnabled(true);
            return;
        }
    }
    // With one type offered its grid is the only one there is.
    if (cbTipoEntrada->count() == 1) MostraGrade(cbTipoEntrada->itemText(0).left(1).toInt());
}

int TFrmColetaDadosChq::TipoSelecionado() const {
    return cbTipoEntrada->currentIndex() < 0 ? -1 : cbTipoEntrada->currentText().left(1).toInt();
}

QTableWidget* TFrmColetaDadosChq::GradeAtiva() const {
    return TipoSelecionado() == 1 ? sgColetaDadosChq : sgCMC7;
}

void TFrmColetaDadosChq::MostraGrade(int tipo) {
    sgColetaDadosChq->setVisible(tipo == 1);
    sgCMC7->setVisible(tipo == 0 || tipo == 2);
}

void TFrmColetaDadosChq::SaiTipoEntrada() {
    const int tipo = TipoSelecionado();
    if (tipo < 0) {
        focusNextChild();
        return;
    }
    MostraGrade(tipo);
    QTableWidget* grade = GradeAtiva();
    grade->setCurrentCell(0, 1);
    grade->setFocus(Qt::OtherFocusReason);
    cbTipoEntrada->setEnabled(false);
}

bool TFrmColetaDadosChq::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == cbTipoEntrada && e->type() == QEvent::KeyPress) {
        // Enter on the type opens its grid; the list's other keys are its own.
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            Protegido([this] { SaiTipoEntrada(); });
            return true;
        }
    } else if ((objeto == sgColetaDadosChq || objeto == sgCMC7) && e->type() == QEvent::KeyPress) {
        bool tomada = false;
        Protegido(
            [&] { tomada = TeclaGrade(static_cast<QTableWidget*>(objeto), static_cast<QKeyEvent*>(e)); });
        if (tomada) return true;
    }
    return TFrmColeta_Mod::eventFilter(objeto, e);
}

bool TFrmColetaDadosChq::TeclaGrade(QTableWidget* grade, const QKeyEvent* k) {
    if (k->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
    const int linha = std::max(0, grade->currentRow());
    const int coluna = std::max(1, grade->currentColumn());
    const int ultima = grade->columnCount() - 1;
    const QString atual = Celula(grade, linha, coluna);
    switch (k->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    case Qt::Key_Backspace:
        DefineCelula(grade, linha, coluna, atual.left(atual.size() - 1));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (coluna < ultima) {
            grade->setCurrentCell(linha, coluna + 1);
            return true;
        }
        if (const long long v = CentavosDigitados(atual); v >= 0)
            DefineCelula(grade, linha, coluna, host::Dollar(QString::number(v)));
        if (!ValidaLinha(grade, linha)) return true;
        if (linha + 1 < grade->rowCount())
            grade->setCurrentCell(linha + 1, 1);
        else
            focusNextChild();
        return true;
    default:
        break;
    }
    const QString t = k->text();
    if (t.isEmpty()) return false; // arrows and the like move through the grid as usual
    const QChar c = t.at(0);
    const int tamanho = grade->property(("tamanho" + std::to_string(coluna)).c_str()).toInt();
    if (coluna == ultima && (c == QLatin1Char(',') || c == QLatin1Char('.'))) {
        if (!atual.contains(QLatin1Char(','))) DefineCelula(grade, linha, coluna, atual + QLatin1Char(','));
        return true;
    }
    if (t.size() == 1 && c.isDigit() && c.unicode() < 0x80 && atual.size() < tamanho)
        DefineCelula(grade, linha, coluna, atual + c);
    return true;
}

QStringList TFrmColetaDadosChq::Celulas(const QTableWidget* grade, int linha) const {
    QStringList c;
    for (int col = 1; col < grade->columnCount(); ++col)
        c << Celula(grade, linha, col);
    return c;
}

bool TFrmColetaDadosChq::ValidaLinha(QTableWidget* grade, int linha) {
    const QString erro = ErroLinha(linha + 1, Celulas(grade, linha));
    if (erro.isEmpty()) return true;
    Lumomain::MostraMensagem(Lumomain::Icone::Erro, erro, this, QStringLiteral("Erro"));
    pnCaptura->setEnabled(true);
    grade->setEnabled(true);
    grade->setCurrentCell(linha, 1);
    grade->setFocus(Qt::OtherFocusReason);
    return false;
}

bool TFrmColetaDadosChq::ValidaCamposForm() {
    if (TipoSelecionado() < 0) {
        Lumomain::MostraMensagem(Lumomain::Icone::Erro, Texto(msg::MsgErroTpEntradaInvalido), this);
        HabilitaCaptura(true);
        cbTipoEntrada->setEnabled(true);
        cbTipoEntrada->setFocus(Qt::OtherFocusReason);
        return false;
    }
    QTableWidget* grade = GradeAtiva();
    long long soma = 0;
    for (int r = 0; r < grade->rowCount(); ++r) {
        if (!ValidaLinha(grade, r)) return false;
        soma += host::RemoveFormato(Celula(grade, r, grade->columnCount() - 1)).toLongLong();
    }
    if (soma != host::LeCampoInteiro(10184, 0, 0)) {
        Lumomain::MostraMensagem(Lumomain::Icone::Erro, Texto(msg::ErroValoresCheques), this,
                                 QStringLiteral("Erro"));
        HabilitaCaptura(true);
        grade->setEnabled(true);
        grade->setCurrentCell(0, grade->columnCount() - 1);
        grade->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

bool TFrmColetaDadosChq::GravaCamposHostlink() {
    const int tipo = TipoSelecionado();
    QTableWidget* grade = GradeAtiva();
    const int valor = grade->columnCount() - 1;
    for (int r = 0; r < grade->rowCount(); ++r) {
        QString dados;
        if (tipo == 1) {
            const QStringList c = Celulas(grade, r);
            for (int col = 0; col < 8; ++col) {
                const QString campo = c.at(col).trimmed();
                // The C1 may be left blank; every other part is a number filled to its width.
                dados += col == 3 && campo.isEmpty()
                             ? QStringLiteral(" ")
                             : campo.rightJustified(kPrimeiraLinha[col].tamanho, QLatin1Char('0'));
            }
        } else {
            dados = Celula(grade, r, 1).trimmed().rightJustified(kTamanhoCMC7, QLatin1Char('0'));
        }
        if (!Grava(10163, QString::number(tipo), r) || !Grava(10164, dados, r) ||
            !Grava(10165, host::RemoveFormato(Celula(grade, r, valor)), r))
            return false;
    }
    return true;
}
