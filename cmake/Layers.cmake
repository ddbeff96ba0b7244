# The layers of the program and the one direction of their includes.
#
# Each folder of src/ is one library and one floor of the house. A file
# includes only from its own folder and from the folders of lower floors;
# folders that share a floor do not include each other. The build keeps the
# rule: each layer's library publishes an include root holding only its own
# folder (a link to it in the build tree), and a layer sees only the roots of
# the libraries it links. tests/layers checks the same rule over the source
# text, so that it holds for headers no library compiles too.
#
#   PURSO_LAYER_FLOORS
#     The floors from the bottom up; the folders of one floor are separated
#     by commas. src/main.cpp stands above all of them.
#
#   purso_layer(<target> <folder>)
#     Gives <target> the include root of src/<folder>.
include_guard(GLOBAL)

set(PURSO_LAYER_FLOORS "resources;data;platform,calc;text;qt,statement;dialogs;app;shell")

function(purso_layer target folder)
  set(root "${PROJECT_BINARY_DIR}/layer_includes/${folder}")
  if(NOT EXISTS "${root}/${folder}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/src/${folder}" "${root}/${folder}" SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC "${root}")
endfunction()
