#include "topup/Consultavaloresrecargalumo.h"

#include "host/Host.h"
#include "protocol/Estado.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"
#include "topup/Consultafiliaisrecargalumo.h"
#include "topup/Selecaocategorialumo.h"
#include "topup/Selecaovalorcatalogo.h"
#include "topup/Selecaovalorrecarga.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using msg::Texto;
using namespace Lumomain;

namespace Consultavaloresrecargalumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Consultavaloresrecargalumo, TrnConsultaValores,
             Descritor(241, 0,
                       {F(1205), F(10171), F(10103), F(1038), F(1039), F(1253), F(1122),
                        F(10323, "VRSREC:")}));

QString CEPSemMascara(const QString& texto) {
    QString s = texto;
    s.remove(QLatin1Char('-')).remove(QLatin1Char('_')).remove(QLatin1Char(' '));
    return s;
}

} // namespace Consultavaloresrecargalumo

TFrmConsValores::TFrmConsValores(QWidget* pai, const QString& nome, RedeRecarga redeRecarga)
    : TFrmCapCel_Mod(pai, nome, Consultafiliaisrecargalumo::GradeRecarga()), rede(redeRecarga) {
    lbFilial = captura.Rotulo(QStringLiteral("lbFilial"));
    cb_Filiais = captura.Lista(QStringLiteral("cb_Filiais"), Texto(msg::MsgSelecioneFilial));
    lbInfoUF = captura.Rotulo(QStringLiteral("lbInfoUF"));
    lbUF = captura.Rotulo(QStringLiteral("lbUF"));
    lbInfoUF->hide();
    lbUF->hide();
    captura.Linha(0, lbFilial, cb_Filiais);
    captura.Linha(1, lbInfoUF, lbUF, 60);
    if (PedeCEP()) {
        lbCEP = captura.Rotulo(QStringLiteral("lbCEP"));
        // The mask alone sets its length.
        edCEP = captura.Campo(QStringLiteral("edCEP"), 0, Partes::Entrada::Texto, Texto(msg::MsgCEP));
        edCEP->setInputMask(QStringLiteral("99999-999;_"));
        captura.Linha(2, lbCEP, edCEP, 110);
        CriaBotoes({cb_Filiais, edCEP});
    } else {
        CriaBotoes({cb_Filiais});
    }
    connect(cb_Filiais, &QComboBox::currentIndexChanged, this, [this] { cb_FiliaisChange(); });
    cepDoHost_ = !host::LeCampo(1090).trimmed().isEmpty();
}

void TFrmConsValores::IniciaCamposForm() {
    DefineTitulo(Texto(msg::TituloConsultaValoresRecarga));
    Descritor = &Consultavaloresrecargalumo::TrnConsultaValores;
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    lbInfoUF->setText(Texto(msg::InfoUF));
    lbFilial->setText(Texto(msg::InfoFilial));
    MontaResumo();
    {
        const QSignalBlocker bloqueio(cb_Filiais);
        cb_Filiais->clear();
        for (const auto& f : FiliaisDaRede(rede).Filiais)
            cb_Filiais->addItem(f.nome.trimmed());
        cb_Filiais->setCurrentIndex(-1);
    }
    if (!PedeCEP()) return;
    lbCEP->setText(Texto(msg::InfoCEP));
    const QString cep = host::LeCampo(1090).trimmed();
    if (cep.isEmpty()) {
        edCEP->clear();
        edCEP->setEnabled(true);
    } else {
        edCEP->setText(QStringLiteral("%1-%2").arg(cep.mid(0, 5), cep.mid(5, 3)));
        edCEP->setEnabled(false);
    }
}

void TFrmConsValores::cb_FiliaisChange() {
    if (rede != RedeRecarga::Bradesco) return;
    const int i = cb_Filiais->currentIndex();
    const auto& filiais = FiliaisDaRede(rede).Filiais;
    lbInfoUF->show();
    lbUF->show();
    lbUF->setText(i >= 0 && i < static_cast<int>(filiais.size()) ? filiais[static_cast<size_t>(i)].uf
                                                                 : QString());
}

bool TFrmConsValores::ValidaCamposForm() {
    DefineMensagem(Texto(msg::MsgEmProcessamento));
    if (cb_Filiais->currentIndex() < 0) {
        ExibeMsgErroRepeteCampo(Texto(msg::MsgSelecioneFilial), cb_Filiais, pnCaptura);
        return false;
    }
    if (PedeCEP() && Consultavaloresrecargalumo::CEPSemMascara(edCEP->text()).size() != 8) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroCEPInvalido), edCEP->isEnabledTo(pnCaptura) ? edCEP : nullptr,
                                pnCaptura);
        return false;
    }
    return true;
}

bool TFrmConsValores::GravaCamposHostlink() {
    if (!TFrmCapCel_Mod::GravaCamposHostlink() || !host::Grava(10103, QStringLiteral("31"))) return false;
    // A value key belongs to the catalogue entry chosen after this query; an earlier top-up's must not go.
    host::LimpaCampo(10332);
    const auto& filiais = FiliaisDaRede(rede).Filiais;
    const int i = cb_Filiais->currentIndex();
    if (i < 0 || i >= static_cast<int>(filiais.size())) return false;
    const TFilialRecarga& f = filiais[static_cast<size_t>(i)];
    if (rede == RedeRecarga::Bradesco)
        return host::Grava(1253, f.codigo) && host::Grava(1254, f.nome) && host::Grava(1255, f.uf);
    return host::Grava(1253, f.codigo) && host::Grava(1254, f.nome) && host::Grava(1122, f.qualificador) &&
           host::Grava(1090, Consultavaloresrecargalumo::CEPSemMascara(edCEP->text()));
}

bool TFrmConsValores::TrataRespostaConsultaValores() {
    return Lumomain::TrataRespostaConsultaValores(rede);
}

bool TFrmConsValores::ConcluiConfirmacao() {
    host::AutorizaTransacao(Pedido(), lbMensagem);
    if (!host::Aprovada()) {
        DefineMensagem(host::LeCampo(1027));
        Encerra();
        return true;
    }
    host::Grava(1009, QStringLiteral("FF"));
    host::Grava(1027, Texto(msg::ErroFinalizadoOper));
    TrataServicosHzinhoRecarga();
    TrataRespostaConsultaValores();
    Converte_ServicosHzinho_Em_ServicosA();

    const bool catalogo = !host::LeCampo(10323).isEmpty();
    long long minimo = 0, maximo = 0;
    std::size_t escolhas = 0;
    QString tarifa;
    if (catalogo) {
        escolhas = ConsultaValor.Fixos.size() + ConsultaValor.Faixas.size();
    } else {
        const auto numero = [](const Registro<12>& r) { return r.texto().trimmed().toLongLong(); };
        minimo = numero(RespostaConsultaValores.Minimo);
        maximo = numero(RespostaConsultaValores.Maximo);
        escolhas = RespostaConsultaValores.Entradas.size();
        tarifa = RespostaConsultaValores.Tarifa.texto().trimmed();
    }
    if (minimo == 0 && maximo == 0 && escolhas == 0) {
        Encerra(QStringLiteral("FF"), Texto(msg::MsgErroValoresRecargaFilialIndefinidos));
        return true;
    }
    if (!VerificaTrataTarifaRecarga(tarifa)) return true;
    if (AbreSelecaoValor()) return true;
    Retoma();
    return false;
}

bool TFrmConsValores::AbreSelecaoValor() {
    if (ConsultaValor.CategoriasOferecidas.size() >= 2) return AbreProximo(Frm_SelCategoriaLUMO);
    if (!host::LeCampo(10323).isEmpty()) return AbreProximo(FrmSelValNew_Cap);
    return AbreProximo(FrmSelVlr_Rec);
}

void TFrmConsValores::done(int resultado) {
    // Leaving by Return takes the typed postal code back; one the host gave stays.
    if (resultado == mrCancel && !cepDoHost_) host::LimpaCampo(1090);
    TFrmCapCel_Mod::done(resultado);
}
