# Read by ctest after the discovered tests: a test that keeps a core busy for seconds runs alone,
# so that it never starves the others.
set_tests_properties(SaveFaultTest.KilledInTheMiddleOfSavingLeavesAWholeFile
                     PROPERTIES RUN_SERIAL TRUE)
