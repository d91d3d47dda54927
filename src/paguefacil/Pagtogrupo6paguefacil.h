// Base of the Pague Fácil payment forms: the amount with the minimum and maximum the bank allows for the
// entry (TFrmPgtGrupo6_TrnValor), and the values the bank offers, its fee, the debit's account type and the
// card's security code with the payment's confirmation (TFrmPgtGrupo6_PagueFacil).
#pragma once

#include "frame/Trnmodelolumo.h"

class QHideEvent;
class QLabel;
class QLineEdit;

namespace PagueFacil {

// The amount passes when it is above zero and inside the range the values query brought (a bound of zero is
// no bound).
bool ValorAceito(long long centavos, long long minimo, long long maximo);

} // namespace PagueFacil

class TFrmPgtGrupo6_TrnValor : public TFrmTrn_Mod {
    Q_OBJECT
public:
    TFrmPgtGrupo6_TrnValor(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;

    QLabel* lbValorMinimo = nullptr;
    QLabel* lbMinimo = nullptr;
    QLabel* lbValorMaximo = nullptr;
    QLabel* lbMaximo = nullptr;

protected:
    // A failed check: the box, the panel back on, the focus to the field. Always false.
    bool RepeteCampo(const char* mensagem, QWidget* controle);
};

class TFrmPgtGrupo6_PagueFacil : public TFrmPgtGrupo6_TrnValor {
    Q_OBJECT
public:
    TFrmPgtGrupo6_PagueFacil(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    bool VerificaCapturaSenha() override;

    // The values of the query into the list, the first one chosen.
    void DisponibilizaValoresSelecao();

    QLabel* lbValorOperacao = nullptr;
    Partes::ListaTeclado* cbValorOperacao = nullptr;
    QLabel* lbValorTarifa = nullptr;
    QLineEdit* edValorTarifa = nullptr;
    QLabel* lbTipoConta = nullptr;
    Partes::ListaTeclado* cbTipoConta = nullptr;
    QLabel* LbCSeg = nullptr;
    QLineEdit* EdCSeg = nullptr;

protected:
    // Each form names its request, its title, its modality (10158) and whether it debits a card.
    void DefinePagamento(const TTabelaTrn& descritor, const char* titulo, const char* modalidade,
                         bool debito);
    void FormShow() override;
    void hideEvent(QHideEvent* e) override;

private:
    void Confirmacao();
    void AutorizaPagamento();

    const TTabelaTrn* descritor_ = nullptr;
    const char* titulo_ = "";
    const char* modalidade_ = "";
    bool debito_ = false;
};
