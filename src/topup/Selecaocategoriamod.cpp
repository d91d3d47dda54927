#include "topup/Selecaocategoriamod.h"

#include "frame/Lumomain.h"
#include "frame/Partes.h"
#include "host/Host.h"
#include "protocol/ServicosRecarga.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QPushButton>

using msg::Texto;
using namespace Lumomain;

namespace {

const QString kAuditEntrou = QStringLiteral("btConfirmaClick - Frm_SelCategoriaMod - Entrou");
const QString kAuditSaiu = QStringLiteral("btConfirmaClick - Frm_SelCategoriaMod - Saiu");

} // namespace

TFrm_SelCategoriaMod::TFrm_SelCategoriaMod(QWidget* pai, const QString& nome)
    : TFrmColeta_Mod(pai, nome, {.caixa = QRect(40, 140, 540, 60)}) {
    lbCategoria = captura.Rotulo(QStringLiteral("lbCategoria"));
    cb_Categorias =
        captura.Lista(QStringLiteral("cb_Categorias"),
                      Texto(msg::MsgSelecioneCategoria) + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
    captura.Linha(0, lbCategoria, cb_Categorias);
    CriaBotoes({cb_Categorias});
}

void TFrm_SelCategoriaMod::IniciaCamposForm() {
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    lbCategoria->setText(Texto(msg::InfoCategoria));
    cb_Categorias->clear();
    const auto& oferecidas = ConsultaValor.CategoriasOferecidas;
    for (const auto& nome : ConsultaValor.NomesCategorias)
        for (size_t i = 0; i < oferecidas.size(); ++i)
            if (ComparaCodigosCategorias(nome.texto(0, 3), oferecidas[i].texto(0, 3)))
                cb_Categorias->addItem(nome.texto(3, 50).trimmed(), static_cast<int>(i));
    cb_Categorias->setCurrentIndex(-1);
}

bool TFrm_SelCategoriaMod::ValidaCamposForm() {
    host::GravaAudit(kAuditEntrou);
    if (cb_Categorias->currentIndex() >= 0) return true;
    MostraMensagem(Icone::Nenhum, Texto(msg::MsgSelecioneCategoria), this);
    HabilitaCaptura(true);
    cb_Categorias->setFocus();
    host::GravaAudit(kAuditSaiu);
    return false;
}

bool TFrm_SelCategoriaMod::ConcluiConfirmacao() {
    const int i = cb_Categorias->currentData().toInt();
    ConsultaValor.CategoriaSelecionada.atribui(
        host::paraLatin1(ConsultaValor.CategoriasOferecidas[static_cast<size_t>(i)].texto(0, 3)));
    ChamaProximoFormulario();
    const bool encerrou = ModalResult() != mrNone;
    if (!encerrou) {
        HabilitaCaptura(true);
        FocaPrimeiroControle();
    }
    host::GravaAudit(kAuditSaiu);
    return encerrou;
}
