# The compile policy every target of the project links.
add_library(orvanel_policy INTERFACE)
target_compile_features(orvanel_policy INTERFACE cxx_std_20)
target_compile_options(orvanel_policy INTERFACE -Wall -Wextra -Wpedantic)
if(ORVANEL_WERROR)
    target_compile_options(orvanel_policy INTERFACE -Werror)
endif()
target_compile_definitions(orvanel_policy INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CONTEXTLESS_CONNECT)
