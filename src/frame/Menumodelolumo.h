// Base of every menu. A menu declares its options as rows (caption, configuration keys, enabling rule,
// handler); the base builds the buttons from them, offers each option by its row at every enabling pass, runs
// each handler with the buttons off and brings them back after it, and makes the automatic choice of a single
// available option (or closes a menu that has none).
#pragma once

#include "frame/Modelolumo.h"

#include "frame/Lumomain.h"
#include "frame/Passosmenu.h"

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

class IniFile;
class QFrame;
class QPushButton;
class QTimer;

namespace Menumodelolumo {

// The switches that offer an option: boolean keys of section "CorrespondenteBancario" of the host's
// "ClienteTrn.ini", read afresh at every enabling pass. Any of them on offers the option; an option with none
// is not switched.
struct Chaves {
    constexpr Chaves() = default;
    // seAusente: what the key reads as when the file does not have it.
    constexpr Chaves(const char* chave, bool seAusente = false) : nomes{chave}, padrao(seAusente) {}
    constexpr Chaves(const char* a, const char* b, const char* c = nullptr) : nomes{a, b, c} {}
    std::array<const char*, 3> nomes{};
    bool padrao = false;
};

// Whether option numero (from 1) is offered, given whether its switches are on (true when it has none).
using Regra = bool (*)(int numero, bool chaves);
// The rules of the operation mode: in both, outside the cancellation mode (TrnCNC), only in it.
bool QualquerModo(int numero, bool chaves);
bool ForaCNC(int numero, bool chaves);
bool SoCNC(int numero, bool chaves);

// One option of menu M, numbered by its place in the menu's table. The caption follows "&n - ". The handler
// runs with the buttons off; it returns false when it stopped midway and the buttons are to stay off (a
// request field that could not be written), true otherwise: then the buttons come back unless the menu is
// closing.
template <class M> struct Opcao {
    const char* texto;
    Chaves chaves;
    Regra regra;
    bool (M::*acao)();
};

// The switches as one enabling pass reads them: the file is read at the first key asked for.
class Configuracao {
public:
    Configuracao();
    ~Configuracao();
    bool operator()(const char* chave, bool padrao) const;

private:
    mutable std::unique_ptr<IniFile> ini_;
};

} // namespace Menumodelolumo

class TFrmMnu_Mod : public TFrmMod {
    Q_OBJECT
public:
    template <class M> using Opcao = Menumodelolumo::Opcao<M>;

    void HabilitaDesabilitaBotoes(bool habilita);
    void VerificaSomente1Opcao();
    void spEncerraClick();
    void TCliqueTimer();
    bool TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    bool ConfirmaNomeProprietario(const QString& nome);
    bool TrataConfirmacaoProprietarioCartaoPrePago();

    // Whether any of these options would be offered now, without a menu on screen.
    template <class M, size_t N> static bool AlgumaOferecida(const Opcao<M> (&opcoes)[N]) {
        const Menumodelolumo::Configuracao configuracao;
        for (size_t i = 0; i < N; ++i)
            if (Oferecida(i, opcoes[i].chaves, opcoes[i].regra, configuracao)) return true;
        return false;
    }

    QFrame* pnMenu = nullptr;
    std::array<QPushButton*, 8> spOpcao{};
    QPushButton* spEncerra = nullptr;
    QTimer* TClique = nullptr;
    // The automatic choice happens at most once per menu instance.
    bool ClicouOpcao = false;
    // Result of VerificaSomente1Opcao for the timer: 0 no option, 1 one option.
    int Tag = 0;

protected:
    // A menu of name nome titled titulo (none: the form's own title) with these options, in this order;
    // mensagem, when given, is the operator message it shows instead of "Selecione a opção desejada".
    template <class M, size_t N>
    TFrmMnu_Mod(QWidget* pai, const QString& nome, const char* titulo, const Opcao<M> (&opcoes)[N],
                const char* mensagem = nullptr)
        : TFrmMnu_Mod(pai, nome, titulo, mensagem) {
        static_assert(N >= 1 && N <= 8, "a menu has one to eight options");
        for (const Opcao<M>& o : opcoes)
            opcoes_.push_back({o.texto, o.chaves, o.regra, static_cast<bool (TFrmMnu_Mod::*)()>(o.acao)});
    }

    // Title and captions from the rows. A menu that sets more at creation extends it.
    virtual void IniciaFormularioMenu();
    // Each option enabled by its row. A menu whose offer depends on more than its rows extends it.
    virtual void VerificaOpcoesHabilitadas();
    // After a handler that ended with the menu still open: the buttons back on.
    virtual void AposOpcao();

    bool FormCreate() override;
    void FormShow() override;
    void FormActivate() override;

    // Caption "&n - texto", shown.
    void DefineOpcao(int numero, const QString& texto);
    // The function is not offered here: the point of sale is told and the chain closes. False, for the
    // handler to return.
    bool TransacaoNaoHabilitada();
    // Opens the next screen with this menu as its caller; one that cannot be created is reported under
    // nomeForm, by default the form's class name without its "T".
    template <class T> void AbreFormulario(T*& form, const char* nomeForm) {
        if (!CriaExecutaForm(this, form)) MenusEntrada::FalhaCriacao(this, nomeForm);
    }
    template <class T> void AbreFormulario(T*& form) { MenusEntrada::Abre(this, form); }

private:
    TFrmMnu_Mod(QWidget* pai, const QString& nome, const char* titulo, const char* mensagem);
    // Runs option i's handler: buttons off, the handler, buttons back on unless it stopped or the menu is
    // closing.
    void ExecutaOpcao(size_t i);
    // Whether the option at index i is offered.
    static bool Oferecida(size_t i, const Menumodelolumo::Chaves& chaves, Menumodelolumo::Regra regra,
                          const Menumodelolumo::Configuracao& configuracao);

    const char* titulo_;
    const char* mensagem_;
    std::vector<Opcao<TFrmMnu_Mod>> opcoes_;
};
