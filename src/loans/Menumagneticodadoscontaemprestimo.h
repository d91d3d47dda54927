// How the loan customer is identified: by the card (read here) or by the account typed. Each way is offered
// when the loan's record accepts at least one account type that way. The menu ends with the customer
// identified (Identificado) or with the call over.
#pragma once

#include "frame/Menumodelolumo.h"
#include "resources/Mensagens.h"

class TFrmMagDadosCtEmpr_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmMagDadosCtEmpr_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();

    bool Identificado() const { return identificado_; }

protected:
    template <class M, size_t N>
    TFrmMagDadosCtEmpr_Mnu(QWidget* pai, const QString& nome, const Opcao<M> (&opcoes)[N], bool consignado)
        : TFrmMnu_Mod(pai, nome, msg::TituloSelecionaTipoOperacaoEmprestimo, opcoes,
                      msg::MsgTipoOperacaoEmprestimo),
          consignado_(consignado) {}

    // The card or account dialog's outcome: identified (1009 "0"), the menu ends to go on; otherwise the
    // call is over.
    void AposIdentificacao(int resultado);

private:
    bool consignado_ = false;
    bool identificado_ = false;
};

class TFrmMagDadosCtEmprCons_Mnu : public TFrmMagDadosCtEmpr_Mnu {
    Q_OBJECT
public:
    explicit TFrmMagDadosCtEmprCons_Mnu(QWidget* pai);
};
