#include "admin/Cancelamentorestabelecelimitelumo.h"

TFrmMod_RestabeleceLimiteCnc* FrmMod_RestabeleceLimiteCnc = nullptr;

TFrmMod_RestabeleceLimiteCnc::TFrmMod_RestabeleceLimiteCnc(QWidget* pai)
    : TFrmMod_RestabeleceLimite(pai, QStringLiteral("FrmMod_RestabeleceLimiteCnc")) {
    DefineTitulo(QStringLiteral("Cancelamento Restabelece Limite"));
}
