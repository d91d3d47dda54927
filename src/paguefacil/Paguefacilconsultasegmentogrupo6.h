// Pague Fácil catalogue queries: the segment query that starts the function, and the base of the list steps
// after it (segment, state, company, product, entry type). Each step lists the catalogue the step before
// brought, writes the chosen code and asks the server for the next catalogue, page after page.
#pragma once

#include "basekit.h"
#include "frame/Coletavalortrn.h"
#include "protocol/ServicosResposta.h"

#include <QStringList>

#include <vector>

class QLabel;
class QTimer;

namespace Paguefacilconsultasegmentogrupo6 {

extern const TTabelaTrn TrnConsultaSegmento;

} // namespace Paguefacilconsultasegmentogrupo6

namespace PagueFacil {

// The catalogues the server sends, as the module keeps them between the steps.
enum class Catalogo { Segmento, UF, Empresa, Produto, Entrada, Valores };

// The catalogue's entry count as its record holds it (0 when not a number).
int Quantidade(Catalogo c);
// The entries as the lists show them: code + " - " + name, the name's padding dropped.
QStringList Itens(Catalogo c);
// The values offered (cents, in the server's order), and the range and fee that came with them.
std::vector<long long> Valores();
long long ValorMinimo();
long long ValorMaximo();
long long ValorTarifa();
// The entry of that code (the one at 8 of the entry record); nullptr when the list has none.
const Lumomain::TEntradaServicoQ* EntradaDoCodigo(const QString& codigo);

// From the first catalogue on, a call the operator abandons is reported as such, whatever a query replied.
void PresetFinalizadoOperador();

// The paged query of one step: the request sent while the reply says more pages follow (10286 = 1), each
// page accumulated into the step's catalogue, the page number (10287) counting from "01". Returns the last
// reply's code (255 when none); the catalogue's count is fixed from 10155 afterwards.
int ConsultaPaginada(const TTabelaTrn& descritor, const char* modalidade, Catalogo destino, QObject* status);

} // namespace PagueFacil

class TFrmModPagueFacil_ConsSegmento : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmModPagueFacil_ConsSegmento(QWidget* pai);

    // Runs the segment query with this window on screen; true when segments came.
    bool Realiza_Consulta_Segmento();

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbLista = nullptr;
    Partes::ListaTeclado* cbLista = nullptr;

    // What a list step shows, writes and asks next.
    struct Passo {
        const char* nome;
        const char* titulo;
        const char* rotulo;
        PagueFacil::Catalogo mostra;
        int campo;   // the host field of the chosen code
        int tamanho; // the code's width at the head of the item
        const TTabelaTrn* consulta;
        const char* modalidade;
        PagueFacil::Catalogo traz;
        const char* semDados; // the step's own text for an empty or refused catalogue
    };

protected:
    TFrmModPagueFacil_ConsSegmento(QWidget* pai, const Passo& passo);

    // The query of the step and the next screen; false keeps this one open (the next one came back) or the
    // chain is already closing.
    bool ConcluiConfirmacao() override;
    // Opens the step after this one.
    virtual void AbreProximo() {}
    // Runs the step's paged query; on a refusal or an empty catalogue the chain ends with the server's text,
    // the reply's service M when usaServicoM, or semDados. False then.
    bool ExecutaConsulta(const TTabelaTrn& descritor, const char* modalidade, PagueFacil::Catalogo destino,
                         const char* semDados, bool usaServicoM = false);

    void FormShow() override;
    void FormActivate() override;

private:
    void ConsultaSegmento();

    const Passo* passo_ = nullptr; // none: the segment query's wait window
    QTimer* TConsulta = nullptr;
    bool iniciou_ = false;
    bool sucesso_ = false;
};
