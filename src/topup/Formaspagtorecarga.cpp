#include "topup/Formaspagtorecarga.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "host/IniFile.h"
#include "protocol/ServicosRecarga.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"
#include "topup/Capturacelular.h"
#include "topup/Recargadinheirolumo.h"
#include "topup/Recargatefdebitolumo.h"

#include <QLabel>
#include <QPushButton>

using msg::Texto;
using namespace Lumomain;

TFrmFPagCel_Mnu* FrmFPagCel_Mnu = nullptr;

namespace {

// Card reads of the top-up: the network of the correspondent's debit.
constexpr int TIPO_LEITURA_RECARGA = 3;

bool FormaAceita(int posicao) {
    return ServicoHzinho_RecargaCB_FormasPagto.texto(static_cast<std::size_t>(posicao), 1) ==
           QLatin1String("1");
}

bool Chave(const char* chave, bool padrao) {
    const IniFile ini(IniFile::NoDiretorioHost(QStringLiteral("ClienteTrn.ini")));
    return ini.LeBool(QStringLiteral("RecargaCelular"), QLatin1String(chave), padrao);
}

bool Dinheiro(int, bool) {
    return FormaAceita(25);
}
bool Cheque(int, bool) {
    return FormaAceita(26);
}
bool Credito(int, bool) {
    return FormaAceita(28) && Chave("PagamentoTEFCredito", false);
}
bool Debito(int, bool) {
    return FormaAceita(27) && Chave("PagamentoTEFDebito", true);
}

using M = TFrmFPagCel_Mnu;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {msg::OpcaoDinheiro, {}, Dinheiro, &M::spOpcao1Click},
    {msg::OpcaoCheque, {}, Cheque, &M::spOpcao2Click},
    {msg::OpcaoCredito, {}, Credito, &M::spOpcao3Click},
    {msg::OpcaoDebito, {}, Debito, &M::spOpcao4Click},
};

QString Linha(const char* rotulo, const QString& valor) {
    return Texto(rotulo) + QLatin1Char(' ') + valor;
}

} // namespace

namespace Formaspagtorecarga {

QStringList Resumo() {
    QStringList l;
    l << QString(11, QLatin1Char(' ')) + Linha(msg::InfoFilial, host::LeCampo(1254).trimmed());
    const QString telefone = Capturacelular::LinhaTelefone();
    if (!telefone.isEmpty()) l << telefone;
    const long long valor = host::LeCampo(1003).toLongLong();
    l << Linha(msg::InfoValorRecarga, host::Dollar(QString::number(valor)));
    const QString tarifa = host::LeCampo(10323).isEmpty()
                               ? RespostaConsultaValores.Tarifa.texto().trimmed()
                               : host::LeCampo(1256).trimmed();
    if (!tarifa.isEmpty()) {
        l << Linha(msg::InfoValorTarifa, host::Dollar(tarifa));
        l << Linha(msg::InfoValorPagamento, host::Dollar(QString::number(valor + tarifa.toLongLong())));
    }
    return l;
}

} // namespace Formaspagtorecarga

TFrmFPagCel_Mnu::TFrmFPagCel_Mnu(QWidget* pai)
    : TFrmMnuCel_Mod(pai, QString(), msg::TituloFormaPagto, kOpcoes, msg::MsgFormaPagamento) {}

void TFrmFPagCel_Mnu::IniciaFormularioMenu() {
    TFrmMnuCel_Mod::IniciaFormularioMenu();
    // This menu goes back to the value instead of ending the call.
    spEncerra->setText(Texto(msg::InfoRetorna));
    spEncerra->disconnect();
    LigaClique(spEncerra, [this] { Volta(); });
    MostraResumo(Formaspagtorecarga::Resumo());
}

bool TFrmFPagCel_Mnu::spOpcao1Click() {
    iFormaPagtoRecarga = 1;
    AbreFormulario(FrmRecDin);
    return true;
}

bool TFrmFPagCel_Mnu::spOpcao2Click() {
    return true;
}

bool TFrmFPagCel_Mnu::spOpcao3Click() {
    return true;
}

bool TFrmFPagCel_Mnu::spOpcao4Click() {
    iFormaPagtoRecarga = 4;
    TrataGravacao_SEQ_CB();
    if (!LeAnalisaCartaoCB(TIPO_LEITURA_RECARGA, lbMensagem)) {
        Encerra();
        return false;
    }
    AbreFormulario(FrmRecDeb);
    return true;
}
