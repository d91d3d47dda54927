// The simulated payment server: a scenario (a small bank described in JSON) and the handlers that answer the
// requests of the correspondent module. It sees only request frames and gives back reply frames; the
// transports (in-process and TCP) live beside it.
#pragma once

#include "Contas.h"
#include "Estado.h"
#include "Protocolo.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

namespace cbserver {

// Fault switches, for tests: what the server does with every request until they change.
struct Falhas {
    int atrasoMs = 0;               // the answer leaves this long after the request was processed
    bool semResposta = false;       // the request is read and never answered: the client's time-out
    bool derrubaConexao = false;    // the connection is closed on receipt, nothing processed
    std::string recusaCodigo;       // when set, every request is refused with this code ...
    std::string recusaTexto;        // ... and this text (Latin-1)
    bool respostaTruncada = false;  // the reply frame is cut short
    bool servicoMalformado = false; // the reply carries a service that has no host field
    bool operator==(const Falhas&) const = default;

    // From a scenario's or a script's "falhas" object; keys left out are off. Unknown keys are an error, so
    // a misspelt switch cannot pass for a test of the fault.
    static std::optional<Falhas> DeJson(const QJsonObject& json, QString* erro = nullptr);
};

// What a transport does with one request.
struct Atendimento {
    enum class Acao { Responde, NaoResponde, Derruba };
    Acao acao = Acao::Responde;
    int atrasoMs = 0;
    std::string quadro; // the reply frame, when it answers
};

// Texts of the replies are Latin-1 on the wire; the sources spell them in UTF-8.
std::string Latin1(const QString& s);
std::string Latin1(const char* utf8);

// A customer card of the scenario, as the PIN pad presents it and as the bank knows it.
struct CartaoCenario {
    std::string descricao;
    std::string numero;        // 13 to 19 digits
    std::string trilha2;       // empty: built from number, expiry and service code
    std::string validade;      // YYMM
    std::string codigoServico; // three digits
    bool chip = false;
    std::string rede = "805"; // network that issues it
    std::string conta;        // account it draws on
    bool token = false;       // the customer has a security token
};

class Banco;

class Servidor {
public:
    Servidor();
    ~Servidor();
    Servidor(const Servidor&) = delete;
    Servidor& operator=(const Servidor&) = delete;

    // Loads a scenario file (UTF-8 JSON). On failure the previous scenario stays and erro says why.
    bool CarregaCenario(const QString& arquivo, QString* erro = nullptr);
    // The same from JSON text; file names inside it are relative to pasta.
    bool CarregaCenarioJson(const QByteArray& json, const QString& pasta, QString* erro = nullptr);

    // From now on keeps the bank (what the handlers changed and the counters) in an SQLite file, created
    // when missing, and starts from what it holds: a restart loses no approved transaction. The scenario
    // must be loaded first and no request answered yet, and the file must have been created with the same
    // scenario; after it, the scenario cannot change. On failure nothing changes and erro says why.
    bool AbreBanco(const QString& arquivo, QString* erro = nullptr);

    // The cards of the scenario, in the order it lists them.
    std::vector<CartaoCenario> Cartoes() const;

    void DefineFalhas(const Falhas& falhas);
    Falhas falhas() const;

    // The reply frame to a request frame, with the faults that touch the frame applied (refusal, truncation,
    // malformed service). Never throws: a request it cannot answer is refused with a text saying what was
    // asked.
    std::string Atende(std::string_view quadroPedido);
    // What a transport must do: answer (after a delay), keep silent, or drop the connection.
    Atendimento Recebe(std::string_view quadroPedido);

    // Requests received since the server was created.
    int QtdePedidos() const;

private:
    struct Parametros {
        std::vector<std::string> h;
        std::vector<std::pair<char, std::vector<std::string>>> servicos;
    };
    struct Cenario {
        std::map<std::string, Parametros> parametros; // by group, as sent in field 10103
        std::vector<CartaoCenario> cartoes;
        // Where it came from, and a print of its content (whatever its spacing and key order): a database
        // belongs to one scenario.
        QString origem;
        QString impressao;
        // The whole scenario: each family of handlers reads its own keys from it.
        QJsonObject raiz;
        // The bill-payment rules, read once with the scenario (or why they could not be read): every
        // parameter load of group 1 and every bill request uses them.
        std::shared_ptr<const std::variant<contas::Regras, std::string>> regras =
            std::make_shared<const std::variant<contas::Regras, std::string>>(
                contas::LeRegras(QJsonObject{}));
        // What the handlers change as they answer (a customer's basket, a card already reissued...), by key
        // of the handler's own making; it starts empty with every scenario, or as its database left it.
        Estado estado;
        // Sequence number (NSU) of the last approved transaction.
        int nsu = 0;
        // Deposit holder queries answered, for their references.
        int consultas = 0;
    };

    // One handler per transaction, chosen by the request's code, its operation code (field 10158) and its
    // group (field 10103; "" for a handler of any group).
    using Tratador = cbwire::Resposta (Servidor::*)(const cbwire::Pedido&);
    using Chave = std::tuple<uint16_t, std::string, std::string>;
    static const std::map<Chave, Tratador>& Tratadores();

    cbwire::Resposta CargaParametros(const cbwire::Pedido& pedido);
    cbwire::Resposta ConsultaDispositivoSeguranca(const cbwire::Pedido& pedido);
    // Services of the "other functions" and administrative menus (TratadoresServicos.cpp).
    cbwire::Resposta RevalidacaoSenhaINSS(const cbwire::Pedido& pedido);
    cbwire::Resposta PedidoCartaoDebito(const cbwire::Pedido& pedido);
    cbwire::Resposta DatasDemonstrativo(const cbwire::Pedido& pedido);
    cbwire::Resposta DemonstrativoCredito(const cbwire::Pedido& pedido);
    cbwire::Resposta ReimpressaoFininvest(const cbwire::Pedido& pedido);
    // The service basket (TratadoresCesta.cpp).
    cbwire::Resposta ConsultaCestaServicos(const cbwire::Pedido& pedido);
    cbwire::Resposta AlteracaoCestaServicos(const cbwire::Pedido& pedido);
    // Prepaid card (TratadoresCartaoPrePago.cpp): every group-7 operation, from the holder identification
    // to the money movements.
    cbwire::Resposta CartaoPrePago(const cbwire::Pedido& pedido);
    // Prepaid card balance and statement (TratadoresCartaoPrePagoConsultas.cpp): one handler for
    // operations 12 and 13 of group 7.
    cbwire::Resposta ConsultaCartaoPrePago(const cbwire::Pedido& pedido);
    // Bill payment, the query half (TratadoresContas.cpp).
    cbwire::Resposta ConsultaCodigoBarras(const cbwire::Pedido& pedido);
    cbwire::Resposta DadosPagamento(const cbwire::Pedido& pedido);
    cbwire::Resposta ContinuaPagamento(const cbwire::Pedido& pedido);
    // The scenario bill a request names, or the refusal to send (unknown, invalid or already paid).
    std::variant<const contas::Documento*, cbwire::Resposta>
    DocumentoDoPedido(const contas::Regras& regras, const std::string& enviado) const;
    // The same for the document a query sends (1041's text), with the refusal of a scenario whose bill rules
    // could not be read.
    std::variant<const contas::Documento*, cbwire::Resposta>
    DocumentoConsultado(const cbwire::Pedido& pedido) const;
    // Bill payment, the settlement half (TratadoresLiquidacao.cpp): every method goes through one handler.
    cbwire::Resposta PagamentoContas(const cbwire::Pedido& pedido);
    cbwire::Resposta ConsultaCheque(const cbwire::Pedido& pedido, const contas::Regras& regras);
    struct DocumentoPago {
        const contas::Documento* documento;
        long long total; // cents, as the group's field 10163 carries it
    };
    // The documents of the per-document group, each found and payable; empty with the refusal set otherwise.
    std::vector<DocumentoPago> DocumentosDoPedido(const cbwire::Pedido& pedido, const contas::Regras& regras,
                                                  cbwire::Resposta& recusa) const;
    // Cancellation and reprint of settled bill payments (TratadoresCancelamentoPagamento.cpp).
    struct Liquidacao {
        std::string codigo;   // the document's bar code
        std::string operacao; // the settlement's operation code (16 cash ... 28 generic)
        std::string nsu;      // the payment's NSU, without leading zeros
        long long valor = 0;  // cents
        std::string data;     // DDMMYYYY, the day it was settled
    };
    void RegistraLiquidacao(const std::string& codigoBarras, const std::string& operacao,
                            const std::string& nsu, long long valor);
    // The settled document a cancellation names (by document, due date and NSU, or by the network's receipt),
    // or the refusal to send.
    std::variant<Liquidacao, cbwire::Resposta> LiquidacaoDoPedido(const cbwire::Pedido& pedido);
    cbwire::Resposta CancelamentoPagamento(const cbwire::Pedido& pedido);
    cbwire::Resposta Reimpressao(const cbwire::Pedido& pedido);
    // Settlement closing and credit-limit restoration (TratadoresAdministracao.cpp).
    cbwire::Resposta FechamentoRepasse(const cbwire::Pedido& pedido);
    cbwire::Resposta RestabeleceLimite(const cbwire::Pedido& pedido);
    // DARF and GPS payments of group 4 and their cancellations by NSU (TratadoresTributos.cpp).
    cbwire::Resposta Tributo(const cbwire::Pedido& pedido);
    cbwire::Resposta CancelamentoTributo(const cbwire::Pedido& pedido);
    // Pague Fácil, group 10 (TratadoresPagueFacil.cpp): the catalogue queries 1 to 6, paged, and the payment
    // in cash 7 or by debit 8 of the entry whose values were asked last.
    cbwire::Resposta ConsultaPagueFacil(const cbwire::Pedido& pedido);
    cbwire::Resposta PagamentoPagueFacil(const cbwire::Pedido& pedido);
    // Mobile top-up, transaction 241 (TratadoresRecarga.cpp): branches, values and the top-up itself, told
    // apart by the group in 10103.
    cbwire::Resposta Recarga(const cbwire::Pedido& pedido);
    // Withdrawal that pays bills (TratadoresSaqueContas.cpp).
    cbwire::Resposta SaquePagamentoContas(const cbwire::Pedido& pedido);
    // The service A of the group-1 parameter load, when the scenario has bills: the most documents one
    // payment may hold at 5-6.
    std::optional<std::string> ServACPP() const;
    // A refusal whose text also goes where the bill dialogs read it: service D, or M.
    static cbwire::Resposta RecusaConta(const std::string& codigo, const std::string& texto,
                                        char servico = 'D');
    // Withdrawals (TratadoresSaque.cpp): INSS benefit card 16, bank card 18, cheque 19 and withdrawal receipt
    // 20, all of group 3.
    cbwire::Resposta Saque(const cbwire::Pedido& pedido);
    // Deposits and the cancellations of withdrawals and deposits (TratadoresDeposito.cpp): the holder query
    // 15, the deposit 30, the cancellations 17, 21 and 31, all of group 3.
    cbwire::Resposta ConsultaDeposito(const cbwire::Pedido& pedido);
    cbwire::Resposta Deposito(const cbwire::Pedido& pedido);
    cbwire::Resposta ConsultaDepositoIdentificado(const cbwire::Pedido& pedido);
    // The holder query's reply for an account key (blank for an unknown account), with a new reference.
    cbwire::Resposta TitularDaConta(const std::string& chave, const std::string& cabecalho);
    cbwire::Resposta Cancelamento(const cbwire::Pedido& pedido);
    // Transfer between accounts (TratadoresTransferencia.cpp): the query 28 and the transfer 29, of group 3.
    cbwire::Resposta Transferencia(const cbwire::Pedido& pedido);
    // Account opening (TratadoresAberturaConta.cpp), group 5: the registration query 10 and the opening 20,
    // which the query's checks lead to.
    cbwire::Resposta ConsultaDadosCadastrais(const cbwire::Pedido& pedido);
    cbwire::Resposta AberturaConta(const cbwire::Pedido& pedido, int titulares,
                                   const std::string& chaveConsulta);
    // An account opened here joins the scenario's accounts ("saques.contas"); its state key holds it as
    // compact JSON, so a server that starts from a database opens it again.
    static constexpr char kContaAberta[] = "conta.aberta.";
    void IncluiConta(const QJsonObject& conta);
    // An approved withdrawal or deposit, kept under its NSU for its cancellation: the operation code, the
    // account whose balance moved (empty for none), the value and the kind's data (a receipt's number, a
    // cheque's line).
    struct Movimento {
        std::string operacao;
        std::string conta;
        long long valor = 0;
        std::string dados;
    };
    void RegistraMovimento(const std::string& nsu, const Movimento& m);
    std::optional<Movimento> MovimentoDoNsu(const std::string& nsu) const;
    // Account queries (TratadoresConsultas.cpp), group 3: the balance 14 and the statement 13 of an account
    // named by the card's track or the typed account key, and the INSS benefit query 11.
    cbwire::Resposta ConsultaConta(const cbwire::Pedido& pedido);
    cbwire::Resposta ConsultaBeneficioINSS(const cbwire::Pedido& pedido);
    // An approved movement of an account as a statement lists it: its NSU, description, date (DDMMYYYY, the
    // day it was approved) and value in cents, negative for a debit.
    struct MovimentoDatado {
        std::string nsu, descricao, data;
        long long valor = 0;
    };
    // The movements of that account approved while the server runs and not cancelled, in NSU order: its
    // withdrawals, deposits and transfers, sent or received.
    std::vector<MovimentoDatado> MovimentosDaConta(const std::string& conta) const;
    // The balance of an account of "saques.contas" as the withdrawals, deposits and cancellations left it.
    long long SaldoDaConta(const std::string& conta) const;
    void DefineSaldoDaConta(const std::string& conta, long long saldo);
    // The scenario card whose number the track in field 10104 carries.
    const CartaoCenario* CartaoDoPedido(const cbwire::Pedido& pedido) const;

    // Loans (TratadoresEmprestimo.cpp), group 3: the pre-approved query 12, simulation 40 and contracting
    // 41, and the payroll query 42, largest proposal 43, simulation 44 and contracting 45.
    cbwire::Resposta Emprestimo(const cbwire::Pedido& pedido);
    // The account of the customer a loan request names (card track or typed key in 10290), or the refusal.
    std::variant<contas::ContaCenario, cbwire::Resposta> ClienteEmprestimo(const cbwire::Pedido& pedido);
    // The next contract number (nine digits).
    std::string ProximoContrato();
    // Cheque-book release (TratadoresTalao.cpp), group 3: the blocked ranges of a typed account (50) and the
    // release of one with the card of that account (51).
    cbwire::Resposta DesbloqueioTalonario(const cbwire::Pedido& pedido);

    std::string AtendeCom(const Falhas& falhas, std::string_view quadroPedido);
    // The handler's answer, with what it changed undone when it failed or, with a database, could not be
    // written: a refusal then goes out instead.
    cbwire::Resposta AtendePedido(const Falhas& falhas, std::string_view quadroPedido);
    static cbwire::Resposta Recusa(const std::string& codigo, const std::string& texto);

    mutable std::mutex trava_;
    Cenario cenario_;
    Falhas falhas_;
    int qtdePedidos_ = 0;
    std::unique_ptr<Banco> banco_;
};

// The instalment of a loan of valor cents over that many months at a monthly rate in hundredths of a percent,
// on the price table: valor * i / (1 - (1 + i)^-n), rounded to the cent; without interest, valor / n rounded
// up.
long long ParcelaEmprestimo(long long valor, int taxaCentesimos, long long parcelas);

// The value the request sent for a host field (its first item with that field and occurrence).
std::optional<std::string> ValorDoPedido(const cbwire::Pedido& pedido, uint16_t campo,
                                         uint16_t ocorrencia = 0);
// The same, empty when the request does not carry it.
std::string Valor(const cbwire::Pedido& pedido, uint16_t campo, uint16_t ocorrencia = 0);

} // namespace cbserver
