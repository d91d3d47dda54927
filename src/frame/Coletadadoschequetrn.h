// Cheque identification: the CMC-7 line read or typed, or the first printed line typed field by field.
#pragma once

#include "frame/Trnmodelolumo.h"

#include <QString>

class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;

namespace Coletadadoschequetrn {

// Entry type of the cheque being collected: "0" CMC-7 read, "1" first line typed, "2" CMC-7 typed; empty
// until a type is confirmed.
extern QString TipoEntrada;

// Widths of the first printed line's fields, in the order they make up the line (29 digits in all).
inline constexpr int TAM_COMP = 3;
inline constexpr int TAM_BANCO = 3;
inline constexpr int TAM_AGENCIA = 4;
inline constexpr int TAM_DIGITO = 1;
inline constexpr int TAM_CONTA = 10;
inline constexpr int TAM_CHEQUE = 6;
inline constexpr int TAM_CMC7 = 33;

} // namespace Coletadadoschequetrn

class TFrmColetaDadosChq_Trn : public TFrmTrn_Mod {
    Q_OBJECT
public:
    TFrmColetaDadosChq_Trn(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    void cbTipoEntradaChange();
    void cbTipoEntradaExit();

    QLabel* lbTipoEntrada = nullptr;
    QComboBox* cbTipoEntrada = nullptr;
    QFrame* PnCMC7 = nullptr;
    QLabel* lbCMC7 = nullptr;
    QLineEdit* EdCMC7 = nullptr;
    QFrame* PnDadosCheque = nullptr;
    QLabel* lbComp = nullptr;
    QLineEdit* EdComp = nullptr;
    QLabel* lbBanco = nullptr;
    QLineEdit* EdBanco = nullptr;
    QLabel* lbAgencia = nullptr;
    QLineEdit* EdAgencia = nullptr;
    QLabel* lbC1 = nullptr;
    QLineEdit* EdC1 = nullptr;
    QLabel* lbConta = nullptr;
    QLineEdit* EdConta = nullptr;
    QLabel* lbC2 = nullptr;
    QLineEdit* EdC2 = nullptr;
    QLabel* lbCheque = nullptr;
    QLineEdit* EdCheque = nullptr;
    QLabel* lbC3 = nullptr;
    QLineEdit* EdC3 = nullptr;

    // The entry type of the selected item (0, 1 or 2); -1 when none is selected.
    int TipoEntradaSelecionado() const;
    // The 29-digit first printed line built from the typed fields.
    QString PrimeiraLinha() const;

protected:
    void FormShow() override;

private:
    // Shows the panel of the entry type (the CMC-7 line for 0 and 2, the first line's fields for 1).
    void MostraPainel(int tipo);
    void RepeteCampo(const char* mensagem, QWidget* controle);
};
