#include "cash/Depositodinheirocheque.h"

#include "cash/Coletadadoscheque.h"
#include "cash/Confirmacaodadosdeposito.h"
#include "frame/Coletacampocartao.h"
#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "protocol/Variaveis.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>

using host::Grava;
using msg::Texto;

namespace Depositodinheirocheque {

using namespace Tabelatrn::Notacao;

constinit std::array<char, 24> acDadosContaDeposito{};

CB_DESCRITOR(Depositodinheirocheque, TrnConsultaDeposito,
             Descritor(242, 0,
                       {B, F(1003), F(10102), K(acDadosContaDeposito), F(1006), F(1007), F(10199), F(10183),
                        F(10184), F(10189)}));
CB_DESCRITOR(Depositodinheirocheque, TrnDeposito,
             Descritor(242, 1,
                       {B, F(1003), F(10102), K(acDadosContaDeposito), F(1006), F(1007), F(10199), F(10240),
                        F(10183), F(10184), F(10189), F(10162).bloco(3), F(10163), F(10164), F(10165),
                        F(10301), F(10301, 1)}));

bool DepositoHabilitado() {
    const auto& modo = Lumomain::ServicoHzinho_25_InformacaoModoTransacao;
    if (modo.texto(0, 2) == QLatin1String("25")) return modo.inteiro(33, 3, 0) == 1;
    return Lumomain::ServicoHzinho_Coleta_Dados_Conta.texto(28, 1) == QLatin1String("1");
}

ConsultaDeposito ConsultaDeposito::Le(const QString& resposta) {
    return {resposta.mid(4, 20),  resposta.mid(24, 3), resposta.mid(27, 5),
            resposta.mid(32, 13), resposta.mid(45, 2), resposta.mid(47, 35)};
}

bool ConsultaDeposito::SemDados() const {
    return (banco + agencia + conta + digito + nome).trimmed().isEmpty();
}

QStringList RetornosCheques(const QString& resposta, int cheques) {
    bool ok = false;
    const int n = resposta.mid(4, 2).toInt(&ok);
    QStringList saida;
    int k = 0;
    for (int i = 0; i <= cheques; ++i) {
        // Entries come in cheque order: the next one either names this cheque or a later one.
        const int pos = 6 + 14 * k;
        if (ok && k < n && resposta.mid(pos, 2).toInt() == i && resposta.size() >= pos + 2) {
            saida << resposta.mid(pos + 2, 12);
            ++k;
        } else {
            saida << QStringLiteral("0");
        }
    }
    return saida;
}

} // namespace Depositodinheirocheque

using namespace Depositodinheirocheque;

TFrmDinChq_Dep* FrmDinChq_Dep = nullptr;

namespace {

constexpr char kTipoConta[] = "Selecione o tipo de conta";

long long Digitos(const QString& texto, long long padrao) {
    bool ok = false;
    const long long v = host::RemoveFormato(texto).trimmed().toLongLong(&ok);
    return ok ? v : padrao;
}

} // namespace

TFrmDinChq_Dep::TFrmDinChq_Dep(QWidget* pai) : TFrmDeposito_Trn(pai, QString()) {
    // A dense screen: the amounts side by side on the first rows, then the depositor's and the account's
    // groups, each control at its place; only the base's amount row comes from the grid.
    const Partes::Grade grade{
        .caixa = QRect(11, 48, 600, 246), .topo = 6, .xRotulo = 10, .larguraRotulo = 60, .xCampo = 70};
    captura.Redefine(grade);
    captura.Linha(0, lbValor, edValor, 110);
    pnBotoes->setGeometry(111, 306, 400, 50);
    const auto rotulo = [](QWidget* pn, const char* nome, QRect r) {
        auto* l = new QLabel(pn);
        l->setObjectName(QLatin1String(nome));
        l->setGeometry(r);
        return l;
    };
    const auto edit = [this](QWidget* pn, const char* nome, int tamanho, QRect r, const char* dica,
                             bool numerico = true) {
        auto* e = new QLineEdit(pn);
        e->setObjectName(QLatin1String(nome));
        e->setMaxLength(tamanho);
        e->setGeometry(r);
        e->setContextMenuPolicy(Qt::NoContextMenu);
        if (numerico) Partes::SoDigitos(e);
        if (dica) DefineDica(e, Texto(dica));
        return e;
    };
    lbValorDinheiro = rotulo(pnCaptura, "lbValorDinheiro", QRect(190, 6, 110, 26));
    edValorDinheiro =
        edit(pnCaptura, "edValorDinheiro", 12, QRect(300, 6, 100, 26), msg::MsgValorDepositoDinheiro, false);
    EdicaoValor::Configura(edValorDinheiro);
    lbQtdeChq = rotulo(pnCaptura, "lbQtdeChq", QRect(410, 6, 110, 26));
    edQtdeChq = edit(pnCaptura, "edQtdeChq", 2, QRect(520, 6, 60, 26), msg::MsgQtdeCheques);
    lbValorCheque = rotulo(pnCaptura, "lbValorCheque", QRect(190, 36, 110, 26));
    edValorCheque =
        edit(pnCaptura, "edValorCheque", 12, QRect(300, 36, 100, 26), msg::MsgValorDepositoCheque, false);
    EdicaoValor::Configura(edValorCheque);

    gbDepositante = new QGroupBox(QStringLiteral("Dados do Depositante"), pnCaptura);
    gbDepositante->setObjectName(QStringLiteral("gbDepositante"));
    gbDepositante->setGeometry(5, 66, 590, 76);
    lbTipoPessoa = rotulo(gbDepositante, "lbTipoPessoa", QRect(8, 18, 110, 24));
    cbTipoPessoa = new Partes::ListaTeclado(gbDepositante);
    cbTipoPessoa->setObjectName(QStringLiteral("cbTipoPessoa"));
    cbTipoPessoa->setGeometry(120, 18, 160, 24);
    DefineDica(cbTipoPessoa, Texto(msg::MsgTipoPessoa));
    lbCPFCGC = rotulo(gbDepositante, "lbCPFCGC", QRect(290, 18, 60, 24));
    edCPFCGC = edit(gbDepositante, "edCPFCGC", 32, QRect(350, 18, 200, 24), msg::MsgCpfCgc, false);
    lbNomeDepositante = rotulo(gbDepositante, "lbNomeDepositante", QRect(8, 46, 110, 24));
    edNomeDepositante =
        edit(gbDepositante, "edNomeDepositante", 30, QRect(120, 46, 430, 24), msg::MsgNomeDepositante, false);

    gbConta = new QGroupBox(QStringLiteral("Dados da Conta para Depósito"), pnCaptura);
    gbConta->setObjectName(QStringLiteral("gbConta"));
    gbConta->setGeometry(5, 146, 590, 94);
    lbTipoConta = rotulo(gbConta, "lbTipoConta", QRect(8, 18, 110, 24));
    cbTipoConta = new Partes::ListaTeclado(gbConta);
    cbTipoConta->setObjectName(QStringLiteral("cbTipoConta"));
    cbTipoConta->setGeometry(120, 18, 160, 24);
    DefineDica(cbTipoConta, QLatin1String(kTipoConta) + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
    lbConta = rotulo(gbConta, "lbConta", QRect(290, 18, 60, 24));
    EdConta = edit(gbConta, "EdConta", 13, QRect(350, 18, 150, 24), msg::MsgConta);
    EdDigito = edit(gbConta, "EdDigito", 2, QRect(510, 18, 40, 24), msg::MsgDigitoConta);
    lbBanco = rotulo(gbConta, "lbBanco", QRect(8, 50, 60, 24));
    EdBanco = edit(gbConta, "EdBanco", 3, QRect(70, 50, 60, 24), msg::MsgBanco);
    lbAgencia = rotulo(gbConta, "lbAgencia", QRect(150, 50, 70, 24));
    EdAgencia = edit(gbConta, "EdAgencia", 4, QRect(220, 50, 70, 24), msg::MsgAgencia);
    lbC1 = rotulo(gbConta, "lbC1", QRect(310, 50, 40, 24));
    EdC1 = edit(gbConta, "EdC1", 1, QRect(350, 50, 40, 24), msg::MsgDigitoC1);

    QWidget* ordem[] = {edValor,  edValorDinheiro,   edQtdeChq,   edValorCheque, cbTipoPessoa,
                        edCPFCGC, edNomeDepositante, cbTipoConta, EdConta,       EdDigito,
                        EdBanco,  EdAgencia,         EdC1,        btConfirma,    btRetorna};
    for (size_t i = 1; i < std::size(ordem); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);

    connect(cbTipoPessoa, &QComboBox::currentIndexChanged, this,
            [this] { Protegido([this] { ComboBoxTipoPessoaChange(cbTipoPessoa, lbCPFCGC, edCPFCGC, 0); }); });
    // The button and the self-confirming timer run the deposit's own flow.
    disconnect(btConfirma, &QAbstractButton::clicked, this, nullptr);
    LigaClique(btConfirma, [this] { btConfirmaClick(); });
    RedefineClique(TClique, [this] {
        if (ModalResult() == mrNone && btConfirma->isVisible() && btConfirma->isEnabled()) btConfirmaClick();
    });
}

void TFrmDinChq_Dep::IniciaCamposForm() {
    TFrmDeposito_Trn::IniciaCamposForm();
    // Nobody's card is read: there is no PIN to ask for.
    CapturaSenha = false;
    lbTipoConta->setText(Texto(msg::InfoTipoConta));
    lbBanco->setText(Texto(msg::InfoBanco));
    lbAgencia->setText(Texto(msg::InfoAgencia));
    lbC1->setText(Texto(msg::InfoC1));
    lbConta->setText(Texto(msg::InfoConta));
    lbQtdeChq->setText(Texto(msg::InfoQtdeCheque));
    lbTipoPessoa->setText(Texto(msg::InfoTipoPessoa));
    lbCPFCGC->setText(Texto(msg::InfoCPF));
    lbNomeDepositante->setText(QStringLiteral("Nome:"));
    lbValorDinheiro->setText(QStringLiteral("Valor Dinheiro:"));
    lbValorCheque->setText(QStringLiteral("Valor Cheque:"));

    const auto& tipos = Lumomain::ServicoHzinho_TipoDeposito;
    const bool dinheiro = tipos.texto(25, 1) == QLatin1String("1");
    const bool cheque = tipos.texto(26, 1) == QLatin1String("1");
    lbValorDinheiro->setVisible(dinheiro);
    edValorDinheiro->setVisible(dinheiro);
    for (QWidget* w : {static_cast<QWidget*>(lbQtdeChq), static_cast<QWidget*>(edQtdeChq),
                       static_cast<QWidget*>(lbValorCheque), static_cast<QWidget*>(edValorCheque)})
        w->setVisible(cheque);

    cbTipoConta->clear();
    const auto& contas = Lumomain::ServicoHzinho_TipoContaAceitaDeposito;
    if (contas.texto(25, 1) == QLatin1String("1")) cbTipoConta->addItem(Texto(msg::InfoTipoContaCorrente));
    if (contas.texto(26, 1) == QLatin1String("1")) cbTipoConta->addItem(Texto(msg::InfoTipoContaPoupanca));
    cbTipoConta->setCurrentIndex(-1);

    {
        const QSignalBlocker b(cbTipoPessoa);
        cbTipoPessoa->clear();
        cbTipoPessoa->addItems({Texto(msg::InfoTipoPessoaFisica), Texto(msg::InfoTipoPessoaJuridica),
                                QStringLiteral("Não Identificado")});
        cbTipoPessoa->setCurrentIndex(-1);
    }
    lbCPFCGC->hide();
    edCPFCGC->hide();
    DefineTitulo(Texto(msg::TituloConsultaDadosContaDeposito));
    Descritor = &TrnConsultaDeposito;
}

bool TFrmDinChq_Dep::eventFilter(QObject* objeto, QEvent* e) {
    if (e->type() == QEvent::FocusIn) {
        // The group the operator is filling stands out by its title.
        for (QGroupBox* g : {gbDepositante, gbConta})
            g->setStyleSheet(g->isAncestorOf(qobject_cast<QWidget*>(objeto))
                                 ? QStringLiteral("QGroupBox::title { color: #f0c040; }")
                                 : QString());
    }
    return TFrmDeposito_Trn::eventFilter(objeto, e);
}

int TFrmDinChq_Dep::QtdeCheques() const {
    return static_cast<int>(Digitos(edQtdeChq->text(), 0));
}

bool TFrmDinChq_Dep::RepeteCampo(const QString& mensagem, QWidget* controle) {
    ExibeMsgErroRepeteCampo(mensagem, controle, pnCaptura);
    return false;
}

bool TFrmDinChq_Dep::ValidaCamposForm() {
    if (!TFrmDeposito_Trn::ValidaCamposForm()) return false;
    const int qtde = QtdeCheques();
    if (edValorDinheiro->isHidden() && !edValorCheque->isHidden() && qtde == 0)
        return RepeteCampo(Texto(msg::ErroQuantidadeChequesInvalidaDeposito), edQtdeChq);
    const long long total = Digitos(edValor->text(), 0);
    const long long dinheiro = Digitos(edValorDinheiro->text(), 0);
    const long long cheque = Digitos(edValorCheque->text(), 0);
    if (total != dinheiro + cheque)
        return RepeteCampo(Texto(msg::ErroSomaValoresDepositoIncorreta),
                           edValorDinheiro->isVisibleTo(this) && edValorDinheiro->isEnabledTo(pnCaptura)
                               ? edValorDinheiro
                               : edValorCheque);
    if (qtde > MAX_CHEQUES)
        return RepeteCampo(
            Lumomain::Formata(msg::ErroQuantidadeChequesInvalidaMax, {QString::number(MAX_CHEQUES)}),
            edQtdeChq);
    if (qtde >= 1 && cheque == 0)
        return RepeteCampo(Texto(msg::ErroValorChequeInvalidoDeposito), edValorCheque);
    if (qtde == 0 && cheque > 0)
        return RepeteCampo(Texto(msg::ErroQuantidadeChequesInvalidaExisteValorDeposito), edQtdeChq);
    const int pessoa = cbTipoPessoa->currentIndex();
    const QString documento = Documentos::Digitado(edCPFCGC);
    if (pessoa < 0) return RepeteCampo(Texto(msg::ErroTipoPessoaInvalido), cbTipoPessoa);
    if (pessoa == 0 && !host::VerificaCPF(documento))
        return RepeteCampo(Texto(msg::ErroCPFInvalido), edCPFCGC);
    if (pessoa == 1 && !host::VerificaCNPJ(documento))
        return RepeteCampo(Texto(msg::ErroCNPJInvalido), edCPFCGC);
    if (cbTipoConta->currentIndex() < 0) return RepeteCampo(Texto(msg::ErroTipoContaInvalida), cbTipoConta);
    const std::pair<QLineEdit*, const char*> conta[] = {{EdConta, msg::ErroContaInvalida},
                                                        {EdDigito, msg::ErroDigitoInvalido},
                                                        {EdBanco, msg::ErroBancoInvalido},
                                                        {EdAgencia, msg::ErroAgenciaInvalida}};
    for (const auto& [ed, mensagem] : conta)
        if (ed->isEnabledTo(pnCaptura) && ed->text().trimmed().isEmpty())
            return RepeteCampo(Texto(mensagem), ed);
    return true;
}

bool TFrmDinChq_Dep::GravaCamposHostlink() {
    if (!TFrmDeposito_Trn::GravaCamposHostlink()) return false;
    if (!Grava(10103, Lumomain::GrupoPagto) || !Grava(10158, QStringLiteral("15"))) return false;
    const bool corrente = Lumomain::ServicoHzinho_TipoContaAceitaDeposito.texto(25, 1) == QLatin1String("1");
    const QString tipo =
        cbTipoConta->count() == 1
            ? (corrente ? QStringLiteral("01") : QStringLiteral("02"))
            : (cbTipoConta->currentIndex() == 0 ? QStringLiteral("01") : QStringLiteral("02"));
    if (!Grava(10102, tipo)) return false;
    Tabelatrn::CopiaTexto(acDadosContaDeposito, ChaveConta());
    static const char* const pessoas[] = {"F", "J", "N"};
    const int qtde = QtdeCheques();
    if (!Grava(1006, QLatin1String(pessoas[std::max(0, cbTipoPessoa->currentIndex()) % 3])) ||
        !Grava(1007, Documentos::Digitado(edCPFCGC)) || !Grava(10199, edNomeDepositante->text()) ||
        !Grava(10183, host::RemoveFormato(edValorDinheiro->text())) ||
        !Grava(10184, host::RemoveFormato(edValorCheque->text())) || !Grava(10189, edQtdeChq->text()))
        return false;
    AjustesPedido.documentos = static_cast<uint16_t>(qtde);
    return true;
}

QString TFrmDinChq_Dep::ChaveConta() const {
    return EdBanco->text().trimmed().rightJustified(3, QLatin1Char('0')) +
           EdAgencia->text().trimmed().rightJustified(4, QLatin1Char('0')) +
           (EdC1->text().isEmpty() ? QStringLiteral(" ") : EdC1->text().left(1)) +
           EdConta->text().trimmed().rightJustified(13, QLatin1Char('0')) +
           EdDigito->text().trimmed().rightJustified(2, QLatin1Char('0'));
}

const TTabelaTrn& TFrmDinChq_Dep::DescritorConsulta() const {
    return TrnConsultaDeposito;
}

const TTabelaTrn& TFrmDinChq_Dep::DescritorDeposito() const {
    return TrnDeposito;
}

void TFrmDinChq_Dep::btConfirmaClick() {
    Confirma([this] { return ValidaCamposForm() && GravaCamposHostlink(); }, [this] { ConfirmaDeposito(); });
}

bool TFrmDinChq_Dep::VerificaExibeDadosConfirmacaoDeposito(const QString& resposta) {
    if (ConsultaDeposito::Le(resposta).SemDados()) {
        Grava(1027, Texto(msg::ErroSemDadosFavorecido));
        return false;
    }
    const std::unique_ptr<TFrmCnfDdsDp> confirmacao(TFrmMod::Cria<TFrmCnfDdsDp>(this));
    if (!confirmacao) return false;
    confirmacao->DefineDados(resposta, host::LeCampo(1003));
    return confirmacao->Executa() != mrCancel;
}

void TFrmDinChq_Dep::ConfirmaDeposito() {
    DefineMensagem(Texto(msg::MsgEmProcessamento));
    Lumomain::ProcessaMensagens();
    if (!PreparaConsulta()) {
        HabilitaControles(true);
        FocaPrimeiroControle();
        return;
    }
    Descritor = &DescritorConsulta();
    if (VerificaAutorizaTransacao() != 0) {
        Conclui();
        return;
    }
    AposConsulta();
    // From here an abandoned deposit is the operator's.
    Grava(1027, Texto(msg::ErroFinalizadoOper));
    Grava(1009, QStringLiteral("255"));
    const QString resposta = host::deLatin1(host::LeCampoBytes(20010, 0, 82));
    if (resposta.isEmpty()) {
        host::EnviaArquivoErroPDV(255, Texto(msg::ErroSemDadosFavorecido));
        setModalResult(mrOk);
        return;
    }
    if (!VerificaExibeDadosConfirmacaoDeposito(resposta)) {
        host::GravaArquivo();
        setModalResult(mrOk);
        return;
    }
    Grava(10240, resposta.mid(4, 20));
    const int qtde = QtdeCheques();
    if (qtde > 0) {
        const std::unique_ptr<TFrmColetaDadosChq> cheques(TFrmMod::Cria<TFrmColetaDadosChq>(this));
        if (!cheques || cheques->Executa() != mrOk) {
            HabilitaControles(true);
            FocaPrimeiroControle();
            return;
        }
    }
    Grava(10158, OperacaoDeposito());
    const long long dinheiro = host::LeCampoInteiro(10183, 0, 0);
    const long long cheque = host::LeCampoInteiro(10184, 0, -1);
    // A deposit of cheques alone brings no cash for the central bank's record.
    if (dinheiro <= 0 && cheque > 0) {
        SemDadosBacen();
    } else if (!VerificaColetaDadosCircularBacen(true)) {
        Grava(1027, Texto(msg::ErroOperacaoCancelada));
        Grava(1009, QStringLiteral("FF"));
        HabilitaControles(true);
        FocaPrimeiroControle();
        return;
    }
    Descritor = &DescritorDeposito();
    DefineMensagem(Texto(msg::MsgEmProcessamento));
    if (VerificaAutorizaTransacao() != 0) {
        const QString recusa = host::deLatin1(host::LeCampoBytes(20010, 0, 355));
        if (!recusa.isEmpty()) {
            const QStringList retornos = RetornosCheques(recusa, qtde);
            for (int i = 0; i < retornos.size(); ++i)
                Grava(1120, retornos.at(i), i);
        }
    }
    Conclui();
}

void TFrmDinChq_Dep::Conclui() {
    const QString texto = host::LeCampo(20013);
    if (!texto.isEmpty()) DefineMensagem(texto);
    Lumomain::ProcessaMensagens();
    host::GravaArquivo();
    setModalResult(mrOk);
    HabilitaControles(true);
}
