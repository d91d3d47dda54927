#include "Macaco.h"
#include "Teclado.h"

#include "CartoesPinpad.h"
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
#include <QHash>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <string.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace Teclado;
// A call still running after this long hangs.
constexpr int kPrazoChamadaMs = 60000;

// Scenarios of the default scenario's folder played beside it, in a third of the sessions: the default one
// has every group's parameters, the others some only.
const char kCenarios[] = "saque pagamento_saque pagamento_formas cartao_prepago cartao_prepago_consultas "
                         "boleto_registrado_bacen transacao pagamento_cheque_cmc7 menus_recusa";
// Switches of ClienteTrn.ini, each on or off at random, so that every menu option gets reached.
const char kOpcoesMenu[] =
    "ConsultaSaldoCB ConsultaExtratoCB DepositoCB SaqueCB PagueFacilCB OutrasFuncoes EmprestimoCB "
    "TransferenciaEntreContas CartaoPrePago RecargaCelularBradesco PagamentoDiversosCB PagamentoCBRede "
    "AberturaConta AlteracaoCestaServicos IdentificacaoClienteCartao IdentificacaoClienteCelular "
    "ConsultaBeneficioINSS RevalidacaoSenhaCartaoINSS DemonstrativoCreditoBeneficios PedidoCartaoDebito "
    "FechamentoRepasse DesbloqueioTalonario";

// A window appearance is (window, activation count), as the script runner counts them.
QPair<int, int> ChaveDe(QWidget* w) {
    return {IdDe(w), w->property("cbMacacoAparicao").toInt()};
}

QString Classe(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className());
}

QString Digitos(QRandomGenerator& g, int n) {
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'0' + g.bounded(10));
    return s;
}

QJsonValue LeCampoJson(int campo) {
    const int n = LeCampo(nullptr, 0, campo, 0);
    if (n < 0) return QJsonValue::Null;
    QByteArray b(n + 1, '\0');
    LeCampo(b.data(), n + 1, campo, 0);
    b.truncate(n);
    return QString::fromLatin1(b);
}

// Every text the screen shows, the edits that hold card numbers, PINs or security codes as '*'.
QJsonObject DescreveTela(QWidget* tela) {
    QJsonArray textos;
    for (auto* l : tela->findChildren<QLabel*>())
        if (l->isVisibleTo(tela) && !l->text().isEmpty()) textos << l->text();
    for (auto* b : tela->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(tela)) textos << b->text();
    for (auto* c : tela->findChildren<QComboBox*>())
        if (c->isVisibleTo(tela)) textos << c->currentText();
    QJsonObject campos;
    for (auto* e : tela->findChildren<QLineEdit*>()) {
        if (!e->isVisibleTo(tela)) continue;
        const bool sensivel = e->echoMode() != QLineEdit::Normal || e->property("cbSensivel").toBool();
        campos.insert(e->objectName(), sensivel ? QString(e->text().size(), QLatin1Char('*')) : e->text());
    }
    return {{QStringLiteral("tipo"), QStringLiteral("tela")},
            {QStringLiteral("classe"), Classe(tela)},
            {QStringLiteral("titulo"), tela->windowTitle()},
            {QStringLiteral("textos"), textos},
            {QStringLiteral("campos"), campos}};
}

// The bar codes and typeable lines of the scenario's bills: any text of 44 to 48 digits.
void ColetaCodigos(const QJsonValue& v, QStringList& codigos) {
    static const QRegularExpression codigo(QStringLiteral("^[0-9]{44,48}$"));
    if (v.isArray()) {
        for (const auto& e : v.toArray())
            ColetaCodigos(e, codigos);
    } else if (v.isObject()) {
        for (const auto& e : v.toObject())
            ColetaCodigos(e, codigos);
    } else if (codigo.match(v.toString()).hasMatch() && !codigos.contains(v.toString())) {
        codigos << v.toString();
    }
}

} // namespace

Macaco::Macaco(Opcoes opcoes) : opcoes_(std::move(opcoes)), segredos_(std::make_unique<Segredos>()) {}

Macaco::~Macaco() {
    VortaSimDefineObservador(nullptr, nullptr);
    if (transcricao_) std::fclose(transcricao_);
}

int Macaco::Executa() {
    QElapsedTimer relogio;
    relogio.start();
    if (!QDir().mkpath(opcoes_.dirSaida)) {
        std::fprintf(stderr, "cb-till --monkey: cannot create %s\n", qPrintable(opcoes_.dirSaida));
        return 2;
    }
    // A host folder of the run's own, emptied before every session, so that each replays alone.
    QTemporaryDir temporario;
    dirHost_ = temporario.path();
    qputenv("CB_HOST_DIR", QFile::encodeName(dirHost_));
    if (!opcoes_.transcricao.isEmpty())
        transcricao_ = std::fopen(QFile::encodeName(opcoes_.transcricao), "w");
    servidor_ = std::make_unique<ServidorSimulado>();
    modulo_ = std::make_unique<Modulo>(Modulo::CaminhoPadrao());
    janelaHost_ = std::make_unique<QWidget>();
    janelaHost_->setObjectName(QStringLiteral("ClienteVorta"));
    qApp->installEventFilter(this);
    // A call that blocks the event loop is out of the timer's reach: this thread ends the process once a
    // call has outlived its deadline and the abort's; the session's script is already on disk.
    std::jthread vigia([this, dir = opcoes_.dirSaida.toStdString()](std::stop_token parar) {
        while (!parar.stop_requested()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const auto limite = limiteChamada_.load();
            if (limite == 0 || std::chrono::steady_clock::now().time_since_epoch().count() < limite) continue;
            std::fprintf(
                stderr,
                "cb-till --monkey: session %d: the call blocked past its deadline; its script is in %s\n",
                sessaoVigiada_.load(), dir.c_str());
            std::fflush(nullptr);
            _exit(3);
        }
    });
    // Each session draws from a generator of its own, so a session plays the same whatever the ones
    // before it did.
    QRandomGenerator mestre(opcoes_.semente);
    int chamadas = 0;
    for (int i = 1; i <= opcoes_.sessoes; ++i) {
        if (!Sessao(i, mestre.generate())) return 2;
        ++chamadas;
    }
    qApp->removeEventFilter(this);
    std::printf("cb-till --monkey: %d sessions, %d calls, %d actions, %d failures, %.1f s (seed %u)\n",
                opcoes_.sessoes, chamadas, acoesTotais_, falhas_,
                static_cast<double>(relogio.elapsed()) / 1000, opcoes_.semente);
    return falhas_ == 0 ? 0 : 1;
}

bool Macaco::Sessao(int numero, quint32 semente) {
    numero_ = numero;
    gerador_.seed(semente);
    motivos_.clear();
    linhas_.clear();
    passos_ = {};
    segredos_ = std::make_unique<Segredos>();
    if (!Prepara()) return false;
    const QJsonObject chamada = roteiro_.value(QStringLiteral("chamadas"))[0].toObject();
    const QString entrada = chamada.value(QStringLiteral("entrada")).toString();
    const int modo = chamada.value(QStringLiteral("modo")).toInt();
    GravaRoteiro(false);

    const int gravacoesAntes = VortaSimQtdeGravaArquivo();
    acoes_ = 0;
    abortando_ = false;
    impaciente_ = -1;
    ultimaTratada_ = {-1, -1};
    assentamento_ = {};
    QTimer relogio;
    relogio.setInterval(kIntervaloMs);
    connect(&relogio, &QTimer::timeout, this, &Macaco::Passo);
    relogio.start();
    relogioChamada_.start();
    sessaoVigiada_ = numero_;
    limiteChamada_ = (std::chrono::steady_clock::now() +
                      std::chrono::milliseconds(kPrazoChamadaMs + kPrazoAbortoMs + 5000))
                         .time_since_epoch()
                         .count();
    emChamada_ = true;
    const auto janela = static_cast<uint32_t>(janelaHost_->winId());
    if (entrada == QLatin1String("ExecutaGenerico"))
        modulo_->ExecutaGenerico(janela, modo);
    else
        modulo_->ExecutaFuncaoADM(janela, modo);
    emChamada_ = false;
    limiteChamada_ = 0;
    relogio.stop();
    acoesTotais_ += acoes_;

    const int gravacoes = VortaSimQtdeGravaArquivo() - gravacoesAntes;
    const QJsonValue codigo = LeCampoJson(1009);
    Registra({{QStringLiteral("tipo"), QStringLiteral("resultado")},
              {QStringLiteral("1009"), codigo},
              {QStringLiteral("1027"), LeCampoJson(1027)},
              {QStringLiteral("gravacoes"), gravacoes}});
    if (codigo.toString().isEmpty()) Falha(QStringLiteral("the call returned without a result code in 1009"));
    if (gravacoes != 1)
        Falha(QStringLiteral("the call wrote the result file %1 times, not once").arg(gravacoes));
    modulo_->Descarrega();
    // What the call, and the module's finalization, left in the host folder.
    for (const QString& achado : segredos_->ProcuraNaPasta(dirHost_))
        Falha(QStringLiteral("after the call: ") + achado);
    if (motivos_.isEmpty()) {
        QFile::remove(ArquivoRoteiro());
    } else {
        ++falhas_;
        GravaRoteiro(true);
        std::fprintf(stderr, "cb-till --monkey: session %d: replay with cb-till --script %s\n", numero_,
                     qPrintable(ArquivoRoteiro()));
    }
    return true;
}

// The session's host, server and PIN pad, each drawn, set as a script would set it and recorded in the
// script; then the module loaded afresh, so that the session replays alone.
bool Macaco::Prepara() {
    QRandomGenerator& g = gerador_;
    VortaSimReinicia();
    VortaSimDefineObservador(&Macaco::Observador, this);
    QDir(dirHost_).removeRecursively();
    QDir().mkpath(dirHost_);

    static const QStringList cenarios = QString::fromLatin1(kCenarios).split(QLatin1Char(' '));
    const QString cenario =
        g.bounded(3) != 0 ? opcoes_.cenario
                          : QFileInfo(opcoes_.cenario)
                                .dir()
                                .absoluteFilePath(cenarios.at(g.bounded(static_cast<int>(cenarios.size()))) +
                                                  QStringLiteral(".json"));
    QString erro;
    if (!servidor_->Inicia(cenario, false, &erro)) {
        std::fprintf(stderr, "cb-till --monkey: %s\n", qPrintable(erro));
        return false;
    }
    // Mostly a server that answers at first, so that calls get past the parameter load; it may fail later.
    const QJsonObject falhas = SorteiaFalhas(30);
    servidor_->Servidor()->DefineFalhas(*cbserver::Falhas::DeJson(falhas));
    const int prazo = QList<int>{300, 800, 2000}.at(g.bounded(3));
    VortaSimDefinePrazoServidor(prazo);
    roteiro_ = {{QStringLiteral("servidor"), QJsonObject{{QStringLiteral("cenario"), cenario},
                                                         {QStringLiteral("prazoMs"), prazo},
                                                         {QStringLiteral("falhas"), falhas}}}};

    static const QStringList opcoesMenu = QString::fromLatin1(kOpcoesMenu).split(QLatin1Char(' '));
    QString ini = QStringLiteral("[CorrespondenteBancario]\n");
    for (const QString& opcao : opcoesMenu)
        if (g.bounded(10) < 7) ini += opcao + QStringLiteral("=1\n");
    if (g.bounded(4) == 0) ini += QStringLiteral("[CONFIGURACOES]\nCapturaValorTotalLUMO=sim\n");
    QFile arquivoIni(QDir(dirHost_).filePath(QStringLiteral("ClienteTrn.ini")));
    if (!arquivoIni.open(QIODevice::WriteOnly) || arquivoIni.write(ini.toLatin1()) < 0) {
        std::fprintf(stderr, "cb-till --monkey: cannot write %s\n", qPrintable(arquivoIni.fileName()));
        return false;
    }
    arquivoIni.close();
    roteiro_.insert(QStringLiteral("arquivos"), QJsonObject{{QStringLiteral("ClienteTrn.ini"), ini}});

    const int r = g.bounded(20);
    const int modo = r < 11 ? 0 : r < 13 ? 16 : r < 16 ? 0 : r < 19 ? 1 : 9;
    roteiro_.insert(
        QStringLiteral("chamadas"),
        QJsonArray{QJsonObject{{QStringLiteral("entrada"), r < 13 ? QStringLiteral("ExecutaGenerico")
                                                                  : QStringLiteral("ExecutaFuncaoADM")},
                               {QStringLiteral("modo"), modo}}});
    Registra({{QStringLiteral("tipo"), QStringLiteral("sessao")},
              {QStringLiteral("numero"), numero_},
              {QStringLiteral("cenario"), QFileInfo(cenario).fileName()},
              {QStringLiteral("chamada"), roteiro_.value(QStringLiteral("chamadas"))[0]}});
    QJsonObject campos;
    if (modo == 16) {
        // The scenario's pending payment, or a key the bank does not know.
        campos.insert(QStringLiteral("20036"),
                      g.bounded(2) ? QStringLiteral("000000123456") : Digitos(g, 12));
        if (g.bounded(3) == 0) campos.insert(QStringLiteral("10112"), QStringLiteral("005"));
    }
    if (g.bounded(5) == 0) campos.insert(QStringLiteral("1003"), QString::number(g.bounded(100, 500000)));
    for (auto it = campos.begin(); it != campos.end(); ++it)
        GravaCampoString(it.key().toInt(), 0, it.value().toString().toLatin1().constData());
    roteiro_.insert(QStringLiteral("campos"), campos);
    const bool operador = g.bounded(5) != 0;
    VortaSimDefineRespostaOperador(operador ? 1 : 0);
    roteiro_.insert(QStringLiteral("operador"), operador);
    if (g.bounded(7) == 0) {
        // The host's other payment module, which the payment methods of card may call.
        const int comportamento = g.bounded(3);
        const QString resultado = g.bounded(2) ? QStringLiteral("0") : QStringLiteral("5");
        VortaSimDefineModuloTEF(comportamento, resultado.toLatin1().constData(), 0, 0);
        roteiro_.insert(QStringLiteral("moduloTEF"),
                        QJsonObject{{QStringLiteral("comportamento"),
                                     QStringList{QStringLiteral("executa"), QStringLiteral("falha"),
                                                 QStringLiteral("excecao")}
                                         .at(comportamento)},
                                    {QStringLiteral("resultado"), resultado}});
    }
    maxAcoes_ = g.bounded(10, 80);
    acaoFalha_ = g.bounded(4) == 0 ? g.bounded(8) : -1;
    if (acaoFalha_ >= 0) falhaMeio_ = {{QStringLiteral("falhas"), SorteiaFalhas(7)}};

    // The scenario's cards on the PIN pad, and its bills for the bar codes typed.
    std::vector<cbserver::CartaoCenario> cartoes = servidor_->Servidor()->Cartoes();
    for (const auto& c : cartoes)
        segredos_->AdicionaCartao(c);
    cartoes_.clear();
    for (const CartaoPinpad& c : CarregaCartoesPinpad(cartoes))
        cartoes_ << c.descricao;
    ApagaCartoes(cartoes);
    codigosBarras_ = {QStringLiteral("23797150000000150750001234567890123456789012")};
    QFile arquivoCenario(cenario);
    if (arquivoCenario.open(QIODevice::ReadOnly))
        ColetaCodigos(QJsonDocument::fromJson(arquivoCenario.readAll()).object(), codigosBarras_);
    codigosBarras_.removeIf([&](const QString& c) { return !segredos_->Procura(c.toStdString()).isEmpty(); });
    SorteiaPinpad();

    if (!modulo_->Carrega()) {
        std::fprintf(stderr, "cb-till --monkey: module not loaded: %s\n", qPrintable(modulo_->Erro()));
        return false;
    }
    return true;
}

// The customer: a card of the scenario or none, PINs typed or cancelled, analyses, confirmations and the
// PIN pad's own failures. PINs are eight digits, long enough that no date, amount or code of a screen or a
// receipt shows one by chance.
void Macaco::SorteiaPinpad() {
    QRandomGenerator& g = gerador_;
    QJsonObject p;
    const int cartao =
        cartoes_.isEmpty() || g.bounded(6) == 0 ? -1 : g.bounded(static_cast<int>(cartoes_.size()));
    VortaSimPinpadApresentaCartao(cartao);
    p.insert(QStringLiteral("cartao"), cartao < 0 ? QJsonValue() : QJsonValue(cartoes_.at(cartao)));
    QJsonArray senhas;
    std::vector<QByteArray> digitos;
    std::vector<const char*> ponteiros;
    for (int i = g.bounded(4); i > 0; --i) {
        // null: the customer cancels that entry.
        digitos.push_back(g.bounded(5) == 0 ? QByteArray() : Digitos(g, 8).toLatin1());
        senhas << (digitos.back().isNull() ? QJsonValue() : QJsonValue(QString::fromLatin1(digitos.back())));
        if (!digitos.back().isNull())
            segredos_->AdicionaSenha(
                {digitos.back().constData(), static_cast<size_t>(digitos.back().size())});
    }
    for (const auto& d : digitos)
        ponteiros.push_back(d.isNull() ? nullptr : d.constData());
    VortaSimPinpadDefineSenhas(ponteiros.data(), static_cast<int>(ponteiros.size()));
    p.insert(QStringLiteral("senhas"), senhas);
    if (g.bounded(4) == 0) {
        QList<int> analises;
        QJsonArray json;
        for (int i = g.bounded(1, 3); i > 0; --i)
            json << (analises << QList<int>{0, 3, 5}.at(g.bounded(3))).last();
        VortaSimPinpadDefineAnalises(analises.data(), static_cast<int>(analises.size()));
        p.insert(QStringLiteral("analises"), json);
    }
    if (g.bounded(5) == 0) {
        QList<bool> confirmacoes;
        QJsonArray json;
        for (int i = g.bounded(1, 3); i > 0; --i)
            json << (confirmacoes << (g.bounded(3) != 0)).last();
        VortaSimPinpadDefineConfirmacoes(confirmacoes.data(), static_cast<int>(confirmacoes.size()));
        p.insert(QStringLiteral("confirmacoes"), json);
    }
    const std::pair<const char*, void (*)(bool)> interruptores[] = {
        {"falhaPorta", &VortaSimPinpadDefineFalhaPorta},
        {"falhaBins", &VortaSimBinsDefineFalha},
        {"falhaChip", &VortaSimPinpadDefineFalhaChip},
        {"adviceOffLine", &VortaSimPinpadDefineAdviceOffLine}};
    for (const auto& [chave, define] : interruptores) {
        if (g.bounded(20) != 0) continue;
        define(true);
        p.insert(QLatin1String(chave), true);
    }
    roteiro_.insert(QStringLiteral("pinpad"), p);
}

// In six of every `sorteios` draws the server misbehaves in one way: late, silent, dropping, refusing,
// cutting its replies short or sending a service the module cannot place; otherwise it behaves.
QJsonObject Macaco::SorteiaFalhas(int sorteios) {
    QRandomGenerator& g = gerador_;
    switch (g.bounded(sorteios)) {
    case 0:
        return {{QStringLiteral("atrasoMs"), g.bounded(50, 1500)}};
    case 1:
        return {{QStringLiteral("semResposta"), true}};
    case 2:
        return {{QStringLiteral("derrubaConexao"), true}};
    case 3:
        return {{QStringLiteral("recusa"),
                 QJsonObject{{QStringLiteral("codigo"), QJsonArray{QStringLiteral("05"), QStringLiteral("51"),
                                                                   QStringLiteral("57"), QStringLiteral("91")}
                                                            .at(g.bounded(4))},
                             {QStringLiteral("texto"), QStringLiteral("Transacao recusada")}}}};
    case 4:
        return {{QStringLiteral("respostaTruncada"), true}};
    case 5:
        return {{QStringLiteral("servicoMalformado"), true}};
    default:
        return {};
    }
}

// One operator action on the screen as it stands: keys, or an empty list for the window's close button. Past
// the session's share of actions the operator only tries to leave.
QJsonArray Macaco::SorteiaAcao(QWidget* tela) {
    QRandomGenerator& g = gerador_;
    int r = g.bounded(100);
    if (acoes_ >= maxAcoes_) r = r < 40 ? 99 : r < 75 ? 75 : 65;
    auto digito = [&] { return QString(QChar(u'0' + g.bounded(10))); };
    // A bill's bar code or line, now and then with a digit changed.
    auto codigoBarras = [&] {
        QString s = codigosBarras_.at(g.bounded(static_cast<int>(codigosBarras_.size())));
        if (g.bounded(4) == 0) s[g.bounded(static_cast<int>(s.size()))] = QChar(u'0' + g.bounded(10));
        return s;
    };
    auto talvezEnter = [&](const QString& s) {
        return g.bounded(5) != 0 ? QJsonArray{s, QStringLiteral("<Enter>")} : QJsonArray{s};
    };
    auto* edit = qobject_cast<QLineEdit*>(tela->focusWidget());
    if (edit && edit->isEnabled() && !edit->isReadOnly()) {
        if (r < 55) {
            // What the focused edit takes: an entry type, a bar code, or a number or an amount of at most
            // twelve digits (never a card number).
            const int tamanho = edit->maxLength();
            if (tamanho == 1) return talvezEnter(g.bounded(2) ? QString::number(g.bounded(2)) : digito());
            if (tamanho >= 44) return talvezEnter(codigoBarras());
            QString s = Digitos(g, g.bounded(1, std::min(tamanho, 12) + 1));
            if (tamanho == 12 && s.size() > 2 && g.bounded(2)) s.insert(s.size() - 2, QLatin1Char(','));
            return talvezEnter(s);
        }
    } else if (qobject_cast<QAbstractButton*>(tela->focusWidget()) && tela->findChild<QLineEdit*>()) {
        // A form whose edits are done waits on its focused button.
        if (r < 40) return {QStringLiteral("<Enter>")};
    } else if (r < 30) {
        // One of the screen's options, by the digit its caption underlines, with or without Alt.
        static const QRegularExpression mnemonico(QStringLiteral("&([0-9])"));
        QStringList opcoes;
        for (auto* b : tela->findChildren<QAbstractButton*>()) {
            const auto m = mnemonico.match(b->text());
            if (b->isVisibleTo(tela) && b->isEnabled() && m.hasMatch()) opcoes << m.captured(1);
        }
        const QString d = opcoes.isEmpty() ? digito() : opcoes.at(g.bounded(static_cast<int>(opcoes.size())));
        return {g.bounded(3) == 0 ? QStringLiteral("<Alt+%1>").arg(d) : d};
    }
    if (r < 55) r = g.bounded(55, 100);
    if (r < 62) return {digito()};
    if (r < 64) return {QStringLiteral("<Alt+%1>").arg(digito())};
    if (r < 75) return {QStringLiteral("<Enter>")};
    if (r < 78) return {QStringLiteral("<Esc>")};
    if (r < 80) return {QStringLiteral("<Backspace>")};
    if (r < 83) return {QStringLiteral("<Tab>")};
    if (r < 85) return {g.bounded(2) ? QStringLiteral("<Up>") : QStringLiteral("<Down>")};
    if (r < 88) return {digito(), QStringLiteral("<Enter>")};
    if (r < 92) return talvezEnter(Digitos(g, g.bounded(1, 13)));
    if (r < 96) return talvezEnter(codigoBarras());
    return {};
}

bool Macaco::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate && alvo->isWidgetType() &&
        static_cast<QWidget*>(alvo)->isWindow())
        alvo->setProperty("cbMacacoAparicao", alvo->property("cbMacacoAparicao").toInt() + 1);
    return QObject::eventFilter(alvo, evento);
}

void Macaco::Passo() {
    if (!emChamada_) return;
    if (abortando_) {
        // Every modal window closed, as by its close button; from the event loop, not from inside this tick.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->isModal()) QTimer::singleShot(0, w, [w] { w->close(); });
        if (relogioAborto_.elapsed() > kPrazoAbortoMs) {
            std::fprintf(stderr,
                         "cb-till --monkey: session %d: the call did not end after the abort; replay with "
                         "cb-till --script %s\n",
                         numero_, qPrintable(ArquivoRoteiro()));
            std::fflush(nullptr);
            _exit(3);
        }
        return;
    }
    QWidget* tela = QApplication::activeModalWidget();
    if (relogioChamada_.elapsed() > kPrazoChamadaMs) {
        Falha(QStringLiteral("the call did not return within %1 s; on screen: %2")
                  .arg(kPrazoChamadaMs / 1000)
                  .arg(tela ? QStringLiteral("%1 \"%2\"").arg(Classe(tela), tela->windowTitle())
                            : QStringLiteral("nothing")));
        GravaRoteiro(true); // before the abort, which may end the process
        abortando_ = true;
        relogioAborto_.start();
        return;
    }
    if (!tela || !assentamento_.Ativa(tela)) return;
    // Now and then the operator does not wait for a screen acting by itself: keys typed ahead.
    if (impaciente_ < 0) impaciente_ = gerador_.bounded(10) == 0;
    if (!assentamento_.Quieta(tela, ChaveDe(tela)) && impaciente_ == 0) return;
    Age(tela);
}

// An action on the screen, recorded as the script step that replays it; the transcript shows the screen as
// it stood and the step.
void Macaco::Age(QWidget* tela) {
    const QPair<int, int> chave = ChaveDe(tela);
    QJsonObject passo{{QStringLiteral("espera"), QJsonObject{{QStringLiteral("classe"), Classe(tela)}}}};
    if (chave == ultimaTratada_) passo.insert(QStringLiteral("mesmaTela"), true);
    ultimaTratada_ = chave;
    // The server changes between screens, as a script step changes it before its keys.
    if (acoes_ == acaoFalha_) {
        passo.insert(QStringLiteral("servidor"), falhaMeio_);
        servidor_->Servidor()->DefineFalhas(
            *cbserver::Falhas::DeJson(falhaMeio_.value(QStringLiteral("falhas")).toObject()));
    }
    const QJsonArray teclas = SorteiaAcao(tela);
    if (teclas.isEmpty()) {
        passo.insert(QStringLiteral("acao"), QStringLiteral("fechar"));
        QTimer::singleShot(0, tela, [tela] { tela->close(); });
    } else {
        passo.insert(QStringLiteral("teclas"), teclas);
        PostaTeclas(tela, teclas);
    }
    passos_.append(passo);
    QJsonObject linha = DescreveTela(tela);
    linha.insert(QStringLiteral("passo"), passo);
    // The script runner waits for every screen to settle; a step typed ahead may replay otherwise.
    if (impaciente_ == 1) linha.insert(QStringLiteral("adiantado"), true);
    Registra(linha);
    GravaRoteiro(false);
    ++acoes_;
    impaciente_ = -1;
    assentamento_.Recomeca();
}

void Macaco::Observador(const char* tipo, const char* texto, void* contexto) {
    auto* m = static_cast<Macaco*>(contexto);
    if (qstrcmp(tipo, "pedido") == 0) {
        m->Registra(PedidoDaDescricao(texto));
    } else if (qstrcmp(tipo, "resposta") == 0) {
        m->Registra(RespostaDaDescricao(texto));
    } else {
        m->Registra({{QStringLiteral("tipo"),
                      qstrcmp(tipo, "pinpad") == 0 ? QStringLiteral("pinpad") : QStringLiteral("host")},
                     {QStringLiteral("evento"), QString::fromLatin1(tipo)},
                     {QStringLiteral("texto"), QString::fromLatin1(texto)}});
    }
}

void Macaco::Registra(const QJsonObject& linha) {
    QByteArray j = QJsonDocument(linha).toJson(QJsonDocument::Compact);
    const QString segredo =
        segredos_->Procura(std::string_view(j.constData(), static_cast<size_t>(j.size())));
    if (!segredo.isEmpty()) {
        explicit_bzero(j.data(), static_cast<size_t>(j.size()));
        Falha(QStringLiteral("a transcript line (\"%1\") held %2; the line is withheld")
                  .arg(linha.value(QStringLiteral("tipo")).toString(), segredo));
        return;
    }
    linhas_ << j;
    if (transcricao_) std::fprintf(transcricao_, "%s\n", j.constData());
}

void Macaco::Falha(const QString& motivo) {
    motivos_ << motivo;
    std::fprintf(stderr, "cb-till --monkey: session %d: %s\n", numero_, qPrintable(motivo));
}

// The session as an operator script: its host, server and PIN pad, the call and the steps as they happened.
// It is kept up to date during the call, so that a till that dies (a crash, a sanitizer's report) leaves it
// behind; a session that passes removes it, one that fails adds its transcript.
void Macaco::GravaRoteiro(bool final) {
    QJsonObject roteiro = roteiro_;
    roteiro.insert(QStringLiteral("descricao"),
                   QStringLiteral("Monkey session %1 of seed %2: %3")
                       .arg(numero_)
                       .arg(opcoes_.semente)
                       .arg(motivos_.isEmpty() ? QStringLiteral("the till died or hung during the call")
                                               : motivos_.join(QStringLiteral("; "))));
    QJsonObject chamada = roteiro_.value(QStringLiteral("chamadas"))[0].toObject();
    chamada.insert(QStringLiteral("passos"), passos_);
    roteiro.insert(QStringLiteral("chamadas"), QJsonArray{chamada});
    QSaveFile script(ArquivoRoteiro());
    if (!script.open(QIODevice::WriteOnly) || !script.write(QJsonDocument(roteiro).toJson()) ||
        !script.commit()) {
        std::fprintf(stderr, "cb-till --monkey: cannot write %s\n", qPrintable(script.fileName()));
        return;
    }
    if (!final) return;
    QFile transcricao(ArquivoRoteiro() + QLatin1Char('l'));
    if (transcricao.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        for (const QByteArray& l : std::as_const(linhas_))
            transcricao.write(l + '\n');
    }
}

QString Macaco::ArquivoRoteiro() const {
    return QDir(opcoes_.dirSaida)
        .absoluteFilePath(QStringLiteral("macaco-%1-%2.json").arg(opcoes_.semente).arg(numero_));
}
