#include "Segredos.h"

#include "CartoesPinpad.h"
#include "Servidor.h"

#include <QDirIterator>
#include <QFile>

#include <string.h>

namespace {

bool Digito(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

Segredos::~Segredos() {
    for (auto& s : segredos_)
        explicit_bzero(s.valor.data(), s.valor.size());
}

void Segredos::Adiciona(std::string_view valor, const QString& descricao, bool isolado) {
    if (valor.empty()) return;
    for (const auto& s : segredos_) {
        if (s.valor == valor) return;
    }
    segredos_.emplace_back();
    segredos_.back().valor.assign(valor);
    segredos_.back().descricao = descricao;
    segredos_.back().isolado = isolado;
}

void Segredos::AdicionaCartao(const cbserver::CartaoCenario& cartao) {
    const QString mascarado = MascaraNumeroCartao(cartao.numero);
    Adiciona(cartao.numero, QStringLiteral("the number of card %1").arg(mascarado), false);
    std::string trilha;
    if (cartao.trilha2.empty()) {
        trilha.reserve(cartao.numero.size() + 1 + cartao.validade.size() + cartao.codigoServico.size());
        trilha.append(cartao.numero).append(1, '=').append(cartao.validade).append(cartao.codigoServico);
    }
    Adiciona(cartao.trilha2.empty() ? trilha : cartao.trilha2,
             QStringLiteral("the track of card %1").arg(mascarado), false);
    explicit_bzero(trilha.data(), trilha.size());
}

void Segredos::AdicionaSenha(std::string_view senha) {
    for (const auto& s : segredos_) {
        if (s.isolado && s.valor == senha) return;
    }
    Adiciona(senha, QStringLiteral("PIN %1 of the script").arg(++senhas_), true);
}

QString Segredos::Procura(std::string_view texto) const {
    for (const auto& s : segredos_) {
        for (size_t pos = texto.find(s.valor); pos != std::string_view::npos;
             pos = texto.find(s.valor, pos + 1)) {
            const size_t fim = pos + s.valor.size();
            if (s.isolado &&
                ((pos > 0 && Digito(texto[pos - 1])) || (fim < texto.size() && Digito(texto[fim]))))
                continue;
            return s.descricao;
        }
    }
    return {};
}

QStringList Segredos::ProcuraNaPasta(const QString& pasta) const {
    QStringList achados;
    QDirIterator it(pasta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString caminho = it.next();
        QFile f(caminho);
        if (!f.open(QIODevice::ReadOnly)) continue;
        QByteArray conteudo = f.readAll();
        const QString achado =
            Procura(std::string_view(conteudo.constData(), static_cast<size_t>(conteudo.size())));
        if (!achado.isEmpty()) achados << QStringLiteral("%1: %2").arg(it.fileInfo().fileName(), achado);
        // What was read may be the very secret: it is not left in freed memory.
        explicit_bzero(conteudo.data(), static_cast<size_t>(conteudo.size()));
    }
    return achados;
}
