// Figure 7: a whole bill payment in cash against the in-process simulated server (banking menu, payments
// menu, bar-code capture, bill query, the question for another document, payment-method menu, cash dialog),
// each screen transition timed from the operator's key to the next screen on screen, beside the same keys on
// bare copies of those screens, each taken the first time it is on screen.
#include "Figuras.h"

#include "EmProcesso.h"
#include "Servidor.h"
#include "vortasim.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>
#include <exception>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>

namespace cbbench {

namespace {

constexpr double kAlvoTransicaoMs = 16.0;
// How long an authorisation waits for the in-process server: within the Vigia's deadline, so that a silent
// server shows as the module's own timeout.
constexpr int kPrazoServidorMs = 5000;
constexpr char kClassePagamentos[] = "TFrmPagtos_Mnu";
constexpr char kClasseCaptura[] = "TFrmCAP_CCB";
constexpr char kClasseConsulta[] = "TFrmCPG_CAP";
constexpr char kClasseFormas[] = "TFrmMnu_For";
constexpr char kClasseDinheiro[] = "TFrmPgt_Din";
constexpr char kOutroDocumento[] = "Gostaria de informar outro documento?";

// The bill of the default scenario that figure 7 pays: the sanitation convênio with an effective value (no
// registered-boleto dialogs, nothing to complete on the bill query), read by the scanner, and its amount as
// the operator types it into the cash dialog. The scenario's document limit (5) lets the capture ask for
// another document.
constexpr char kCodigoConta[] = "82660000000874500150000123456789012345678901";
constexpr char kValorConta[] = "87,45";

// The screens of a whole bill payment in cash, as the operator goes through them; alvo tells each screen
// (the module's class, or the floor's copy) and onde is added to what each wait names.
std::vector<Tela>
telasPagamentoConta(const std::function<std::function<bool(const QWidget*)>(std::size_t)>& alvo,
                    const std::string& onde) {
    auto fase = [&onde](const std::string& o) { return o + onde; };
    std::vector<Tela> t;
    t.push_back({alvo(0),
                 '1',
                 fase(std::string("the payments menu (") + kClassePagamentos +
                      ") never appeared after the operator's \"1\" on the banking menu"),
                 {},
                 Tela::Saida::Digito,
                 std::string("the banking menu (") + kClasseMenu + ")"});
    t.push_back({alvo(1),
                 '1',
                 fase(std::string("the capture dialog (") + kClasseCaptura +
                      ") never appeared after \"1\" on the payments menu (the group-1 parameter load runs "
                      "first)"),
                 {},
                 Tela::Saida::Digito,
                 std::string("the payments menu (") + kClassePagamentos + ")"});
    t.push_back({alvo(2),
                 '1',
                 fase(std::string("the bill query (") + kClasseConsulta +
                      ") never appeared after the capture dialog's confirm (the bar-code query runs first)"),
                 {{QStringLiteral("0"), "edTpEntrada"},
                  {QStringLiteral("<Enter>"), nullptr},
                  {QLatin1String(kCodigoConta), "EdDoc"}},
                 Tela::Saida::Enter,
                 std::string("the capture dialog (") + kClasseCaptura + ")"});
    t.push_back({alvo(3),
                 '1',
                 fase(std::string("the question \"") + kOutroDocumento +
                      "\" never appeared after the bill query's confirm (the payment-data query runs first)"),
                 {},
                 Tela::Saida::Enter,
                 std::string("the bill query (") + kClasseConsulta + ")"});
    t.push_back({alvo(4),
                 '1',
                 fase(std::string("the payment-method menu (") + kClasseFormas +
                      ") never appeared after No to the question"),
                 {},
                 Tela::Saida::Esc,
                 std::string("the question \"") + kOutroDocumento + "\""});
    t.push_back(
        {alvo(5),
         '1',
         fase(std::string("the cash dialog (") + kClasseDinheiro +
              ") never appeared after \"1\" on the payment-method menu (is \"&1 - Dinheiro\" enabled?)"),
         {},
         Tela::Saida::Digito,
         std::string("the payment-method menu (") + kClasseFormas + ")"});
    t.push_back({alvo(6),
                 '1',
                 fase("the payment did not end after the cash dialog's confirm"),
                 {{QLatin1String(kValorConta), "edVlrDinheiro"}},
                 Tela::Saida::Enter,
                 std::string("the cash dialog (") + kClasseDinheiro + ")"});
    return t;
}

// The floor's copies of the bill payment's screens, one name each.
constexpr const char* kNomesPisoConta[] = {"cbBenchPisoConta1", "cbBenchPisoConta2", "cbBenchPisoConta3",
                                           "cbBenchPisoConta4", "cbBenchPisoConta5", "cbBenchPisoConta6",
                                           "cbBenchPisoConta7"};
static_assert(kTelasConta == std::size(kNomesPisoConta));

// The bill payment's walk on bare copies of its screens. The button that the key leaving a copy presses (its
// "&N", the "&1" that Enter reaches, a message box's escape button) runs the next copy with exec() over it,
// as the module's dialogs run each other; where the module closes a screen before the next one comes
// (substitui: the bill query before the question, the question before the payment-method menu), it closes
// the copy and the one below runs the next. The last one closes them all.
class PisoConta {
public:
    PisoConta(const std::vector<Planta>& plantas, const std::vector<Tela>& telas,
              const std::vector<bool>& substitui)
        : plantas_(plantas), telas_(telas), substitui_(substitui) {}

    void roda() { roda(0, nullptr); }

private:
    void roda(std::size_t i, QWidget* pai) {
        const Planta& p = plantas_[i];
        std::vector<QWidget*> feitos;
        QDialog* d = constroiPiso(p, kNomesPisoConta[i], pai, {}, &feitos);
        if (p.foco >= 0) feitos[static_cast<std::size_t>(p.foco)]->setFocus();
        if (p.escape >= 0) feitos[static_cast<std::size_t>(p.escape)]->setProperty(kEscapeDoPiso, true);
        const Tela& t = telas_[i];
        QAbstractButton* gatilho = nullptr;
        const QString prefixo =
            QStringLiteral("&") + QLatin1Char(t.saida == Tela::Saida::Digito ? t.tecla : '1');
        for (std::size_t k = 0; k < p.pecas.size() && !gatilho; ++k) {
            const Peca& peca = p.pecas[k];
            if (peca.tipo != Peca::Botao || !peca.visivel || !peca.habilitado) continue;
            const bool e = t.saida == Tela::Saida::Esc ? static_cast<int>(k) == p.escape
                                                       : peca.texto.startsWith(prefixo);
            if (e) gatilho = qobject_cast<QAbstractButton*>(feitos[k]);
        }
        if (!gatilho) falha("the floor's copy of " + t.nome + " has no button for the key that leaves it");
        QObject::connect(gatilho, &QAbstractButton::clicked, d, [this, i, d] {
            try {
                sai(i, d);
            } catch (const std::exception& e) {
                falha(std::string("the floor of figure 7: ") + e.what());
            }
        });
        d->exec();
        delete d;
    }

    void sai(std::size_t i, QDialog* d) {
        if (i + 1 == plantas_.size()) {
            encerra_ = true;
            d->accept();
            return;
        }
        if (substitui_[i + 1]) {
            pendente_ = i + 1;
            d->accept();
            return;
        }
        roda(i + 1, d);
        while (pendente_) {
            const std::size_t j = *pendente_;
            pendente_.reset();
            roda(j, d);
        }
        if (encerra_) d->accept();
    }

    const std::vector<Planta>& plantas_;
    const std::vector<Tela>& telas_;
    const std::vector<bool>& substitui_;
    std::optional<std::size_t> pendente_;
    bool encerra_ = false;
};

// Screens that come once the one before is closed: the question after the bill query, the payment-method menu
// after the question.
const std::vector<bool> kSubstitui{false, false, false, false, true, true, false};

} // namespace

std::vector<Tela> telasContaModulo(const std::string& onde) {
    return telasPagamentoConta(
        [](std::size_t i) -> std::function<bool(const QWidget*)> {
            static const char* const classes[] = {kClasseMenu,     kClassePagamentos, kClasseCaptura,
                                                  kClasseConsulta, nullptr,           kClasseFormas,
                                                  kClasseDinheiro};
            if (!classes[i])
                return [](const QWidget* w) {
                    auto* caixa = qobject_cast<const QMessageBox*>(w);
                    return caixa && caixa->text() == QLatin1String(kOutroDocumento);
                };
            return Bancada::daClasse(classes[i]);
        },
        onde);
}

std::vector<Tela> telasContaPiso(const std::string& onde) {
    return telasPagamentoConta([](std::size_t i) { return Bancada::doNome(kNomesPisoConta[i]); }, onde);
}

BancoConta::BancoConta() = default;
BancoConta::~BancoConta() = default;

void BancoConta::renova(Bancada& b) {
    conexao_.reset();
    VortaSimReinicia();
    VortaSimDefineObservador(&observa, &b);
    servidor_ = std::make_unique<cbserver::Servidor>();
    QString erro;
    if (!servidor_->CarregaCenario(QStringLiteral(CB_CENARIO), &erro))
        falha("figure 7: cannot load the scenario " CB_CENARIO ": " + erro.toStdString());
    conexao_ = std::make_unique<cbserver::ConexaoEmProcesso>(*servidor_);
    VortaSimDefinePrazoServidor(kPrazoServidorMs);
}

void BancoConta::encerra() {
    conexao_.reset();
    servidor_.reset();
}

// The same walk on the floor's bare copies (PisoConta).
std::vector<double> chamaPisoPagamentoConta(Bancada& b, const std::vector<Planta>& plantas,
                                            std::vector<Tela> telas, double* total) {
    const std::vector<bool>& substitui = kSubstitui;
    const std::vector<Tela> copia = telas;
    b.observador.prepara(std::move(telas), true, true);
    b.vigia.arma("the floor's copy of the banking menu never appeared");
    const auto t0 = Relogio::now();
    PisoConta(plantas, copia, substitui).roda();
    const auto t1 = Relogio::now();
    b.vigia.desarma();
    descansa();
    const auto& passos = b.observador.passos;
    for (std::size_t i = 0; i < passos.size(); ++i) {
        if (!passos[i].tecla) falha("the floor's copy of " + copia[i].nome + " closed before its key");
    }
    std::vector<double> t;
    for (std::size_t i = 0; i + 1 < passos.size(); ++i)
        t.push_back(emMs(*passos[i + 1].mostrado - *passos[i].tecla));
    t.push_back(emMs(t1 - *passos.back().tecla));
    if (total) *total = emMs(t1 - t0);
    return t;
}

// One ExecutaGenerico(0, 0) walked through a whole bill payment on the given screens, each message box
// outside them ending the run. Returns the time of each transition: from the key that left a screen to
// the next one on screen, and from the key that left the last one to the call's return.
std::vector<double> chamaPagamentoConta(Bancada& b, std::vector<Tela> telas, const char* contexto,
                                        double* total) {
    const std::string c = std::string(" (") + contexto + ")";
    const std::size_t n = telas.size();
    std::vector<std::string> nomes;
    for (const Tela& t : telas)
        nomes.push_back(t.nome);
    b.observador.prepara(std::move(telas), false, true);
    const Bancada::Chamada chamada = b.executa(c);
    const auto& passos = b.observador.passos;
    const std::string resultado =
        "; 1009 \"" + leCampo(1009) + "\", 1027 \"" + QString::fromLatin1(leCampo(1027)).toStdString() + "\"";
    for (std::size_t i = 0; i < n; ++i) {
        if (!passos[i].visto)
            falha("ExecutaGenerico returned before " + nomes[i] + " was shown" + c + resultado);
        if (!passos[i].tecla) falha(nomes[i] + " closed before the operator's key" + c + resultado);
    }
    const std::string r1009 = leCampo(1009);
    if (r1009 != "0" && r1009 != "00") falha("the bill payment was not approved" + c + resultado);
    if (!chamada.gravou) falha("the bill payment ended without writing the result file" + c);
    std::vector<double> t;
    for (std::size_t i = 0; i + 1 < n; ++i)
        t.push_back(emMs(*passos[i + 1].mostrado - *passos[i].tecla));
    t.push_back(emMs(chamada.fim - *passos[n - 1].tecla));
    if (total) *total = emMs(chamada.fim - chamada.inicio);
    return t;
}

// The walk on the module's screens and on their copies, a fresh host and bank per payment.
void FiguraConta(Vigia& vigia, Observador& observador, int rodadas) {
    qApp->installEventFilter(&observador);
    vigia.arma("dlopen + Initialize (figure 7)");
    Bancada conta{vigia, observador, abreModulo()};
    conta.modulo.initialize();
    vigia.desarma();
    // Each payment starts from a fresh host and a freshly loaded bank, as the till's next customer would: the
    // document fields of the last payment, and a bill the bank has seen paid, are not carried over.
    BancoConta banco;
    const auto novoCliente = [&] { banco.renova(conta); };

    std::vector<Planta> plantasConta;
    std::vector<std::string> origensConta;
    observador.aoMostrar = [&plantasConta, &origensConta](QWidget* tela) {
        plantasConta.push_back(copiaTela(tela));
        origensConta.push_back(arquivoDe(tela->metaObject()));
    };
    novoCliente();
    double totalPrimeira = 0;
    const std::vector<double> primeiraConta = chamaPagamentoConta(
        conta, telasContaModulo(" (figure 7, first payment)"), "first bill payment", &totalPrimeira);
    observador.aoMostrar = nullptr;
    const std::string modulo = arquivoDoModulo();
    if (plantasConta.size() != kTelasConta) falha("figure 7: the first payment did not copy every screen");
    // The module's own screens (not the message box, whose class is Qt's) came from the loaded module.
    for (std::size_t i = 0; i < kTelasConta; ++i) {
        if (i != 4 && origensConta[i] != modulo)
            falha("figure 7: the class of screen " + std::to_string(i + 1) + " came from " + origensConta[i] +
                  ", not from the loaded module " + modulo);
    }
    const std::vector<double> primeiroPisoConta =
        chamaPisoPagamentoConta(conta, plantasConta, telasContaPiso(" (figure 7's floor)"));
    std::vector<std::vector<double>> tConta(kTelasConta), tPisoConta(kTelasConta);
    std::vector<double> tContaTodas, tPisoContaTodas, tContaTotal, tPisoContaTotal;
    for (int r = 0; r < rodadas; ++r) {
        novoCliente();
        double total = 0, totalPiso = 0;
        const auto m = chamaPagamentoConta(conta, telasContaModulo(" (figure 7, timed payment)"),
                                           "timed bill payment", &total);
        const auto f =
            chamaPisoPagamentoConta(conta, plantasConta, telasContaPiso(" (figure 7's floor)"), &totalPiso);
        for (std::size_t i = 0; i < kTelasConta; ++i) {
            tConta[i].push_back(m[i]);
            tPisoConta[i].push_back(f[i]);
        }
        tContaTodas.insert(tContaTodas.end(), m.begin(), m.end());
        tPisoContaTodas.insert(tPisoContaTodas.end(), f.begin(), f.end());
        tContaTotal.push_back(total);
        tPisoContaTotal.push_back(totalPiso);
    }
    vigia.arma("Finalize + dlclose (figure 7)");
    banco.encerra();
    conta.modulo.finalize();
    fechaModulo(conta.modulo);
    vigia.desarma();
    qApp->removeEventFilter(&observador);
    VortaSimDefineObservador(nullptr, nullptr);

    static const char* const transicoes[kTelasConta] = {"7 \"1\" banking menu -> payments menu",
                                                        "7 \"1\" payments menu -> bar-code capture",
                                                        "7 confirm capture -> bill query",
                                                        "7 confirm bill query -> \"outro documento?\"",
                                                        "7 No -> payment-method menu",
                                                        "7 \"1\" (cash) -> cash dialog",
                                                        "7 confirm cash -> call returns (result)"};
    const auto alvo16 = [](const Resumo& r) {
        return std::string("<= 16 ms ") + (r.mediana <= kAlvoTransicaoMs ? "(met)" : "(ABOVE)");
    };
    cabecalho();
    for (std::size_t i = 0; i < kTelasConta; ++i) {
        const Resumo r = resume(tConta[i]), rp = resume(tPisoConta[i]);
        linha(transicoes[i], r, r.mediana / rp.mediana, alvo16(r).c_str());
        linha("  floor: bare copies, same keys", rp);
    }
    const Resumo rTodas = resume(tContaTodas), rPisoTodas = resume(tPisoContaTodas);
    linha("7 every transition above, pooled", rTodas, rTodas.mediana / rPisoTodas.mediana,
          alvo16(rTodas).c_str());
    linha("  floor, pooled", rPisoTodas);
    const Resumo rTotal = resume(tContaTotal), rPisoTotal = resume(tPisoContaTotal);
    linha("7 whole payment, ExecutaGenerico -> return", rTotal, rTotal.mediana / rPisoTotal.mediana, "-");
    linha("  floor, first exec() -> return", rPisoTotal);
    std::printf("\n");
    std::printf(
        "7: ExecutaGenerico(0, 0) against the in-process server (%s), a fresh host and bank per payment, "
        "keys "
        "sent to the focused control:\n"
        "   \"1\" on the banking menu, \"1\" (bills) on the payments menu; on the capture dialog \"0\" into "
        "edTpEntrada, Enter, the bar code\n"
        "   %s into EdDoc, Enter until the dialog is left (on a field Enter moves on, on \"&1 - Confirma\" "
        "it "
        "confirms); Enter likewise\n"
        "   on the bill query as it comes; Esc (No) on \"%s\"; \"1\" on the payment-method menu; %s into "
        "edVlrDinheiro, Enter until left.\n"
        "   Each time runs from the key that left a screen (the last Enter, for a dialog) to the next screen "
        "on screen (exposed and\n"
        "   painted), the last one to ExecutaGenerico's return with the payment approved. The time includes "
        "what the module does\n"
        "   between the two (the parameter load, the bar-code and payment-data queries, the payment "
        "itself). The floor copies each\n"
        "   screen the first time it is on screen (widgets, texts, focus; no theme) into a plain QDialog and "
        "walks the copies with the\n"
        "   same keys; each copy's leaving button runs the next copy with exec(), or closes it where the "
        "module closes the screen first.\n"
        "   The target, each transition within %.0f ms on this machine, is judged on the median; it is "
        "printed, never asserted.\n",
        CB_CENARIO, kCodigoConta, kOutroDocumento, kValorConta, kAlvoTransicaoMs);
    std::printf("first payment in the process (not in the medians):");
    for (std::size_t i = 0; i < kTelasConta; ++i)
        std::printf(" %.3f (floor %.3f)%s", primeiraConta[i], primeiroPisoConta[i],
                    i + 1 < kTelasConta ? "," : " ms;");
    std::printf(" whole payment %.3f ms\n", totalPrimeira);
    std::fflush(stdout);
}

} // namespace cbbench
