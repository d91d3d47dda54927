#include "protocol/ServicosRecarga.h"

#include "host/Host.h"
#include "protocol/ServicosResposta.h"

#include <QDate>

#include <algorithm>
#include <optional>
#include <string>

namespace Lumomain {

TFiliaisRecarga ServicoA_Consulta_Filiais;
TFiliaisRecarga ServicoBConsultaFiliaisHSBC;
TRespostaConsultaValores RespostaConsultaValores;
TConsultaValor ConsultaValor;
QString v_bonus, sCustoRecarga, sPeriodoValidade, sMsgInfoRecarga, sBonusSms, sBonusPontos, sChaveVlRecarga,
    sValorBonusRecarga, sPorcentagemBonusRecarga, sPeriodoValidadeBonus, sDescricaoBonus, sCategoriaRecarga;
Registro<32> ServicoHzinho_RecargaCB_FormasPagto;
Registro<41> ServicoHzinho_Tipo_Conta_Aceita_TEF_Debito_RecargaCB;
int iFormaPagtoRecarga = 0;
int iIndiceValorRecarga = -1;
int iIndiceFaixaRecarga = -1;
QString sDDDRecarga, sNumeroRecarga;

namespace {

constexpr int CAMPO_SERVICO_A = 20010;
constexpr int CAMPO_SERVICO_B = 20011;
constexpr int CAMPO_SERVICO_C = 20012;
constexpr int CAMPO_SERVICO_Q = 20026;
constexpr int TAMANHO_MAXIMO = 16384;

constexpr std::size_t TAM_FILIAL_BRADESCO = 57;
constexpr std::size_t TAM_FILIAL_B = 28;
constexpr std::size_t CABECALHO_VALORES_BRADESCO = 38;
constexpr std::size_t CABECALHO_VALORES_B = 130;

std::string_view Fatia(std::string_view s, std::size_t off, std::size_t len) {
    return off >= s.size() ? std::string_view{} : s.substr(off, len);
}

QString Texto(std::string_view s, std::size_t off, std::size_t len) {
    return host::deLatin1(Fatia(s, off, len));
}

// A count of exactly that many digits; nullopt otherwise.
std::optional<int> Contagem(std::string_view s, std::size_t off, std::size_t len) {
    const std::string_view v = Fatia(s, off, len);
    if (v.size() != len) return std::nullopt;
    int n = 0;
    for (char c : v) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

// Whole entries of largura from off: at most the count, and no more than the text holds.
int EntradasPresentes(std::string_view s, std::size_t off, std::size_t largura, int contagem) {
    const std::size_t resto = s.size() > off ? s.size() - off : 0;
    return std::min(contagem, static_cast<int>(resto / largura));
}

bool SoDigitos(const QString& s) {
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

const char* CodigoRede(RedeRecarga rede) {
    switch (rede) {
    case RedeRecarga::Bradesco:
        return REDE_RECARGA_BRADESCO;
    case RedeRecarga::CorbanOS:
        return REDE_RECARGA_CORBAN_OS;
    case RedeRecarga::GXS:
        return REDE_RECARGA_GXS;
    }
    return "";
}

TFiliaisRecarga& FiliaisDaRede(RedeRecarga rede) {
    return rede == RedeRecarga::Bradesco ? ServicoA_Consulta_Filiais : ServicoBConsultaFiliaisHSBC;
}

bool LeFiliais(RedeRecarga rede, std::string_view texto, TFiliaisRecarga& destino) {
    destino = {};
    const bool bradesco = rede == RedeRecarga::Bradesco;
    const std::size_t cabecalho = bradesco ? 3 : 2;
    const std::size_t largura = bradesco ? TAM_FILIAL_BRADESCO : TAM_FILIAL_B;
    const auto n = Contagem(texto, 0, cabecalho);
    if (!n) return false;
    destino.recebida = true;
    const int presentes = EntradasPresentes(texto, cabecalho, largura, *n);
    for (int i = 0; i < presentes; ++i) {
        const std::string_view e = texto.substr(cabecalho + static_cast<std::size_t>(i) * largura, largura);
        TFilialRecarga f;
        if (bradesco) {
            f.codigo = Texto(e, 0, 5);
            f.nome = Texto(e, 5, 50);
            f.uf = Texto(e, 55, 2);
        } else {
            f.nome = Texto(e, 0, 20);
            f.qualificador = Texto(e, 20, 3);
            f.codigo = Texto(e, 23, 5);
        }
        destino.Filiais.push_back(f);
    }
    return true;
}

bool TrataRespostaConsultaFiliais(RedeRecarga rede) {
    const bool bradesco = rede == RedeRecarga::Bradesco;
    // The catalogue switch comes with Corban OS's branches; without it, and on the other networks (whose
    // query must not inherit a switch an earlier call left), the plain values apply.
    const auto vrsrec = rede == RedeRecarga::CorbanOS
                            ? host::VerificaServico5String(QStringLiteral("VRSREC:"), false)
                            : std::nullopt;
    if (vrsrec)
        host::Grava(10323, *vrsrec);
    else
        host::LimpaCampo(10323);
    const std::string texto = host::ProcuraServico(bradesco ? CAMPO_SERVICO_A : CAMPO_SERVICO_B,
                                                   bradesco ? 'A' : 'B', {}, TAMANHO_MAXIMO);
    return LeFiliais(rede, texto, FiliaisDaRede(rede));
}

bool LeValores(RedeRecarga rede, std::string_view texto, TRespostaConsultaValores& destino) {
    if (rede == RedeRecarga::Bradesco) {
        const auto n = Contagem(texto, 36, 2);
        if (!n) return false;
        destino.limpa();
        destino.Minimo.atribui(Fatia(texto, 0, 12));
        destino.Maximo.atribui(Fatia(texto, 12, 12));
        destino.Tarifa.atribui(Fatia(texto, 24, 12));
        const int presentes = EntradasPresentes(texto, CABECALHO_VALORES_BRADESCO, 12, *n);
        for (int i = 0; i < presentes; ++i) {
            Registro<24> e;
            // The network sends no bonus: the bonus half stays blank.
            e.atribui(
                std::string(texto.substr(CABECALHO_VALORES_BRADESCO + static_cast<std::size_t>(i) * 12, 12)) +
                std::string(12, ' '));
            destino.Entradas.push_back(e);
        }
        return true;
    }
    const auto n = Contagem(texto, CABECALHO_VALORES_B - 2, 2);
    if (!n) return false;
    destino.limpa();
    const int presentes = EntradasPresentes(texto, CABECALHO_VALORES_B, 24, *n);
    for (int i = 0; i < presentes; ++i) {
        Registro<24> e;
        // The record takes its own 24 characters.
        e.atribui(texto.substr(CABECALHO_VALORES_B + static_cast<std::size_t>(i) * 24));
        destino.Entradas.push_back(e);
    }
    // The trailer: one character not read, then the minimum and the maximum.
    const std::size_t trailer = CABECALHO_VALORES_B + static_cast<std::size_t>(presentes) * 24;
    destino.Minimo.atribui(Fatia(texto, trailer + 1, 12));
    destino.Maximo.atribui(Fatia(texto, trailer + 13, 12));
    return true;
}

bool TrataRespostaConsultaValores(RedeRecarga rede) {
    ConsultaValor.limpa();
    if (rede == RedeRecarga::CorbanOS && !host::LeCampo(10323).isEmpty())
        return TrataRetornoConsultaValoresDadosPublisher();
    const int campo = rede == RedeRecarga::Bradesco   ? CAMPO_SERVICO_A
                      : rede == RedeRecarga::CorbanOS ? CAMPO_SERVICO_B
                                                      : CAMPO_SERVICO_C;
    const char servico = rede == RedeRecarga::Bradesco ? 'A' : rede == RedeRecarga::CorbanOS ? 'B' : 'C';
    const std::string texto = host::ProcuraServico(campo, servico, {}, TAMANHO_MAXIMO);
    if (texto.empty()) return false;
    return LeValores(rede, texto, RespostaConsultaValores);
}

bool LeCatalogo(std::string_view registro, TConsultaValor& destino) {
    destino.limpa();
    if (!registro.starts_with("017D")) return false;
    std::size_t pos = 4;
    TConsultaValor c;
    const auto lista = [&](auto& entradas, std::size_t largura, int maximo) {
        const auto n = Contagem(registro, pos, 2);
        if (!n || *n > maximo) return false;
        pos += 2;
        if (EntradasPresentes(registro, pos, largura, *n) != *n) return false;
        for (int i = 0; i < *n; ++i, pos += largura)
            entradas.emplace_back().atribui(registro.substr(pos, largura));
        return true;
    };
    if (!lista(c.Fixos, Catalogo::TAM_FIXO, Catalogo::MAX_FIXOS) ||
        !lista(c.Faixas, Catalogo::TAM_FAIXA, Catalogo::MAX_FAIXAS) ||
        !lista(c.NomesCategorias, Catalogo::TAM_CATEGORIA, Catalogo::MAX_CATEGORIAS) ||
        !lista(c.CategoriasOferecidas, Catalogo::TAM_CATEGORIA, Catalogo::MAX_CATEGORIAS))
        return false;
    destino = std::move(c);
    return true;
}

bool TrataRetornoConsultaValoresDadosPublisher() {
    return LeCatalogo(host::ProcuraServico(CAMPO_SERVICO_Q, 'Q', "017D", TAMANHO_MAXIMO), ConsultaValor);
}

bool ComparaCodigosCategorias(const QString& a, const QString& b) {
    const QString x = a.trimmed(), y = b.trimmed();
    if (SoDigitos(x) && SoDigitos(y)) return x.toInt() == y.toInt();
    return x.compare(y, Qt::CaseInsensitive) == 0;
}

QString ObtemDescricaoBonus(const QString& codigo) {
    const QString c = codigo.trimmed();
    if (!SoDigitos(c)) return {};
    switch (c.toInt()) {
    case 2:
        return QStringLiteral("Internet");
    case 3:
        return QStringLiteral("Minutos");
    case 4:
        return QStringLiteral("Torpedos");
    default:
        return {};
    }
}

QString CentralizaMensagem(const QString& texto, int largura) {
    const QString t = texto.trimmed().left(largura);
    return QString((largura - t.size()) / 2, QLatin1Char(' ')) + t;
}

void LimpaVariaveisGlobaisRecarga() {
    for (QString* v : {&v_bonus, &sCustoRecarga, &sPeriodoValidade, &sMsgInfoRecarga, &sBonusSms,
                       &sBonusPontos, &sChaveVlRecarga, &sValorBonusRecarga, &sPorcentagemBonusRecarga,
                       &sPeriodoValidadeBonus, &sDescricaoBonus, &sCategoriaRecarga})
        v->clear();
}

template <std::size_t N> void GuardaVariaveisRecarga(const Registro<N>& r) {
    using namespace Catalogo;
    const auto dinheiro = [](const QString& v) { return v.isEmpty() ? QString() : host::Dollar(v); };
    v_bonus = CampoCatalogo(r, Bonus);
    sValorBonusRecarga = dinheiro(v_bonus);
    sCustoRecarga = dinheiro(CampoCatalogo(r, Custo));
    sPeriodoValidade = CampoCatalogo(r, Validade);
    sMsgInfoRecarga = CampoCatalogo(r, Informacao);
    sBonusSms = CampoCatalogo(r, BonusSms);
    sBonusPontos = CampoCatalogo(r, BonusPontos);
    sChaveVlRecarga = CampoCatalogo(r, Chave);
    const QString porcentagem = CampoCatalogo(r, Porcentagem);
    sPorcentagemBonusRecarga =
        porcentagem.isEmpty() ? QString() : QStringLiteral("%1 % do Valor").arg(host::Dollar(porcentagem));
    sPeriodoValidadeBonus = CampoCatalogo(r, ValidadeBonus);
    sDescricaoBonus = ObtemDescricaoBonus(CampoCatalogo(r, TipoBonus));
    sCategoriaRecarga.clear();
    const QString categoria = CampoCatalogo(r, Categoria);
    for (const auto& nome : ConsultaValor.NomesCategorias)
        if (ComparaCodigosCategorias(nome.texto(0, 3), categoria)) {
            sCategoriaRecarga = nome.texto(3, 50).trimmed();
            break;
        }
}
template void GuardaVariaveisRecarga(const Registro<Catalogo::TAM_FIXO>&);
template void GuardaVariaveisRecarga(const Registro<Catalogo::TAM_FAIXA>&);

void TrataServicosHzinhoRecarga() {
    ServicoHzinho_RecargaCB_FormasPagto.limpa();
    ServicoHzinho_Tipo_Conta_Aceita_TEF_Debito_RecargaCB.limpa();
    ServicoHzinho_Coleta_Trilha.limpa();
    ServicoHzinho_Coleta_Senha.limpa();
    PercorreServicosHzinho([](const std::string& r) {
        const std::string_view tipo = Fatia(r, 0, 2);
        const std::string_view corpo = Fatia(r, 2, 63);
        if (tipo == "14")
            ServicoHzinho_RecargaCB_FormasPagto.atribui(corpo);
        else if (tipo == "15")
            ServicoHzinho_Tipo_Conta_Aceita_TEF_Debito_RecargaCB.atribui(corpo);
        else if (tipo == "16" || tipo == "17")
            GravaServicoHzinhoParametro(r);
        return true;
    });
}

void TrataRespostaRecarga() {
    const std::string r = host::LeCampoBytes(CAMPO_SERVICO_A);
    if (r.empty() || r.size() > 73) return;
    const auto t = [&](std::size_t de, std::size_t ate) { return Texto(r, de, ate - de + 1); };
    const QString mmdd = t(2, 5), hhmmss = t(6, 11);
    const QString ddmm = mmdd.mid(2, 2) + mmdd.left(2);
    host::Grava(1010, t(39, 58)) && host::Grava(1011, t(65, 67)) &&
        host::Grava(1012, QStringLiteral("241")) && host::Grava(1013, t(12, 23)) &&
        host::Grava(1015, ddmm + hhmmss) &&
        host::Grava(1020, ddmm + QString::number(QDate::currentDate().year())) && host::Grava(1021, hhmmss);
}

void GravaRedeConcessionariaRecarga() {
    const QString rede = host::LeCampo(1205);
    if (rede.isEmpty())
        host::LimpaCampo(10112);
    else
        host::Grava(10112, rede);
}

} // namespace Lumomain
