// Base of the prepaid-card dialogs that run one request as soon as they are on screen, with a waiting notice
// and no operator input: the holder identification queries, the deposit and the transfer.
#pragma once

#include "frame/Modelolumo.h"

class QTimer;

class TFrmTrnCartaoPrePago_Mod : public TFrmMod {
    Q_OBJECT
public:
    TFrmTrnCartaoPrePago_Mod(QWidget* pai, const QString& nome, const char* titulo, const char* aviso,
                             const TTabelaTrn* descritor);

    // Writes the request's fields, sends it and hands the reply to TrataResposta; the dialog closes with OK.
    void ExecutaTransacao();
    // The request went and TrataResposta took the reply as a success.
    bool Sucesso() const { return sucesso_; }

    // Runs a dialog of this family modally and destroys it; its success. A dialog that cannot be created
    // reports the failure to the host.
    template <class T> static bool ExecutaTransacaoForm(const QString& nomeForm) {
        return ExecutaImpl([](QWidget* pai) -> TFrmTrnCartaoPrePago_Mod* { return TFrmMod::Cria<T>(pai); },
                           nomeForm);
    }

protected:
    // The reply, approved or not; true when the step succeeded.
    virtual bool TrataResposta(bool aprovada) { return aprovada; }

    bool FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    // Nothing went (a field could not be written, or the dialog closed first): the operation is cancelled
    // and the host gets the result file.
    virtual void Cancela();

private:
    static bool ExecutaImpl(TFrmTrnCartaoPrePago_Mod* (*cria)(QWidget* pai), const QString& nomeForm);
    // Starts the request once, on show or activation, whichever comes first.
    void Inicia();

    const char* titulo_;
    const char* aviso_;
    const TTabelaTrn* descritor_;
    QTimer* TClique = nullptr;
    bool iniciou_ = false;
    // The request was attempted; it went and the reply was a success.
    bool tratada_ = false;
    bool sucesso_ = false;
};
