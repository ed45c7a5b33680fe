# SPDX-License-Identifier: GPL-3.0-or-later
# The install rules: cmake --install into a temporary prefix, the menu entries and AppStream metadata
# validated, and every program, icon and the Data tree in place.
get_property(desktop_ids GLOBAL PROPERTY BRIMBOLA_DESKTOP_IDS)
add_test(NAME install_tree
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check_install.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR} ${desktop_ids})
set_tests_properties(install_tree PROPERTIES TIMEOUT 120 ENVIRONMENT "CMAKE=${CMAKE_COMMAND}")

# The command line of both programs, in Polish and in English, with no display.
add_test(NAME command_line COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check_cli.sh ${BRIMBOLA_APP_DIR})
set_tests_properties(command_line PROPERTIES TIMEOUT 60)

# Every source file carries the licence line (scripts/spdx.sh adds it).
add_test(NAME spdx_headers COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/spdx.sh --check)
