// After a card withdrawal with a PIN, nothing of the card or the PIN is left in the till's process: the
// module called through its entry point, the platform and the scripted PIN pad, the bank a cb-server of its
// own as in a shop. The process reads its own writable memory (heap, stacks, the libraries' data) and counts
// every copy of the PIN, its block, the card number and the track, in 8-bit and in 16-bit text (QString). The
// card and the PIN are drawn at run time and kept masked here, so the only copies are the ones the code under
// test makes.
#include "../../include/correspondente.h"
#include "Protocolo.h"
#include "basekit.h"
#include "vortasim.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

// A secret as this test holds it: each byte XOR a random mask, unmasked one byte at a time while comparing.
struct Agulha {
    std::vector<unsigned char> mascarado, mascara;
    size_t tamanho() const { return mascarado.size(); }
    char em(size_t i) const { return static_cast<char>(mascarado[i] ^ mascara[i]); }
    void Acrescenta(char c) {
        mascara.push_back(static_cast<unsigned char>(QRandomGenerator::global()->bounded(1, 256)));
        mascarado.push_back(static_cast<unsigned char>(c) ^ mascara.back());
    }
    void Acrescenta(const char* texto) {
        for (; *texto; ++texto)
            Acrescenta(*texto);
    }
    void Digitos(int n) {
        for (int i = 0; i < n; ++i)
            Acrescenta(static_cast<char>('0' + QRandomGenerator::global()->bounded(10)));
    }
    // A fresh string of exactly its bytes (one allocation, no temporary), for the callee to keep or wipe.
    std::string Claro() const {
        std::string s;
        s.reserve(tamanho());
        for (size_t i = 0; i < tamanho(); ++i)
            s.push_back(em(i));
        return s;
    }
};

// A 16-digit card of the bank's range with a valid check digit.
Agulha Cartao() {
    Agulha a;
    a.Acrescenta("506722");
    a.Digitos(9);
    int soma = 0;
    for (size_t i = 0; i < a.tamanho(); ++i) {
        int d = a.em(a.tamanho() - 1 - i) - '0';
        if (i % 2 == 0 && (d *= 2) > 9) d -= 9;
        soma += d;
    }
    a.Acrescenta(static_cast<char>('0' + (10 - soma % 10) % 10));
    return a;
}

// Copies of the needle at p in 8-bit text (passo 1), or in 16-bit text (passo 2: each byte then a zero).
bool Casa(const char* p, const char* fim, const Agulha& a, size_t passo) {
    if (static_cast<size_t>(fim - p) < a.tamanho() * passo) return false;
    for (size_t i = 0; i < a.tamanho(); ++i) {
        if (p[i * passo] != a.em(i) || (passo == 2 && p[i * 2 + 1] != 0)) return false;
    }
    return true;
}

// Counts the copies of each needle in every private writable mapping (heap, stacks, the libraries' data),
// read through /proc/self/mem into a buffer mapped after the list was taken, so that it is never read itself.
// Sanitizer shadow memory (terabytes reserved, not data) is left out by its size.
std::array<int, 4> Varre(const std::array<const Agulha*, 4>& agulhas) {
    std::vector<std::pair<uintptr_t, size_t>> regioes;
    size_t maior = 0;
    std::ifstream maps("/proc/self/maps");
    for (std::string linha; std::getline(maps, linha);) {
        unsigned long ini = 0, fim = 0;
        char perm[5] = {};
        if (std::sscanf(linha.c_str(), "%lx-%lx %4s", &ini, &fim, perm) != 3 ||
            std::strcmp(perm, "rw-p") != 0 || fim - ini > (size_t{1} << 30) ||
            linha.find("[vvar") != std::string::npos)
            continue;
        regioes.emplace_back(ini, fim - ini);
        maior = std::max<size_t>(maior, fim - ini);
    }
    void* mapa =
        mmap(nullptr, maior, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    EXPECT_NE(mapa, MAP_FAILED);
    auto* buf = static_cast<char*>(mapa);
    const int fd = open("/proc/self/mem", O_RDONLY);
    EXPECT_GE(fd, 0);
    std::array<int, 4> n{};
    constexpr size_t kPedaco = size_t{1} << 20;
    for (const auto& [ini, tamanho] : regioes) {
        // A piece that cannot be read (a guard page, a mapping gone meanwhile) reads as zeros.
        for (size_t lido = 0; lido < tamanho; lido += kPedaco) {
            const size_t k = std::min(kPedaco, tamanho - lido);
            if (pread(fd, buf + lido, k, static_cast<off_t>(ini + lido)) != static_cast<ssize_t>(k))
                std::memset(buf + lido, 0, k);
        }
        const char* fim = buf + tamanho;
        for (size_t i = 0; i < agulhas.size(); ++i) {
            for (size_t passo : {size_t{1}, size_t{2}}) {
                const char primeiro = agulhas[i]->em(0);
                for (const char* p = buf; (p = static_cast<const char*>(std::memchr(p, primeiro, fim - p)));
                     ++p)
                    n[i] += Casa(p, fim, *agulhas[i], passo);
            }
        }
    }
    close(fd);
    munmap(mapa, maior);
    return n;
}

// The operator: each step waits for its screen (and focused control) to be the active, idle modal window for
// 60 ms, then posts its keys ('\n' is Enter). Past the deadline it closes the screens, so that the call
// returns. Returns how many steps it took.
struct Passo {
    const char *classe, *foco, *teclas;
};

size_t Opera(const std::vector<Passo>& passos, const std::function<void()>& chamada) {
    size_t feitos = 0;
    QElapsedTimer relogio, quieto;
    relogio.start();
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && relogio.elapsed() > 30000) w->close();
        if (!w || feitos == passos.size() || relogio.elapsed() > 30000) return;
        if (!w->isActiveWindow()) w->activateWindow();
        QWidget* foco = w->focusWidget();
        const Passo& p = passos[feitos];
        if (std::strcmp(w->metaObject()->className(), p.classe) != 0 || !w->isActiveWindow() ||
            (*p.foco && (!foco || foco->objectName() != QLatin1String(p.foco))) ||
            w->property("ocupado").toBool())
            return quieto.invalidate();
        if (!quieto.isValid()) quieto.start();
        if (quieto.elapsed() < 60) return;
        quieto.invalidate();
        for (const char* t = p.teclas; *t; ++t) {
            const int codigo = *t == '\n' ? Qt::Key_Return : Qt::Key_0 + (*t - '0');
            const QString texto = *t == '\n' ? QStringLiteral("\r") : QString(QLatin1Char(*t));
            for (const auto tipo : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(foco ? foco : w,
                                            new QKeyEvent(tipo, codigo, Qt::NoModifier, texto));
        }
        ++feitos;
    });
    vigia.start(20);
    chamada();
    return feitos;
}

TEST(Memoria, SaqueComCartaoESenhaNaoDeixaCopias) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char nome[] = "cb-memoria-test";
    char* argv[] = {nome, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    setenv("CB_HOST_DIR", QFile::encodeName(pasta.path()).constData(), 1);
    {
        QFile ini(pasta.path() + QStringLiteral("/ClienteTrn.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[CorrespondenteBancario]\nSaqueCB=1\nDepositoCB=1\n");
    }
    VortaSimReinicia();

    Agulha pin;
    pin.Digitos(12);
    const Agulha cartao = Cartao();
    Agulha trilha = cartao;
    trilha.Acrescenta("=2912101");
    // The block the PIN pad makes of this PIN and this track: it serves the one authorisation.
    Agulha bloco;
    {
        std::string senha = pin.Claro(), dados = trilha.Claro();
        std::string b = cbwire::BlocoDeSenha(senha, dados);
        bloco.Acrescenta(b.c_str());
        for (std::string* t : {&senha, &dados, &b})
            explicit_bzero(t->data(), t->size());
    }

    // The bank issues the card: the scenario it starts with lists it. The file is written from a buffer
    // wiped at once; the bank keeps its record in its own process.
    QFile modelo(QStringLiteral(CB_CENARIOS "/saque.json"));
    ASSERT_TRUE(modelo.open(QIODevice::ReadOnly));
    std::string cenario = modelo.readAll().toStdString();
    const size_t lista = cenario.find("\"cartoes\": [");
    ASSERT_NE(lista, std::string::npos);
    cenario.reserve(cenario.size() + 128);
    std::string registro = "{\"numero\": \"";
    registro.reserve(128);
    for (size_t i = 0; i < cartao.tamanho(); ++i)
        registro.push_back(cartao.em(i));
    registro += "\", \"validade\": \"2912\", \"rede\": \"805\", \"conta\": \"0001 0123456-7\"},";
    cenario.insert(lista + std::strlen("\"cartoes\": ["), registro);
    const QString arquivo = pasta.path() + QStringLiteral("/banco.json");
    {
        QFile f(arquivo);
        // Unbuffered: a write buffer would keep a copy of the card.
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        ASSERT_EQ(f.write(cenario.data(), static_cast<qint64>(cenario.size())),
                  static_cast<qint64>(cenario.size()));
    }
    explicit_bzero(registro.data(), registro.size());
    explicit_bzero(cenario.data(), cenario.size());
    QProcess banco;
    banco.start(QStringLiteral(CB_SERVIDOR), {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                                              QStringLiteral("--scenario"), arquivo});
    ASSERT_TRUE(banco.waitForReadyRead(20000)) << qPrintable(banco.readAllStandardError());
    const QByteArray endereco = banco.readLine().trimmed();
    ASSERT_EQ(VortaSimDefineServidorTcp(endereco.constData()), 0) << endereco.constData();
    {
        std::string numero = cartao.Claro(), senha = pin.Claro();
        const int indice =
            VortaSimPinpadAdicionaCartao(numero.c_str(), "", "2912", "101", VORTASIM_CARTAO_MAGNETICO, "805");
        VortaSimPinpadApresentaCartao(indice);
        const char* senhas[] = {senha.c_str()};
        VortaSimPinpadDefineSenhas(senhas, 1);
        explicit_bzero(numero.data(), numero.size());
        explicit_bzero(senha.data(), senha.size());
    }

    Initialize();
    // The banking menu, the withdrawal menu, the magnetic-card withdrawal: amount, account type, the card's
    // security code, confirm.
    const size_t feitos = Opera({{"TFrmSel_Mnu", "", "4"},
                                 {"TFrmSaque_Mnu", "", "2"},
                                 {"TFrmSaque_CMag", "edValor", "5000\n"},
                                 {"TFrmSaque_CMag", "cbTipoConta", "22\n"},
                                 {"TFrmSaque_CMag", "EdCSeg", "321\n"},
                                 {"TFrmSaque_CMag", "btConfirma", "\n"}},
                                [] { ExecutaGenerico(0, 0); });
    EXPECT_EQ(feitos, 6u);
    // The withdrawal went through: the bank knew the card, and the PIN was typed for it.
    char resultado[8] = {};
    LeCampo(resultado, sizeof resultado, 1009, 0);
    EXPECT_STREQ(resultado, "00");
    EXPECT_EQ(VortaSimPinpadQtdeSenhas(), 1);
    // The customer takes the card away; the host's loop runs once more, as it would after the call.
    VortaSimPinpadLimpaCartoes();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();

    const auto copias = Varre({&pin, &bloco, &cartao, &trilha});
    std::printf("memoria: copias depois da chamada: senha %d, bloco %d, cartao %d, trilha %d\n", copias[0],
                copias[1], copias[2], copias[3]);
    EXPECT_EQ(copias, (std::array<int, 4>{})) << "PIN, block, card, track";
    Finalize();
}

} // namespace
