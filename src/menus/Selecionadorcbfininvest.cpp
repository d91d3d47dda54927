#include "menus/Selecionadorcbfininvest.h"

#include "frame/Fabricas.h"

#include "cash/Menucancelamentosaque.h"
#include "cash/Menudeposito.h"
#include "cash/Menusaque.h"
#include "frame/Lumomain.h"
#include "frame/Servicoscartao.h"
#include "host/Host.h"
#include "host/IniFile.h"
#include "loans/Menuemprestimos.h"
#include "menus/Menuconsultas.h"
#include "menus/Menuoutrasfuncoes.h"
#include "menus/Menupagamentos.h"
#include "paguefacil/Paguefacilconsultasegmentogrupo6.h"
#include "paguefacil/Paguefacilconsultaufgrupo6.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"
#include "services/Consultadesbloqueiotalonariochequedadosconta.h"
#include "services/Efetivadesbloqueiotalonariocheque.h"

#include <QHideEvent>
#include <QLabel>

TFrmSel_Mnu* FrmSel_Mnu = nullptr;
CB_FABRICA(TFrmSel_Mnu);

using namespace Menumodelolumo;
using namespace MenusEntrada;

namespace {

// Loans need the host's loan flag besides their switch.
bool EmprestimoOferecido(int, bool chave) {
    return chave && host::LeCampo(1356) == QLatin1String("1") && !Lumomain::TrnCNC;
}

// Other functions: their own switch outside the cancellation mode, or any option of their menu offered.
bool OutrasFuncoesOferecidas(int, bool chave) {
    return (chave && !Lumomain::TrnCNC) || VerificaBotaoOutrasFuncoesHabilitadas();
}

using M = TFrmSel_Mnu;
constexpr Opcao<M> kOpcoes[] = {
    {"Pagamentos", {}, QualquerModo, &M::spOpcao1Click},
    {"Consultas", {"ConsultaSaldoCB", "ConsultaExtratoCB"}, ForaCNC, &M::spOpcao2Click},
    {"Depósitos", "DepositoCB", QualquerModo, &M::spOpcao3Click},
    {"Saque", "SaqueCB", QualquerModo, &M::spOpcao4Click},
    {"Empréstimos", "EmprestimoCB", EmprestimoOferecido, &M::spOpcao5Click},
    {"Pague Fácil", "PagueFacilCB", QualquerModo, &M::spOpcao6Click},
    {"Desbloqueio Cheques", "DesbloqueioTalonario", QualquerModo, &M::spOpcao7Click},
    {"Outras funções", "OutrasFuncoes", OutrasFuncoesOferecidas, &M::spOpcao8Click},
};

} // namespace

TFrmSel_Mnu::TFrmSel_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QString(), "OPERAÇÕES BANCÁRIAS", kOpcoes) {}

void TFrmSel_Mnu::InicializaMenu() {
    Lumomain::bPinpadCBAberto = false;
    host::LimpaCampo(10154);
    host::GravaCampoString(10154, 0, QStringLiteral(" "));
    host::GravaCampoString(10154, 1, QStringLiteral(" "));
}

void TFrmSel_Mnu::IniciaFormularioMenu() {
    TFrmMnu_Mod::IniciaFormularioMenu();
    InicializaMenu();
}

void TFrmSel_Mnu::Configura_Consulta() {
    const IniFile ini(IniFile::NoDiretorioHost(QStringLiteral("ClienteTrn.ini")));
    const QString valor = ini.LeTexto(QStringLiteral("CONFIGURACOES"),
                                      QStringLiteral("CapturaValorTotalLUMO"), QStringLiteral("Sim"));
    Lumomain::gb_CapturaValorTotalLUMO = valor.compare(QLatin1String("SIM"), Qt::CaseInsensitive) == 0;
}

void TFrmSel_Mnu::FormShow() {
    InicializaMenu();
    Configura_Consulta();
    TFrmMnu_Mod::FormShow();
}

void TFrmSel_Mnu::hideEvent(QHideEvent* e) {
    TFrmMnu_Mod::hideEvent(e);
    if (!e->spontaneous()) Protegido([this] { FormClose(); });
}

void TFrmSel_Mnu::FormClose() {
    ServicosCartao::FechaPinpad();
}

bool TFrmSel_Mnu::spOpcao1Click() {
    AbreFormulario(FrmPagtos_Mnu);
    return true;
}

bool TFrmSel_Mnu::spOpcao2Click() {
    AbreFormulario(FrmConsultas_Mnu);
    return true;
}

bool TFrmSel_Mnu::spOpcao3Click() {
    host::GravaCampoString(10527, 0, QStringLiteral("3"));
    AbreFormulario(FrmDeposito_Mnu);
    return true;
}

bool TFrmSel_Mnu::spOpcao4Click() {
    if (!CarregaGrupo(this, "1")) return false;
    SalvaParametrosContaCartao();
    if (!ConfereBanco(this)) return false;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    if (!CarregaGrupo(this, "3")) return false;
    // No network for the account types accepted for withdrawals: the bank does not offer them here.
    if (Lumomain::ServicoHzinho_TipoContaAceitaSaque.vazio(22, 3)) return TransacaoNaoHabilitada();
    if (Lumomain::TrnCNC)
        AbreFormulario(FrmCancSaque_Mnu);
    else
        AbreFormulario(FrmSaque_Mnu);
    return true;
}

bool TFrmSel_Mnu::spOpcao5Click() {
    AbreFormulario(FrmEmprestimos_Mnu);
    return true;
}

bool TFrmSel_Mnu::spOpcao6Click() {
    host::GravaCampoString(10527, 0, QStringLiteral("1"));
    if (!CarregaGrupo(this, "1")) return false;
    Lumomain::SalvaServicoAConsParam();
    Lumomain::SalvaDPCHIP();
    Lumomain::TrataVersaoVortaCB();
    Lumomain::SalvaServicoHzinho_21_Informacoes_Gerais_CB();
    // Pague Fácil has a group and a network of its own.
    Lumomain::GrupoPagto = QStringLiteral("06");
    if (host::GravaCampoString(10112, 0, QStringLiteral("805")) != 0) return false;
    if (!RealizaCargaParametros()) return false;
    if (Lumomain::ServicoHzinho_29_FormasColetaTipoContaAceita.vazio(22, 3)) return TransacaoNaoHabilitada();
    // The segment query shows its own wait window; a failed one has reported itself to the point of sale.
    std::unique_ptr<TFrmModPagueFacil_ConsSegmento> segmentos(
        TFrmMod::Cria<TFrmModPagueFacil_ConsSegmento>(this));
    if (!segmentos) {
        FalhaCriacao(this, "FrmModPagueFacil_ConsSegmento");
        return false;
    }
    const bool consultou = segmentos->Realiza_Consulta_Segmento();
    segmentos.reset();
    if (!consultou) {
        setModalResult(mrOk);
        return false;
    }
    AbreFormulario(FrmPagueFacil_ConsultaUF);
    return true;
}

void TFrmSel_Mnu::ChamaMenuDadosConta() {
    AbreFormulario(FrmCnsDesbloqueio_DConta);
}

bool TFrmSel_Mnu::spOpcao7Click() {
    if (!CarregaGrupo(this, "3")) return false;
    if (Lumomain::ServicoHzinho_25_InformacaoModoTransacao.inteiro(45, 3, -1) == 0)
        return TransacaoNaoHabilitada();
    ChamaMenuDadosConta();
    int codigo = host::CodigoResultado();
    const int faixas = Lumomain::ServicoX_TipoRegistro050_ConsultaDesbloqueioTalonario.inteiro(4, 2, 0);
    // A query that was abandoned, failed or found no blocked range ends the call here.
    if (EncerraAposDialogo(this, codigo) || faixas <= 0) {
        Lumomain::FechaPinpadFechaFormGravaArquivo(this);
    } else if (codigo == 0) {
        if (!Lumomain::LeAnalisaCartaoCB(11, lbMensagem)) {
            Encerra();
            return false;
        }
        AbreFormulario(FrmDesbloqueioTal_Crt);
        codigo = host::CodigoResultado();
        if (EncerraAposDialogo(this, codigo)) Lumomain::FechaPinpadFechaFormGravaArquivo(this);
    }
    ServicosCartao::FechaPinpad();
    return true;
}

bool TFrmSel_Mnu::spOpcao8Click() {
    AbreFormulario(FrmOutrasFuncoes_Mnu);
    return true;
}
