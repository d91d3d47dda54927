#include "admin/Cancelamentorestabelecelimitelumo.h"

#include "frame/Fabricas.h"

#include "protocol/Tabelatrn.h"

TFrmMod_RestabeleceLimiteCnc* FrmMod_RestabeleceLimiteCnc = nullptr;
CB_FABRICA(TFrmMod_RestabeleceLimiteCnc);

TFrmMod_RestabeleceLimiteCnc::TFrmMod_RestabeleceLimiteCnc(QWidget* pai)
    : TFrmMod_RestabeleceLimite(pai, QString()) {
    DefineTitulo(QStringLiteral("Cancelamento Restabelece Limite"));
    Descritor = &Cancelamentorestabelecelimitelumo::TrnRestabeleceLimite;
}

namespace Cancelamentorestabelecelimitelumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancelamentorestabelecelimitelumo, TrnRestabeleceLimite,
             Descritor(198, 0, {F(10112), F(10171), F(1003), F(1040), F(1041).fmt(4), F(1020).fmt(8)}));

} // namespace Cancelamentorestabelecelimitelumo
