// IniFile reads the INI files of a Windows host the way that host does.
#include "Ambiente.h"
#include "host/IniFile.h"

#include <QDir>
#include <QFile>

#include <string>
#include <tuple>
#include <utility>

namespace {

// The value of the first line "chave = valor" of the raw file, blanks trimmed.
std::string ValorBruto(const std::string& arquivo, const std::string& chave) {
    for (const QString& linha :
         QString::fromLatin1(QByteArray::fromStdString(arquivo)).split(QLatin1Char('\n'))) {
        const auto partes = linha.split(QLatin1Char('='));
        if (partes.size() == 2 && partes[0].trimmed() == QString::fromStdString(chave))
            return partes[1].trimmed().toStdString();
    }
    return "<absent>";
}

class IniFileTeste : public Ambiente {
protected:
    QString Ini(const QByteArray& conteudo) {
        EscreveIni(QStringLiteral("Teste.ini"), conteudo);
        return Caminho(QStringLiteral("Teste.ini"));
    }
};

TEST_F(IniFileTeste, NomesDeSecaoEChaveSemDistincaoDeCaixa) {
    const IniFile ini(Ini("[CorrespondenteBancario]\r\nDepositoCB=1\r\nSaqueCB=Sim\r\n"));
    EXPECT_TRUE(ini.Existe());
    EXPECT_TRUE(ini.LeBool(QStringLiteral("correspondentebancario"), QStringLiteral("DEPOSITOCB"), false));
    EXPECT_TRUE(ini.LeBool(QStringLiteral("CORRESPONDENTEBANCARIO"), QStringLiteral("depositocb"), false));
    EXPECT_EQ(ini.LeTexto(QStringLiteral("correspondenteBANCARIO"), QStringLiteral("saquecb")),
              QStringLiteral("Sim"));
    // The name must still match as a whole.
    EXPECT_FALSE(ini.LeBool(QStringLiteral("Correspondente"), QStringLiteral("DepositoCB"), false));
    EXPECT_FALSE(ini.LeBool(QStringLiteral("CorrespondenteBancario"), QStringLiteral("Deposito"), false));
}

TEST_F(IniFileTeste, ValoresSaoTomadosByteAByte) {
    // A Windows host reads ';' inside a value as data, '\' as a plain character and 8-bit text as Latin-1.
    const IniFile ini(Ini("; comment line\n[S]\nSenhaTexto=abc;def ; ghi\nPasta=C:\\Vorta\\n\\x41\n"
                          "Nome=Jo\xE3o da Concei\xE7\xE3o\n"));
    EXPECT_EQ(ini.LeTexto(QStringLiteral("S"), QStringLiteral("SenhaTexto")),
              QStringLiteral("abc;def ; ghi"));
    EXPECT_EQ(ini.LeTexto(QStringLiteral("S"), QStringLiteral("Pasta")), QStringLiteral("C:\\Vorta\\n\\x41"));
    EXPECT_EQ(ini.LeTexto(QStringLiteral("S"), QStringLiteral("Nome")),
              QString::fromUtf8("João da Conceição"));
    EXPECT_EQ(ini.LeTexto(QStringLiteral("S"), QStringLiteral("Ausente"), QStringLiteral("pad")),
              QStringLiteral("pad"));
}

TEST_F(IniFileTeste, Booleanos) {
    const IniFile ini(Ini("[S]\nZero=0\nUm=1\nMenosTres=-3\nVerdade=true\nFalso=FALSE\nMisto=TrUe\n"
                          "Lixo=sim\nVazio=\nEspacos=  1  \nNumeroELetras=1a\n"));
    // 1 and 0: true and false; -1: neither an integer nor true/false, so the default as for an absent key.
    const QString s = QStringLiteral("S");
    const std::pair<const char*, int> casos[] = {
        {"Zero", 0},    {"Um", 1},    {"MenosTres", 1},      {"Verdade", 1}, {"Falso", 0},   {"Misto", 1},
        {"Espacos", 1}, {"Lixo", -1}, {"NumeroELetras", -1}, {"Vazio", -1},  {"Ausente", -1}};
    for (bool padrao : {false, true}) {
        SCOPED_TRACE(padrao ? "default true" : "default false");
        for (const auto& [chave, valor] : casos)
            EXPECT_EQ(ini.LeBool(s, QString::fromLatin1(chave), padrao), valor < 0 ? padrao : valor == 1)
                << chave;
        EXPECT_EQ(ini.LeBool(QStringLiteral("OutraSecao"), QStringLiteral("Um"), padrao), padrao);
    }
}

TEST_F(IniFileTeste, Inteiros) {
    const IniFile ini(Ini("[S]\nQuantidade=42\nNegativo=-7\nEspacos= 15 \nTexto=abc\nVazio=\n"
                          "Grande=99999999999\n"));
    // Grande does not fit: not silently wrapped.
    const std::tuple<const char*, int, int> casos[] = {
        {"Quantidade", -1, 42}, {"Negativo", -1, -7}, {"Espacos", -1, 15}, {"Texto", -1, -1},
        {"Vazio", -1, -1},      {"Grande", -1, -1},   {"Ausente", 9, 9}};
    for (const auto& [chave, padrao, valor] : casos)
        EXPECT_EQ(ini.LeInteiro(QStringLiteral("S"), QString::fromLatin1(chave), padrao), valor) << chave;
}

TEST_F(IniFileTeste, ArquivoAusenteLeOsPadroes) {
    const IniFile ini(Caminho(QStringLiteral("NaoExiste.ini")));
    EXPECT_FALSE(ini.Existe());
    EXPECT_FALSE(ini.LeBool(QStringLiteral("S"), QStringLiteral("Chave"), false));
    EXPECT_TRUE(ini.LeBool(QStringLiteral("S"), QStringLiteral("Chave"), true));
    EXPECT_EQ(ini.LeInteiro(QStringLiteral("S"), QStringLiteral("Chave"), 5), 5);
    EXPECT_EQ(ini.LeTexto(QStringLiteral("S"), QStringLiteral("Chave"), QStringLiteral("x")),
              QStringLiteral("x"));
}

TEST_F(IniFileTeste, NoDiretorioHostUsaAPastaDoHost) {
    EscreveIni(QStringLiteral("ClienteTrn.ini"), "[A]\nB=7\n");
    const IniFile ini(IniFile::NoDiretorioHost(QStringLiteral("ClienteTrn.ini")));
    EXPECT_EQ(ini.LeInteiro(QStringLiteral("A"), QStringLiteral("B"), 0), 7);
}

TEST_F(IniFileTeste, SalvaNovoArquivoERelidoVeOsValores) {
    const QString caminho = Caminho(QStringLiteral("RestabeleceLimite.ini"));
    {
        IniFile ini(caminho);
        ini.GravaBool(QStringLiteral("RESTABELECELIMITE"), QStringLiteral("Subfuncao"), true);
        ini.GravaBool(QStringLiteral("RESTABELECELIMITE"), QStringLiteral("Outra"), false);
        ini.GravaInteiro(QStringLiteral("RESTABELECELIMITE"), QStringLiteral("Quantidade"), -12);
        ini.GravaTexto(QStringLiteral("Dados"), QStringLiteral("Nome"), QString::fromUtf8("Ação;\\ok"));
        ASSERT_TRUE(ini.Salva());
    }
    const IniFile relido(caminho);
    EXPECT_TRUE(relido.Existe());
    EXPECT_TRUE(relido.LeBool(QStringLiteral("restabelecelimite"), QStringLiteral("SUBFUNCAO"), false));
    EXPECT_FALSE(relido.LeBool(QStringLiteral("RESTABELECELIMITE"), QStringLiteral("Outra"), true));
    EXPECT_EQ(relido.LeInteiro(QStringLiteral("RESTABELECELIMITE"), QStringLiteral("Quantidade"), 0), -12);
    EXPECT_EQ(relido.LeTexto(QStringLiteral("Dados"), QStringLiteral("Nome")),
              QString::fromUtf8("Ação;\\ok"));

    // Booleans are written as the integers a Windows host reads, and text in the host's 8-bit encoding.
    const auto bruto = LeArquivo(QStringLiteral("RestabeleceLimite.ini"));
    ASSERT_TRUE(bruto);
    EXPECT_EQ(ValorBruto(*bruto, "Subfuncao"), "1");
    EXPECT_EQ(ValorBruto(*bruto, "Outra"), "0");
    EXPECT_NE(bruto->find(Latin1("Ação;\\ok")), std::string::npos);
    EXPECT_EQ(bruto->find("Ação"), std::string::npos) << "UTF-8 written instead of Latin-1";

    // The temporary file of the atomic write is gone: only the INI file is left in the folder.
    EXPECT_EQ(QDir(Caminho(QString())).entryList(QDir::Files),
              QStringList{QStringLiteral("RestabeleceLimite.ini")});
}

TEST_F(IniFileTeste, SalvaArquivoExistenteMantemORestoEAtualizaAChaveSemDuplicar) {
    const QString caminho =
        Ini("[CorrespondenteBancario]\nDepositoCB=1\n\n[RESTABELECELIMITE]\nSubfuncao=0\nQuantidade=3\n");
    {
        IniFile ini(caminho);
        // Other spelling of the same names: the existing key is updated, not joined by a second one.
        ini.GravaTexto(QStringLiteral("restabelecelimite"), QStringLiteral("SUBFUNCAO"), QStringLiteral("1"));
        ASSERT_TRUE(ini.Salva());
    }
    const IniFile relido(caminho);
    EXPECT_TRUE(relido.LeBool(QStringLiteral("RESTABELECELIMITE"), QStringLiteral("Subfuncao"), false));
    EXPECT_EQ(relido.LeInteiro(QStringLiteral("RESTABELECELIMITE"), QStringLiteral("Quantidade"), 0), 3);
    EXPECT_TRUE(relido.LeBool(QStringLiteral("CorrespondenteBancario"), QStringLiteral("DepositoCB"), false));

    const QString texto =
        QString::fromLatin1(QByteArray::fromStdString(*LeArquivo(QStringLiteral("Teste.ini"))));
    EXPECT_EQ(texto.count(QStringLiteral("subfuncao"), Qt::CaseInsensitive), 1) << texto.toStdString();
    EXPECT_EQ(texto.count(QStringLiteral("[restabelecelimite]"), Qt::CaseInsensitive), 1)
        << texto.toStdString();
}

TEST_F(IniFileTeste, SalvaFalhaSemDestino) {
    IniFile semPasta(Caminho(QStringLiteral("naoexiste/RestabeleceLimite.ini")));
    semPasta.GravaInteiro(QStringLiteral("S"), QStringLiteral("K"), 1);
    EXPECT_FALSE(semPasta.Salva());

    // The name is taken by a folder: nothing replaces it.
    ASSERT_TRUE(QDir(Caminho(QString())).mkdir(QStringLiteral("Pasta.ini")));
    IniFile pasta(Caminho(QStringLiteral("Pasta.ini")));
    pasta.GravaInteiro(QStringLiteral("S"), QStringLiteral("K"), 1);
    EXPECT_FALSE(pasta.Salva());
    EXPECT_TRUE(QFileInfo(Caminho(QStringLiteral("Pasta.ini"))).isDir());
}

// A key given twice is read as Windows reads it: the first one counts; writing it leaves a single value.
TEST_F(IniFileTeste, ChaveRepetidaValeAPrimeira) {
    const QString caminho = Ini("[CorrespondenteBancario]\nSaqueCB=1\nsaquecb=0\n");
    {
        const IniFile ini(caminho);
        EXPECT_TRUE(ini.LeBool(QStringLiteral("CorrespondenteBancario"), QStringLiteral("SaqueCB"), false));
    }
    IniFile ini(caminho);
    ini.GravaInteiro(QStringLiteral("CorrespondenteBancario"), QStringLiteral("SaqueCB"), 0);
    ASSERT_TRUE(ini.Salva());
    const IniFile relido(caminho);
    EXPECT_FALSE(relido.LeBool(QStringLiteral("CorrespondenteBancario"), QStringLiteral("SaqueCB"), true));
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toLower().count("saquecb"), 1);
}

} // namespace
