#include "services/Aberturaconta.h"

#include "frame/Lumomain.h"
#include "frame/Servicoscartao.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

using host::Grava;
using msg::Texto;

TFrmAbertConta* FrmAbertConta = nullptr;

namespace Aberturaconta {

namespace {

// The part of a record at offset, trimmed; what the record does not reach is empty.
QString Parte(std::string_view registro, std::size_t offset, std::size_t largura) {
    if (offset >= registro.size()) return {};
    return host::deLatin1(registro.substr(offset, largura)).trimmed();
}

// Each holder's entry is 33 bytes from offset 7, the name in the last 32.
constexpr std::size_t kInicioTitulares = 7;
constexpr std::size_t kEntradaTitular = 33;
constexpr int kMaximoTitulares = 3;

} // namespace

DadosCadastrais Le(std::string_view endereco, std::string_view titulares) {
    DadosCadastrais d;
    d.endereco = Parte(endereco, 6, 40);
    // The number's field is 8 wide; its first character is not part of the number.
    d.numero = Parte(endereco, 47, 7);
    d.complemento = Parte(endereco, 54, 20);
    d.bairro = Parte(endereco, 74, 30);
    d.cidade = Parte(endereco, 104, 30);
    d.uf = Parte(endereco, 134, 2);
    const QString n = Parte(titulares, 6, 1);
    const int quantidade = n.size() == 1 && n.at(0).isDigit() ? std::min(n.toInt(), kMaximoTitulares) : 0;
    for (int i = 0; i < quantidade; ++i)
        d.nomes << Parte(titulares, kInicioTitulares + kEntradaTitular * static_cast<std::size_t>(i) + 1, 32);
    return d;
}

} // namespace Aberturaconta

namespace {

// The reply records of the registration query, in service A.
constexpr int kCampoServicoA = 20010;
constexpr int kTamanhoServicoA = 1024;

} // namespace

TFrmAbertConta::TFrmAbertConta(QWidget* pai)
    : TFrmColeta_Mod(pai, QString(),
                     Partes::Grade{.caixa = QRect(31, 50, 560, 262),
                                   .topo = 6,
                                   .passo = 28,
                                   .altura = 24,
                                   .xRotulo = 12,
                                   .larguraRotulo = 150,
                                   .xCampo = 170}) {
    int linha = 0;
    const auto campo = [this, &linha](QLabel*& rotulo, const char* nome, const char* texto, int tamanho,
                                      Partes::Entrada entrada, const char* dica, int largura) {
        const QString n = QLatin1String(nome);
        rotulo = captura.Rotulo(QStringLiteral("lb") + n, QString::fromUtf8(texto));
        QLineEdit* edit = captura.Campo(QStringLiteral("ed") + n, tamanho, entrada, Texto(dica));
        captura.Linha(linha++, rotulo, edit, largura);
        return edit;
    };
    using Partes::Entrada;
    edEndereco = campo(lbEndereco, "Endereco", "Endereço:", 40, Entrada::Texto, msg::MsgEndereco, 370);
    edNumero = campo(lbNumero, "Numero", "Número:", 7, Entrada::Digitos, msg::MsgNumEndereco, 90);
    edComplemento =
        campo(lbComplemento, "Complemento", "Complemento:", 20, Entrada::Texto, msg::MsgComplemento, 200);
    edBairro = campo(lbBairro, "Bairro", "Bairro:", 30, Entrada::Texto, msg::MsgBairro, 290);
    edCidade = campo(lbCidade, "Cidade", "Cidade:", 30, Entrada::Texto, msg::MsgCidade, 290);
    edEstado = campo(lbEstado, "Estado", "Estado:", 2, Entrada::Texto, msg::MsgUF, 40);
    const char* nomes[] = {"NomeTitular1", "NomeTitular2", "NomeTitular3"};
    const char* rotulos[] = {"Nome Titular 1:", "Nome Titular 2:", "Nome Titular 3:"};
    const char* dicas[] = {msg::MsgNomeTitular1, msg::MsgNomeTitular2, msg::MsgNomeTitular3};
    for (std::size_t i = 0; i < 3; ++i)
        edNomeTitular[i] = campo(lbNomeTitular[i], nomes[i], rotulos[i], 32, Entrada::Texto, dicas[i], 290);
    CriaBotoes({edEndereco, edNumero, edComplemento, edBairro, edCidade, edEstado, edNomeTitular[0],
                edNomeTitular[1], edNomeTitular[2]});
}

void TFrmAbertConta::IniciaCamposForm() {
    DefineTitulo(Texto(msg::TituloAberturaConta));
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    Descritor = &Tabelatrn::TrnAberturaConta;
    const int titulares = std::clamp(host::LeCampoInteiro(10254, 0, 1), 1, 3);
    AjustesPedido.documentos = static_cast<uint16_t>(titulares);

    const auto d = Aberturaconta::Le(host::ProcuraServico(kCampoServicoA, 'A', "051001", kTamanhoServicoA),
                                     host::ProcuraServico(kCampoServicoA, 'A', "051002", kTamanhoServicoA));
    edEndereco->setText(d.endereco);
    edNumero->setText(d.numero);
    edComplemento->setText(d.complemento);
    edBairro->setText(d.bairro);
    edCidade->setText(d.cidade);
    edEstado->setText(d.uf);
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        lbNomeTitular[k]->setVisible(i < titulares);
        edNomeTitular[k]->setVisible(i < titulares);
        const QString nome = i < d.nomes.size() ? d.nomes.at(i) : QString();
        edNomeTitular[k]->setText(nome);
        // The bank's registry has the holder's name: it is the account's.
        edNomeTitular[k]->setEnabled(nome.isEmpty());
    }
}

bool TFrmAbertConta::Repete(const char* mensagem, QWidget* campo) {
    ExibeMsgErroRepeteCampo(Texto(mensagem), campo, pnCaptura);
    return false;
}

bool TFrmAbertConta::ValidaCamposForm() {
    const auto vazio = [](const QLineEdit* e) { return e->text().trimmed().isEmpty(); };
    if (vazio(edEndereco)) return Repete(msg::ErroEnderecoInvalido, edEndereco);
    if (vazio(edNumero)) return Repete(msg::ErroNumeroEnderecoInvalido, edNumero);
    if (vazio(edBairro)) return Repete(msg::ErroBairroInvalido, edBairro);
    if (vazio(edCidade)) return Repete(msg::ErroCidadeInvalido, edCidade);
    if (edEstado->text().trimmed().size() != 2) return Repete(msg::ErroUFInvalido, edEstado);
    for (QLineEdit* nome : edNomeTitular) {
        if (nome->isVisibleTo(this) && vazio(nome)) return Repete(msg::ErroNomeInvalido, nome);
    }
    return true;
}

bool TFrmAbertConta::GravaCamposHostlink() {
    if (!TFrmColeta_Mod::GravaCamposHostlink()) return false;
    const QString complemento = edComplemento->text().trimmed();
    if (!Grava(10103, Lumomain::GrupoPagto) || !Grava(10158, QStringLiteral("20")) ||
        !Grava(1088, edEndereco->text().trimmed()) || !Grava(1192, edNumero->text().trimmed()) ||
        !(complemento.isEmpty() ? host::LimpaCampo(10255) == 0 : Grava(10255, complemento)) ||
        !Grava(1089, edBairro->text().trimmed()) || !Grava(1091, edCidade->text().trimmed()) ||
        !Grava(1092, edEstado->text().trimmed()))
        return false;
    for (int i = 0; i < 3; ++i) {
        const QLineEdit* nome = edNomeTitular[static_cast<std::size_t>(i)];
        if (nome->isVisibleTo(this) && !Grava(10166, nome->text().trimmed(), i)) return false;
    }
    return true;
}

bool TFrmAbertConta::ConcluiConfirmacao() {
    if (!VerificaRealizaConsultaCestaServicos('1')) return ModalResult() != mrNone;
    host::AutorizaTransacao(Pedido(), lbMensagem, 0);
    const QString texto = host::LeCampo(1027);
    if (!texto.isEmpty()) DefineMensagem(texto);
    ServicosCartao::FechaPinpad();
    // The password blocks went with the request: the host's result keeps none of them.
    for (int i = 0; i <= 3; ++i)
        host::GravaCampoString(10167, i, QString());
    Encerra();
    return true;
}
