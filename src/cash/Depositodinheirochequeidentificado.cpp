#include "cash/Depositodinheirochequeidentificado.h"

#include "frame/Lumomain.h"
#include "frame/Partes.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "protocol/Variaveis.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using host::Grava;
using msg::Texto;

namespace Depositodinheirochequeidentificado {

using namespace Tabelatrn::Notacao;

constinit std::array<char, 64> acTipoModalidade{};
constinit std::array<char, 64> acDadosDepositante{};
constinit std::array<char, 64> acTipoConta{};
constinit std::array<char, 24> acDadosContaDeposito{};
constinit std::array<char, 64> acTipoOperacao{};

// Modalities 1 and 2 name the depositor by name or code; 3 and 4 by a payment card (its track when read,
// 10134 "1"; its codes in 10102 when typed) or by nothing but the bill. Both queries carry the account, whose
// holder the bank answers.
CB_DESCRITOR(Depositodinheirochequeidentificado, TrnConsultaDadosDepositoIdentificadoModalidade12,
             Descritor(242, 0,
                       {B, F(1003), K(acTipoModalidade), K(acTipoConta), K(acDadosContaDeposito), F(1006),
                        F(1007), K(acDadosDepositante)}));
CB_DESCRITOR(Depositodinheirochequeidentificado, TrnConsultaDadosDepositoIdentificadoModalidade34,
             Descritor(242, 0,
                       {B, F(1003), K(acTipoModalidade), K(acTipoConta), K(acDadosContaDeposito),
                        K(acTipoOperacao), F(10134), F(10104), F(10102), F(10102, 1), F(10102, 2),
                        F(10102, 3), F(1006)}));
CB_DESCRITOR(Depositodinheirochequeidentificado, TrnDepositoIdentificado,
             Descritor(242, 1,
                       {B, F(1003), K(acTipoConta), K(acDadosContaDeposito), F(1006), F(1007), F(10199),
                        F(10240), F(10183), F(10184), F(10189), F(10162).bloco(3), F(10163), F(10164),
                        F(10165), F(10301), F(10301, 1)}));

} // namespace Depositodinheirochequeidentificado

using namespace Depositodinheirochequeidentificado;

TFrmDinChqIdentificado_Dep* FrmDinChqIdentificado_Dep = nullptr;

namespace {

// Where the bank's reply keeps the note for the host of an identified query (service Q, record "015").
constexpr int CAMPO_SERVICO_Q = 20026;
constexpr int TAMANHO_NOTA = 256;
// Card read for an identified deposit.
constexpr int TIPO_LEITURA_CARTAO = 14;
constexpr char ENTRADA_CARTAO_LIDO[] = "1";

constexpr const char* kModalidades[] = {"Nome Depositante", "Codigo Depositante", "Cartao Pagamento",
                                        "Pagamento Fatura"};
// Person types of the deposit form: the last is "Não Identificado".
constexpr int PESSOA_NAO_IDENTIFICADA = 2;

} // namespace

TFrmDinChqIdentificado_Dep::TFrmDinChqIdentificado_Dep(QWidget* pai) : TFrmDinChq_Dep(pai) {
    // The depositor's group takes a row more (modality and card entry above the person), pushing the
    // account's group and the panel down.
    const Partes::Grade grade{
        .caixa = QRect(11, 48, 600, 256), .topo = 6, .xRotulo = 10, .larguraRotulo = 60, .xCampo = 70};
    captura.Redefine(grade);
    gbDepositante->setGeometry(5, 66, 590, 104);
    gbConta->setGeometry(5, 172, 590, 80);
    const auto lista = [this](const char* nome, const QString& dica) {
        auto* l = new Partes::ListaTeclado(gbDepositante);
        l->setObjectName(QLatin1String(nome));
        DefineDica(l, dica + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
        return l;
    };
    const auto rotulo = [this](const char* nome, const QString& texto) {
        auto* l = new QLabel(texto, gbDepositante);
        l->setObjectName(QLatin1String(nome));
        return l;
    };
    lbModalidadeConta = rotulo("lbModalidadeConta", QStringLiteral("Modalidade:"));
    cbModalidadeConta = lista("cbModalidadeConta", Texto(msg::MsgModalidadeConta));
    lbTipoOperacao = rotulo("lbTipoOperacao", QStringLiteral("Tipo de Operação:"));
    cbTipoOperacao = lista("cbTipoOperacao", QStringLiteral("Selecione o tipo de operação"));
    lbCodigoDepositante = rotulo("lbCodigoDepositante", Texto(msg::InfoCodigoDepositante) + QLatin1Char(':'));
    edCodigoDepositante = new QLineEdit(gbDepositante);
    edCodigoDepositante->setObjectName(QStringLiteral("edCodigoDepositante"));
    edCodigoDepositante->setMaxLength(19);
    edCodigoDepositante->setContextMenuPolicy(Qt::NoContextMenu);
    Partes::SoDigitos(edCodigoDepositante);
    DefineDica(edCodigoDepositante, Texto(msg::MsgCodigoDepositante));
    edNomeDepositante->setMaxLength(32);

    // The group's rows: modality and card entry, person and document, name or code.
    const std::pair<QWidget*, QRect> lugares[] = {
        {lbModalidadeConta, {8, 18, 110, 24}},   {cbModalidadeConta, {120, 18, 160, 24}},
        {lbTipoOperacao, {290, 18, 110, 24}},    {cbTipoOperacao, {400, 18, 150, 24}},
        {lbTipoPessoa, {8, 46, 110, 24}},        {cbTipoPessoa, {120, 46, 160, 24}},
        {lbCPFCGC, {290, 46, 60, 24}},           {edCPFCGC, {350, 46, 200, 24}},
        {lbNomeDepositante, {8, 74, 110, 24}},   {edNomeDepositante, {120, 74, 430, 24}},
        {lbCodigoDepositante, {8, 74, 110, 24}}, {edCodigoDepositante, {120, 74, 200, 24}},
    };
    for (const auto& [w, r] : lugares)
        w->setGeometry(r);

    QWidget* ordem[] = {cbModalidadeConta, edValor,
                        edValorDinheiro,   edQtdeChq,
                        edValorCheque,     cbTipoOperacao,
                        cbTipoPessoa,      edCPFCGC,
                        edNomeDepositante, edCodigoDepositante,
                        cbTipoConta,       EdConta,
                        EdDigito,          EdBanco,
                        EdAgencia,         EdC1,
                        btConfirma,        btRetorna};
    for (size_t i = 1; i < std::size(ordem); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);

    connect(cbModalidadeConta, &QComboBox::currentIndexChanged, this,
            [this] { Protegido([this] { cbModalidadeContaChange(); }); });
    // The cheques' value waits for their count.
    connect(edQtdeChq, &QLineEdit::textChanged, this,
            [this] { edValorCheque->setEnabled(QtdeCheques() > 0); });
}

void TFrmDinChqIdentificado_Dep::FormShow() {
    TFrmDinChq_Dep::FormShow();
    // The modality comes first: what the depositor gives depends on it.
    cbModalidadeConta->setFocus(Qt::TabFocusReason);
}

int TFrmDinChqIdentificado_Dep::Modalidade() const {
    return cbModalidadeConta->currentIndex();
}

void TFrmDinChqIdentificado_Dep::IniciaCamposForm() {
    TFrmDinChq_Dep::IniciaCamposForm();
    cbTipoConta->clear();
    cbTipoConta->addItem(Texto(msg::InfoTipoContaCorrente));
    cbTipoConta->setCurrentIndex(0);
    cbTipoConta->setEnabled(false);
    {
        const QSignalBlocker b(cbModalidadeConta);
        cbModalidadeConta->clear();
        for (const char* m : kModalidades)
            cbModalidadeConta->addItem(QLatin1String(m));
        cbModalidadeConta->setCurrentIndex(-1);
    }
    cbTipoOperacao->clear();
    cbTipoOperacao->addItems({Texto(msg::OpcaoMagnetico), Texto(msg::OpcaoDigitado)});
    cbTipoOperacao->setCurrentIndex(0);
    for (QWidget* w :
         {static_cast<QWidget*>(lbTipoOperacao), static_cast<QWidget*>(cbTipoOperacao),
          static_cast<QWidget*>(lbNomeDepositante), static_cast<QWidget*>(edNomeDepositante),
          static_cast<QWidget*>(lbCodigoDepositante), static_cast<QWidget*>(edCodigoDepositante)})
        w->hide();
    edCodigoDepositante->clear();
    edValorCheque->setEnabled(QtdeCheques() > 0);
    cartaoLido_ = false;
}

void TFrmDinChqIdentificado_Dep::cbModalidadeContaChange() {
    const int m = Modalidade();
    if (m < 0) return;
    lbNomeDepositante->setVisible(m == NOME);
    edNomeDepositante->setVisible(m == NOME);
    lbCodigoDepositante->setVisible(m == CODIGO);
    edCodigoDepositante->setVisible(m == CODIGO);
    lbTipoOperacao->setVisible(m == CARTAO);
    cbTipoOperacao->setVisible(m == CARTAO);
    if (m == CARTAO || m == FATURA) {
        cbTipoPessoa->setCurrentIndex(PESSOA_NAO_IDENTIFICADA);
        return;
    }
    // A depositor by name or code deposits into the bank the host names, when it names one.
    const long long banco = host::LeCampoInteiro(10154, 0, 0);
    if (banco > 0) EdBanco->setText(QString::number(banco).rightJustified(3, QLatin1Char('0')));
    if (host::LeCampo(10154, 1).trimmed() == QLatin1String("0")) EdC1->setEnabled(false);
    host::LimpaCampo(10154);
}

bool TFrmDinChqIdentificado_Dep::ValidaCamposForm() {
    if (Modalidade() < 0) return RepeteCampo(Texto(msg::ErroModalidadeConta), cbModalidadeConta);
    return TFrmDinChq_Dep::ValidaCamposForm();
}

bool TFrmDinChqIdentificado_Dep::GravaCamposHostlink() {
    if (!TFrmDinChq_Dep::GravaCamposHostlink() || !Grava(10158, QStringLiteral("32"))) return false;
    const int m = Modalidade();
    Tabelatrn::CopiaTexto(acTipoModalidade, QString::number(m + 1));
    Tabelatrn::CopiaTexto(acTipoConta, QStringLiteral("01"));
    Tabelatrn::CopiaTexto(acDadosContaDeposito, ChaveConta());
    const QString depositante = m == NOME     ? edNomeDepositante->text().trimmed()
                                : m == CODIGO ? edCodigoDepositante->text().trimmed()
                                              : QString();
    Tabelatrn::CopiaTexto(acDadosDepositante, depositante);
    Tabelatrn::CopiaTexto(acTipoOperacao,
                          m == CARTAO ? QString::number(cbTipoOperacao->currentIndex() + 1) : QString());
    if (!Grava(10199, m == NOME ? depositante : QString())) return false;
    return m != CODIGO || Grava(10240, depositante);
}

bool TFrmDinChqIdentificado_Dep::PreparaConsulta() {
    cartaoLido_ = false;
    // The typed card's codes, or nothing: whatever 10102 held before is not the card's.
    for (int i = 0; i < 4; ++i)
        Grava(10102, QString(), i);
    if (Modalidade() == CARTAO) {
        bool ok = false;
        if (cbTipoOperacao->currentIndex() == 0) {
            ok = cartaoLido_ = Lumomain::LeAnalisaCartaoCBGenerico(TIPO_LEITURA_CARTAO, lbMensagem) &&
                               Grava(10134, QLatin1String(ENTRADA_CARTAO_LIDO));
        } else {
            const std::unique_ptr<TFrmColetaDadosModalidade3Digitado> digitado(
                TFrmMod::Cria<TFrmColetaDadosModalidade3Digitado>(this));
            ok = digitado && digitado->Executa() == mrOk;
        }
        if (!ok) {
            Grava(1027, Texto(msg::ErroOperacaoCancelada));
            Grava(1009, QStringLiteral("FF"));
            return false;
        }
    }
    // Only a card read sends its entry and track.
    AjustesPedido.descartados.clear();
    if (!cartaoLido_) AjustesPedido.descartados = {10134, 10104};
    return true;
}

const TTabelaTrn& TFrmDinChqIdentificado_Dep::DescritorConsulta() const {
    return Modalidade() == NOME || Modalidade() == CODIGO ? TrnConsultaDadosDepositoIdentificadoModalidade12
                                                          : TrnConsultaDadosDepositoIdentificadoModalidade34;
}

const TTabelaTrn& TFrmDinChqIdentificado_Dep::DescritorDeposito() const {
    return TrnDepositoIdentificado;
}

void TFrmDinChqIdentificado_Dep::AposConsulta() {
    AjustesPedido.descartados.clear();
    // The track served the query; the deposit does not send it.
    if (cartaoLido_) host::LimpaCampo(10104);
    const std::string nota = host::ProcuraServico(CAMPO_SERVICO_Q, 'Q', "015", TAMANHO_NOTA);
    if (!nota.empty()) Grava(1251, host::deLatin1(nota));
}

void TFrmDinChqIdentificado_Dep::SemDadosBacen() {
    Grava(10301, QString(), 0);
    Grava(10301, QString(), 1);
}

// ---------------------------------------------------------------------------------------------------------
// TFrmColetaDadosModalidade3Digitado

namespace {

Partes::Grade GradeCartaoDigitado() {
    return Partes::Grade{.caixa = QRect(111, 110, 400, 170),
                         .topo = 14,
                         .passo = 38,
                         .altura = 28,
                         .larguraRotulo = 160,
                         .xCampo = 190};
}

} // namespace

TFrmColetaDadosModalidade3Digitado::TFrmColetaDadosModalidade3Digitado(QWidget* pai)
    : TFrmColeta_Mod(pai, QString(), GradeCartaoDigitado()) {
    const auto linha = [this](int n, QLabel*& rotulo, const char* nomeRotulo, const QString& texto,
                              const char* nome, int tamanho, int largura, const char* dica) {
        rotulo = captura.Rotulo(QLatin1String(nomeRotulo), texto);
        QLineEdit* ed = captura.Campo(QLatin1String(nome), tamanho, Partes::Entrada::Digitos, Texto(dica));
        captura.Linha(n, rotulo, ed, largura);
        return ed;
    };
    edCodigoDepositante = linha(0, lbCodigoDepositante, "lbCodigoDepositante",
                                Texto(msg::InfoCodigoDepositante) + QLatin1Char(':'), "edCodigoDepositante",
                                20, 200, msg::MsgCodigoDepositante);
    edCodigoCliente = linha(1, lbCodigoCliente, "lbCodigoCliente", Texto(msg::InfoCodigoCliente),
                            "edCodigoCliente", 5, 80, msg::MsgCodigoCliente);
    edSequenciaCartao = linha(2, lbSequenciaCartao, "lbSequenciaCartao", Texto(msg::InfoSequenciaCartao),
                              "edSequenciaCartao", 2, 50, msg::MsgSequenciaCartao);
    edViaCartao = linha(3, lbViaCartao, "lbViaCartao", Texto(msg::InfoViaCartao), "edViaCartao", 2, 50,
                        msg::MsgViaCartao);
    CriaBotoes({edCodigoDepositante, edCodigoCliente, edSequenciaCartao, edViaCartao});
}

void TFrmColetaDadosModalidade3Digitado::IniciaCamposForm() {
    DefineTitulo(Texto(msg::OpcaoDigitado));
    for (QLineEdit* ed : {edCodigoDepositante, edCodigoCliente, edSequenciaCartao, edViaCartao})
        ed->clear();
    // A depositor code the host already has is the depositor's own.
    const QString codigo = host::LeCampo(10240).trimmed();
    edCodigoDepositante->setText(codigo);
    edCodigoDepositante->setEnabled(codigo.isEmpty());
}

bool TFrmColetaDadosModalidade3Digitado::ValidaCamposForm() {
    const std::pair<QLineEdit*, const char*> campos[] = {
        {edCodigoDepositante, msg::MsgErroDVInvalido},
        {edCodigoCliente, msg::MsgErroDVInvalido},
        {edSequenciaCartao, msg::MsgErroSequenciaCartaoInvalida},
        {edViaCartao, msg::MsgErroViaCartaoInvalida}};
    for (const auto& [ed, mensagem] : campos) {
        if (ed->text().trimmed().isEmpty()) {
            ed->setEnabled(true);
            ExibeMsgErroRepeteCampo(Texto(mensagem), ed, pnCaptura);
            return false;
        }
    }
    return true;
}

bool TFrmColetaDadosModalidade3Digitado::GravaCamposHostlink() {
    const QLineEdit* campos[] = {edCodigoDepositante, edCodigoCliente, edSequenciaCartao, edViaCartao};
    for (int i = 0; i < 4; ++i)
        if (!Grava(10102, campos[i]->text().trimmed(), i)) return false;
    return true;
}
