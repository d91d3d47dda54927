# Installs the build into PREFIXO, then builds the smallest host against it twice, with find_package and with
# pkg-config, and runs each: both must print the interface version. The module's version is in its file name.
function(executa)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE r OUTPUT_VARIABLE saida ERROR_VARIABLE erro)
    if(NOT r EQUAL 0)
        message(FATAL_ERROR "${ARGN}: ${r}\n${saida}\n${erro}")
    endif()
    set(saida "${saida}" PARENT_SCOPE)
endfunction()

function(confere_versao programa)
    executa(${programa})
    if(NOT saida MATCHES "^1\\.0\\.0\\.0 ")
        message(FATAL_ERROR "${programa} printed \"${saida}\", not the interface version 1.0.0.0")
    endif()
    message(STATUS "${programa}: ${saida}")
endfunction()

file(REMOVE_RECURSE ${PREFIXO})
executa(${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIXO})
foreach(arquivo include/correspondente.h ${LIBDIR}/libcorrespondente.so.${VERSAO} include/vorta/hostlink.h ${LIBDIR}/cmake/Correspondente/CorrespondenteConfig.cmake
        ${LIBDIR}/pkgconfig/correspondente.pc share/correspondente/scenarios/default.json bin/cb-till
        bin/cb-server)
    if(NOT EXISTS ${PREFIXO}/${arquivo})
        message(FATAL_ERROR "not installed: ${arquivo}")
    endif()
endforeach()

# find_package
set(obra ${PREFIXO}-host)
file(REMOVE_RECURSE ${obra})
executa(${CMAKE_COMMAND} -S ${FONTES} -B ${obra} -DCMAKE_PREFIX_PATH=${PREFIXO})
executa(${CMAKE_COMMAND} --build ${obra})
confere_versao(${obra}/host)

# pkg-config
find_program(PKG_CONFIG pkg-config REQUIRED)
find_program(CC NAMES cc gcc REQUIRED)
set(ENV{PKG_CONFIG_PATH} ${PREFIXO}/${LIBDIR}/pkgconfig)
executa(${PKG_CONFIG} --cflags --libs correspondente)
separate_arguments(opcoes UNIX_COMMAND "${saida}")
executa(${PKG_CONFIG} --variable=libdir correspondente)
string(STRIP "${saida}" libdir)
executa(${CC} ${FONTES}/host.c ${opcoes} -Wl,-rpath,${libdir} -o ${obra}/host-pc)
confere_versao(${obra}/host-pc)
