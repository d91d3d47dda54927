// From a descriptor and the host fields to the request the server receives.
//
// Per-document blocks. The head entry of a block (10162 in the bill payments, deposits and registrations) is
// a counter, not a document field: its occurrence word holds the number of documents and its Bloco the number
// of entries that follow it and make up one document. The dialogs write document k (k from 0) at occurrence
// k of those fields, the same index a single-document request reads at occurrence 0 (cancellations list
// 10164..10169 without a block); so pass k of the block sends occurrence k, and a block with count n sends
// occurrences 0 to n - 1. The head itself goes once, as written, before the passes: its occurrence word tells
// the server how many documents follow. A count of 0 (a deposit without cheques) sends no pass.
#include "Protocolo.h"

#include <algorithm>
#include <cstddef>

namespace cbwire {

namespace {

Item ItemDaEntrada(const TCampoTrn& entrada, uint16_t ocorrencia, const LeitorCampo& le) {
    Item item;
    item.campo = entrada.Campo;
    item.ocorrencia = ocorrencia;
    item.formato = entrada.Formato;
    item.separador = entrada.Separador;
    const char* texto = entrada.Texto;
    if (entrada.Campo == 0) {
        // A constant, or the current text of the module variable the entry points at.
        item.valor = texto ? texto : "";
    } else {
        item.prefixo = texto ? texto : "";
        if (auto valor = le(entrada.Campo, ocorrencia)) item.valor = std::move(*valor);
    }
    return item;
}

} // namespace

Pedido MontaPedido(const TTabelaTrn& descritor, const LeitorCampo& le, uint8_t flag) {
    Pedido pedido;
    pedido.codigo = descritor.CodigoTransacao;
    pedido.indicador = descritor.Indicador;
    pedido.flag = flag;
    constexpr std::size_t total = TABELATRN_MAX_CAMPOS;
    for (std::size_t i = 0; i < total; ++i) {
        // Copies: the packed entries are never referenced in place.
        const TCampoTrn entrada = descritor.Campos[i];
        if (entrada.Campo == CAMPOTRN_IGNORADO) continue;
        pedido.itens.push_back(ItemDaEntrada(entrada, entrada.Ocorrencia, le));
        if (entrada.Bloco == 0) continue;
        // A block that claims more entries than the descriptor has ends with the descriptor.
        const std::size_t fim = std::min(total, i + 1 + entrada.Bloco);
        for (uint16_t passe = 0; passe < entrada.Ocorrencia; ++passe) {
            for (std::size_t j = i + 1; j < fim; ++j) {
                const TCampoTrn membro = descritor.Campos[j];
                if (membro.Campo == CAMPOTRN_IGNORADO) continue;
                pedido.itens.push_back(ItemDaEntrada(membro, passe, le));
            }
        }
        i = fim - 1;
    }
    return pedido;
}

int CampoDoServico(char servico) {
    if (servico >= '0' && servico <= '9') return 20000 + (servico - '0');
    if (servico >= 'A' && servico <= 'Z') return 20010 + (servico - 'A');
    if (servico == 'c') return 20038;
    return 0;
}

} // namespace cbwire
