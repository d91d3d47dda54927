#include "paguefacil/Paguefacilconsultasegmentogrupo6.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace Paguefacilconsultasegmentogrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Paguefacilconsultasegmentogrupo6, TrnConsultaSegmento,
             Descritor(242, 0, {F(10112), F(10171), K("06"), F(10103), F(10158), F(10287)}));

} // namespace Paguefacilconsultasegmentogrupo6

using Lumomain::Icone;
using msg::Texto;
using PagueFacil::Catalogo;

namespace PagueFacil {

namespace {

// Where a catalogue's count and entries lie in its accumulated record, and how wide its code is.
struct Disposicao {
    std::size_t quantidade, inicio, largura, codigo;
};
constexpr Disposicao kSegmento{5, 7, 43, 3};
constexpr Disposicao kUF{8, 10, 42, 2};
constexpr Disposicao kEmpresaProduto{8, 10, 45, 5};
constexpr std::size_t kQtdeValores = 44;
constexpr std::size_t kInicioValores = 46;
constexpr std::size_t kLarguraValor = 12;

// A request never asks for more pages than the two digits of 10287 can number.
constexpr int kMaxPaginas = 99;

template <std::size_t N> QStringList ItensDe(const Registro<N>& r, const Disposicao& d) {
    QStringList itens;
    const int n = std::min(r.inteiro(d.quantidade, 2, 0), Lumomain::MAX_ENTRADAS_SERVICOQ_028);
    for (int i = 0; i < n; ++i) {
        const std::size_t pos = d.inicio + static_cast<std::size_t>(i) * d.largura;
        itens << r.texto(pos, d.codigo) + QStringLiteral(" - ") +
                     r.texto(pos + d.codigo, d.largura - d.codigo).trimmed();
    }
    return itens;
}

template <std::size_t N> void FixaQuantidade(Registro<N>& r, std::size_t pos, int n) {
    const QByteArray dois = QByteArray::number(std::clamp(n, 0, 99)).rightJustified(2, '0');
    std::copy_n(dois.constData(), 2, r.dados.begin() + static_cast<std::ptrdiff_t>(pos));
}

long long Centavos(const QString& texto) {
    bool ok = false;
    const long long v = texto.trimmed().toLongLong(&ok);
    return ok ? v : 0;
}

} // namespace

int Quantidade(Catalogo c) {
    using namespace Lumomain;
    switch (c) {
    case Catalogo::Segmento:
        return ServicoQ_TipoRegistro028_ConsultaSegmento.inteiro(kSegmento.quantidade, 2, 0);
    case Catalogo::UF:
        return ServicoQ_TipoRegistro028_ConsultaUF.inteiro(kUF.quantidade, 2, 0);
    case Catalogo::Empresa:
        return ServicoQ_TipoRegistro028_ConsultaEmpresa.inteiro(kEmpresaProduto.quantidade, 2, 0);
    case Catalogo::Produto:
        return ServicoQ_TipoRegistro028_ConsultaProduto.inteiro(kEmpresaProduto.quantidade, 2, 0);
    case Catalogo::Entrada:
        return static_cast<int>(ConsultaEntradaServicoQ.Entradas.size());
    case Catalogo::Valores:
        return static_cast<int>(Valores().size());
    }
    return 0;
}

QStringList Itens(Catalogo c) {
    using namespace Lumomain;
    switch (c) {
    case Catalogo::Segmento:
        return ItensDe(ServicoQ_TipoRegistro028_ConsultaSegmento, kSegmento);
    case Catalogo::UF:
        return ItensDe(ServicoQ_TipoRegistro028_ConsultaUF, kUF);
    case Catalogo::Empresa:
        return ItensDe(ServicoQ_TipoRegistro028_ConsultaEmpresa, kEmpresaProduto);
    case Catalogo::Produto:
        return ItensDe(ServicoQ_TipoRegistro028_ConsultaProduto, kEmpresaProduto);
    case Catalogo::Entrada: {
        QStringList itens;
        for (const auto& e : ConsultaEntradaServicoQ.Entradas)
            itens << e.Dados.texto(8, 3) + QStringLiteral(" - ") + e.Dados.texto(11, 20).trimmed();
        return itens;
    }
    case Catalogo::Valores: {
        QStringList itens;
        for (long long v : Valores())
            itens << host::Dollar(QString::number(v));
        return itens;
    }
    }
    return {};
}

std::vector<long long> Valores() {
    const auto& r = Lumomain::ServicoQ_TipoRegistro028_ConsultaValores;
    std::vector<long long> valores;
    const int n = r.inteiro(kQtdeValores, 2, 0);
    for (int i = 0; i < n; ++i) {
        const std::size_t pos = kInicioValores + static_cast<std::size_t>(i) * kLarguraValor;
        if (pos + kLarguraValor > r.dados.size()) break;
        valores.push_back(Centavos(r.texto(pos, kLarguraValor)));
    }
    return valores;
}

long long ValorMinimo() {
    return Centavos(Lumomain::ServicoQ_TipoRegistro028_ConsultaValores.texto(8, 12));
}

long long ValorMaximo() {
    return Centavos(Lumomain::ServicoQ_TipoRegistro028_ConsultaValores.texto(20, 12));
}

long long ValorTarifa() {
    return Centavos(Lumomain::ServicoQ_TipoRegistro028_ConsultaValores.texto(32, 12));
}

const Lumomain::TEntradaServicoQ* EntradaDoCodigo(const QString& codigo) {
    for (const auto& e : Lumomain::ConsultaEntradaServicoQ.Entradas)
        if (e.Dados.texto(8, 3) == codigo) return &e;
    return nullptr;
}

void PresetFinalizadoOperador() {
    host::Grava(1009, QStringLiteral("FF"));
    host::Grava(1027, Texto(msg::ErroFinalizadoOper));
}

int ConsultaPaginada(const TTabelaTrn& descritor, const char* modalidade, Catalogo destino, QObject* status) {
    host::Grava(10103, QStringLiteral("10"));
    host::Grava(10158, QLatin1String(modalidade));
    host::Grava(10287, QStringLiteral("01"));
    host::Grava(10155, QStringLiteral("0"));
    int codigo = 255;
    int pagina = 1;
    for (int volta = 0; volta < kMaxPaginas; ++volta) {
        host::AutorizaTransacao(descritor, status);
        codigo = host::CodigoResultado();
        if (codigo != 0) break;
        const bool lida = destino == Catalogo::Entrada
                              ? Lumomain::TrataServicoX_PagueFacil_Entrada()
                              : Lumomain::TrataServicoQ_028() && Lumomain::GravaDadosServicoQ_028();
        if (!lida) break;
        const int continua = host::LeCampoInteiro(10286, 0, -1);
        if (continua <= 0) break;
        if (continua == 1) host::Grava(10287, QStringLiteral("%1").arg(++pagina, 2, 10, QLatin1Char('0')));
    }
    // The entry list counts itself; the catalogues take the total the pages left in 10155.
    const int total = host::LeCampoInteiro(10155, 0, 0);
    using namespace Lumomain;
    switch (destino) {
    case Catalogo::Segmento:
        FixaQuantidade(ServicoQ_TipoRegistro028_ConsultaSegmento, kSegmento.quantidade, total);
        break;
    case Catalogo::UF:
        FixaQuantidade(ServicoQ_TipoRegistro028_ConsultaUF, kUF.quantidade, total);
        break;
    case Catalogo::Empresa:
        FixaQuantidade(ServicoQ_TipoRegistro028_ConsultaEmpresa, kEmpresaProduto.quantidade, total);
        break;
    case Catalogo::Produto:
        FixaQuantidade(ServicoQ_TipoRegistro028_ConsultaProduto, kEmpresaProduto.quantidade, total);
        break;
    case Catalogo::Valores:
        FixaQuantidade(ServicoQ_TipoRegistro028_ConsultaValores, kQtdeValores, total);
        break;
    case Catalogo::Entrada:
        break;
    }
    return codigo;
}

} // namespace PagueFacil

// ---------------------------------------------------------------------------------------------------------

namespace {
// The wait window has the list steps' parts but shows none of them.
const TFrmModPagueFacil_ConsSegmento::Passo kEspera{"FrmModPagueFacil_ConsSegmento",
                                                    msg::TituloConsultaSegmento,
                                                    "",
                                                    Catalogo::Segmento,
                                                    0,
                                                    0,
                                                    nullptr,
                                                    "1",
                                                    Catalogo::Segmento,
                                                    msg::MsgConsultaSegmentosComErro};
} // namespace

TFrmModPagueFacil_ConsSegmento::TFrmModPagueFacil_ConsSegmento(QWidget* pai)
    : TFrmModPagueFacil_ConsSegmento(pai, kEspera) {
    passo_ = nullptr;
    TConsulta = CriaClique([this] { ConsultaSegmento(); });
}

TFrmModPagueFacil_ConsSegmento::TFrmModPagueFacil_ConsSegmento(QWidget* pai, const Passo& passo)
    : TFrmColeta_Mod(pai, QLatin1String(passo.nome), {.caixa = QRect(41, 110, 540, 60)}), passo_(&passo) {
    lbLista = captura.Rotulo(QStringLiteral("lbLista"));
    cbLista = captura.Lista(QStringLiteral("cbLista"), Texto(msg::MsgTecladoReduzido));
    captura.Linha(0, lbLista, cbLista);
    CriaBotoes({cbLista});
}

bool TFrmModPagueFacil_ConsSegmento::Realiza_Consulta_Segmento() {
    sucesso_ = false;
    Executa();
    return sucesso_;
}

void TFrmModPagueFacil_ConsSegmento::FormShow() {
    TFrmColeta_Mod::FormShow();
    if (passo_) return;
    // The wait window: its message only, and the query once it is on screen.
    pnCaptura->hide();
    btConfirma->hide();
    btRetorna->hide();
    DefineTitulo(Texto(msg::TituloConsultaSegmento));
    DefineMensagem(Texto(msg::InfoConsultaSegmento));
    // A window manager may never activate a window it did not open itself: showing is enough to start.
    if (!iniciou_) {
        iniciou_ = true;
        TConsulta->start();
    }
}

void TFrmModPagueFacil_ConsSegmento::FormActivate() {
    TFrmColeta_Mod::FormActivate();
    if (!passo_ && !iniciou_) {
        iniciou_ = true;
        TConsulta->start();
    }
}

void TFrmModPagueFacil_ConsSegmento::ConsultaSegmento() {
    // Closed before the timer fired: nothing is sent.
    if (ModalResult() != mrNone) return;
    const QString nome = QStringLiteral("Realiza_Consulta_Segmento.");
    host::GravaAudit(QStringLiteral("Entrou: ") + nome);
    Lumomain::ProcessaMensagens();
    const int codigo = PagueFacil::ConsultaPaginada(Paguefacilconsultasegmentogrupo6::TrnConsultaSegmento,
                                                    "1", Catalogo::Segmento, lbMensagem);
    if ((codigo == 0 || codigo == 1) && PagueFacil::Quantidade(Catalogo::Segmento) > 0) {
        PagueFacil::PresetFinalizadoOperador();
        sucesso_ = true;
        host::GravaAudit(QStringLiteral("Saiu: ") + nome);
        Volta();
        return;
    }
    Lumomain::MostraMensagem(Icone::Aviso, Texto(msg::MsgErroConsultaSegmento), this);
    QString texto = host::LeCampo(20013).trimmed();
    if (texto.isEmpty()) texto = Texto(msg::MsgConsultaSegmentosComErro);
    host::EnviaArquivoErroPDV(255, texto);
    host::GravaAudit(QStringLiteral("Saiu Erro: ") + nome);
    setModalResult(mrOk);
}

void TFrmModPagueFacil_ConsSegmento::IniciaCamposForm() {
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    if (!passo_) return;
    DefineTitulo(QString::fromUtf8(passo_->titulo));
    lbLista->setText(QString::fromUtf8(passo_->rotulo));
    cbLista->clear();
    cbLista->addItems(PagueFacil::Itens(passo_->mostra));
    // The first item is chosen already: "2" and "8" move from it.
    cbLista->setCurrentIndex(cbLista->count() > 0 ? 0 : -1);
}

bool TFrmModPagueFacil_ConsSegmento::ValidaCamposForm() {
    if (cbLista->currentIndex() >= 0) return true;
    ExibeMsgErroRepeteCampo(Texto(msg::MsgTecladoReduzido), cbLista, pnCaptura);
    return false;
}

bool TFrmModPagueFacil_ConsSegmento::GravaCamposHostlink() {
    if (!passo_ || passo_->campo == 0) return true;
    return host::Grava(passo_->campo, cbLista->currentText().left(passo_->tamanho));
}

bool TFrmModPagueFacil_ConsSegmento::ExecutaConsulta(const TTabelaTrn& descritor, const char* modalidade,
                                                     Catalogo destino, const char* semDados,
                                                     bool usaServicoM) {
    DefineMensagem(Texto(msg::MsgEmProcessamento));
    Lumomain::ProcessaMensagens();
    Descritor = &descritor;
    const int codigo = PagueFacil::ConsultaPaginada(descritor, modalidade, destino, lbMensagem);
    if ((codigo == 0 || codigo == 1) && PagueFacil::Quantidade(destino) > 0) {
        PagueFacil::PresetFinalizadoOperador();
        return true;
    }
    const QString servidor = host::LeCampo(20013).trimmed();
    if (!servidor.isEmpty()) Lumomain::MostraMensagem(Icone::Aviso, servidor, this);
    QString texto = usaServicoM ? Lumomain::TrataServicoM_PagueFacil().trimmed() : servidor;
    // A request that got no answer keeps the reason the host gave it.
    if (texto.isEmpty() && !usaServicoM && codigo != 0 && codigo != 1) texto = host::LeCampo(1027).trimmed();
    if (texto.isEmpty()) texto = Texto(semDados);
    Encerra(QStringLiteral("FF"), texto);
    return false;
}

bool TFrmModPagueFacil_ConsSegmento::ConcluiConfirmacao() {
    if (!passo_ || !passo_->consulta) return true;
    if (!ExecutaConsulta(*passo_->consulta, passo_->modalidade, passo_->traz, passo_->semDados)) return false;
    AbreProximo();
    // Back from the next step: this list again, for another choice.
    return ModalResult() == mrOk;
}
