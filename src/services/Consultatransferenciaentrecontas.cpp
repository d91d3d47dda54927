#include "services/Consultatransferenciaentrecontas.h"

#include "frame/Contasaque.h"
#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Estado.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <string>

using host::Grava;
using msg::Texto;

Registro<165> DadosEfetivaTransferencia;

namespace Consultatransferenciaentrecontas {

namespace {

// Numbers are zero-filled on the left; the C1 and the type texts blank-filled on the right, each type text
// followed by a 0 byte.
enum class Tipo { Numero, Caractere, TextoTerminado };
struct Parte {
    std::size_t offset, largura;
    Tipo tipo;
};
constexpr Parte kValor{0, 12, Tipo::Numero};
constexpr Parte kTipoDebito{12, 64, Tipo::TextoTerminado};
constexpr Parte kBanco{77, 3, Tipo::Numero};
constexpr Parte kAgencia{80, 4, Tipo::Numero};
constexpr Parte kC1{84, 1, Tipo::Caractere};
constexpr Parte kConta{85, 13, Tipo::Numero};
constexpr Parte kDigito{98, 2, Tipo::Numero};
constexpr Parte kTipoCredito{100, 64, Tipo::TextoTerminado};

void Escreve(std::string& destino, const Parte& p, const QString& texto) {
    const QString t = texto.trimmed().left(static_cast<qsizetype>(p.largura));
    const QString cheio = p.tipo == Tipo::Numero
                              ? t.rightJustified(static_cast<qsizetype>(p.largura), QLatin1Char('0'))
                              : t.leftJustified(static_cast<qsizetype>(p.largura), QLatin1Char(' '));
    destino.replace(p.offset, p.largura, host::paraLatin1(cheio));
}

// The type texts are read one byte wider, so the 0 byte after each ends them.
QString LeParte(const Registro<165>& r, const Parte& p) {
    return p.tipo == Tipo::TextoTerminado ? r.texto(p.offset, p.largura + 1).trimmed()
                                          : r.texto(p.offset, p.largura);
}

// The limit of one transfer sits in the limits record as a 12-digit amount in cents at 61-72, between the
// amounts at 49 and the BACEN threshold at 73, all of the same width. Read as the one character at 61 it
// would cap every transfer at nine cents (the records the bank sends have "0" there): no bank means that.
// A record that ends the limit early with blanks is read the same (trimmed), and one that is not a number
// sets no limit.
constexpr std::size_t kOffsetLimite = 61;
constexpr std::size_t kLarguraLimite = 12;

} // namespace

void Guarda(Registro<165>& registro, const DadosTransferencia& dados) {
    std::string r(165, '\0');
    Escreve(r, kValor, dados.valor);
    Escreve(r, kTipoDebito, dados.tipoDebito);
    Escreve(r, kBanco, dados.banco);
    Escreve(r, kAgencia, dados.agencia);
    Escreve(r, kC1, dados.c1);
    Escreve(r, kConta, dados.conta);
    Escreve(r, kDigito, dados.digito);
    Escreve(r, kTipoCredito, dados.tipoCredito);
    registro.atribui(r);
}

DadosTransferencia Le(const Registro<165>& registro) {
    return {LeParte(registro, kValor),   LeParte(registro, kTipoDebito), LeParte(registro, kBanco),
            LeParte(registro, kAgencia), LeParte(registro, kC1),         LeParte(registro, kConta),
            LeParte(registro, kDigito),  LeParte(registro, kTipoCredito)};
}

long long LimiteTransferencia(const Registro<96>& limites) {
    bool ok = false;
    const long long v = limites.texto(kOffsetLimite, kLarguraLimite).trimmed().toLongLong(&ok);
    return ok && v > 0 ? v : 0;
}

} // namespace Consultatransferenciaentrecontas

TFrmCnsTransf_DdCta* FrmCnsTransf_DdCta = nullptr;

namespace {

// Bits of the transfer record's account-type masks, in list order; the benefit account is a debit only.
constexpr int kBitCorrente = 1;
constexpr int kBitPoupanca = 2;
constexpr int kBitBeneficio = 4;

// Card kind of the transfer's PIN capture: its network is the transfer record's.
constexpr int TIPO_CAPTURA_TRANSFERENCIA = 12;

QStringList TiposDaMascara(int mascara, bool comBeneficio) {
    QStringList tipos;
    if (mascara & kBitCorrente) tipos << Texto(msg::InfoTipoContaCorrente);
    if (mascara & kBitPoupanca) tipos << Texto(msg::InfoTipoContaContaPoupanca);
    if (comBeneficio && (mascara & kBitBeneficio)) tipos << Texto(msg::InfoTipoContaBeneficioINSS);
    return tipos;
}

} // namespace

TFrmCnsTransf_DdCta::TFrmCnsTransf_DdCta(QWidget* pai) : TFrmTrnDadosCta_Grp3(pai, QString()) {
    edValor = EdicaoValor::CriaCampoValor(pnCaptura, lbValor);
    DefineDica(edValor, Texto(msg::MsgValorTotal));
    LbCSeg = captura.Rotulo(QStringLiteral("LbCSeg"), QStringLiteral("C. Seg:"));
    EdCSeg = CriaCampoNumerico(QStringLiteral("EdCSeg"), 5, msg::MsgCodigoSeguranca);
    // The transcript and any screen capture show it masked.
    EdCSeg->setProperty("cbSensivel", true);
    lbTipoContaCredito = captura.Rotulo(QStringLiteral("lbTipoContaCredito"));
    cbTipoContaCredito =
        captura.Lista(QStringLiteral("cbTipoContaCredito"),
                      Texto(msg::MsgTipoContaCredito) + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));

    // The debit side first (amount, the card's account type, its code), then the destination account.
    PosicionaConta(2);
    captura.Linha(0, lbValor, edValor, 250);
    captura.Linha(1, lbTipoConta, cbTipoConta, 250);
    captura.Linha(2, LbCSeg, EdCSeg, 80);
    captura.Linha(7, lbTipoContaCredito, cbTipoContaCredito, 250);
    OrdemCaptura(
        {edValor, cbTipoConta, EdCSeg, EdBanco, EdAgencia, EdC1, EdConta, EdDigito, cbTipoContaCredito});
    connect(cbTipoConta, &QComboBox::currentIndexChanged, this, [this] { cbTipoContaChange(); });
}

void TFrmCnsTransf_DdCta::IniciaCamposForm() {
    TFrmTrnDadosCta_Grp3::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloConsultaTransferencia));
    Descritor = &Tabelatrn::TrnConsultaTransferencia;
    lbValor->setText(Texto(msg::InfoValorTransacao));
    const QString valor = Coletatipoconta::ValorDoHost();
    edValor->setText(valor);
    // An amount the host supplied is the operation's own; a zero one is none.
    const QString digitos = host::RemoveFormato(valor).trimmed();
    edValor->setEnabled(digitos.isEmpty() || digitos == QLatin1String("000"));

    lbTipoConta->setText(Texto(msg::InfoTipoContaDebito));
    lbTipoContaCredito->setText(Texto(msg::InfoTipoContaCredito));
    const auto& registro = Lumomain::ServicoHzinho_32_DadosTransferencia;
    cbTipoContaCredito->clear();
    PreencheTipos(TiposDaMascara(registro.inteiro(25, 3, 0), true));
    cbTipoContaCredito->addItems(TiposDaMascara(registro.inteiro(28, 3, 0), false));
    cbTipoContaCredito->setCurrentIndex(-1);

    // With security tokens the bank's own network asks for no code.
    const bool semCodigo =
        Lumomain::ServicoHzinho_Informacoes_Gerais_CB.texto(22, 3) == QLatin1String("805") &&
        Lumomain::bHabilitaTratamentoToken;
    LbCSeg->setVisible(!semCodigo);
    EdCSeg->setVisible(!semCodigo);
    cbTipoContaChange();
}

bool TFrmCnsTransf_DdCta::DebitoBeneficioINSS() const {
    return cbTipoConta->currentIndex() >= 0 &&
           cbTipoConta->currentText() == Texto(msg::InfoTipoContaBeneficioINSS);
}

void TFrmCnsTransf_DdCta::cbTipoContaChange() {
    EdCSeg->setEnabled(!DebitoBeneficioINSS());
}

bool TFrmCnsTransf_DdCta::CSegAtivo() const {
    return EdCSeg->isVisibleTo(this) && EdCSeg->isEnabledTo(pnCaptura);
}

bool TFrmCnsTransf_DdCta::focusNextPrevChild(bool proximo) {
    // The debit type decides whether the code is asked for: it is not left without one.
    if (focusWidget() == cbTipoConta && cbTipoConta->currentIndex() < 0) {
        RepeteCampo(msg::ErroTipoContaInvalida, cbTipoConta, QMessageBox::Critical);
        return true;
    }
    return TFrmTrnDadosCta_Grp3::focusNextPrevChild(proximo);
}

void TFrmCnsTransf_DdCta::hideEvent(QHideEvent* e) {
    if (!e->spontaneous()) host::memLimpaEdit(EdCSeg);
    TFrmTrnDadosCta_Grp3::hideEvent(e);
}

bool TFrmCnsTransf_DdCta::ValidaCamposForm() {
    if (!TFrmTrnDadosCta_Grp3::ValidaCamposForm()) return false;
    // A wrong code is simply asked for again: the prompt already says what is expected.
    if (CSegAtivo() && !Contasaque::CodigoSegurancaValido(EdCSeg->text()))
        return RepeteCampo(nullptr, EdCSeg);
    // A pending payment carries its own amount.
    if (edValor->isVisibleTo(this) && host::LeCampo(20036).isEmpty()) {
        if (edValor->text().trimmed().isEmpty()) return RepeteCampo(msg::MsgValorTotal, edValor);
        if (EdicaoValor::Centavos(edValor->text()) <= 0) return RepeteCampo(msg::ErroValorInvalido, edValor);
    }
    bool numero = false;
    long long valor = host::RemoveFormato(edValor->text()).trimmed().toLongLong(&numero);
    if (!numero) valor = 0;
    const long long limite =
        Consultatransferenciaentrecontas::LimiteTransferencia(Lumomain::ServicoHzinho_26_Limites);
    if (limite > 0 && valor > limite) {
        const QByteArray texto =
            Lumomain::Formata(msg::MsgValorLimiteTransferenciaContas, {host::Dollar(QString::number(limite))})
                .toUtf8();
        return RepeteCampo(texto.constData(), edValor);
    }
    if (cbTipoContaCredito->isVisibleTo(this) && cbTipoContaCredito->isEnabledTo(pnCaptura) &&
        cbTipoContaCredito->currentIndex() < 0)
        return RepeteCampo(msg::ErroTipoContaInvalida, cbTipoContaCredito, QMessageBox::Critical);
    return true;
}

bool TFrmCnsTransf_DdCta::GravaCamposHostlink() {
    if (!TFrmTrnDadosCta_Grp3::GravaCamposHostlink()) return false;
    if (!Grava(10158, QStringLiteral("28")) || !Grava(1003, host::RemoveFormato(edValor->text())))
        return false;
    // A code not asked for goes empty.
    if (CSegAtivo() ? !Contasaque::GravaCodigoSeguranca(EdCSeg) : host::LimpaCampo(10149) != 0) return false;
    // The request names the destination by its key and the debit by its type.
    if (!Grava(10290, host::LeCampo(10102, 1)) || !Grava(10163, host::LeCampo(10102, 0))) return false;
    if (!cbTipoContaCredito->isVisibleTo(this)) return true;
    return Grava(10164, cbTipoContaCredito->currentText() == Texto(msg::InfoTipoContaCorrente)
                            ? QStringLiteral("01")
                            : QStringLiteral("02"));
}

bool TFrmCnsTransf_DdCta::VerificaCapturaSenha() {
    if (Lumomain::LeSenhaCB(false, lbTitulo->text(), TIPO_CAPTURA_TRANSFERENCIA, lbMensagem, QString()))
        return true;
    Encerra();
    return false;
}

bool TFrmCnsTransf_DdCta::ConcluiConfirmacao() {
    // Only an approved query leaves a transfer to confirm.
    DadosEfetivaTransferencia.limpa();
    bControlaKeyPreview = false;
    const bool pronto = VerificaProcessaCartao() && VerificaCapturaSenha() && VerificaObtemDadosEmv() &&
                        AutorizaTransacaoCartao();
    bControlaKeyPreview = true;
    if (!pronto) return false;
    // The PIN block and the code served this authorisation: the transfer that follows goes without them.
    for (const int campo : {10146, 10149, 10242, 10243, 10244})
        host::LimpaCampo(campo);
    if (!host::Aprovada()) {
        host::GravaArquivo();
        return true;
    }
    Consultatransferenciaentrecontas::Guarda(
        DadosEfetivaTransferencia,
        {host::RemoveFormato(edValor->text()), cbTipoConta->currentText(), EdBanco->text(), EdAgencia->text(),
         EdC1->text(), EdConta->text(), EdDigito->text(),
         cbTipoContaCredito->isVisibleTo(this) ? cbTipoContaCredito->currentText() : QString()});
    return true;
}
