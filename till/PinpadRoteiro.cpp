#include "PinpadRoteiro.h"

#include "Segredos.h"

#include "Servidor.h"

#include "vortasim.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QVarLengthArray>

#include <string.h>
#include <utility>

PinpadRoteiro::PinpadRoteiro(Segredos& segredos,
                             std::function<std::vector<cbserver::CartaoCenario>()> cartoesDoCenario)
    : segredos_(segredos), cartoesDoCenario_(std::move(cartoesDoCenario)) {}

PinpadRoteiro::~PinpadRoteiro() {
    ApagaCartoes(cartoesExtras_);
}

void PinpadRoteiro::CarregaCartoes() {
    std::vector<cbserver::CartaoCenario> todos = cartoesDoCenario_();
    for (const auto& c : todos)
        segredos_.AdicionaCartao(c);
    todos.insert(todos.end(), cartoesExtras_.begin(), cartoesExtras_.end());
    cartoes_ = CarregaCartoesPinpad(todos);
    ApagaCartoes(todos);
    VortaSimPinpadApresentaCartao(cartaoApresentado_ < cartoes_.size() ? cartaoApresentado_ : -1);
}

bool PinpadRoteiro::Aplica(const QJsonValue& valor, const QString& onde, QString& motivo) {
    if (!valor.isObject()) {
        motivo = onde + QStringLiteral(": expected an object");
        return false;
    }
    const QJsonObject p = valor.toObject();
    static const QStringList chaves{
        QStringLiteral("cartao"),    QStringLiteral("cartoes"),      QStringLiteral("analises"),
        QStringLiteral("senhas"),    QStringLiteral("confirmacoes"), QStringLiteral("falhaPorta"),
        QStringLiteral("falhaBins"), QStringLiteral("falhaChip"),    QStringLiteral("adviceOffLine")};
    for (const QString& k : p.keys()) {
        if (!chaves.contains(k)) {
            motivo = QStringLiteral("%1: unknown key \"%2\"").arg(onde, k);
            return false;
        }
    }
    auto erro = [&](const QString& chave, const QString& esperado) {
        motivo = QStringLiteral("%1.%2: expected %3").arg(onde, chave, esperado);
        return false;
    };

    if (p.contains(QStringLiteral("cartoes"))) {
        // Read as a scenario's cards are, so the same keys and checks apply.
        const QJsonValue lista = p.value(QStringLiteral("cartoes"));
        if (!lista.isArray()) return erro(QStringLiteral("cartoes"), QStringLiteral("an array of cards"));
        cbserver::Servidor leitor;
        QString razao;
        if (!leitor.CarregaCenarioJson(
                QJsonDocument(QJsonObject{{QStringLiteral("cartoes"), lista}}).toJson(QJsonDocument::Compact),
                QString(), &razao)) {
            motivo = QStringLiteral("%1.%2").arg(onde, razao);
            return false;
        }
        std::vector<cbserver::CartaoCenario> novos = leitor.Cartoes();
        for (const auto& c : novos) {
            segredos_.AdicionaCartao(c);
            cartoesExtras_.push_back(c);
        }
        ApagaCartoes(novos);
        CarregaCartoes();
    }
    if (p.contains(QStringLiteral("cartao"))) {
        const QJsonValue c = p.value(QStringLiteral("cartao"));
        int indice = -2;
        if (c.isNull()) {
            indice = -1;
        } else if (c.isDouble() && c.toDouble() == c.toInt() && c.toInt() >= -1 &&
                   c.toInt() < cartoes_.size()) {
            indice = c.toInt();
        } else if (c.isString()) {
            for (qsizetype i = 0; i < cartoes_.size() && indice < 0; ++i) {
                if (cartoes_.at(i).descricao == c.toString()) indice = static_cast<int>(i);
            }
        }
        if (indice < -1)
            return erro(QStringLiteral("cartao"),
                        QStringLiteral("the index (0 to %1) or the description of a card, or null")
                            .arg(cartoes_.size() - 1));
        cartaoApresentado_ = indice;
        VortaSimPinpadApresentaCartao(indice);
    }
    if (p.contains(QStringLiteral("analises"))) {
        const QJsonValue v = p.value(QStringLiteral("analises"));
        QVarLengthArray<int> analises;
        for (const auto& a : v.toArray()) {
            if (!a.isDouble() || a.toDouble() != a.toInt())
                return erro(QStringLiteral("analises"), QStringLiteral("an array of numbers"));
            analises.append(a.toInt());
        }
        if (!v.isArray()) return erro(QStringLiteral("analises"), QStringLiteral("an array of numbers"));
        VortaSimPinpadDefineAnalises(analises.data(), static_cast<int>(analises.size()));
    }
    if (p.contains(QStringLiteral("senhas"))) {
        const QJsonValue v = p.value(QStringLiteral("senhas"));
        const QString esperado = QStringLiteral("an array of PINs (4 to 12 digits) or null");
        if (!v.isArray()) return erro(QStringLiteral("senhas"), esperado);
        std::vector<QByteArray> digitos;
        for (const auto& s : v.toArray()) {
            if (s.isNull()) {
                digitos.emplace_back();
                continue;
            }
            const QByteArray d = s.toString().toLatin1();
            static const QRegularExpression pin(QStringLiteral("^[0-9]{4,12}$"));
            if (!s.isString() || !pin.match(s.toString()).hasMatch()) {
                for (auto& b : digitos)
                    explicit_bzero(b.data(), static_cast<size_t>(b.size()));
                return erro(QStringLiteral("senhas"), esperado);
            }
            segredos_.AdicionaSenha(std::string_view(d.constData(), static_cast<size_t>(d.size())));
            digitos.push_back(d);
        }
        std::vector<const char*> ponteiros;
        for (const auto& d : digitos)
            ponteiros.push_back(d.isNull() ? nullptr : d.constData());
        VortaSimPinpadDefineSenhas(ponteiros.data(), static_cast<int>(ponteiros.size()));
        for (auto& b : digitos)
            explicit_bzero(b.data(), static_cast<size_t>(b.size()));
    }
    if (p.contains(QStringLiteral("confirmacoes"))) {
        const QJsonValue v = p.value(QStringLiteral("confirmacoes"));
        QVarLengthArray<bool> respostas;
        for (const auto& r : v.toArray()) {
            if (!r.isBool())
                return erro(QStringLiteral("confirmacoes"), QStringLiteral("an array of true/false"));
            respostas.append(r.toBool());
        }
        if (!v.isArray())
            return erro(QStringLiteral("confirmacoes"), QStringLiteral("an array of true/false"));
        VortaSimPinpadDefineConfirmacoes(respostas.data(), static_cast<int>(respostas.size()));
    }
    const std::pair<const char*, void (*)(bool)> interruptores[] = {
        {"falhaPorta", &VortaSimPinpadDefineFalhaPorta},
        {"falhaBins", &VortaSimBinsDefineFalha},
        {"falhaChip", &VortaSimPinpadDefineFalhaChip},
        {"adviceOffLine", &VortaSimPinpadDefineAdviceOffLine}};
    for (const auto& [chave, define] : interruptores) {
        const QString k = QLatin1String(chave);
        if (!p.contains(k)) continue;
        if (!p.value(k).isBool()) return erro(k, QStringLiteral("true or false"));
        define(p.value(k).toBool());
    }
    return true;
}

QString PinpadRoteiro::ConfereEventos(const QStringList& eventos, const QJsonArray& esperados) {
    qsizetype proximo = 0;
    for (const auto& e : esperados) {
        const QString texto = e.toString();
        qsizetype i = proximo;
        while (i < eventos.size() && !eventos.at(i).contains(texto))
            ++i;
        if (i == eventos.size())
            return QStringLiteral("PIN pad event \"%1\" not seen (in order); the call's events: %2")
                .arg(texto, eventos.join(QStringLiteral(" | ")));
        proximo = i + 1;
    }
    return {};
}
