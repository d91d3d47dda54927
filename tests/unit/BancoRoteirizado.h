// A bank for the dialog tests: it answers each request with the next scripted reply (the default code when
// none is left) and keeps every request it received, so that a test can read what a dialog sent.
#pragma once

#include "Protocolo.h"
#include "vortasim.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct BancoRoteirizado {
    std::deque<cbwire::Resposta> respostas;
    std::vector<cbwire::Pedido> pedidos;
    // Code of the reply given once the scripted ones are used up.
    std::string codigoPadrao = "00";

    static int Atende(const char* pedido, int tamanho, int, VortaSimRespondePedido responde, void* canal,
                      void* contexto) {
        auto* b = static_cast<BancoRoteirizado*>(contexto);
        if (auto p = cbwire::DecodificaPedido(std::string_view(pedido, static_cast<std::size_t>(tamanho))))
            b->pedidos.push_back(*p);
        cbwire::Resposta r;
        r.codigo = b->codigoPadrao;
        if (!b->respostas.empty()) {
            r = b->respostas.front();
            b->respostas.pop_front();
        }
        const std::string quadro = cbwire::CodificaResposta(r);
        responde(canal, quadro.data(), static_cast<int>(quadro.size()));
        return VORTASIM_SERVIDOR_RESPONDEU;
    }

    // Prefix and value of the first item of request i that sends the field at that occurrence.
    std::optional<std::string> Valor(std::size_t i, uint16_t campo, uint16_t ocorrencia = 0) const {
        if (i >= pedidos.size()) return std::nullopt;
        for (const auto& item : pedidos[i].itens)
            if (item.campo == campo && item.ocorrencia == ocorrencia) return item.prefixo + item.valor;
        return std::nullopt;
    }
    // Prefix and value of the last item of request i that sends the field with a prefix.
    std::optional<std::string> ComPrefixo(std::size_t i, uint16_t campo) const {
        std::optional<std::string> r;
        if (i >= pedidos.size()) return r;
        for (const auto& item : pedidos[i].itens)
            if (item.campo == campo && !item.prefixo.empty()) r = item.prefixo + item.valor;
        return r;
    }
    // Whether request i sends the field with some text (the text itself stays unprinted).
    bool Preenchido(std::size_t i, uint16_t campo) const {
        const auto v = Valor(i, campo);
        return v && !v->empty();
    }
    // How many items of request i send the field.
    int Quantos(std::size_t i, uint16_t campo) const {
        int n = 0;
        if (i < pedidos.size())
            for (const auto& item : pedidos[i].itens)
                n += item.campo == campo;
        return n;
    }
};
