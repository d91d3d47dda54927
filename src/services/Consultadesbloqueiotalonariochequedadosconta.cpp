#include "services/Consultadesbloqueiotalonariochequedadosconta.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <string>

using host::Grava;
using msg::Texto;

TFrmCnsDesbloqueio_DConta* FrmCnsDesbloqueio_DConta = nullptr;

TFrmCnsDesbloqueio_DConta::TFrmCnsDesbloqueio_DConta(QWidget* pai) : TFrmTrnDadosCta_Grp3(pai, QString()) {}

void TFrmCnsDesbloqueio_DConta::IniciaCamposForm() {
    TFrmTrnDadosCta_Grp3::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloConsultaDesbloqueioTalonario));
    Descritor = &Tabelatrn::TrnConsultaDesbloqueioTalonario;
    // Only the account is asked: a cheque-book belongs to the account, whatever its type.
    lbTipoConta->hide();
    cbTipoConta->hide();
    cbTipoConta->setEnabled(false);
}

bool TFrmCnsDesbloqueio_DConta::GravaCamposHostlink() {
    if (!TFrmTrnDadosCta_Grp3::GravaCamposHostlink()) return false;
    const bool operacao = Grava(10158, QStringLiteral("50"));
    Grava(10134, QStringLiteral("2"));
    return operacao && Grava(10290, host::LeCampo(10155));
}

bool TFrmCnsDesbloqueio_DConta::ConcluiConfirmacao() {
    host::AutorizaTransacao(Pedido(), lbMensagem);
    Lumomain::ProcessaMensagens();
    if (host::Aprovada()) {
        auto& faixas = Lumomain::ServicoX_TipoRegistro050_ConsultaDesbloqueioTalonario;
        auto& conta = Lumomain::DadosConsultaDesbloqueioTalonario_Banco;
        faixas.limpa();
        conta.limpa();
        const std::string servico = host::ProcuraServico(20010, 'A', "0350", 1024);
        if (!servico.empty()) {
            faixas.atribui(servico);
            const auto zeros = [](const QLineEdit* e, int largura) {
                return e->text().trimmed().rightJustified(largura, QLatin1Char('0'), true);
            };
            const QString c1 = EdC1->text().left(1);
            conta.atribui(host::paraLatin1(zeros(EdBanco, 3) + zeros(EdAgencia, 4) +
                                           (c1.isEmpty() ? QStringLiteral(" ") : c1) + zeros(EdConta, 13) +
                                           zeros(EdDigito, 2)));
            return true;
        }
    }
    host::GravaArquivo();
    return true;
}
