#include "queries/Consultabeneficioinss.h"

#include "frame/Partes.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// The panel holds up to four rows: the agency/account form's fields.
const QRect kPainel(61, 80, 500, 140);

// The benefit query is the one request of its family that goes with the authorisation's flag set.
constexpr int FLAG_CONSULTA_BENEFICIO = 1;

} // namespace

TFrmCnsBnINSS_Trn::TFrmCnsBnINSS_Trn(QWidget* pai, const QString& nome)
    : TFrmColeta_Mod(pai, nome, {.caixa = kPainel}) {}

bool TFrmCnsBnINSS_Trn::FormCreate() {
    // Every field exists now: the buttons follow them in the focus chain.
    CriaBotoes({});
    return TFrmColeta_Mod::FormCreate();
}

QLineEdit* TFrmCnsBnINSS_Trn::CriaCampo(const QString& nome, int tamanho, const char* dica) {
    return captura.Campo(nome, tamanho, Partes::Entrada::Digitos, msg::Texto(dica));
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
    // The host reads the outcome from its fields, approved or not: the dialog closes, keys and all.
    return true;
}
