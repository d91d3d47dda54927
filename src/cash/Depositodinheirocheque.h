// Deposit in cash and cheques into an account of the bank: the requests it sends (the holder query, then the
// deposit) and its form, which runs query, confirmation, cheque list, BACEN data and deposit in one
// confirmation.
#pragma once

#include "basekit.h"
#include "frame/Trnmodelolumo.h"

#include <QString>
#include <QStringList>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace Depositodinheirocheque {

// Module variables whose current text the descriptors send (NUL-terminated).
// Account key, 23 characters.
extern std::array<char, 24> acDadosContaDeposito;

extern const TTabelaTrn TrnConsultaDeposito;
extern const TTabelaTrn TrnDeposito;

// The most cheques one deposit takes.
inline constexpr int MAX_CHEQUES = 25;

// Whether the bank offers the deposit: the transaction-mode record says so when it came, else the
// account-data record's deposit flag.
bool DepositoHabilitado();

// The holder query's reply (service A, positions from 0): 4-23 reference, 24-26 bank, 27-31 agency, 32-44
// account, 45-46 digit, 47-81 name.
struct ConsultaDeposito {
    QString referencia, banco, agencia, conta, digito, nome;
    static ConsultaDeposito Le(const QString& resposta);
    // Every account field blank: the bank knows no such account.
    bool SemDados() const;
};

// What a refused deposit's reply says of each cheque (field 1120, occurrences 0 to cheques): the count of
// entries at 4-5, then per entry a two-digit cheque index and 12 characters; a cheque no entry names gets
// "0".
QStringList RetornosCheques(const QString& resposta, int cheques);

} // namespace Depositodinheirocheque

// The deposit forms' base: the transaction form as it is.
class TFrmDeposito_Trn : public TFrmTrn_Mod {
    Q_OBJECT
public:
    using TFrmTrn_Mod::TFrmTrn_Mod;
};

class TFrmDinChq_Dep : public TFrmDeposito_Trn {
    Q_OBJECT
public:
    explicit TFrmDinChq_Dep(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    void btConfirmaClick();

    QLabel* lbValorDinheiro = nullptr;
    QLineEdit* edValorDinheiro = nullptr;
    QLabel* lbQtdeChq = nullptr;
    QLineEdit* edQtdeChq = nullptr;
    QLabel* lbValorCheque = nullptr;
    QLineEdit* edValorCheque = nullptr;
    QGroupBox* gbDepositante = nullptr;
    QLabel* lbTipoPessoa = nullptr;
    QComboBox* cbTipoPessoa = nullptr;
    QLabel* lbCPFCGC = nullptr;
    QLineEdit* edCPFCGC = nullptr;
    QLabel* lbNomeDepositante = nullptr;
    QLineEdit* edNomeDepositante = nullptr;
    QGroupBox* gbConta = nullptr;
    QLabel* lbTipoConta = nullptr;
    QComboBox* cbTipoConta = nullptr;
    QLabel* lbConta = nullptr;
    QLineEdit* EdConta = nullptr;
    QLineEdit* EdDigito = nullptr;
    QLabel* lbBanco = nullptr;
    QLineEdit* EdBanco = nullptr;
    QLabel* lbAgencia = nullptr;
    QLineEdit* EdAgencia = nullptr;
    QLabel* lbC1 = nullptr;
    QLineEdit* EdC1 = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

    // What the identified deposit changes in the common flow: its requests and operation code, a step
    // before its query (the depositor's card), one after it (the bank's note for the host), and the central
    // bank's data left empty when there is no cash.
    virtual const TTabelaTrn& DescritorConsulta() const;
    virtual const TTabelaTrn& DescritorDeposito() const;
    virtual QString OperacaoDeposito() const { return QStringLiteral("30"); }
    virtual bool PreparaConsulta() { return true; }
    virtual void AposConsulta() {}
    virtual void SemDadosBacen() {}

    int QtdeCheques() const;
    bool RepeteCampo(const QString& mensagem, QWidget* controle);
    // The account key (bank, agency, C1, account, digit) as the bank reads it, 23 characters.
    QString ChaveConta() const;

private:
    // Shows the queried account for the customer to confirm; false (1027 set) when the bank sent no account
    // or the operator cancelled.
    bool VerificaExibeDadosConfirmacaoDeposito(const QString& resposta);
    // Query, confirmation, cheques, BACEN data and deposit, once the request fields are written.
    void ConfirmaDeposito();
    // The bank's final text on the message line, the result file, and the call is over.
    void Conclui();
};

extern TFrmDinChq_Dep* FrmDinChq_Dep;
