// Module state, entry points and the frame's own operations.
#include "frame/Lumomain.h"

#include "correspondente.h"
#include "frame/Fabricas.h"
#include "frame/Modelolumo.h"
#include "frame/Unidades.h"
#include "host/Host.h"
#include "host/IniFile.h"
#include "resources/Mensagens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QPointer>

#include <dlfcn.h>
#include <malloc.h>

#include <cstring>
#include <exception>
#include <memory>

#define CB_STR2(x) #x
#define CB_STR(x) CB_STR2(x)

// The version this library records about itself, read back by GetBuildInfo from the library file.
__attribute__((used)) static const char kVersionInfo[] = "VERSIONINFO FileVersion=" CB_STR(CB_VERSAO);

namespace Lumomain {

namespace {

// The application object when the module had to create it (a host without Qt); kept until Finalize.
QApplication* aplicacaoPropria = nullptr;
const char kPropriedadeJanela[] = "cbJanelaProprietaria";

void ReiniciaContadoresMenu() {
    IndiceAtual = 0;
    QtdeDocsConsultadosOK = 0;
    Forma_Pagto = {'1', '1', '1', '1'};
}

// Whether a Qt platform can start here: creating a QApplication without one aborts the whole host.
bool PlataformaDisponivel() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) return false;
    // A local X display must have its socket; a remote one is taken on trust.
    if (display.startsWith(':')) {
        const QByteArray numero = display.mid(1).split('.').first();
        return QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + QString::fromLatin1(numero));
    }
    return true;
}

// Qt keeps the records of the types it has met for as long as it stays loaded, and some of them live in this
// library's data (a table cell's alignment, the forms' own types). When the host keeps Qt loaded (it links Qt
// itself) and unloads the module, the next load would meet records that point into unmapped memory and crash:
// in such a host the module stays mapped once loaded, and each load still runs Initialize and Finalize. A
// host without Qt of its own unloads Qt together with the module, and nothing is kept.
void FicaResidenteSeQtFicar() {
    static bool residente = false;
    if (residente || !dlsym(RTLD_DEFAULT, "qVersion")) return;
    Dl_info info{};
    if (dladdr(kVersionInfo, &info) && info.dli_fname)
        residente = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE) != nullptr;
}

bool GarantaAplicacao() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
    if (QCoreApplication::instance()) return false; // a console-only application object cannot show widgets
    if (!PlataformaDisponivel()) return false;
    static int argc = 1;
    static char nome[] = "correspondente";
    static char* argv[] = {nome, nullptr};
    aplicacaoPropria = new QApplication(argc, argv);
    aplicacaoPropria->setQuitOnLastWindowClosed(false);
    return true;
}

// Installs the host's window as owner of the module's windows and puts the previous one back on every path.
class DonoDaJanela {
public:
    explicit DonoDaJanela(uintptr_t janela) : anterior_(janelaAplicacao) {
        janelaAplicacao = janela;
        if (auto* app = QCoreApplication::instance()) {
            anteriorApp_ = app->property(kPropriedadeJanela);
            app->setProperty(kPropriedadeJanela, QVariant::fromValue<qulonglong>(janela));
        }
    }
    ~DonoDaJanela() {
        janelaAplicacao = anterior_;
        if (auto* app = QCoreApplication::instance()) app->setProperty(kPropriedadeJanela, anteriorApp_);
    }
    DonoDaJanela(const DonoDaJanela&) = delete;
    DonoDaJanela& operator=(const DonoDaJanela&) = delete;

private:
    uintptr_t anterior_;
    QVariant anteriorApp_;
};

// Common guard of the entry points: Qt available, owner installed, no exception reaching the host, and one
// result file per call with its result code set. A call that ends with none (the first menu closed by the
// window's close button, a screen that could not be created and said so) was the operator's to end.
template <class F> void ExecutaEntrada(uint32_t janela, bool continuacao, F&& corpo) {
    try {
        host::InicioDeChamada(continuacao);
        if (!GarantaAplicacao()) {
            ReportaFalha(QString::fromUtf8(msg::MsgInterfaceIndisponivel));
        } else {
            DonoDaJanela dono(janela);
            try {
                corpo();
            } catch (const std::exception& e) {
                ReportaFalha(QString::fromLocal8Bit(e.what()));
            } catch (...) {
                ReportaFalha(QString::fromUtf8(msg::MsgErroInesperado));
            }
        }
        if (host::LeCampo(1009).isEmpty()) {
            host::GravaCampoString(1009, 0, QStringLiteral("FF"));
            host::GravaCampoString(1027, 0, QString::fromUtf8(msg::ErroFinalizadoOper));
        }
    } catch (...) {
        // Even the report failed (no memory, no folder): the host must still get control back.
    }
    host::FimDeChamada();
    // A screen's paint buffer is about a megabyte: once freed, the allocator keeps such blocks in the heap,
    // resident, instead of returning them to the system. The till runs all day; what the call freed goes
    // back.
    malloc_trim(0);
}

void MensagemFalhaCriacao(const char* nomeForm) {
    const QString texto = TextoFalhaCriacao(nomeForm);
    MostraMensagem(Icone::Erro, texto);
    ReportaFalha(texto);
}

// The first menu of a call, run as CriaExecutaForm runs it; its area entered it under its class name.
void ExecutaMenu(const char* classe, const char* nomeForm) {
    TFrmMod* form = nullptr;
    const Fabricas::Fabrica cria = Fabricas::Busca(classe);
    if (!cria || !CriaExecutaFormImpl(cria, nullptr, form)) MensagemFalhaCriacao(nomeForm);
}

// Dialogs that start on their own: shown without a modal loop, started as their confirm button would and
// gone.
void ExecutaSemOperador(const char* classe, const char* nomeForm) {
    const std::unique_ptr<TFrmMod> form(Fabricas::Cria(classe, JanelaProprietaria()));
    if (!form) {
        MensagemFalhaCriacao(nomeForm);
        return;
    }
    form->show();
    ProcessaMensagens();
    form->IniciaSemOperador();
}

} // namespace

QWidget* JanelaProprietaria() {
    return janelaAplicacao ? QWidget::find(static_cast<WId>(janelaAplicacao)) : nullptr;
}

QString TituloAplicacao() {
    return host::deLatin1(
        std::string_view(TITULO_APLICACAO.data(), strnlen(TITULO_APLICACAO.data(), TITULO_APLICACAO.size())));
}

void DefineTituloAplicacao(const QString& titulo) {
    const std::string b = host::paraLatin1(titulo);
    TITULO_APLICACAO.fill('\0');
    std::memcpy(TITULO_APLICACAO.data(), b.data(), std::min(b.size(), TITULO_APLICACAO.size() - 1));
}

namespace {

// A message box answers its letter (the "N" of "Não") and Alt+letter with Qt's animated press, which clicks
// only about 100 ms later: the operator waits for it, and a key typed meanwhile acts first. The filter
// presses the button at once instead.
class RespostaImediata : public QObject {
public:
    explicit RespostaImediata(QMessageBox& caixa) : QObject(&caixa), caixa_(caixa) {
        caixa.installEventFilter(this);
        for (QAbstractButton* b : caixa.buttons())
            b->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override {
        if (e->type() == QEvent::Shortcut) {
            auto* botao = qobject_cast<QAbstractButton*>(objeto);
            if (!botao) return false;
            botao->click();
            return true;
        }
        if (objeto != &caixa_ || e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<const QKeyEvent*>(e);
        if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
        for (QAbstractButton* b : caixa_.buttons()) {
            const QKeySequence atalho = b->shortcut();
            if (!atalho.isEmpty() && atalho[0].key() == k->key()) {
                b->click();
                return true;
            }
        }
        return false;
    }

private:
    QMessageBox& caixa_;
};

} // namespace

void MostraMensagem(Icone icone, const QString& texto, QWidget* pai, const QString& titulo) {
    static constexpr QMessageBox::Icon icones[] = {QMessageBox::Information, QMessageBox::Warning,
                                                   QMessageBox::Critical, QMessageBox::Question,
                                                   QMessageBox::NoIcon};
    QMessageBox caixa(icones[static_cast<int>(icone)], titulo.isEmpty() ? TituloAplicacao() : titulo, texto,
                      QMessageBox::Ok, pai ? pai : JanelaProprietaria());
    caixa.setWindowFlag(Qt::WindowStaysOnTopHint);
    new RespostaImediata(caixa);
    caixa.exec();
}

// The notices of the code that draws no window are warning boxes once the frame is loaded.
const bool avisosNaTela = (DefineMostraAviso([](const QString& texto, const QString& titulo) {
                               MostraMensagem(Icone::Aviso, texto, nullptr, titulo);
                           }),
                           true);

namespace {

int Pergunta(const QString& texto, const QString& titulo, QWidget* pai, QMessageBox::StandardButtons botoes) {
    QMessageBox caixa(QMessageBox::Question, titulo.isEmpty() ? TituloAplicacao() : titulo, texto, botoes,
                      pai ? pai : JanelaProprietaria());
    caixa.setWindowFlag(Qt::WindowStaysOnTopHint);
    new RespostaImediata(caixa);
    return caixa.exec();
}

} // namespace

bool PerguntaSimNao(const QString& texto, const QString& titulo, QWidget* pai) {
    return Pergunta(texto, titulo, pai, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

int PerguntaSimNaoCancela(const QString& texto, const QString& titulo, QWidget* pai) {
    return Pergunta(texto, titulo, pai, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

void ReportaFalha(const QString& texto) {
    host::GravaCampoString(1009, 0, QStringLiteral("255"));
    host::GravaCampoString(1027, 0, texto);
    host::GravaArquivo();
}

bool CarregaModulosLUMO(const QString& codigoModulo, int a, int b) {
    const bool ok = host::CarregaModulos(codigoModulo, a, b);
    if (!ok) host::GravaCampoString(10236, 0, QStringLiteral("1"));
    return ok;
}

bool RealizaTransacaoModuloTEF(int funcao, int a, int b) {
    NumeroLinhaRecorteAqui = 0;
    NumeroLinhasCupomTEF = 0;
    const QString modulo = host::LeCampo(10112);
    const std::string funcaoSalva = host::LeCampoBytes(10218);
    host::GravaCampoString(10218, 0, QString::number(funcao));
    const QString falha = QString::fromUtf8(msg::MSG_FALHA_MODULO) + QLatin1Char(' ') + modulo;
    try {
        if (!CarregaModulosLUMO(modulo, a, b)) {
            host::GravaCampoBytes(1009, 0, "255");
            host::GravaCampoString(1027, 0, falha);
            return false;
        }
    } catch (...) {
        // The other module is foreign code: whatever it throws stops here.
        ProcessaMensagens();
        host::GravaCampoString(10236, 0, QStringLiteral("1"));
        host::GravaCampoBytes(1009, 0, "255");
        host::GravaCampoString(1027, 0, falha);
        MostraMensagem(Icone::Erro, falha);
        return false;
    }
    ProcessaMensagens();
    host::GravaCampoBytes(10218, 0, funcaoSalva);
    if (!host::Aprovada()) return false;
    NumeroLinhaRecorteAqui = host::LeCampoInteiro(10170, 0, 0);
    NumeroLinhasCupomTEF = host::LeCampoInteiro(20128, 0, 0);
    return true;
}

// Unit life cycle: initialization once per load, finalizations in reverse order at unload.
void InicializaUnidade() {
    bPinpadCBNaoBradescoHabilitado = false;
}

void FinalizaUnidade() {
    // A PIN pad switched to the correspondent port for another network goes back to the host's own port.
    if (bPinpadCBNaoBradescoHabilitado) {
        bPinpadCBNaoBradescoHabilitado = false;
        host::ConfiguraPinPad(VerificaPortaPinpad(false));
    }
    bPinpadCBAberto = false;
    RedeDestinoTEF = QString();
    EmpresaOriginal = QString();
    CodigoEmpresaTEF = QString();
    GrupoPagto.clear();
    GrupoPagto.squeeze();
    VERSAO_DO_MODULO = QString();
    VERSAO_DO_VORTA_CB = QString();
    TITULO_APLICACAO.fill('\0');
}

void FinalizaAplicacao() {
    // Deferred deletes of the module's objects run now, while their code is still loaded.
    if (QCoreApplication::instance()) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (aplicacaoPropria) {
        delete aplicacaoPropria;
        aplicacaoPropria = nullptr;
    }
}

} // namespace Lumomain

bool CriaExecutaFormImpl(TFrmMod* (*cria)(QWidget* pai), TFrmMod* chamador, TFrmMod*& form) {
    if (!form) form = cria(chamador ? static_cast<QWidget*>(chamador) : Lumomain::JanelaProprietaria());
    if (!form) return false;
    const int resultado = form->Executa();
    Lumomain::ProcessaMensagens();
    if (!chamador) {
        if (resultado == TFrmMod::mrCancel) host::GravaArquivo();
    } else if (resultado == TFrmMod::mrOk) {
        chamador->setModalResult(TFrmMod::mrOk);
    }
    delete form;
    form = nullptr;
    return true;
}

QString TextoFalhaCriacao(const char* nomeForm) {
    return Lumomain::Formata(msg::ErroCriaFormulario, {QLatin1String(nomeForm)});
}

using namespace Lumomain;

extern "C" {

CB_EXPORT void CB_CALL ExecutaGenerico(uint32_t janela, int32_t modo) {
    bool continuacao = modo == 16;
    try {
        continuacao = continuacao || !host::LeCampo(20036).isEmpty();
    } catch (...) {
    }
    ExecutaEntrada(janela, continuacao, [continuacao] {
        TrnADM = false;
        TrnCNC = false;
        if (!continuacao) {
            ReiniciaContadoresMenu();
            ExecutaMenu("TFrmSel_Mnu", "FrmSel_Mnu");
            return;
        }
        ExecutaSemOperador("TFrmPgt_Con", "FrmPgt_Con");
    });
}

CB_EXPORT void CB_CALL ExecutaFuncaoADM(uint32_t janela, int32_t modo) {
    ExecutaEntrada(janela, false, [modo] {
        TrnADM = true;
        TrnCNC = modo == 1;
        if (modo == 9) {
            const IniFile ini(IniFile::NoDiretorioHost(QStringLiteral("RestabeleceLimite.ini")));
            if (ini.LeBool(QStringLiteral("RESTABELECELIMITE"), QStringLiteral("Subfuncao"), false))
                ExecutaSemOperador("TFrmMod_RestabeleceLimite", "FrmMod_RestabeleceLimite");
            else
                ExecutaSemOperador("TFrmMod_RestabeleceLimiteCnc", "FrmMod_RestabeleceLimiteCnc");
            return;
        }
        ReiniciaContadoresMenu();
        ExecutaMenu("TFrmADM_Mnu", "FrmADM_Mnu");
    });
}

CB_EXPORT void CB_CALL ObtemVersao(char* versaoInterface, char* versaoModulo) {
    try {
        // The host sizes both buffers; the texts are short and fixed in form.
        if (versaoInterface) std::strcpy(versaoInterface, "1.0.0.0");
        if (versaoModulo) {
            const std::string v = host::paraLatin1(VERSAO_DO_MODULO);
            std::memcpy(versaoModulo, v.c_str(), v.size() + 1);
        }
    } catch (...) {
    }
}

CB_EXPORT void CB_CALL Initialize(void) {
    try {
        FicaResidenteSeQtFicar();
        Unidades::Inicializa();
    } catch (...) {
    }
}

CB_EXPORT void CB_CALL Finalize(void) {
    try {
        Unidades::Finaliza();
        FinalizaAplicacao();
    } catch (...) {
    }
}

} // extern "C"
