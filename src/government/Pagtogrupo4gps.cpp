#include "government/Pagtogrupo4gps.h"

#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>

using host::Grava;
using msg::Texto;
using namespace Pagtogrupo4;

TFrmPgtGrupo4_GPS::TFrmPgtGrupo4_GPS(QWidget* pai, const QString& nome)
    : TFrmPgtGrupo4_TrnVlJuros(pai, nome) {
    edCodigoPagamento = CriaCampo("edCodigoPagamento", 4, Partes::Entrada::Digitos, lbCodigoPagamento, {});
    edCompetencia = CriaCampo("edCompetencia", 0, Partes::Entrada::Texto, lbCompetencia, {});
    edCompetencia->setInputMask(QStringLiteral("99/9999;_"));
    edIdentificador = CriaCampo("edIdentificador", 14, Partes::Entrada::Digitos, lbIdentificador,
                                Texto(msg::MsgIdentificador));
    edValorINSS = CriaValor("edValorINSS", lbValorINSS, msg::MsgValorTotal);
    edValorOutrasEntidades = CriaValor("edValorOutrasEntidades", lbValorOutrasEntidades, nullptr);
    captura.Linha(1, lbCodigoPagamento, edCodigoPagamento, 80);
    captura.Linha(2, lbCompetencia, edCompetencia, 90);
    captura.Linha(3, lbIdentificador, edIdentificador, 200);
    captura.Linha(4, lbValorINSS, edValorINSS, 150);
    captura.Linha(5, lbValorOutrasEntidades, edValorOutrasEntidades, 150);
    captura.Linha(6, lbValorJuros, edValorJuros, 150);
    captura.Linha(7, lbTipoConta, cbTipoConta, 250);
    captura.Linha(8, LbCSeg, EdCSeg, 80);
    OrdemCaptura({edValor, edCodigoPagamento, edCompetencia, edIdentificador, edValorINSS,
                  edValorOutrasEntidades, edValorJuros, cbTipoConta, EdCSeg});
}

void TFrmPgtGrupo4_GPS::IniciaCamposForm() {
    TFrmPgtGrupo4_TrnVlJuros::IniciaCamposForm();
    lbValorINSS->setText(QStringLiteral("Valor INSS:"));
    lbValorOutrasEntidades->setText(QStringLiteral("Valor Outras Entidades:"));
    lbCodigoPagamento->setText(QStringLiteral("Código do Pagamento:"));
    lbCompetencia->setText(QStringLiteral("Competência:"));
    lbIdentificador->setText(QStringLiteral("Identificador:"));
    PreencheTexto(edCodigoPagamento, 1056);
    PreencheTexto(edIdentificador, 1258);
    const QString competencia = host::LeCampo(1068).trimmed();
    edCompetencia->setText(
        competencia.isEmpty() ? QString() : competencia.left(2) + QLatin1Char('/') + competencia.mid(2));
    edCompetencia->setEnabled(competencia.isEmpty());
    PreencheValor(edValorINSS, 1097);
    PreencheValor(edValorOutrasEntidades, 1239);
}

bool TFrmPgtGrupo4_GPS::ValidaCamposForm() {
    if (!TFrmPgtGrupo4_TrnVlJuros::ValidaCamposForm()) return false;
    if (edCodigoPagamento->text().trimmed().isEmpty())
        return RepeteCampo(msg::ErroCodigoPagamentoInvalido, edCodigoPagamento);
    // A competência is a month: its first day must be a date.
    const QString competencia = DigitosData(edCompetencia);
    if (edCompetencia->isEnabledTo(pnCaptura) &&
        (competencia.size() < 6 || !DataValida(QStringLiteral("01") + competencia)))
        return RepeteCampo(msg::ErroDataInvalida, edCompetencia);
    if (edIdentificador->text().trimmed().isEmpty())
        return RepeteCampo(msg::ErroIdentificadorInvalido, edIdentificador);
    if (edValorINSS->isVisibleTo(this) && !ValidaValorPositivo(edValorINSS)) return false;
    // The other entities' value may be zero; the money edit takes no sign, so it is never negative.
    return ValidaTipoConta();
}

bool TFrmPgtGrupo4_GPS::GravaCamposHostlink() {
    if (!TFrmPgtGrupo4_TrnVlJuros::GravaCamposHostlink() || !Grava(10158, QStringLiteral("28"))) return false;
    const QString codigo = edCodigoPagamento->text().trimmed();
    const QString competencia = DigitosData(edCompetencia);
    const QString identificador = edIdentificador->text().trimmed();
    return (codigo.isEmpty() || Grava(1056, codigo)) && (competencia.isEmpty() || Grava(1068, competencia)) &&
           (identificador.isEmpty() || Grava(1258, identificador)) && GravaValor(1097, edValorINSS, true) &&
           GravaValor(1239, edValorOutrasEntidades, true) && GravaTipoConta();
}
