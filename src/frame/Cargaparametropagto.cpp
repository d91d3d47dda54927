#include "frame/Cargaparametropagto.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/CargaParametros.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QLabel>

namespace Cargaparametropagto {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cargaparametropagto, TrnConsultaCargaParamentros, Descritor(242, 0, {A}));

} // namespace Cargaparametropagto

TFrmMod_Par::TFrmMod_Par(QWidget* pai) : TFrmMod(pai, QString()) {
    pnAlerta = new QFrame(this);
    pnAlerta->setObjectName(QStringLiteral("pnAlerta"));
    pnAlerta->setFrameShape(QFrame::Box);
    pnAlerta->setGeometry(111, 170, 400, 60);
    lbAlerta = new QLabel(pnAlerta);
    lbAlerta->setObjectName(QStringLiteral("lbAlerta"));
    lbAlerta->setGeometry(10, 10, 380, 40);
    lbAlerta->setAlignment(Qt::AlignCenter);
}

bool TFrmMod_Par::FormCreate() {
    if (!TFrmMod::FormCreate()) return false;
    IniciaCamposForm();
    return true;
}

void TFrmMod_Par::IniciaCamposForm() {
    DefineTitulo(QString::fromUtf8(msg::InfoCargaParametro));
    lbAlerta->setText(QString::fromUtf8(msg::InfoMsgAlerta));
    Lumomain::IniciaServicosHzinhoParametros();
}

void TFrmMod_Par::TrataCamposServicoHzinho() {
    Lumomain::TrataServicosHzinhoParametros();
}

bool TFrmMod_Par::Executa_Carrega_parametros_LUMO() {
    Descritor = &Cargaparametropagto::TrnConsultaCargaParamentros;
    return Lumomain::ExecutaCargaParametros(Pedido(), lbMensagem);
}

bool TFrmMod_Par::Carrega_parametros_LUMO() {
    if (Executa_Carrega_parametros_LUMO()) {
        hide();
        setModalResult(mrOk);
        return true;
    }
    Lumomain::MostraMensagem(Lumomain::Icone::Erro, QString::fromUtf8(msg::MsgErroCargaParametros), this);
    host::EnviaArquivoErroPDV(255, QString::fromUtf8(msg::MsgParametrosIndefinidos));
    hide();
    setModalResult(mrOk);
    return false;
}
