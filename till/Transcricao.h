// The transcript's lines for the requests and replies the platform reports to its observer (kinds "pedido"
// and "resposta", one line of text each), as JSON objects that scripts can check.
#pragma once

#include <QJsonObject>

// {"tipo":"pedido","codigo":242,"itens":{"10103":"1","10102.2":"x"}}; a field sent again gets "#2", "#3"...
QJsonObject PedidoDaDescricao(const char* linha);
// {"tipo":"resposta","codigo":"00","texto":"","servicos":{"A":2},"h":12}
QJsonObject RespostaDaDescricao(const char* linha);
