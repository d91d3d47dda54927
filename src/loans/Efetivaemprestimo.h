// Loan contracting: the amount simulated (editable only when none came) and the contract of the plan the
// customer chose among the ones the simulation offered.
#pragma once

#include "frame/Trnmodeloemprestimo.h"
#include "resources/Mensagens.h"

class QLabel;
class QLineEdit;
namespace Partes {
class ListaTeclado;
}

class TFrmEfetEmprest : public TFrmTrnEmpr_Mod {
    Q_OBJECT
public:
    explicit TFrmEfetEmprest(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;
    QLabel* lbNumeroContrato = nullptr;
    Partes::ListaTeclado* cbNumeroContrato = nullptr;
    // The chosen plan's terms, as the simulation gave them.
    QLabel* lbPlano = nullptr;

protected:
    TFrmEfetEmprest(QWidget* pai, const QString& nome, const QString& rotuloLista, const QString& dica);
    QList<QWidget*> Campos() const override;
    // The text of the plan at index i of the list.
    virtual QString DescricaoPlano(int i) const;
    // What goes for the chosen item.
    virtual bool GravaEscolha();
    // The message when nothing is chosen.
    virtual const char* MensagemSemEscolha() const { return msg::MsgNumContrato; }
};

namespace Efetivaemprestimo {

// "12 x R$ 450,00 - total R$ 5.400,00 - juros 1,99% a.m." of a plan of the simulation record.
QString DescricaoPlano(int i);

} // namespace Efetivaemprestimo

extern TFrmEfetEmprest* FrmEfetEmprest;
