#include "prepaid/Coletadadoscelulartrn.h"

#include "frame/Coletacampocartao.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
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
    : TFrmColeta_Mod(pai, QStringLiteral("FrmColetaDadosCelular"), QRect(111, 140, 400, 110)) {
    const auto campo = [this](const char* nomeRotulo, const char* texto, const char* nomeEdit, int largura,
                              int y, QLabel*& rotulo) {
        rotulo = new QLabel(Texto(texto), pnCaptura);
        rotulo->setObjectName(QLatin1String(nomeRotulo));
        rotulo->setGeometry(20, y, 150, 28);
        auto* edit = new QLineEdit(pnCaptura);
        edit->setObjectName(QLatin1String(nomeEdit));
        edit->setGeometry(180, y, 190, 28);
        edit->setMaxLength(largura);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        Observa(edit);
        return edit;
    };
    edDDD = campo("lbDDD", msg::InfoDDD, "edDDD", Coletadadoscelulartrn::TAM_DDD, 16, lbDDD);
    edNumCelular = campo("lbNumCelular", msg::InfoNumeroCelular, "edNumCelular",
                         Coletadadoscelulartrn::TAM_NUMERO_CELULAR, 60, lbNumCelular);

    CriaBotoes({edDDD, edNumCelular});
}

void TFrmColetaDadosCelular::IniciaCamposForm() {
    lbDDD->setText(Texto(msg::InfoDDD));
    lbNumCelular->setText(Texto(msg::InfoNumeroCelular));
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    // What the host already knows of the phone is the customer's own: only the missing part is typed.
    edDDD->setText(host::LeCampo(1038));
    edDDD->setEnabled(edDDD->text().isEmpty());
    edNumCelular->setText(host::LeCampo(1039));
    edNumCelular->setEnabled(edNumCelular->text().isEmpty());
}

bool TFrmColetaDadosCelular::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == edDDD || objeto == edNumCelular) {
        if (e->type() == QEvent::FocusIn)
            DefineMensagem(Texto(objeto == edDDD ? msg::MsgDDDCelular : msg::MsgNumeroCelular));
        if (e->type() == QEvent::KeyPress)
            return Coletacampocartao::RecusaTeclaNumerica(static_cast<QKeyEvent*>(e));
    }
    return TFrmColeta_Mod::eventFilter(objeto, e);
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
