#include "paguefacil/Paguefacildadosconta.h"

#include "frame/Contasaque.h"
#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "paguefacil/Pagtogrupo6paguefacil.h"
#include "paguefacil/Paguefacilconsultasegmentogrupo6.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>

TFrmPagueFacil_DConta* FrmPagueFacil_DConta = nullptr;

using host::Grava;
using msg::Texto;

namespace {

// PIN entries of Pague Fácil take the network of its record (h29).
constexpr int TIPO_CAPTURA_PAGUE_FACIL = 10;

} // namespace

TFrmTrnDadosCta_Grp6::TFrmTrnDadosCta_Grp6(QWidget* pai, const QString& nome)
    : TFrmTrnDadosCta_Grp3(pai, nome) {
    lbValorOperacao = captura.Rotulo(QStringLiteral("lbValorOperacao"), QStringLiteral("Valores:"));
    cbValorOperacao = captura.Lista(QStringLiteral("cbValorOperacao"), Texto(msg::MsgTecladoReduzido));
    captura.Linha(5, lbValorOperacao, cbValorOperacao, 150);
    edValor = EdicaoValor::CriaCampoValor(pnCaptura, lbValor);
    DefineDica(edValor, Texto(msg::MsgValorTotal));
    captura.Linha(6, lbValor, edValor, 150);
    lbValorTarifa = captura.Rotulo(QStringLiteral("lbValorTarifa"), QStringLiteral("Tarifa:"));
    edValorTarifa = captura.Campo(QStringLiteral("edValorTarifa"), 12, Partes::Entrada::Texto, {});
    captura.Linha(7, lbValorTarifa, edValorTarifa, 150);
    connect(cbValorOperacao, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) edValor->setText(cbValorOperacao->itemText(i));
    });
    OrdemCaptura({cbTipoConta, EdBanco, EdAgencia, EdC1, EdConta, EdDigito, cbValorOperacao, edValor});
}

void TFrmTrnDadosCta_Grp6::IniciaCamposForm() {
    // Not the group-3 pre-fill: 10154 holds the entry's answers here, not the bank's code, and stays for the
    // host.
    TFrmColetaTipoConta::IniciaCamposForm();
    lbBanco->setText(Texto(msg::InfoBanco));
    lbAgencia->setText(Texto(msg::InfoAgencia));
    lbC1->setText(Texto(msg::InfoC1));
    lbConta->setText(Texto(msg::InfoConta));
    for (QLineEdit* e : {EdBanco, EdAgencia, EdC1, EdConta, EdDigito}) {
        e->clear();
        e->setEnabled(e != EdC1);
    }
    PreencheTipos({Texto(msg::InfoTipoContaContaPoupanca), Texto(msg::InfoTipoContaBeneficioINSS)});
    cbValorOperacao->clear();
    cbValorOperacao->addItems(PagueFacil::Itens(PagueFacil::Catalogo::Valores));
    cbValorOperacao->setCurrentIndex(cbValorOperacao->count() > 0 ? 0 : -1);
    lbValorOperacao->setVisible(cbValorOperacao->count() > 0);
    cbValorOperacao->setVisible(cbValorOperacao->count() > 0);
    lbValor->setText(Texto(msg::InfoValorTransacao));
    if (cbValorOperacao->count() == 0) edValor->clear();
    edValorTarifa->setText(host::Dollar(QString::number(PagueFacil::ValorTarifa())));
    edValorTarifa->setEnabled(false);
}

bool TFrmTrnDadosCta_Grp6::ValidaCamposForm() {
    if (!TFrmTrnDadosCta_Grp3::ValidaCamposForm()) return false;
    if (!PagueFacil::ValorAceito(EdicaoValor::Centavos(edValor->text()), PagueFacil::ValorMinimo(),
                                 PagueFacil::ValorMaximo()))
        return RepeteCampo(msg::ErroValorInvalido, edValor);
    return true;
}

bool TFrmTrnDadosCta_Grp6::GravaCamposHostlink() {
    if (!TFrmTrnDadosCta_Grp3::GravaCamposHostlink()) return false;
    // The fee's digits without the leading zeros of its money format ("0" for none).
    const QString tarifa = QString::number(EdicaoValor::Centavos(edValorTarifa->text()));
    return Grava(10103, QStringLiteral("10")) && Grava(10107, QStringLiteral("1")) &&
           Grava(10158, QStringLiteral("8")) && Grava(10134, QStringLiteral("2")) &&
           Grava(10290, ChaveConta()) && Grava(1003, host::RemoveFormato(edValor->text())) &&
           Grava(1256, tarifa);
}

bool TFrmTrnDadosCta_Grp6::VerificaCapturaSenha() {
    // The PIN pad ties the PIN to the account typed, as it ties it to a card read.
    if (Lumomain::GravaDadosColetaSenha(EdBanco->text(), EdAgencia->text(), EdConta->text(),
                                        EdDigito->text()) &&
        Lumomain::LeSenhaCB(true, lbTitulo->text(), TIPO_CAPTURA_PAGUE_FACIL, lbMensagem, QString()))
        return true;
    Encerra(QStringLiteral("FF"), Texto(msg::ErroOperacaoCancelada));
    return false;
}

TFrmPagueFacil_DConta::TFrmPagueFacil_DConta(QWidget* pai) : TFrmTrnDadosCta_Grp6(pai, QString()) {}

void TFrmPagueFacil_DConta::IniciaCamposForm() {
    TFrmTrnDadosCta_Grp6::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloColetaDadosConta));
    Descritor = &Tabelatrn::TrnDadosContaPagueFacil;
}
