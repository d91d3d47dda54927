#include "Modulo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <dlfcn.h>

bool Modulo::Carrega() {
    if (handle_) return true;
    handle_ = dlopen(QFile::encodeName(caminho_).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        erro_ = QString::fromLocal8Bit(dlerror());
        return false;
    }
    auto simbolo = [this](const char* nome) { return dlsym(handle_, nome); };
    ExecutaGenerico = reinterpret_cast<CbExecutaGenerico>(simbolo("ExecutaGenerico"));
    ExecutaFuncaoADM = reinterpret_cast<CbExecutaFuncaoADM>(simbolo("ExecutaFuncaoADM"));
    ObtemVersao = reinterpret_cast<CbObtemVersao>(simbolo("ObtemVersao"));
    auto initialize = reinterpret_cast<CbInitialize>(simbolo("Initialize"));
    finalize_ = reinterpret_cast<CbFinalize>(simbolo("Finalize"));
    if (!ExecutaGenerico || !ExecutaFuncaoADM || !ObtemVersao || !initialize || !finalize_) {
        erro_ = QStringLiteral("entry point missing in %1").arg(caminho_);
        dlclose(handle_);
        handle_ = nullptr;
        return false;
    }
    initialize();
    return true;
}

void Modulo::Descarrega() {
    if (!handle_) return;
    finalize_();
    dlclose(handle_);
    handle_ = nullptr;
    ExecutaGenerico = nullptr;
    ExecutaFuncaoADM = nullptr;
    ObtemVersao = nullptr;
    finalize_ = nullptr;
}

QString Modulo::CaminhoPadrao() {
    const QByteArray env = qgetenv("CB_MODULO");
    if (!env.isEmpty()) return QFile::decodeName(env);
#ifdef CB_MODULO_INSTALADO
    // Installed, the module sits in the library folder beside the programs' one.
    const QString instalado =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(CB_MODULO_INSTALADO));
    if (QFile::exists(instalado)) return instalado;
#endif
#ifdef CB_MODULO_PADRAO
    if (QFile::exists(QStringLiteral(CB_MODULO_PADRAO))) return QStringLiteral(CB_MODULO_PADRAO);
#endif
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("libcorrespondente.so"));
}
