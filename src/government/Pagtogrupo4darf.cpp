#include "government/Pagtogrupo4darf.h"

#include "frame/EdicaoValor.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

using host::Grava;
using msg::Texto;
using namespace Pagtogrupo4;

namespace {

constexpr char kMascaraData[] = "99/99/9999;_";

// A DDMMYYYY host date shown in a date edit as DD/MM/YYYY and locked.
void PreencheData(QLineEdit* edit, int campo) {
    const QString d = host::LeCampo(campo).trimmed();
    edit->setText(d.isEmpty() ? QString()
                              : d.left(2) + QLatin1Char('/') + d.mid(2, 2) + QLatin1Char('/') + d.mid(4));
    edit->setEnabled(d.isEmpty());
}

} // namespace

namespace Pagtogrupo4 {

const char* ErroDocumento(const QString& documento) {
    const bool zeros = !documento.isEmpty() && documento.count(QLatin1Char('0')) == documento.size();
    if (documento.size() == 11)
        return zeros || !host::VerificaCPF(documento) ? msg::ErroCPFInvalido : nullptr;
    if (documento.size() == 14)
        return zeros || !host::VerificaCNPJ(documento) ? msg::ErroCNPJInvalido : nullptr;
    return msg::MsgErroDocumentoInvalido;
}

} // namespace Pagtogrupo4

// ---------------------------------------------------------------------------------------------------------
// TFrmPgtGrupo4_Darf

TFrmPgtGrupo4_Darf::TFrmPgtGrupo4_Darf(QWidget* pai, const QString& nome)
    : TFrmPgtGrupo4_TrnVlJuros(pai, nome) {
    edPeriodoApuracao = CriaCampo("edPeriodoApuracao", 0, Partes::Entrada::Texto, lbPeriodoApuracao,
                                  Texto(msg::MsgPeriodoApuracao));
    edPeriodoApuracao->setInputMask(QLatin1String(kMascaraData));
    lbTipoPessoa = captura.Rotulo(QStringLiteral("lbTipoPessoa"));
    cbTipoPessoa = captura.Lista(QStringLiteral("cbTipoPessoa"), Texto(msg::MsgTipoPessoa));
    edCPFCGC = CriaCampo("edCPFCGC", 0, Partes::Entrada::Texto, lbCPFCGC, Texto(msg::MsgCpfCgc));
    edCodigoReceita = CriaCampo("edCodigoReceita", 4, Partes::Entrada::Digitos, lbCodigoReceita,
                                Texto(msg::MsgCodigoReceita));
    edValorPrincipal = CriaValor("edValorPrincipal", lbValorPrincipal, msg::MsgValorPrincipal);
    edValorMulta = CriaValor("edValorMulta", lbValorMulta, msg::MsgValorMulta);

    captura.Linha(1, lbPeriodoApuracao, edPeriodoApuracao, 110);
    captura.Linha(2, lbTipoPessoa, cbTipoPessoa, 250);
    captura.Linha(3, lbCPFCGC, edCPFCGC, 200);
    captura.Linha(4, lbCodigoReceita, edCodigoReceita, 80);
    captura.Linha(7, lbValorPrincipal, edValorPrincipal, 150);
    captura.Linha(8, lbValorMulta, edValorMulta, 150);
    captura.Linha(9, lbValorJuros, edValorJuros, 150);
    captura.Linha(10, lbTipoConta, cbTipoConta, 250);
    captura.Linha(11, LbCSeg, EdCSeg, 80);

    connect(cbTipoPessoa, &QComboBox::currentIndexChanged, this,
            [this] { Protegido([this] { cbTipoPessoaChange(); }); });
}

void TFrmPgtGrupo4_Darf::cbTipoPessoaChange() {
    const bool cnpj = SoPessoaJuridica() || cbTipoPessoa->currentText() == Texto(msg::InfoTipoPessoaJuridica);
    // A document the operator typed goes with the type; one the host gave stays.
    const QString dado = edCPFCGC->isEnabled() ? QString() : Documentos::Digitado(edCPFCGC);
    edCPFCGC->setInputMask(QLatin1String(cnpj ? Documentos::MascaraCNPJ : Documentos::MascaraCPF));
    edCPFCGC->setText(dado);
}

void TFrmPgtGrupo4_Darf::IniciaCamposForm() {
    TFrmPgtGrupo4_TrnVlJuros::IniciaCamposForm();
    lbValorPrincipal->setText(QStringLiteral("Valor Principal:"));
    lbValorMulta->setText(QStringLiteral("Valor Multa:"));
    lbPeriodoApuracao->setText(QStringLiteral("Período Apuração:"));
    lbTipoPessoa->setText(QStringLiteral("Tipo de Pessoa:"));
    lbCodigoReceita->setText(QStringLiteral("Código da Receita:"));
    lbCPFCGC->setText(QStringLiteral("CPF/CNPJ:"));

    PreencheData(edPeriodoApuracao, 1062);

    const QString tipo = host::LeCampo(1006).trimmed().toUpper();
    const QString documento = host::LeCampo(1007).trimmed();
    {
        const QSignalBlocker bloqueio(cbTipoPessoa);
        cbTipoPessoa->clear();
        if (!SoPessoaJuridica()) cbTipoPessoa->addItem(Texto(msg::InfoTipoPessoaFisica));
        cbTipoPessoa->addItem(Texto(msg::InfoTipoPessoaJuridica));
        // The host's person type is the document's; without it the document's length suggests one.
        QString escolha = tipo;
        if (escolha.isEmpty())
            escolha = documento.size() == 11   ? QStringLiteral("F")
                      : documento.size() == 14 ? QStringLiteral("J")
                                               : QString();
        const QString texto = escolha == QLatin1String("F")   ? Texto(msg::InfoTipoPessoaFisica)
                              : escolha == QLatin1String("J") ? Texto(msg::InfoTipoPessoaJuridica)
                                                              : QString();
        cbTipoPessoa->setCurrentIndex(texto.isEmpty() ? -1 : cbTipoPessoa->findText(texto));
        cbTipoPessoa->setEnabled(tipo.isEmpty());
    }
    edCPFCGC->setEnabled(true);
    edCPFCGC->setInputMask(QString());
    cbTipoPessoaChange();
    edCPFCGC->setText(documento);
    edCPFCGC->setEnabled(documento.isEmpty());

    PreencheTexto(edCodigoReceita, 1049);
    PreencheValor(edValorPrincipal, 1243);
    PreencheValor(edValorMulta, 1119);
}

bool TFrmPgtGrupo4_Darf::ValidaCamposForm() {
    if (!TFrmPgtGrupo4_TrnVlJuros::ValidaCamposForm()) return false;
    if (edPeriodoApuracao->isEnabledTo(pnCaptura) && !DataValida(DigitosData(edPeriodoApuracao)))
        return RepeteCampo(msg::ErroDataInvalida, edPeriodoApuracao);
    if (cbTipoPessoa->currentIndex() < 0) return RepeteCampo(msg::ErroTipoPessoaInvalido, cbTipoPessoa);
    if (const char* erro = ErroDocumento(Documentos::Digitado(edCPFCGC))) return RepeteCampo(erro, edCPFCGC);
    if (edCodigoReceita->text().trimmed().isEmpty())
        return RepeteCampo(msg::ErroCodigoReceitaInvalido, edCodigoReceita);
    if (edValorPrincipal->isVisibleTo(this) && !ValidaValorPositivo(edValorPrincipal)) return false;
    return ValidaTipoConta();
}

bool TFrmPgtGrupo4_Darf::GravaCamposHostlink() {
    if (!TFrmPgtGrupo4_TrnVlJuros::GravaCamposHostlink()) return false;
    const QString periodo = DigitosData(edPeriodoApuracao);
    const QString documento = Documentos::Digitado(edCPFCGC);
    return (periodo.isEmpty() || Grava(1062, periodo)) &&
           Grava(1006, documento.size() == 11 ? QStringLiteral("F") : QStringLiteral("J")) &&
           Grava(1007, documento) && Grava(1049, edCodigoReceita->text().trimmed()) &&
           GravaValor(1243, edValorPrincipal, false) && GravaValor(1119, edValorMulta, true) &&
           GravaTipoConta();
}

// ---------------------------------------------------------------------------------------------------------
// TFrmPgtGrupo4_DarfPreto

TFrmPgtGrupo4_DarfPreto::TFrmPgtGrupo4_DarfPreto(QWidget* pai, const QString& nome)
    : TFrmPgtGrupo4_Darf(pai, nome) {
    edNumeroReferencia = CriaCampo("edNumeroReferencia", 17, Partes::Entrada::Digitos, lbNumeroReferencia,
                                   Texto(msg::MsgNumeroReferencia));
    edVencimento =
        CriaCampo("edVencimento", 0, Partes::Entrada::Texto, lbVencimento, Texto(msg::MsgDataVencimento));
    edVencimento->setInputMask(QLatin1String(kMascaraData));
    captura.Linha(5, lbNumeroReferencia, edNumeroReferencia, 200);
    captura.Linha(6, lbVencimento, edVencimento, 110);
    OrdemCaptura({edValor, edPeriodoApuracao, cbTipoPessoa, edCPFCGC, edCodigoReceita, edNumeroReferencia,
                  edVencimento, edValorPrincipal, edValorMulta, edValorJuros, cbTipoConta, EdCSeg});
}

void TFrmPgtGrupo4_DarfPreto::IniciaCamposForm() {
    TFrmPgtGrupo4_Darf::IniciaCamposForm();
    lbNumeroReferencia->setText(Texto(msg::InfoNumeroReferencia));
    lbVencimento->setText(Texto(msg::InfoVencimento));
    PreencheTexto(edNumeroReferencia, 1182);
    PreencheData(edVencimento, 1113);
}

bool TFrmPgtGrupo4_DarfPreto::ValidaCamposForm() {
    if (!TFrmPgtGrupo4_Darf::ValidaCamposForm()) return false;
    if (edVencimento->isEnabledTo(pnCaptura) && !DataValida(DigitosData(edVencimento)))
        return RepeteCampo(msg::ErroDataInvalida, edVencimento);
    return true;
}

bool TFrmPgtGrupo4_DarfPreto::GravaCamposHostlink() {
    if (!TFrmPgtGrupo4_Darf::GravaCamposHostlink()) return false;
    const QString referencia = edNumeroReferencia->text().trimmed();
    const QString vencimento = DigitosData(edVencimento);
    return (referencia.isEmpty() || Grava(1182, referencia)) &&
           (vencimento.isEmpty() || Grava(1113, vencimento));
}

// ---------------------------------------------------------------------------------------------------------
// TFrmPgtGrupo4_DarfSimples

TFrmPgtGrupo4_DarfSimples::TFrmPgtGrupo4_DarfSimples(QWidget* pai, const QString& nome)
    : TFrmPgtGrupo4_Darf(pai, nome) {
    edReceitaBruta = CriaValor("edReceitaBruta", lbReceitaBruta, msg::MsgValorReceitaBruta);
    edPercentual = CriaValor("edPercentual", lbPercentual, msg::MsgValorPercentual);
    edPercentual->setMaxLength(5);
    captura.Linha(5, lbReceitaBruta, edReceitaBruta, 150);
    captura.Linha(6, lbPercentual, edPercentual, 80);
    OrdemCaptura({edValor, edPeriodoApuracao, cbTipoPessoa, edCPFCGC, edCodigoReceita, edReceitaBruta,
                  edPercentual, edValorPrincipal, edValorMulta, edValorJuros, cbTipoConta, EdCSeg});
}

void TFrmPgtGrupo4_DarfSimples::IniciaCamposForm() {
    TFrmPgtGrupo4_Darf::IniciaCamposForm();
    lbReceitaBruta->setText(Texto(msg::InfoReceitaBruta));
    lbPercentual->setText(Texto(msg::InfoPercentual));
    PreencheValor(edReceitaBruta, 1185);
    PreencheValor(edPercentual, 1194);
}

bool TFrmPgtGrupo4_DarfSimples::ValidaCamposForm() {
    return TFrmPgtGrupo4_Darf::ValidaCamposForm() && ValidaValorPositivo(edReceitaBruta) &&
           ValidaValorPositivo(edPercentual);
}

bool TFrmPgtGrupo4_DarfSimples::GravaCamposHostlink() {
    return TFrmPgtGrupo4_Darf::GravaCamposHostlink() && GravaValor(1185, edReceitaBruta, false) &&
           GravaValor(1194, edPercentual, true);
}
