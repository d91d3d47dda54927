// Account opening, last step: the address and the holders' names, as the bank's registration data gave them
// (a name the bank supplied cannot be changed), completed by the operator; Confirm opens the account.
#pragma once

#include "frame/Coletavalortrn.h"

#include <QString>
#include <QStringList>

#include <array>
#include <string_view>

class QLabel;
class QLineEdit;

namespace Aberturaconta {

// What the registration query's reply records hold, each part trimmed.
struct DadosCadastrais {
    QString endereco, numero, complemento, bairro, cidade, uf;
    QStringList nomes; // as many as the record says, up to the three the form shows
    bool operator==(const DadosCadastrais&) const = default;
};

// endereco: the record keyed "051001"; titulares: the one keyed "051002" (both empty when absent).
DadosCadastrais Le(std::string_view endereco, std::string_view titulares);

} // namespace Aberturaconta

class TFrmAbertConta : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmAbertConta(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbEndereco = nullptr;
    QLineEdit* edEndereco = nullptr;
    QLabel* lbNumero = nullptr;
    QLineEdit* edNumero = nullptr;
    QLabel* lbComplemento = nullptr;
    QLineEdit* edComplemento = nullptr;
    QLabel* lbBairro = nullptr;
    QLineEdit* edBairro = nullptr;
    QLabel* lbCidade = nullptr;
    QLineEdit* edCidade = nullptr;
    QLabel* lbEstado = nullptr;
    QLineEdit* edEstado = nullptr;
    std::array<QLabel*, 3> lbNomeTitular{};
    std::array<QLineEdit*, 3> edNomeTitular{};

protected:
    bool ConcluiConfirmacao() override;

private:
    bool Repete(const char* mensagem, QWidget* campo);
};

extern TFrmAbertConta* FrmAbertConta;
