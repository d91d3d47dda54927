#include "frame/Menuoutrasfuncoes.h"

#include "resources/Mensagens.h"

#include <array>

TFrmOutrasFuncoes_Mnu* FrmOutrasFuncoes_Mnu = nullptr;

namespace {

constexpr std::array<const char*, 5> kChaves{"RevalidacaoSenhaCartaoINSS", "TransferenciaEntreContas",
                                             "DemonstrativoCreditoBeneficios", "PedidoCartaoDebito",
                                             "CartaoPrePago"};

} // namespace

TFrmOutrasFuncoes_Mnu::TFrmOutrasFuncoes_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QStringLiteral("FrmOutrasFuncoes_Mnu")) {
    for (int i = 1; i <= 5; ++i)
        LigaOpcao(i, [this] { OpcaoNaoDisponivel(); });
}

void TFrmOutrasFuncoes_Mnu::IniciaFormularioMenu() {
    DefineTitulo(QStringLiteral("OUTRAS FUNÇÕES"));
    DefineOpcoes({"Revalidação Senha Cartao INSS", "Transferência entre Contas",
                  "Demonstrativo Crédito Benefícios", "Pedido de Cartão de Débito", "Cartão Pré-Pago"});
}

void TFrmOutrasFuncoes_Mnu::VerificaOpcoesHabilitadas() {
    const ConfiguracaoMenu chave;
    for (int i = 0; i < 5; ++i)
        HabilitaOpcao(i + 1, chave(kChaves[static_cast<size_t>(i)]) && !Lumomain::TrnCNC);
}

void TFrmOutrasFuncoes_Mnu::FormShow() {
    TFrmMnu_Mod::FormShow();
    DefineMensagem(QString::fromUtf8(msg::MsgMenuOutrasFuncoes));
}

bool VerificaBotaoOutrasFuncoesHabilitadas() {
    if (Lumomain::TrnCNC) return false;
    const ConfiguracaoMenu chave;
    for (const char* c : kChaves) {
        if (chave(c)) return true;
    }
    return false;
}
