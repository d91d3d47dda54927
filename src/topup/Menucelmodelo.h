// Base of the top-up's menus: a menu with the summary of the top-up beside its options.
#pragma once

#include "frame/Menumodelolumo.h"

#include <QStringList>

class QPlainTextEdit;

class TFrmMnuCel_Mod : public TFrmMnu_Mod {
    Q_OBJECT
public:
    QPlainTextEdit* MemoResumoCartao = nullptr;

protected:
    template <class M, size_t N>
    TFrmMnuCel_Mod(QWidget* pai, const QString& nome, const char* titulo, const Opcao<M> (&opcoes)[N],
                   const char* mensagem)
        : TFrmMnu_Mod(pai, nome, titulo, opcoes, mensagem) {
        CriaResumo();
    }
    void MostraResumo(const QStringList& linhas);

private:
    void CriaResumo();
};
