#include "prepaid/Coletadadoscelulartrn.h"

#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using msg::Texto;

// The shortest DDD and number the bank accepts, once trimmed.
constexpr int MIN_DDD = 2;
constexpr int MIN_NUMERO_CELULAR = 8;

} // namespace

namespace Coletadadoscelulartrn {

QString FormataDDD(const QString& ddd) {
    return host::PreencherZerosEsquerda(ddd.trimmed(), TAM_DDD);
}

QString FormataNumeroCelular(const QString& numero) {
    return host::PreencherZerosEsquerda(numero.trimmed(), TAM_NUMERO_CELULAR);
}

} // namespace Coletadadoscelulartrn

TFrmColetaDadosCelular::TFrmColetaDadosCelular(QWidget* pai)
    : TFrmColeta_Mod(pai, QString(), GradeCelular()) {
    const auto campo = [this](int linha, const char* nomeRotulo, const char* texto, const char* nomeEdit,
                              int largura, const char* dica, QLabel*& rotulo) {
        rotulo = captura.Rotulo(QLatin1String(nomeRotulo), Texto(texto));
        auto* edit = captura.Campo(QLatin1String(nomeEdit), largura, Partes::Entrada::Digitos, Texto(dica));
        captura.Linha(linha, rotulo, edit, 190);
        return edit;
    };
    edDDD =
        campo(0, "lbDDD", msg::InfoDDD, "edDDD", Coletadadoscelulartrn::TAM_DDD, msg::MsgDDDCelular, lbDDD);
    edNumCelular = campo(1, "lbNumCelular", msg::InfoNumeroCelular, "edNumCelular",
                         Coletadadoscelulartrn::TAM_NUMERO_CELULAR, msg::MsgNumeroCelular, lbNumCelular);

    CriaBotoes({edDDD, edNumCelular});
}

Partes::Grade TFrmColetaDadosCelular::GradeCelular() {
    return Partes::Grade{.caixa = QRect(111, 140, 400, 110),
                         .topo = 16,
                         .passo = 44,
                         .altura = 28,
                         .larguraRotulo = 150,
                         .xCampo = 180};
}

void TFrmColetaDadosCelular::IniciaCamposForm() {
    // What the host already knows of the phone is the customer's own: only the missing part is typed.
    edDDD->setText(host::LeCampo(1038));
    edDDD->setEnabled(edDDD->text().isEmpty());
    edNumCelular->setText(host::LeCampo(1039));
    edNumCelular->setEnabled(edNumCelular->text().isEmpty());
}

bool TFrmColetaDadosCelular::ValidaCamposForm() {
    if (edDDD->text().trimmed().size() < MIN_DDD) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroDDDInvalido), edDDD, pnCaptura);
        return false;
    }
    if (edNumCelular->text().trimmed().size() < MIN_NUMERO_CELULAR) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroNumeroCelInvalido), edNumCelular, pnCaptura);
        return false;
    }
    return true;
}

bool TFrmColetaDadosCelular::GravaCamposHostlink() {
    if (!TFrmColeta_Mod::GravaCamposHostlink()) return false;
    const QString ddd = Coletadadoscelulartrn::FormataDDD(edDDD->text());
    const QString numero = Coletadadoscelulartrn::FormataNumeroCelular(edNumCelular->text());
    return host::Grava(1038, ddd) && host::Grava(1039, numero) && host::Grava(10104, ddd + numero);
}
