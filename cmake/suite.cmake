# One way to add a suite: a CTest test that always carries its label (engine, description,
# ui, e2e, web, windows), and as it needs them its time limit, the fixture it sets up or
# needs, its environment and the folder it runs in.
#   pr_add_suite(NAME LABEL label COMMAND command... [TIMEOUT seconds]
#                [SETS_UP fixture] [NEEDS fixture] [WORKING_DIRECTORY folder]
#                [ENVIRONMENT variable=value...])
function(pr_add_suite name)
    cmake_parse_arguments(PARSE_ARGV 1 suite "" "LABEL;TIMEOUT;SETS_UP;NEEDS;WORKING_DIRECTORY"
                          "COMMAND;ENVIRONMENT")
    if(NOT suite_LABEL OR NOT suite_COMMAND)
        message(FATAL_ERROR "pr_add_suite(${name}): a suite needs a LABEL and a COMMAND")
    endif()
    set(folder)
    if(suite_WORKING_DIRECTORY)
        set(folder WORKING_DIRECTORY "${suite_WORKING_DIRECTORY}")
    endif()
    add_test(NAME ${name} COMMAND ${suite_COMMAND} ${folder})
    set(properties LABELS ${suite_LABEL})
    if(suite_TIMEOUT)
        list(APPEND properties TIMEOUT ${suite_TIMEOUT})
    endif()
    if(suite_SETS_UP)
        list(APPEND properties FIXTURES_SETUP ${suite_SETS_UP})
    endif()
    if(suite_NEEDS)
        list(APPEND properties FIXTURES_REQUIRED ${suite_NEEDS})
    endif()
    set_tests_properties(${name} PROPERTIES ${properties})
    if(suite_ENVIRONMENT) # a list, which the call above would spread into pairs
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${suite_ENVIRONMENT}")
    endif()
endfunction()
