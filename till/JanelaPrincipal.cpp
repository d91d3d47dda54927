#include "JanelaPrincipal.h"

#include "JanelaPinpad.h"
#include "Modulo.h"

#include "basekit.h"
#include "hostlink.h"
#include "padkit.h"
#include "vortasim.h"

#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <string.h>

namespace {

QString LeCampoTexto(int campo) {
    char buf[1024];
    return LeCampo(buf, sizeof buf, campo, 0) < 0 ? QStringLiteral("(ausente)") : QString::fromLatin1(buf);
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

// The till's supervisor password: CBTill.ini in the host folder, [Supervisor] Senha, else "1234".
bool ValidaSupervisor(uintptr_t, const char* nivel, void* contexto) {
    auto* janela = static_cast<QWidget*>(contexto);
    char dir[4096];
    VortaSimDiretorioHost(dir, sizeof dir);
    const QSettings config(QDir(QFile::decodeName(dir)).filePath(QStringLiteral("CBTill.ini")),
                           QSettings::IniFormat);
    const QString senha = config.value(QStringLiteral("Supervisor/Senha"), QStringLiteral("1234")).toString();
    bool ok = false;
    const QString digitada =
        QInputDialog::getText(janela, QStringLiteral("ClienteVorta"),
                              QStringLiteral("Senha do supervisor (nível %1):").arg(QLatin1String(nivel)),
                              QLineEdit::Password, {}, &ok);
    return ok && digitada == senha;
}

} // namespace

JanelaPrincipal::JanelaPrincipal(Modulo& modulo, const QList<CartaoPinpad>& cartoes,
                                 std::chrono::milliseconds prazoPinpad)
    : modulo_(modulo) {
    setObjectName(QStringLiteral("ClienteVorta"));
    setWindowTitle(QStringLiteral("ClienteVorta - caixa simulado"));
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);

    auto* entradas = new QGroupBox(QStringLiteral("Correspondente Bancário"), central);
    auto* col = new QVBoxLayout(entradas);
    auto botao = [&](const QString& texto, std::function<void(uint32_t)> chamada) {
        auto* b = new QPushButton(texto, entradas);
        col->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, texto, chamada] { Chama(texto, chamada); });
    };
    botao(QStringLiteral("Funções bancárias"), [this](uint32_t j) { modulo_.ExecutaGenerico(j, 0); });
    botao(QStringLiteral("Continuar pagamento"), [this](uint32_t j) { modulo_.ExecutaGenerico(j, 16); });
    botao(QStringLiteral("Funções administrativas"), [this](uint32_t j) { modulo_.ExecutaFuncaoADM(j, 0); });
    botao(QStringLiteral("Cancelamento"), [this](uint32_t j) { modulo_.ExecutaFuncaoADM(j, 1); });
    botao(QStringLiteral("Restabelece limite"), [this](uint32_t j) { modulo_.ExecutaFuncaoADM(j, 9); });
    auto* versao = new QPushButton(QStringLiteral("Versão"), entradas);
    col->addWidget(versao);
    connect(versao, &QPushButton::clicked, this, [this] {
        char interface[256] = {}, versaoModulo[256] = {};
        modulo_.ObtemVersao(interface, versaoModulo);
        resultado_->setPlainText(QStringLiteral("Interface %1\nMódulo %2")
                                     .arg(QString::fromLatin1(interface), QString::fromLatin1(versaoModulo)));
    });
    col->addStretch();

    // The PIN pad on the counter: it answers the module's card reads, PIN entries and confirmations, and
    // opens by itself when one of them waits for the customer.
    pinpad_ = new JanelaPinpad(this);
    pinpad_->DefineCartoes(cartoes);
    pinpad_->DefinePrazo(prazoPinpad);
    pinpad_->Instala();
    auto* mostraPinpad = new QPushButton(QStringLiteral("PIN pad"), entradas);
    mostraPinpad->setObjectName(QStringLiteral("btPinpad"));
    col->addWidget(mostraPinpad);
    connect(mostraPinpad, &QPushButton::clicked, this, [this] {
        pinpad_->show();
        pinpad_->raise();
        pinpad_->activateWindow();
    });
    auto* testaPinpad = new QPushButton(QStringLiteral("Testar PIN pad"), entradas);
    testaPinpad->setObjectName(QStringLiteral("btTestarPinpad"));
    col->addWidget(testaPinpad);
    connect(testaPinpad, &QPushButton::clicked, this, [this] {
        try {
            TestaPinpad();
        } catch (...) {
            resultado_->setPlainText(QStringLiteral("Teste do PIN pad interrompido."));
        }
    });
    layout->addWidget(entradas);

    auto* direita = new QVBoxLayout;
    direita->addWidget(
        new QLabel(QStringLiteral("Campos do host antes da chamada (campo[.ocorrência]=valor):")));
    campos_ = new QPlainTextEdit(central);
    campos_->setPlaceholderText(QStringLiteral("1003=10000\n1356=1"));
    direita->addWidget(campos_);
    situacao_ = new QLabel(central);
    direita->addWidget(situacao_);
    resultado_ = new QPlainTextEdit(central);
    resultado_->setReadOnly(true);
    direita->addWidget(resultado_, 1);
    layout->addLayout(direita, 1);
    setCentralWidget(central);
    resize(900, 560);

    VortaSimDefineValidadorOperador(&ValidaSupervisor, this);
    VortaSimDefineRespostaOperador(-1);
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

void JanelaPrincipal::AplicaCampos() {
    for (const QString& linha : campos_->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const int igual = linha.indexOf(QLatin1Char('='));
        if (igual <= 0) continue;
        const QStringList chave = linha.left(igual).trimmed().split(QLatin1Char('.'));
        GravaCampoString(chave.value(0).toInt(), chave.value(1).toInt(),
                         linha.mid(igual + 1).toLatin1().constData());
    }
}

void JanelaPrincipal::Chama(const QString& nome, const std::function<void(uint32_t)>& chamada) {
    AplicaCampos();
    const int antes = VortaSimQtdeGravaArquivo();
    chamada(static_cast<uint32_t>(winId()));
    situacao_->setText(QStringLiteral("%1: arquivo de resultado gravado %2 vez(es)")
                           .arg(nome)
                           .arg(VortaSimQtdeGravaArquivo() - antes));
    MostraResultado(nome);
}

void JanelaPrincipal::MostraResultado(const QString& nome) {
    const auto le = &LeCampoTexto;
    char dir[4096];
    VortaSimDiretorioHost(dir, sizeof dir);
    QFile arquivo(QDir(QFile::decodeName(dir)).filePath(QStringLiteral(VORTASIM_ARQUIVO_RESULTADO)));
    const QString conteudo =
        arquivo.open(QIODevice::ReadOnly) ? QString::fromLatin1(arquivo.readAll()) : QString();
    resultado_->setPlainText(
        QStringLiteral("%1\nCódigo (1009): %2\nMensagem (1027): %3\n\nArquivo de resultado:\n%4")
            .arg(nome, le(1009), le(1027), conteudo));
}
