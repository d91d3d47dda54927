#include "paguefacil/Imprimepaguefacil.h"

#include "frame/Partes.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using msg::Texto;

TFrmImprimePagueFacil::TFrmImprimePagueFacil(QWidget* pai) : TFrmMod(pai, QString()) {
    auto* quadro = new QFrame(this);
    quadro->setObjectName(QStringLiteral("pnTexto"));
    quadro->setFrameShape(QFrame::Box);
    // The text is a block of the bank's, not a row of fields.
    quadro->setGeometry(41, 60, 540, 240);
    lbTexto = new QLabel(quadro);
    lbTexto->setObjectName(QStringLiteral("lbTexto"));
    lbTexto->setWordWrap(true);
    lbTexto->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbTexto->setGeometry(10, 8, 520, 224);
    const auto b = Partes::CriaConfirmaRetorna(
        *this, nullptr, QPoint(126, 318), QStringLiteral("&9 - Cancela"), [this] { setModalResult(mrOk); },
        [this] { Volta(); });
    btConfirma = b.confirma;
    btCancela = b.retorna;
    DefineTitulo(Texto(msg::TituloConfirmacaoDadosPagueFacilEntrada));
}

void TFrmImprimePagueFacil::DefineLinhas(const QStringList& linhas) {
    lbTexto->setText(linhas.join(QLatin1Char(' ')));
}
