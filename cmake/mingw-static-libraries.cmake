# Included after project() by the MinGW-w64 toolchain: the platform's
# defaults prefer import libraries (.dll.a), which would make the programs
# need DLLs beside them. Only static archives are looked for.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
