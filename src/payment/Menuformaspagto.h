// Payment-method menu: the accepted documents, their total, and the settlement methods they all allow.
#pragma once

#include "frame/Menumodelolumo.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace Lumomain {
// Card-payment context of a generic payment, kept while the host's card sale runs: the host's enabled
// transactions (1103) and number of instalments (1017) before the payment narrowed them.
extern QString TrnHabilitadasStorelinkOriginal;
extern QString QtdParcelasOriginal;
} // namespace Lumomain

// Position (1-based) in the 128-character map of field 1103 of the host's cash debit sale.
inline constexpr int STORELINK_TRANSACAO_HABILITADA_DEBITO_AVISTA = 2;

class TFrmMnu_For : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmMnu_For(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
    bool spOpcao4Click();
    bool spOpcao5Click();
    bool spOpcao6Click();
    bool spOpcao7Click();
    // The card invoice in several forms: the split, then the dialog that settles it.
    bool spOpcao8Click();

    // Whether the network of the card just read may pay bills with the sale type of field 10107.
    bool TrataRedesHabilitadasPagamento();
    // Exactly one payment method is left enabled.
    bool VerificaSeSomente1OpcaoEstaHabilitada();
    // The bills are paid with the card withdrawal just made.
    bool GravaDadosSaquePagamentoContas();

    QTableWidget* STGDocumento = nullptr;
    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;

    // Unit state, reset at every opening.
    int iTransacoesHabilitadasFininvest = 0;
    bool bUltimaUnicaFormaPagamentoSelecionadaFininvest = false;
    bool RedesHabilitadasPagamento = false;

protected:
    // The account options' captions name the payment's service; the documents and their total.
    void IniciaFormularioMenu() override;
    // The card invoice counts its enabled methods.
    void VerificaOpcoesHabilitadas() override;
    // The menu goes on: its own message, and whether a single method is left.
    void AposOpcao() override;

private:
    // The card preparation of options 3, 4, 6 and 7: BIN query (reads the card) and network check.
    bool PreparaPagamentoCartao(bool redeDestino);
    void EncerraComResultado();
};

extern TFrmMnu_For* FrmMnu_For;

// Runs the host's card sale that a generic payment reports; false (result file written) when it failed.
bool RealizaProcedimentosTEFPagtoGenerico(TFrmMod* form);
// Narrows the host's card sale to a sale in one payment.
void HabilitaSomenteCompraAVista();
