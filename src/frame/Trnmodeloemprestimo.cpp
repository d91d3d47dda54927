#include "frame/Trnmodeloemprestimo.h"

#include "frame/Contasaque.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QPushButton>

using host::Grava;
using msg::Texto;

namespace {

// Kind of the PIN capture of a loan request: the group-3 card forms' network.
constexpr int TIPO_SENHA_EMPRESTIMO = 4;
// A contracting by card whose 10104 holds a 16-character account block is keyed as a typed account while
// the PIN is read.
constexpr qsizetype TAMANHO_BLOCO_CONTA_CARTAO = 16;

} // namespace

namespace Trnmodeloemprestimo {

bool VerificaDevolveStorelinkEsperaRespostaPDV() {
    return host::LeCampo(1356) == QLatin1String("1");
}

QStringList TiposAceitos(const QString& flags, bool cartao) {
    const QStringList tipos = Contasaque::TiposConta();
    const QChar forma = cartao ? QLatin1Char('2') : QLatin1Char('1');
    QStringList aceitos;
    for (qsizetype i = 0; i < tipos.size() && i < flags.size(); ++i)
        if (flags.at(i) == forma || flags.at(i) == QLatin1Char('3')) aceitos << tipos.at(i);
    return aceitos;
}

QString FlagsTipos(bool consignado) {
    return consignado ? Lumomain::ServicoHzinho_29_FormasColetaTipoConta_Emprest_Consig.texto(25, 5)
                      : Lumomain::ServicoHzinho_Tipo_Conta_Aceita_Emprestimo.texto(25, 5);
}

} // namespace Trnmodeloemprestimo

TFrmTrnEmpr_Mod::TFrmTrnEmpr_Mod(QWidget* pai, const QString& nome, const Partes::Grade& grade)
    : TFrmColeta_Mod(pai, nome, grade) {}

bool TFrmTrnEmpr_Mod::FormCreate() {
    const QList<QWidget*> campos = Campos();
    const auto b = Partes::CriaConfirmaRetorna(
        *this, nullptr, QPoint(126, 318), Texto(msg::InfoRetorna), [this] { btConfirmaClick(); },
        [this] { btRetornaClick(); });
    btConfirma = b.confirma;
    btRetorna = b.retorna;
    // The fields first, then the buttons: Enter on the last field reaches Confirm.
    QWidget* anterior = nullptr;
    for (QWidget* w : campos) {
        if (anterior) setTabOrder(anterior, w);
        anterior = w;
    }
    if (anterior) setTabOrder(anterior, btConfirma);
    setTabOrder(btConfirma, btRetorna);
    btConfirma->hide();
    btRetorna->hide();
    return TFrmColeta_Mod::FormCreate();
}

bool TFrmTrnEmpr_Mod::GravaCamposHostlink() {
    return TFrmColeta_Mod::GravaCamposHostlink() && Grava(10103, Lumomain::GrupoPagto);
}

bool TFrmTrnEmpr_Mod::VerificaCapturaSenha() {
    const QString funcao = host::LeCampo(10158);
    // The simulations and the payroll proposal carry no PIN: the query before them did.
    if (host::LeCampo(10134) == QLatin1String("2") || funcao == QLatin1String("40") ||
        funcao == QLatin1String("43") || funcao == QLatin1String("44"))
        return true;
    const QString entrada = host::LeCampo(10134);
    const bool trocaEntrada =
        funcao == QLatin1String("41") && host::LeCampo(10104).size() == TAMANHO_BLOCO_CONTA_CARTAO;
    if (trocaEntrada) Grava(10134, QStringLiteral("2"));
    const bool ok = Lumomain::LeSenhaCB(!Lumomain::bPinpadCBAberto, lbTitulo->text(), TIPO_SENHA_EMPRESTIMO,
                                        lbMensagem, QString());
    if (trocaEntrada) Grava(10134, entrada);
    if (!ok) Encerra();
    return ok;
}

bool TFrmTrnEmpr_Mod::ConcluiConfirmacao() {
    if (!VerificaCapturaSenha() || !VerificaObtemDadosEmv()) return false;
    const bool token = Lumomain::GrupoPagto == QLatin1String("3") && Lumomain::bHabilitaTratamentoToken &&
                       host::LeCampo(10158) == QLatin1String("12");
    if (token && !Lumomain::TrataDispositivoSeguranca(false, lbTitulo->text(), TIPO_SENHA_EMPRESTIMO,
                                                      lbMensagem, Texto(msg::MsgSoliciteSenhaToken), this)) {
        Encerra();
        return false;
    }
    Autoriza();
    return true;
}

void TFrmTrnEmpr_Mod::Autoriza() {
    const QString funcao = host::LeCampo(10158);
    const int dpchip =
        host::VerificaServico5String(QStringLiteral("DPCHIP:"), true).value_or(QString()).toInt();
    host::AutorizaTransacao(Pedido(), lbMensagem);
    Lumomain::ProcessaMensagens();
    const int codigo = host::CodigoResultado();
    const auto chip = [this, dpchip] {
        host::TrataMensagensCartaoCHIP(dpchip, lbMensagem,
                                       [this](bool marca) { return EnviaTransacaoAdviceOffLine(marca); });
    };
    if (codigo != 0) {
        chip();
        Encerra();
        return;
    }
    if (funcao == QLatin1String("41") || funcao == QLatin1String("45")) {
        const std::string q = host::ProcuraServico(20026, 'Q', "015", 1024);
        if (!q.empty()) host::GravaCampoBytes(1251, 0, q);
        const QString texto = host::LeCampo(1027);
        if (!texto.isEmpty()) DefineMensagem(texto);
        chip();
        Encerra();
        return;
    }
    // A query or a simulation: the chain goes on with the next dialog.
    if (Trnmodeloemprestimo::VerificaDevolveStorelinkEsperaRespostaPDV())
        Grava(1009, QStringLiteral("0"));
    else
        host::GravaArquivo();
    setModalResult(mrOk);
}
