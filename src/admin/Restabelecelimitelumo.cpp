#include "admin/Restabelecelimitelumo.h"

#include "frame/Fabricas.h"

#include "host/Host.h"
#include "host/IniFile.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <vector>

TFrmMod_RestabeleceLimite* FrmMod_RestabeleceLimite = nullptr;
CB_FABRICA(TFrmMod_RestabeleceLimite);

TFrmMod_RestabeleceLimite::TFrmMod_RestabeleceLimite(QWidget* pai, const QString& nome) : TFrmMod(pai, nome) {
    DefineTitulo(QStringLiteral("Restabelece Limite"));
    Descritor = &Restabelecelimitelumo::TrnRestabeleceLimite;
    btConfirma =
        CriaBotao(QStringLiteral("btConfirma"), QStringLiteral("&1 - Confirma"), QRect(146, 320, 160, 30));
    // Not wired to its click: the entry point runs the restoration itself, once; a key typed ahead while the
    // dialog shows must not run it a second time.
}

namespace {

constexpr char SECAO[] = "RESTABELECELIMITE";

// One document of the file: its section's keys, as the approved payment wrote them.
struct Entrada {
    QString rede, sequencial, valor, forma, codigo, data;
};

QString Secao(int n) {
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

// The file as it stands after a confirmation: the entries left, numbered again from 0001, or no file when
// none is left. Saved whole and atomically, so that a till stopped at any moment leaves the file before or
// after that confirmation and never a torn one.
bool Regrava(const QString& caminho, bool subfuncao, const std::vector<Entrada>& pendentes) {
    if (pendentes.empty()) return QFile::remove(caminho) || !QFile::exists(caminho);
    IniFile ini(caminho, false);
    const QString secao = QLatin1String(SECAO);
    ini.GravaInteiro(secao, QStringLiteral("Quantidade"), static_cast<int>(pendentes.size()));
    ini.GravaBool(secao, QStringLiteral("Subfuncao"), subfuncao);
    int n = 0;
    for (const Entrada& e : pendentes) {
        const QString s = Secao(++n);
        ini.GravaTexto(s, QStringLiteral("Rede"), e.rede);
        ini.GravaTexto(s, QStringLiteral("Sequencial"), e.sequencial);
        ini.GravaTexto(s, QStringLiteral("Valor"), e.valor);
        ini.GravaTexto(s, QStringLiteral("FormadeEntrada"), e.forma);
        ini.GravaTexto(s, QStringLiteral("CodigodeBarras"), e.codigo);
        ini.GravaTexto(s, QStringLiteral("DataFiscal"), e.data);
    }
    return ini.Salva();
}

} // namespace

void TFrmMod_RestabeleceLimite::btConfirmaClick() {
    const QString caminho = IniFile::NoDiretorioHost(QStringLiteral("RestabeleceLimite.ini"));
    std::vector<Entrada> pendentes;
    bool subfuncao = false;
    {
        const IniFile ini(caminho);
        const QString secao = QLatin1String(SECAO);
        subfuncao = ini.LeBool(secao, QStringLiteral("Subfuncao"), false);
        const int quantidade = ini.LeInteiro(secao, QStringLiteral("Quantidade"), 0);
        for (int n = 1; n <= quantidade; ++n) {
            const QString s = Secao(n);
            const auto le = [&](const char* chave) { return ini.LeTexto(s, QLatin1String(chave)).trimmed(); };
            pendentes.push_back({le("Rede"), le("Sequencial"), le("Valor"), le("FormadeEntrada"),
                                 le("CodigodeBarras"), le("DataFiscal")});
        }
    }
    if (pendentes.empty()) {
        Encerra(QStringLiteral("255"), QString::fromUtf8(msg::MsgSemLimiteRestabelecer));
        return;
    }
    int restabelecidos = 0;
    // The bank's last refusal: what 1009 reports while entries are left.
    QString recusa;
    for (size_t i = 0; i < pendentes.size();) {
        const Entrada& e = pendentes[i];
        if (!host::Grava(10112, e.rede) || !host::Grava(1003, e.valor) || !host::Grava(1040, e.forma) ||
            !host::Grava(1041, e.codigo) || !host::Grava(1020, e.data))
            break;
        host::AutorizaTransacao(Pedido(), lbMensagem, 0);
        const int resultado = host::CodigoResultado();
        if (resultado == 0) {
            // Confirmed (or already restored): the entry leaves the file before the next one goes.
            pendentes.erase(pendentes.begin() + static_cast<std::ptrdiff_t>(i));
            ++restabelecidos;
            if (!Regrava(caminho, subfuncao, pendentes)) {
                host::GravaAudit(QStringLiteral("Erro: GravaArquivoRestabeleceLimite"));
                break;
            }
            continue;
        }
        recusa = host::LeCampo(1009).trimmed();
        // No answer from the bank: the rest waits for the next run rather than for one time-out each.
        if (resultado == 255) break;
        ++i;
    }
    const QString texto = QString::fromUtf8(msg::MsgLimitesRestabelecidos)
                              .arg(restabelecidos)
                              .arg(static_cast<int>(pendentes.size()));
    Encerra(pendentes.empty() ? QStringLiteral("00") : (recusa.isEmpty() ? QStringLiteral("255") : recusa),
            texto);
}

namespace Restabelecelimitelumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Restabelecelimitelumo, TrnRestabeleceLimite,
             Descritor(197, 0, {F(10112), F(10171), F(1003), F(1040), F(1041).fmt(4)}));

} // namespace Restabelecelimitelumo
