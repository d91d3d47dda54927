#include "prepaid/Impressaoconsultacartaoprepago.h"

#include "frame/Coletacampocartao.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <memory>

namespace {

using msg::Texto;

// Reply service I (the receipt the host prints) and its line count.
constexpr int CAMPO_SERVICO_I = 20018;
constexpr int CAMPO_QTDE_SERVICO_I = 20128;

// Caption and button texts of this dialog.
constexpr char TITULO_IMPRESSAO[] = "Dados da Consulta Cartão Pré-Pago";
constexpr char BOTAO_IMPRIME[] = "&1 - Imprime";
constexpr char BOTAO_CONTINUA[] = "&2 - Continua";
constexpr char MSG_IMPRIME_CONTINUA[] = "Imprima os dados para o cliente ou continue a operação.";

QString Operacao(const QString& funcao) {
    if (funcao == QLatin1String("10")) return QStringLiteral("SAQUE");
    if (funcao == QLatin1String("14")) return QStringLiteral("DEPOSITO");
    if (funcao == QLatin1String("16")) return QStringLiteral("TRANSFERENCIA");
    return QString();
}

} // namespace

namespace Impressaoconsultacartaoprepago {

QString MascaraCartao(const QString& numero) {
    // Trimming may make a copy of the number: it is wiped like the caller's.
    QString n = numero.trimmed();
    const qsizetype visiveis = std::min<qsizetype>(4, n.size());
    QString mascarado = QString(n.size() - visiveis, QLatin1Char('*')) + n.right(visiveis);
    Coletacampocartao::ApagaCopia(n);
    return mascarado;
}

QStringList LinhasConsulta() {
    const auto& h40 = Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago;
    QString cartao = h40.texto(0, 16);
    QStringList linhas{QStringLiteral("CONSULTA CARTAO PRE-PAGO"),
                       QStringLiteral("OPERACAO: ") + Operacao(host::LeCampo(10298)),
                       QStringLiteral("CARTAO: ") + MascaraCartao(cartao),
                       QStringLiteral("TITULAR: ") + h40.texto(16, 30).trimmed(),
                       QStringLiteral("VALOR: R$ ") + host::Dollar(host::RemoveFormato(host::LeCampo(1003)))};
    cartao.fill(QLatin1Char('*'));
    const QString cpf = host::RemoveFormato(host::LeCampo(1007));
    if (cpf.size() == 11)
        linhas << QStringLiteral("CPF: %1.%2.%3-%4")
                      .arg(cpf.mid(0, 3), cpf.mid(3, 3), cpf.mid(6, 3), cpf.mid(9));
    if (host::LeCampo(10229) == QLatin1String("2"))
        linhas << QStringLiteral("CELULAR: (%1) %2").arg(host::LeCampo(1038), host::LeCampo(1039));
    return linhas;
}

} // namespace Impressaoconsultacartaoprepago

TFrmCnsCartaoPrePago_Impr::TFrmCnsCartaoPrePago_Impr(QWidget* pai) : TFrmMod(pai, QString()) {
    mmDados = new QPlainTextEdit(this);
    mmDados->setObjectName(QStringLiteral("mmDados"));
    mmDados->setGeometry(111, 60, 400, 240);
    mmDados->setReadOnly(true);
    mmDados->setFocusPolicy(Qt::NoFocus);
    btImprime = CriaBotao(QStringLiteral("btImprime"), Texto(BOTAO_IMPRIME), QRect(126, 318, 170, 32));
    btContinua = CriaBotao(QStringLiteral("btContinua"), Texto(BOTAO_CONTINUA), QRect(326, 318, 170, 32));
    setTabOrder(btImprime, btContinua);
    LigaClique(btImprime, [this] { btImprimeClick(); });
    LigaClique(btContinua, [this] { btContinuaClick(); });
}

bool TFrmCnsCartaoPrePago_Impr::FormCreate() {
    if (!TFrmMod::FormCreate()) return false;
    DefineTitulo(Texto(TITULO_IMPRESSAO));
    DefineMensagem(Texto(MSG_IMPRIME_CONTINUA));
    mmDados->setPlainText(Impressaoconsultacartaoprepago::LinhasConsulta().join(QLatin1Char('\n')));
    return true;
}

void TFrmCnsCartaoPrePago_Impr::btImprimeClick() {
    const QStringList linhas = Impressaoconsultacartaoprepago::LinhasConsulta();
    host::LimpaCampo(CAMPO_SERVICO_I);
    for (qsizetype i = 0; i < linhas.size(); ++i)
        host::Grava(CAMPO_SERVICO_I, linhas.at(i), static_cast<int>(i));
    host::Grava(CAMPO_QTDE_SERVICO_I, QString::number(linhas.size()).rightJustified(5, QLatin1Char('0')));
    // The host prints the receipt of the result file it is handed now.
    host::GravaArquivo();
    btContinuaClick();
}

void TFrmCnsCartaoPrePago_Impr::btContinuaClick() {
    host::Grava(10154, QStringLiteral("0"));
    setModalResult(mrOk);
}

void TFrmCnsCartaoPrePago_Impr::reject() {
    // Leaving the data without printing or going on abandons the operation.
    host::Grava(10154, QStringLiteral("255"));
    TFrmMod::reject();
}

namespace Lumomain {

bool ImprimeConsultaCartaoPrePago() {
    host::GravaAudit(QStringLiteral("Entrou: ImprimeConsultaCartaoPrePago."));
    host::LimpaCampo(10154);
    std::unique_ptr<TFrmCnsCartaoPrePago_Impr> form(
        TFrmMod::Cria<TFrmCnsCartaoPrePago_Impr>(JanelaProprietaria()));
    bool ok = false;
    if (form) {
        form->Executa();
        form.reset();
        ProcessaMensagens();
        ok = host::LeCampoInteiro(10154, 0, 255) == 0;
    } else {
        ReportaFalha(TextoFalhaCriacao<TFrmCnsCartaoPrePago_Impr>());
    }
    host::Grava(10154, QStringLiteral("0"));
    host::GravaAudit(ok ? QStringLiteral("Saiu: ImprimeConsultaCartaoPrePago.")
                        : QStringLiteral("Saiu Erro: ImprimeConsultaCartaoPrePago."));
    return ok;
}

} // namespace Lumomain
