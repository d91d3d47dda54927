// Base of every menu: eight numbered options and "Encerra", disabling while work runs, and the automatic
// choice of a single available option (or the closing of a menu that has none).
#pragma once

#include "frame/Modelolumo.h"

#include "frame/Lumomain.h"

#include <array>
#include <initializer_list>
#include <memory>

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
    // Options 1, 2, ... with these texts, shown.
    void DefineOpcoes(std::initializer_list<const char*> textos);
    void HabilitaOpcao(int numero, bool habilita);
    // Connects option n to its handler.
    void LigaOpcao(int numero, std::function<void()> handler);
    // Binds the option buttons, from 1 on, to the menu's handlers in that order.
    template <class M> void LigaOpcoes(M* menu, std::initializer_list<void (M::*)()> handlers) {
        int numero = 1;
        for (const auto h : handlers)
            LigaOpcao(numero++, [menu, h] { (menu->*h)(); });
    }
    // The function is not offered here: the point of sale is told and the chain closes.
    void TransacaoNaoHabilitada();
    // After a sub-dialog: buttons back on unless the chain is closing.
    void ReabilitaSeContinua();
    // Common shape of an option that opens the next screen: buttons off, open it with this menu as caller,
    // buttons back on when it returned to this menu.
    template <class T> void AbreFormulario(T*& form, const char* nomeForm) {
        HabilitaDesabilitaBotoes(false);
        if (!CriaExecutaForm(this, form)) MensagemFalhaCriacao(nomeForm);
        ReabilitaSeContinua();
    }
    void MensagemFalhaCriacao(const char* nomeForm);
    // Options whose functions come with their own dialogs report, for now, that they are not enabled.
    void OpcaoNaoDisponivel();
};

// The menu switches: boolean keys of section "CorrespondenteBancario" of the host's "ClienteTrn.ini", read
// afresh at every enabling pass.
class ConfiguracaoMenu {
public:
    ConfiguracaoMenu();
    ~ConfiguracaoMenu();
    bool operator()(const char* chave, bool padrao = false) const;

private:
    std::unique_ptr<class IniFile> ini_;
};
