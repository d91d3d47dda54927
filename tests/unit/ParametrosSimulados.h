// The simulated bank's parameter-load replies (server/scenarios/parametros.json), for the tests and the
// figures: read them by group, make a load as large as wanted from them, and leave h-records in the host
// fields as the platform stores a reply.
#pragma once

#include "hostlink.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

struct ParametrosGrupo {
    std::vector<std::string> h;
    std::map<char, std::vector<std::string>> servicos;
};

// The build names the scenarios' folder: __FILE__ may be relative to the build folder (a compiler cache with
// a base directory rewrites it so), and the tests run from another.
inline std::string CaminhoParametrosSimulados() {
    return (std::filesystem::path(CB_CENARIOS) / "parametros.json").lexically_normal().string();
}

// Group -> its reply; empty when the file cannot be read.
inline std::map<std::string, ParametrosGrupo>
LeParametrosSimulados(const std::string& caminho = CaminhoParametrosSimulados()) {
    std::map<std::string, ParametrosGrupo> grupos;
    QFile f(QString::fromStdString(caminho));
    if (!f.open(QIODevice::ReadOnly)) return grupos;
    const QJsonObject raiz = QJsonDocument::fromJson(f.readAll()).object();
    const auto latin1 = [](const QJsonValue& v) {
        const QByteArray b = v.toString().toLatin1();
        return std::string(b.constData(), static_cast<size_t>(b.size()));
    };
    for (auto g = raiz.begin(); g != raiz.end(); ++g) {
        ParametrosGrupo p;
        const QJsonObject o = g.value().toObject();
        for (const QJsonValue& r : o.value(QStringLiteral("h")).toArray())
            p.h.push_back(latin1(r));
        const QJsonObject servicos = o.value(QStringLiteral("servicos")).toObject();
        for (auto s = servicos.begin(); s != servicos.end(); ++s) {
            auto& lista = p.servicos[s.key().toLatin1().at(0)];
            for (const QJsonValue& r : s.value().toArray())
                lista.push_back(latin1(r));
        }
        grupos.emplace(g.key().toStdString(), std::move(p));
    }
    return grupos;
}

// A parameter load of at least minimo h-records: the records of every group in group order, repeated until
// there are enough. In each repetition after the first the TEF companies get codes of their own, so the
// company list grows as a bank with many companies would make it.
inline std::vector<std::string>
GeraRegistrosParametros(size_t minimo, const std::string& caminho = CaminhoParametrosSimulados()) {
    std::vector<std::string> base;
    for (const auto& [grupo, p] : LeParametrosSimulados(caminho))
        base.insert(base.end(), p.h.begin(), p.h.end());
    std::vector<std::string> registros;
    if (base.empty()) return registros;
    for (int volta = 0; registros.size() < minimo; ++volta) {
        for (std::string r : base) {
            if (volta > 0 && r.starts_with("12") && r.size() >= 10) {
                char codigo[16];
                std::snprintf(codigo, sizeof codigo, "%08d", static_cast<int>(registros.size()));
                r.replace(2, 8, codigo);
            }
            registros.push_back(std::move(r));
        }
    }
    return registros;
}

// Occurrences of a reply service and its count, zero-padded to largura (no count when largura is 0).
inline void GravaOcorrencias(int campo, const std::vector<std::string>& ocorrencias, int largura) {
    HostlinkLimpaCampo(campo);
    for (size_t i = 0; i < ocorrencias.size(); ++i)
        HostlinkGravaCampo(campo, static_cast<int>(i), ocorrencias[i].data(),
                           static_cast<uint16_t>(ocorrencias[i].size()));
    if (largura <= 0) return;
    char contagem[16];
    std::snprintf(contagem, sizeof contagem, "%0*d", largura, static_cast<int>(ocorrencias.size()));
    HostlinkGravaCampo(campo + 110, 0, contagem,
                       static_cast<uint16_t>(std::char_traits<char>::length(contagem)));
}

// h-records as the platform stores a reply: occurrences of 20200, five-digit count in 20310.
inline void GravaRegistrosHzinho(const std::vector<std::string>& registros) {
    GravaOcorrencias(20200, registros, 5);
}
