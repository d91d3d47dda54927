#include "services/Consultadadoscadastraisdadosconta.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"
#include "services/Consultadadoscadastraisdadostitulares.h"

#include <QComboBox>
#include <QLineEdit>

using msg::Texto;

TFrmCnsDdCad_DdCta* FrmCnsDdCad_DdCta = nullptr;

namespace {

// The group whose parameters say which accounts and modalities may be opened.
constexpr char kGrupoCadastro[] = "5";

} // namespace

TFrmCnsDdCad_DdCta::TFrmCnsDdCad_DdCta(QWidget* pai) : TFrmTrnDadosCta_Grp3(pai, QString()) {}

void TFrmCnsDdCad_DdCta::IniciaCamposForm() {
    TFrmTrnDadosCta_Grp3::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloConsultaDadosCadastraisAberturaConta));
}

void TFrmCnsDdCad_DdCta::FormActivate() {
    if (carregando_) return;
    if (!carregou_) {
        // Loaded once the form is up, so that the screen does not wait for the bank; the capture stays
        // disabled until the group's parameters say what may be opened. A failed load has reported itself
        // and closes the chain.
        carregando_ = true;
        HabilitaCaptura(false);
        Lumomain::GrupoPagto = QLatin1String(kGrupoCadastro);
        const bool ok = RealizaCargaParametros();
        carregando_ = false;
        if (!ok) return;
        carregou_ = true;
        HabilitaCaptura(true);
        const auto tipos = Consultadadoscadastraisdadostitulares::TiposAbertura(
            Lumomain::ServicoHzinho_ModalidadeTipoPessoaAberturaConta);
        cbTipoConta->clear();
        PreencheTipos(tipos);
        // A bank that opens only checking accounts leaves nothing to choose.
        const bool soCorrente = tipos == QStringList{Texto(msg::InfoTipoContaCorrente)};
        if (soCorrente) cbTipoConta->setCurrentIndex(0);
        cbTipoConta->setEnabled(!soCorrente);
        RepeteCampo(nullptr, soCorrente ? static_cast<QWidget*>(EdBanco) : cbTipoConta);
    }
    TFrmTrnDadosCta_Grp3::FormActivate();
}

bool TFrmCnsDdCad_DdCta::GravaCamposHostlink() {
    if (!TFrmTrnDadosCta_Grp3::GravaCamposHostlink()) return false;
    // The holders' passwords are read against the new account's number: no card is involved.
    if (!Lumomain::GravaDadosColetaSenha(EdBanco->text(), EdAgencia->text(), EdConta->text(),
                                         EdDigito->text()))
        return false;
    // The next dialog puts the person type where the account key is now.
    return host::Grava(10290, host::LeCampo(10102, 1));
}

bool TFrmCnsDdCad_DdCta::ConcluiConfirmacao() {
    if (!CriaExecutaForm(this, FrmCnsDdCad_DdTit)) {
        Lumomain::ReportaFalha(TextoFalhaCriacao<TFrmCnsDdCad_DdTit>());
        setModalResult(mrOk);
    }
    if (ModalResult() != mrNone) return true;
    // Back from the holders: the account data may be corrected.
    RepeteCampo(nullptr, cbTipoConta);
    return false;
}
