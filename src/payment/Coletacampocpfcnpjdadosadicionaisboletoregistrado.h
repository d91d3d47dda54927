// Identification of the parties of a registered boleto (beneficiary, drawer, payer) when the server cannot
// supply them: their CPF/CNPJ go to the registered-boleto table sent with the settlement.
#pragma once

#include "frame/Coletavalortrn.h"

#include <cstddef>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QString;

// Runs the parties dialog; false when it was cancelled.
bool ColetaCPFCNPJBoletoRegistradoContingencia();

// The registered-boleto table (DadosAdicionaisBoletoRegistradoContingencia): a 2-character record count, then
// records of 82 bytes numbered from 1.
namespace DadosAdicionais {

inline constexpr std::size_t MAX_REGISTROS = 100;
inline constexpr std::size_t OFF_MULTA = 0;
inline constexpr std::size_t OFF_JUROS = 13;
inline constexpr std::size_t OFF_BENEFICIARIO = 26;
inline constexpr std::size_t OFF_SACADOR = 41;
inline constexpr std::size_t OFF_PAGADOR = 56;
inline constexpr std::size_t OFF_NASCIMENTO = 71;
inline constexpr std::size_t OFF_DOCUMENTO = 80;

// Writes at most largura characters of texto at offset of record registro (1 to 100), the rest of the width
// zeroed; false when the record is outside the table, which then stays as it was.
bool Grava(int registro, std::size_t offset, std::size_t largura, const QString& texto);
// The text at offset of a record, up to largura characters or the first zero byte, trimmed.
QString Le(int registro, std::size_t offset, std::size_t largura);
// The record count at the head of the table, as two digits.
void GravaQuantidade(int quantidade);
// The number of the document a record belongs to (its slot + 1), as two digits.
void GravaNumeroDocumento(int registro, int numero);

} // namespace DadosAdicionais

class TFrmColetaCampoCPFCNPJBoletoRegistrado : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmColetaCampoCPFCNPJBoletoRegistrado(QWidget* pai);

    bool GravaCamposHostlink() override;
    bool ValidaCamposForm() override;
    void IniciaCamposForm() override;
    // The parties' documents need no PIN.
    bool VerificaCapturaSenha() override { return true; }

    // One group per party: its type of person and its document.
    struct Grupo {
        QGroupBox* gb = nullptr;
        QLabel* lbTipoPessoa = nullptr;
        QComboBox* cbTipoPessoa = nullptr;
        QLabel* lbCPFCGC = nullptr;
        QLineEdit* edCPFCGC = nullptr;
    };
    Grupo Beneficiario;
    Grupo Sacador;
    Grupo Pagador;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    Grupo CriaGrupo(const char* nome, const char* titulo, int y);
    Grupo* GrupoDoCombo(QObject* combo);
    void cbTipoPessoaChange(Grupo& g);
    void cbTipoPessoaExit(Grupo& g);
    // Shows the stop box of an invalid document and hands the group back to the operator.
    bool RecusaDocumento(const Grupo& g);
};
