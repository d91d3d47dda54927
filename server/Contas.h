// The bills the simulated bank knows ("pagamentoContas" of a scenario) and the arithmetic of their codes, and
// the lookup of its customers' accounts by the key the module sends.
#pragma once

#include <QDate>
#include <QJsonObject>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace cbserver::contas {

// A party of a registered boleto; an empty name leaves the party out of the summary.
struct Parte {
    std::string nome;        // 40
    std::string razaoSocial; // 20
    std::string documento;   // CPF or CNPJ digits
};

// What the registry of a registered boleto says of it (h-record 45).
struct BoletoRegistrado {
    std::string instituicao;
    // Six digits: fine, interest, beneficiary, drawer, payer, summary flow (0: the module shows the summary).
    std::string indicadores = "000000";
    long long multa = 0;
    long long juros = 0;
    long long desconto = 0;
    Parte beneficiario, sacador, pagador;
};

// The amounts of a bill paid through network 005 (Q record 082).
struct ValoresRede {
    long long juros = 0, multa = 0, acrescimos = 0, desconto = 0, total = 0;
    int resumo = 0; // above 0: the module shows the payment summary
};

// A document's "descricao" in the scenario is for its readers: the bank answers from the rest.
struct Documento {
    std::string codigoBarras;    // 44 digits
    std::string linha;           // the typed line, when the scenario gives it (checked against the code)
    std::string modos;           // 5 digits: total, value, additions, discount, due date; empty: by the code
    std::string formas = "1111"; // cash, cheque, debit, credit
    std::string contaCartao = "11";  // account-card debit and credit
    std::string tipoDocumento = "1"; // h-record 27 flag
    std::string textoRecusa;         // refusal text of a paid bill
    char servicoRecusa = 'D';        // where that text goes: service D, or M ("@" as line breaks)
    bool pago = false;
    bool debitoForcado = false; // a debit-card payment is answered "FA": the due date confirmed first
    // The code of that answer: "fa" for a bank that writes it in lower case.
    std::string codigoDebitoForcado = "FA";
    // A settlement of the bill is refused with this code and text; empty: settled.
    std::string codigoRecusaLiquidacao;
    std::string textoRecusaLiquidacao;
    long long valor = -1; // cents; -1: the code's amount
    long long acrescimos = 0;
    long long desconto = 0;
    long long valorMinimo = 0, valorMaximo = 0; // authorised range of the total; 0: no bound
    long long valorAutorizado = 0;              // amount the bank authorises whatever is typed; 0: the typed
    std::optional<BoletoRegistrado> registrado;
    std::optional<ValoresRede> rede;

    long long ValorDocumento() const;
    long long Total() const;
    std::string Modos(const QDate& hoje) const;
};

struct Regras {
    int limiteDocumentos = 10;
    std::vector<Documento> documentos;
    std::vector<std::string> chequesRecusados; // digits that mark a cheque the bank refuses
};

// The scenario's bills, or the refusal text when the key is missing or malformed.
std::variant<Regras, std::string> LeRegras(const QJsonObject& raiz);

// The 44-digit bar code of a document sent as its bar code, its boleto line (47 digits, or shorter when the
// last block was typed without its leading zeros) or its convênio line (48 digits); empty when the digits do
// not check.
std::string CodigoDeBarras(const std::string& documento);
// YYYYMMDD of a due-date factor ("00000000": none), in the factor's cycle nearer to today.
std::string VencimentoDoFator(const std::string& fator, const QDate& hoje);
std::string VencimentoDoCodigo(const std::string& codigo, const QDate& hoje);
// The amount a bar code carries, in cents (0 when it carries none).
long long ValorDoCodigo(const std::string& codigo);

// An account of the scenario's "saques.contas": the one balance that withdrawals, deposits and transfers
// move.
struct ContaCenario {
    std::string conta;   // as the scenario names it: "AAAA NNNNNNN-D"
    std::string titular; // empty: the bank has no holder data for it
    std::string agencia, numero, digito;
    std::vector<std::string> tipos; // account-type codes "01" to "05" it answers to
};

// The scenario account a 23-character key names (bank, agency, C1, account, digit): the bank must be the
// scenario's ("depositos.banco", "237" when left out) and agency, account and digit must match as numbers.
std::optional<ContaCenario> ContaDaChave(const QJsonObject& raiz, const std::string& chave);

// Zero-padded to the width, keeping the rightmost digits.
std::string Numero(long long v, int largura);
std::string Dinheiro(long long centavos);

} // namespace cbserver::contas
