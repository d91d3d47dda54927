#include "loans/Imprimeconsultasimulacaoemprestimo.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QDate>
#include <QFont>
#include <QPlainTextEdit>
#include <QPushButton>

using msg::Texto;

TFrmCnsSimEmpr_Impr* FrmCnsSimEmpr_Impr = nullptr;
bool TFrmCnsSimEmpr_Impr::Consignado = false;

namespace {

// Width of the printed summary: the receipt printer's line.
constexpr int LARGURA = 38;

QString Centraliza(const QString& texto) {
    return QString((LARGURA - static_cast<int>(texto.size())) / 2, QLatin1Char(' ')) + texto;
}

QString Reais(const QString& centavos) {
    return QStringLiteral("R$ ") + host::Dollar(centavos.trimmed()).trimmed();
}

QString Dia(const QString& ddmmyyyy) {
    const QDate d = QDate::fromString(ddmmyyyy, QStringLiteral("ddMMyyyy"));
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : ddmmyyyy.trimmed();
}

// Hundredths of a percent a month, as "1,99% a.m.".
QString Taxa(int centesimos) {
    return QString::number(centesimos / 100.0, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')) +
           QStringLiteral("% a.m.");
}

// The account block (bank 3, agency 4, C1, account 13, digit 2) as the customer knows it.
// The account as the bank's receipts print it: "AG 0001 CONTA 0123456-7" (the record pads the number to 13
// digits and the check digit to 2).
QString Conta(const QString& bloco) {
    if (bloco.trimmed().isEmpty()) return {};
    QString digito = bloco.mid(21, 2).trimmed();
    if (digito.size() == 2 && digito.startsWith(QLatin1Char('0'))) digito.remove(0, 1);
    QString numero = bloco.mid(8, 13).trimmed();
    while (numero.size() > 7 && numero.startsWith(QLatin1Char('0')))
        numero.remove(0, 1);
    return QStringLiteral("AG %1 CONTA %2-%3").arg(bloco.mid(3, 4), numero, digito);
}

} // namespace

namespace Imprimeconsultasimulacaoemprestimo {

QStringList Linhas(bool consignado) {
    QStringList linhas;
    if (!consignado) {
        const auto& r = Lumomain::ServicoXConsultaEmprestimo;
        linhas << Centraliza(QStringLiteral("EMPRESTIMO PRE-APROVADO")) << QString();
        const QString conta = Conta(r.Dados.texto(4, 23));
        if (!conta.isEmpty()) linhas << conta;
        if (r.Limites.empty()) linhas << QStringLiteral("SEM LIMITE PRE-APROVADO");
        for (const auto& l : r.Limites) {
            linhas
                << QString() << QStringLiteral("LIMITE %1 %2").arg(l.texto(0, 3), l.texto(3, 40).trimmed())
                << QStringLiteral("  DISPONIVEL     : ") + Reais(l.texto(55, 12))
                << QStringLiteral("  JUROS          : ") + Taxa(l.inteiro(67, 5, 0))
                << QStringLiteral("  PARCELA MINIMA : ") + Reais(l.texto(72, 12))
                << QStringLiteral("  1o VENCIMENTO  : %1 a %2").arg(Dia(l.texto(84, 8)), Dia(l.texto(92, 8)));
        }
    } else {
        const auto& c = Lumomain::ServicoXConsultaEmprestimoConsignado;
        linhas << Centraliza(QStringLiteral("EMPRESTIMO CONSIGNADO")) << QString();
        for (const auto& e : c.Entradas)
            linhas << QStringLiteral("CONVENIO %1 %2")
                          .arg(e.texto(0, 2), e.texto(2, 1) == QLatin1String("1")
                                                  ? QStringLiteral("ATIVO")
                                                  : QStringLiteral("INATIVO"));
        const auto& p = Lumomain::ServicoXConsultaPropostaMaximaEmprestimoConsignado;
        if (!p.vazio(33, 12)) {
            linhas << QString() << QStringLiteral("PROPOSTA MAXIMA")
                   << QStringLiteral("  VALOR          : ") + Reais(p.texto(33, 12))
                   << QStringLiteral("  PARCELAS       : %1").arg(p.inteiro(27, 3, 0))
                   << QStringLiteral("  PARCELA MINIMA : ") + Reais(p.texto(45, 12))
                   << QStringLiteral("  1o VENCIMENTO  : ") + Dia(p.texto(57, 8));
        }
    }
    linhas << QString() << QStringLiteral("O CONTRATO SO E FIRMADO COM A SENHA")
           << QStringLiteral("DO CLIENTE NA EFETIVACAO.");
    return linhas;
}

} // namespace Imprimeconsultasimulacaoemprestimo

TFrmCnsSimEmpr_Impr::TFrmCnsSimEmpr_Impr(QWidget* pai) : TFrmMod(pai, QString()) {
    mmDados = new QPlainTextEdit(this);
    mmDados->setObjectName(QStringLiteral("mmDados"));
    mmDados->setGeometry(111, 56, 400, 250);
    mmDados->setReadOnly(true);
    mmDados->setFocusPolicy(Qt::NoFocus);
    QFont fonte(QStringLiteral("Monospace"));
    fonte.setStyleHint(QFont::TypeWriter);
    mmDados->setFont(fonte);
    btImprime =
        CriaBotao(QStringLiteral("btImprime"), QStringLiteral("&1 - Imprime"), QRect(126, 318, 170, 32));
    btContinua =
        CriaBotao(QStringLiteral("btContinua"), QStringLiteral("&2 - Continua"), QRect(326, 318, 170, 32));
    setTabOrder(btImprime, btContinua);
    LigaClique(btImprime, [this] { btImprimeClick(); });
    LigaClique(btContinua, [this] { btContinuaClick(); });
}

bool TFrmCnsSimEmpr_Impr::FormCreate() {
    if (!TFrmMod::FormCreate()) return false;
    DefineTitulo(Texto(Consignado ? msg::OpcaoEmprestimoConsignado : msg::TituloConsultaEmprestimo));
    DefineMensagem(QStringLiteral("Imprima os dados para o cliente ou continue a operação."));
    // The query record is read from the reply here, before anything shows it.
    if (!Consignado) Lumomain::TrataServicoXEmprestimo();
    mmDados->setPlainText(Imprimeconsultasimulacaoemprestimo::Linhas(Consignado).join(QLatin1Char('\n')));
    return true;
}

void TFrmCnsSimEmpr_Impr::btImprimeClick() {
    // The simulation and the contract replies that follow bring receipts of their own: the summary is printed
    // with whatever receipt the call ends on.
    host::ImprimeNoResultado(Imprimeconsultasimulacaoemprestimo::Linhas(Consignado));
    btContinuaClick();
}

void TFrmCnsSimEmpr_Impr::btContinuaClick() {
    setModalResult(mrOk);
}

void TFrmCnsSimEmpr_Impr::reject() {
    // The summary only informs: leaving it goes on with the loan.
    btContinuaClick();
}
