#include "Roteiro.h"

#include "Teclado.h"

#include "Modulo.h"
#include "ServidorSimulado.h"
#include "Transcricao.h"

#include "Servidor.h"

#include "basekit.h"
#include "vortasim.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QVarLengthArray>

#include <cstdlib>
#include <string.h>
#include <unistd.h>

namespace {

using namespace Teclado;
constexpr int kPrazoPadraoMs = 5000;
const char kPropriedadeJanela[] = "cbJanelaProprietaria";

int AparicaoDe(QWidget* w) {
    return w->property("cbRoteiroAparicao").toInt();
}

QString Classe(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className());
}

// Text fields that hold card numbers, PINs or security codes are never written out.
bool Sensivel(const QLineEdit* e) {
    return e->echoMode() != QLineEdit::Normal || e->property("cbSensivel").toBool();
}

QString TextoDe(const QWidget* tela, const char* nome) {
    const auto* l = tela->findChild<QLabel*>(QLatin1String(nome));
    return l ? l->text() : QString();
}

QJsonValue LeCampoJson(int campo, int ocorrencia) {
    const int n = LeCampo(nullptr, 0, campo, ocorrencia);
    if (n < 0) return QJsonValue::Null;
    QByteArray b(n + 1, '\0');
    LeCampo(b.data(), n + 1, campo, ocorrencia);
    b.truncate(n);
    return QString::fromLatin1(b);
}

// "1009" or "1009.1" -> (field, occurrence).
bool ChaveCampo(const QString& chave, int& campo, int& ocorrencia) {
    const QStringList p = chave.split(QLatin1Char('.'));
    bool ok1 = false, ok2 = true;
    campo = p.value(0).toInt(&ok1);
    ocorrencia = p.size() > 1 ? p.value(1).toInt(&ok2) : 0;
    return ok1 && ok2 && p.size() <= 2;
}

QString Compacto(const QJsonValue& v) {
    return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

QStringList ListaTexto(const QJsonValue& v) {
    QStringList l;
    for (const auto& e : v.toArray())
        l << e.toString();
    return l;
}

} // namespace

Roteiro::Roteiro(Opcoes opcoes) : opcoes_(std::move(opcoes)) {}

Roteiro::~Roteiro() {
    VortaSimDefineObservador(nullptr, nullptr);
    ApagaCartoes(cartoesExtras_);
    if (transcricao_) std::fclose(transcricao_);
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
    const QString t = QString::fromLatin1(texto);
    if (qstrcmp(tipo, "pinpad") == 0) {
        r->eventosPinpad_ << t;
        r->Registra({{QStringLiteral("tipo"), QStringLiteral("pinpad")}, {QStringLiteral("texto"), t}});
        return;
    }
    if (qstrcmp(tipo, "audit") == 0) r->audit_ << t;
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
    QFile f(opcoes_.script);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(opcoes_.script));
        return 2;
    }
    QJsonParseError erro{};
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &erro);
    if (!doc.isObject()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(opcoes_.script), qPrintable(erro.errorString()));
        return 2;
    }
    if (!opcoes_.transcricao.isEmpty())
        transcricao_ = std::fopen(QFile::encodeName(opcoes_.transcricao), "w");
    if (!opcoes_.dirTelas.isEmpty()) QDir().mkpath(opcoes_.dirTelas);

    const QJsonObject script = doc.object();
    QTemporaryDir temporario;
    dirHost_ = qEnvironmentVariable("CB_HOST_DIR");
    if (dirHost_.isEmpty()) {
        dirHost_ = temporario.path();
        qputenv("CB_HOST_DIR", QFile::encodeName(dirHost_));
    }
    VortaSimReinicia();
    VortaSimDefineObservador(&Roteiro::Observador, this);
    if (!PreparaServidor(script) || !PreparaHost(script)) return 2;
    CarregaCartoes();
    if (script.contains(QStringLiteral("pinpad")) &&
        !AplicaPinpad(script.value(QStringLiteral("pinpad")), QStringLiteral("pinpad")))
        return 2;

    // The host's main window, whose handle the module gets as owner.
    janelaHost_ = std::make_unique<QWidget>();
    janelaHost_->setObjectName(QStringLiteral("ClienteVorta"));

    modulo_ = std::make_unique<Modulo>(Modulo::CaminhoPadrao());
    if (!modulo_->Carrega()) {
        Falha(QStringLiteral("module not loaded: ") + modulo_->Erro());
        return 1;
    }
    qApp->installEventFilter(this);
    const QJsonArray chamadas = script.value(QStringLiteral("chamadas")).toArray();
    for (int i = 0; i < chamadas.size(); ++i) {
        if (!ExecutaChamada(chamadas.at(i).toObject(), i)) break;
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
    if (s.contains(QStringLiteral("falhaGravacao"))) {
        const QJsonValue v = s.value(QStringLiteral("falhaGravacao"));
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
    }
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

// The cards on offer: the scenario's (which a call may have changed), then the script's own, and the card the
// customer presents.
void Roteiro::CarregaCartoes() {
    std::vector<cbserver::CartaoCenario> todos = CartoesDoCenario();
    for (const auto& c : todos)
        segredos_.AdicionaCartao(c);
    todos.insert(todos.end(), cartoesExtras_.begin(), cartoesExtras_.end());
    cartoes_ = CarregaCartoesPinpad(todos);
    ApagaCartoes(todos);
    VortaSimPinpadApresentaCartao(cartaoApresentado_ < cartoes_.size() ? cartaoApresentado_ : -1);
}

bool Roteiro::AplicaPinpad(const QJsonValue& valor, const QString& onde) {
    if (!valor.isObject()) {
        Falha(onde + QStringLiteral(": expected an object"));
        return false;
    }
    const QJsonObject p = valor.toObject();
    static const QStringList chaves{
        QStringLiteral("cartao"),    QStringLiteral("cartoes"),      QStringLiteral("analises"),
        QStringLiteral("senhas"),    QStringLiteral("confirmacoes"), QStringLiteral("falhaPorta"),
        QStringLiteral("falhaBins"), QStringLiteral("falhaChip"),    QStringLiteral("adviceOffLine")};
    for (const QString& k : p.keys()) {
        if (!chaves.contains(k)) {
            Falha(QStringLiteral("%1: unknown key \"%2\"").arg(onde, k));
            return false;
        }
    }
    auto erro = [&](const QString& chave, const QString& esperado) {
        Falha(QStringLiteral("%1.%2: expected %3").arg(onde, chave, esperado));
        return false;
    };

    if (p.contains(QStringLiteral("cartoes"))) {
        // Read as a scenario's cards are, so the same keys and checks apply.
        const QJsonValue lista = p.value(QStringLiteral("cartoes"));
        if (!lista.isArray()) return erro(QStringLiteral("cartoes"), QStringLiteral("an array of cards"));
        cbserver::Servidor leitor;
        QString motivo;
        if (!leitor.CarregaCenarioJson(
                QJsonDocument(QJsonObject{{QStringLiteral("cartoes"), lista}}).toJson(QJsonDocument::Compact),
                QString(), &motivo)) {
            Falha(QStringLiteral("%1.%2").arg(onde, motivo));
            return false;
        }
        std::vector<cbserver::CartaoCenario> novos = leitor.Cartoes();
        for (const auto& c : novos) {
            segredos_.AdicionaCartao(c);
            cartoesExtras_.push_back(c);
        }
        ApagaCartoes(novos);
        CarregaCartoes();
    }
    if (p.contains(QStringLiteral("cartao"))) {
        const QJsonValue c = p.value(QStringLiteral("cartao"));
        int indice = -2;
        if (c.isNull()) {
            indice = -1;
        } else if (c.isDouble() && c.toDouble() == c.toInt() && c.toInt() >= -1 &&
                   c.toInt() < cartoes_.size()) {
            indice = c.toInt();
        } else if (c.isString()) {
            for (qsizetype i = 0; i < cartoes_.size() && indice < 0; ++i) {
                if (cartoes_.at(i).descricao == c.toString()) indice = static_cast<int>(i);
            }
        }
        if (indice < -1)
            return erro(QStringLiteral("cartao"),
                        QStringLiteral("the index (0 to %1) or the description of a card, or null")
                            .arg(cartoes_.size() - 1));
        cartaoApresentado_ = indice;
        VortaSimPinpadApresentaCartao(indice);
    }
    if (p.contains(QStringLiteral("analises"))) {
        const QJsonValue v = p.value(QStringLiteral("analises"));
        QVarLengthArray<int> analises;
        for (const auto& a : v.toArray()) {
            if (!a.isDouble() || a.toDouble() != a.toInt())
                return erro(QStringLiteral("analises"), QStringLiteral("an array of numbers"));
            analises.append(a.toInt());
        }
        if (!v.isArray()) return erro(QStringLiteral("analises"), QStringLiteral("an array of numbers"));
        VortaSimPinpadDefineAnalises(analises.data(), static_cast<int>(analises.size()));
    }
    if (p.contains(QStringLiteral("senhas"))) {
        const QJsonValue v = p.value(QStringLiteral("senhas"));
        const QString esperado = QStringLiteral("an array of PINs (4 to 12 digits) or null");
        if (!v.isArray()) return erro(QStringLiteral("senhas"), esperado);
        std::vector<QByteArray> digitos;
        for (const auto& s : v.toArray()) {
            if (s.isNull()) {
                digitos.emplace_back();
                continue;
            }
            const QByteArray d = s.toString().toLatin1();
            static const QRegularExpression pin(QStringLiteral("^[0-9]{4,12}$"));
            if (!s.isString() || !pin.match(s.toString()).hasMatch()) {
                for (auto& b : digitos)
                    explicit_bzero(b.data(), static_cast<size_t>(b.size()));
                return erro(QStringLiteral("senhas"), esperado);
            }
            segredos_.AdicionaSenha(std::string_view(d.constData(), static_cast<size_t>(d.size())));
            digitos.push_back(d);
        }
        std::vector<const char*> ponteiros;
        for (const auto& d : digitos)
            ponteiros.push_back(d.isNull() ? nullptr : d.constData());
        VortaSimPinpadDefineSenhas(ponteiros.data(), static_cast<int>(ponteiros.size()));
        for (auto& b : digitos)
            explicit_bzero(b.data(), static_cast<size_t>(b.size()));
    }
    if (p.contains(QStringLiteral("confirmacoes"))) {
        const QJsonValue v = p.value(QStringLiteral("confirmacoes"));
        QVarLengthArray<bool> respostas;
        for (const auto& r : v.toArray()) {
            if (!r.isBool())
                return erro(QStringLiteral("confirmacoes"), QStringLiteral("an array of true/false"));
            respostas.append(r.toBool());
        }
        if (!v.isArray())
            return erro(QStringLiteral("confirmacoes"), QStringLiteral("an array of true/false"));
        VortaSimPinpadDefineConfirmacoes(respostas.data(), static_cast<int>(respostas.size()));
    }
    const std::pair<const char*, void (*)(bool)> interruptores[] = {
        {"falhaPorta", &VortaSimPinpadDefineFalhaPorta},
        {"falhaBins", &VortaSimBinsDefineFalha},
        {"falhaChip", &VortaSimPinpadDefineFalhaChip},
        {"adviceOffLine", &VortaSimPinpadDefineAdviceOffLine}};
    for (const auto& [chave, define] : interruptores) {
        const QString k = QLatin1String(chave);
        if (!p.contains(k)) continue;
        if (!p.value(k).isBool()) return erro(k, QStringLiteral("true or false"));
        define(p.value(k).toBool());
    }
    return true;
}

// Each expected text is found, in order, in a PIN pad event of the call after the one the previous matched.
void Roteiro::ConfereEventosPinpad(const QJsonArray& esperados, int indice) {
    qsizetype proximo = 0;
    for (const auto& e : esperados) {
        const QString texto = e.toString();
        qsizetype i = proximo;
        while (i < eventosPinpad_.size() && !eventosPinpad_.at(i).contains(texto))
            ++i;
        if (i == eventosPinpad_.size()) {
            Falha(QStringLiteral("call %1: PIN pad event \"%2\" not seen (in order); the call's events: %3")
                      .arg(indice)
                      .arg(texto, eventosPinpad_.join(QStringLiteral(" | "))));
            return;
        }
        proximo = i + 1;
    }
}

// After every call, whatever it was, the host folder (result file, audit trail and any other file) is
// searched for the script's card numbers, tracks and PINs; the transcript lines were searched as they were
// written.
bool Roteiro::ExecutaChamada(const QJsonObject& chamada, int indice) {
    const bool segue = Chama(chamada, indice);
    for (const QString& achado : segredos_.ProcuraNaPasta(dirHost_))
        Falha(QStringLiteral("after call %1: %2").arg(indice).arg(achado));
    return segue;
}

bool Roteiro::Chama(const QJsonObject& chamada, int indice) {
    if (!PreparaHost(chamada)) return false;
    if (chamada.contains(QStringLiteral("servidor")) &&
        !AjustaServidor(chamada.value(QStringLiteral("servidor")).toObject(), false))
        return false;
    CarregaCartoes();
    if (chamada.contains(QStringLiteral("pinpad")) &&
        !AplicaPinpad(chamada.value(QStringLiteral("pinpad")), QStringLiteral("call %1: pinpad").arg(indice)))
        return false;
    pedidos_ = {};
    eventosPinpad_.clear();
    const QString entrada = chamada.value(QStringLiteral("entrada")).toString();
    Registra({{QStringLiteral("tipo"), QStringLiteral("chamada")},
              {QStringLiteral("entrada"), entrada},
              {QStringLiteral("modo"), chamada.value(QStringLiteral("modo"))}});

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
        const QJsonObject espera = chamada.value(QStringLiteral("versao")).toObject();
        for (auto it = espera.begin(); it != espera.end(); ++it) {
            if (r.value(it.key()) != it.value())
                Falha(QStringLiteral("ObtemVersao %1: got \"%2\", expected \"%3\"")
                          .arg(it.key(), r.value(it.key()).toString(), it.value().toString()));
        }
        return true;
    }

    passos_ = chamada.value(QStringLiteral("passos")).toArray();
    proximoPasso_ = 0;
    abortando_ = false;
    audit_.clear();
    telasVistas_.clear();
    relances_.clear();
    const qint64 janela = chamada.contains(QStringLiteral("janela"))
                              ? chamada.value(QStringLiteral("janela")).toInteger()
                              : static_cast<qint64>(janelaHost_->winId());
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
    const int modo = chamada.value(QStringLiteral("modo")).toInt();
    if (entrada == QLatin1String("ExecutaGenerico")) {
        modulo_->ExecutaGenerico(static_cast<uint32_t>(janela), modo);
    } else if (entrada == QLatin1String("ExecutaFuncaoADM")) {
        modulo_->ExecutaFuncaoADM(static_cast<uint32_t>(janela), modo);
    } else {
        emChamada_ = false;
        Falha(QStringLiteral("unknown entry point ") + entrada);
        return false;
    }
    emChamada_ = false;
    relogio.stop();
    // A screen that confirmed itself may have ended the call before the step that looks back at it ran.
    while (!abortando_ && proximoPasso_ < passos_.size() &&
           passos_.at(proximoPasso_).toObject().value(QStringLiteral("relance")).toBool() &&
           TomaRelance(passos_.at(proximoPasso_).toObject())) {
    }

    if (!abortando_ && proximoPasso_ < passos_.size())
        Falha(QStringLiteral("call %1 returned before step %2 was taken").arg(indice).arg(proximoPasso_ + 1));
    if (qApp->property(kPropriedadeJanela).toULongLong() != sentinela)
        Falha(QStringLiteral("call %1 did not restore the host's owner window").arg(indice));

    QJsonObject resultado{{QStringLiteral("tipo"), QStringLiteral("resultado")},
                          {QStringLiteral("1009"), LeCampoJson(1009, 0)},
                          {QStringLiteral("1027"), LeCampoJson(1027, 0)},
                          {QStringLiteral("gravacoes"), VortaSimQtdeGravaArquivo() - gravacoesAntes}};
    Registra(resultado);

    const QJsonObject espera = chamada.value(QStringLiteral("resultado")).toObject();
    for (auto it = espera.begin(); it != espera.end(); ++it) {
        int campo = 0, ocorrencia = 0;
        if (!ChaveCampo(it.key(), campo, ocorrencia)) {
            Falha(QStringLiteral("bad field key ") + it.key());
            continue;
        }
        const QJsonValue obtido = LeCampoJson(campo, ocorrencia);
        if (obtido != it.value())
            Falha(
                QStringLiteral("call %1: field %2 is %3, expected %4")
                    .arg(indice)
                    .arg(it.key(),
                         QString::fromUtf8(QJsonDocument(QJsonArray{obtido}).toJson(QJsonDocument::Compact)),
                         QString::fromUtf8(
                             QJsonDocument(QJsonArray{it.value()}).toJson(QJsonDocument::Compact))));
    }
    // Every call leaves the host one result file and a result code, whatever path it took.
    const int gravacoes = chamada.value(QStringLiteral("gravacoes")).toInt(1);
    const int feitas = VortaSimQtdeGravaArquivo() - gravacoesAntes;
    if (feitas != gravacoes)
        Falha(QStringLiteral("call %1: result file written %2 times, expected %3")
                  .arg(indice)
                  .arg(feitas)
                  .arg(gravacoes));
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
    for (const QString& linha : ListaTexto(chamada.value(QStringLiteral("audit")))) {
        if (!audit_.contains(linha))
            Falha(QStringLiteral("call %1: audit line missing: %2").arg(indice).arg(linha));
    }
    for (const QString& linha : ListaTexto(chamada.value(QStringLiteral("semAudit")))) {
        if (audit_.contains(linha))
            Falha(QStringLiteral("call %1: unexpected audit line: %2").arg(indice).arg(linha));
    }
    if (chamada.contains(QStringLiteral("pedidos")))
        ConferePedidos(chamada.value(QStringLiteral("pedidos")).toArray(), indice);
    if (chamada.contains(QStringLiteral("eventosPinpad")))
        ConfereEventosPinpad(chamada.value(QStringLiteral("eventosPinpad")).toArray(), indice);
    if (chamada.contains(QStringLiteral("arquivosFinais")))
        ConfereArquivos(chamada.value(QStringLiteral("arquivosFinais")).toObject(), indice);
    if (chamada.contains(QStringLiteral("telas"))) {
        const QStringList esperadas = ListaTexto(chamada.value(QStringLiteral("telas")));
        if (telasVistas_ != esperadas)
            Falha(QStringLiteral("call %1: screens seen %2, expected %3")
                      .arg(indice)
                      .arg(telasVistas_.join(QLatin1Char(',')), esperadas.join(QLatin1Char(','))));
    }
    return true;
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
            if (emChamada_) relances_.append({{IdDe(w), AparicaoDe(w)}, DescreveTela(w)});
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
    const QJsonObject passo = passos_.at(proximoPasso_).toObject(); // a null object once the steps run out
    if (passo.value(QStringLiteral("relance")).toBool() && TomaRelance(passo)) return;
    const int prazo = passo.value(QStringLiteral("prazo")).toInt(kPrazoPadraoMs);
    auto prazoEsgotado = [&] {
        if (relogioPasso_.elapsed() <= prazo) return false;
        const QString esperando = proximoPasso_ < passos_.size()
                                      ? QStringLiteral("step %1").arg(proximoPasso_ + 1)
                                      : QStringLiteral("the end of the call");
        Falha(QStringLiteral("deadline passed waiting for %1; on screen: %2")
                  .arg(esperando, tela ? QString::fromUtf8(
                                             QJsonDocument(DescreveTela(tela)).toJson(QJsonDocument::Compact))
                                       : QStringLiteral("nothing")));
        Aborta();
        return true;
    };
    if (!tela) {
        prazoEsgotado();
        return;
    }
    if (QApplication::activeWindow() != tela) {
        if (!relogioAtivacao_.isValid()) {
            relogioAtivacao_.start();
        } else if (relogioAtivacao_.elapsed() > kAtivacaoMs) {
            tela->activateWindow();
            relogioAtivacao_.invalidate();
        }
        prazoEsgotado();
        return;
    }
    relogioAtivacao_.invalidate();
    // A screen that acts by itself (a handler running, an automatic confirm pending, closing) is not the
    // operator's yet: it settles only once that is over, however slow the machine.
    if (tela->property("ocupado").toBool()) {
        relogioAssentamento_.start();
        prazoEsgotado();
        return;
    }

    const bool mesmaTela = passo.value(QStringLiteral("mesmaTela")).toBool();
    const QPair<int, int> chave{IdDe(tela), AparicaoDe(tela)};
    // Acting again on the same screen waits as long as a new screen would, so the last keys are handled
    // first.
    if (mesmaTela && chave == ultimaTratada_ && relogioPasso_.elapsed() < kAssentamentoMs) return;
    if (!mesmaTela || chave != ultimaTratada_) {
        if (tratadas_.contains(chave)) {
            prazoEsgotado();
            return;
        }
        if (chave != candidata_) {
            candidata_ = chave;
            relogioAssentamento_.start();
            return;
        }
        if (relogioAssentamento_.elapsed() < kAssentamentoMs) return;
        tratadas_.insert(chave);
        telasVistas_ << Classe(tela);
        Registra(DescreveTela(tela));
        Fotografa(tela);
    }
    ultimaTratada_ = chave;
    if (proximoPasso_ >= passos_.size()) {
        Falha(QStringLiteral("screen with no step left: ") + Classe(tela));
        Aborta();
        return;
    }
    ++proximoPasso_;
    QString motivo;
    if (!ConfereTela(tela, passo.value(QStringLiteral("espera")).toObject(), motivo)) {
        Falha(QStringLiteral("step %1: %2").arg(proximoPasso_).arg(motivo));
        Aborta();
        return;
    }
    if (qApp->property(kPropriedadeJanela).toLongLong() != janelaEsperada_) {
        Falha(
            QStringLiteral("step %1: the host's window is not the owner during the call").arg(proximoPasso_));
        Aborta();
        return;
    }
    // The server changes at this point of the call, before the keys act: it can go down between the bill
    // query and the settlement. A scenario is loaded between calls only, where the PIN pad's cards follow it.
    if (passo.contains(QStringLiteral("servidor"))) {
        const QJsonObject servidor = passo.value(QStringLiteral("servidor")).toObject();
        if (servidor.contains(QStringLiteral("cenario"))) {
            Falha(QStringLiteral("step %1: servidor.cenario is set in a call, not in a step")
                      .arg(proximoPasso_));
            Aborta();
            return;
        }
        if (!AjustaServidor(servidor, false)) {
            Aborta();
            return;
        }
    }
    relogioPasso_.restart();
    // "fechar" closes the window as the window manager's close button would.
    if (passo.value(QStringLiteral("acao")).toString() == QLatin1String("fechar")) {
        tela->close();
        return;
    }
    PostaTeclas(tela, passo.value(QStringLiteral("teclas")).toArray());
}

QJsonObject Roteiro::DescreveTela(QWidget* tela) const {
    QJsonObject d;
    if (auto* caixa = qobject_cast<QMessageBox*>(tela)) {
        static const char* const icones[] = {"nenhum", "informacao", "aviso", "erro", "pergunta"};
        QJsonArray botoes;
        for (auto* b : caixa->buttons())
            botoes << b->text();
        d = {{QStringLiteral("tipo"), QStringLiteral("caixa")},
             {QStringLiteral("classe"), Classe(tela)},
             {QStringLiteral("icone"),
              QLatin1String(icones[std::clamp(static_cast<int>(caixa->icon()), 0, 4)])},
             {QStringLiteral("titulo"), caixa->windowTitle()},
             {QStringLiteral("texto"), caixa->text()},
             {QStringLiteral("botoes"), botoes}};
        return d;
    }
    QJsonArray opcoes, habilitadas;
    for (auto* b : tela->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(tela)) continue;
        opcoes << b->text();
        if (b->isEnabled()) habilitadas << b->text();
    }
    QJsonObject campos;
    for (auto* e : tela->findChildren<QLineEdit*>()) {
        if (!e->isVisibleTo(tela)) continue;
        campos.insert(e->objectName(), Sensivel(e) ? QString(e->text().size(), QLatin1Char('*')) : e->text());
    }
    // Shown, but out of the operator's reach: what the host supplied or the dialog fixed.
    QJsonArray bloqueados;
    for (auto* w : tela->findChildren<QWidget*>()) {
        auto* e = qobject_cast<QLineEdit*>(w);
        if ((!e && !qobject_cast<QComboBox*>(w)) || !w->isVisibleTo(tela)) continue;
        if (!w->isEnabled() || (e && e->isReadOnly())) bloqueados << w->objectName();
    }
    QWidget* foco = tela->focusWidget();
    d = {{QStringLiteral("tipo"), QStringLiteral("tela")},
         {QStringLiteral("classe"), Classe(tela)},
         {QStringLiteral("titulo"), TextoDe(tela, "lbTitulo")},
         {QStringLiteral("mensagem"), TextoDe(tela, "lbMensagem")},
         {QStringLiteral("opcoes"), opcoes},
         {QStringLiteral("habilitadas"), habilitadas},
         {QStringLiteral("foco"), foco ? foco->objectName() : QString()}};
    if (!campos.isEmpty()) d.insert(QStringLiteral("campos"), campos);
    if (!bloqueados.isEmpty()) d.insert(QStringLiteral("bloqueados"), bloqueados);
    return d;
}

bool Roteiro::TomaRelance(const QJsonObject& passo) {
    const QJsonObject espera = passo.value(QStringLiteral("espera")).toObject();
    const QString classe = espera.value(QStringLiteral("classe")).toString();
    for (const auto& [chave, descricao] : std::as_const(relances_)) {
        if (tratadas_.contains(chave) || descricao.value(QStringLiteral("classe")).toString() != classe)
            continue;
        tratadas_.insert(chave);
        ultimaTratada_ = chave;
        telasVistas_ << classe;
        Registra(descricao);
        ++proximoPasso_;
        QString motivo;
        if (!ConfereDescricao(descricao, espera, motivo)) {
            Falha(QStringLiteral("step %1: %2").arg(proximoPasso_).arg(motivo));
            Aborta();
        }
        relogioPasso_.restart();
        return true;
    }
    return false;
}

bool Roteiro::ConfereTela(QWidget* tela, const QJsonObject& espera, QString& motivo) const {
    return ConfereDescricao(DescreveTela(tela), espera, motivo);
}

bool Roteiro::ConfereDescricao(const QJsonObject& d, const QJsonObject& espera, QString& motivo) const {
    for (auto it = espera.begin(); it != espera.end(); ++it) {
        const QJsonValue obtido = d.value(it.key());
        if (it.key() == QLatin1String("campos")) {
            const QJsonObject c = d.value(QStringLiteral("campos")).toObject();
            const QJsonObject e = it.value().toObject();
            for (auto ci = e.begin(); ci != e.end(); ++ci) {
                // null: the edit is not shown.
                const bool oculto = ci.value().isNull() && !c.contains(ci.key());
                if (!oculto && c.value(ci.key()) != ci.value()) {
                    motivo = QStringLiteral("field %1 shows \"%2\", expected \"%3\"")
                                 .arg(ci.key(), c.value(ci.key()).toString(), ci.value().toString());
                    return false;
                }
            }
            continue;
        }
        // Host fields as they stand while this screen is up (what the steps before it left for the host).
        if (it.key() == QLatin1String("host")) {
            const QJsonObject e = it.value().toObject();
            for (auto ci = e.begin(); ci != e.end(); ++ci) {
                int campo = 0, ocorrencia = 0;
                const QJsonValue valor = ChaveCampo(ci.key(), campo, ocorrencia)
                                             ? LeCampoJson(campo, ocorrencia)
                                             : QJsonValue(QJsonValue::Undefined);
                if (valor != ci.value()) {
                    motivo = QStringLiteral("host field %1 is \"%2\", expected \"%3\"")
                                 .arg(ci.key(), valor.toString(), ci.value().toString());
                    return false;
                }
            }
            continue;
        }
        const bool nenhumBloqueado =
            it.key() == QLatin1String("bloqueados") && obtido.isUndefined() && it.value().toArray().isEmpty();
        if (obtido != it.value() && !nenhumBloqueado) {
            motivo =
                QStringLiteral("%1 is %2, expected %3; screen: %4")
                    .arg(it.key(),
                         QString::fromUtf8(QJsonDocument(QJsonArray{obtido}).toJson(QJsonDocument::Compact)),
                         QString::fromUtf8(
                             QJsonDocument(QJsonArray{it.value()}).toJson(QJsonDocument::Compact)),
                         QString::fromUtf8(QJsonDocument(d).toJson(QJsonDocument::Compact)));
            return false;
        }
    }
    return true;
}

void Roteiro::Fotografa(QWidget* tela) {
    if (opcoes_.dirTelas.isEmpty()) return;
    const QString arquivo =
        QDir(opcoes_.dirTelas)
            .filePath(
                QStringLiteral("%1-%2.png").arg(++numeroTela_, 3, 10, QLatin1Char('0')).arg(Classe(tela)));
    tela->grab().save(arquivo);
}
