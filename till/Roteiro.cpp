#include "Roteiro.h"

#include "Modulo.h"
#include "ServidorSimulado.h"
#include "Transcricao.h"

#include "Servidor.h"

#include "basekit.h"
#include "vortasim.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLabel>
#include <QLoggingCategory>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <string.h>
#include <unistd.h>

namespace {

using namespace Teclado;
const char kPropriedadeJanela[] = "cbJanelaProprietaria";

int AparicaoDe(QWidget* w) {
    return w->property("cbRoteiroAparicao").toInt();
}

// The script being run, for the Qt message handler (a plain function), and the handler it stands in for.
Roteiro* roteiroAtivo = nullptr;
QtMessageHandler handlerAnterior = nullptr;
constexpr char kCategoriaMensagem[] = "cb.tela.mensagem";

QString Linha(const QJsonObject& o) {
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

} // namespace

Roteiro::Roteiro(Opcoes opcoes)
    : opcoes_(std::move(opcoes)), pinpad_(segredos_, [this] { return CartoesDoCenario(); }) {}

Roteiro::~Roteiro() {
    VortaSimDefineObservador(nullptr, nullptr);
    if (roteiroAtivo == this) {
        qInstallMessageHandler(handlerAnterior);
        QLoggingCategory::setFilterRules(QString());
        roteiroAtivo = nullptr;
    }
    if (transcricao_) std::fclose(transcricao_);
}

void Roteiro::MensagemQt(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (roteiroAtivo && qstrcmp(contexto.category, kCategoriaMensagem) == 0) {
        roteiroAtivo->mensagens_ << texto;
        roteiroAtivo->Registra(
            {{QStringLiteral("tipo"), QStringLiteral("mensagem")}, {QStringLiteral("texto"), texto}});
    } else if (handlerAnterior) {
        handlerAnterior(tipo, contexto, texto);
    }
}

void Roteiro::Observador(const char* tipo, const char* texto, void* contexto) {
    auto* r = static_cast<Roteiro*>(contexto);
    if (qstrcmp(tipo, "pedido") == 0) {
        const QJsonObject p = PedidoDaDescricao(texto);
        r->pedidos_.append(p);
        r->Registra(p);
        return;
    }
    if (qstrcmp(tipo, "resposta") == 0) {
        r->Registra(RespostaDaDescricao(texto));
        return;
    }
    QString t = QString::fromLatin1(texto);
    if (qstrcmp(tipo, "pinpad") == 0) {
        // What the operator reads on the screen while the PIN pad holds the call goes with the event.
        const QWidget* tela = QApplication::activeModalWidget();
        const auto* linha = tela ? tela->findChild<QLabel*>(QStringLiteral("lbMensagem")) : nullptr;
        if (linha && !linha->text().isEmpty()) t += QStringLiteral(" | tela: ") + linha->text();
        r->eventosPinpad_ << t;
        r->Registra({{QStringLiteral("tipo"), QStringLiteral("pinpad")}, {QStringLiteral("texto"), t}});
        return;
    }
    if (qstrcmp(tipo, "audit") == 0) r->audit_ << t;
    if (qstrcmp(tipo, "modulo") == 0) {
        r->moduloChamado_ = true;
        if (QString motivo; !ConfereHost(r->camposModulo_, motivo))
            r->Falha(QStringLiteral("call %1: the host's other payment module was called with %2")
                         .arg(r->chamadaAtual_)
                         .arg(motivo));
    }
    // Everything the module hands to the host, under the host's own name for it.
    r->Registra({{QStringLiteral("tipo"), QStringLiteral("host")},
                 {QStringLiteral("evento"), QString::fromLatin1(tipo)},
                 {QStringLiteral("texto"), t}});
}

bool Roteiro::Registra(const QJsonObject& linha) {
    QByteArray j = QJsonDocument(linha).toJson(QJsonDocument::Compact);
    const QString segredo = segredos_.Procura(std::string_view(j.constData(), static_cast<size_t>(j.size())));
    if (segredo.isEmpty()) {
        Escreve(j);
        return true;
    }
    explicit_bzero(j.data(), static_cast<size_t>(j.size()));
    ++falhas_;
    const QString motivo = QStringLiteral("a transcript line (\"%1\") held %2; the line is withheld")
                               .arg(linha.value(QStringLiteral("tipo")).toString(), segredo);
    Escreve(QJsonDocument(QJsonObject{{QStringLiteral("tipo"), QStringLiteral("falha")},
                                      {QStringLiteral("motivo"), motivo}})
                .toJson(QJsonDocument::Compact));
    std::fprintf(stderr, "FALHA: %s\n", motivo.toUtf8().constData());
    return false;
}

void Roteiro::Escreve(const QByteArray& linha) {
    if (transcricao_) {
        std::fprintf(transcricao_, "%s\n", linha.constData());
        std::fflush(transcricao_);
    }
    if (!opcoes_.silencioso) std::printf("%s\n", linha.constData());
}

void Roteiro::Falha(const QString& motivo) {
    ++falhas_;
    // A failure message that quotes a secret is withheld like any other line.
    if (Registra({{QStringLiteral("tipo"), QStringLiteral("falha")}, {QStringLiteral("motivo"), motivo}}))
        std::fprintf(stderr, "FALHA: %s\n", motivo.toUtf8().constData());
}

void Roteiro::Aborta() {
    if (abortando_) return;
    abortando_ = true;
    relogioPasso_.restart();
}

int Roteiro::Executa() {
    QString erro;
    const std::optional<ScriptRoteiro> script = LeRoteiro(opcoes_.script, erro);
    if (!script) {
        std::fprintf(stderr, "%s\n", qPrintable(erro));
        return 2;
    }
    if (!opcoes_.transcricao.isEmpty())
        transcricao_ = std::fopen(QFile::encodeName(opcoes_.transcricao), "w");
    if (!opcoes_.dirTelas.isEmpty()) QDir().mkpath(opcoes_.dirTelas);

    QTemporaryDir temporario;
    dirHost_ = qEnvironmentVariable("CB_HOST_DIR");
    if (dirHost_.isEmpty()) {
        dirHost_ = temporario.path();
        qputenv("CB_HOST_DIR", QFile::encodeName(dirHost_));
    }
    VortaSimReinicia();
    VortaSimDefineObservador(&Roteiro::Observador, this);
    roteiroAtivo = this;
    handlerAnterior = qInstallMessageHandler(&Roteiro::MensagemQt);
    QLoggingCategory::setFilterRules(QStringLiteral("%1.debug=true").arg(QLatin1String(kCategoriaMensagem)));
    if (!PreparaServidor(script->preparo) || !PreparaHost(script->preparo)) return 2;
    pinpad_.CarregaCartoes();
    if (!AplicaPinpad(script->preparo, QStringLiteral("pinpad"))) return 2;

    // The host's main window, whose handle the module gets as owner.
    janelaHost_ = std::make_unique<QWidget>();
    janelaHost_->setObjectName(QStringLiteral("ClienteVorta"));

    modulo_ = std::make_unique<Modulo>(Modulo::CaminhoPadrao());
    if (!modulo_->Carrega()) {
        Falha(QStringLiteral("module not loaded: ") + modulo_->Erro());
        return 1;
    }
    qApp->installEventFilter(this);
    for (int i = 0; i < script->chamadas.size(); ++i) {
        if (!ExecutaChamada(script->chamadas.at(i), i)) break;
    }
    qApp->removeEventFilter(this);
    modulo_->Descarrega();
    Registra({{QStringLiteral("tipo"), QStringLiteral("fim")}, {QStringLiteral("falhas"), falhas_}});
    return falhas_ == 0 ? 0 : 1;
}

bool Roteiro::PreparaHost(const QJsonObject& s) {
    const QJsonObject arquivos = s.value(QStringLiteral("arquivos")).toObject();
    for (auto it = arquivos.begin(); it != arquivos.end(); ++it) {
        const QString caminho = QDir(dirHost_).filePath(it.key());
        if (it.value().isNull()) {
            QFile::remove(caminho);
            continue;
        }
        QFile a(caminho);
        if (!a.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            Falha(QStringLiteral("cannot write ") + caminho);
            return false;
        }
        a.write(it.value().toString().toLatin1()); // the host's files are Latin-1
    }
    // Before the preset fields, so that the script can preset a field whose writes by the module fail.
    if (s.contains(QStringLiteral("falhaGravacao")) &&
        !DefineFalhaGravacao(s.value(QStringLiteral("falhaGravacao"))))
        return false;
    const QJsonObject campos = s.value(QStringLiteral("campos")).toObject();
    for (auto it = campos.begin(); it != campos.end(); ++it) {
        int campo = 0, ocorrencia = 0;
        if (!ChaveCampo(it.key(), campo, ocorrencia)) {
            Falha(QStringLiteral("bad field key ") + it.key());
            return false;
        }
        GravaCampoString(campo, ocorrencia, it.value().toString().toLatin1().constData());
    }
    if (s.contains(QStringLiteral("operador")))
        VortaSimDefineRespostaOperador(s.value(QStringLiteral("operador")).toBool() ? 1 : 0);
    if (s.contains(QStringLiteral("falhaTema")))
        VortaSimDefineFalhaTema(s.value(QStringLiteral("falhaTema")).toString().toLatin1().constData());
    if (s.contains(QStringLiteral("moduloTEF"))) {
        const QJsonObject m = s.value(QStringLiteral("moduloTEF")).toObject();
        const QString c = m.value(QStringLiteral("comportamento")).toString(QStringLiteral("executa"));
        const int comportamento = c == QLatin1String("falha")     ? VORTASIM_MODULO_FALHA
                                  : c == QLatin1String("excecao") ? VORTASIM_MODULO_EXCECAO
                                                                  : VORTASIM_MODULO_EXECUTA;
        VortaSimDefineModuloTEF(
            comportamento,
            m.value(QStringLiteral("resultado")).toString(QStringLiteral("0")).toLatin1().constData(),
            m.value(QStringLiteral("linhaRecorte")).toInt(), m.value(QStringLiteral("linhasCupom")).toInt());
    }
    return true;
}

bool Roteiro::DefineFalhaGravacao(const QJsonValue& v) {
    if (!v.isArray()) {
        Falha(QStringLiteral("falhaGravacao: expected a list of host fields"));
        return false;
    }
    std::vector<int> numeros;
    for (const QJsonValue& c : v.toArray()) {
        if (!c.isDouble() || c.toInt() <= 0) {
            Falha(QStringLiteral("falhaGravacao: expected host field numbers"));
            return false;
        }
        numeros.push_back(c.toInt());
    }
    VortaSimDefineFalhaGravacao(numeros.data(), static_cast<int>(numeros.size()));
    return true;
}

bool Roteiro::PreparaServidor(const QJsonObject& script) {
    const QJsonObject s = script.value(QStringLiteral("servidor")).toObject();
    servidor_ = std::make_unique<ServidorSimulado>();
    QString erro;
    if (!opcoes_.servidor.isEmpty()) {
        if (s.contains(QStringLiteral("cenario")) || s.contains(QStringLiteral("falhas")) ||
            s.contains(QStringLiteral("tcp"))) {
            Falha(QStringLiteral("the script sets up its own server but --server names an external one"));
            return false;
        }
        if (!servidor_->ConectaExterno(opcoes_.servidor, &erro)) {
            Falha(erro);
            return false;
        }
    } else {
        const QString cenario =
            s.contains(QStringLiteral("cenario"))
                ? QFileInfo(opcoes_.script).dir().filePath(s.value(QStringLiteral("cenario")).toString())
                : opcoes_.cenario;
        if (!servidor_->Inicia(cenario, s.value(QStringLiteral("tcp")).toBool(), &erro)) {
            Falha(erro);
            return false;
        }
    }
    return AjustaServidor(s, true);
}

bool Roteiro::AjustaServidor(const QJsonObject& s, bool inicio) {
    for (const QString& k : s.keys()) {
        if (k != QLatin1String("cenario") && k != QLatin1String("falhas") && k != QLatin1String("prazoMs") &&
            k != QLatin1String("tcp") && k != QLatin1String("endereco")) {
            Falha(QStringLiteral("servidor: unknown key \"%1\"").arg(k));
            return false;
        }
    }
    if (!inicio && s.contains(QStringLiteral("tcp"))) {
        Falha(QStringLiteral("servidor.tcp is set once, at the top of the script"));
        return false;
    }
    // From here on the requests go to this address instead: with nothing listening there, the server is down.
    if (s.contains(QStringLiteral("endereco"))) {
        QString erroEndereco;
        if (!servidor_->ConectaExterno(s.value(QStringLiteral("endereco")).toString(), &erroEndereco)) {
            Falha(erroEndereco);
            return false;
        }
    }
    cbserver::Servidor* servidor = servidor_->Servidor();
    if (!servidor && (s.contains(QStringLiteral("cenario")) || s.contains(QStringLiteral("falhas")))) {
        Falha(QStringLiteral("an external server's scenario and faults are not the till's to set"));
        return false;
    }
    QString erro;
    if (!inicio && s.contains(QStringLiteral("cenario")) &&
        !servidor->CarregaCenario(
            QFileInfo(opcoes_.script).dir().filePath(s.value(QStringLiteral("cenario")).toString()), &erro)) {
        Falha(erro);
        return false;
    }
    if (s.contains(QStringLiteral("falhas"))) {
        const auto falhas = cbserver::Falhas::DeJson(s.value(QStringLiteral("falhas")).toObject(), &erro);
        if (!s.value(QStringLiteral("falhas")).isObject() || !falhas) {
            Falha(erro.isEmpty() ? QStringLiteral("servidor.falhas: expected an object") : erro);
            return false;
        }
        servidor->DefineFalhas(*falhas);
    }
    if (s.contains(QStringLiteral("prazoMs"))) {
        const int ms = s.value(QStringLiteral("prazoMs")).toInt(-1);
        if (ms <= 0) {
            Falha(QStringLiteral("servidor.prazoMs: expected a positive number of milliseconds"));
            return false;
        }
        VortaSimDefinePrazoServidor(ms);
    }
    return true;
}

bool Roteiro::AplicaPinpad(const QJsonObject& preparo, const QString& onde) {
    if (!preparo.contains(QStringLiteral("pinpad"))) return true;
    QString motivo;
    if (pinpad_.Aplica(preparo.value(QStringLiteral("pinpad")), onde, motivo)) return true;
    Falha(motivo);
    return false;
}

void Roteiro::ConferePedidos(const QJsonArray& esperados, int indice) {
    if (pedidos_.size() != esperados.size())
        Falha(QStringLiteral("call %1: %2 requests sent, expected %3")
                  .arg(indice)
                  .arg(pedidos_.size())
                  .arg(esperados.size()));
    for (qsizetype i = 0; i < std::min(pedidos_.size(), esperados.size()); ++i) {
        const QJsonObject e = esperados.at(i).toObject();
        const QJsonObject p = pedidos_.at(i).toObject();
        for (const QString& chave : {QStringLiteral("codigo"), QStringLiteral("flag")})
            if (e.contains(chave) && e.value(chave).toInt() != p.value(chave).toInt())
                Falha(QStringLiteral("call %1, request %2: %3 %4, expected %5")
                          .arg(indice)
                          .arg(i + 1)
                          .arg(chave)
                          .arg(p.value(chave).toInt())
                          .arg(e.value(chave).toInt()));
        const QJsonObject itens = p.value(QStringLiteral("itens")).toObject();
        const QJsonObject esperadosItens = e.value(QStringLiteral("itens")).toObject();
        for (auto it = esperadosItens.begin(); it != esperadosItens.end(); ++it) {
            // null: the field is not sent at all.
            const QJsonValue obtido = itens.contains(it.key()) ? itens.value(it.key()) : QJsonValue::Null;
            if (obtido != it.value())
                Falha(QStringLiteral("call %1, request %2: field %3 sent %4, expected %5")
                          .arg(indice)
                          .arg(i + 1)
                          .arg(it.key(), Compacto(obtido), Compacto(it.value())));
        }
    }
}

std::vector<cbserver::CartaoCenario> Roteiro::CartoesDoCenario() {
    if (servidor_ && servidor_->Servidor()) return servidor_->Servidor()->Cartoes();
    // An external server's scenario is not ours to read; the cards come from the scenario file named on the
    // command line, which is the one that server was normally started with.
    if (!cenarioCartoes_) {
        cenarioCartoes_ = std::make_unique<cbserver::Servidor>();
        if (!opcoes_.cenario.isEmpty()) cenarioCartoes_->CarregaCenario(opcoes_.cenario);
    }
    return cenarioCartoes_->Cartoes();
}

// After every call, whatever it was, the host folder (result file, audit trail and any other file) is
// searched for the script's card numbers, tracks and PINs; the transcript lines were searched as they were
// written.
bool Roteiro::ExecutaChamada(const ChamadaRoteiro& chamada, int indice) {
    const bool segue = Chama(chamada, indice);
    for (const QString& achado : segredos_.ProcuraNaPasta(dirHost_))
        Falha(QStringLiteral("after call %1: %2").arg(indice).arg(achado));
    return segue;
}

bool Roteiro::Chama(const ChamadaRoteiro& chamada, int indice) {
    chamadaAtual_ = indice;
    if (!PreparaHost(chamada.preparo)) return false;
    if (chamada.preparo.contains(QStringLiteral("servidor")) &&
        !AjustaServidor(chamada.preparo.value(QStringLiteral("servidor")).toObject(), false))
        return false;
    pinpad_.CarregaCartoes();
    if (!AplicaPinpad(chamada.preparo, QStringLiteral("call %1: pinpad").arg(indice))) return false;
    pedidos_ = {};
    eventosPinpad_.clear();
    const QString& entrada = chamada.entrada;
    Registra({{QStringLiteral("tipo"), QStringLiteral("chamada")},
              {QStringLiteral("entrada"), entrada},
              {QStringLiteral("modo"), chamada.preparo.value(QStringLiteral("modo"))}});

    if (entrada == QLatin1String("Recarrega")) {
        modulo_->Descarrega();
        if (!modulo_->Carrega()) {
            Falha(QStringLiteral("module not reloaded: ") + modulo_->Erro());
            return false;
        }
        return true;
    }
    if (entrada == QLatin1String("ObtemVersao")) {
        char interface[256] = {}, versao[256] = {};
        modulo_->ObtemVersao(interface, versao);
        const QJsonObject r{{QStringLiteral("interface"), QString::fromLatin1(interface)},
                            {QStringLiteral("modulo"), QString::fromLatin1(versao)}};
        Registra({{QStringLiteral("tipo"), QStringLiteral("versao")}, {QStringLiteral("valores"), r}});
        for (auto it = chamada.versao.begin(); it != chamada.versao.end(); ++it) {
            if (r.value(it.key()) != it.value())
                Falha(QStringLiteral("ObtemVersao %1: got \"%2\", expected \"%3\"")
                          .arg(it.key(), r.value(it.key()).toString(), it.value().toString()));
        }
        return true;
    }

    passos_ = chamada.passos;
    proximoPasso_ = 0;
    abortando_ = false;
    audit_.clear();
    mensagens_.clear();
    camposModulo_ = chamada.camposModulo;
    moduloChamado_ = false;
    telasVistas_.clear();
    relances_.clear();
    const qint64 janela = chamada.janela.value_or(static_cast<qint64>(janelaHost_->winId()));
    janelaEsperada_ = janela;
    // A value the module must put back after the call, whatever path it took.
    const qulonglong sentinela = 0xC0FFEE00ULL + static_cast<qulonglong>(indice);
    qApp->setProperty(kPropriedadeJanela, sentinela);
    const int gravacoesAntes = VortaSimQtdeGravaArquivo();

    QTimer relogio;
    relogio.setInterval(kIntervaloMs);
    connect(&relogio, &QTimer::timeout, this, &Roteiro::Passo);
    relogio.start();
    relogioPasso_.start();
    emChamada_ = true;
    if (entrada == QLatin1String("ExecutaGenerico")) {
        modulo_->ExecutaGenerico(static_cast<uint32_t>(janela), chamada.modo);
    } else if (entrada == QLatin1String("ExecutaFuncaoADM")) {
        modulo_->ExecutaFuncaoADM(static_cast<uint32_t>(janela), chamada.modo);
    } else {
        emChamada_ = false;
        Falha(QStringLiteral("unknown entry point ") + entrada);
        return false;
    }
    emChamada_ = false;
    relogio.stop();
    // A screen that confirmed itself may have ended the call before the step that looks back at it ran.
    while (!abortando_ && proximoPasso_ < passos_.size() && passos_.at(proximoPasso_).relance &&
           TomaRelance(passos_.at(proximoPasso_))) {
    }

    if (!abortando_ && proximoPasso_ < passos_.size())
        Falha(QStringLiteral("call %1 returned before step %2 was taken").arg(indice).arg(proximoPasso_ + 1));
    if (qApp->property(kPropriedadeJanela).toULongLong() != sentinela)
        Falha(QStringLiteral("call %1 did not restore the host's owner window").arg(indice));
    ConfereResultado(chamada, indice, VortaSimQtdeGravaArquivo() - gravacoesAntes);
    return true;
}

void Roteiro::ConfereResultado(const ChamadaRoteiro& chamada, int indice, int feitas) {
    Registra({{QStringLiteral("tipo"), QStringLiteral("resultado")},
              {QStringLiteral("1009"), LeCampoJson(1009, 0)},
              {QStringLiteral("1027"), LeCampoJson(1027, 0)},
              {QStringLiteral("gravacoes"), feitas}});

    for (auto it = chamada.resultado.begin(); it != chamada.resultado.end(); ++it) {
        int campo = 0, ocorrencia = 0;
        if (!ChaveCampo(it.key(), campo, ocorrencia)) {
            Falha(QStringLiteral("bad field key ") + it.key());
            continue;
        }
        const QJsonValue obtido = LeCampoJson(campo, ocorrencia);
        if (obtido != it.value())
            Falha(QStringLiteral("call %1: field %2 is %3, expected %4")
                      .arg(indice)
                      .arg(it.key(), QStringLiteral("[%1]").arg(Compacto(obtido)),
                           QStringLiteral("[%1]").arg(Compacto(it.value()))));
    }
    // Every call leaves the host one result file and a result code, whatever path it took.
    if (feitas != chamada.gravacoes)
        Falha(QStringLiteral("call %1: result file written %2 times, expected %3")
                  .arg(indice)
                  .arg(feitas)
                  .arg(chamada.gravacoes));
    if (LeCampoJson(1009, 0).toString().isEmpty())
        Falha(QStringLiteral("call %1: ended without a result code in 1009").arg(indice));
    // Nor card data nor a secret stays in the module's fields once the host has control again (10109 is the
    // PIN pad's own record of the card, the host's to keep).
    for (const int campo :
         {10104, 10146, 10149, 10174, 10175, 10176, 10242, 10243, 10244, 10290, 10348, 10378, 10544}) {
        if (!LeCampoJson(campo, 0).toString().isEmpty())
            Falha(
                QStringLiteral("call %1: field %2 still holds card data or a secret").arg(indice).arg(campo));
    }
    if (!chamada.camposModulo.isEmpty() && !moduloChamado_)
        Falha(QStringLiteral("call %1: the host's other payment module was never called").arg(indice));
    for (const QString& linha : chamada.audit) {
        if (!audit_.contains(linha))
            Falha(QStringLiteral("call %1: audit line missing: %2").arg(indice).arg(linha));
    }
    // Every form the call created is gone when it returns: one left behind holds the host's window and
    // memory.
    QMap<QString, int> vivos;
    for (const QString& linha : audit_) {
        if (linha.startsWith(QLatin1String("Criou: "))) ++vivos[linha.mid(7)];
        if (linha.startsWith(QLatin1String("Destruiu: "))) --vivos[linha.mid(10)];
    }
    for (auto it = vivos.cbegin(); it != vivos.cend(); ++it)
        if (it.value() > 0)
            Falha(QStringLiteral("call %1: form %2 created %3 time(s) more than destroyed")
                      .arg(indice)
                      .arg(it.key())
                      .arg(it.value()));
    for (const QString& texto : chamada.mensagens) {
        if (!mensagens_.contains(texto))
            Falha(QStringLiteral("call %1: the message line never showed: %2").arg(indice).arg(texto));
    }
    for (const QString& linha : chamada.semAudit) {
        if (audit_.contains(linha))
            Falha(QStringLiteral("call %1: unexpected audit line: %2").arg(indice).arg(linha));
    }
    if (chamada.pedidos) ConferePedidos(*chamada.pedidos, indice);
    if (chamada.eventosPinpad) {
        const QString motivo = PinpadRoteiro::ConfereEventos(eventosPinpad_, *chamada.eventosPinpad);
        if (!motivo.isEmpty()) Falha(QStringLiteral("call %1: %2").arg(indice).arg(motivo));
    }
    if (chamada.arquivosFinais) ConfereArquivos(*chamada.arquivosFinais, indice);
    if (chamada.telas && telasVistas_ != *chamada.telas)
        Falha(QStringLiteral("call %1: screens seen %2, expected %3")
                  .arg(indice)
                  .arg(telasVistas_.join(QLatin1Char(',')), chamada.telas->join(QLatin1Char(','))));
}

// Files of the host folder as the call left them: each listed text must be a whole line of the file (the
// module's INI files carry the day's date, so the lines are checked, not the whole file); null: no such file.
void Roteiro::ConfereArquivos(const QJsonObject& esperados, int indice) {
    for (auto it = esperados.begin(); it != esperados.end(); ++it) {
        QFile f(QDir(dirHost_).filePath(it.key()));
        if (it.value().isNull()) {
            if (f.exists()) Falha(QStringLiteral("call %1: file %2 exists").arg(indice).arg(it.key()));
            continue;
        }
        if (!f.open(QIODevice::ReadOnly)) {
            Falha(QStringLiteral("call %1: file %2 missing").arg(indice).arg(it.key()));
            continue;
        }
        // The host's files are Latin-1.
        QStringList linhas = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
        for (QString& l : linhas)
            if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
        for (const QString& linha : ListaTexto(it.value())) {
            if (!linhas.contains(linha))
                Falha(QStringLiteral("call %1: file %2 has no line \"%3\"").arg(indice).arg(it.key(), linha));
        }
    }
}

bool Roteiro::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate && alvo->isWidgetType()) {
        auto* w = static_cast<QWidget*>(alvo);
        if (w->isWindow()) {
            w->setProperty("cbRoteiroAparicao", AparicaoDe(w) + 1);
            if (emChamada_) relances_.append({{IdDe(w), AparicaoDe(w)}, RetrataTela(w)});
        }
    }
    return QObject::eventFilter(alvo, evento);
}

void Roteiro::Passo() {
    if (!emChamada_) return;
    QWidget* tela = QApplication::activeModalWidget();
    if (abortando_) {
        if (tela) tela->close();
        if (relogioPasso_.elapsed() > kPrazoAbortoMs) {
            Falha(QStringLiteral("the call did not end after the abort"));
            std::fflush(nullptr);
            _exit(3);
        }
        return;
    }
    static const PassoRoteiro nenhum; // once the steps run out: a screen that comes then has none
    const PassoRoteiro& passo = proximoPasso_ < passos_.size() ? passos_.at(proximoPasso_) : nenhum;
    if (passo.relance && TomaRelance(passo)) return;
    auto prazoEsgotado = [&] {
        if (relogioPasso_.elapsed() <= passo.prazoMs) return;
        const QString esperando = proximoPasso_ < passos_.size()
                                      ? QStringLiteral("step %1").arg(proximoPasso_ + 1)
                                      : QStringLiteral("the end of the call");
        Falha(QStringLiteral("deadline passed waiting for %1; on screen: %2")
                  .arg(esperando, tela ? Linha(RetrataTela(tela).descricao) : QStringLiteral("nothing")));
        Aborta();
    };
    if (!tela || !assentamento_.Ativa(tela)) {
        prazoEsgotado();
        return;
    }
    const Aparicao chave{IdDe(tela), AparicaoDe(tela)};
    if (passo.mesmaTela && chave == ultimaTratada_) {
        // Acting again on the same screen waits as long as a new screen would, so the last keys are handled
        // first; a screen acting by itself is not the operator's yet.
        if (tela->property("ocupado").toBool()) {
            prazoEsgotado();
            return;
        }
        if (relogioPasso_.elapsed() < kAssentamentoMs) return;
        ultimaTratada_ = chave;
        Age(passo, tela, RetrataTela(tela));
        return;
    }
    if (!assentamento_.Quieta(tela, chave) || tratadas_.contains(chave)) {
        prazoEsgotado();
        return;
    }
    tratadas_.insert(chave);
    telasVistas_ << ClasseDe(tela);
    const RetratoTela retrato = RetrataTela(tela);
    Registra(retrato.descricao);
    Fotografa(tela);
    ultimaTratada_ = chave;
    Age(passo, tela, retrato);
}

bool Roteiro::Age(const PassoRoteiro& passo, QWidget* tela, const RetratoTela& retrato) {
    if (proximoPasso_ >= passos_.size()) {
        Falha(QStringLiteral("screen with no step left: ") + ClasseDe(tela));
        Aborta();
        return false;
    }
    ++proximoPasso_;
    QString motivo;
    if (!ConfereTela(retrato, passo.espera, motivo)) {
        Falha(QStringLiteral("step %1: %2").arg(proximoPasso_).arg(motivo));
        Aborta();
        return false;
    }
    if (qApp->property(kPropriedadeJanela).toLongLong() != janelaEsperada_) {
        Falha(
            QStringLiteral("step %1: the host's window is not the owner during the call").arg(proximoPasso_));
        Aborta();
        return false;
    }
    // The server changes at this point of the call, before the keys act: it can go down between the bill
    // query and the settlement. A scenario is loaded between calls only, where the PIN pad's cards follow it.
    if (passo.servidor) {
        if (passo.servidor->contains(QStringLiteral("cenario"))) {
            Falha(QStringLiteral("step %1: servidor.cenario is set in a call, not in a step")
                      .arg(proximoPasso_));
            Aborta();
            return false;
        }
        if (!AjustaServidor(*passo.servidor, false)) {
            Aborta();
            return false;
        }
    }
    if (passo.falhaGravacao && !DefineFalhaGravacao(*passo.falhaGravacao)) {
        Aborta();
        return false;
    }
    relogioPasso_.restart();
    if (opcoes_.aoAgir) opcoes_.aoAgir(chamadaAtual_, proximoPasso_, tela);
    // "fechar" closes the window as the window manager's close button would.
    if (passo.fechar) {
        tela->close();
        return true;
    }
    PostaTeclas(tela, passo.teclas);
    return true;
}

bool Roteiro::TomaRelance(const PassoRoteiro& passo) {
    const QString classe = passo.espera.value(QStringLiteral("classe")).toString();
    for (const auto& [chave, retrato] : std::as_const(relances_)) {
        if (tratadas_.contains(chave) ||
            retrato.descricao.value(QStringLiteral("classe")).toString() != classe)
            continue;
        tratadas_.insert(chave);
        ultimaTratada_ = chave;
        telasVistas_ << classe;
        Registra(retrato.descricao);
        ++proximoPasso_;
        QString motivo;
        if (!ConfereTela(retrato, passo.espera, motivo)) {
            Falha(QStringLiteral("step %1: %2").arg(proximoPasso_).arg(motivo));
            Aborta();
        }
        relogioPasso_.restart();
        return true;
    }
    return false;
}

void Roteiro::Fotografa(QWidget* tela) {
    if (opcoes_.dirTelas.isEmpty()) return;
    const QString arquivo =
        QDir(opcoes_.dirTelas)
            .filePath(
                QStringLiteral("%1-%2.png").arg(++numeroTela_, 3, 10, QLatin1Char('0')).arg(ClasseDe(tela)));
    tela->grab().save(arquivo);
}
