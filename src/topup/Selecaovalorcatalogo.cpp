#include "topup/Selecaovalorcatalogo.h"

#include "frame/Partes.h"
#include "host/Host.h"
#include "protocol/Estado.h"
#include "protocol/ServicosRecarga.h"
#include "resources/Mensagens.h"
#include "topup/Formaspagtorecarga.h"
#include "topup/Valorvariavelcelular.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using msg::Texto;
using namespace Lumomain;
namespace C = Lumomain::Catalogo;

TFrmSelValNew_Cap* FrmSelValNew_Cap = nullptr;

namespace {

// The item data of a range: its index among the ranges past this mark, a fixed value's index below it.
constexpr int kMarcaFaixa = 1000;
const QString kAuditEntrou = QStringLiteral("btConfirmaClick - FrmSelVar_Cap - Entrou");
const QString kAuditSaiu = QStringLiteral("btConfirmaClick - FrmSelVar_Cap - Saiu");
constexpr int kLarguraCentro = 47;

QString Dinheiro(const QString& v) {
    return host::Dollar(QString::number(v.toLongLong()));
}

bool DaCategoria(const QString& codigo) {
    const QString selecionada = ConsultaValor.CategoriaSelecionada.texto(0, 3).trimmed();
    return selecionada.isEmpty() || ComparaCodigosCategorias(codigo, selecionada);
}

} // namespace

TFrmSelValNew_Cap::TFrmSelValNew_Cap(QWidget* pai)
    : TFrmCapCel_Mod(pai, QString(), {.caixa = QRect(40, 52, 540, 44)}) {
    lbValor = captura.Rotulo(QStringLiteral("lbValor"));
    cb_Valores =
        captura.Lista(QStringLiteral("cb_Valores"),
                      Texto(msg::MsgValorRecargaCelular) + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
    captura.Linha(0, lbValor, cb_Valores, 250);
    // The summary is the information panel of the entry selected.
    PosicionaResumo(QRect(40, 100, 540, 210));
    CriaBotoes({cb_Valores});
    connect(cb_Valores, &QComboBox::currentIndexChanged, this, [this] { cb_ValoresChange(); });
}

void TFrmSelValNew_Cap::IniciaCamposForm() {
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    DefineTitulo(Texto(msg::TituloSelecaoValores));
    lbValor->setText(Texto(msg::InfoValorTransacao));
    qtdeFixosListados_ = qtdeFaixasListadas_ = 0;
    LimpaVariaveisGlobaisRecarga();
    MemoResumoCartao->clear();
    const QSignalBlocker bloqueio(cb_Valores);
    cb_Valores->clear();
    const QString brancos(5, QLatin1Char(' '));
    for (size_t i = 0; i < ConsultaValor.Fixos.size(); ++i) {
        const auto& r = ConsultaValor.Fixos[i];
        if (!DaCategoria(CampoCatalogo(r, C::Categoria))) continue;
        cb_Valores->addItem(brancos + Dinheiro(CampoCatalogo(r, C::Valor)), static_cast<int>(i));
        ++qtdeFixosListados_;
    }
    for (size_t i = 0; i < ConsultaValor.Faixas.size(); ++i) {
        const auto& r = ConsultaValor.Faixas[i];
        if (!DaCategoria(CampoCatalogo(r, C::Categoria))) continue;
        cb_Valores->addItem(brancos + QStringLiteral("de %1 a %2")
                                          .arg(Dinheiro(CampoCatalogo(r, C::Minimo)).trimmed(),
                                               Dinheiro(CampoCatalogo(r, C::Maximo)).trimmed()),
                            kMarcaFaixa + static_cast<int>(i));
        ++qtdeFaixasListadas_;
    }
    cb_Valores->setCurrentIndex(-1);
}

template <std::size_t N> QStringList TFrmSelValNew_Cap::Informacao(const Registro<N>& r) const {
    const bool faixa = N == C::TAM_FAIXA;
    QStringList l;
    const auto linha = [&l](const char* rotulo, const QString& valor) {
        if (!valor.isEmpty()) l << Texto(rotulo) + QLatin1Char(' ') + valor;
    };
    const auto dias = [](const QString& v) {
        return v.isEmpty() ? QString() : v + QLatin1Char(' ') + Texto(msg::MsgDias);
    };
    if (faixa) {
        linha(msg::TituloValorMinimo, Dinheiro(CampoCatalogo(r, C::Minimo)));
        linha(msg::TituloValorMaximo, Dinheiro(CampoCatalogo(r, C::Maximo)));
    } else if (!CampoCatalogo(r, C::Valor).isEmpty()) {
        linha(msg::InfoValorRecarga, Dinheiro(CampoCatalogo(r, C::Valor)));
    }
    linha(msg::InfoPeriodoValidadeRecarga, dias(CampoCatalogo(r, C::Validade)));
    const QString codigo = CampoCatalogo(r, C::Categoria);
    for (const auto& nome : ConsultaValor.NomesCategorias)
        if (!codigo.isEmpty() && ComparaCodigosCategorias(nome.texto(0, 3), codigo)) {
            l << CentralizaMensagem(QLatin1Char('(') + nome.texto(3, 50).trimmed() + QLatin1Char(')'),
                                    kLarguraCentro);
            break;
        }
    const QString bonusValor = CampoCatalogo(r, C::Bonus);
    const QString porcentagem = CampoCatalogo(r, C::Porcentagem);
    const QString bonus = !bonusValor.isEmpty() ? Dinheiro(bonusValor)
                          : !porcentagem.isEmpty()
                              ? QStringLiteral("%1 % do Valor").arg(Dinheiro(porcentagem))
                              : QString();
    if (!bonus.isEmpty()) {
        const QString descricao = ObtemDescricaoBonus(CampoCatalogo(r, C::TipoBonus));
        l << (descricao.isEmpty() ? Texto(msg::InfoBonus) : Formata(msg::InfoBonusGenerico, {descricao})) +
                 QLatin1Char(' ') + bonus;
    }
    linha(msg::InfoPeriodoValidadeBonus, dias(CampoCatalogo(r, C::ValidadeBonus)));
    if (!faixa) {
        linha(msg::InfoBonusSms, CampoCatalogo(r, C::BonusSms));
        linha(msg::InfoBonusPontos, CampoCatalogo(r, C::BonusPontos));
    }
    if (!CampoCatalogo(r, C::Custo).isEmpty())
        linha(msg::InfoCustoRecarga, Dinheiro(CampoCatalogo(r, C::Custo)));
    const QString info = CampoCatalogo(r, C::Informacao);
    if (!info.isEmpty()) l << CentralizaMensagem(info, kLarguraCentro);
    return l;
}

void TFrmSelValNew_Cap::cb_ValoresChange() {
    MemoResumoCartao->clear();
    if (cb_Valores->currentIndex() < 0) return;
    const int dado = cb_Valores->currentData().toInt();
    AcrescentaResumo(dado >= kMarcaFaixa
                         ? Informacao(ConsultaValor.Faixas[static_cast<size_t>(dado - kMarcaFaixa)])
                         : Informacao(ConsultaValor.Fixos[static_cast<size_t>(dado)]));
}

bool TFrmSelValNew_Cap::ValidaCamposForm() {
    host::GravaAudit(kAuditEntrou);
    if (cb_Valores->currentIndex() >= 0) {
        DefineMensagem(Texto(msg::MsgEmProcessamento));
        return true;
    }
    ExibeMsgErroRepeteCampo(Texto(msg::MsgValorRecargaCelular), cb_Valores, pnCaptura);
    host::GravaAudit(kAuditSaiu);
    return false;
}

bool TFrmSelValNew_Cap::ConcluiConfirmacao() {
    const int dado = cb_Valores->currentData().toInt();
    bool encerrou = false;
    if (dado >= kMarcaFaixa) {
        Tag = dado - kMarcaFaixa;
        GuardaVariaveisRecarga(ConsultaValor.Faixas[static_cast<size_t>(Tag)]);
        iIndiceFaixaRecarga = Tag;
        encerrou = AbreProximo(FrmValVarCel_Cap);
    } else {
        Tag = dado;
        iIndiceValorRecarga = -1;
        const auto& r = ConsultaValor.Fixos[static_cast<size_t>(Tag)];
        const QString valor = Dinheiro(CampoCatalogo(r, C::Valor));
        GuardaVariaveisRecarga(r);
        if (!host::Grava(1003, host::RemoveFormato(valor)) ||
            !host::Grava(1256, host::RemoveFormato(sCustoRecarga)) || !host::Grava(10332, sChaveVlRecarga)) {
            host::GravaAudit(kAuditSaiu);
            return false;
        }
        const auto confirmacao = ConfirmaTelefonePinpad(valor);
        if (confirmacao == Confirmacao::Confirmada && VerificaTrataTarifaRecarga(sCustoRecarga))
            encerrou = AbreProximo(FrmFPagCel_Mnu);
        else
            encerrou = ModalResult() == mrOk;
    }
    if (!encerrou) {
        Retoma();
        cb_Valores->setFocus();
    }
    host::GravaAudit(kAuditSaiu);
    return encerrou;
}

void TFrmSelValNew_Cap::done(int resultado) {
    if (resultado == mrCancel) Tag = -1;
    TFrmCapCel_Mod::done(resultado);
}
