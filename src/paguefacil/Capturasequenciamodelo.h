// The questions of a Pague Fácil entry type (account number, contract, ...): one edit per question, a second
// one where the bank asks for the answer typed twice, and the answers padded to the widths the bank gave.
#pragma once

#include "frame/Coletavalortrn.h"
#include "protocol/ServicosResposta.h"

#include <QChar>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;

namespace Capturasequencia {

// A question as the entry list brings it: its label, data type ('N' numeric, 'X' alphanumeric, 'A' any),
// whether the answer is typed twice and the answer's width.
struct Pergunta {
    QString rotulo;
    QChar tipo;
    bool redigita = false;
    int tamanho = 0;
};
Pergunta LePergunta(const Registro<30>& registro);

// The answer as the request carries it, at the question's width: a numeric one right-aligned with zeros, any
// other left-aligned with blanks.
QString Preenche(const QString& resposta, const Pergunta& pergunta);

// The form shows at most this many questions.
inline constexpr int MAX_PERGUNTAS = 5;

} // namespace Capturasequencia

class TFrmCapturaSequencia_Mod : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmCapturaSequencia_Mod(QWidget* pai);

    // The entry whose questions are asked; set before the form is run.
    void DefineEntrada(const Lumomain::TEntradaServicoQ& entrada);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    // Pair 2k-1 takes question k's answer and pair 2k its second typing.
    std::array<QLabel*, 2 * Capturasequencia::MAX_PERGUNTAS> lbPergunta{};
    std::array<QLineEdit*, 2 * Capturasequencia::MAX_PERGUNTAS> edPergunta{};

private:
    std::vector<Capturasequencia::Pergunta> perguntas_;
};
