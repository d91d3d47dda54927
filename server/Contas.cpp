// The bills of a scenario and what the server works out from a bill's code: the bar code behind a typed
// line, the due date of the factor, the amount. The rules are read from "pagamentoContas" (PROTOCOL.md) at
// each request, so a scenario without them still loads.
#include "Contas.h"
#include "Servidor.h"

#include <basekit.h>

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

namespace cbserver {

namespace contas {

namespace {

bool Digitos(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A 47-digit boleto line whose fourth block (factor and value) was typed without its leading zeros.
std::string CompletaLinhaTitulo(const std::string& linha) {
    if (linha.size() >= 33 && linha.size() < 47)
        return linha.substr(0, 33) + std::string(47 - linha.size(), '0') + linha.substr(33);
    return linha;
}

bool Texto(const QJsonValue& v, std::string& saida) {
    if (!v.isString()) return false;
    const QString s = v.toString();
    if (std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() > 0xFF; })) return false;
    saida = Latin1(s);
    return true;
}

// An optional text key; false only when present with the wrong shape.
bool TextoOpcional(const QJsonObject& o, const char* chave, std::string& saida) {
    const QJsonValue v = o.value(QLatin1String(chave));
    return v.isUndefined() || Texto(v, saida);
}

// Cents as the scenario writes them: digits, at most 12.
bool Centavos(const QJsonObject& o, const char* chave, long long& saida) {
    const QJsonValue v = o.value(QLatin1String(chave));
    if (v.isUndefined()) return true;
    std::string s;
    if (!Texto(v, s) || !Digitos(s) || s.size() > 12) return false;
    saida = std::stoll(s);
    return true;
}

bool DigitosDeTamanho(const std::string& s, size_t n) {
    return s.size() == n && Digitos(s);
}

bool LeParte(const QJsonObject& o, const char* chave, Parte& p) {
    const QJsonValue v = o.value(QLatin1String(chave));
    if (v.isUndefined()) return true;
    const QJsonObject po = v.toObject();
    return v.isObject() && TextoOpcional(po, "nome", p.nome) &&
           TextoOpcional(po, "razaoSocial", p.razaoSocial) && TextoOpcional(po, "documento", p.documento);
}

} // namespace

std::optional<ContaCenario> ContaDaChave(const QJsonObject& raiz, const std::string& chave) {
    if (chave.size() != 23) return std::nullopt;
    const QJsonObject deps = raiz.value(QStringLiteral("depositos")).toObject();
    const std::string banco = Latin1(deps.value(QStringLiteral("banco")).toString(QStringLiteral("237")));
    if (chave.substr(0, 3) != banco) return std::nullopt;
    // Numeric parts compare as numbers: "0001" and "1" are the same agency. Blanks are not digits.
    const auto numero = [](const std::string& s) {
        const std::string t = s.substr(0, s.find_last_not_of(' ') + 1);
        return Digitos(t) && t.size() <= 15 ? std::stoll(t) : -1;
    };
    const QJsonArray contas =
        raiz.value(QStringLiteral("saques")).toObject().value(QStringLiteral("contas")).toArray();
    for (const QJsonValue& v : contas) {
        const QJsonObject o = v.toObject();
        ContaCenario c;
        c.conta = Latin1(o.value(QStringLiteral("conta")).toString());
        c.titular = Latin1(o.value(QStringLiteral("titular")).toString());
        const auto espaco = c.conta.find(' '), traco = c.conta.find('-');
        if (espaco == std::string::npos || traco == std::string::npos || traco < espaco) continue;
        c.agencia = c.conta.substr(0, espaco);
        c.numero = c.conta.substr(espaco + 1, traco - espaco - 1);
        c.digito = c.conta.substr(traco + 1);
        if (numero(c.agencia) == numero(chave.substr(3, 4)) &&
            numero(c.numero) == numero(chave.substr(8, 13)) &&
            numero(c.digito) == numero(chave.substr(21, 2))) {
            for (const QJsonValue& t : o.value(QStringLiteral("tipos")).toArray())
                c.tipos.push_back(Latin1(t.toString()));
            return c;
        }
    }
    return std::nullopt;
}

std::string CodigoDeBarras(const std::string& documento) {
    if (!Digitos(documento)) return {};
    if (documento.size() == 44) {
        const bool ok = documento[0] == '8' ? ValidaCodigoBarrasCompletoConvenio(documento.c_str())
                                            : ValidaCodigoBarrasCompletoTitulo(documento.c_str());
        return ok ? documento : std::string();
    }
    if (documento.size() == 48 && documento[0] == '8') {
        if (!ValidaCodigoBarrasCompletoConvenio(documento.c_str())) return {};
        // Four blocks of eleven digits, each followed by its check digit.
        return documento.substr(0, 11) + documento.substr(12, 11) + documento.substr(24, 11) +
               documento.substr(36, 11);
    }
    if (documento[0] == '8' || documento.size() < 33 || documento.size() > 47) return {};
    const std::string linha = CompletaLinhaTitulo(documento);
    if (!ValidaCodigoBarrasCompletoTitulo(linha.c_str())) return {};
    // Bank and currency, general check digit, factor and value, then the free field spread over the three
    // first blocks (each ending in its own check digit).
    return linha.substr(0, 4) + linha.substr(32, 15) + linha.substr(4, 5) + linha.substr(10, 10) +
           linha.substr(21, 10);
}

std::string VencimentoDoFator(const std::string& fator, const QDate& hoje) {
    if (!Digitos(fator) || fator.size() != 4 || fator == "0000") return "00000000";
    const int f = std::stoi(fator);
    if (f < 1000) return "00000000";
    // The factor counts days from 07/10/1997 and ran out at 9999 (21/02/2025); it starts again at 1000 on
    // 22/02/2025. A factor stands for the date of either cycle that lies nearer to today.
    const QDate antigo = QDate(1997, 10, 7).addDays(f);
    const QDate novo = QDate(2025, 2, 22).addDays(f - 1000);
    const QDate d = std::abs(antigo.daysTo(hoje)) < std::abs(novo.daysTo(hoje)) ? antigo : novo;
    return Latin1(d.toString(QStringLiteral("yyyyMMdd")));
}

std::string Numero(long long v, int largura) {
    std::string s = std::to_string(std::max(0LL, v));
    if (static_cast<int>(s.size()) < largura) s.insert(0, static_cast<size_t>(largura) - s.size(), '0');
    return s.substr(s.size() - static_cast<size_t>(largura));
}

std::string Dinheiro(long long centavos) {
    std::string d = std::to_string(centavos / 100);
    for (int i = static_cast<int>(d.size()) - 3; i > 0; i -= 3)
        d.insert(static_cast<size_t>(i), 1, '.');
    return "R$ " + d + ',' + Numero(centavos % 100, 2);
}

std::variant<Regras, std::string> LeRegras(const QJsonObject& raiz) {
    const QJsonValue v = raiz.value(QStringLiteral("pagamentoContas"));
    if (v.isUndefined()) return Latin1(QStringLiteral("Pagamento de contas não previsto no cenário"));
    const auto malformado = [](const QString& onde) {
        return Latin1(QStringLiteral("Cenário com %1 malformado").arg(onde));
    };
    if (!v.isObject()) return malformado(QStringLiteral("pagamentoContas"));
    const QJsonObject o = v.toObject();
    Regras r;
    const QJsonValue lim = o.value(QStringLiteral("limiteDocumentos"));
    if (!lim.isUndefined()) {
        r.limiteDocumentos = lim.toInt(-1);
        if (r.limiteDocumentos < 1 || r.limiteDocumentos > 99)
            return malformado(QStringLiteral("pagamentoContas.limiteDocumentos"));
    }
    for (const QJsonValue& c : o.value(QStringLiteral("chequesRecusados")).toArray()) {
        std::string s;
        if (!Texto(c, s) || !Digitos(s))
            return malformado(QStringLiteral("pagamentoContas.chequesRecusados"));
        r.chequesRecusados.push_back(std::move(s));
    }
    const QJsonArray docs = o.value(QStringLiteral("documentos")).toArray();
    for (qsizetype i = 0; i < docs.size(); ++i) {
        const QString onde = QStringLiteral("pagamentoContas.documentos[%1]").arg(i);
        const QJsonObject d = docs.at(i).toObject();
        Documento doc;
        std::string situacao = "aberto";
        std::string servicoRecusa = "D";
        if (!Texto(d.value(QStringLiteral("codigoBarras")), doc.codigoBarras) ||
            !TextoOpcional(d, "linhaDigitavel", doc.linha) || !TextoOpcional(d, "modos", doc.modos) ||
            !TextoOpcional(d, "formasPagamento", doc.formas) ||
            !TextoOpcional(d, "contaCartao", doc.contaCartao) || !TextoOpcional(d, "situacao", situacao) ||
            !TextoOpcional(d, "textoRecusa", doc.textoRecusa) ||
            !TextoOpcional(d, "servicoRecusa", servicoRecusa) ||
            !TextoOpcional(d, "tipoDocumento", doc.tipoDocumento) ||
            !Centavos(d, "valorMinimo", doc.valorMinimo) || !Centavos(d, "valorMaximo", doc.valorMaximo) ||
            !Centavos(d, "valorAutorizado", doc.valorAutorizado) || !Centavos(d, "valor", doc.valor) ||
            !Centavos(d, "acrescimos", doc.acrescimos) || !Centavos(d, "desconto", doc.desconto))
            return malformado(onde);
        if (!DigitosDeTamanho(doc.codigoBarras, 44) || CodigoDeBarras(doc.codigoBarras).empty())
            return malformado(onde + QStringLiteral(".codigoBarras"));
        if (!doc.linha.empty() && CodigoDeBarras(doc.linha) != doc.codigoBarras)
            return malformado(onde + QStringLiteral(".linhaDigitavel"));
        if ((!doc.modos.empty() && !DigitosDeTamanho(doc.modos, 5)) || !DigitosDeTamanho(doc.formas, 4) ||
            !DigitosDeTamanho(doc.contaCartao, 2) || (situacao != "aberto" && situacao != "pago") ||
            (servicoRecusa != "D" && servicoRecusa != "M"))
            return malformado(onde);
        doc.pago = situacao == "pago";
        const QJsonValue forcado = d.value(QStringLiteral("debitoForcado"));
        if (!forcado.isUndefined() && !forcado.isBool())
            return malformado(onde + QStringLiteral(".debitoForcado"));
        doc.debitoForcado = forcado.toBool();
        if (!TextoOpcional(d, "codigoDebitoForcado", doc.codigoDebitoForcado) ||
            QString::fromStdString(doc.codigoDebitoForcado).toUpper() != QLatin1String("FA"))
            return malformado(onde + QStringLiteral(".codigoDebitoForcado"));
        const QJsonValue recusaLiq = d.value(QStringLiteral("recusaLiquidacao"));
        if (!recusaLiq.isUndefined()) {
            const QJsonObject rl = recusaLiq.toObject();
            if (!recusaLiq.isObject() ||
                !Texto(rl.value(QStringLiteral("codigo")), doc.codigoRecusaLiquidacao) ||
                doc.codigoRecusaLiquidacao.size() != 2 || !Digitos(doc.codigoRecusaLiquidacao) ||
                doc.codigoRecusaLiquidacao == "00" || !TextoOpcional(rl, "texto", doc.textoRecusaLiquidacao))
                return malformado(onde + QStringLiteral(".recusaLiquidacao"));
        }
        doc.servicoRecusa = servicoRecusa[0];
        const QJsonValue reg = d.value(QStringLiteral("boletoRegistrado"));
        if (!reg.isUndefined()) {
            const QJsonObject b = reg.toObject();
            BoletoRegistrado br;
            if (!reg.isObject() || !TextoOpcional(b, "instituicao", br.instituicao) ||
                !TextoOpcional(b, "indicadores", br.indicadores) || !DigitosDeTamanho(br.indicadores, 6) ||
                !Centavos(b, "multa", br.multa) || !Centavos(b, "juros", br.juros) ||
                !Centavos(b, "desconto", br.desconto) || !LeParte(b, "beneficiario", br.beneficiario) ||
                !LeParte(b, "sacador", br.sacador) || !LeParte(b, "pagador", br.pagador))
                return malformado(onde + QStringLiteral(".boletoRegistrado"));
            doc.registrado = br;
        }
        const QJsonValue rede = d.value(QStringLiteral("rede"));
        if (!rede.isUndefined()) {
            const QJsonObject q = rede.toObject();
            ValoresRede vr;
            vr.resumo = q.value(QStringLiteral("resumo")).toInt(0);
            if (!rede.isObject() || !Centavos(q, "juros", vr.juros) || !Centavos(q, "multa", vr.multa) ||
                !Centavos(q, "acrescimos", vr.acrescimos) || !Centavos(q, "desconto", vr.desconto) ||
                !Centavos(q, "total", vr.total) || vr.resumo < 0 || vr.resumo > 99)
                return malformado(onde + QStringLiteral(".rede"));
            doc.rede = vr;
        }
        r.documentos.push_back(std::move(doc));
    }
    return r;
}

long long ValorDoCodigo(const std::string& codigo) {
    if (codigo.size() != 44) return 0;
    if (codigo[0] != '8') return std::stoll(codigo.substr(9, 10));
    // Value identifiers 6 and 8 carry the amount in reais; 7 and 9 a reference the bill does not fix.
    return codigo[2] == '6' || codigo[2] == '8' ? std::stoll(codigo.substr(4, 11)) : 0;
}

std::string VencimentoDoCodigo(const std::string& codigo, const QDate& hoje) {
    return codigo.size() == 44 && codigo[0] != '8' ? VencimentoDoFator(codigo.substr(5, 4), hoje)
                                                   : "00000000";
}

long long Documento::ValorDocumento() const {
    return valor >= 0 ? valor : ValorDoCodigo(codigoBarras);
}

long long Documento::Total() const {
    long long a = acrescimos, d = desconto;
    if (registrado) {
        a = std::max(a, registrado->multa + registrado->juros);
        d = std::max(d, registrado->desconto);
    }
    return ValorDocumento() + std::max(0LL, a) - std::max(0LL, d);
}

std::string Documento::Modos(const QDate& hoje) const {
    if (!modos.empty()) return modos;
    // Total and additions and discount open; the value and the due date fixed when the code carries them.
    return std::string("1") + (ValorDocumento() > 0 ? '2' : '1') + "11" +
           (VencimentoDoCodigo(codigoBarras, hoje) != "00000000" ? '2' : '3');
}

} // namespace contas

} // namespace cbserver
