// Card and PIN capture shared by every transaction dialog: which network a transaction belongs to, which PIN
// pad serves it (the correspondent one of network 805, or the host's general one after a BIN query), reading
// and analysing the card and the PIN. No screen of its own: the progress texts go to whatever status object
// the caller hands over.
#include "protocol/Cartao.h"

#include "host/Host.h"
#include "host/IniFile.h"
#include "protocol/Estado.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QCoreApplication>

#include <optional>
#include <string>

namespace Lumomain {

QString RedeDestinoTEF;
QString EmpresaOriginal;
QString CodigoEmpresaTEF;

namespace {

const QString REDE_CORRESPONDENTE = QStringLiteral("805");
// The first server-side version that processes chip cards on the correspondent PIN pad.
constexpr char VERSAO_MINIMA_EMV[] = "v3.00.E88r25";
// Analysis result that asks for the card to be presented again.
constexpr uint16_t LER_NOVAMENTE = 3;

using host::Grava;

bool VersaoEmvCorrespondente() {
    return VERSAO_DO_VORTA_CB.compare(QLatin1String(VERSAO_MINIMA_EMV)) >= 0;
}

// The PIN pad reads the card into its own buffers; the collection services the request carries are put
// back when the read left them empty.
void CompletaServicosColeta() {
    if (host::LeCampo(20003).isEmpty()) host::GravaCampoBytes(20003, 0, host::LeCampoBytes(10108));
    if (host::LeCampo(20001).isEmpty())
        host::GravaCampoBytes(20001, 0, std::string_view(Servico1.dados.data(), 43));
}

// Closes the correspondent PIN pad after a failed read; the chain ends, so nothing keeps it open.
void FechaPinpadAposFalha() {
    host::FechaPinpadCB();
    bPinpadCBAberto = false;
}

// Field 10217 holds the transaction's network only while the BIN query runs.
class RedeDuranteConsulta {
public:
    explicit RedeDuranteConsulta(const QString& rede) : salvo_(host::LeCampoBytesPresente(10217, 0)) {
        Grava(10217, rede);
    }
    ~RedeDuranteConsulta() {
        if (salvo_)
            host::GravaCampoBytes(10217, 0, *salvo_);
        else
            host::LimpaCampo(10217);
    }
    RedeDuranteConsulta(const RedeDuranteConsulta&) = delete;
    RedeDuranteConsulta& operator=(const RedeDuranteConsulta&) = delete;

private:
    std::optional<std::string> salvo_;
};

// The fields every BIN query needs before it runs.
void PreparaConsultaBins() {
    const QString modo = host::LeCampo(10107).trimmed();
    bool numero = false;
    const int m = modo.toInt(&numero);
    if (numero && m >= 0 && m <= 9) Grava(10107, QString::number(m + 10));
    Grava(10313, QStringLiteral("1"));
    Grava(10314, GrupoPagto);
    Grava(10315, QStringLiteral("1"));
}

bool ExecutaConsultaBins(int modo, QObject* mensagem) {
    host::ResultadoBins r;
    const bool ok = host::FazConsultaBins(modo, ServicoHzinho_EmpresaTEF.dados,
                                          ServicoHzinho_EmpresaTEF.quantidade(), r, mensagem);
    RedeDestinoTEF = r.redeDestino;
    EmpresaOriginal = r.empresaOriginal;
    CodigoEmpresaTEF = r.codigoEmpresa;
    return ok;
}

// A card the PIN pad's analysis refuses ends the reading: the host learns why.
bool CartaoRecusado(uint16_t resultado) {
    host::GravaCampoString(1009, 0, QStringLiteral("FF"));
    host::GravaCampoString(1027, 0, QString::fromUtf8(msg::MSG_CARTAO_INVALIDO));
    host::GravaAudit(QStringLiteral("Cartão recusado pela análise do PinPad (%1)").arg(resultado));
    return false;
}

bool LeAnalisaCartao(int tipo, QObject* mensagem, bool generico) {
    if (!Grava(10107, QStringLiteral("1"))) return false;
    const QString rede = VerificaCodigoRedeCB(tipo);
    if (!VerificaPinpadCBNaoBradescoHabilitado(tipo)) return false;
    const bool simulador = VerificaSeSimuladorBradesco();
    const bool caminhoCorrespondente = rede == REDE_CORRESPONDENTE && !simulador;
    const QString titulo = QString::fromUtf8(msg::TituloDebito);
    const uintptr_t janela = JanelaAplicacao();

    if (caminhoCorrespondente) {
        if (host::AbrePinpadCB() != 0) return false;
        bPinpadCBAberto = true;
    }
    // The generic read marks itself for the PIN pad on the correspondent network, simulated or not.
    if (generico && rede == REDE_CORRESPONDENTE && !Grava(10227, QStringLiteral("2"))) return false;

    for (;;) {
        uint16_t resultado = 0;
        bool consultaFalhou = false;
        if (caminhoCorrespondente && generico) {
            if (host::LerCartaoCBGenerico(janela, 1, titulo) != 0) {
                FechaPinpadAposFalha();
                return false;
            }
            resultado = host::AnalisaDadosCartaoCB();
        } else if (caminhoCorrespondente) {
            if (host::LerCartaoCB(janela, titulo) != 0) {
                FechaPinpadAposFalha();
                return false;
            }
            if (host::CartaoProcessaChip() && VersaoEmvCorrespondente()) {
                if (!VerificaRealizaConsultaBinsBradescoCBEmv(mensagem, tipo)) {
                    consultaFalhou = true;
                } else {
                    MontaServico1_FormataColetaDadosBradescoEMV();
                    CompletaServicosColeta();
                    // A chip card whose reply asked for the general library is analysed there.
                    if (!host::ProcuraServico(20027, 'R', "21", 1024).empty()) {
                        Grava(10401, QStringLiteral("1"));
                        resultado = host::AnalisaDadosCartao();
                        Grava(10401, QStringLiteral("0"));
                    } else {
                        resultado = host::AnalisaDadosCartaoCB();
                    }
                }
            } else {
                resultado = host::AnalisaDadosCartaoCB();
            }
        } else {
            int flags = 0;
            if (!VerificaRealizaConsultaBinsHabilitaLibEmv(flags, mensagem, tipo)) return false;
            // Without a BIN query the card has not been read yet.
            if ((flags & 1) == 0) {
                Converte_ServicoA_Em_Servico3();
                MontaServico1_FormataColetaDados();
                if (host::LerCartao(janela, generico ? 1 : 0, titulo) != 0) return false;
                CompletaServicosColeta();
            }
            resultado = host::AnalisaDadosCartao();
        }
        if (simulador) {
            bPinpadCBAberto = true;
            Grava(10104, QString(80, QLatin1Char('0')));
            Grava(10109, QString(80, QLatin1Char('0')));
        }
        // The failed BIN query has already written the result file with its reason.
        if (consultaFalhou) return false;
        if (resultado == 0) return true;
        if (resultado != LER_NOVAMENTE) {
            if (caminhoCorrespondente) FechaPinpadAposFalha();
            return CartaoRecusado(resultado);
        }
    }
}

} // namespace

QString VerificaCodigoRedeCB(int tipo) {
    QString rede;
    switch (tipo) {
    case 1:
        rede = ServicoHzinho_TipoContaAceitaSaque.texto(22, 3);
        break;
    case 2:
        rede = ServicoHzinho_TipoContaAceitaConsultaSaldo.texto(22, 3);
        break;
    case 3:
        rede = ServicoHzinho_34_FormasPagtoAceitas.texto(22, 3);
        break;
    case 4:
        rede = ServicoHzinho_TipoContaAceitaSaque.texto(22, 3);
        if (rede.trimmed().isEmpty()) rede = ServicoHzinho_TipoContaAceitaConsultaSaldo.texto(22, 3);
        break;
    case 5:
        rede = ServicoHzinho_Tipo_Conta_Aceita_Consulta_Extrato.texto(22, 3);
        break;
    case 7:
        rede = ServicoHzinho_28_FormaPagamentoAutorizadasEmpresa.texto(22, 3);
        break;
    case 8:
        rede = ServicoHzinho_Tipo_Conta_Aceita_Emprestimo.texto(22, 3);
        break;
    case 9:
        rede = ServicoHzinho_ModalidadeTipoPessoaAberturaConta.texto(22, 3);
        break;
    case 10:
        rede = ServicoHzinho_29_FormasColetaTipoContaAceita.texto(22, 3);
        break;
    case 11:
    case 13:
    case 14:
    case 21:
    case 24:
    case 61:
        rede = ServicoHzinho_25_InformacaoModoTransacao.texto(24, 3);
        break;
    case 12:
        rede = ServicoHzinho_32_DadosTransferencia.texto(22, 3);
        break;
    case 41:
        rede = ServicoHzinho_41_ConsultaSubFuncoesHabilitadasCartaoPrePago.texto(22, 3);
        break;
    case 43:
        rede = ServicoHzinho_43_InformacoesModuloCB_BradescoTratamentoEMV.texto(22, 3);
        break;
    default:
        break;
    }
    if (rede.trimmed().isEmpty()) rede = ServicoHzinho_Pagamento.texto(20, 3);
    if (tipo > 0) Grava(10232, QString::number(tipo));
    return rede.trimmed();
}

int VerificaPortaPinpad(bool portaCB) {
    return IniFile(IniFile::NoDiretorioHost(QStringLiteral("Cliente.ini")))
        .LeInteiro(QStringLiteral("ClientVorta"),
                   portaCB ? QStringLiteral("PortaPinCB") : QStringLiteral("PortaPin"), -1);
}

bool VerificaPinpadCBNaoBradescoHabilitado(int tipo) {
    bPinpadCBNaoBradescoHabilitado = false;
    const QString rede = VerificaCodigoRedeCB(tipo);
    if (rede.isEmpty() || rede == REDE_CORRESPONDENTE) return true;
    const int portaCB = VerificaPortaPinpad(true);
    const int porta = VerificaPortaPinpad(false);
    if (portaCB == porta || portaCB <= 0) return true;
    const uint16_t r = host::ConfiguraPinPad(portaCB);
    // Set even when the switch failed: the host's own port is put back at unload either way.
    bPinpadCBNaoBradescoHabilitado = true;
    if (r != 0) {
        host::GravaCampoString(1027, 0, QString::fromUtf8(msg::MSG_FALTA_PIN_TRN));
        host::GravaCampoString(1009, 0, QStringLiteral("FF"));
        return false;
    }
    return true;
}

bool LeAnalisaCartaoCB(int tipo, QObject* mensagem) {
    return LeAnalisaCartao(tipo, mensagem, false);
}

bool LeAnalisaCartaoCBGenerico(int tipo, QObject* mensagem) {
    return LeAnalisaCartao(tipo, mensagem, true);
}

bool LeSenhaCB(bool abrePinpad, const QString& titulo, int tipo, QObject* mensagem,
               const QString& textoPinpad) {
    host::MostraStatus(mensagem, QString::fromUtf8(msg::MsgEmProcessamento));
    ProcessaMensagens();
    const QString rede = VerificaCodigoRedeCB(tipo);
    const bool simulador = VerificaSeSimuladorBradesco();
    const uintptr_t janela = JanelaAplicacao();

    if (rede == REDE_CORRESPONDENTE && !simulador) {
        if (abrePinpad) {
            if (host::AbrePinpadCB() != 0) return false;
            bPinpadCBAberto = true;
            host::AnalisaDadosCartaoCB();
        }
        // PIN-pad type 7 takes the PIN through the general routine even on the correspondent network.
        const uint16_t r = host::LeCampo(10403) == QLatin1String("7")
                               ? host::LerSenha(janela, textoPinpad, titulo)
                               : host::LerSenhaCB(janela, textoPinpad, titulo);
        if (r != 0) {
            FechaPinpadAposFalha();
            return false;
        }
        return true;
    }
    if (abrePinpad) {
        if (!VerificaPinpadCBNaoBradescoHabilitado(tipo)) return false;
        MontaServico1_FormataColetaDados();
        host::AnalisaDadosCartao();
    }
    if (host::LerSenha(janela, textoPinpad, titulo) != 0) return false;
    host::FormataDadosPinpadCB(0);
    if (simulador) {
        Grava(10146, QString(16, QLatin1Char('0')));
        Grava(10243, QString(16, QLatin1Char('0')));
    }
    return true;
}

bool VerificaRealizaConsultaBinsHabilitaLibEmv(int& flags, QObject* mensagem, int tipo) {
    flags = ServicoHzinho_25_InformacaoModoTransacao.inteiro(54, 3, 0);
    if ((flags & 1) == 0) return true;
    const QString rede = VerificaCodigoRedeCB(tipo);
    PreparaConsultaBins();
    RedeDuranteConsulta guarda(rede);
    Grava(10275, (flags & 2) != 0 ? QStringLiteral("1") : QStringLiteral("0"));
    if (ExecutaConsultaBins(1, mensagem)) return true;
    ProcessaMensagens();
    host::GravaArquivo();
    return false;
}

bool VerificaRealizaConsultaBinsBradescoCBEmv(QObject* mensagem, int tipo) {
    const QString rede = VerificaCodigoRedeCB(tipo);
    PreparaConsultaBins();
    RedeDuranteConsulta guarda(rede);
    bool ok = false;
    if (host::VerificaServico5(QStringLiteral("DPCHIP:"), 50)) {
        Grava(10401, QStringLiteral("1"));
        ok = ExecutaConsultaBins(0, mensagem);
        Grava(10401, QStringLiteral("0"));
    } else {
        ok = ExecutaConsultaBins(1, mensagem);
    }
    if (ok) return true;
    ProcessaMensagens();
    host::GravaArquivo();
    return false;
}

// Lets pending events run (the status line repaints during long steps).
void ProcessaMensagens() {
    QCoreApplication::processEvents();
}

} // namespace Lumomain
