#include "frame/Trnmodelolumo.h"

#include "frame/Coletadadoscircularbacentrn.h"
#include "frame/EdicaoValor.h"
#include "frame/Fabricas.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "host/IniFile.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QDate>

#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <memory>

using namespace Lumomain;

namespace {

using msg::Texto;

using host::Grava;

// A number read from a host field or a record; padrao when it is not one.
long long Numero(const QString& texto, long long padrao) {
    bool ok = false;
    const long long v = texto.trimmed().toLongLong(&ok);
    return ok ? v : padrao;
}

// The PIN pad's display takes the tail of a text built with leading blanks: 32 characters, two lines.
QString TextoVisor(const QString& texto) {
    return host::RightString(QString(16, QLatin1Char(' ')) + texto, 32);
}

constexpr char ARQUIVO_RESTABELECE[] = "RestabeleceLimite.ini";

} // namespace

TFrmTrn_Mod::TFrmTrn_Mod(QWidget* pai, const QString& nome)
    : TFrmMod(pai, nome), captura(*this, Partes::GradeValor(QRect(111, 130, 400, 80))),
      pnCaptura(captura.Painel()) {
    edValor = EdicaoValor::CriaCampoValor(pnCaptura, lbValor);
    DefineDica(edValor, Texto(msg::MsgValorTotal));
    captura.Linha(0, lbValor, edValor, 270);

    pnBotoes = new QFrame(this);
    pnBotoes->setObjectName(QStringLiteral("pnBotoes"));
    pnBotoes->setGeometry(111, 300, 400, 50);
    const auto b = Partes::CriaConfirmaRetorna(
        *this, pnBotoes, QPoint(15, 8), QStringLiteral("&9 - Cancela"), [this] { btConfirmaClick(); },
        [this] { btRetornaClick(); }, {edValor});
    btConfirma = b.confirma;
    btRetorna = b.retorna;
    // Shown with the form, once its fields are set: no button takes a key before that.
    btConfirma->hide();
    btRetorna->hide();

    TClique = CriaClique([this] {
        ProcessaMensagens();
        // A dialog whose fields were all preset confirms itself.
        if (ModalResult() == mrNone && btConfirma->isVisible() && btConfirma->isEnabled()) btConfirmaClick();
    });
}

bool TFrmTrn_Mod::FormCreate() {
    // Every form of the hierarchy has made its rows by now.
    captura.Monta();
    return TFrmMod::FormCreate();
}

void TFrmTrn_Mod::IniciaCamposForm() {
    lbValor->setText(Texto(msg::InfoValorTransacao));
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    PodeAlterarDados = host::PermiteAlterarDados();
    if (!edValor->isHidden()) {
        const QString digitos = host::RemoveFormato(host::LeCampo(1003));
        // No amount from the host leaves the edit empty for the operator to type one.
        edValor->setText(digitos.isEmpty() ? QString() : host::Dollar(digitos));
        // The host fixed the amount unless it sent none.
        edValor->setEnabled(Numero(digitos, 0) == 0);
    }
    CapturaSenha = true;
}

void TFrmTrn_Mod::FormShow() {
    bControlaKeyPreview = true;
    IniciaCamposForm();
    btConfirma->show();
    btRetorna->show();
    if (qobject_cast<QPushButton*>(focusWidget())) focusNextChild();
    // The base focuses the first control that can take it: the confirm button when every field was preset.
    TFrmMod::FormShow();
}

void TFrmTrn_Mod::FormActivate() {
    TFrmMod::FormActivate();
    if (focusWidget() == btConfirma && btConfirma->isEnabled()) TClique->start();
}

bool TFrmTrn_Mod::GravaCamposHostlink() {
    if (!Grava(10103, GrupoPagto)) return false;
    if (!edValor->isHidden() && !Grava(1003, host::RemoveFormato(edValor->text()))) return false;
    return true;
}

bool TFrmTrn_Mod::ValidaCamposForm() {
    // A pending payment that the host continues brings its own amount.
    if (edValor->isHidden() || !host::LeCampo(20036).isEmpty()) return true;
    const auto repete = [this](const QString& mensagem) {
        if (!mensagem.isEmpty()) MostraMensagem(Icone::Aviso, mensagem, this);
        pnCaptura->setEnabled(true);
        edValor->setEnabled(true);
        edValor->setFocus();
        return false;
    };
    const QString valor = edValor->text().trimmed();
    if (valor.isEmpty()) return repete(Texto(msg::MsgValorTotal));
    if (!ValidaValorMinMaxBoletoRegistradoCB(valor)) return repete({});
    if (Numero(host::RemoveFormato(valor), 0) <= 0) return repete(Texto(msg::ErroValorInvalido));
    return true;
}

bool TFrmTrn_Mod::VerificaCapturaSenha() {
    if (!CapturaSenha) return true;
    if (!host::BlocoSenhaNovo()) {
        if (host::LerSenha(JanelaAplicacao(), {}, lbTitulo->text()) != 0) {
            Encerra();
            return false;
        }
    }
    return true;
}

int TFrmTrn_Mod::VerificaAutorizaTransacao() {
    if (!Descritor) {
        ReportaFalha(QStringLiteral("Transação sem descritor"));
        return 255;
    }
    host::AutorizaTransacao(Pedido(), lbMensagem, FlagAutorizacao);
    return host::CodigoResultado();
}

bool TFrmTrn_Mod::VerificaSePagamentoGenericoOuProcessaCHIP() {
    if (host::LeCampo(10158) == QLatin1String("28")) return true;
    return VerificaProcessaCartao() && VerificaCapturaSenha() && VerificaObtemDadosEmv();
}

bool TFrmTrn_Mod::VerificaColetaDadosCircularBacen(bool mantemAberto) {
    host::LimpaCampo(10301);
    const QString f = host::LeCampo(10158);
    const bool aplica =
        (GrupoPagto == QLatin1String("1") && f == QLatin1String("16")) || f == QLatin1String("11") ||
        (GrupoPagto == QLatin1String("3") &&
         (f == QLatin1String("19") || f == QLatin1String("30") || f == QLatin1String("33"))) ||
        (GrupoPagto == QLatin1String("4") &&
         (f == QLatin1String("20") || f == QLatin1String("24") || f == QLatin1String("28")));
    if (!aplica) return true;

    const long long limite = Numero(ServicoHzinho_26_Limites.texto(73, 12), -1);
    const long long valor = Numero(host::LeCampo(1003), 0);
    if (limite != -1 && valor >= limite) {
        TFrmColetaDadosBacen* bacen = TFrmMod::Cria<TFrmColetaDadosBacen>(this);
        if (!bacen) return false;
        const int r = bacen->Executa();
        delete bacen;
        if (r != mrOk) {
            if (!mantemAberto) setModalResult(r);
            return false;
        }
        setModalResult(r);
    }
    const QString referencia = acValorReferenciaBACEN3978.texto(0, 13).trimmed();
    const long long ref = Numero(referencia, -1);
    if (referencia.isEmpty() || ref < 0) return true;
    if (valor > ref) {
        // The payer dialog is bill payment's: entered by that area.
        const std::unique_ptr<TFrmMod> pagador(Fabricas::Cria("TFrmCPFCNPJDtNascPagador", this));
        if (!pagador) return false;
        const int r = pagador->Executa();
        if (r == mrOk || !mantemAberto) setModalResult(r);
        return r == mrOk;
    }
    return true;
}

void TFrmTrn_Mod::HabilitaControles(bool habilita) {
    pnCaptura->setEnabled(habilita);
    btConfirma->setEnabled(habilita);
    btRetorna->setEnabled(habilita);
}

void TFrmTrn_Mod::btRetornaClick() {
    Volta();
}

void TFrmTrn_Mod::Confirma(const std::function<bool()>& prepara, const std::function<void()>& segue) {
    bControlaKeyPreview = false;
    HabilitaControles(false);
    if (prepara())
        segue();
    else
        HabilitaControles(true);
    bControlaKeyPreview = true;
}

void TFrmTrn_Mod::btConfirmaClick() {
    Confirma(
        [this] {
            return ValidaCamposForm() && GravaCamposHostlink() && VerificaSePagamentoGenericoOuProcessaCHIP();
        },
        [this] { ConfirmaTransacao(); });
}

bool TFrmTrn_Mod::ConfirmaVencimentoDebitoForcado() {
    // Service N: a 9-character reference, then the due date as DDMMAAAA.
    const std::string n = host::ProcuraServico(20023, 'N', {}, 64);
    const QString servico = host::deLatin1(n);
    const QString referencia = servico.mid(0, 9);
    const QString vencimento = servico.mid(9, 8);
    lbMensagem->setEnabled(true);
    DefineMensagem(QStringLiteral("Solicite confirmação do vencimento no PinPad"));
    const QString visor = TextoVisor(QStringLiteral(" Data: ") + vencimento.mid(0, 2) + QLatin1Char('/') +
                                     vencimento.mid(2, 2) + QLatin1Char('/') + vencimento.mid(4, 4));
    if (host::ObtemConfirmacao(visor, 1) != 0) {
        Grava(1009, QStringLiteral("FF"));
        Grava(1027, QStringLiteral("Operação não confirmada no PinPad"));
        Encerra();
        HabilitaControles(true);
        return false;
    }
    host::ExibeMsgPinpad(Texto(msg::MsgPinpadAguarde));
    DefineMensagem(Texto(msg::MsgEmProcessamento));
    Grava(10158, QStringLiteral("24"));
    Grava(10102, QStringLiteral("UNSU:") + referencia + vencimento, 2);
    AjustaTabelaDebitoForcado();
    VerificaAutorizaTransacao();
    return true;
}

void TFrmTrn_Mod::ConfirmaTransacao() {
    DefineMensagem(Texto(msg::MsgEmProcessamento));
    ProcessaMensagens();
    const int dpchip = static_cast<int>(
        Numero(host::VerificaServico5String(QStringLiteral("DPCHIP:"), false).value_or(QString()), 0));

    if (!VerificaColetaDadosCircularBacen()) {
        HabilitaControles(true);
        Grava(1027, Texto(msg::ErroOperacaoCancelada));
        Grava(1009, QStringLiteral("FF"));
        Encerra();
        return;
    }
    TrataPrefixoDADICPAGCB();
    const QString modo = host::LeCampo(10107);
    const bool generico = ServicoHzinho_PagTrnGen.texto(25, 1) == QLatin1String("1");

    if (generico) {
        VerificaAutorizaTransacao();
    } else {
        const int funcao = host::LeCampoInteiro(10158, 0, -1);
        if (GrupoPagto != QLatin1String("3") && (funcao == 18 || funcao == 19)) {
            lbMensagem->setEnabled(true);
            DefineMensagem(Texto(msg::MsgConfirmacaoValorTEFPinpad));
            const QString visor =
                TextoVisor(QStringLiteral("R$ ") + host::Dollar(host::RemoveFormato(host::LeCampo(1003))));
            if (host::ObtemConfirmacao(visor, 1) != 0) {
                Grava(1009, QStringLiteral("FF"));
                Grava(1027, Texto(msg::MsgOperacaoNaoConfirmadaPinpad));
                Encerra();
                HabilitaControles(true);
                return;
            }
            DefineMensagem(Texto(msg::MsgEmProcessamento));
        }
        host::ExibeMsgPinpad(Texto(msg::MsgPinpadAguarde));
        if (modo == QLatin1String("10") || modo == QLatin1String("12")) {
            // A referred credit goes on only once the operator releases it on the PIN pad.
            VerificaAutorizaTransacao();
            if (!host::VerificaTrataTrnReferida(lbMensagem, Pedido())) {
                setModalResult(mrOk);
                return;
            }
        } else {
            VerificaAutorizaTransacao();
            ProcessaMensagens();
        }
        if (host::LeCampo(1009).toUpper() == QLatin1String("FA") && !ConfirmaVencimentoDebitoForcado())
            return;
    }

    host::TrataMensagensCartaoCHIP(dpchip, lbMensagem,
                                   [this](bool marca) { return EnviaTransacaoAdviceOffLine(marca); });
    TrataServicoc_AutenticacaoDocumento();
    if (GrupoPagto == QLatin1String("4")) {
        const QString a = host::deLatin1(host::ProcuraServico(20010, 'A', {}, 128));
        const long long v = Numero(a.mid(4, 8), 0);
        if (v > 0) Grava(1251, QString::number(v));
    }
    const QString texto = host::LeCampo(1027);
    if (!texto.isEmpty()) {
        DefineMensagem(texto);
        ProcessaMensagens();
    }
    const int resultado = host::CodigoResultado();
    if (generico && (modo == QLatin1String("0") || modo == QLatin1String("1")) && resultado != 0) {
        // The card part of a refused generic payment is undone by the host.
        Grava(10112, RedeDestinoTEF);
        host::LimpaCampo(20035);
        host::LimpaCampo(20145);
        host::EnviarFinalizacao();
        Grava(1009, QString::number(resultado));
        host::LimpaCampo(1024);
    }
    if (GrupoPagto == QLatin1String("1") && resultado == 0) {
        TrataCamposServicoHzinho();
        if (QFile::exists(IniFile::NoDiretorioHost(QLatin1String(ARQUIVO_RESTABELECE))))
            Grava(10262, QStringLiteral("1"));
    }
    if (edValor->isHidden()) {
        lbValor->show();
        edValor->show();
    }
    RestauraServicoI();
    host::GravaArquivo();
    host::LimpaCampo(10216);
    setModalResult(mrOk);
    HabilitaControles(true);
}

void TFrmTrn_Mod::TrataCamposServicoHzinho() {
    // A reply without h-records leaves the file of an earlier payment alone.
    if (!host::LeCampoBytesPresente(20310, 0)) return;
    const QString caminho = IniFile::NoDiretorioHost(QLatin1String(ARQUIVO_RESTABELECE));
    // Built whole in memory and saved once: a till killed half-way leaves the earlier file or the complete
    // new one, never a file naming only some of the documents.
    IniFile ini(caminho, false);
    int n = 0;
    PercorreServicosHzinho([&](const std::string& registro) {
        if (registro.size() >= 2 && registro.compare(0, 2, "24") == 0) {
            ServicoHzinho_Restabelece_Limite.atribui(std::string_view(registro).substr(2, 18));
            GravaArquivoRestabeleceLimite(ini, ++n);
        }
        return true;
    });
    if (n == 0) {
        QFile::remove(caminho);
    } else if (!ini.Salva()) {
        host::GravaAudit(QStringLiteral("Erro: GravaArquivoRestabeleceLimite"));
    }
}

void TFrmTrn_Mod::GravaArquivoRestabeleceLimite(IniFile& ini, int n) {
    const QString geral = QStringLiteral("RESTABELECELIMITE");
    ini.GravaInteiro(geral, QStringLiteral("Quantidade"), n);
    ini.GravaBool(geral, QStringLiteral("Subfuncao"), !(TrnADM && TrnCNC));
    const QString secao = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
    const auto& r = ServicoHzinho_Restabelece_Limite;
    ini.GravaTexto(secao, QStringLiteral("Rede"), r.texto(4, 3));
    const QString sequencial = r.texto(2, 2).trimmed();
    ini.GravaTexto(secao, QStringLiteral("Sequencial"), sequencial);
    // The sequence numbers the documents paid; the settlement's own fields (10163, 10167, 10168) follow it,
    // while the bar code typed (1041) and the value (1003) stay in the slot each document was captured in,
    // and a refused document leaves its slot behind.
    const int k = std::max(1, static_cast<int>(Numero(sequencial, 1)));
    const int i = k - 1;
    const int slot = std::max(0, SlotDoDocumento(k));
    QString valor = host::RemoveFormato(host::LeCampo(10163, i)).trimmed();
    if (valor.isEmpty()) valor = host::LeCampo(1003, slot);
    ini.GravaTexto(secao, QStringLiteral("Valor"), valor);
    QString forma = host::LeCampo(1040);
    if (forma.isEmpty()) forma = host::RemoveFormato(host::LeCampo(10167, i)).trimmed();
    ini.GravaTexto(secao, QStringLiteral("FormadeEntrada"), forma);
    QString codigo = host::LeCampo(1041, slot).trimmed();
    if (codigo.isEmpty()) codigo = host::LeCampo(10168, i);
    ini.GravaTexto(secao, QStringLiteral("CodigodeBarras"), codigo);
    ini.GravaTexto(secao, QStringLiteral("DataFiscal"),
                   QDate::currentDate().toString(QStringLiteral("ddMMyyyy")));
}
