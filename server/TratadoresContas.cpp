// Bill payment, the query half: the bar-code query (operation 33), the payment data of a document (32) and
// the continuation of a pending payment (31). The replies follow the records the bill dialogs copy from
// field 20010 (PROTOCOL.md); every refusal carries its text in service D or M as well, since the dialogs show
// that text and end the whole payment when a refusal has none.
#include "Contas.h"
#include "Servidor.h"

#include <QDate>
#include <QJsonArray>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace cbserver {

using namespace contas;

namespace {

// A text laid out in a fixed width: cut, or padded with blanks.
std::string Campo(const std::string& s, size_t largura) {
    std::string r = s.substr(0, largura);
    r.resize(largura, ' ');
    return r;
}

std::string ApenasDigitos(const std::string& s) {
    std::string r;
    for (char c : s)
        if (c >= '0' && c <= '9') r += c;
    return r;
}

// The first constant the request carries: the document, as the bill dialogs send it.
std::string DocumentoEnviado(const cbwire::Pedido& pedido) {
    for (const auto& i : pedido.itens)
        if (i.campo == 0) return i.valor;
    return {};
}

// The first characters of every service-A record the server builds.
constexpr const char* kCabecalhoA = "0300";
// The character before the document limit. The module looks for its card-collection records among the A
// records by the type at 4-5 ("01", "02"): a "0" here with a limit of 10 to 29 would pass for one.
constexpr const char* kAntesDoLimite = "9";

// The network 005's payment-type record (its name and the flags of the account options, which it does not
// offer) and its ticket-control record.
void RegistrosRede(cbwire::Resposta& r) {
    r.hRegistros.push_back("05" + Campo("PAGAMENTO REDE", 20) + "005" + "121122");
    r.hRegistros.push_back("4610000");
}

} // namespace

cbwire::Resposta Servidor::RecusaConta(const std::string& codigo, const std::string& texto, char servico) {
    cbwire::Resposta r = Recusa(codigo, texto);
    if (servico == 'M') {
        // The module skips the first character of service M and reads each "@" as a line break.
        std::string m = "0" + texto;
        for (char& c : m)
            if (c == '\n') c = '@';
        r.servicos.emplace_back('M', std::vector<std::string>{m});
        for (char& c : r.mensagem)
            if (c == '\n') c = ' ';
    } else {
        r.servicos.emplace_back('D', std::vector<std::string>{texto});
    }
    return r;
}

std::optional<std::string> Servidor::ServACPP() const {
    const auto& lidas = *cenario_.regras;
    if (!std::holds_alternative<Regras>(lidas)) return std::nullopt;
    return std::string(kCabecalhoA) + kAntesDoLimite + Numero(std::get<Regras>(lidas).limiteDocumentos, 2) +
           std::string(34, '0');
}

std::variant<const contas::Documento*, cbwire::Resposta>
Servidor::DocumentoDoPedido(const contas::Regras& regras, const std::string& enviado) const {
    const std::string codigo = CodigoDeBarras(ApenasDigitos(enviado));
    if (codigo.empty()) return RecusaConta("12", Latin1(QStringLiteral("Código de barras inválido")));
    const Documento* doc = nullptr;
    for (const auto& d : regras.documentos)
        if (d.codigoBarras == codigo) doc = &d;
    if (!doc) return RecusaConta("25", Latin1(QStringLiteral("Documento não cadastrado")));
    if (doc->pago)
        return RecusaConta(
            "26", doc->textoRecusa.empty() ? Latin1(QStringLiteral("Documento já pago")) : doc->textoRecusa,
            doc->servicoRecusa);
    const auto pago = cenario_.estado.find("pago." + codigo);
    if (pago != cenario_.estado.end())
        return RecusaConta("26", Latin1(QStringLiteral("Documento já pago (NSU ")) + pago->second + ")");
    return doc;
}

std::variant<const Documento*, cbwire::Resposta>
Servidor::DocumentoConsultado(const cbwire::Pedido& pedido) const {
    const auto& lidas = *cenario_.regras;
    if (const auto* f = std::get_if<std::string>(&lidas)) return RecusaConta("57", *f);
    return DocumentoDoPedido(std::get<Regras>(lidas), DocumentoEnviado(pedido));
}

cbwire::Resposta Servidor::ConsultaCodigoBarras(const cbwire::Pedido& pedido) {
    const auto achado = DocumentoConsultado(pedido);
    if (const auto* recusa = std::get_if<cbwire::Resposta>(&achado)) return *recusa;
    const Documento& doc = *std::get<const Documento*>(achado);
    const QDate hoje = QDate::currentDate();
    const std::string vencimento = VencimentoDoCodigo(doc.codigoBarras, hoje);
    const std::string inicio =
        kCabecalhoA + Numero(doc.ValorDocumento(), 12) + vencimento + "0" + doc.Modos(hoje); // positions 0-29

    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Consulta efetuada"));
    // A till working through network 005 reads the 40-byte network record, unless the bill is a registered
    // boleto, whose data come in h-record 45 beside the ordinary record.
    const bool rede = ValorDoPedido(pedido, 10112) == "005";
    if (doc.registrado) {
        const BoletoRegistrado& b = *doc.registrado;
        r.servicos.emplace_back('A', std::vector<std::string>{inicio + b.indicadores + "0"});
        const auto parte = [](const Parte& p) {
            return Campo(p.nome, 40) + Campo(p.razaoSocial, 20) + Campo(p.documento, 14);
        };
        const long long acrescimos = b.multa + b.juros;
        r.servicos.emplace_back(
            'X', std::vector<std::string>{"045" + Campo(doc.codigoBarras.substr(0, 25), 25) +
                                          Campo(b.instituicao, 30) + Numero(b.multa, 12) +
                                          Numero(b.juros, 12) + Numero(acrescimos, 12) +
                                          Numero(b.desconto, 12) + Numero(doc.Total(), 12) +
                                          Numero(doc.valorMinimo, 12) + Numero(doc.valorMaximo, 12) +
                                          parte(b.beneficiario) + parte(b.sacador) + parte(b.pagador)});
    } else if (rede) {
        r.servicos.emplace_back(
            'A',
            std::vector<std::string>{inicio + doc.formas + doc.contaCartao + kAntesDoLimite +
                                     Numero(std::get<Regras>(*cenario_.regras).limiteDocumentos, 2) + "0"});
        const ValoresRede v = doc.rede.value_or(ValoresRede{});
        const long long acrescimos = v.acrescimos ? v.acrescimos : v.juros + v.multa;
        const long long total = v.total ? v.total : doc.ValorDocumento() + acrescimos - v.desconto;
        r.servicos.emplace_back('Q',
                                std::vector<std::string>{"082" + Numero(v.juros, 12) + Numero(v.multa, 12) +
                                                         Numero(acrescimos, 12) + Numero(v.desconto, 12) +
                                                         Numero(total, 12) + Numero(v.resumo, 2) + "0"});
        RegistrosRede(r);
    } else {
        r.servicos.emplace_back('A', std::vector<std::string>{inicio + "000000" + "0"});
    }
    r.hRegistros.push_back("27" + Campo("TIPO DOCUMENTO", 22) + (rede ? "005" : "805") + doc.tipoDocumento);
    return r;
}

cbwire::Resposta Servidor::DadosPagamento(const cbwire::Pedido& pedido) {
    const auto achado = DocumentoConsultado(pedido);
    if (const auto* recusa = std::get_if<cbwire::Resposta>(&achado)) return *recusa;
    const Documento& doc = *std::get<const Documento*>(achado);
    const std::string digitos = ValorDoPedido(pedido, 10102, 1).value_or("");
    const long long total = digitos.size() <= 12 && !digitos.empty() && ApenasDigitos(digitos) == digitos
                                ? std::stoll(digitos)
                                : 0;
    if (total <= 0) return RecusaConta("13", Latin1(QStringLiteral("Valor de transação inválido")));
    if ((doc.valorMinimo > 0 && total < doc.valorMinimo) ||
        (doc.valorMaximo > 0 && total > doc.valorMaximo)) {
        std::string texto = Latin1(QStringLiteral("Valor fora dos limites autorizados ("));
        if (doc.valorMinimo > 0)
            texto += Latin1(QStringLiteral("Valor Mínimo: ")) + Dinheiro(doc.valorMinimo);
        if (doc.valorMinimo > 0 && doc.valorMaximo > 0) texto += " - ";
        if (doc.valorMaximo > 0)
            texto += Latin1(QStringLiteral("Valor Máximo: ")) + Dinheiro(doc.valorMaximo);
        return RecusaConta("13", texto + ")");
    }
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Dados do pagamento aceitos"));
    // Every reply of the network's payment brings its payment-type and ticket records again.
    if (ValorDoPedido(pedido, 10112) == "005") RegistrosRede(r);
    const long long autorizado = doc.valorAutorizado > 0 ? doc.valorAutorizado : total;
    r.servicos.emplace_back('A', std::vector<std::string>{kCabecalhoA + Numero(autorizado, 12) + doc.formas +
                                                          std::string(40, '0') + doc.contaCartao +
                                                          std::string(16, '0')});
    return r;
}

cbwire::Resposta Servidor::ContinuaPagamento(const cbwire::Pedido& pedido) {
    const QJsonValue v =
        cenario_.raiz.value(QStringLiteral("pagamentoContas")).toObject().value(QStringLiteral("pendentes"));
    if (v.isUndefined())
        return RecusaConta("57", Latin1(QStringLiteral("Continuação de pagamento não prevista no cenário")));
    const std::string chave = ValorDoPedido(pedido, 10102).value_or("");
    for (const QJsonValue& e : v.toArray()) {
        const QJsonObject o = e.toObject();
        if (Latin1(o.value(QStringLiteral("chave")).toString()) != chave || chave.empty()) continue;
        std::string& feito = cenario_.estado["continuado." + chave];
        if (!feito.empty())
            return RecusaConta("26", Latin1(QStringLiteral("Pagamento já continuado (NSU ")) + feito + ")");
        feito = std::to_string(++cenario_.nsu);
        std::vector<std::string> linhas{"CONTINUACAO DE PAGAMENTO"};
        for (const QJsonValue& l : o.value(QStringLiteral("linhas")).toArray())
            linhas.push_back(Latin1(l.toString()));
        linhas.push_back("NSU: " + feito);
        cbwire::Resposta r;
        r.codigo = "00";
        r.mensagem = Latin1(QStringLiteral("Pagamento concluído"));
        r.servicos.emplace_back('I', std::move(linhas));
        return r;
    }
    return RecusaConta("25", Latin1(QStringLiteral("Pagamento pendente não encontrado")));
}

} // namespace cbserver
