#include "Servidor.h"

#include "Banco.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <algorithm>
#include <exception>

namespace cbserver {

std::string Latin1(const QString& s) {
    const QByteArray b = s.toLatin1();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}
std::string Latin1(const char* utf8) {
    return Latin1(QString::fromUtf8(utf8));
}

namespace {

// A scenario text, which must survive the trip to Latin-1 unchanged.
bool TextoLatin1(const QJsonValue& v, const QString& onde, std::string& saida, QString* erro) {
    if (!v.isString()) {
        if (erro) *erro = onde + QStringLiteral(": expected a string");
        return false;
    }
    const QString s = v.toString();
    for (const QChar c : s) {
        if (c.unicode() > 0xFF) {
            if (erro)
                *erro = onde + QStringLiteral(": character U+%1 is not Latin-1").arg(c.unicode(), 4, 16);
            return false;
        }
    }
    saida = Latin1(s);
    return true;
}

bool ListaLatin1(const QJsonValue& v, const QString& onde, std::vector<std::string>& saida, QString* erro) {
    if (!v.isArray()) {
        if (erro) *erro = onde + QStringLiteral(": expected an array of strings");
        return false;
    }
    const QJsonArray a = v.toArray();
    saida.resize(static_cast<size_t>(a.size()));
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!TextoLatin1(a.at(i), QStringLiteral("%1[%2]").arg(onde).arg(i), saida[static_cast<size_t>(i)],
                         erro))
            return false;
    }
    return true;
}

std::optional<QJsonObject> LeObjetoJson(const QString& arquivo, QString* erro) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        if (erro) *erro = QStringLiteral("cannot read ") + arquivo;
        return std::nullopt;
    }
    QJsonParseError e{};
    const QJsonDocument d = QJsonDocument::fromJson(f.readAll(), &e);
    if (!d.isObject()) {
        if (erro)
            *erro = arquivo + QStringLiteral(": ") +
                    (e.error != QJsonParseError::NoError ? e.errorString() : QStringLiteral("not an object"));
        return std::nullopt;
    }
    return d.object();
}

QString Aspas(const std::optional<std::string>& v) {
    return v ? QStringLiteral("\"%1\"").arg(QString::fromLatin1(v->data(), static_cast<qsizetype>(v->size())))
             : QStringLiteral("ausente");
}

} // namespace

std::optional<Falhas> Falhas::DeJson(const QJsonObject& json, QString* erro) {
    Falhas f;
    for (auto it = json.begin(); it != json.end(); ++it) {
        const QString& k = it.key();
        const QJsonValue v = it.value();
        auto booleano = [&](bool& destino) {
            if (!v.isBool()) return false;
            destino = v.toBool();
            return true;
        };
        bool ok = false;
        if (k == QLatin1String("atrasoMs")) {
            ok = v.isDouble() && v.toInt(-1) >= 0;
            f.atrasoMs = v.toInt();
        } else if (k == QLatin1String("semResposta")) {
            ok = booleano(f.semResposta);
        } else if (k == QLatin1String("derrubaConexao")) {
            ok = booleano(f.derrubaConexao);
        } else if (k == QLatin1String("respostaTruncada")) {
            ok = booleano(f.respostaTruncada);
        } else if (k == QLatin1String("servicoMalformado")) {
            ok = booleano(f.servicoMalformado);
        } else if (k == QLatin1String("recusa")) {
            const QJsonObject r = v.toObject();
            QString e;
            ok = v.isObject() &&
                 TextoLatin1(r.value(QStringLiteral("codigo")), QStringLiteral("falhas.recusa.codigo"),
                             f.recusaCodigo, &e) &&
                 !f.recusaCodigo.empty() &&
                 (!r.contains(QStringLiteral("texto")) ||
                  TextoLatin1(r.value(QStringLiteral("texto")), QStringLiteral("falhas.recusa.texto"),
                              f.recusaTexto, &e));
            if (!ok && !e.isEmpty()) {
                if (erro) *erro = e;
                return std::nullopt;
            }
        } else {
            if (erro) *erro = QStringLiteral("falhas: unknown switch \"%1\"").arg(k);
            return std::nullopt;
        }
        if (!ok) {
            if (erro) *erro = QStringLiteral("falhas.%1: invalid value").arg(k);
            return std::nullopt;
        }
    }
    return f;
}

std::optional<std::string> ValorDoPedido(const cbwire::Pedido& pedido, uint16_t campo, uint16_t ocorrencia) {
    for (const auto& i : pedido.itens) {
        if (i.campo == campo && i.ocorrencia == ocorrencia) return i.valor;
    }
    return std::nullopt;
}

std::string Valor(const cbwire::Pedido& pedido, uint16_t campo, uint16_t ocorrencia) {
    return ValorDoPedido(pedido, campo, ocorrencia).value_or(std::string());
}

// "cartoes": [{descricao, numero, trilha2, validade, codigoServico, tipo "chip"|"tarja", rede, conta,
// token}]. Unknown keys and malformed numbers are errors: a test card that does not load would test nothing.
static bool LeCartoes(const QJsonValue& v, std::vector<CartaoCenario>& cartoes, QString* erro) {
    if (v.isUndefined()) return true;
    if (!v.isArray()) {
        if (erro) *erro = QStringLiteral("cartoes: expected an array");
        return false;
    }
    const QJsonArray lista = v.toArray();
    for (qsizetype i = 0; i < lista.size(); ++i) {
        const QString onde = QStringLiteral("cartoes[%1]").arg(i);
        if (!lista.at(i).isObject()) {
            if (erro) *erro = onde + QStringLiteral(": expected an object");
            return false;
        }
        const QJsonObject o = lista.at(i).toObject();
        CartaoCenario c;
        QString tipo = QStringLiteral("tarja");
        for (auto k = o.begin(); k != o.end(); ++k) {
            const QString chave = k.key();
            const QString ondeK = onde + QLatin1Char('.') + chave;
            std::string* destino = chave == QLatin1String("descricao")       ? &c.descricao
                                   : chave == QLatin1String("numero")        ? &c.numero
                                   : chave == QLatin1String("trilha2")       ? &c.trilha2
                                   : chave == QLatin1String("validade")      ? &c.validade
                                   : chave == QLatin1String("codigoServico") ? &c.codigoServico
                                   : chave == QLatin1String("rede")          ? &c.rede
                                   : chave == QLatin1String("conta")         ? &c.conta
                                                                             : nullptr;
            if (destino) {
                if (!TextoLatin1(k.value(), ondeK, *destino, erro)) return false;
            } else if (chave == QLatin1String("tipo")) {
                tipo = k.value().toString();
            } else if (chave == QLatin1String("token")) {
                if (!k.value().isBool()) {
                    if (erro) *erro = ondeK + QStringLiteral(": expected true or false");
                    return false;
                }
                c.token = k.value().toBool();
            } else {
                if (erro) *erro = onde + QStringLiteral(": unknown key \"%1\"").arg(chave);
                return false;
            }
        }
        const auto digitos = [](const std::string& s, size_t min, size_t max) {
            return s.size() >= min && s.size() <= max &&
                   std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
        };
        if (tipo != QLatin1String("chip") && tipo != QLatin1String("tarja")) {
            if (erro) *erro = onde + QStringLiteral(".tipo: expected \"chip\" or \"tarja\"");
            return false;
        }
        c.chip = tipo == QLatin1String("chip");
        if (c.codigoServico.empty()) c.codigoServico = c.chip ? "201" : "101";
        if (!digitos(c.numero, 13, 19) || !digitos(c.validade, 4, 4) || !digitos(c.codigoServico, 3, 3) ||
            !digitos(c.rede, 3, 3)) {
            if (erro)
                *erro =
                    onde + QStringLiteral(": numero (13-19 digits), validade (YYMM), codigoServico and rede "
                                          "(3 digits) are required as digits");
            return false;
        }
        cartoes.push_back(std::move(c));
    }
    return true;
}

Servidor::Servidor() = default;
Servidor::~Servidor() = default;

bool Servidor::CarregaCenario(const QString& arquivo, QString* erro) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        if (erro) *erro = QStringLiteral("cannot read ") + arquivo;
        return false;
    }
    QString e;
    if (CarregaCenarioJson(f.readAll(), QFileInfo(arquivo).absolutePath(), &e)) {
        std::lock_guard g(trava_);
        cenario_.origem = QFileInfo(arquivo).absoluteFilePath();
        return true;
    }
    if (erro) *erro = arquivo + QStringLiteral(": ") + e;
    return false;
}

bool Servidor::CarregaCenarioJson(const QByteArray& json, const QString& pasta, QString* erro) {
    QJsonParseError pe{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (!doc.isObject()) {
        if (erro)
            *erro = pe.error != QJsonParseError::NoError ? pe.errorString() : QStringLiteral("not an object");
        return false;
    }
    const QJsonObject raiz = doc.object();
    Cenario c;
    c.raiz = raiz;
    c.origem = QStringLiteral("JSON");
    c.impressao =
        QString::fromLatin1(QCryptographicHash::hash(QJsonDocument(raiz).toJson(QJsonDocument::Compact),
                                                     QCryptographicHash::Sha256)
                                .toHex());
    c.regras = std::make_shared<const std::variant<contas::Regras, std::string>>(contas::LeRegras(raiz));

    // The parameter records of each group, inline or in a file of their own beside the scenario.
    QJsonValue vp = raiz.value(QStringLiteral("parametros"));
    if (vp.isString()) {
        const auto o = LeObjetoJson(QDir(pasta).absoluteFilePath(vp.toString()), erro);
        if (!o) return false;
        vp = *o;
    }
    if (!vp.isUndefined() && !vp.isObject()) {
        if (erro) *erro = QStringLiteral("parametros: expected an object or a file name");
        return false;
    }
    const QJsonObject grupos = vp.toObject();
    for (auto g = grupos.begin(); g != grupos.end(); ++g) {
        const QString onde = QStringLiteral("parametros.") + g.key();
        if (!g.value().isObject()) {
            if (erro) *erro = onde + QStringLiteral(": expected an object");
            return false;
        }
        const QJsonObject o = g.value().toObject();
        Parametros p;
        for (auto k = o.begin(); k != o.end(); ++k) {
            if (k.key() == QLatin1String("h")) {
                if (!ListaLatin1(k.value(), onde + QStringLiteral(".h"), p.h, erro)) return false;
            } else if (k.key() == QLatin1String("servicos")) {
                if (!k.value().isObject()) {
                    if (erro) *erro = onde + QStringLiteral(".servicos: expected an object");
                    return false;
                }
                const QJsonObject s = k.value().toObject();
                for (auto l = s.begin(); l != s.end(); ++l) {
                    const QString ondeS = onde + QStringLiteral(".servicos.") + l.key();
                    const QByteArray letra = l.key().toLatin1();
                    if (letra.size() != 1 || cbwire::CampoDoServico(letra.at(0)) == 0) {
                        if (erro) *erro = ondeS + QStringLiteral(": not a service letter with a host field");
                        return false;
                    }
                    std::vector<std::string> ocorrencias;
                    if (!ListaLatin1(l.value(), ondeS, ocorrencias, erro)) return false;
                    p.servicos.emplace_back(letra.at(0), std::move(ocorrencias));
                }
            } else if (k.key() != QLatin1String("descricao")) {
                if (erro) *erro = onde + QStringLiteral(": unknown key \"%1\"").arg(k.key());
                return false;
            }
        }
        c.parametros.emplace(Latin1(g.key()), std::move(p));
    }

    if (!LeCartoes(raiz.value(QStringLiteral("cartoes")), c.cartoes, erro)) return false;

    std::optional<Falhas> f = Falhas{};
    if (raiz.contains(QStringLiteral("falhas"))) {
        f = Falhas::DeJson(raiz.value(QStringLiteral("falhas")).toObject(), erro);
        if (!f) return false;
    }
    std::lock_guard g(trava_);
    // The database's state was made with the scenario it holds.
    if (banco_) {
        if (erro) *erro = QStringLiteral("the scenario of a server with a database cannot change");
        return false;
    }
    cenario_ = std::move(c);
    falhas_ = *f;
    return true;
}

bool Servidor::AbreBanco(const QString& arquivo, QString* erro) {
    std::lock_guard g(trava_);
    if (banco_) {
        if (erro) *erro = QStringLiteral("the server already has a database");
        return false;
    }
    if (qtdePedidos_ > 0) {
        if (erro) *erro = QStringLiteral("the database must be opened before the first request");
        return false;
    }
    Banco::Conteudo conteudo;
    auto banco = Banco::Abre(arquivo, cenario_.impressao, cenario_.origem, conteudo, erro);
    if (!banco) return false;
    cenario_.estado.Substitui(std::move(conteudo.estado));
    cenario_.nsu = conteudo.nsu;
    cenario_.consultas = conteudo.consultas;
    const std::string prefixo = kContaAberta;
    for (auto i = cenario_.estado.lower_bound(prefixo);
         i != cenario_.estado.end() && i->first.compare(0, prefixo.size(), prefixo) == 0; ++i)
        IncluiConta(QJsonDocument::fromJson(QByteArray::fromStdString(i->second)).object());
    banco_ = std::move(banco);
    return true;
}

void Servidor::DefineFalhas(const Falhas& falhas) {
    std::lock_guard g(trava_);
    falhas_ = falhas;
}

Falhas Servidor::falhas() const {
    std::lock_guard g(trava_);
    return falhas_;
}

std::vector<CartaoCenario> Servidor::Cartoes() const {
    std::lock_guard g(trava_);
    return cenario_.cartoes;
}

int Servidor::QtdePedidos() const {
    std::lock_guard g(trava_);
    return qtdePedidos_;
}

const std::map<Servidor::Chave, Servidor::Tratador>& Servidor::Tratadores() {
    static const std::map<Chave, Tratador> t{
        {{242, "00", ""}, &Servidor::CargaParametros},
        // The security-token query is the one request that carries no operation code.
        {{242, "", ""}, &Servidor::ConsultaDispositivoSeguranca},
        // Operation codes of our own for the functions whose codes the bank leaves to us (PROTOCOL.md).
        {{242, "70", ""}, &Servidor::RevalidacaoSenhaINSS},
        {{242, "71", ""}, &Servidor::PedidoCartaoDebito},
        {{242, "72", ""}, &Servidor::DatasDemonstrativo},
        {{242, "73", ""}, &Servidor::DemonstrativoCredito},
        {{242, "74", ""}, &Servidor::ConsultaCestaServicos},
        {{242, "75", ""}, &Servidor::AlteracaoCestaServicos},
        {{242, "76", ""}, &Servidor::ReimpressaoFininvest},
        // The prepaid card: its operation codes are the bank's, shared with other families in group 7.
        {{242, "10", "7"}, &Servidor::CartaoPrePago},
        {{242, "11", "7"}, &Servidor::CartaoPrePago},
        {{242, "14", "7"}, &Servidor::CartaoPrePago},
        {{242, "15", "7"}, &Servidor::CartaoPrePago},
        {{242, "16", "7"}, &Servidor::CartaoPrePago},
        {{242, "17", "7"}, &Servidor::CartaoPrePago},
        // Mobile top-up: no operation code, the group says which step.
        {{241, "", ""}, &Servidor::Recarga},
        // Bill payment.
        {{242, "31", ""}, &Servidor::ContinuaPagamento},
        {{242, "32", ""}, &Servidor::DadosPagamento},
        {{242, "33", ""}, &Servidor::ConsultaCodigoBarras},
        {{242, "16", ""}, &Servidor::PagamentoContas},
        {{242, "17", ""}, &Servidor::PagamentoContas},
        {{242, "18", ""}, &Servidor::PagamentoContas},
        {{242, "19", ""}, &Servidor::PagamentoContas},
        {{242, "20", ""}, &Servidor::PagamentoContas},
        {{242, "24", ""}, &Servidor::PagamentoContas},
        {{242, "28", ""}, &Servidor::PagamentoContas},
        // Withdrawals: the same operation codes in group 3.
        {{242, "48", "1"}, &Servidor::CancelamentoPagamento},
        {{242, "49", "1"}, &Servidor::CancelamentoPagamento},
        {{242, "50", "1"}, &Servidor::CancelamentoPagamento},
        {{242, "51", "1"}, &Servidor::CancelamentoPagamento},
        {{242, "36", "1"}, &Servidor::CancelamentoPagamento},
        {{242, "53", "1"}, &Servidor::CancelamentoPagamento},
        {{242, "65", ""}, &Servidor::Reimpressao},
        {{242, "82", ""}, &Servidor::FechamentoRepasse},
        {{197, "", ""}, &Servidor::RestabeleceLimite},
        {{198, "", ""}, &Servidor::RestabeleceLimite},

        {{242, "16", "3"}, &Servidor::Saque},
        {{242, "18", "3"}, &Servidor::Saque},
        {{242, "19", "3"}, &Servidor::Saque},
        {{242, "20", "3"}, &Servidor::Saque},
        // Deposit, and the cancellations of withdrawals and deposits.
        {{242, "15", "3"}, &Servidor::ConsultaDeposito},
        {{242, "30", "3"}, &Servidor::Deposito},
        {{242, "32", "3"}, &Servidor::ConsultaDepositoIdentificado},
        {{242, "33", "3"}, &Servidor::Deposito},
        {{242, "17", "3"}, &Servidor::Cancelamento},
        {{242, "21", "3"}, &Servidor::Cancelamento},
        {{242, "31", "3"}, &Servidor::Cancelamento},
        // Account queries: balance, statement, INSS benefit.
        {{242, "14", "3"}, &Servidor::ConsultaConta},
        {{242, "13", "3"}, &Servidor::ConsultaConta},
        {{242, "11", "3"}, &Servidor::ConsultaBeneficioINSS},
        // Transfer between accounts.
        {{242, "28", "3"}, &Servidor::Transferencia},
        {{242, "29", "3"}, &Servidor::Transferencia},
        // Account opening: the registration query and the opening, group 5.
        {{242, "10", "5"}, &Servidor::ConsultaDadosCadastrais},
        {{242, "20", "5"}, &Servidor::ConsultaDadosCadastrais},
        // DARF and GPS, group 4: payments in cash, by cheque and by debit card, and their cancellations.
        {{242, "20", "4"}, &Servidor::Tributo},
        {{242, "21", "4"}, &Servidor::Tributo},
        {{242, "22", "4"}, &Servidor::Tributo},
        {{242, "24", "4"}, &Servidor::Tributo},
        {{242, "25", "4"}, &Servidor::Tributo},
        {{242, "26", "4"}, &Servidor::Tributo},
        {{242, "28", "4"}, &Servidor::Tributo},
        {{242, "29", "4"}, &Servidor::Tributo},
        {{242, "30", "4"}, &Servidor::Tributo},
        {{242, "48", "4"}, &Servidor::CancelamentoTributo},
        {{242, "49", "4"}, &Servidor::CancelamentoTributo},
        {{242, "50", "4"}, &Servidor::CancelamentoTributo},
        // Pague Fácil, group 10: the catalogue pages and the payment.
        {{242, "1", "10"}, &Servidor::ConsultaPagueFacil},
        {{242, "2", "10"}, &Servidor::ConsultaPagueFacil},
        {{242, "3", "10"}, &Servidor::ConsultaPagueFacil},
        {{242, "4", "10"}, &Servidor::ConsultaPagueFacil},
        {{242, "5", "10"}, &Servidor::ConsultaPagueFacil},
        {{242, "6", "10"}, &Servidor::ConsultaPagueFacil},
        {{242, "7", "10"}, &Servidor::PagamentoPagueFacil},
        {{242, "8", "10"}, &Servidor::PagamentoPagueFacil},
        // The typed account's debit names its group among the constants, not in 10103.
        {{242, "8", ""}, &Servidor::PagamentoPagueFacil},
        // Withdrawal that pays bills.
        {{242, "22", "3"}, &Servidor::SaquePagamentoContas},
        // Loans: pre-approved and payroll-deducted.
        {{242, "12", "3"}, &Servidor::Emprestimo},
        {{242, "40", "3"}, &Servidor::Emprestimo},
        {{242, "41", "3"}, &Servidor::Emprestimo},
        {{242, "42", "3"}, &Servidor::Emprestimo},
        {{242, "43", "3"}, &Servidor::Emprestimo},
        {{242, "44", "3"}, &Servidor::Emprestimo},
        {{242, "45", "3"}, &Servidor::Emprestimo},
        // Cheque-book release.
        {{242, "50", "3"}, &Servidor::DesbloqueioTalonario},
        {{242, "51", "3"}, &Servidor::DesbloqueioTalonario},
        // Prepaid card, group 7.
        {{242, "12", "7"}, &Servidor::ConsultaCartaoPrePago},
        {{242, "13", "7"}, &Servidor::ConsultaCartaoPrePago},
    };
    return t;
}

cbwire::Resposta Servidor::Recusa(const std::string& codigo, const std::string& texto) {
    cbwire::Resposta r;
    r.codigo = codigo;
    r.mensagem = texto;
    return r;
}

cbwire::Resposta Servidor::CargaParametros(const cbwire::Pedido& pedido) {
    const auto grupo = ValorDoPedido(pedido, 10103);
    const auto it = grupo ? cenario_.parametros.find(*grupo) : cenario_.parametros.end();
    if (it == cenario_.parametros.end())
        return Recusa(
            "57",
            Latin1(
                QStringLiteral("Carga de parâmetros do grupo %1 não prevista no cenário").arg(Aspas(grupo))));
    cbwire::Resposta r;
    r.codigo = "00";
    r.servicos = it->second.servicos;
    r.hRegistros = it->second.h;
    // Group 1 opens bill payment: unless the scenario writes its own, its service A says how many documents
    // one payment may hold.
    const auto servACPP = *grupo == "1" ? ServACPP() : std::nullopt;
    if (servACPP &&
        std::none_of(r.servicos.begin(), r.servicos.end(), [](const auto& s) { return s.first == 'A'; }))
        r.servicos.emplace_back('A', std::vector<std::string>{*servACPP});
    return r;
}

const CartaoCenario* Servidor::CartaoDoPedido(const cbwire::Pedido& pedido) const {
    const auto trilha = ValorDoPedido(pedido, 10104);
    if (!trilha) return nullptr;
    // The track starts with the card number and ends it with '=' (or 'D' in the chip's track image).
    const std::string numero = trilha->substr(0, trilha->find_first_of("=D"));
    for (const auto& c : cenario_.cartoes)
        if (!numero.empty() && c.numero == numero) return &c;
    return nullptr;
}

cbwire::Resposta Servidor::ConsultaDispositivoSeguranca(const cbwire::Pedido& pedido) {
    const CartaoCenario* c = CartaoDoPedido(pedido);
    if (!c) return Recusa("14", Latin1(QStringLiteral("Cartão não cadastrado")));
    const auto bloco = ValorDoPedido(pedido, 10146);
    if (!bloco || bloco->empty()) return Recusa("55", Latin1(QStringLiteral("Senha não informada")));
    if (!c->token)
        return Recusa("57", Latin1(QStringLiteral("Cliente sem dispositivo de segurança habilitado")));
    cbwire::Resposta r;
    r.codigo = "00";
    r.mensagem = Latin1(QStringLiteral("Dispositivo de segurança habilitado"));
    return r;
}

cbwire::Resposta Servidor::AtendePedido(const Falhas& falhas, std::string_view quadroPedido) {
    const int nsu = cenario_.nsu, consultas = cenario_.consultas;
    const QJsonObject raiz = cenario_.raiz; // shared, not copied, unless an account is opened
    cenario_.estado.Inicia();
    const auto desfaz = [&] {
        cenario_.raiz = raiz;
        cenario_.estado.Desfaz();
        cenario_.nsu = nsu;
        cenario_.consultas = consultas;
    };
    cbwire::Resposta r;
    try {
        const auto pedido = cbwire::DecodificaPedido(quadroPedido);
        if (!pedido) {
            r = Recusa("30", Latin1("Pedido mal formado"));
        } else if (!falhas.recusaCodigo.empty()) {
            r = Recusa(falhas.recusaCodigo, falhas.recusaTexto.empty()
                                                ? Latin1("Transação recusada pelo servidor")
                                                : falhas.recusaTexto);
        } else if (ValorDoPedido(*pedido, 10264) == "1") {
            // A chip card's offline advice: the bank only records it, whatever the transaction.
            r.codigo = "00";
            r.mensagem = Latin1(QStringLiteral("Advice registrado"));
        } else {
            const auto operacao = ValorDoPedido(*pedido, 10158);
            const auto grupo = ValorDoPedido(*pedido, 10103);
            // Families reuse operation codes (a withdrawal's "18" is a debit bill payment's too): a handler
            // registered for the request's group wins over the one for any group.
            auto t = Tratadores().find({pedido->codigo, operacao.value_or(""), grupo.value_or("")});
            if (t == Tratadores().end()) t = Tratadores().find({pedido->codigo, operacao.value_or(""), ""});
            if (t != Tratadores().end()) {
                r = (this->*(t->second))(*pedido);
            } else {
                r = Recusa("57",
                           Latin1(QStringLiteral("Transação %1 não prevista no cenário (10158 %2, 10103 %3)")
                                      .arg(pedido->codigo)
                                      .arg(Aspas(operacao), Aspas(ValorDoPedido(*pedido, 10103)))));
            }
        }
        const auto alteracoes = cenario_.estado.Alteradas();
        QString erro;
        if (banco_ && (!alteracoes.empty() || cenario_.nsu != nsu || cenario_.consultas != consultas) &&
            !banco_->Grava(alteracoes, cenario_.nsu, cenario_.consultas, &erro)) {
            // Nothing of it reached the disk: nor does it stay in memory, nor is it approved.
            qWarning("cb-server: the database did not take a request: %s", qPrintable(erro));
            desfaz();
            r = Recusa("96", Latin1(QStringLiteral("Erro interno do servidor: transação não gravada")));
        }
    } catch (const std::exception& e) {
        desfaz();
        r = Recusa(
            "96",
            Latin1(QStringLiteral("Erro interno do servidor: %1").arg(QString::fromLocal8Bit(e.what()))));
    }
    return r;
}

std::string Servidor::AtendeCom(const Falhas& falhas, std::string_view quadroPedido) {
    std::lock_guard g(trava_);
    ++qtdePedidos_;
    cbwire::Resposta r = AtendePedido(falhas, quadroPedido);
    if (falhas.servicoMalformado) r.servicos.emplace_back('?', std::vector<std::string>{"servico sem campo"});
    std::string quadro = cbwire::CodificaResposta(r);
    if (quadro.empty())
        quadro = cbwire::CodificaResposta(Recusa("96", Latin1("Resposta excede os limites do protocolo")));
    if (falhas.respostaTruncada) quadro.resize(quadro.size() / 2);
    return quadro;
}

std::string Servidor::Atende(std::string_view quadroPedido) {
    return AtendeCom(falhas(), quadroPedido);
}

Atendimento Servidor::Recebe(std::string_view quadroPedido) {
    const Falhas f = falhas();
    Atendimento a;
    if (f.derrubaConexao || f.semResposta) {
        std::lock_guard g(trava_);
        ++qtdePedidos_;
        a.acao = f.derrubaConexao ? Atendimento::Acao::Derruba : Atendimento::Acao::NaoResponde;
        return a;
    }
    a.atrasoMs = f.atrasoMs;
    a.quadro = AtendeCom(f, quadroPedido);
    return a;
}

} // namespace cbserver
