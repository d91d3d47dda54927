#include "cash/Saquecomreciboretirada.h"

#include "frame/Contasaque.h"
#include "frame/EdicaoValor.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using msg::Texto;

namespace Saquecomreciboretirada {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Saquecomreciboretirada, TrnSaqueReciboRetirada,
             Descritor(242, 1, {B, F(1003), F(10102, 2), F(10102), F(10102, 1)}));

} // namespace Saquecomreciboretirada

TFrmSaque_ReciboRetirada* FrmSaque_ReciboRetirada = nullptr;

TFrmSaque_ReciboRetirada::TFrmSaque_ReciboRetirada(QWidget* pai) : TFrmTrnDadosCta_Grp3(pai, QString()) {
    edValor = EdicaoValor::CriaCampoValor(pnCaptura, lbValor);
    DefineDica(edValor, Texto(msg::MsgValorTotal));
    lbNumRecibo = captura.Rotulo(QStringLiteral("lbNumRecibo"));
    edNumRecibo = CriaCampoNumerico(QStringLiteral("edNumRecibo"), 15, msg::MsgNumRecibo);
    captura.Linha(0, lbValor, edValor, 250);
    captura.Linha(1, lbNumRecibo, edNumRecibo, 170);
    PosicionaConta(2);
    OrdemCaptura({edValor, edNumRecibo, cbTipoConta, EdBanco, EdAgencia, EdC1, EdConta, EdDigito});
}

void TFrmSaque_ReciboRetirada::IniciaCamposForm() {
    TFrmTrnDadosCta_Grp3::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloSaqueReciboRetirada));
    Descritor = &Saquecomreciboretirada::TrnSaqueReciboRetirada;
    lbNumRecibo->setText(Texto(msg::InfoNumeroRecibo));
    lbValor->setText(Texto(msg::InfoValorTransacao));
    PreencheTipos(Contasaque::TiposContaAceitos());
    const QString valor = Coletatipoconta::ValorDoHost();
    edValor->setText(valor);
    // A zero value from the host is no value: the operator types it.
    const QString digitos = host::RemoveFormato(valor);
    edValor->setEnabled(digitos.isEmpty() || digitos == QLatin1String("000"));
    edNumRecibo->clear();
}

bool TFrmSaque_ReciboRetirada::ValidaCamposForm() {
    if (edValor->isEnabledTo(pnCaptura) && EdicaoValor::Centavos(edValor->text()) <= 0)
        return RepeteCampo(msg::ErroValorInvalido, edValor);
    if (edNumRecibo->text().trimmed().isEmpty()) return RepeteCampo(msg::ErroNumReciboInvalido, edNumRecibo);
    return TFrmTrnDadosCta_Grp3::ValidaCamposForm();
}

bool TFrmSaque_ReciboRetirada::GravaCamposHostlink() {
    return TFrmTrnDadosCta_Grp3::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("20")) &&
           host::Grava(1003, host::RemoveFormato(edValor->text())) &&
           host::Grava(10102, host::RemoveFormato(edNumRecibo->text()).trimmed(), 2);
}
