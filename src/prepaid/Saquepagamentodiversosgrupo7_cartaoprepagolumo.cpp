#include "prepaid/Saquepagamentodiversosgrupo7_cartaoprepagolumo.h"

#include "frame/Coletacampocartao.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cstring>
#include <string>

using namespace Lumomain;

TFrmMod_SaqueCartaoPrePago* FrmMod_SaqueCartaoPrePago = nullptr;

namespace Saquepagamentodiversosgrupo7_cartaoprepagolumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Saquepagamentodiversosgrupo7_cartaoprepagolumo, TrnSaqueCartaoPrePago,
             Descritor(242, 1, {A, F(1003).fmt(4), F(10134), F(10104), F(10146), F(10243, "NSPIN:")}));

} // namespace Saquepagamentodiversosgrupo7_cartaoprepagolumo

namespace {

using msg::Texto;

// Card group of the prepaid sub-functions: its network is in h-record 41.
constexpr int TIPO_CARTAO_PRE_PAGO = 41;

// A PIN block read from the host and wiped when it goes out of scope.
class BlocoSenha {
public:
    explicit BlocoSenha(int campo) : bytes_(host::LeCampoBytes(campo)) {}
    ~BlocoSenha() { explicit_bzero(bytes_.data(), bytes_.size()); }
    BlocoSenha(const BlocoSenha&) = delete;
    BlocoSenha& operator=(const BlocoSenha&) = delete;
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

} // namespace

TFrmMod_SaqueCartaoPrePago::TFrmMod_SaqueCartaoPrePago(QWidget* pai) : TFrmTrn_Mod(pai, QString()) {
    Descritor = &Saquepagamentodiversosgrupo7_cartaoprepagolumo::TrnSaqueCartaoPrePago;
    // The button and the self-confirming timer run this dialog's own flow, not the payment flow of the base.
    disconnect(btConfirma, &QAbstractButton::clicked, this, nullptr);
    LigaClique(btConfirma, [this] { btConfirmaClick(); });
    TCliqueSaque = CriaClique([this] {
        if (ModalResult() == mrNone && btConfirma->isVisible() && btConfirma->isEnabled()) btConfirmaClick();
    });
}

void TFrmMod_SaqueCartaoPrePago::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloSaqueCartaoPrePago));
}

void TFrmMod_SaqueCartaoPrePago::FormActivate() {
    TFrmMod::FormActivate();
    // The amount was confirmed by the customer already: the dialog opens on the confirm button.
    if (focusWidget() == btConfirma && btConfirma->isEnabled()) TCliqueSaque->start();
}

bool TFrmMod_SaqueCartaoPrePago::GravaCamposHostlink() {
    // The base writes the loaded group to 10103.
    return TFrmTrn_Mod::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("11"));
}

void TFrmMod_SaqueCartaoPrePago::EncerraOperacao() {
    HabilitaControles(true);
    TFrmMod::Encerra();
}

bool TFrmMod_SaqueCartaoPrePago::CapturaSenhaCodigoCelular() {
    // The PIN pad ciphers the PIN and the code with the holder's card, which the bank's query returned.
    QString cartao = ServicoHzinho_40_ConsultaCartaoPrePago.texto(0, 16);
    const bool gravou =
        host::Grava(10134, QStringLiteral("2")) && Coletacampocartao::GravaCampoSigiloso(10104, cartao) == 0;
    Coletacampocartao::ApagaCopia(cartao);
    if (!gravou) return false;
    if (!LeSenhaCB(true, lbTitulo->text(), TIPO_CARTAO_PRE_PAGO, lbMensagem,
                   Texto(msg::MsgSolicitaConfSenha)))
        return false;
    const BlocoSenha senha(10146);
    if (!LeSenhaCB(false, lbTitulo->text(), TIPO_CARTAO_PRE_PAGO, lbMensagem,
                   Texto(msg::MsgDigiteSenhaCodigoToken)))
        return false;
    const BlocoSenha codigo(10146);
    // The request carries the PIN's block in 10146 and the code's in 10104; the key serial number of the
    // second capture would not match the first block, so it is not sent.
    host::LimpaCampo(10146);
    host::LimpaCampo(10104);
    if (host::GravaCampoBytes(10146, 0, senha.bytes()) != 0 ||
        host::GravaCampoBytes(10104, 0, codigo.bytes()) != 0)
        return false;
    AjustesPedido.descartados.push_back(10243);
    return true;
}

void TFrmMod_SaqueCartaoPrePago::btConfirmaClick() {
    bControlaKeyPreview = false;
    HabilitaControles(false);
    if (ValidaCamposForm() && GravaCamposHostlink())
        Saca();
    else
        HabilitaControles(true);
    bControlaKeyPreview = true;
}

void TFrmMod_SaqueCartaoPrePago::Saca() {
    // An abandonment at the PIN pad reaches the host as the operator's.
    host::Grava(1027, Texto(msg::ErroFinalizadoOper));
    host::Grava(1009, QStringLiteral("FF"));
    // By card, the PIN goes with the track the identification read (10134 "1"); by mobile number the dialog
    // captures the PIN and the phone code itself.
    const bool celular = host::LeCampo(10229) == QLatin1String("2");
    const bool capturou = celular
                              ? CapturaSenhaCodigoCelular()
                              : host::Grava(10134, QStringLiteral("1")) &&
                                    LeSenhaCB(false, lbTitulo->text(), TIPO_CARTAO_PRE_PAGO, lbMensagem, {});
    if (capturou) {
        DefineMensagem(Texto(msg::MsgEmProcessamento));
        ProcessaMensagens();
        VerificaAutorizaTransacao();
        const QString texto = host::LeCampo(1027);
        if (!texto.isEmpty()) DefineMensagem(texto);
        if (bPinpadCBAberto) {
            host::FechaPinpadCB();
            bPinpadCBAberto = false;
        }
    }
    EncerraOperacao();
}
