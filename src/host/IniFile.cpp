#include "host/IniFile.h"

#include "host/Host.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

struct IniFile::Dados {
    // Case-insensitive names and no multi-line values, as a Windows host reads them; a key given twice keeps
    // both, so that reading takes the first one, as Windows does.
    CSimpleIniA ini{false, true, false};
};

namespace {
std::string b(const QString& s) {
    return host::paraLatin1(s);
}
} // namespace

IniFile::IniFile(const QString& caminho, bool leExistente)
    : caminho_(caminho), d_(std::make_unique<Dados>()) {
    if (!leExistente) return;
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) return;
    const QByteArray conteudo = f.readAll();
    existe_ = d_->ini.LoadData(conteudo.constData(), static_cast<size_t>(conteudo.size())) >= 0;
}

IniFile::~IniFile() = default;

QString IniFile::NoDiretorioHost(const QString& nome) {
    return QDir(host::DiretorioHost()).filePath(nome);
}

QString IniFile::LeTexto(const QString& secao, const QString& chave, const QString& padrao) const {
    const char* v = d_->ini.GetValue(b(secao).c_str(), b(chave).c_str(), nullptr);
    return v ? host::deLatin1(v) : padrao;
}

bool IniFile::LeBool(const QString& secao, const QString& chave, bool padrao) const {
    const QString v = LeTexto(secao, chave).trimmed();
    if (v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (v.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const long long n = v.toLongLong(&ok);
    return ok ? n != 0 : padrao;
}

int IniFile::LeInteiro(const QString& secao, const QString& chave, int padrao) const {
    bool ok = false;
    const int n = LeTexto(secao, chave).trimmed().toInt(&ok);
    return ok ? n : padrao;
}

void IniFile::GravaTexto(const QString& secao, const QString& chave, const QString& valor) {
    d_->ini.SetValue(b(secao).c_str(), b(chave).c_str(), b(valor).c_str(), nullptr, true);
}

void IniFile::GravaInteiro(const QString& secao, const QString& chave, int valor) {
    GravaTexto(secao, chave, QString::number(valor));
}

void IniFile::GravaBool(const QString& secao, const QString& chave, bool valor) {
    GravaTexto(secao, chave, valor ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::Salva() const {
    std::string texto;
    if (d_->ini.Save(texto) < 0) return false;
    QSaveFile f(caminho_);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(texto.data(), static_cast<qint64>(texto.size())) != static_cast<qint64>(texto.size()) ||
        !f.flush() || ::fsync(f.handle()) != 0) {
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) return false;
    // The rename is durable only once the folder's entry is on disk too.
    const QByteArray pasta = QFile::encodeName(QFileInfo(caminho_).absolutePath());
    const int fd = ::open(pasta.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}
