#include "frame/Contasaque.h"

#include "frame/Coletacampocartao.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLineEdit>

#include <array>

namespace Contasaque {
namespace {

struct TipoConta {
    const char* texto;
    const char* codigo;
    int posicao; // flag in the withdrawal record
};

constexpr std::array<TipoConta, 5> kTipos{{{msg::InfoTipoContaCorrente, "01", 25},
                                           {msg::InfoTipoContaContaPoupanca, "02", 26},
                                           {msg::InfoTipoContaBeneficioINSS, "03", 27},
                                           {msg::InfoTipoContaSalario, "04", 28},
                                           {msg::InfoTipoContaEmpresa, "05", 29}}};

} // namespace

QStringList TiposConta() {
    QStringList r;
    for (const auto& t : kTipos)
        r << QString::fromUtf8(t.texto);
    return r;
}

QString CodigoTipoConta(const QString& texto) {
    for (const auto& t : kTipos)
        if (texto == QString::fromUtf8(t.texto)) return QString::fromLatin1(t.codigo);
    return {};
}

bool TipoContaAceito(const QString& codigo) {
    for (const auto& t : kTipos)
        if (codigo == QLatin1String(t.codigo))
            return Lumomain::ServicoHzinho_TipoContaAceitaSaque.texto(t.posicao, 1) == QLatin1String("1");
    return false;
}

QStringList TiposContaAceitos() {
    QStringList r;
    for (const auto& t : kTipos)
        if (TipoContaAceito(QString::fromLatin1(t.codigo))) r << QString::fromUtf8(t.texto);
    return r;
}

bool CodigoSegurancaValido(const QString& codigo) {
    const QString c = codigo.trimmed();
    return c == QLatin1String("0") || c == QLatin1String("1") || c.size() >= 3;
}

bool RedeExigeCodigoSeguranca() {
    return Lumomain::ServicoHzinho_Informacoes_Gerais_CB.texto(22, 3) == QLatin1String("805") &&
           !Lumomain::bHabilitaTratamentoToken;
}

bool VerificaSeCartaoLidoCHIP() {
    return host::CartaoProcessaChip();
}

bool GravaDadosCartao() {
    QString cartao = host::LeCampo(10109);
    if (cartao.isEmpty()) return false;
    // Card data go through the wiping write, so no copy is left behind.
    const bool ok = Coletacampocartao::GravaCampoSigiloso(10104, cartao) == 0;
    Coletacampocartao::ApagaCopia(cartao);
    return ok;
}

bool GravaCodigoSeguranca(QLineEdit* edit) {
    if (edit->isHidden()) return host::LimpaCampo(10149) == 0;
    QString codigo = edit->text().trimmed();
    const bool ok = Coletacampocartao::GravaCampoSigiloso(10149, codigo) == 0;
    Coletacampocartao::ApagaCopia(codigo);
    // The edit's own buffer is wiped before it shows only the code's length.
    const auto tamanho = edit->text().size();
    host::memLimpaEdit(edit);
    if (ok) edit->setText(QString(tamanho, QLatin1Char('*')));
    return ok;
}

QString ChaveConta(const QString& banco, const QString& agencia, const QString& c1, const QString& conta,
                   const QString& digito) {
    const auto zeros = [](const QString& texto, int largura) {
        return texto.trimmed().rightJustified(largura, QLatin1Char('0'), true);
    };
    const QString c = c1.trimmed();
    return zeros(banco, 3) + zeros(agencia, 4) + (c.isEmpty() ? QStringLiteral(" ") : c.left(1)) +
           zeros(conta, 13) + zeros(digito, 2);
}

} // namespace Contasaque
