#include "frame/Cargaparametropagto.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QLabel>

namespace Cargaparametropagto {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cargaparametropagto, TrnConsultaCargaParamentros, Descritor(242, 0, {A}));

} // namespace Cargaparametropagto

TFrmMod_Par::TFrmMod_Par(QWidget* pai) : TFrmMod(pai, QStringLiteral("FrmMod_Par")) {
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
    const QString& grupo = Lumomain::GrupoPagto;
    // Pague Fácil loads through its own network; every other group leaves the network to the server.
    if (host::GravaCampoString(10112, 0, grupo == QLatin1String("06") ? QStringLiteral("805") : QString()) !=
            0 ||
        host::GravaCampoString(10103, 0, grupo) != 0 ||
        host::GravaCampoString(10158, 0, QStringLiteral("00")) != 0)
        return false;
    host::AutorizaTransacao(Pedido(), lbMensagem, 0);
    if (host::LeCampoInteiro(1009, 0, 255) != 0) return false;

    TrataCamposServicoHzinho();
    Lumomain::SalvaValorReferencia();
    bool numerico = false;
    const int grupoNumerico = grupo.toInt(&numerico);
    const auto tipo = [](const auto& registro) { return registro.texto(0, 2); };
    if (numerico && grupoNumerico == 1 &&
        (tipo(Lumomain::ServicoHzinho_Coleta_Trilha) == QLatin1String("16") ||
         tipo(Lumomain::ServicoHzinho_Coleta_Senha) == QLatin1String("17"))) {
        Lumomain::Converte_ServicosHzinho_Em_ServicosA();
        Lumomain::SalvaDPCHIP();
    }
    if (grupo == QLatin1String("06") || grupo == QLatin1String("7"))
        Lumomain::Converte_ServicoA_Em_Servico3();

    // The load is no transaction of the host's own: an abandonment from here on is the operator's.
    host::GravaCampoString(1027, 0, QString::fromUtf8(msg::ErroFinalizadoOper));
    host::GravaCampoString(1009, 0, QStringLiteral("FF"));
    return true;
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
