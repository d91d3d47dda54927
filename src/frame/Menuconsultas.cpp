#include "frame/Menuconsultas.h"

#include "resources/Mensagens.h"

TFrmConsultas_Mnu* FrmConsultas_Mnu = nullptr;

TFrmConsultas_Mnu::TFrmConsultas_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmConsultas_Mnu")) {
    for (int i = 1; i <= 3; ++i)
        LigaOpcao(i, [this] { OpcaoNaoDisponivel(); });
}

void TFrmConsultas_Mnu::IniciaFormularioMenu() {
    DefineTitulo(QStringLiteral("CONSULTAS"));
    DefineOpcoes({"Consulta Saldo", "Consulta Extrato", "Consl Benef INSS"});
}

void TFrmConsultas_Mnu::VerificaOpcoesHabilitadas() {
    const ConfiguracaoMenu chave;
    const bool cnc = Lumomain::TrnCNC;
    HabilitaOpcao(1, chave("ConsultaSaldoCB") && !cnc);
    HabilitaOpcao(2, chave("ConsultaExtratoCB") && !cnc);
    HabilitaOpcao(3, chave("ConsultaBeneficioINSS") && !cnc);
}

void TFrmConsultas_Mnu::FormShow() {
    TFrmMnu_Mod::FormShow();
    DefineMensagem(QString::fromUtf8(msg::MsgMenuConsultas));
}
