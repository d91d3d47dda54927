#include "frame/Menumodelolumo.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "host/IniFile.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace Menumodelolumo {

bool QualquerModo(int, bool chaves) {
    return chaves;
}

bool ForaCNC(int, bool chaves) {
    return chaves && !Lumomain::TrnCNC;
}

bool SoCNC(int, bool chaves) {
    return chaves && Lumomain::TrnCNC;
}

Configuracao::Configuracao() = default;

Configuracao::~Configuracao() = default;

bool Configuracao::operator()(const char* chave, bool padrao) const {
    if (!ini_) ini_ = std::make_unique<IniFile>(IniFile::NoDiretorioHost(QStringLiteral("ClienteTrn.ini")));
    return ini_->LeBool(QStringLiteral("CorrespondenteBancario"), QLatin1String(chave), padrao);
}

} // namespace Menumodelolumo

using namespace Menumodelolumo;

TFrmMnu_Mod::TFrmMnu_Mod(QWidget* pai, const QString& nome, const char* titulo, const char* mensagem)
    : TFrmMod(pai, nome), titulo_(titulo), mensagem_(mensagem) {
    pnMenu = new QFrame(this);
    pnMenu->setObjectName(QStringLiteral("pnMenu"));
    pnMenu->setFrameShape(QFrame::Box);
    pnMenu->setGeometry(146, 56, 330, 306);
    QWidget* anterior = nullptr;
    auto criaBotao = [&](const QString& nomeBotao, int linha) {
        auto* b = new QPushButton(pnMenu);
        b->setObjectName(nomeBotao);
        b->setGeometry(10, 6 + linha * 33, 310, 30);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::StrongFocus);
        if (anterior) setTabOrder(anterior, b);
        anterior = b;
        return b;
    };
    for (size_t i = 0; i < spOpcao.size(); ++i) {
        spOpcao[i] = criaBotao(QStringLiteral("spOpcao%1").arg(i + 1), static_cast<int>(i));
        spOpcao[i]->hide();
        LigaClique(spOpcao[i], [this, i] { ExecutaOpcao(i); });
    }
    spEncerra = criaBotao(QStringLiteral("spEncerra"), 8);
    spEncerra->setText(QString::fromUtf8(msg::OpcaoEncerra));
    LigaClique(spEncerra, [this] { spEncerraClick(); });

    TClique = CriaClique([this] { TCliqueTimer(); });
}

bool TFrmMnu_Mod::FormCreate() {
    if (!TFrmMod::FormCreate()) return false;
    IniciaFormularioMenu();
    VerificaOpcoesHabilitadas();
    ClicouOpcao = false;
    return true;
}

void TFrmMnu_Mod::FormShow() {
    TFrmMod::FormShow();
    lbMensagem->setVisible(true);
    DefineMensagem(QString::fromUtf8(mensagem_ ? mensagem_ : msg::MsgFuncaoAdministrativa));
}

void TFrmMnu_Mod::FormActivate() {
    TFrmMod::FormActivate();
    VerificaSomente1Opcao();
}

void TFrmMnu_Mod::IniciaFormularioMenu() {
    if (titulo_) DefineTitulo(QString::fromUtf8(titulo_));
    for (size_t i = 0; i < opcoes_.size(); ++i)
        DefineOpcao(static_cast<int>(i + 1), QString::fromUtf8(opcoes_[i].texto));
}

bool TFrmMnu_Mod::Oferecida(size_t i, const Chaves& chaves, Regra regra, const Configuracao& configuracao) {
    const bool ligadas = !chaves.nomes[0] || std::ranges::any_of(chaves.nomes, [&](const char* chave) {
        return chave && configuracao(chave, chaves.padrao);
    });
    return regra(static_cast<int>(i + 1), ligadas);
}

void TFrmMnu_Mod::VerificaOpcoesHabilitadas() {
    const Configuracao configuracao;
    for (size_t i = 0; i < opcoes_.size(); ++i)
        spOpcao[i]->setEnabled(Oferecida(i, opcoes_[i].chaves, opcoes_[i].regra, configuracao));
}

void TFrmMnu_Mod::ExecutaOpcao(size_t i) {
    if (i >= opcoes_.size()) return;
    HabilitaDesabilitaBotoes(false);
    if ((this->*opcoes_[i].acao)() && ModalResult() == mrNone) AposOpcao();
}

void TFrmMnu_Mod::AposOpcao() {
    HabilitaDesabilitaBotoes(true);
}

void TFrmMnu_Mod::DefineOpcao(int numero, const QString& texto) {
    QPushButton* b = spOpcao.at(static_cast<size_t>(numero - 1));
    b->setText(QStringLiteral("&%1 - %2").arg(numero).arg(texto));
    b->show();
}

void TFrmMnu_Mod::VerificaSomente1Opcao() {
    if (!spEncerra->isEnabled() || ClicouOpcao) return;
    QPushButton* primeira = nullptr;
    int disponiveis = 0;
    for (QPushButton* b : spOpcao) {
        if (b->isVisibleTo(this) && b->isEnabled()) {
            if (!primeira) primeira = b;
            ++disponiveis;
        }
    }
    if (disponiveis <= 1) {
        Tag = disponiveis;
        TClique->start();
    } else {
        primeira->setFocus(Qt::TabFocusReason);
    }
}

void TFrmMnu_Mod::TCliqueTimer() {
    TClique->stop();
    // The operator may have acted first (type-ahead): then the menu is busy or closing and the choice is
    // void.
    if (ModalResult() != mrNone || !spEncerra->isEnabled()) return;
    FocaPrimeiroControle();
    if (Tag == 0) {
        setModalResult(mrOk);
        host::EnviaArquivoErroPDV(255, QString::fromUtf8(msg::MsgTransacaoNaoHabilitada));
    } else if (Tag == 1) {
        ClicouOpcao = true;
        if (auto* b = qobject_cast<QAbstractButton*>(focusWidget()); b && b != spEncerra && b->isEnabled())
            ClicaProprio(b);
    }
}

void TFrmMnu_Mod::HabilitaDesabilitaBotoes(bool habilita) {
    if (habilita) {
        VerificaOpcoesHabilitadas();
        DefineMensagem(QString::fromUtf8(msg::MsgFuncaoAdministrativa));
        Lumomain::ProcessaMensagens();
    } else {
        // Work has started: a pending automatic choice must not fire while the messages below are processed.
        TClique->stop();
        DefineMensagem(QString::fromUtf8(msg::MsgEmProcessamento));
        Lumomain::ProcessaMensagens();
        for (QPushButton* b : spOpcao)
            b->setEnabled(false);
    }
    spEncerra->setEnabled(habilita);
    FocaPrimeiroControle();
}

void TFrmMnu_Mod::spEncerraClick() {
    HabilitaDesabilitaBotoes(false);
    Encerra(QStringLiteral("FF"), QString::fromUtf8(msg::ErroFinalizadoOper));
}

bool TFrmMnu_Mod::TransacaoNaoHabilitada() {
    host::EnviaArquivoErroPDV(255, QString::fromUtf8(msg::MsgTransacaoNaoHabilitada));
    setModalResult(mrOk);
    return false;
}

bool TFrmMnu_Mod::TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB() {
    host::LimpaCampo(10154);
    host::GravaCampoString(10154, 0, QStringLiteral(" "));
    host::GravaCampoString(10154, 1, QStringLiteral(" "));
    const auto& registro = Lumomain::ServicoHzinho_21_Informacoes_Gerais_CB;
    const int n = registro.inteiro(25, 3, 0);
    const int m = registro.inteiro(28, 1, -1);
    if (n > 0 && host::GravaCampoString(10154, 0, QString::number(n)) != 0) return false;
    if (m > 0) host::GravaCampoString(10154, 1, QString::number(m));
    return true;
}

bool TFrmMnu_Mod::ConfirmaNomeProprietario(const QString& nome) {
    host::GravaAudit(QStringLiteral("ConfirmaNomeProprietario"));
    return Lumomain::PerguntaSimNao(nome, {}, this);
}

bool TFrmMnu_Mod::TrataConfirmacaoProprietarioCartaoPrePago() {
    host::GravaAudit(QStringLiteral("Entra: TrataConfirmacaoProprietarioCartaoPrePago."));
    const QString nome = Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.texto(16, 30).trimmed();
    if (nome.isEmpty()) {
        const QString erro = QString::fromUtf8(msg::ErroNomeProprietarioInvalido);
        Lumomain::MostraMensagem(Lumomain::Icone::Erro, erro, this);
        host::EnviaArquivoErroPDV(255, erro);
        host::GravaArquivo();
        return false;
    }
    if (ConfirmaNomeProprietario(nome)) {
        host::GravaAudit(QStringLiteral("Saiu: TrataConfirmacaoProprietarioCartaoPrePago."));
        return true;
    }
    host::EnviaArquivoErroPDV(255, QString::fromUtf8(msg::ErroFinalizadoOper));
    host::GravaArquivo();
    return false;
}
