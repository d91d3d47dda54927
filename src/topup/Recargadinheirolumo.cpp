#include "topup/Recargadinheirolumo.h"

#include "frame/Coletadadoscircularbacentrn.h"
#include "host/Host.h"
#include "protocol/Estado.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QPlainTextEdit>

using msg::Texto;
using namespace Lumomain;

namespace Recargadinheirolumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Recargadinheirolumo, TrnRecargaDinheiro,
             Descritor(241, 1,
                       {F(1205), F(10171), F(10103), F(1038).sep(255), F(1039), F(1253), F(1003), F(1256),
                        F(1090), F(10301), F(10301, 1), F(10332, "CHVAL:")}));

} // namespace Recargadinheirolumo

TFrmRecDin* FrmRecDin = nullptr;

TFrmRecDin::TFrmRecDin(QWidget* pai) : TFrmTrnCel_Mod(pai, QString()) {
    CriaBotoes({});
}

void TFrmRecDin::IniciaCamposForm() {
    TFrmTrnCel_Mod::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloRecargaCBDinheiro));
    Descritor = &Recargadinheirolumo::TrnRecargaDinheiro;
    MemoResumo->appendPlainText(QStringLiteral(" "));
    MemoResumo->appendPlainText(Texto(msg::MsgTransfFundos));
    MemoResumo->appendPlainText(Texto(msg::MsgRepasseDinheiroRecargaCB));
}

bool TFrmRecDin::GravaCamposHostlink() {
    return TFrmTrnCel_Mod::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("11")) &&
           host::Grava(10103, QStringLiteral("11"));
}

bool TFrmRecDin::VerificaAntesDeAutorizar() {
    host::Grava(10301, {}, 0);
    host::Grava(10301, {}, 1);
    if (GrupoPagto != QLatin1String("1") || host::LeCampo(10158) != QLatin1String("11")) return true;
    bool numero = false;
    long long limite = ServicoHzinho_26_Limites.texto(73, 12).trimmed().toLongLong(&numero);
    if (!numero) limite = -1;
    const long long valor = host::LeCampo(1003).toLongLong();
    if (limite == 0 || valor < limite) return true;
    TFrmColetaDadosBacen* bacen = TFrmMod::Cria<TFrmColetaDadosBacen>(this);
    if (!bacen) return false;
    const int r = bacen->Executa();
    delete bacen;
    return r == mrOk;
}
