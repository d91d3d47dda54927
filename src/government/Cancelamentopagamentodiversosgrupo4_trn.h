// Cancellation of a DARF or GPS payment: the NSU cancellation with the taxpayer of the document (the CPF or
// CNPJ of a DARF, the identifier of a GPS), for each form in which the payment was made.
#pragma once

#include "frame/Cancelamentogrupo3trn.h"

class QComboBox;

class TFrmCancPagtoDiv_Trn : public TFrmCancGrupo3_Trn {
    Q_OBJECT
public:
    TFrmCancPagtoDiv_Trn(QWidget* pai, const QString& nome, const TTabelaTrn& descritor,
                         const char* modalidade);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbIdentificador = nullptr;
    QLineEdit* edIdentificador = nullptr;
    QLabel* lbTipoPessoa = nullptr;
    QComboBox* cbTipoPessoa = nullptr;
    QLabel* lbCPFCGC = nullptr;
    QLineEdit* edCPFCGC = nullptr;

    // The document kind of field 10232.
    int iTipoDocumento = 0;

private:
    // The person type and document of a DARF as the host gave them.
    void IniciaDocumentoDarf();

    const TTabelaTrn* descritor_;
    QString modalidade_;
};
