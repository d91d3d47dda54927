// The module variables whose current text a descriptor sends (K(variavel)): filled from a text,
// NUL-terminated and cut to fit, with nothing left of what they held before.
#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>

namespace Tabelatrn {

template <std::size_t N> void CopiaTexto(std::array<char, N>& destino, const QString& texto) {
    destino.fill('\0');
    const QByteArray b = texto.toLatin1();
    std::copy_n(b.constData(), std::min<std::size_t>(static_cast<std::size_t>(b.size()), N - 1),
                destino.begin());
}

} // namespace Tabelatrn
