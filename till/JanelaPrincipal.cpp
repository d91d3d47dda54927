#include "JanelaPrincipal.h"

#include "Modulo.h"

#include "basekit.h"
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

namespace {

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

JanelaPrincipal::JanelaPrincipal(Modulo& modulo) : modulo_(modulo) {
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
    auto le = [](int campo) {
        char buf[1024];
        return LeCampo(buf, sizeof buf, campo, 0) < 0 ? QStringLiteral("(ausente)")
                                                      : QString::fromLatin1(buf);
    };
    char dir[4096];
    VortaSimDiretorioHost(dir, sizeof dir);
    QFile arquivo(QDir(QFile::decodeName(dir)).filePath(QStringLiteral(VORTASIM_ARQUIVO_RESULTADO)));
    const QString conteudo =
        arquivo.open(QIODevice::ReadOnly) ? QString::fromLatin1(arquivo.readAll()) : QString();
    resultado_->setPlainText(
        QStringLiteral("%1\nCódigo (1009): %2\nMensagem (1027): %3\n\nArquivo de resultado:\n%4")
            .arg(nome, le(1009), le(1027), conteudo));
}
