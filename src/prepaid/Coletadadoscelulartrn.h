// Mobile-number dialog of the prepaid card: the holder's DDD and number, preset by the host in fields 1038
// and 1039 or typed by the operator; the identification that goes to the bank is the two, zero-padded.
#pragma once

#include "frame/Coletavalortrn.h"

class QLabel;
class QLineEdit;

namespace Coletadadoscelulartrn {

// Widths of the padded DDD and number in fields 1038 and 1039; field 10104 takes both, 14 characters.
inline constexpr int TAM_DDD = 3;
inline constexpr int TAM_NUMERO_CELULAR = 11;

// The DDD and the number trimmed and left-padded with "0" to their widths.
QString FormataDDD(const QString& ddd);
QString FormataNumeroCelular(const QString& numero);

} // namespace Coletadadoscelulartrn

class TFrmColetaDadosCelular : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmColetaDadosCelular(QWidget* pai);

    bool GravaCamposHostlink() override;
    bool ValidaCamposForm() override;
    void IniciaCamposForm() override;

    QLabel* lbDDD = nullptr;
    QLineEdit* edDDD = nullptr;
    QLabel* lbNumCelular = nullptr;
    QLineEdit* edNumCelular = nullptr;

private:
    static Partes::Grade GradeCelular();
};
