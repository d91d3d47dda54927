// Cheque list of a deposit: one row per cheque, its first printed line typed field by field or its CMC-7
// line read or typed, and its value; the values must add up to the cheque total of the deposit.
#pragma once

#include "frame/Coletavalortrn.h"

#include <QString>
#include <QStringList>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace Coletadadoscheque {

// A typed value as cents: "," or "." separates up to two decimal places; -1 when nothing was typed.
long long CentavosDigitados(const QString& texto);

// What is wrong with a row (1-based) of cells: empty when it is complete and its value (the last cell, in
// cents) is above zero.
QString ErroLinha(int linha, const QStringList& celulas);

} // namespace Coletadadoscheque

class TFrmColetaDadosChq : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmColetaDadosChq(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbTipoEntrada = nullptr;
    QComboBox* cbTipoEntrada = nullptr;
    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;
    QTableWidget* sgColetaDadosChq = nullptr;
    QTableWidget* sgCMC7 = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    // The entry type of the selected item (0, 1 or 2); -1 with none.
    int TipoSelecionado() const;
    QTableWidget* GradeAtiva() const;
    void MostraGrade(int tipo);
    // Leaving the type list: its grid shown and focused at the first cell, the list locked.
    void SaiTipoEntrada();
    bool TeclaGrade(QTableWidget* grade, const QKeyEvent* k);
    QStringList Celulas(const QTableWidget* grade, int linha) const;
    bool ValidaLinha(QTableWidget* grade, int linha);
};
