#include "frame/Selecionadorcbfininvest.h"

#include "frame/Lumomain.h"
#include "frame/Menuconsultas.h"
#include "frame/Menuoutrasfuncoes.h"
#include "frame/Menupagamentos.h"
#include "host/Host.h"
#include "host/IniFile.h"

TFrmSel_Mnu* FrmSel_Mnu = nullptr;

TFrmSel_Mnu::TFrmSel_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmSel_Mnu")) {
    LigaOpcao(1, [this] { AbreFormulario(FrmPagtos_Mnu, "FrmPagtos_Mnu"); });
    LigaOpcao(2, [this] { AbreFormulario(FrmConsultas_Mnu, "FrmConsultas_Mnu"); });
    for (int i = 3; i <= 7; ++i)
        LigaOpcao(i, [this] { OpcaoNaoDisponivel(); });
    LigaOpcao(8, [this] { AbreFormulario(FrmOutrasFuncoes_Mnu, "FrmOutrasFuncoes_Mnu"); });
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
