#include "admin/Restabelecelimitelumo.h"

#include "frame/Fabricas.h"

#include "host/Host.h"
#include "host/IniFile.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QPushButton>

TFrmMod_RestabeleceLimite* FrmMod_RestabeleceLimite = nullptr;
CB_FABRICA(TFrmMod_RestabeleceLimite);

TFrmMod_RestabeleceLimite::TFrmMod_RestabeleceLimite(QWidget* pai, const QString& nome) : TFrmMod(pai, nome) {
    DefineTitulo(QStringLiteral("Restabelece Limite"));
    btConfirma =
        CriaBotao(QStringLiteral("btConfirma"), QStringLiteral("&1 - Confirma"), QRect(146, 320, 160, 30));
    LigaClique(btConfirma, [this] { btConfirmaClick(); });
}

void TFrmMod_RestabeleceLimite::btConfirmaClick() {
    const IniFile ini(IniFile::NoDiretorioHost(QStringLiteral("RestabeleceLimite.ini")));
    const int quantidade =
        ini.LeInteiro(QStringLiteral("RESTABELECELIMITE"), QStringLiteral("Quantidade"), 0);
    // The pending entries stay in the file until a restoration request for them is approved: nothing is lost
    // while the server cannot take them.
    const char* texto =
        quantidade > 0 ? msg::MsgRestabeleceLimiteIndisponivel : msg::MsgSemLimiteRestabelecer;
    host::GravaCampoString(1009, 0, QStringLiteral("255"));
    host::GravaCampoString(1027, 0, QString::fromUtf8(texto));
    host::GravaArquivo();
}

namespace Restabelecelimitelumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Restabelecelimitelumo, TrnRestabeleceLimite,
             Descritor(197, 0, {F(10112), F(10171), F(1003), F(1040), F(1041).fmt(4)}));

} // namespace Restabelecelimitelumo
