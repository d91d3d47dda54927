// Identification of the owner and the bearer of an operation above the value limit of BACEN circular 3978:
// the owner's kind of person and document, and the bearer's CPF (the same as the owner's or another).
#pragma once

#include "frame/Coletavalortrn.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;

class TFrmColetaDadosBacen : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmColetaDadosBacen(QWidget* pai);

    bool GravaCamposHostlink() override;
    bool ValidaCamposForm() override;
    void IniciaCamposForm() override;

    void cbTipoPessoaProprietarioChange();
    void cbTipoPessoaProprietarioExit();
    void edCPFCGCProprietarioExit();
    void cbTipoPessoaPortadorChange();
    void cbTipoPessoaPortadorExit();

    QLabel* lbTipoPessoaProprietario = nullptr;
    QComboBox* cbTipoPessoaProprietario = nullptr;
    QLabel* lbCPFCGCProprietario = nullptr;
    QLineEdit* edCPFCGCProprietario = nullptr;
    QLabel* lbTipoPessoaPortador = nullptr;
    QComboBox* cbTipoPessoaPortador = nullptr;
    QLabel* lbCPFCGCPortador = nullptr;
    QLineEdit* edCPFCGCPortador = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    // Label and mask of the owner's document for the chosen kind of person.
    void DefineDocumentoProprietario(int tipo);
    void CopiaDocumentoPortador();
};
