// The host stand-in as the module and a host see it: fields, the result file, the audit trail, build
// information, other payment modules and operator validation.
#include "Ambiente.h"
#include "host/Host.h"
#include "opkit.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cstring>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

class Hostlink : public Ambiente {};

// ---- fields ----

TEST_F(Hostlink, AusenteEVazioSaoDistintos) {
    char buffer[16];
    uint16_t tamanho = sizeof buffer;
    EXPECT_EQ(HostlinkLeCampo(1027, 0, buffer, &tamanho), HL_CAMPO_AUSENTE);
    EXPECT_EQ(tamanho, 0);

    ASSERT_EQ(HostlinkGravaCampo(1027, 0, "", 0), HL_OK);
    tamanho = sizeof buffer;
    EXPECT_EQ(HostlinkLeCampo(1027, 0, buffer, &tamanho), HL_OK);
    EXPECT_EQ(tamanho, 0);
    // Another occurrence of a present field is still absent.
    tamanho = sizeof buffer;
    EXPECT_EQ(HostlinkLeCampo(1027, 1, buffer, &tamanho), HL_CAMPO_AUSENTE);

    char texto[8] = "lixo";
    EXPECT_EQ(LeCampo(texto, sizeof texto, 1009, 0), -1);
    EXPECT_STREQ(texto, "");
    std::strcpy(texto, "lixo");
    EXPECT_EQ(LeCampo(texto, sizeof texto, 1027, 0), 0);
    EXPECT_STREQ(texto, "");

    // The string form of writing makes a present, empty field too.
    ASSERT_EQ(GravaCampoString(1024, 0, nullptr), HL_OK);
    EXPECT_EQ(Campo(1024), std::string());
}

TEST_F(Hostlink, GravaELeExatamenteOsBytes) {
    const std::string bytes("A\0B\xE9\n"
                            "C",
                            6);
    DefineCampo(20010, 3, bytes);
    char buffer[16];
    uint16_t tamanho = sizeof buffer;
    ASSERT_EQ(HostlinkLeCampo(20010, 3, buffer, &tamanho), HL_OK);
    EXPECT_EQ(std::string(buffer, tamanho), bytes);

    EXPECT_EQ(GravaCampoString(1009, 0, "00"), HL_OK);
    EXPECT_EQ(Campo(1009), "00");
    // Writing again replaces the value.
    EXPECT_EQ(GravaCampoString(1009, 0, "255"), HL_OK);
    EXPECT_EQ(Campo(1009), "255");

    EXPECT_EQ(GravaCampoString(-1, 0, "x"), HL_PARAMETRO_INVALIDO);
    EXPECT_EQ(HostlinkGravaCampo(1009, -1, "x", 1), HL_PARAMETRO_INVALIDO);
}

// Every answer check reads 1009 through one place: anything but a number counts as no answer (255).
TEST_F(Hostlink, CodigoResultadoLido) {
    for (const auto& [valor, codigo] : {std::pair{"00", 0}, {" 5 ", 5}, {"", 255}, {"FF", 255}}) {
        DefineCampo(1009, 0, valor);
        EXPECT_EQ(host::CodigoResultado(), codigo) << valor;
        EXPECT_EQ(host::Aprovada(), codigo == 0) << valor;
    }
}

TEST_F(Hostlink, LeCampoComCapacidadeCurtaSegueSnprintf) {
    DefineCampo(1027, 0, "Finalizado");
    char curto[5];
    EXPECT_EQ(LeCampo(curto, sizeof curto, 1027, 0), 10);
    EXPECT_STREQ(curto, "Fina");
}

TEST_F(Hostlink, BufferCurto) {
    DefineCampo(10104, 0, "ABCDEFGHIJ");
    char buffer[4];
    uint16_t tamanho = sizeof buffer;
    EXPECT_EQ(HostlinkLeCampo(10104, 0, buffer, &tamanho), HL_BUFFER_PEQUENO);
    EXPECT_EQ(std::string(buffer, sizeof buffer), "ABCD");
    // The header promises the field's length on return, which is what a caller needs to size its next buffer.
    EXPECT_EQ(tamanho, 10);
}

TEST_F(Hostlink, LeCampoMaxLenIgnoraORestoDoCampo) {
    DefineCampo(10290, 0, "ABCDEFGHIJ");
    // Field, buffer size, limit; the result and the bytes read (a short buffer: all of it). The limit does
    // not make a short buffer acceptable.
    const std::tuple<int, uint16_t, int, int, const char*> casos[] = {{10290, 32, 4, HL_OK, "ABCD"},
                                                                      {10290, 32, 1025, HL_OK, "ABCDEFGHIJ"},
                                                                      {10290, 2, 4, HL_BUFFER_PEQUENO, "AB"},
                                                                      {10291, 32, 4, HL_CAMPO_AUSENTE, ""}};
    for (const auto& [campo, capacidade, limite, codigo, lido] : casos) {
        std::vector<char> buffer(capacidade); // of its exact size, so that a write past it is caught
        uint16_t tamanho = capacidade;
        EXPECT_EQ(HostlinkLeCampoMaxLen(campo, 0, buffer.data(), &tamanho, limite), codigo) << lido;
        EXPECT_EQ(std::string(buffer.data(), codigo == HL_BUFFER_PEQUENO ? capacidade : tamanho), lido);
    }
}

TEST_F(Hostlink, LimpaCampoRemoveTodasAsOcorrenciasSoDaqueleCampo) {
    const std::tuple<int, int, const char*> campos[] = {{10153, 0, "antes"},  {10154, 0, " "},
                                                        {10154, 1, "3"},      {10154, 7, "x"},
                                                        {10155, 0, "depois"}, {10155, 2, "depois2"}};
    for (const auto& [campo, ocorrencia, valor] : campos)
        DefineCampo(campo, ocorrencia, valor);
    EXPECT_EQ(HostlinkLimpaCampo(10154), HL_OK);
    for (const auto& [campo, ocorrencia, valor] : campos)
        EXPECT_EQ(Campo(campo, ocorrencia), campo == 10154 ? std::nullopt : std::optional<std::string>(valor))
            << campo << '.' << ocorrencia;
    // Clearing an absent field is no error.
    EXPECT_EQ(HostlinkLimpaCampo(10154), HL_OK);
    EXPECT_EQ(HostlinkLimpaCampo(4242), HL_OK);
}

// ---- result file ----

TEST_F(Hostlink, ArquivoDeResultadoUmaLinhaPorOcorrenciaEmOrdem) {
    DefineCampo(20010, 1, "segunda");
    DefineCampo(1027, 0, "Linha 1\r\nLinha 2");
    DefineCampo(20010, 0, "primeira");
    DefineCampo(1009, 0, "0");
    DefineCampo(1024, 0, "");
    DefineCampo(1100, 0,
                std::string("C:\\dir\t\x7F"
                            "fim\xE9",
                            12));
    ASSERT_EQ(HostlinkGravaArquivo(), HL_OK);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    const auto arquivo = Resultado();
    ASSERT_TRUE(arquivo);
    // A line break inside a value cannot split its line; '\' is doubled so the escapes read back
    // unambiguously; other 8-bit bytes are kept as they are.
    EXPECT_EQ(*arquivo, "1009.0=0\n"
                        "1024.0=\n"
                        "1027.0=Linha 1\\x0D\\x0ALinha 2\n"
                        "1100.0=C:\\\\dir\\x09\\x7Ffim\xE9\n"
                        "20010.0=primeira\n"
                        "20010.1=segunda\n");

    // A second write replaces the file: it always holds the fields as they are now.
    ASSERT_EQ(HostlinkLimpaCampo(20010), HL_OK);
    ASSERT_EQ(HostlinkGravaArquivo(), HL_OK);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 2);
    EXPECT_EQ(Resultado()->find("20010"), std::string::npos);
    // The temporary file of the write is gone.
    EXPECT_FALSE(QFileInfo::exists(Caminho(QStringLiteral(VORTASIM_ARQUIVO_RESULTADO ".tmp"))));
}

TEST_F(Hostlink, ArquivoDeResultadoSemPastaFalha) {
    setenv("CB_HOST_DIR", QFile::encodeName(Caminho(QStringLiteral("naoexiste"))).constData(), 1);
    DefineCampo(1009, 0, "0");
    EXPECT_EQ(HostlinkGravaArquivo(), HL_FALHA_ARQUIVO);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 0);
}

TEST_F(Hostlink, EnviaArquivoErroPDV) {
    std::vector<std::string> avisos;
    VortaSimDefineObservador(
        [](const char* tipo, const char* texto, void* contexto) {
            static_cast<std::vector<std::string>*>(contexto)->push_back(std::string(tipo) + ":" + texto);
        },
        &avisos);
    DefineCampo(1009, 0, "0");
    const std::string texto = Latin1("Transacao Nao Habilitada");
    EXPECT_EQ(EnviaArquivoErroPDV(255, texto.c_str()), HL_OK);
    EXPECT_EQ(Campo(1009), "255");
    EXPECT_EQ(Campo(1027), texto);
    EXPECT_EQ(VortaSimQtdeGravaArquivo(), 1);
    const auto arquivo = Resultado();
    ASSERT_TRUE(arquivo);
    EXPECT_EQ(*arquivo, "1009.0=255\n1027.0=" + texto + "\n");
    ASSERT_EQ(avisos.size(), 2U);
    EXPECT_EQ(avisos[0], "erroPDV:" + texto);
    EXPECT_EQ(avisos[1].rfind("resultado:", 0), 0U);
}

// ---- audit trail ----

TEST_F(Hostlink, AuditUmaLinhaComCarimboPorChamada) {
    const char* linhas[] = {"Criou: FrmSel_Mnu", "Entrou: ColetaValorCartaoPrePago.", "Destruiu: FrmSel_Mnu"};
    for (const char* l : linhas)
        GravaAudit(0, l, static_cast<int>(std::strlen(l)));
    // The length given is what is written, not the C string.
    GravaAudit(0, "Saiu: Passo.XYZ", 12);
    GravaAudit(0, "negativo", -1);

    const auto arquivo = LeArquivo(QStringLiteral(VORTASIM_ARQUIVO_AUDIT));
    ASSERT_TRUE(arquivo);
    const QStringList brutas =
        QString::fromLatin1(QByteArray::fromStdString(*arquivo)).split(QLatin1Char('\n'));
    ASSERT_EQ(brutas.size(), 5) << *arquivo; // four lines and the empty rest after the last '\n'
    EXPECT_TRUE(brutas.last().isEmpty());
    const QRegularExpression carimbo(QStringLiteral(R"(^\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{3} )"));
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(carimbo.match(brutas[i]).hasMatch()) << brutas[i].toStdString();
    EXPECT_EQ(LinhasAudit(),
              (std::vector<std::string>{"Criou: FrmSel_Mnu", "Entrou: ColetaValorCartaoPrePago.",
                                        "Destruiu: FrmSel_Mnu", "Saiu: Passo."}));

    // Appended to, never rewritten.
    GravaAudit(0, "mais", 4);
    EXPECT_EQ(LinhasAudit().size(), 5U);
    EXPECT_EQ(LinhasAudit().front(), "Criou: FrmSel_Mnu");
}

// ---- build information ----

// The module's version, cut to the capacity given; a file without a version mark, or none, gives nothing.
TEST_F(Hostlink, GetBuildInfo) {
    EscreveArquivo(QStringLiteral("semversao.so"), QByteArray("\x7F"
                                                              "ELF qualquer coisa sem marca\0fim",
                                                              33));
    const QByteArray semVersao = QFile::encodeName(Caminho(QStringLiteral("semversao.so")));
    const QByteArray naoExiste = QFile::encodeName(Caminho(QStringLiteral("naoexiste.so")));
    const std::tuple<const char*, int, int, const char*> casos[] = {{CB_MODULO, 32, 8, "1.0.0.13"},
                                                                    {CB_MODULO, 4, 8, "1.0"},
                                                                    {semVersao.constData(), 16, 0, ""},
                                                                    {naoExiste.constData(), 16, 0, ""}};
    for (const auto& [arquivo, capacidade, tamanho, versao] : casos) {
        char saida[40];
        std::memset(saida, 'x', sizeof saida);
        saida[capacidade] = '\0'; // a write past the capacity shows in the text
        EXPECT_EQ(GetBuildInfo(arquivo, saida, capacidade), tamanho) << arquivo;
        EXPECT_STREQ(saida, versao) << arquivo;
    }
}

// ---- other payment modules ----

TEST_F(Hostlink, CarregaModulosPadraoAprova) {
    // A fresh host has a module that runs and approves, with no receipt figures.
    EXPECT_TRUE(CarregaModulos("805", 0, 0));
    EXPECT_EQ(Campo(1009), "0");
    EXPECT_EQ(Campo(10170), "0");
    EXPECT_EQ(Campo(20128), "0");
}

// ---- operator validation ----

struct ChamadasValidador {
    std::vector<std::string> niveis;
    std::vector<uintptr_t> janelas;
    bool resposta = false;
};

bool Validador(uintptr_t janela, const char* nivel, void* contexto) {
    auto* c = static_cast<ChamadasValidador*>(contexto);
    c->janelas.push_back(janela);
    c->niveis.emplace_back(nivel);
    return c->resposta;
}

TEST_F(Hostlink, ValidarOperadorPerguntaAoValidador) {
    VortaSimDefineRespostaOperador(-1);
    EXPECT_FALSE(ValidarOperador(0x10, "2")) << "no validator: refused";

    ChamadasValidador chamadas;
    VortaSimDefineValidadorOperador(&Validador, &chamadas);
    chamadas.resposta = true;
    EXPECT_TRUE(ValidarOperador(0xABC, "2"));
    chamadas.resposta = false;
    EXPECT_FALSE(ValidarOperador(0xDEF, nullptr));
    VortaSimDefineRespostaOperador(0); // a script's refusal is its answer: the validator is not asked
    chamadas.resposta = true;
    EXPECT_FALSE(ValidarOperador(0x10, "2"));
    ASSERT_EQ(chamadas.niveis.size(), 2U);
    EXPECT_EQ(chamadas.janelas[0], 0xABCU);
    EXPECT_EQ(chamadas.niveis[0], "2");
    EXPECT_EQ(chamadas.janelas[1], 0xDEFU);
    EXPECT_EQ(chamadas.niveis[1], "");
    EXPECT_EQ(VortaSimQtdeValidarOperador(), 4);
}

} // namespace
