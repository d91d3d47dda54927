#include "LeituraRoteiro.h"

#include <QDate>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {

// A script that checks dates relative to the day it runs writes them as {{data:+N:FORMAT}} (N days from
// today, negative for the past; FORMAT as QDate::toString, e.g. ddMMyyyy): "tomorrow refused" stays true
// on every day the suite runs.
QByteArray ExpandeDatas(const QByteArray& bruto) {
    static const QRegularExpression marca(QStringLiteral(R"(\{\{data:([+-]?\d+):([^}]+)\}\})"));
    QString texto = QString::fromUtf8(bruto);
    const QDate hoje = QDate::currentDate();
    QString saida;
    qsizetype inicio = 0;
    for (auto it = marca.globalMatch(texto); it.hasNext();) {
        const auto m = it.next();
        saida += QStringView(texto).mid(inicio, m.capturedStart() - inicio);
        saida += hoje.addDays(m.captured(1).toInt()).toString(m.captured(2));
        inicio = m.capturedEnd();
    }
    saida += QStringView(texto).mid(inicio);
    return saida.toUtf8();
}

PassoRoteiro LePasso(const QJsonObject& p) {
    PassoRoteiro passo;
    passo.espera = p.value(QStringLiteral("espera")).toObject();
    passo.teclas = p.value(QStringLiteral("teclas")).toArray();
    passo.fechar = p.value(QStringLiteral("acao")).toString() == QLatin1String("fechar");
    passo.mesmaTela = p.value(QStringLiteral("mesmaTela")).toBool();
    passo.relance = p.value(QStringLiteral("relance")).toBool();
    passo.prazoMs = p.value(QStringLiteral("prazo")).toInt(PassoRoteiro::kPrazoPadraoMs);
    if (p.contains(QStringLiteral("servidor")))
        passo.servidor = p.value(QStringLiteral("servidor")).toObject();
    if (p.contains(QStringLiteral("falhaGravacao")))
        passo.falhaGravacao = p.value(QStringLiteral("falhaGravacao"));
    return passo;
}

ChamadaRoteiro LeChamada(const QJsonObject& c) {
    ChamadaRoteiro chamada;
    chamada.preparo = c;
    chamada.entrada = c.value(QStringLiteral("entrada")).toString();
    chamada.modo = c.value(QStringLiteral("modo")).toInt();
    if (c.contains(QStringLiteral("janela"))) chamada.janela = c.value(QStringLiteral("janela")).toInteger();
    for (const auto& p : c.value(QStringLiteral("passos")).toArray())
        chamada.passos << LePasso(p.toObject());
    chamada.resultado = c.value(QStringLiteral("resultado")).toObject();
    chamada.gravacoes = c.value(QStringLiteral("gravacoes")).toInt(1);
    chamada.audit = ListaTexto(c.value(QStringLiteral("audit")));
    chamada.semAudit = ListaTexto(c.value(QStringLiteral("semAudit")));
    chamada.mensagens = ListaTexto(c.value(QStringLiteral("mensagens")));
    if (c.contains(QStringLiteral("telas"))) chamada.telas = ListaTexto(c.value(QStringLiteral("telas")));
    if (c.contains(QStringLiteral("pedidos"))) chamada.pedidos = c.value(QStringLiteral("pedidos")).toArray();
    if (c.contains(QStringLiteral("eventosPinpad")))
        chamada.eventosPinpad = c.value(QStringLiteral("eventosPinpad")).toArray();
    if (c.contains(QStringLiteral("arquivosFinais")))
        chamada.arquivosFinais = c.value(QStringLiteral("arquivosFinais")).toObject();
    chamada.camposModulo = c.value(QStringLiteral("camposModulo")).toObject();
    chamada.versao = c.value(QStringLiteral("versao")).toObject();
    return chamada;
}

} // namespace

std::optional<ScriptRoteiro> LeRoteiro(const QString& arquivo, QString& erro) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        erro = QStringLiteral("cannot read %1").arg(arquivo);
        return std::nullopt;
    }
    QJsonParseError e{};
    const QJsonDocument doc = QJsonDocument::fromJson(ExpandeDatas(f.readAll()), &e);
    if (!doc.isObject()) {
        erro = QStringLiteral("%1: %2").arg(arquivo, e.errorString());
        return std::nullopt;
    }
    ScriptRoteiro script;
    script.preparo = doc.object();
    const QJsonArray chamadas = script.preparo.value(QStringLiteral("chamadas")).toArray();
    for (qsizetype i = 0; i < chamadas.size(); ++i) {
        script.chamadas << LeChamada(chamadas.at(i).toObject());
        const auto& passos = script.chamadas.back().passos;
        for (qsizetype j = 0; j < passos.size(); ++j) {
            // A glance is matched by class against the screens already seen: without one it takes nothing.
            if (passos.at(j).relance &&
                passos.at(j).espera.value(QStringLiteral("classe")).toString().isEmpty()) {
                erro = QStringLiteral("%1: call %2, step %3: \"relance\" needs espera.classe")
                           .arg(arquivo)
                           .arg(i)
                           .arg(j + 1);
                return std::nullopt;
            }
        }
    }
    return script;
}

bool ChaveCampo(const QString& chave, int& campo, int& ocorrencia) {
    const QStringList p = chave.split(QLatin1Char('.'));
    bool ok1 = false, ok2 = true;
    campo = p.value(0).toInt(&ok1);
    ocorrencia = p.size() > 1 ? p.value(1).toInt(&ok2) : 0;
    return ok1 && ok2 && p.size() <= 2;
}

QString Compacto(const QJsonValue& v) {
    return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

QStringList ListaTexto(const QJsonValue& v) {
    QStringList l;
    for (const auto& e : v.toArray())
        l << e.toString();
    return l;
}
