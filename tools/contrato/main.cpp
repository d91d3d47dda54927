// cb-contrato: writes the host contract (docs/CONTRATO.md) from the module's own data: the descriptors as
// they registered themselves, the table of functions beside the menus and the message catalogue. Which fields
// the result file leaves out or shows as '*' is not declared anywhere: it is found by running the end of a
// call over a store with every field set and reading the file it writes.
//
//   cb-contrato [--fontes SRC] [--write FILE]
// writes the contract to standard output, or into FILE; with SRC (the module's src/) it also fails when a
// function's declared fields are not exactly those its units read and write.

#include "host/Host.h"
#include "menus/Contrato.h"
#include "protocol/Tabelatrn.h"
#include "vortasim.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using Campos = std::set<int>;

constexpr int kCampoOperacao = 10158;

struct Mascaras {
    Campos ausentes;   // cleared by the module before the file is written
    Campos asteriscos; // written as '*', one per byte
};

// Every field from 1 to 65534 set, one call ended: what the host's file then shows of each; nothing when no
// file could be written and read.
std::optional<Mascaras> SondaArquivoResultado() {
    Mascaras m;
    QTemporaryDir dir;
    if (!dir.isValid()) return std::nullopt;
    qputenv("CB_HOST_DIR", QFile::encodeName(dir.path()));
    VortaSimReinicia();
    host::InicioDeChamada(false);
    constexpr int kUltimo = CAMPOTRN_IGNORADO - 1;
    for (int campo = 1; campo <= kUltimo; ++campo)
        host::GravaCampoBytes(campo, 0, "12");
    host::FimDeChamada();
    QFile arquivo(QDir(dir.path()).filePath(QStringLiteral(VORTASIM_ARQUIVO_RESULTADO)));
    std::map<int, std::string> vistos;
    if (arquivo.open(QIODevice::ReadOnly)) {
        while (!arquivo.atEnd()) {
            const QByteArray linha = arquivo.readLine().trimmed();
            const qsizetype ponto = linha.indexOf('.');
            const qsizetype igual = linha.indexOf('=');
            if (ponto <= 0 || igual < ponto) continue;
            vistos[linha.left(ponto).toInt()] = linha.mid(igual + 1).toStdString();
        }
    }
    VortaSimReinicia();
    if (vistos.empty()) return std::nullopt;
    for (int campo = 1; campo <= kUltimo; ++campo) {
        const auto v = vistos.find(campo);
        if (v == vistos.end())
            m.ausentes.insert(campo);
        else if (v->second == "**")
            m.asteriscos.insert(campo);
    }
    return m;
}

struct Acessos {
    Campos lidos;
    Campos gravados;
};

// The host fields a unit's source reads and writes through the host layer: each call of a reader
// (Le...) or of a writer or clearer (Grava..., Limpa...) whose first argument is a field number, or a
// constant the unit defines as one, and the answer code's readers.
Acessos AcessosDoFonte(const QString& fonte) {
    static const QRegularExpression constante(QStringLiteral(R"(constexpr int (k[A-Za-z]+) = (\d+);)"));
    static const QRegularExpression chamada(
        QStringLiteral(R"(\b(Le[A-Z][A-Za-z]*|HostlinkLe[A-Za-z]*|Grava[A-Za-z]*|Limpa[A-Za-z]*|)"
                       R"(HostlinkGrava[A-Za-z]*|HostlinkLimpa[A-Za-z]*)\(\s*(\d{4,5}|k[A-Za-z]+)\b)"));
    std::map<QString, int> constantes;
    for (const auto& m : constante.globalMatch(fonte))
        constantes[m.captured(1)] = m.captured(2).toInt();
    Acessos a;
    for (const auto& m : chamada.globalMatch(fonte)) {
        const QString argumento = m.captured(2);
        const auto c = constantes.find(argumento);
        const int campo = argumento.startsWith(QLatin1Char('k')) ? (c == constantes.end() ? 0 : c->second)
                                                                 : argumento.toInt();
        // Host fields are numbered from 1000; smaller constants are sizes and offsets.
        if (campo < 1000 || campo >= CAMPOTRN_IGNORADO) continue;
        const QString nome = m.captured(1);
        (nome.startsWith(QLatin1String("Le")) || nome.startsWith(QLatin1String("HostlinkLe")) ? a.lidos
                                                                                              : a.gravados)
            .insert(campo);
    }
    // The answer code is read through its own two helpers.
    static const QRegularExpression resultado(QStringLiteral(R"(\b(CodigoResultado|Aprovada)\(\))"));
    if (resultado.match(fonte).hasMatch()) a.lidos.insert(1009);
    return a;
}

std::string Lista(const Campos& campos) {
    if (campos.empty()) return "none";
    std::string s;
    for (const int c : campos)
        s += (s.empty() ? "" : ", ") + std::to_string(c);
    return s;
}

std::string Lista(const std::vector<int>& campos) {
    return Lista(Campos(campos.begin(), campos.end()));
}

std::string Caminho(const std::vector<contrato::Opcao>& caminho) {
    std::string s;
    for (const auto& [numero, texto] : caminho) {
        if (!s.empty()) s += " > ";
        if (numero > 0) s += std::to_string(numero) + " ";
        s += texto;
    }
    return s;
}

// A Markdown code span that holds any text, backticks and blanks included.
std::string Codigo(std::string_view texto) {
    const std::string cerca = texto.find('`') == std::string_view::npos ? "`" : "`` ";
    const std::string fim = cerca == "`" ? "`" : " ``";
    return cerca + std::string(texto) + fim;
}

std::string Entrada(const TCampoTrn& e) {
    std::string s;
    if (e.Campo == 0) {
        s = Codigo("\"" + std::string(e.Texto == nullptr ? "" : e.Texto) + "\"");
    } else {
        s = std::to_string(e.Campo);
        if (e.Ocorrencia != 0 && e.Bloco == 0) s += "." + std::to_string(e.Ocorrencia);
        if (e.Texto != nullptr) s = Codigo("\"" + std::string(e.Texto) + "\"") + " " + s;
    }
    if (e.Formato != 0) s += " fmt " + std::to_string(e.Formato);
    if (e.Separador != 0) s += " sep " + std::to_string(e.Separador);
    return s;
}

// The entries in the order they go, a per-document block as [ ... ] after its head.
std::string Entradas(const TTabelaTrn& t) {
    std::string s;
    int restantesBloco = 0;
    for (const TCampoTrn& e : t.Campos) {
        if (e.Campo == CAMPOTRN_IGNORADO) continue;
        if (!s.empty()) s += restantesBloco > 0 && s.back() == '[' ? "" : ", ";
        if (e.Bloco > 0) {
            s += Entrada(e) + " (documents) [";
            restantesBloco = e.Bloco;
            continue;
        }
        s += Entrada(e);
        if (restantesBloco > 0 && --restantesBloco == 0) s += "] per document";
    }
    return s;
}

Campos CamposEnviados(const TTabelaTrn& t) {
    Campos c;
    for (const TCampoTrn& e : t.Campos)
        if (e.Campo != 0 && e.Campo != CAMPOTRN_IGNORADO) c.insert(e.Campo);
    return c;
}

std::string Ancora(std::string_view nome) {
    std::string a;
    for (const char ch : nome)
        if (std::isalnum(static_cast<unsigned char>(ch)) || ch == '_')
            a += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return a;
}

struct Gerador {
    std::ostringstream o;
    std::map<std::string, const TTabelaTrn*> descritores;
    std::set<std::string> usados;
    Mascaras mascaras;
    QString fontes; // src/, when the declared fields are to be checked against it
    int erros = 0;

    // With the sources at hand, the fields a function declares are those its units touch, no more, no less.
    void Confere(const contrato::Funcao& f) {
        Acessos a;
        const QStringList unidades =
            QString::fromUtf8(f.unidades).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& unidade : unidades) {
            QFile arquivo(QDir(fontes).filePath(unidade + QLatin1String(".cpp")));
            if (!arquivo.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cb-contrato: no unit %s\n", qPrintable(arquivo.fileName()));
                ++erros;
                continue;
            }
            const Acessos u = AcessosDoFonte(QString::fromUtf8(arquivo.readAll()));
            a.lidos.insert(u.lidos.begin(), u.lidos.end());
            a.gravados.insert(u.gravados.begin(), u.gravados.end());
        }
        const auto compara = [&](const char* que, const Campos& declarados, const Campos& achados) {
            if (declarados == achados) return;
            Campos faltam, sobram;
            std::ranges::set_difference(achados, declarados, std::inserter(faltam, faltam.end()));
            std::ranges::set_difference(declarados, achados, std::inserter(sobram, sobram.end()));
            std::fprintf(stderr, "cb-contrato: %s: %s: missing %s; not in the units %s\n",
                         Caminho(f.caminho).c_str(), que, Lista(faltam).c_str(), Lista(sobram).c_str());
            ++erros;
        };
        compara("reads", Campos(f.lidos.begin(), f.lidos.end()), a.lidos);
        compara("writes", Campos(f.gravados.begin(), f.gravados.end()), a.gravados);
    }

    // No unit that touches host fields is left out of every function.
    void ConfereUnidades() {
        std::set<QString> nomeadas;
        const auto nomeia = [&](const contrato::Funcao& f) {
            for (const QString& u : QString::fromUtf8(f.unidades).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                nomeadas.insert(u);
        };
        nomeia(contrato::Comum());
        for (const auto& f : contrato::Funcoes())
            nomeia(f);
        const QDir raiz(fontes);
        for (const QString& pasta : raiz.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            for (const QString& nome :
                 QDir(raiz.filePath(pasta)).entryList({QStringLiteral("*.cpp")}, QDir::Files, QDir::Name)) {
                const QString unidade = pasta + QLatin1Char('/') + nome.chopped(4);
                QFile arquivo(raiz.filePath(unidade + QLatin1String(".cpp")));
                if (nomeadas.contains(unidade) || !arquivo.open(QIODevice::ReadOnly)) continue;
                const Acessos a = AcessosDoFonte(QString::fromUtf8(arquivo.readAll()));
                if (a.lidos.empty() && a.gravados.empty()) continue;
                std::fprintf(stderr, "cb-contrato: %s touches host fields and no function names it\n",
                             qPrintable(unidade));
                ++erros;
            }
        }
    }

    const TTabelaTrn* Descritor(const char* nome) {
        const auto d = descritores.find(nome);
        if (d != descritores.end()) return d->second;
        std::fprintf(stderr, "cb-contrato: no descriptor registered as %s\n", nome);
        ++erros;
        return nullptr;
    }

    void Resultados(const std::vector<contrato::Resultado>& resultados) {
        if (resultados.empty()) return;
        o << "\n| 1009 | 1027 | Catalogue name |\n|---|---|---|\n";
        for (const auto& r : resultados) {
            if (r.texto == nullptr && r.nome == nullptr && std::string_view(r.codigo) == "(bank)")
                o << "| the bank's code | the bank's text | |\n";
            else if (r.texto == nullptr)
                o << "| " << r.codigo << " | the reason the host's authorisation gives | |\n";
            else
                o << "| " << r.codigo << " | " << Codigo(r.texto) << " | " << r.nome << " |\n";
        }
    }

    Campos Pedidos(const std::vector<contrato::Pedido>& pedidos) {
        Campos enviados;
        if (pedidos.empty()) return enviados;
        o << "\n| Request | Transaction | Indicator | 10158 |\n|---|---|---|---|\n";
        for (const auto& p : pedidos) {
            const TTabelaTrn* t = Descritor(p.descritor);
            if (t == nullptr) continue;
            usados.insert(p.descritor);
            const Campos c = CamposEnviados(*t);
            enviados.insert(c.begin(), c.end());
            // The table states the operation code exactly for the requests that carry one.
            if (c.contains(kCampoOperacao) != (p.operacao != nullptr)) {
                std::fprintf(stderr,
                             "cb-contrato: %s %s field %d but the table %s an operation code for it\n",
                             p.descritor, p.operacao ? "sends no" : "sends", kCampoOperacao,
                             p.operacao ? "gives" : "gives no");
                ++erros;
            }
            o << "| [" << p.descritor << "](#" << Ancora(p.descritor) << ") | " << t->CodigoTransacao << " | "
              << t->Indicador << " | " << (p.operacao ? Codigo(p.operacao) : "not sent") << " |\n";
        }
        return enviados;
    }

    void Funcao(const contrato::Funcao& f, const Campos& comuns) {
        if (&f != &contrato::Comum()) o << "\n### " << Caminho(f.caminho) << "\n";
        if (!fontes.isEmpty()) Confere(f);
        o << "\nCall: " << Codigo(f.chamada) << ". Units: " << f.unidades << ".\n";
        const Campos enviados = Pedidos(f.pedidos);
        const Campos gravados(f.gravados.begin(), f.gravados.end());
        Campos doHost;
        for (const int c : f.lidos)
            if (!gravados.contains(c) && !comuns.contains(c)) doHost.insert(c);
        o << "\nReads: " << Lista(f.lidos)
          << ".\n\nOf them, written neither by these units nor by the shared "
          << "steps (the host or a reply puts them there): " << Lista(doHost)
          << ".\n\nWrites: " << Lista(f.gravados) << ".\n";
        Resultados(f.resultados);
        Campos tocados = enviados;
        tocados.insert(f.lidos.begin(), f.lidos.end());
        tocados.insert(gravados.begin(), gravados.end());
        Campos ausentes, asteriscos;
        for (const int c : tocados) {
            if (mascaras.ausentes.contains(c)) ausentes.insert(c);
            if (mascaras.asteriscos.contains(c)) asteriscos.insert(c);
        }
        o << "\nOf the fields it reads, writes or sends, left out of the result file: " << Lista(ausentes)
          << "; shown there as `*`: " << Lista(asteriscos) << ".\n";
    }

    void Escreve() {
        for (const auto& r : Tabelatrn::Registrados())
            descritores.emplace(r.nome, r.descritor);
        const auto sonda = SondaArquivoResultado();
        if (!sonda) {
            std::fprintf(stderr, "cb-contrato: the result file of a call could not be written and read\n");
            ++erros;
        }
        mascaras = sonda.value_or(Mascaras{});

        o << "# The host contract\n\n"
             "Written by `cb-contrato` (tools/contrato) from the module's own data: the request "
             "descriptors as they register themselves, the table of functions in "
             "src/menus/Contrato.cpp and the message catalogue. Do not edit it: change those and run "
             "`cmake --build build --target contrato`, which rewrites this file. The test `contrato` "
             "fails while the file differs from what the program writes.\n\nFields are host field "
             "numbers; `12.3` is occurrence 3 of field 12. \"Reads\" and \"Writes\" are the fields "
             "the function's units (named with it) read, and write or clear, through the host layer, "
             "checked against their sources by the same test; every written field stays in the host's "
             "store, and so in the result file, unless listed below. `ExecutaFuncaoADM 1` is the "
             "cancellation mode.\n\n## The result file\n\nEvery call ends with one result file. "
             "Before it is written the module clears ";
        o << Lista(mascaras.ausentes) << ": they never reach it. The file shows these as `*`, one per byte: "
          << Lista(mascaras.asteriscos) << ".\n\n## Every call\n";
        const contrato::Funcao& comum = contrato::Comum();
        Funcao(comum, {});
        const Campos comuns(comum.gravados.begin(), comum.gravados.end());

        o << "\n## Functions\n";
        for (const auto& f : contrato::Funcoes())
            Funcao(f, comuns);
        if (!fontes.isEmpty()) ConfereUnidades();

        o << "\n## Requests\n\n"
             "Every descriptor of the module, by the name it registered, with its fields in the order "
             "they are sent. A quoted text before a field is its prefix; a quoted text alone is a "
             "constant (empty: an empty constant, or a module variable the dialog fills before it "
             "sends); `fmt` and `sep` are the entry's format and separator; a block's head field "
             "holds the number of documents and the block's entries go once per document.\n";
        for (const auto& [nome, t] : descritores) {
            o << "\n### " << nome << "\n\nTransaction " << t->CodigoTransacao << ", indicator "
              << t->Indicador << (usados.contains(nome) ? "" : "; named by no function above") << ".\n\n"
              << Entradas(*t) << "\n";
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    const char* destino = nullptr;
    const char* fontes = nullptr;
    bool uso = argc % 2 == 1;
    for (int i = 1; uso && i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--write") == 0)
            destino = argv[i + 1];
        else if (std::strcmp(argv[i], "--fontes") == 0)
            fontes = argv[i + 1];
        else
            uso = false;
    }
    if (!uso) {
        std::fprintf(stderr, "usage: cb-contrato [--fontes SRC_DIR] [--write FILE]\n");
        return 2;
    }
    Gerador g;
    if (fontes != nullptr) g.fontes = QFile::decodeName(fontes);
    g.Escreve();
    if (g.erros > 0) return 1;
    const std::string texto = g.o.str();
    if (destino == nullptr) {
        std::fwrite(texto.data(), 1, texto.size(), stdout);
        return 0;
    }
    QFile arquivo(QFile::decodeName(destino));
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        arquivo.write(texto.data(), static_cast<qint64>(texto.size())) != static_cast<qint64>(texto.size())) {
        std::fprintf(stderr, "cb-contrato: cannot write %s\n", destino);
        return 1;
    }
    return 0;
}
