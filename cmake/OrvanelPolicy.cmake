# The compile policy every target of the project links.
add_library(orvanel_policy INTERFACE)
target_compile_features(orvanel_policy INTERFACE cxx_std_20)
target_compile_options(orvanel_policy INTERFACE -Wall -Wextra -Wpedantic
    -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast -Wnon-virtual-dtor)
if(ORVANEL_WERROR)
    target_compile_options(orvanel_policy INTERFACE -Werror)
endif()
# Every error stops the program at once, so that a test fails where the fault is; the
# sanitizers' options (leak detection, halting) are set by the sanitizer preset.
if(ORVANEL_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
    target_compile_options(orvanel_policy INTERFACE ${sanitizers} -fno-omit-frame-pointer)
    target_link_options(orvanel_policy INTERFACE ${sanitizers})
endif()
target_compile_definitions(orvanel_policy INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CONTEXTLESS_CONNECT)

# The generated configuration header, OrvanelConfig.h.
configure_file(${PROJECT_SOURCE_DIR}/cmake/OrvanelConfig.h.in
    ${PROJECT_BINARY_DIR}/generated/OrvanelConfig.h)
target_include_directories(orvanel_policy INTERFACE ${PROJECT_BINARY_DIR}/generated)

# The fuzz build instruments every library for coverage and memory errors; the fuzz
# targets add libFuzzer's main when they link.
if(ORVANEL_FUZZ)
    target_compile_options(orvanel_policy INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    target_link_options(orvanel_policy INTERFACE -fsanitize=address,undefined)
endif()
