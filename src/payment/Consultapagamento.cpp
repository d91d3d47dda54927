#include "payment/Consultapagamento.h"

#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "payment/Capturavalortotalmodelo.h"
#include "payment/Coletacampocpfcnpjdadosadicionaisboletoregistrado.h"
#include "payment/Consultacodigobarras.h"
#include "payment/Estadocontas.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "protocol/Variaveis.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace Consultapagamento {

using namespace Tabelatrn::Notacao;

constinit std::array<char, 64> NUMERO_DOCUMENTO{};

CB_DESCRITOR(Consultapagamento, TrnConsultaPagamento,
             Descritor(242, 0,
                       {A, F(10102), F(10102, 1), F(10102, 2), F(10102, 3), F(10102, 4), F(1040),
                        K(NUMERO_DOCUMENTO).fmt(4), F(10102, 5).fmt(5), F(10439, "BOLREG:")}));

QString FormataValor(const QString& valor, bool virgula) {
    const QString t = valor.trimmed();
    const auto separador = std::max(t.lastIndexOf(QLatin1Char(',')), t.lastIndexOf(QLatin1Char('.')));
    if (separador < 0) return virgula ? t + QStringLiteral(",00") : host::Dollar(t + QStringLiteral("00"));
    const QString decimais = t.mid(separador + 1);
    if (decimais.size() == 1) return t + QLatin1Char('0');
    if (decimais.size() == 2) return t;
    QString inteiro = t.left(separador);
    inteiro.remove(QLatin1Char('.')).remove(QLatin1Char(','));
    long long centavos = inteiro.toLongLong() * 100 + decimais.left(2).toLongLong();
    if (decimais.at(2).digitValue() >= 5) ++centavos;
    return QStringLiteral("%1,%2").arg(centavos / 100).arg(centavos % 100, 2, 10, QLatin1Char('0'));
}

} // namespace Consultapagamento

using namespace Lumomain;

TFrmCPG_CAP* FrmCPG_CAP = nullptr;

namespace {

using msg::Texto;

using host::Grava;

long long Numero(const QString& texto) {
    bool ok = false;
    const long long v = texto.trimmed().toLongLong(&ok);
    return ok ? v : 0;
}

// An amount edit's value in cents (an empty edit is 0).
long long Centavos(const QLineEdit* edit) {
    return EdicaoValor::Centavos(edit->text());
}

void MostraValor(QLineEdit* edit, long long centavos) {
    edit->setText(host::Dollar(QString::number(centavos)));
}

long long ValorQ082(std::size_t posicao) {
    return Numero(TabelaServicoQ_082_DadosConsultaCodigoBarras.texto(posicao, 12));
}

long long ValorH045(std::size_t posicao) {
    return Numero(ServicoHzinho_45_DadosBoletoRegistrado.texto(posicao, 12));
}

bool Campo(int campo, const char* valor) {
    return host::LeCampo(campo) == QLatin1String(valor);
}

QLabel* Rotulo(QWidget* pai, const char* nome, const char* texto, const QRect& posicao) {
    auto* l = new QLabel(QString::fromUtf8(texto), pai);
    l->setObjectName(QLatin1String(nome));
    l->setGeometry(posicao);
    return l;
}

QLineEdit* CampoValor(QWidget* pai, const char* nome, const QRect& posicao) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(QLatin1String(nome));
    e->setGeometry(posicao);
    e->setMaxLength(12);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setContextMenuPolicy(Qt::NoContextMenu);
    EdicaoValor::Configura(e);
    return e;
}

// "ddmmyyyy" of a date edit ("dd/mm/yyyy"), or of a server date "yyyymmdd".
QString DataDoServidor(const QString& aaaammdd) {
    return aaaammdd.mid(6, 2) + aaaammdd.mid(4, 2) + aaaammdd.left(4);
}

QString ComBarras(const QString& ddmmaaaa) {
    return ddmmaaaa.left(2) + QLatin1Char('/') + ddmmaaaa.mid(2, 2) + QLatin1Char('/') + ddmmaaaa.mid(4, 4);
}

constexpr std::size_t POS_TOTAL = 25, POS_VALOR = 26, POS_ACRESCIMOS = 27, POS_DESCONTO = 28, POS_DATA = 29,
                      POS_MULTA = 30, POS_JUROS = 31;

} // namespace

TFrmCPG_CAP::TFrmCPG_CAP(QWidget* pai) : TFrmCAP_Mod(pai, QString()) {
    captura.Redefine(GradeCodigo(QRect(16, 50, 590, 92)));
    pnValores = new QFrame(this);
    pnValores->setObjectName(QStringLiteral("pnValores"));
    pnValores->setFrameShape(QFrame::Box);
    pnValores->setGeometry(16, 146, 590, 166);

    lbValor = Rotulo(pnValores, "lbValor", msg::InfoValorDocumento, QRect(8, 6, 140, 24));
    edValor = CampoValor(pnValores, "edValor", QRect(150, 6, 130, 24));
    lbVencimento = Rotulo(pnValores, "lbVencimento", msg::InfoVencimento, QRect(300, 6, 120, 24));
    edVencimento = new QLineEdit(pnValores);
    edVencimento->setObjectName(QStringLiteral("edVencimento"));
    edVencimento->setGeometry(430, 6, 130, 24);
    edVencimento->setInputMask(QStringLiteral("99/99/9999;_"));
    lbacrescimos = Rotulo(pnValores, "lbacrescimos", msg::InfoAcrescimos, QRect(8, 36, 140, 24));
    edAcrescimos = CampoValor(pnValores, "edAcrescimos", QRect(150, 36, 130, 24));
    lbValorMulta = Rotulo(pnValores, "lbValorMulta", msg::InfoValorMulta, QRect(300, 36, 120, 24));
    edValorMulta = CampoValor(pnValores, "edValorMulta", QRect(430, 36, 130, 24));
    lbValorJuros = Rotulo(pnValores, "lbValorJuros", msg::InfoValorJuros, QRect(300, 66, 120, 24));
    edValorJuros = CampoValor(pnValores, "edValorJuros", QRect(430, 66, 130, 24));
    gbDescontos = new QGroupBox(QStringLiteral("Descontos:"), pnValores);
    gbDescontos->setObjectName(QStringLiteral("gbDescontos"));
    gbDescontos->setGeometry(8, 70, 286, 70);
    lbDescontos = Rotulo(gbDescontos, "lbDescontos", msg::InfoValorDescontos, QRect(6, 32, 46, 24));
    edDesconto = CampoValor(gbDescontos, "edDesconto", QRect(52, 32, 76, 24));
    lbPorcentagem = Rotulo(gbDescontos, "lbPorcentagem", msg::InfoPorcentagem, QRect(132, 32, 100, 24));
    edPorcentagem = CampoValor(gbDescontos, "edPorcentagem", QRect(234, 32, 46, 24));
    lbValorTotal = Rotulo(pnValores, "lbValorTotal", msg::InfoValorAutorizado, QRect(300, 130, 120, 24));
    edValorTotal = CampoValor(pnValores, "edValorTotal", QRect(430, 130, 130, 24));

    QWidget* ordem[] = {edValor,    edVencimento,  edAcrescimos, edValorMulta, edValorJuros,
                        edDesconto, edPorcentagem, edValorTotal, btConfirma};
    setTabOrder(ed_bloco4_12, edValor);
    for (std::size_t i = 0; i + 1 < std::size(ordem); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);
    for (QWidget* w : ordem)
        w->installEventFilter(this);
    for (QLineEdit* e : pnValores->findChildren<QLineEdit*>())
        e->setEnabled(false);
}

QString TFrmCPG_CAP::DataVencimento() const {
    return Modo(POS_DATA) == 3 ? DataDoServidor(Contas::ServACB.texto(16, 8))
                               : host::RemoveFormato(edVencimento->text());
}

int TFrmCPG_CAP::Modo(std::size_t posicao) {
    const char c = Contas::ServACB.dados[posicao];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

long long TFrmCPG_CAP::ValorDocumento() const {
    return Modo(POS_VALOR) == 3 ? Numero(Contas::ServACB.texto(4, 12)) : Centavos(edValor);
}

void TFrmCPG_CAP::EspalhaServicoRede() {
    const auto& rede = Contas::ServicoACB_ACP_Rede.dados;
    std::copy_n(rede.begin(), 30, Contas::ServACB.dados.begin());
    std::copy_n(rede.begin(), 16, Contas::ServACP.dados.begin());
    std::copy_n(rede.begin() + 30, 4, Contas::ServACP.dados.begin() + 16);
    std::copy_n(rede.begin() + 34, 2, Contas::ServACP.dados.begin() + 60);
    std::copy_n(rede.begin(), 4, Contas::ServACPP.dados.begin());
    std::copy_n(rede.begin() + 36, 3, Contas::ServACPP.dados.begin() + 4);
    const int flags[] = {Contas::iTrataValorMulta, Contas::iTrataValorJurosMora, Contas::iTrataBeneficiario,
                         Contas::iTrataSacadorAvalista, Contas::iTrataPagador};
    for (std::size_t i = 0; i < std::size(flags); ++i)
        Contas::ServACB.dados[30 + i] =
            flags[i] > 0 && flags[i] <= 9 ? static_cast<char>('0' + flags[i]) : '0';
    VerificaTrataServicoQ_082();
}

void TFrmCPG_CAP::IniciaCamposForm() {
    // Not the capture's opening: this dialog shows the document being queried and leaves the payment's
    // state (entry kind, document limit) as the capture set it.
    lbValor->setText(Texto(msg::InfoValorDocumento));
    lbVencimento->setText(Texto(msg::InfoVencimento));
    lbacrescimos->setText(Texto(msg::InfoAcrescimos));
    lbValorMulta->setText(Texto(msg::InfoValorMulta));
    lbValorJuros->setText(Texto(msg::InfoValorJuros));
    lbDescontos->setText(Texto(msg::InfoValorDescontos));
    lbPorcentagem->setText(Texto(msg::InfoPorcentagem));
    lbValorTotal->setText(Texto(msg::InfoValorAutorizado));
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    DefineTitulo(QStringLiteral("Consulta Pagamento"));
    Tag = 2;
    LimpaBlocoCB(0);
    LimpaBlocoCB(1);
    edTpEntrada->setText(host::LeCampo(1040).trimmed());
    EdDoc->setText(host::LeCampo(1041, IndiceAtual).trimmed());
    edTpEntrada->setEnabled(false);
    EdDoc->setEnabled(false);
    for (QLineEdit* e : pnValores->findChildren<QLineEdit*>())
        e->setEnabled(false);

    Descritor = &Consultapagamento::TrnConsultaPagamento;
    const auto servico = host::LeCampoBytesPresente(20010, 0, 78);
    Contas::ServACB.limpa();
    Contas::ServicoACB_ACP_Rede.limpa();
    Contas::ServACP.limpa();
    bRede_ = Campo(10404, "1") && Campo(10112, "005") && !iVeioServicoh45;
    if (!servico) return;
    if (bRede_) {
        // The limit of documents travels in this record in the network variant; elsewhere it stays as the
        // payment's start brought it.
        Contas::ServACPP.limpa();
        Contas::ServicoACB_ACP_Rede.atribui(*servico);
        EspalhaServicoRede();
    } else {
        Contas::ServACB.atribui(std::string_view(*servico).substr(0, 37));
    }

    if (Campo(10404, "1") && Campo(10112, "005") &&
        TabelaServicoQ_082_DadosConsultaCodigoBarras.inteiro(60, 2, 0) > 0) {
        host::GravaAudit(QStringLiteral("Entrou: TrataResumoPagamentoRedeItau"));
        if (!TrataResumoPagamentoRedeItau()) {
            host::GravaAudit(QStringLiteral("Saiu Erro: TrataResumoPagamentoRedeItau"));
            return;
        }
    }
    const bool q082 = Campo(10404, "1") && Campo(10447, "1");
    const bool redeQ082 = Campo(10404, "1");

    const long long valorServidor = Numero(Contas::ServACB.texto(4, 12));
    switch (Modo(POS_VALOR)) {
    case 1:
    case 4:
        MostraValor(edValor, valorServidor);
        edValor->setEnabled(true);
        dValor = valorServidor;
        break;
    case 2:
        MostraValor(edValor, valorServidor);
        break;
    default:
        break;
    }

    const QString dataVenc = Contas::ServACB.texto(16, 8);
    const bool semData = dataVenc.isEmpty() || dataVenc == QLatin1String("00000000");
    switch (Modo(POS_DATA)) {
    case 1:
    case 4:
        if (!semData) {
            edVencimento->setText(ComBarras(DataDoServidor(dataVenc)));
            edVencimento->setEnabled(true);
        } else if (const QString host1113 = host::LeCampo(1113).trimmed(); !host1113.isEmpty()) {
            edVencimento->setText(ComBarras(host1113));
        } else {
            edVencimento->clear();
            edVencimento->setEnabled(true);
        }
        break;
    case 2:
        if (!semData) edVencimento->setText(ComBarras(DataDoServidor(dataVenc)));
        break;
    case 3:
        if (semData) {
            lbVencimento->hide();
            edVencimento->hide();
        }
        break;
    default:
        break;
    }

    switch (Modo(POS_ACRESCIMOS)) {
    case 2:
        if (q082)
            MostraValor(edAcrescimos, ValorQ082(24));
        else if (iVeioServicoh45)
            MostraValor(edAcrescimos, ValorH045(79));
        break;
    case 1:
    case 4:
        if (q082 && ValorQ082(24) > 0) {
            TagAcrescimos = 1;
            MostraValor(edValorMulta, ValorQ082(12));
            MostraValor(edValorJuros, ValorQ082(0));
            edValorMulta->setEnabled(true);
        } else {
            edAcrescimos->setEnabled(true);
        }
        break;
    default:
        break;
    }

    switch (Modo(POS_DESCONTO)) {
    case 2:
        if (q082)
            MostraValor(edDesconto, ValorQ082(36));
        else if (iVeioServicoh45)
            MostraValor(edDesconto, ValorH045(91));
        break;
    case 1:
    case 4:
        if (redeQ082 && ValorQ082(36) > 0) {
            MostraValor(edDesconto, ValorQ082(36));
            dValorDesconto = ValorQ082(36);
            TagDescontos = 1;
        }
        edDesconto->setEnabled(true);
        edPorcentagem->setEnabled(true);
        break;
    default:
        break;
    }

    switch (Modo(POS_TOTAL)) {
    case 2:
        if (q082)
            MostraValor(edValorTotal, ValorQ082(48));
        else if (iVeioServicoh45)
            MostraValor(edValorTotal, ValorH045(103));
        break;
    case 1:
    case 4:
        if (redeQ082 && ValorQ082(48) > 0) MostraValor(edValorTotal, ValorQ082(48));
        if (iVeioServicoh45)
            MostraValor(edValorTotal, ValorH045(103));
        else
            dValorTotal = Centavos(edValorTotal);
        edValorTotal->setEnabled(true);
        break;
    default:
        break;
    }

    switch (Modo(POS_MULTA)) {
    case 1:
    case 4:
        edValorMulta->setEnabled(true);
        break;
    case 3:
        edValorMulta->setEnabled(false);
        break;
    case 2:
        if (iVeioServicoh45) MostraValor(edValorMulta, ValorH045(55));
        break;
    default:
        break;
    }
    switch (Modo(POS_JUROS)) {
    case 1:
    case 4:
        edValorJuros->setEnabled(true);
        break;
    case 2:
        if (iVeioServicoh45) MostraValor(edValorJuros, ValorH045(67));
        break;
    default:
        break;
    }
}

bool TFrmCPG_CAP::TrataResumoPagamentoRedeItau() {
    host::GravaAudit(QStringLiteral("Entrou: TrataResumoPagamentoRedeItau."));
    const long long o = Numero(Contas::ServACB.texto(4, 12));
    const long long j = ValorQ082(0), m = ValorQ082(12), a = ValorQ082(24), d = ValorQ082(36);
    if (o > 0 && a == 0 && d == 0 && Modo(POS_VALOR) == 3) {
        host::GravaAudit(
            QStringLiteral("Saiu: TrataResumoPagamentoRedeItau->Tratamento Valor Original com Flag3 "
                           "e Acrescimos e Descontos zerados."));
        return false;
    }
    const auto linha = [](const char* rotulo, long long valor) {
        return QStringLiteral("\n") + Texto(rotulo) + host::Dollar(QString::number(valor)).rightJustified(12);
    };
    QString texto;
    if (o > 0 && m > 0 && j > 0 && a > 0 && d == 0) {
        texto = Texto(msg::MsgDadosResumoPagamento) + linha(msg::MsgValorOriginal, o) +
                linha(msg::MsgValorMultaResumo, m) + linha(msg::MsgValorMora, j) +
                linha(msg::MsgValorAcrescimosResumo, m + j);
    } else if (o > 0 && d > 0 && m == 0 && j == 0) {
        texto = Texto(msg::MsgDadosResumoPagamento) + linha(msg::MsgValorOriginal, o) +
                linha(msg::MsgValorDescontosReduzido, d);
    }
    if (texto.isEmpty()) {
        host::GravaAudit(QStringLiteral("Entrou: TrataResumoPagamentoRedeItau-> Não mostra o resumo"));
        host::GravaAudit(QStringLiteral("Saiu: TrataResumoPagamentoRedeItau."));
        return true;
    }
    if (!PerguntaSimNao(texto, Texto(msg::TituloAltCestaServicos), this)) {
        Encerra();
        return false;
    }
    host::GravaAudit(QStringLiteral("Saiu: TrataResumoPagamentoRedeItau."));
    return true;
}

bool TFrmCPG_CAP::DuplaEntrada(QLineEdit* edit, long long& primeira, int modo, const char* pedeNovamente,
                               const char* naoConfere) {
    if (edit->text().trimmed().isEmpty()) edit->setText(QStringLiteral("0"));
    const long long valor = Centavos(edit);
    if (modo != 4 || valor <= 0) return true;
    if (primeira == 0) {
        primeira = valor;
        edit->clear();
        Foca(edit);
        DefineMensagem(Texto(pedeNovamente));
        return false;
    }
    if (valor != primeira) {
        MostraMensagem(Icone::Aviso, Texto(naoConfere), this);
        edit->clear();
        Foca(edit);
        return false;
    }
    return true;
}

void TFrmCPG_CAP::SaidaDeControle(QWidget* controle, QWidget* proximo) {
    if (proximo == btRetorna) return;
    if (controle == edValor)
        DuplaEntrada(edValor, valorOri, Modo(POS_TOTAL), msg::MsgValorDocumentoNovamente,
                     msg::MsgErroValorIncorreto);
    else if (controle == edAcrescimos)
        DuplaEntrada(edAcrescimos, acrescimos, Modo(POS_ACRESCIMOS), msg::MsgVlrAcrescimosNovamente,
                     msg::MsgErroVlrAcresIncorreto);
    else if (controle == edValorMulta)
        DuplaEntrada(edValorMulta, multa, Modo(POS_MULTA), msg::MsgValorMultaNovamente,
                     msg::MsgErroVlrMultaIncorreto);
    else if (controle == edValorJuros)
        // The catalogue asks for the interest again with the fine's prompt.
        DuplaEntrada(edValorJuros, juros, Modo(POS_JUROS), msg::MsgValorMultaNovamente,
                     msg::MsgErroVlrJurosMoraIncorreto);
    else if (controle == edDesconto)
        edDescontoExit();
    else if (controle == edPorcentagem)
        edPorcentagemExit();
    else if (controle == edValorTotal)
        DuplaEntrada(edValorTotal, ValorTotal, Modo(POS_TOTAL), msg::MsgVlrTotalNovamente,
                     msg::MsgErroVlrTotal);
    else
        TFrmCAP_Mod::SaidaDeControle(controle, proximo);
}

void TFrmCPG_CAP::AplicaDesconto(long long valorDesconto, bool deslocaFoco) {
    if (!DuplaEntrada(edDesconto, desconto, Modo(POS_DESCONTO), msg::MsgValorDescontoNovamente,
                      msg::MsgErroVlrDesconto))
        return;
    if (!deslocaFoco || valorDesconto == 0) return;
    if (edValorTotal->isEnabled() && edValorTotal->isVisible())
        Foca(edValorTotal);
    else
        Foca(btConfirma);
}

void TFrmCPG_CAP::edDescontoExit() {
    if (edDesconto->text().trimmed().isEmpty()) edDesconto->setText(QStringLiteral("0"));
    const long long d = Centavos(edDesconto);
    const long long v = ValorDocumento();
    if (d > v) {
        MostraMensagem(Icone::Aviso, Texto(msg::ErroValorDescontos), this);
        edDesconto->clear();
        edPorcentagem->clear();
        Foca(edDesconto);
        return;
    }
    // The percentage to three decimals, rounded to two.
    QString porcentagem = QStringLiteral("0");
    if (v != 0) {
        const long long milesimos = d * 100000 / v;
        porcentagem = Consultapagamento::FormataValor(
            QStringLiteral("%1,%2").arg(milesimos / 1000).arg(milesimos % 1000, 3, 10, QLatin1Char('0')),
            true);
    }
    edPorcentagem->setText(porcentagem);
    AplicaDesconto(d, true);
}

void TFrmCPG_CAP::edPorcentagemExit() {
    if (edPorcentagem->text().trimmed().isEmpty()) edPorcentagem->setText(QStringLiteral("0"));
    // Hundredths of a percent: 100% is 10000.
    const long long p = Centavos(edPorcentagem);
    if (p > 10000) {
        MostraMensagem(Icone::Aviso, Texto(msg::ErroPorcentagemDescontos), this);
        edDesconto->clear();
        edPorcentagem->clear();
        Foca(edPorcentagem);
        return;
    }
    const long long milesimos = p * ValorDocumento() / 1000;
    edDesconto->setText(Consultapagamento::FormataValor(
        QStringLiteral("%1,%2").arg(milesimos / 1000).arg(milesimos % 1000, 3, 10, QLatin1Char('0')), false));
    AplicaDesconto(Centavos(edDesconto), false);
}

bool TFrmCPG_CAP::ValidaValorOriginal() {
    if (ValorDocumento() != 0) return true;
    MostraMensagem(Icone::Aviso, Texto(msg::ErroValorInvalido), this);
    pnValores->setEnabled(true);
    edValor->setEnabled(true);
    edValor->clear();
    Foca(edValor);
    return false;
}

bool TFrmCPG_CAP::VerificaDataVenc() {
    if (!edVencimento->isVisible() || !edVencimento->isEnabled()) return true;
    const QString digitos = host::RemoveFormato(edVencimento->text());
    const QDate dataVenc = QDate::fromString(digitos, QStringLiteral("ddMMyyyy"));
    const auto repete = [this](const char* mensagem) {
        MostraMensagem(Icone::Aviso, Texto(mensagem), this);
        edVencimento->clear();
        Foca(edVencimento);
        return false;
    };
    if (digitos.size() < 8 || !dataVenc.isValid()) return repete(msg::ErroDataInvalida);
    if (Modo(POS_DATA) != 4) return true;
    if (!vencimento.isValid()) {
        vencimento = dataVenc;
        edVencimento->clear();
        Foca(edVencimento);
        DefineMensagem(Texto(msg::MsgDataVencimentoNovamente));
        return false;
    }
    if (dataVenc != vencimento) return repete(msg::MsgErroDataIncorreta);
    return true;
}

bool TFrmCPG_CAP::ValidaValorAcrescimos() {
    if (!edAcrescimos->isEnabled() || !edAcrescimos->isVisible()) return true;
    const long long a = Centavos(edAcrescimos);
    const long long m = Centavos(edValorMulta);
    const long long j = Centavos(edValorJuros);
    // Additions typed beside a fine or interest must be their sum.
    if ((m == 0 && j == 0) || a == m + j) return true;
    MostraMensagem(Icone::Aviso, Texto(msg::ErroValorAcrescimoNaoConfere), this);
    for (QLineEdit* e : {edValorMulta, edValorJuros}) {
        if (Centavos(e) > 0) {
            e->clear();
            e->setEnabled(true);
        }
    }
    Foca(edValorMulta);
    return false;
}

void TFrmCPG_CAP::btConfirmaClick() {
    bControlaKeyPreview = false;
    if (!ValidaValorOriginal() || !VerificaDataVenc() || !ValidaValorAcrescimos()) return;
    if (!ConfirmaResumoBoletoRegistrado()) return;
    TFrmCAP_Mod::btConfirmaClick();
}

void TFrmCPG_CAP::GravaMultaJurosContingencia(long long valorMulta, long long valorJuros) {
    using namespace DadosAdicionais;
    // The parties' dialog opened this document's record; without it the document gets one of its own.
    const bool temRegistro =
        IndiceDadosAdicionais > 0 && Le(IndiceDadosAdicionais, OFF_DOCUMENTO, 2).toInt() == IndiceAtual + 1;
    if (!temRegistro) {
        if (IndiceDadosAdicionais >= static_cast<int>(MAX_REGISTROS)) return;
        ++IndiceDadosAdicionais;
        GravaNumeroDocumento(IndiceDadosAdicionais, IndiceAtual + 1);
        GravaQuantidade(IndiceDadosAdicionais);
    }
    if (valorMulta > 0) Grava(IndiceDadosAdicionais, OFF_MULTA, 12, QString::number(valorMulta));
    if (valorJuros > 0) Grava(IndiceDadosAdicionais, OFF_JUROS, 12, QString::number(valorJuros));
}

bool TFrmCPG_CAP::GravaCamposHostlink() {
    if (!TFrmCAP_Mod::GravaCamposHostlink()) return false;
    if (!Grava(10158, QStringLiteral("32")) || !Grava(1040, edTpEntrada->text().trimmed())) return false;
    Tabelatrn::CopiaTexto(Consultapagamento::NUMERO_DOCUMENTO, host::LeCampo(1041, IndiceAtual).trimmed());
    if (!Grava(10102, QString::number(QtdeDocsConsultadosOK + 1), 0)) return false;

    for (QLineEdit* e : {edValor, edAcrescimos, edDesconto})
        if (e->text().trimmed().isEmpty()) e->setText(QStringLiteral("0"));
    if (bRede_) {
        const long long a =
            TagAcrescimos == 1 ? Centavos(edValorMulta) + ValorQ082(0) : Centavos(edAcrescimos);
        MostraValor(edAcrescimos, a);
        MostraValor(edValorTotal, ValorDocumento() + a - Centavos(edDesconto));
    }
    if (Centavos(edValorTotal) == 0)
        MostraValor(edValorTotal, Centavos(edValor) + Centavos(edAcrescimos) - Centavos(edDesconto));

    const QString dataVenc = DataVencimento();
    const QString valores[] = {QString::number(Centavos(edValorTotal)), QString::number(ValorDocumento()),
                               QString::number(Centavos(edAcrescimos)), QString::number(Centavos(edDesconto)),
                               dataVenc};
    for (int i = 0; i < 5; ++i)
        if (!Grava(10102, valores[i], i + 1)) return false;

    const long long m = Centavos(edValorMulta);
    const long long j = Centavos(edValorJuros);
    if (Campo(10447, "1") && Campo(10404, "1") && Campo(10112, "005")) {
        if (!Grava(10446, QStringLiteral("0"), 0) || !Grava(10446, QStringLiteral("0"), 1)) return false;
        if (m > 0 && !Grava(10446, QString::number(m), 0)) return false;
        if (j > 0 && !Grava(10446, QString::number(j), 1)) return false;
    } else {
        const bool comMulta = (Modo(POS_MULTA) == 1 || Modo(POS_MULTA) == 2) && m > 0;
        const bool comJuros = (Modo(POS_JUROS) == 1 || Modo(POS_JUROS) == 2) && j > 0;
        if (comMulta || comJuros) GravaMultaJurosContingencia(comMulta ? m : 0, comJuros ? j : 0);
    }
    return true;
}

void TFrmCPG_CAP::TransacaoAutorizada() {
    Contas::ServACP.atribui(host::LeCampoBytes(20010, 0, 78));
    long long s1 = Centavos(edValorTotal);
    const long long s2 = Numero(Contas::ServACP.texto(4, 12));
    bool recapturado = false;
    if (gb_CapturaValorTotalLUMO && s1 != s2) {
        FrmCapturaValorTotal_Mod = TFrmMod::Cria<TFrmCapturaValorTotal_Mod>(this);
        if (!FrmCapturaValorTotal_Mod) {
            MostraMensagem(Icone::Erro, TextoFalhaCriacao<TFrmCapturaValorTotal_Mod>(), this);
            setModalResult(mrOk);
            return;
        }
        FrmCapturaValorTotal_Mod->edDestino = edValorTotal;
        const int r = FrmCapturaValorTotal_Mod->Executa();
        delete FrmCapturaValorTotal_Mod;
        FrmCapturaValorTotal_Mod = nullptr;
        if (r == mrOk) {
            setModalResult(mrOk);
            return;
        }
        s1 = Centavos(edValorTotal);
        recapturado = true;
    }

    if (!SetaFormaPagto()) {
        MostraMensagem(Icone::Aviso, Texto(msg::MsgErroPagtoemComum), this);
        Grava(1120, QString::number(s1), IndiceAtual);
        Grava(1173, QStringLiteral("0"), IndiceAtual);
        Grava(1121, Texto(msg::MsgErroFormasPagtoEmComum), IndiceAtual);
    } else {
        ++QtdeDocsConsultadosOK;
        Contas::ConsultaPagtoOK = true;
        Grava(1120, QStringLiteral("0"), IndiceAtual);
        Grava(1173, QString::number(s1), IndiceAtual);
        Grava(1121, Texto(Contas::STATUS_CONSULTA_OK), IndiceAtual);
        const int k = QtdeDocsConsultadosOK - 1;
        const QString dataVenc = DataVencimento();
        Grava(10154, QString::number(s1), k);
        // Amounts reach the host as digits in cents, like every other amount field.
        Grava(10163, QString::number(Centavos(edValorTotal)), k);
        Grava(10164, QString::number(ValorDocumento()), k);
        Grava(10165, recapturado ? QStringLiteral("0") : QString::number(Centavos(edAcrescimos)), k);
        Grava(10166, recapturado ? QStringLiteral("0") : QString::number(Centavos(edDesconto)), k);
        Grava(10167, edTpEntrada->text().trimmed(), k);
        Grava(10168, host::LeCampo(1041, IndiceAtual).trimmed(), k);
        Grava(10169, dataVenc, k);
        IndiceDocsConsultadosOK.resize(static_cast<std::size_t>(QtdeDocsConsultadosOK), -1);
        IndiceDocsConsultadosOK[static_cast<std::size_t>(k)] = IndiceAtual;
        const long long anterior = k == 0 ? 0 : Numero(host::RemoveFormato(host::LeCampo(1003)));
        Grava(1003, QString::number(s1 + anterior));
    }
    Contas::ProximoDocumento = false;
    Volta();
}
