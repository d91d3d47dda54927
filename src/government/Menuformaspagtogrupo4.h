// The forms-of-payment menus of the DARF Preto, DARF Simples and GPS: cash, cheque and the company's debit
// card. In the cancellation mode the same options open the cancellation of a payment made that way.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmPagtoGrupo4Formas_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();

protected:
    // tipo: the document kind of field 10232.
    TFrmPagtoGrupo4Formas_Mnu(QWidget* pai, const QString& nome, int tipo);
    void IniciaFormularioMenu() override;

private:
    // Opens the payment form of this document in the given form of payment (0 cash, 1 cheque, 2 debit).
    void AbrePagamento(int forma);
    const int tipo_;
};

class TFrmPagtoGrupo4DarfPreto_Mnu : public TFrmPagtoGrupo4Formas_Mnu {
    Q_OBJECT
public:
    explicit TFrmPagtoGrupo4DarfPreto_Mnu(QWidget* pai);
};

class TFrmPagtoGrupo4DarfSimples_Mnu : public TFrmPagtoGrupo4Formas_Mnu {
    Q_OBJECT
public:
    explicit TFrmPagtoGrupo4DarfSimples_Mnu(QWidget* pai);
};

class TFrmPagtoGrupo4GPS_Mnu : public TFrmPagtoGrupo4Formas_Mnu {
    Q_OBJECT
public:
    explicit TFrmPagtoGrupo4GPS_Mnu(QWidget* pai);
};

extern TFrmPagtoGrupo4DarfPreto_Mnu* FrmPagtoGrupo4DarfPreto_Mnu;
extern TFrmPagtoGrupo4DarfSimples_Mnu* FrmPagtoGrupo4DarfSimples_Mnu;
extern TFrmPagtoGrupo4GPS_Mnu* FrmPagtoGrupo4GPS_Mnu;
