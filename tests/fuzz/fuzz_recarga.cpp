// The top-up records: the branch lists of the three networks (service A of Bradesco, B of Corban OS and GXS,
// with the catalogue switch of service 5), their plain values replies (A, B, C) and the catalogue of service
// Q "017D", parsed from the reply fields as the dialogs do; then the catalogue entries read back.
#include "Alvo.h"

#include "protocol/ServicosRecarga.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    using namespace Lumomain;
    fuzz::Prepara();
    const auto e = fuzz::Separa(d, n);
    const auto linhas = fuzz::Linhas(e.dados, 6);
    const auto linha = [&](size_t i) { return i < linhas.size() ? linhas[i] : std::string_view{}; };
    const RedeRecarga rede = static_cast<RedeRecarga>((e.controle >> 2) % 3);
    HostlinkLimpaCampo(10323);
    fuzz::Servico(20010, {linha(0)}, 4, e.controle);
    fuzz::Servico(20011, {linha(1)}, 5, e.controle);
    fuzz::Servico(20012, {linha(2)}, 5, e.controle);
    fuzz::Servico(20026, {linha(3), linha(4)}, 5, e.controle);
    fuzz::Servico(20005, {linha(5)}, 5, e.controle);

    if (TrataRespostaConsultaFiliais(rede)) {
        const auto& f = FiliaisDaRede(rede).Filiais;
        fuzz::Exige(f.size() <= (rede == RedeRecarga::Bradesco ? 999u : 99u),
                    "the count's digits bound the list");
        for (const auto& filial : f)
            fuzz::Exige(filial.codigo.size() <= 5 && filial.uf.size() <= 2,
                        "branch fields cut to their widths");
    }
    TrataRespostaConsultaValores(rede);
    fuzz::Exige(RespostaConsultaValores.Entradas.size() <= 99, "at most 99 plain values");
    // The catalogue from the reply (Corban OS with the switch) or from the record alone.
    if (ConsultaValor.Fixos.empty() && !LeCatalogo(linha(3), ConsultaValor))
        fuzz::Exige(ConsultaValor.Fixos.empty() && ConsultaValor.CategoriasOferecidas.empty(),
                    "a refused record leaves the catalogue empty");
    fuzz::Exige(ConsultaValor.Fixos.size() <= Catalogo::MAX_FIXOS &&
                    ConsultaValor.Faixas.size() <= Catalogo::MAX_FAIXAS &&
                    ConsultaValor.NomesCategorias.size() <= Catalogo::MAX_CATEGORIAS &&
                    ConsultaValor.CategoriasOferecidas.size() <= Catalogo::MAX_CATEGORIAS,
                "lists within their limits");
    for (const auto& r : ConsultaValor.Fixos) {
        GuardaVariaveisRecarga(r);
        fuzz::Exige(sChaveVlRecarga.size() <= 11, "the value key is 11 characters at most");
    }
    for (const auto& r : ConsultaValor.Faixas)
        GuardaVariaveisRecarga(r);
    for (const auto& c : ConsultaValor.CategoriasOferecidas)
        for (const auto& nome : ConsultaValor.NomesCategorias)
            ComparaCodigosCategorias(c.texto(0, 3), nome.texto(0, 3));
    fuzz::Exige(
        CentralizaMensagem(QString::fromLatin1(linha(5).data(), static_cast<int>(linha(5).size())), 47)
                .size() <= 47,
        "a centred text stays within its width");
    TrataRespostaRecarga();
    return 0;
}
