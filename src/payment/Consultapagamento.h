// Payment-data query of a bill: the "Consulta Pagamento" dialog, where the operator completes what the server
// leaves open (value, due date, additions, discount, total), and the requests it sends.
#pragma once

#include "basekit.h"
#include "payment/Capturacodigobarras.h"

#include <QDate>

#include <array>

class QLabel;
class QLineEdit;
class QGroupBox;

namespace Consultapagamento {

// Module variables whose current text the descriptors send (NUL-terminated).
// The document as captured: a bar code or typed line (at most 48 digits).
extern std::array<char, 64> NUMERO_DOCUMENTO;

extern const TTabelaTrn TrnConsultaPagamento;

// An amount text with two decimals: none gets ",00" (virgula) or is shown as money, one gets a "0", more are
// cut to two and rounded up when the third is 5 or more ("12,345" -> "12,35").
QString FormataValor(const QString& valor, bool virgula);

} // namespace Consultapagamento

class TFrmCPG_CAP : public TFrmCAP_Mod {
    Q_OBJECT
public:
    explicit TFrmCPG_CAP(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
    void TransacaoAutorizada() override;
    void Captura_Proximo_Documento() override {}
    void btConfirmaClick() override;

    bool ValidaValorOriginal();
    bool VerificaDataVenc();
    bool ValidaValorAcrescimos();
    bool TrataResumoPagamentoRedeItau();

    QFrame* pnValores = nullptr;
    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;
    QLabel* lbVencimento = nullptr;
    QLineEdit* edVencimento = nullptr;
    QLabel* lbacrescimos = nullptr;
    QLineEdit* edAcrescimos = nullptr;
    QLabel* lbValorMulta = nullptr;
    QLineEdit* edValorMulta = nullptr;
    QLabel* lbValorJuros = nullptr;
    QLineEdit* edValorJuros = nullptr;
    QGroupBox* gbDescontos = nullptr;
    QLabel* lbDescontos = nullptr;
    QLineEdit* edDesconto = nullptr;
    QLabel* lbPorcentagem = nullptr;
    QLineEdit* edPorcentagem = nullptr;
    QLabel* lbValorTotal = nullptr;
    QLineEdit* edValorTotal = nullptr;

    // Tags of the labels: 1 when the network query's own amounts fill the additions (fine + interest) or the
    // discount.
    int TagAcrescimos = 0;
    int TagDescontos = 0;

    // Amounts in cents as the server gave them.
    long long dValor = 0;
    long long dValorDesconto = 0;
    long long dValorTotal = 0;
    long long dValorAcrescimo = 0;

protected:
    void SaidaDeControle(QWidget* controle, QWidget* proximo) override;

private:
    // The reply's service A of the network variant, spread over the records of the query.
    void EspalhaServicoRede();
    // The mode digit at this position of ServACB (0 when not a digit).
    static int Modo(std::size_t posicao);
    // The bill's value in cents: the server's when the operator does not capture it.
    long long ValorDocumento() const;
    // The due date sent on (DDMMYYYY): the server's when the dialog hides it, else the edit's.
    QString DataVencimento() const;
    // Double entry: false when the operator must type the amount (again).
    bool DuplaEntrada(QLineEdit* edit, long long& primeira, int modo, const char* pedeNovamente,
                      const char* naoConfere);
    void edDescontoExit();
    void edPorcentagemExit();
    void AplicaDesconto(long long desconto, bool deslocaFoco);
    // The registered boleto's fine and interest in the contingency table of the payment.
    void GravaMultaJurosContingencia(long long multa, long long juros);

    bool bRede_ = false;
    long long valorOri = 0;
    long long acrescimos = 0;
    long long multa = 0;
    long long juros = 0;
    long long desconto = 0;
    long long ValorTotal = 0;
    QDate vencimento;
};

extern TFrmCPG_CAP* FrmCPG_CAP;
