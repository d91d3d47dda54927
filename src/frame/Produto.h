// Choice of a product (a service basket) among those the bank's last reply offered in service 5.
#pragma once

#include "frame/Modelolumo.h"

class QLabel;
class QListWidget;
class QPushButton;

class TFrmProduto : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmProduto(QWidget* pai);

    QLabel* lbSelecao = nullptr;
    QListWidget* lbProdutos = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;
};

// A product offered by the reply: its code, its name and its monthly fee in cents.
struct ProdutoOferecido {
    QString codigo;
    QString nome;
    QString tarifa;
};
// The "PROD<n>:" elements of service 5, in order ("PRODX:", the customer's current product, is not offered).
std::vector<ProdutoOferecido> ProdutosOferecidos();

// Shows the products in the dialog (indice: the one selected at start, -1 for the first), with the message
// line, the selection text and the title; true when the operator chose one, whose code is then in field
// 10294. False when there was none to choose (1009 "255", "Sem Produto") or the operator returned (1009
// "FF").
bool VerificaTrataPrefixoMenu(int indice, TFrmProduto* dialogo, const QString& mensagem,
                              const QString& selecao, const QString& titulo);
