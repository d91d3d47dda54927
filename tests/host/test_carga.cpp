// The module as a host written in C loads it: dlopen, Initialize, entry points, Finalize, dlclose, with no Qt
// application of the host's own. The module has to bring up Qt itself when a platform can start, report the
// failure to the host when none can, and leave nothing behind at Finalize so that it can be loaded again.
//
// The two tests run in the order written (GoogleTest keeps the order of a file unless told to shuffle): the
// first one needs a process in which no Qt platform was ever set up.
#include "../../include/correspondente.h"
#include "basekit.h"
#include "hostlink.h"
#include "vortasim.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

struct Modulo {
    void* handle = nullptr;
    CbExecutaGenerico ExecutaGenerico = nullptr;
    CbExecutaFuncaoADM ExecutaFuncaoADM = nullptr;
    CbObtemVersao ObtemVersao = nullptr;
    CbInitialize Initialize = nullptr;
    CbFinalize Finalize = nullptr;

    // dlsym hands back an object pointer; a host converts it to the entry point's type.
    template <class F> static F Simbolo(void* h, const char* nome) {
        return reinterpret_cast<F>(dlsym(h, nome));
    }

    void Carrega() {
        handle = dlopen(CB_MODULO, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        ExecutaGenerico = Simbolo<CbExecutaGenerico>(handle, "ExecutaGenerico");
        ExecutaFuncaoADM = Simbolo<CbExecutaFuncaoADM>(handle, "ExecutaFuncaoADM");
        ObtemVersao = Simbolo<CbObtemVersao>(handle, "ObtemVersao");
        Initialize = Simbolo<CbInitialize>(handle, "Initialize");
        Finalize = Simbolo<CbFinalize>(handle, "Finalize");
        ASSERT_TRUE(ExecutaGenerico && ExecutaFuncaoADM && ObtemVersao && Initialize && Finalize);
    }

    void Descarrega() {
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(dlclose(handle), 0) << dlerror();
        handle = nullptr;
        // This host links Qt, which outlives the unload and keeps records of types that live in the module's
        // data: the module must stay mapped, or the next load crashes on them.
        void* ainda = dlopen(CB_MODULO, RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
        EXPECT_NE(ainda, nullptr) << "the module was unmapped under a Qt that stays loaded";
        if (ainda) dlclose(ainda);
    }
};

std::optional<std::string> Campo(int campo) {
    char texto[512];
    const int n = LeCampo(texto, sizeof texto, campo, 0);
    if (n < 0) return std::nullopt;
    return std::string(texto, static_cast<size_t>(std::min(n, static_cast<int>(sizeof texto) - 1)));
}

std::optional<std::string> LeArquivo(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

// A fresh host for one call: its own folder and an empty field store.
class PastaHost {
public:
    PastaHost() {
        EXPECT_TRUE(pasta_.isValid());
        setenv("CB_HOST_DIR", QFile::encodeName(pasta_.path()).constData(), 1);
        VortaSimReinicia();
    }
    ~PastaHost() {
        VortaSimReinicia();
        unsetenv("CB_HOST_DIR");
    }
    PastaHost(const PastaHost&) = delete;
    PastaHost& operator=(const PastaHost&) = delete;

    QString Caminho(const char* nome) const { return pasta_.path() + QLatin1Char('/') + QLatin1String(nome); }
    std::optional<std::string> Arquivo(const char* nome) const { return LeArquivo(Caminho(nome)); }
    void Escreve(const char* nome, const QByteArray& conteudo) const {
        QFile f(Caminho(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(conteudo), conteudo.size());
    }

private:
    QTemporaryDir pasta_;
};

// The operator at the banking menu: once the menu is created (its audit line), watches for it to become the
// active modal window and types "9" (Encerra) into its focused control. Past the deadline it closes whatever
// modal window is open, so the call returns and the test fails instead of hanging.
class Operador {
public:
    Operador() { VortaSimDefineObservador(&Operador::Observa, this); }
    ~Operador() {
        VortaSimDefineObservador(nullptr, nullptr);
        delete vigia_;
    }
    Operador(const Operador&) = delete;
    Operador& operator=(const Operador&) = delete;

    bool encerrou = false;
    bool prazoEsgotado = false;
    std::string classeVista;

    // The timer must go before the application object the module created does.
    void Para() {
        delete vigia_;
        vigia_ = nullptr;
    }

private:
    static void Observa(const char* tipo, const char* texto, void* contexto) {
        auto* self = static_cast<Operador*>(contexto);
        if (std::strcmp(tipo, "audit") == 0 && std::strcmp(texto, "Criou: FrmSel_Mnu") == 0) self->Inicia();
    }

    void Inicia() {
        if (vigia_) return;
        relogio_.start();
        vigia_ = new QTimer;
        vigia_->setInterval(10);
        QObject::connect(vigia_, &QTimer::timeout, [this] { Verifica(); });
        vigia_->start();
    }

    void Verifica() {
        QWidget* w = QApplication::activeModalWidget();
        if (relogio_.elapsed() > 10000) {
            if (w) {
                prazoEsgotado = true;
                w->close();
            }
            return;
        }
        if (encerrou || !w || !w->isVisible() || w->property("ocupado").toBool()) return;
        if (!w->isActiveWindow() && relogio_.elapsed() < 300) return;
        encerrou = true;
        classeVista = w->metaObject()->className();
        QTimer::singleShot(0, w, [w] {
            QWidget* alvo = w->focusWidget() ? w->focusWidget() : w;
            QKeyEvent tecla(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, QStringLiteral("9"));
            QApplication::sendEvent(alvo, &tecla);
        });
    }

    QTimer* vigia_ = nullptr;
    QElapsedTimer relogio_;
};

TEST(CargaPeloHost, SemPlataformaGraficaReportaAFalhaAoHost) {
    unsetenv("QT_QPA_PLATFORM");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    ASSERT_EQ(QCoreApplication::instance(), nullptr);

    PastaHost host;
    Modulo m;
    ASSERT_NO_FATAL_FAILURE(m.Carrega());
    m.Initialize();

    char interface_[32];
    char versao[32];
    std::memset(versao, 'x', sizeof versao);
    m.ObtemVersao(interface_, versao);
    EXPECT_STREQ(interface_, "1.0.0.0");
    EXPECT_STREQ(versao, "") << "no form of this process was created yet";

    // Without a display, creating a QApplication would abort the host: the module must refuse and report.
    m.ExecutaGenerico(0x1234, 0);
    EXPECT_EQ(Campo(1009), "255");
    ASSERT_TRUE(Campo(1027));
    EXPECT_FALSE(Campo(1027)->empty());
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    const auto resultado = host.Arquivo(VORTASIM_ARQUIVO_RESULTADO);
    ASSERT_TRUE(resultado);
    EXPECT_NE(resultado->find("1009.0=255\n"), std::string::npos);
    EXPECT_EQ(QCoreApplication::instance(), nullptr);

    m.Finalize();
    m.Descarrega();
}

TEST(CargaPeloHost, CarregaExecutaEDescarregaDuasVezes) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (int carga = 1; carga <= 2; ++carga) {
        SCOPED_TRACE("load " + std::to_string(carga));
        Modulo m;
        ASSERT_NO_FATAL_FAILURE(m.Carrega());
        m.Initialize();
        ASSERT_EQ(QCoreApplication::instance(), nullptr);
        {
            // The limit restoration needs no operator: it runs to its end and leaves its result.
            PastaHost host;
            m.ExecutaFuncaoADM(0, 9);
            ASSERT_NE(QCoreApplication::instance(), nullptr)
                << "the module keeps its application until Finalize";
            EXPECT_GE(VortaSimQtdeGravaArquivo(), 1);
            EXPECT_TRUE(host.Arquivo(VORTASIM_ARQUIVO_RESULTADO));
            ASSERT_TRUE(Campo(1027));
            EXPECT_FALSE(Campo(1027)->empty());
            const auto audit = host.Arquivo(VORTASIM_ARQUIVO_AUDIT);
            ASSERT_TRUE(audit);
            EXPECT_NE(audit->find("Criou: FrmMod_RestabeleceLimiteCnc\n"), std::string::npos);
            EXPECT_EQ(audit->find("Criou: FrmADM_Mnu"), std::string::npos);

            char interface_[32];
            char versao[32];
            m.ObtemVersao(interface_, versao);
            EXPECT_STREQ(versao, "1.0.0.13");
        }
        {
            // The banking menu with more than one option, so it waits for the operator, who ends it with "9".
            PastaHost host;
            host.Escreve("ClienteTrn.ini", "[CorrespondenteBancario]\r\nDepositoCB=1\r\nSaqueCB=1\r\n");
            Operador operador;
            m.ExecutaGenerico(0x1234, 0);
            operador.Para();
            EXPECT_FALSE(operador.prazoEsgotado);
            EXPECT_TRUE(operador.encerrou);
            EXPECT_EQ(operador.classeVista, "TFrmSel_Mnu");
            EXPECT_EQ(Campo(1009), "FF");
            EXPECT_EQ(Campo(1027), "Finalizado pelo Operador");
            EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
        }
        m.Finalize();
        EXPECT_EQ(QCoreApplication::instance(), nullptr) << "the module deletes the application it created";
        m.Descarrega();
    }
}

} // namespace
