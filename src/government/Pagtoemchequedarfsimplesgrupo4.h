// DARF Simples payment by cheque: the form (its request is the cheque form's, by the document kind).
#pragma once

#include "basekit.h"
#include "government/Pagtogrupo4darf.h"

class TFrmPgtGrupo4DarfSimples_Chq : public TFrmPgtGrupo4_DarfSimples {
    Q_OBJECT
public:
    explicit TFrmPgtGrupo4DarfSimples_Chq(QWidget* pai);
};

extern TFrmPgtGrupo4DarfSimples_Chq* FrmPgtGrupo4DarfSimples_Chq;
