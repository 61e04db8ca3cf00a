# Read by ctest after the discovered tests: tests that keep a core busy for seconds run alone,
# so that they never slow a test that times itself.
set_tests_properties(SaveFaultTest.KilledInTheMiddleOfSavingLeavesAWholeFile
                     PROPERTIES RUN_SERIAL TRUE)
