// Bill payment, the settlement half: one transaction settles every accepted document together, whatever the
// method (cash 16, cheque 17, debit card 18, credit card 19, account card 20, forced debit 24, generic card
// payment 28). The documents come as the per-document group of seven fields (10163 to 10169), repeated once
// per document; an approval marks each of them paid, prints one receipt with the payment's NSU and gives one
// h-record 24 per document, from which the module writes its limit-restoration file.
#include "Contas.h"
#include "Servidor.h"

#include <QDate>
#include <QJsonArray>
#include <QString>

#include <set>
#include <string>
#include <vector>

namespace cbserver {

using namespace contas;

namespace {

long long Centavos(const std::string& s) {
    std::string d;
    for (char c : s)
        if (c >= '0' && c <= '9') d += c;
    return d.empty() || d.size() > 12 ? -1 : std::stoll(d);
}

std::string Mascarado(const std::string& numero) {
    const size_t n = numero.size();
    return n <= 4 ? numero : std::string(n - 4, '*') + numero.substr(n - 4);
}

const char* NomeDaForma(const std::string& operacao) {
    if (operacao == "16") return "DINHEIRO";
    if (operacao == "17") return "CHEQUE";
    if (operacao == "18" || operacao == "24") return "CARTAO DE DEBITO";
    if (operacao == "19") return "CARTAO DE CREDITO";
    if (operacao == "20") return "CARTAO CONTA";
    return "CARTAO (TEF)";
}

// The reference and due date of a forced debit, as service N carries them: 9 characters, then DDMMYYYY (the
// bill's due date, today for a bill without one).
std::string ReferenciaDebitoForcado(const std::string& codigo) {
    const QDate hoje = QDate::currentDate();
    const std::string v = VencimentoDoCodigo(codigo, hoje);
    const std::string data = v != "00000000" ? v.substr(6, 2) + v.substr(4, 2) + v.substr(0, 4)
                                             : Latin1(hoje.toString(QStringLiteral("ddMMyyyy")));
    return codigo.substr(codigo.size() - 9) + data;
}

} // namespace

std::vector<Servidor::DocumentoPago> Servidor::DocumentosDoPedido(const cbwire::Pedido& pedido,
                                                                  const contas::Regras& regras,
                                                                  cbwire::Resposta& recusa) const {
    // The group's head entry carries the number of documents in its occurrence.
    int n = -1;
    for (const auto& i : pedido.itens)
        if (i.campo == 10162) n = i.ocorrencia;
    if (n <= 0) {
        recusa = RecusaConta("12", Latin1(QStringLiteral("Pagamento sem documentos")));
        return {};
    }
    std::vector<DocumentoPago> docs;
    std::set<std::string> vistos;
    for (int k = 0; k < n; ++k) {
        const auto ok = static_cast<uint16_t>(k);
        const std::string prefixo = Latin1(QStringLiteral("Documento %1: ").arg(k + 1));
        const auto achado = DocumentoDoPedido(regras, Valor(pedido, 10168, ok));
        if (const auto* r = std::get_if<cbwire::Resposta>(&achado)) {
            recusa = *r;
            recusa.mensagem = prefixo + recusa.mensagem;
            for (auto& s : recusa.servicos)
                if (s.first == 'D') s.second.front() = prefixo + s.second.front();
            return {};
        }
        const Documento* doc = std::get<const Documento*>(achado);
        if (!vistos.insert(doc->codigoBarras).second) {
            recusa = RecusaConta("12", prefixo + Latin1(QStringLiteral("documento repetido no pagamento")));
            return {};
        }
        const long long total = Centavos(Valor(pedido, 10163, ok));
        if (total <= 0 || (doc->valorMinimo > 0 && total < doc->valorMinimo) ||
            (doc->valorMaximo > 0 && total > doc->valorMaximo)) {
            recusa = RecusaConta("13", prefixo + Latin1(QStringLiteral("valor inválido para o documento")));
            return {};
        }
        docs.push_back({doc, total});
    }
    return docs;
}

cbwire::Resposta Servidor::PagamentoContas(const cbwire::Pedido& pedido) {
    const auto& lidas = *cenario_.regras;
    if (const auto* f = std::get_if<std::string>(&lidas)) return RecusaConta("57", *f);
    const Regras& regras = std::get<Regras>(lidas);
    const std::string operacao = Valor(pedido, 10158);

    // The cheque is first checked alone (sub-code 0), with no documents.
    if (operacao == "17" && pedido.indicador == 0) return ConsultaCheque(pedido, regras);

    cbwire::Resposta recusa;
    const auto docs = DocumentosDoPedido(pedido, regras, recusa);
    if (docs.empty()) return recusa;
    if (static_cast<int>(docs.size()) > regras.limiteDocumentos)
        return RecusaConta("12", Latin1(QStringLiteral("Quantidade de documentos excede o limite")));

    // A bill whose settlement the bank refuses (a card network that says no), whatever the method.
    for (const auto& d : docs)
        if (!d.documento->codigoRecusaLiquidacao.empty())
            return RecusaConta(d.documento->codigoRecusaLiquidacao, d.documento->textoRecusaLiquidacao);

    std::vector<std::string> linhasForma;
    if (operacao == "18" || operacao == "19" || operacao == "20" || operacao == "24") {
        const CartaoCenario* c = CartaoDoPedido(pedido);
        if (!c) return RecusaConta("14", Latin1(QStringLiteral("Cartão não cadastrado")));
        const bool exigeSenha = operacao != "19";
        if (exigeSenha && Valor(pedido, 10146).empty())
            return RecusaConta("55", Latin1(QStringLiteral("Senha não informada")));
        if (operacao == "20" && c->conta.empty())
            return RecusaConta("57", Latin1(QStringLiteral("Cartão sem conta neste banco")));
        linhasForma.push_back("CARTAO: " + Mascarado(c->numero));
        if (operacao == "20") {
            linhasForma.push_back("CONTA: " + c->conta);
            linhasForma.push_back(Valor(pedido, 10102, 3) == "2" ? "CREDITO EM CONTA" : "DEBITO EM CONTA");
        }
        // A bill the bank wants confirmed with the customer first: the module shows the due date on the PIN
        // pad and sends the payment again as operation 24 with the reference.
        if (operacao == "18") {
            for (const auto& d : docs) {
                if (!d.documento->debitoForcado) continue;
                cbwire::Resposta r;
                r.codigo = d.documento->codigoDebitoForcado;
                r.mensagem = Latin1(QStringLiteral("Confirme o vencimento no PinPad"));
                r.servicos.emplace_back(
                    'N', std::vector<std::string>{ReferenciaDebitoForcado(d.documento->codigoBarras)});
                return r;
            }
        }
        if (operacao == "24") {
            const std::string unsu = Valor(pedido, 10102, 2);
            bool confere = false;
            for (const auto& d : docs)
                confere |= d.documento->debitoForcado &&
                           unsu == "UNSU:" + ReferenciaDebitoForcado(d.documento->codigoBarras);
            if (!confere)
                return RecusaConta("12", Latin1(QStringLiteral("Referência do débito forçado não confere")));
        }
    } else if (operacao == "17") {
        const std::string linha = Valor(pedido, 10102, 1);
        if (!linha.empty())
            linhasForma.push_back("CHEQUE: " + linha.substr(0, std::min<size_t>(linha.size(), 30)));
    }

    const std::string nsu = std::to_string(++cenario_.nsu);
    // The network variants send no 10112; they are known by the amounts of the network step in 10407.
    const bool valoresRede = !Valor(pedido, 10407).empty() || !Valor(pedido, 10407, 1).empty();
    const std::string rede = Valor(pedido, 10112).size() == 3 ? Valor(pedido, 10112)
                             : valoresRede                    ? std::string("005")
                                                              : std::string("805");
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Pagamento efetuado"));
    std::vector<std::string> linhas{"PAGAMENTO DE CONTAS",
                                    std::string("FORMA DE PAGAMENTO: ") + NomeDaForma(operacao)};
    linhas.insert(linhas.end(), linhasForma.begin(), linhasForma.end());
    long long soma = 0;
    for (size_t k = 0; k < docs.size(); ++k) {
        const auto& d = docs[k];
        cenario_.estado["pago." + d.documento->codigoBarras] = nsu;
        RegistraLiquidacao(d.documento->codigoBarras, operacao, nsu, d.total);
        soma += d.total;
        linhas.push_back("DOC " + std::to_string(k + 1) + ": " + d.documento->codigoBarras);
        linhas.push_back("VALOR: " + Dinheiro(d.total));
        // Data of the limit restoration: 0-1 "00", 2-3 the document's sequence, 4-6 the network, 7-17 "0".
        r.hRegistros.push_back("24" + std::string("00") + Numero(static_cast<long long>(k + 1), 2) + rede +
                               std::string(11, '0'));
    }
    linhas.push_back("TOTAL: " + Dinheiro(soma));
    linhas.push_back("NSU: " + nsu);
    // Kept for a reprint, one line each.
    std::string recibo;
    for (const auto& l : linhas)
        recibo += l + "\n";
    cenario_.estado["recibo." + nsu] = recibo;
    r.servicos.emplace_back('I', std::move(linhas));
    return r;
}

cbwire::Resposta Servidor::ConsultaCheque(const cbwire::Pedido& pedido, const contas::Regras& regras) {
    std::string linha;
    for (char c : Valor(pedido, 10102, 1))
        if (c >= '0' && c <= '9') linha += c;
    // A CMC-7 line has 30 digits and more; a typed first line 29.
    if (linha.size() < 29 || linha.size() > 34)
        return RecusaConta("12", Latin1(QStringLiteral("Dados do cheque inválidos")));
    for (const auto& recusado : regras.chequesRecusados)
        if (linha.find(recusado) != std::string::npos)
            return RecusaConta("51", Latin1(QStringLiteral("Cheque recusado: sem fundos")));
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Cheque aceito"));
    return r;
}

} // namespace cbserver
