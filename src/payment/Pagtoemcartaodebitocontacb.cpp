#include "payment/Pagtoemcartaodebitocontacb.h"

#include "frame/Lumomain.h"
#include "protocol/ServicosResposta.h"

TFrmPgt_DebContaCB* FrmPgt_DebContaCB = nullptr;

TFrmPgt_DebContaCB::TFrmPgt_DebContaCB(QWidget* pai) : TFrmPgtContaCB_Mod(pai, QString()) {
    // The option of the payment-method menu names the account service as the server titles it.
    DefineTitulo(QString::fromUtf8("Déb ") + Lumomain::ServicoHzinho_Pagamento.texto(0, 20).trimmed());
}
