#include "menus/Selecionadorcbfininvest.h"

#include "frame/Fabricas.h"

#include "cash/Menucancelamentosaque.h"
#include "cash/Menudeposito.h"
#include "cash/Menusaque.h"
#include "frame/Indisponivel.h"
#include "frame/Lumomain.h"
#include "frame/Servicoscartao.h"
#include "host/Host.h"
#include "host/IniFile.h"
#include "menus/Menuconsultas.h"
#include "menus/Menuoutrasfuncoes.h"
#include "menus/Menupagamentos.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QHideEvent>
#include <QLabel>

#include <memory>

TFrmSel_Mnu* FrmSel_Mnu = nullptr;
CB_FABRICA(TFrmSel_Mnu);

namespace Lumomain {
Registro<1206> ServicoX_TipoRegistro050_ConsultaDesbloqueioTalonario;
} // namespace Lumomain

using namespace MenusEntrada;

TFrmSel_Mnu::TFrmSel_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmSel_Mnu")) {
    LigaOpcoes(this, {&TFrmSel_Mnu::spOpcao1Click, &TFrmSel_Mnu::spOpcao2Click, &TFrmSel_Mnu::spOpcao3Click,
                      &TFrmSel_Mnu::spOpcao4Click, &TFrmSel_Mnu::spOpcao5Click, &TFrmSel_Mnu::spOpcao6Click,
                      &TFrmSel_Mnu::spOpcao7Click, &TFrmSel_Mnu::spOpcao8Click});
}

void TFrmSel_Mnu::InicializaMenu() {
    Lumomain::bPinpadCBAberto = false;
    host::LimpaCampo(10154);
    host::GravaCampoString(10154, 0, QStringLiteral(" "));
    host::GravaCampoString(10154, 1, QStringLiteral(" "));
}

void TFrmSel_Mnu::IniciaFormularioMenu() {
    DefineTitulo(QStringLiteral("OPERAÇÕES BANCÁRIAS"));
    DefineOpcoes({"Pagamentos", "Consultas", "Depósitos", "Saque", "Empréstimos", "Pague Fácil",
                  "Desbloqueio Cheques", "Outras funções"});
    InicializaMenu();
}

void TFrmSel_Mnu::VerificaOpcoesHabilitadas() {
    const ConfiguracaoMenu chave;
    const bool cnc = Lumomain::TrnCNC;
    HabilitaOpcao(1, true);
    HabilitaOpcao(2, (chave("ConsultaSaldoCB") || chave("ConsultaExtratoCB")) && !cnc);
    HabilitaOpcao(3, chave("DepositoCB"));
    HabilitaOpcao(4, chave("SaqueCB"));
    HabilitaOpcao(5, chave("EmprestimoCB") && host::LeCampo(1356) == QLatin1String("1") && !cnc);
    HabilitaOpcao(6, chave("PagueFacilCB"));
    HabilitaOpcao(7, chave("DesbloqueioTalonario"));
    HabilitaOpcao(8, (chave("OutrasFuncoes") && !cnc) || VerificaBotaoOutrasFuncoesHabilitadas());
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

void TFrmSel_Mnu::spOpcao1Click() {
    AbreFormulario(FrmPagtos_Mnu, "FrmPagtos_Mnu");
}

void TFrmSel_Mnu::spOpcao2Click() {
    AbreFormulario(FrmConsultas_Mnu, "FrmConsultas_Mnu");
}

void TFrmSel_Mnu::spOpcao3Click() {
    HabilitaDesabilitaBotoes(false);
    host::GravaCampoString(10527, 0, QStringLiteral("3"));
    if (!CriaExecutaForm(this, FrmDeposito_Mnu)) FalhaCriacao(this, "FrmDeposito_Mnu");
    ReabilitaSeContinua();
}

void TFrmSel_Mnu::spOpcao4Click() {
    HabilitaDesabilitaBotoes(false);
    if (!CarregaGrupo(this, "1")) return;
    SalvaParametrosContaCartao();
    if (!ConfereBanco(this)) return;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    if (!CarregaGrupo(this, "3")) return;
    // No network for the account types accepted for withdrawals: the bank does not offer them here.
    if (Lumomain::ServicoHzinho_TipoContaAceitaSaque.vazio(22, 3)) {
        TransacaoNaoHabilitada();
        return;
    }
    if (Lumomain::TrnCNC) {
        if (!CriaExecutaForm(this, FrmCancSaque_Mnu)) FalhaCriacao(this, "FrmCancSaque_Mnu");
    } else if (!CriaExecutaForm(this, FrmSaque_Mnu))
        FalhaCriacao(this, "FrmSaque_Mnu");
    ReabilitaSeContinua();
}

void TFrmSel_Mnu::spOpcao5Click() {
    HabilitaDesabilitaBotoes(false);
    AbreSubstituto(this, "TFrmEmprestimos_Mnu");
    ReabilitaSeContinua();
}

void TFrmSel_Mnu::spOpcao6Click() {
    HabilitaDesabilitaBotoes(false);
    host::GravaCampoString(10527, 0, QStringLiteral("1"));
    if (!CarregaGrupo(this, "1")) return;
    Lumomain::SalvaServicoAConsParam();
    Lumomain::SalvaDPCHIP();
    Lumomain::TrataVersaoVortaCB();
    Lumomain::SalvaServicoHzinho_21_Informacoes_Gerais_CB();
    // Pague Fácil has a group and a network of its own.
    Lumomain::GrupoPagto = QStringLiteral("06");
    if (host::GravaCampoString(10112, 0, QStringLiteral("805")) != 0) return;
    if (!RealizaCargaParametros()) return;
    if (Lumomain::ServicoHzinho_29_FormasColetaTipoContaAceita.vazio(22, 3)) {
        TransacaoNaoHabilitada();
        return;
    }
    // The segment query runs in its own dialog, which comes with the Pague Fácil screens. Its stand-in
    // reports the function as not enabled and closes the chain, as a failed query does; only a query that
    // leaves this menu open goes on to the states.
    AbreSubstituto(this, "TFrmModPagueFacil_ConsSegmento");
    if (ModalResult() == mrOk) return;
    AbreSubstituto(this, "TFrmPagueFacil_ConsultaUF");
    ReabilitaSeContinua();
}

void TFrmSel_Mnu::ChamaMenuDadosConta() {
    // The account-data query of the cheque-book release is a later dialog; its stand-in holds the place and
    // its modal result steers this menu as the dialog's will.
    std::unique_ptr<TFrmIndisponivel> consulta(TFrmMod::Cria<TFrmIndisponivel>(this));
    if (!consulta) {
        FalhaCriacao(this, "FrmCnsDesbloqueio_DConta");
        return;
    }
    consulta->DefineFormulario(QStringLiteral("TFrmCnsDesbloqueio_DConta"));
    const int resultado = consulta->Executa();
    consulta.reset();
    Lumomain::ProcessaMensagens();
    setModalResult(resultado);
}

void TFrmSel_Mnu::spOpcao7Click() {
    HabilitaDesabilitaBotoes(false);
    if (!CarregaGrupo(this, "3")) return;
    if (Lumomain::ServicoHzinho_25_InformacaoModoTransacao.inteiro(45, 3, -1) == 0) {
        TransacaoNaoHabilitada();
        return;
    }
    ChamaMenuDadosConta();
    int codigo = host::LeCampoInteiro(1009, 0, 255);
    const int faixas = Lumomain::ServicoX_TipoRegistro050_ConsultaDesbloqueioTalonario.inteiro(4, 2, 0);
    // A query that was abandoned, failed or found no blocked range ends the call here.
    if (EncerraAposDialogo(this, codigo) || faixas <= 0) {
        Lumomain::FechaPinpadFechaFormGravaArquivo(this);
    } else if (codigo == 0) {
        if (!Lumomain::LeAnalisaCartaoCB(11, lbMensagem)) {
            Encerra();
            return;
        }
        AbreSubstituto(this, "TFrmDesbloqueioTal_Crt");
        codigo = host::LeCampoInteiro(1009, 0, 255);
        if (EncerraAposDialogo(this, codigo)) Lumomain::FechaPinpadFechaFormGravaArquivo(this);
    }
    ServicosCartao::FechaPinpad();
    ReabilitaSeContinua();
}

void TFrmSel_Mnu::spOpcao8Click() {
    AbreFormulario(FrmOutrasFuncoes_Mnu, "FrmOutrasFuncoes_Mnu");
}
