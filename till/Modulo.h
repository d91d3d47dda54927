// The module as the host loads it: dlopen, the five entry points, unload.
#pragma once

#include "correspondente.h"

#include <QString>

class Modulo {
public:
    explicit Modulo(QString caminho) : caminho_(std::move(caminho)) {}
    ~Modulo() { Descarrega(); }
    Modulo(const Modulo&) = delete;
    Modulo& operator=(const Modulo&) = delete;

    // Loads the library and runs its initialization; false with Erro() set when it could not.
    bool Carrega();
    // Runs the finalization and unloads the library.
    void Descarrega();
    bool Carregado() const { return handle_ != nullptr; }
    QString Erro() const { return erro_; }
    const QString& Caminho() const { return caminho_; }

    CbExecutaGenerico ExecutaGenerico = nullptr;
    CbExecutaFuncaoADM ExecutaFuncaoADM = nullptr;
    CbObtemVersao ObtemVersao = nullptr;

    // Where the module is found when no path is given: beside this program's build, or CB_MODULO.
    static QString CaminhoPadrao();

private:
    QString caminho_;
    QString erro_;
    void* handle_ = nullptr;
    CbFinalize finalize_ = nullptr;
};
