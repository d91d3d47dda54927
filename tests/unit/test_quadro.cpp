// Frames on the wire, the platform's AutorizaTransacao and the simulated payment server, in-process and on
// loopback TCP.
#include "Ambiente.h"
#include "ItensPedido.h"

#include "EmProcesso.h"
#include "Escuta.h"
#include "Protocolo.h"
#include "Quadro.h"
#include "Servidor.h"
#include "Transcricao.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using cbwire::Pedido;
using cbwire::Resposta;

std::string TodosOsBytes() {
    std::string s;
    for (int c = 0; c < 256; ++c)
        s.push_back(static_cast<char>(c));
    return s;
}

Pedido PedidoExemplo() {
    Pedido p;
    p.codigo = 242;
    p.indicador = 1;
    p.flag = 1;
    p.itens = {{10112, 0, 0, 0, "", "805"},
               {10103, 0, 3, ';', "GRP=", "06"},
               {0, 0, 0, 0, "", "constante \"com\" aspas"},
               {10162, 2, 12, 255, "", "Jos\xE9 \x01\n"}};
    return p;
}

Resposta RespostaExemplo() {
    Resposta r;
    r.codigo = "00";
    r.mensagem = "Transa\xE7\xE3o aprovada";
    r.servicos = {{'5', {"DPCHIP:1", "VLREFBACEN:000000500000"}}, {'A', {}}, {'c', {"01"}}};
    r.hRegistros = {"21INFORMACOES", "26LIMITES", ""};
    return r;
}

// Rewrites the body length of a frame's header to what the frame now has.
std::string AjustaCabecalho(std::string q) {
    char b[16];
    std::snprintf(b, sizeof b, "%08zu", q.size() - cbwire::kCabecalhoQuadro);
    q.replace(5, 8, b);
    return q;
}

// ---- frames ----

TEST(Quadro, PedidoVoltaIgual) {
    std::vector<Pedido> casos;
    casos.push_back({});
    casos.push_back(PedidoExemplo());
    Pedido binario;
    binario.itens = {{1, 2, 3, 4, TodosOsBytes(), TodosOsBytes()}};
    casos.push_back(binario);
    // Every number at its limit and the longest text a host field holds.
    Pedido maximo;
    maximo.codigo = 65535;
    maximo.indicador = 65535;
    maximo.flag = 255;
    maximo.itens = {{65535, 65535, 65535, 255, std::string(cbwire::kMaxTexto, 'P'),
                     std::string(cbwire::kMaxTexto, '\xFF')}};
    casos.push_back(maximo);
    Pedido muitos;
    muitos.itens.assign(cbwire::kMaxItens, cbwire::Item{10162, 7, 0, 0, "", "x"});
    casos.push_back(muitos);

    for (const Pedido& p : casos) {
        const std::string q = cbwire::CodificaPedido(p);
        ASSERT_FALSE(q.empty());
        const auto d = cbwire::DecodificaPedido(q);
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(*d, p);
        // A request is never taken for a reply.
        EXPECT_FALSE(cbwire::DecodificaResposta(q).has_value());
    }

    // What the format cannot carry is not encoded at all.
    Pedido grande = PedidoExemplo();
    grande.itens[0].valor.assign(cbwire::kMaxTexto + 1, '9');
    EXPECT_EQ(cbwire::CodificaPedido(grande), "");
    muitos.itens.push_back({});
    EXPECT_EQ(cbwire::CodificaPedido(muitos), "");
}

TEST(Quadro, RespostaVoltaIgual) {
    std::vector<Resposta> casos;
    casos.push_back({});
    casos.push_back(RespostaExemplo());
    Resposta binaria;
    binaria.codigo = TodosOsBytes();
    binaria.servicos = {{'Q', {TodosOsBytes(), ""}}};
    binaria.hRegistros = {TodosOsBytes()};
    casos.push_back(binaria);
    // Every letter that has a host field, service A at its 4-digit count, h-records at theirs.
    Resposta letras;
    for (const char c : std::string_view("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZc"))
        letras.servicos.push_back({c, {std::string(1, c)}});
    letras.servicos[10].second.assign(cbwire::kMaxOcorrenciasA, "A");
    letras.hRegistros.assign(cbwire::kMaxHRegistros, "05");
    casos.push_back(letras);

    for (const Resposta& r : casos) {
        const std::string q = cbwire::CodificaResposta(r);
        ASSERT_FALSE(q.empty());
        const auto d = cbwire::DecodificaResposta(q);
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(*d, r);
        EXPECT_FALSE(cbwire::DecodificaPedido(q).has_value());
    }
}

TEST(Quadro, RespostaNoLimiteDoQuadro) {
    // 255 h-records of the longest text plus a message that fills the body to exactly its limit.
    Resposta r;
    r.hRegistros.assign(255, std::string(cbwire::kMaxTexto, 'h'));
    const size_t fixo = 5 + 5 + 2 + 5 + 255 * (5 + cbwire::kMaxTexto);
    r.mensagem.assign(cbwire::kMaxCorpo - fixo, 'm');
    const std::string q = cbwire::CodificaResposta(r);
    ASSERT_EQ(q.size(), cbwire::kMaxQuadro);
    const auto d = cbwire::DecodificaResposta(q);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(*d, r);

    r.mensagem.push_back('m');
    EXPECT_EQ(cbwire::CodificaResposta(r), "");
}

TEST(Quadro, TodoCorteERejeitado) {
    const auto confere = [](const std::string& quadro, auto decodifica) {
        for (size_t n = 0; n < quadro.size(); ++n) {
            const std::string corte = quadro.substr(0, n);
            EXPECT_FALSE(decodifica(corte).has_value()) << n;
            // Even when the header is made to agree with the cut, the body says more was to come.
            if (n >= cbwire::kCabecalhoQuadro) {
                EXPECT_FALSE(decodifica(AjustaCabecalho(corte)).has_value()) << n;
            }
        }
    };
    confere(cbwire::CodificaPedido(PedidoExemplo()), cbwire::DecodificaPedido);
    confere(cbwire::CodificaResposta(RespostaExemplo()), cbwire::DecodificaResposta);
}

TEST(Quadro, ComprimentosEContagensCorrompidos) {
    const std::string pedido = cbwire::CodificaPedido(PedidoExemplo());
    const std::string resposta = cbwire::CodificaResposta(RespostaExemplo());
    ASSERT_TRUE(cbwire::DecodificaPedido(pedido).has_value());

    auto troca = [](std::string q, size_t pos, std::string_view t) { return q.replace(pos, t.size(), t); };
    char b[16];
    std::snprintf(b, sizeof b, "%08zu", pedido.size() - cbwire::kCabecalhoQuadro + 1);
    // Places of the body: the flag, the item count, the first item's text length.
    const size_t corpo = cbwire::kCabecalhoQuadro, flag = corpo + 10, itens = corpo + 13,
                 texto = corpo + 17 + 18;
    // Header: mark, kind, length one too many, not digits, past the limit. Body: flag above 255, item count
    // one too many, a text length running past the end.
    const std::pair<size_t, std::string> trocas[] = {{0, "XBW1"},     {4, "R"},         {5, b},
                                                     {5, "0000 1a2"}, {5, "99999999"},  {flag, "256"},
                                                     {itens, "0005"}, {texto, "99999"}, {texto, "00001"}};
    for (const auto& [pos, por] : trocas)
        EXPECT_FALSE(cbwire::DecodificaPedido(troca(pedido, pos, por)).has_value()) << pos << " " << por;
    EXPECT_FALSE(cbwire::DecodificaPedido(AjustaCabecalho(pedido + "x")).has_value()); // a byte left over
    EXPECT_FALSE(cbwire::TamanhoQuadro(troca(pedido, 5, "16777217"), cbwire::kTipoPedido).has_value());
    EXPECT_EQ(cbwire::TamanhoQuadro(pedido, cbwire::kTipoPedido), pedido.size());

    // Body of the reply: a code length past the end, a service letter with no host field, a letter twice,
    // service A beyond its 4-digit count.
    std::vector<Resposta> r(3, RespostaExemplo());
    r[0].servicos.push_back({'a', {"pendente"}});
    r[1].servicos.push_back({'5', {}});
    r[2].servicos[1].second.assign(cbwire::kMaxOcorrenciasA + 1, "A");
    for (const std::string& q : {troca(resposta, corpo, "65535"), cbwire::CodificaResposta(r[0]),
                                 cbwire::CodificaResposta(r[1]), cbwire::CodificaResposta(r[2])})
        EXPECT_FALSE(cbwire::DecodificaResposta(q).has_value());
    r[2].servicos[1].first = 'X'; // the same count is fine for a 5-digit service
    EXPECT_TRUE(cbwire::DecodificaResposta(cbwire::CodificaResposta(r[2])).has_value());
}

TEST(Quadro, SoQuadrosCanonicosSaoAceitos) {
    // Any single byte changed either makes the frame invalid or decodes to content that encodes back to
    // exactly the changed frame: the decoder reads nothing it did not check.
    const std::string pedido = cbwire::CodificaPedido(PedidoExemplo());
    const std::string resposta = cbwire::CodificaResposta(RespostaExemplo());
    int aceitos = 0;
    const auto confere = [&aceitos](const std::string& quadro, char novo, auto decodifica, auto codifica) {
        for (size_t i = 0; i < quadro.size(); ++i) {
            std::string q = quadro;
            q[i] = novo;
            if (const auto d = decodifica(q)) {
                EXPECT_EQ(codifica(*d), q) << i;
                ++aceitos;
            }
        }
    };
    for (const char novo : {'0', '9', ' ', '\0', '\xFF', 'A'}) {
        confere(pedido, novo, cbwire::DecodificaPedido, cbwire::CodificaPedido);
        confere(resposta, novo, cbwire::DecodificaResposta, cbwire::CodificaResposta);
    }
    EXPECT_GT(aceitos, 0); // changes inside values are data, not damage
}

// ---- the server ----

TEST(Servidor, CenarioInvalidoDizPorqueEMantemOAnterior) {
    cbserver::Servidor s;
    AbreCenario(s, "teste.json");
    QString erro;
    const struct {
        const char* json;
        const char* motivo;
    } casos[] = {
        {R"({"parametros": {"1": {"servicos": {"a": ["x"]}}}})", "servicos.a"},
        {R"({"parametros": {"1": {"h": ["05\u20ac"]}}})", "Latin-1"},
        {R"({"parametros": {"1": {"hh": []}}})", "hh"},
        {R"({"parametros": "nao-existe.json"})", "nao-existe.json"},
        {R"({"falhas": {"semRespota": true}})", "semRespota"},
        {R"({"falhas": {"recusa": {"texto": "sem codigo"}}})", "recusa"},
        {R"([1, 2])", "object"},
    };
    for (const auto& c : casos) {
        erro.clear();
        EXPECT_FALSE(s.CarregaCenarioJson(c.json, QStringLiteral(CB_CENARIOS), &erro)) << c.json;
        EXPECT_TRUE(erro.contains(QLatin1String(c.motivo))) << erro.toStdString();
    }
    // The scenario loaded before still answers.
    const auto r = Responde(s, {242, 0, 0, {Item(10103, "3"), Item(10158, "00")}});
    EXPECT_EQ(r.codigo, "00");
    EXPECT_EQ(r.hRegistros.size(), 4u);
}

TEST(Servidor, PedidoIlegivelERecusadoSemQueda) {
    cbserver::Servidor s;
    for (const std::string& lixo : {std::string(), std::string("CBW1P00000003abc"), TodosOsBytes()}) {
        const auto r = cbwire::DecodificaResposta(s.Atende(lixo));
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->codigo, "30");
        EXPECT_EQ(r->mensagem, "Pedido mal formado");
    }
    EXPECT_EQ(s.QtdePedidos(), 3);
}

// ---- AutorizaTransacao ----

TTabelaTrn Descritor(uint16_t codigo, std::initializer_list<uint16_t> campos) {
    TTabelaTrn t{};
    t.CodigoTransacao = codigo;
    for (auto& c : t.Campos)
        c.Campo = CAMPOTRN_IGNORADO;
    size_t i = 0;
    for (const uint16_t c : campos)
        t.Campos[i++].Campo = c;
    return t;
}

const TTabelaTrn kCargaParametros = Descritor(242, {10112, 10171, 10103, 10158});

class Autoriza : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        AbreCenario(servidor_, "teste.json");
        VortaSimDefineObservador(&Autoriza::Observa, this);
    }
    void TearDown() override {
        VortaSimDefineObservador(nullptr, nullptr);
        escuta_.reset();
        local_.reset();
        Ambiente::TearDown();
    }

    void EmProcesso() { local_ = std::make_unique<cbserver::ConexaoEmProcesso>(servidor_); }
    void PorTcp() {
        escuta_ = std::make_unique<cbserver::Escuta>(servidor_);
        std::string erro;
        ASSERT_TRUE(escuta_->Inicia("127.0.0.1", 0, &erro)) << erro;
        ASSERT_EQ(VortaSimDefineServidorTcp(("127.0.0.1:" + std::to_string(escuta_->Porta())).c_str()), 0);
    }

    bool CargaDoGrupo(const char* grupo, const TTabelaTrn& descritor = kCargaParametros) {
        DefineCampo(10103, 0, grupo);
        DefineCampo(10158, 0, "00");
        progresso_.clear();
        return AutorizaTransacao(&descritor, &Autoriza::Progresso, this, 0);
    }

    std::vector<std::string> Observados(const char* tipo) const {
        std::vector<std::string> v;
        for (const auto& [t, texto] : observados_) {
            if (t == tipo) v.push_back(texto);
        }
        return v;
    }

    static void Observa(const char* tipo, const char* texto, void* contexto) {
        static_cast<Autoriza*>(contexto)->observados_.emplace_back(tipo, texto);
    }
    static void Progresso(const char* texto, void* contexto) {
        static_cast<Autoriza*>(contexto)->progresso_.emplace_back(texto);
    }

    cbserver::Servidor servidor_;
    std::unique_ptr<cbserver::ConexaoEmProcesso> local_;
    std::unique_ptr<cbserver::Escuta> escuta_;
    std::vector<std::pair<std::string, std::string>> observados_;
    std::vector<std::string> progresso_;
};

TEST_F(Autoriza, CargaDeParametrosSubstituiOsServicosAnteriores) {
    EmProcesso();
    // What a previous reply left, and the host's own pending-payment marker (20036) that no reply replaces.
    for (int i = 0; i < 3; ++i)
        DefineCampo(20010, i, "A antigo");
    DefineCampo(20120, 0, "0003");
    DefineCampo(20026, 0, "Q antigo");
    DefineCampo(20136, 0, "00001");
    DefineCampo(20038, 0, "01 antigo");
    for (int i = 0; i < 9; ++i)
        DefineCampo(20200, i, "99antigo");
    DefineCampo(20310, 0, "00009");
    DefineCampo(20036, 0, "pendente");

    ASSERT_TRUE(CargaDoGrupo("1"));
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_EQ(Campo(1027), "");
    EXPECT_EQ(Campo(20005, 0), "DPCHIP:0");
    EXPECT_EQ(Campo(20005, 1), "VLREFBACEN:000000500000");
    EXPECT_EQ(Campo(20115), "00002");
    EXPECT_EQ(Campo(20010, 0), "00000103000001");
    EXPECT_EQ(Campo(20010, 1), std::nullopt);
    EXPECT_EQ(Campo(20120), "0001");
    EXPECT_EQ(Campo(20026), std::nullopt);
    EXPECT_EQ(Campo(20136), std::nullopt);
    EXPECT_EQ(Campo(20038), std::nullopt);
    EXPECT_EQ(Campo(20200, 0), "05Pagamento de Contas 8051111110");
    EXPECT_EQ(Campo(20200, 3)->substr(0, 2), "26");
    EXPECT_EQ(Campo(20200, 4), std::nullopt);
    EXPECT_EQ(Campo(20310), "00004");
    EXPECT_EQ(Campo(20036), "pendente");
    ASSERT_FALSE(progresso_.empty());
    EXPECT_EQ(progresso_.front(), "Aguarde, conectando...");

    // The observer sees the request and the reply, one line each.
    EXPECT_EQ(Observados("pedido"),
              std::vector<std::string>{R"(242 10112="" 10171="" 10103="1" 10158="00")"});
    EXPECT_EQ(Observados("resposta"), std::vector<std::string>{R"("00" "" 5=2 A=1 h=4)"});

    // A group without services leaves none behind from the previous load.
    ASSERT_TRUE(CargaDoGrupo("3"));
    EXPECT_EQ(Campo(20005), std::nullopt);
    EXPECT_EQ(Campo(20115), std::nullopt);
    EXPECT_EQ(Campo(20010), std::nullopt);
    EXPECT_EQ(Campo(20200, 0), "07SALDO                805110000");
    EXPECT_EQ(Campo(20310), "00004");
    EXPECT_EQ(VortaSimQtdeAutorizacoes(), 2);
    EXPECT_EQ(servidor_.QtdePedidos(), 2);
}

TEST_F(Autoriza, PedidoQueOCenarioNaoPreveERecusado) {
    EmProcesso();
    DefineCampo(20200, 0, "05antigo");
    ASSERT_TRUE(CargaDoGrupo("9"));
    EXPECT_EQ(Campo(1009), "57");
    EXPECT_EQ(Campo(1027), Latin1("Carga de parâmetros do grupo \"9\" não prevista no cenário"));
    EXPECT_EQ(Campo(20200), std::nullopt);
    EXPECT_EQ(Campo(20310), "00000");

    const TTabelaTrn outra = Descritor(241, {10103, 10158});
    DefineCampo(10158, 0, "07");
    ASSERT_TRUE(AutorizaTransacao(&outra, nullptr, nullptr, 0));
    EXPECT_EQ(Campo(1009), "57");
    EXPECT_EQ(Campo(1027), Latin1("Transação 241 não prevista no cenário (10158 \"07\", 10103 \"9\")"));
}

TEST_F(Autoriza, ChavesDeFalhaEmProcessoETcp) {
    const std::string esgotado = Latin1("Tempo de espera da resposta do servidor esgotado");
    const std::string encerrada = Latin1("Conexão encerrada pelo servidor sem resposta");
    const std::string invalida = Latin1("Resposta inválida do servidor de pagamentos");
    const std::string incompleta = Latin1("Resposta incompleta do servidor de pagamentos");
    struct Caso {
        const char* nome;
        cbserver::Falhas falhas;
        std::string emProcesso; // 1027 in each transport
        std::string tcp;
    };
    cbserver::Falhas atraso, silencio, queda, truncada, malformada;
    atraso.atrasoMs = 5000;
    silencio.semResposta = true;
    queda.derrubaConexao = true;
    truncada.respostaTruncada = true;
    malformada.servicoMalformado = true;
    const Caso casos[] = {
        {"atraso", atraso, esgotado, esgotado},
        {"semResposta", silencio, esgotado, esgotado},
        {"derrubaConexao", queda, encerrada, encerrada},
        {"respostaTruncada", truncada, invalida, incompleta},
        {"servicoMalformado", malformada, invalida, invalida},
    };
    VortaSimDefinePrazoServidor(200);
    for (const bool tcp : {false, true}) {
        if (tcp) {
            local_.reset();
            PorTcp();
        } else {
            EmProcesso();
        }
        for (const Caso& c : casos) {
            SCOPED_TRACE(std::string(c.nome) + (tcp ? " tcp" : " em processo"));
            servidor_.DefineFalhas(c.falhas);
            DefineCampo(1009, 0, "00");
            EXPECT_FALSE(CargaDoGrupo("1"));
            EXPECT_EQ(Campo(1009), "255");
            EXPECT_EQ(Campo(1027), tcp ? c.tcp : c.emProcesso);
        }
        // A delay within the deadline is only a delay.
        cbserver::Falhas curto;
        curto.atrasoMs = 20;
        servidor_.DefineFalhas(curto);
        EXPECT_TRUE(CargaDoGrupo("1"));
        EXPECT_EQ(Campo(1009), "00");
        // Refusing everything is an answer: the code and text arrive as sent.
        cbserver::Falhas recusa;
        recusa.recusaCodigo = "05";
        recusa.recusaTexto = Latin1("Sistema indisponível");
        servidor_.DefineFalhas(recusa);
        EXPECT_TRUE(CargaDoGrupo("1"));
        EXPECT_EQ(Campo(1009), "05");
        EXPECT_EQ(Campo(1027), recusa.recusaTexto);
        EXPECT_EQ(Campo(20310), "00000");
        servidor_.DefineFalhas({});
    }
}

TEST_F(Autoriza, SemServidorOuSemDescritor) {
    // No connection chosen: nothing can be sent.
    EXPECT_FALSE(CargaDoGrupo("1"));
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), Latin1("Servidor de pagamentos não configurado"));
    EXPECT_EQ(Observados("pedido").size(), 1u);

    EmProcesso();
    EXPECT_FALSE(AutorizaTransacao(nullptr, nullptr, nullptr, 0));
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_FALSE(Campo(1027)->empty());

    // A server that has stopped: the connection is refused at once.
    PorTcp();
    escuta_->Para();
    EXPECT_FALSE(CargaDoGrupo("1"));
    EXPECT_EQ(Campo(1009), "255");
    const std::string texto =
        "Não foi possível conectar ao servidor de pagamentos (127.0.0.1:" + std::to_string(escuta_->Porta()) +
        ")";
    EXPECT_EQ(Campo(1027), Latin1(texto.c_str()));
}

// A server written for the test: keeps the request it received and answers with a set reply.
struct ServidorDeTeste {
    std::string recebido;
    std::string resposta;
    bool responde = true;

    static int Atende(const char* pedido, int tamanho, int, VortaSimRespondePedido responde, void* canal,
                      void* contexto) {
        auto* s = static_cast<ServidorDeTeste*>(contexto);
        s->recebido.assign(pedido, static_cast<size_t>(tamanho));
        if (s->responde) responde(canal, s->resposta.data(), static_cast<int>(s->resposta.size()));
        return VORTASIM_SERVIDOR_RESPONDEU;
    }
};

TEST_F(Autoriza, LarguraDosContadoresEDadosSensiveis) {
    ServidorDeTeste s;
    Resposta r;
    r.codigo = "00";
    r.servicos = {{'A', {"a1", "a2"}}, {'Q', {"q1", "q2", "q3"}}, {'c', {"01"}}, {'0', {"zero"}}, {'I', {}}};
    s.resposta = cbwire::CodificaResposta(r);
    VortaSimDefineServidorLocal(&ServidorDeTeste::Atende, &s);

    const std::string cartao = "4111111111111111=2512101";
    DefineCampo(10104, 0, cartao);
    DefineCampo(10146, 0, "0A1B2C3D4E5F6071");
    DefineCampo(10149, 0, "123");
    DefineCampo(10500, 0, "5555 5555 5555 4444");
    DefineCampo(10501, 0, "23793381286000782713695000063305975520000370000");
    DefineCampo(10502, 0, "Jos\xE9 \"Z\"");
    const TTabelaTrn d = Descritor(241, {10104, 10146, 10149, 10500, 10501, 10502});
    ASSERT_TRUE(AutorizaTransacao(&d, nullptr, nullptr, 1));

    EXPECT_EQ(Campo(20120), "0002");
    EXPECT_EQ(Campo(20136), "00003");
    EXPECT_EQ(Campo(20148), "00001");
    EXPECT_EQ(Campo(20110), "00001");
    EXPECT_EQ(Campo(20128), "00000");
    EXPECT_EQ(Campo(20026, 2), "q3");
    EXPECT_EQ(Campo(20000), "zero");

    // The server gets the values in clear; the observer never does.
    const auto pedido = cbwire::DecodificaPedido(s.recebido);
    ASSERT_TRUE(pedido.has_value());
    EXPECT_EQ(pedido->flag, 1);
    EXPECT_EQ(pedido->itens.at(0).valor, cartao);
    EXPECT_EQ(
        Observados("pedido"),
        std::vector<std::string>{"241 flag=1 10104=\"************************\" 10146=\"****************\" "
                                 "10149=\"***\" 10500=\"*******************\" "
                                 "10501=\"23793381286000782713695000063305975520000370000\" "
                                 "10502=\"Jos\xE9 \\\"Z\\\"\""});

    // Answering "yes" without a reply is a dropped connection.
    s.responde = false;
    EXPECT_FALSE(AutorizaTransacao(&d, nullptr, nullptr, 0));
    EXPECT_EQ(Campo(1027), Latin1("Conexão encerrada pelo servidor sem resposta"));
}

TEST_F(Autoriza, TranscricaoLeAsLinhasDoObservador) {
    // The till turns the observer's lines into its transcript: every byte survives the escapes, the masks
    // stay masks, a field sent twice keeps both values.
    EmProcesso();
    TTabelaTrn d = Descritor(241, {10158, 10103, 0, 0, 10104});
    d.Campos[2].Texto = "const \"a\" \\ b";
    d.Campos[3].Texto = "outra";
    d.Campos[1].Ocorrencia = 2;
    DefineCampo(10158, 0, "tab\tfim \x7F=\"");
    DefineCampo(10103, 2, "Jos\xE9");
    DefineCampo(10104, 0, "4111111111111111");
    ASSERT_TRUE(AutorizaTransacao(&d, nullptr, nullptr, 0));
    ASSERT_EQ(Observados("pedido").size(), 1u);
    const QJsonObject p = PedidoDaDescricao(Observados("pedido")[0].c_str());
    const QJsonObject esperado{{QStringLiteral("tipo"), QStringLiteral("pedido")},
                               {QStringLiteral("codigo"), 241},
                               {QStringLiteral("flag"), 0},
                               {QStringLiteral("itens"),
                                QJsonObject{{QStringLiteral("10158"), QStringLiteral("tab\tfim \x7F=\"")},
                                            {QStringLiteral("10103.2"), QStringLiteral("Jos\u00E9")},
                                            {QStringLiteral("0"), QStringLiteral("const \"a\" \\ b")},
                                            {QStringLiteral("0#2"), QStringLiteral("outra")},
                                            {QStringLiteral("10104"), QStringLiteral("****************")}}}};
    EXPECT_EQ(p, esperado) << QJsonDocument(p).toJson().toStdString();

    const QJsonObject r = RespostaDaDescricao(Observados("resposta")[0].c_str());
    EXPECT_EQ(r.value(QStringLiteral("codigo")), QStringLiteral("57"));
    EXPECT_EQ(
        r.value(QStringLiteral("texto")),
        QStringLiteral("Transação 241 não prevista no cenário (10158 \"tab\tfim \x7F=\"\", 10103 ausente)"));
    EXPECT_EQ(r.value(QStringLiteral("h")), 0);

    ServidorDeTeste s;
    Resposta com;
    com.codigo = "00";
    com.servicos = {{'A', {"a"}}, {'5', {"x", "y"}}};
    com.hRegistros = {"05", "13", "21"};
    s.resposta = cbwire::CodificaResposta(com);
    VortaSimDefineServidorLocal(&ServidorDeTeste::Atende, &s);
    ASSERT_TRUE(AutorizaTransacao(&d, nullptr, nullptr, 0));
    EXPECT_EQ(RespostaDaDescricao(Observados("resposta").back().c_str()),
              (QJsonObject{{QStringLiteral("tipo"), QStringLiteral("resposta")},
                           {QStringLiteral("codigo"), QStringLiteral("00")},
                           {QStringLiteral("texto"), QString()},
                           {QStringLiteral("servicos"),
                            QJsonObject{{QStringLiteral("A"), 1}, {QStringLiteral("5"), 2}}},
                           {QStringLiteral("h"), 3}}));
}

TEST_F(Autoriza, PrazoConfiguravel) {
    EXPECT_EQ(VortaSimPrazoServidor(), 15000);
    VortaSimDefinePrazoServidor(250);
    EXPECT_EQ(VortaSimPrazoServidor(), 250);
    setenv("CB_PRAZO_SERVIDOR_MS", "1234", 1);
    VortaSimDefinePrazoServidor(0);
    EXPECT_EQ(VortaSimPrazoServidor(), 1234);
    setenv("CB_PRAZO_SERVIDOR_MS", "12x", 1);
    VortaSimReinicia();
    EXPECT_EQ(VortaSimPrazoServidor(), 15000);
    unsetenv("CB_PRAZO_SERVIDOR_MS");

    for (const char* invalido : {"", "127.0.0.1", ":80", "h:", "h:0", "h:65536", "h:8x", "h:123456"})
        EXPECT_EQ(VortaSimDefineServidorTcp(invalido), -1) << invalido;
    for (const char* valido : {"127.0.0.1:80", "localhost:65535", "[::1]:4000"})
        EXPECT_EQ(VortaSimDefineServidorTcp(valido), 0) << valido;
}

TEST_F(Autoriza, CbServerEscutaEmPortaLivre) {
    QProcess p;
    p.start(QStringLiteral(CB_SERVIDOR),
            {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--scenario"),
             QStringLiteral(CB_CENARIOS "/teste.json")});
    ASSERT_TRUE(p.waitForStarted(10000));
    ASSERT_TRUE(p.waitForReadyRead(10000)) << p.readAllStandardError().toStdString();
    const QByteArray endereco = p.readLine().trimmed();
    ASSERT_TRUE(endereco.startsWith("127.0.0.1:")) << endereco.toStdString();
    ASSERT_EQ(VortaSimDefineServidorTcp(endereco.constData()), 0);
    EXPECT_TRUE(CargaDoGrupo("3"));
    EXPECT_EQ(Campo(1009), "00");
    EXPECT_EQ(Campo(20310), "00004");
    p.terminate();
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
}

// What cb-server refuses before it listens: a missing option or an address that is not HOST:PORT (2), a
// scenario it cannot load (1); each says why on standard error and prints no address.
TEST(CbServer, OpcoesRecusadasSemEscutar) {
    const QString cenario = QStringLiteral(CB_CENARIOS "/teste.json");
    struct Caso {
        QStringList argumentos;
        int saida;
        const char* motivo;
    };
    const auto escuta = [&](const char* endereco) {
        return QStringList{QStringLiteral("--listen"), QString::fromLatin1(endereco),
                           QStringLiteral("--scenario"), cenario};
    };
    const Caso casos[] = {
        {{}, 2, "--listen and --scenario are required"},
        {{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")},
         2,
         "--listen and --scenario are required"},
        {{QStringLiteral("--scenario"), cenario}, 2, "--listen and --scenario are required"},
        {escuta("127.0.0.1"), 2, "--listen takes HOST:PORT"},
        {escuta(":4000"), 2, "--listen takes HOST:PORT"},
        {escuta("127.0.0.1:"), 2, "--listen takes HOST:PORT"},
        {escuta("127.0.0.1:8x"), 2, "--listen takes HOST:PORT"},
        {escuta("127.0.0.1:65536"), 2, "--listen takes HOST:PORT"},
        {{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--scenario"),
          QStringLiteral("/nao/existe.json")},
         1,
         "cb-server: "},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.argumentos.join(QLatin1Char(' ')).toStdString());
        QProcess p;
        p.start(QStringLiteral(CB_SERVIDOR), c.argumentos);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), c.saida);
        EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
        EXPECT_TRUE(p.readAllStandardError().contains(c.motivo));
    }
}

} // namespace
