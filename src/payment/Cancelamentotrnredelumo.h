// Base of the cancellation of a bill paid through the partner network: the network finds the payment by the
// receipt number (NSU) alone.
#pragma once

#include "payment/Cancelamentotrnlumo.h"

#include <vector>

class QLabel;
class QLineEdit;

class TFrmCncRede_Trn : public TFrmTrn_Mod {
    Q_OBJECT
public:
    TFrmCncRede_Trn(QWidget* pai, const QString& nome, const char* titulo, const TTabelaTrn& descritor,
                    const char* funcao);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbNsuVorta = nullptr;
    QLineEdit* EdNsuVorta = nullptr;

protected:
    // A row of digits (or of the mask given) on the capture panel, chained after the earlier rows.
    QLineEdit* Linha(int linha, QLabel*& rotulo, const char* nomeRotulo, const char* texto, const char* nome,
                     int tamanho, const char* dica, const char* mascara = nullptr) {
        return Cancelamento::Linha(*this, campos_, linha, rotulo, nomeRotulo, texto, nome, tamanho, dica,
                                   mascara);
    }
    bool Repete(const char* mensagem, QLineEdit* edit) { return Cancelamento::Repete(*this, mensagem, edit); }

private:
    std::vector<QWidget*> campos_;
    const char* titulo_;
    const TTabelaTrn* descritor_;
    const char* funcao_;
};
