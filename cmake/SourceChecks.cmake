# Checks that read the sources rather than run them; they run with the test
# suite. Each prints "file:line: ..." for what it rejects.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Every include points down the layer order.
add_test(NAME SourceChecks.EveryIncludePointsDownTheLayerOrder
         COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/check-layers.py ${PROJECT_SOURCE_DIR})
# The layer check itself rejects an upward include and accepts a downward one.
add_test(NAME SourceChecks.LayerCheckRejectsAnUpwardInclude
         COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/check-layers.py --self-test)
# Every source is in the house style (.clang-format).
add_test(NAME SourceChecks.EverySourceIsInTheHouseStyle
         COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/check-format.sh ${PROJECT_SOURCE_DIR})
# No function is longer than 80 lines.
add_test(NAME SourceChecks.NoFunctionIsLongerThan80Lines
         COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/check-function-length.py --limit 80
         WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
# Every text the program shows is translated into every language, and every
# translation is of a text the program still shows.
add_test(NAME SourceChecks.EveryTextIsTranslated
         COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/check-translations.sh)
