/* The smallest host: loads with the module and reads its interface version (the module's own is known once a
   screen was built, so it prints empty here). */
#include <correspondente.h>
#include <stdio.h>

int main(void) {
    char interface[32] = "", modulo[64] = "";
    Initialize();
    ObtemVersao(interface, modulo);
    Finalize();
    printf("%s [%s]\n", interface, modulo);
    return interface[0] ? 0 : 1;
}
