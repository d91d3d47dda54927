#include "frame/Contasaque.h"

#include "frame/Coletacampocartao.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLineEdit>

#include <array>

namespace Contasaque {
namespace {

long long Inteiro(const QString& texto) {
    bool ok = false;
    const long long v = texto.trimmed().toLongLong(&ok);
    return ok ? v : 0;
}

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

bool GravaDadosCartao(int campo, bool exigido) {
    QString cartao = host::LeCampo(10109);
    if (cartao.isEmpty()) return !exigido;
    // Card data go through the wiping write, so no copy is left behind.
    const bool ok = Coletacampocartao::GravaCampoSigiloso(campo, cartao) == 0;
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

void PreencheContaDoHost(const EditsConta& e) {
    // A field the host supplied is the customer's own: shown, not changed.
    const auto preenche = [](QLineEdit* edit, int campo) {
        edit->setText(host::LeCampo(campo).trimmed());
        edit->setEnabled(edit->text().isEmpty());
    };
    // 10154 carries the bank's own code (set for the functions that serve only it) and whether the C1 is
    // asked for; both are used once.
    e.banco->setEnabled(true);
    const QString banco = host::LeCampo(10154, 0);
    if (Inteiro(banco) > 0) {
        e.banco->setText(banco.trimmed());
        e.banco->setEnabled(false);
    }
    if (e.banco->isEnabled()) preenche(e.banco, 1029);
    preenche(e.agencia, 1030);
    if (Inteiro(host::LeCampo(10154, 1)) == 0) {
        e.c1->clear();
        e.c1->setEnabled(false);
    } else {
        preenche(e.c1, 1031);
    }
    host::LimpaCampo(10154);
    preenche(e.conta, 1032);
    preenche(e.digito, 1033);
}

std::optional<FalhaConta> ValidaConta(const EditsConta& e, const QWidget* painel) {
    if (Inteiro(e.banco->text()) == 0) return FalhaConta{msg::ErroBancoInvalido, e.banco};
    if (Inteiro(e.agencia->text()) == 0) return FalhaConta{msg::ErroAgenciaInvalida, e.agencia};
    if (e.c1->isEnabledTo(painel) && e.c1->text().isEmpty()) return FalhaConta{msg::ErroDigitoInvalido, e.c1};
    if (Inteiro(e.conta->text()) == 0) return FalhaConta{msg::ErroContaInvalida, e.conta};
    if (e.digito->isEnabledTo(painel) && e.digito->text().isEmpty())
        return FalhaConta{msg::ErroDigitoInvalido, e.digito};
    return std::nullopt;
}

} // namespace Contasaque
