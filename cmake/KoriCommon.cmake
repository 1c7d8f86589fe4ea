# Flags shared by every target of ours, in one place. The browser engine's plugin takes the
# warnings only: the engine and the sanitizers do not run together.
add_library(kori_warn_cfg INTERFACE)
target_compile_features(kori_warn_cfg INTERFACE cxx_std_20)
target_compile_options(kori_warn_cfg INTERFACE -Wall -Wextra -Werror)
target_compile_definitions(kori_warn_cfg INTERFACE
    QT_USE_QSTRINGBUILDER QT_NO_CONTEXTLESS_CONNECT QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_ASCII)

add_library(kori_common_cfg INTERFACE)
target_link_libraries(kori_common_cfg INTERFACE kori_warn_cfg)
if(KORI_SANITIZE)
    target_compile_options(kori_common_cfg INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(kori_common_cfg INTERFACE -fsanitize=address,undefined)
endif()
