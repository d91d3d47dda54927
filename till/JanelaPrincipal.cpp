#include "JanelaPrincipal.h"

#include "ConferenciaTela.h"
#include "Gravador.h"
#include "JanelaPinpad.h"
#include "LeituraRoteiro.h"
#include "Modulo.h"
#include "ServidorSimulado.h"
#include "Teclado.h"
#include "Transcricao.h"

#include "Servidor.h"

#include "basekit.h"
#include "hostlink.h"
#include "padkit.h"
#include "vortasim.h"

#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <string.h>

namespace {

constexpr int kAtrasoMs = 3000;

QString LeCampoTexto(int campo) {
    char buf[1024];
    return LeCampo(buf, sizeof buf, campo, 0) < 0 ? QStringLiteral("(ausente)") : QString::fromLatin1(buf);
}

// A host field's bytes on one line, as the result file writes them: '\' doubled, control bytes as \xHH.
QString Legivel(const char* valor, int tamanho) {
    QString s;
    for (int i = 0; i < tamanho; ++i) {
        const auto c = static_cast<unsigned char>(valor[i]);
        if (c == '\\')
            s += QStringLiteral("\\\\");
        else if (c < 0x20 || c == 0x7F)
            s += QStringLiteral("\\x") + QString::number(c, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            s += QChar(c);
    }
    return s;
}

// The card read last, as the PIN pad left it in field 10104 (its track: number, then expiry YYMM and service
// code after the separator), with the number masked. The buffer that held the track is wiped.
QString CartaoLido() {
    char trilha[128] = {};
    const int n = LeCampo(trilha, sizeof trilha, 10104, 0);
    const size_t fim = n < 0 ? 0 : strcspn(trilha, "=D");
    const QString numero = MascaraNumeroCartao(std::string_view(trilha, fim));
    const QByteArray d = trilha[fim] ? QByteArray(trilha + fim + 1).left(7) : QByteArray();
    explicit_bzero(trilha, sizeof trilha);
    return QStringLiteral("Cartão lido: %1, %2, validade %3/%4, código de serviço %5")
        .arg(numero, CartaoProcessaChip() ? QStringLiteral("chip") : QStringLiteral("tarja"),
             QString::fromLatin1(d.mid(2, 2)), QString::fromLatin1(d.mid(0, 2)),
             QString::fromLatin1(d.mid(4, 3)));
}

// The server's fault switches as scripts write them (the keys of cbserver::Falhas::DeJson).
QJsonObject FalhasJson(const cbserver::Falhas& f) {
    QJsonObject o;
    if (f.atrasoMs > 0) o.insert(QStringLiteral("atrasoMs"), f.atrasoMs);
    if (f.semResposta) o.insert(QStringLiteral("semResposta"), true);
    if (f.derrubaConexao) o.insert(QStringLiteral("derrubaConexao"), true);
    if (!f.recusaCodigo.empty())
        o.insert(QStringLiteral("recusa"),
                 QJsonObject{{QStringLiteral("codigo"), QString::fromStdString(f.recusaCodigo)},
                             {QStringLiteral("texto"), QString::fromLatin1(f.recusaTexto.c_str())}});
    if (f.respostaTruncada) o.insert(QStringLiteral("respostaTruncada"), true);
    if (f.servicoMalformado) o.insert(QStringLiteral("servicoMalformado"), true);
    return o;
}

QGroupBox* Grupo(const QString& titulo, QWidget* conteudo, QWidget* pai) {
    auto* g = new QGroupBox(pai);
    auto* l = new QVBoxLayout(g);
    // The caption is a label with a mnemonic: Alt and its letter take the keyboard to the panel.
    auto* rotulo = new QLabel(titulo, g);
    rotulo->setBuddy(conteudo);
    QFont f = rotulo->font();
    f.setBold(true);
    rotulo->setFont(f);
    l->addWidget(rotulo);
    l->addWidget(conteudo, 1);
    return g;
}

} // namespace

JanelaPrincipal::JanelaPrincipal(Modulo& modulo, ServidorSimulado& servidor, const QString& cenario,
                                 std::chrono::milliseconds prazoPinpad, Gravador* gravador)
    : modulo_(modulo), servidor_(servidor), gravador_(gravador), cenario_(cenario) {
    setObjectName(QStringLiteral("ClienteVorta"));
    setProperty(Teclado::kJanelaDoCaixa, true);
    setWindowTitle(gravador ? QStringLiteral("ClienteVorta - caixa simulado (gravando em %1)")
                                  .arg(QFileInfo(gravador->Arquivo()).fileName())
                            : QStringLiteral("ClienteVorta - caixa simulado"));
    if (servidor_.Servidor()) falhas_ = FalhasJson(servidor_.Servidor()->falhas());

    auto* divisor = new QSplitter(Qt::Horizontal, this);

    // The entry points and the fields the host presets.
    auto* esquerda = new QWidget(divisor);
    auto* col = new QVBoxLayout(esquerda);
    auto* entradas = new QGroupBox(QStringLiteral("Correspondente Bancário"), esquerda);
    auto* botoes = new QVBoxLayout(entradas);
    auto botao = [&](const QString& texto, const char* nome, auto acao) {
        auto* b = new QPushButton(texto, entradas);
        b->setObjectName(QLatin1String(nome));
        botoes->addWidget(b);
        connect(b, &QPushButton::clicked, this, acao);
        return b;
    };
    botao(QStringLiteral("&Funções bancárias"), "btGenerico",
          [this] { Chama(QStringLiteral("Funções bancárias"), QStringLiteral("ExecutaGenerico"), 0); });
    botao(QStringLiteral("C&ontinuar pagamento"), "btContinuar",
          [this] { Chama(QStringLiteral("Continuar pagamento"), QStringLiteral("ExecutaGenerico"), 16); });
    botao(QStringLiteral("Funções &administrativas"), "btAdministrativas", [this] {
        Chama(QStringLiteral("Funções administrativas"), QStringLiteral("ExecutaFuncaoADM"), 0);
    });
    botao(QStringLiteral("Ca&ncelamento"), "btCancelamento",
          [this] { Chama(QStringLiteral("Cancelamento"), QStringLiteral("ExecutaFuncaoADM"), 1); });
    botao(QStringLiteral("&Restabelece limite"), "btRestabelece",
          [this] { Chama(QStringLiteral("Restabelece limite"), QStringLiteral("ExecutaFuncaoADM"), 9); });
    botao(QStringLiteral("&Versão"), "btVersao", [this] {
        char interface[256] = {}, versaoModulo[256] = {};
        modulo_.ObtemVersao(interface, versaoModulo);
        const QJsonObject valores{{QStringLiteral("interface"), QString::fromLatin1(interface)},
                                  {QStringLiteral("modulo"), QString::fromLatin1(versaoModulo)}};
        resultado_->setPlainText(QStringLiteral("Interface %1\nMódulo %2")
                                     .arg(QString::fromLatin1(interface), QString::fromLatin1(versaoModulo)));
        QString erro;
        if (gravador_ &&
            !gravador_->ChamadaSimples({{QStringLiteral("entrada"), QStringLiteral("ObtemVersao")},
                                        {QStringLiteral("versao"), valores}},
                                       &erro))
            situacao_->setText(erro);
    });

    // The PIN pad on the counter: it answers the module's card reads, PIN entries and confirmations, and
    // opens by itself when one of them waits for the customer.
    pinpad_ = new JanelaPinpad(this);
    pinpad_->setProperty(Teclado::kJanelaDoCaixa, true);
    pinpad_->DefinePrazo(prazoPinpad);
    pinpad_->Instala();
    if (gravador_) connect(pinpad_, &JanelaPinpad::pedidoTerminado, gravador_, &Gravador::Pinpad);
    botao(QStringLiteral("&PIN pad"), "btPinpad", [this] {
        pinpad_->show();
        pinpad_->raise();
        pinpad_->activateWindow();
    });
    botao(QStringLiteral("Te&star PIN pad"), "btTestarPinpad", [this] {
        try {
            TestaPinpad();
        } catch (...) {
            resultado_->setPlainText(QStringLiteral("Teste do PIN pad interrompido."));
        }
    });
    col->addWidget(entradas);
    camposEntrada_ = new QPlainTextEdit(esquerda);
    camposEntrada_->setObjectName(QStringLiteral("camposEntrada"));
    camposEntrada_->setPlaceholderText(QStringLiteral("1003=10000\n1356=1"));
    camposEntrada_->setTabChangesFocus(true);
    col->addWidget(Grupo(QStringLiteral("Ca&mpos a gravar antes da chamada\n(campo[.ocorrência]=valor):"),
                         camposEntrada_, esquerda),
                   1);

    // The host fields as they stand, updated while the module writes them.
    tabela_ = new QTableWidget(0, 3, divisor);
    tabela_->setObjectName(QStringLiteral("camposHost"));
    tabela_->setHorizontalHeaderLabels(
        {QStringLiteral("Campo"), QStringLiteral("Ocorrência"), QStringLiteral("Valor")});
    tabela_->verticalHeader()->hide();
    tabela_->verticalHeader()->setMinimumSectionSize(tabela_->fontMetrics().height() + 4);
    tabela_->verticalHeader()->setDefaultSectionSize(tabela_->fontMetrics().height() + 4);
    tabela_->horizontalHeader()->setStretchLastSection(true);
    tabela_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela_->setColumnWidth(0, 70);
    tabela_->setColumnWidth(1, 80);
    auto* painelCampos =
        Grupo(QStringLiteral("Campos do &host (em destaque: gravados na última chamada)"), tabela_, divisor);
    tituloTabela_ = painelCampos->findChild<QLabel*>();

    auto* direita = new QSplitter(Qt::Vertical, divisor);
    trafego_ = new QPlainTextEdit(direita);
    trafego_->setObjectName(QStringLiteral("pedidoResposta"));
    trafego_->setReadOnly(true);
    trafego_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* painelTrafego =
        Grupo(QStringLiteral("Último pe&dido e resposta (dados sensíveis mascarados)"), trafego_, direita);
    resultado_ = new QPlainTextEdit(direita);
    resultado_->setObjectName(QStringLiteral("arquivoResultado"));
    resultado_->setReadOnly(true);
    resultado_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* painelResultado =
        Grupo(QStringLiteral("Arquivo de res&ultado da última chamada"), resultado_, direita);
    direita->addWidget(painelTrafego);
    direita->addWidget(painelResultado);

    divisor->addWidget(esquerda);
    divisor->addWidget(painelCampos);
    divisor->addWidget(direita);
    divisor->setStretchFactor(1, 2);
    divisor->setStretchFactor(2, 2);
    setCentralWidget(divisor);
    situacao_ = new QLabel(this);
    situacao_->setObjectName(QStringLiteral("situacao"));
    statusBar()->addWidget(situacao_, 1);
    MontaMenus();
    MontaMenuCartoes(CartoesNoPinpad(servidor_, cenario_));
    if (gravador_) gravador_->DefineServidor(cenario_, falhas_);
    resize(1280, 720);

    VortaSimDefineValidadorOperador(&JanelaPrincipal::ValidaSupervisor, this);
    VortaSimDefineRespostaOperador(-1);
    VortaSimDefineObservador(&JanelaPrincipal::Observador, this);
    auto* relogio = new QTimer(this);
    connect(relogio, &QTimer::timeout, this, &JanelaPrincipal::AtualizaCampos);
    relogio->start(150);
    AtualizaCampos();
}

JanelaPrincipal::~JanelaPrincipal() {
    VortaSimDefineObservador(nullptr, nullptr);
    VortaSimDefineValidadorOperador(nullptr, nullptr);
}

void JanelaPrincipal::MontaMenus() {
    const bool local = servidor_.Servidor() != nullptr;
    menuCenario_ = menuBar()->addMenu(QStringLiteral("&Cenário"));
    menuCenario_->setObjectName(QStringLiteral("menuCenario"));
    menuCenario_->setEnabled(local);
    menuCenario_->addAction(QStringLiteral("&Abrir arquivo de cenário..."), QKeySequence::Open, this, [this] {
        const QString arquivo = QFileDialog::getOpenFileName(this, QStringLiteral("Cenário do banco"),
                                                             QFileInfo(cenario_).absolutePath(),
                                                             QStringLiteral("Cenários (*.json)"));
        if (!arquivo.isEmpty()) CarregaCenario(arquivo);
    });
    menuCenario_->addSeparator();
    // The scenarios that come with the till, beside the one it started with.
    grupoCenarios_ = new QActionGroup(this);
    const QDir pasta = QFileInfo(cenario_).absoluteDir();
    for (const QString& nome : pasta.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QAction* a = menuCenario_->addAction(QFileInfo(nome).completeBaseName());
        a->setCheckable(true);
        a->setData(pasta.filePath(nome));
        a->setChecked(QFileInfo(pasta.filePath(nome)) == QFileInfo(cenario_));
        grupoCenarios_->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] { CarregaCenario(a->data().toString()); });
    }

    menuFalhas_ = menuBar()->addMenu(QStringLiteral("Fa&lhas"));
    menuFalhas_->setObjectName(QStringLiteral("menuFalhas"));
    menuFalhas_->setEnabled(local);
    struct Chave {
        const char* texto;
        const char* chave;
        QJsonValue valor;
    };
    const QList<Chave> chaves{
        {"&Atraso de 3 s em cada resposta", "atrasoMs", kAtrasoMs},
        {"&Sem resposta (o prazo do servidor se esgota)", "semResposta", true},
        {"&Derruba a conexão ao receber", "derrubaConexao", true},
        {"&Recusa todo pedido (código 05)", "recusa",
         QJsonObject{{QStringLiteral("codigo"), QStringLiteral("05")},
                     {QStringLiteral("texto"), QStringLiteral("Transação recusada pelo simulador")}}},
        {"Resposta &truncada", "respostaTruncada", true},
        {"Serviço &malformado na resposta", "servicoMalformado", true}};
    for (const Chave& c : chaves) {
        QAction* a = menuFalhas_->addAction(QString::fromUtf8(c.texto));
        a->setCheckable(true);
        a->setData(QLatin1String(c.chave));
        connect(a, &QAction::toggled, this, [this, c](bool ligada) {
            if (ligada)
                falhas_.insert(QLatin1String(c.chave), c.valor);
            else
                falhas_.remove(QLatin1String(c.chave));
            AplicaFalhas();
        });
    }
    menuFalhas_->addSeparator();
    menuFalhas_->addAction(QStringLiteral("Desli&gar todas"), this, [this] {
        falhas_ = {};
        AplicaFalhas();
    });
    // The checks follow the switches, which a scenario may set too.
    connect(menuFalhas_, &QMenu::aboutToShow, this, [this] {
        for (QAction* a : menuFalhas_->actions()) {
            const QSignalBlocker bloqueio(a);
            if (a->isCheckable()) a->setChecked(falhas_.contains(a->data().toString()));
        }
    });

    menuCartao_ = menuBar()->addMenu(QStringLiteral("Car&tão"));
    menuCartao_->setObjectName(QStringLiteral("menuCartao"));
    grupoCartoes_ = new QActionGroup(this);
    connect(menuCartao_, &QMenu::aboutToShow, this, [this] {
        const auto acoes = grupoCartoes_->actions();
        const int escolhido = pinpad_->CartaoEscolhido();
        if (escolhido >= 0 && escolhido < acoes.size()) acoes.at(escolhido)->setChecked(true);
    });
}

void JanelaPrincipal::MontaMenuCartoes(const QList<CartaoPinpad>& cartoes) {
    pinpad_->DefineCartoes(cartoes);
    menuCartao_->clear();
    for (QAction* a : grupoCartoes_->actions())
        grupoCartoes_->removeAction(a);
    for (qsizetype i = 0; i < cartoes.size(); ++i) {
        const CartaoPinpad& c = cartoes.at(i);
        QAction* a = menuCartao_->addAction(
            QStringLiteral("%1%2 - %3")
                .arg(i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QString(), c.descricao, c.numeroMascarado));
        a->setCheckable(true);
        a->setChecked(i == 0);
        grupoCartoes_->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { pinpad_->EscolheCartao(static_cast<int>(i)); });
    }
    menuCartao_->setEnabled(!cartoes.isEmpty());
}

void JanelaPrincipal::CarregaCenario(const QString& arquivo) {
    cbserver::Servidor* s = servidor_.Servidor();
    QString erro;
    if (!s || !s->CarregaCenario(arquivo, &erro)) {
        situacao_->setText(QStringLiteral("Cenário não carregado: %1").arg(erro));
        return;
    }
    cenario_ = arquivo;
    falhas_ = FalhasJson(s->falhas());
    for (QAction* a : grupoCenarios_->actions())
        a->setChecked(QFileInfo(a->data().toString()) == QFileInfo(arquivo));
    MontaMenuCartoes(CartoesNoPinpad(servidor_, cenario_));
    if (gravador_) gravador_->DefineServidor(cenario_, falhas_);
    situacao_->setText(QStringLiteral("Cenário %1 carregado").arg(QFileInfo(arquivo).fileName()));
}

void JanelaPrincipal::AplicaFalhas() {
    cbserver::Servidor* s = servidor_.Servidor();
    const auto falhas = cbserver::Falhas::DeJson(falhas_);
    if (!s || !falhas) return;
    s->DefineFalhas(*falhas);
    if (gravador_) gravador_->DefineServidor(cenario_, falhas_);
    QStringList ligadas;
    for (QAction* a : menuFalhas_->actions()) {
        if (a->isCheckable() && falhas_.contains(a->data().toString()))
            ligadas << a->text().remove(QLatin1Char('&'));
    }
    situacao_->setText(
        ligadas.isEmpty() ? QStringLiteral("Servidor sem falhas")
                          : QStringLiteral("Falhas do servidor: %1").arg(ligadas.join(QStringLiteral("; "))));
}

bool JanelaPrincipal::ValidaSupervisor(uintptr_t, const char* nivel, void* contexto) {
    auto* janela = static_cast<JanelaPrincipal*>(contexto);
    char dir[4096];
    VortaSimDiretorioHost(dir, sizeof dir);
    const QSettings config(QDir(QFile::decodeName(dir)).filePath(QStringLiteral("CBTill.ini")),
                           QSettings::IniFormat);
    const QString senha = config.value(QStringLiteral("Supervisor/Senha"), QStringLiteral("1234")).toString();
    // The till's own dialog: what is typed here is the host's, not the module's.
    QInputDialog dialogo(janela);
    dialogo.setProperty(Teclado::kJanelaDoCaixa, true);
    dialogo.setWindowTitle(QStringLiteral("ClienteVorta"));
    dialogo.setLabelText(QStringLiteral("Senha do supervisor (nível %1):").arg(QLatin1String(nivel)));
    dialogo.setTextEchoMode(QLineEdit::Password);
    const bool valido = dialogo.exec() == QDialog::Accepted && dialogo.textValue() == senha;
    if (janela->gravador_) janela->gravador_->Operador(valido);
    return valido;
}

void JanelaPrincipal::Observador(const char* tipo, const char* texto, void* contexto) {
    auto* j = static_cast<JanelaPrincipal*>(contexto);
    try {
        // The platform describes requests and replies with their secrets already masked.
        if (qstrcmp(tipo, "pedido") == 0) {
            const QJsonObject p = PedidoDaDescricao(texto);
            QStringList l{QStringLiteral("Pedido %1").arg(p.value(QStringLiteral("codigo")).toInt())};
            if (const int flag = p.value(QStringLiteral("flag")).toInt())
                l << QStringLiteral("  flag = %1").arg(flag);
            const QJsonObject itens = p.value(QStringLiteral("itens")).toObject();
            for (auto it = itens.begin(); it != itens.end(); ++it)
                l << QStringLiteral("  %1 = %2").arg(it.key(), it.value().toString());
            j->pedido_ = l.join(QLatin1Char('\n'));
            j->resposta_ = QStringLiteral("Resposta\n  (aguardando)");
        } else if (qstrcmp(tipo, "resposta") == 0) {
            const QJsonObject r = RespostaDaDescricao(texto);
            QStringList l{QStringLiteral("Resposta"),
                          QStringLiteral("  código = %1").arg(r.value(QStringLiteral("codigo")).toString()),
                          QStringLiteral("  texto = %1").arg(r.value(QStringLiteral("texto")).toString())};
            const QJsonObject servicos = r.value(QStringLiteral("servicos")).toObject();
            for (auto it = servicos.begin(); it != servicos.end(); ++it)
                l << QStringLiteral("  serviço %1 = %2 ocorrência(s)").arg(it.key()).arg(it.value().toInt());
            l << QStringLiteral("  registros h = %1").arg(r.value(QStringLiteral("h")).toInt());
            j->resposta_ = l.join(QLatin1Char('\n'));
        } else {
            return;
        }
        j->MostraTrafego();
    } catch (...) {
        // An observer must not let an exception into the platform; the panel keeps what it showed.
    }
}

void JanelaPrincipal::MostraTrafego() {
    trafego_->setPlainText(pedido_ + QStringLiteral("\n\n") + resposta_);
}

void JanelaPrincipal::AtualizaCampos() {
    std::vector<Campo> agora;
    VortaSimVisitaCamposMascarados(
        [](int campo, int ocorrencia, const char* valor, int tamanho, void* contexto) {
            static_cast<std::vector<Campo>*>(contexto)->push_back(
                {campo, ocorrencia, Legivel(valor, tamanho)});
        },
        &agora);
    if (agora == campos_) return;
    campos_ = std::move(agora);
    tabela_->setUpdatesEnabled(false);
    tabela_->setRowCount(static_cast<int>(campos_.size()));
    QFont destaque = tabela_->font();
    destaque.setBold(true);
    int linha = 0;
    for (const Campo& c : campos_) {
        const auto antes = antesDaChamada_.constFind({c.campo, c.ocorrencia});
        const bool novo = antes == antesDaChamada_.cend() || *antes != c.valor;
        const QStringList colunas{QString::number(c.campo), QString::number(c.ocorrencia), c.valor};
        for (int col = 0; col < 3; ++col) {
            auto* item = new QTableWidgetItem(colunas.at(col));
            if (novo) {
                item->setFont(destaque);
                item->setBackground(QColor(0xff, 0xf2, 0xb0));
            }
            tabela_->setItem(linha, col, item);
        }
        ++linha;
    }
    tabela_->setUpdatesEnabled(true);
    tituloTabela_->setText(
        QStringLiteral("Campos do &host: %1 (em destaque: gravados na última chamada)").arg(campos_.size()));
}

void JanelaPrincipal::TestaPinpad() {
    pinpad_->show();
    const auto janela = static_cast<uintptr_t>(winId());
    QStringList linhas{QStringLiteral("Teste do PIN pad")};
    const uint16_t leitura = LerCartao(janela, 0, "INSIRA OU PASSE O CARTAO");
    if (leitura != PAD_OK) {
        linhas << QStringLiteral("Cartão não lido (código %1): %2").arg(leitura).arg(LeCampoTexto(1027));
    } else {
        linhas << CartaoLido();
        const uint16_t senha = LerSenha(janela, "DIGITE A SENHA", "", 0, "Teste do PIN pad");
        if (senha == PAD_OK)
            linhas << QStringLiteral("Senha capturada: bloco de %1 caracteres no campo 10146 (não exibido).")
                          .arg(LeCampo(nullptr, 0, 10146, 0));
        else
            linhas
                << QStringLiteral("Senha não capturada (código %1): %2").arg(senha).arg(LeCampoTexto(1027));
        RemoveCartao();
    }
    // A check of the device, not a transaction: no card data is left for the next call.
    for (const int campo : {10104, 10109, 10146, 10243})
        HostlinkLimpaCampo(campo);
    resultado_->setPlainText(linhas.join(QLatin1Char('\n')));
}

QJsonObject JanelaPrincipal::AplicaCampos() {
    QJsonObject aplicados;
    for (const QString& linha : camposEntrada_->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const int igual = linha.indexOf(QLatin1Char('='));
        int campo = 0, ocorrencia = 0;
        if (igual <= 0 || !ChaveCampo(linha.left(igual).trimmed(), campo, ocorrencia)) continue;
        const QString valor = linha.mid(igual + 1);
        GravaCampoString(campo, ocorrencia, valor.toLatin1().constData());
        aplicados.insert(linha.left(igual).trimmed(), valor);
    }
    return aplicados;
}

void JanelaPrincipal::Chama(const QString& nome, const QString& entrada, int modo) {
    const QJsonObject campos = AplicaCampos();
    AtualizaCampos();
    antesDaChamada_.clear();
    for (const Campo& c : campos_)
        antesDaChamada_.insert({c.campo, c.ocorrencia}, c.valor);
    // Shown again against the new snapshot: nothing is new yet.
    campos_.clear();
    AtualizaCampos();
    if (gravador_) gravador_->IniciaChamada(entrada, modo, campos);
    situacao_->setText(QStringLiteral("%1: em andamento").arg(nome));
    const int antes = VortaSimQtdeGravaArquivo();
    const auto janela = static_cast<uint32_t>(winId());
    if (entrada == QLatin1String("ExecutaGenerico"))
        modulo_.ExecutaGenerico(janela, modo);
    else
        modulo_.ExecutaFuncaoADM(janela, modo);
    const int gravacoes = VortaSimQtdeGravaArquivo() - antes;
    AtualizaCampos();
    MostraResultado(nome, gravacoes);
    QString erro;
    if (gravador_ && !gravador_->TerminaChamada({{QStringLiteral("1009"), LeCampoJson(1009, 0)},
                                                 {QStringLiteral("1027"), LeCampoJson(1027, 0)}},
                                                gravacoes, &erro))
        situacao_->setText(erro);
}

void JanelaPrincipal::MostraResultado(const QString& nome, int gravacoes) {
    char dir[4096];
    VortaSimDiretorioHost(dir, sizeof dir);
    QFile arquivo(QDir(QFile::decodeName(dir)).filePath(QStringLiteral(VORTASIM_ARQUIVO_RESULTADO)));
    // The stand-in writes card data, PIN blocks and security codes into the file as '*' already.
    const QString conteudo =
        arquivo.open(QIODevice::ReadOnly) ? QString::fromLatin1(arquivo.readAll()) : QString();
    resultado_->setPlainText(
        QStringLiteral("%1\nCódigo (1009): %2\nMensagem (1027): %3\n%4 gravado %5 vez(es):\n\n%6")
            .arg(nome, LeCampoTexto(1009), LeCampoTexto(1027), QStringLiteral(VORTASIM_ARQUIVO_RESULTADO))
            .arg(gravacoes)
            .arg(conteudo));
    situacao_->setText(
        QStringLiteral("%1: %2 %3%4")
            .arg(nome, LeCampoTexto(1009), LeCampoTexto(1027),
                 gravador_ ? QStringLiteral(" — gravado em %1").arg(gravador_->Arquivo()) : QString()));
}
