// Generic card payment: reports a card sale made in the host, or the card withdrawal that paid the bills,
// together with the bills it paid.
#pragma once

#include "basekit.h"
#include "frame/Trnmodelolumo.h"

#include <array>

namespace Pagtogenericolumo {

// Module variables whose current text the descriptors send (NUL-terminated).
extern std::array<char, 64> FormaPagtoTEF;
extern std::array<char, 64> RedeTEF;
// TEF establishment code, 15 characters.
extern std::array<char, 16> CodigoEstabelecimentoTEF;
// TEF company code, 12 characters.
extern std::array<char, 13> CodigoEmpresaTEF;

extern const TTabelaTrn TrnPagamentoGenerico;
extern const TTabelaTrn TrnPagamentoGenericoSaque;

// Sale types of field 10107 that the generic payment reports.
inline constexpr int TIPO_VENDA_SAQUE = 6;
// Type of the h-record in which a card withdrawal's reply carries the sale, laid out as reply service H.
inline constexpr char TIPO_HZINHO_DADOS_VENDA[] = "36";

// Writes the sale's request fields from a text laid out as reply service H of a card sale.
bool GravaDadosVenda(const QString& servicoH);

} // namespace Pagtogenericolumo

class TFrmPagto_Gen : public TFrmTrn_Mod {
    Q_OBJECT
public:
    explicit TFrmPagto_Gen(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
    // The withdrawal's sale data, from the h-records of its reply. Hides the base's limit-restoration walk
    // of the same name, which the confirm flow still runs on its own.
    bool TrataCamposServicoHzinho();

    int TipoVenda = 0;
};

extern TFrmPagto_Gen* FrmPagto_Gen;
