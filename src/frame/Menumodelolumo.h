// Base of every menu: eight numbered options and "Encerra", disabling while work runs, and the automatic choice
// of a single available option (or the closing of a menu that has none).
#pragma once

#include "frame/Modelolumo.h"

#include <array>

class QFrame;
class QPushButton;
class QTimer;

class TFrmMnu_Mod : public TFrmMod {
    Q_OBJECT
public:
    TFrmMnu_Mod(QWidget* pai, const QString& nome);

    void HabilitaDesabilitaBotoes(bool habilita);
    void VerificaSomente1Opcao();
    void spEncerraClick();
    void TCliqueTimer();
    bool TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    bool ConfirmaNomeProprietario(const QString& nome);
    bool TrataConfirmacaoProprietarioCartaoPrePago();

    QFrame* pnMenu = nullptr;
    std::array<QPushButton*, 8> spOpcao{};
    QPushButton* spEncerra = nullptr;
    QTimer* TClique = nullptr;
    // The automatic choice happens at most once per menu instance.
    bool ClicouOpcao = false;
    // Result of VerificaSomente1Opcao for the timer: 0 no option, 1 one option.
    int Tag = 0;

protected:
    // Captions and visibility of the options; then which of them are enabled.
    virtual void IniciaFormularioMenu() = 0;
    virtual void VerificaOpcoesHabilitadas() = 0;

    bool FormCreate() override;
    void FormShow() override;
    void FormActivate() override;

    // Caption "&n - texto", shown.
    void DefineOpcao(int numero, const QString& texto);
    void HabilitaOpcao(int numero, bool habilita);
    // Connects option n to its handler.
    void LigaOpcao(int numero, std::function<void()> handler);
    // The function is not offered here: the point of sale is told and the chain closes.
    void TransacaoNaoHabilitada();
    // After a sub-dialog: buttons back on unless the chain is closing.
    void ReabilitaSeContinua();
};
