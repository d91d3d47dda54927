#include "services/Consultadadoscadastraisdadostitulares.h"

#include "frame/Lumomain.h"
#include "frame/Servicoscartao.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"
#include "services/Aberturaconta.h"

#include <QComboBox>
#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

using host::Grava;
using msg::Texto;

TFrmCnsDdCad_DdTit* FrmCnsDdCad_DdTit = nullptr;

namespace Consultadadoscadastraisdadostitulares {

namespace {

// Where the record keeps the number of each account type.
constexpr std::size_t kOffsetCorrente = 25;
constexpr std::size_t kOffsetPoupanca = 28;

// In the order of the bits, most significant first.
constexpr Modalidade kModalidades[] = {
    {msg::MsgPessoaFisicaIndividual, "F", "01", false, false},
    {msg::MsgPessoaFisicaConjuntaEOU, "F", "02", false, true},
    {msg::MsgPessoaFisicaSolidariaE, "F", "03", false, true},
    {msg::MsgPessoaJuridicaIndividual, "J", "01", true, false},
};

} // namespace

int NumeroDoTipo(const Registro<42>& registro, int tipo) {
    // A number that is not numeric opens nothing.
    const int n = tipo == 1   ? registro.inteiro(kOffsetCorrente, 3, 0)
                  : tipo == 2 ? registro.inteiro(kOffsetPoupanca, 3, 0)
                              : 0;
    return n > 0 ? n : 0;
}

QStringList TiposAbertura(const Registro<42>& registro) {
    QStringList tipos;
    if (NumeroDoTipo(registro, 1) > 0) tipos << Texto(msg::InfoTipoContaCorrente);
    if (NumeroDoTipo(registro, 2) > 0) tipos << Texto(msg::InfoTipoContaContaPoupanca);
    return tipos;
}

QList<Modalidade> Modalidades(int numero) {
    QList<Modalidade> lista;
    for (int bit = 0; bit < 4; ++bit) {
        if (numero & (8 >> bit)) lista << kModalidades[bit];
    }
    return lista;
}

bool DataValida(const QString& texto, const QDate& hoje) {
    QString digitos = texto;
    digitos.removeIf([](QChar c) { return !c.isDigit(); });
    if (digitos.size() != 8) return false;
    const QDate d = QDate::fromString(digitos, QStringLiteral("ddMMyyyy"));
    return d.isValid() && d <= hoje && d.year() >= 1900;
}

} // namespace Consultadadoscadastraisdadostitulares

using namespace Consultadadoscadastraisdadostitulares;

namespace {

constexpr char kMascaraCEP[] = "99999-999;_";
constexpr char kMascaraData[] = "99/99/9999;_";
// Card kind whose record names the network of the passwords' PIN pad.
constexpr int TIPO_CAPTURA_ABERTURA = 9;
// 10167: the holders' password blocks at 0 to 2, the other services' at 3.
constexpr int kSenhaOutrosServicos = 3;

QString Digitos(const QString& texto) {
    QString d = texto;
    d.removeIf([](QChar c) { return !c.isDigit(); });
    return d;
}

} // namespace

TFrmCnsDdCad_DdTit::TFrmCnsDdCad_DdTit(QWidget* pai)
    : TFrmColeta_Mod(pai, QString(),
                     Partes::Grade{.caixa = QRect(31, 50, 560, 262),
                                   .topo = 6,
                                   .passo = 28,
                                   .altura = 24,
                                   .xRotulo = 12,
                                   .larguraRotulo = 190,
                                   .xCampo = 210}) {
    const QString teclado = QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido);
    lbModalidadeConta = captura.Rotulo(QStringLiteral("lbModalidadeConta"), QStringLiteral("Modalidade:"));
    cbModalidadeConta =
        captura.Lista(QStringLiteral("cbModalidadeConta"), Texto(msg::MsgModalidadeConta) + teclado);
    captura.Linha(0, lbModalidadeConta, cbModalidadeConta, 280);
    lbCEP = captura.Rotulo(QStringLiteral("lbCEP"), QStringLiteral("CEP:"));
    edCEP = captura.Campo(QStringLiteral("edCEP"), 0, Partes::Entrada::Digitos, Texto(msg::MsgCEP));
    edCEP->setInputMask(QLatin1String(kMascaraCEP));
    captura.Linha(1, lbCEP, edCEP, 100);
    lbNumeroTitulares =
        captura.Rotulo(QStringLiteral("lbNumeroTitulares"), QStringLiteral("Núm. de Titulares:"));
    cbNumeroTitulares =
        captura.Lista(QStringLiteral("cbNumeroTitulares"), Texto(msg::MsgNumeroTitulares) + teclado);
    captura.Linha(2, lbNumeroTitulares, cbNumeroTitulares, 60);

    const char* grupos[] = {"Primeiro Titular", "Segundo Titular", "Terceiro Titular"};
    for (int i = 0; i < 3; ++i) {
        Titular& t = titulares[static_cast<std::size_t>(i)];
        const QString n = QString::number(i + 1);
        t.lbGrupo = captura.Rotulo(QStringLiteral("lbTitular") + n, QString::fromUtf8(grupos[i]));
        t.lbDocumento = captura.Rotulo(QStringLiteral("lbCPFCGC") + n, Texto(msg::InfoCPF));
        t.edDocumento =
            captura.Campo(QStringLiteral("edCPFCGC") + n, 0, Partes::Entrada::Texto, Texto(msg::MsgCpfCgc));
        t.lbData = captura.Rotulo(QStringLiteral("lbDataNascimento") + n, Texto(msg::InfoDataNascimento2));
        t.edData = captura.Campo(QStringLiteral("edDataNascimento") + n, 0, Partes::Entrada::Digitos, {});
        t.edData->setInputMask(QLatin1String(kMascaraData));
        DefineDica(t.edData, [this] {
            return Texto(Juridica() ? msg::MsgDataAberturaEmpresa : msg::MsgDataNascimento);
        });
        captura.Linha(3 + 2 * i, t.lbGrupo, {{t.lbDocumento, 55}, {t.edDocumento, 200}});
        captura.Linha(4 + 2 * i, t.lbData, t.edData, 110);
    }
    CriaBotoes({cbModalidadeConta, edCEP, cbNumeroTitulares, titulares[0].edDocumento, titulares[0].edData,
                titulares[1].edDocumento, titulares[1].edData, titulares[2].edDocumento,
                titulares[2].edData});
    connect(cbModalidadeConta, &QComboBox::currentIndexChanged, this,
            [this] { Protegido([this] { cbModalidadeContaChange(); }); });
    connect(cbNumeroTitulares, &QComboBox::currentIndexChanged, this,
            [this] { Protegido([this] { cbNumeroTitularesChange(); }); });
}

void TFrmCnsDdCad_DdTit::IniciaCamposForm() {
    DefineTitulo(Texto(msg::TituloConsultaDadosCadastraisAberturaConta));
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    Descritor = &Tabelatrn::TrnConsultaDadosCadastrais;
    modalidades_ = Modalidades(NumeroDoTipo(Lumomain::ServicoHzinho_ModalidadeTipoPessoaAberturaConta,
                                            host::LeCampoInteiro(10102, 0, 0)));
    {
        const QSignalBlocker b(cbModalidadeConta);
        const QSignalBlocker c(cbNumeroTitulares);
        cbModalidadeConta->clear();
        for (const Modalidade& m : modalidades_)
            cbModalidadeConta->addItem(Texto(m.texto));
        cbModalidadeConta->setCurrentIndex(-1);
        cbNumeroTitulares->clear();
        cbNumeroTitulares->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    }
    // No password of an earlier attempt goes with this one.
    for (int i = 0; i <= kSenhaOutrosServicos; ++i)
        host::GravaCampoString(10167, i, QString());
    cbModalidadeContaChange();
}

bool TFrmCnsDdCad_DdTit::Juridica() const {
    const int i = cbModalidadeConta->currentIndex();
    return i >= 0 && i < modalidades_.size() && modalidades_.at(i).juridica;
}

void TFrmCnsDdCad_DdTit::cbModalidadeContaChange() {
    const bool juridica = Juridica();
    for (Titular& t : titulares) {
        t.lbDocumento->setText(Texto(juridica ? msg::InfoCNPJ : msg::InfoCPF));
        Coletavalortrn::AplicaMascara(t.edDocumento,
                                      juridica ? Coletavalortrn::MascaraCNPJ : Coletavalortrn::MascaraCPF);
    }
    titulares[0].lbData->setText(Texto(juridica ? msg::InfoDataAberturaEmpresa : msg::InfoDataNascimento2));
    const int i = cbModalidadeConta->currentIndex();
    const bool conjunta = i >= 0 && i < modalidades_.size() && modalidades_.at(i).conjunta;
    cbNumeroTitulares->setEnabled(conjunta);
    if (!conjunta) cbNumeroTitulares->setCurrentIndex(0);
    cbNumeroTitularesChange();
}

int TFrmCnsDdCad_DdTit::QuantidadeTitulares() const {
    return cbNumeroTitulares->currentIndex() + 1;
}

void TFrmCnsDdCad_DdTit::cbNumeroTitularesChange() {
    for (int i = 1; i < 3; ++i) {
        const bool ativo = QuantidadeTitulares() > i;
        const Titular& t = titulares[static_cast<std::size_t>(i)];
        for (QWidget* w : {static_cast<QWidget*>(t.lbGrupo), static_cast<QWidget*>(t.lbDocumento),
                           static_cast<QWidget*>(t.edDocumento), static_cast<QWidget*>(t.lbData),
                           static_cast<QWidget*>(t.edData)}) {
            w->setVisible(ativo);
            w->setEnabled(ativo);
        }
    }
}

bool TFrmCnsDdCad_DdTit::GrupoAtivo(int i) const {
    return i == 0 || titulares[static_cast<std::size_t>(i)].edDocumento->isEnabledTo(pnCaptura);
}

bool TFrmCnsDdCad_DdTit::Repete(const char* mensagem, QWidget* campo) {
    ExibeMsgErroRepeteCampo(Texto(mensagem), campo, pnCaptura);
    return false;
}

bool TFrmCnsDdCad_DdTit::ValidaCamposForm() {
    if (cbModalidadeConta->currentIndex() < 0) return Repete(msg::ErroModalidadeConta, cbModalidadeConta);
    if (cbNumeroTitulares->currentIndex() < 0) return Repete(msg::ErroNumeroTitulares, cbNumeroTitulares);
    if (Digitos(edCEP->text()).size() != 8) return Repete(msg::ErroCEPInvalido, edCEP);
    const QDate hoje = QDate::currentDate();
    QStringList documentos;
    for (int i = 0; i < 3 && GrupoAtivo(i); ++i) {
        const Titular& t = titulares[static_cast<std::size_t>(i)];
        const QString documento = Documentos::Digitado(t.edDocumento);
        // The holders of one account are different people.
        if (!(host::VerificaCNPJ(documento) || host::VerificaCPF(documento)) ||
            documentos.contains(documento))
            return Repete(msg::ErroCPFCGCInvalido, t.edDocumento);
        documentos << documento;
        if (!DataValida(t.edData->text(), hoje)) {
            t.edData->clear();
            return Repete(msg::ErroDataInvalida, t.edData);
        }
    }
    return true;
}

bool TFrmCnsDdCad_DdTit::GravaCamposHostlink() {
    if (!TFrmColeta_Mod::GravaCamposHostlink()) return false;
    const Modalidade& m = modalidades_.at(cbModalidadeConta->currentIndex());
    if (!Grava(10103, Lumomain::GrupoPagto) || !Grava(10158, QStringLiteral("10")) ||
        !Grava(10134, QStringLiteral("2")) || !Grava(10102, QLatin1String(m.tipoPessoa), 1) ||
        !Grava(10102, QLatin1String(m.codigo), 2) || !Grava(10254, cbNumeroTitulares->currentText()) ||
        !Grava(1090, Digitos(edCEP->text())))
        return false;
    // The per-holder block goes once for each holder chosen, in both requests of the opening.
    AjustesPedido.documentos = static_cast<uint16_t>(QuantidadeTitulares());
    for (int i = 0; i < 3 && GrupoAtivo(i); ++i) {
        const Titular& t = titulares[static_cast<std::size_t>(i)];
        if (!Grava(10165, Digitos(t.edData->text()), i) ||
            !Grava(10341, Documentos::Digitado(t.edDocumento), i) || !Grava(10163, QString::number(i + 1), i))
            return false;
    }
    return true;
}

bool TFrmCnsDdCad_DdTit::CapturaSenha(const char* digite, const char* redigite, int ocorrencia) {
    const auto le = [this](const char* texto) {
        if (Lumomain::LeSenhaCB(!Lumomain::bPinpadCBAberto, lbTitulo->text(), TIPO_CAPTURA_ABERTURA,
                                lbMensagem, Texto(texto)))
            return true;
        // The PIN pad has said why in 1009 and 1027.
        Encerra();
        return false;
    };
    for (;;) {
        if (!le(digite)) return false;
        const QString bloco = host::LeCampo(10146);
        if (!le(redigite)) return false;
        // The blocks, never the passwords, are compared: the same password gives the same block.
        const bool confere = !bloco.isEmpty() && bloco == host::LeCampo(10146);
        host::LimpaCampo(10146);
        if (confere) return Grava(10167, bloco, ocorrencia);
        if (!Lumomain::PerguntaSimNao(Texto(msg::ErroSenhaNaoConfere), {}, this)) {
            Encerra(QStringLiteral("FF"), Texto(msg::ErroFinalizadoOper));
            return false;
        }
    }
}

bool TFrmCnsDdCad_DdTit::CapturaSenhasAberturaConta() {
    if (!CapturaSenha(msg::MsgDigiteSenhaOutrosServicos, msg::MsgReDigiteSenhaOutrosServicos,
                      kSenhaOutrosServicos) ||
        !CapturaSenha(msg::MsgDigiteSenhaPrimeiroTitular, msg::MsgReDigiteSenhaPrimeiroTitular, 0))
        return false;
    const int quantidade = host::LeCampoInteiro(10254, 0, 1);
    if (quantidade >= 2 &&
        !CapturaSenha(msg::MsgDigiteSenhaSegundoTitular, msg::MsgReDigiteSenhaSegundoTitular, 1))
        return false;
    return quantidade < 3 ||
           CapturaSenha(msg::MsgDigiteSenhaTerceiroTitular, msg::MsgReDigiteSenhaTerceiroTitular, 2);
}

bool TFrmCnsDdCad_DdTit::ConcluiConfirmacao() {
    bControlaKeyPreview = false;
    const bool senhas = CapturaSenhasAberturaConta();
    bControlaKeyPreview = true;
    if (!senhas) {
        ServicosCartao::FechaPinpad();
        return ModalResult() != mrNone;
    }
    host::AutorizaTransacao(Pedido(), lbMensagem, 0);
    if (!host::Aprovada()) {
        ServicosCartao::FechaPinpad();
        Encerra();
        return true;
    }
    // Leaving the opening from here on is the operator's giving up, as the host must hear it.
    Grava(1027, Texto(msg::ErroFinalizadoOper));
    Grava(1009, QStringLiteral("FF"));
    if (!CriaExecutaForm(this, FrmAbertConta)) {
        Lumomain::ReportaFalha(TextoFalhaCriacao<TFrmAbertConta>());
        setModalResult(mrOk);
    }
    ServicosCartao::FechaPinpad();
    if (ModalResult() != mrNone) return true;
    // Back from the address: the holders' data may be corrected and asked for again.
    HabilitaCaptura(true);
    FocaPrimeiroControle();
    return false;
}

void TFrmCnsDdCad_DdTit::hideEvent(QHideEvent* e) {
    // The password blocks served the opening; they do not stay with the host.
    if (!e->spontaneous()) {
        for (int i = 0; i <= kSenhaOutrosServicos; ++i)
            host::GravaCampoString(10167, i, QString());
    }
    TFrmColeta_Mod::hideEvent(e);
}
