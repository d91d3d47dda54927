// Frames of requests and replies. Every number is fixed-width decimal text and every text is preceded by its
// length, so a frame can be read front to back with no delimiter and no escape; server/PROTOCOL.md has the
// layout. A decoder takes nothing on trust: it checks each length against what is left and each count against
// its limit before it reads, and rejects a frame with bytes left over.
#include "Quadro.h"
#include "Protocolo.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
#include <string.h>

namespace cbwire {

namespace {

// Request body header: code, indicator, flag, item count. Item header: field, occurrence, format, separator.
constexpr std::size_t kLarguraCodigo = 5;
constexpr std::size_t kLarguraIndicador = 5;
constexpr std::size_t kLarguraFlag = 3;
constexpr std::size_t kLarguraQtdeItens = 4;
constexpr std::size_t kLarguraCampo = 5;
constexpr std::size_t kLarguraOcorrencia = 5;
constexpr std::size_t kLarguraFormato = 5;
constexpr std::size_t kLarguraSeparador = 3;
constexpr std::size_t kLarguraTexto = 5;
constexpr std::size_t kLarguraQtdeServicos = 2;
constexpr std::size_t kLarguraQtdeOcorrencias = 5;
constexpr std::size_t kLarguraQtdeH = 5;
constexpr std::size_t kLarguraCorpo = 8;

class Escritor {
public:
    // False once anything did not fit its width or limit; the frame is then not produced.
    bool ok = true;

    // The body holds card data and PIN blocks: reserved once, so that no partial copy is left by a growth,
    // and wiped when done.
    explicit Escritor(std::size_t tamanho = 0) { corpo_.reserve(tamanho); }
    ~Escritor() { Apaga(corpo_); }
    Escritor(const Escritor&) = delete;
    Escritor& operator=(const Escritor&) = delete;

    void Numero(std::size_t valor, std::size_t largura) {
        std::array<char, 16> b{};
        const int n = std::snprintf(b.data(), b.size(), "%0*zu", static_cast<int>(largura), valor);
        if (n != static_cast<int>(largura)) {
            ok = false;
            return;
        }
        corpo_.append(b.data(), static_cast<std::size_t>(n));
    }
    void Texto(std::string_view t) {
        if (t.size() > kMaxTexto) {
            ok = false;
            return;
        }
        Numero(t.size(), kLarguraTexto);
        corpo_.append(t);
    }
    void Byte(char c) { corpo_.push_back(c); }

    std::string Quadro(char tipo) {
        if (!ok || corpo_.size() > kMaxCorpo) return {};
        std::string q;
        q.reserve(kCabecalhoQuadro + corpo_.size());
        q.append(kMarcaQuadro);
        q.push_back(tipo);
        std::array<char, 16> b{};
        std::snprintf(b.data(), b.size(), "%0*zu", static_cast<int>(kLarguraCorpo), corpo_.size());
        q.append(b.data(), kLarguraCorpo);
        q.append(corpo_);
        return q;
    }

private:
    std::string corpo_;
};

class Leitor {
public:
    explicit Leitor(std::string_view dados) : resto_(dados) {}

    bool Numero(std::size_t largura, std::size_t maximo, std::size_t& valor) {
        if (resto_.size() < largura) return false;
        std::size_t v = 0;
        for (std::size_t i = 0; i < largura; ++i) {
            const char c = resto_[i];
            if (c < '0' || c > '9') return false;
            v = v * 10 + static_cast<std::size_t>(c - '0');
        }
        if (v > maximo) return false;
        resto_.remove_prefix(largura);
        valor = v;
        return true;
    }
    template <typename T> bool Numero(std::size_t largura, T& valor) {
        std::size_t v = 0;
        if (!Numero(largura, std::numeric_limits<T>::max(), v)) return false;
        valor = static_cast<T>(v);
        return true;
    }
    bool Byte(char& c) {
        if (resto_.empty()) return false;
        c = resto_.front();
        resto_.remove_prefix(1);
        return true;
    }
    bool Texto(std::string& t) {
        std::size_t n = 0;
        if (!Numero(kLarguraTexto, kMaxTexto, n) || resto_.size() < n) return false;
        t.assign(resto_.substr(0, n));
        resto_.remove_prefix(n);
        return true;
    }
    // Enough bytes left for n more entries of at least minimo bytes each: a count cannot make the decoder
    // reserve memory the frame does not back.
    bool Cabem(std::size_t n, std::size_t minimo) const { return n <= resto_.size() / minimo; }
    bool Fim() const { return resto_.empty(); }

private:
    std::string_view resto_;
};

// The body of a frame of the given kind, when the frame is exactly header plus announced body.
std::optional<std::string_view> Corpo(std::string_view quadro, char tipo) {
    if (quadro.size() < kCabecalhoQuadro) return std::nullopt;
    const auto total = TamanhoQuadro(quadro.substr(0, kCabecalhoQuadro), tipo);
    if (!total || *total != quadro.size()) return std::nullopt;
    return quadro.substr(kCabecalhoQuadro);
}

} // namespace

std::optional<std::size_t> TamanhoQuadro(std::string_view cabecalho, char tipo) {
    if (cabecalho.size() < kCabecalhoQuadro || cabecalho.substr(0, kMarcaQuadro.size()) != kMarcaQuadro ||
        cabecalho[kMarcaQuadro.size()] != tipo)
        return std::nullopt;
    Leitor l(cabecalho.substr(kMarcaQuadro.size() + 1, kLarguraCorpo));
    std::size_t corpo = 0;
    if (!l.Numero(kLarguraCorpo, kMaxCorpo, corpo)) return std::nullopt;
    return kCabecalhoQuadro + corpo;
}

void Apaga(std::string& s) {
    if (!s.empty()) explicit_bzero(s.data(), s.size());
    s.clear();
}

void Apaga(Pedido& p) {
    for (Item& i : p.itens) {
        Apaga(i.prefixo);
        Apaga(i.valor);
    }
}

std::string CodificaPedido(const Pedido& pedido) {
    if (pedido.itens.size() > kMaxItens) return {};
    std::size_t tamanho = kLarguraCodigo + kLarguraIndicador + kLarguraFlag + kLarguraQtdeItens;
    for (const Item& i : pedido.itens)
        tamanho += kLarguraCampo + kLarguraOcorrencia + kLarguraFormato + kLarguraSeparador +
                   2 * kLarguraTexto + i.prefixo.size() + i.valor.size();
    Escritor e(tamanho);
    e.Numero(pedido.codigo, kLarguraCodigo);
    e.Numero(pedido.indicador, kLarguraIndicador);
    e.Numero(pedido.flag, kLarguraFlag);
    e.Numero(pedido.itens.size(), kLarguraQtdeItens);
    for (const Item& i : pedido.itens) {
        e.Numero(i.campo, kLarguraCampo);
        e.Numero(i.ocorrencia, kLarguraOcorrencia);
        e.Numero(i.formato, kLarguraFormato);
        e.Numero(i.separador, kLarguraSeparador);
        e.Texto(i.prefixo);
        e.Texto(i.valor);
    }
    return e.Quadro(kTipoPedido);
}

std::optional<Pedido> DecodificaPedido(std::string_view quadro) {
    const auto corpo = Corpo(quadro, kTipoPedido);
    if (!corpo) return std::nullopt;
    Leitor l(*corpo);
    Pedido p;
    std::size_t qtde = 0;
    if (!l.Numero(kLarguraCodigo, p.codigo) || !l.Numero(kLarguraIndicador, p.indicador) ||
        !l.Numero(kLarguraFlag, p.flag) || !l.Numero(kLarguraQtdeItens, kMaxItens, qtde))
        return std::nullopt;
    constexpr std::size_t kMinItem =
        kLarguraCampo + kLarguraOcorrencia + kLarguraFormato + kLarguraSeparador + 2 * kLarguraTexto;
    if (!l.Cabem(qtde, kMinItem)) return std::nullopt;
    p.itens.resize(qtde);
    for (Item& i : p.itens) {
        if (!l.Numero(kLarguraCampo, i.campo) || !l.Numero(kLarguraOcorrencia, i.ocorrencia) ||
            !l.Numero(kLarguraFormato, i.formato) || !l.Numero(kLarguraSeparador, i.separador) ||
            !l.Texto(i.prefixo) || !l.Texto(i.valor))
            return std::nullopt;
    }
    if (!l.Fim()) return std::nullopt;
    return p;
}

std::string CodificaResposta(const Resposta& resposta) {
    if (resposta.servicos.size() > kMaxServicos || resposta.hRegistros.size() > kMaxHRegistros) return {};
    Escritor e;
    e.Texto(resposta.codigo);
    e.Texto(resposta.mensagem);
    e.Numero(resposta.servicos.size(), kLarguraQtdeServicos);
    for (const auto& [letra, ocorrencias] : resposta.servicos) {
        if (ocorrencias.size() > kMaxOcorrencias) return {};
        e.Byte(letra);
        e.Numero(ocorrencias.size(), kLarguraQtdeOcorrencias);
        for (const std::string& o : ocorrencias)
            e.Texto(o);
    }
    e.Numero(resposta.hRegistros.size(), kLarguraQtdeH);
    for (const std::string& h : resposta.hRegistros)
        e.Texto(h);
    return e.Quadro(kTipoResposta);
}

std::optional<Resposta> DecodificaResposta(std::string_view quadro) {
    const auto corpo = Corpo(quadro, kTipoResposta);
    if (!corpo) return std::nullopt;
    Leitor l(*corpo);
    Resposta r;
    std::size_t qtdeServicos = 0;
    if (!l.Texto(r.codigo) || !l.Texto(r.mensagem) ||
        !l.Numero(kLarguraQtdeServicos, kMaxServicos, qtdeServicos) ||
        !l.Cabem(qtdeServicos, 1 + kLarguraQtdeOcorrencias))
        return std::nullopt;
    r.servicos.reserve(qtdeServicos);
    for (std::size_t s = 0; s < qtdeServicos; ++s) {
        char letra = 0;
        std::size_t qtde = 0;
        // Each letter names a host field, once: anything else could not be stored.
        if (!l.Byte(letra) || CampoDoServico(letra) == 0) return std::nullopt;
        if (std::any_of(r.servicos.begin(), r.servicos.end(),
                        [&](const auto& sv) { return sv.first == letra; }))
            return std::nullopt;
        const std::size_t maximo = letra == 'A' ? kMaxOcorrenciasA : kMaxOcorrencias;
        if (!l.Numero(kLarguraQtdeOcorrencias, maximo, qtde) || !l.Cabem(qtde, kLarguraTexto))
            return std::nullopt;
        std::vector<std::string> ocorrencias(qtde);
        for (std::string& o : ocorrencias) {
            if (!l.Texto(o)) return std::nullopt;
        }
        r.servicos.emplace_back(letra, std::move(ocorrencias));
    }
    std::size_t qtdeH = 0;
    if (!l.Numero(kLarguraQtdeH, kMaxHRegistros, qtdeH) || !l.Cabem(qtdeH, kLarguraTexto))
        return std::nullopt;
    r.hRegistros.resize(qtdeH);
    for (std::string& h : r.hRegistros) {
        if (!l.Texto(h)) return std::nullopt;
    }
    if (!l.Fim()) return std::nullopt;
    return r;
}

} // namespace cbwire
