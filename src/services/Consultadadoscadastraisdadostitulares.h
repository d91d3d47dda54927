// Account opening, second step: the modality, the postal code, the holders' documents and dates, and their
// passwords on the PIN pad; the bank is asked for the registration data it holds of them, which the last
// step shows.
#pragma once

#include "frame/Coletavalortrn.h"
#include "protocol/Registro.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <array>

class QComboBox;
class QHideEvent;
class QLabel;
class QLineEdit;

namespace Consultadadoscadastraisdadostitulares {

// One modality the bank may open: its text, the person type and code the request carries, and whether the
// holder is a company (a CNPJ and a foundation date).
struct Modalidade {
    const char* texto;
    const char* tipoPessoa;
    const char* codigo;
    bool juridica;
    // Joint accounts take up to three holders.
    bool conjunta;
};

// The account types the parameter record offers ("Conta Corrente", "Conta Poupança"), in that order.
QStringList TiposAbertura(const Registro<42>& registro);
// The parameter record's number for a type (1 checking, 2 savings; 0 for any other).
int NumeroDoTipo(const Registro<42>& registro, int tipo);
// The modalities of that number, read as four bits (8 individual, 4 joint, 2 solidary, 1 company), in that
// order; only the last four bits count.
QList<Modalidade> Modalidades(int numero);
// A date of birth or foundation as typed (its digits DDMMYYYY): a real day, not after today, from 1900 on.
bool DataValida(const QString& texto, const QDate& hoje);

} // namespace Consultadadoscadastraisdadostitulares

class TFrmCnsDdCad_DdTit : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmCnsDdCad_DdTit(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    // One holder's group of fields.
    struct Titular {
        QLabel* lbGrupo = nullptr;
        QLabel* lbDocumento = nullptr;
        QLineEdit* edDocumento = nullptr;
        QLabel* lbData = nullptr;
        QLineEdit* edData = nullptr;
    };

    QLabel* lbModalidadeConta = nullptr;
    QComboBox* cbModalidadeConta = nullptr;
    QLabel* lbCEP = nullptr;
    QLineEdit* edCEP = nullptr;
    QLabel* lbNumeroTitulares = nullptr;
    QComboBox* cbNumeroTitulares = nullptr;
    std::array<Titular, 3> titulares;

protected:
    bool ConcluiConfirmacao() override;
    void hideEvent(QHideEvent* e) override;

private:
    void cbModalidadeContaChange();
    void cbNumeroTitularesChange();
    bool GrupoAtivo(int i) const;
    bool Juridica() const;
    int QuantidadeTitulares() const;
    // The warning, the panel back on and the focus on the field; a date field is emptied. Always false.
    bool Repete(const char* mensagem, QWidget* campo);
    // The other-services password, then each holder's; false when a pair did not match and was not tried
    // again, or the PIN pad failed (the chain is closing then).
    bool CapturaSenhasAberturaConta();
    // A typed and a re-typed password whose blocks must match; kept in 10167 at that occurrence.
    bool CapturaSenha(const char* digite, const char* redigite, int ocorrencia);

    QList<Consultadadoscadastraisdadostitulares::Modalidade> modalidades_;
};

extern TFrmCnsDdCad_DdTit* FrmCnsDdCad_DdTit;
