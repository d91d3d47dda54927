# The folders of src/ are layers, and an include may only go down: the message catalogue, then the host link,
# then the server records and request tables (together the core, no widgets), then the base forms and the
# dialogs every area shares, then the business areas (none of which includes another), then the entry menus,
# which open them all. Fails listing every include against the grain that is not on the list of those still
# to be removed, and every entry of that list that no longer occurs.
#   cmake -DFONTES=<src> -P camadas.cmake
set(ordem resources host protocol frame AREA menus)
set(areas admin cash government loans paguefacil payment prepaid queries services topup)
# Still to go, each through a registry or a move; the list only shrinks.
set(pendentes
    "src/admin/Alteracaocestaservicos.cpp -> services"
    "src/frame/Lumomain.cpp -> admin"
    "src/frame/Lumomain.cpp -> menus"
    "src/frame/Lumomain.cpp -> payment"
    "src/frame/Trnmodelolumo.cpp -> payment"
    "src/payment/Menuformaspagto.cpp -> cash"
    "src/payment/Reimpressaofininvesttrn.cpp -> services"
    "src/prepaid/Consultacartaoprepago.cpp -> menus"
    "src/prepaid/Menupagamentogrupo7cartaoprepago.cpp -> menus"
    "src/protocol/ServicosResposta.cpp -> frame"
    "src/queries/Demonstrativocreditobeneficio.cpp -> services")

function(posicao pasta saida)
    list(FIND areas "${pasta}" a)
    if(a GREATER -1)
        set(pasta AREA)
    endif()
    list(FIND ordem "${pasta}" p)
    set(${saida} ${p} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE fontes RELATIVE "${FONTES}/.." "${FONTES}/*.h" "${FONTES}/*.cpp")
set(achados)
set(erros 0)
foreach(f IN LISTS fontes)
    string(REGEX MATCH "^src/([a-z]+)/" _ "${f}")
    set(origem "${CMAKE_MATCH_1}")
    posicao("${origem}" po)
    if(po EQUAL -1)
        message(SEND_ERROR "${f}: folder ${origem} has no layer")
        math(EXPR erros "${erros} + 1")
        continue()
    endif()
    file(STRINGS "${FONTES}/../${f}" linhas REGEX "^#include \"[a-z]+/")
    foreach(l IN LISTS linhas)
        string(REGEX MATCH "^#include \"([a-z]+)/" _ "${l}")
        set(destino "${CMAKE_MATCH_1}")
        if(destino STREQUAL origem)
            continue()
        endif()
        posicao("${destino}" pd)
        if(pd EQUAL -1 OR pd GREATER po OR (pd EQUAL po))
            set(par "${f} -> ${destino}")
            list(FIND pendentes "${par}" i)
            if(i EQUAL -1)
                message(SEND_ERROR "${f}: ${l} goes against the layers")
                math(EXPR erros "${erros} + 1")
            else()
                list(APPEND achados "${par}")
            endif()
        endif()
    endforeach()
endforeach()
foreach(p IN LISTS pendentes)
    list(FIND achados "${p}" i)
    if(i EQUAL -1)
        message(SEND_ERROR "\"${p}\" is gone: take it off the list")
        math(EXPR erros "${erros} + 1")
    endif()
endforeach()
if(erros GREATER 0)
    message(FATAL_ERROR "${erros} include(s) against the layers")
endif()
