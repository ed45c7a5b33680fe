# The install rules: cmake --install into a temporary prefix, the menu entries and AppStream metadata
# validated, and every program, icon and the Data tree in place.
get_property(desktop_ids GLOBAL PROPERTY BRIMBOLA_DESKTOP_IDS)
add_test(NAME install_tree
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check_install.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR} ${desktop_ids})
set_tests_properties(install_tree PROPERTIES TIMEOUT 120 ENVIRONMENT "CMAKE=${CMAKE_COMMAND}")
