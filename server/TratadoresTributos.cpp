// Federal tax (DARF Preto 20-22, DARF Simples 24-26) and social-security (GPS 28-30) payments of group 4, in
// cash, by cheque and by debit card, and their cancellations 48 (cash), 49 (cheque) and 50 (debit card). The
// bank checks a document as a collector does: the taxpayer's CPF or CNPJ, the period or competência, the
// revenue code, the due date (a late DARF must bring its fine and interest) and that the parts add up to the
// total. The rules are the scenario's "tributos" key (PROTOCOL.md); a document pays once, a debit lowers the
// card account's balance, and a cancellation by the payment's NSU undoes both.
#include "Contas.h"
#include "Servidor.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <string>
#include <vector>

namespace cbserver {

using contas::Dinheiro;

namespace {

long long Centavos(const std::string& s) {
    if (s.empty() || s.size() > 12 || s.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoll(s);
}

// An empty amount is a part the document does not have.
long long Parcela(const std::string& s) {
    return s.empty() ? 0 : Centavos(s);
}

bool Digitos(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

// Check digit of weights running from peso down to 2 and starting again at 9, characters valued by their
// code minus '0' (the alphanumeric CNPJ's rule, the CPF's with weights up to 11).
int Dv(const std::string& s, int peso, int maximo) {
    int soma = 0;
    for (char c : s) {
        soma += (c - '0') * peso;
        peso = peso == 2 ? maximo : peso - 1;
    }
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

bool CpfValido(const std::string& d) {
    if (d.size() != 11 || !Digitos(d) || d.find_first_not_of('0') == std::string::npos) return false;
    return Dv(d.substr(0, 9), 10, 10) == d[9] - '0' && Dv(d.substr(0, 10), 11, 11) == d[10] - '0';
}

bool CnpjValido(const std::string& d) {
    if (d.size() != 14 || !Digitos(d.substr(12)) || d.find_first_not_of('0') == std::string::npos)
        return false;
    for (char c : d.substr(0, 12))
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))) return false;
    return Dv(d.substr(0, 12), 5, 9) == d[12] - '0' && Dv(d.substr(0, 13), 6, 9) == d[13] - '0';
}

QDate Data(const std::string& ddmmyyyy) {
    return QDate::fromString(QString::fromLatin1(ddmmyyyy.data(), static_cast<qsizetype>(ddmmyyyy.size())),
                             QStringLiteral("ddMMyyyy"));
}

bool Contem(const QJsonValue& lista, const std::string& valor) {
    const QJsonArray a = lista.toArray();
    return std::any_of(a.begin(), a.end(),
                       [&](const QJsonValue& v) { return Latin1(v.toString()) == valor; });
}

// The operation's document kind (0 DARF Preto, 1 DARF Simples, 2 GPS) and form of payment (0 cash, 1 cheque,
// 2 debit card), from codes 20 to 30.
struct Operacao {
    int documento = -1;
    int forma = -1;
};
Operacao DaOperacao(const std::string& codigo) {
    const int n = Digitos(codigo) && codigo.size() <= 2 ? std::stoi(codigo) : 0;
    if (n < 20 || n > 30 || n == 23 || n == 27) return {};
    return {(n - 20) / 4, (n - 20) % 4};
}

} // namespace

cbwire::Resposta Servidor::Tributo(const cbwire::Pedido& pedido) {
    const QJsonObject regras = cenario_.raiz.value(QStringLiteral("tributos")).toObject();
    if (regras.isEmpty()) return Recusa("57", Latin1("Tributos não previstos no cenário"));
    const std::string codigo = Valor(pedido, 10158);
    const Operacao op = DaOperacao(codigo);
    if (op.documento < 0) return Recusa("57", Latin1("Operação de tributo desconhecida"));
    const QDate hoje = regras.contains(QStringLiteral("dataReferencia"))
                           ? Data(Latin1(regras.value(QStringLiteral("dataReferencia")).toString()))
                           : QDate::currentDate();

    const long long total = Centavos(Valor(pedido, 1003));
    if (total <= 0) return Recusa("13", Latin1("Valor do documento inválido"));
    const long long juros = Parcela(Valor(pedido, 1096));
    std::string contribuinte; // what names the taxpayer: the CPF or CNPJ, or the GPS identifier
    std::string documento;    // what names the document, for paying it once
    std::vector<std::string> linhas;
    if (op.documento < 2) {
        const std::string tipo = Valor(pedido, 1006);
        contribuinte = Valor(pedido, 1007);
        const bool valido =
            (tipo == "F" && CpfValido(contribuinte)) || (tipo == "J" && CnpjValido(contribuinte));
        if (!valido || (op.documento == 1 && tipo != "J"))
            return Recusa("12", Latin1("CPF/CNPJ do contribuinte inválido"));
        const std::string periodo = Valor(pedido, 1062);
        const QDate apuracao = Data(periodo);
        if (!apuracao.isValid() || apuracao > hoje)
            return Recusa("12", Latin1("Período de apuração inválido"));
        const std::string receita = Valor(pedido, 1049);
        if (regras.contains(QStringLiteral("codigosReceita")) &&
            !Contem(regras.value(QStringLiteral("codigosReceita")), receita))
            return Recusa("12", Latin1("Código da receita não aceito"));
        const long long principal = Parcela(Valor(pedido, 1243));
        const long long multa = Parcela(Valor(pedido, 1119));
        if (principal <= 0 || multa < 0 || juros < 0 || principal + multa + juros != total)
            return Recusa("13", Latin1("Valor total não confere com principal, multa e juros"));
        if (op.documento == 0) {
            const QDate vencimento = Data(Valor(pedido, 1113));
            if (!vencimento.isValid()) return Recusa("12", Latin1("Data de vencimento inválida"));
            if (vencimento < hoje && multa + juros == 0)
                return Recusa("12", Latin1("DARF vencido: informe multa e juros"));
        } else if (op.forma != 2 &&
                   (Parcela(Valor(pedido, 1185)) <= 0 || Parcela(Valor(pedido, 1194)) <= 0)) {
            // The debit's message has DARF Preto's layout: it carries neither.
            return Recusa("12", Latin1("Receita bruta ou percentual inválido"));
        }
        documento = contribuinte + ";" + periodo + ";" + receita + ";" + Valor(pedido, 1182);
        linhas = {op.documento == 0 ? "PAGAMENTO DARF PRETO" : "PAGAMENTO DARF SIMPLES",
                  (tipo == "F" ? "CPF: " : "CNPJ: ") + contribuinte, "PERIODO: " + periodo,
                  "RECEITA: " + receita};
    } else {
        const std::string pagamento = Valor(pedido, 1056);
        if (regras.contains(QStringLiteral("codigosGPS")) &&
            !Contem(regras.value(QStringLiteral("codigosGPS")), pagamento))
            return Recusa("12", Latin1("Código de pagamento da GPS não aceito"));
        const std::string competencia = Valor(pedido, 1068);
        const QDate mes = Data("01" + competencia);
        if (competencia.size() != 6 || !mes.isValid() || mes > hoje)
            return Recusa("12", Latin1("Competência inválida"));
        contribuinte = Valor(pedido, 1258);
        if (!Digitos(contribuinte)) return Recusa("12", Latin1("Identificador do contribuinte inválido"));
        const long long inss = Parcela(Valor(pedido, 1097));
        const long long outras = Parcela(Valor(pedido, 1239));
        if (inss <= 0 || outras < 0 || juros < 0 || inss + outras + juros != total)
            return Recusa("13", Latin1("Valor total não confere com INSS, outras entidades e juros"));
        documento = contribuinte + ";" + competencia + ";" + pagamento;
        linhas = {"PAGAMENTO GPS", "IDENTIFICADOR: " + contribuinte, "COMPETENCIA: " + competencia,
                  "CODIGO: " + pagamento};
    }
    const std::string chavePago = "trib.pago." + documento;
    if (cenario_.estado.count(chavePago)) return Recusa("12", Latin1("Documento já pago"));

    std::string conta;
    if (op.forma == 1) {
        std::string cheque = Valor(pedido, 10102, 1);
        cheque.erase(std::remove_if(cheque.begin(), cheque.end(), [](char c) { return c < '0' || c > '9'; }),
                     cheque.end());
        if (cheque.size() < 29 || cheque.size() > 34)
            return Recusa("12", Latin1("Dados do cheque inválidos"));
        for (const QJsonValue& v : regras.value(QStringLiteral("chequesRecusados")).toArray()) {
            const std::string recusado = Latin1(v.toString());
            if (!recusado.empty() && cheque.find(recusado) != std::string::npos)
                return Recusa("51", Latin1("Cheque recusado: sem fundos"));
        }
    } else if (op.forma == 2) {
        const CartaoCenario* c = CartaoDoPedido(pedido);
        if (!c) return Recusa("14", Latin1("Cartão não cadastrado"));
        if (Valor(pedido, 10146).empty()) return Recusa("55", Latin1("Senha não informada"));
        if (c->conta.empty()) return Recusa("57", Latin1("Cartão sem conta para débito"));
        const long long saldo = SaldoDaConta(c->conta);
        if (total > saldo) return Recusa("51", Latin1("Saldo insuficiente"));
        DefineSaldoDaConta(c->conta, saldo - total);
        conta = c->conta;
    }

    cenario_.estado[chavePago] = "1";
    const std::string nsu = std::to_string(++cenario_.nsu);
    // Group 4 keeps its operation codes apart from the withdrawals' same numbers.
    RegistraMovimento(nsu, {"G4." + codigo, conta, total, contribuinte + ";" + documento});
    linhas.push_back("VALOR: " + Dinheiro(total));
    linhas.push_back("NSU: " + nsu);
    std::string autenticacao = std::to_string(cenario_.nsu);
    autenticacao.insert(0, 8 - std::min<size_t>(8, autenticacao.size()), '0');
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1("Pagamento efetuado");
    // Positions 5 to 12 of service A: the authentication number the module keeps in 1251.
    r.servicos.emplace_back('A', std::vector<std::string>{"AUT:" + autenticacao});
    r.servicos.emplace_back('I', std::move(linhas));
    return r;
}

cbwire::Resposta Servidor::CancelamentoTributo(const cbwire::Pedido& pedido) {
    const std::string codigo = Valor(pedido, 10158);
    const std::string nsu = Valor(pedido, 10154, 1);
    const auto mov = MovimentoDoNsu(nsu);
    if (nsu.empty() || !mov || mov->operacao.rfind("G4.", 0) != 0)
        return Recusa("12", Latin1("NSU não encontrado"));
    if (cenario_.estado.count("mov." + nsu + ".cancelado"))
        return Recusa("12", Latin1("Pagamento já cancelado"));
    const Operacao op = DaOperacao(mov->operacao.substr(3));
    if (op.forma != std::stoi(codigo) - 48)
        return Recusa("12", Latin1("NSU não corresponde a esta forma de pagamento"));
    if (Centavos(Valor(pedido, 1003)) != mov->valor)
        return Recusa("13", Latin1("Valor não confere com o pagamento"));
    const auto separador = mov->dados.find(';');
    if (Valor(pedido, 10154) != mov->dados.substr(0, separador))
        return Recusa("12", Latin1("Contribuinte não confere com o pagamento"));
    if (op.forma == 2) {
        const CartaoCenario* c = CartaoDoPedido(pedido);
        if (!c || c->conta != mov->conta) return Recusa("14", Latin1("Cartão não confere com o pagamento"));
        if (Valor(pedido, 10146).empty()) return Recusa("55", Latin1("Senha não informada"));
        DefineSaldoDaConta(mov->conta, SaldoDaConta(mov->conta) + mov->valor);
    }
    // The document may be paid again.
    cenario_.estado.erase("trib.pago." + mov->dados.substr(separador + 1));
    cenario_.estado["mov." + nsu + ".cancelado"] = "1";
    const std::string novo = std::to_string(++cenario_.nsu);
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1("Cancelamento efetuado");
    r.servicos.emplace_back('I', std::vector<std::string>{"CANCELAMENTO DE PAGAMENTO", "NSU ORIGINAL: " + nsu,
                                                          "VALOR: " + Dinheiro(mov->valor), "NSU: " + novo});
    return r;
}

} // namespace cbserver
