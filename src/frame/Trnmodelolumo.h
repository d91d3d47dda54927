// Base of every dialog that sends a financial transaction: the amount edit, the confirm and return buttons,
// and the one confirm flow (validate, write the request fields, confirm on the PIN pad, authorise, run the
// chip's second step, authenticate documents, write the limit-restoration file, merge the receipt, report).
#pragma once

#include "frame/Modelolumo.h"
#include "frame/Partes.h"

class IniFile;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class TFrmTrn_Mod : public TFrmMod {
    Q_OBJECT
public:
    TFrmTrn_Mod(QWidget* pai, const QString& nome);

    bool GravaCamposHostlink() override;
    virtual bool ValidaCamposForm();
    virtual bool VerificaCapturaSenha();
    // Sends the dialog's request; the result is in fields 1009 and 1027.
    virtual int VerificaAutorizaTransacao();
    virtual void IniciaCamposForm();
    // The debit dialog switches its request to the forced debit when the bank asks to confirm a due date.
    virtual void AjustaTabelaDebitoForcado() {}

    bool VerificaSePagamentoGenericoOuProcessaCHIP();
    // The BACEN circular data of a large amount. A dialog the operator abandons ends this form with the same
    // modal result unless mantemAberto: the deposit stays open for another attempt.
    bool VerificaColetaDadosCircularBacen(bool mantemAberto = false);
    // Limit restoration: the type-24 h-records of an approved payment become "RestabeleceLimite.ini".
    void TrataCamposServicoHzinho();
    // One document's section of the limit-restoration file, and its count.
    void GravaArquivoRestabeleceLimite(IniFile& ini, int n);

    void btConfirmaClick();
    void btRetornaClick();

    // The capture panel, its first row the amount.
    Partes::Captura captura;
    QFrame* pnCaptura = nullptr;
    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;
    QFrame* pnBotoes = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;
    QTimer* TClique = nullptr;

    bool PodeAlterarDados = false;
    bool CapturaSenha = true;
    // The bank treats a request flagged 1 as one that changes the customer's contract (the service-basket
    // change); every other dialog sends 0.
    int FlagAutorizacao = 0;

protected:
    bool FormCreate() override;
    void FormShow() override;
    void FormActivate() override;

    void HabilitaControles(bool habilita);
    // A confirm's frame: key advancing and the controls off while prepara checks and writes the form; segue
    // runs when it passed, else the controls come back.
    void Confirma(const std::function<bool()>& prepara, const std::function<void()>& segue);

private:
    // The confirm flow after the request fields are written; false when it stopped before the end.
    void ConfirmaTransacao();
    bool ConfirmaVencimentoDebitoForcado();
};
