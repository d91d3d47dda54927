#!/usr/bin/env python3
"""Bar codes and typed lines of the scenario bills, with their check digits.

Usage:
  gera_codigos.py boleto BANCO FATOR VALOR CAMPO_LIVRE   (3, 4, 10 and 25 digits; factor 0000: no due date)
  gera_codigos.py convenio SEGMENTO ID_VALOR VALOR RESTO (1, 1, 11 and 29 digits; ID_VALOR 6/7 module 10,
                                                          8/9 module 11)
  gera_codigos.py fator DDMMYYYY                         (the due-date factor; 1000 again from 22/02/2025)
Prints the 44-digit bar code and the typed line (47 or 48 digits). The unit tests check every bill of the
scenarios with the platform's own check functions, so a digit copied wrong fails the suite.
"""
import datetime
import sys


def modulo10(digitos):
    soma, peso = 0, 2
    for d in reversed(digitos):
        p = int(d) * peso
        soma += p // 10 + p % 10
        peso = 1 if peso == 2 else 2
    return str((10 - soma % 10) % 10)


def pesos11(digitos):
    soma, peso = 0, 2
    for d in reversed(digitos):
        soma += int(d) * peso
        peso = 2 if peso == 9 else peso + 1
    return soma


def dv_boleto(digitos):
    dv = 11 - pesos11(digitos) % 11
    return "1" if dv in (0, 10, 11) else str(dv)


def modulo11_convenio(digitos):
    resto = pesos11(digitos) % 11
    return "0" if resto in (0, 1) else str(11 - resto)


def boleto(banco, fator, valor, livre):
    sem_dv = banco + "9" + fator + valor + livre
    assert len(sem_dv) == 43 and sem_dv.isdigit()
    dv = dv_boleto(sem_dv)
    codigo = sem_dv[:4] + dv + sem_dv[4:]
    c1 = banco + "9" + livre[:5]
    c2 = livre[5:15]
    c3 = livre[15:25]
    linha = c1 + modulo10(c1) + c2 + modulo10(c2) + c3 + modulo10(c3) + dv + fator + valor
    return codigo, linha


def convenio(segmento, idvalor, valor, resto):
    sem_dv = "8" + segmento + idvalor + valor + resto
    assert len(sem_dv) == 43 and sem_dv.isdigit()
    calc = modulo10 if idvalor in "67" else modulo11_convenio
    codigo = sem_dv[:3] + calc(sem_dv) + sem_dv[3:]
    linha = "".join(codigo[i:i + 11] + calc(codigo[i:i + 11]) for i in range(0, 44, 11))
    return codigo, linha


def fator(ddmmaaaa):
    data = datetime.date(int(ddmmaaaa[4:]), int(ddmmaaaa[2:4]), int(ddmmaaaa[:2]))
    reinicio = datetime.date(2025, 2, 22)
    if data < reinicio:
        return str((data - datetime.date(1997, 10, 7)).days).zfill(4)
    return str(1000 + (data - reinicio).days).zfill(4)


if __name__ == "__main__":
    a = sys.argv[1:]
    if a and a[0] == "boleto" and len(a) == 5:
        print(*boleto(*a[1:]), sep="\n")
    elif a and a[0] == "convenio" and len(a) == 5:
        print(*convenio(*a[1:]), sep="\n")
    elif a and a[0] == "fator" and len(a) == 2:
        print(fator(a[1]))
    else:
        sys.exit(__doc__)
