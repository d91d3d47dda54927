// INI files of a Windows host: section and key names match without regard to case, values are taken byte for
// byte (";" inside a value is data), booleans are integers ("0" false, any other integer true) or true/false.
#pragma once

#include <QString>

#include <memory>

class IniFile {
public:
    // Reads the file; a missing or unreadable file reads as empty (every key takes its default). With
    // leExistente false the file's present content is ignored: what Salva writes replaces it whole.
    explicit IniFile(const QString& caminho, bool leExistente = true);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // The file of that name in the host program's folder.
    static QString NoDiretorioHost(const QString& nome);

    bool Existe() const { return existe_; }
    bool LeBool(const QString& secao, const QString& chave, bool padrao) const;
    int LeInteiro(const QString& secao, const QString& chave, int padrao) const;
    QString LeTexto(const QString& secao, const QString& chave, const QString& padrao = {}) const;

    void GravaTexto(const QString& secao, const QString& chave, const QString& valor);
    void GravaInteiro(const QString& secao, const QString& chave, int valor);
    void GravaBool(const QString& secao, const QString& chave, bool valor);
    // Writes the whole file atomically and durably (temporary file synced, renamed, folder synced); false
    // when it could not.
    bool Salva() const;

private:
    struct Dados;
    QString caminho_;
    bool existe_ = false;
    std::unique_ptr<Dados> d_;
};
