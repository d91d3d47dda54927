// Identified deposit in cash and cheques: the deposit with the depositor named by a name, a code, a payment
// card (read or typed) or a bill payment; its two queries and the deposit it sends.
#pragma once

#include "basekit.h"
#include "cash/Depositodinheirocheque.h"
#include "frame/Coletavalortrn.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace Depositodinheirochequeidentificado {

// Module variables whose current text the descriptors send (NUL-terminated): the modality ("1" to "4"),
// the depositor (name or code), the account type ("01"), the account key (23 characters) and the card's
// entry ("1" read, "2" typed).
extern std::array<char, 64> acTipoModalidade;
extern std::array<char, 64> acDadosDepositante;
extern std::array<char, 64> acTipoConta;
extern std::array<char, 24> acDadosContaDeposito;
extern std::array<char, 64> acTipoOperacao;

extern const TTabelaTrn TrnConsultaDadosDepositoIdentificadoModalidade12;
extern const TTabelaTrn TrnConsultaDadosDepositoIdentificadoModalidade34;
extern const TTabelaTrn TrnDepositoIdentificado;

// The modality list's items, by position: the code the bank knows is the position plus one.
enum Modalidade { NOME = 0, CODIGO = 1, CARTAO = 2, FATURA = 3 };

} // namespace Depositodinheirochequeidentificado

class TFrmDinChqIdentificado_Dep : public TFrmDinChq_Dep {
    Q_OBJECT
public:
    explicit TFrmDinChqIdentificado_Dep(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbModalidadeConta = nullptr;
    QComboBox* cbModalidadeConta = nullptr;
    QLabel* lbTipoOperacao = nullptr;
    QComboBox* cbTipoOperacao = nullptr;
    QLabel* lbCodigoDepositante = nullptr;
    QLineEdit* edCodigoDepositante = nullptr;

protected:
    void FormShow() override;
    const TTabelaTrn& DescritorConsulta() const override;
    const TTabelaTrn& DescritorDeposito() const override;
    QString OperacaoDeposito() const override { return QStringLiteral("33"); }
    // The payment card of modality 3, read on the PIN pad or typed; false (1009 "FF") when it is not had.
    bool PreparaConsulta() override;
    void AposConsulta() override;
    void SemDadosBacen() override;

private:
    void cbModalidadeContaChange();
    int Modalidade() const;
    bool cartaoLido_ = false;
};

// The payment card typed: the depositor's and the client's codes, the card's sequence and copy, written to
// 10102, occurrences 0 to 3.
class TFrmColetaDadosModalidade3Digitado : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmColetaDadosModalidade3Digitado(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbCodigoDepositante = nullptr;
    QLineEdit* edCodigoDepositante = nullptr;
    QLabel* lbCodigoCliente = nullptr;
    QLineEdit* edCodigoCliente = nullptr;
    QLabel* lbSequenciaCartao = nullptr;
    QLineEdit* edSequenciaCartao = nullptr;
    QLabel* lbViaCartao = nullptr;
    QLineEdit* edViaCartao = nullptr;
};

extern TFrmDinChqIdentificado_Dep* FrmDinChqIdentificado_Dep;
