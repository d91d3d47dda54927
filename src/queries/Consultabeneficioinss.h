// Base of the INSS benefit queries: a capture panel of digit-only fields, the confirm that sends the one
// query (the authorisation's flag set, as the benefit query asks) and the return.
#pragma once

#include "frame/Coletavalortrn.h"

class QLabel;
class QLineEdit;

class TFrmCnsBnINSS_Trn : public TFrmColeta_Mod {
    Q_OBJECT
public:
    TFrmCnsBnINSS_Trn(QWidget* pai, const QString& nome);

    bool GravaCamposHostlink() override;

protected:
    bool FormCreate() override;
    bool ConcluiConfirmacao() override;

    // An edit of the panel that takes digits only, with its prompt on the message line.
    QLineEdit* CriaCampo(const QString& nome, int tamanho, const char* dica);
    // A failed check: the warning box, the panel back on and the focus to the field, its text selected.
    // Always false, for the validation to return.
    bool RepeteCampo(const char* mensagem, QLineEdit* campo);
    // 10167 := the identification kind and 10290 := the identification.
    static bool GravaIdentificacao(const char* tipo, const QString& identificacao);
};
