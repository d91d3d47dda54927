#include "paguefacil/Capturasequenciamodelo.h"

#include "frame/Lumomain.h"
#include "frame/Partes.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>

using msg::Texto;

namespace Capturasequencia {

Pergunta LePergunta(const Registro<30>& registro) {
    Pergunta p;
    p.rotulo = registro.texto(5, 20).trimmed();
    const QString tipo = registro.texto(25, 1);
    p.tipo = tipo.isEmpty() ? QChar(u'A') : tipo.at(0);
    p.redigita = registro.texto(26, 2) == QLatin1String("01");
    p.tamanho = registro.inteiro(28, 2, 0);
    return p;
}

QString Preenche(const QString& resposta, const Pergunta& pergunta) {
    if (pergunta.tamanho <= 0) return resposta;
    const QString texto = resposta.left(pergunta.tamanho);
    if (pergunta.tipo == u'N') return texto.rightJustified(pergunta.tamanho, u'0');
    return texto.leftJustified(pergunta.tamanho, u' ');
}

} // namespace Capturasequencia

using Capturasequencia::MAX_PERGUNTAS;

TFrmCapturaSequencia_Mod::TFrmCapturaSequencia_Mod(QWidget* pai)
    : TFrmColeta_Mod(pai, QString(),
                     {.caixa = QRect(21, 48, 580, 262),
                      .topo = 4,
                      .passo = 25,
                      .altura = 22,
                      .xRotulo = 10,
                      .larguraRotulo = 300,
                      .xCampo = 315}) {
    for (int i = 0; i < 2 * MAX_PERGUNTAS; ++i) {
        const QString n = QString::number(i + 1);
        QLabel* rotulo = captura.Rotulo(QStringLiteral("lbPergunta") + n);
        QLineEdit* edit = captura.Campo(QStringLiteral("edPergunta") + n, 12, Partes::Entrada::Texto, {});
        // The prompt names the question being answered.
        DefineDica(edit, [rotulo] { return rotulo->text(); });
        captura.Linha(i, rotulo, edit, 200);
        rotulo->hide();
        edit->hide();
        lbPergunta[static_cast<std::size_t>(i)] = rotulo;
        edPergunta[static_cast<std::size_t>(i)] = edit;
    }
    const auto& e = edPergunta;
    CriaBotoes({e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7], e[8], e[9]});
}

void TFrmCapturaSequencia_Mod::DefineEntrada(const Lumomain::TEntradaServicoQ& entrada) {
    perguntas_.clear();
    const int n = std::min(
        {entrada.Dados.inteiro(31, 2, 0), static_cast<int>(entrada.Perguntas.size()), MAX_PERGUNTAS});
    for (int k = 0; k < n; ++k)
        perguntas_.push_back(Capturasequencia::LePergunta(entrada.Perguntas[static_cast<std::size_t>(k)]));
    DefineTitulo(QStringLiteral("Pague Fácil - ") + entrada.Dados.texto(11, 20).trimmed());
}

void TFrmCapturaSequencia_Mod::IniciaCamposForm() {
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    for (std::size_t k = 0; k < perguntas_.size(); ++k) {
        const auto& p = perguntas_[k];
        for (std::size_t par : {2 * k, 2 * k + 1}) {
            const bool segunda = par % 2 == 1;
            if (segunda && !p.redigita) continue;
            QLineEdit* edit = edPergunta[par];
            lbPergunta[par]->setText(segunda ? Texto(msg::InfoBiDigitacaoConteudoEntrada) + QLatin1Char(' ') +
                                                   p.rotulo + QLatin1Char(':')
                                             : p.rotulo);
            if (p.tamanho > 0) edit->setMaxLength(p.tamanho);
            edit->clear();
            if (p.tipo == u'N')
                Partes::SoDigitos(edit);
            else if (p.tipo == u'X')
                edit->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[A-Za-z0-9 ]*")), edit));
            lbPergunta[par]->show();
            edit->show();
        }
    }
}

bool TFrmCapturaSequencia_Mod::ValidaCamposForm() {
    for (std::size_t k = 0; k < perguntas_.size(); ++k) {
        QLineEdit* resposta = edPergunta[2 * k];
        if (resposta->text().isEmpty()) {
            ExibeMsgErroRepeteCampo(Texto(msg::MsgErroConteudoEntradaInvalido), resposta, pnCaptura);
            return false;
        }
        QLineEdit* segunda = edPergunta[2 * k + 1];
        // Compared as typed: a second typing that differs only in letter case is another answer.
        if (!segunda->isHidden() && (segunda->text().isEmpty() || segunda->text() != resposta->text())) {
            ExibeMsgErroRepeteCampo(Texto(msg::MsgErroBiDigitacaoInvalido), segunda, pnCaptura);
            return false;
        }
    }
    return true;
}

bool TFrmCapturaSequencia_Mod::GravaCamposHostlink() {
    QString respostas;
    QString segundas;
    for (std::size_t k = 0; k < perguntas_.size(); ++k) {
        respostas += Capturasequencia::Preenche(edPergunta[2 * k]->text(), perguntas_[k]);
        if (!edPergunta[2 * k + 1]->isHidden())
            segundas += Capturasequencia::Preenche(edPergunta[2 * k + 1]->text(), perguntas_[k]);
    }
    return host::Grava(10154, respostas, 0) && host::Grava(10154, segundas, 1);
}
