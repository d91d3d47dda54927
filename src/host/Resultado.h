// The server's answer as the module checks it after an authorisation.
#pragma once

namespace host {

// The answer code (field 1009) as a number; 255, the code of "no answer", when it is not one.
int CodigoResultado();
inline bool Aprovada() {
    return CodigoResultado() == 0;
}

} // namespace host
