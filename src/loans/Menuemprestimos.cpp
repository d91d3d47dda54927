#include "loans/Menuemprestimos.h"

#include "frame/Lumomain.h"
#include "frame/Passosmenu.h"
#include "frame/Servicoscartao.h"
#include "host/Host.h"
#include "loans/Consultaemprestimo.h"
#include "loans/Consultaemprestimoconsignado.h"
#include "loans/Consultapropostamaximaemprestimoconsignado.h"
#include "loans/Efetivaemprestimo.h"
#include "loans/Efetivaemprestimoconsignado.h"
#include "loans/Imprimeconsultasimulacaoemprestimo.h"
#include "loans/Menumagneticodadoscontaemprestimo.h"
#include "loans/Simulaemprestimo.h"
#include "loans/Simulaemprestimoconsignado.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QMessageBox>

#include <memory>

using host::Grava;
using msg::Texto;
using namespace MenusEntrada;

TFrmEmprestimos_Mnu* FrmEmprestimos_Mnu = nullptr;

namespace {

using M = TFrmEmprestimos_Mnu;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {msg::OpcaoEmprestimoPreAprovado, {}, Menumodelolumo::QualquerModo, &M::spOpcao1Click},
    {msg::OpcaoEmprestimoConsignado, "EmprestimoConsignado", Menumodelolumo::ForaCNC, &M::spOpcao2Click},
};

constexpr char kPerguntaPropostaMaxima[] =
    "Deseja efetivar a proposta máxima?\r\n\r\nSim - Efetiva a proposta "
    "máxima\r\n\r\nNão - Simula o empréstimo com outro valor";

// Runs a dialog of the chain modally; its result, or mrNone when it could not be created (reported).
template <class T> int ExecutaPasso(TFrmMod* menu, const char* nome) {
    std::unique_ptr<T> form(TFrmMod::Cria<T>(menu));
    if (!form) {
        FalhaCriacao(menu, nome);
        return TFrmMod::mrNone;
    }
    const int resultado = form->Executa();
    form.reset();
    Lumomain::ProcessaMensagens();
    return resultado;
}

// The summary informs and always goes on.
void MostraResumo(TFrmMod* menu, bool consignado) {
    TFrmCnsSimEmpr_Impr::Consignado = consignado;
    ExecutaPasso<TFrmCnsSimEmpr_Impr>(menu, "FrmCnsSimEmpr_Impr");
}

} // namespace

TFrmEmprestimos_Mnu::TFrmEmprestimos_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), msg::TituloConsultas, kOpcoes, msg::MsgMenuConsultas) {}

bool TFrmEmprestimos_Mnu::CarregaParametros() {
    if (!CarregaGrupo(this, "1")) return false;
    Lumomain::SalvaServicoAConsParam();
    Lumomain::SalvaDPCHIP();
    Lumomain::TrataVersaoVortaCB();
    Lumomain::SalvaServicoHzinho_21_Informacoes_Gerais_CB();
    if (!ConfereBanco(this)) return false;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    return CarregaGrupo(this, "3");
}

bool TFrmEmprestimos_Mnu::IdentificaCliente(bool consignado) {
    std::unique_ptr<TFrmMagDadosCtEmpr_Mnu> menu(consignado ? TFrmMod::Cria<TFrmMagDadosCtEmprCons_Mnu>(this)
                                                            : TFrmMod::Cria<TFrmMagDadosCtEmpr_Mnu>(this));
    if (!menu) {
        FalhaCriacao(this, consignado ? "FrmMagDadosCtEmprCons_Mnu" : "FrmMagDadosCtEmpr_Mnu");
        return false;
    }
    const int resultado = menu->Executa();
    const bool identificado = menu->Identificado();
    menu.reset();
    Lumomain::ProcessaMensagens();
    if (identificado) return true;
    // An identification menu the operator closed without a word ends the call as the operator's.
    if (resultado != mrOk) Encerra(QStringLiteral("FF"), Texto(msg::ErroFinalizadoOper));
    setModalResult(mrOk);
    return false;
}

bool TFrmEmprestimos_Mnu::Prossegue(int resultado) {
    if (resultado == mrOk && host::Aprovada()) return true;
    // Left by the operator after the bank approved a step: no loan was made.
    if (resultado == mrCancel) {
        Grava(1009, QStringLiteral("FF"));
        Grava(1027, Texto(msg::ErroFinalizadoOper));
    }
    Lumomain::FechaPinpadFechaFormGravaArquivo(this);
    return false;
}

bool TFrmEmprestimos_Mnu::spOpcao1Click() {
    if (!CarregaParametros() || !IdentificaCliente(false)) return false;
    if (Prossegue(ExecutaPasso<TFrmConsEmprest>(this, "FrmConsEmprest"))) {
        MostraResumo(this, false);
        if (Prossegue(ExecutaPasso<TFrmSimEmprest>(this, "FrmSimEmprest"))) {
            if (Lumomain::TrataServicoXEmprestimoSimula())
                Prossegue(ExecutaPasso<TFrmEfetEmprest>(this, "FrmEfetEmprest"));
            else
                Lumomain::FechaPinpadFechaFormGravaArquivo(this);
        }
    }
    ServicosCartao::FechaPinpad();
    setModalResult(mrOk);
    return true;
}

bool TFrmEmprestimos_Mnu::spOpcao2Click() {
    if (!CarregaParametros() || !IdentificaCliente(true)) return false;
    const auto fim = [this] {
        ServicosCartao::FechaPinpad();
        setModalResult(mrOk);
        return true;
    };
    if (!Prossegue(ExecutaPasso<TFrmConsEmprestCons>(this, "FrmConsEmprestCons"))) return fim();
    Consultaemprestimoconsignado::TrataResposta(42);
    if (Lumomain::ServicoXConsultaEmprestimoConsignado.Dados.inteiro(27, 2, 0) > 1) MostraResumo(this, true);
    if (!Prossegue(ExecutaPasso<TFrmConsPropMaxEmprestCons>(this, "FrmConsPropMaxEmprestCons"))) return fim();
    Lumomain::ServicoXConsultaPropostaMaximaEmprestimoConsignado.limpa();
    if (!Consultaemprestimoconsignado::TrataResposta(43)) {
        Lumomain::FechaPinpadFechaFormGravaArquivo(this);
        return fim();
    }
    MostraResumo(this, true);
    const auto& proposta = Lumomain::ServicoXConsultaPropostaMaximaEmprestimoConsignado;
    const int resposta = Lumomain::PerguntaSimNaoCancela(Texto(kPerguntaPropostaMaxima), {}, this);
    if (resposta == QMessageBox::Yes) {
        TFrmEfetEmprestCons::Valor = proposta.texto(33, 12).trimmed();
        TFrmEfetEmprestCons::Parcelas = {QString::number(proposta.inteiro(27, 3, 0))};
    } else if (resposta == QMessageBox::No) {
        if (!Prossegue(ExecutaPasso<TFrmSimEmprestCons>(this, "FrmSimEmprestCons"))) return fim();
        Consultaemprestimoconsignado::TrataResposta(44);
        TFrmEfetEmprestCons::Valor = host::RemoveFormato(host::LeCampo(1003));
        TFrmEfetEmprestCons::Parcelas.clear();
        for (const QString& n : {host::LeCampo(10131), host::LeCampo(10102, 1), host::LeCampo(10102, 2)})
            if (!n.trimmed().isEmpty()) TFrmEfetEmprestCons::Parcelas << n.trimmed();
    } else {
        Grava(1009, QStringLiteral("FF"));
        Grava(1027, Texto(msg::ErroFinalizadoOper));
        Lumomain::FechaPinpadFechaFormGravaArquivo(this);
        return fim();
    }
    Prossegue(ExecutaPasso<TFrmEfetEmprestCons>(this, "FrmEfetEmprestCons"));
    return fim();
}
