#include "queries/Consultabeneficioinss.h"

#include "frame/Coletacampocartao.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// The panel holds up to five rows: the agency/account form's fields.
const QRect kPainel(61, 80, 500, 170);
constexpr int kAlturaLinha = 31;
constexpr int kAlturaCampo = 26;

// The benefit query is the one request of its family that goes with the authorisation's flag set.
constexpr int FLAG_CONSULTA_BENEFICIO = 1;

} // namespace

TFrmCnsBnINSS_Trn::TFrmCnsBnINSS_Trn(QWidget* pai, const QString& nome)
    : TFrmColeta_Mod(pai, nome, kPainel) {}

bool TFrmCnsBnINSS_Trn::FormCreate() {
    // Every field exists now: the buttons follow them in the focus chain.
    CriaBotoes({});
    return TFrmColeta_Mod::FormCreate();
}

QLabel* TFrmCnsBnINSS_Trn::CriaRotulo(const QString& nome, const char* texto) {
    auto* rotulo = new QLabel(msg::Texto(texto), pnCaptura);
    rotulo->setObjectName(nome);
    return rotulo;
}

QLineEdit* TFrmCnsBnINSS_Trn::CriaCampo(const QString& nome, int tamanho, const char* dica) {
    auto* edit = new QLineEdit(pnCaptura);
    edit->setObjectName(nome);
    edit->setMaxLength(tamanho);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->installEventFilter(this);
    DefineDica(edit, msg::Texto(dica));
    return edit;
}

void TFrmCnsBnINSS_Trn::PosicionaLinha(int linha, QLabel* rotulo, QWidget* controle, int largura) {
    const int y = 8 + linha * kAlturaLinha;
    if (rotulo) {
        rotulo->setGeometry(20, y, 170, kAlturaCampo);
        controle->setGeometry(200, y, largura, kAlturaCampo);
    } else {
        controle->setGeometry(ultimoDaLinha_->geometry().right() + 10, y, largura, kAlturaCampo);
    }
    ultimoDaLinha_ = controle;
}

bool TFrmCnsBnINSS_Trn::eventFilter(QObject* objeto, QEvent* e) {
    if (e->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(objeto) &&
        Coletacampocartao::RecusaTeclaNumerica(static_cast<QKeyEvent*>(e)))
        return true;
    return TFrmColeta_Mod::eventFilter(objeto, e);
}

bool TFrmCnsBnINSS_Trn::RepeteCampo(const char* mensagem, QLineEdit* campo) {
    ExibeMsgErroRepeteCampo(msg::Texto(mensagem), campo, pnCaptura);
    if (campo->hasFocus()) campo->selectAll();
    return false;
}

bool TFrmCnsBnINSS_Trn::GravaCamposHostlink() {
    return TFrmColeta_Mod::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("11"));
}

bool TFrmCnsBnINSS_Trn::GravaIdentificacao(const char* tipo, const QString& identificacao) {
    return host::Grava(10167, QLatin1String(tipo)) && host::Grava(10290, identificacao);
}

bool TFrmCnsBnINSS_Trn::ConcluiConfirmacao() {
    bControlaKeyPreview = false;
    host::AutorizaTransacao(Tabelatrn::TrnConsultaBeneficioINSS, lbMensagem, FLAG_CONSULTA_BENEFICIO);
    bControlaKeyPreview = true;
    // The host reads the outcome from its fields, approved or not.
    return true;
}
