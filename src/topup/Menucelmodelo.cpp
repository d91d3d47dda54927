#include "topup/Menucelmodelo.h"

#include <QFrame>
#include <QPlainTextEdit>

void TFrmMnuCel_Mod::CriaResumo() {
    // The options move left to make room for the summary.
    pnMenu->setGeometry(16, 56, 330, 306);
    MemoResumoCartao = new QPlainTextEdit(this);
    MemoResumoCartao->setObjectName(QStringLiteral("MemoResumoCartao"));
    MemoResumoCartao->setReadOnly(true);
    MemoResumoCartao->setEnabled(false);
    MemoResumoCartao->setFocusPolicy(Qt::NoFocus);
    MemoResumoCartao->setGeometry(356, 56, 250, 306);
}

void TFrmMnuCel_Mod::MostraResumo(const QStringList& linhas) {
    MemoResumoCartao->setPlainText(linhas.join(QLatin1Char('\n')));
}
