// basekit: field access by string, other payment modules, build information and the look of the forms.
#include "basekit.h"
#include "Estado.h"
#include "hostlink.h"

#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <sys/stat.h>

using namespace vorta;

namespace {

int copiaSaida(const std::string& s, char* saida, int capacidade) {
    if (saida && capacidade > 0) {
        const size_t n = std::min(s.size(), static_cast<size_t>(capacidade - 1));
        std::memcpy(saida, s.data(), n);
        saida[n] = '\0';
    }
    return static_cast<int>(s.size());
}

// The version a library records about itself: the text after this marker, up to the NUL. The module embeds it
// the way a Windows library carries its version resource.
constexpr char kMarcaVersao[] = "VERSIONINFO FileVersion=";

struct VersaoEmCache {
    std::string arquivo;
    time_t modificado = 0;
    off_t tamanho = 0;
    std::string versao;
};

std::string leVersao(const std::string& arquivo) {
    struct stat st {};
    if (stat(arquivo.c_str(), &st) != 0) return {};
    // Every form asks for it when created: read the file once per modification.
    static VersaoEmCache cache;
    if (cache.arquivo == arquivo && cache.modificado == st.st_mtime && cache.tamanho == st.st_size)
        return cache.versao;
    // Mapped, not streamed: a debug build of the module is tens of megabytes.
    QFile f(QString::fromLocal8Bit(arquivo.c_str()));
    std::string versao;
    if (f.open(QIODevice::ReadOnly) && f.size() > 0) {
        uchar* dados = f.map(0, f.size());
        if (dados) {
            const std::string_view conteudo(reinterpret_cast<const char*>(dados),
                                            static_cast<size_t>(f.size()));
            const auto pos = conteudo.find(kMarcaVersao);
            if (pos != std::string_view::npos) {
                const auto inicio = pos + sizeof kMarcaVersao - 1;
                const auto fim = conteudo.find('\0', inicio);
                versao = std::string(conteudo.substr(
                    inicio, (fim == std::string_view::npos ? conteudo.size() : fim) - inicio));
            }
            f.unmap(dados);
        }
    }
    cache = {arquivo, st.st_mtime, st.st_size, versao};
    return versao;
}

} // namespace

extern "C" {

int VORTA_CALL LeCampo(char* saida, int capacidade, int campo, int ocorrencia) {
    std::lock_guard g(trava());
    const auto& campos = estado().campos;
    auto it = campos.find({campo, ocorrencia});
    if (it == campos.end()) {
        copiaSaida({}, saida, capacidade);
        return -1;
    }
    return copiaSaida(it->second, saida, capacidade);
}

uint16_t VORTA_CALL GravaCampoString(int campo, int ocorrencia, const char* texto) {
    if (campo < 0 || ocorrencia < 0) return HL_PARAMETRO_INVALIDO;
    if (gravacaoRecusada(campo)) return HL_FALHA_GRAVACAO;
    gravaCampo(campo, ocorrencia, texto ? texto : "");
    return HL_OK;
}

uint16_t VORTA_CALL EnviaArquivoErroPDV(int codigo, const char* mensagem) {
    gravaCampo(1009, 0, std::to_string(codigo));
    gravaCampo(1027, 0, mensagem ? mensagem : "");
    notifica("erroPDV", mensagem ? mensagem : "");
    return gravaArquivoResultado() ? HL_OK : HL_FALHA_ARQUIVO;
}

bool VORTA_CALL CarregaModulos(const char* codigoModulo, int a, int b) {
    auto& e = estado();
    e.ultimoModulo = codigoModulo ? codigoModulo : "";
    e.ultimoModuloA = a;
    e.ultimoModuloB = b;
    // Observers can read the host fields here, as the module finds them.
    notifica("modulo", e.ultimoModulo + ' ' + std::to_string(a) + ' ' + std::to_string(b));
    switch (e.moduloComportamento) {
    case VORTASIM_MODULO_FALHA:
        return false;
    case VORTASIM_MODULO_EXCECAO:
        // A misbehaving module of the host: its exception reaches the caller, who must contain it.
        throw std::runtime_error("falha interna do modulo " + e.ultimoModulo);
    default:
        gravaCampo(1009, 0, e.moduloResultado);
        gravaCampo(10170, 0, std::to_string(e.moduloLinhaRecorte));
        gravaCampo(20128, 0, std::to_string(e.moduloLinhasCupom));
        return true;
    }
}

int VORTA_CALL GetBuildInfo(const char* arquivo, char* saida, int capacidade) {
    return copiaSaida(arquivo ? leVersao(arquivo) : std::string{}, saida, capacidade);
}

int VORTA_CALL AplicaTemaKestra(void* formulario) {
    auto* w = static_cast<QWidget*>(formulario);
    if (!w) return 1;
    const auto& falha = estado().falhaTema;
    if (!falha.empty() && falha == w->metaObject()->className()) return 2;
    // The host's look: its font, and white text on the labels over the form's dark background. Buttons and
    // edits keep the application's palette on purpose: the style caches their drawings by palette, and a
    // palette of each form's own would fill that cache anew with every form shown.
    w->setFont(QFont(QStringLiteral("Arial"), 10));
    for (QLabel* l : w->findChildren<QLabel*>()) {
        QPalette rotulo = l->palette(); // a label may carry its own background (the form's image)
        rotulo.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(rotulo);
    }
    return 0;
}

bool VORTA_CALL PermiteAlterarDados(void) {
    return estado().permiteAlterarDados;
}

void VORTA_CALL AvancaRetrocedeItemComboBox(void* combo, char* tecla) {
    auto* cb = static_cast<QComboBox*>(combo);
    if (!cb || !tecla) return;
    if (*tecla == '2') {
        if (cb->currentIndex() + 1 < cb->count()) cb->setCurrentIndex(cb->currentIndex() + 1);
        *tecla = 0;
    } else if (*tecla == '8') {
        if (cb->currentIndex() > 0) cb->setCurrentIndex(cb->currentIndex() - 1);
        *tecla = 0;
    }
}

void VORTA_CALL memLimpaEdit(void* edit) {
    auto* ed = static_cast<QLineEdit*>(edit);
    if (!ed) return;
    // Overwrite before clearing so the old text's buffer is not the last holder of the number.
    ed->setText(QString(ed->text().size(), QLatin1Char('*')));
    ed->clear();
}

} // extern "C"
