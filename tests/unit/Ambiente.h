// Fixture shared by the tests that touch the host stand-in: every test gets a fresh host (its own folder for
// the INI files, the result file and the audit trail, and a store with no fields) and a way to drive the
// modal dialogs that a call opens without ever hanging. The keys and the waits are the operator's keyboard
// driver's (till/Teclado.h), as the till and the bench use it.
#pragma once

#include "Teclado.h"
#include "basekit.h"
#include "frame/Lumomain.h"
#include "hostlink.h"
#include "payment/Estadocontas.h"
#include "protocol/ServicosResposta.h"
#include "vortasim.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Host text is Latin-1; the tests spell their expectations in UTF-8 source.
inline std::string Latin1(const char* utf8) {
    const QByteArray b = QString::fromUtf8(utf8).toLatin1();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

// A modal window that a call showed, as the driver found it.
struct DialogoVisto {
    std::string classe; // metaObject()->className()
    QString titulo;
    QString texto;       // the text of a QMessageBox, empty for other windows
    bool noTopo = false; // stays on top of the host's windows
};

inline std::ostream& operator<<(std::ostream& o, const DialogoVisto& d) {
    return o << d.classe << " \"" << d.titulo.toStdString() << "\" \"" << d.texto.toStdString() << '"';
}

struct ResultadoDialogos {
    std::vector<DialogoVisto> vistos;
    // The deadline passed with a dialog still open: the driver closed it so the call could return.
    bool prazoEsgotado = false;
};

// What to do with one dialog. It runs from the event loop (never inside the driver's own timer), so it may
// open further modal windows.
using AcaoDialogo = std::function<void(QWidget*)>;

// Types a key into the focused control of the window, as a keyboard would.
inline void Tecla(QWidget* janela, int tecla, const QString& texto = {}) {
    Teclado::Envia(janela, Teclado::Tecla{tecla, Qt::NoModifier, texto});
}

// Types each character into the focused control, as the operator's keyboard would.
inline void Digita(QWidget* janela, const QString& texto) {
    Teclado::Digita(janela, texto);
}
inline void Digita(QWidget* janela, const std::string& texto) {
    Teclado::Digita(janela, QString::fromStdString(texto));
}
inline void Digita(QWidget* janela, const char* texto) {
    Teclado::Digita(janela, QString::fromUtf8(texto));
}

inline void Enter(QWidget* janela) {
    Teclado::Envia(janela, Teclado::Interpreta(QStringList{QStringLiteral("<Enter>")}));
}

inline void Backspace(QWidget* janela, int vezes) {
    for (int i = 0; i < vezes; ++i)
        Teclado::Envia(janela, Teclado::Interpreta(QStringList{QStringLiteral("<Backspace>")}));
}

inline bool EsperaAtiva(QWidget* w) {
    return Teclado::EsperaAtiva(w);
}

// Creates a dialog of the module into its owner, shows it and waits until it is active; null when it could
// not be created.
template <class T, class Dono> T* AbreDialogo(Dono& dono) {
    T* f = T::template Cria<T>(nullptr);
    dono.reset(f);
    EXPECT_NE(f, nullptr);
    if (!f) return nullptr;
    f->show();
    EXPECT_TRUE(EsperaAtiva(f));
    QApplication::processEvents();
    return f;
}

// Leaves a window to do what it does by itself.
inline AcaoDialogo Nada() {
    return [](QWidget*) {};
}

inline AcaoDialogo PressionaDigito(char digito) {
    return [digito](QWidget* w) { Teclado::Envia(w, Teclado::DoCaractere(QLatin1Char(digito))); };
}

inline AcaoDialogo Fecha() {
    return [](QWidget* w) { w->close(); };
}

// Runs the call while a timer watches for modal windows. Each new one is recorded and handed, once it has
// settled as the till waits for a screen (Teclado::Assentamento: active, not acting by itself, quiet for a
// moment), to the next action; a window beyond the list of actions is closed. After the deadline every modal
// window still open is closed and prazoEsgotado is set, so a call that waits for an operator who never comes
// fails instead of hanging.
inline ResultadoDialogos FechaDialogos(const std::function<void()>& chamada,
                                       std::vector<AcaoDialogo> acoes = {},
                                       std::chrono::milliseconds prazo = std::chrono::seconds(10)) {
    ResultadoDialogos r;
    std::vector<QPointer<QWidget>> tratados;
    size_t proxima = 0;
    Teclado::Assentamento assentamento;
    QElapsedTimer relogio;
    relogio.start();

    QTimer vigia;
    vigia.setInterval(Teclado::kIntervaloMs);
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (relogio.elapsed() > prazo.count()) {
            if (w) {
                r.prazoEsgotado = true;
                w->close();
            }
            return;
        }
        if (!w || !w->isVisible()) return;
        for (const auto& t : tratados) {
            if (t == w) return;
        }
        // A dialog acting by itself (a handler running, an automatic confirm pending) is not ours yet: it
        // is taken once it has been quiet for a moment, however slow the build.
        if (!assentamento.Assentou(w, {Teclado::IdDe(w), 0})) return;
        tratados.emplace_back(w);
        DialogoVisto visto{w->metaObject()->className(), w->windowTitle(), {}};
        if (auto* caixa = qobject_cast<QMessageBox*>(w)) visto.texto = caixa->text();
        visto.noTopo = w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        r.vistos.push_back(visto);
        AcaoDialogo acao = proxima < acoes.size() ? acoes[proxima++] : Fecha();
        QTimer::singleShot(0, w, [acao, w] { acao(w); });
    });
    vigia.start();
    chamada();
    vigia.stop();
    return r;
}

// The module's globals that a call leaves behind (reply records, the payment group, the TEF company) back to
// where a parameter load starts: every test starts from there and leaves them so, whatever a dialog changed.
inline void ReiniciaModulo() {
    using namespace Lumomain;
    IniciaServicosHzinhoParametros();
    for (auto* r : {&ServicoHzinho_Coleta_Trilha, &ServicoHzinho_Coleta_Senha})
        r->limpa();
    ServicoHzinho_47_TrataColetaToken.limpa();
    ServicoHzinho_29_FormasColetaTipoConta_Emprest_Consig.limpa();
    ServicoHzinho_45_DadosBoletoRegistrado.limpa();
    TabelaServicoQ_082_DadosConsultaCodigoBarras.limpa();
    DadosAdicionaisBoletoRegistradoContingencia.limpa();
    Contas::ServACP.limpa();
    IndiceDadosAdicionais = iVeioServicoh45 = iVeioServicoh27 = QtdeDocsConsultadosOK = 0;
    NumeroLinhaRecorteAqui = NumeroLinhasCupomTEF = 0;
    IndiceDocsConsultadosOK.clear();
    bHabilitaTratamentoToken = TrnADM = TrnCNC = bPinpadCBAberto = bPinpadCBNaoBradescoHabilitado = false;
    Forma_Pagto = {};
    for (QString* t :
         {&sDPCHIP, &VERSAO_DO_VORTA_CB, &GrupoPagto, &RedeDestinoTEF, &EmpresaOriginal, &CodigoEmpresaTEF})
        t->clear();
}

class Ambiente : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pasta_.isValid());
        setenv("CB_HOST_DIR", QFile::encodeName(pasta_.path()).constData(), 1);
        VortaSimReinicia();
        ReiniciaModulo();
    }

    void TearDown() override {
        ReiniciaModulo();
        VortaSimReinicia();
        unsetenv("CB_HOST_DIR");
    }

    QString Caminho(const QString& nome) const { return QDir(pasta_.path()).filePath(nome); }

    // Writes a file of the host folder byte for byte (INI files are Latin-1 text of a Windows host).
    void EscreveArquivo(const QString& nome, const QByteArray& conteudo) const {
        QFile f(Caminho(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(conteudo), conteudo.size());
    }
    void EscreveIni(const QString& nome, const QByteArray& conteudo) const { EscreveArquivo(nome, conteudo); }

    std::optional<std::string> LeArquivo(const QString& nome) const {
        QFile f(Caminho(nome));
        if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
        const QByteArray b = f.readAll();
        return std::string(b.constData(), static_cast<size_t>(b.size()));
    }

    // A field through the platform, as the module reads it; nullopt when absent.
    static std::optional<std::string> Campo(int campo, int ocorrencia = 0) {
        char curto[64];
        const int n = LeCampo(curto, sizeof curto, campo, ocorrencia);
        if (n < 0) return std::nullopt;
        if (static_cast<size_t>(n) < sizeof curto) return std::string(curto, static_cast<size_t>(n));
        std::string longo(static_cast<size_t>(n) + 1, '\0');
        LeCampo(longo.data(), n + 1, campo, ocorrencia);
        longo.resize(static_cast<size_t>(n));
        return longo;
    }
    static void DefineCampo(int campo, int ocorrencia, const std::string& valor) {
        ASSERT_EQ(HostlinkGravaCampo(campo, ocorrencia, valor.data(), static_cast<uint16_t>(valor.size())),
                  HL_OK);
    }

    std::optional<std::string> Resultado() const {
        return LeArquivo(QStringLiteral(VORTASIM_ARQUIVO_RESULTADO));
    }

    // The audit lines without their time stamp ("YYYY-MM-DD HH:MM:SS.mmm ").
    std::vector<std::string> LinhasAudit() const {
        std::vector<std::string> linhas;
        const auto conteudo = LeArquivo(QStringLiteral(VORTASIM_ARQUIVO_AUDIT));
        if (!conteudo) return linhas;
        size_t inicio = 0;
        while (inicio < conteudo->size()) {
            size_t fim = conteudo->find('\n', inicio);
            if (fim == std::string::npos) fim = conteudo->size();
            const std::string linha = conteudo->substr(inicio, fim - inicio);
            linhas.push_back(linha.size() >= kCarimbo ? linha.substr(kCarimbo) : linha);
            inicio = fim + 1;
        }
        return linhas;
    }
    bool AuditTem(const std::string& linha) const {
        for (const auto& l : LinhasAudit()) {
            if (l == linha) return true;
        }
        return false;
    }

    static constexpr size_t kCarimbo = 24;

private:
    QTemporaryDir pasta_;
};
