#include "topup/Valorvariavelcelular.h"

#include "frame/EdicaoValor.h"
#include "host/Host.h"
#include "protocol/ServicosRecarga.h"
#include "resources/Mensagens.h"
#include "topup/Consultafiliaisrecargalumo.h"
#include "topup/Formaspagtorecarga.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using msg::Texto;
using namespace Lumomain;

TFrmValVarCel_Cap* FrmValVarCel_Cap = nullptr;

namespace {

bool EmCatalogo() {
    return !host::LeCampo(10323).isEmpty();
}

} // namespace

TFrmValVarCel_Cap::TFrmValVarCel_Cap(QWidget* pai)
    : TFrmCapCel_Mod(pai, QString(), Consultafiliaisrecargalumo::GradeRecarga()) {
    lbMinimo = captura.Rotulo(QStringLiteral("lbMinimo"));
    lbValorMinimo = captura.Rotulo(QStringLiteral("lbValorMinimo"));
    lbMaximo = captura.Rotulo(QStringLiteral("lbMaximo"));
    lbValorMaximo = captura.Rotulo(QStringLiteral("lbValorMaximo"));
    edValor = EdicaoValor::CriaCampoValor(pnCaptura, lbValor);
    DefineDica(edValor, Texto(msg::MsgValorVariavel));
    captura.Linha(0, lbMinimo, lbValorMinimo, 200);
    captura.Linha(1, lbMaximo, lbValorMaximo, 200);
    captura.Linha(2, lbValor, edValor, 200);
    CriaBotoes({edValor});
}

void TFrmValVarCel_Cap::IniciaCamposForm() {
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    DefineTitulo(Texto(msg::TituloCapturaValorVar));
    lbMinimo->setText(Texto(msg::TituloValorMinimo));
    lbMaximo->setText(Texto(msg::TituloValorMaximo));
    lbValor->setText(Texto(msg::InfoValorTransacao));
    MontaResumo();
    QString minimo, maximo;
    const int faixa = iIndiceFaixaRecarga;
    if (EmCatalogo() && faixa >= 0 && faixa < static_cast<int>(ConsultaValor.Faixas.size())) {
        const auto& r = ConsultaValor.Faixas[static_cast<size_t>(faixa)];
        minimo = CampoCatalogo(r, Lumomain::Catalogo::Minimo);
        maximo = CampoCatalogo(r, Lumomain::Catalogo::Maximo);
    } else if (!EmCatalogo()) {
        minimo = RespostaConsultaValores.Minimo.texto().trimmed();
        maximo = RespostaConsultaValores.Maximo.texto().trimmed();
    }
    minimo_ = minimo.toLongLong();
    maximo_ = maximo.toLongLong();
    lbValorMinimo->setText(host::Dollar(QString::number(minimo_)));
    lbValorMaximo->setText(host::Dollar(QString::number(maximo_)));
    edValor->clear();
}

bool TFrmValVarCel_Cap::ValidaCamposForm() {
    const long long valor = host::RemoveFormato(edValor->text().trimmed()).toLongLong();
    if (valor >= minimo_ && valor <= maximo_) return true;
    ExibeMsgErroRepeteCampo(Texto(msg::ErroValorInvalido), edValor, pnCaptura);
    return false;
}

bool TFrmValVarCel_Cap::GravaCamposHostlink() {
    if (!TFrmCapCel_Mod::GravaCamposHostlink() || !host::Grava(1003, host::RemoveFormato(edValor->text())))
        return false;
    if (EmCatalogo())
        return host::Grava(10332, sChaveVlRecarga) && host::Grava(1256, host::RemoveFormato(sCustoRecarga));
    return host::Grava(1256, RespostaConsultaValores.Tarifa.texto().trimmed());
}

bool TFrmValVarCel_Cap::ConcluiConfirmacao() {
    iIndiceValorRecarga = -1;
    const auto confirmacao = ConfirmaTelefonePinpad(edValor->text());
    if (confirmacao != Confirmacao::Confirmada) return confirmacao == Confirmacao::Encerrada;
    // The plain list's tariff was accepted with the query; a catalogue range brings its own cost.
    if (!VerificaTrataTarifaRecarga(EmCatalogo() ? sCustoRecarga : QString())) return true;
    if (AbreProximo(FrmFPagCel_Mnu)) return true;
    Retoma();
    edValor->setFocus();
    return false;
}
