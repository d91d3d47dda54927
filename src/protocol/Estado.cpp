#include "protocol/Estado.h"

#include "host/Host.h"

namespace Lumomain {

bool TrnADM = false;
bool TrnCNC = false;
int IndiceAtual = 0;
int QtdeDocsConsultadosOK = 0;
std::array<char, 4> Forma_Pagto{};
QString GrupoPagto;
QString VERSAO_DO_MODULO;
std::array<char, 129> TITULO_APLICACAO{};
QString VERSAO_DO_VORTA_CB;
uintptr_t janelaAplicacao = 0;
bool bPinpadCBAberto = false;
bool bPinpadCBNaoBradescoHabilitado = false;
int NumeroLinhaRecorteAqui = 0;
int NumeroLinhasCupomTEF = 0;
bool gb_CapturaValorTotalLUMO = false;
bool bStatusCapturaSenha = false;

namespace {
MostraAviso mostraAviso = nullptr;
} // namespace

void DefineMostraAviso(MostraAviso mostra) {
    mostraAviso = mostra;
}

void Avisa(const QString& texto, const QString& titulo) {
    if (mostraAviso)
        mostraAviso(texto, titulo);
    else
        host::GravaAudit(QStringLiteral("Aviso: ") + texto);
}

} // namespace Lumomain
