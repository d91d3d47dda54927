#include "queries/Consultaconta.h"

#include "frame/Contasaque.h"
#include "frame/Partes.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <QEvent>

#include <array>

namespace Consultaconta {
namespace {

// The statement types by bit of the statement-types record, with the code the request carries.
struct TipoExtrato {
    int bit;
    const char* texto;
    const char* codigo;
};
constexpr std::array<TipoExtrato, 3> kTiposExtrato{
    {{1, "Período", "1"}, {2, "Últimos Lançamentos", "2"}, {4, "Extratos de 5 dias", "3"}}};

// Input mask of the dates; the edit's text keeps the slashes, the request only the digits.
constexpr char kMascaraData[] = "99/99/9999;_";

QString Digitos(const QString& texto) {
    QString d = texto;
    d.removeIf([](QChar c) { return !c.isDigit(); });
    return d;
}

bool EmUso(const QWidget* controle, const QWidget* painel) {
    return controle->isVisibleTo(controle->window()) && controle->isEnabledTo(painel);
}

// The whole text selected with the cursor at its start, where a masked edit takes what is typed next.
void SelecionaDoInicio(QLineEdit* edit) {
    const auto n = static_cast<int>(edit->text().size());
    edit->setSelection(n, -n);
}

bool GravaOuLimpa(int campo, const QString& valor) {
    return valor.isEmpty() ? host::LimpaCampo(campo) == 0 : host::Grava(campo, valor);
}

} // namespace

QStringList TiposAceitos(const QString& flags) {
    const QStringList tipos = Contasaque::TiposConta();
    QStringList r;
    for (qsizetype i = 0; i < tipos.size(); ++i)
        if (flags.mid(i, 1) == QLatin1String("1")) r << tipos.at(i);
    return r;
}

bool GravaIdentificacaoCartao() {
    return Contasaque::GravaDadosCartao(10290);
}

bool GravaIdentificacaoConta(const QString& agencia, const QString& conta, const QString& digito) {
    return Lumomain::GravaDadosColetaSenha(QStringLiteral("0000"), agencia, conta, digito) &&
           host::Grava(10290, host::LeCampo(10102, 1));
}

QStringList TiposExtrato(int bits) {
    QStringList r;
    for (const auto& t : kTiposExtrato)
        if (bits & t.bit) r << QString::fromUtf8(t.texto);
    return r;
}

QString CodigoTipoExtrato(const QString& texto) {
    for (const auto& t : kTiposExtrato)
        if (texto == QString::fromUtf8(t.texto)) return QLatin1String(t.codigo);
    return {};
}

bool DataAceita(const QString& texto, QChar regra, const QDate& hoje) {
    const QString digitos = Digitos(texto);
    const bool vazia = digitos.isEmpty() || digitos.count(QLatin1Char('0')) == digitos.size();
    if (regra == QLatin1Char('2') && vazia) return true;
    if (digitos.size() < 8) return false;
    const QDate data = QDate::fromString(digitos.left(8), QStringLiteral("ddMMyyyy"));
    return data.isValid() && data <= hoje;
}

CamposExtrato::CamposExtrato(Partes::Captura& captura, int primeira) {
    const auto data = [&captura](const char* nome) {
        QLineEdit* e = captura.Campo(QLatin1String(nome), 0, Partes::Entrada::Texto, QString());
        e->setInputMask(QLatin1String(kMascaraData));
        return e;
    };
    lbDataInicial = captura.Rotulo(QStringLiteral("lbDataInicial"));
    edDataInicial = data("edDataInicial");
    lbDataFinal = captura.Rotulo(QStringLiteral("lbDataFinal"));
    edDataFinal = data("edDataFinal");
    lbTipoExtrato = captura.Rotulo(QStringLiteral("lbTipoExtrato"));
    cbTipoExtrato =
        captura.Lista(QStringLiteral("cbTipoExtrato"), msg::Texto(msg::MsgTipoExtrato) + QLatin1Char(' ') +
                                                           msg::Texto(msg::MsgTecladoReduzido));
    captura.Linha(primeira, lbDataInicial, edDataInicial, 120);
    captura.Linha(primeira + 1, lbDataFinal, edDataFinal, 120);
    captura.Linha(primeira + 2, lbTipoExtrato, cbTipoExtrato, 250);
}

void CamposExtrato::Inicia() {
    lbDataInicial->setText(QStringLiteral("Data Inicial:"));
    lbDataFinal->setText(QStringLiteral("Data Final:"));
    lbTipoExtrato->setText(QStringLiteral("Tipo de Extrato:"));
    const QStringList tipos = TiposExtrato(Lumomain::ServicoHzinho_31_TiposExtrato.inteiro(25, 3, 0));
    cbTipoExtrato->clear();
    cbTipoExtrato->addItems(tipos);
    cbTipoExtrato->setCurrentIndex(-1);
    lbTipoExtrato->setVisible(!tipos.isEmpty());
    cbTipoExtrato->setVisible(!tipos.isEmpty());
    const auto& datas = Lumomain::ServicoHzinho_Campos_Data_Consulta_Extrato;
    // Each date: 1 mandatory, 2 optional, 0 or less not shown.
    const bool mostra = datas.inteiro(25, 1, 0) > 0 && datas.inteiro(26, 1, 0) > 0 &&
                        tipos.contains(QString::fromUtf8(kTiposExtrato[0].texto));
    for (QWidget* w : {static_cast<QWidget*>(lbDataInicial), static_cast<QWidget*>(edDataInicial),
                       static_cast<QWidget*>(lbDataFinal), static_cast<QWidget*>(edDataFinal)}) {
        w->setVisible(mostra);
        w->setEnabled(mostra);
    }
    edDataInicial->clear();
    edDataFinal->clear();
}

std::optional<CamposExtrato::Falha> CamposExtrato::Valida(const QWidget* painel, const QDate& hoje) const {
    const auto& datas = Lumomain::ServicoHzinho_Campos_Data_Consulta_Extrato;
    const std::pair<QLineEdit*, int> regras[] = {{edDataInicial, 25}, {edDataFinal, 26}};
    for (const auto& [edit, posicao] : regras) {
        const QString regra = datas.texto(static_cast<size_t>(posicao), 1);
        if (!EmUso(edit, painel) || (regra != QLatin1String("1") && regra != QLatin1String("2"))) continue;
        if (!DataAceita(edit->text(), regra.at(0), hoje))
            return Falha{msg::ErroDataInvalida, edit, QMessageBox::NoIcon};
    }
    if (EmUso(cbTipoExtrato, painel) && cbTipoExtrato->currentIndex() < 0)
        return Falha{msg::ErroTipoExtratoInvalida, cbTipoExtrato, QMessageBox::Critical};
    return std::nullopt;
}

void CamposExtrato::SelecionaData(QWidget* controle) {
    if (controle != edDataInicial && controle != edDataFinal) return;
    auto* edit = static_cast<QLineEdit*>(controle);
    SelecionaDoInicio(edit);
    // The window takes the focus back from the message box afterwards, and the selection does not survive
    // it: it is made again then.
    selecionar_ = edit;
}

bool CamposExtrato::TrataFoco(QObject* objeto, const QEvent* e) {
    if (e->type() != QEvent::FocusIn || objeto != selecionar_) return false;
    selecionar_ = nullptr;
    SelecionaDoInicio(static_cast<QLineEdit*>(objeto));
    return false;
}

bool CamposExtrato::Grava(const QWidget* painel) const {
    const QString tipo = EmUso(cbTipoExtrato, painel) && cbTipoExtrato->currentIndex() >= 0
                             ? CodigoTipoExtrato(cbTipoExtrato->currentText())
                             : QString();
    return GravaOuLimpa(10163, tipo) && GravaOuLimpa(1283, Digitos(edDataInicial->text())) &&
           GravaOuLimpa(1284, Digitos(edDataFinal->text()));
}

} // namespace Consultaconta
