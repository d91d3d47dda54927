// Base of every dialog: the common frame (title, message line, version line), the audit trail of its
// lifetime, the modal result that steers the dialog chain, the keyboard rules and the services many dialogs
// share.
#pragma once

#include "protocol/Tabelatrn.h"

#include <QDialog>
#include <QHash>

#include <functional>

namespace Lumomain {
enum class Icone;
}

namespace Modelolumo {
// Done once when the package loads, if the host already runs a Qt GUI: the font database, the engines of the
// screens' fonts and the first drawing of the glyphs they print, which the first screen of the day would
// otherwise pay for (three quarters of its time go to fontconfig reading its configuration, opening the
// fonts and rasterising glyphs).
void AqueceTelas();
} // namespace Modelolumo

class QAbstractButton;
class QComboBox;
class QEventLoop;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QTimer;
class QWidget;

// Document masks of every entry of a CPF or CNPJ: literals not kept in the value, '_' for a blank. A CNPJ
// may be alphanumeric (letters in its first twelve positions, upper-cased as typed) and keeps its two
// numeric check digits.
namespace Documentos {
inline constexpr char MascaraCPF[] = "999.999.999-99;_";
inline constexpr char MascaraCNPJ[] = ">NN.NNN.NNN/NNNN-99;_";

// A document as typed, without the mask's punctuation: an alphanumeric CNPJ keeps its letters.
QString Digitado(const QLineEdit* edit);
} // namespace Documentos

class TFrmMod : public QDialog {
    Q_OBJECT
    // True while the dialog acts by itself: a handler runs, a "TClique" is about to confirm it, or it is
    // closing. A click that arrives then was typed ahead and is dropped; whatever drives the keyboard (the
    // till's scripts, the tests) waits for it to clear before it acts.
    Q_PROPERTY(bool ocupado READ Ocupado)
public:
    enum { mrNone = 0, mrOk = 1, mrCancel = 2 };

    explicit TFrmMod(QWidget* pai, const QString& nome);
    ~TFrmMod() override;

    // Builds a form and runs its creation step; nullptr when that step failed (the form is gone then).
    template <class T> static T* Cria(QWidget* pai) {
        T* f = new T(pai);
        if (!static_cast<TFrmMod*>(f)->FormCreate()) {
            delete f;
            return nullptr;
        }
        return f;
    }

    // Runs the dialog modally and returns its modal result.
    int Executa();
    // The two ways out of a screen. Volta: back to the screen before (modal result 2). Encerra: the call is
    // over and the whole chain closes back to the host (modal result 1), with the result file asked for;
    // given a code and a text, they go to 1009 and 1027 first.
    void Volta();
    void Encerra();
    void Encerra(const QString& codigo, const QString& texto);
    int ModalResult() const { return modalResult_; }
    bool Ocupado() const;
    // Non-zero ends the modal run once the current handler returns, as the chain expects.
    void setModalResult(int resultado);

    // Started by an entry point with no operator (a continuation, the limit restoration): does what its
    // confirm button does.
    virtual void IniciaSemOperador() {}

    // Writes the dialog's request fields; false stops at the first failed write.
    virtual bool GravaCamposHostlink() { return true; }

    // Services of the transaction dialogs; they come with the protocol and card units that they drive.
    bool EnviaTransacaoAdviceOffLine(bool marca);
    // Sends the dialog's request for a card that may carry a chip: the chip indicator of the parameter load
    // ("DPCHIP:"), the authorisation, aposResposta (the dialog's own look at the reply), the chip's second
    // step, the reply's text on the status line and the correspondent PIN pad closed. False, with the
    // failure reported and the dialog closed, only when the dialog has no request.
    bool AutorizaTransacaoCartao(const std::function<void()>& aposResposta = {});
    bool VerificaObtemDadosEmv();
    bool RealizaCargaParametros();
    bool VerificaProcessaCartao();
    bool VerificaRealizaConsultaCestaServicos(char modo);
    void ComboBoxTipoPessoaChange(QComboBox* cbTipoPessoa, QLabel* lbDocumento, QLineEdit* edDocumento,
                                  int tipo);
    // A warning box, then the capture panel enabled and the focus back on the control (or the first one).
    void ExibeMsgErroRepeteCampo(const QString& mensagem, QWidget* controle, QWidget* painel);
    // The same with another icon (a value error shows none).
    void ExibeMsgErroRepeteCampo(const QString& mensagem, QWidget* controle, QWidget* painel,
                                 Lumomain::Icone icone);

    QLabel* ImgFundo = nullptr;
    QLabel* lbTitulo = nullptr;
    QLabel* lbMensagem = nullptr;
    QLabel* lbVersao = nullptr;
    // The request this dialog sends (a descriptor of the table, never changed), and the changes this dialog
    // makes to it; Pedido is what goes.
    const TTabelaTrn* Descritor = nullptr;
    Tabelatrn::Ajustes AjustesPedido;
    TTabelaTrn Pedido() const;
    // Enter on a control that is not a button moves the focus to the next control while set.
    bool bControlaKeyPreview = true;

    void DefineTitulo(const QString& titulo);
    void DefineMensagem(const QString& mensagem);

    // Connects a button to a handler that no exception can leave: an unexpected failure is reported to the
    // host and closes the chain. A click while another handler of the dialog runs, or once the dialog is
    // closing, is dropped: a key typed ahead never starts a second option inside the first.
    void LigaClique(QAbstractButton* botao, std::function<void()> handler);
    // Runs a handler under the same guard.
    void Protegido(const std::function<void()>& handler);
    // The message line shows the control's prompt whenever it takes the focus (a field's prompt, a button's
    // "Tecle <ENTER> ..."); a prompt that depends on the dialog's state is asked for each time.
    void DefineDica(QWidget* controle, const QString& texto);
    void DefineDica(QWidget* controle, std::function<QString()> texto);
    // A digit typed on a list: "2" and "8" step through it and any other digit presses that digit's button,
    // since a list takes no text. False when the key is not a plain digit and goes on as usual.
    bool TeclaDeLista(QComboBox* lista, const QKeyEvent* e);
    // First control in tab order that can take the focus.
    QWidget* PrimeiroControle() const;
    void FocaPrimeiroControle();

protected:
    // The creation step: frame texts, theme, audit line. Derived forms extend it; false means the form could
    // not be created.
    virtual bool FormCreate();
    virtual void FormShow();
    virtual void FormActivate();

    // A push button of the dialog's own (on painel when given), keyboard-operated (Enter presses the focused
    // one).
    QPushButton* CriaBotao(const QString& nome, const QString& texto, const QRect& posicao,
                           QWidget* painel = nullptr);
    // The 1 ms one-shot timer "TClique" that runs acao, under the same guard as the handlers, once started;
    // while another handler runs it waits for it to end.
    QTimer* CriaClique(std::function<void()> acao);
    // The dialog pressing its own button (a "TClique" choosing the only option): not a key typed ahead, so
    // it runs although the "TClique" itself counts as a running handler.
    void ClicaProprio(QAbstractButton* botao);
    // Gives a "TClique" of the base another action, under the same rules.
    void RedefineClique(QTimer* clique, std::function<void()> acao);

    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Sets the message line from the prompts of DefineDica; derived filters end by calling it.
    bool eventFilter(QObject* objeto, QEvent* e) override;
    bool event(QEvent* e) override;
    void reject() override;
    void done(int resultado) override;

    // The visible, enabled button whose caption starts with "&" and this digit.
    QAbstractButton* BotaoDoDigito(QChar digito) const;

private:
    int modalResult_ = mrNone;
    // Counts a nesting level for as long as it lives.
    struct Contagem {
        int& n;
        explicit Contagem(int& contador) : n(++contador) {}
        ~Contagem() { --n; }
        Contagem(const Contagem&) = delete;
        Contagem& operator=(const Contagem&) = delete;
    };
    // Button handlers and "TClique" actions under way on this dialog (they nest through the event loops they
    // open), and every guarded step (the same, plus show, activation and key filters).
    int emHandler_ = 0;
    int emProtegido_ = 0;
    bool cliqueProprio_ = false;
    QEventLoop* laco_ = nullptr;
    QHash<const QObject*, std::function<QString()>> dicas_;
    QObject* filtroAlt_ = nullptr;
};
