// The DARF forms: the data every DARF carries (period, taxpayer, revenue code, principal and fine) and
// what the common DARF (reference and due date) and the small-company DARF (gross revenue and rate) add.
#pragma once

#include "government/Pagtogrupo4trnvljuros.h"

class TFrmPgtGrupo4_Darf : public TFrmPgtGrupo4_TrnVlJuros {
    Q_OBJECT
public:
    TFrmPgtGrupo4_Darf(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbPeriodoApuracao = nullptr;
    QLineEdit* edPeriodoApuracao = nullptr;
    QLabel* lbTipoPessoa = nullptr;
    Partes::ListaTeclado* cbTipoPessoa = nullptr;
    QLabel* lbCPFCGC = nullptr;
    QLineEdit* edCPFCGC = nullptr;
    QLabel* lbCodigoReceita = nullptr;
    QLineEdit* edCodigoReceita = nullptr;
    QLabel* lbValorPrincipal = nullptr;
    QLineEdit* edValorPrincipal = nullptr;
    QLabel* lbValorMulta = nullptr;
    QLineEdit* edValorMulta = nullptr;

protected:
    // The small-company DARF is always a company's: "Jurídica" alone and the CNPJ mask.
    virtual bool SoPessoaJuridica() const { return false; }

private:
    void cbTipoPessoaChange();
};

class TFrmPgtGrupo4_DarfPreto : public TFrmPgtGrupo4_Darf {
    Q_OBJECT
public:
    TFrmPgtGrupo4_DarfPreto(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbNumeroReferencia = nullptr;
    QLineEdit* edNumeroReferencia = nullptr;
    QLabel* lbVencimento = nullptr;
    QLineEdit* edVencimento = nullptr;
};

class TFrmPgtGrupo4_DarfSimples : public TFrmPgtGrupo4_Darf {
    Q_OBJECT
public:
    TFrmPgtGrupo4_DarfSimples(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbReceitaBruta = nullptr;
    QLineEdit* edReceitaBruta = nullptr;
    QLabel* lbPercentual = nullptr;
    QLineEdit* edPercentual = nullptr;

protected:
    bool SoPessoaJuridica() const override { return true; }
};

namespace Pagtogrupo4 {

// The CPF/CNPJ rule of the DARF forms and their cancellations, by the length of what was typed: the
// message of the first failure, nullptr when the document passes.
const char* ErroDocumento(const QString& documento);

} // namespace Pagtogrupo4
