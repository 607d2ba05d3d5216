# Compiler rules every target of the project links (and nothing else carries).
add_library(fonkel_options INTERFACE)
target_compile_features(fonkel_options INTERFACE cxx_std_20)
target_compile_options(fonkel_options INTERFACE -Wall -Wextra -Wno-missing-field-initializers)
target_compile_definitions(fonkel_options INTERFACE
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_USE_QSTRINGBUILDER
    QT_NO_FOREACH)
if(FONKEL_WERROR)
    target_compile_options(fonkel_options INTERFACE -Werror)
endif()
if(FONKEL_SANITIZE)
    target_compile_options(fonkel_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(fonkel_options INTERFACE -fsanitize=address,undefined)
endif()
