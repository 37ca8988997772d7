# The simulator's monitor side needs the simulator library, which the
# generic rule for tests/core does not link.
if(TARGET core_simmonitor_tests AND TARGET brenmoor_sim)
    target_link_libraries(core_simmonitor_tests PRIVATE brenmoor_sim)
endif()
