#include "payment/Pagtogenericolumo.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "host/IniFile.h"
#include "payment/Liquidacaocontas.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLineEdit>

#include <algorithm>

namespace Pagtogenericolumo {

using namespace Tabelatrn::Notacao;

constinit std::array<char, 64> FormaPagtoTEF{};
constinit std::array<char, 64> RedeTEF{};
constinit std::array<char, 16> CodigoEstabelecimentoTEF{};
constinit std::array<char, 13> CodigoEmpresaTEF{};

CB_DESCRITOR(Pagtogenericolumo, TrnPagamentoGenerico,
             Descritor(242, 1,
                       {B, F(10102), D7, F(10163, FormaPagtoTEF).sep(58), K(RedeTEF).sep(58), F(1013).sep(58),
                        F(1020).sep(58), K(CodigoEstabelecimentoTEF).sep(58), K(CodigoEmpresaTEF).sep(59),
                        K(""), F(10301), F(10301, 1), F(10440, "DADICPAGCB:")}));
CB_DESCRITOR(Pagtogenericolumo, TrnPagamentoGenericoSaque,
             Descritor(242, 1,
                       {B, F(10102), D7, F(1013, FormaPagtoTEF).sep(58), F(1020).sep(58),
                        K(CodigoEmpresaTEF).sep(59)}));

bool GravaDadosVenda(const QString& h) {
    using Liquidacao::Grava;
    const QString autorizacao = h.mid(77, 6);
    const QString estabelecimento = h.mid(21, 15);
    Liquidacao::CopiaTexto(CodigoEstabelecimentoTEF.data(), CodigoEstabelecimentoTEF.size(), estabelecimento);
    return Grava(1331, h.mid(12, 9)) && Grava(1013, autorizacao) && Grava(1385, autorizacao) &&
           Grava(1386, h.mid(36, 6)) && Grava(1387, h.mid(61, 16)) && Grava(1388, h.mid(83, 2)) &&
           Grava(1599, estabelecimento) && Grava(1020, h.mid(2, 4));
}

} // namespace Pagtogenericolumo

TFrmPagto_Gen* FrmPagto_Gen = nullptr;

using namespace Pagtogenericolumo;

namespace {

using msg::Texto;

bool TipoCredito(int tipo) {
    return tipo == 0 || tipo == 10 || tipo == 12;
}

} // namespace

TFrmPagto_Gen::TFrmPagto_Gen(QWidget* pai) : TFrmTrn_Mod(pai, QString()) {}

void TFrmPagto_Gen::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    TipoVenda = host::LeCampoInteiro(10107, 0, -1);
    if (TipoVenda == TIPO_VENDA_SAQUE) {
        DefineTitulo(Texto(msg::TituloPagamentoContas));
        const QString valor = host::RemoveFormato(host::LeCampo(1003));
        edValor->setText(valor.isEmpty() ? QString() : host::Dollar(valor));
        edValor->setEnabled(valor.isEmpty());
        Descritor = &TrnPagamentoGenericoSaque;
        AjustesPedido.documentos = static_cast<uint16_t>(std::max(1, Lumomain::QtdeDocsConsultadosOK));
        return;
    }
    DefineTitulo(
        Texto(TipoCredito(TipoVenda) ? msg::TituloPagamentoCartaoCredito : msg::TituloPagamentoCartaoDebito));
    Descritor = &TrnPagamentoGenerico;
}

bool TFrmPagto_Gen::TrataCamposServicoHzinho() {
    QString dados;
    Lumomain::PercorreServicosHzinho([&](const std::string& registro) {
        if (registro.size() > 2 && registro.compare(0, 2, TIPO_HZINHO_DADOS_VENDA) == 0) {
            dados = host::deLatin1(std::string_view(registro).substr(2));
            return false;
        }
        return true;
    });
    return GravaDadosVenda(dados);
}

bool TFrmPagto_Gen::GravaCamposHostlink() {
    using Liquidacao::Grava;
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    const int qtde = TipoVenda == TIPO_VENDA_SAQUE ? std::max(1, Lumomain::QtdeDocsConsultadosOK)
                                                   : Lumomain::QtdeDocsConsultadosOK;
    if (!Grava(10158, QStringLiteral("28")) || !Grava(10102, QString::number(qtde))) return false;
    AjustesPedido.documentos = static_cast<uint16_t>(std::max(0, qtde));
    Liquidacao::CopiaTexto(RedeTEF.data(), RedeTEF.size(),
                           QString::number(host::LeCampoInteiro(10112, 0, 0)));

    if (TipoVenda == TIPO_VENDA_SAQUE) {
        if (!TrataCamposServicoHzinho()) return false;
    } else {
        // The card sale's own reply service H, as the host kept it.
        if (!GravaDadosVenda(host::deLatin1(host::LeCampoBytes(20017)))) return false;
    }
    QString cartao = host::LeCampo(1288);
    if (cartao.isEmpty()) cartao = host::LeCampo(10104).left(7);
    if (!Grava(1389, cartao)) return false;

    const char* forma = TipoVenda == TIPO_VENDA_SAQUE ? "6:" : TipoCredito(TipoVenda) ? "3:" : "4:";
    Liquidacao::CopiaTexto(FormaPagtoTEF.data(), FormaPagtoTEF.size(), QLatin1String(forma));
    if (Lumomain::CodigoEmpresaTEF.isEmpty()) {
        const IniFile ini(IniFile::NoDiretorioHost(QStringLiteral("Cliente.ini")));
        Lumomain::CodigoEmpresaTEF = ini.LeTexto(QStringLiteral("CLIENTEVORTA"), QStringLiteral("Empresa"),
                                                 QStringLiteral("00000000"));
    }
    Liquidacao::CopiaTexto(CodigoEmpresaTEF.data(), CodigoEmpresaTEF.size(), Lumomain::CodigoEmpresaTEF);
    return Grava(10112, Lumomain::ServicoHzinho_PagTrnGen.texto(22, 3));
}
