#include "payment/Pagtoemcartaocreditocontacb.h"

#include "frame/Lumomain.h"
#include "protocol/ServicosResposta.h"

TFrmPgt_CredContaCB* FrmPgt_CredContaCB = nullptr;

TFrmPgt_CredContaCB::TFrmPgt_CredContaCB(QWidget* pai) : TFrmPgtContaCB_Mod(pai, QString()) {
    DefineTitulo(QString::fromUtf8("Créd ") + Lumomain::ServicoHzinho_Pagamento.texto(0, 20).trimmed());
}
